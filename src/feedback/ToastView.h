#pragma once

#include "feedback/ToastAppearance.h"
#include "feedback/ToastIcon.h"

#include <QWidget>

#include <optional>

// The toast panel: a card with an icon column, the title and the subtitle, as high as its text
// needs (at least the standard height). It never takes the keyboard focus and never activates the program.
class ToastView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int width = 380;
    // The least heights; a longer text makes the card higher.
    static constexpr int heightWithoutSubtitle = 64;
    static constexpr int heightWithSubtitle = 82;

    // Rounded corners need see-through pixels, which only a compositor gives.
    explicit ToastView(bool rounded);

    void setContent(const QString &title, const std::optional<QString> &subtitle, const ToastIcon &icon,
                    const ToastAppearance &appearance);

    const QString &title() const { return m_title; }
    const std::optional<QString> &subtitle() const { return m_subtitle; }
    const ToastAppearance &appearance() const { return m_appearance; }

    // The text as it is drawn: at most maxLines lines, the last one elided if text remains.
    static QStringList lines(const QString &text, const QFont &font, qreal width, int maxLines);
    QStringList titleLines() const;
    QStringList subtitleLines() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QFont titleFont() const;
    QFont subtitleFont() const;
    qreal textWidth() const;
    qreal textHeight() const;

    QString m_title;
    std::optional<QString> m_subtitle;
    ToastIcon m_icon;
    ToastAppearance m_appearance;
    bool m_rounded = false;
};
