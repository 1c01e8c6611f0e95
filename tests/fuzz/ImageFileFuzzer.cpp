// Any bytes as an image file given to --read: decoding refuses what is not a sound picture of a
// sane size, and the code search and the painting out of codes stay inside what was decoded.
#include "app/ImageFile.h"
#include "codes/CodeReader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ImageFile file = ImageFile::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if ((file.problem == ImageFile::Problem::none) == file.image.isNull())
        std::abort();
    if (file.image.isNull())
        return 0;
    if (qint64(file.image.width()) * file.image.height() > ImageFile::maxPixels)
        std::abort();
    // Past a screen's worth of pixels, searching adds time and nothing new.
    if (qint64(file.image.width()) * file.image.height() > 1920 * 1080)
        return 0;
    const QList<CodeReader::FoundCode> codes = CodeReader::find(file.image);
    if (CodeReader::withoutCodes(file.image, codes).size() != file.image.size())
        std::abort();
    return 0;
}
