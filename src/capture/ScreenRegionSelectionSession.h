#pragma once

#include "capture/ScreenRegionSelection.h"
#include "capture/SelectionOverlayMode.h"

#include <QFuture>
#include <QObject>
#include <QPointer>
#include <QPromise>

#include <functional>
#include <optional>
#include <thread>
#include <vector>

class QException;
class QScreen;
class ScreenGrabber;
class ScreenRegionSelectionWindow;

// One selection run: an overlay on every screen until exactly one end arrives.
class ScreenRegionSelectionSession : public QObject
{
    Q_OBJECT

public:
    explicit ScreenRegionSelectionSession(ScreenGrabber &grabber);
    ~ScreenRegionSelectionSession() override;

    QFuture<std::optional<ScreenRegionSelection>> future() { return m_promise.future(); }
    std::function<void()> onFinish = [] {};
    SelectionOverlayMode overlay;
    // A held overlay is handed here after the selection, to be closed once the work on it is done.
    std::function<void(std::vector<QPointer<ScreenRegionSelectionWindow>>)> onHoldOverlay = closeWindows;
    // Where the overlay windows come from; the session owns them once it has them.
    std::function<ScreenRegionSelectionWindow *(QScreen *)> windowFor = newWindow;

    void start();
    // Ends the run; every request after the first is ignored.
    void finish(const std::optional<ScreenRegionSelection> &selection);

    const std::vector<QPointer<ScreenRegionSelectionWindow>> &windows() const { return m_windows; }

    static void closeWindows(const std::vector<QPointer<ScreenRegionSelectionWindow>> &windows);
    static ScreenRegionSelectionWindow *newWindow(QScreen *screen);

private:
    void showOverlays(const QList<QPointer<QScreen>> &screens, QList<QImage> images);
    // Fills the drawing memory of the prepared windows on another thread.
    void warmUpBuffers();
    // The prepared windows that were not shown go; the warming thread ends first.
    void dropPrepared();
    // The screens could not be read: the caller gets the service's error.
    void fail(const QException &error);

    ScreenGrabber &m_grabber;
    QPromise<std::optional<ScreenRegionSelection>> m_promise;
    std::vector<QPointer<ScreenRegionSelectionWindow>> m_windows;
    // One per screen, taken before the picture, not shown yet.
    std::vector<QPointer<ScreenRegionSelectionWindow>> m_prepared;
    std::thread m_warming;
    bool m_didFinish = false;
};
