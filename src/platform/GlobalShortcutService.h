#pragma once

#include <cstdint>
#include <functional>

// The desktop's service for shortcuts that work in every application. Shortcuts are given
// as the program's key code and modifier mask; presses come back on the main thread.
class GlobalShortcutService
{
public:
    virtual ~GlobalShortcutService() = default;

    // 0 when the shortcut is registered; otherwise the service's own refusal code.
    virtual std::int32_t registerShortcut(std::uint32_t signature, std::uint32_t id, std::uint32_t keyCode,
                                          std::uint32_t modifierMask) = 0;
    virtual void unregisterShortcut(std::uint32_t signature, std::uint32_t id) = 0;

    std::function<void(std::uint32_t signature, std::uint32_t id)> onPressed;
};
