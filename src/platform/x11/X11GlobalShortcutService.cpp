#include "platform/x11/X11GlobalShortcutService.h"

#include "settings/HotKey.h"
#include "settings/HotKeyKey.h"
#include "platform/XcbReply.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <memory>

namespace {
constexpr xcb_keysym_t superLeft = 0xffeb, superRight = 0xffec, altLeft = 0xffe9, altRight = 0xffea,
                       numLock = 0xff7f;

xcb_connection_t *applicationConnection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}
} // namespace

X11GlobalShortcutService::X11GlobalShortcutService()
    : m_connection(applicationConnection())
{
    if (!m_connection)
        return;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    qGuiApp->installNativeEventFilter(this);
}

X11GlobalShortcutService::~X11GlobalShortcutService()
{
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

X11GlobalShortcutService::Modifiers X11GlobalShortcutService::readModifierMapping() const
{
    Modifiers modifiers;
    std::unique_ptr<xcb_get_modifier_mapping_reply_t, FreeDeleter> mapping(
        xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr));
    std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(xcb_key_symbols_alloc(m_connection),
                                                                                 &xcb_key_symbols_free);
    if (!mapping || !symbols)
        return modifiers;
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
                else if (symbol == numLock)
                    modifiers.numLock |= bit;
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

std::uint16_t X11GlobalShortcutService::xModifiers(std::uint32_t mask, const Modifiers &modifiers) const
{
    std::uint16_t result = 0;
    if (mask & HotKey::commandBit)
        result |= modifiers.super;
    if (mask & HotKey::controlBit)
        result |= XCB_MOD_MASK_CONTROL;
    if (mask & HotKey::optionBit)
        result |= modifiers.alt;
    if (mask & HotKey::shiftBit)
        result |= XCB_MOD_MASK_SHIFT;
    return result;
}

std::vector<std::uint16_t> X11GlobalShortcutService::lockVariants(const Modifiers &modifiers) const
{
    return {0, XCB_MOD_MASK_LOCK, modifiers.numLock, std::uint16_t(XCB_MOD_MASK_LOCK | modifiers.numLock)};
}

std::int32_t X11GlobalShortcutService::registerShortcut(std::uint32_t signature, std::uint32_t id,
                                                        std::uint32_t keyCode, std::uint32_t modifierMask)
{
    if (!m_connection)
        return XCB_CONN_ERROR;
    const std::optional<HotKeyKey> key = HotKeyKeys::fromKeyCode(keyCode);
    std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(xcb_key_symbols_alloc(m_connection),
                                                                                 &xcb_key_symbols_free);
    if (!key || !symbols)
        return XCB_VALUE;
    // The digit's key on whatever layout is active: keysyms 0 ... 9 are ASCII.
    std::unique_ptr<xcb_keycode_t, FreeDeleter> keycodes(
        xcb_key_symbols_get_keycode(symbols.get(), xcb_keysym_t('0' + int(*key))));
    if (!keycodes || keycodes.get()[0] == XCB_NO_SYMBOL)
        return XCB_VALUE;

    const Modifiers modifiers = readModifierMapping();
    const Grab grab{keycodes.get()[0], xModifiers(modifierMask, modifiers)};
    std::int32_t status = 0;
    for (std::uint16_t locks : lockVariants(modifiers)) {
        const xcb_void_cookie_t cookie = xcb_grab_key_checked(m_connection, 1, m_root, grab.modifiers | locks,
                                                              grab.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        std::unique_ptr<xcb_generic_error_t, FreeDeleter> error(xcb_request_check(m_connection, cookie));
        if (error && status == 0)
            status = error->error_code;
    }
    if (status != 0) {
        // Another client holds the shortcut: give back the variants that were granted.
        ungrab(grab, modifiers);
        return status;
    }
    m_grabs[{signature, id}] = grab;
    return 0;
}

void X11GlobalShortcutService::ungrab(const Grab &grab, const Modifiers &modifiers)
{
    for (std::uint16_t locks : lockVariants(modifiers))
        xcb_ungrab_key(m_connection, grab.keycode, m_root, grab.modifiers | locks);
    xcb_flush(m_connection);
}

void X11GlobalShortcutService::unregisterShortcut(std::uint32_t signature, std::uint32_t id)
{
    const auto found = m_grabs.find({signature, id});
    if (found == m_grabs.end() || !m_connection)
        return;
    ungrab(found->second, readModifierMapping());
    m_grabs.erase(found);
}

bool X11GlobalShortcutService::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
    if (press->event != m_root)
        return false;
    const Modifiers modifiers = readModifierMapping();
    const std::uint16_t state = press->state & ~(XCB_MOD_MASK_LOCK | modifiers.numLock)
        & (XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | modifiers.super | modifiers.alt);
    for (const auto &[key, grab] : m_grabs) {
        if (grab.keycode == press->detail && grab.modifiers == state) {
            if (onPressed)
                onPressed(key.first, key.second);
            return true;
        }
    }
    return false;
}
