// What the program tells the user at start when it cannot keep their settings: a settings
// folder that refuses writing (a read-only mount), and a settings file that is not settings.
#include "CaptureScene.h"
#include "feedback/Localization.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

namespace {
std::unique_ptr<CaptureScene> start(const QString &settingsFile)
{
    CaptureScene::Options options;
    options.settingsFile = settingsFile;
    auto scene = std::make_unique<CaptureScene>(std::move(options));
    scene->controller().bootstrap();
    return scene;
}
} // namespace

class StartNoticesTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

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
            const std::unique_ptr<CaptureScene> scene = start(folder + "/Tessarin.conf");
            AppController &controller = scene->controller();
            QTRY_COMPARE_WITH_TIMEOUT(scene->visibleToast(), message, 3000);
            QCOMPARE(controller.lastResultSummary(), message);
            QTRY_VERIFY_WITH_TIMEOUT(scene->visibleToast().isEmpty(), 5000);

            // Changes still work for the session, without a second word.
            controller.updateSettings([](AppSettings &s) { s.preferredLanguageMode = PreferredLanguageMode::prioritizeCJK; });
            QCOMPARE(controller.settings().preferredLanguageMode, PreferredLanguageMode::prioritizeCJK);
            QCOMPARE(scene->visibleToast(), QString());
        }
        QCOMPARE(QProcess::execute("umount", {folder}), 0);
    }

    void anUnreadableSettingsFileIsKeptAndReported()
    {
        const QString folder = m_dir.filePath("config");
        QVERIFY(QDir().mkpath(folder));
        const QString file = folder + "/Tessarin.conf";
        const QByteArray garbage = unreadableSettingsBytes();
        QVERIFY(writeFile(file, garbage));

        std::unique_ptr<CaptureScene> scene = start(file);
        QCOMPARE(scene->controller().settings(), AppSettings{});
        const QStringList copies = QDir(folder).entryList({"Tessarin.conf.unreadable-*"});
        QCOMPARE(copies.size(), 1);
        const QString kept = folder + '/' + copies.first();
        QCOMPARE(contents(kept), garbage);
        QCOMPARE(QFile::permissions(kept) & 0x0077, QFileDevice::Permissions());
        // The first-start hint comes first (its flag was unreadable too), then the notice.
        QTRY_COMPARE_WITH_TIMEOUT(scene->visibleToast(), L::text(LocalizedKey::onboardingTitle), 3000);
        const QString message = "The settings file could not be read. Tessarin uses the defaults and kept the old file as " + kept;
        QTRY_COMPARE_WITH_TIMEOUT(scene->visibleToast(), message, 8000);
        QCOMPARE(scene->controller().lastResultSummary(), message);
        QVERIFY(contents(file) != garbage);
        scene.reset();

        // The next start finds settings it can read: nothing more is kept. Nor is the same
        // garbage once more, where the file could not be replaced.
        scene = start(file);
        scene.reset();
        QVERIFY(writeFile(file, garbage));
        scene = start(file);
        QCOMPARE(QDir(folder).entryList({"Tessarin.conf.unreadable-*"}), copies);
        QCOMPARE(contents(kept), garbage);
    }
};

QTEST_MAIN(StartNoticesTest)
#include "StartNoticesTest.moc"
