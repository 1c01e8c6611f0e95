#include "feedback/ToastIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// The symbols are drawn in a unit square: the filled shape in the tint, the mark cut out.
QPainterPath shape(const QString &name)
{
    QPainterPath path;
    if (name == QLatin1String("exclamationmark.triangle.fill")) {
        QPolygonF triangle{{0.5, 0.08}, {0.96, 0.9}, {0.04, 0.9}};
        path.addPolygon(triangle);
        path.closeSubpath();
    } else if (name == QLatin1String("xmark.octagon.fill")) {
        QPolygonF octagon;
        for (int corner = 0; corner < 8; ++corner) {
            const double angle = M_PI / 8 + corner * M_PI / 4;
            octagon << QPointF(0.5 + 0.48 * std::cos(angle), 0.5 + 0.48 * std::sin(angle));
        }
        path.addPolygon(octagon);
        path.closeSubpath();
    } else {
        path.addEllipse(QRectF(0.02, 0.02, 0.96, 0.96));
    }
    return path;
}

void cutMark(QPainter &painter, const QString &name)
{
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setPen(QPen(Qt::black, 0.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    if (name == QLatin1String("exclamationmark.triangle.fill")) {
        painter.drawLine(QPointF(0.5, 0.38), QPointF(0.5, 0.6));
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QPointF(0.5, 0.75), 0.065, 0.065);
    } else if (name == QLatin1String("xmark.octagon.fill")) {
        painter.drawLine(QPointF(0.34, 0.34), QPointF(0.66, 0.66));
        painter.drawLine(QPointF(0.66, 0.34), QPointF(0.34, 0.66));
    } else if (name == QLatin1String("checkmark.circle.fill")) {
        painter.drawPolyline(QPolygonF{{0.28, 0.52}, {0.44, 0.67}, {0.72, 0.36}});
    }
}

QImage symbolImage(const QString &name, int pixels, const QColor &tint)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels, pixels);
    painter.setPen(QPen(tint, 0.08, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(tint);
    painter.drawPath(shape(name));
    cutMark(painter, name);
    return image;
}

} // namespace

ToastIcon ToastIcon::system(const QString &symbolName)
{
    return ToastIcon{Kind::system, symbolName, {}};
}

ToastIcon ToastIcon::custom(const QImage &image)
{
    return ToastIcon{Kind::custom, {}, image};
}

void ToastIcon::paint(QPainter &painter, const QRectF &area, qreal size, const QColor &tint) const
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const int pixels = std::max(1, qRound(size * ratio));
    QImage drawn;
    if (kind == Kind::system) {
        drawn = symbolImage(symbolName, pixels, tint);
    } else if (!image.isNull()) {
        QImage fitted = image.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // Masked pixel for pixel: the image's own ratio (a HiDPI drawing keeps it through scaled())
        // would shrink the mask into a corner of the tinted square.
        fitted.setDevicePixelRatio(1);
        drawn = QImage(fitted.size(), QImage::Format_ARGB32_Premultiplied);
        drawn.fill(tint);
        QPainter mask(&drawn);
        mask.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        mask.drawImage(0, 0, fitted);
    }
    if (drawn.isNull())
        return;
    drawn.setDevicePixelRatio(ratio);
    const QSizeF logical = QSizeF(drawn.size()) / ratio;
    painter.drawImage(QRectF(area.center() - QPointF(logical.width() / 2, logical.height() / 2), logical), drawn);
}
