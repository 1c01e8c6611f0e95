#pragma once

#include <memory>

class ScreenGrabber;

// The kind of graphical session the program runs in, from the environment.
enum class DesktopSessionType { x11, wayland, unknown };

namespace DesktopSession {
DesktopSessionType type();
// The screen grabber of this session; shared, made on first use.
ScreenGrabber &screenGrabber();
} // namespace DesktopSession
