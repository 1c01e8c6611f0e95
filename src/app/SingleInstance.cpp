#include "app/SingleInstance.h"

#include "app/AppLog.h"
#include "feedback/Localization.h"
#include "feedback/ToastPresenter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// How long a later start waits for the running instance to take its request.
constexpr int answerTimeoutMs = 3000;
constexpr double unansweredNoticeSeconds = 6.0;

// Whether the process at the other end of a local socket runs as the same user as we do.
bool peerIsUs(qintptr descriptor)
{
    ucred peer {};
    socklen_t size = sizeof(peer);
    return ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
}
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
    m_socketName = base + QStringLiteral(".socket");
    m_lockPath = base + QStringLiteral(".lock");
    // A socket file's path has room for 107 bytes; an abstract name is no file and needs no folder.
    if (QFile::encodeName(m_socketName).size() >= qsizetype(sizeof(sockaddr_un::sun_path))) {
        m_abstractSocket = true;
        m_socketName = QStringLiteral("tessarin-%1-").arg(::geteuid())
            + QCryptographicHash::hash(m_socketName.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    }
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

bool SingleInstance::connectToHolder(QLocalSocket &socket)
{
    if (m_abstractSocket)
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    QElapsedTimer waited;
    waited.start();
    // The holder may have taken the lock a moment ago and not be listening yet.
    for (socket.connectToServer(m_socketName); !socket.waitForConnected(answerTimeoutMs);
         socket.connectToServer(m_socketName)) {
        if (waited.hasExpired(answerTimeoutMs))
            return false;
        QThread::msleep(50);
    }
    return peerIsUs(socket.socketDescriptor());
}

bool SingleInstance::forward(const QByteArray &request)
{
    QLocalSocket socket;
    if (!connectToHolder(socket))
        return false;
    socket.write(request + '\n');
    socket.waitForBytesWritten(answerTimeoutMs);
    // The running instance answers once it has taken the request.
    return socket.waitForReadyRead(answerTimeoutMs) && socket.readLine().trimmed() == "ok";
}

void SingleInstance::listen()
{
    m_server.setSocketOptions(m_abstractSocket ? QLocalServer::AbstractNamespaceOption : QLocalServer::UserAccessOption);
    // We hold the lock, so a socket here was left by an instance that crashed.
    if (!m_abstractSocket)
        QLocalServer::removeServer(m_socketName);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (!peerIsUs(socket->socketDescriptor())) {
                socket->abort();
                socket->deleteLater();
                continue;
            }
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
    if (!m_server.listen(m_socketName))
        qCWarning(appLog) << "later starts cannot reach this instance:" << m_server.errorString();
}

void SingleInstance::reportUnanswered()
{
    std::fputs("Tessarin is already running but does not answer.\n", stderr);
    // Started from a menu, the user would not see stderr.
    ToastPresenter notice;
    notice.showStatus(L::text(LocalizedKey::singleInstanceUnanswered), ToastStyle::error, unansweredNoticeSeconds);
    QEventLoop shown;
    QTimer::singleShot(qRound(unansweredNoticeSeconds * 1000), &shown, &QEventLoop::quit);
    shown.exec();
}
