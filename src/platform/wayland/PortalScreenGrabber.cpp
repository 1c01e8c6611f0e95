#include "platform/wayland/PortalScreenGrabber.h"

#include "platform/ScreenCaptureError.h"
#include "platform/wayland/PortalRequest.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPromise>
#include <QUrl>
#include <QtConcurrent>

#include <memory>

namespace {
// Portals save the picture to a file and leave it there; it is ours to remove, but only if the
// portal has just written it, so that a user's own older file is never touched.
QImage readAndRemove(const QString &file, const QDateTime &requested)
{
    QImage image(file);
    const QFileInfo info(file);
    if (info.isFile() && !info.isSymLink() && info.lastModified() >= requested.addSecs(-2))
        QFile::remove(file);
    return image;
}

QRect unionOf(const QList<ScreenGrabTarget> &screens)
{
    QRect all;
    for (const ScreenGrabTarget &screen : screens)
        all |= screen.geometry;
    return all;
}
} // namespace

PortalScreenGrabber::PortalScreenGrabber(QDBusConnection connection)
    : m_connection(std::move(connection))
{
}

bool PortalScreenGrabber::isAvailable() const
{
    QDBusConnectionInterface *bus = m_connection.interface();
    if (!bus)
        return false;
    const QString service = QString::fromLatin1(PortalRequest::service);
    if (bus->isServiceRegistered(service))
        return true;
    const QDBusReply<QStringList> activatable = bus->call(QStringLiteral("ListActivatableNames"));
    return activatable.isValid() && activatable.value().contains(service);
}

QFuture<QList<QImage>> PortalScreenGrabber::grabScreens(const QList<ScreenGrabTarget> &screens)
{
    auto promise = std::make_shared<QPromise<QList<QImage>>>();
    promise->start();
    QFuture<QList<QImage>> future = promise->future();
    const QDateTime requested = QDateTime::currentDateTime();

    QDBusMessage call = QDBusMessage::createMethodCall(QString::fromLatin1(PortalRequest::service),
                                                       QString::fromLatin1(PortalRequest::path),
                                                       QStringLiteral("org.freedesktop.portal.Screenshot"),
                                                       QStringLiteral("Screenshot"));
    call << QString() << QVariantMap{{QStringLiteral("interactive"), false}, {QStringLiteral("modal"), true}};
    PortalRequest::send(call, [promise, screens, requested](const PortalResponse &response) {
        if (!response.succeeded()) {
            promise->setException(PortalRequestError(response));
            promise->finish();
            return;
        }
        const QString file = QUrl(response.results.value(QStringLiteral("uri")).toString()).toLocalFile();
        // Decoding a desktop-sized PNG takes long enough to be kept off the main thread.
        (void)QtConcurrent::run([promise, screens, requested, file] {
            const QImage desktop = file.isEmpty() ? QImage() : readAndRemove(file, requested);
            if (desktop.isNull())
                promise->setException(ScreenCaptureException(ScreenCaptureError::displayUnavailable));
            else
                promise->addResult(splitDesktopImage(desktop, screens));
            promise->finish();
        });
    }, 60000, m_connection);
    return future;
}

QList<QImage> PortalScreenGrabber::splitDesktopImage(const QImage &desktop, const QList<ScreenGrabTarget> &screens)
{
    const QRect all = unionOf(screens);
    QList<QImage> parts;
    if (desktop.isNull() || all.isEmpty()) {
        parts.resize(screens.size());
        return parts;
    }
    // One ratio for the whole picture; the screens' own pixel ratios are already in it.
    const qreal scaleX = qreal(desktop.width()) / all.width();
    const qreal scaleY = qreal(desktop.height()) / all.height();
    for (const ScreenGrabTarget &screen : screens) {
        const QRect area = QRectF((screen.geometry.x() - all.x()) * scaleX, (screen.geometry.y() - all.y()) * scaleY,
                                  screen.geometry.width() * scaleX, screen.geometry.height() * scaleY)
                               .toRect();
        QImage part = desktop.copy(area).convertToFormat(QImage::Format_RGB32);
        part.setDevicePixelRatio(scaleX);
        // A screen of lower density was enlarged to the picture's scale: back to its own pixels,
        // so a region of it is as many pixels as the screen shows.
        const QSize native = (QSizeF(screen.geometry.size()) * screen.devicePixelRatio).toSize();
        if (part.width() > native.width() && native.isValid() && !native.isEmpty()) {
            part = part.scaled(native, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            part.setDevicePixelRatio(screen.devicePixelRatio);
        }
        parts << part;
    }
    return parts;
}

void PortalScreenGrabber::forgetRefusal()
{
    // Programs that are not sandboxed are stored under the empty application id.
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.impl.portal.PermissionStore"),
        QStringLiteral("/org/freedesktop/impl/portal/PermissionStore"),
        QStringLiteral("org.freedesktop.impl.portal.PermissionStore"), QStringLiteral("DeletePermission"));
    call << QStringLiteral("screenshot") << QStringLiteral("screenshot") << QString();
    // No answer is awaited: where nothing was stored there is nothing to forget.
    m_connection.asyncCall(call);
}
