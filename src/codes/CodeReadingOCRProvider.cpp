#include "codes/CodeReadingOCRProvider.h"

#include "codes/CodeReader.h"

#include <QElapsedTimer>
#include <QtConcurrent>

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
    if (text.status == OCRStatus::success) {
        parts << text.text;
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
