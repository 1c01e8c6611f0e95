#pragma once

#include "feedback/LocalizedKey.h"
#include "settings/AppSettings.h"
#include "settings/HotKey.h"

#include <QByteArray>

#include <cstdint>

// A kind of capture as the user meets it: its names, its shortcut and how the interface labels it.
struct CaptureKind {
    std::uint32_t id = 0;         // its global shortcut's id
    QByteArray action;            // its command-line option, D-Bus action and desktop shortcut name
    LocalizedKey title;           // menu item, settings button, the desktop's list of shortcuts
    LocalizedKey shortcutLabel;   // the settings row showing its shortcut
    LocalizedKey shortcutStatus;  // the menu line showing its shortcut ("%1")
    HotKey defaultShortcut;
    // Where the user's own choice is kept; none where the shortcut is fixed.
    HotKey AppSettings::*setting = nullptr;

    HotKey shortcut(const AppSettings &settings) const { return setting ? settings.*setting : defaultShortcut; }

    bool operator==(const CaptureKind &) const = default;
};
