// Recognition benchmark.
//   ocr_bench --mode MODE IMAGE...   print each image's text as it would go to the clipboard
//   ocr_bench [--quick] [--groups a,b] [--fullscreen]
//       run the rendered corpus in all three modes and against a plain Tesseract baseline
//       in the same run, and print error rates, passes and latencies.
#include "Corpus.h"
#include "TextDistance.h"

#include "ocr/SupportedLanguage.h"
#include "ocr/TesseractOCRProvider.h"
#include "platform/Cld2LanguageRecognizer.h"
#include "platform/TesseractEngine.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>

#include <tesseract/baseapi.h>

#include <algorithm>
#include <map>
#include <sys/resource.h>

namespace {

QTextStream out(stdout);

struct Measure {
    qint64 errors = 0;
    qint64 characters = 0;
    qint64 smallErrors = 0;
    qint64 smallCharacters = 0;
    int passes = 0;
    std::vector<double> milliseconds;

    void add(const CorpusSample &sample, const QString &text, double ms, int passCount)
    {
        const qsizetype truth = sample.truth.toUcs4().size();
        const int distance = textDistance(text, sample.truth);
        (sample.pixelSize >= 14 ? errors : smallErrors) += distance;
        (sample.pixelSize >= 14 ? characters : smallCharacters) += truth;
        passes += passCount;
        milliseconds.push_back(ms);
    }
    double percentile(double p) const
    {
        std::vector<double> sorted = milliseconds;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0 : sorted[std::min(sorted.size() - 1, size_t(p * double(sorted.size())))];
    }
};

// What a user of the tesseract command gets: one pass, the given languages, default settings.
class Baseline
{
public:
    explicit Baseline(const QString &languages)
    {
        m_api.Init(TesseractEngine::defaultTessdataPath().toLocal8Bit().constData(),
                   languages.toLatin1().constData(), tesseract::OEM_DEFAULT);
        m_api.SetVariable("debug_file", "/dev/null");
    }
    QString recognize(const QImage &image)
    {
        const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
        m_api.SetImage(gray.constBits(), gray.width(), gray.height(), 1, int(gray.bytesPerLine()));
        std::unique_ptr<char[]> text(m_api.GetUTF8Text());
        QStringList lines = QString::fromUtf8(text.get()).split(u'\n');
        lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
        return lines.join(u'\n');
    }

private:
    tesseract::TessBaseAPI m_api;
};

QString modelsOf(const QStringList &identifiers)
{
    QStringList models;
    for (const QString &identifier : identifiers)
        models << TesseractEngine::tesseractLanguage(identifier);
    return models.join(u'+');
}

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

const std::map<QString, PreferredLanguageMode> modes{
    {"automatic", PreferredLanguageMode::automatic},
    {"prioritizeLatin", PreferredLanguageMode::prioritizeLatin},
    {"prioritizeCJK", PreferredLanguageMode::prioritizeCJK},
};

int printTexts(TesseractOCRProvider &provider, PreferredLanguageMode mode, const QStringList &files)
{
    for (const QString &file : files) {
        const QImage image(file);
        const OCRResult result = provider.recognizeNow(image, OCRRequest{mode});
        out << "== " << file << " (" << result.durationMilliseconds << " ms, status "
            << int(result.status) << ")\n" << result.text << "\n";
    }
    return 0;
}

void printRow(const QString &group, const QString &mode, const Measure &m, double baselineP50, int count)
{
    const auto rate = [](qint64 e, qint64 c) { return c ? QString::number(100.0 * double(e) / double(c), 'f', 2) : QString("-"); };
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
               .arg(group, -14)
               .arg(mode, -16)
               .arg(rate(m.errors, m.characters), 9)
               .arg(rate(m.smallErrors, m.smallCharacters), 9)
               .arg(QString::number(double(m.passes) / count, 'f', 2), 7)
               .arg(QString::number(m.percentile(0.5), 'f', 0), 7)
               .arg(QString::number(m.percentile(0.95), 'f', 0), 7)
               .arg(baselineP50 > 0 ? QString::number(m.percentile(0.5) / baselineP50, 'f', 2) : QString("-"), 7);
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"mode", "Recognise the given images in this mode.", "mode"});
    parser.addOption({"groups", "Only these corpus groups (comma separated).", "groups"});
    parser.addOption({"quick", "Only 14 px and 24 px at scale 1."});
    parser.addOption({"fullscreen", "Also a full 1920x1080 screen of Chinese."});
    parser.addPositionalArgument("images", "Images to recognise with --mode.");
    parser.process(app);

    // Fixed system language, so the automatic mode is reproducible.
    const QStringList systemLanguages{"en-US"};
    TesseractOCRProvider provider(std::make_shared<TesseractEngine>(), std::make_shared<Cld2LanguageRecognizer>(),
                                  [systemLanguages] { return systemLanguages; });

    if (parser.isSet("mode")) {
        if (!modes.contains(parser.value("mode"))) {
            out << "unknown mode\n";
            return 2;
        }
        return printTexts(provider, modes.at(parser.value("mode")), parser.positionalArguments());
    }

    std::vector<CorpusSample> samples = Corpus::samples(parser.value("groups").split(',', Qt::SkipEmptyParts));
    if (parser.isSet("quick"))
        std::erase_if(samples, [](const CorpusSample &s) { return s.name.contains("-x2-") || (s.pixelSize != 14 && s.pixelSize != 24); });
    if (parser.isSet("fullscreen"))
        samples.push_back(Corpus::fullScreenChinese());

    out << "system language en-US; " << samples.size() << " samples; CER in %; latency in ms\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8\n")
               .arg("group", -14).arg("mode", -16).arg("CER>=14", 9).arg("CER<14", 9)
               .arg("passes", 7).arg("p50", 7).arg("p95", 7).arg("x base", 7);

    std::map<QString, std::map<QString, Measure>> results; // group -> mode -> measure
    std::map<QString, std::unique_ptr<Baseline>> baselines;
    // Warm every engine first: the targets are for warm engines.
    for (const auto &[name, mode] : modes)
        provider.recognizeNow(samples.front().image.copy(), OCRRequest{mode});

    // Ours first, every mode over the whole corpus, so that the peak memory of our engines is
    // measured before any baseline engine exists.
    for (const CorpusSample &sample : samples) {
        for (const auto &[name, mode] : modes) {
            int passes = 0;
            // A fresh copy each time: nothing may be remembered from another mode's run.
            const OCRResult result = provider.recognizeNow(sample.image.copy(), OCRRequest{mode},
                                                           [&](RecognitionStrategy) { ++passes; });
            results[sample.group][name].add(sample, result.text, double(result.durationMilliseconds), passes);
        }
    }
    const long ourPeak = peakMegabytes();
    for (const CorpusSample &sample : samples) {
        for (const auto &[name, mode] : modes) {
            const QString languages = modelsOf(SupportedLanguages::visionLanguageHints(mode, systemLanguages));
            auto &baseline = baselines[languages];
            if (!baseline)
                baseline = std::make_unique<Baseline>(languages);
            QElapsedTimer timer;
            timer.start();
            const QString text = baseline->recognize(sample.image);
            results[sample.group]["baseline:" + name].add(sample, text, double(timer.nsecsElapsed()) / 1e6, 1);
        }
    }

    for (const auto &[group, byMode] : results) {
        const int count = int(byMode.begin()->second.milliseconds.size());
        for (const auto &[name, mode] : modes) {
            const Measure &baseline = byMode.at("baseline:" + name);
            printRow(group, name, byMode.at(name), baseline.percentile(0.5), count);
            printRow(group, "  baseline", baseline, 0, count);
        }
    }
    out << "peak memory " << ourPeak << " MB with every engine of ours loaded; " << peakMegabytes()
        << " MB with the baselines' engines as well\n";
    return 0;
}
