#include "settings/AppSettings.h"

#include "common/EnumNames.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {
// A real document is about 150 bytes; anything this large is garbage, not worth parsing.
constexpr qsizetype maximumDocumentSize = 1024 * 1024;
} // namespace

QByteArray AppSettings::toJson() const
{
    const QJsonObject object{
        {QStringLiteral("hotKey"), hotKey.toJson()},
        {QStringLiteral("preferredLanguageMode"),
         EnumNames::name(preferredLanguageMode)},
    };
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

std::optional<AppSettings> AppSettings::fromJson(const QByteArray &json)
{
    if (json.size() > maximumDocumentSize)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject object = document.object();

    const std::optional<HotKey> hotKey = HotKey::fromJson(object.value(QLatin1String("hotKey")));
    const QJsonValue mode = object.value(QLatin1String("preferredLanguageMode"));
    if (!hotKey || !hotKey->hasRequiredModifier() || !mode.isString())
        return std::nullopt;
    const std::optional<PreferredLanguageMode> languageMode =
        EnumNames::fromName<PreferredLanguageMode>(mode.toString());
    if (!languageMode)
        return std::nullopt;
    return AppSettings{*hotKey, *languageMode};
}
