// Recognition benchmark.
//   ocr_bench --mode MODE IMAGE...   print each image's text as it would go to the clipboard
//   ocr_bench --prepared OUT.png IMAGE   write the image as prepared for the models
//   ocr_bench [--quick] [--groups a,b] [--modes m,n] [--system en-US,zh-CN] [--fullscreen]
//             [--memory] [--real FOLDER]
//       run the corpus (rendered and captured from real programs) and compare it with plain
//       Tesseract told the right language, in the same run: error rates, latencies, memory.
#include "Corpus.h"
#include "TextDistance.h"

#include "ocr/SupportedLanguage.h"
#include "ocr/TesseractOCRProvider.h"
#include "ocr/tesseract/Cld2LanguageRecognizer.h"
#include "ocr/tesseract/TesseractEngine.h"
#include "ocr/tesseract/TesseractImage.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>
#include <QThread>

#include <omp.h>
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
    int emptyWhereBaselineReads = 0;
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
    double rate() const { return characters ? 100.0 * double(errors) / double(characters) : 0; }
    double percentile(double p) const
    {
        std::vector<double> sorted = milliseconds;
        std::sort(sorted.begin(), sorted.end());
        return sorted.empty() ? 0 : sorted[std::min(sorted.size() - 1, size_t(p * double(sorted.size())))];
    }
};

// What a user of the tesseract command gets: one run, automatic page layout, the language told.
class Baseline
{
public:
    explicit Baseline(const QString &languages)
    {
        m_api.Init(TesseractEngine::defaultTessdataPath().toLocal8Bit().constData(),
                   languages.toLatin1().constData(), tesseract::OEM_DEFAULT);
        m_api.SetVariable("debug_file", "/dev/null");
        m_api.SetPageSegMode(tesseract::PSM_AUTO);
    }
    QString recognize(const QImage &image)
    {
        const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
        m_api.SetImage(gray.constBits(), gray.width(), gray.height(), 1, int(gray.bytesPerLine()));
        std::unique_ptr<char[]> text(m_api.GetUTF8Text());
        QStringList lines = QString::fromUtf8(text.get()).split(u'\n');
        lines.removeIf([](const QString &line) { return line.trimmed().isEmpty(); });
        for (QString &line : lines)
            line = line.trimmed();
        return lines.join(u'\n');
    }

private:
    tesseract::TessBaseAPI m_api;
};

long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// Processor time of all the process's threads: on a busy machine the wall clock says more
// about the neighbours than about the work.
double cpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

long currentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4096 / (1024 * 1024) : -1;
}

const std::map<QString, PreferredLanguageMode> allModes{
    {"automatic", PreferredLanguageMode::automatic},
    {"prioritizeLatin", PreferredLanguageMode::prioritizeLatin},
    {"prioritizeCJK", PreferredLanguageMode::prioritizeCJK},
};

std::unique_ptr<TesseractOCRProvider> makeProvider(const QString &systemLanguage)
{
    return std::make_unique<TesseractOCRProvider>(std::make_shared<TesseractEngine>(),
                                                  std::make_shared<Cld2LanguageRecognizer>(),
                                                  [systemLanguage] { return QStringList{systemLanguage}; });
}

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

// The image as prepared for the models, glyphs boxed in green and rules in red: for tracing
// what preparation kept and dropped.
int writePrepared(const QString &file, const QString &output)
{
    const TesseractImage prepared = TesseractImage::prepare(QImage(file));
    QImage shown = prepared.image.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&shown);
    painter.setPen(Qt::green);
    for (const QRect &glyph : prepared.glyphs)
        painter.drawRect(glyph);
    painter.setPen(Qt::red);
    for (const QRect &rule : prepared.rules)
        painter.drawRect(rule);
    painter.end();
    return shown.save(output) ? 0 : 1;
}

QString percent(double value) { return QString::number(value, 'f', 2); }

bool isCJKGroup(const QString &group)
{
    return QStringList{"zh-Hans", "zh-Hant", "japanese", "korean", "mixed"}.contains(group);
}

bool isTwoLineGroup(const std::vector<CorpusSample> &samples, const QString &group)
{
    return std::any_of(samples.begin(), samples.end(),
                       [&](const CorpusSample &s) { return s.group == group && s.truth.count(u'\n') == 1; });
}

struct Run {
    std::map<QString, std::map<QString, Measure>> byGroup; // group -> mode or "baseline"
    std::map<QString, QStringList> worst;                   // mode -> a few poor readings
};

void printTable(const Run &run, const QStringList &modes, const std::vector<CorpusSample> &samples)
{
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
               .arg("group", -14).arg("mode", -16).arg("CER>=14", 8).arg("base", 7).arg("CER<14", 8)
               .arg("passes", 6).arg("p50", 6).arg("base", 6).arg("p95", 6).arg("empty", 5);
    std::map<QString, std::vector<double>> groupRates;
    std::map<QString, std::vector<double>> twoLine[2]; // Latin, CJK
    for (const auto &[group, byMode] : run.byGroup) {
        const Measure &base = byMode.at("baseline");
        for (const QString &mode : modes) {
            const Measure &m = byMode.at(mode);
            const int count = int(m.milliseconds.size());
            out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10\n")
                       .arg(group, -14).arg(mode, -16).arg(percent(m.rate()), 8).arg(percent(base.rate()), 7)
                       .arg(m.smallCharacters ? percent(100.0 * double(m.smallErrors) / double(m.smallCharacters)) : "-", 8)
                       .arg(QString::number(double(m.passes) / count, 'f', 2), 6)
                       .arg(QString::number(m.percentile(0.5), 'f', 0), 6)
                       .arg(QString::number(base.percentile(0.5), 'f', 0), 6)
                       .arg(QString::number(m.percentile(0.95), 'f', 0), 6)
                       .arg(m.emptyWhereBaselineReads, 5);
            groupRates[mode].push_back(m.rate());
            if (isTwoLineGroup(samples, group) && !group.startsWith("real-"))
                twoLine[isCJKGroup(group) ? 1 : 0][mode].insert(twoLine[isCJKGroup(group) ? 1 : 0][mode].end(),
                                                                 m.milliseconds.begin(), m.milliseconds.end());
        }
        groupRates["baseline"].push_back(base.rate());
        if (isTwoLineGroup(samples, group) && !group.startsWith("real-"))
            twoLine[isCJKGroup(group) ? 1 : 0]["baseline"].insert(twoLine[isCJKGroup(group) ? 1 : 0]["baseline"].end(),
                                                                   base.milliseconds.begin(), base.milliseconds.end());
    }
    const auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values.empty() ? 0.0 : values[values.size() / 2];
    };
    for (const QString &mode : modes + QStringList{"baseline"}) {
        const std::vector<double> &rates = groupRates[mode];
        double sum = 0;
        for (double rate : rates)
            sum += rate;
        out << "  " << mode << ": mean CER>=14 over groups " << percent(rates.empty() ? 0 : sum / double(rates.size()))
            << " %, worst group " << percent(rates.empty() ? 0 : *std::max_element(rates.begin(), rates.end())) << " %";
        out << "; two-line p50 Latin " << median(twoLine[0][mode]) << " ms, CJK " << median(twoLine[1][mode]) << " ms";
        if (mode != "baseline") {
            out << " (" << QString::number(median(twoLine[0][mode]) / std::max(1.0, median(twoLine[0]["baseline"])), 'f', 2)
                << "x and " << QString::number(median(twoLine[1][mode]) / std::max(1.0, median(twoLine[1]["baseline"])), 'f', 2)
                << "x plain Tesseract)";
        }
        out << "\n";
    }
    for (const auto &[mode, lines] : run.worst)
        for (const QString &line : lines)
            out << "  poor " << mode << ": " << line << "\n";
    out.flush();
}

Run runCorpus(TesseractOCRProvider &provider, const std::vector<CorpusSample> &samples, const QStringList &modes)
{
    Run run;
    std::map<QString, std::unique_ptr<Baseline>> baselines;
    for (const CorpusSample &sample : samples) {
        auto &baseline = baselines[sample.model];
        if (!baseline) {
            baseline = std::make_unique<Baseline>(sample.model);
            baseline->recognize(sample.image); // warm, as our engines are
        }
        // Timed right before our own readings of the same image: the machine's load changes
        // over a run, and the ratio is what is compared.
        QElapsedTimer timer;
        timer.start();
        const QString baselineText = baseline->recognize(sample.image);
        run.byGroup[sample.group]["baseline"].add(sample, baselineText, double(timer.nsecsElapsed()) / 1e6, 1);
        for (const QString &mode : modes) {
            int passes = 0;
            // A fresh copy each time: nothing may be remembered from another mode's run.
            const OCRResult result = provider.recognizeNow(sample.image.copy(), OCRRequest{allModes.at(mode)},
                                                           [&](RecognitionStrategy) { ++passes; });
            Measure &m = run.byGroup[sample.group][mode];
            m.add(sample, result.text, double(result.durationMilliseconds), passes);
            if (result.text.isEmpty() && !baselineText.isEmpty())
                ++m.emptyWhereBaselineReads;
            const int distance = textDistance(result.text, sample.truth);
            if (sample.pixelSize >= 14 && distance * 50 > sample.truth.size() && run.worst[mode].size() < 12)
                run.worst[mode] << sample.name + " [" + QString(result.text).replace(u'\n', u'|') + "]";
        }
    }
    return run;
}

void fullScreen(const QString &systemLanguage)
{
    const CorpusSample sample = Corpus::fullScreenChinese();
    auto provider = makeProvider(systemLanguage);
    // Both sides warm: the baseline's engine is initialised before its timer starts, ours by a
    // small capture of the same script.
    provider->recognizeNow(Corpus::samples({"zh-Hans"}).front().image, OCRRequest{});
    QElapsedTimer timer;
    timer.start();
    double cpu = cpuMilliseconds();
    const OCRResult result = provider->recognizeNow(sample.image, OCRRequest{PreferredLanguageMode::automatic});
    const double ours = double(timer.nsecsElapsed()) / 1e6;
    const double oursCpu = cpuMilliseconds() - cpu;
    Baseline baseline(sample.model);
    timer.restart();
    cpu = cpuMilliseconds();
    const QString text = baseline.recognize(sample.image);
    const double plain = double(timer.nsecsElapsed()) / 1e6;
    const double plainCpu = cpuMilliseconds() - cpu;
    out << "full screen Chinese 1920x1080 16 px, automatic, system " << systemLanguage << ": " << qRound(ours)
        << " ms (" << qRound(oursCpu) << " ms CPU), CER "
        << percent(100.0 * textDistance(result.text, sample.truth) / double(sample.truth.size()))
        << " %; tesseract -l chi_sim " << qRound(plain) << " ms (" << qRound(plainCpu) << " ms CPU), CER "
        << percent(100.0 * textDistance(text, sample.truth) / double(sample.truth.size())) << " %; ratio "
        << QString::number(ours / plain, 'f', 2) << " (CPU " << QString::number(oursCpu / plainCpu, 'f', 2) << ")\n";
    out.flush();
}

// One program's life: warm-up for the automatic mode, then all eleven languages in every mode.
void memory(const QString &systemLanguage)
{
    const long start = currentMegabytes();
    auto provider = makeProvider(systemLanguage);
    provider->warmUp(PreferredLanguageMode::automatic);
    QThread::msleep(1500);
    provider->recognizeNow(Corpus::samples({"english"})[4].image, OCRRequest{});
    const long warm = currentMegabytes();
    for (const CorpusSample &sample : Corpus::samples()) {
        if (sample.pixelSize != 18)
            continue;
        for (const auto &[name, mode] : allModes)
            provider->recognizeNow(sample.image.copy(), OCRRequest{mode});
    }
    provider->recognizeNow(Corpus::fullScreenChinese().image, OCRRequest{});
    const long peak = peakMegabytes();
    provider->recognizeNow(Corpus::samples({"english"})[4].image, OCRRequest{});
    provider->releaseIdleMemory();
    const long idle = currentMegabytes();
    out << "memory (RSS, MB): at start " << start << ", idle after warm-up and one capture " << warm
        << ", peak over all eleven languages in all modes and a full screen " << peak
        << ", idle after that run " << idle << "\n";
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    // The benchmark needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // The baseline runs here; it gets the same single-threaded OpenMP as our engines.
    omp_set_max_active_levels(0);
    QCommandLineParser parser;
    parser.addOption({"mode", "Recognise the given images in this mode.", "mode"});
    parser.addOption({"prepared", "Write the given image as prepared for the models to this file.", "file"});
    parser.addOption({"groups", "Only these corpus groups (comma separated).", "groups"});
    parser.addOption({"modes", "Only these modes (comma separated).", "modes"});
    parser.addOption({"system", "System languages to run (comma separated), default en-US.", "tags"});
    parser.addOption({"quick", "Only 14 px and 24 px at scale 1."});
    parser.addOption({"fullscreen", "Time a full 1920x1080 screen of Chinese."});
    parser.addOption({"memory", "Measure memory over a run of all eleven languages."});
    parser.addOption({"real", "Folder of screens captured from real programs.", "folder", TESSARIN_REAL_CORPUS});
    parser.addPositionalArgument("images", "Images to recognise with --mode.");
    parser.process(app);

    const QStringList systems = parser.value("system").isEmpty() ? QStringList{"en-US"} : parser.value("system").split(',');
    if (parser.isSet("prepared") && !parser.positionalArguments().isEmpty())
        return writePrepared(parser.positionalArguments().first(), parser.value("prepared"));
    if (parser.isSet("mode")) {
        if (!allModes.contains(parser.value("mode"))) {
            out << "unknown mode\n";
            return 2;
        }
        return printTexts(*makeProvider(systems.first()), allModes.at(parser.value("mode")), parser.positionalArguments());
    }
    if (parser.isSet("memory")) {
        memory(systems.first());
        return 0;
    }
    if (parser.isSet("fullscreen")) {
        fullScreen(systems.first());
        return 0;
    }

    const QStringList groups = parser.value("groups").split(',', Qt::SkipEmptyParts);
    std::vector<CorpusSample> samples = Corpus::samples(groups);
    if (parser.isSet("quick"))
        std::erase_if(samples, [](const CorpusSample &s) { return s.name.contains("-x2-") || (s.pixelSize != 14 && s.pixelSize != 24); });
    for (CorpusSample &sample : Corpus::captured(parser.value("real"), groups))
        samples.push_back(std::move(sample));
    QStringList modes = parser.value("modes").split(',', Qt::SkipEmptyParts);
    if (modes.isEmpty())
        modes = QStringList{"automatic", "prioritizeLatin", "prioritizeCJK"};

    for (const QString &system : systems) {
        auto provider = makeProvider(system);
        provider->recognizeNow(samples.front().image.copy(), OCRRequest{});
        out << "system language " << system << "; " << samples.size()
            << " samples; CER in % (base: plain Tesseract told the right language); latency in ms\n";
        printTable(runCorpus(*provider, samples, modes), modes, samples);
    }
    return 0;
}
