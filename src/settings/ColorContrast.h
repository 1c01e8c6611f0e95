#pragma once

#include <QColor>

// Contrast between colours as accessibility guidelines measure it (WCAG 2): 1 for the same
// luminance, 21 for black on white. Text needs 4.5 against its background to be read easily.
namespace ColorContrast {
inline constexpr double readableText = 4.5;

double ratio(const QColor &first, const QColor &second);

// The colour for text that is second in importance: between text and background, as near the
// background as it can be while it keeps the given contrast to it (the text colour itself where
// even that falls short).
QColor secondaryText(const QColor &text, const QColor &background, double minimumRatio = readableText);
} // namespace ColorContrast
