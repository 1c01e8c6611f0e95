// Selection overlays and screen capture on a real two-monitor X desktop, driven by xdotool
// as a user's mouse and keyboard would drive them.
#include "platform/ScreenCaptureError.h"
#include "capture/CaptureTiming.h"
#include "capture/ScreenImageCapturer.h"
#include "capture/ScreenRegionSelectionController.h"
#include "app/PlatformLoader.h"
#include "platform/DesktopSession.h"
#include "platform/ScreenGrabber.h"

#include "DesktopDriver.h"
#include "TestImages.h"

#include <QApplication>
#include <QLabel>
#include <QLoggingCategory>
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

// The colour the screen shows at a logical point, as a user sees it.
QColor shownColour(QScreen *screen, QPoint local)
{
    return screen->grabWindow(0, local.x(), local.y(), 1, 1).toImage().pixelColor(0, 0);
}

// Darkened by the overlay's 18 %, give or take the blend's rounding.
bool isDimmed(const QColor &shown, const QColor &original)
{
    auto near = [](int got, int was) { return std::abs(got - int(std::lround(was * 0.82))) <= 2; };
    return near(shown.red(), original.red()) && near(shown.green(), original.green())
        && near(shown.blue(), original.blue());
}

// The selection's windows a user sees now: overlays, or what is held after a selection.
std::vector<QWidget *> selectionWindowsShown()
{
    std::vector<QWidget *> shown;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowTitle() == QLatin1String("Tessarin selection"))
            shown.push_back(widget);
    }
    return shown;
}
int shownSelectionWindows() { return int(selectionWindowsShown().size()); }
QWidget *shownSelectionWindow()
{
    const std::vector<QWidget *> shown = selectionWindowsShown();
    return shown.empty() ? nullptr : shown.front();
}

std::vector<QString> timingLines;

void keepTimingLines(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QLatin1String(context.category) == QLatin1String(captureTiming().categoryName()))
        timingLines.push_back(message);
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
        QCOMPARE(PlatformLoader::sessionFacts().desktop, DesktopSessionType::x11);
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

    // A held overlay, or the badge held in its place, stays until dismissed; Escape on it is
    // passed on, for the work under way.
    void escapeOnAHeldOverlayIsPassedOn_data()
    {
        QTest::addColumn<QString>("badge");
        QTest::newRow("the overlay itself") << QString();
        QTest::newRow("a badge in its place") << QStringLiteral("Recognizing...");
    }
    void escapeOnAHeldOverlayIsPassedOn()
    {
        QFETCH(QString, badge);
        int escapes = 0;
        m_selection.onHeldOverlayCancelled = [&] { ++escapes; };
        auto future = m_selection.selectRegion(PlatformLoader::screenGrabber(),
                                               {.heldAfterSelection = true, .heldBadge = badge});
        QVERIFY(waitForOverlays(m_selection));
        QProcess driver;
        driver.start("xdotool", drag(QGuiApplication::screens().at(0), {100, 100}, {300, 200}));
        QTRY_VERIFY(future.isFinished());
        driver.waitForFinished();
        QVERIFY(future.result().has_value());
        const QSize screen = QGuiApplication::screens().at(0)->size();
        QWidget *held = nullptr;
        QTRY_VERIFY((held = shownSelectionWindow()) != nullptr);
        if (badge.isEmpty()) {
            QCOMPARE(shownSelectionWindows(), int(QGuiApplication::screens().size()));
            xdotool({"key", "Escape"});
        } else {
            // Small, and alone: the screen is live again beneath it.
            QTRY_COMPARE(shownSelectionWindows(), 1);
            QVERIFY(held->width() < screen.width() / 4 && held->height() < screen.height() / 4);
            QVERIFY(!held->grab().isNull());
            QTest::keyClick(held->focusWidget() ? held->focusWidget() : held, Qt::Key_Escape);
        }
        QTRY_COMPARE(escapes, 1);
        m_selection.dismissOverlay();
        QTRY_COMPARE(shownSelectionWindows(), 0);
        m_selection.onHeldOverlayCancelled = [] {};
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

    void everyOverlayShowsItsOwnMomentsPictureDimmed()
    {
        // Two selections over different screen contents: each overlay shows the picture taken at
        // its trigger, darkened, and never one left from an earlier selection.
        for (const QColor colour : {QColor(200, 120, 40), QColor(40, 160, 220)}) {
            std::vector<std::unique_ptr<QLabel>> patches;
            for (QScreen *screen : QGuiApplication::screens()) {
                QImage patch(QSize(120, 80) * screen->devicePixelRatio(), QImage::Format_RGB32);
                patch.fill(colour);
                patch.setDevicePixelRatio(screen->devicePixelRatio());
                patches.push_back(showPattern(screen, QPoint(400, 300), patch));
                QVERIFY(waitUntilShown(patches.back().get()));
            }
            auto future = m_selection.selectRegion(PlatformLoader::screenGrabber());
            QVERIFY(waitForOverlays(m_selection));
            for (QScreen *screen : QGuiApplication::screens()) {
                QVERIFY2(QTest::qWaitFor([&] { return isDimmed(shownColour(screen, {460, 340}), colour); }),
                         qPrintable(screen->name() + " shows " + shownColour(screen, {460, 340}).name()));
            }
            xdotool({"key", "Escape"});
            QTRY_VERIFY(future.isFinished());
            QVERIFY(!future.result());
        }
        // Between selections a hidden overlay waits on every screen, made ahead of the trigger.
        QTRY_COMPARE(m_selection.readyWindows().readyCount(), QGuiApplication::screens().size());
        QCOMPARE(xdotool({"search", "--onlyvisible", "--name", "Tessarin selection"}), QString());
    }

    void stageTimesAreLoggedOnlyWhenAskedFor()
    {
        timingLines.clear();
        const QtMessageHandler previous = qInstallMessageHandler(keepTimingLines);
        QVERIFY(!select({"key", "Escape"}));
        QCOMPARE(timingLines.size(), size_t(0));

        QLoggingCategory::setFilterRules(QStringLiteral("tessarin.capture.timing.debug=true"));
        QVERIFY(!select({"key", "Escape"}));
        QLoggingCategory::setFilterRules(QString());
        qInstallMessageHandler(previous);
        // "STAGE at MS", in the order the stages happen, on one clock.
        QStringList stages;
        double last = 0;
        for (const QString &line : timingLines) {
            const qsizetype at = line.lastIndexOf(QLatin1String(" at "));
            QVERIFY2(at > 0, qPrintable(line));
            const double ms = line.mid(at + 4).toDouble();
            QVERIFY2(ms >= last, qPrintable(line));
            last = ms;
            if (!stages.contains(line.left(at)))
                stages << line.left(at);
        }
        const QStringList expected = {"grab started", "screen grabbed", "windows ready", "windows shown"};
        QCOMPARE(stages.mid(0, 4), expected);
        QVERIFY2(stages.contains("mapped") && stages.contains("first frame drawn"), qPrintable(stages.join(", ")));
    }

    void aScreenGoneDuringTheSelectionFailsCleanly()
    {
        QCOMPARE(captureError(ScreenRegionSelection{nullptr, QRectF(10, 10, 50, 50), {}}),
                 ScreenCaptureError::displayUnavailable);
    }
};

QTEST_MAIN(ScreenCaptureTest)
#include "ScreenCaptureTest.moc"
