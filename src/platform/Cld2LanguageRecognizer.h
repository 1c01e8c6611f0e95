#pragma once

#include "ocr/LanguageRecognizer.h"

// The dominant language of a text by CLD2.
class Cld2LanguageRecognizer : public LanguageRecognizer
{
public:
    QString dominantLanguage(const QString &text) const override;
    // CLD2's best guess even for text too short to be sure of; empty when it has none.
    static QString likelyLanguage(const QString &text);
};
