#pragma once

#include <QWidget>

#include <functional>
#include <span>

class ScreenRegionSelectionView;

// A borderless, topmost window covering one screen, holding its selection view. Its native window
// exists from construction, so that showing it is only a map.
class ScreenRegionSelectionWindow : public QWidget
{
    Q_OBJECT

public:
    // A translucent window veils the live screen where no picture of it could be taken.
    explicit ScreenRegionSelectionWindow(QScreen *screen, bool translucent = false);
    // A small window on the screen saying what is being done, shown with the keys; where the
    // desktop places it.
    static ScreenRegionSelectionWindow *badge(QScreen *screen, const QString &text);

    ScreenRegionSelectionView *view() const { return m_view; }
    // The memory the window will be drawn into, made now at the window's size; empty where the
    // platform makes it only when drawing (Wayland).
    std::span<uchar> drawingBuffer();
    std::function<void()> onCancel = [] {};

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ScreenRegionSelectionView *m_view;
};
