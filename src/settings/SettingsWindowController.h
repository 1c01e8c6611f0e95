#pragma once

#include <QObject>
#include <QPointer>

class AppController;
class QWidget;

// The one settings window: 520 x 430, not resizable, hidden rather than destroyed on close.
class SettingsWindowController : public QObject
{
    Q_OBJECT

public:
    static constexpr int width = 520;
    static constexpr int height = 430;

    static SettingsWindowController &shared();

    // Creates or refreshes the window and brings it to the front.
    void show(AppController &controller);

    QWidget *window() const { return m_window; }
    bool userInitiatedPresentationPending = false;

private:
    QPointer<QWidget> m_window;
};
