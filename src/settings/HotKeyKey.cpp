#include "settings/HotKeyKey.h"

#include <algorithm>
#include <array>

namespace HotKeyKeys {

namespace {
// By digit.
constexpr std::array<std::uint32_t, 10> keyCodes{29, 18, 19, 20, 21, 23, 22, 26, 28, 25};
} // namespace

QString title(HotKeyKey key)
{
    return QString(QChar(u'0' + static_cast<char16_t>(key)));
}

std::uint32_t keyCode(HotKeyKey key)
{
    return keyCodes[static_cast<size_t>(key)];
}

std::optional<HotKeyKey> fromKeyCode(std::uint32_t keyCode)
{
    const auto found = std::find(keyCodes.begin(), keyCodes.end(), keyCode);
    if (found == keyCodes.end())
        return std::nullopt;
    return static_cast<HotKeyKey>(found - keyCodes.begin());
}

} // namespace HotKeyKeys
