#pragma once

// The kind of graphical session the program runs in, as its environment says.
enum class DesktopSessionType { x11, wayland, unknown };

// What the program needs to know of the desktop session: learnt once at start, and handed to
// whatever decides by it.
struct SessionFacts {
    // On a Wayland desktop its portals read the screens and take global shortcuts, also for a
    // program that talks X11 to it through XWayland.
    DesktopSessionType desktop = DesktopSessionType::unknown;
    // Qt talks Wayland: a clipboard write needs the keyboard focus, and the desktop places
    // windows itself.
    bool waylandClient = false;
    // Windows can have see-through parts (rounded corners, shadows).
    bool hasCompositor = false;
    // The tray is a StatusNotifier host (KDE Plasma, GNOME's AppIndicator extension), which loads
    // icons by theme name and recolours symbolic ones for its panel; XEmbed trays show pixels.
    bool trayLoadsIconsByName = false;

    bool operator==(const SessionFacts &) const = default;
};
