#pragma once

#include "settings/AppSettings.h"

#include <QString>

#include <memory>

class QSettings;

// Reads and writes the settings record under one key of the user's configuration.
// Never fails visibly: unreadable data gives the default record, write errors are ignored.
class AppSettingsStore
{
public:
    static constexpr const char *defaultKey = "tessarin.app-settings";

    // An empty fileName means the user's own configuration file.
    explicit AppSettingsStore(QString key = QString::fromLatin1(defaultKey),
                              QString fileName = {});

    const QString &key() const { return m_key; }

    // Writes nothing, also when it corrects what it read.
    AppSettings load() const;
    void save(const AppSettings &settings) const;

    // Other per-user flags kept beside the record. Unreadable values read as false.
    bool flag(const QString &key) const;
    void setFlag(const QString &key, bool value) const;

    // The configuration the store reads; other per-user values live beside the record.
    static std::unique_ptr<QSettings> openConfiguration(const QString &fileName = {});

private:
    const QString m_key;
    const QString m_fileName;
};
