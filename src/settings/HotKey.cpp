#include "settings/HotKey.h"

#include "common/EnumNames.h"

#include <QCoreApplication>
#include <QKeySequence>
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
    // Qt's words for the keys, in the order the program has always written them (Qt itself would
    // put Super first): "Ctrl+Super+2".
    QStringList parts;
    const std::pair<bool, Qt::KeyboardModifier> modifiers[] = {
        {control, Qt::ControlModifier}, {option, Qt::AltModifier}, {shift, Qt::ShiftModifier}, {command, Qt::MetaModifier}};
    for (const auto &[on, modifier] : modifiers) {
        if (on)
            parts << modifierName(modifier);
    }
    parts << HotKeyKeys::title(key);
    return parts.join(u'+');
}

QString HotKey::modifierName(Qt::KeyboardModifier modifier)
{
    // The sequence text of the modifier with a key ends in "+" and the key's name.
    QString text = QKeySequence(QKeyCombination(modifier, Qt::Key_0)).toString(QKeySequence::NativeText);
    text.truncate(text.lastIndexOf(u'+'));
    // Qt names the logo key Meta; Linux desktops and keyboards call it Super. Qt's own text, in
    // Qt's own translation: passed by name so that our translation files do not take it up.
    static constexpr const char *qtContext = "QShortcut";
    static constexpr const char *qtMeta = "Meta";
    return text == QCoreApplication::translate(qtContext, qtMeta) ? QStringLiteral("Super") : text;
}

PlatformShortcut HotKey::platformShortcut() const
{
    Qt::KeyboardModifiers modifiers;
    modifiers.setFlag(Qt::MetaModifier, command);
    modifiers.setFlag(Qt::ControlModifier, control);
    modifiers.setFlag(Qt::AltModifier, option);
    modifiers.setFlag(Qt::ShiftModifier, shift);
    return {Qt::Key(Qt::Key_0 + int(key)), modifiers};
}

QJsonObject HotKey::toJson() const
{
    return QJsonObject{
        {QStringLiteral("key"), EnumNames::name(key)},
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
    const std::optional<HotKeyKey> key = EnumNames::fromName<HotKeyKey>(keyValue.toString());
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
