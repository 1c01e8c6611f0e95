// What the program tells the user at start when it cannot keep their settings: a settings
// folder that refuses writing (a read-only mount), and a settings file that is not settings.
#include "app/AppController.h"
#include "feedback/ToastPresenter.h"
#include "feedback/ToastView.h"
#include "ocr/TesseractOCRProvider.h"
#include "app/PlatformLoader.h"
#include "platform/DesktopSession.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString visibleToast(AppController &controller)
{
    ToastView *toast = controller.toastPresenter().window();
    return toast && toast->isVisible() ? toast->title() : QString();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class StartNoticesTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    std::unique_ptr<AppController> start(const QString &settingsFile)
    {
        AppServices services{AppSettingsStore(QString::fromLatin1(AppSettingsStore::defaultKey), settingsFile),
                             std::make_unique<TesseractOCRProvider>(),
                             ClipboardService(m_dir.filePath("cache/TessarinClipboard")),
                             &PlatformLoader::screenGrabber(),
                             PlatformLoader::globalShortcutService()};
        auto controller = std::make_unique<AppController>(std::move(services));
        controller->bootstrap();
        return controller;
    }

private slots:
    void aReadOnlySettingsFolderIsReportedInsteadOfTheHint()
    {
        const QString folder = m_dir.filePath("read-only-config");
        QVERIFY(QDir().mkpath(folder));
        // The superuser writes through any mode bits; a read-only mount stops everyone.
        QCOMPARE(QProcess::execute("mount", {"-t", "tmpfs", "-o", "ro,size=64k", "tmpfs", folder}), 0);
        const QString message = "Settings cannot be saved: cannot write to " + folder;
        // Every start is a first start here, and each says the same once instead of the hint.
        for (int run = 0; run < 2; ++run) {
            std::unique_ptr<AppController> controller = start(folder + "/Tessarin.conf");
            QTRY_COMPARE_WITH_TIMEOUT(visibleToast(*controller), message, 3000);
            QCOMPARE(controller->lastResultSummary(), message);
            QTRY_VERIFY_WITH_TIMEOUT(visibleToast(*controller).isEmpty(), 5000);

            // Changes still work for the session, without a second word.
            controller->updateSettings([](AppSettings &s) { s.preferredLanguageMode = PreferredLanguageMode::prioritizeCJK; });
            QCOMPARE(controller->settings().preferredLanguageMode, PreferredLanguageMode::prioritizeCJK);
            QCOMPARE(visibleToast(*controller), QString());
        }
        QCOMPARE(QProcess::execute("umount", {folder}), 0);
    }

    void anUnreadableSettingsFileIsKeptAndReported()
    {
        const QString folder = m_dir.filePath("config");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + "/Tessarin.conf";
        // A section header cut short, then noise: random bytes alone are sometimes valid INI.
        QByteArray garbage("[General\n");
        QRandomGenerator noise(20261207);
        for (int i = 0; i < 4096; ++i)
            garbage.append(static_cast<char>(noise.generate()));
        QFile writer(file);
        QVERIFY(writer.open(QIODevice::WriteOnly));
        writer.write(garbage);
        writer.close();

        std::unique_ptr<AppController> controller = start(file);
        QCOMPARE(controller->settings(), AppSettings{});
        const QStringList copies = QDir(folder).entryList({"Tessarin.conf.unreadable-*"});
        QCOMPARE(copies.size(), 1);
        const QString kept = folder + '/' + copies.first();
        QCOMPARE(contents(kept), garbage);
        // The first-start hint comes first (its flag was unreadable too), then the notice.
        QTRY_COMPARE_WITH_TIMEOUT(visibleToast(*controller), QStringLiteral("Tessarin is running in the system tray"), 3000);
        const QString message = "The settings file could not be read. Tessarin uses the defaults and kept the old file as " + kept;
        QTRY_COMPARE_WITH_TIMEOUT(visibleToast(*controller), message, 8000);
        QCOMPARE(controller->lastResultSummary(), message);
        QVERIFY(contents(file) != garbage);
        controller.reset();

        // The next start finds settings it can read: nothing more is kept.
        controller = start(file);
        QCOMPARE(QDir(folder).entryList({"Tessarin.conf.unreadable-*"}), copies);
        QCOMPARE(contents(kept), garbage);
    }
};

QTEST_MAIN(StartNoticesTest)
#include "StartNoticesTest.moc"
