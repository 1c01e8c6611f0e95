// From mouse-up to the clipboard, for both captures, on a real X desktop (run it under
// scripts/with-desktop). Baselines in the same run: recognising the same region alone, and
// writing the same screenshot to the clipboard alone.
//   workflow_bench [ROUNDS]
#include "app/AppController.h"
#include "capture/ScreenImageCapturer.h"
#include "capture/ScreenRegionSelectionController.h"
#include "ocr/OCRProvider.h"
#include "app/PlatformLoader.h"
#include "platform/DesktopSession.h"
#include "platform/ScreenGrabber.h"

#include "CaptureScene.h"
#include "DesktopDriver.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QTextStream>

#include <algorithm>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from the end of the selection (the mouse-up) to the end of the capture run.
double timedRun(AppController &controller, const QByteArray &capture, const QRectF &area)
{
    controller.startCapture(capture);
    ScreenRegionSelectionController &selection = controller.captureWorkflow().selection();
    if (!DesktopDriver::waitForOverlays(selection))
        qFatal("the overlays did not show");
    QProcess driver;
    driver.start("xdotool", DesktopDriver::drag(QGuiApplication::screens().at(0), area));
    if (!QTest::qWaitFor([&] { return selection.activeSession() == nullptr; }, 10000))
        qFatal("the selection did not end");
    QElapsedTimer timer;
    timer.start();
    if (!QTest::qWaitFor([&] { return !controller.isCaptureRunning(); }, 20000))
        qFatal("the capture did not end");
    const double elapsed = double(timer.nsecsElapsed()) / 1e6;
    driver.waitForFinished();
    return elapsed;
}

CapturedScreenImage capturedArea(const QRectF &area)
{
    QScreen *screen = QGuiApplication::screens().at(0);
    auto future = ScreenImageCapturer::capture(ScreenRegionSelection{screen, area, {}}, PlatformLoader::screenGrabber());
    future.waitForFinished();
    return future.result();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int rounds = argc > 1 ? std::max(3, atoi(argv[1])) : 10;

    CaptureScene scene;
    AppController &controller = scene.controller();
    QLabel *text = scene.showText(0, QPoint(100, 100), "Invoice 2024-117 was paid on March 3rd.\nPlease send the receipt to accounting.",
                                  "Noto Sans", 16);
    const QRectF textArea = CaptureScene::areaAround(text);
    const QRectF screenshotArea(QPointF(100, 100), QSizeF(1000, 600));

    // Warm engines first: the target is for a program that has been running.
    timedRun(controller, "capture-text", textArea);
    std::vector<double> textRuns, recognitionAlone, imageRuns, clipboardAlone;
    const CapturedScreenImage textImage = capturedArea(textArea);
    const CapturedScreenImage screenshot = capturedArea(screenshotArea);
    for (int i = 0; i < rounds; ++i) {
        textRuns.push_back(timedRun(controller, "capture-text", textArea));
        QElapsedTimer timer;
        timer.start();
        controller.ocrProvider().recognize(textImage.image.copy(), OCRRequest{controller.settings().preferredLanguageMode}).waitForFinished();
        recognitionAlone.push_back(double(timer.nsecsElapsed()) / 1e6);

        imageRuns.push_back(timedRun(controller, "capture-screenshot", screenshotArea));
        timer.restart();
        ClipboardService().copyImage(screenshot.image, screenshot.pngData);
        clipboardAlone.push_back(double(timer.nsecsElapsed()) / 1e6);
    }

    out << "rounds " << rounds << "; medians in ms, from mouse-up\n";
    out << QStringLiteral("text, two lines       %1   recognition alone %2   ratio %3\n")
               .arg(median(textRuns), 0, 'f', 1).arg(median(recognitionAlone), 0, 'f', 1)
               .arg(median(textRuns) / median(recognitionAlone), 0, 'f', 2);
    out << QStringLiteral("screenshot 1000x600   %1   clipboard alone   %2   ratio %3\n")
               .arg(median(imageRuns), 0, 'f', 1).arg(median(clipboardAlone), 0, 'f', 1)
               .arg(median(imageRuns) / median(clipboardAlone), 0, 'f', 2);
    return 0;
}
