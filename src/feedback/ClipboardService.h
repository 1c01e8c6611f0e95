#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QImage>
#include <QObject>
#include <QString>
#include <QUrl>

#include <chrono>
#include <functional>

class QClipboard;
class QObject;

// The only writer of the system clipboard. Screenshots also go to a private cache folder as
// PNG files, so that terminals and file dialogs can paste them as a path.
class ClipboardService
{
    Q_GADGET

public:
    static constexpr qint64 imageLifetimeSeconds = 24 * 60 * 60;

    enum class ImageCopyFailure {
        none,
        cannotWrite,      // refused for none of the reasons below
        diskFull,
        clipboardRefused, // the file was written, but the clipboard did not take the item
        link,             // the folder is a symbolic link
        fileInTheWay,     // a file stands where the folder or one of its parents belongs
        foreignOwner,     // the folder belongs to another user
        readOnly,         // on a read-only file system
        specialFileSystem, // on a file system that holds no files, such as /proc
        permissionDenied,
    };
    Q_ENUM(ImageCopyFailure)
    // The outcome of a screenshot copy; true when it succeeded. path: what the failure is about.
    struct ImageCopy {
        ImageCopyFailure failure = ImageCopyFailure::none;
        QString path;
        explicit operator bool() const { return failure == ImageCopyFailure::none; }
        bool operator==(const ImageCopy &) const = default;
    };

    // An empty folder means TessarinClipboard in the user's cache folder. writesNeedFocus: the
    // desktop takes the clipboard only from the program holding the keyboard focus (Wayland).
    explicit ClipboardService(QString imageFolder = {}, bool writesNeedFocus = false);

    // Runs write, which writes the clipboard, once the desktop will take it: where writes need
    // the focus, when one of our windows has it, or after patience in any case.
    void whenWritable(QObject *context, std::function<void()> write,
                      std::chrono::milliseconds patience = std::chrono::seconds(2)) const;
    // What the desktop did with an item just written, where writes need the focus.
    enum class WriteAnswer {
        kept,    // echoed back to us; or no answer while none of our windows has the focus
        dropped, // cancelled: another window took the focus between our check and the write
        refused, // no echo, though one of ours has the focus: a newer item stands, copied meanwhile
    };
    // Calls done once the desktop has answered the item just written: it echoes an item it keeps
    // to the focused program and cancels one it drops (GNOME), or stays silent where the item it
    // holds is newer (wlroots). Elsewhere done(kept) at once.
    void whenHeld(QObject *context, std::function<void(WriteAnswer)> done,
                  std::chrono::milliseconds patience = std::chrono::seconds(1)) const;

    void copyText(const QString &text) const;
    void clear() const;
    // Succeeds when the file was written and the clipboard took the item. When the file could
    // not be written the clipboard keeps what it had.
    ImageCopy copyImage(const QImage &image, const QByteArray &pngData) const;
    // What the user is told when a screenshot copy failed, naming the reason.
    static QString failureMessage(const ImageCopy &copy);

    const QString &imageFolder() const { return m_imageFolder; }
    // A new file in the image folder, named Tessarin-<UPPER-CASE UUID>.png; creates nothing.
    QUrl makeClipboardImageURL() const;
    // Deletes every entry of the excluded file's folder last modified more than 24 hours
    // before now (the current time unless given).
    void removeExpiredClipboardImages(const QUrl &excluding, const QDateTime &now = {}) const;

    static QString defaultImageFolder();

private:
    ImageCopy writeImage(const QImage &image, const QByteArray &pngData) const;
    ImageCopy prepareFolder(qint64 bytesNeeded) const;
    ImageCopy writeFile(const QString &path, const QByteArray &data) const;
    static QClipboard *clipboard();

    QString m_imageFolder;
    bool m_writesNeedFocus = false;
};
