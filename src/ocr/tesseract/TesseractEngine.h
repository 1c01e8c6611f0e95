#pragma once

#include "ocr/TextRecognitionEngine.h"

#include <QString>

#include <memory>

// Tesseract behind the engine interface. Initialised engines are pooled per model and reused;
// several threads may recognise at once. Engines idle for a while are freed but the last used.
class TesseractEngine : public TextRecognitionEngine
{
public:
    // An empty path means the system's tessdata folder (or TESSDATA_PREFIX).
    explicit TesseractEngine(QString tessdataPath = {});
    ~TesseractEngine() override;

    QStringList supportedRecognitionLanguages(const TextRecognitionSettings &settings) override;
    std::vector<TextObservation> perform(const QImage &image,
                                         const TextRecognitionSettings &settings) override;

    // Initialises the engines these settings try first, so the first real use does not wait.
    void warmUp(const TextRecognitionSettings &settings) override;
    void releaseIdleMemory() override;

    static QString defaultTessdataPath();
    // "en-US" -> "eng"; empty for identifiers the program does not know.
    static QString tesseractLanguage(const QString &identifier);

private:
    class Private;
    std::unique_ptr<Private> d;
};
