#include "codes/CodeReadingOCRProvider.h"

#include "codes/CodeReader.h"

#include <QElapsedTimer>
#include <QtConcurrent>

namespace {
QString lettersAndDigits(const QString &text)
{
    QString kept;
    for (const QChar character : text)
        if (character.isLetterOrNumber())
            kept += character.toCaseFolded();
    return kept;
}

// Whether a line prints the code's content: all of it in order, with no more than a few strays such
// as the ends of guard bars read as ones.
bool prints(const QString &line, const QString &code)
{
    constexpr qsizetype strays = 4;
    if (code.isEmpty() || line.size() > code.size() + strays)
        return false;
    qsizetype matched = 0;
    for (const QChar character : line)
        if (matched < code.size() && character == code.at(matched))
            ++matched;
    return matched == code.size();
}

// The text's lines but those that only print a code's content, as the digits under a barcode do.
QStringList linesNotRepeating(const QString &text, const QList<DecodedCode> &codes)
{
    QStringList kept;
    for (const QString &line : text.split(u'\n')) {
        const QString content = lettersAndDigits(line);
        const bool repeats = std::any_of(codes.cbegin(), codes.cend(), [&](const DecodedCode &code) {
            return prints(content, lettersAndDigits(code.text));
        });
        if (!repeats)
            kept << line;
    }
    return kept;
}
} // namespace

CodeReadingOCRProvider::CodeReadingOCRProvider(std::unique_ptr<OCRProvider> textProvider)
    : m_text(std::move(textProvider))
{
}

QFuture<OCRResult> CodeReadingOCRProvider::recognize(const QImage &image, const OCRRequest &request)
{
    QElapsedTimer timer;
    timer.start();
    return QtConcurrent::run([image] { return CodeReader::find(image); })
        .then([this, image, request, timer](const QList<CodeReader::FoundCode> &found) {
            QList<DecodedCode> codes;
            for (const CodeReader::FoundCode &each : found)
                codes << each.code;
            return m_text->recognize(CodeReader::withoutCodes(image, found), request)
                .then([codes, timer](const OCRResult &text) {
                    OCRResult result = combined(codes, text);
                    result.durationMilliseconds = timer.elapsed();
                    return result;
                });
        })
        .unwrap();
}

OCRResult CodeReadingOCRProvider::combined(const QList<DecodedCode> &codes, OCRResult text)
{
    if (codes.isEmpty() || text.failureReason == OCRFailureReason::cancelled)
        return text;
    QStringList parts;
    for (const DecodedCode &code : codes)
        parts << code.text;
    const QStringList lines = text.status == OCRStatus::success ? linesNotRepeating(text.text, codes) : QStringList();
    if (!lines.isEmpty()) {
        parts << lines;
    } else {
        // Only codes: nothing was read in a language, and a decoded code is certain.
        text.detectedLanguages = {QStringLiteral("und")};
        text.confidence = 1.0;
        text.status = OCRStatus::success;
        text.failureReason = OCRFailureReason::none;
    }
    text.text = parts.join(u'\n');
    text.codes = codes;
    return text;
}
