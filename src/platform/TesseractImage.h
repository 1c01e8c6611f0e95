#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// Turns a screen capture into what Tesseract reads best: dark text on a light, padded
// background, scaled so that its lines are about as tall as the models expect.
struct TesseractImage {
    QImage image;        // Format_Grayscale8
    double scale = 1;    // prepared pixels per source pixel
    int padding = 0;     // prepared pixels of border on each side

    static TesseractImage prepare(const QImage &source);

    // The median height in pixels of the ink rows' runs, 0 when there is no ink.
    static int medianLineHeight(const QImage &grayscale);

    // Lines as bands of rows holding ink, each as wide as its ink: a layout that never drops
    // text, but does not keep columns apart.
    std::vector<QRect> inkLines() const;

    // The share of the image's ink that lies inside the given boxes, 0...1 (1 without ink).
    double inkCoverage(const std::vector<QRect> &boxes) const;
};
