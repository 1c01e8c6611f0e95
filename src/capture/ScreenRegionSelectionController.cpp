#include "capture/ScreenRegionSelectionController.h"

#include "capture/ScreenRegionSelectionSession.h"
#include "capture/ScreenRegionSelectionWindow.h"

#include <QCoreApplication>

#include <QTimer>

namespace {
// After a selection, the windows for the next one are made once the text of this one has
// usually been recognised: not in the way of the result.
constexpr int afterSelectionMs = 250;
} // namespace

ScreenRegionSelectionController::ScreenRegionSelectionController()
{
    prepareWindowsSoon(0);
}

ScreenRegionSelectionController::~ScreenRegionSelectionController()
{
    // A selection still open when the program ends (a quit or a signal during a drag) must not be
    // torn down after the application object: its windows would be deleted into a dead Qt.
    ScreenRegionSelectionSession *session = m_session.release();
    if (!QCoreApplication::instance())
        return; // the process is ending; nothing to close
    // Released first, so that the session's own end finds nothing left to release.
    delete session;
    dismissOverlay();
}

QFuture<std::optional<ScreenRegionSelection>> ScreenRegionSelectionController::selectRegion(ScreenGrabber &grabber,
                                                                                           SelectionOverlayMode overlay)
{
    dismissOverlay();
    m_session = std::make_unique<ScreenRegionSelectionSession>(grabber);
    ScreenRegionSelectionSession *current = m_session.get();
    current->overlay = overlay;
    current->windowFor = [this](QScreen *screen) { return m_pool.take(screen); };
    current->onHoldOverlay = [this](std::vector<QPointer<ScreenRegionSelectionWindow>> windows) {
        m_heldWindows = std::move(windows);
        // Escape on the frozen screen still means stop, while what was selected is worked on.
        for (const QPointer<ScreenRegionSelectionWindow> &window : m_heldWindows) {
            if (window)
                window->onCancel = [this] { onHeldOverlayCancelled(); };
        }
    };
    current->onFinish = [this, current] {
        // Released after the caller has its answer, and not from inside its own call.
        if (m_session.get() == current)
            m_session.release()->deleteLater();
        prepareWindowsSoon(afterSelectionMs);
    };
    QFuture<std::optional<ScreenRegionSelection>> future = current->future();
    current->start();
    return future;
}

void ScreenRegionSelectionController::dismissOverlay()
{
    ScreenRegionSelectionSession::closeWindows(m_heldWindows);
    m_heldWindows.clear();
}

void ScreenRegionSelectionController::prepareWindowsSoon(int delayMs)
{
    QTimer::singleShot(delayMs, &m_context, [this] { m_pool.prepare(); });
}
