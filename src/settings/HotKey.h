#pragma once

#include "platform/PlatformShortcut.h"
#include "settings/HotKeyKey.h"

#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <optional>

// A shortcut: one digit key plus any combination of the four modifiers.
struct HotKey {
    HotKeyKey key = HotKeyKey::two;
    bool command = true;
    bool control = true;
    bool option = false;
    bool shift = false;

    static HotKey defaultTextCapture();  // Ctrl+Super+2
    static HotKey screenshotCapture();   // Ctrl+Super+1, fixed
    // Shift+Super+2 clashes with common screenshot tools; it is replaced wherever found.
    bool isRetiredTextShortcut() const;
    // Control, Super or Alt: without one, a global shortcut would take a plain key (or a Shift
    // one) away from every application.
    bool hasRequiredModifier() const { return control || command || option; }

    // The only text form of a shortcut, as the desktop writes key sequences: "Ctrl+Super+2".
    QString displayString() const;
    // Ctrl, Alt, Shift or Super (the logo key: the command flag), in Qt's words for them.
    static QString modifierName(Qt::KeyboardModifier modifier);

    // The shortcut as the desktop's shortcut services take it.
    PlatformShortcut platformShortcut() const;

    QJsonObject toJson() const;
    // All five members are required with their exact JSON types; others are ignored.
    static std::optional<HotKey> fromJson(const QJsonValue &value);

    bool operator==(const HotKey &) const = default;
};
