#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

// An image named on the command line, read in full before it is decoded: the picture, or what
// kept it from being one.
struct ImageFile {
    enum class Problem : std::uint8_t { none, missing, unreadable, directory, empty, tooLarge, notAnImage, damaged };

    // Bigger files, or pictures of more pixels, are refused rather than read into memory.
    static constexpr qint64 maxBytes = 256LL * 1024 * 1024;
    static constexpr qint64 maxPixels = 64LL * 1024 * 1024;

    QImage image;
    Problem problem = Problem::none;
    QString detail; // what the system or the decoder said, where it adds to the problem

    // "-" is standard input. A named pipe without a writer is an empty file, never a wait.
    static ImageFile load(const QString &path);
    static ImageFile decode(const QByteArray &bytes);

    // One line for the user, in the words of the command line: "no such file", "is a directory".
    QString message() const;

    bool operator==(const ImageFile &) const = default;
};
