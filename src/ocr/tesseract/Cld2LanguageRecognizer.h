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
    // Of the given languages, those CLD2 finds the text in when told to expect each, the most
    // likely first. Text whose accents were misread can pass for a neighbour of its language
    // ("gl" for Spanish) until CLD2 is told which languages to expect.
    static QStringList plausibleLanguages(const QString &text, const QStringList &codes);
};
