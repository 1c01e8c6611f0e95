#pragma once

#include "feedback/ToastAppearance.h"
#include "feedback/ToastIcon.h"

#include <QWidget>

#include <optional>

// The toast panel: a rounded card with an icon column and up to two lines each of title and
// subtitle. It never takes the keyboard focus and never activates the program.
class ToastView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int width = 380;
    static constexpr int heightWithoutSubtitle = 64;
    static constexpr int heightWithSubtitle = 82;

    ToastView();

    void setContent(const QString &title, const std::optional<QString> &subtitle, const ToastIcon &icon,
                    const ToastAppearance &appearance);

    const QString &title() const { return m_title; }
    const std::optional<QString> &subtitle() const { return m_subtitle; }
    const ToastAppearance &appearance() const { return m_appearance; }

    // The text as it is drawn: at most maxLines lines, the last one elided if text remains.
    static QStringList lines(const QString &text, const QFont &font, qreal width, int maxLines);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont titleFont() const;
    QFont subtitleFont() const;

    QString m_title;
    std::optional<QString> m_subtitle;
    ToastIcon m_icon;
    ToastAppearance m_appearance;
};
