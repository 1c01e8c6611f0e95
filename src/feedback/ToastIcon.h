#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

// A toast's icon: one of the program's symbols by name, or an image used as a mask.
struct ToastIcon {
    enum class Kind { system, custom };

    Kind kind = Kind::system;
    QString symbolName;  // "checkmark.circle.fill", "exclamationmark.triangle.fill", "xmark.octagon.fill"
    QImage image;        // for custom: its alpha is the shape

    static ToastIcon system(const QString &symbolName);
    static ToastIcon custom(const QImage &image);

    // Draws the icon in tint, fitted and centred in a square of the given size within area.
    void paint(QPainter &painter, const QRectF &area, qreal size, const QColor &tint) const;

    bool operator==(const ToastIcon &) const = default;
};
