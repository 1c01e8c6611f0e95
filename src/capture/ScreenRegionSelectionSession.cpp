#include "capture/ScreenRegionSelectionSession.h"

#include "capture/CaptureTiming.h"
#include "capture/ScreenRegionSelectionView.h"
#include "capture/ScreenRegionSelectionWindow.h"
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
    // The windows' drawing memory is made and touched while the picture is being taken: a
    // screenful of fresh memory costs a page fault per page at the first frame otherwise.
    for (QScreen *screen : screens)
        m_prepared.emplace_back(windowFor(screen));
    warmUpBuffers();
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
    if (m_warming.joinable())
        m_warming.join();
    images.resize(screens.size());
    QPointer<ScreenRegionSelectionSession> self(this);
    for (qsizetype i = 0; i < screens.size(); ++i) {
        QScreen *screen = screens[i];
        if (!screen)
            continue; // unplugged while the picture was taken
        // Without a picture, only a translucent veil can show the screen beneath.
        ScreenRegionSelectionWindow *window = nullptr;
        if (images[i].isNull())
            window = new ScreenRegionSelectionWindow(screen, true);
        else if (size_t(i) < m_prepared.size() && m_prepared[size_t(i)])
            window = m_prepared[size_t(i)].data();
        else
            window = windowFor(screen);
        if (size_t(i) < m_prepared.size() && m_prepared[size_t(i)] == window)
            m_prepared[size_t(i)] = nullptr;
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
    dropPrepared();
    CaptureTiming::stamp("windows ready");
    if (m_windows.empty()) {
        finish(std::nullopt);
        return;
    }
    for (ScreenRegionSelectionWindow *window : m_windows) {
        if (overlay.fullScreen)
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
    dropPrepared();
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
    dropPrepared();
    const bool hold = selection && overlay.heldAfterSelection;
    // A held overlay keeps the keys: Escape on it stops the work on its selection.
    for (const QPointer<ScreenRegionSelectionWindow> &window : m_windows) {
        if (window && !hold)
            window->releaseKeyboard();
    }
    if (hold && !overlay.heldBadge.isEmpty()) {
        closeWindows(m_windows);
        QScreen *screen = selection->screen ? selection->screen.data() : QGuiApplication::primaryScreen();
        onHoldOverlay({ScreenRegionSelectionWindow::badge(screen, overlay.heldBadge)});
    } else if (hold) {
        onHoldOverlay(m_windows);
    } else {
        closeWindows(m_windows);
    }
    m_windows.clear();
    m_promise.addResult(selection);
    m_promise.finish();
    onFinish();
}

void ScreenRegionSelectionSession::warmUpBuffers()
{
    std::vector<std::span<uchar>> buffers;
    for (const QPointer<ScreenRegionSelectionWindow> &window : m_prepared) {
        if (const std::span<uchar> buffer = window->drawingBuffer(); !buffer.empty())
            buffers.push_back(buffer);
    }
    if (buffers.empty())
        return;
    // Only raw memory that nothing else touches until the join: the windows are neither shown nor
    // drawn before it. What is written is drawn over by the first, full frame.
    m_warming = std::thread([buffers] {
        for (const std::span<uchar> buffer : buffers) {
            for (size_t page = 0; page < buffer.size(); page += 4096)
                buffer[page] = 0;
        }
    });
}

void ScreenRegionSelectionSession::dropPrepared()
{
    if (m_warming.joinable())
        m_warming.join();
    closeWindows(m_prepared);
    m_prepared.clear();
}

ScreenRegionSelectionWindow *ScreenRegionSelectionSession::newWindow(QScreen *screen)
{
    return new ScreenRegionSelectionWindow(screen);
}

void ScreenRegionSelectionSession::closeWindows(const std::vector<QPointer<ScreenRegionSelectionWindow>> &windows)
{
    for (const QPointer<ScreenRegionSelectionWindow> &window : windows) {
        if (window) {
            window->releaseKeyboard();
            window->hide();
            window->deleteLater();
        }
    }
}
