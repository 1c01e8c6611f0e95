#include "app/ReadCommand.h"

#include "app/ImageFile.h"
#include "ocr/OCRProvider.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {
void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

QString shownName(const QString &input)
{
    return input == u'-' ? QStringLiteral("standard input") : input;
}

QJsonObject jsonOf(const OCRResult &result)
{
    QJsonArray codes;
    for (const DecodedCode &code : result.codes)
        codes.append(QJsonObject{{"format", code.format}, {"text", code.text}});
    const bool found = result.status == OCRStatus::success;
    return QJsonObject{{"text", found ? result.text : QString()},
                       {"languages", QJsonArray::fromStringList(result.detectedLanguages)},
                       {"confidence", found ? result.confidence : 0.0},
                       {"codes", codes}};
}

void writeJson(QJsonObject object, const QString &input)
{
    object.insert(QStringLiteral("file"), input);
    write(stdout, QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n');
}
} // namespace

int ReadCommand::run(OCRProvider &recognizer, PreferredLanguageMode savedMode) const
{
    const OCRRequest request{mode.value_or(savedMode)};
    bool anyText = false;
    bool anyProblem = false;
    for (const QString &input : inputs) {
        const ImageFile file = ImageFile::load(input);
        if (file.problem != ImageFile::Problem::none) {
            anyProblem = true;
            write(stderr, QStringLiteral("tessarin: %1: %2\n").arg(shownName(input), file.message()));
            if (json)
                writeJson({{"error", file.message()}}, input);
            continue;
        }
        const OCRResult result = recognizer.recognize(file.image, request).result();
        if (result.status == OCRStatus::failed) {
            anyProblem = true;
            write(stderr, QStringLiteral("tessarin: %1: recognition failed\n").arg(shownName(input)));
            if (json)
                writeJson({{"error", QStringLiteral("recognition failed")}}, input);
            continue;
        }
        const bool found = result.status == OCRStatus::success;
        anyText = anyText || found;
        if (json)
            writeJson(jsonOf(result), input);
        else if (inputs.size() > 1)
            // As head and tail mark each file's part.
            write(stdout,
                  QStringLiteral("==> %1 <==\n%2").arg(shownName(input), found ? result.text + u'\n' : QString()));
        else if (found)
            write(stdout, result.text + u'\n');
    }
    if (anyProblem)
        return 2;
    return anyText ? 0 : 1;
}
