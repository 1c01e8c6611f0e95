#pragma once

#include "ocr/PreferredLanguageMode.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <optional>

namespace SupportedLanguages {
Q_NAMESPACE

// The recognition languages the program knows.
enum class SupportedLanguage {
    english,
    simplifiedChinese,
    traditionalChinese,
    french,
    german,
    italian,
    japanese,
    korean,
    spanish,
    portuguese,
    turkish,
};
Q_ENUM_NS(SupportedLanguage)

using Order = std::array<SupportedLanguage, 11>;

// Every language, in declaration order.
QList<SupportedLanguage> allCases();
const Order &latinFirst();
const Order &cjkFirst();

// BCP 47 identifier such as "en-US" or "zh-Hans".
QString toRawValue(SupportedLanguage language);
std::optional<SupportedLanguage> fromRawValue(const QString &rawValue);
// The Tesseract model that reads the language, such as "eng" or "chi_sim".
QString tesseractModel(SupportedLanguage language);
// The language of a code as CLD2 names it, such as "en" or "zh-Hant", and back.
std::optional<SupportedLanguage> fromDetectedCode(const QString &code);
QString detectedCode(SupportedLanguage language);

// Only the first preferred language decides between the two orders.
const Order &automaticOrder(const QStringList &preferredLanguages);

// The raw values a mode puts first; automatic reads the preferred languages given.
QStringList visionLanguageHints(PreferredLanguageMode mode, const QStringList &preferredLanguages);
// The same, with the system's preferred languages read now.
QStringList visionLanguageHints(PreferredLanguageMode mode);
} // namespace SupportedLanguages

using SupportedLanguages::SupportedLanguage;
