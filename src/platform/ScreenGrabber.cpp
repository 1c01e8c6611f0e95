#include "platform/ScreenGrabber.h"

#include <QScreen>
#include <QtConcurrent>

ScreenGrabTarget ScreenGrabTarget::of(const QScreen &screen)
{
    return ScreenGrabTarget{screen.name(), screen.geometry(), screen.devicePixelRatio()};
}

QFuture<QList<QImage>> ScreenGrabber::grabScreens(const QList<ScreenGrabTarget> &screens)
{
    if (!isAvailable())
        return QtFuture::makeReadyFuture(QList<QImage>(screens.size()));
    // Synchronous on purpose: the overlays wait for the slowest screen anyway, and showing them in
    // the same turn of the event loop keeps the shortcut-to-overlay time short.
    return QtFuture::makeReadyFuture(
        QtConcurrent::blockingMapped(screens, [this](const ScreenGrabTarget &screen) { return grab(screen); }));
}
