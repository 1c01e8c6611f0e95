#pragma once

#include <cstdint>
#include <vector>

struct xcb_connection_t;

// Which X modifier bits Super, Alt and Num Lock are on this server's keyboard mapping.
struct X11KeyboardModifiers {
    std::uint16_t super = 0, alt = 0, numLock = 0;

    static X11KeyboardModifiers read(xcb_connection_t *connection);

    // A grab made for each of these works whatever Caps Lock and Num Lock say.
    std::vector<std::uint16_t> lockVariants() const;
    // A key event's modifier state without the lock keys.
    std::uint16_t withoutLocks(std::uint16_t state) const;

    bool operator==(const X11KeyboardModifiers &) const = default;
};
