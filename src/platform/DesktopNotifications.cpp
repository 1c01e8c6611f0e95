#include "platform/DesktopNotifications.h"

#include "platform/PlatformLog.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>
#include <QVariantMap>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage call(const QString &method)
{
    return QDBusMessage::createMethodCall(service, path, service, method);
}
} // namespace

DesktopNotifications::DesktopNotifications(QDBusConnection bus)
    : m_bus(std::move(bus))
{
}

bool DesktopNotifications::isAvailable() const
{
    return m_bus.isConnected() && m_bus.interface()->isServiceRegistered(service).value();
}

void DesktopNotifications::show(const QString &title, const QString &body, bool isWarning, int durationMs)
{
    QDBusMessage notify = call(QStringLiteral("Notify"));
    const QVariantMap hints{
        {QStringLiteral("desktop-entry"), QStringLiteral("tessarin")},
        // A passing notice, not something to keep in the desktop's list of notifications.
        {QStringLiteral("transient"), true},
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(isWarning ? 1 : 0))},
    };
    notify << QStringLiteral("Tessarin") << m_shownId << QStringLiteral("tessarin") << title << body << QStringList{}
           << hints << durationMs;
    const quint64 generation = ++m_generation;
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        const QDBusPendingReply<uint> reply = *watcher;
        if (reply.isError()) {
            qCWarning(platformLog) << "the desktop did not show a notice:" << reply.error().message();
            return;
        }
        if (generation == m_generation) {
            m_shownId = reply.value();
        } else {
            // A newer notice went out before this one was answered: this one is stale.
            QDBusMessage stale = call(QStringLiteral("CloseNotification"));
            stale << reply.value();
            m_bus.asyncCall(stale);
        }
    });
    // Desktops keep a notice as long as they like; ours last as long as they say.
    QTimer::singleShot(durationMs, this, [this, generation] {
        if (generation == m_generation)
            close();
    });
}

void DesktopNotifications::close()
{
    if (m_shownId == 0)
        return;
    QDBusMessage message = call(QStringLiteral("CloseNotification"));
    message << m_shownId;
    m_bus.asyncCall(message);
    m_shownId = 0;
}
