#include "platform/TesseractEngine.h"

#include "platform/TesseractEnginePool.h"
#include "platform/TesseractImage.h"

#include <QDir>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QRect>
#include <QSize>
#include <QThreadPool>
#include <QtConcurrent>

#include <omp.h>
#include <tesseract/baseapi.h>
#include <tesseract/pageiterator.h>

#include <numeric>
#include <optional>
#include <string_view>

namespace {

struct LanguageModel {
    const char *identifier;
    const char *model;
};

constexpr LanguageModel languageModels[] = {
    {"en-US", "eng"}, {"zh-Hans", "chi_sim"}, {"zh-Hant", "chi_tra"}, {"fr-FR", "fra"},
    {"de-DE", "deu"}, {"it-IT", "ita"},       {"ja-JP", "jpn"},       {"ko-KR", "kor"},
    {"es-ES", "spa"}, {"pt-PT", "por"},       {"tr-TR", "tur"},
};

// Tesseract's own default when no language is asked for.
const QString defaultModel = QStringLiteral("eng");

// A line read this confidently by one script's engine is not tried with the scripts after it.
constexpr float acceptedLineConfidence = 0.75f;
// Simplified and traditional Chinese share most glyphs, and each model reads the other's text
// fairly confidently in its own characters: the other model is tried unless the first is sure.
constexpr float acceptedBeforeSiblingConfidence = 0.9f;
constexpr int hanScript = 1;

// Models that read the same script; Japanese mixes kana with Han, so it stands alone.
int scriptOf(const QString &model)
{
    if (model.startsWith(QLatin1String("chi_sim")) || model.startsWith(QLatin1String("chi_tra")))
        return hanScript;
    if (model == QLatin1String("jpn"))
        return 2;
    if (model == QLatin1String("kor"))
        return 3;
    return 0; // Latin
}

bool isUnspacedScript(char32_t c)
{
    return (c >= 0x2E80 && c <= 0x2FFF)    // CJK radicals
        || (c >= 0x3000 && c <= 0x30FF)    // CJK punctuation, kana
        || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF)
        || (c >= 0xF900 && c <= 0xFAFF)    // compatibility ideographs
        || (c >= 0xFF00 && c <= 0xFFEF);   // full-width forms
}

// Tesseract separates CJK glyphs it reads as words, and keeps runs of spaces. Chinese and
// Japanese put no spaces between words; Korean, and spaces next to Latin text, stay.
bool isHanOrKana(char32_t c)
{
    return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF);
}

QString normalizedLine(const QString &line)
{
    const QList<uint> scalars = line.trimmed().toUcs4();
    static constexpr std::u32string_view halfWidthMarks = U",:;!?";
    std::u32string out;
    for (qsizetype i = 0; i < scalars.size(); ++i) {
        char32_t c = scalars[i];
        if (c == U' ') {
            qsizetype next = i;
            while (next < scalars.size() && scalars[next] == U' ')
                ++next;
            const bool betweenUnspaced = !out.empty() && next < scalars.size() && isUnspacedScript(out.back())
                && (isUnspacedScript(scalars[next]) || halfWidthMarks.find(scalars[next]) != halfWidthMarks.npos);
            if (!betweenUnspaced)
                out.push_back(U' ');
            i = next - 1;
            continue;
        }
        // Models trained on mixed text often give ASCII punctuation where Chinese and Japanese
        // text has full-width marks; right after a Han or kana character it is the full-width one.
        if (!out.empty() && isHanOrKana(out.back()) && halfWidthMarks.find(c) != halfWidthMarks.npos)
            c = c - U'!' + 0xFF01;
        out.push_back(c);
    }
    return QString::fromUcs4(out.data(), qsizetype(out.size()));
}

// The languages of a pass, as Tesseract engines in priority order: one engine per script,
// holding that script's models in the order asked, so that Tesseract itself retries uncertain
// words in the other languages (accents). The two Chinese models stay separate engines, side
// by side: their confidences tell simplified from traditional text, word retries do not.
// Across scripts a line goes to the next engine only while no engine has read it confidently.
QStringList enginesFor(const QStringList &identifiers)
{
    QList<int> scripts;
    QList<QStringList> engines;
    for (const QString &identifier : identifiers) {
        const QString model = TesseractEngine::tesseractLanguage(identifier);
        if (model.isEmpty())
            continue;
        const int script = scriptOf(model);
        const qsizetype index = scripts.indexOf(script);
        if (index < 0) {
            scripts << script;
            engines << QStringList{model};
        } else if (!engines[index].contains(model)) {
            engines[index] << model;
        }
    }
    QStringList result;
    for (qsizetype i = 0; i < engines.size(); ++i) {
        if (scripts[i] == hanScript)
            result << engines[i];
        else
            result << engines[i].join(u'+');
    }
    return result.isEmpty() ? QStringList{defaultModel} : result;
}

void setImage(tesseract::TessBaseAPI *engine, const TesseractImage &prepared)
{
    engine->SetImage(prepared.image.constBits(), prepared.image.width(), prepared.image.height(), 1,
                     int(prepared.image.bytesPerLine()));
    engine->SetSourceResolution(qRound(96 * prepared.scale));
}

// Debian's Tesseract runs parallel regions with a fixed thread count; on a small machine
// that is several times slower than one thread. Inactive parallel regions run on one thread.
void runSingleThreaded()
{
    omp_set_max_active_levels(0);
    omp_set_num_threads(1);
}

} // namespace

// What the passes of one recognition share about its image: the prepared pixels, the text
// lines found by layout analysis, and every line already read by a model, so that a later
// pass asking the same model the same question gets the same answer without the work.
struct ImageAnalysis {
    qint64 cacheKey = 0;
    QSize size;
    TesseractImage prepared;
    std::vector<QRect> lines;
    QMutex mutex;
    QHash<QString, std::optional<RecognizedText>> reads;
    // Which Chinese model read this image's text better, once both were asked on one line.
    QString betterHanModel;
    // Per line, the model of a script other than Han that read it confidently: later passes ask
    // it first instead of every model before it.
    QHash<qsizetype, QString> provenModels;

    static QString readKey(qsizetype line, const QString &model, bool dictionaries)
    {
        return QStringLiteral("%1/%2/%3").arg(line).arg(model).arg(dictionaries);
    }
};

// Reads lines with the engines of one pass, in priority order. Each engine gets the image
// once; a line stops at the first engine that reads it confidently.
class LineReader
{
public:
    LineReader(TesseractEnginePool &pool, ImageAnalysis &analysis, const QStringList &models, bool dictionaries)
        : m_pool(pool)
        , m_analysis(analysis)
        , m_models(models)
        , m_dictionaries(dictionaries)
        , m_engines(size_t(models.size()))
    {
    }

    std::optional<RecognizedText> read(qsizetype lineIndex)
    {
        const QString betterHan = betterHanModel();
        const std::vector<qsizetype> order = readingOrder(betterHan, lineIndex);
        std::optional<RecognizedText> best;
        QString bestModel;
        for (size_t i = 0; i < order.size(); ++i) {
            const QString &model = m_models[order[i]];
            const std::optional<RecognizedText> candidate = readWith(order[i], lineIndex);
            if (candidate && (!best || candidate->confidence > best->confidence)) {
                best = candidate;
                bestModel = model;
            }
            const bool siblingFollows = i + 1 < order.size() && scriptOf(model) == scriptOf(m_models[order[i + 1]]);
            if (siblingFollows) {
                // Both Chinese models are asked until one has proved better on this image; from
                // then on it goes first and the other is asked only when it is unsure.
                if (!betterHan.isEmpty() && best && best->confidence >= acceptedBeforeSiblingConfidence)
                    break;
                continue;
            }
            if (betterHan.isEmpty() && i > 0 && scriptOf(m_models[order[i - 1]]) == scriptOf(model))
                learnBetterHanModel(bestModel);
            if (best && best->confidence >= acceptedLineConfidence) {
                learnProvenModel(lineIndex, bestModel);
                break;
            }
        }
        return best;
    }

private:
    // The models' indices in priority order, the model proven on this line first, and the
    // Chinese model known to be better before its sibling.
    std::vector<qsizetype> readingOrder(const QString &betterHan, qsizetype lineIndex)
    {
        std::vector<qsizetype> order(size_t(m_models.size()));
        std::iota(order.begin(), order.end(), 0);
        const qsizetype better = m_models.indexOf(betterHan);
        if (better > 0 && scriptOf(m_models[better - 1]) == hanScript)
            std::swap(order[size_t(better - 1)], order[size_t(better)]);
        const auto proven = std::find(order.begin(), order.end(), m_models.indexOf(provenModel(lineIndex)));
        if (proven != order.end())
            std::rotate(order.begin(), proven, proven + 1);
        return order;
    }

    QString provenModel(qsizetype lineIndex)
    {
        QMutexLocker lock(&m_analysis.mutex);
        return m_analysis.provenModels.value(lineIndex);
    }

    // Chinese models are ordered by betterHanModel; they must stay next to each other.
    void learnProvenModel(qsizetype lineIndex, const QString &model)
    {
        if (scriptOf(model) == hanScript)
            return;
        QMutexLocker lock(&m_analysis.mutex);
        if (!m_analysis.provenModels.contains(lineIndex))
            m_analysis.provenModels.insert(lineIndex, model);
    }

    QString betterHanModel()
    {
        QMutexLocker lock(&m_analysis.mutex);
        return m_analysis.betterHanModel;
    }

    void learnBetterHanModel(const QString &model)
    {
        if (scriptOf(model) != hanScript)
            return;
        QMutexLocker lock(&m_analysis.mutex);
        if (m_analysis.betterHanModel.isEmpty())
            m_analysis.betterHanModel = model;
    }

    std::optional<RecognizedText> readWith(qsizetype modelIndex, qsizetype lineIndex)
    {
        const QString key = ImageAnalysis::readKey(lineIndex, m_models[modelIndex], m_dictionaries);
        {
            QMutexLocker lock(&m_analysis.mutex);
            const auto cached = m_analysis.reads.constFind(key);
            if (cached != m_analysis.reads.cend())
                return *cached;
        }
        const QRect &line = m_analysis.lines[size_t(lineIndex)];
        const int margin = std::max(4, line.height() / 4);
        const QRect area = line.adjusted(-margin, -margin, margin, margin) & m_analysis.prepared.image.rect();
        tesseract::TessBaseAPI *engine = engineFor(modelIndex);
        engine->SetPageSegMode(tesseract::PSM_SINGLE_LINE);
        engine->SetRectangle(area.x(), area.y(), area.width(), area.height());
        std::unique_ptr<char[]> text(engine->GetUTF8Text());
        std::optional<RecognizedText> result;
        if (text) {
            result = RecognizedText{normalizedLine(QString::fromUtf8(text.get())),
                                    std::clamp(float(engine->MeanTextConf()) / 100.0f, 0.0f, 1.0f)};
        }
        QMutexLocker lock(&m_analysis.mutex);
        m_analysis.reads.insert(key, result);
        return result;
    }

    tesseract::TessBaseAPI *engineFor(qsizetype index)
    {
        auto &lease = m_engines[size_t(index)];
        if (!lease) {
            lease.emplace(m_pool.acquire({m_models[index], m_dictionaries}));
            setImage(lease->get(), m_analysis.prepared);
        }
        return lease->get();
    }

    TesseractEnginePool &m_pool;
    ImageAnalysis &m_analysis;
    const QStringList &m_models;
    const bool m_dictionaries;
    std::vector<std::optional<TesseractEnginePool::Lease>> m_engines;
};

class TesseractEngine::Private
{
public:
    explicit Private(QString path)
        : pool(std::move(path))
    {
        lineThreads.setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
    }

    // The analysis of this image, made now unless a previous pass made it.
    std::shared_ptr<ImageAnalysis> analysisFor(const QImage &image, const QString &layoutModel)
    {
        {
            QMutexLocker lock(&mutex);
            if (lastAnalysis && lastAnalysis->cacheKey == image.cacheKey() && lastAnalysis->size == image.size())
                return lastAnalysis;
        }
        auto analysis = std::make_shared<ImageAnalysis>();
        analysis->cacheKey = image.cacheKey();
        analysis->size = image.size();
        analysis->prepared = TesseractImage::prepare(image);
        if (TesseractImage::medianLineHeight(analysis->prepared.image) > 0)
            analysis->lines = findLines(analysis->prepared, layoutModel);
        QMutexLocker lock(&mutex);
        lastAnalysis = analysis;
        return analysis;
    }

    // Tesseract's page layout analysis keeps columns apart but sometimes drops whole words it
    // takes for graphics. When it leaves a good part of the ink uncovered, the bands of rows
    // that hold ink are read as lines instead: they lose nothing.
    std::vector<QRect> findLines(const TesseractImage &prepared, const QString &model)
    {
        TesseractEnginePool::Lease engine = pool.acquire({model, true});
        setImage(engine.get(), prepared);
        const std::vector<QRect> page = lineBoxes(engine.get(), tesseract::PSM_AUTO);
        const double pageCoverage = prepared.inkCoverage(page);
        if (pageCoverage >= 0.9)
            return page;
        std::vector<QRect> bands = prepared.inkLines();
        return prepared.inkCoverage(bands) > pageCoverage + 0.1 ? bands : page;
    }

    static std::vector<QRect> lineBoxes(tesseract::TessBaseAPI *engine, tesseract::PageSegMode mode)
    {
        engine->SetPageSegMode(mode);
        std::vector<QRect> boxes;
        std::unique_ptr<tesseract::PageIterator> line(engine->AnalyseLayout());
        if (!line)
            return boxes;
        do {
            int left = 0, top = 0, right = 0, bottom = 0;
            if (line->BoundingBox(tesseract::RIL_TEXTLINE, &left, &top, &right, &bottom))
                boxes.emplace_back(QPoint(left, top), QPoint(right - 1, bottom - 1));
        } while (line->Next(tesseract::RIL_TEXTLINE));
        return withoutFragments(boxes);
    }

    // Layout analysis sometimes reports single strokes of a large glyph as lines of their own:
    // slivers, and boxes lying mostly inside a larger line. Reading them adds garbage.
    static std::vector<QRect> withoutFragments(const std::vector<QRect> &boxes)
    {
        constexpr int minimumExtent = 6;
        std::vector<QRect> lines;
        for (const QRect &box : boxes) {
            if (box.width() < minimumExtent || box.height() < minimumExtent)
                continue;
            const qint64 area = qint64(box.width()) * box.height();
            const bool inside = std::any_of(boxes.begin(), boxes.end(), [&](const QRect &other) {
                const QRect common = box & other;
                return other != box && qint64(other.width()) * other.height() > area
                    && qint64(common.width()) * common.height() * 2 >= area;
            });
            if (!inside)
                lines.push_back(box);
        }
        return lines;
    }

    // Reads the given lines, spread over this thread and the line threads.
    std::vector<std::optional<RecognizedText>> readLines(ImageAnalysis &analysis, const std::vector<qsizetype> &lines,
                                                         const QStringList &models, bool dictionaries)
    {
        std::vector<std::optional<RecognizedText>> results(lines.size());
        const int workers = std::min<int>(int(lines.size()), lineThreads.maxThreadCount() + 1);
        auto work = [&](int worker) {
            runSingleThreaded();
            LineReader reader(pool, analysis, models, dictionaries);
            for (size_t i = size_t(worker); i < lines.size(); i += size_t(workers))
                results[i] = reader.read(lines[i]);
        };
        std::vector<QFuture<void>> helpers;
        for (int worker = 1; worker < workers; ++worker)
            helpers.push_back(QtConcurrent::run(&lineThreads, work, worker));
        std::exception_ptr failure;
        try {
            work(0);
        } catch (...) {
            failure = std::current_exception();
        }
        // The helpers use this frame's state: they must finish before it goes, failure or not.
        for (QFuture<void> &helper : helpers) {
            try {
                helper.waitForFinished();
            } catch (...) {
                failure = std::current_exception();
            }
        }
        if (failure)
            std::rethrow_exception(failure);
        return results;
    }

    // The engine's own choice of languages: the script that Tesseract's orientation-and-script
    // model sees decides the models; Tesseract's default when it sees none.
    QStringList detectedModels(const TesseractImage &prepared)
    {
        const QStringList installed = pool.installedModels();
        if (!installed.contains(QStringLiteral("osd")))
            return {defaultModel};
        TesseractEnginePool::Lease osd = pool.acquire({QStringLiteral("osd"), true});
        osd->SetPageSegMode(tesseract::PSM_OSD_ONLY);
        setImage(osd.get(), prepared);
        int orientation = 0;
        float orientationConfidence = 0;
        const char *script = nullptr;
        float scriptConfidence = 0;
        const bool found = osd->DetectOrientationScript(&orientation, &orientationConfidence, &script, &scriptConfidence);
        const QString scriptName = found && script ? QString::fromLatin1(script) : QString();

        static const QHash<QString, QStringList> modelsOfScript{
            {QStringLiteral("Latin"), {QStringLiteral("eng")}},
            {QStringLiteral("Han"), {QStringLiteral("chi_sim"), QStringLiteral("chi_tra")}},
            {QStringLiteral("Japanese"), {QStringLiteral("jpn")}},
            {QStringLiteral("Hiragana"), {QStringLiteral("jpn")}},
            {QStringLiteral("Katakana"), {QStringLiteral("jpn")}},
            {QStringLiteral("Korean"), {QStringLiteral("kor")}},
            {QStringLiteral("Hangul"), {QStringLiteral("kor")}},
        };
        QStringList models = modelsOfScript.value(scriptName);
        models.removeIf([&](const QString &engine) {
            const QStringList parts = engine.split(u'+');
            return std::any_of(parts.begin(), parts.end(), [&](const QString &model) { return !installed.contains(model); });
        });
        return models.isEmpty() ? QStringList{defaultModel} : models;
    }

    TesseractEnginePool pool;
    QThreadPool lineThreads;
    QMutex mutex;
    std::shared_ptr<ImageAnalysis> lastAnalysis;
};

TesseractEngine::TesseractEngine(QString tessdataPath)
    : d(std::make_unique<Private>(tessdataPath.isEmpty() ? defaultTessdataPath() : std::move(tessdataPath)))
{
}

TesseractEngine::~TesseractEngine() = default;

QString TesseractEngine::defaultTessdataPath()
{
    const QString prefix = qEnvironmentVariable("TESSDATA_PREFIX");
    if (!prefix.isEmpty())
        return prefix;
    for (const char *path : {"/usr/share/tesseract-ocr/5/tessdata", "/usr/share/tesseract-ocr/4.00/tessdata",
                             "/usr/share/tessdata", "/usr/local/share/tessdata"}) {
        if (QDir(QString::fromLatin1(path)).exists())
            return QString::fromLatin1(path);
    }
    return QStringLiteral("/usr/share/tesseract-ocr/5/tessdata");
}

QString TesseractEngine::tesseractLanguage(const QString &identifier)
{
    for (const LanguageModel &language : languageModels) {
        if (identifier == QLatin1String(language.identifier))
            return QString::fromLatin1(language.model);
    }
    return {};
}

QStringList TesseractEngine::supportedRecognitionLanguages(const TextRecognitionSettings &)
{
    const QStringList installed = d->pool.installedModels();
    QStringList supported;
    for (const LanguageModel &language : languageModels) {
        if (installed.contains(QLatin1String(language.model)))
            supported << QString::fromLatin1(language.identifier);
    }
    return supported;
}

void TesseractEngine::warmUp(const TextRecognitionSettings &settings)
{
    runSingleThreaded();
    // The first engine of the pass is what every line tries first. One instance: a second line
    // thread loads its own when a capture has enough lines, which keeps an idle program small.
    d->pool.acquire({enginesFor(settings.recognitionLanguages).first(), settings.usesLanguageCorrection});
}

std::vector<TextObservation> TesseractEngine::perform(const QImage &image, const TextRecognitionSettings &settings)
{
    runSingleThreaded();
    if (image.width() < 2 || image.height() < 2)
        return {};

    const QStringList requested = enginesFor(settings.recognitionLanguages);
    const std::shared_ptr<ImageAnalysis> analysis = d->analysisFor(image, requested.first());
    if (analysis->lines.empty())
        return {};
    const QStringList models = settings.automaticallyDetectsLanguage ? d->detectedModels(analysis->prepared)
                                                                      : requested;

    const double minimumHeight = double(settings.minimumTextHeight) * image.height() * analysis->prepared.scale;
    std::vector<qsizetype> lines;
    for (size_t i = 0; i < analysis->lines.size(); ++i) {
        if (analysis->lines[i].height() >= minimumHeight)
            lines.push_back(qsizetype(i));
    }
    std::vector<TextObservation> observations;
    for (std::optional<RecognizedText> &read : d->readLines(*analysis, lines, models, settings.usesLanguageCorrection))
        observations.push_back(TextObservation{std::move(read)});
    return observations;
}
