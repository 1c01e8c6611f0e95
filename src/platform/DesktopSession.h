#pragma once

#include <memory>

class GlobalShortcutService;
class ScreenGrabber;

// The kind of graphical session the program runs in, from the environment.
enum class DesktopSessionType { x11, wayland, unknown };

namespace DesktopSession {
DesktopSessionType type();
// The screen grabber of this session; shared, made on first use.
ScreenGrabber &screenGrabber();
// A new global-shortcut service for this session.
std::unique_ptr<GlobalShortcutService> globalShortcutService();
// Whether the display accepts clipboard writes only from the client that has the keyboard focus.
bool clipboardNeedsFocus();
// Whether windows can have see-through parts (rounded corners, shadows): always on Wayland, on
// X11 only while a compositing manager runs.
bool hasCompositor();
// Whether the tray is a StatusNotifier host (KDE Plasma, GNOME's AppIndicator extension), which
// loads icons by theme name and recolours symbolic ones for its panel; XEmbed trays show pixels.
bool trayLoadsIconsByName();
} // namespace DesktopSession
