#pragma once

#include <Qt>

// A key with its modifiers, as the desktop's shortcut services take it. Qt::MetaModifier is the
// logo key (Super).
struct PlatformShortcut {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;

    bool operator==(const PlatformShortcut &) const = default;
};
