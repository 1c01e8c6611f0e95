#pragma once

#include <QByteArray>
#include <QImage>

struct CapturedScreenImage {
    QImage image;       // device pixels
    QByteArray pngData; // image as PNG

    bool operator==(const CapturedScreenImage &) const = default;
};
