#include "ocr/tesseract/LineReader.h"

#include "ocr/tesseract/TextRules.h"

#include <QMutexLocker>

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>

#include <algorithm>

using TextRules::looksLikeLatinText;
using TextRules::normalizedLine;

// Japanese mixes kana with Han, so it stands alone.
Script scriptOf(const QString &model)
{
    if (model == QLatin1String("chi_sim") || model == QLatin1String("chi_tra"))
        return Script::han;
    if (model == QLatin1String("jpn"))
        return Script::japanese;
    if (model == QLatin1String("kor"))
        return Script::korean;
    return Script::latin;
}

void setImage(tesseract::TessBaseAPI *engine, const TesseractImage &prepared)
{
    engine->SetImage(prepared.image.constBits(), prepared.image.width(), prepared.image.height(), 1,
                     int(prepared.image.bytesPerLine()));
    engine->SetSourceResolution(qRound(96 * prepared.scale));
}

void stopAtLimit(const RecognitionLimit &limit)
{
    if (const RecognitionLimit::Reached reached = limit.reached(); reached != RecognitionLimit::Reached::no)
        throw RecognitionStopped(reached);
}

namespace {

// Tesseract asks this between words: a cancel or the deadline stops it mid-line.
bool limitReached(void *limit, int)
{
    return static_cast<const RecognitionLimit *>(limit)->reached() != RecognitionLimit::Reached::no;
}

// Recognises what the engine is set to, stopping at the limit.
void recognizeWithin(tesseract::TessBaseAPI *engine, const RecognitionLimit &limit)
{
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = &limitReached;
    monitor.cancel_this = const_cast<RecognitionLimit *>(&limit);
    engine->Recognize(&monitor);
    stopAtLimit(limit);
}

// Whether the line's ink is full-height glyphs filling it, as two or more Han, kana or Hangul
// glyphs are, and not an icon with a mark beside it.
bool looksLikeCJKGlyphs(const QRect &line, const std::vector<QRect> &glyphs)
{
    int covered = 0;
    for (const QRect &glyph : glyphs) {
        if (!line.contains(glyph.center()))
            continue;
        if (glyph.height() * 10 < line.height() * 8)
            return false;
        covered += glyph.width();
    }
    return line.width() * 5 >= line.height() * 8 && covered * 10 >= line.width() * 8;
}

// Two or three Latin letters read over a short CJK label (a Latin model reads two Han glyphs
// as "BE"): the other scripts' models are asked too, and the surest reading stands. Real short
// words are mostly read surely enough to skip this.
bool isShortLatinGuess(const RecognizedText &text, const QString &model)
{
    constexpr qsizetype longestGuess = 3;
    constexpr float sureShortWord = 0.95f;
    return scriptOf(model) == Script::latin && text.string.size() <= longestGuess && text.confidence < sureShortWord;
}

} // namespace

LineReader::LineReader(TesseractEnginePool &pool, ImageAnalysis &analysis, const QStringList &models, ReadAhead readAhead)
    : m_pool(pool)
    , m_analysis(analysis)
    , m_models(models)
    , m_readAhead(std::move(readAhead))
{
}

LineRead LineReader::read(qsizetype lineIndex)
{
    const std::vector<QString> order = readingOrder(lineIndex);
    LineRead best;
    for (size_t i = 0; i < order.size(); ++i) {
        const QString &model = order[i];
        if (m_readAhead && readsInPairs(order, i, lineIndex))
            m_readAhead(order[i + 1], lineIndex);
        const std::optional<RecognizedText> candidate = readWith(model, lineIndex);
        if (candidate && (!best.text || candidate->confidence > best.text->confidence))
            best = {candidate, model};
        // A CJK model that reads plain Latin words: the line is Latin, and its model reads it.
        const auto latin = std::find_if(order.begin() + long(i), order.end(),
                                        [](const QString &each) { return scriptOf(each) == Script::latin; });
        if (candidate && scriptOf(model) != Script::latin && latin != order.end() && looksLikeLatinText(*candidate)) {
            if (std::optional<RecognizedText> text = readWith(*latin, lineIndex))
                best = {text, *latin};
            break;
        }
        const bool siblingFollows = i + 1 < order.size() && scriptOf(model) == scriptOf(order[i + 1]);
        if (siblingFollows) {
            // Simplified and traditional Chinese share most glyphs, and each model reads the
            // other's text fairly confidently in its own characters: both are asked until one
            // has proved better on this image; from then on it goes first and the other is
            // asked only when it is unsure. The whole text's choice is made at the end.
            if (!betterHanModel().isEmpty() && best.text && best.text->confidence >= acceptedLineConfidence)
                break;
            continue;
        }
        if (i > 0 && scriptOf(order[i - 1]) == scriptOf(model) && scriptOf(model) == Script::han) {
            // A near tie proves nothing: the next line is read by both as well.
            const float preference = m_analysis.hanVariantPreference(lineIndex, model, order[i - 1]);
            if (std::abs(preference) >= clearHanPreference)
                learnBetterHanModel(preference > 0 ? model : order[i - 1]);
        }
        const bool anotherScriptFollows = std::any_of(order.begin() + long(i) + 1, order.end(), [&](const QString &each) {
            return scriptOf(each) != scriptOf(model);
        });
        if (best.text && best.text->confidence >= acceptedLineConfidence
            && !(anotherScriptFollows && isShortLatinGuess(*best.text, best.model)
                 && looksLikeCJKGlyphs(m_analysis.lines[size_t(lineIndex)], m_analysis.prepared.glyphs))) {
            learnProvenModel(lineIndex, best.model);
            break;
        }
        if (best.text && scriptOf(best.model) == Script::latin && looksLikeLatinText(*best.text))
            break;
    }
    mendLatinWords(best, lineIndex);
    return best;
}

void LineReader::mendLatinWords(LineRead &line, qsizetype lineIndex)
{
    if (!line.text || scriptOf(line.model) == Script::latin)
        return;
    const auto latin = std::find_if(m_models.begin(), m_models.end(), [](const QString &model) { return scriptOf(model) == Script::latin; });
    if (latin == m_models.end())
        return;
    std::vector<TextRules::ReadWord> words;
    RecognitionLimit limit;
    {
        QMutexLocker lock(&m_analysis.mutex);
        words = m_analysis.words.value(ImageAnalysis::readKey(lineIndex, line.model));
        limit = m_analysis.limit;
    }
    QString &text = line.text->string;
    qsizetype from = 0;
    for (const TextRules::ReadWord &word : words) {
        const qsizetype at = text.indexOf(word.text, from);
        if (at < 0)
            continue;
        from = at + word.text.size();
        if (!TextRules::mayBeMisreadLatin(word))
            continue;
        tesseract::TessBaseAPI *engine = engineFor(*latin);
        engine->SetPageSegMode(tesseract::PSM_SINGLE_WORD);
        const int margin = std::max(2, word.box.height() / 4);
        const QRect area = word.box.adjusted(-margin, -margin, margin, margin) & m_analysis.prepared.image.rect();
        engine->SetRectangle(area.x(), area.y(), area.width(), area.height());
        const LineReading reading = recognizedLine(engine, limit);
        if (!reading.text || reading.text->string.isEmpty() || reading.text->confidence * 100 <= word.confidence
            || !TextRules::isLatinWord(reading.text->string))
            continue;
        text.replace(at, word.text.size(), reading.text->string);
        from = at + reading.text->string.size();
    }
}

std::optional<RecognizedText> LineReader::readWith(const QString &model, qsizetype lineIndex)
{
    if (const std::optional<std::optional<RecognizedText>> cached = cachedRead(ImageAnalysis::readKey(lineIndex, model)))
        return *cached;
    return readNow(model, lineIndex);
}

std::optional<RecognizedText> LineReader::readNow(const QString &model, qsizetype lineIndex)
{
    const QRect area = readingArea(lineIndex);
    tesseract::TessBaseAPI *engine = engineFor(model);
    engine->SetPageSegMode(tesseract::PSM_SINGLE_LINE);
    // Only CJK glyphs are drawn in wide cells; Latin letters that far apart have spaces between them.
    const QImage narrowed = scriptOf(model) == Script::latin
        ? QImage()
        : m_analysis.prepared.narrowedLine(m_analysis.lines[size_t(lineIndex)], area);
    if (narrowed.isNull()) {
        engine->SetRectangle(area.x(), area.y(), area.width(), area.height());
    } else {
        engine->SetImage(narrowed.constBits(), narrowed.width(), narrowed.height(), 1, int(narrowed.bytesPerLine()));
        engine->SetSourceResolution(qRound(96 * m_analysis.prepared.scale));
        QMutexLocker lock(&m_analysis.mutex);
        m_analysis.narrowedLines.insert(lineIndex);
    }
    RecognitionLimit limit;
    {
        QMutexLocker lock(&m_analysis.mutex);
        limit = m_analysis.limit;
    }
    const QImage &source = narrowed.isNull() ? m_analysis.prepared.image : narrowed;
    const bool han = scriptOf(model) == Script::han;
    LineReading reading = recognizedLine(engine, limit, han ? source : QImage());
    // The line model's own layout drops a short line of large glyphs now and then; read as a
    // raw line, without it, the glyphs come back. A row of icons stays empty.
    if (!reading.onlyIcons && (!reading.text || reading.text->string.isEmpty())) {
        engine->SetPageSegMode(tesseract::PSM_RAW_LINE);
        reading = recognizedLine(engine, limit, han ? source : QImage());
    }
    if (!narrowed.isNull())
        setImage(engine, m_analysis.prepared); // the next line is read from the whole image
    const QString key = ImageAnalysis::readKey(lineIndex, model);
    QMutexLocker lock(&m_analysis.mutex);
    m_analysis.reads.insert(key, reading.text);
    m_analysis.glyphs.insert(key, std::move(reading.glyphs));
    if (narrowed.isNull())
        m_analysis.words.insert(key, std::move(reading.words));
    return reading.text;
}

LineReading LineReader::recognizedLine(tesseract::TessBaseAPI *engine, const RecognitionLimit &limit, const QImage &source)
{
    recognizeWithin(engine, limit);
    std::unique_ptr<char[]> text(engine->GetUTF8Text());
    if (!text)
        return {};
    LineReading reading;
    reading.text = RecognizedText{normalizedLine(QString::fromUtf8(text.get())),
                                  std::clamp(float(engine->MeanTextConf()) / 100.0f, 0.0f, 1.0f)};
    reading.words = readWords(engine);
    reading.onlyIcons = withoutIcons(reading.words, *reading.text);
    std::unique_ptr<tesseract::ResultIterator> glyph(engine->GetIterator());
    if (glyph && !glyph->Empty(tesseract::RIL_SYMBOL)) {
        do {
            std::unique_ptr<char[]> symbol(glyph->GetUTF8Text(tesseract::RIL_SYMBOL));
            ReadGlyph read{symbol ? QString::fromUtf8(symbol.get()) : QString(), glyph->Confidence(tesseract::RIL_SYMBOL), {}};
            if (!source.isNull() && read.text.size() == 1 && read.text.front().script() == QChar::Script_Han) {
                int left = 0, top = 0, right = 0, bottom = 0;
                glyph->BoundingBox(tesseract::RIL_SYMBOL, &left, &top, &right, &bottom);
                read.shape = HanVariants::shapeOf(source, QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
            }
            reading.glyphs.push_back(std::move(read));
        } while (glyph->Next(tesseract::RIL_SYMBOL));
    }
    return reading;
}

std::vector<TextRules::ReadWord> LineReader::readWords(tesseract::TessBaseAPI *engine)
{
    std::vector<TextRules::ReadWord> words;
    std::unique_ptr<tesseract::ResultIterator> word(engine->GetIterator());
    if (!word || word->Empty(tesseract::RIL_WORD))
        return words;
    do {
        int left = 0, top = 0, right = 0, bottom = 0;
        word->BoundingBox(tesseract::RIL_WORD, &left, &top, &right, &bottom);
        std::unique_ptr<char[]> text(word->GetUTF8Text(tesseract::RIL_WORD));
        words.push_back({text ? QString::fromUtf8(text.get()).trimmed() : QString(),
                         QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), word->Confidence(tesseract::RIL_WORD)});
    } while (word->Next(tesseract::RIL_WORD));
    return words;
}

bool LineReader::withoutIcons(const std::vector<TextRules::ReadWord> &words, RecognizedText &line)
{
    if (words.empty())
        return false;
    const TextRules::IconWords icons = TextRules::iconWords(words);
    if (icons.leading == words.size()) {
        // Surely no text: no other model is asked.
        line = {QString(), 1.0f};
        return true;
    }
    QString text = line.string;
    if (icons.leading && text.startsWith(words.front().text))
        text = text.mid(words.front().text.size()).trimmed();
    if (icons.trailing && text.endsWith(words.back().text))
        text.chop(words.back().text.size());
    line.string = text.trimmed();
    return false;
}

std::vector<RecognizedText> LineReader::readBlock(const QString &model, const std::vector<qsizetype> &lines)
{
    QRect block;
    for (qsizetype line : lines)
        block |= m_analysis.lines[size_t(line)];
    const int margin = std::max(4, block.height() / (4 * int(lines.size())));
    const QRect area = block.adjusted(-margin, -margin, margin, margin) & m_analysis.prepared.image.rect();
    tesseract::TessBaseAPI *engine = engineFor(model);
    engine->SetPageSegMode(tesseract::PSM_SINGLE_BLOCK);
    engine->SetRectangle(area.x(), area.y(), area.width(), area.height());
    std::vector<RecognizedText> found;
    RecognitionLimit limit;
    {
        QMutexLocker lock(&m_analysis.mutex);
        limit = m_analysis.limit;
    }
    recognizeWithin(engine, limit);
    // A line's confidence is its words' mean, as for a line read alone; the iterator's own
    // line confidence averages before clipping, and one unreadable glyph sinks it.
    std::unique_ptr<tesseract::ResultIterator> word(engine->GetIterator());
    if (!word || word->Empty(tesseract::RIL_WORD))
        return found;
    float sum = 0;
    int words = 0;
    const auto finishLine = [&] {
        if (!found.empty() && words > 0)
            found.back().confidence = std::clamp(sum / float(words) / 100.0f, 0.0f, 1.0f);
        sum = 0;
        words = 0;
    };
    do {
        if (word->IsAtBeginningOf(tesseract::RIL_TEXTLINE)) {
            finishLine();
            std::unique_ptr<char[]> text(word->GetUTF8Text(tesseract::RIL_TEXTLINE));
            found.push_back({text ? normalizedLine(QString::fromUtf8(text.get())) : QString(), 0});
        }
        sum += word->Confidence(tesseract::RIL_WORD);
        ++words;
    } while (word->Next(tesseract::RIL_WORD));
    finishLine();
    std::erase_if(found, [](const RecognizedText &line) { return line.string.isEmpty(); });
    return found;
}

bool LineReader::readsInPairs(const std::vector<QString> &order, size_t i, qsizetype lineIndex)
{
    if (i + 1 >= order.size() || scriptOf(order[i]) == Script::latin || scriptOf(order[i + 1]) == Script::latin)
        return false;
    const QString key = ImageAnalysis::readKey(lineIndex, order[i]);
    QMutexLocker lock(&m_analysis.mutex);
    if (m_analysis.reads.contains(key) || m_analysis.pendingReads.contains(key))
        return false; // the second of a pair
    if (scriptOf(order[i]) == Script::han && scriptOf(order[i + 1]) == Script::han)
        return m_analysis.betterHanModel.isEmpty();
    return m_analysis.provenModels.value(lineIndex, m_analysis.leadingModel).isEmpty();
}

std::optional<std::optional<RecognizedText>> LineReader::cachedRead(const QString &key)
{
    std::shared_future<void> pending;
    {
        QMutexLocker lock(&m_analysis.mutex);
        const auto cached = m_analysis.reads.constFind(key);
        if (cached != m_analysis.reads.cend())
            return *cached;
        pending = m_analysis.pendingReads.value(key);
    }
    if (!pending.valid())
        return std::nullopt;
    pending.wait();
    QMutexLocker lock(&m_analysis.mutex);
    const auto cached = m_analysis.reads.constFind(key);
    return cached != m_analysis.reads.cend() ? std::optional(*cached) : std::nullopt;
}

float ImageAnalysis::hanVariantPreference(qsizetype line, const QString &first, const QString &second)
{
    QMutexLocker lock(&mutex);
    const auto firstGlyphs = glyphs.constFind(readKey(line, first));
    const auto secondGlyphs = glyphs.constFind(readKey(line, second));
    if (firstGlyphs == glyphs.cend() || secondGlyphs == glyphs.cend())
        return 0;
    return HanVariants::preference(*firstGlyphs, *secondGlyphs);
}

QRect LineReader::readingArea(qsizetype lineIndex) const
{
    const QRect &line = m_analysis.lines[size_t(lineIndex)];
    const int margin = std::max(4, line.height() / 2);
    int top = line.top() - margin;
    int bottom = line.bottom() + margin;
    for (const QRect &other : m_analysis.lines) {
        if (other == line || other.right() < line.left() || other.left() > line.right())
            continue;
        if (other.bottom() < line.top())
            top = std::max(top, (other.bottom() + line.top() + 1) / 2);
        else if (other.top() > line.bottom())
            bottom = std::min(bottom, (line.bottom() + other.top()) / 2);
    }
    const int side = std::max(4, line.height() / 4);
    return QRect(QPoint(line.left() - side, top), QPoint(line.right() + side, bottom)) & m_analysis.prepared.image.rect();
}

std::vector<QString> LineReader::readingOrder(qsizetype lineIndex)
{
    QString proven;
    QString betterHan;
    {
        QMutexLocker lock(&m_analysis.mutex);
        proven = m_analysis.provenModels.value(lineIndex, m_analysis.leadingModel);
        betterHan = m_analysis.betterHanModel;
    }
    std::vector<QString> order(m_models.begin(), m_models.end());
    // Until the image has shown its script, the Latin model goes first whatever the pass's
    // priority: it is the cheapest to run, and its reading decides a line either way (Latin
    // text it reads confidently or as plain words; other scripts it cannot read at all).
    const Script first = m_models.contains(proven) ? scriptOf(proven) : Script::latin;
    std::stable_partition(order.begin(), order.end(), [&](const QString &model) { return scriptOf(model) == first; });
    const auto better = std::find(order.begin(), order.end(), betterHan);
    if (better != order.end() && better != order.begin() && scriptOf(*(better - 1)) == Script::han)
        std::iter_swap(better - 1, better);
    return order;
}

void LineReader::learnProvenModel(qsizetype lineIndex, const QString &model)
{
    QMutexLocker lock(&m_analysis.mutex);
    if (!m_analysis.provenModels.contains(lineIndex))
        m_analysis.provenModels.insert(lineIndex, model);
    m_analysis.leadingModel = model;
}

QString LineReader::betterHanModel()
{
    QMutexLocker lock(&m_analysis.mutex);
    return m_analysis.betterHanModel;
}

void LineReader::learnBetterHanModel(const QString &model)
{
    if (scriptOf(model) != Script::han)
        return;
    QMutexLocker lock(&m_analysis.mutex);
    if (m_analysis.betterHanModel.isEmpty())
        m_analysis.betterHanModel = model;
}

tesseract::TessBaseAPI *LineReader::engineFor(const QString &model)
{
    auto lease = m_engines.find(model);
    if (lease == m_engines.end()) {
        lease = m_engines.emplace(model, m_pool.acquire(model)).first;
        setImage(lease->second.get(), m_analysis.prepared);
    }
    return lease->second.get();
}
