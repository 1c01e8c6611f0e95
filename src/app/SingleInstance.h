#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QObject>
#include <QString>

#include <functional>

// One Tessarin per user and display: a second start hands its wish to the running one and
// exits, so there is never a second tray icon or a fight over the shortcuts.
//
// The lock is a file lock in a folder only the user can enter (the session's runtime folder,
// else a private folder of ours in the temporary folder); beside it a local socket carries the
// later starts' requests. A crashed instance leaves both behind harmlessly: its lock died with it.
// Where the folder's path is too long for a socket file, the socket has a name in Linux's abstract
// namespace instead; as anyone may connect to that, both ends check that the other is the user.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        primary,    // this is the only instance; requests of later starts reach the handler
        forwarded,  // another instance runs and took the request
        unanswered, // another instance holds the lock but did not answer (stopped or hung)
        unguarded,  // no private place for the lock: this instance runs without one
    };

    // The name is made unique per display within the folder.
    explicit SingleInstance(const QString &name);
    ~SingleInstance() override;

    // Takes the lock and starts answering later starts, or hands the request to the holder.
    Outcome start(const QByteArray &request, std::function<void(const QByteArray &)> handler);

    // The folder the lock lives in, or would live in.
    const QString &folder() const { return m_folder; }

    // Tells the user, on stderr and in a notice on screen, that the running instance does not
    // answer; returns once the notice is gone.
    static void reportUnanswered();

    // The display this session shows on, as the environment names it, normalised.
    static QString displayName();
    // One name for each X display: ":0.0" and "unix:0" are ":0".
    static QString normalizedDisplay(const QString &display);

private:
    static QString privateFolder();
    static bool isPrivateFolder(const QString &path);
    bool forward(const QByteArray &request);
    bool connectToHolder(QLocalSocket &socket);
    void listen();

    QString m_folder;
    QString m_socketName;
    bool m_abstractSocket = false;
    QString m_lockPath;
    int m_lockDescriptor = -1;
    QLocalServer m_server;
    std::function<void(const QByteArray &)> m_handler;
};
