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

// A tray icon drawn afresh at each common tray size, in the given colour, marked as a mask.
QIcon trayIcon(const QColor &color);
} // namespace MenuBarIcon
