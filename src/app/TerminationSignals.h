#pragma once

#include <QObject>

#include <array>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C, a closed terminal) into a signal on the main
// thread, so the program can end through its normal quit: clipboard handed over, lock released.
// A second such signal while quitting ends the program at once, as if none were caught.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received(int signalNumber);

private:
    static void handle(int signalNumber);
    static void restoreDefaults();
    void deliver();

    std::array<int, 2> m_pipe{-1, -1};
    QSocketNotifier *m_notifier = nullptr;
};
