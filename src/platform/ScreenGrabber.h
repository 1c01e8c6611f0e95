#pragma once

#include <QFuture>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class QScreen;

// A screen as the grabber needs it, read on the main thread.
struct ScreenGrabTarget {
    QString name;           // RandR monitor or output name
    QRect geometry;         // logical, as Qt reports it
    qreal devicePixelRatio = 1;

    static ScreenGrabTarget of(const QScreen &screen);
    bool operator==(const ScreenGrabTarget &) const = default;
};

// Takes pictures of whole screens, in device pixels, without the mouse pointer.
// Implementations may be used from any thread.
class ScreenGrabber
{
public:
    virtual ~ScreenGrabber() = default;
    // Whether this desktop session lets the program read the screen at all.
    virtual bool isAvailable() const = 0;
    // A null image when the screen cannot be read, or when this service only takes whole desktops.
    virtual QImage grab(const ScreenGrabTarget &screen) = 0;
    // Pictures of all the given screens, in their order, each with its pixels-per-point ratio as
    // its device pixel ratio. Called on the main thread; the result may arrive later, or fail with
    // the service's own error. By default, every screen is grabbed in parallel before returning.
    virtual QFuture<QList<QImage>> grabScreens(const QList<ScreenGrabTarget> &screens);
    // Lets the desktop ask the user again at the next picture, where it remembers a refusal.
    virtual void forgetRefusal() {}
};
