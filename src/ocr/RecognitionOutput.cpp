#include "ocr/RecognitionOutput.h"

#include "ocr/Scripts.h"

#include <QStringView>

namespace {

bool isAsciiLetterOrDigit(char32_t c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

template<typename Predicate>
int countScalars(const QString &text, Predicate predicate)
{
    int count = 0;
    for (char32_t scalar : QStringView(text).toUcs4()) {
        if (predicate(scalar))
            ++count;
    }
    return count;
}
} // namespace

QStringList RecognitionOutput::strings() const
{
    QStringList lines;
    for (const TextObservation &observation : observations) {
        if (!observation.topCandidate)
            continue;
        const QString line = observation.topCandidate->string.trimmed();
        if (!line.isEmpty())
            lines << QString(observation.indentation, u' ') + line;
    }
    return lines;
}

double RecognitionOutput::averageConfidence() const
{
    double sum = 0;
    for (const TextObservation &observation : observations) {
        if (observation.topCandidate)
            sum += static_cast<double>(observation.topCandidate->confidence);
    }
    return sum / static_cast<double>(observations.empty() ? 1 : observations.size());
}

int RecognitionOutput::cjkCharacterCount() const
{
    return countScalars(strings().join(u'\n'), Scripts::isCJK);
}

int RecognitionOutput::latinCharacterCount() const
{
    return countScalars(strings().join(u'\n'), isAsciiLetterOrDigit);
}
