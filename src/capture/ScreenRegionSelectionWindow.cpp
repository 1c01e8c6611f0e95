#include "capture/ScreenRegionSelectionWindow.h"

#include <QKeyEvent>
#include <QScreen>

ScreenRegionSelectionWindow::ScreenRegionSelectionWindow(QScreen *screen)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint | Qt::Tool)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowTitle(QStringLiteral("Tessarin selection"));
    setScreen(screen);
    setGeometry(screen->geometry());
}

void ScreenRegionSelectionWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        onCancel();
    else
        QWidget::keyPressEvent(event);
}
