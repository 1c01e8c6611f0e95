#include "settings/HotKeyKey.h"

namespace HotKeyKeys {

namespace {
struct KeyInfo {
    const char *rawValue;
    std::uint32_t keyCode;
};

constexpr std::array<KeyInfo, 10> infos{{
    {"zero", 29},
    {"one", 18},
    {"two", 19},
    {"three", 20},
    {"four", 21},
    {"five", 23},
    {"six", 22},
    {"seven", 26},
    {"eight", 28},
    {"nine", 25},
}};

const KeyInfo &info(HotKeyKey key)
{
    return infos[static_cast<size_t>(key)];
}
} // namespace

const std::array<HotKeyKey, 10> &allCases()
{
    static constexpr std::array<HotKeyKey, 10> cases{
        HotKeyKey::zero, HotKeyKey::one, HotKeyKey::two,   HotKeyKey::three, HotKeyKey::four,
        HotKeyKey::five, HotKeyKey::six, HotKeyKey::seven, HotKeyKey::eight, HotKeyKey::nine,
    };
    return cases;
}

QString toRawValue(HotKeyKey key)
{
    return QString::fromLatin1(info(key).rawValue);
}

std::optional<HotKeyKey> fromRawValue(const QString &rawValue)
{
    for (HotKeyKey key : allCases()) {
        if (rawValue == QLatin1String(info(key).rawValue))
            return key;
    }
    return std::nullopt;
}

QString title(HotKeyKey key)
{
    return QString(QChar(u'0' + static_cast<char16_t>(key)));
}

std::uint32_t keyCode(HotKeyKey key)
{
    return info(key).keyCode;
}

std::optional<HotKeyKey> fromKeyCode(std::uint32_t keyCode)
{
    for (HotKeyKey key : allCases()) {
        if (info(key).keyCode == keyCode)
            return key;
    }
    return std::nullopt;
}

} // namespace HotKeyKeys
