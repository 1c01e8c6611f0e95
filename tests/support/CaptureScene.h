#pragma once

#include "app/AppController.h"
#include "app/CaptureWorkflow.h"

#include <QLabel>
#include <QTemporaryDir>

#include <memory>

class ScreenGrabber;

// A controller with real services in private folders, and windows showing known text for
// the user (xdotool) to select.
class CaptureScene
{
public:
    struct Options {
        std::unique_ptr<OCRProvider> ocrProvider;   // the real recogniser when empty
        QString clipboardFolder;                     // a private folder when empty
        ScreenGrabber *screenGrabber = nullptr;      // the session's when null; its availability is the permission
        QString settingsFile;                        // a private file when empty
    };

    CaptureScene();
    explicit CaptureScene(Options options);
    AppController &controller() { return *m_controller; }
    ScreenRegionSelectionController &selection() { return m_controller->captureWorkflow().selection(); }
    // The title of the notice on the screen; empty when none shows.
    QString visibleToast() const;

    // A borderless window showing text at a place on a screen (logical, screen-local).
    QLabel *showText(int screenIndex, QPoint position, const QString &text, const QString &family, int pixelSize);

    // Runs one capture, dragging over the given global rectangle, and waits until it ends. With
    // keys (xdotool's names), the capture is started by pressing them instead of directly.
    bool captureText(const QRectF &area);
    bool captureImage(const QRectF &area, const QString &keys = {});
    // Starts a capture the same way and presses Escape on its overlay.
    bool cancelCapture(const QString &keys = {});

    static QRectF areaAround(const QWidget *window, int margin = 6);

private:
    bool run(const QByteArray &capture, const QString &keys, const QStringList &actions);

    QTemporaryDir m_folder;
    std::unique_ptr<AppController> m_controller;
    std::vector<std::unique_ptr<QLabel>> m_windows;
};
