#include "capture/ScreenRegionSelectionController.h"

#include "capture/ScreenRegionSelectionSession.h"
#include "platform/DesktopSession.h"

#include <memory>

namespace {
std::unique_ptr<ScreenRegionSelectionSession> &session()
{
    static std::unique_ptr<ScreenRegionSelectionSession> active;
    return active;
}
} // namespace

QFuture<std::optional<ScreenRegionSelection>> ScreenRegionSelectionController::selectRegion()
{
    return selectRegion(DesktopSession::screenGrabber());
}

QFuture<std::optional<ScreenRegionSelection>> ScreenRegionSelectionController::selectRegion(ScreenGrabber &grabber)
{
    session() = std::make_unique<ScreenRegionSelectionSession>(grabber);
    ScreenRegionSelectionSession *current = session().get();
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
