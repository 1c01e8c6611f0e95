#include "platform/DesktopSession.h"

#include "feedback/Localization.h"
#include "platform/GlobalShortcutService.h"
#include "platform/ScreenGrabber.h"
#include "platform/wayland/PortalGlobalShortcutService.h"
#include "platform/wayland/PortalScreenGrabber.h"
#include "platform/x11/X11GlobalShortcutService.h"
#include "platform/x11/X11ScreenGrabber.h"

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

ScreenGrabber &screenGrabber()
{
    static const std::unique_ptr<ScreenGrabber> grabber = []() -> std::unique_ptr<ScreenGrabber> {
        if (type() == DesktopSessionType::x11)
            return std::make_unique<X11ScreenGrabber>();
        return std::make_unique<PortalScreenGrabber>();
    }();
    return *grabber;
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
