#include "platform/x11/X11Session.h"

#include "platform/x11/XcbReply.h"
#include "platform/x11/X11Application.h"

#include <QByteArray>

#include <xcb/xcb.h>

namespace X11Session {

bool hasCompositingManager()
{
    xcb_connection_t *connection = X11Application::connection();
    if (!connection)
        return false;
    // A compositing manager owns the selection _NET_WM_CM_S<screen> while it runs. Screen 0: Qt's
    // windows all live on the display's default screen.
    const QByteArray name = "_NET_WM_CM_S0";
    const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(name.size()), name.constData()), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

} // namespace X11Session
