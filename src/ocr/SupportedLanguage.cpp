#include "ocr/SupportedLanguage.h"

#include "common/EnumNames.h"

#include <QLocale>
#include <QRegularExpression>

namespace SupportedLanguages {

using enum SupportedLanguage;

QList<SupportedLanguage> allCases()
{
    return EnumNames::values<SupportedLanguage>();
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

namespace {
// The one table of the names each part of recognition knows a language by.
struct LanguageNames {
    const char *identifier; // BCP 47
    const char *model;      // Tesseract's
    const char *detected;   // CLD2's
};

// In declaration order of SupportedLanguage.
constexpr std::array<LanguageNames, 11> names{{
    {"en-US", "eng", "en"},     {"zh-Hans", "chi_sim", "zh"}, {"zh-Hant", "chi_tra", "zh-Hant"},
    {"fr-FR", "fra", "fr"},     {"de-DE", "deu", "de"},       {"it-IT", "ita", "it"},
    {"ja-JP", "jpn", "ja"},     {"ko-KR", "kor", "ko"},       {"es-ES", "spa", "es"},
    {"pt-PT", "por", "pt"},     {"tr-TR", "tur", "tr"},
}};

const LanguageNames &namesOf(SupportedLanguage language)
{
    return names[static_cast<size_t>(language)];
}
} // namespace

QString toRawValue(SupportedLanguage language)
{
    return QString::fromLatin1(namesOf(language).identifier);
}

QString tesseractModel(SupportedLanguage language)
{
    return QString::fromLatin1(namesOf(language).model);
}

QString detectedCode(SupportedLanguage language)
{
    return QString::fromLatin1(namesOf(language).detected);
}

std::optional<SupportedLanguage> fromDetectedCode(const QString &code)
{
    for (SupportedLanguage language : allCases()) {
        if (code == QLatin1String(namesOf(language).detected))
            return language;
    }
    return std::nullopt;
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
    // The language subtag alone: "kok" (Konkani) is not Korean.
    const QString language = preferredLanguages.first().section(QRegularExpression(QStringLiteral("[-_]")), 0, 0).toLower();
    const bool cjk = language == QLatin1String("zh") || language == QLatin1String("ja") || language == QLatin1String("ko");
    return cjk ? cjkFirst() : latinFirst();
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
    return visionLanguageHints(mode, QLocale::system().uiLanguages());
}

} // namespace SupportedLanguages
