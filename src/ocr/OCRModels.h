#pragma once

#include "ocr/DecodedCode.h"
#include "ocr/PreferredLanguageMode.h"
#include "ocr/RecognitionLimit.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>

struct OCRRequest {
    PreferredLanguageMode preferredLanguageMode = PreferredLanguageMode::automatic;
    RecognitionLimit limit = {};

    bool operator==(const OCRRequest &) const = default;
};

namespace OCROutcomes {
Q_NAMESPACE

enum class OCRStatus : std::uint8_t { success, noText, failed };
Q_ENUM_NS(OCRStatus)

// cancelled: stopped by whoever asked; timedOut: stopped at the request's deadline.
enum class OCRFailureReason : std::uint8_t { none, captureFailed, recognitionFailed, unexpected, cancelled, timedOut };
Q_ENUM_NS(OCRFailureReason)
} // namespace OCROutcomes

using OCROutcomes::OCRFailureReason;
using OCROutcomes::OCRStatus;

struct OCRResult {
    // Lines joined with a line feed, no trailing line feed.
    QString text;
    // One code of the dominant language ("und" when unknown) on success; empty otherwise.
    QStringList detectedLanguages;
    std::int64_t durationMilliseconds = 0;
    double confidence = 0;
    OCRStatus status = OCRStatus::noText;
    OCRFailureReason failureReason = OCRFailureReason::none;
    // The codes found in the image, in reading order; their contents lead the text.
    QList<DecodedCode> codes;

    bool operator==(const OCRResult &) const = default;
};
