#include "app/TerminationSignals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {
constexpr std::array handledSignals{SIGTERM, SIGINT, SIGHUP};
// Written by the handler, which may do nothing but write(2).
volatile std::sig_atomic_t writeEnd = -1;
} // namespace

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (::pipe2(m_pipe.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    writeEnd = m_pipe[1];
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::deliver);

    struct sigaction action {};
    action.sa_handler = &TerminationSignals::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : handledSignals)
        ::sigaction(number, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    restoreDefaults();
    writeEnd = -1;
    for (int end : m_pipe) {
        if (end >= 0)
            ::close(end);
    }
}

void TerminationSignals::handle(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    if (writeEnd >= 0) {
        const ssize_t written = ::write(writeEnd, &byte, 1);
        static_cast<void>(written); // a full pipe already holds a quit request
    }
    errno = savedErrno;
}

void TerminationSignals::restoreDefaults()
{
    for (int number : handledSignals)
        ::signal(number, SIG_DFL);
}

void TerminationSignals::deliver()
{
    unsigned char byte = 0;
    if (::read(m_pipe[0], &byte, 1) != 1)
        return;
    // Quitting may wait for a clipboard manager; a second signal must not wait for that.
    restoreDefaults();
    emit received(byte);
}
