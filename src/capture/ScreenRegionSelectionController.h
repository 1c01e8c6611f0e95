#pragma once

#include "capture/ScreenRegionSelection.h"

#include <QFuture>

#include <optional>

class ScreenGrabber;
class ScreenRegionSelectionSession;

// Lets the user drag a rectangle on any screen. Main thread only.
class ScreenRegionSelectionController
{
public:
    // Resolves with the selection, or none when the user cancelled; fails with the grabber's
    // error when the screens cannot be read. With `holdOverlay`, the overlay stays up after a
    // selection until dismissOverlay().
    static QFuture<std::optional<ScreenRegionSelection>> selectRegion(ScreenGrabber &grabber, bool holdOverlay = false);
    static void dismissOverlay();

    static ScreenRegionSelectionSession *activeSession();
};
