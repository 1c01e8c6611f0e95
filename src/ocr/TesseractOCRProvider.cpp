#include "ocr/TesseractOCRProvider.h"

#include "ocr/OCRLog.h"
#include "ocr/SupportedLanguage.h"
#include "ocr/tesseract/Cld2LanguageRecognizer.h"
#include "ocr/tesseract/TesseractEngine.h"

#include <QThread>

#include <QElapsedTimer>
#include <QLocale>
#include <QtConcurrent>

namespace {
std::int64_t elapsedMilliseconds(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1'000'000;
}
} // namespace

TesseractOCRProvider::TesseractOCRProvider()
    : TesseractOCRProvider(std::make_shared<TesseractEngine>(), std::make_shared<Cld2LanguageRecognizer>(),
                           [] { return QLocale::system().uiLanguages(); })
{
}

TesseractOCRProvider::TesseractOCRProvider(std::shared_ptr<TextRecognitionEngine> engine,
                                           std::shared_ptr<LanguageRecognizer> languageRecognizer,
                                           PreferredLanguagesSource preferredLanguages)
    : m_engine(std::move(engine))
    , m_languageRecognizer(std::move(languageRecognizer))
    , m_preferredLanguages(std::move(preferredLanguages))
    , m_pool(std::make_unique<QThreadPool>())
{
    m_pool->setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
}

TesseractOCRProvider::~TesseractOCRProvider()
{
    m_pool->waitForDone();
}

QFuture<OCRResult> TesseractOCRProvider::recognize(const QImage &image, const OCRRequest &request)
{
    return QtConcurrent::run(m_pool.get(), [this, image, request] { return recognizeNow(image, request); });
}

std::vector<RecognitionStrategy> TesseractOCRProvider::refinementStrategies(const RecognitionOutput &best,
                                                                            const OCRRequest &request)
{
    switch (request.preferredLanguageMode) {
    case PreferredLanguageMode::automatic:
        return {RecognitionStrategy::mixedCJKRefinement};
    case PreferredLanguageMode::prioritizeLatin:
        if (best.averageConfidence() < 0.58 || best.cjkCharacterCount() >= 1)
            return {RecognitionStrategy::mixedCJKRefinement};
        return {};
    case PreferredLanguageMode::prioritizeCJK:
        return {RecognitionStrategy::cjkRefinement, RecognitionStrategy::mixedCJKRefinement};
    }
    return {};
}

bool TesseractOCRProvider::accepts(const RecognitionOutput &best, const RecognitionOutput &candidate)
{
    if (candidate.strings().isEmpty())
        return false;
    const int bestCJK = best.cjkCharacterCount();
    const int candidateCJK = candidate.cjkCharacterCount();
    const double bestConfidence = best.averageConfidence();
    const double candidateConfidence = candidate.averageConfidence();
    const int latinFloor = static_cast<int>(static_cast<double>(best.latinCharacterCount()) * 0.62);
    const bool keepsLatin = candidate.latinCharacterCount() >= latinFloor;

    if (candidateCJK >= bestCJK + 2)
        return keepsLatin && candidateConfidence >= bestConfidence - 0.18;
    if (candidateCJK <= bestCJK)
        return candidateConfidence > bestConfidence + 0.1;
    return keepsLatin && candidateConfidence >= bestConfidence - 0.08;
}

TextRecognitionSettings TesseractOCRProvider::settingsFor(RecognitionStrategy strategy,
                                                          const OCRRequest &request) const
{
    TextRecognitionSettings settings = RecognitionStrategies::settings(strategy);
    const QStringList supported = m_engine->supportedRecognitionLanguages(settings);
    const QStringList modeLanguages = RecognitionStrategies::filtered(
        SupportedLanguages::visionLanguageHints(request.preferredLanguageMode, m_preferredLanguages()),
        supported);
    settings.recognitionLanguages = strategy == RecognitionStrategy::preferredLanguages
        ? modeLanguages
        : RecognitionStrategies::languageHints(strategy, supported);
    settings.limit = request.limit;
    return settings;
}

RecognitionOutput TesseractOCRProvider::performRecognition(const QImage &image, const OCRRequest &request,
                                                           RecognitionStrategy strategy) const
{
    return RecognitionOutput{m_engine->perform(image, settingsFor(strategy, request))};
}

OCRResult TesseractOCRProvider::recognizeNow(const QImage &image, const OCRRequest &request,
                                             const std::function<void(RecognitionStrategy)> &onPass) const
{
    QElapsedTimer timer;
    timer.start();
    auto pass = [&](RecognitionStrategy strategy) {
        if (const RecognitionLimit::Reached reached = request.limit.reached(); reached != RecognitionLimit::Reached::no)
            throw RecognitionStopped(reached);
        if (onPass)
            onPass(strategy);
        return performRecognition(image, request, strategy);
    };

    OCRResult result;
    try {
        RecognitionOutput best = pass(RecognitionStrategy::preferredLanguages);
        if (best.strings().isEmpty())
            best = pass(RecognitionStrategy::automaticFallback);
        for (RecognitionStrategy strategy : refinementStrategies(best, request)) {
            RecognitionOutput candidate = pass(strategy);
            if (accepts(best, candidate))
                best = std::move(candidate);
        }

        const QStringList lines = best.strings();
        if (!lines.isEmpty()) {
            result.text = lines.join(u'\n');
            const QString language = m_languageRecognizer->dominantLanguage(result.text);
            result.detectedLanguages = {language.isEmpty() ? QStringLiteral("und") : language};
            result.confidence = best.averageConfidence();
            result.status = OCRStatus::success;
        }
    } catch (const RecognitionStopped &stopped) {
        result = OCRResult{};
        result.status = OCRStatus::failed;
        result.failureReason = stopped.reason == RecognitionLimit::Reached::cancelled ? OCRFailureReason::cancelled
                                                                                    : OCRFailureReason::timedOut;
        qCDebug(ocrLog) << "recognition stopped:" << result.failureReason;
    } catch (const std::exception &error) {
        qCWarning(ocrLog) << "recognition failed:" << error.what();
        result = OCRResult{};
        result.status = OCRStatus::failed;
        result.failureReason = OCRFailureReason::recognitionFailed;
    } catch (...) {
        qCWarning(ocrLog) << "recognition failed: the engine threw something unknown";
        // Whatever the engine threw, and whatever earlier passes found, the run failed.
        result = OCRResult{};
        result.status = OCRStatus::failed;
        result.failureReason = OCRFailureReason::recognitionFailed;
    }
    result.durationMilliseconds = elapsedMilliseconds(timer);
    return result;
}

void TesseractOCRProvider::warmUp(PreferredLanguageMode mode)
{
    const OCRRequest request{mode};
    std::vector<TextRecognitionSettings> settings;
    try {
        settings.push_back(settingsFor(RecognitionStrategy::preferredLanguages, request));
        for (RecognitionStrategy strategy : refinementStrategies(RecognitionOutput{}, request))
            settings.push_back(settingsFor(strategy, request));
    } catch (const TextRecognitionError &) {
        return; // reported at the first real recognition
    }
    QThread *thread = QThread::create([engine = m_engine, settings] {
        for (const TextRecognitionSettings &each : settings) {
            try {
                engine->warmUp(each);
            } catch (const TextRecognitionError &error) {
                // A model that cannot load fails, and is reported, at the first real capture.
                qCDebug(ocrLog) << "warm-up:" << error.what();
            }
        }
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    // Idle priority: loading models must never slow down what the user is doing.
    thread->start(QThread::IdlePriority);
}
