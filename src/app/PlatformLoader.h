#pragma once

#include <memory>

class GlobalShortcutService;
class ScreenGrabber;

// Picks the X11 or the portal implementation of each platform service for this session.
namespace PlatformLoader {
// The screen grabber of this session; shared, made on first use.
ScreenGrabber &screenGrabber();
// A new global-shortcut service for this session.
std::unique_ptr<GlobalShortcutService> globalShortcutService();
} // namespace PlatformLoader
