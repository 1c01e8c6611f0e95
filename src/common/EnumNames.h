#pragma once

#include <QList>
#include <QMetaEnum>
#include <QString>

#include <optional>

// Stored names of Q_ENUM values: a value is stored as its name in the code.
namespace EnumNames {

template<typename Enum>
QString name(Enum value)
{
    return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(static_cast<int>(value)));
}

// Exact, case-sensitive match of a value's name; anything else, qualified names included, is none.
template<typename Enum>
std::optional<Enum> fromName(const QString &name)
{
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    bool ok = false;
    const int value = meta.keyToValue(name.toLatin1().constData(), &ok);
    if (!ok || name != QLatin1String(meta.valueToKey(value)))
        return std::nullopt;
    return static_cast<Enum>(value);
}

// Every value, in declaration order.
template<typename Enum>
QList<Enum> values()
{
    const QMetaEnum meta = QMetaEnum::fromType<Enum>();
    QList<Enum> all;
    for (int i = 0; i < meta.keyCount(); ++i)
        all << static_cast<Enum>(meta.value(i));
    return all;
}

} // namespace EnumNames
