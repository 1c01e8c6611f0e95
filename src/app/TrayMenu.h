#pragma once

#include <QObject>
#include <QString>

#include <memory>

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
    void rebuild(bool captureRunning, const QString &textShortcut);

signals:
    void aboutToShow();
    void captureTextRequested();
    void captureScreenshotRequested();
    void settingsRequested();
    void helpRequested();
    void quitRequested();

private:
    QSystemTrayIcon *m_icon = nullptr;
    bool m_iconsByName = false;
    std::unique_ptr<QMenu> m_menu;
};
