#include "feedback/ToastAppearance.h"

#include <QGuiApplication>
#include <QPalette>

namespace {
QColor tint(ToastStyle style)
{
    switch (style) {
    case ToastStyle::success:
        return QColor(52, 199, 89);
    case ToastStyle::warning:
        return QColor(255, 149, 0);
    case ToastStyle::error:
        return QColor(255, 59, 48);
    case ToastStyle::info:
        return QColor(0, 122, 255);
    }
    return QColor(0, 122, 255);
}

// Halfway between the text and its background: readable, and visibly second.
QColor secondary(const QColor &text, const QColor &background)
{
    return QColor::fromRgbF((text.redF() * 3 + background.redF()) / 4, (text.greenF() * 3 + background.greenF()) / 4,
                            (text.blueF() * 3 + background.blueF()) / 4);
}
} // namespace

ToastAppearance ToastAppearance::defaultAppearance(ToastStyle style, bool hasSubtitle)
{
    // The desktop's own window colours, so a notice is dark on a dark desktop and light on a light one.
    const QPalette palette = QGuiApplication::palette();
    const QColor background = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    return ToastAppearance{
        background, text, secondary(text, background), tint(style), hasSubtitle ? 22.0 : 18.0,
        palette.color(QPalette::Mid),
    };
}

ToastAppearance ToastAppearance::onboarding()
{
    // The content colours with the selection colour as outline: set apart from the notices.
    const QPalette palette = QGuiApplication::palette();
    const QColor background = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    return ToastAppearance{background, text, secondary(text, background), text, 25.0,
                           palette.color(QPalette::Highlight)};
}
