#include "capture/ScreenRegionSelectionController.h"

#include "capture/ScreenRegionSelectionSession.h"
#include "capture/ScreenRegionSelectionWindow.h"

#include <QCoreApplication>
#include <QPointer>

#include <memory>
#include <vector>

namespace {
// A selection still open when the program ends (a quit or a signal during a drag) must not be
// torn down after the application object: its windows would be deleted into a dead Qt.
struct ActiveSession {
    std::unique_ptr<ScreenRegionSelectionSession> session;
    ~ActiveSession()
    {
        if (!QCoreApplication::instance())
            static_cast<void>(session.release()); // the process is ending; nothing to close
    }
};

std::unique_ptr<ScreenRegionSelectionSession> &session()
{
    static ActiveSession active;
    return active.session;
}

std::vector<QPointer<ScreenRegionSelectionWindow>> &heldWindows()
{
    static std::vector<QPointer<ScreenRegionSelectionWindow>> windows;
    return windows;
}
} // namespace

QFuture<std::optional<ScreenRegionSelection>> ScreenRegionSelectionController::selectRegion(ScreenGrabber &grabber,
                                                                                           bool holdOverlay)
{
    dismissOverlay();
    session() = std::make_unique<ScreenRegionSelectionSession>(grabber);
    ScreenRegionSelectionSession *current = session().get();
    current->holdsOverlayAfterSelection = holdOverlay;
    current->onHoldOverlay = [](std::vector<QPointer<ScreenRegionSelectionWindow>> windows) {
        heldWindows() = std::move(windows);
    };
    current->onFinish = [current] {
        // Released after the caller has its answer, and not from inside its own call.
        if (session().get() == current)
            session().release()->deleteLater();
    };
    QFuture<std::optional<ScreenRegionSelection>> future = current->future();
    current->start();
    return future;
}

ScreenRegionSelectionSession *ScreenRegionSelectionController::activeSession()
{
    return session().get();
}

void ScreenRegionSelectionController::dismissOverlay()
{
    ScreenRegionSelectionSession::closeWindows(heldWindows());
    heldWindows().clear();
}
