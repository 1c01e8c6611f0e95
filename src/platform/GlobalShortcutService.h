#pragma once

#include "platform/PlatformShortcut.h"

#include <cstdint>
#include <functional>
#include <vector>

// The desktop's service for shortcuts that work in every application, each known by the caller's
// id. Presses come back on the main thread.
class GlobalShortcutService
{
public:
    virtual ~GlobalShortcutService() = default;

    struct Refusal {
        std::uint32_t id = 0;
        std::int32_t status = 0;
        bool operator==(const Refusal &) const = default;
    };

    // 0 when the shortcut is registered, or accepted for now by a service that answers later;
    // otherwise the service's own refusal code.
    virtual std::int32_t registerShortcut(std::uint32_t id, const PlatformShortcut &shortcut) = 0;
    virtual void unregisterShortcut(std::uint32_t id) = 0;

    std::function<void(std::uint32_t id)> onPressed;
    // Shortcuts refused after registerShortcut() returned 0, in the order they were registered.
    std::function<void(const std::vector<Refusal> &refusals)> onRefused;
};
