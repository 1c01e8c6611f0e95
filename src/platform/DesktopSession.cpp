#include "platform/DesktopSession.h"

#include "platform/ScreenGrabber.h"
#include "platform/GlobalShortcutService.h"
#include "platform/x11/X11GlobalShortcutService.h"
#include "platform/x11/X11ScreenGrabber.h"

#include <QtGlobal>

namespace {
// Until a portal-based grabber exists, a Wayland session cannot be read: saying so beats
// returning the black images XWayland gives.
class UnavailableScreenGrabber : public ScreenGrabber
{
public:
    bool isAvailable() const override { return false; }
    QImage grab(const ScreenGrabTarget &) override { return {}; }
};
// Until the desktop portal is used, a Wayland session offers no global shortcuts to us:
// every registration is refused, so the user is told.
class UnavailableShortcutService : public GlobalShortcutService
{
public:
    static constexpr std::int32_t unsupported = -1;
    std::int32_t registerShortcut(std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) override
    {
        return unsupported;
    }
    void unregisterShortcut(std::uint32_t, std::uint32_t) override {}
};
} // namespace

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
        return std::make_unique<UnavailableScreenGrabber>();
    }();
    return *grabber;
}

} // namespace DesktopSession

std::unique_ptr<GlobalShortcutService> DesktopSession::globalShortcutService()
{
    if (type() == DesktopSessionType::x11)
        return std::make_unique<X11GlobalShortcutService>();
    return std::make_unique<UnavailableShortcutService>();
}
