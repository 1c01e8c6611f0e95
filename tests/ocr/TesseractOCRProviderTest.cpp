// The recognition algorithm against a scripted engine: pass order, settings per pass,
// which result is kept and failure handling, which real Tesseract cannot be made to reach on demand.
#include "ocr/TesseractOCRProvider.h"

#include <QFutureWatcher>
#include <QSignalSpy>
#include <QTest>

namespace {

TextObservation line(const QString &text, float confidence)
{
    return TextObservation{RecognizedText{text, confidence}};
}

RecognitionOutput output(std::vector<TextObservation> observations)
{
    return RecognitionOutput{std::move(observations)};
}

class ScriptedEngine : public TextRecognitionEngine
{
public:
    QStringList supported{"en-US", "zh-Hans", "zh-Hant", "fr-FR", "de-DE", "it-IT",
                          "ja-JP", "ko-KR", "es-ES", "pt-PT", "tr-TR"};
    std::vector<std::vector<TextObservation>> outputs; // one per pass, in order
    int failAtPass = -1;
    bool failSupportedQuery = false;
    std::vector<TextRecognitionSettings> performed;

    QStringList supportedRecognitionLanguages(const TextRecognitionSettings &) override
    {
        if (failSupportedQuery)
            throw TextRecognitionError("no languages");
        return supported;
    }

    std::vector<TextObservation> perform(const QImage &, const TextRecognitionSettings &settings) override
    {
        const int pass = int(performed.size());
        performed.push_back(settings);
        if (pass == failAtPass)
            throw TextRecognitionError("engine failed");
        return pass < int(outputs.size()) ? outputs[size_t(pass)] : std::vector<TextObservation>{};
    }
};

class FixedLanguage : public LanguageRecognizer
{
public:
    QString code;
    QString dominantLanguage(const QString &) const override { return code; }
};

struct Fixture {
    std::shared_ptr<ScriptedEngine> engine = std::make_shared<ScriptedEngine>();
    std::shared_ptr<FixedLanguage> language = std::make_shared<FixedLanguage>();
    QStringList preferred{"en-US"};
    TesseractOCRProvider provider{engine, language, [this] { return preferred; }};
    std::vector<RecognitionStrategy> passes;

    OCRResult run(PreferredLanguageMode mode)
    {
        return provider.recognizeNow(QImage(10, 10, QImage::Format_RGB32), OCRRequest{mode},
                                     [this](RecognitionStrategy strategy) { passes.push_back(strategy); });
    }
};

using enum RecognitionStrategy;
using Strategies = std::vector<RecognitionStrategy>;

} // namespace

class TesseractOCRProviderTest : public QObject
{
    Q_OBJECT

private slots:
    void derivedMeasures()
    {
        QCOMPARE(output({line("x", 0.8f), TextObservation{}}).averageConfidence(), double(0.8f) / 2);
        QCOMPARE(output({}).averageConfidence(), 0.0);
        // Blank candidates count in the average but give no line.
        const RecognitionOutput blank = output({line("  \n ", 0.9f), line("ok", 0.5f)});
        QCOMPARE(blank.strings(), QStringList{"ok"});
        QCOMPARE(blank.averageConfidence(), (double(0.9f) + double(0.5f)) / 2);

        const RecognitionOutput mixed = output({line(u"漢字かなカナ"_qs, 1), line(u"한국어 ABC"_qs, 1)});
        QCOMPARE(mixed.cjkCharacterCount(), 9);
        QCOMPARE(mixed.latinCharacterCount(), 3);
        const RecognitionOutput fullWidth = output({line(u"Ａ１、。ㄱ é"_qs, 1)});
        QCOMPARE(fullWidth.cjkCharacterCount(), 0);
        QCOMPARE(fullWidth.latinCharacterCount(), 0);
        QCOMPARE(output({line(u"\U00020000㐀"_qs, 1)}).cjkCharacterCount(), 1); // extension B does not count
    }

    void confidentLatinTextInLatinModeRunsOnePass()
    {
        Fixture f;
        f.language->code = "en";
        f.engine->outputs = {{line(" Hello world ", 0.9f), line("Second line", 0.9f)}};
        const OCRResult result = f.run(PreferredLanguageMode::prioritizeLatin);
        QCOMPARE(f.passes, Strategies{preferredLanguages});
        QCOMPARE(result.status, OCRStatus::success);
        QCOMPARE(result.text, QStringLiteral("Hello world\nSecond line"));
        QCOMPARE(result.detectedLanguages, QStringList{"en"});
        QCOMPARE(result.confidence, double(0.9f));
        QCOMPARE(f.engine->performed[0].recognitionLanguages.first(), QStringLiteral("en-US"));
    }

    void unsureOrCjkLatinResultGetsTheMixedRefinement()
    {
        Fixture f;
        f.engine->outputs = {{line("Hello", 0.57f)}, {line("Hello", 0.5f)}};
        f.run(PreferredLanguageMode::prioritizeLatin);
        QCOMPARE(f.passes, (Strategies{preferredLanguages, mixedCJKRefinement}));
    }

    void emptyRegionInAutomaticModeRunsThreePassesAndFindsNothing()
    {
        Fixture f;
        f.language->code = "en";
        const OCRResult result = f.run(PreferredLanguageMode::automatic);
        QCOMPARE(f.passes, (Strategies{preferredLanguages, automaticFallback, mixedCJKRefinement}));
        QCOMPARE(result.status, OCRStatus::noText);
        QCOMPARE(result.failureReason, OCRFailureReason::none);
        QVERIFY(result.text.isEmpty() && result.detectedLanguages.isEmpty());
        QCOMPARE(result.confidence, 0.0);
        const TextRecognitionSettings &fallback = f.engine->performed[1];
        QVERIFY(fallback.automaticallyDetectsLanguage && fallback.recognitionLanguages.isEmpty());
    }

    void fallbackResultIsKeptAndRefinedInCjkMode()
    {
        Fixture f;
        f.language->code = "";
        f.engine->outputs = {{}, {line(u"漢字"_qs, 0.4f)}, {line(u"漢字漢字"_qs, 0.35f)}, {line("abc", 0.99f)}};
        const OCRResult result = f.run(PreferredLanguageMode::prioritizeCJK);
        QCOMPARE(f.passes, (Strategies{preferredLanguages, automaticFallback, cjkRefinement, mixedCJKRefinement}));
        // cjkRefinement gains two CJK characters within 0.18; the Latin-only last pass gains none
        // and is compared with the new best (0.35 + 0.1 < 0.99), so it wins.
        QCOMPARE(result.text, QStringLiteral("abc"));
        QCOMPARE(result.detectedLanguages, QStringList{"und"});
        QCOMPARE(f.engine->performed[2].recognitionLanguages.first(), QStringLiteral("zh-Hans"));
    }

    void automaticModeFollowsTheSystemLanguageReadAtEachPass()
    {
        Fixture f;
        f.preferred = {"ja-JP", "en-US"};
        f.engine->outputs = {{line("x", 0.9f)}};
        f.run(PreferredLanguageMode::automatic);
        QCOMPARE(f.engine->performed[0].recognitionLanguages.first(), QStringLiteral("zh-Hans"));
        QCOMPARE(f.passes, (Strategies{preferredLanguages, mixedCJKRefinement}));
    }

    void languagesAreFilteredAgainstTheEngineKeepingOrder()
    {
        Fixture f;
        f.engine->supported = {"ko-KR", "en-US", "de-DE"};
        f.engine->outputs = {{line("x", 0.9f)}};
        f.run(PreferredLanguageMode::prioritizeCJK);
        QCOMPARE(f.engine->performed[0].recognitionLanguages, QStringList({"ko-KR", "en-US", "de-DE"}));
        QCOMPARE(f.engine->performed[2].recognitionLanguages, QStringList({"ko-KR", "en-US"}));

        Fixture none;
        none.engine->supported = {};
        none.engine->outputs = {{line("x", 0.9f)}};
        QCOMPARE(none.run(PreferredLanguageMode::prioritizeCJK).status, OCRStatus::success);
        for (const TextRecognitionSettings &settings : none.engine->performed)
            QVERIFY(settings.recognitionLanguages.isEmpty());
    }

    void anyFailingPassFailsTheWholeRecognition_data()
    {
        QTest::addColumn<int>("failAtPass");
        QTest::addColumn<bool>("failSupportedQuery");
        QTest::newRow("first pass") << 0 << false;
        QTest::newRow("refinement after a good first pass") << 2 << false;
        QTest::newRow("supported-language query") << -1 << true;
    }

    void anyFailingPassFailsTheWholeRecognition()
    {
        QFETCH(int, failAtPass);
        QFETCH(bool, failSupportedQuery);
        Fixture f;
        f.engine->failAtPass = failAtPass;
        f.engine->failSupportedQuery = failSupportedQuery;
        f.engine->outputs = {{line(u"很好 good"_qs, 0.95f)}, {line(u"很好"_qs, 0.9f)}};
        const OCRResult result = f.run(PreferredLanguageMode::prioritizeCJK);
        QCOMPARE(result.status, OCRStatus::failed);
        QCOMPARE(result.failureReason, OCRFailureReason::recognitionFailed);
        QVERIFY(result.text.isEmpty() && result.detectedLanguages.isEmpty());
        QCOMPARE(result.confidence, 0.0);
        QVERIFY(result.durationMilliseconds >= 0);
    }

    void recognizeDeliversOnTheCallersThread()
    {
        Fixture f;
        f.engine->outputs = {{line("async", 0.9f)}};
        QThread *resultThread = nullptr;
        QString text;
        QObject context;
        f.provider.recognize(QImage(4, 4, QImage::Format_RGB32), OCRRequest{PreferredLanguageMode::prioritizeLatin})
            .then(&context, [&](const OCRResult &result) {
                resultThread = QThread::currentThread();
                text = result.text;
            });
        QTRY_COMPARE(text, QStringLiteral("async"));
        QCOMPARE(resultThread, QThread::currentThread());
    }
};

QTEST_GUILESS_MAIN(TesseractOCRProviderTest)
#include "TesseractOCRProviderTest.moc"
