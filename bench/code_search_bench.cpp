// What the search for QR codes and barcodes costs a capture that holds none: the corpus's screens
// (rendered text of every group at 14 and 24 px, light and dark, the screens of real programs and
// a full screen of Chinese) recognised in the automatic mode by the text recogniser alone and by
// the capture's recogniser, which searches for codes first. Both run here, one after the other on
// each image, three rounds; the ratio is of the sums of each image's fastest time. Also reports
// any code found, which on these screens would be a false one.
//   code_search_bench [--real FOLDER]
#include "Corpus.h"

#include "codes/CodeReader.h"
#include "codes/CodeReadingOCRProvider.h"
#include "ocr/TesseractOCRProvider.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <numeric>

namespace {
QTextStream out(stdout);

double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addOption({"real", "Folder of screens captured from real programs.", "folder", TESSARIN_REAL_CORPUS});
    parser.process(app);

    std::vector<CorpusSample> samples = Corpus::samples();
    std::erase_if(samples, [](const CorpusSample &s) {
        return s.name.contains("-x2-") || (s.pixelSize != 14 && s.pixelSize != 24);
    });
    for (CorpusSample &sample : Corpus::captured(parser.value("real")))
        samples.push_back(std::move(sample));
    samples.push_back(Corpus::fullScreenChinese());

    // Two recognisers of their own, so that neither profits from the other's engines.
    TesseractOCRProvider textOnly;
    CodeReadingOCRProvider withCodes(std::make_unique<TesseractOCRProvider>());
    const OCRRequest request{PreferredLanguageMode::automatic};
    textOnly.recognize(samples.front().image, request).waitForFinished();
    withCodes.recognize(samples.front().image, request).waitForFinished();

    constexpr int rounds = 3;
    std::vector<double> text(samples.size(), 1e12), both(samples.size(), 1e12), search(samples.size(), 1e12);
    int falseCodes = 0;
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const QImage &image = samples[i].image;
            text[i] = std::min(text[i], millisecondsOf([&] { textOnly.recognize(image, request).waitForFinished(); }));
            both[i] = std::min(both[i], millisecondsOf([&] {
                const OCRResult result = withCodes.recognize(image, request).result();
                if (round == 0 && !result.codes.isEmpty()) {
                    ++falseCodes;
                    out << "false code in " << samples[i].name << ": " << result.codes.constFirst().text << "\n";
                }
            }));
            search[i] = std::min(search[i], millisecondsOf([&] { CodeReader::find(image); }));
        }
    }
    auto sum = [](const std::vector<double> &values) { return std::accumulate(values.begin(), values.end(), 0.0); };
    std::vector<std::size_t> order(samples.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return search[a] / text[a] > search[b] / text[b]; });
    const double worstShare = search[order.front()] / text[order.front()];
    const QString worst = samples[order.front()].name;
    for (std::size_t i = 0; i < std::min<std::size_t>(5, order.size()); ++i) {
        const std::size_t at = order[i];
        out << "  " << samples[at].name << " " << samples[at].image.width() << "x" << samples[at].image.height()
            << ": search " << QString::number(search[at], 'f', 1) << " ms, text " << QString::number(text[at], 'f', 1)
            << " ms, both " << QString::number(both[at], 'f', 1) << " ms\n";
    }
    const double searchMost = *std::max_element(search.begin(), search.end());
    out << samples.size() << " screens without codes, fastest of " << rounds << " rounds, automatic mode\n"
        << "text alone:        " << qRound(sum(text)) << " ms\n"
        << "codes, then text:  " << qRound(sum(both)) << " ms, ratio "
        << QString::number(sum(both) / sum(text), 'f', 3) << "\n"
        << "code search alone: " << qRound(sum(search)) << " ms, "
        << QString::number(100 * sum(search) / sum(text), 'f', 1) << " % of the text's time; at most "
        << QString::number(searchMost, 'f', 1) << " ms on one screen; the largest share "
        << QString::number(100 * worstShare, 'f', 1) << " % (" << worst << ")\n"
        << "false codes: " << falseCodes << "\n";
    return 0;
}
