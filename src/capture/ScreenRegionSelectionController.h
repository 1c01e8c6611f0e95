#pragma once

#include "capture/ScreenRegionSelection.h"
#include "capture/SelectionOverlayMode.h"
#include "capture/ScreenRegionSelectionWindowPool.h"

#include <QFuture>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ScreenGrabber;
class ScreenRegionSelectionSession;
class ScreenRegionSelectionWindow;

// Lets the user drag a rectangle on any screen, one selection at a time. Main thread only.
// Between selections it keeps hidden overlay windows ready, so that a trigger costs no window
// creation.
class ScreenRegionSelectionController
{
public:
    ScreenRegionSelectionController();
    ~ScreenRegionSelectionController();
    ScreenRegionSelectionController(const ScreenRegionSelectionController &) = delete;
    ScreenRegionSelectionController &operator=(const ScreenRegionSelectionController &) = delete;

    // Resolves with the selection, or none when the user cancelled; fails with the grabber's
    // error when the screens cannot be read. A held overlay stays up after a selection until
    // dismissOverlay(). A selection still running is replaced.
    QFuture<std::optional<ScreenRegionSelection>> selectRegion(ScreenGrabber &grabber, SelectionOverlayMode overlay = {});
    void dismissOverlay();
    // Escape pressed on an overlay held after its selection.
    std::function<void()> onHeldOverlayCancelled = [] {};

    ScreenRegionSelectionSession *activeSession() const { return m_session.get(); }
    const ScreenRegionSelectionWindowPool &readyWindows() const { return m_pool; }

private:
    // From the event loop: never inside a selection's own end or a caller's turn.
    void prepareWindowsSoon(int delayMs);

    ScreenRegionSelectionWindowPool m_pool;
    // Owns the timers above; gone with the controller.
    QObject m_context;
    std::unique_ptr<ScreenRegionSelectionSession> m_session;
    std::vector<QPointer<ScreenRegionSelectionWindow>> m_heldWindows;
};
