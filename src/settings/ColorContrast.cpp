#include "settings/ColorContrast.h"

#include <algorithm>
#include <cmath>

namespace ColorContrast {

namespace {
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

QColor mixed(const QColor &text, const QColor &background, double textShare)
{
    // In whole 8-bit steps, as the screen shows it, so the measured contrast is the one seen.
    auto channel = [textShare](int t, int b) { return qRound(t * textShare + b * (1 - textShare)); };
    const QColor t = text.toRgb();
    const QColor b = background.toRgb();
    return QColor(channel(t.red(), b.red()), channel(t.green(), b.green()), channel(t.blue(), b.blue()));
}
} // namespace

double ratio(const QColor &first, const QColor &second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor secondaryText(const QColor &text, const QColor &background, double minimumRatio)
{
    // From halfway, where a dimmed text usually sits, towards the text colour.
    for (int percent = 50; percent < 100; percent += 2) {
        const QColor candidate = mixed(text, background, percent / 100.0);
        if (ratio(candidate, background) >= minimumRatio)
            return candidate;
    }
    return text.toRgb();
}

} // namespace ColorContrast
