#pragma once

#include <memory>

class CancelKeyService;
class GlobalShortcutService;
class ScreenGrabber;

// Picks the X11 or the portal implementation of each platform service for this session.
namespace PlatformLoader {
// The screen grabber of this session; shared, made on first use.
ScreenGrabber &screenGrabber();
// A new global-shortcut service for this session.
std::unique_ptr<GlobalShortcutService> globalShortcutService();
// Escape for a capture whose text is read with nothing of ours on screen; null where the frozen
// screen stays up and takes the key itself.
std::unique_ptr<CancelKeyService> cancelKeyService();
} // namespace PlatformLoader
