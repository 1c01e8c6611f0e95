#include "feedback/ToastView.h"


#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {
constexpr qreal cornerRadius = 16;
constexpr qreal horizontalInset = 18;
constexpr qreal verticalInset = 14;
constexpr qreal columnSpacing = 14;
constexpr qreal iconColumnWidth = 26;
constexpr qreal lineSpacing = 3;
// Enough for any of the program's messages at any font size: a notice is never cut short.
constexpr int maximumLines = 8;
} // namespace

ToastView::ToastView(bool rounded)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus)
    , m_rounded(rounded)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Without a compositor the corners would be black, and a mask would leave them jagged: there
    // the card is a plain opaque rectangle.
    setAttribute(Qt::WA_TranslucentBackground, m_rounded);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Tessarin"));
}

void ToastView::setContent(const QString &title, const std::optional<QString> &subtitle, const ToastIcon &icon,
                           const ToastAppearance &appearance)
{
    m_title = title;
    m_subtitle = subtitle;
    m_icon = icon;
    m_appearance = appearance;
    const int minimumHeight = subtitle ? heightWithSubtitle : heightWithoutSubtitle;
    setFixedSize(width, std::max(minimumHeight, int(std::ceil(textHeight() + 2 * verticalInset))));
    update();
}

QFont ToastView::titleFont() const
{
    // The desktop's font and size, so the user's font scaling applies.
    QFont font = QGuiApplication::font();
    font.setWeight(QFont::DemiBold);
    return font;
}

QFont ToastView::subtitleFont() const
{
    return QGuiApplication::font();
}

qreal ToastView::textWidth() const
{
    return width - 2 * horizontalInset - iconColumnWidth - columnSpacing;
}

QStringList ToastView::titleLines() const
{
    return lines(m_title, titleFont(), textWidth(), maximumLines);
}

QStringList ToastView::subtitleLines() const
{
    return m_subtitle ? lines(*m_subtitle, subtitleFont(), textWidth(), maximumLines) : QStringList();
}

qreal ToastView::textHeight() const
{
    qreal height = titleLines().size() * QFontMetricsF(titleFont()).height();
    const QStringList subtitle = subtitleLines();
    if (!subtitle.isEmpty())
        height += lineSpacing + subtitle.size() * QFontMetricsF(subtitleFont()).height();
    return height;
}

QStringList ToastView::lines(const QString &text, const QFont &font, qreal width, int maxLines)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList result;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (result.size() == maxLines - 1) {
            const QString rest = text.mid(line.textStart()).simplified();
            result << QFontMetricsF(font).elidedText(rest, Qt::ElideRight, width);
            break;
        }
        result << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return result;
}

void ToastView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath card;
    if (m_rounded) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        card.addRoundedRect(bounds, cornerRadius, cornerRadius);
    } else {
        card.addRect(bounds);
    }
    // Opaque: a see-through card would take its legibility from whatever lies beneath.
    QColor background = m_appearance.backgroundColor;
    background.setAlpha(255);
    painter.fillPath(card, background);
    if (m_appearance.borderColor)
        painter.strokePath(card, QPen(*m_appearance.borderColor, 1));

    const QRectF content = QRectF(rect()).adjusted(horizontalInset, verticalInset, -horizontalInset, -verticalInset);
    m_icon.paint(painter, QRectF(content.left(), content.top(), iconColumnWidth, content.height()),
                 m_appearance.iconSize, m_appearance.iconTintColor);

    const qreal textLeft = content.left() + iconColumnWidth + columnSpacing;
    qreal y = content.center().y() - textHeight() / 2;
    auto drawLines = [&](const QStringList &textLines, const QFont &font, const QColor &color) {
        const QFontMetricsF metrics(font);
        painter.setFont(font);
        painter.setPen(color);
        for (const QString &line : textLines) {
            painter.drawText(QPointF(textLeft, y + metrics.ascent()), line);
            y += metrics.height();
        }
    };
    drawLines(titleLines(), titleFont(), m_appearance.titleColor);
    y += lineSpacing;
    drawLines(subtitleLines(), subtitleFont(), m_appearance.subtitleColor);
}
