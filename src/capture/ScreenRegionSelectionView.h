#pragma once

#include "capture/ScreenRegionSelection.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

// Fills one overlay window: the screen dimmed by 18 %, the dragged rectangle clear and
// outlined in blue. The screen picture is the one taken before the overlay appeared, so
// what the user sees is exactly what will be captured.
class ScreenRegionSelectionView : public QWidget
{
    Q_OBJECT

public:
    using FinishHandler = std::function<void(std::optional<ScreenRegionSelection>)>;

    static constexpr qreal minimumSize = 4;
    static constexpr qreal dimming = 0.18;

    ScreenRegionSelectionView(QScreen *screen, QWidget *parent);

    // Starts the selection over this picture of the screen, in device pixels; over the live
    // screen when it is null.
    void begin(QImage snapshot, FinishHandler onFinish);

    std::optional<QRectF> dragRect() const;
    // Draws only this text from now on, and leaves the keys to the window; returns the size the
    // text needs.
    QSize showBadge(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateDrag(const QPointF &position);
    void finishSelection();
    void paintBadge(QPainter &painter);

    QPointer<QScreen> m_screen;
    QImage m_snapshot;
    FinishHandler m_onFinish = [](auto) {};
    std::optional<QPointF> m_dragStart;
    std::optional<QPointF> m_dragCurrent;
    bool m_painted = false;
    QString m_badge;
};
