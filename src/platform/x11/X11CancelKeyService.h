#pragma once

#include "platform/CancelKeyService.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>

struct xcb_connection_t;

// Escape as a passive key grab on the X root window, held only while asked: other programs get
// the key back at once.
class X11CancelKeyService : public CancelKeyService, public QAbstractNativeEventFilter
{
public:
    // Uses the application's own X connection; the event filter is installed on it.
    X11CancelKeyService();
    ~X11CancelKeyService() override;

    bool hold() override;
    void release() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    xcb_connection_t *m_connection = nullptr;
    std::uint32_t m_root = 0;
    std::uint8_t m_escape = 0; // its keycode while held
};
