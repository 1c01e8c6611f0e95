#pragma once

#include "ocr/DecodedCode.h"

#include <QImage>
#include <QList>
#include <QPolygon>

// Finds QR codes and other 2D codes anywhere in a screen image, light on dark as well as dark on
// light. Barcodes (one row of bars) only where the image is essentially the barcode: the bars of
// a row of printed digits must never pass for one.
namespace CodeReader {
struct FoundCode {
    DecodedCode code;
    QPolygon area; // where it is drawn, quiet zone included, in image pixels

    bool operator==(const FoundCode &) const = default;
};

// In reading order: top to bottom, then left to right.
QList<FoundCode> find(const QImage &image);

// The image with each code's area painted in the colour around it, so that the text recogniser
// does not read the modules as letters.
QImage withoutCodes(const QImage &image, const QList<FoundCode> &codes);
} // namespace CodeReader
