#include "settings/HotKey.h"

#include "feedback/Localization.h"

#include <QStringList>

HotKey HotKey::defaultTextCapture()
{
    return HotKey{HotKeyKey::two, true, true, false, false};
}

HotKey HotKey::screenshotCapture()
{
    return HotKey{HotKeyKey::one, true, true, false, false};
}

bool HotKey::isRetiredTextShortcut() const
{
    return *this == HotKey{HotKeyKey::two, true, false, false, true};
}

QString HotKey::displayString() const
{
    QStringList parts;
    if (control)
        parts << L::text(LocalizedKey::control);
    if (option)
        parts << L::text(LocalizedKey::option);
    if (shift)
        parts << L::text(LocalizedKey::shift);
    if (command)
        parts << L::text(LocalizedKey::command);
    parts << HotKeyKeys::title(key);
    return parts.join(QLatin1String(" + "));
}

std::uint32_t HotKey::modifierMask() const
{
    return (command ? commandBit : 0) | (shift ? shiftBit : 0) | (option ? optionBit : 0)
        | (control ? controlBit : 0);
}

QJsonObject HotKey::toJson() const
{
    return QJsonObject{
        {QStringLiteral("key"), HotKeyKeys::toRawValue(key)},
        {QStringLiteral("command"), command},
        {QStringLiteral("control"), control},
        {QStringLiteral("option"), option},
        {QStringLiteral("shift"), shift},
    };
}

std::optional<HotKey> HotKey::fromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue keyValue = object.value(QLatin1String("key"));
    if (!keyValue.isString())
        return std::nullopt;
    const std::optional<HotKeyKey> key = HotKeyKeys::fromRawValue(keyValue.toString());
    if (!key)
        return std::nullopt;

    HotKey hotKey{*key, false, false, false, false};
    const std::pair<const char *, bool *> flags[] = {
        {"command", &hotKey.command},
        {"control", &hotKey.control},
        {"option", &hotKey.option},
        {"shift", &hotKey.shift},
    };
    for (const auto &[name, field] : flags) {
        const QJsonValue flag = object.value(QLatin1String(name));
        if (!flag.isBool())
            return std::nullopt;
        *field = flag.toBool();
    }
    return hotKey;
}
