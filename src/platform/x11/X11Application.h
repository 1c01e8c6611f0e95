#pragma once

#include <QGuiApplication>

struct xcb_connection_t;

namespace X11Application {
// Qt's own connection to the X server; null on other platforms.
inline xcb_connection_t *connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}
} // namespace X11Application
