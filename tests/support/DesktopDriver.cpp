#include "DesktopDriver.h"

#include "capture/ScreenRegionSelectionController.h"
#include "capture/ScreenRegionSelectionSession.h"
#include "capture/ScreenRegionSelectionWindow.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace DesktopDriver {

QString xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(10000))
        qFatal("xdotool did not finish");
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QPoint rootPosition(const QScreen *screen, QPointF local)
{
    return (screen->geometry().topLeft() + (local * screen->devicePixelRatio())).toPoint();
}

QStringList drag(const QScreen *screen, QPointF from, QPointF to)
{
    const QPoint a = rootPosition(screen, from);
    const QPoint b = rootPosition(screen, to);
    const QPoint middle = (a + b) / 2;
    // The pauses pace the drag as a hand would; nothing is waited for.
    return {"mousemove", QString::number(a.x()), QString::number(a.y()), "mousedown", "1", "sleep", "0.05",
            "mousemove", QString::number(middle.x()), QString::number(middle.y()), "sleep", "0.05",
            "mousemove", QString::number(b.x()), QString::number(b.y()), "sleep", "0.05", "mouseup", "1"};
}

QStringList drag(const QScreen *screen, const QRectF &globalRect)
{
    const QPointF origin = screen->geometry().topLeft();
    return drag(screen, globalRect.topLeft() - origin, globalRect.bottomRight() - origin);
}

namespace {
QImage devicePixels(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_RGB32);
}
} // namespace

bool waitUntilShown(QWidget *window, int timeoutMs)
{
    QScreen *screen = window->screen();
    const QRect area = window->geometry().translated(-screen->geometry().topLeft());
    const QImage own = devicePixels(window->grab().toImage());
    return QTest::qWaitFor([&] {
        return devicePixels(screen->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage()) == own;
    }, timeoutMs);
}

bool waitForOverlays(const ScreenRegionSelectionController &selection, int timeoutMs)
{
    return QTest::qWaitFor([&selection] {
        ScreenRegionSelectionSession *session = selection.activeSession();
        if (!session || session->windows().size() != size_t(QGuiApplication::screens().size()))
            return false;
        return std::all_of(session->windows().begin(), session->windows().end(),
                           [](const auto &window) { return window && window->windowHandle() && window->windowHandle()->isExposed(); });
    }, timeoutMs);
}

FocusedProgram::FocusedProgram()
{
    m_process.start(QStringLiteral("xmessage"), {"-name", "focused-program", "-geometry", "300x80+900+700", "The user types here"});
    if (!m_process.waitForStarted())
        qFatal("xmessage is missing");
    m_window = xdotool({"search", "--sync", "--onlyvisible", "--classname", "focused-program"}).section(u'\n', 0, 0);
    xdotool({"windowactivate", "--sync", m_window});
    if (!QTest::qWaitFor([this] { return xdotool({"getwindowfocus"}) == m_window; }))
        qFatal("the other program never got the focus");
}

FocusedProgram::~FocusedProgram()
{
    m_process.kill();
    m_process.waitForFinished();
}

} // namespace DesktopDriver
