#include "platform/wayland/PortalGlobalShortcutService.h"

#include "platform/wayland/PortalRequest.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QPointer>
#include <QTimer>

namespace {
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
// Stable, so that the desktop keeps the user's own changes to our shortcuts across restarts.
const QString sessionToken = QStringLiteral("tessarin");

// One entry of the portal's a(sa{sv}) shortcut lists.
struct PortalShortcut {
    QString id;
    QVariantMap options;
};
} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

namespace {
QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.options;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.options;
    argument.endStructure();
    return argument;
}

// The ids in a shortcut list of a portal response; none when the response carries no list.
std::optional<QStringList> shortcutIds(const QVariant &list)
{
    if (!list.canConvert<QDBusArgument>())
        return std::nullopt;
    QStringList ids;
    for (const PortalShortcut &shortcut : qdbus_cast<QList<PortalShortcut>>(list.value<QDBusArgument>()))
        ids << shortcut.id;
    return ids;
}

QString sessionPath(const QVariant &handle)
{
    if (handle.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return handle.value<QDBusObjectPath>().path();
    return handle.toString();
}

QDBusMessage portalCall(const QString &method)
{
    return QDBusMessage::createMethodCall(QString::fromLatin1(PortalRequest::service),
                                         QString::fromLatin1(PortalRequest::path), shortcutsInterface, method);
}
} // namespace

PortalGlobalShortcutService::PortalGlobalShortcutService(std::map<std::uint32_t, Name> names,
                                                         QDBusConnection connection)
    : m_names(std::move(names))
    , m_connection(std::move(connection))
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    // The message itself, not typed arguments: typed slots were refused here until Qt had seen
    // the argument types on the bus.
    m_connection.connect(QString::fromLatin1(PortalRequest::service), QString::fromLatin1(PortalRequest::path),
                         shortcutsInterface, QStringLiteral("Activated"), this, SLOT(handleActivated(QDBusMessage)));
}

PortalGlobalShortcutService::~PortalGlobalShortcutService()
{
    closeSession();
}

QString PortalGlobalShortcutService::trigger(const PlatformShortcut &shortcut)
{
    // Keys as the shortcut specification names them: printable ones by their character.
    if (shortcut.key < Qt::Key_Space || shortcut.key > Qt::Key_AsciiTilde)
        return {};
    QStringList parts;
    if (shortcut.modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (shortcut.modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (shortcut.modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (shortcut.modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    parts << QString(QChar(shortcut.key));
    return parts.join(u'+');
}

std::int32_t PortalGlobalShortcutService::registerShortcut(std::uint32_t id, const PlatformShortcut &shortcut)
{
    const QString keys = trigger(shortcut);
    if (keys.isEmpty() || !m_names.contains(id))
        return notBound;
    std::erase_if(m_wanted, [id](const Wanted &wanted) { return wanted.id == id; });
    m_wanted.push_back({id, keys});
    scheduleBinding();
    return 0;
}

void PortalGlobalShortcutService::unregisterShortcut(std::uint32_t id)
{
    if (std::erase_if(m_wanted, [id](const Wanted &wanted) { return wanted.id == id; }))
        scheduleBinding();
}

void PortalGlobalShortcutService::scheduleBinding()
{
    if (m_bindingScheduled)
        return;
    m_bindingScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_bindingScheduled = false;
        bind();
    });
}

QString PortalGlobalShortcutService::portalId(std::uint32_t id) const
{
    const auto found = m_names.find(id);
    return found == m_names.end() ? QString() : found->second.portalId;
}

QVariant PortalGlobalShortcutService::shortcutList() const
{
    QList<PortalShortcut> list;
    for (const Wanted &wanted : m_wanted) {
        list << PortalShortcut{portalId(wanted.id),
                               {{QStringLiteral("description"), m_names.at(wanted.id).description},
                                {QStringLiteral("preferred_trigger"), wanted.trigger}}};
    }
    return QVariant::fromValue(list);
}

void PortalGlobalShortcutService::bind()
{
    // A new set of shortcuts is a new session: answers about an older one are stale.
    const quint64 generation = ++m_generation;
    closeSession();
    if (m_wanted.empty())
        return;
    QDBusMessage call = portalCall(QStringLiteral("CreateSession"));
    // Some desktops register only what CreateSession names, and ignore BindShortcuts.
    call << QVariantMap{{QStringLiteral("session_handle_token"), sessionToken},
                        {QStringLiteral("shortcuts"), shortcutList()}};
    QPointer<PortalGlobalShortcutService> self(this);
    const QDBusConnection connection = m_connection;
    PortalRequest::send(call, [self, generation, connection](const PortalResponse &response) {
        const QString session = sessionPath(response.results.value(QStringLiteral("session_handle")));
        if (!self || generation != self->m_generation) {
            closeSession(connection, session); // made for shortcuts that have changed since
            return;
        }
        if (!response.succeeded() || session.isEmpty()) {
            const bool missing = response.errorName.startsWith(QLatin1String("org.freedesktop.DBus.Error.Unknown"))
                || response.errorName == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown");
            self->finishBinding({}, missing ? unsupported : requestFailed);
            return;
        }
        self->m_session = session;
        self->bindShortcuts(generation, response.results.value(QStringLiteral("shortcuts")));
    }, 30000, m_connection);
}

void PortalGlobalShortcutService::bindShortcuts(quint64 generation, const QVariant &createdShortcuts)
{
    QDBusMessage call = portalCall(QStringLiteral("BindShortcuts"));
    call << QVariant::fromValue(QDBusObjectPath(m_session)) << shortcutList() << QString() << QVariantMap();

    QPointer<PortalGlobalShortcutService> self(this);
    const std::optional<QStringList> created = shortcutIds(createdShortcuts);
    PortalRequest::send(call, [self, generation, created](const PortalResponse &response) {
        if (!self || generation != self->m_generation)
            return;
        const std::optional<QStringList> bound = shortcutIds(response.results.value(QStringLiteral("shortcuts")));
        if (bound && !bound->isEmpty()) {
            self->finishBinding(*bound, requestFailed);
        } else if (created && !created->isEmpty()) {
            self->finishBinding(*created, requestFailed);
        } else if (response.succeeded()) {
            // KDE Plasma 5.27 binds what CreateSession named and answers BindShortcuts with an
            // empty list: success without a list means those stand.
            QStringList all;
            for (const Wanted &wanted : self->m_wanted)
                all << self->portalId(wanted.id);
            self->finishBinding(all, requestFailed);
        } else {
            self->finishBinding({}, requestFailed);
        }
    }, 30000, m_connection);
}

void PortalGlobalShortcutService::finishBinding(const QStringList &boundIds, std::int32_t status)
{
    std::vector<Refusal> refusals;
    for (const Wanted &wanted : m_wanted) {
        if (!boundIds.contains(portalId(wanted.id)))
            refusals.push_back({wanted.id, boundIds.isEmpty() ? status : notBound});
    }
    std::erase_if(m_wanted, [&boundIds, this](const Wanted &wanted) { return !boundIds.contains(portalId(wanted.id)); });
    if (onRefused && !refusals.empty())
        onRefused(refusals);
}

void PortalGlobalShortcutService::closeSession()
{
    closeSession(m_connection, m_session);
    m_session.clear();
}

void PortalGlobalShortcutService::closeSession(QDBusConnection connection, const QString &session)
{
    if (session.isEmpty())
        return;
    connection.call(QDBusMessage::createMethodCall(QString::fromLatin1(PortalRequest::service), session,
                                                   QStringLiteral("org.freedesktop.portal.Session"),
                                                   QStringLiteral("Close")),
                    QDBus::NoBlock);
}

void PortalGlobalShortcutService::handleActivated(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (arguments.size() < 2)
        return;
    const QDBusObjectPath session = arguments[0].value<QDBusObjectPath>();
    const QString shortcutId = arguments[1].toString();
    // Some portals send every program's presses to every listener.
    if (m_session.isEmpty() || session.path() != m_session || !onPressed)
        return;
    for (const Wanted &wanted : m_wanted) {
        if (portalId(wanted.id) == shortcutId) {
            onPressed(wanted.id);
            return;
        }
    }
}
