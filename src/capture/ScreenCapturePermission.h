#pragma once

#include <memory>

class ScreenGrabber;

// Whether this session lets the program read the screen.
class ScreenCapturePermission
{
public:
    virtual ~ScreenCapturePermission() = default;
    virtual bool isGranted() const = 0;
    // Asks the desktop to let the user grant it; the answer is not awaited.
    virtual void request() {}

    // X11: always granted. Wayland: granted once a screen-capture path exists there.
    static std::unique_ptr<ScreenCapturePermission> forSession(ScreenGrabber &grabber);
};
