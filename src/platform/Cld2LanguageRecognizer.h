#pragma once

#include "ocr/LanguageRecognizer.h"

// The dominant language of a text by CLD2.
class Cld2LanguageRecognizer : public LanguageRecognizer
{
public:
    QString dominantLanguage(const QString &text) const override;
};
