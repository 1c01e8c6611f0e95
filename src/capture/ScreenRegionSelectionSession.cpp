#include "capture/ScreenRegionSelectionSession.h"

#include "capture/ScreenRegionSelectionView.h"
#include "capture/ScreenRegionSelectionWindow.h"
#include "platform/ScreenGrabber.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent>

ScreenRegionSelectionSession::ScreenRegionSelectionSession(ScreenGrabber &grabber)
    : m_grabber(grabber)
{
    m_promise.start();
}

ScreenRegionSelectionSession::~ScreenRegionSelectionSession()
{
    // A session dropped while showing still ends its caller's wait.
    finish(std::nullopt);
}

void ScreenRegionSelectionSession::start()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.isEmpty()) {
        // Nothing to draw on: end at once rather than leave the caller waiting.
        QTimer::singleShot(0, this, [this] { finish(std::nullopt); });
        return;
    }
    // Every screen is photographed before any overlay shows, so no overlay is ever in them;
    // all at once, as the overlays wait for the slowest.
    QList<ScreenGrabTarget> targets;
    for (QScreen *screen : screens)
        targets << ScreenGrabTarget::of(*screen);
    const QList<QImage> snapshots = m_grabber.isAvailable()
        ? QtConcurrent::blockingMapped(targets, [this](const ScreenGrabTarget &target) { return m_grabber.grab(target); })
        : QList<QImage>(targets.size());

    QPointer<ScreenRegionSelectionSession> self(this);
    for (qsizetype i = 0; i < screens.size(); ++i) {
        auto *window = new ScreenRegionSelectionWindow(screens[i]);
        window->onCancel = [self] {
            if (self)
                self->finish(std::nullopt);
        };
        auto *view = new ScreenRegionSelectionView(screens[i], snapshots[i], [self](auto selection) {
            if (self)
                self->finish(selection);
        }, window);
        auto *layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view);
        window->show();
        window->raise();
        view->setFocus();
        m_windows.emplace_back(window);
    }
    // Override-redirect windows get no focus from the window manager: take the keyboard.
    ScreenRegionSelectionWindow *first = m_windows.front();
    first->activateWindow();
    first->grabKeyboard();
}

void ScreenRegionSelectionSession::finish(const std::optional<ScreenRegionSelection> &selection)
{
    if (m_didFinish)
        return;
    m_didFinish = true;
    for (const QPointer<ScreenRegionSelectionWindow> &window : m_windows) {
        if (window) {
            window->releaseKeyboard();
            window->hide();
            window->deleteLater();
        }
    }
    m_windows.clear();
    m_promise.addResult(selection);
    m_promise.finish();
    onFinish();
}
