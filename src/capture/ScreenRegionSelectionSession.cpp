#include "capture/ScreenRegionSelectionSession.h"

#include "capture/ScreenRegionSelectionView.h"
#include "capture/ScreenRegionSelectionWindow.h"
#include "platform/DesktopSession.h"
#include "platform/ScreenGrabber.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

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
    // Every screen is photographed before any overlay is visible, so no overlay is ever in them.
    QList<ScreenGrabTarget> targets;
    for (QScreen *screen : screens)
        targets << ScreenGrabTarget::of(*screen);
    QFuture<QList<QImage>> snapshots = m_grabber.grabScreens(targets);
    if (snapshots.isFinished()) {
        QList<QImage> images;
        try {
            images = snapshots.result();
        } catch (const QException &error) {
            fail(error);
            return;
        }
        showOverlays(screens, images, false);
        return;
    }
    // The picture comes later: the overlays take the pointer and keys at once, invisible until then.
    showOverlays(screens, {}, true);
    snapshots.then(this, [this](const QList<QImage> &images) {
        if (m_didFinish)
            return;
        for (qsizetype i = 0; i < qsizetype(m_views.size()); ++i) {
            if (m_views[size_t(i)])
                m_views[size_t(i)]->setSnapshot(images.value(i));
        }
    }).onFailed(this, [this](const QException &error) { fail(error); });
}

void ScreenRegionSelectionSession::showOverlays(const QList<QScreen *> &screens, QList<QImage> images,
                                                bool awaitingSnapshots)
{
    images.resize(screens.size());
    const bool fullScreen = DesktopSession::clipboardNeedsFocus();
    QPointer<ScreenRegionSelectionSession> self(this);
    for (qsizetype i = 0; i < screens.size(); ++i) {
        auto *window = new ScreenRegionSelectionWindow(screens[i]);
        window->onCancel = [self] {
            if (self)
                self->finish(std::nullopt);
        };
        auto *view = new ScreenRegionSelectionView(screens[i], images[i], [self](auto selection) {
            if (self)
                self->finish(selection);
        }, window);
        auto *layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view);
        if (awaitingSnapshots)
            view->awaitSnapshot();
        m_views.emplace_back(view);
        // Wayland ignores positions and stacking: a full-screen window on its screen is the way.
        if (fullScreen)
            window->showFullScreen();
        else
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

void ScreenRegionSelectionSession::fail(const QException &error)
{
    if (m_didFinish)
        return;
    m_didFinish = true;
    closeWindows(m_windows);
    m_windows.clear();
    m_promise.setException(error);
    m_promise.finish();
    onFinish();
}

void ScreenRegionSelectionSession::finish(const std::optional<ScreenRegionSelection> &selection)
{
    if (m_didFinish)
        return;
    m_didFinish = true;
    for (const QPointer<ScreenRegionSelectionWindow> &window : m_windows) {
        if (window)
            window->releaseKeyboard();
    }
    if (selection && holdsOverlayAfterSelection)
        onHoldOverlay(m_windows);
    else
        closeWindows(m_windows);
    m_windows.clear();
    m_promise.addResult(selection);
    m_promise.finish();
    onFinish();
}

void ScreenRegionSelectionSession::closeWindows(const std::vector<QPointer<ScreenRegionSelectionWindow>> &windows)
{
    for (const QPointer<ScreenRegionSelectionWindow> &window : windows) {
        if (window) {
            window->hide();
            window->deleteLater();
        }
    }
}
