#pragma once

#include <QObject>
#include <QPointer>

class SettingsModel;
class QWidget;

// The one settings window: at least 520 wide, as large as its form in the current language, not
// resizable, hidden rather than destroyed on close.
class SettingsWindowController : public QObject
{
    Q_OBJECT

public:
    static constexpr int width = 520;

    static SettingsWindowController &shared();

    // Creates or refreshes the window and brings it to the front.
    void show(SettingsModel &model);

    QWidget *window() const { return m_window; }

private:
    QPointer<QWidget> m_window;
};
