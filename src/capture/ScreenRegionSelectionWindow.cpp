#include "capture/ScreenRegionSelectionWindow.h"

#include "capture/CaptureTiming.h"
#include "capture/ScreenRegionSelectionView.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

ScreenRegionSelectionWindow::ScreenRegionSelectionWindow(QScreen *screen, bool translucent)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::X11BypassWindowManagerHint | Qt::Tool)
    , m_view(new ScreenRegionSelectionView(screen, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Over a picture of the screen the window is opaque (no alpha channel to clear and blend) and
    // its view draws every pixel: no background first.
    setAttribute(Qt::WA_TranslucentBackground, translucent);
    setAttribute(Qt::WA_NoSystemBackground);
    setWindowTitle(QStringLiteral("Tessarin selection"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setScreen(screen);
    setGeometry(screen->geometry());
    winId();
    windowHandle()->installEventFilter(this);
}

ScreenRegionSelectionWindow *ScreenRegionSelectionWindow::badge(QScreen *screen, const QString &text)
{
    auto *window = new ScreenRegionSelectionWindow(screen);
    // A fixed size is what tiling desktops float instead of tiling.
    window->setFixedSize(window->m_view->showBadge(text));
    window->show();
    window->m_view->setFocus();
    window->activateWindow();
    return window;
}

std::span<uchar> ScreenRegionSelectionWindow::drawingBuffer()
{
    // X11's buffer exists once sized; Wayland's only while a frame is drawn, and asking it for its
    // memory before then is not safe.
    QBackingStore *store = backingStore();
    if (!store || QGuiApplication::platformName() != QLatin1String("xcb"))
        return {};
    // Drawing later keeps a buffer of the right size.
    if (store->size() != size())
        store->resize(size());
    QPaintDevice *device = store->paintDevice();
    if (!device || device->devType() != QInternal::Image)
        return {};
    auto *image = static_cast<QImage *>(device);
    return {const_cast<uchar *>(image->constBits()), size_t(image->sizeInBytes())};
}

void ScreenRegionSelectionWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        onCancel();
    else
        QWidget::keyPressEvent(event);
}

bool ScreenRegionSelectionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && windowHandle()->isExposed())
        CaptureTiming::stamp("mapped");
    return QWidget::eventFilter(watched, event);
}
