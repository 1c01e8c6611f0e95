#include "ocr/RecognitionStrategy.h"

#include "ocr/SupportedLanguage.h"

namespace RecognitionStrategies {

TextRecognitionSettings settings(RecognitionStrategy strategy)
{
    TextRecognitionSettings settings;
    const bool preferred = strategy == RecognitionStrategy::preferredLanguages;
    settings.minimumTextHeight = preferred ? 0.012f : 0.004f;
    settings.usesLanguageCorrection = preferred;
    settings.automaticallyDetectsLanguage = strategy == RecognitionStrategy::automaticFallback;
    return settings;
}

QStringList filtered(const QStringList &languages, const QStringList &supportedLanguages)
{
    QStringList result;
    for (const QString &language : languages) {
        if (supportedLanguages.contains(language))
            result << language;
    }
    return result;
}

QStringList languageHints(RecognitionStrategy strategy, const QStringList &supportedLanguages)
{
    switch (strategy) {
    case RecognitionStrategy::preferredLanguages:
    case RecognitionStrategy::automaticFallback:
        return {};
    case RecognitionStrategy::cjkRefinement:
        return filtered(SupportedLanguages::visionLanguageHints(PreferredLanguageMode::prioritizeCJK, {}),
                        supportedLanguages);
    case RecognitionStrategy::mixedCJKRefinement:
        return filtered({"zh-Hans", "zh-Hant", "ja-JP", "ko-KR", "en-US"}, supportedLanguages);
    }
    return {};
}

} // namespace RecognitionStrategies
