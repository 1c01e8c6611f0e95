// Selection overlays and screen capture on a real two-monitor X desktop, driven by xdotool
// as a user's mouse and keyboard would drive them.
#include "platform/ScreenCaptureError.h"
#include "capture/ScreenImageCapturer.h"
#include "capture/ScreenRegionSelectionController.h"
#include "app/PlatformLoader.h"
#include "platform/DesktopSession.h"
#include "platform/ScreenGrabber.h"

#include "DesktopDriver.h"
#include "TestImages.h"

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QTest>

using namespace DesktopDriver;

namespace {

// A borderless window showing a pattern pixel for pixel at a known place.
std::unique_ptr<QLabel> showPattern(QScreen *screen, QPoint localPosition, const QImage &pattern)
{
    auto window = std::make_unique<QLabel>(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    window->setPixmap(QPixmap::fromImage(pattern));
    window->setScreen(screen);
    window->setGeometry(QRect(screen->geometry().topLeft() + localPosition, pattern.deviceIndependentSize().toSize()));
    window->show();
    return window;
}

} // namespace

class ScreenCaptureTest : public QObject
{
    Q_OBJECT

private:
    ScreenRegionSelectionController m_selection;

    static void expect(bool condition, const char *message)
    {
        if (!condition)
            QTest::qFail(message, __FILE__, __LINE__);
    }

    // Starts a selection, lets xdotool act once the overlays are up, and returns the outcome.
    std::optional<ScreenRegionSelection> select(const QStringList &actions)
    {
        auto future = m_selection.selectRegion(PlatformLoader::screenGrabber());
        expect(waitForOverlays(m_selection), "the overlays never showed");
        QProcess driver;
        driver.start("xdotool", actions);
        expect(QTest::qWaitFor([&] { return future.isFinished(); }, 10000), "the selection never ended");
        driver.waitForFinished();
        expect(QTest::qWaitFor([this] { return m_selection.activeSession() == nullptr; }),
               "the session outlived its end");
        // Checked from outside: no overlay is mapped any more.
        expect(QTest::qWaitFor([] { return xdotool({"search", "--onlyvisible", "--name", "Tessarin selection"}).isEmpty(); }),
               "an overlay is still mapped");
        return future.isFinished() ? future.result() : std::nullopt;
    }

    CapturedScreenImage captured(const ScreenRegionSelection &selection)
    {
        auto future = ScreenImageCapturer::capture(selection, PlatformLoader::screenGrabber());
        future.waitForFinished();
        return future.result();
    }

    ScreenCaptureError captureError(const ScreenRegionSelection &selection)
    {
        auto future = ScreenImageCapturer::capture(selection, PlatformLoader::screenGrabber());
        try {
            future.waitForFinished();
            future.result();
        } catch (const ScreenCaptureException &exception) {
            return exception.error();
        }
        qFatal("the capture did not fail");
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::screens().size(), 2);
        QCOMPARE(DesktopSession::type(), DesktopSessionType::x11);
    }

    void selectedPixelsComeBackExactlyOnEveryMonitor_data()
    {
        QTest::addColumn<int>("screenIndex");
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        // Whichever way the drag goes, the same rectangle.
        QTest::newRow("LEFT, down to the right") << 0 << QPointF(150, 140) << QPointF(350, 260);
        QTest::newRow("RIGHT, up to the left") << 1 << QPointF(350, 260) << QPointF(150, 140);
        QTest::newRow("LEFT, up to the right") << 0 << QPointF(150, 260) << QPointF(350, 140);
    }

    void selectedPixelsComeBackExactlyOnEveryMonitor()
    {
        QFETCH(int, screenIndex);
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QScreen *screen = QGuiApplication::screens().at(screenIndex);
        const qreal ratio = screen->devicePixelRatio();
        QImage pattern = patternImage(QSize(300, 200) * ratio);
        pattern.setDevicePixelRatio(ratio);
        const std::unique_ptr<QLabel> window = showPattern(screen, QPoint(100, 100), pattern);
        QVERIFY(waitUntilShown(window.get()));

        const std::optional<ScreenRegionSelection> selection = select(drag(screen, from, to));
        QVERIFY(selection);
        QCOMPARE(selection->screen.data(), screen);
        QCOMPARE(selection->screenRect, QRectF(screen->geometry().topLeft() + QPointF(150, 140), QSizeF(200, 120)));

        QImage expected = pattern.copy(QRectF(QPointF(50, 40) * ratio, QSizeF(200, 120) * ratio).toRect());
        expected.setDevicePixelRatio(1);
        // From the picture taken before the overlay: no dimming, no outline, no pointer.
        const CapturedScreenImage image = captured(*selection);
        QCOMPARE(image.image.size(), QSize(200, 120) * ratio);
        QVERIFY(image.image.convertToFormat(QImage::Format_RGB32) == expected);
        QCOMPARE(QImage::fromData(image.pngData, "PNG").convertToFormat(QImage::Format_RGB32), expected);
        // And from a fresh grab, now that the overlay is gone and the window has repainted.
        QVERIFY(waitUntilShown(window.get()));
        ScreenRegionSelection fresh = *selection;
        fresh.snapshot = QImage();
        QVERIFY(captured(fresh).image.convertToFormat(QImage::Format_RGB32) == expected);
    }

    void cancellingAndClickingEndWithNone()
    {
        QScreen *left = QGuiApplication::screens().at(0);
        QVERIFY(!select({"key", "Escape"}));
        QStringList escapeDuringDrag = drag(left, {100, 100}, {300, 300});
        escapeDuringDrag.insert(escapeDuringDrag.indexOf("mouseup"), "key");
        escapeDuringDrag.insert(escapeDuringDrag.indexOf("mouseup"), "Escape");
        QVERIFY(!select(escapeDuringDrag));
        const QPoint click = rootPosition(left, {500, 500});
        QVERIFY(!select({"mousemove", QString::number(click.x()), QString::number(click.y()), "click", "1"}));
    }

    void selectionsAreCutAtTheirMonitorsEdge()
    {
        QScreen *left = QGuiApplication::screens().at(0);
        const int edge = left->geometry().width();
        // The drag starts on LEFT and ends over RIGHT: it stays LEFT's and is cut at its edge.
        const auto selection = select(drag(left, {edge - 30.0, 500}, {edge + 40.0, 560}));
        QVERIFY(selection);
        QCOMPARE(selection->screen.data(), left);
        QCOMPARE(captured(*selection).image.size(), QSize(30, 60));

        ScreenRegionSelection outside{left, QRectF(edge + 100, 100, 50, 50), {}};
        QCOMPARE(captureError(outside), ScreenCaptureError::cropFailed);
    }

    void aScreenGoneDuringTheSelectionFailsCleanly()
    {
        QCOMPARE(captureError(ScreenRegionSelection{nullptr, QRectF(10, 10, 50, 50), {}}),
                 ScreenCaptureError::displayUnavailable);
    }
};

QTEST_MAIN(ScreenCaptureTest)
#include "ScreenCaptureTest.moc"
