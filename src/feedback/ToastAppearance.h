#pragma once

#include "feedback/ToastStyle.h"

#include <QColor>

#include <optional>

struct ToastAppearance {
    QColor backgroundColor;
    QColor titleColor;
    QColor subtitleColor;
    QColor iconTintColor;
    double iconSize = 18; // points: symbol size, or the frame of a custom image
    std::optional<QColor> borderColor;

    // A card in the desktop's window colours; the icon tinted by the style, larger when there is a
    // subtitle.
    static ToastAppearance defaultAppearance(ToastStyle style, bool hasSubtitle);
    // The card of the first-launch hint, in the desktop's content colours.
    static ToastAppearance onboarding();

    bool operator==(const ToastAppearance &) const = default;
};
