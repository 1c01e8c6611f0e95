#include "ocr/tesseract/TesseractEngine.h"

#include "ocr/OCRLog.h"
#include "ocr/Scripts.h"
#include "ocr/SupportedLanguage.h"
#include "ocr/tesseract/Cld2LanguageRecognizer.h"
#include "ocr/tesseract/CodeLayout.h"
#include "ocr/tesseract/LineReader.h"
#include "ocr/tesseract/PageLayout.h"
#include "ocr/tesseract/TesseractEnginePool.h"
#include "ocr/tesseract/TesseractImage.h"
#include "ocr/tesseract/TextRules.h"

#include <QDir>
#include <QHash>
#include <QLoggingCategory>
#include <QMutex>
#include <QMutexLocker>
#include <QRect>
#include <QRegularExpression>
#include <QSet>
#include <QSize>
#include <QThreadPool>
#include <QtConcurrent>

#include <omp.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/pageiterator.h>
#include <tesseract/resultiterator.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <malloc.h>
#include <mutex>
#include <numeric>
#include <optional>
#include <string_view>
#include <thread>


using TextRules::looksLikeLatinText;
using Scripts::isUnspaced;

namespace {
// Source pixels: below this no screen draws readable text.
constexpr double smallestTextHeight = 7;

// Tesseract's own default when no language is asked for.
const QString defaultModel = QStringLiteral("eng");

// A re-reading with the language the text was recognised to be in is kept unless it is
// clearly less confident.
constexpr float languageRereadTolerance = 0.05f;
// Captures with fewer lines are read on one thread, so that each model needs one engine.
constexpr size_t linesForSecondThread = 4;
// Idle this long, the program keeps only the engines it used last.
constexpr auto idleBeforeTrim = std::chrono::seconds(20);
constexpr int enginesKeptWhenIdle = 2;
// Between captures in a burst: the first Latin model and the four CJK ones, which a capture
// of Japanese or Korean text may all ask; loading one again costs more than reading a line.
constexpr int enginesKeptBetweenCaptures = 5;



QString modelOfDetectedLanguage(const QString &code)
{
    const std::optional<SupportedLanguage> language = SupportedLanguages::fromDetectedCode(code);
    return language ? SupportedLanguages::tesseractModel(*language) : QString();
}

// The models of a pass in priority order. Each line is read by one model at a time; Latin text
// is read by the first Latin language's model, and the other Latin languages serve to re-read
// it once the text is known to be in one of them: one model reading every word in seven
// languages is slow, and swaps accents between them.
struct PassModels {
    QStringList models;
    QStringList otherLatin;
};

PassModels modelsFor(const QStringList &identifiers)
{
    PassModels pass;
    bool haveLatin = false;
    for (const QString &identifier : identifiers) {
        const QString model = TesseractEngine::tesseractLanguage(identifier);
        if (model.isEmpty() || pass.models.contains(model) || pass.otherLatin.contains(model))
            continue;
        if (scriptOf(model) == Script::latin && haveLatin) {
            pass.otherLatin << model;
            continue;
        }
        haveLatin = haveLatin || scriptOf(model) == Script::latin;
        pass.models << model;
    }
    if (pass.models.isEmpty())
        pass.models << defaultModel;
    return pass;
}

// Debian's Tesseract runs parallel regions with a fixed thread count; on a small machine
// that is several times slower than one thread. Inactive parallel regions run on one thread.
void runSingleThreaded()
{
    omp_set_max_active_levels(0);
    omp_set_num_threads(1);
}

} // namespace


class TesseractEngine::Private
{
public:
    explicit Private(QString path)
        : pool(std::move(path), enginesKeptBetweenCaptures)
    {
        lineThreads.setMaxThreadCount(1);
        // Model weights are large blocks; allocated on their own mappings, they go back to the
        // system when an idle engine is freed instead of fragmenting the heap.
        mallopt(M_MMAP_THRESHOLD, 256 * 1024);
        janitor = std::jthread([this](std::stop_token stop) { trimWhenIdle(stop); });
    }

    // Engines not used for a while are freed, down to the few used last.
    void trimWhenIdle(std::stop_token stop)
    {
        std::unique_lock lock(activityMutex);
        while (!stop.stop_requested()) {
            if (!activitySinceTrim) {
                activity.wait(lock, stop, [&] { return activitySinceTrim; });
                continue;
            }
            const auto due = lastActivity + idleBeforeTrim;
            if (activity.wait_until(lock, stop, due, [&] { return lastActivity + idleBeforeTrim > due; }))
                continue;
            if (stop.stop_requested())
                break;
            activitySinceTrim = false;
            lock.unlock();
            pool.trim(enginesKeptWhenIdle);
            lock.lock();
        }
    }

    void noteActivity()
    {
        {
            std::lock_guard lock(activityMutex);
            lastActivity = std::chrono::steady_clock::now();
            activitySinceTrim = true;
        }
        activity.notify_all();
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
        if (!analysis->prepared.glyphs.empty())
            analysis->lines = analysis->prepared.completedLines(pageLines(analysis->prepared, layoutModel));
        QMutexLocker lock(&mutex);
        lastAnalysis = analysis;
        return analysis;
    }

    // Tesseract's page layout analysis, which keeps columns apart.
    std::vector<QRect> pageLines(const TesseractImage &prepared, const QString &model)
    {
        TesseractEnginePool::Lease engine = pool.acquire(model);
        setImage(engine.get(), prepared);
        engine->SetPageSegMode(tesseract::PSM_AUTO);
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

    // Reads the given lines, a large capture's spread over this thread and a line thread. The
    // first line is read alone: what it proves (the script, the Chinese variant, the Latin
    // language) spares the others models the text does not need.
    std::vector<LineRead> readLines(ImageAnalysis &analysis, const std::vector<qsizetype> &lines, const PassModels &pass)
    {
        std::vector<LineRead> results(lines.size());
        if (lines.empty())
            return results;
        std::atomic<size_t> next = 1;
        auto readFrom = [&](LineReader &reader) {
            for (size_t i = next++; i < lines.size(); i = next++)
                results[i] = reader.read(lines[i]);
        };
        // A small capture is read on this thread, and the line thread reads ahead with models
        // that are sure to be asked; a large one keeps both threads busy with lines once its
        // first line, read in the same way, has shown what the text needs.
        const LineReader::ReadAhead readAhead = [this, &analysis](const QString &model, qsizetype line) {
            readAheadOf(analysis, model, line);
        };
        const bool large = lines.size() >= linesForSecondThread;
        results[0] = LineReader(pool, analysis, pass.models, readAhead).read(lines[0]);
        const QStringList models = modelsAfterFirstLine(results[0], pass);
        LineReader reader(pool, analysis, models, large ? LineReader::ReadAhead() : readAhead);
        std::optional<QFuture<void>> helper;
        // Kept as thrown: a future would hand back only that something was thrown, and a stop at
        // the deadline would look like a failure.
        std::exception_ptr helperFailure;
        if (large) {
            helper = QtConcurrent::run(&lineThreads, [&] {
                runSingleThreaded();
                try {
                    LineReader helperReader(pool, analysis, models);
                    readFrom(helperReader);
                } catch (...) {
                    helperFailure = std::current_exception();
                    next = lines.size(); // this thread stops after its current line
                }
            });
        }
        std::exception_ptr failure;
        try {
            readFrom(reader);
        } catch (...) {
            failure = std::current_exception();
            next = lines.size(); // the helper stops after its current line
        }
        // The helper uses this frame's state: it must finish before it goes, failure or not.
        if (helper)
            helper->waitForFinished();
        if (!failure)
            failure = helperFailure;
        if (failure)
            std::rethrow_exception(failure);
        return results;
    }

    // The pass's models for the lines after the first, with the first Latin language's model
    // replaced by that of the language the first line is in, when that is another of the pass's
    // and CLD2 finds no other language plausible: the lines are read once in their language
    // instead of twice. Whether the whole text is in it is checked once all lines are read.
    static QStringList modelsAfterFirstLine(const LineRead &first, const PassModels &pass)
    {
        const qsizetype firstLatin = pass.models.indexOf(first.model);
        if (!first.text || scriptOf(first.model) != Script::latin || pass.otherLatin.isEmpty() || firstLatin < 0)
            return pass.models;
        const QStringList plausible = plausibleLatinModels({first}, QStringList{first.model} + pass.otherLatin);
        if (plausible.size() != 1 || !pass.otherLatin.contains(plausible.first()))
            return pass.models;
        QStringList models = pass.models;
        models.replace(firstLatin, plausible.first());
        return models;
    }

    // Reads the line with the model on the line thread; a reader asking for that reading
    // meanwhile waits for it.
    void readAheadOf(ImageAnalysis &analysis, const QString &model, qsizetype line)
    {
        const QString key = ImageAnalysis::readKey(line, model);
        auto done = std::make_shared<std::promise<void>>();
        {
            QMutexLocker lock(&analysis.mutex);
            if (analysis.reads.contains(key) || analysis.pendingReads.contains(key))
                return;
            analysis.pendingReads.insert(key, done->get_future().share());
        }
        // The reading may outlive the pass that asked for it: it holds the analysis.
        lineThreads.start([this, shared = analysis.shared_from_this(), model, line, key, done] {
            runSingleThreaded();
            try {
                const QStringList models{model};
                LineReader(pool, *shared, models).readNow(model, line);
            } catch (...) {
                // The thread that waits for this reading makes it itself, and meets the failure.
            }
            {
                QMutexLocker lock(&shared->mutex);
                shared->pendingReads.remove(key);
            }
            done->set_value();
        });
    }

    // A CJK model that reads a line as Latin letters with a stray ideograph or two read Latin
    // text: the Latin model's reading stands, to be refined by the language of the text.
    void keepLatinLinesLatin(ImageAnalysis &analysis, const std::vector<qsizetype> &lines, std::vector<LineRead> &reads,
                             const QStringList &models)
    {
        const auto latinModel = std::find_if(models.begin(), models.end(),
                                             [](const QString &model) { return scriptOf(model) == Script::latin; });
        if (latinModel == models.end())
            return;
        LineReader reader(pool, analysis, {*latinModel});
        for (size_t i = 0; i < reads.size(); ++i) {
            if (!reads[i].text || scriptOf(reads[i].model) == Script::latin)
                continue;
            int cjk = 0;
            int latin = 0;
            for (char32_t c : reads[i].text->string.toUcs4()) {
                cjk += isUnspaced(c) || Scripts::isHangul(c) ? 1 : 0;
                latin += Scripts::isAsciiLetter(c) ? 1 : 0;
            }
            if (latin >= 8 * std::max(cjk, 1)) {
                if (std::optional<RecognizedText> text = reader.readWith(*latinModel, lines[i]))
                    reads[i] = {text, *latinModel};
            }
        }
    }

    // Japanese text is Han characters with kana: when the Japanese model read kana in this
    // text, its lines of only Han characters are Japanese too.
    void unifyJapanese(ImageAnalysis &analysis, const std::vector<qsizetype> &lines, std::vector<LineRead> &reads,
                       const QStringList &models)
    {
        const QString japanese = QStringLiteral("jpn");
        const bool kana = models.contains(japanese) && std::any_of(reads.begin(), reads.end(), [&](const LineRead &read) {
            return read.text && read.model == japanese
                && std::any_of(read.text->string.begin(), read.text->string.end(),
                               [](QChar c) { return Scripts::isKana(c.unicode()); });
        });
        if (kana)
            rereadScript(analysis, lines, reads, Script::han, japanese);
    }

    // The lines of one script read again with the model of their language, kept unless that
    // reading is clearly less confident.
    void rereadScript(ImageAnalysis &analysis, const std::vector<qsizetype> &lines, std::vector<LineRead> &reads,
                      Script script, const QString &model)
    {
        LineReader reader(pool, analysis, {model});
        for (size_t i = 0; i < reads.size(); ++i) {
            if (!reads[i].text || scriptOf(reads[i].model) != script || reads[i].model == model)
                continue;
            const std::optional<RecognizedText> text = reader.readWith(model, lines[i]);
            if (text && text->confidence >= reads[i].text->confidence - languageRereadTolerance)
                reads[i] = {text, model};
        }
    }

    // Simplified and traditional Chinese are told apart by the whole text, not line by line:
    // the lines of the less used model are read again with the other.
    void unifyHan(ImageAnalysis &analysis, const std::vector<qsizetype> &lines, std::vector<LineRead> &reads)
    {
        QHash<QString, qsizetype> weight;
        for (const LineRead &read : reads) {
            if (read.text && scriptOf(read.model) == Script::han)
                weight[read.model] += read.text->string.size();
        }
        if (weight.size() < 2)
            return;
        QString chosen = std::max_element(weight.begin(), weight.end()).key();
        // Where both models read a line, the glyphs their readings differ in decide.
        const QStringList models = weight.keys();
        float preference = 0;
        for (qsizetype line : lines)
            preference += analysis.hanVariantPreference(line, models[0], models[1]);
        if (preference != 0)
            chosen = preference > 0 ? models[0] : models[1];
        LineReader reader(pool, analysis, {chosen});
        for (size_t i = 0; i < reads.size(); ++i) {
            if (reads[i].text && scriptOf(reads[i].model) == Script::han && reads[i].model != chosen) {
                if (std::optional<RecognizedText> text = reader.readWith(chosen, lines[i]))
                    reads[i] = {text, chosen};
            }
        }
    }

    // Latin text is first read with the first Latin language's model; when the text turns out
    // to be in another Latin language of the pass, its lines are read again with that one.
    void rereadInDetectedLanguage(ImageAnalysis &analysis, const std::vector<qsizetype> &lines,
                                  std::vector<LineRead> &reads, const PassModels &pass)
    {
        // A later pass gets what an earlier one found, from the readings already made.
        QString known;
        {
            QMutexLocker lock(&analysis.mutex);
            known = analysis.latinLanguageModel;
        }
        if (!known.isEmpty()) {
            rereadScript(analysis, lines, reads, Script::latin, known);
            return;
        }
        if (pass.otherLatin.isEmpty())
            return;
        const bool allConfident = std::all_of(reads.begin(), reads.end(), [](const LineRead &read) {
            return !read.text || scriptOf(read.model) != Script::latin || read.text->confidence >= acceptedLineConfidence;
        });
        // Text without the accents the model lacks can look English: only confident readings
        // are taken at their word.
        std::optional<QString> model = detectedLatinModel(reads, pass, allConfident);
        if (!model)
            return;
        // A language near one of ours (Galician, Catalan...), or English read unsurely: the
        // model that reads the least confident line best, of those whose language the text may
        // be in, or else of all. Read with its accents, the text shows its language more
        // surely, and that language's model reads it last.
        if (model->isEmpty()) {
            const QStringList plausible = plausibleLatinModels(reads, pass.otherLatin);
            model = mostConfidentModel(analysis, lines, reads, plausible.isEmpty() ? pass.otherLatin : plausible);
        }
        if (model->isEmpty())
            return;
        rereadScript(analysis, lines, reads, Script::latin, *model);
        if (const std::optional<QString> better = detectedLatinModel(reads, pass, true); better && !better->isEmpty()) {
            rereadScript(analysis, lines, reads, Script::latin, *better);
            model = better;
        }
        QMutexLocker lock(&analysis.mutex);
        analysis.latinLanguageModel = *model;
    }

    static QString latinText(const std::vector<LineRead> &reads)
    {
        QStringList latin;
        for (const LineRead &read : reads) {
            if (read.text && scriptOf(read.model) == Script::latin)
                latin << read.text->string;
        }
        return latin.join(u'\n');
    }

    // Of these Latin models, those whose language CLD2 finds the text in when told to expect it.
    static QStringList plausibleLatinModels(const std::vector<LineRead> &reads, const QStringList &models)
    {
        QHash<QString, QString> modelOfCode;
        for (SupportedLanguage language : SupportedLanguages::allCases()) {
            if (models.contains(SupportedLanguages::tesseractModel(language)))
                modelOfCode.insert(SupportedLanguages::detectedCode(language), SupportedLanguages::tesseractModel(language));
        }
        QStringList plausible;
        for (const QString &code : Cld2LanguageRecognizer::plausibleLanguages(latinText(reads), modelOfCode.keys()))
            plausible << modelOfCode.value(code);
        return plausible;
    }

    // The model of the language the Latin lines are in: none when that is the one they were
    // read with (and it may be trusted) or nothing is known; empty when the language is none of
    // the pass's, or the first one read unsurely.
    static std::optional<QString> detectedLatinModel(const std::vector<LineRead> &reads, const PassModels &pass,
                                                     bool trustFirstModel)
    {
        QStringList used;
        for (const LineRead &read : reads) {
            if (read.text && scriptOf(read.model) == Script::latin)
                used << read.model;
        }
        const QStringList guesses = used.isEmpty() ? QStringList() : Cld2LanguageRecognizer::likelyLanguages(latinText(reads));
        for (const QString &code : guesses) {
            const QString candidate = modelOfDetectedLanguage(code);
            if (pass.models.contains(candidate) && used.count(candidate) != used.size())
                return candidate; // lines read in another language after the first line's guess
            // Read unsurely, the text may be in a language whose marks the model lacks; not
            // when none of the others is plausible either, as with addresses and commands.
            if (pass.models.contains(candidate))
                return trustFirstModel || plausibleLatinModels(reads, pass.otherLatin).isEmpty()
                    ? std::nullopt : std::optional<QString>(QString());
            if (pass.otherLatin.contains(candidate))
                return used.count(candidate) == used.size() ? std::nullopt : std::optional(candidate);
        }
        return guesses.isEmpty() ? std::nullopt : std::optional<QString>(QString());
    }

    QString mostConfidentModel(ImageAnalysis &analysis, const std::vector<qsizetype> &lines,
                               const std::vector<LineRead> &reads, const QStringList &models)
    {
        size_t weakest = reads.size();
        for (size_t i = 0; i < reads.size(); ++i) {
            if (reads[i].text && scriptOf(reads[i].model) == Script::latin
                && (weakest == reads.size() || reads[i].text->confidence < reads[weakest].text->confidence))
                weakest = i;
        }
        if (weakest == reads.size())
            return {};
        // Every other model reads on the line thread meanwhile: each may first have to load.
        for (qsizetype i = 1; i < models.size(); i += 2)
            readAheadOf(analysis, models[i], lines[weakest]);
        QString best;
        float bestConfidence = reads[weakest].text->confidence + languageRereadTolerance;
        for (const QString &model : models) {
            const std::optional<RecognizedText> text = LineReader(pool, analysis, {model}).readWith(model, lines[weakest]);
            if (text && text->confidence > bestConfidence) {
                best = model;
                bestConfidence = text->confidence;
            }
        }
        return best;
    }

    // Reading line by line loses what a line's neighbours tell about its glyphs' size and
    // style, and the line finder may cut a line's start. When one model read every line of a
    // small text and was not sure, the text is read again as one block. When the block finds the
    // same lines, each line keeps whichever of its two readings is clearly more confident: the
    // block reads one line better and another worse as often as not.
    void rereadAsBlock(ImageAnalysis &analysis, const std::vector<qsizetype> &lines, std::vector<LineRead> &reads)
    {
        constexpr size_t largestBlock = 8;
        constexpr float sureEnough = 0.9f;
        constexpr float clearlyMoreConfident = 0.03f;
        if (reads.empty() || reads.size() > largestBlock)
            return;
        {
            QMutexLocker lock(&analysis.mutex);
            if (std::any_of(lines.begin(), lines.end(), [&](qsizetype line) { return analysis.narrowedLines.contains(line); }))
                return;
        }
        const QString model = reads.front().model;
        double weighted = 0;
        double characters = 0;
        for (const LineRead &read : reads) {
            if (!read.text || read.model != model)
                return;
            weighted += double(read.text->confidence) * double(read.text->string.size());
            characters += double(read.text->string.size());
        }
        if (characters > 0 && weighted / characters >= sureEnough)
            return;
        const QString key = QStringLiteral("block/%1/%2").arg(model).arg(lines.size());
        std::optional<std::vector<RecognizedText>> block;
        {
            QMutexLocker lock(&analysis.mutex);
            if (analysis.blocks.contains(key))
                block = analysis.blocks.value(key);
        }
        if (!block) {
            LineReader reader(pool, analysis, {model});
            block = reader.readBlock(model, lines);
            QMutexLocker lock(&analysis.mutex);
            analysis.blocks.insert(key, *block);
        }
        if (block->size() != reads.size())
            return;
        for (size_t i = 0; i < reads.size(); ++i) {
            if ((*block)[i].confidence >= reads[i].text->confidence + clearlyMoreConfident)
                reads[i].text = (*block)[i];
        }
    }

    // The engine's own choice of languages: the script that Tesseract's orientation-and-script
    // model sees decides the models; Tesseract's default when it sees none.
    QStringList detectedModels(const TesseractImage &prepared)
    {
        const QStringList installed = pool.installedModels();
        if (!installed.contains(QStringLiteral("osd")))
            return {defaultModel};
        TesseractEnginePool::Lease osd = pool.acquire(QStringLiteral("osd"));
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
        models.removeIf([&](const QString &model) { return !installed.contains(model); });
        return models.isEmpty() ? QStringList{defaultModel} : models;
    }

    TesseractEnginePool pool;
    QThreadPool lineThreads;
    QMutex mutex;
    std::shared_ptr<ImageAnalysis> lastAnalysis;

    std::mutex activityMutex;
    std::condition_variable_any activity;
    std::chrono::steady_clock::time_point lastActivity;
    bool activitySinceTrim = false;
    std::jthread janitor; // last: it stops before the rest goes
};
namespace {

// The lines read, as rows in reading order: the readings of a row's lines joined by its
// separators, its confidence theirs weighted by length. A line that found layout but no text
// is logged, so that a hole in a pasted text can be traced.
std::vector<TextObservation> inReadingOrder(const ImageAnalysis &analysis, const std::vector<qsizetype> &lines,
                                            const std::vector<LineRead> &reads)
{
    std::vector<QRect> boxes;
    for (qsizetype line : lines)
        boxes.push_back(analysis.lines[size_t(line)]);
    std::vector<RowPieces> rows;
    for (const LayoutRow &row : PageLayout::readingOrder(boxes, analysis.prepared.rules)) {
        RowPieces pieces;
        for (size_t k = 0; k < row.lines.size(); ++k) {
            const std::optional<RecognizedText> &read = reads[row.lines[k]].text;
            if (!read || read->string.trimmed().isEmpty()) {
                qCDebug(ocrLog) << "no text read in the line at" << boxes[row.lines[k]];
                continue;
            }
            RowPiece piece{boxes[row.lines[k]], read->string, read->confidence, k ? row.separators[k - 1] : QChar(u' '), {}};
            for (const TextRules::ReadWord &word : analysis.words.value(ImageAnalysis::readKey(lines[row.lines[k]], reads[row.lines[k]].model)))
                piece.wordStarts.push_back(word.box.left());
            pieces.push_back(std::move(piece));
        }
        rows.push_back(std::move(pieces));
    }
    CodeLayout::asCode(rows);
    std::vector<TextObservation> observations;
    for (const RowPieces &row : rows) {
        QString text;
        double weighted = 0;
        for (const RowPiece &piece : row) {
            if (!text.isEmpty())
                text += piece.separator;
            text += piece.text;
            weighted += double(piece.confidence) * double(piece.text.size());
        }
        const auto indentation = std::find_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); }) - text.begin();
        if (text.trimmed().isEmpty())
            observations.push_back(TextObservation{});
        else
            observations.push_back(TextObservation{RecognizedText{text.trimmed(), float(weighted / double(text.size()))},
                                                   int(indentation)});
    }
    return observations;
}

} // namespace

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
    const std::optional<SupportedLanguage> language = SupportedLanguages::fromRawValue(identifier);
    return language ? SupportedLanguages::tesseractModel(*language) : QString();
}

QStringList TesseractEngine::supportedRecognitionLanguages(const TextRecognitionSettings &)
{
    const QStringList installed = d->pool.installedModels();
    QStringList supported;
    for (SupportedLanguage language : SupportedLanguages::allCases()) {
        if (installed.contains(SupportedLanguages::tesseractModel(language)))
            supported << SupportedLanguages::toRawValue(language);
    }
    return supported;
}

void TesseractEngine::warmUp(const TextRecognitionSettings &settings)
{
    runSingleThreaded();
    // The first engine of the pass is what every line tries first. One instance: a second line
    // thread loads its own when a capture has enough lines, which keeps an idle program small.
    d->pool.acquire(modelsFor(settings.recognitionLanguages).models.first());
}

void TesseractEngine::releaseIdleMemory()
{
    d->pool.trim(enginesKeptWhenIdle);
}

std::vector<TextObservation> TesseractEngine::perform(const QImage &image, const TextRecognitionSettings &settings)
{
    runSingleThreaded();
    if (image.width() < 2 || image.height() < 2)
        return {};

    d->noteActivity();
    stopAtLimit(settings.limit);
    PassModels pass = modelsFor(settings.recognitionLanguages);
    const std::shared_ptr<ImageAnalysis> analysis = d->analysisFor(image, pass.models.first());
    {
        QMutexLocker lock(&analysis->mutex);
        analysis->limit = settings.limit;
    }
    stopAtLimit(settings.limit);
    if (analysis->lines.empty())
        return {};
    if (settings.automaticallyDetectsLanguage)
        pass = PassModels{d->detectedModels(analysis->prepared), {}};

    // A share of the capture's height, but never more than the smallest text a screen shows: in a
    // tall capture (a long document) the share alone would drop every line of body text.
    const double minimumHeight = std::min(double(settings.minimumTextHeight) * image.height(), smallestTextHeight)
        * analysis->prepared.scale;
    std::vector<qsizetype> lines;
    for (size_t i = 0; i < analysis->lines.size(); ++i) {
        if (analysis->lines[i].height() >= minimumHeight)
            lines.push_back(qsizetype(i));
    }
    std::vector<LineRead> reads = d->readLines(*analysis, lines, pass);
    d->keepLatinLinesLatin(*analysis, lines, reads, pass.models);
    d->unifyJapanese(*analysis, lines, reads, pass.models);
    d->unifyHan(*analysis, lines, reads);
    d->rereadInDetectedLanguage(*analysis, lines, reads, pass);
    d->rereadAsBlock(*analysis, lines, reads);
    d->noteActivity();
    return inReadingOrder(*analysis, lines, reads);
}
