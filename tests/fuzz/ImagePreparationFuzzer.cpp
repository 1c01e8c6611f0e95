// Screen images of any size, format, colour and transparency, down to 1xN strips: preparing
// them for recognition and completing their lines never crashes, and stays inside the image.
#include "ocr/tesseract/TesseractImage.h"

#include <QImage>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {
constexpr QImage::Format formats[] = {QImage::Format_ARGB32, QImage::Format_RGB32,
                                      QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB888,
                                      QImage::Format_Grayscale8, QImage::Format_Indexed8,
                                      QImage::Format_Mono, QImage::Format_RGBA64};

// Reads little numbers off the front of the input; zero once it runs out.
struct Reader {
    const std::uint8_t *data;
    std::size_t size;
    unsigned next(unsigned bytes)
    {
        unsigned value = 0;
        for (unsigned i = 0; i < bytes && size > 0; ++i, ++data, --size)
            value = value << 8 | *data;
        return value;
    }
};

QImage imageFrom(Reader &in)
{
    // Up to 4096 pixels a side and a full HD screen's worth in all.
    const int width = int(in.next(2) % 4096) + 1;
    const int height = std::min(int(in.next(2) % 4096) + 1, 1920 * 1080 / width);
    QImage image(width, height, formats[in.next(1) % std::size(formats)]);
    if (image.isNull())
        return image;
    if (image.format() == QImage::Format_Indexed8 || image.format() == QImage::Format_Mono)
        for (int i = 0; i < image.colorCount(); ++i)
            image.setColor(i, in.next(4));
    // The rest of the input, repeated, is the pixels: patterns, edges and flat areas.
    const std::size_t total = std::size_t(image.sizeInBytes());
    uchar *bits = image.bits();
    if (in.size == 0) {
        std::memset(bits, 0xff, total);
        return image;
    }
    for (std::size_t done = 0; done < total; done += in.size)
        std::memcpy(bits + done, in.data, std::min(in.size, total - done));
    return image;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    Reader in{data, size};
    const QImage source = imageFrom(in);
    const TesseractImage prepared = TesseractImage::prepare(source);
    if (source.isNull())
        return 0;
    if (prepared.image.format() != QImage::Format_Grayscale8)
        std::abort();
    const QRect bounds = prepared.image.rect();
    for (const QRect &glyph : prepared.glyphs)
        if (!bounds.contains(glyph))
            std::abort();
    // Lines as a layout analysis might report them: a row through every other glyph.
    std::vector<QRect> lines;
    for (std::size_t i = 0; i < prepared.glyphs.size(); i += 2)
        lines.push_back(QRect(0, prepared.glyphs[i].top(), bounds.width(), prepared.glyphs[i].height()));
    for (const QRect &line : prepared.completedLines(lines))
        if (!bounds.contains(line))
            std::abort();
    return 0;
}
