#include "feedback/ClipboardService.h"

#include "feedback/FeedbackLog.h"
#include "feedback/Localization.h"

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

#include <algorithm>
#include <cerrno>
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

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

// The nearest of path and its parents that exists.
QString nearestExisting(const QString &path)
{
    QString existing = path;
    struct stat status {};
    while (::stat(encoded(existing).constData(), &status) != 0) {
        const QString parent = QFileInfo(existing).path();
        if (parent == existing)
            break;
        existing = parent;
    }
    return existing;
}

// Why the file system refused to make or write path, as far as it lets us see.
ClipboardService::ImageCopy refusalOf(const QString &path, qint64 bytesNeeded)
{
    using Failure = ClipboardService::ImageCopyFailure;
    const QString existing = nearestExisting(path);
    if (!QFileInfo(existing).isDir())
        return {Failure::fileInTheWay, existing};
    struct statvfs volume {};
    if (::statvfs(encoded(existing).constData(), &volume) == 0) {
        // Kernel file systems such as /proc and /sys have no blocks at all.
        if (volume.f_blocks == 0)
            return {Failure::specialFileSystem, existing};
        if (volume.f_flag & ST_RDONLY)
            return {Failure::readOnly, existing};
        const bool outOfInodes = volume.f_files > 0 && volume.f_favail == 0;
        if (qint64(volume.f_bavail) * qint64(volume.f_frsize) < bytesNeeded || outOfInodes)
            return {Failure::diskFull, existing};
    }
    if (::access(encoded(existing).constData(), W_OK | X_OK) != 0)
        return {Failure::permissionDenied, existing};
    return {Failure::cannotWrite, path};
}

// A path as a terminal takes it when pasted: quoted only where the shell would otherwise split it,
// expand it or run a part of it.
QString shellWord(const QString &path)
{
    const bool plain = std::all_of(path.begin(), path.end(), [](QChar c) {
        return c.isLetterOrNumber() || (c.unicode() < 0x80 && QStringView(u"@%+=:,./-_").contains(c));
    });
    if (plain && !path.isEmpty())
        return path;
    QString quoted = path;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

// Network file systems may report a full disk only now, and commit() would not check.
bool synced(QSaveFile &file)
{
    return ::fsync(file.handle()) == 0 || errno == EINVAL;
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

void ClipboardService::whenHeld(QObject *context, std::function<void(WriteAnswer)> done,
                                std::chrono::milliseconds patience) const
{
    if (!m_writesNeedFocus) {
        done(WriteAnswer::kept);
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
            qCWarning(feedbackLog) << "the desktop dropped the clipboard item; keyboard focus:"
                                   << (QGuiApplication::focusWindow() ? QGuiApplication::focusWindow()->title()
                                                                       : QStringLiteral("none"));
        answer(held ? WriteAnswer::kept : WriteAnswer::dropped);
    });
    QTimer::singleShot(patience, waiting, [answer] {
        if (!QGuiApplication::focusWindow()) {
            answer(WriteAnswer::kept); // the desktop tells only the focused program
            return;
        }
        qCWarning(feedbackLog) << "the desktop refused the clipboard item: a newer one stands";
        answer(WriteAnswer::refused);
    });
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

ClipboardService::ImageCopy ClipboardService::prepareFolder(qint64 bytesNeeded) const
{
    const QByteArray path = encoded(m_imageFolder);
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0) {
        if (!QDir().mkpath(m_imageFolder))
            return refusalOf(m_imageFolder, bytesNeeded);
        if (::lstat(path.constData(), &status) != 0)
            return {ImageCopyFailure::cannotWrite, m_imageFolder};
    }
    // Never through a link, and never into a folder someone else could read or swap files in.
    if (S_ISLNK(status.st_mode))
        return {ImageCopyFailure::link, m_imageFolder};
    if (!S_ISDIR(status.st_mode))
        return {ImageCopyFailure::fileInTheWay, m_imageFolder};
    if (status.st_uid != ::geteuid())
        return {ImageCopyFailure::foreignOwner, m_imageFolder};
    // Also when the folder was made earlier, by hand or with wider rights.
    if (!QFile::setPermissions(m_imageFolder, privateFolder))
        return refusalOf(m_imageFolder, bytesNeeded);
    return {};
}

ClipboardService::ImageCopy ClipboardService::writeFile(const QString &path, const QByteArray &data) const
{
    QSaveFile file(path);
    // A small write only fills QSaveFile's buffer: a full disk shows in the flush, which commit()
    // does not check. An unfinished file is removed with file.
    if (file.open(QIODevice::WriteOnly) && file.setPermissions(privateFile) && file.write(data) == data.size()
        && file.flush() && synced(file) && file.commit())
        return {};
    qCWarning(feedbackLog) << "cannot write" << path << "-" << file.errorString();
    if (file.error() == QFileDevice::ResourceError)
        return {ImageCopyFailure::diskFull, m_imageFolder};
    return refusalOf(m_imageFolder, data.size());
}

ClipboardService::ImageCopy ClipboardService::copyImage(const QImage &image, const QByteArray &pngData) const
{
    const ImageCopy copy = writeImage(image, pngData);
    if (!copy)
        qCWarning(feedbackLog) << "screenshot not copied:" << copy.failure << copy.path;
    return copy;
}

ClipboardService::ImageCopy ClipboardService::writeImage(const QImage &image, const QByteArray &pngData) const
{
    const QUrl url = makeClipboardImageURL();
    const QString path = url.toLocalFile();
    if (ImageCopy prepared = prepareFolder(pngData.size()); !prepared)
        return prepared;
    if (ImageCopy written = writeFile(path, pngData); !written)
        return written;

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
    item->setText(shellWord(path));
    clipboard()->setMimeData(item, QClipboard::Clipboard);
    if (!clipboard()->ownsClipboard())
        return {ImageCopyFailure::clipboardRefused, path};
    return {};
}

QString ClipboardService::failureMessage(const ImageCopy &copy)
{
    const auto naming = [&copy](LocalizedKey key) { return L::text(key).arg(copy.path); };
    switch (copy.failure) {
    case ImageCopyFailure::cannotWrite:
        return naming(LocalizedKey::cannotWriteToFolder);
    case ImageCopyFailure::diskFull:
        return L::text(LocalizedKey::diskFull);
    case ImageCopyFailure::link:
        return naming(LocalizedKey::imageFolderIsLink);
    case ImageCopyFailure::fileInTheWay:
        return naming(LocalizedKey::imageFolderIsFile);
    case ImageCopyFailure::foreignOwner:
        return naming(LocalizedKey::imageFolderOfAnotherUser);
    case ImageCopyFailure::readOnly:
        return naming(LocalizedKey::imageFolderReadOnly);
    case ImageCopyFailure::specialFileSystem:
        return naming(LocalizedKey::imageFolderOnSpecialFileSystem);
    case ImageCopyFailure::permissionDenied:
        return naming(LocalizedKey::imageFolderPermissionDenied);
    case ImageCopyFailure::none:
    case ImageCopyFailure::clipboardRefused:
        break;
    }
    return L::text(LocalizedKey::captureFailed);
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
