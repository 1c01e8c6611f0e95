#pragma once

#include <QObject>
#include <QString>

#include <cstdint>

namespace HotKeyKeys {
Q_NAMESPACE

// The digit keys a shortcut can use. Stored by name (EnumNames).
enum class HotKeyKey : std::uint8_t { zero, one, two, three, four, five, six, seven, eight, nine };
Q_ENUM_NS(HotKeyKey)

// The digit itself: "0" for zero ... "9" for nine.
QString title(HotKeyKey key);
} // namespace HotKeyKeys

using HotKeyKeys::HotKeyKey;
