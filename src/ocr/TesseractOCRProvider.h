#pragma once

#include "ocr/LanguageRecognizer.h"
#include "ocr/OCRProvider.h"
#include "ocr/RecognitionOutput.h"
#include "ocr/RecognitionStrategy.h"
#include "ocr/TextRecognitionEngine.h"

#include <QThreadPool>

#include <functional>
#include <memory>
#include <vector>

// Up to four recognition passes with different engine settings; the best by CJK and Latin
// character counts and confidence is kept.
class TesseractOCRProvider : public OCRProvider
{
public:
    using PreferredLanguagesSource = std::function<QStringList()>;

    // The system's Tesseract, CLD2 and preferred languages.
    TesseractOCRProvider();
    TesseractOCRProvider(std::shared_ptr<TextRecognitionEngine> engine,
                         std::shared_ptr<LanguageRecognizer> languageRecognizer,
                         PreferredLanguagesSource preferredLanguages);
    ~TesseractOCRProvider() override;

    QFuture<OCRResult> recognize(const QImage &image, const OCRRequest &request) override;

    // The whole algorithm on the calling thread; the passes are reported to onPass.
    OCRResult recognizeNow(const QImage &image, const OCRRequest &request,
                           const std::function<void(RecognitionStrategy)> &onPass = {}) const;

    // Loads, on a background thread at idle priority, the engines a capture in this mode uses
    // first, so the first capture after launch does not wait for them.
    void warmUp(PreferredLanguageMode mode) override;

    // Frees the engines that an idle program does not need.
    void releaseIdleMemory() { m_engine->releaseIdleMemory(); }

    static std::vector<RecognitionStrategy> refinementStrategies(const RecognitionOutput &best,
                                                                 const OCRRequest &request);
    // Whether a refinement pass's output replaces the best so far.
    static bool accepts(const RecognitionOutput &best, const RecognitionOutput &candidate);

private:
    TextRecognitionSettings settingsFor(RecognitionStrategy strategy, const OCRRequest &request) const;
    RecognitionOutput performRecognition(const QImage &image, const OCRRequest &request,
                                         RecognitionStrategy strategy) const;

    std::shared_ptr<TextRecognitionEngine> m_engine;
    std::shared_ptr<LanguageRecognizer> m_languageRecognizer;
    PreferredLanguagesSource m_preferredLanguages;
    std::unique_ptr<QThreadPool> m_pool;
};
