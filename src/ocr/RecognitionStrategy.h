#pragma once

#include "ocr/OCRModels.h"
#include "ocr/TextRecognitionEngine.h"

#include <QStringList>

// The engine settings of one recognition pass.
enum class RecognitionStrategy {
    preferredLanguages,
    automaticFallback,
    cjkRefinement,
    mixedCJKRefinement,
};

namespace RecognitionStrategies {
// Settings without languages; the recogniser chooses those per pass.
TextRecognitionSettings settings(RecognitionStrategy strategy);

// The strategy's own language list filtered against the supported set, keeping order.
// Empty for the automatic fallback, and for preferredLanguages, whose list comes from the request.
QStringList languageHints(RecognitionStrategy strategy, const QStringList &supportedLanguages);

QStringList filtered(const QStringList &languages, const QStringList &supportedLanguages);
} // namespace RecognitionStrategies
