#include "capture/ScreenRegionSelectionSession.h"

#include "capture/CaptureTiming.h"
#include "capture/ScreenRegionSelectionView.h"
#include "capture/ScreenRegionSelectionWindow.h"
#include "platform/DesktopSession.h"
#include "platform/ScreenGrabber.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

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
    CaptureTiming::stamp("grab started");
    QList<ScreenGrabTarget> targets;
    for (QScreen *screen : screens)
        targets << ScreenGrabTarget::of(*screen);
    QFuture<QList<QImage>> snapshots = m_grabber.grabScreens(targets);
    QList<QPointer<QScreen>> shownScreens(screens.begin(), screens.end());
    if (snapshots.isFinished()) {
        QList<QImage> images;
        try {
            images = snapshots.result();
        } catch (const QException &error) {
            fail(error);
            return;
        }
        showOverlays(shownScreens, images);
        return;
    }
    // A picture that comes later (desktop portals) is awaited before any overlay maps: compositors
    // draw nothing beneath a full-screen window, so even a transparent overlay would black out the
    // picture the portal is taking.
    snapshots.then(this, [this, shownScreens](const QList<QImage> &images) {
        if (!m_didFinish)
            showOverlays(shownScreens, images);
    }).onFailed(this, [this](const QException &error) { fail(error); });
}

void ScreenRegionSelectionSession::showOverlays(const QList<QPointer<QScreen>> &screens, QList<QImage> images)
{
    CaptureTiming::stamp("screen grabbed");
    images.resize(screens.size());
    QPointer<ScreenRegionSelectionSession> self(this);
    for (qsizetype i = 0; i < screens.size(); ++i) {
        QScreen *screen = screens[i];
        if (!screen)
            continue; // unplugged while the picture was taken
        // Without a picture, only a translucent veil can show the screen beneath.
        ScreenRegionSelectionWindow *window =
            images[i].isNull() ? new ScreenRegionSelectionWindow(screen, true) : windowFor(screen);
        window->onCancel = [self] {
            if (self)
                self->finish(std::nullopt);
        };
        window->view()->begin(images[i], [self](auto selection) {
            if (self)
                self->finish(selection);
        });
        m_windows.emplace_back(window);
    }
    CaptureTiming::stamp("windows ready");
    if (m_windows.empty()) {
        finish(std::nullopt);
        return;
    }
    // Wayland ignores positions and stacking: a full-screen window on its screen is the way.
    const bool fullScreen = DesktopSession::clipboardNeedsFocus();
    for (ScreenRegionSelectionWindow *window : m_windows) {
        if (fullScreen)
            window->showFullScreen();
        else
            window->show();
        window->raise();
        window->view()->setFocus();
    }
    CaptureTiming::stamp("windows shown");
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

ScreenRegionSelectionWindow *ScreenRegionSelectionSession::newWindow(QScreen *screen)
{
    return new ScreenRegionSelectionWindow(screen);
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
