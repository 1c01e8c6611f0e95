#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

class QPainter;

// The program's only picture, drawn in code: two corner brackets and a check mark.
namespace MenuBarIcon {
// Draws the shape, size x size logical pixels, with the painter's current brush colour.
void paint(QPainter &painter, qreal size, const QColor &color);

// An alpha-only (Format_Alpha8) image of size x size logical pixels, rendered at the
// given device pixel ratio so it stays crisp. Only the alpha channel carries the shape.
QImage image(qreal size, qreal devicePixelRatio = 1.0);

// The shape filled with one colour, for surfaces that do not tint masks themselves.
QImage tinted(const QImage &mask, const QColor &color);

// The name of the installed symbolic icon, which desktops recolour to suit their panel.
inline constexpr const char *symbolicIconName = "tessarin-symbolic";

// The drawing for a tray: light with a dark outline, readable on dark and light panels alike.
QImage outlined(qreal size, qreal devicePixelRatio = 1.0);

// For a tray that loads icons by name: the installed symbolic icon, which it recolours for its
// panel. Otherwise, or where it is not installed, the outlined drawing at each common tray size.
QIcon trayIcon(bool trayLoadsIconsByName);
} // namespace MenuBarIcon
