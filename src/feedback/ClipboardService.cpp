#include "feedback/ClipboardService.h"

#include <QBuffer>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMimeData>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTimer>
#include <QUuid>
#include <QWindow>

#include <memory>
#include <utility>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {
// Screenshots show whatever was on the user's screen: only the user may read them.
constexpr QFile::Permissions privateFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions privateFile = QFile::ReadOwner | QFile::WriteOwner;

QByteArray tiffData(const QImage &image)
{
    if (!QImageWriter::supportedImageFormats().contains("tiff"))
        return {};
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "tiff");
    return writer.write(image) ? buffer.data() : QByteArray();
}

// Whether the file system holding path (or its nearest existing parent) lacks the room.
bool lacksRoom(const QString &path, qint64 bytesNeeded)
{
    QString existing = path;
    struct statvfs volume {};
    while (::statvfs(QFile::encodeName(existing).constData(), &volume) != 0) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            return false;
        existing = parent;
    }
    return qint64(volume.f_bavail) * qint64(volume.f_frsize) < bytesNeeded;
}

// An answer given once, by whichever of its callers comes first; waiting goes with it.
template<typename... Args>
std::function<void(Args...)> answerOnce(QObject *waiting, std::function<void(Args...)> answer)
{
    auto pending = std::make_shared<std::function<void(Args...)>>(std::move(answer));
    return [waiting, pending](Args... args) {
        if (!*pending)
            return;
        const auto answer = std::exchange(*pending, nullptr);
        waiting->deleteLater();
        answer(args...);
    };
}
} // namespace

ClipboardService::ClipboardService(QString imageFolder, bool writesNeedFocus)
    : m_imageFolder(imageFolder.isEmpty() ? defaultImageFolder() : std::move(imageFolder))
    , m_writesNeedFocus(writesNeedFocus)
{
}

void ClipboardService::whenWritable(QObject *context, std::function<void()> write,
                                    std::chrono::milliseconds patience) const
{
    if (!m_writesNeedFocus || QGuiApplication::focusWindow()) {
        write();
        return;
    }
    // A write made without the focus is dropped without a word (GNOME), and the user would paste
    // what was there before. The focus normally comes with the click that ends a selection.
    auto *waiting = new QObject(context);
    const auto once = answerOnce(waiting, std::move(write));
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, waiting, [once](QWindow *window) {
        if (window)
            once();
    });
    QTimer::singleShot(patience, waiting, once);
}

void ClipboardService::whenHeld(QObject *context, std::function<void(bool held)> done,
                                std::chrono::milliseconds patience) const
{
    if (!m_writesNeedFocus) {
        done(true);
        return;
    }
    auto *waiting = new QObject(context);
    const auto answer = answerOnce(waiting, std::move(done));
    // Both come as a change of the clipboard: the echo while the item is still ours, the
    // cancellation with the item gone.
    QObject::connect(clipboard(), &QClipboard::changed, waiting, [answer](QClipboard::Mode mode) {
        if (mode != QClipboard::Clipboard)
            return;
        const bool held = clipboard()->ownsClipboard();
        if (!held)
            qWarning("The desktop dropped the clipboard item (keyboard focus: %s)",
                     QGuiApplication::focusWindow() ? qPrintable(QGuiApplication::focusWindow()->title()) : "none");
        answer(held);
    });
    QTimer::singleShot(patience, waiting, [answer] { answer(true); });
}

QString ClipboardService::defaultImageFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
        + QStringLiteral("/TessarinClipboard");
}

QClipboard *ClipboardService::clipboard()
{
    return QGuiApplication::clipboard();
}

void ClipboardService::copyText(const QString &text) const
{
    clipboard()->setText(text, QClipboard::Clipboard);
}

void ClipboardService::clear() const
{
    clipboard()->clear(QClipboard::Clipboard);
}

QUrl ClipboardService::makeClipboardImageURL() const
{
    const QString uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    return QUrl::fromLocalFile(m_imageFolder + QStringLiteral("/Tessarin-") + uuid + QStringLiteral(".png"));
}

ClipboardService::ImageCopyFailure ClipboardService::prepareFolder(qint64 bytesNeeded) const
{
    const QByteArray path = QFile::encodeName(m_imageFolder);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) {
        if (!QDir().mkpath(m_imageFolder))
            return lacksRoom(m_imageFolder, bytesNeeded) ? ImageCopyFailure::diskFull : ImageCopyFailure::cannotWrite;
        if (::lstat(path.constData(), &status) != 0)
            return ImageCopyFailure::cannotWrite;
    }
    // Never through a link, and never into a folder someone else could read or swap files in.
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid())
        return ImageCopyFailure::cannotWrite;
    // Also when the folder was made earlier, by hand or with wider rights.
    if (!QFile::setPermissions(m_imageFolder, privateFolder))
        return ImageCopyFailure::cannotWrite;
    return ImageCopyFailure::none;
}

ClipboardService::ImageCopy ClipboardService::copyImage(const QImage &image, const QByteArray &pngData) const
{
    const QUrl url = makeClipboardImageURL();
    const QString path = url.toLocalFile();
    if (const ImageCopyFailure failure = prepareFolder(pngData.size()); failure != ImageCopyFailure::none)
        return {failure};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(privateFile)
        || file.write(pngData) != pngData.size() || !file.commit()) {
        const bool full = file.error() == QFileDevice::ResourceError || lacksRoom(m_imageFolder, pngData.size());
        return {full ? ImageCopyFailure::diskFull : ImageCopyFailure::cannotWrite};
    }

    removeExpiredClipboardImages(url);

    auto *item = new QMimeData;
    item->setData(QStringLiteral("image/png"), pngData);
    const QByteArray tiff = tiffData(image);
    if (!tiff.isEmpty())
        item->setData(QStringLiteral("image/tiff"), tiff);
    const QByteArray fileUrl = url.toEncoded();
    item->setData(QStringLiteral("text/uri-list"), fileUrl + "\r\n");
    // What file managers paste: an operation and the files, no trailing line feed.
    item->setData(QStringLiteral("x-special/gnome-copied-files"), "copy\n" + fileUrl);
    item->setText(path);
    clipboard()->setMimeData(item, QClipboard::Clipboard);
    return {clipboard()->ownsClipboard() ? ImageCopyFailure::none : ImageCopyFailure::clipboardRefused};
}

void ClipboardService::removeExpiredClipboardImages(const QUrl &excluding, const QDateTime &now) const
{
    const QString excluded = QFileInfo(excluding.toLocalFile()).absoluteFilePath();
    const QDir folder = QFileInfo(excluded).dir();
    const QDateTime cutOff = (now.isValid() ? now : QDateTime::currentDateTimeUtc()).addSecs(-imageLifetimeSeconds);
    const QFileInfoList entries =
        folder.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.absoluteFilePath() == excluded)
            continue;
        const QDateTime modified = entry.lastModified();
        if (!modified.isValid() || modified >= cutOff)
            continue;
        // A link goes, never what it points to; a real sub-folder goes with its contents.
        if (entry.isDir() && !entry.isSymLink())
            QDir(entry.absoluteFilePath()).removeRecursively();
        else
            QFile::remove(entry.absoluteFilePath());
    }
}
