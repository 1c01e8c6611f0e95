#pragma once

#include "platform/ScreenGrabber.h"

// Reads screens from the X server with its own connection, so it works on any thread.
class X11ScreenGrabber : public ScreenGrabber
{
public:
    bool isAvailable() const override { return true; }
    QImage grab(const ScreenGrabTarget &screen) override;
};
