#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

// A glyph as a model read it: the character, how sure the model was (0...100), and its shape
// when it is a Han character.
struct ReadGlyph {
    QString text;
    float confidence = 0;
    QImage shape;
    bool operator==(const ReadGlyph &) const = default;
};

// Tells simplified from traditional Chinese by the glyphs' shapes. Each Chinese model reads the
// other's characters almost as surely as its own, so where two readings of a glyph differ, the
// glyph itself is compared with both characters drawn: the variant on screen has its strokes.
class HanVariants
{
public:
    // The glyph's ink at a fixed size, to compare with drawn characters; null without ink.
    static QImage shapeOf(const QImage &grayscale, const QRect &box);

    // How much more the glyphs where two readings of one line differ look like the first
    // reading's characters than like the second's, summed over those glyphs; 0 when the readings
    // agree.
    static float preference(const std::vector<ReadGlyph> &first, const std::vector<ReadGlyph> &second);

    // How much more the shape looks like the first character than like the second: positive
    // when it is the first, up to 1.
    static float preference(const QImage &shape, const QString &first, const QString &second);

private:
    static QImage drawn(const QString &character);
    // How alike two shapes are, 0...1.
    static float likeness(const QImage &a, const QImage &b);
};
