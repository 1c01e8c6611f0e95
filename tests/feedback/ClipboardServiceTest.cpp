// The clipboard as other programs see it (read back with xclip on a real X server), and the
// screenshot folder on a real file system.
#include "feedback/ClipboardService.h"

#include "TestFiles.h"
#include "TestImages.h"
#include "X11Clipboard.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <csignal>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Sets the modification time of a file or folder, without following a link.
void setModified(const QString &path, const QDateTime &modified)
{
    const qint64 ms = modified.toMSecsSinceEpoch();
    const timespec times[2] = {{ms / 1000, (ms % 1000) * 1000000}, {ms / 1000, (ms % 1000) * 1000000}};
    QVERIFY(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0);
}

int unixMode(const QString &path)
{
    struct stat status {};
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

void touch(const QString &path, const QDateTime &modified)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Append));
    file.close();
    setModified(path, modified);
}

} // namespace

class ClipboardServiceTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_cache;

private slots:
    // Where the desktop takes the clipboard only from the focused program, writing waits for the
    // focus to reach one of our windows, and does not wait for ever.
    void writesThatNeedTheFocusWaitForIt()
    {
        QTRY_VERIFY(!QGuiApplication::focusWindow());
        const ClipboardService service(m_cache.filePath("TessarinClipboard"), true);
        QObject context;
        bool written = false;
        service.whenWritable(&context, [&] { written = true; }, std::chrono::minutes(1));
        QCoreApplication::processEvents();
        QVERIFY(!written);
        QWidget window;
        window.show();
        window.activateWindow();
        QTRY_VERIFY(written);

        window.close();
        QTRY_VERIFY(!QGuiApplication::focusWindow());
        written = false;
        service.whenWritable(&context, [&] { written = true; }, std::chrono::milliseconds(200));
        QVERIFY(!written);
        QTRY_VERIFY(written);
    }

    // Whether the desktop kept an item: another program taking it before any echo means the
    // item was dropped; no answer at all means it was kept, and pastes exactly as written.
    void droppedItemsAreToldFromKeptOnes()
    {
        const ClipboardService service(m_cache.filePath("TessarinClipboard"), true);
        QObject context;
        std::optional<bool> held;
        service.copyText(QStringLiteral("ours"));
        service.whenHeld(&context, [&](bool answer) { held = answer; }, std::chrono::minutes(1));
        QVERIFY(QProcess::startDetached("sh", {"-c", "printf theirs | xclip -selection clipboard -i"}));
        QTRY_VERIFY(held.has_value());
        QVERIFY(!*held);

        held.reset();
        const QString text = QStringLiteral("  First line\n第二行：中文和日本語のテキスト\n한국어 😀 tabs\there  ");
        service.copyText(text);
        service.whenHeld(&context, [&](bool answer) { held = answer; }, std::chrono::milliseconds(200));
        QTRY_VERIFY(held.has_value());
        QVERIFY(*held);
        const X11Clipboard pasted = X11Clipboard::read(QStringLiteral("UTF8_STRING"));
        QVERIFY(pasted.ok);
        QCOMPARE(QString::fromUtf8(pasted.data), text);
    }

    // Into a folder another version left readable to others, and full of old screenshots: it is
    // made private, and the old ones go.
    void screenshotPastesAsImageFileAndPath()
    {
        const QString folder = m_cache.filePath("shared/TessarinClipboard");
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7755)));
        for (int i = 0; i < 3000; ++i)
            touch(folder + QStringLiteral("/Tessarin-%1.png").arg(i), QDateTime::currentDateTimeUtc().addDays(-2));
        const ClipboardService service(folder);
        const QImage image = patternImage({64, 32});
        const QByteArray png = pngOf(image);
        QVERIFY(service.copyImage(image, png));
        QVERIFY(service.copyImage(image, png));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);

        const QStringList targets = X11Clipboard::targets();
        for (const char *target : {"image/png", "image/tiff", "text/uri-list", "x-special/gnome-copied-files", "text/plain"})
            QVERIFY2(targets.contains(QLatin1String(target)), qPrintable(targets.join(' ')));
        QCOMPARE(X11Clipboard::read("image/png").data, png);
        QCOMPARE(QImage::fromData(X11Clipboard::read("image/tiff").data, "TIFF").convertToFormat(QImage::Format_RGB32), image);

        const QString path = QString::fromUtf8(X11Clipboard::read("text/plain").data);
        QVERIFY(path.startsWith(folder + "/"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), png);
        QCOMPARE(unixMode(path), 0600);
        QCOMPARE(unixMode(folder), 0700);

        const QByteArray url = QUrl::fromLocalFile(path).toEncoded();
        QCOMPARE(X11Clipboard::read("text/uri-list").data, url + "\r\n");
        QCOMPARE(X11Clipboard::read("x-special/gnome-copied-files").data, "copy\n" + url);
    }

    void unusableFoldersAreRefusedAndKeepTheClipboard_data()
    {
        QTest::addColumn<QString>("folder");
        QVERIFY(writeFile(m_cache.filePath("cache-is-a-file"), {}));
        QTest::newRow("cache folder is a file") << m_cache.filePath("cache-is-a-file/TessarinClipboard");

        // A link to a folder someone else can read: the screenshot must not land there.
        const QString elsewhere = m_cache.filePath("elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        QVERIFY(QFile::link(elsewhere, m_cache.filePath("linked")));
        QTest::newRow("image folder is a link") << m_cache.filePath("linked");

        // Another user's folder; the superuser could write there, and must not either.
        const QString foreign = m_cache.filePath("foreign");
        QVERIFY(QDir().mkpath(foreign));
        QVERIFY(chown(QFile::encodeName(foreign).constData(), 65534, 65534) == 0);
        QTest::newRow("image folder belongs to someone else") << foreign;
    }

    void unusableFoldersAreRefusedAndKeepTheClipboard()
    {
        QFETCH(QString, folder);
        const ClipboardService service(folder);
        service.copyText(QStringLiteral("kept"));
        const ClipboardService::ImageCopy copy = service.copyImage(patternImage({64, 32}), pngOf(patternImage({64, 32})));
        QVERIFY(!copy);
        QCOMPARE(copy.failure, ClipboardService::ImageCopyFailure::cannotWrite);
        QCOMPARE(X11Clipboard::read().data, QByteArray("kept"));
        QCOMPARE(QDir(m_cache.filePath("elsewhere")).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void fullDiskReturnsFalseAndLeavesNoFile()
    {
        const QString folder = m_cache.filePath("small-disk");
        QVERIFY(QDir().mkpath(folder));
        const bool mounted = geteuid() == 0
            && QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=16k", "tmpfs", folder}) == 0;
        // Without the right to mount, a file size limit makes the write fail the same way.
        rlimit original{};
        getrlimit(RLIMIT_FSIZE, &original);
        if (!mounted) {
            signal(SIGXFSZ, SIG_IGN);
            rlimit small{16 * 1024, original.rlim_max};
            QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        }
        const ClipboardService service(folder + "/TessarinClipboard");
        service.copyText(QStringLiteral("kept"));
        QImage noise(256, 256, QImage::Format_RGB32);
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x)
                noise.setPixel(x, y, qRgb((x * 7919 + y * 104729) % 256, (x * y) % 256, (x ^ y) % 256));
        const ClipboardService::ImageCopy copy = service.copyImage(noise, pngOf(noise));
        const QStringList left = QDir(folder + "/TessarinClipboard").entryList(QDir::Files | QDir::Hidden);
        if (mounted)
            QProcess::execute("umount", {folder});
        else
            setrlimit(RLIMIT_FSIZE, &original);
        QVERIFY(!copy);
        // A size limit is not a full disk; only the real one must say so.
        if (mounted)
            QCOMPARE(copy.failure, ClipboardService::ImageCopyFailure::diskFull);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(' ')));
        QCOMPARE(X11Clipboard::read().data, QByteArray("kept"));
    }

    void sweepDeletesWhatIsOlderThanADayAndNothingElse()
    {
        QTemporaryDir root;
        const QString folder = root.filePath("TessarinClipboard");
        QVERIFY(QDir().mkpath(folder + "/old-folder/inner"));
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QDateTime cutOff = now.addSecs(-ClipboardService::imageLifetimeSeconds);
        touch(folder + "/exactly-a-day.png", cutOff);
        touch(folder + "/a-moment-older.png", cutOff.addMSecs(-1000));
        touch(folder + "/notes.txt", now.addDays(-3));
        touch(folder + "/.hidden", now.addDays(-3));
        touch(folder + "/fresh.png", now.addSecs(-60));
        touch(folder + "/Tessarin-EXCLUDED.png", now.addDays(-5));
        touch(folder + "/old-folder/inner/file", now.addDays(-3));
        setModified(folder + "/old-folder", now.addDays(-3));
        // Someone else's files, reached by links in the folder, must survive the sweep.
        QVERIFY(QDir().mkpath(root.filePath("outside")));
        touch(root.filePath("outside/precious"), now.addDays(-9));
        setModified(root.filePath("outside"), now.addDays(-9));
        QVERIFY(QFile::link(root.filePath("outside"), folder + "/link-to-folder"));
        QVERIFY(QFile::link(root.filePath("outside/precious"), folder + "/link-to-file"));
        QVERIFY(QFile::link(root.filePath("nowhere"), folder + "/dangling"));

        const ClipboardService service(folder);
        service.removeExpiredClipboardImages(QUrl::fromLocalFile(folder + "/Tessarin-EXCLUDED.png"), now);

        QStringList left = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        left.sort();
        QCOMPARE(left, QStringList({"Tessarin-EXCLUDED.png", "dangling", "exactly-a-day.png", "fresh.png"}));
        QVERIFY(QFile::exists(root.filePath("outside/precious")));
    }
};

QTEST_MAIN(ClipboardServiceTest)
#include "ClipboardServiceTest.moc"
