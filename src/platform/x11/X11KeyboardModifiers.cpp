#include "platform/x11/X11KeyboardModifiers.h"

#include "platform/XcbReply.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <memory>

namespace {
constexpr xcb_keysym_t superLeft = 0xffeb, superRight = 0xffec, altLeft = 0xffe9, altRight = 0xffea,
                       numLockKey = 0xff7f;
} // namespace

X11KeyboardModifiers X11KeyboardModifiers::read(xcb_connection_t *connection)
{
    X11KeyboardModifiers modifiers;
    XcbReply<xcb_get_modifier_mapping_reply_t> mapping(
        xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(xcb_key_symbols_alloc(connection),
                                                                                 &xcb_key_symbols_free);
    if (mapping && symbols) {
        const xcb_keycode_t *keycodes = xcb_get_modifier_mapping_keycodes(mapping.get());
        const int perModifier = mapping->keycodes_per_modifier;
        // The eight modifier rows: Shift, Lock, Control, Mod1 ... Mod5.
        for (int row = 3; row < 8; ++row) {
            for (int i = 0; i < perModifier; ++i) {
                const xcb_keycode_t keycode = keycodes[row * perModifier + i];
                if (keycode == 0)
                    continue;
                for (int column = 0; column < 4; ++column) {
                    const xcb_keysym_t symbol = xcb_key_symbols_get_keysym(symbols.get(), keycode, column);
                    const auto bit = std::uint16_t(1u << row);
                    if (symbol == superLeft || symbol == superRight)
                        modifiers.super |= bit;
                    else if (symbol == altLeft || symbol == altRight)
                        modifiers.alt |= bit;
                    else if (symbol == numLockKey)
                        modifiers.numLock |= bit;
                }
            }
        }
    }
    if (!modifiers.super)
        modifiers.super = XCB_MOD_MASK_4;
    if (!modifiers.alt)
        modifiers.alt = XCB_MOD_MASK_1;
    if (!modifiers.numLock)
        modifiers.numLock = XCB_MOD_MASK_2;
    return modifiers;
}

std::vector<std::uint16_t> X11KeyboardModifiers::lockVariants() const
{
    return {0, XCB_MOD_MASK_LOCK, numLock, std::uint16_t(XCB_MOD_MASK_LOCK | numLock)};
}

std::uint16_t X11KeyboardModifiers::withoutLocks(std::uint16_t state) const
{
    return state & ~(XCB_MOD_MASK_LOCK | numLock) & (XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | super | alt);
}
