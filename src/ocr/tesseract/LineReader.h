#pragma once

#include "ocr/RecognitionLimit.h"
#include "ocr/TextRecognitionEngine.h"
#include "ocr/tesseract/TesseractEnginePool.h"
#include "ocr/tesseract/TesseractImage.h"
#include "ocr/tesseract/HanVariants.h"
#include "ocr/tesseract/TextRules.h"

#include <QHash>
#include <QMutex>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace tesseract {
class TessBaseAPI;
}

// The scripts of the models: each line is read by one script's models at a time.
enum class Script { latin, han, japanese, korean };

// Japanese mixes kana with Han, so it stands alone.
Script scriptOf(const QString &model);

// A line read this confidently by one script's model is not tried with the scripts after it.
inline constexpr float acceptedLineConfidence = 0.75f;
// How much more a line's glyphs must look like one Chinese model's reading than like the other's
// to decide which of simplified and traditional the text is.
inline constexpr float clearHanPreference = 0.15f;

// The prepared image given to an engine, at the resolution it was prepared for.
void setImage(tesseract::TessBaseAPI *engine, const TesseractImage &prepared);
// Throws RecognitionStopped once the limit is reached.
void stopAtLimit(const RecognitionLimit &limit);

// What one line came to: the reading and the model that gave it.
struct LineRead {
    std::optional<RecognizedText> text;
    QString model;
};

// What a model made of the line the engine was set to: the text, its glyphs, and whether the line
// held nothing but icons.
struct LineReading {
    std::optional<RecognizedText> text;
    std::vector<ReadGlyph> glyphs;
    std::vector<TextRules::ReadWord> words;
    bool onlyIcons = false;
};

// What the passes of one recognition share about its image: the prepared pixels, the text
// lines found by layout analysis, and every line already read by a model, so that a later
// pass asking the same model about the same line gets the answer without the work.
struct ImageAnalysis : std::enable_shared_from_this<ImageAnalysis> {
    qint64 cacheKey = 0;
    QSize size;
    TesseractImage prepared;
    std::vector<QRect> lines;
    QMutex mutex;
    QHash<QString, std::optional<RecognizedText>> reads;
    // The words of each reading of a line read where it stands in the image, by the same keys.
    QHash<QString, std::vector<TextRules::ReadWord>> words;
    // The glyphs of each reading, by the same keys.
    QHash<QString, std::vector<ReadGlyph>> glyphs;
    // Lines read with their wide gaps narrowed: reading them as a block would undo that.
    QSet<qsizetype> narrowedLines;
    // Readings under way on another thread, by the same keys.
    QHash<QString, std::shared_future<void>> pendingReads;
    // Which Chinese model read this image's text better, once both were asked on one line.
    QString betterHanModel;
    // Per line, the model that read it confidently: later passes ask it first.
    QHash<qsizetype, QString> provenModels;
    // The model that read the image's latest confident line: the other lines are most likely
    // in the same script, so it goes first for them.
    QString leadingModel;
    // Readings of the lines as one block, one per line found, by model and line count.
    QHash<QString, std::vector<RecognizedText>> blocks;
    // The model of the Latin language the text turned out to be in, once a pass has re-read it.
    QString latinLanguageModel;
    // The current pass's: every reading stops at it.
    RecognitionLimit limit;

    static QString readKey(qsizetype line, const QString &model) { return QStringLiteral("%1/%2").arg(line).arg(model); }
    // How much better the first Chinese model read the line's differing glyphs than the second;
    // 0 unless both read it.
    float hanVariantPreference(qsizetype line, const QString &first, const QString &second);
};

// Reads lines with the models of one pass, in priority order, the models this image's text has
// proven first. A line stops at the first script whose model reads it confidently.
class LineReader
{
public:
    // Starts reading a line with a model on another thread; the reading lands in the analysis.
    using ReadAhead = std::function<void(const QString &model, qsizetype lineIndex)>;

    LineReader(TesseractEnginePool &pool, ImageAnalysis &analysis, const QStringList &models, ReadAhead readAhead = {});

    LineRead read(qsizetype lineIndex);

    std::optional<RecognizedText> readWith(const QString &model, qsizetype lineIndex);

    // Reads the line with the model, whatever was read before, and keeps the reading.
    std::optional<RecognizedText> readNow(const QString &model, qsizetype lineIndex);

    // The engine reads from the given image; its Han glyphs' shapes are kept.
    static LineReading recognizedLine(tesseract::TessBaseAPI *engine, const RecognitionLimit &limit,
                                      const QImage &source = {});
    // Icons the model read as characters, taken off the line's ends; true when that was all.
    static bool withoutIcons(const std::vector<TextRules::ReadWord> &words, RecognizedText &line);
    static std::vector<TextRules::ReadWord> readWords(tesseract::TessBaseAPI *engine);

    // The given lines read together as one block of text, one reading per line found.
    std::vector<RecognizedText> readBlock(const QString &model, const std::vector<qsizetype> &lines);

private:
    // Words of Latin letters inside a line another script's model read ("(Comments)" in a Korean
    // dialog) read again by the Latin model; its reading stands where it is the surer one.
    void mendLatinWords(LineRead &line, qsizetype lineIndex);

    // Whether the model after this one reads the line on the other core while this one does: when
    // both are sure to be asked (the two Chinese models, until the image has shown which reads
    // it better), or when a line that is no Latin text has not yet shown its script, so that the
    // CJK models are tried two at a time.
    bool readsInPairs(const std::vector<QString> &order, size_t i, qsizetype lineIndex);

    // A reading already made, waiting for it if another thread is making it. Nothing when no
    // reading was made or it failed.
    std::optional<std::optional<RecognizedText>> cachedRead(const QString &key);

    // The line with room around it, up to half way to the lines above and below: a line
    // without descenders read in a tight box has its lower-case letters taken for capitals.
    QRect readingArea(qsizetype lineIndex) const;

    // The pass's models in priority order, moved forward by what this image has shown: the
    // script of the model proven on this line (or else on the image's other lines) first, and
    // the better Chinese model before its sibling. Models of one script stay together.
    // Within a script the pass's order stands, so its priority still decides between languages.
    std::vector<QString> readingOrder(qsizetype lineIndex);

    void learnProvenModel(qsizetype lineIndex, const QString &model);

    QString betterHanModel();

    void learnBetterHanModel(const QString &model);

    tesseract::TessBaseAPI *engineFor(const QString &model);

    TesseractEnginePool &m_pool;
    ImageAnalysis &m_analysis;
    const QStringList &m_models;
    const ReadAhead m_readAhead;
    std::map<QString, TesseractEnginePool::Lease> m_engines;
};
