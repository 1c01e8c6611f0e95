#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

// Notices through the desktop's notification service (org.freedesktop.Notifications). On Wayland
// a window of ours cannot appear without taking the keyboard focus from the program the user
// pastes into; the desktop's own notifications never take it.
class DesktopNotifications : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifications(QDBusConnection bus = QDBusConnection::sessionBus());

    // Whether the session has a notification service.
    bool isAvailable() const;

    // Shows a notice in place of the one shown before, and withdraws it after the duration.
    void show(const QString &title, const QString &body, bool isWarning, int durationMs);

private:
    void close();

    QDBusConnection m_bus;
    uint m_shownId = 0;
    // Counts notices, so that a late answer to an earlier one is not mistaken for the current.
    quint64 m_generation = 0;
};
