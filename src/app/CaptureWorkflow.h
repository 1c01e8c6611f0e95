#pragma once

#include "capture/ScreenImageCapturer.h"
#include "capture/ScreenRegionSelectionController.h"
#include "feedback/ToastStyle.h"
#include "ocr/PreferredLanguageMode.h"
#include "ocr/RecognitionLimit.h"
#include "platform/CancelKeyService.h"
#include "platform/SessionFacts.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class ClipboardService;
class OCRProvider;
class QImage;
class ScreenGrabber;
class ToastPresenter;
struct CapturedScreenImage;
struct OCRResult;

// One capture at a time, from the selection overlay to the clipboard. Main thread only.
class CaptureWorkflow : public QObject
{
    Q_OBJECT

public:
    // How a capture ended, as the user is told.
    struct Outcome {
        QString summary = {}; // the status line
        QString notice = {};  // the toast; none when empty
        ToastStyle style = ToastStyle::info;
        double noticeSeconds = 0;
        // The screen cannot be read: the alert explains, and its answer decides the rest.
        bool permissionMissing = false;
    };

    CaptureWorkflow(ClipboardService &clipboard, OCRProvider &ocr, ScreenGrabber &grabber, ToastPresenter &toasts,
                    const SessionFacts &session, QObject *parent = nullptr);
    ~CaptureWorkflow() override;

    // Read when recognition starts: a mode changed while the user was selecting applies.
    std::function<PreferredLanguageMode()> languageMode = [] { return PreferredLanguageMode::automatic; };

    // Where nothing of ours is on screen while the text is read, Escape still stops it through this.
    void setCancelKey(std::unique_ptr<CancelKeyService> cancelKey);

    bool isRunning() const { return m_isRunning; }
    ScreenRegionSelectionController &selection() { return m_selection; }

    // Each does nothing while a capture runs, but for its recognition, which a new capture stops.
    void startTextCapture();
    void startImageCapture();
    // Stops a running recognition: the capture ends as cancelled and the clipboard is kept.
    void stopRecognition();

signals:
    void runningChanged();
    void summaryChanged(const QString &summary);

private:
    bool begin();
    void run(const SelectionOverlayMode &overlay, ScreenImageCapturer::Encoding encoding,
             std::function<void(const CapturedScreenImage &)> onCaptured);
    void recognize(const QImage &image);
    void setRecognizing(bool recognizing);
    // Runs write when the clipboard takes writes and ends the run with its outcome once the
    // desktop holds the item; writes again when the desktop dropped it, up to tries times.
    void deliver(std::function<Outcome()> write, int tries = 3);
    // The same, unless the user copied something else since the capture began: that stays.
    void deliverUnlessChanged(std::function<Outcome()> write);
    Outcome copyText(const OCRResult &result);
    Outcome copyImage(const CapturedScreenImage &captured);
    // Every end goes through here: overlay, permission alert, running flag, notice and status line,
    // in this order.
    void finish(Outcome outcome);
    Outcome askForPermission();
    void setRunning(bool running);

    ClipboardService &m_clipboard;
    OCRProvider &m_ocr;
    ScreenGrabber &m_grabber;
    ToastPresenter &m_toasts;
    ScreenRegionSelectionController m_selection;
    // On Wayland the overlay is full-screen and held until the clipboard has the result.
    const SelectionOverlayMode m_overlay;
    bool m_isRunning = false;
    bool m_recognizing = false;
    RecognitionLimit m_recognition;
    std::unique_ptr<CancelKeyService> m_cancelKey;
    quint64 m_recognitionRun = 0;
    quint64 m_clipboardChanges = 0;
    quint64 m_clipboardChangesAtStart = 0;
};
