#pragma once

#include "platform/ScreenCaptureError.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

// How a desktop portal answered one request.
struct PortalResponse {
    enum class Code : uint { success = 0, cancelled = 1, other = 2 };

    Code code = Code::other;
    QVariantMap results;
    QString errorName; // the D-Bus error when the call itself failed (no portal, bad arguments)

    bool succeeded() const { return code == Code::success && errorName.isEmpty(); }
    bool operator==(const PortalResponse &) const = default;
};

// A portal's refusal, cancellation or failure, passed to callers as the portal gave it: to the
// program, a refused capture.
class PortalRequestError : public ScreenCaptureException
{
public:
    explicit PortalRequestError(PortalResponse response)
        : ScreenCaptureException(ScreenCaptureError::refused)
        , m_response(std::move(response))
    {
    }
    const PortalResponse &response() const { return m_response; }
    void raise() const override { throw *this; }
    PortalRequestError *clone() const override { return new PortalRequestError(*this); }

private:
    PortalResponse m_response;
};

// One call of an xdg-desktop-portal method that answers through a Request object: the
// Response signal is subscribed to before the call, as the portal may answer at once.
class PortalRequest : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *service = "org.freedesktop.portal.Desktop";
    static constexpr const char *path = "/org/freedesktop/portal/desktop";

    using Handler = std::function<void(const PortalResponse &)>;

    // `call` must carry an options map (its last argument) to which the handle token is added.
    // The handler runs once on this thread: with the response, or a failure after `timeoutMs`.
    static void send(QDBusMessage call, Handler handler, int timeoutMs = 60000,
                     QDBusConnection connection = QDBusConnection::sessionBus());

    // A token unique within this process, usable in object paths.
    static QString newToken(const QString &prefix);
    // The object path at which the portal creates the request or session for `token`.
    static QString objectPath(const QDBusConnection &connection, const QString &kind, const QString &token);

private slots:
    void handleResponse(uint code, const QVariantMap &results);

private:
    PortalRequest(QDBusConnection connection, Handler handler);
    void finish(const PortalResponse &response);

    QDBusConnection m_connection;
    Handler m_handler;
    QString m_path;
    QString m_method; // for the log
    bool m_finished = false;
};
