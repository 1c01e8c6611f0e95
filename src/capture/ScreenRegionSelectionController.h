#pragma once

#include "capture/ScreenRegionSelection.h"

#include <QFuture>
#include <QPointer>

#include <memory>
#include <optional>
#include <vector>

class ScreenGrabber;
class ScreenRegionSelectionSession;
class ScreenRegionSelectionWindow;

// Lets the user drag a rectangle on any screen, one selection at a time. Main thread only.
class ScreenRegionSelectionController
{
public:
    ScreenRegionSelectionController();
    ~ScreenRegionSelectionController();
    ScreenRegionSelectionController(const ScreenRegionSelectionController &) = delete;
    ScreenRegionSelectionController &operator=(const ScreenRegionSelectionController &) = delete;

    // Resolves with the selection, or none when the user cancelled; fails with the grabber's
    // error when the screens cannot be read. With `holdOverlay`, the overlay stays up after a
    // selection until dismissOverlay(). A selection still running is replaced.
    QFuture<std::optional<ScreenRegionSelection>> selectRegion(ScreenGrabber &grabber, bool holdOverlay = false);
    void dismissOverlay();

    ScreenRegionSelectionSession *activeSession() const { return m_session.get(); }

private:
    std::unique_ptr<ScreenRegionSelectionSession> m_session;
    std::vector<QPointer<ScreenRegionSelectionWindow>> m_heldWindows;
};
