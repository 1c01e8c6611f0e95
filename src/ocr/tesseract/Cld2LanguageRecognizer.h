#pragma once

#include "ocr/LanguageRecognizer.h"

#include <QStringList>

// The dominant language of a text by CLD2.
class Cld2LanguageRecognizer : public LanguageRecognizer
{
public:
    QString dominantLanguage(const QString &text) const override;
    // CLD2's best guesses, most likely first, even for text too short to be sure of.
    static QStringList likelyLanguages(const QString &text);
};
