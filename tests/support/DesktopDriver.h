#pragma once

#include <QPoint>
#include <QPointF>
#include <QProcess>
#include <QRectF>
#include <QStringList>

class QScreen;
class ScreenRegionSelectionController;
class QWidget;

// Drives the X desktop as a user would, through xdotool.
namespace DesktopDriver {
QString xdotool(const QStringList &arguments);
// The X root position of a logical point on a screen (X knows only device pixels).
QPoint rootPosition(const QScreen *screen, QPointF local);
// xdotool arguments for a mouse drag between two logical points of a screen.
QStringList drag(const QScreen *screen, QPointF from, QPointF to);
// The same, for a rectangle in Qt's global logical coordinates on the given screen.
QStringList drag(const QScreen *screen, const QRectF &globalRect);
// Waits until the screen shows the window's own pixels, as a user would see them.
bool waitUntilShown(QWidget *window, int timeoutMs = 5000);
// Waits until the running selection's overlays are mapped on every screen, ready for input.
bool waitForOverlays(const ScreenRegionSelectionController &selection, int timeoutMs = 5000);

// Another program's window holding the keyboard focus, as when the user types there.
class FocusedProgram
{
public:
    FocusedProgram();
    ~FocusedProgram();
    const QString &window() const { return m_window; }

private:
    QProcess m_process;
    QString m_window;
};
} // namespace DesktopDriver
