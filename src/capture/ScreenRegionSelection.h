#pragma once

#include <QImage>
#include <QPointer>
#include <QRectF>
#include <QScreen>

// What the user selected: a rectangle in Qt's global logical coordinates (top-left origin),
// normalised but not clipped to its screen.
struct ScreenRegionSelection {
    QPointer<QScreen> screen;
    QRectF screenRect;
    // The screen in device pixels as it was when the selection began, before any overlay;
    // null when the capture should grab the screen itself.
    QImage snapshot;

    bool operator==(const ScreenRegionSelection &other) const
    {
        return screen == other.screen && screenRect == other.screenRect && snapshot == other.snapshot;
    }
};
