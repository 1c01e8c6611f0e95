#include "platform/DesktopSession.h"

#include "platform/XcbReply.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QtGlobal>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

namespace DesktopSession {

DesktopSessionType type()
{
    const QByteArray session = qgetenv("XDG_SESSION_TYPE").toLower();
    if (session == "wayland" || (session.isEmpty() && qEnvironmentVariableIsSet("WAYLAND_DISPLAY")))
        return DesktopSessionType::wayland;
    if (session == "x11" || qEnvironmentVariableIsSet("DISPLAY"))
        return DesktopSessionType::x11;
    return DesktopSessionType::unknown;
}

bool trayLoadsIconsByName()
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

bool hasCompositor()
{
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        return true;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11)
        return false;
    // A compositing manager owns the selection _NET_WM_CM_S<screen> while it runs.
    xcb_connection_t *connection = x11->connection();
    // Screen 0: Qt's windows all live on the display's default screen.
    const QByteArray name = "_NET_WM_CM_S0";
    const XcbReply<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(name.size()), name.constData()), nullptr));
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return false;
    const XcbReply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom->atom), nullptr));
    return owner && owner->owner != XCB_NONE;
}

} // namespace DesktopSession

bool DesktopSession::clipboardNeedsFocus()
{
    // What matters is how Qt talks to the display: through XWayland, X11 rules apply.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
