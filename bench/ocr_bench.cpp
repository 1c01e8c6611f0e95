// Recognition benchmark.
//   ocr_bench --mode MODE IMAGE...   print each image's text as it would go to the clipboard
//   ocr_bench --prepared OUT.png IMAGE   write the image as prepared for the models
//   ocr_bench --hostile               captures without text as screens draw it (colour noise, a
//                                     photo) and a full screen of dense 8 px text, each recognised
//                                     in a process of its own through the capture's own path (the
//                                     asynchronous call with its time budget), against plain
//                                     Tesseract: time, peak memory, and the dense text's CER
//   ocr_bench --hostile-write DIR     write those captures (NAME.png) and the dense text (dense.txt)
//                                     for bench/hostile.sh, which drags over them on the screen
//   ocr_bench --cer TRUTH TEXT        the character error rate of a text file against the truth
//   ocr_bench [--quick] [--groups a,b] [--modes m,n] [--system en-US,zh-CN] [--fullscreen]
//             [--memory] [--real FOLDER]
//       run the corpus (rendered and captured from real programs) and compare it with plain
//       Tesseract told the right language, in the same run: error rates, latencies, memory.
#include "Corpus.h"
#include "TextDistance.h"

#include "app/AppController.h"
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
#include <QProcess>
#include <QRandomGenerator>
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
    int lostLines = 0; // lines of the truth missing from the reading
    std::vector<double> milliseconds;

    void add(const CorpusSample &sample, const QString &text, double ms, int passCount)
    {
        const auto lines = [](const QString &t) { return t.isEmpty() ? 0 : int(t.count(u'\n')) + 1; };
        lostLines += std::max(0, lines(sample.truth) - lines(text));
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

// 1920 x 1080 captures that a user may drag over: colour noise, a photo-like picture, and a
// screen of dense 8 px text (with its text).
std::pair<QImage, QString> hostileCapture(const QString &name)
{
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    QRandomGenerator random(7);
    if (name == "noise") {
        for (int y = 0; y < image.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                row[x] = 0xff000000u | (random.generate() & 0xffffffu);
        }
        return {image, QString()};
    }
    QPainter painter(&image);
    if (name == "photo") {
        // Soft overlapping shapes of every colour, and grain: sky, leaves, faces.
        image.fill(QColor(120, 150, 190));
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 400; ++i) {
            const QPointF centre(random.bounded(1920), random.bounded(1080));
            const double radius = 20 + random.bounded(200);
            QRadialGradient gradient(centre, radius);
            gradient.setColorAt(0, QColor::fromRgb(random.generate() | 0xff000000u));
            gradient.setColorAt(1, QColor(0, 0, 0, 0));
            painter.setBrush(gradient);
            painter.drawEllipse(centre, radius, radius * (0.5 + random.bounded(1.0)));
        }
        painter.end();
        for (int y = 0; y < image.height(); ++y) {
            auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grain = int(random.bounded(16)) - 8;
                row[x] = qRgb(std::clamp(qRed(row[x]) + grain, 0, 255), std::clamp(qGreen(row[x]) + grain, 0, 255),
                              std::clamp(qBlue(row[x]) + grain, 0, 255));
            }
        }
        return {image, QString()};
    }
    image.fill(Qt::white);
    QFont font(QStringLiteral("Noto Sans"));
    font.setPixelSize(8);
    painter.setFont(font);
    painter.setPen(QColor(0x20, 0x20, 0x20));
    const QString words = QStringLiteral("the quick brown fox jumps over a lazy dog while seven wizards quietly "
                                         "box jumping frogs near the old mill by the river ");
    QStringList truth;
    for (int y = 2, i = 0; y + 10 < image.height(); y += 10, ++i) {
        const QString line = (words + words + words + words + words).mid(i % 40, 420).trimmed();
        painter.drawText(4, y + 8, line);
        truth << line;
    }
    return {image, truth.join(u'\n')};
}

// One hostile capture, in this process: milliseconds, peak megabytes, characters read, CER.
int hostileOne(const QString &name, bool baseline)
{
    const auto [image, truth] = hostileCapture(name);
    QElapsedTimer timer;
    QString text;
    if (baseline) {
        Baseline plain(QStringLiteral("eng"));
        timer.start();
        text = plain.recognize(image);
    } else {
        // Composed as the program composes it: codes are looked for too.
        const std::unique_ptr<OCRProvider> provider = AppServices::recognizer();
        timer.start();
        const OCRRequest request{PreferredLanguageMode::automatic, RecognitionLimit::within(std::chrono::seconds(10))};
        const OCRResult result = provider->recognize(image, request).result();
        text = result.status == OCRStatus::failed && result.failureReason == OCRFailureReason::timedOut
            ? QStringLiteral("<timed out>") : result.text;
    }
    const double cer = truth.isEmpty() ? 0 : 100.0 * textDistance(text, truth) / double(truth.size());
    out << qRound(double(timer.nsecsElapsed()) / 1e6) << " " << peakMegabytes() << " " << text.size() << " "
        << percent(cer) << "\n";
    out.flush();
    return 0;
}

int writeHostile(const QString &folder)
{
    for (const QString name : {"noise", "photo", "dense"}) {
        const auto [image, truth] = hostileCapture(name);
        if (!image.save(folder + "/" + name + ".png"))
            return 1;
        QFile text(folder + "/" + name + ".txt");
        if (!text.open(QIODevice::WriteOnly) || text.write(truth.toUtf8()) != truth.toUtf8().size())
            return 1;
    }
    return 0;
}

int printErrorRate(const QString &truthFile, const QString &textFile)
{
    QFile truthIn(truthFile);
    QFile textIn(textFile);
    if (!truthIn.open(QIODevice::ReadOnly) || !textIn.open(QIODevice::ReadOnly))
        return 2;
    const QString truth = QString::fromUtf8(truthIn.readAll()).trimmed();
    const QString text = QString::fromUtf8(textIn.readAll()).trimmed();
    out << percent(truth.isEmpty() ? (text.isEmpty() ? 0 : 100) : 100.0 * textDistance(text, truth) / double(truth.size()))
        << "\n";
    return 0;
}

void hostile()
{
    out << "hostile captures, 1920x1080, each in its own process; ours through recognize() with a 10 s budget,\n"
        << "plain Tesseract told English; ms, peak MB, characters read, CER\n";
    for (const QString name : {"noise", "photo", "dense"}) {
        QStringList fields[2];
        for (const bool baseline : {false, true}) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("LANG", "en_US.UTF-8");
            environment.insert("LANGUAGE", "en_US");
            process.setProcessEnvironment(environment);
            process.start(QCoreApplication::applicationFilePath(),
                          {"--hostile-one", name, baseline ? "--baseline" : "--ours"});
            process.waitForFinished(-1);
            fields[baseline ? 1 : 0] = QString::fromUtf8(process.readAllStandardOutput()).simplified().split(u' ');
        }
        const double ratio = fields[0].value(0).toDouble() / std::max(1.0, fields[1].value(0).toDouble());
        out << QStringLiteral("%1 ours %2 ms %3 MB %4 chars CER %5 %; tesseract %6 ms %7 MB %8 chars CER %9 %; time %10x\n")
                   .arg(name, -6).arg(fields[0].value(0), 6).arg(fields[0].value(1), 4).arg(fields[0].value(2), 5)
                   .arg(fields[0].value(3)).arg(fields[1].value(0), 6).arg(fields[1].value(1), 4)
                   .arg(fields[1].value(2), 5).arg(fields[1].value(3)).arg(QString::number(ratio, 'f', 2));
        out.flush();
    }
}


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
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11\n")
               .arg("group", -16).arg("mode", -16).arg("CER>=14", 8).arg("base", 7).arg("CER<14", 8)
               .arg("passes", 6).arg("p50", 6).arg("base", 6).arg("p95", 6).arg("empty", 5).arg("lost", 4);
    std::map<QString, std::vector<double>> groupRates;
    std::map<QString, std::vector<double>> twoLine[2]; // Latin, CJK
    int totalLost = 0;
    for (const auto &[group, byMode] : run.byGroup) {
        const Measure &base = byMode.at("baseline");
        for (const QString &mode : modes) {
            const Measure &m = byMode.at(mode);
            const int count = int(m.milliseconds.size());
            out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9 %10 %11\n")
                       .arg(group, -16).arg(mode, -16).arg(percent(m.rate()), 8).arg(percent(base.rate()), 7)
                       .arg(m.smallCharacters ? percent(100.0 * double(m.smallErrors) / double(m.smallCharacters)) : "-", 8)
                       .arg(QString::number(double(m.passes) / count, 'f', 2), 6)
                       .arg(QString::number(m.percentile(0.5), 'f', 0), 6)
                       .arg(QString::number(base.percentile(0.5), 'f', 0), 6)
                       .arg(QString::number(m.percentile(0.95), 'f', 0), 6)
                       .arg(m.emptyWhereBaselineReads, 5).arg(m.lostLines, 4);
            totalLost += m.lostLines;
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
    out << "  lines lost over the whole corpus (a hole in a pasted text): " << totalLost << "\n";
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
    parser.addOption({"hostile", "Noise, a photo and dense text, against plain Tesseract."});
    parser.addOption({"hostile-one", "One hostile capture in this process.", "name"});
    parser.addOption({"baseline", "With --hostile-one: plain Tesseract."});
    parser.addOption({"hostile-write", "Write the hostile captures and the dense text into this folder.", "folder"});
    parser.addOption({"cer", "Print the CER of the text file given against this truth file.", "truth"});
    parser.addOption({"ours", "With --hostile-one: the program's recognition."});
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
    if (parser.isSet("hostile-one"))
        return hostileOne(parser.value("hostile-one"), parser.isSet("baseline"));
    if (parser.isSet("hostile-write"))
        return writeHostile(parser.value("hostile-write"));
    if (parser.isSet("cer") && !parser.positionalArguments().isEmpty())
        return printErrorRate(parser.value("cer"), parser.positionalArguments().first());
    if (parser.isSet("hostile")) {
        hostile();
        return 0;
    }
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
    if (samples.empty()) {
        qCritical("ocr_bench: no sample is in the groups asked for");
        return 2;
    }

    for (const QString &system : systems) {
        auto provider = makeProvider(system);
        provider->recognizeNow(samples.front().image.copy(), OCRRequest{});
        out << "system language " << system << "; " << samples.size()
            << " samples; CER in % (base: plain Tesseract told the right language); latency in ms\n";
        printTable(runCorpus(*provider, samples, modes), modes, samples);
    }
    return 0;
}
