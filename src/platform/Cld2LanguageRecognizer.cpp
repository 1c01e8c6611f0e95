#include "platform/Cld2LanguageRecognizer.h"

#include <cstdio>

#include <cld2/public/compact_lang_det.h>

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
