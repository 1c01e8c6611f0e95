#include "platform/DesktopSession.h"

#include "platform/ScreenGrabber.h"
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
