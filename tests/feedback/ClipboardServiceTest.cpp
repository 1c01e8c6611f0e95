// The clipboard as other programs see it (read back with xclip on a real X server), and the
// screenshot folder on a real file system.
#include "common/EnumNames.h"
#include "feedback/ClipboardService.h"

#include "TestFiles.h"
#include "TestImages.h"
#include "X11Clipboard.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
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

QImage noiseImage(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, random.generate() | 0xff000000);
    return image;
}

// Fills the file system at folder so that exactly room bytes stay free.
void fillLeaving(const QString &folder, qint64 room)
{
    struct statvfs volume {};
    QVERIFY(statvfs(QFile::encodeName(folder).constData(), &volume) == 0);
    const qint64 free = qint64(volume.f_bavail) * qint64(volume.f_frsize);
    QVERIFY(free >= room);
    QVERIFY(writeFile(folder + "/filler", QByteArray(free - room, 'x')));
    QVERIFY(statvfs(QFile::encodeName(folder).constData(), &volume) == 0);
    QCOMPARE(qint64(volume.f_bavail) * qint64(volume.f_frsize), room);
}

} // namespace

Q_DECLARE_METATYPE(ClipboardService::ImageCopy)

class ClipboardServiceTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_cache;
    QStringList m_mounts;

    // A new tmpfs with these mount options, gone at the end.
    QString mount(const QString &options)
    {
        const QString disk = m_cache.filePath(QStringLiteral("disk-%1").arg(m_mounts.size()));
        if (!QDir().mkpath(disk) || QProcess::execute("mount", {"-t", "tmpfs", "-o", options, "tmpfs", disk}) != 0)
            qFatal("cannot mount a tmpfs at %s", qPrintable(disk));
        m_mounts << disk;
        return disk;
    }

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
    // item was dropped; no answer at all means it was kept, and pastes exactly as written, unless
    // one of our windows has the focus, to which the desktop would have echoed it.
    void droppedItemsAreToldFromKeptOnes()
    {
        const ClipboardService service(m_cache.filePath("TessarinClipboard"), true);
        QObject context;
        using Answer = ClipboardService::WriteAnswer;
        std::optional<Answer> held;
        service.copyText(QStringLiteral("ours"));
        service.whenHeld(&context, [&](Answer answer) { held = answer; }, std::chrono::minutes(1));
        QVERIFY(QProcess::startDetached("sh", {"-c", "printf theirs | xclip -selection clipboard -i"}));
        QTRY_VERIFY(held.has_value());
        QCOMPARE(*held, Answer::dropped);

        held.reset();
        const QString text = QStringLiteral("  First line\n第二行：中文和日本語のテキスト\n한국어 😀 tabs\there  ");
        service.copyText(text);
        service.whenHeld(&context, [&](Answer answer) { held = answer; }, std::chrono::milliseconds(200));
        QTRY_VERIFY(held.has_value());
        QCOMPARE(*held, Answer::kept);
        const X11Clipboard pasted = X11Clipboard::read(QStringLiteral("UTF8_STRING"));
        QVERIFY(pasted.ok);
        QCOMPARE(QString::fromUtf8(pasted.data), text);

        QWidget focused;
        focused.show();
        focused.activateWindow();
        QTRY_VERIFY(QGuiApplication::focusWindow());
        held.reset();
        service.whenHeld(&context, [&](Answer answer) { held = answer; }, std::chrono::milliseconds(200));
        QTRY_VERIFY(held.has_value());
        QCOMPARE(*held, Answer::refused);
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

    // A path with what a shell would split, expand or run pastes into a terminal as the one file.
    void terminalPasteOfThePathIsSafe_data()
    {
        QTest::addColumn<QString>("home");
        QTest::newRow("space") << "John Smith";
        QTest::newRow("command and quotes") << "$(touch ran)`touch ran` it's \"x\"";
    }
    void terminalPasteOfThePathIsSafe()
    {
        QFETCH(QString, home);
        const QString folder = m_cache.filePath(home + "/.cache/TessarinClipboard");
        const QImage image = patternImage({16, 16});
        const QByteArray png = pngOf(image);
        QVERIFY(ClipboardService(folder).copyImage(image, png));
        const QString pasted = QString::fromUtf8(X11Clipboard::read("text/plain").data);
        QProcess shell;
        shell.setWorkingDirectory(m_cache.path());
        shell.start("bash", {"-c", "cat " + pasted});
        QVERIFY(shell.waitForFinished());
        QCOMPARE(shell.readAllStandardOutput(), png);
        QVERIFY(!QFile::exists(m_cache.filePath("ran")));
        const QStringList files = QDir(folder).entryList(QDir::Files);
        QCOMPARE(files.size(), 1);
        const QByteArray url = QUrl::fromLocalFile(folder + "/" + files.first()).toEncoded();
        QCOMPARE(X11Clipboard::read("text/uri-list").data, url + "\r\n");
        QCOMPARE(X11Clipboard::read("x-special/gnome-copied-files").data, "copy\n" + url);
    }

    // Each refusal names its reason and what it is about.
    void unusableFoldersAreRefusedAndKeepTheClipboard_data()
    {
        using enum ClipboardService::ImageCopyFailure;
        QTest::addColumn<QString>("folder");
        QTest::addColumn<ClipboardService::ImageCopy>("refusal");
        QVERIFY(writeFile(m_cache.filePath("cache-is-a-file"), {}));
        QTest::newRow("cache folder is a file") << m_cache.filePath("cache-is-a-file/TessarinClipboard")
                                                << ClipboardService::ImageCopy{fileInTheWay, m_cache.filePath("cache-is-a-file")};

        // A link to a folder someone else can read: the screenshot must not land there.
        const QString elsewhere = m_cache.filePath("elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        QVERIFY(QFile::link(elsewhere, m_cache.filePath("linked")));
        QTest::newRow("image folder is a link") << m_cache.filePath("linked")
                                                << ClipboardService::ImageCopy{link, m_cache.filePath("linked")};

        // Another user's folder; the superuser could write there, and must not either.
        const QString foreign = m_cache.filePath("foreign");
        QVERIFY(QDir().mkpath(foreign));
        QVERIFY(chown(QFile::encodeName(foreign).constData(), 65534, 65534) == 0);
        QTest::newRow("image folder belongs to someone else") << foreign << ClipboardService::ImageCopy{foreignOwner, foreign};

        const QString readOnlyDisk = mount("ro,size=64k");
        QTest::newRow("read-only file system") << readOnlyDisk + "/TessarinClipboard"
                                               << ClipboardService::ImageCopy{readOnly, readOnlyDisk};
        QTest::newRow("/proc") << "/proc/tessarin/TessarinClipboard" << ClipboardService::ImageCopy{specialFileSystem, "/proc"};
    }

    void unusableFoldersAreRefusedAndKeepTheClipboard()
    {
        QFETCH(QString, folder);
        QFETCH(ClipboardService::ImageCopy, refusal);
        const ClipboardService service(folder);
        service.copyText(QStringLiteral("kept"));
        // The log says why, for a bug report.
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("screenshot not copied: .*" + EnumNames::name(refusal.failure)));
        QCOMPARE(service.copyImage(patternImage({64, 32}), pngOf(patternImage({64, 32}))), refusal);
        QCOMPARE(X11Clipboard::read().data, QByteArray("kept"));
        QCOMPARE(QDir(m_cache.filePath("elsewhere")).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    // A screenshot smaller than the write buffer fails only when the buffer is flushed.
    void fullDiskFailsAndLeavesNoFile_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qint64>("room");
        QTest::newRow("small screenshot, a little room") << QSize(70, 70) << qint64(12 * 1024);
        QTest::newRow("small screenshot, no room") << QSize(70, 70) << qint64(0);
        QTest::newRow("large screenshot") << QSize(256, 256) << qint64(12 * 1024);
    }
    void fullDiskFailsAndLeavesNoFile()
    {
        QFETCH(QSize, size);
        QFETCH(qint64, room);
        const QString cache = mount("size=64k");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache));
        const ClipboardService service;
        qunsetenv("XDG_CACHE_HOME");
        QVERIFY(service.imageFolder().startsWith(cache + "/"));
        QVERIFY(QDir().mkpath(service.imageFolder()));
        fillLeaving(cache, room);
        service.copyText(QStringLiteral("kept"));
        const QImage image = noiseImage(size);
        const QByteArray png = pngOf(image);
        QVERIFY(png.size() > room);

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write .*"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("screenshot not copied: .*diskFull"));
        const ClipboardService::ImageCopy copy = service.copyImage(image, png);
        QCOMPARE(copy.failure, ClipboardService::ImageCopyFailure::diskFull);
        QCOMPARE(QDir(service.imageFolder()).entryList(QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(X11Clipboard::read().data, QByteArray("kept"));
    }

    void cleanupTestCase()
    {
        for (const QString &disk : std::as_const(m_mounts))
            QCOMPARE(QProcess::execute("umount", {disk}), 0);
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
