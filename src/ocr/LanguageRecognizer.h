#pragma once

#include <QString>

// Names the dominant language of a text.
class LanguageRecognizer
{
public:
    virtual ~LanguageRecognizer() = default;
    // A language code such as "en" or "zh-Hant"; empty when there is no dominant language.
    virtual QString dominantLanguage(const QString &text) const = 0;
};
