#include "settings/AppSettingsStore.h"

#include "settings/SettingsLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <fcntl.h>
#include <unistd.h>

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool holds(const QString &path, const QByteArray &bytes)
{
    return QFileInfo(path).size() == bytes.size() && contents(path) == bytes;
}

// Private, new, and never through a link someone may have put where the copy goes.
bool writeNewPrivateFile(const QString &path, const QByteArray &bytes)
{
    const int descriptor = ::open(QFile::encodeName(path).constData(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor < 0)
        return false;
    QFile file;
    const bool written = file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)
        && file.write(bytes) == bytes.size() && file.flush();
    file.close();
    if (!written)
        QFile::remove(path);
    return written;
}
} // namespace

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

QString AppSettingsStore::fileName() const
{
    return m_fileName.isEmpty() ? openConfiguration()->fileName() : m_fileName;
}

AppSettings AppSettingsStore::load()
{
    m_keptUnreadableFile.clear();
    const std::unique_ptr<QSettings> configuration = openConfiguration(m_fileName);
    const QVariant stored = configuration->value(m_key);
    const std::optional<AppSettings> decoded = stored.typeId() == QMetaType::QByteArray
        ? AppSettings::fromJson(stored.toByteArray())
        : std::nullopt;
    if (configuration->status() == QSettings::FormatError || (stored.isValid() && !decoded)) {
        qCWarning(settingsLog) << "the settings in" << configuration->fileName()
                               << "cannot be read; the defaults apply";
        keepUnreadableFile(configuration->fileName());
    }

    AppSettings settings = decoded.value_or(AppSettings{});
    // Neither can work as the text shortcut: the second would be refused as taken.
    if (settings.hotKey.isRetiredTextShortcut() || settings.hotKey == HotKey::screenshotCapture()) {
        qCInfo(settingsLog) << "the text shortcut" << settings.hotKey.displayString() << "is replaced by the default";
        settings.hotKey = HotKey::defaultTextCapture();
    }
    return settings;
}

void AppSettingsStore::keepUnreadableFile(const QString &path)
{
    const QByteArray bytes = contents(path);
    if (bytes.isEmpty())
        return;
    const QFileInfo file(path);
    const QString prefix = file.fileName() + QStringLiteral(".unreadable-");
    // Names sort by time: the last one is the latest copy.
    const QStringList copies = file.dir().entryList({prefix + u'*'}, QDir::Files | QDir::Hidden, QDir::Name);
    if (!copies.isEmpty() && holds(file.dir().filePath(copies.last()), bytes))
        return;
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int attempt = 0; attempt < 10; ++attempt) {
        const QString copy = file.absolutePath() + u'/' + prefix + stamp
            + (attempt ? QStringLiteral("-%1").arg(attempt) : QString());
        if (writeNewPrivateFile(copy, bytes)) {
            m_keptUnreadableFile = copy;
            qCInfo(settingsLog) << "the unreadable settings are kept in" << copy;
            return;
        }
    }
    qCWarning(settingsLog) << "the unreadable settings could not be kept beside" << path;
}

bool AppSettingsStore::save(const AppSettings &settings) const
{
    return write(m_key, settings.toJson());
}

bool AppSettingsStore::write(const QString &key, const QVariant &value) const
{
    const std::unique_ptr<QSettings> configuration = openConfiguration(m_fileName);
    configuration->setValue(key, value);
    configuration->sync();
    switch (configuration->status()) {
    case QSettings::NoError:
        return true;
    case QSettings::AccessError:
        qCWarning(settingsLog) << "cannot write the settings to" << configuration->fileName();
        return false;
    case QSettings::FormatError:
        break;
    }
    // A file that was unreadable keeps its read error, which hides a failed write: read back.
    const bool written = openConfiguration(m_fileName)->value(key).toByteArray() == value.toByteArray();
    if (!written)
        qCWarning(settingsLog) << "cannot write the settings to" << configuration->fileName();
    return written;
}

bool AppSettingsStore::flag(const QString &key) const
{
    const QVariant value = openConfiguration(m_fileName)->value(key);
    return value.typeId() == QMetaType::Bool ? value.toBool() : value.toString() == QLatin1String("true");
}

bool AppSettingsStore::setFlag(const QString &key, bool value) const
{
    return write(key, value);
}
