#pragma once

// The kind of graphical session the program runs in, from the environment.
enum class DesktopSessionType { x11, wayland, unknown };

namespace DesktopSession {
DesktopSessionType type();
// Whether the display accepts clipboard writes only from the client that has the keyboard focus.
bool clipboardNeedsFocus();
// Whether windows can have see-through parts (rounded corners, shadows): always on Wayland, on
// X11 only while a compositing manager runs.
bool hasCompositor();
// Whether the tray is a StatusNotifier host (KDE Plasma, GNOME's AppIndicator extension), which
// loads icons by theme name and recolours symbolic ones for its panel; XEmbed trays show pixels.
bool trayLoadsIconsByName();
} // namespace DesktopSession
