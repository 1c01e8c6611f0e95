#include "platform/x11/X11ScreenGrabber.h"

#include "platform/PlatformLog.h"
#include "platform/XcbReply.h"

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <QHash>

#include <vector>

namespace {

template<typename T>
using Reply = XcbReply<T>;

// The monitors' rectangles on the root window in device pixels, by RandR name, which RandR knows
// exactly. Every question goes out before the first answer is awaited.
QHash<QString, QRect> monitorGeometries(xcb_connection_t *connection, xcb_window_t root)
{
    QHash<QString, QRect> geometries;
    Reply<xcb_randr_get_monitors_reply_t> monitors(
        xcb_randr_get_monitors_reply(connection, xcb_randr_get_monitors(connection, root, 1), nullptr));
    if (!monitors)
        return geometries;
    std::vector<std::pair<xcb_get_atom_name_cookie_t, QRect>> pending;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(monitors.get()); it.rem; xcb_randr_monitor_info_next(&it)) {
        pending.emplace_back(xcb_get_atom_name(connection, it.data->name),
                             QRect(it.data->x, it.data->y, it.data->width, it.data->height));
    }
    for (const auto &[cookie, geometry] : pending) {
        Reply<xcb_get_atom_name_reply_t> name(xcb_get_atom_name_reply(connection, cookie, nullptr));
        if (name) {
            geometries.insert(
                QString::fromLatin1(xcb_get_atom_name_name(name.get()), xcb_get_atom_name_name_length(name.get())),
                geometry);
        }
    }
    return geometries;
}

void freeReply(void *reply)
{
    std::free(reply);
}

// The reply's pixels as an image, without copying them: the image owns the reply.
// 24-bit depth in 32-bit pixels, blue first: Qt's RGB32 on little-endian machines.
QImage imageOf(Reply<xcb_get_image_reply_t> reply, QSize size, qreal devicePixelRatio)
{
    if (!reply || xcb_get_image_data_length(reply.get()) < size.width() * size.height() * 4)
        return {};
    uint8_t *pixels = xcb_get_image_data(reply.get());
    QImage image(pixels, size.width(), size.height(), size.width() * 4, QImage::Format_RGB32, freeReply, reply.get());
    if (image.isNull())
        return {};
    reply.release();
    // Before the image is shared, so that this does not copy it.
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace

X11ScreenGrabber::X11ScreenGrabber()
{
    // Connected now, so that the first capture does not pay for it.
    std::lock_guard lock(m_mutex);
    root();
}

X11ScreenGrabber::~X11ScreenGrabber()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

std::optional<X11ScreenGrabber::Root> X11ScreenGrabber::root()
{
    if (m_connection && xcb_connection_has_error(m_connection)) {
        xcb_disconnect(m_connection);
        m_connection = nullptr;
    }
    if (!m_connection)
        m_connection = xcb_connect(nullptr, &m_screenNumber);
    if (const int error = xcb_connection_has_error(m_connection)) {
        qCWarning(platformLog) << "cannot connect to the X server to read the screen, xcb error" << error;
        return std::nullopt;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < m_screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem || screens.data->root_depth < 24) {
        qCWarning(platformLog) << "cannot read a screen of fewer than 24 bits per pixel";
        return std::nullopt;
    }
    return Root{m_connection, screens.data->root,
                QRect(0, 0, screens.data->width_in_pixels, screens.data->height_in_pixels)};
}

QImage X11ScreenGrabber::grab(const ScreenGrabTarget &screen)
{
    return grabAll({screen}).value(0);
}

QFuture<QList<QImage>> X11ScreenGrabber::grabScreens(const QList<ScreenGrabTarget> &screens)
{
    // On the calling thread: the server answers one request at a time anyway, and a worker
    // thread may be busy recognising text.
    return QtFuture::makeReadyFuture(grabAll(screens));
}

QList<QImage> X11ScreenGrabber::grabAll(const QList<ScreenGrabTarget> &screens)
{
    QList<QImage> images(screens.size());
    // One grab at a time: the server answers them in turn anyway, and a connection made again
    // must not be closed under another thread.
    std::lock_guard lock(m_mutex);
    const std::optional<Root> desktop = root();
    if (!desktop)
        return images;
    xcb_connection_t *connection = desktop->connection;
    const QHash<QString, QRect> monitors = monitorGeometries(connection, desktop->window);
    std::vector<std::pair<xcb_get_image_cookie_t, QSize>> pending;
    for (const ScreenGrabTarget &screen : screens) {
        // Qt's logical geometry scaled up where RandR does not know the monitor.
        const QRect area = monitors
                               .value(screen.name, QRect(screen.geometry.topLeft(),
                                                         screen.geometry.size() * screen.devicePixelRatio))
                               .intersected(desktop->area);
        if (area.isEmpty()) {
            pending.emplace_back(xcb_get_image_cookie_t{0}, QSize());
            continue;
        }
        pending.emplace_back(xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, desktop->window, int16_t(area.x()),
                                           int16_t(area.y()), uint16_t(area.width()), uint16_t(area.height()), ~0u),
                             area.size());
    }
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const auto &[cookie, size] = pending[size_t(i)];
        if (size.isEmpty())
            continue;
        xcb_generic_error_t *error = nullptr;
        Reply<xcb_get_image_reply_t> reply(xcb_get_image_reply(connection, cookie, &error));
        if (error)
            qCWarning(platformLog) << "the X server did not give the picture of" << screens[i].name << "- error"
                                   << error->error_code;
        std::free(error);
        images[i] = imageOf(std::move(reply), size, screens[i].devicePixelRatio);
    }
    // Errors of the questions above that were not asked for (no RandR, say) wait in the event
    // queue of a connection that lives on: dropped here.
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection))
        std::free(event);
    return images;
}
