#include "platform/x11/X11CancelKeyService.h"

#include "platform/PlatformLog.h"
#include "platform/XcbReply.h"
#include "platform/x11/X11Application.h"
#include "platform/x11/X11KeyboardModifiers.h"

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

#include <memory>

namespace {
constexpr xcb_keysym_t escapeSymbol = 0xff1b;
} // namespace

X11CancelKeyService::X11CancelKeyService()
    : m_connection(X11Application::connection())
{
    if (!m_connection)
        return;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    qGuiApp->installNativeEventFilter(this);
}

X11CancelKeyService::~X11CancelKeyService()
{
    release();
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

bool X11CancelKeyService::hold()
{
    if (m_escape)
        return true;
    if (!m_connection)
        return false;
    std::unique_ptr<xcb_key_symbols_t, decltype(&xcb_key_symbols_free)> symbols(xcb_key_symbols_alloc(m_connection),
                                                                                 &xcb_key_symbols_free);
    const XcbReply<xcb_keycode_t> keycodes(symbols ? xcb_key_symbols_get_keycode(symbols.get(), escapeSymbol)
                                                   : nullptr);
    if (!keycodes || keycodes.get()[0] == XCB_NO_SYMBOL)
        return false;
    m_escape = keycodes.get()[0];
    bool granted = true;
    for (std::uint16_t locks : X11KeyboardModifiers::read(m_connection).lockVariants()) {
        const xcb_void_cookie_t cookie = xcb_grab_key_checked(m_connection, 1, m_root, locks, m_escape,
                                                              XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        const XcbReply<xcb_generic_error_t> error(xcb_request_check(m_connection, cookie));
        granted = granted && !error;
    }
    if (!granted) {
        qCWarning(platformLog) << "Escape is held by another program: it cannot stop the reading of a capture";
        release();
    }
    return granted;
}

void X11CancelKeyService::release()
{
    if (!m_escape || !m_connection)
        return;
    for (std::uint16_t locks : X11KeyboardModifiers::read(m_connection).lockVariants())
        xcb_ungrab_key(m_connection, m_escape, m_root, locks);
    xcb_flush(m_connection);
    m_escape = 0;
}

bool X11CancelKeyService::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!m_escape || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
    if (press->event != m_root || press->detail != m_escape)
        return false;
    if (X11KeyboardModifiers::read(m_connection).withoutLocks(press->state) != 0)
        return false;
    onPressed();
    return true;
}
