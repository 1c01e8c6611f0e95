#pragma once

#include "platform/SessionFacts.h"

// What the session's environment and bus say; PlatformLoader gathers it into SessionFacts.
namespace DesktopSession {
DesktopSessionType type();
// Whether Qt talks Wayland (not X11, also not through XWayland).
bool qtTalksWayland();
// Whether the tray is a StatusNotifier host.
bool trayLoadsIconsByName();
} // namespace DesktopSession
