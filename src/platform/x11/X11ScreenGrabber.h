#pragma once

#include "platform/ScreenGrabber.h"

#include <QRect>

#include <mutex>
#include <optional>

struct xcb_connection_t;

// Reads screens from the X server over a connection of its own, kept open: xcb connections may be
// shared between threads, so it works on any thread.
class X11ScreenGrabber : public ScreenGrabber
{
public:
    X11ScreenGrabber();
    ~X11ScreenGrabber() override;
    X11ScreenGrabber(const X11ScreenGrabber &) = delete;
    X11ScreenGrabber &operator=(const X11ScreenGrabber &) = delete;

    bool isAvailable() const override { return true; }
    QImage grab(const ScreenGrabTarget &screen) override;
    // All screens with one round trip to the server, on the calling thread.
    QFuture<QList<QImage>> grabScreens(const QList<ScreenGrabTarget> &screens) override;

private:
    struct Root {
        xcb_connection_t *connection = nullptr;
        unsigned window = 0;
        QRect area;
    };
    // The open connection, made again when the server dropped it; none without an X server of
    // 24 bits or more. With the mutex held.
    std::optional<Root> root();
    QList<QImage> grabAll(const QList<ScreenGrabTarget> &screens);

    std::mutex m_mutex;
    xcb_connection_t *m_connection = nullptr;
    int m_screenNumber = 0;
};
