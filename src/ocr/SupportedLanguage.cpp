#include "ocr/SupportedLanguage.h"

#include "platform/PreferredLanguages.h"

namespace SupportedLanguages {

using enum SupportedLanguage;

const Order &allCases()
{
    static constexpr Order cases{english, simplifiedChinese, traditionalChinese, french,
                                 german,  italian,           japanese,           korean,
                                 spanish, portuguese,        turkish};
    return cases;
}

const Order &latinFirst()
{
    static constexpr Order order{english, french, german, italian, spanish, portuguese,
                                 turkish, simplifiedChinese, traditionalChinese, japanese,
                                 korean};
    return order;
}

const Order &cjkFirst()
{
    static constexpr Order order{simplifiedChinese, traditionalChinese, japanese, korean,
                                 english, french, german, italian, spanish, portuguese,
                                 turkish};
    return order;
}

QString toRawValue(SupportedLanguage language)
{
    static constexpr std::array<const char *, 11> rawValues{
        "en-US", "zh-Hans", "zh-Hant", "fr-FR", "de-DE", "it-IT",
        "ja-JP", "ko-KR",   "es-ES",   "pt-PT", "tr-TR",
    };
    return QString::fromLatin1(rawValues[static_cast<size_t>(language)]);
}

std::optional<SupportedLanguage> fromRawValue(const QString &rawValue)
{
    for (SupportedLanguage language : allCases()) {
        if (toRawValue(language) == rawValue)
            return language;
    }
    return std::nullopt;
}

const Order &automaticOrder(const QStringList &preferredLanguages)
{
    if (preferredLanguages.isEmpty())
        return latinFirst();
    const QString first = preferredLanguages.first().toLower();
    for (const char *prefix : {"zh", "ja", "ko"}) {
        if (first.startsWith(QLatin1String(prefix)))
            return cjkFirst();
    }
    return latinFirst();
}

QStringList visionLanguageHints(PreferredLanguageMode mode, const QStringList &preferredLanguages)
{
    const Order &order = mode == PreferredLanguageMode::prioritizeLatin ? latinFirst()
        : mode == PreferredLanguageMode::prioritizeCJK                   ? cjkFirst()
                                                       : automaticOrder(preferredLanguages);
    QStringList hints;
    hints.reserve(static_cast<qsizetype>(order.size()));
    for (SupportedLanguage language : order)
        hints << toRawValue(language);
    return hints;
}

QStringList visionLanguageHints(PreferredLanguageMode mode)
{
    return visionLanguageHints(mode, PreferredLanguages::current());
}

} // namespace SupportedLanguages
