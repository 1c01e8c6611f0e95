#pragma once

#include "platform/GlobalShortcutService.h"
#include "settings/HotKey.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>


// Makes shortcuts global and runs each one's action when it is pressed.
class HotKeyMonitor
{
public:
    // The refusal code of a registration with the same keys as an earlier one in the list. Not
    // every service refuses that itself (an X server grants the same client the same grab twice).
    static constexpr std::int32_t sameKeysAsEarlierRegistration = -100;

    struct Registration {
        std::uint32_t id = 0;
        HotKey hotKey;
        std::function<void()> onKeyDown;
    };

    struct RegistrationFailure {
        std::uint32_t id = 0;
        HotKey hotKey;
        std::int32_t status = 0; // the service's refusal code
        bool operator==(const RegistrationFailure &) const = default;
    };

    // The session's own service when none is given.
    explicit HotKeyMonitor(std::unique_ptr<GlobalShortcutService> service);
    ~HotKeyMonitor();

    // Replaces every earlier registration; returns the refused ones in list order.
    std::vector<RegistrationFailure> registerHotKeys(const std::vector<Registration> &registrations);
    void unregister();

    bool isRegistered(std::uint32_t id) const { return m_callbacks.contains(id); }

    // Tries again the registrations the service refused at once (another program held their
    // keys, and may have let them go since); returns those registered now, in list order.
    std::vector<Registration> retryRefused();
    bool hasRefused() const { return !m_refused.empty(); }

    // Registrations that the service refused only after registerHotKeys() returned (desktop
    // portals answer later), in list order; they are no longer registered.
    std::function<void(const std::vector<RegistrationFailure> &)> onLateFailures = [](const auto &) {};

private:
    // 0 and remembered when the service takes it; otherwise the service's refusal code.
    std::int32_t registerWithService(const Registration &registration);
    void handlePress(std::uint32_t id);
    void handleRefusals(const std::vector<GlobalShortcutService::Refusal> &refusals);

    std::unique_ptr<GlobalShortcutService> m_service;
    std::map<std::uint32_t, std::function<void()>> m_callbacks;
    std::map<std::uint32_t, HotKey> m_hotKeys;
    std::vector<Registration> m_refused;
};
