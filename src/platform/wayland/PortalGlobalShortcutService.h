#pragma once

#include "platform/GlobalShortcutService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>

#include <map>

// Global shortcuts through the desktop's GlobalShortcuts portal (Wayland sessions). The portal
// binds all shortcuts of a program at once, so registrations made in one turn of the event loop
// are sent together; refusals arrive later through onRefused.
class PortalGlobalShortcutService : public QObject, public GlobalShortcutService
{
    Q_OBJECT

public:
    // How the desktop's shortcut settings name each registration id.
    struct Name {
        QString portalId;
        QString description;
    };

    // Refusal codes: no portal offers global shortcuts; the portal refused the session or binding;
    // the portal left this shortcut out.
    static constexpr std::int32_t unsupported = -1;
    static constexpr std::int32_t requestFailed = -2;
    static constexpr std::int32_t notBound = -3;

    explicit PortalGlobalShortcutService(std::map<std::uint32_t, Name> names,
                                         QDBusConnection connection = QDBusConnection::sessionBus());
    ~PortalGlobalShortcutService() override;

    std::int32_t registerShortcut(std::uint32_t id, const PlatformShortcut &shortcut) override;
    void unregisterShortcut(std::uint32_t id) override;

    // The portal's trigger syntax, e.g. "CTRL+LOGO+2".
    static QString trigger(const PlatformShortcut &shortcut);
    // The session the portal gave us; empty until it answered.
    const QString &sessionHandle() const { return m_session; }

private slots:
    void handleActivated(const QDBusMessage &message);

private:
    struct Wanted {
        std::uint32_t id = 0;
        QString trigger;
    };

    void scheduleBinding();
    void bind();
    void bindShortcuts(quint64 generation, const QVariant &createdShortcuts);
    void finishBinding(const QStringList &boundIds, std::int32_t status);
    void closeSession();
    static void closeSession(QDBusConnection connection, const QString &session);
    QVariant shortcutList() const;
    QString portalId(std::uint32_t id) const;

    std::map<std::uint32_t, Name> m_names;
    QDBusConnection m_connection;
    std::vector<Wanted> m_wanted; // in registration order
    QString m_session;
    quint64 m_generation = 0;
    bool m_bindingScheduled = false;
};
