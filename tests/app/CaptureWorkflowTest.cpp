// Both capture workflows end to end, as a user runs them: text on the screen, a drag with
// the mouse, and what another program then pastes from the clipboard.
#include "app/AppController.h"
#include "capture/ScreenRegionSelectionController.h"
#include "capture/ScreenRegionSelectionSession.h"
#include "feedback/ToastPresenter.h"
#include "feedback/ToastView.h"
#include "app/PlatformLoader.h"
#include "platform/DesktopSession.h"
#include "platform/ScreenGrabber.h"
#include "platform/wayland/PortalRequest.h"

#include "CaptureScene.h"
#include "DesktopDriver.h"
#include "X11Clipboard.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPromise>
#include <QPushButton>
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

class BlankGrabber : public ScreenGrabber
{
public:
    bool isAvailable() const override { return true; }
    QImage grab(const ScreenGrabTarget &) override { return {}; }
};

// A desktop portal that answers a while later, with a refusal.
class RefusingPortal : public ScreenGrabber
{
public:
    bool isAvailable() const override { return true; }
    QImage grab(const ScreenGrabTarget &) override { return {}; }
    QFuture<QList<QImage>> grabScreens(const QList<ScreenGrabTarget> &) override
    {
        auto promise = std::make_shared<QPromise<QList<QImage>>>();
        promise->start();
        QTimer::singleShot(200, [promise] {
            promise->setException(PortalRequestError({PortalResponse::Code::cancelled, {}, {}}));
            promise->finish();
        });
        return promise->future();
    }
};

// The session's pictures, handed over late, as desktop portals do.
class LateGrabber : public QObject, public ScreenGrabber
{
    Q_OBJECT

public:
    bool delivered = false;
    bool isAvailable() const override { return true; }
    QImage grab(const ScreenGrabTarget &) override { return {}; }
    QFuture<QList<QImage>> grabScreens(const QList<ScreenGrabTarget> &screens) override
    {
        const QList<QImage> pictures = PlatformLoader::screenGrabber().grabScreens(screens).result();
        auto promise = std::make_shared<QPromise<QList<QImage>>>();
        promise->start();
        QTimer::singleShot(300, this, [this, promise, pictures] {
            emit delivering();
            delivered = true;
            promise->addResult(pictures);
            promise->finish();
        });
        return promise->future();
    }

signals:
    void delivering();
};

// A session that lets no program read the screen.
class Unavailable : public ScreenGrabber
{
public:
    bool isAvailable() const override { return false; }
    QImage grab(const ScreenGrabTarget &) override { return {}; }
};

QString toastTitle(AppController &controller)
{
    ToastView *toast = controller.toastPresenter().window();
    return toast && toast->isVisible() ? toast->title() : QString();
}

} // namespace

class CaptureWorkflowTest : public QObject
{
    Q_OBJECT

private slots:
    void textOnTheScreenIsPastedExactly_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("family");
        QTest::newRow("english on LEFT") << 0 << "Invoice 2024-117 was paid on March 3rd." << "Noto Sans";
        QTest::newRow("chinese on RIGHT") << 1 << "请把这份文件发送给项目经理审核。" << "Noto Sans CJK SC";
    }

    void textOnTheScreenIsPastedExactly()
    {
        QFETCH(int, screen);
        QFETCH(QString, text);
        QFETCH(QString, family);
        CaptureScene scene;
        QLabel *window = scene.showText(screen, QPoint(150, 200), text, family, 20);
        QVERIFY(scene.captureText(CaptureScene::areaAround(window)));
        QCOMPARE(QString::fromUtf8(X11Clipboard::read("UTF8_STRING").data), text);
        QCOMPARE(scene.controller().lastResultSummary(), QStringLiteral("Copied %1 characters").arg(text.size()));
        QCOMPARE(toastTitle(scene.controller()), QStringLiteral("Text copied, ready to paste"));
    }

    void noOverlayMapsBeforeALatePictureArrives()
    {
        LateGrabber late;
        CaptureScene::Options options;
        options.screenGrabber = &late;
        CaptureScene scene(std::move(options));
        const QString text = QStringLiteral("Selected after the picture came");
        QLabel *window = scene.showText(0, QPoint(150, 200), text, QStringLiteral("Noto Sans"), 20);
        // An overlay mapped while the portal takes its picture would be in it (as black, on
        // compositors that draw nothing beneath a full-screen window).
        bool mappedEarly = false;
        QObject::connect(&late, &LateGrabber::delivering, [&] {
            ScreenRegionSelectionSession *session = scene.selection().activeSession();
            mappedEarly = !session || !session->windows().empty();
        });
        QVERIFY(scene.captureText(CaptureScene::areaAround(window)));
        QVERIFY(late.delivered);
        QVERIFY(!mappedEarly);
        QCOMPARE(QString::fromUtf8(X11Clipboard::read().data), text);
    }

    void screenshotIsPastedAsImageAndFile()
    {
        CaptureScene scene;
        QLabel *window = scene.showText(0, QPoint(300, 400), "Screenshot me", "Noto Sans", 24);
        const QRectF area = CaptureScene::areaAround(window, 4);
        QVERIFY(scene.captureImage(area));
        QCOMPARE(scene.controller().lastResultSummary(), QStringLiteral("Screenshot copied, ready for AI chat or terminal"));
        const QImage pasted = QImage::fromData(X11Clipboard::read("image/png").data, "PNG");
        QCOMPARE(pasted.size(), area.size().toSize());
        const QImage expected = window->grab().toImage().copy(4, 4, pasted.width(), pasted.height());
        QCOMPARE(pasted.convertToFormat(QImage::Format_RGB32), expected.convertToFormat(QImage::Format_RGB32));
        QVERIFY(QFile::exists(QString::fromUtf8(X11Clipboard::read("text/plain").data)));
    }

    void escapeKeepsTheClipboardAndASecondTriggerDoesNothing()
    {
        CaptureScene scene;
        ClipboardService().copyText("what the user had");
        QVERIFY(scene.cancelCapture());
        QCOMPARE(scene.controller().lastResultSummary(), QStringLiteral("Capture cancelled"));
        QCOMPARE(X11Clipboard::read().data, QByteArray("what the user had"));
        QCOMPARE(toastTitle(scene.controller()), QString());

        scene.controller().startCapture();
        QVERIFY(scene.controller().isCaptureRunning());
        ScreenRegionSelectionSession *session = scene.selection().activeSession();
        scene.controller().startImageCapture();
        scene.controller().startCapture();
        QCOMPARE(scene.selection().activeSession(), session);
        QCOMPARE(scene.controller().lastResultSummary(), QStringLiteral("Waiting for selection..."));
        DesktopDriver::xdotool({"key", "Escape"});
        QTRY_VERIFY(!scene.controller().isCaptureRunning());
    }

    void regionWithoutTextEmptiesTheClipboardWithAWarning()
    {
        CaptureScene scene;
        QLabel *blank = scene.showText(0, QPoint(700, 300), "                    ", "Noto Sans", 30);
        ClipboardService().copyText("old");
        QVERIFY(scene.captureText(CaptureScene::areaAround(blank)));
        QCOMPARE(scene.controller().lastResultSummary(), QStringLiteral("No text detected"));
        QCOMPARE(toastTitle(scene.controller()), QStringLiteral("No text detected"));
        QVERIFY(X11Clipboard::read().data.isEmpty());
    }

    void failuresAreReported()
    {
        CaptureScene::Options failing;
        failing.ocrProvider = std::make_unique<FailingRecognizer>();
        CaptureScene recognition(std::move(failing));
        ClipboardService().copyText("old");
        QVERIFY(recognition.captureText(QRectF(100, 100, 200, 80)));
        QCOMPARE(recognition.controller().lastResultSummary(), QStringLiteral("Recognition failed. Try again."));
        QCOMPARE(toastTitle(recognition.controller()), QStringLiteral("Recognition failed. Try again."));
        QVERIFY(X11Clipboard::read().data.isEmpty());

        BlankGrabber blank;
        CaptureScene::Options unreadable;
        unreadable.screenGrabber = &blank;
        CaptureScene capture(std::move(unreadable));
        QVERIFY(capture.captureImage(QRectF(100, 100, 200, 80)));
        QCOMPARE(capture.controller().lastResultSummary(), QStringLiteral("Capture cancelled"));

        QTemporaryDir folder;
        QFile blocker(folder.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        CaptureScene::Options unwritable;
        const QString imageFolder = blocker.fileName() + "/TessarinClipboard";
        unwritable.clipboardFolder = imageFolder;
        CaptureScene write(std::move(unwritable));
        QVERIFY(write.captureImage(QRectF(100, 100, 200, 80)));
        // The cause, with the folder the user has to look at.
        const QString cause = "Capture failed: cannot write to " + imageFolder;
        QCOMPARE(write.controller().lastResultSummary(), cause);
        QCOMPARE(toastTitle(write.controller()), cause);
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
        RefusingPortal portal;
        Unavailable unavailable;
        CaptureScene::Options refused;
        refused.screenGrabber = portalRefuses ? static_cast<ScreenGrabber *>(&portal) : &unavailable;
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
            scene.controller().startCapture();
            QVERIFY(scene.controller().isCaptureRunning());
            QCOMPARE(scene.selection().activeSession(), session);
            for (QAbstractButton *button : alert->buttons()) {
                if (button->text() == QLatin1String("Not Now"))
                    button->click();
            }
        });
        answer.start();
        scene.controller().startCapture();
        // The portal's answer ends the (still invisible) overlays before the alert.
        QTRY_VERIFY(!scene.controller().isCaptureRunning());
        QTRY_COMPARE(scene.selection().activeSession(), nullptr);
        QTRY_VERIFY(std::none_of(QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
                                 [](QWidget *w) { return w->isVisible() && w->windowTitle() == "Tessarin selection"; }));
        QCOMPARE(X11Clipboard::read().data, QByteArray("kept"));
        QTRY_COMPARE(scene.controller().lastResultSummary(),
                     QStringLiteral("Capture again and allow screenshots when your desktop asks. No restart is needed."));
        QCOMPARE(toastTitle(scene.controller()), QString());
        QTRY_COMPARE(buttons.size(), 2);
    }
};

QTEST_MAIN(CaptureWorkflowTest)
#include "CaptureWorkflowTest.moc"
