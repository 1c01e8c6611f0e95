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
    // Resolves with the selection, or none when the user cancelled.
    static QFuture<std::optional<ScreenRegionSelection>> selectRegion();
    static QFuture<std::optional<ScreenRegionSelection>> selectRegion(ScreenGrabber &grabber);

    static ScreenRegionSelectionSession *activeSession();
};
