#pragma once

#include "settings/AppSettings.h"

#include <QString>

#include <memory>

class QSettings;
class QVariant;

// Reads and writes the settings record under one key of the user's configuration.
// Unreadable data gives the default record; a configuration file that cannot be read as
// settings is first kept beside it under another name, so that no write destroys it.
class AppSettingsStore
{
public:
    static constexpr const char *defaultKey = "tessarin.app-settings";

    // An empty fileName means the user's own configuration file.
    explicit AppSettingsStore(QString key = QString::fromLatin1(defaultKey),
                              QString fileName = {});

    const QString &key() const { return m_key; }
    // The configuration file's path.
    QString fileName() const;

    // Writes nothing to the configuration. A file it cannot read as settings is copied to
    // "<file>.unreadable-<date>-<time>" first, unless the latest such copy holds the same bytes.
    AppSettings load();
    // The copy the last load() made; empty when it made none.
    const QString &keptUnreadableFile() const { return m_keptUnreadableFile; }

    // False when the configuration could not be written.
    bool save(const AppSettings &settings) const;

    // Other per-user flags kept beside the record. Unreadable values read as false.
    bool flag(const QString &key) const;
    // False when the configuration could not be written.
    bool setFlag(const QString &key, bool value) const;

    // The configuration the store reads; other per-user values live beside the record.
    static std::unique_ptr<QSettings> openConfiguration(const QString &fileName = {});

private:
    void keepUnreadableFile(const QString &path);
    // False when the value could not be written.
    bool write(const QString &key, const QVariant &value) const;

    const QString m_key;
    const QString m_fileName;
    QString m_keptUnreadableFile;
};
