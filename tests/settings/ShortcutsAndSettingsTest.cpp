// Global shortcuts pressed on a real X server (xdotool) while other programs have the focus,
// a shortcut held by another X client, and the settings window (opened over D-Bus) with its
// edits taking effect.
#include "app/AppController.h"
#include "feedback/Localization.h"
#include "feedback/ToastPresenter.h"
#include "feedback/ToastView.h"
#include "settings/ColorContrast.h"
#include "settings/SettingsWindowController.h"

#include "CaptureScene.h"
#include "DesktopDriver.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QProcess>
#include <QTest>
#include <QWindow>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

using DesktopDriver::xdotool;

namespace {

// Another X client that holds Control + Super + 2 for as long as it lives.
class OtherClientGrab
{
public:
    OtherClientGrab()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(m_connection);
        xcb_keycode_t *codes = xcb_key_symbols_get_keycode(symbols, '2');
        xcb_grab_key(m_connection, 1, root, XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_4, codes[0], XCB_GRAB_MODE_ASYNC,
                     XCB_GRAB_MODE_ASYNC);
        xcb_aux_sync();
        free(codes);
        xcb_key_symbols_free(symbols);
    }
    ~OtherClientGrab() { xcb_disconnect(m_connection); }

private:
    void xcb_aux_sync() { free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr)); }
    xcb_connection_t *m_connection;
};

// Control + Super + 1 pressed and a region dragged end with a screenshot on the clipboard.
bool screenshotKeysCopyAScreenshot(CaptureScene &scene)
{
    const QLabel *text = scene.showText(0, QPoint(100, 100), "Shortcut", "Noto Sans", 24);
    return scene.captureImage(CaptureScene::areaAround(text), "ctrl+super+1")
        && scene.controller().lastResultSummary() == L::text(LocalizedKey::screenshotCopied);
}

template<typename T>
T *findIn(QWidget *window, const QString &text)
{
    for (T *widget : window->findChildren<T *>()) {
        if (widget->property("text").toString() == text)
            return widget;
    }
    return nullptr;
}

// The settings window shows the text whole: its label is as tall as the text needs at its width,
// which is not squeezed, lies inside the window, and reads at least 4.5:1 against its background.
bool showsWhole(const QString &text)
{
    QWidget *window = SettingsWindowController::shared().window();
    const QLabel *label = window ? findIn<QLabel>(window, text) : nullptr;
    if (!label || !QTest::qWaitForWindowExposed(window))
        return false;
    const QRect inWindow(label->mapTo(window, QPoint(0, 0)), label->size());
    const double contrast = ColorContrast::ratio(label->palette().color(label->foregroundRole()),
                                                 window->palette().color(QPalette::Window));
    return label->isVisible() && label->width() >= 300 && label->height() >= label->heightForWidth(label->width())
        && window->rect().contains(inWindow) && contrast >= ColorContrast::readableText;
}

} // namespace

class ShortcutsAndSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void shortcutsWorkFromAnyApplicationWhateverTheLocks()
    {
        CaptureScene scene;
        scene.controller().bootstrap();
        const DesktopDriver::FocusedProgram other;

        QVERIFY(scene.cancelCapture("ctrl+super+2"));
        QVERIFY(scene.cancelCapture("ctrl+super+1"));
        xdotool({"key", "Num_Lock"});
        QVERIFY(scene.cancelCapture("ctrl+super+2"));
        xdotool({"key", "Num_Lock", "Caps_Lock"});
        QVERIFY(scene.cancelCapture("ctrl+super+1"));
        xdotool({"key", "Caps_Lock"});
        // Not every combination: Control + 2 alone is somebody else's.
        xdotool({"key", "ctrl+2"});
        // Nothing to observe when a key rightly does nothing: a grabbed press would have
        // started the capture within a few event rounds.
        QTest::qWait(300);
        QVERIFY(!scene.controller().isCaptureRunning());
    }

    void aShortcutHeldByAnotherProgramIsReportedOnceAndTakenWhenLetGo()
    {
        auto holder = std::make_unique<OtherClientGrab>();
        CaptureScene scene;
        scene.controller().bootstrap();
        const QString message = QStringLiteral("Shortcut Ctrl+Super+2 could not be registered. Another app may be using it.");
        QCOMPARE(scene.controller().lastResultSummary(), message);
        QCOMPARE(scene.visibleToast(), message);
        scene.controller().openSettings();
        QVERIFY(showsWhole(message));
        SettingsWindowController::shared().window()->close();
        // The warning runs its time: the first-launch hint comes only after it, and promises the
        // tray icon instead of the dead shortcut.
        QTRY_VERIFY_WITH_TIMEOUT(scene.visibleToast() != message, 5000);
        QCOMPARE(scene.visibleToast(), QString());
        QTRY_COMPARE_WITH_TIMEOUT(scene.visibleToast(), L::text(LocalizedKey::onboardingTitle), 5000);
        QCOMPARE(scene.controller().toastPresenter().window()->subtitle(),
                 QStringLiteral("Click this icon to capture text or choose another shortcut"));
        QTRY_VERIFY_WITH_TIMEOUT(scene.visibleToast().isEmpty(), 8000);

        scene.controller().updateSettings([](AppSettings &s) { s.preferredLanguageMode = PreferredLanguageMode::prioritizeCJK; });
        QCOMPARE(scene.controller().lastResultSummary(), message);
        QCOMPARE(scene.visibleToast(), QString());
        // Still held: opening the menu changes nothing.
        scene.controller().menuNeedsUpdate();
        QCOMPARE(scene.controller().lastResultSummary(), message);
        QVERIFY(scene.cancelCapture("ctrl+super+1"));

        holder.reset();
        // The X server lets the grab go when it has seen the other client leave; until then
        // each opening of the menu finds it still held.
        QTRY_VERIFY_WITH_TIMEOUT((scene.controller().menuNeedsUpdate(),
                                  scene.controller().lastResultSummary() == "Shortcut Ctrl+Super+2 works now"),
                                 5000);
        QCOMPARE(scene.visibleToast(), QStringLiteral("Shortcut Ctrl+Super+2 works now"));
        QVERIFY(scene.cancelCapture("ctrl+super+2"));
    }

    void settingsWindowOpensOverDBusAndItsEditsTakeEffectAtOnceOrAreRefused()
    {
        const QTemporaryDir folder;
        CaptureScene::Options options;
        options.settingsFile = folder.filePath("Tessarin.conf");
        CaptureScene scene(std::move(options));
        AppController &controller = scene.controller();
        controller.bootstrap();
        const QWidget *before = SettingsWindowController::shared().window();
        QVERIFY(!before || !before->isVisible());
        // What a desktop does when the user starts an installed program that already runs.
        QProcess desktop;
        desktop.start("gdbus", {"call", "--session", "--dest", "org.tessarin.Tessarin", "--object-path",
                                "/org/tessarin/Tessarin", "--method", "org.freedesktop.Application.Activate", "{}"});
        QVERIFY(QTest::qWaitFor([&] { return desktop.state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(desktop.exitCode(), 0);
        QTRY_VERIFY(SettingsWindowController::shared().window() && SettingsWindowController::shared().window()->isVisible());
        auto box = [&](const QString &text) { return findIn<QCheckBox>(SettingsWindowController::shared().window(), text); };
        auto chooseKey = [&](int index) { emit SettingsWindowController::shared().window()->findChildren<QComboBox *>().first()->activated(index); };

        // Shift on, then Control off, reaches the retired Command + Shift + 2: it snaps back.
        box("Shift")->click();
        QCOMPARE(controller.settings().hotKey.displayString(), QStringLiteral("Ctrl+Shift+Super+2"));
        box("Ctrl")->click();
        QCOMPARE(controller.settings().hotKey, HotKey::defaultTextCapture());
        QCOMPARE(scene.visibleToast(),
                 QStringLiteral("Shift+Super+2 is likely used by another screenshot tool. Restored Ctrl+Super+2."));
        QVERIFY(box("Ctrl")->isChecked() && !box("Shift")->isChecked());

        // The screenshot's keys are refused to the text shortcut, with the reason, and not saved.
        chooseKey(1);
        QCOMPARE(controller.settings().hotKey, HotKey::defaultTextCapture());
        const QString refused = "Ctrl+Super+1 is Tessarin’s screenshot shortcut. Kept Ctrl+Super+2.";
        QCOMPARE(controller.lastResultSummary(), refused);
        QCOMPARE(scene.visibleToast(), refused);
        QVERIFY(showsWhole(refused));
        QFile saved(folder.filePath("Tessarin.conf"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains(R"(\"key\":\"two\")"));

        // A new key works at once, the old one no longer does, and the status says so; the
        // screenshot keys still take a screenshot.
        chooseKey(5);
        QVERIFY(findIn<QLabel>(SettingsWindowController::shared().window(), "Ctrl+Super+5")->isVisible());
        QCOMPARE(controller.lastResultSummary(), QStringLiteral("Shortcut Ctrl+Super+5 works now"));
        QVERIFY(screenshotKeysCopyAScreenshot(scene));
        QVERIFY(!scene.cancelCapture("ctrl+super+2"));
        QVERIFY(scene.cancelCapture("ctrl+super+5"));

        // Shift + 5 alone would take "%" from every program: refused, with the reason.
        box("Super")->click();
        box("Shift")->click();
        QCOMPARE(controller.settings().hotKey.displayString(), QStringLiteral("Ctrl+Shift+5"));
        box("Ctrl")->click();
        const QString reason = "A shortcut needs Ctrl, Super or Alt. Kept Ctrl+Shift+5.";
        QCOMPARE(controller.settings().hotKey.displayString(), QStringLiteral("Ctrl+Shift+5"));
        QCOMPARE(controller.lastResultSummary(), reason);
        QCOMPARE(scene.visibleToast(), reason);
        QVERIFY(box("Ctrl")->isChecked());
        QVERIFY(showsWhole(reason));
        // Still whole in a window opened again, and readable in a dark palette too.
        SettingsWindowController::shared().window()->close();
        QApplication::setPalette(QPalette(QColor(0x31, 0x36, 0x3b)));
        controller.openSettings();
        QVERIFY(showsWhole(reason));
        QApplication::setPalette(QPalette());
        QVERIFY(scene.cancelCapture("ctrl+shift+5"));
        xdotool({"key", "shift+5"});
        QTest::qWait(300); // a press that must start nothing has nothing to wait for
        QVERIFY(!controller.isCaptureRunning());
        SettingsWindowController::shared().window()->close();
    }
};

QTEST_MAIN(ShortcutsAndSettingsTest)
#include "ShortcutsAndSettingsTest.moc"
