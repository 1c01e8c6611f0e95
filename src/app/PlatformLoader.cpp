#include "app/PlatformLoader.h"

#include "app/CaptureKinds.h"
#include "feedback/Localization.h"
#include "platform/DesktopSession.h"
#include "platform/SessionFacts.h"
#include "platform/wayland/PortalGlobalShortcutService.h"
#include "platform/wayland/PortalScreenGrabber.h"
#include "platform/x11/X11CancelKeyService.h"
#include "platform/x11/X11GlobalShortcutService.h"
#include "platform/x11/X11Session.h"
#include "platform/x11/X11ScreenGrabber.h"

namespace PlatformLoader {

const SessionFacts &sessionFacts()
{
    static const SessionFacts facts = [] {
        SessionFacts session;
        session.desktop = DesktopSession::type();
        session.waylandClient = DesktopSession::qtTalksWayland();
        session.hasCompositor = session.waylandClient || X11Session::hasCompositingManager();
        session.trayLoadsIconsByName = DesktopSession::trayLoadsIconsByName();
        return session;
    }();
    return facts;
}

ScreenGrabber &screenGrabber()
{
    static const std::unique_ptr<ScreenGrabber> grabber = []() -> std::unique_ptr<ScreenGrabber> {
        if (sessionFacts().desktop == DesktopSessionType::x11)
            return std::make_unique<X11ScreenGrabber>();
        return std::make_unique<PortalScreenGrabber>();
    }();
    return *grabber;
}

std::unique_ptr<GlobalShortcutService> globalShortcutService()
{
    if (sessionFacts().desktop == DesktopSessionType::x11)
        return std::make_unique<X11GlobalShortcutService>();
    // Named as the desktop's shortcut settings show them, and as the program's D-Bus actions.
    std::map<std::uint32_t, PortalGlobalShortcutService::Name> names;
    for (const CaptureKinds::Entry &entry : CaptureKinds::all())
        names[entry.kind.id] = {QString::fromLatin1(entry.kind.action), L::text(entry.kind.title)};
    return std::make_unique<PortalGlobalShortcutService>(names);
}

std::unique_ptr<CancelKeyService> cancelKeyService()
{
    // Whenever Qt talks X11, also through XWayland: the overlay is then closed at mouse-up.
    if (!sessionFacts().waylandClient)
        return std::make_unique<X11CancelKeyService>();
    return nullptr;
}

} // namespace PlatformLoader
