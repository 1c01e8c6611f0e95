#include "settings/HotKeyMonitor.h"

#include "platform/GlobalShortcutService.h"
#include "settings/SettingsLog.h"

#include <algorithm>

HotKeyMonitor::HotKeyMonitor(std::unique_ptr<GlobalShortcutService> service)
    : m_service(std::move(service))
{
    m_service->onPressed = [this](std::uint32_t id) { handlePress(id); };
    m_service->onRefused = [this](const std::vector<GlobalShortcutService::Refusal> &refusals) {
        handleRefusals(refusals);
    };
}

HotKeyMonitor::~HotKeyMonitor()
{
    unregister();
    m_service->onPressed = nullptr;
    m_service->onRefused = nullptr;
}

std::vector<HotKeyMonitor::RegistrationFailure> HotKeyMonitor::registerHotKeys(const std::vector<Registration> &registrations)
{
    unregister();
    std::vector<RegistrationFailure> failures;
    for (auto registration = registrations.begin(); registration != registrations.end(); ++registration) {
        const bool clash = std::any_of(registrations.begin(), registration, [&](const Registration &earlier) {
            return earlier.hotKey == registration->hotKey;
        });
        const std::int32_t status = clash ? sameKeysAsEarlierRegistration : registerWithService(*registration);
        if (status == 0)
            continue;
        qCWarning(settingsLog) << "the shortcut" << registration->hotKey.displayString() << "is refused, code"
                               << status;
        failures.push_back({registration->id, registration->hotKey, status});
        if (!clash)
            m_refused.push_back(*registration);
    }
    return failures;
}

std::vector<HotKeyMonitor::Registration> HotKeyMonitor::retryRefused()
{
    std::vector<Registration> registered;
    std::erase_if(m_refused, [&](const Registration &registration) {
        if (registerWithService(registration) != 0)
            return false;
        registered.push_back(registration);
        return true;
    });
    return registered;
}

std::int32_t HotKeyMonitor::registerWithService(const Registration &registration)
{
    const std::int32_t status = m_service->registerShortcut(registration.id, registration.hotKey.platformShortcut());
    if (status == 0) {
        m_callbacks[registration.id] = registration.onKeyDown;
        m_hotKeys[registration.id] = registration.hotKey;
    }
    return status;
}

void HotKeyMonitor::unregister()
{
    for (const auto &[id, callback] : m_callbacks)
        m_service->unregisterShortcut(id);
    m_callbacks.clear();
    m_hotKeys.clear();
    m_refused.clear();
}

void HotKeyMonitor::handlePress(std::uint32_t id)
{
    const auto found = m_callbacks.find(id);
    if (found != m_callbacks.end() && found->second)
        found->second();
}

void HotKeyMonitor::handleRefusals(const std::vector<GlobalShortcutService::Refusal> &refusals)
{
    std::vector<RegistrationFailure> failures;
    for (const GlobalShortcutService::Refusal &refusal : refusals) {
        if (!m_callbacks.erase(refusal.id))
            continue;
        failures.push_back({refusal.id, m_hotKeys[refusal.id], refusal.status});
        qCWarning(settingsLog) << "the desktop refused the shortcut" << m_hotKeys[refusal.id].displayString()
                               << "- code" << refusal.status;
        m_hotKeys.erase(refusal.id);
    }
    if (!failures.empty())
        onLateFailures(failures);
}
