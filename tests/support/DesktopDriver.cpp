#include "DesktopDriver.h"

#include <QProcess>
#include <QScreen>

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
    return {"mousemove", QString::number(a.x()), QString::number(a.y()), "mousedown", "1", "sleep", "0.05",
            "mousemove", QString::number(middle.x()), QString::number(middle.y()), "sleep", "0.05",
            "mousemove", QString::number(b.x()), QString::number(b.y()), "sleep", "0.05", "mouseup", "1"};
}

QStringList drag(const QScreen *screen, const QRectF &globalRect)
{
    const QPointF origin = screen->geometry().topLeft();
    return drag(screen, globalRect.topLeft() - origin, globalRect.bottomRight() - origin);
}

} // namespace DesktopDriver
