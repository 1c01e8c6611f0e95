#pragma once

#include "ocr/TextRecognitionEngine.h"

#include <QString>

// What the models' raw text becomes before it goes to the clipboard, and what it tells about the
// line's script. Pure functions of the text.
namespace TextRules {

// Spaces the models put between CJK glyphs and into web addresses and paths removed, runs of
// spaces closed, ASCII punctuation after Han or kana made full-width.
QString normalizedLine(const QString &line);

// Whether a Latin model's reading is running text in a Latin language, perhaps with accents the
// model lacks: at most one word in four garbled.
bool looksLikeLatinText(const RecognizedText &text);

} // namespace TextRules
