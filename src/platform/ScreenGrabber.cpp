#include "platform/ScreenGrabber.h"

#include <QScreen>

ScreenGrabTarget ScreenGrabTarget::of(const QScreen &screen)
{
    return ScreenGrabTarget{screen.name(), screen.geometry(), screen.devicePixelRatio()};
}
