#include "ocr/tesseract/Cld2LanguageRecognizer.h"

#include <cstdio>
#include <map>

#include <cld2/public/compact_lang_det.h>
#include <cld2/public/encodings.h>

QString Cld2LanguageRecognizer::dominantLanguage(const QString &text) const
{
    const QByteArray utf8 = text.toUtf8();
    CLD2::Language languages[3];
    int percents[3];
    int textBytes = 0;
    bool reliable = false;
    // The summary's first language, not the plain result: that one says English for anything
    // too short to tell.
    CLD2::DetectLanguageSummary(utf8.constData(), int(utf8.size()), true, languages, percents, &textBytes,
                                &reliable);
    if (languages[0] == CLD2::UNKNOWN_LANGUAGE)
        return {};
    return QString::fromLatin1(CLD2::LanguageCode(languages[0]));
}

namespace {
struct Guesses {
    CLD2::Language languages[3];
    double scores[3];
};

// CLD2's best effort on text of any length, expecting the given language more than others.
Guesses guess(const QByteArray &utf8, CLD2::Language expected = CLD2::UNKNOWN_LANGUAGE)
{
    const CLD2::CLDHints hints{nullptr, nullptr, CLD2::UNKNOWN_ENCODING, expected};
    Guesses guesses{};
    int percents[3];
    int textBytes = 0;
    bool reliable = false;
    CLD2::ExtDetectLanguageSummary(utf8.constData(), int(utf8.size()), true, &hints, CLD2::kCLDFlagBestEffort,
                                   guesses.languages, percents, guesses.scores, nullptr, &textBytes, &reliable);
    return guesses;
}
} // namespace

QStringList Cld2LanguageRecognizer::likelyLanguages(const QString &text)
{
    QStringList codes;
    for (CLD2::Language language : guess(text.toUtf8()).languages) {
        if (language != CLD2::UNKNOWN_LANGUAGE)
            codes << QString::fromLatin1(CLD2::LanguageCode(language));
    }
    return codes;
}

QStringList Cld2LanguageRecognizer::plausibleLanguages(const QString &text, const QStringList &codes)
{
    const QByteArray utf8 = text.toUtf8();
    std::multimap<double, QString, std::greater<>> byScore;
    for (const QString &code : codes) {
        const CLD2::Language expected = CLD2::GetLanguageFromName(code.toLatin1().constData());
        const Guesses guesses = guess(utf8, expected);
        if (expected != CLD2::UNKNOWN_LANGUAGE && guesses.languages[0] == expected)
            byScore.emplace(guesses.scores[0], code);
    }
    QStringList plausible;
    for (const auto &[score, code] : byScore)
        plausible << code;
    return plausible;
}
