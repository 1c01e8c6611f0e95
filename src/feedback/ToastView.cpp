#include "feedback/ToastView.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextLayout>

namespace {
constexpr qreal cornerRadius = 16;
constexpr qreal horizontalInset = 18;
constexpr qreal verticalInset = 14;
constexpr qreal columnSpacing = 14;
constexpr qreal iconColumnWidth = 26;
constexpr qreal lineSpacing = 3;
constexpr int maximumLines = 2;

QPainterPath card(const QRectF &rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, cornerRadius, cornerRadius);
    return path;
}
} // namespace

ToastView::ToastView()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
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
    setFixedSize(width, subtitle ? heightWithSubtitle : heightWithoutSubtitle);
    // Without a compositor the translucent corners would show black; the mask cuts them off.
    setMask(QRegion(card(QRectF(rect())).toFillPolygon().toPolygon()));
    update();
}

QFont ToastView::titleFont() const
{
    QFont font;
    font.setPixelSize(14);
    font.setWeight(QFont::DemiBold);
    return font;
}

QFont ToastView::subtitleFont() const
{
    QFont font;
    // 12.5 logical pixels, which a pixel size cannot say.
    const qreal dpi = screen() ? screen()->logicalDotsPerInchY() : 96.0;
    font.setPointSizeF(12.5 * 72.0 / dpi);
    font.setWeight(QFont::Medium);
    return font;
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
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const QRectF bounds = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.fillPath(card(bounds), m_appearance.backgroundColor);
    if (m_appearance.borderColor)
        painter.strokePath(card(bounds), QPen(*m_appearance.borderColor, 1));

    const QRectF content = QRectF(rect()).adjusted(horizontalInset, verticalInset, -horizontalInset, -verticalInset);
    m_icon.paint(painter, QRectF(content.left(), content.top(), iconColumnWidth, content.height()),
                 m_appearance.iconSize, m_appearance.iconTintColor);

    const qreal textLeft = content.left() + iconColumnWidth + columnSpacing;
    const qreal textWidth = content.right() - textLeft;
    const QStringList titleLines = lines(m_title, titleFont(), textWidth, maximumLines);
    const QStringList subtitleLines = m_subtitle ? lines(*m_subtitle, subtitleFont(), textWidth, maximumLines)
                                                 : QStringList();
    const QFontMetricsF titleMetrics(titleFont());
    const QFontMetricsF subtitleMetrics(subtitleFont());
    qreal textHeight = titleLines.size() * titleMetrics.height();
    if (!subtitleLines.isEmpty())
        textHeight += lineSpacing + subtitleLines.size() * subtitleMetrics.height();

    qreal y = content.center().y() - textHeight / 2;
    auto drawLines = [&](const QStringList &textLines, const QFont &font, const QColor &color) {
        const QFontMetricsF metrics(font);
        painter.setFont(font);
        painter.setPen(color);
        for (const QString &line : textLines) {
            painter.drawText(QPointF(textLeft, y + metrics.ascent()), line);
            y += metrics.height();
        }
    };
    drawLines(titleLines, titleFont(), m_appearance.titleColor);
    y += lineSpacing;
    drawLines(subtitleLines, subtitleFont(), m_appearance.subtitleColor);
}
