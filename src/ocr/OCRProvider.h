#pragma once

#include "ocr/OCRModels.h"

#include <QFuture>
#include <QImage>

// Recognises the text of an image. Never throws: failures are reported in the result.
class OCRProvider
{
public:
    virtual ~OCRProvider() = default;
    // Runs away from the calling thread; attach a continuation with a context object to
    // receive the result on that object's thread.
    virtual QFuture<OCRResult> recognize(const QImage &image, const OCRRequest &request) = 0;

    // Prepares, in the background, what recognition in this mode needs first.
    virtual void warmUp(PreferredLanguageMode) {}
};
