#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// Turns a screen capture into what Tesseract reads best: dark text on a white, padded
// background at full contrast, without the frames, scroll bars and rules that surround text
// on a screen, scaled so that small text is as large as the models expect.
struct TesseractImage {
    QImage image;              // Format_Grayscale8
    double scale = 1;          // prepared pixels per source pixel
    int padding = 0;           // prepared pixels of border on each side
    std::vector<QRect> glyphs; // text-sized pieces of ink, in prepared pixels
    std::vector<QRect> marks;  // pieces too small for glyphs: dots, commas
    std::vector<QRect> rules;  // upright lines longer than text: grid lines, dividers, frames
    int glyphHeight = 0;       // their median height, in prepared pixels; 0 without ink

    static TesseractImage prepare(const QImage &source);

    // The lines grown to the glyphs beside them that they left out, and rows of the glyphs
    // that no line holds added: nothing readable is dropped by the layout analysis.
    std::vector<QRect> completedLines(std::vector<QRect> lines) const;

    // The area of a line whose glyphs stand far apart, as a terminal draws CJK text in wide
    // cells, with the gaps narrowed to a typical font's; a null image when the line is spaced
    // as usual. The models read such a line's glyphs twice or split them.
    QImage narrowedLine(const QRect &line, const QRect &area) const;
};
