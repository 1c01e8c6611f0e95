// Toasts on a real X server with a window manager: geometry, timing, and focus left alone.
#include "feedback/ToastPresenter.h"
#include "feedback/ToastView.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

void showSuccess(ToastPresenter &presenter, const QString &title, double seconds)
{
    presenter.show(title, std::nullopt, ToastIcon::system("checkmark.circle.fill"), ToastStyle::success, std::nullopt,
                   seconds, ToastPlacement::bottom);
}

} // namespace

class ToastPresenterTest : public QObject
{
    Q_OBJECT

private slots:
    void aLongNoticeIsShownWholeAtTheDesktopsFontSize()
    {
        // A user who set a large font: the notice grows, and every word of it is drawn.
        const QFont before = QGuiApplication::font();
        QFont large = before;
        large.setPointSizeF(before.pointSizeF() * 1.6);
        QGuiApplication::setFont(large);
        ToastPresenter presenter;
        const QString restored = "Shift+Super+2 is likely used by another screenshot tool. Restored Ctrl+Super+2.";
        showSuccess(presenter, restored, 2);
        const ToastView *view = presenter.window();
        QGuiApplication::setFont(before);
        QCOMPARE(view->size().width(), 380);
        QVERIFY(view->height() > 64);
        const QStringList drawn = view->titleLines();
        QVERIFY(drawn.size() > 1);
        QCOMPARE(drawn.join(' '), restored);
    }

    void showsOnTheScreenWithThePointer()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        ToastPresenter presenter;
        for (QScreen *screen : screens) {
            QCursor::setPos(screen->geometry().center());
            QTRY_COMPARE(QGuiApplication::screenAt(QCursor::pos()), screen);
            showSuccess(presenter, "Screenshot copied, ready for AI chat or terminal", 2);
            const QRect area = screen->availableGeometry();
            QCOMPARE(presenter.window()->x(), area.x() + (area.width() - 380) / 2);
            QCOMPARE(presenter.window()->geometry().bottom() + 1, area.bottom() + 1 - 72);
        }
    }

    void aNewToastReplacesTheOldOneAndKeepsItsOwnDuration()
    {
        ToastPresenter presenter;
        QElapsedTimer clock;
        clock.start();
        showSuccess(presenter, "first", 2.0);
        ToastView *panel = presenter.window();
        // Durations are what is tested here: the pauses are the time that passes.
        QTest::qWait(500);
        showSuccess(presenter, "second", 2.0);
        QCOMPARE(presenter.window(), panel);
        // Past the first toast's end: the second is still up, in its own content.
        QTest::qWait(int(2200 - clock.elapsed()));
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->title(), QStringLiteral("second"));
        QTRY_VERIFY_WITH_TIMEOUT(!panel->isVisible(), 2000);
        QVERIFY(clock.elapsed() >= 2400);
    }

    void neverTakesTheKeyboardFocus()
    {
        // Another program's window has the focus, as when the user pastes into it.
        QProcess other;
        other.start("xmessage", {"-name", "focused-program", "-geometry", "300x100+100+100", "The user types here"});
        QVERIFY(other.waitForStarted());
        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(!(window = run("xdotool", {"search", "--sync", "--onlyvisible", "--classname", "focused-program"}).section('\n', 0, 0)).isEmpty(), 5000);
        run("xdotool", {"windowactivate", "--sync", window});
        QTRY_COMPARE(run("xdotool", {"getwindowfocus"}), window);

        ToastPresenter presenter;
        showSuccess(presenter, "Text copied, ready to paste", 2);
        QTRY_VERIFY(presenter.window()->isVisible());
        // Nothing to observe when the focus rightly stays: a window manager moving it would
        // have done so within a few event rounds.
        QTest::qWait(300);
        QCOMPARE(run("xdotool", {"getwindowfocus"}), window);
        QVERIFY(QGuiApplication::focusWindow() == nullptr);
        other.kill();
        other.waitForFinished();
    }
};

QTEST_MAIN(ToastPresenterTest)
#include "ToastPresenterTest.moc"
