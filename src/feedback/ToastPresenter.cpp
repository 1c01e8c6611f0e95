#include "feedback/ToastPresenter.h"

#include "feedback/ToastView.h"
#include "platform/DesktopNotifications.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

ToastPresenter::ToastPresenter(const SessionFacts &session)
    : m_roundedPanel(session.hasCompositor)
{
    if (session.desktop == DesktopSessionType::wayland) {
        auto notifications = std::make_unique<DesktopNotifications>();
        if (notifications->isAvailable())
            m_notifications = std::move(notifications);
    }
    m_dismissTimer.setSingleShot(true);
    connect(&m_dismissTimer, &QTimer::timeout, this, [this] {
        if (m_window)
            m_window->hide();
    });
}

ToastPresenter::~ToastPresenter() = default;

void ToastPresenter::showStatus(const QString &title, ToastStyle style, double durationSeconds)
{
    const char *symbol = style == ToastStyle::success ? "checkmark.circle.fill"
        : style == ToastStyle::error                 ? "xmark.octagon.fill"
                                                     : "exclamationmark.triangle.fill";
    show(title, std::nullopt, ToastIcon::system(QString::fromLatin1(symbol)), style, std::nullopt, durationSeconds,
         ToastPlacement::bottom);
}

void ToastPresenter::show(const QString &title, const std::optional<QString> &subtitle, const ToastIcon &icon,
                          ToastStyle style, const std::optional<ToastAppearance> &appearance, double durationSeconds,
                          ToastPlacement placement)
{
    if (m_notifications) {
        m_notifications->show(title, subtitle.value_or(QString()), style == ToastStyle::warning || style == ToastStyle::error,
                              qRound(durationSeconds * 1000));
        return;
    }
    m_dismissTimer.stop();
    if (!m_window)
        m_window = std::make_unique<ToastView>(m_roundedPanel);
    m_window->setContent(title, subtitle, icon,
                         appearance.value_or(ToastAppearance::defaultAppearance(style, subtitle.has_value())));

    // The screen the user is looking at: the one holding the pointer.
    QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        m_window->move(place(m_window->size(), placement, screen->availableGeometry()));
    m_window->show();
    m_window->raise();
    m_dismissTimer.start(qRound(durationSeconds * 1000));
}

QPoint ToastPresenter::place(const QSize &size, ToastPlacement placement, const QRect &area)
{
    const int x = area.x() + (area.width() - size.width()) / 2;
    const int y = placement == ToastPlacement::bottom ? area.y() + area.height() - bottomDistance - size.height()
                                                      : area.y() + topDistance;
    return QPoint(x, y);
}
