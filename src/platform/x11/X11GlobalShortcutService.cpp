#include "platform/x11/X11GlobalShortcutService.h"

#include "platform/PlatformLog.h"
#include "platform/XcbReply.h"
#include "platform/x11/X11Application.h"

#include <QGuiApplication>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <memory>

X11GlobalShortcutService::X11GlobalShortcutService()
    : m_connection(X11Application::connection())
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

std::uint16_t X11GlobalShortcutService::xModifiers(Qt::KeyboardModifiers modifiers, const X11KeyboardModifiers &mapping)
{
    std::uint16_t result = 0;
    if (modifiers & Qt::MetaModifier)
        result |= mapping.super;
    if (modifiers & Qt::ControlModifier)
        result |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        result |= mapping.alt;
    if (modifiers & Qt::ShiftModifier)
        result |= XCB_MOD_MASK_SHIFT;
    return result;
}

std::int32_t X11GlobalShortcutService::registerShortcut(std::uint32_t id, const PlatformShortcut &shortcut)
{
    if (!m_connection)
        return XCB_CONN_ERROR;
    // Printable Latin-1 keys are their own keysyms, in lower case; found on whatever layout is active.
    if (shortcut.key < Qt::Key_Space || shortcut.key > Qt::Key_AsciiTilde)
        return XCB_VALUE;
    const auto keysym = xcb_keysym_t(QChar(shortcut.key).toLower().unicode());
    std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(xcb_key_symbols_alloc(m_connection),
                                                                                 &xcb_key_symbols_free);
    if (!symbols)
        return XCB_VALUE;
    const XcbReply<xcb_keycode_t> keycodes(xcb_key_symbols_get_keycode(symbols.get(), keysym));
    if (!keycodes || keycodes.get()[0] == XCB_NO_SYMBOL)
        return XCB_VALUE;

    const X11KeyboardModifiers modifiers = X11KeyboardModifiers::read(m_connection);
    const Grab grab{keycodes.get()[0], xModifiers(shortcut.modifiers, modifiers)};
    std::int32_t status = 0;
    for (std::uint16_t locks : modifiers.lockVariants()) {
        const xcb_void_cookie_t cookie = xcb_grab_key_checked(m_connection, 1, m_root, grab.modifiers | locks,
                                                              grab.keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        std::unique_ptr<xcb_generic_error_t, FreeDeleter> error(xcb_request_check(m_connection, cookie));
        if (error && status == 0)
            status = error->error_code;
    }
    if (status != 0) {
        qCWarning(platformLog) << "the X server refused the shortcut" << shortcut.key << shortcut.modifiers
                               << "- error" << status << (status == badAccess ? "(another program holds it)" : "");
        // Another client holds the shortcut: give back the variants that were granted.
        ungrab(grab, modifiers);
        return status;
    }
    m_grabs[id] = grab;
    return 0;
}

void X11GlobalShortcutService::ungrab(const Grab &grab, const X11KeyboardModifiers &modifiers)
{
    for (std::uint16_t locks : modifiers.lockVariants())
        xcb_ungrab_key(m_connection, grab.keycode, m_root, grab.modifiers | locks);
    xcb_flush(m_connection);
}

void X11GlobalShortcutService::unregisterShortcut(std::uint32_t id)
{
    const auto found = m_grabs.find(id);
    if (found == m_grabs.end() || !m_connection)
        return;
    ungrab(found->second, X11KeyboardModifiers::read(m_connection));
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
    const X11KeyboardModifiers modifiers = X11KeyboardModifiers::read(m_connection);
    const std::uint16_t state = modifiers.withoutLocks(press->state);
    for (const auto &[id, grab] : m_grabs) {
        if (grab.keycode == press->detail && grab.modifiers == state) {
            if (onPressed)
                onPressed(id);
            return true;
        }
    }
    return false;
}
