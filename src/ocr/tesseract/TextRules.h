#pragma once

#include "ocr/TextRecognitionEngine.h"

#include <QRect>
#include <QString>

#include <vector>

// What the models' raw text becomes before it goes to the clipboard, and what it tells about the
// line's script. Pure functions of the text.
namespace TextRules {

// Spaces the models put between CJK glyphs and into web addresses and paths removed, runs of
// spaces closed, ASCII punctuation after Han or kana made full-width.
QString normalizedLine(const QString &line);

// Whether a Latin model's reading is running text in a Latin language, perhaps with accents the
// model lacks: at most one word in four garbled.
bool looksLikeLatinText(const RecognizedText &text);

// A word as a model read it, where it stands in the line, and how sure the model was (0...100).
struct ReadWord {
    QString text;
    QRect box;
    float confidence = 0;
    bool operator==(const ReadWord &) const = default;
};

// How many words at each end of a line are icons the model took for characters: a short word
// set apart by a gap wider than a word space (a sidebar's or a menu's icon, a tab's close
// button), unless it reads surely as letters or digits. A line of nothing but such words (a row
// of toolbar icons) is all icons.
struct IconWords {
    size_t leading = 0;
    size_t trailing = 0;
    bool operator==(const IconWords &) const = default;
};
IconWords iconWords(const std::vector<ReadWord> &words);

// Whether another script's model may have misread Latin letters as this word: three or more
// ASCII characters, not all digits, or all digits read unsurely.
bool mayBeMisreadLatin(const ReadWord &word);

// Whether a Latin model's reading of a word is a word of the Latin script: two letters or more,
// with digits and ASCII punctuation around or within them.
bool isLatinWord(const QString &text);

} // namespace TextRules
