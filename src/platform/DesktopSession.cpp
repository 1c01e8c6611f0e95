#include "platform/DesktopSession.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QGuiApplication>
#include <QtGlobal>

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

bool qtTalksWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace DesktopSession
