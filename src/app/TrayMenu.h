#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <memory>

struct AppSettings;
class QMenu;
class QSystemTrayIcon;

// The tray icon and its menu. The menu is rebuilt from the program's state, and again each time
// it opens (aboutToShow), so that it never shows a stale shortcut.
class TrayMenu : public QObject
{
    Q_OBJECT

public:
    explicit TrayMenu(bool iconsByName, QObject *parent = nullptr);
    ~TrayMenu() override;

    void show();
    void rebuild(bool captureRunning, const AppSettings &settings);

signals:
    void aboutToShow();
    // A capture kind's action name.
    void captureRequested(const QByteArray &action);
    void settingsRequested();
    void helpRequested();
    void quitRequested();

private:
    QSystemTrayIcon *m_icon = nullptr;
    bool m_iconsByName = false;
    std::unique_ptr<QMenu> m_menu;
};
