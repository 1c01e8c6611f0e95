#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The digit keys a shortcut can use.
enum class HotKeyKey : std::uint8_t { zero, one, two, three, four, five, six, seven, eight, nine };

namespace HotKeyKeys {
const std::array<HotKeyKey, 10> &allCases();

QString toRawValue(HotKeyKey key);
std::optional<HotKeyKey> fromRawValue(const QString &rawValue);

// The digit itself: "0" for zero ... "9" for nine.
QString title(HotKeyKey key);

// Virtual key code of the key's position in the US digit row. Not in digit order.
std::uint32_t keyCode(HotKeyKey key);

// The inverse of keyCode(), for platform layers that translate codes back to keys.
std::optional<HotKeyKey> fromKeyCode(std::uint32_t keyCode);
} // namespace HotKeyKeys
