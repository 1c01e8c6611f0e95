#include "platform/wayland/PortalRequest.h"

#include "platform/PlatformLog.h"

#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

#include <atomic>

PortalRequest::PortalRequest(QDBusConnection connection, Handler handler)
    : m_connection(std::move(connection))
    , m_handler(std::move(handler))
{
}

QString PortalRequest::newToken(const QString &prefix)
{
    static std::atomic<quint64> counter = 0;
    return QStringLiteral("%1_%2").arg(prefix).arg(++counter);
}

QString PortalRequest::objectPath(const QDBusConnection &connection, const QString &kind, const QString &token)
{
    QString sender = connection.baseService();
    sender.remove(0, 1).replace(u'.', u'_');
    return QStringLiteral("/org/freedesktop/portal/desktop/%1/%2/%3").arg(kind, sender, token);
}

void PortalRequest::send(QDBusMessage call, Handler handler, int timeoutMs, QDBusConnection connection)
{
    auto *request = new PortalRequest(connection, std::move(handler));
    request->m_method = call.interface() + u'.' + call.member();
    if (!connection.isConnected()) {
        QTimer::singleShot(0, request, [request, connection] {
            request->finish({PortalResponse::Code::other, {}, connection.lastError().name()});
        });
        return;
    }
    QList<QVariant> arguments = call.arguments();
    QVariantMap options = arguments.isEmpty() ? QVariantMap() : arguments.takeLast().toMap();
    const QString token = newToken(QStringLiteral("tessarin"));
    options.insert(QStringLiteral("handle_token"), token);
    arguments << options;
    call.setArguments(arguments);

    request->m_path = objectPath(connection, QStringLiteral("request"), token);
    connection.connect(QString::fromLatin1(service), request->m_path, QStringLiteral("org.freedesktop.portal.Request"),
                       QStringLiteral("Response"), request, SLOT(handleResponse(uint, QVariantMap)));

    auto *watcher = new QDBusPendingCallWatcher(connection.asyncCall(call, timeoutMs), request);
    connect(watcher, &QDBusPendingCallWatcher::finished, request, [request](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        if (call->isError())
            request->finish({PortalResponse::Code::other, {}, call->error().name()});
    });
    // A portal that never answers (a dialog nobody sees) must not hold the caller forever.
    QTimer::singleShot(timeoutMs, request, [request] {
        request->finish({PortalResponse::Code::other, {}, QStringLiteral("org.freedesktop.DBus.Error.Timeout")});
    });
}

void PortalRequest::handleResponse(uint code, const QVariantMap &results)
{
    const auto known = code <= uint(PortalResponse::Code::other) ? PortalResponse::Code(code) : PortalResponse::Code::other;
    finish({known, results, {}});
}

void PortalRequest::finish(const PortalResponse &response)
{
    if (m_finished)
        return;
    m_finished = true;
    if (response.code == PortalResponse::Code::cancelled)
        qCInfo(platformLog) << m_method << "was cancelled";
    else if (!response.succeeded())
        qCWarning(platformLog) << m_method << "failed:" << (response.errorName.isEmpty() ? QStringLiteral("refused")
                                                                                          : response.errorName);
    if (!m_path.isEmpty()) {
        m_connection.disconnect(QString::fromLatin1(service), m_path, QStringLiteral("org.freedesktop.portal.Request"),
                                QStringLiteral("Response"), this, SLOT(handleResponse(uint, QVariantMap)));
    }
    m_handler(response);
    deleteLater();
}
