// The recognition algorithm against a scripted engine: the result's assembly, the languages
// each mode asks for, and failures that real Tesseract cannot be made to reach on demand.
#include "ocr/SupportedLanguage.h"
#include "ocr/TesseractOCRProvider.h"

#include <QTest>

namespace {

TextObservation line(const QString &text, float confidence)
{
    return TextObservation{RecognizedText{text, confidence}};
}

QStringList allLanguages()
{
    QStringList identifiers;
    for (SupportedLanguages::SupportedLanguage language : SupportedLanguages::allCases())
        identifiers << SupportedLanguages::toRawValue(language);
    return identifiers;
}

class ScriptedEngine : public TextRecognitionEngine
{
public:
    QStringList supported = allLanguages();
    std::vector<std::vector<TextObservation>> outputs; // one per pass, in order
    int failAtPass = -1;
    std::vector<TextRecognitionSettings> performed;

    QStringList supportedRecognitionLanguages(const TextRecognitionSettings &) override
    {
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

    void automaticModeFollowsTheFirstSystemLanguage_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("first");
        QTest::newRow("ja-JP, en-US") << QStringList{"ja-JP", "en-US"} << "zh-Hans";
        QTest::newRow("ZH-HANS upper case") << QStringList{"ZH-HANS"} << "zh-Hans";
        QTest::newRow("ko_KR") << QStringList{"ko_KR"} << "zh-Hans";
        QTest::newRow("kok-IN, Konkani") << QStringList{"kok-IN"} << "en-US";
        QTest::newRow("yue-Hant-HK") << QStringList{"yue-Hant-HK"} << "en-US";
        QTest::newRow("en-US, ja-JP") << QStringList{"en-US", "ja-JP"} << "en-US";
        QTest::newRow("none") << QStringList{} << "en-US";
    }

    void automaticModeFollowsTheFirstSystemLanguage()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, first);
        Fixture f;
        f.preferred = preferred;
        f.engine->outputs = {{line("x", 0.9f)}};
        f.run(PreferredLanguageMode::automatic);
        QCOMPARE(f.engine->performed[0].recognitionLanguages.first(), first);
    }

    void aFailingRefinementFailsTheWholeRecognition()
    {
        // A first pass that failed, or no languages at all, meet real Tesseract in the
        // recognition test; a later pass failing after a good one only a scripted engine reaches.
        Fixture f;
        f.engine->failAtPass = 2;
        f.engine->outputs = {{line(u"很好 good"_qs, 0.95f)}, {line(u"很好"_qs, 0.9f)}};
        const OCRResult result = f.run(PreferredLanguageMode::prioritizeCJK);
        QCOMPARE(result.status, OCRStatus::failed);
        QCOMPARE(result.failureReason, OCRFailureReason::recognitionFailed);
        QVERIFY(result.text.isEmpty() && result.detectedLanguages.isEmpty());
        QCOMPARE(result.confidence, 0.0);
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
