#include "app/SingleInstance.h"

#include <QLocalSocket>

#include <unistd.h>

SingleInstance::SingleInstance(const QString &name)
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    display.replace(u'/', u'_');
    m_serverName = QStringLiteral("%1-%2-%3").arg(name).arg(getuid()).arg(display);
}

bool SingleInstance::forwardToRunningInstance(const QByteArray &request)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(1000))
        return false;
    socket.write(request + '\n');
    socket.waitForBytesWritten(1000);
    // The running instance answers once it has taken the request.
    return socket.waitForReadyRead(2000);
}

bool SingleInstance::listen(std::function<void(const QByteArray &)> handler)
{
    m_handler = std::move(handler);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a crashed instance would block us forever; nobody answered on it.
    QLocalServer::removeServer(m_serverName);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QByteArray request = socket->readLine().trimmed();
                socket->write("ok\n");
                socket->flush();
                if (m_handler)
                    m_handler(request);
            });
        }
    });
    return m_server.listen(m_serverName);
}
