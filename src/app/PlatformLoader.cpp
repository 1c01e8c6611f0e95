#include "app/PlatformLoader.h"

#include "feedback/Localization.h"
#include "platform/DesktopSession.h"
#include "platform/wayland/PortalGlobalShortcutService.h"
#include "platform/wayland/PortalScreenGrabber.h"
#include "platform/x11/X11CancelKeyService.h"
#include "platform/x11/X11GlobalShortcutService.h"
#include "platform/x11/X11ScreenGrabber.h"

namespace PlatformLoader {

ScreenGrabber &screenGrabber()
{
    static const std::unique_ptr<ScreenGrabber> grabber = []() -> std::unique_ptr<ScreenGrabber> {
        if (DesktopSession::type() == DesktopSessionType::x11)
            return std::make_unique<X11ScreenGrabber>();
        return std::make_unique<PortalScreenGrabber>();
    }();
    return *grabber;
}

std::unique_ptr<GlobalShortcutService> globalShortcutService()
{
    if (DesktopSession::type() == DesktopSessionType::x11)
        return std::make_unique<X11GlobalShortcutService>();
    // Named as the desktop's shortcut settings show them, and as the program's D-Bus actions.
    return std::make_unique<PortalGlobalShortcutService>(std::map<std::uint32_t, PortalGlobalShortcutService::Name>{
        {1, {QStringLiteral("capture-text"), L::text(LocalizedKey::captureText)}},
        {2, {QStringLiteral("capture-screenshot"), L::text(LocalizedKey::captureScreenshot)}},
    });
}

std::unique_ptr<CancelKeyService> cancelKeyService()
{
    // Whenever Qt talks X11, also through XWayland: the overlay is then closed at mouse-up.
    if (!DesktopSession::clipboardNeedsFocus())
        return std::make_unique<X11CancelKeyService>();
    return nullptr;
}

} // namespace PlatformLoader
