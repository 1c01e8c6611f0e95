#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <optional>

namespace HotKeyKeys {
Q_NAMESPACE

// The digit keys a shortcut can use. Stored by name (EnumNames).
enum class HotKeyKey : std::uint8_t { zero, one, two, three, four, five, six, seven, eight, nine };
Q_ENUM_NS(HotKeyKey)

// The digit itself: "0" for zero ... "9" for nine.
QString title(HotKeyKey key);

// Virtual key code of the key's position in the US digit row. Not in digit order.
std::uint32_t keyCode(HotKeyKey key);

// The inverse of keyCode(), for platform layers that translate codes back to keys.
std::optional<HotKeyKey> fromKeyCode(std::uint32_t keyCode);
} // namespace HotKeyKeys

using HotKeyKeys::HotKeyKey;
