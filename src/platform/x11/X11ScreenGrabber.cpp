#include "platform/x11/X11ScreenGrabber.h"

#include "platform/XcbReply.h"

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstring>
#include <memory>

namespace {

template<typename T>
using Reply = XcbReply<T>;

struct ConnectionDeleter {
    void operator()(xcb_connection_t *connection) const { xcb_disconnect(connection); }
};

QString atomName(xcb_connection_t *connection, xcb_atom_t atom)
{
    Reply<xcb_get_atom_name_reply_t> reply(xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, atom), nullptr));
    if (!reply)
        return {};
    return QString::fromLatin1(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get()));
}

// The monitor's rectangle on the root window in device pixels, from RandR, which knows it
// exactly; Qt's logical geometry scaled up is the fallback.
QRect nativeGeometry(xcb_connection_t *connection, xcb_window_t root, const ScreenGrabTarget &screen)
{
    Reply<xcb_randr_get_monitors_reply_t> monitors(
        xcb_randr_get_monitors_reply(connection, xcb_randr_get_monitors(connection, root, 1), nullptr));
    if (monitors) {
        for (auto it = xcb_randr_get_monitors_monitors_iterator(monitors.get()); it.rem; xcb_randr_monitor_info_next(&it)) {
            if (atomName(connection, it.data->name) == screen.name)
                return QRect(it.data->x, it.data->y, it.data->width, it.data->height);
        }
    }
    const QRect logical = screen.geometry;
    return QRect(logical.topLeft(), logical.size() * screen.devicePixelRatio);
}

} // namespace

QImage X11ScreenGrabber::grab(const ScreenGrabTarget &screen)
{
    int screenNumber = 0;
    std::unique_ptr<xcb_connection_t, ConnectionDeleter> connection(xcb_connect(nullptr, &screenNumber));
    if (!connection || xcb_connection_has_error(connection.get()))
        return {};
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection.get()));
    for (int i = 0; i < screenNumber && screens.rem; ++i)
        xcb_screen_next(&screens);
    if (!screens.rem)
        return {};
    const xcb_screen_t *root = screens.data;

    const QRect area = nativeGeometry(connection.get(), root->root, screen)
                           .intersected(QRect(0, 0, root->width_in_pixels, root->height_in_pixels));
    if (area.isEmpty() || root->root_depth < 24)
        return {};
    Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(
        connection.get(),
        xcb_get_image(connection.get(), XCB_IMAGE_FORMAT_Z_PIXMAP, root->root, int16_t(area.x()), int16_t(area.y()),
                      uint16_t(area.width()), uint16_t(area.height()), ~0u),
        nullptr));
    if (!image || xcb_get_image_data_length(image.get()) < area.width() * area.height() * 4)
        return {};
    // 24-bit depth in 32-bit pixels, blue first: Qt's RGB32 on little-endian machines.
    const QImage view(xcb_get_image_data(image.get()), area.width(), area.height(), area.width() * 4,
                      QImage::Format_RGB32);
    QImage result = view.copy();
    result.setDevicePixelRatio(screen.devicePixelRatio);
    return result;
}
