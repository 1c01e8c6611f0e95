#include "feedback/ToastAppearance.h"

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
} // namespace

ToastAppearance ToastAppearance::defaultAppearance(ToastStyle style, bool hasSubtitle)
{
    return ToastAppearance{
        QColor::fromRgbF(0, 0, 0, 0.84f),
        QColor(Qt::white),
        QColor::fromRgbF(1, 1, 1, 0.78f),
        tint(style),
        hasSubtitle ? 22.0 : 18.0,
        std::nullopt,
    };
}

const ToastAppearance &ToastAppearance::onboarding()
{
    static const ToastAppearance appearance{
        QColor::fromRgbF(0.96f, 0.98f, 1.0f),
        QColor::fromRgbF(0.12f, 0.15f, 0.21f),
        QColor::fromRgbF(0.31f, 0.36f, 0.44f),
        QColor::fromRgbF(0.12f, 0.15f, 0.21f),
        25.0,
        QColor::fromRgbF(0.72f, 0.88f, 1.0f),
    };
    return appearance;
}
