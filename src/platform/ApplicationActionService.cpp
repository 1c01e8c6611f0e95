#include "platform/ApplicationActionService.h"

#include "platform/PlatformLog.h"

#include <QDBusConnectionInterface>
#include <QTimer>

ApplicationActionService::ApplicationActionService(QObject *parent)
    : QObject(parent)
{
}

QString ApplicationActionService::objectPath(const QString &id)
{
    QString path = u'/' + id;
    path.replace(u'.', u'/').replace(u'-', u'_');
    return path;
}

bool ApplicationActionService::publish(QDBusConnection connection)
{
    const QString id = QString::fromLatin1(applicationId);
    if (!connection.isConnected()
        || !connection.registerObject(objectPath(id), this, QDBusConnection::ExportScriptableSlots)
        || !connection.registerService(id)) {
        qCWarning(platformLog) << "cannot offer the capture actions on D-Bus as" << id << "-"
                               << connection.lastError().message();
        return false;
    }
    return true;
}

void ApplicationActionService::Activate(const QVariantMap &)
{
    QTimer::singleShot(0, this, [this] { onActivate(); });
}

void ApplicationActionService::Open(const QStringList &, const QVariantMap &)
{
    QTimer::singleShot(0, this, [this] { onActivate(); });
}

void ApplicationActionService::ActivateAction(const QString &name, const QVariantList &, const QVariantMap &)
{
    const auto found = actions.find(name);
    if (found == actions.end()) {
        if (calledFromDBus())
            sendErrorReply(QDBusError::InvalidArgs, QStringLiteral("No action named %1").arg(name));
        return;
    }
    // After the reply: the caller (a shortcut daemon) must not wait for the whole capture.
    QTimer::singleShot(0, this, found->second);
}
