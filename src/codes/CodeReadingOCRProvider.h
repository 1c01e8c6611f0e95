#pragma once

#include "ocr/OCRProvider.h"

#include <memory>

// Reads the codes of an image, then its text with the codes painted out, so that modules are not
// read as letters. The codes' contents come first, one per line in reading order, then the text.
class CodeReadingOCRProvider : public OCRProvider
{
public:
    explicit CodeReadingOCRProvider(std::unique_ptr<OCRProvider> textProvider);

    QFuture<OCRResult> recognize(const QImage &image, const OCRRequest &request) override;
    void warmUp(PreferredLanguageMode mode) override { m_text->warmUp(mode); }

    // The text recogniser's result with the codes put before its text. A code counts even where
    // the text could not be read in time; a stop the user asked for stays a stop.
    static OCRResult combined(const QList<DecodedCode> &codes, OCRResult text);

private:
    std::unique_ptr<OCRProvider> m_text;
};
