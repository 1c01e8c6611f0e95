#pragma once

#include "platform/ScreenGrabber.h"

#include <QDBusConnection>

// Reads the screens through the desktop's Screenshot portal (Wayland sessions), without asking the
// user to pick anything. The portal gives one picture of the whole desktop; it is cut into screens.
class PortalScreenGrabber : public ScreenGrabber
{
public:
    explicit PortalScreenGrabber(QDBusConnection connection = QDBusConnection::sessionBus());

    // Whether a portal is running or can be started on the session bus.
    bool isAvailable() const override;
    // The portal only takes the whole desktop: single screens come from grabScreens().
    QImage grab(const ScreenGrabTarget &) override { return {}; }
    // Fails with PortalRequestError when the portal refuses, is cancelled or is missing, and with
    // ScreenCaptureException when its picture cannot be read.
    QFuture<QList<QImage>> grabScreens(const QList<ScreenGrabTarget> &screens) override;
    // Removes the answer the portal keeps in its permission store (GNOME asks once and then keeps
    // a "Deny" for good; its settings have no page for programs that are not Flatpaks).
    void forgetRefusal() override;

    // The desktop picture cut into the screens. The picture spans the union of their logical
    // geometries at one scale (the largest output's); that scale becomes each part's pixel ratio,
    // except that a screen of lower density gets its own pixels back.
    static QList<QImage> splitDesktopImage(const QImage &desktop, const QList<ScreenGrabTarget> &screens);

private:
    QDBusConnection m_connection;
};
