#include "app/MenuBarIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace MenuBarIcon {

namespace {
// The drawing is specified with the origin at the bottom left; Qt's is at the top left.
QRectF flipped(qreal s, qreal x, qreal y, qreal width, qreal height)
{
    return QRectF(x, s - y - height, width, height);
}

QPointF flipped(qreal s, qreal x, qreal y)
{
    return QPointF(x, s - y);
}
} // namespace

void paint(QPainter &painter, qreal size, const QColor &color)
{
    const qreal s = size;
    const qreal t = std::max(0.11 * s, 1.7);
    const qreal m = 0.1 * s;
    const qreal a = 0.2 * s;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRect(flipped(s, m, s - m - a, t, a));
    painter.drawRect(flipped(s, m, s - m - t, a, t));
    painter.drawRect(flipped(s, s - m - t, m, t, a));
    painter.drawRect(flipped(s, s - m - a, m, a, t));

    QPainterPath check(flipped(s, 0.31 * s, 0.61 * s));
    check.lineTo(flipped(s, 0.49 * s, 0.32 * s));
    check.lineTo(flipped(s, 0.70 * s, 0.63 * s));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, std::max(0.13 * s, 1.9), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(check);
    painter.restore();
}

QImage image(qreal size, qreal devicePixelRatio)
{
    const int pixels = std::max(1, static_cast<int>(std::ceil(size * devicePixelRatio)));
    QImage result(pixels, pixels, QImage::Format_Alpha8);
    result.setDevicePixelRatio(devicePixelRatio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    paint(painter, size, Qt::black);
    return result;
}

QImage tinted(const QImage &mask, const QColor &color)
{
    QImage result(mask.size(), QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(mask.devicePixelRatio());
    result.fill(color);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.drawImage(0, 0, mask);
    return result;
}

QIcon trayIcon(const QColor &color)
{
    QIcon icon;
    for (int size : {16, 18, 22, 24, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(tinted(image(size), color)));
    icon.setIsMask(true);
    return icon;
}

} // namespace MenuBarIcon
