#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QRegularExpression>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// How long a later start waits for the running instance to take its request.
constexpr int answerTimeoutMs = 3000;
} // namespace

SingleInstance::SingleInstance(const QString &name)
    : m_folder(privateFolder())
{
    QString session = displayName();
    session.replace(u'/', u'_');
    // A runtime folder we cannot use still tells its session from others with the same display
    // name (nested and virtual desktops), which share our fallback folder.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && m_folder != runtime)
        session += u'-' + QCryptographicHash::hash(runtime.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
    const QString base = m_folder + u'/' + name + u'-' + session;
    m_socketPath = base + QStringLiteral(".socket");
    m_lockPath = base + QStringLiteral(".lock");
}

SingleInstance::~SingleInstance()
{
    // The socket goes first, so no later start connects to an instance that is leaving.
    m_server.close();
    if (m_lockDescriptor >= 0)
        ::close(m_lockDescriptor);
}

QString SingleInstance::normalizedDisplay(const QString &display)
{
    // [host]:number[.screen]; the screen does not make another session, nor does "unix".
    static const QRegularExpression x11(QStringLiteral("^(.*):(\\d+)(\\.\\d+)?$"));
    const QRegularExpressionMatch match = x11.match(display);
    if (!match.hasMatch())
        return display;
    QString host = match.captured(1);
    if (host == QLatin1String("unix"))
        host.clear();
    return host + u':' + match.captured(2);
}

QString SingleInstance::displayName()
{
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty())
        return wayland;
    return normalizedDisplay(qEnvironmentVariable("DISPLAY"));
}

bool SingleInstance::isPrivateFolder(const QString &path)
{
    struct stat status {};
    if (path.isEmpty() || ::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    return S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & 077) == 0;
}

QString SingleInstance::privateFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime))
        return runtime;
    // Without a runtime folder: one of our own, which nobody else may have made first.
    const QString own = QDir::tempPath() + QStringLiteral("/tessarin-%1").arg(::geteuid());
    ::mkdir(QFile::encodeName(own).constData(), 0700);
    return own;
}

SingleInstance::Outcome SingleInstance::start(const QByteArray &request,
                                              std::function<void(const QByteArray &)> handler)
{
    if (!isPrivateFolder(m_folder))
        return Outcome::unguarded;
    m_lockDescriptor = ::open(QFile::encodeName(m_lockPath).constData(),
                              O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_lockDescriptor < 0)
        return Outcome::unguarded;
    if (::flock(m_lockDescriptor, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(m_lockDescriptor);
        m_lockDescriptor = -1;
        if (!held)
            return Outcome::unguarded;
        return forward(request) ? Outcome::forwarded : Outcome::unanswered;
    }
    m_handler = std::move(handler);
    listen();
    return Outcome::primary;
}

bool SingleInstance::forward(const QByteArray &request)
{
    QLocalSocket socket;
    QElapsedTimer waited;
    waited.start();
    // The holder may have taken the lock a moment ago and not be listening yet.
    for (socket.connectToServer(m_socketPath); !socket.waitForConnected(answerTimeoutMs);
         socket.connectToServer(m_socketPath)) {
        if (waited.hasExpired(answerTimeoutMs))
            return false;
        QThread::msleep(50);
    }
    socket.write(request + '\n');
    socket.waitForBytesWritten(answerTimeoutMs);
    // The running instance answers once it has taken the request.
    return socket.waitForReadyRead(answerTimeoutMs) && socket.readLine().trimmed() == "ok";
}

void SingleInstance::listen()
{
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket here was left by an instance that crashed.
    QLocalServer::removeServer(m_socketPath);
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
    if (!m_server.listen(m_socketPath))
        qWarning("Tessarin: later starts cannot reach this instance: %s", qPrintable(m_server.errorString()));
}
