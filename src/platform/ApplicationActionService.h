#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QVariantList>
#include <QVariantMap>

#include <functional>
#include <map>

// The program's actions on the session bus as org.freedesktop.Application, under its application
// id: what desktops without a global-shortcut service let users bind a shortcut to
// ("gapplication action ID ACTION", or gdbus). Calls arrive on the main thread.
class ApplicationActionService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    static constexpr const char *applicationId = "org.tessarin.Tessarin";

    explicit ApplicationActionService(QObject *parent = nullptr);

    // Named actions, and what a plain activation does.
    std::map<QString, std::function<void()>> actions;
    std::function<void()> onActivate = [] {};

    // Publishes the object and claims the id; false when another process holds it or no bus runs.
    bool publish(QDBusConnection connection = QDBusConnection::sessionBus());

    // The object path desktops derive from an application id.
    static QString objectPath(const QString &id);

public slots:
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);
    Q_SCRIPTABLE void Open(const QStringList &uris, const QVariantMap &platformData);
    Q_SCRIPTABLE void ActivateAction(const QString &name, const QVariantList &parameter,
                                     const QVariantMap &platformData);
};
