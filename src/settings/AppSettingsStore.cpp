#include "settings/AppSettingsStore.h"

#include <QSettings>

AppSettingsStore::AppSettingsStore(QString key, QString fileName)
    : m_key(std::move(key))
    , m_fileName(std::move(fileName))
{
}

std::unique_ptr<QSettings> AppSettingsStore::openConfiguration(const QString &fileName)
{
    if (!fileName.isEmpty())
        return std::make_unique<QSettings>(fileName, QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Tessarin"), QStringLiteral("Tessarin"));
}

AppSettings AppSettingsStore::load() const
{
    const QVariant stored = openConfiguration(m_fileName)->value(m_key);
    if (stored.typeId() != QMetaType::QByteArray)
        return AppSettings{};

    AppSettings settings = AppSettings::fromJson(stored.toByteArray()).value_or(AppSettings{});
    settings.autoCopyEnabled = true;
    if (settings.hotKey.isRetiredTextShortcut())
        settings.hotKey = HotKey::defaultTextCapture();
    return settings;
}

void AppSettingsStore::save(const AppSettings &settings) const
{
    openConfiguration(m_fileName)->setValue(m_key, settings.toJson());
}

bool AppSettingsStore::flag(const QString &key) const
{
    const QVariant value = openConfiguration(m_fileName)->value(key);
    return value.typeId() == QMetaType::Bool ? value.toBool() : value.toString() == QLatin1String("true");
}

void AppSettingsStore::setFlag(const QString &key, bool value) const
{
    const std::unique_ptr<QSettings> settings = openConfiguration(m_fileName);
    settings->setValue(key, value);
    settings->sync();
}
