#include "capture/ScreenRegionSelectionView.h"

#include "capture/CaptureTiming.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal outlineWidth = 2;
} // namespace

ScreenRegionSelectionView::ScreenRegionSelectionView(QScreen *screen, QWidget *parent)
    : QWidget(parent)
    , m_screen(screen)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ScreenRegionSelectionView::begin(QImage snapshot, FinishHandler onFinish)
{
    m_snapshot = std::move(snapshot);
    m_onFinish = std::move(onFinish);
    if (m_snapshot.isNull()) {
        // Only a veil over the live screen, which stays invisible without a compositor: the cross
        // is then the one sign that a selection is waiting. Over the dimmed picture the pointer
        // keeps its shape.
        setCursor(Qt::CrossCursor);
        setAttribute(Qt::WA_OpaquePaintEvent, false);
    } else {
        unsetCursor();
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
}

std::optional<QRectF> ScreenRegionSelectionView::dragRect() const
{
    if (!m_dragStart || !m_dragCurrent)
        return std::nullopt;
    return QRectF(*m_dragStart, *m_dragCurrent).normalized();
}

QSize ScreenRegionSelectionView::showBadge(const QString &text)
{
    m_badge = text;
    update();
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(text) + 2 * metrics.height(), 2 * metrics.height()};
}

void ScreenRegionSelectionView::keyPressEvent(QKeyEvent *event)
{
    if (!m_badge.isEmpty())
        event->ignore();
    else if (event->key() == Qt::Key_Escape)
        m_onFinish(std::nullopt);
    else
        QWidget::keyPressEvent(event);
}

void ScreenRegionSelectionView::mousePressEvent(QMouseEvent *event)
{
    m_dragStart = event->position();
    updateDrag(event->position());
}

void ScreenRegionSelectionView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragStart)
        updateDrag(event->position());
}

void ScreenRegionSelectionView::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragCurrent = event->position();
    finishSelection();
}

void ScreenRegionSelectionView::finishSelection()
{
    const std::optional<QRectF> rect = dragRect();
    if (!rect || rect->width() < minimumSize || rect->height() < minimumSize || !window() || !m_screen) {
        m_onFinish(std::nullopt);
        return;
    }
    m_onFinish(ScreenRegionSelection{m_screen, rect->translated(m_screen->geometry().topLeft()), m_snapshot});
}

void ScreenRegionSelectionView::updateDrag(const QPointF &position)
{
    const std::optional<QRectF> before = dragRect();
    m_dragCurrent = position;
    // Only what changed is repainted: a full-screen repaint per mouse move would lag.
    QRectF changed = *dragRect();
    if (before)
        changed |= *before;
    update(changed.toAlignedRect().adjusted(-3, -3, 3, 3));
}

void ScreenRegionSelectionView::paintBadge(QPainter &painter)
{
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignCenter, m_badge);
}

void ScreenRegionSelectionView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_badge.isEmpty()) {
        paintBadge(painter);
        return;
    }
    const std::optional<QRectF> rect = dragRect();
    if (m_snapshot.isNull()) {
        // No picture of the screen: a translucent veil, which needs a compositor to show.
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(event->rect(), QColor::fromRgbF(0, 0, 0, float(dimming)));
        if (rect)
            painter.fillRect(*rect, Qt::transparent);
    } else {
        const qreal ratio = m_snapshot.devicePixelRatio();
        auto source = [ratio](const QRectF &area) {
            return QRectF(area.topLeft() * ratio, area.size() * ratio);
        };
        // Dimmed in place in the window's own buffer: a darkened copy of the picture would be
        // another screenful of fresh memory to fill, which costs more than the blend.
        const QRectF area(event->rect());
        painter.drawImage(area, m_snapshot, source(area));
        QPainterPath dimmed;
        dimmed.addRect(area);
        if (rect) {
            QPainterPath clear;
            clear.addRect(*rect);
            dimmed = dimmed.subtracted(clear);
        }
        painter.fillPath(dimmed, QColor::fromRgbF(0, 0, 0, float(dimming)));
    }
    if (rect) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        // The desktop's selection colour.
        painter.setPen(QPen(palette().color(QPalette::Highlight), outlineWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(*rect);
    }
    if (!m_painted) {
        m_painted = true;
        CaptureTiming::stamp("first frame drawn");
    }
}
