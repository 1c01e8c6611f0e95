#pragma once

#include <QString>

// A QR code, barcode or other machine-readable code found in an image, with what it holds.
struct DecodedCode {
    // The symbology's own name, as printed on labels: "QR Code", "Data Matrix", "EAN-13".
    QString format;
    QString text;

    bool operator==(const DecodedCode &) const = default;
};
