#include "app/CaptureWorkflow.h"

#include "app/AppLog.h"

#include "capture/CaptureTiming.h"
#include "capture/CapturedScreenImage.h"
#include "capture/ScreenImageCapturer.h"
#include "codes/CodeNotice.h"
#include "feedback/ClipboardService.h"
#include "feedback/Localization.h"
#include "feedback/ToastPresenter.h"
#include "ocr/OCRProvider.h"
#include "platform/ScreenGrabber.h"
#include "platform/ScreenCaptureError.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBoundaryFinder>

namespace {
// Recognition ends within this, or the user is told so and the clipboard is kept.
constexpr auto recognitionBudget = std::chrono::seconds(10);

// Characters as the user sees them: an emoji of several code points, or CR LF, is one.
qint64 userPerceivedCharacters(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qint64 count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

QString failureMessage(OCRFailureReason reason)
{
    switch (reason) {
    case OCRFailureReason::captureFailed:
        return L::text(LocalizedKey::captureFailed);
    case OCRFailureReason::recognitionFailed:
        return L::text(LocalizedKey::recognitionFailed);
    case OCRFailureReason::timedOut:
        return L::text(LocalizedKey::recognitionTimedOut);
    case OCRFailureReason::none:
    case OCRFailureReason::unexpected:
    case OCRFailureReason::cancelled:
        break;
    }
    return L::text(LocalizedKey::unexpectedError);
}

CaptureWorkflow::Outcome cancelled()
{
    return {L::text(LocalizedKey::captureCancelled)};
}

// The user copied something else while the capture ran: that is kept.
CaptureWorkflow::Outcome clipboardChanged()
{
    const QString message = L::text(LocalizedKey::clipboardChangedMeanwhile);
    return {message, message, ToastStyle::warning, 3.0};
}

// The desktop kept dropping the item: the clipboard still holds what it held.
CaptureWorkflow::Outcome clipboardDropped()
{
    const QString message = L::text(LocalizedKey::captureFailed);
    return {message, message, ToastStyle::error, 2.0};
}
} // namespace

CaptureWorkflow::CaptureWorkflow(ClipboardService &clipboard, OCRProvider &ocr, ScreenGrabber &grabber,
                                 ToastPresenter &toasts, const SessionFacts &session, QObject *parent)
    : QObject(parent)
    , m_clipboard(clipboard)
    , m_ocr(ocr)
    , m_grabber(grabber)
    , m_toasts(toasts)
    , m_overlay{.fullScreen = session.waylandClient, .heldAfterSelection = session.waylandClient, .heldBadge = {}}
{
    m_selection.onHeldOverlayCancelled = [this] { stopRecognition(); };
    // On Wayland a program learns of the clipboard only with the focus, and is told of it again
    // whenever the focus comes back: no change to go by. There the desktop itself refuses a write
    // older than the item it holds, which the clipboard service reports.
    QClipboard *systemClipboard = QGuiApplication::clipboard();
    if (systemClipboard && !session.waylandClient)
        connect(systemClipboard, &QClipboard::dataChanged, this, [this] { ++m_clipboardChanges; });
}

CaptureWorkflow::~CaptureWorkflow()
{
    // A recognition still running at exit stops at its next check, so that the recogniser, which
    // waits for its threads, is not held up by it.
    m_recognition.cancel();
}

void CaptureWorkflow::setCancelKey(std::unique_ptr<CancelKeyService> cancelKey)
{
    m_cancelKey = std::move(cancelKey);
    if (m_cancelKey)
        m_cancelKey->onPressed = [this] { stopRecognition(); };
}

void CaptureWorkflow::startTextCapture()
{
    stopRecognition();
    if (!begin())
        return;
    // Where the overlay would be held, the screen is live again while the text is read.
    SelectionOverlayMode overlay = m_overlay;
    if (overlay.heldAfterSelection)
        overlay.heldBadge = L::text(LocalizedKey::recognizing);
    run(overlay, ScreenImageCapturer::Encoding::none, [this](const CapturedScreenImage &captured) { recognize(captured.image); });
}

void CaptureWorkflow::startImageCapture()
{
    stopRecognition();
    if (!begin())
        return;
    run(m_overlay, ScreenImageCapturer::Encoding::png, [this](const CapturedScreenImage &captured) {
        deliverUnlessChanged([this, captured] { return copyImage(captured); });
    });
}

void CaptureWorkflow::stopRecognition()
{
    if (!m_recognizing)
        return;
    qCInfo(appLog) << "recognition stopped before its end";
    m_recognition.cancel();
    setRecognizing(false);
    ++m_recognitionRun; // its result, when it comes, is no one's
    finish(cancelled());
}

bool CaptureWorkflow::begin()
{
    // Checked and set in one turn of the main thread: two triggers never both start.
    if (m_isRunning)
        return false;
    CaptureTiming::stamp("trigger received");
    setRunning(true);
    m_clipboardChangesAtStart = m_clipboardChanges;
    if (!m_grabber.isAvailable()) {
        finish({.permissionMissing = true});
        return false;
    }
    emit summaryChanged(L::text(LocalizedKey::waitingForSelection));
    return true;
}

void CaptureWorkflow::run(const SelectionOverlayMode &overlay, ScreenImageCapturer::Encoding encoding,
                          std::function<void(const CapturedScreenImage &)> onCaptured)
{
    m_selection.selectRegion(m_grabber, overlay)
        .then(this, [this, encoding, onCaptured](const std::optional<ScreenRegionSelection> &selection) {
            if (!selection) {
                finish(cancelled());
                return;
            }
            ScreenImageCapturer::capture(*selection, m_grabber, encoding)
                .then(this, onCaptured)
                .onFailed(this, [this](const ScreenCaptureException &error) {
                    qCWarning(appLog) << "the selected region could not be captured:" << error.error();
                    finish(cancelled());
                });
        })
        .onFailed(this, [this](const ScreenCaptureException &error) {
            qCWarning(appLog) << "the screens could not be read:" << error.error();
            if (error.error() == ScreenCaptureError::refused)
                finish({.permissionMissing = true});
            else
                finish(cancelled());
        });
}

void CaptureWorkflow::recognize(const QImage &image)
{
    setRecognizing(true);
    m_recognition = RecognitionLimit::within(recognitionBudget);
    const quint64 run = ++m_recognitionRun;
    m_ocr.recognize(image, OCRRequest{languageMode(), m_recognition}).then(this, [this, run](const OCRResult &result) {
        if (run != m_recognitionRun)
            return;
        setRecognizing(false);
        if (result.status == OCRStatus::failed)
            qCInfo(appLog) << "recognition ended without text:" << result.failureReason << "after"
                           << result.durationMilliseconds << "ms";
        if (result.failureReason == OCRFailureReason::cancelled)
            finish(cancelled());
        else
            deliverUnlessChanged([this, result] { return copyText(result); });
    });
}

void CaptureWorkflow::setRecognizing(bool recognizing)
{
    m_recognizing = recognizing;
    if (!m_cancelKey)
        return;
    if (recognizing)
        m_cancelKey->hold();
    else
        m_cancelKey->release();
}

void CaptureWorkflow::deliverUnlessChanged(std::function<Outcome()> write)
{
    if (m_clipboardChanges != m_clipboardChangesAtStart) {
        qCInfo(appLog) << "the clipboard changed during the capture: it is kept";
        finish(clipboardChanged());
    }
    else
        deliver(std::move(write));
}

void CaptureWorkflow::deliver(std::function<Outcome()> write, int tries)
{
    m_clipboard.whenWritable(this, [this, write, tries] {
        const Outcome outcome = write();
        if (outcome.style != ToastStyle::success) {
            finish(outcome);
            return;
        }
        m_clipboard.whenHeld(this, [this, write, tries, outcome](ClipboardService::WriteAnswer answer) {
            if (answer == ClipboardService::WriteAnswer::kept)
                finish(outcome);
            else if (answer == ClipboardService::WriteAnswer::refused)
                finish(clipboardChanged());
            else if (tries > 1)
                deliver(write, tries - 1);
            else {
                qCWarning(appLog) << "the desktop kept dropping the clipboard item: nothing copied";
                finish(clipboardDropped());
            }
        });
    });
}

CaptureWorkflow::Outcome CaptureWorkflow::copyText(const OCRResult &result)
{
    switch (result.status) {
    case OCRStatus::success:
        m_clipboard.copyText(result.text);
        return {L::count(LocalizedKey::copiedCharacterCount, userPerceivedCharacters(result.text)),
                result.codes.isEmpty() ? L::text(LocalizedKey::textCopied) : CodeNotice::copied(result.codes),
                ToastStyle::success, 1.5};
    case OCRStatus::noText:
        m_clipboard.clear();
        return {L::text(LocalizedKey::noTextDetected), L::text(LocalizedKey::noTextDetected), ToastStyle::warning, 2.0};
    case OCRStatus::failed:
        break;
    }
    const QString message = failureMessage(result.failureReason);
    if (result.failureReason == OCRFailureReason::timedOut)
        return {message, message, ToastStyle::warning, 3.0};
    m_clipboard.clear();
    return {message, message, ToastStyle::error, 2.0};
}

CaptureWorkflow::Outcome CaptureWorkflow::copyImage(const CapturedScreenImage &captured)
{
    const ClipboardService::ImageCopy copy = m_clipboard.copyImage(captured.image, captured.pngData);
    if (copy)
        return {L::text(LocalizedKey::screenshotCopied), L::text(LocalizedKey::screenshotCopied), ToastStyle::success,
                1.5};
    const QString message = ClipboardService::failureMessage(copy);
    // Longer when it names a cause the user has to read.
    return {message, message, ToastStyle::error, message == L::text(LocalizedKey::captureFailed) ? 2.0 : 3.0};
}

void CaptureWorkflow::finish(Outcome outcome)
{
    m_selection.dismissOverlay();
    // Still running while the alert waits for its answer: a shortcut pressed meanwhile must not
    // stack a second alert on it.
    if (outcome.permissionMissing)
        outcome = askForPermission();
    setRunning(false);
    if (!outcome.notice.isEmpty())
        m_toasts.showStatus(outcome.notice, outcome.style, outcome.noticeSeconds);
    emit summaryChanged(outcome.summary);
}

CaptureWorkflow::Outcome CaptureWorkflow::askForPermission()
{
    QMessageBox alert;
    alert.setText(L::headline(LocalizedKey::screenRecordingPermissionTitle));
    alert.setInformativeText(L::text(LocalizedKey::screenRecordingPermissionMessage));
    QPushButton *askAgain = alert.addButton(L::text(LocalizedKey::openSystemSettings), QMessageBox::AcceptRole);
    alert.addButton(L::text(LocalizedKey::notNow), QMessageBox::RejectRole);
    alert.setDefaultButton(askAgain);
    alert.exec();

    const QString hint = L::text(LocalizedKey::screenRecordingPermissionHint);
    if (alert.clickedButton() != askAgain)
        return {hint};
    // Where the desktop remembers a refusal, it asks the user again at the next capture.
    m_grabber.forgetRefusal();
    return {hint, hint, ToastStyle::warning, 2.0};
}

void CaptureWorkflow::setRunning(bool running)
{
    if (m_isRunning == running)
        return;
    m_isRunning = running;
    emit runningChanged();
}
