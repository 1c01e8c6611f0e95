// Selection and capture latency, on a real X desktop (run it under scripts/with-desktop).
//   capture_bench [ROUNDS]
// (a) from selectRegion() until an overlay is exposed on every screen, against showing one
//     plain full-screen window per screen in the same run;
// (b) from the end of a selection to a CapturedScreenImage of 1000 x 600, PNG included,
//     against encoding the same pixels as PNG alone.
#include "capture/ScreenImageCapturer.h"
#include "capture/ScreenRegionSelectionController.h"
#include "capture/ScreenRegionSelectionSession.h"
#include "capture/ScreenRegionSelectionWindow.h"
#include "app/PlatformLoader.h"
#include "platform/DesktopSession.h"
#include "platform/ScreenGrabber.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QScreen>
#include <QTest>
#include <QTextStream>
#include <QWindow>

#include <algorithm>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool allExposed(const std::vector<QWidget *> &windows)
{
    return std::all_of(windows.begin(), windows.end(), [](QWidget *window) {
        return window->windowHandle() && window->windowHandle()->isExposed();
    });
}

double overlayMilliseconds()
{
    QElapsedTimer timer;
    timer.start();
    ScreenRegionSelectionController selection;
    auto future = selection.selectRegion(PlatformLoader::screenGrabber());
    std::vector<QWidget *> windows;
    for (const auto &window : selection.activeSession()->windows())
        windows.push_back(window);
    if (!QTest::qWaitFor([&] { return allExposed(windows); }, 5000))
        qFatal("windows never showed");
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    selection.activeSession()->finish(std::nullopt);
    QTest::qWait(50);
    return elapsed;
}

double plainWindowsMilliseconds()
{
    QElapsedTimer timer;
    timer.start();
    std::vector<QWidget *> windows;
    for (QScreen *screen : QGuiApplication::screens()) {
        auto *window = new QWidget(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        window->setGeometry(screen->geometry());
        window->show();
        windows.push_back(window);
    }
    if (!QTest::qWaitFor([&] { return allExposed(windows); }, 5000))
        qFatal("windows never showed");
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    for (QWidget *window : windows)
        delete window;
    QTest::qWait(50);
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 15;

    std::vector<double> overlay, plain;
    for (int i = 0; i < rounds; ++i) {
        overlay.push_back(overlayMilliseconds());
        plain.push_back(plainWindowsMilliseconds());
    }

    QScreen *screen = QGuiApplication::primaryScreen();
    // As a finished selection hands it over: with the picture taken before the overlay showed.
    const ScreenGrabTarget target = ScreenGrabTarget::of(*screen);
    ScreenRegionSelection selection{screen, QRectF(screen->geometry().topLeft() + QPointF(100, 100), QSizeF(1000, 600)),
                                    PlatformLoader::screenGrabber().grab(target)};
    std::vector<double> capture, encode;
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer timer;
        timer.start();
        auto future = ScreenImageCapturer::capture(selection, PlatformLoader::screenGrabber());
        future.waitForFinished();
        capture.push_back(double(timer.nsecsElapsed()) / 1e6);
        const QImage pixels = future.result().image;
        timer.restart();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        pixels.save(&buffer, "PNG");
        encode.push_back(double(timer.nsecsElapsed()) / 1e6);
    }

    out << "rounds " << rounds << "; medians in ms\n";
    out << QStringLiteral("overlay on every screen   %1   plain windows %2   ratio %3\n")
               .arg(median(overlay), 0, 'f', 1).arg(median(plain), 0, 'f', 1).arg(median(overlay) / median(plain), 0, 'f', 2);
    out << QStringLiteral("capture 1000x600 + PNG    %1   PNG alone     %2   ratio %3\n")
               .arg(median(capture), 0, 'f', 1).arg(median(encode), 0, 'f', 1).arg(median(capture) / median(encode), 0, 'f', 2);
    return 0;
}
