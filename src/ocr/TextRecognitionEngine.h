#pragma once

#include "ocr/RecognitionLimit.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

// What one recognition run is asked to do.
struct TextRecognitionSettings {
    // Lines lower than this fraction of the image height are ignored.
    float minimumTextHeight = 0;
    bool usesLanguageCorrection = true;
    bool automaticallyDetectsLanguage = false;
    // BCP 47 identifiers in priority order; empty means the engine's default.
    QStringList recognitionLanguages;
    // Reached, perform() throws RecognitionStopped.
    RecognitionLimit limit;

    bool operator==(const TextRecognitionSettings &) const = default;
};

struct RecognizedText {
    QString string;
    float confidence = 0; // 0...1

    bool operator==(const RecognizedText &) const = default;
};

// One text line found by the engine, with its single best candidate if it has one, and the
// spaces it is indented by where indentation is part of the text (code).
struct TextObservation {
    std::optional<RecognizedText> topCandidate;
    int indentation = 0;

    bool operator==(const TextObservation &) const = default;
};

class TextRecognitionError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A text-recognition engine. Both operations may throw TextRecognitionError.
// Implementations must allow calls from any thread.
class TextRecognitionEngine
{
public:
    virtual ~TextRecognitionEngine() = default;

    // The BCP 47 identifiers the engine can recognise with these settings.
    virtual QStringList supportedRecognitionLanguages(const TextRecognitionSettings &settings) = 0;

    // Text lines in the engine's reading order.
    virtual std::vector<TextObservation> perform(const QImage &image,
                                                 const TextRecognitionSettings &settings) = 0;

    // Prepares what perform() with these settings needs, so that its first call is fast.
    virtual void warmUp(const TextRecognitionSettings &) {}

    // Gives back what idle engines hold beyond what the next capture most likely needs.
    virtual void releaseIdleMemory() {}
};
