#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>

// Renders lines of text the way a screen shows them, for recognition tests and benchmarks.
struct TextRenderer {
    // What surrounds text on a screen, drawn the way a person selects it: edges included.
    enum class Surround { none, frame, scrollBar, windowFrame, lowContrast, denseWindow };

    QString family = QStringLiteral("Noto Sans");
    int pixelSize = 16;   // logical pixels
    int scale = 1;        // device pixels per logical pixel
    bool dark = false;    // light text on a dark background

    // Throws std::runtime_error when the font family is not installed: a test on a
    // substitute font would prove nothing.
    QImage render(const QStringList &lines) const;
    // The same in colours of its own instead of the light or dark theme's.
    QImage render(const QStringList &lines, const QColor &foreground, const QColor &background) const;

    // The rendered text inside a window's edge, frame, scroll bar or separator; s is the
    // device scale. Low contrast is the text's colours, not a surrounding.
    static QImage surrounded(const QImage &text, Surround surround, bool dark, int s);
};
