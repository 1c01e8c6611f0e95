#include "TextRenderer.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>

#include <stdexcept>

QImage TextRenderer::render(const QStringList &lines) const
{
    return dark ? render(lines, QColor(0xe6, 0xe6, 0xe6), QColor(0x1e, 0x1e, 0x1e))
                : render(lines, QColor(0x1d, 0x1d, 0x1f), QColor(Qt::white));
}

QImage TextRenderer::render(const QStringList &lines, const QColor &foreground, const QColor &background) const
{
    if (!QFontDatabase::families().contains(family))
        throw std::runtime_error("font not installed: " + family.toStdString());
    QFont font(family);
    font.setPixelSize(pixelSize * scale);
    const QFontMetrics metrics(font);

    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int margin = 12 * scale;
    const int lineHeight = metrics.lineSpacing() + 4 * scale;
    QImage image(width + 2 * margin, int(lines.size()) * lineHeight + 2 * margin, QImage::Format_RGB32);
    image.fill(background);

    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(foreground);
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(margin, margin + i * lineHeight + metrics.ascent(), lines[i]);
    return image;
}
