#pragma once

#include "platform/GlobalShortcutService.h"
#include "platform/x11/X11KeyboardModifiers.h"

#include <QAbstractNativeEventFilter>

#include <map>
#include <vector>

struct xcb_connection_t;

// Global shortcuts as passive key grabs on the X root window, one for each combination of
// Num Lock and Caps Lock, so a shortcut works whatever the lock keys say.
class X11GlobalShortcutService : public GlobalShortcutService, public QAbstractNativeEventFilter
{
public:
    static constexpr std::int32_t badAccess = 10;

    // Uses the application's own X connection; the event filter is installed on it.
    X11GlobalShortcutService();
    ~X11GlobalShortcutService() override;

    std::int32_t registerShortcut(std::uint32_t id, const PlatformShortcut &shortcut) override;
    void unregisterShortcut(std::uint32_t id) override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    struct Grab {
        std::uint8_t keycode = 0;
        std::uint16_t modifiers = 0;
    };
    static std::uint16_t xModifiers(Qt::KeyboardModifiers modifiers, const X11KeyboardModifiers &mapping);
    void ungrab(const Grab &grab, const X11KeyboardModifiers &modifiers);

    xcb_connection_t *m_connection = nullptr;
    std::uint32_t m_root = 0;
    std::map<std::uint32_t, Grab> m_grabs; // by id
};
