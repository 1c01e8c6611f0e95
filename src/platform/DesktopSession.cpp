#include "platform/DesktopSession.h"

#include "feedback/Localization.h"
#include "platform/GlobalShortcutService.h"
#include "platform/ScreenGrabber.h"
#include "platform/wayland/PortalGlobalShortcutService.h"
#include "platform/wayland/PortalScreenGrabber.h"
#include "platform/x11/X11GlobalShortcutService.h"
#include "platform/x11/X11ScreenGrabber.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QtGlobal>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdlib>

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

ScreenGrabber &screenGrabber()
{
    static const std::unique_ptr<ScreenGrabber> grabber = []() -> std::unique_ptr<ScreenGrabber> {
        if (type() == DesktopSessionType::x11)
            return std::make_unique<X11ScreenGrabber>();
        return std::make_unique<PortalScreenGrabber>();
    }();
    return *grabber;
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
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, uint16_t(name.size()), name.constData()), nullptr);
    if (!atom)
        return false;
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE)
        return false;
    xcb_get_selection_owner_reply_t *owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool owned = owner && owner->owner != XCB_NONE;
    std::free(owner);
    return owned;
}

} // namespace DesktopSession

std::unique_ptr<GlobalShortcutService> DesktopSession::globalShortcutService()
{
    if (type() == DesktopSessionType::x11)
        return std::make_unique<X11GlobalShortcutService>();
    // Named as the desktop's shortcut settings show them, and as the program's D-Bus actions.
    return std::make_unique<PortalGlobalShortcutService>(std::map<std::uint32_t, PortalGlobalShortcutService::Name>{
        {1, {QStringLiteral("capture-text"), L::text(LocalizedKey::captureText)}},
        {2, {QStringLiteral("capture-screenshot"), L::text(LocalizedKey::captureScreenshot)}},
    });
}

bool DesktopSession::clipboardNeedsFocus()
{
    // What matters is how Qt talks to the display: through XWayland, X11 rules apply.
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
