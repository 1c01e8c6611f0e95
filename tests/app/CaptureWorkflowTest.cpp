// The capture workflow's other ends, as a user meets them on a real desktop: a late picture,
// Escape, a region without text, failures and a refused permission, with what another program
// then pastes from the clipboard. The successful captures are the acceptance test's.
#include "capture/ScreenRegionSelectionController.h"
#include "capture/ScreenRegionSelectionSession.h"
#include "feedback/Localization.h"

#include "CaptureScene.h"
#include "DesktopDriver.h"
#include "ScriptedGrabber.h"
#include "TestFiles.h"
#include "X11Clipboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QPromise>
#include <QPushButton>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

class FailingRecognizer : public OCRProvider
{
public:
    QFuture<OCRResult> recognize(const QImage &, const OCRRequest &) override
    {
        OCRResult result;
        result.status = OCRStatus::failed;
        result.failureReason = OCRFailureReason::recognitionFailed;
        return QtFuture::makeReadyFuture(result);
    }
};

// Answers when the test says so: recognition still running is what the cases need.
class HeldRecognizer : public OCRProvider
{
public:
    QFuture<OCRResult> recognize(const QImage &, const OCRRequest &request) override
    {
        requests.push_back(request);
        promises.push_back(std::make_unique<QPromise<OCRResult>>());
        promises.back()->start();
        return promises.back()->future();
    }
    void answer(size_t index, const OCRResult &result)
    {
        promises.at(index)->addResult(result);
        promises.at(index)->finish();
    }
    std::vector<OCRRequest> requests;
    std::vector<std::unique_ptr<QPromise<OCRResult>>> promises;
};

OCRResult textResult(const QString &text)
{
    OCRResult result;
    result.text = text;
    result.status = OCRStatus::success;
    return result;
}

// Starts a text capture and drags over the area; true once recognition has been asked for.
bool dragUntilRecognizing(CaptureScene &scene, const HeldRecognizer &recognizer, size_t requestsBefore)
{
    scene.controller().startCapture("capture-text");
    if (!DesktopDriver::waitForOverlays(scene.selection()))
        return false;
    const QRectF area(100, 100, 200, 80);
    QProcess driver;
    driver.start("xdotool", DesktopDriver::drag(QGuiApplication::screenAt(area.center().toPoint()), area));
    const bool asked = QTest::qWaitFor([&] { return recognizer.requests.size() > requestsBefore; }, 10000);
    driver.waitForFinished();
    return asked;
}

// Another program takes the clipboard, as a user's copy in an editor does; it holds it until
// someone else takes it or the test ends.
class OtherProgramsCopy
{
public:
    bool copy(const QByteArray &text)
    {
        m_xclip.start("xclip", {"-quiet", "-selection", "clipboard", "-i"});
        if (!m_xclip.waitForStarted())
            return false;
        m_xclip.write(text);
        m_xclip.closeWriteChannel();
        return QTest::qWaitFor([&] { return X11Clipboard::read().data == text; }, 5000);
    }
    ~OtherProgramsCopy()
    {
        m_xclip.kill();
        m_xclip.waitForFinished();
    }

private:
    QProcess m_xclip;
};

} // namespace

class CaptureWorkflowTest : public QObject
{
    Q_OBJECT

private slots:
    void noOverlayMapsBeforeALatePictureArrives()
    {
        ScriptedGrabber late;
        late.answerAfterMs = 300;
        CaptureScene::Options options;
        options.screenGrabber = &late;
        CaptureScene scene(std::move(options));
        const QString text = QStringLiteral("Selected after the picture came");
        QLabel *window = scene.showText(0, QPoint(150, 200), text, QStringLiteral("Noto Sans"), 20);
        // An overlay mapped while the portal takes its picture would be in it (as black, on
        // compositors that draw nothing beneath a full-screen window).
        std::optional<bool> mappedEarly;
        late.beforeAnswer = [&] {
            ScreenRegionSelectionSession *session = scene.selection().activeSession();
            mappedEarly = !session || !session->windows().empty();
        };
        QVERIFY(scene.captureText(CaptureScene::areaAround(window)));
        QCOMPARE(mappedEarly, std::optional(false));
        QCOMPARE(QString::fromUtf8(X11Clipboard::read().data), text);
    }

    void escapeCancelsQuietlyAndASecondTriggerDoesNothing()
    {
        CaptureScene scene;
        QVERIFY(scene.cancelCapture());
        QCOMPARE(scene.controller().lastResultSummary(), L::text(LocalizedKey::captureCancelled));
        QCOMPARE(scene.visibleToast(), QString());

        scene.controller().startCapture("capture-text");
        QVERIFY(scene.controller().isCaptureRunning());
        ScreenRegionSelectionSession *session = scene.selection().activeSession();
        scene.controller().startCapture("capture-screenshot");
        scene.controller().startCapture("capture-text");
        QCOMPARE(scene.selection().activeSession(), session);
        QCOMPARE(scene.controller().lastResultSummary(), L::text(LocalizedKey::waitingForSelection));
        DesktopDriver::xdotool({"key", "Escape"});
        QTRY_VERIFY(!scene.controller().isCaptureRunning());
    }

    void regionWithoutTextEmptiesTheClipboardWithAWarning()
    {
        CaptureScene scene;
        QLabel *blank = scene.showText(0, QPoint(700, 300), "                    ", "Noto Sans", 30);
        // Copied in another program, and seen here before the capture: no copy made meanwhile.
        QSignalSpy seen(QGuiApplication::clipboard(), &QClipboard::dataChanged);
        OtherProgramsCopy editor;
        QVERIFY(editor.copy("old"));
        QTRY_VERIFY(!seen.isEmpty());
        QVERIFY(scene.captureText(CaptureScene::areaAround(blank)));
        QCOMPARE(scene.controller().lastResultSummary(), L::text(LocalizedKey::noTextDetected));
        QCOMPARE(scene.visibleToast(), L::text(LocalizedKey::noTextDetected));
        QVERIFY(X11Clipboard::read().data.isEmpty());
    }

    void failuresAreReported()
    {
        CaptureScene::Options failing;
        failing.ocrProvider = std::make_unique<FailingRecognizer>();
        CaptureScene recognition(std::move(failing));
        ClipboardService().copyText("old");
        QVERIFY(recognition.captureText(QRectF(100, 100, 200, 80)));
        QCOMPARE(recognition.controller().lastResultSummary(), L::text(LocalizedKey::recognitionFailed));
        QCOMPARE(recognition.visibleToast(), L::text(LocalizedKey::recognitionFailed));
        QVERIFY(X11Clipboard::read().data.isEmpty());

        ScriptedGrabber blank;
        blank.blank = true;
        CaptureScene::Options unreadable;
        unreadable.screenGrabber = &blank;
        CaptureScene capture(std::move(unreadable));
        QVERIFY(capture.captureImage(QRectF(100, 100, 200, 80)));
        QCOMPARE(capture.controller().lastResultSummary(), L::text(LocalizedKey::captureCancelled));

        QTemporaryDir folder;
        QVERIFY(writeFile(folder.filePath("file"), {}));
        CaptureScene::Options unwritable;
        const QString imageFolder = folder.filePath("file/TessarinClipboard");
        unwritable.clipboardFolder = imageFolder;
        CaptureScene write(std::move(unwritable));
        QVERIFY(write.captureImage(QRectF(100, 100, 200, 80)));
        // The cause, with the file the user has to look at.
        const QString cause = "Capture failed: " + folder.filePath("file") + " is a file, not a folder";
        QCOMPARE(write.controller().lastResultSummary(), cause);
        QCOMPARE(write.visibleToast(), cause);
    }

    // What the user does while the text is read wins over the result: a copy made meanwhile
    // is kept, a new capture or Escape stops the old one, and recognition that runs out of time
    // says so.
    void aLateResultNeverOverwritesTheUser()
    {
        auto held = std::make_unique<HeldRecognizer>();
        HeldRecognizer &recognizer = *held;
        CaptureScene::Options options;
        options.ocrProvider = std::move(held);
        CaptureScene scene(std::move(options));

        ClipboardService().copyText("before");
        QVERIFY(dragUntilRecognizing(scene, recognizer, 0));
        QVERIFY(recognizer.requests[0].limit.deadline != std::chrono::steady_clock::time_point::max());
        OtherProgramsCopy editor;
        QVERIFY(editor.copy("copied meanwhile"));
        recognizer.answer(0, textResult("late result"));
        QTRY_VERIFY(!scene.controller().isCaptureRunning());
        QCOMPARE(X11Clipboard::read().data, QByteArray("copied meanwhile"));
        QCOMPARE(scene.visibleToast(), L::text(LocalizedKey::clipboardChangedMeanwhile));

        QVERIFY(dragUntilRecognizing(scene, recognizer, 1));
        scene.controller().startCapture("capture-text");
        QVERIFY(recognizer.requests[1].limit.reached() == RecognitionLimit::Reached::cancelled);
        QVERIFY(DesktopDriver::waitForOverlays(scene.selection()));
        recognizer.answer(1, textResult("stopped result"));
        DesktopDriver::xdotool({"key", "Escape"});
        QTRY_VERIFY(!scene.controller().isCaptureRunning());
        QCOMPARE(X11Clipboard::read().data, QByteArray("copied meanwhile"));

        // Nothing of ours is on screen while the text is read, and Escape still stops it.
        QVERIFY(dragUntilRecognizing(scene, recognizer, 2));
        DesktopDriver::xdotool({"key", "Escape"});
        QTRY_VERIFY(!scene.controller().isCaptureRunning());
        QVERIFY(recognizer.requests[2].limit.reached() == RecognitionLimit::Reached::cancelled);
        QCOMPARE(scene.controller().lastResultSummary(), L::text(LocalizedKey::captureCancelled));
        recognizer.answer(2, textResult("escaped result"));
        QCOMPARE(X11Clipboard::read().data, QByteArray("copied meanwhile"));

        QVERIFY(dragUntilRecognizing(scene, recognizer, 3));
        OCRResult late;
        late.status = OCRStatus::failed;
        late.failureReason = OCRFailureReason::timedOut;
        recognizer.answer(3, late);
        QTRY_VERIFY(!scene.controller().isCaptureRunning());
        QCOMPARE(X11Clipboard::read().data, QByteArray("copied meanwhile"));
        QCOMPARE(scene.visibleToast(), L::text(LocalizedKey::recognitionTimedOut));
    }

    void missingPermissionExplainsAndCapturesNothing_data()
    {
        QTest::addColumn<bool>("portalRefuses");
        QTest::newRow("permission missing before the capture") << false;
        QTest::newRow("the screenshot portal refuses") << true;
    }
    void missingPermissionExplainsAndCapturesNothing()
    {
        QFETCH(bool, portalRefuses);
        ScriptedGrabber grabber;
        grabber.available = portalRefuses;
        grabber.refuses = portalRefuses;
        grabber.answerAfterMs = portalRefuses ? 200 : -1;
        CaptureScene::Options refused;
        refused.screenGrabber = &grabber;
        CaptureScene scene(std::move(refused));
        ClipboardService().copyText("kept");
        QStringList buttons;
        // The alert is modal: answered from a timer that waits for it.
        QTimer answer;
        answer.setInterval(50);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto *alert = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!alert)
                return;
            answer.stop();
            QCOMPARE(alert->text(), QStringLiteral("<b>Screenshot Permission Required</b>"));
            for (QAbstractButton *button : alert->buttons())
                buttons << button->text();
            QCOMPARE(alert->defaultButton()->text(), QStringLiteral("Ask Again"));
            // The shortcut pressed again while the alert waits starts nothing, and no second alert.
            const auto *session = scene.selection().activeSession();
            scene.controller().startCapture("capture-text");
            QVERIFY(scene.controller().isCaptureRunning());
            QCOMPARE(scene.selection().activeSession(), session);
            for (QAbstractButton *button : alert->buttons()) {
                if (button->text() == QLatin1String("Not Now"))
                    button->click();
            }
        });
        answer.start();
        scene.controller().startCapture("capture-text");
        // The portal's answer ends the (still invisible) overlays before the alert.
        QTRY_VERIFY(!scene.controller().isCaptureRunning());
        QTRY_COMPARE(scene.selection().activeSession(), nullptr);
        QTRY_VERIFY([] {
            // One list: two calls would give two lists, and iterators of both.
            const QWidgetList windows = QApplication::topLevelWidgets();
            return std::none_of(windows.cbegin(), windows.cend(), [](QWidget *w) {
                return w->isVisible() && w->windowTitle() == "Tessarin selection";
            });
        }());
        QCOMPARE(X11Clipboard::read().data, QByteArray("kept"));
        QTRY_COMPARE(scene.controller().lastResultSummary(),
                     QStringLiteral("Capture again and allow screenshots when your desktop asks. No restart is needed."));
        QCOMPARE(scene.visibleToast(), QString());
        QTRY_COMPARE(buttons.size(), 2);
    }
};

QTEST_MAIN(CaptureWorkflowTest)
#include "CaptureWorkflowTest.moc"
