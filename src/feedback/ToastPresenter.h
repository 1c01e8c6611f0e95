#pragma once

#include "feedback/ToastAppearance.h"
#include "feedback/ToastIcon.h"
#include "feedback/ToastStyle.h"
#include "platform/SessionFacts.h"

#include <QObject>
#include <QRect>
#include <QTimer>

#include <memory>
#include <optional>

class DesktopNotifications;
class ToastView;

// Shows one toast at a time in one reused panel; a new toast replaces the visible one and
// its timer at once. In Wayland sessions, where any window of ours would take the keyboard focus
// from the program the user is about to paste into, the desktop's notifications show it instead
// when the desktop has them.
class ToastPresenter : public QObject
{
    Q_OBJECT

public:
    static constexpr int bottomDistance = 72;
    static constexpr int topDistance = 96;

    explicit ToastPresenter(const SessionFacts &session);
    ~ToastPresenter() override;

    void show(const QString &title, const std::optional<QString> &subtitle, const ToastIcon &icon, ToastStyle style,
              const std::optional<ToastAppearance> &appearance, double durationSeconds, ToastPlacement placement);

    // A one-line notice at the bottom of the screen, with the style's own symbol.
    void showStatus(const QString &title, ToastStyle style, double durationSeconds);

    // The panel, once the first toast made it.
    ToastView *window() const { return m_window.get(); }

    // Where a panel of this size goes within a screen's available area.
    static QPoint place(const QSize &size, ToastPlacement placement, const QRect &availableArea);

private:
    const bool m_roundedPanel;
    std::unique_ptr<DesktopNotifications> m_notifications;
    std::unique_ptr<ToastView> m_window;
    QTimer m_dismissTimer;
};
