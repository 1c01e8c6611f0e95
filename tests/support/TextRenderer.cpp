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

QImage TextRenderer::surrounded(const QImage &text, Surround surround, bool dark, int s)
{
    if (surround == Surround::none || surround == Surround::lowContrast)
        return text;
    const QColor background = text.pixelColor(0, 0);
    const int border = 2 * s;
    const int bar = 6 * s;
    const int title = surround == Surround::windowFrame ? 26 * s : 0;
    const int frame = surround == Surround::windowFrame ? 6 * s : border;
    const int extraRight = surround == Surround::scrollBar || surround == Surround::frame ? bar + 4 * s : 0;
    const int extraBottom = surround == Surround::scrollBar ? 12 * s : 0;
    QImage image(text.width() + 2 * frame + extraRight, text.height() + 2 * frame + title + extraBottom,
                 QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    const QRect inner(frame, frame + title, image.width() - 2 * frame, image.height() - 2 * frame - title);
    painter.drawImage(frame, frame + title, text);
    switch (surround) {
    case Surround::frame:
    case Surround::denseWindow:
        // The window's edge, selected with it.
        painter.fillRect(image.rect(), dark ? QColor(0x80, 0x80, 0x80) : Qt::black);
        painter.fillRect(inner, background);
        painter.drawImage(frame, frame, text);
        break;
    case Surround::windowFrame:
        painter.fillRect(image.rect(), QColor(0x24, 0x24, 0x24));
        painter.fillRect(QRect(0, 0, image.width(), title + frame), QColor(0x38, 0x38, 0x38));
        painter.setBrush(QColor(0xd0, 0x50, 0x50));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(image.width() - 16 * s, (title + frame) / 2), 6 * s, 6 * s);
        painter.fillRect(inner, background);
        painter.drawImage(frame, frame + title, text);
        break;
    default:
        break;
    }
    if (surround == Surround::frame || surround == Surround::scrollBar) {
        // A scroll bar: a track with a darker thumb, and for scroll bars a separator below.
        const QRect track(inner.right() - bar - 2 * s, inner.top(), bar, inner.height());
        painter.fillRect(track, dark ? QColor(0x3a, 0x3a, 0x3a) : QColor(0xe4, 0xe4, 0xe4));
        painter.fillRect(track.adjusted(s, inner.height() / 5, -s, -inner.height() / 3),
                         dark ? QColor(0x70, 0x70, 0x70) : QColor(0xa0, 0xa0, 0xa0));
    }
    if (surround == Surround::scrollBar)
        painter.fillRect(QRect(0, image.height() - 6 * s, image.width(), s), dark ? QColor(0x55, 0x55, 0x55) : QColor(0xc8, 0xc8, 0xc8));
    return image;
}
