#pragma once

#include <QLocalServer>
#include <QObject>

#include <functional>

// One Tessarin per user and display: a second start hands its wish to the running one and
// exits, so there is never a second tray icon or a fight over the shortcuts.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The name is made unique per user and display.
    explicit SingleInstance(const QString &name);

    // True when another instance runs and took the request.
    bool forwardToRunningInstance(const QByteArray &request);
    // Starts answering later starts; each request they send is passed to the handler.
    bool listen(std::function<void(const QByteArray &)> handler);

private:
    QString m_serverName;
    QLocalServer m_server;
    std::function<void(const QByteArray &)> m_handler;
};
