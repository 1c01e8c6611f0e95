#include "app/MenuBarIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace MenuBarIcon {

void paint(QPainter &painter, qreal size, const QColor &color)
{
    const qreal s = size;
    // Whole pixels at tray sizes: a bar smeared over two pixels, under an outline, reads as a blob.
    const qreal thickness = std::max(std::round(0.1 * s), 2.0);
    const qreal margin = std::round(0.08 * s);
    // Long arms, so a bracket stays a corner and not a square at 16 pixels.
    const qreal arm = std::round(0.28 * s);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRect(QRectF(margin, margin, arm, thickness));
    painter.drawRect(QRectF(margin, margin, thickness, arm));
    painter.drawRect(QRectF(s - margin - arm, s - margin - thickness, arm, thickness));
    painter.drawRect(QRectF(s - margin - thickness, s - margin - arm, thickness, arm));

    // The check mark keeps clear of both brackets, so each outline stays its own; its legs run at
    // 45 degrees from a whole-pixel corner, so their edges are as sharp as a slanted line can be.
    const QPointF corner(std::round(0.46 * s), std::round(0.62 * s));
    const qreal shortLeg = std::round(0.13 * s);
    const qreal longLeg = std::round(0.22 * s);
    QPainterPath check(corner - QPointF(shortLeg, shortLeg));
    check.lineTo(corner);
    check.lineTo(corner + QPointF(longLeg, -longLeg));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(color, std::max(std::round(0.1 * s), 2.0), Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
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
