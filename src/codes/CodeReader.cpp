#include "codes/CodeReader.h"

#include "codes/CodesLog.h"

#include <ZXing/ReadBarcode.h>

#include <QHash>
#include <QPainter>

#include <algorithm>
#include <exception>

namespace {
using ZXing::BarcodeFormat;

constexpr ZXing::BarcodeFormats matrixFormats =
    BarcodeFormat::QRCode | BarcodeFormat::MicroQRCode | BarcodeFormat::DataMatrix | BarcodeFormat::Aztec
    | BarcodeFormat::PDF417;
// Those with a check digit or a strict structure. Codabar, ITF and DataBar decode too readily from
// the strokes of ordinary text.
constexpr ZXing::BarcodeFormats barcodeFormats =
    BarcodeFormat::EAN13 | BarcodeFormat::EAN8 | BarcodeFormat::UPCA | BarcodeFormat::UPCE | BarcodeFormat::Code128
    | BarcodeFormat::Code39 | BarcodeFormat::Code93;
// A barcode is taken only where its bars span this much of the image's width, so that the user
// evidently selected the barcode and not text beside it.
constexpr double barcodeShareOfWidth = 0.6;

QString formatName(BarcodeFormat format)
{
    switch (format) {
    case BarcodeFormat::QRCode:
        return QStringLiteral("QR Code");
    case BarcodeFormat::MicroQRCode:
        return QStringLiteral("Micro QR Code");
    case BarcodeFormat::DataMatrix:
        return QStringLiteral("Data Matrix");
    case BarcodeFormat::Aztec:
        return QStringLiteral("Aztec");
    case BarcodeFormat::PDF417:
        return QStringLiteral("PDF417");
    case BarcodeFormat::EAN13:
        return QStringLiteral("EAN-13");
    case BarcodeFormat::EAN8:
        return QStringLiteral("EAN-8");
    case BarcodeFormat::UPCA:
        return QStringLiteral("UPC-A");
    case BarcodeFormat::UPCE:
        return QStringLiteral("UPC-E");
    case BarcodeFormat::Code128:
        return QStringLiteral("Code 128");
    case BarcodeFormat::Code39:
        return QStringLiteral("Code 39");
    case BarcodeFormat::Code93:
        return QStringLiteral("Code 93");
    default:
        return QString::fromLatin1(ZXing::ToString(format));
    }
}

QPolygon polygonOf(const ZXing::Position &position)
{
    QPolygon polygon;
    for (const ZXing::PointI &corner : position)
        polygon << QPoint(corner.x, corner.y);
    return polygon;
}

bool isBarcode(BarcodeFormat format)
{
    return (barcodeFormats & format) == format;
}

ZXing::Results read(const QImage &grey)
{
    // Smaller than the smallest code (Micro QR, 11 modules a side) even at a pixel a module.
    constexpr int smallestCode = 11;
    if (grey.width() < smallestCode || grey.height() < smallestCode)
        return {};
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    ZXing::DecodeHints hints;
    // Codes on screens stand upright; turned images are not worth the time of every capture.
    // Without downscaled passes too: merging their barcodes with the full size's trips an
    // assertion in the library, which would end the program.
    hints.setFormats(matrixFormats | barcodeFormats).setTryHarder(true).setTryRotate(false).setTryDownscale(false);
    try {
        return ZXing::ReadBarcodes(view, hints);
    } catch (const std::exception &error) {
        // The library's detectors throw on some degenerate pictures (its Aztec detector indexes
        // past its own vectors on a 5x5 one): no code is what such a picture holds.
        qCDebug(codesLog) << "the code search gave up on a" << grey.size() << "picture:" << error.what();
        return {};
    }
}

// A module or two of margin. Not below a barcode, whose printed digits start where its guard bars
// end: half a digit would be read as some other letter.
QPolygon withMargin(const QPolygon &area, bool barcode)
{
    const QRect bounds = area.boundingRect();
    const QPoint centre = bounds.center();
    const int grow = std::max(2, int(0.05 * std::max(bounds.width(), bounds.height())));
    const int growDown = barcode ? 1 : grow;
    QPolygon grown;
    for (const QPoint &corner : area)
        grown << corner
                + QPoint(corner.x() < centre.x() ? -grow : grow, corner.y() < centre.y() ? -grow : growDown);
    return grown;
}

void addFound(QList<CodeReader::FoundCode> &found, const ZXing::Results &results, int imageWidth)
{
    for (const ZXing::Result &result : results) {
        if (!result.isValid() || result.text().empty())
            continue;
        const QPolygon area = polygonOf(result.position());
        const bool barcode = isBarcode(result.format());
        if (barcode && area.boundingRect().width() < barcodeShareOfWidth * imageWidth)
            continue;
        CodeReader::FoundCode code{{formatName(result.format()), QString::fromStdString(result.text())},
                                   withMargin(area, barcode)};
        // The same code read in both polarities, or twice, is one code.
        const bool known = std::any_of(found.cbegin(), found.cend(), [&](const CodeReader::FoundCode &each) {
            return each.code == code.code && each.area.boundingRect().intersects(code.area.boundingRect());
        });
        if (!known)
            found << code;
    }
}

// The colour most of the area's surroundings have: the page or panel the code sits on.
QRgb surroundingColour(const QImage &image, const QRect &area)
{
    const QRect ring = area.adjusted(-2, -2, 2, 2).intersected(image.rect());
    QHash<QRgb, int> counts;
    auto count = [&](int x, int y) { ++counts[image.pixel(x, y) | 0xff000000u]; };
    for (int x = ring.left(); x <= ring.right(); ++x) {
        count(x, ring.top());
        count(x, ring.bottom());
    }
    for (int y = ring.top(); y <= ring.bottom(); ++y) {
        count(ring.left(), y);
        count(ring.right(), y);
    }
    QRgb best = 0xffffffffu;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            best = it.key();
        }
    return best;
}
} // namespace

QList<CodeReader::FoundCode> CodeReader::find(const QImage &image)
{
    if (image.isNull())
        return {};
    QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QList<FoundCode> found;
    addFound(found, read(grey), grey.width());
    // Light modules on a dark panel, as in dark themes.
    grey.invertPixels();
    addFound(found, read(grey), grey.width());
    std::sort(found.begin(), found.end(), [](const FoundCode &a, const FoundCode &b) {
        const QRect first = a.area.boundingRect();
        const QRect second = b.area.boundingRect();
        return std::pair(first.top(), first.left()) < std::pair(second.top(), second.left());
    });
    return found;
}

QImage CodeReader::withoutCodes(const QImage &image, const QList<FoundCode> &codes)
{
    if (codes.isEmpty())
        return image;
    QImage cleaned = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QPainter painter(&cleaned);
    painter.setPen(Qt::NoPen);
    for (const FoundCode &code : codes) {
        painter.setBrush(QColor::fromRgb(surroundingColour(image, code.area.boundingRect())));
        painter.drawPolygon(code.area);
    }
    return cleaned;
}
