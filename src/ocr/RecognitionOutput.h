#pragma once

#include "ocr/TextRecognitionEngine.h"

#include <QStringList>

#include <vector>

// What one recognition pass produced, with the measures passes are compared by.
struct RecognitionOutput {
    std::vector<TextObservation> observations;

    // The best candidates' strings, trimmed, empty ones dropped.
    QStringList strings() const;
    // Observations without a candidate count in the divisor but add nothing.
    double averageConfidence() const;
    // Han (basic and extension A), kana and Hangul syllables, counted per scalar.
    int cjkCharacterCount() const;
    // ASCII letters and digits only.
    int latinCharacterCount() const;

    bool operator==(const RecognitionOutput &) const = default;
};
