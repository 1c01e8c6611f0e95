#pragma once

#include <QImage>
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
    // A null image when the screen cannot be read.
    virtual QImage grab(const ScreenGrabTarget &screen) = 0;
};
