#pragma once

#include <QString>

// How the selection overlay's windows behave on this desktop.
struct SelectionOverlayMode {
    // One full-screen window per screen: the desktop ignores window positions and stacking.
    bool fullScreen = false;
    // Kept up after a selection, with the keys, until dismissed: the clipboard takes writes only
    // from the focused window, and Escape still stops the work on the selection.
    bool heldAfterSelection = false;
    // When set, a small badge with this text is held instead of the overlay: the screen is live
    // again while the selection is worked on, and the badge keeps the keys.
    QString heldBadge;

    bool operator==(const SelectionOverlayMode &) const = default;
};
