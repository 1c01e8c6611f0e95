#include "app/ImageFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
ImageFile failed(ImageFile::Problem problem, QString detail = {})
{
    return ImageFile{{}, problem, std::move(detail)};
}

ImageFile openFailed(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return failed(ImageFile::Problem::missing);
    case EISDIR:
        return failed(ImageFile::Problem::directory);
    default:
        return failed(ImageFile::Problem::unreadable, QString::fromLocal8Bit(std::strerror(error)));
    }
}

// Everything the descriptor gives, up to one byte more than is accepted.
ImageFile readAll(int descriptor)
{
    QByteArray bytes;
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(descriptor, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return openFailed(errno);
        if (got == 0)
            break;
        bytes.append(chunk, got);
        if (bytes.size() > ImageFile::maxBytes)
            return failed(ImageFile::Problem::tooLarge,
                          QStringLiteral("more than %1 MB").arg(ImageFile::maxBytes / (1024 * 1024)));
    }
    return ImageFile::decode(bytes);
}
} // namespace

ImageFile ImageFile::load(const QString &path)
{
    if (path == u'-')
        return readAll(STDIN_FILENO);
    // Without O_NONBLOCK, opening a named pipe nobody writes to would wait for a writer forever.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return openFailed(errno);
    struct stat status = {};
    ImageFile file;
    if (::fstat(descriptor, &status) != 0)
        file = openFailed(errno);
    else if (S_ISDIR(status.st_mode))
        file = failed(Problem::directory);
    else if (S_ISREG(status.st_mode) && status.st_size > maxBytes)
        file = failed(Problem::tooLarge, QStringLiteral("%1 MB, at most %2 MB")
                                             .arg(status.st_size / (1024 * 1024))
                                             .arg(maxBytes / (1024 * 1024)));
    else if (::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0)
        file = openFailed(errno);
    else
        file = readAll(descriptor);
    ::close(descriptor);
    return file;
}

ImageFile ImageFile::decode(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return failed(Problem::empty);
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    if (!reader.canRead())
        return failed(Problem::notAnImage);
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > maxPixels)
        return failed(Problem::tooLarge, QStringLiteral("%1×%2 pixels, at most %3 million")
                                             .arg(size.width())
                                             .arg(size.height())
                                             .arg(maxPixels / (1024 * 1024)));
    // In megabytes: the largest picture accepted, as 32-bit pixels, and no more.
    reader.setAllocationLimit(int(maxPixels * 4 / (1024 * 1024)) + 1);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return failed(Problem::damaged, reader.errorString());
    return ImageFile{image, Problem::none, {}};
}

QString ImageFile::message() const
{
    auto said = [this](const char *what) {
        const QString words = QString::fromLatin1(what);
        return detail.isEmpty() ? words : QStringLiteral("%1 (%2)").arg(words, detail);
    };
    switch (problem) {
    case Problem::none:
        return {};
    case Problem::missing:
        return said("no such file");
    case Problem::unreadable:
        return said("cannot be read");
    case Problem::directory:
        return said("is a directory, not an image");
    case Problem::empty:
        return said("is empty, not an image");
    case Problem::tooLarge:
        return said("is too large");
    case Problem::notAnImage:
        return said("is not an image");
    case Problem::damaged:
        return said("is a damaged or truncated image");
    }
    return {};
}
