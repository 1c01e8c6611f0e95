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

QImage outlined(qreal size, qreal devicePixelRatio)
{
    const QImage mask = image(size, devicePixelRatio);
    const QImage dark = tinted(mask, QColor(24, 24, 24));
    QImage result(mask.size(), QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(devicePixelRatio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    // The outline: the dark shape shifted one pixel in every direction, beneath the light one.
    const int step = std::max(1, qRound(devicePixelRatio));
    for (int dx : {-step, 0, step}) {
        for (int dy : {-step, 0, step})
            painter.drawImage(QPointF(dx, dy) / devicePixelRatio, dark);
    }
    painter.drawImage(0, 0, tinted(mask, QColor(245, 245, 245)));
    return result;
}

QIcon trayIcon(bool trayLoadsIconsByName)
{
    QIcon drawn;
    for (int size : {16, 18, 22, 24, 32, 48, 64})
        drawn.addPixmap(QPixmap::fromImage(outlined(size)));
    // A tray that is handed pixels shows the symbolic grey as it is, unreadable on light panels.
    return trayLoadsIconsByName ? QIcon::fromTheme(QString::fromLatin1(symbolicIconName), drawn) : drawn;
}

} // namespace MenuBarIcon
