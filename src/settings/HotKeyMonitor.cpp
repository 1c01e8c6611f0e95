#include "settings/HotKeyMonitor.h"

#include "platform/DesktopSession.h"
#include "platform/GlobalShortcutService.h"

HotKeyMonitor::HotKeyMonitor(std::unique_ptr<GlobalShortcutService> service)
    : m_service(service ? std::move(service) : DesktopSession::globalShortcutService())
{
    m_service->onPressed = [this](std::uint32_t signature, std::uint32_t id) { handlePress(signature, id); };
}

HotKeyMonitor::~HotKeyMonitor()
{
    unregister();
    m_service->onPressed = nullptr;
}

std::vector<HotKeyMonitor::RegistrationFailure> HotKeyMonitor::registerHotKeys(const std::vector<Registration> &registrations)
{
    unregister();
    std::vector<RegistrationFailure> failures;
    for (const Registration &registration : registrations) {
        const std::int32_t status = m_service->registerShortcut(
            signature, registration.id, HotKeyKeys::keyCode(registration.hotKey.key), registration.hotKey.modifierMask());
        if (status == 0)
            m_callbacks[registration.id] = registration.onKeyDown;
        else
            failures.push_back({registration.id, registration.hotKey, status});
    }
    return failures;
}

void HotKeyMonitor::unregister()
{
    for (const auto &[id, callback] : m_callbacks)
        m_service->unregisterShortcut(signature, id);
    m_callbacks.clear();
}

void HotKeyMonitor::handlePress(std::uint32_t, std::uint32_t id)
{
    const auto found = m_callbacks.find(id);
    if (found != m_callbacks.end() && found->second)
        found->second();
}
