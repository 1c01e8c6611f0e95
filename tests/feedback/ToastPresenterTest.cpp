// Notices on a real X server with a window manager: where they show, how long they stay, and
// the focus left alone.
#include "app/PlatformLoader.h"
#include "feedback/Localization.h"
#include "feedback/ToastPresenter.h"
#include "feedback/ToastView.h"

#include "DesktopDriver.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace {

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
        ToastPresenter presenter(PlatformLoader::sessionFacts());
        const QString restored = "Shift+Super+2 is likely used by another screenshot tool. Restored Ctrl+Super+2.";
        showSuccess(presenter, restored, 2);
        const ToastView *view = presenter.window();
        QGuiApplication::setFont(before);
        const QStringList drawn = view->titleLines();
        QVERIFY(drawn.size() > 1);
        QCOMPARE(drawn.join(' '), restored);
        QVERIFY(view->height() > drawn.size() * QFontMetrics(large).lineSpacing());
    }

    void showsOnTheScreenWithThePointer()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        QCOMPARE(screens.size(), 2);
        ToastPresenter presenter(PlatformLoader::sessionFacts());
        for (QScreen *screen : screens) {
            QCursor::setPos(screen->geometry().center());
            QTRY_COMPARE(QGuiApplication::screenAt(QCursor::pos()), screen);
            showSuccess(presenter, L::text(LocalizedKey::screenshotCopied), 2);
            const QRect area = screen->availableGeometry();
            const QRect notice = presenter.window()->geometry();
            QVERIFY(area.contains(notice));
            QVERIFY(notice.top() > area.center().y());
        }
    }

    void aNewNoticeReplacesTheOldOneAndKeepsItsOwnDuration()
    {
        ToastPresenter presenter(PlatformLoader::sessionFacts());
        showSuccess(presenter, "first", 0.5);
        ToastView *panel = presenter.window();
        QVERIFY(panel->isVisible());
        showSuccess(presenter, "second", 6);
        QCOMPARE(presenter.window(), panel);
        // A notice shown after the first, for longer: once it has gone, the first one's time is
        // certainly over, and the second must still be up in its own words.
        ToastPresenter witness(PlatformLoader::sessionFacts());
        showSuccess(witness, "witness", 1);
        QTRY_VERIFY(!witness.window()->isVisible());
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->title(), QStringLiteral("second"));
        QTRY_VERIFY_WITH_TIMEOUT(!panel->isVisible(), 10000);
    }

    void neverTakesTheKeyboardFocus()
    {
        const DesktopDriver::FocusedProgram other;
        ToastPresenter presenter(PlatformLoader::sessionFacts());
        showSuccess(presenter, L::text(LocalizedKey::textCopied), 2);
        QTRY_VERIFY(presenter.window()->isVisible());
        // Nothing to observe when the focus rightly stays: a window manager moving it would
        // have done so within a few event rounds.
        QTest::qWait(300);
        QCOMPARE(DesktopDriver::xdotool({"getwindowfocus"}), other.window());
        QVERIFY(QGuiApplication::focusWindow() == nullptr);
    }
};

QTEST_MAIN(ToastPresenterTest)
#include "ToastPresenterTest.moc"
