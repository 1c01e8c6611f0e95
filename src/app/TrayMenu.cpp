#include "app/TrayMenu.h"

#include "app/MenuBarIcon.h"
#include "feedback/Localization.h"
#include "settings/HotKey.h"

#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

TrayMenu::TrayMenu(bool iconsByName, QObject *parent)
    : QObject(parent)
    , m_icon(new QSystemTrayIcon(this))
    , m_iconsByName(iconsByName)
    , m_menu(std::make_unique<QMenu>())
{
    connect(m_menu.get(), &QMenu::aboutToShow, this, &TrayMenu::aboutToShow);
    m_icon->setContextMenu(m_menu.get());
    // A left click opens the same menu: there is nothing else to click for.
    connect(m_icon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            m_menu->popup(QCursor::pos());
    });
}

TrayMenu::~TrayMenu() = default;

void TrayMenu::show()
{
    m_icon->setIcon(MenuBarIcon::trayIcon(m_iconsByName));
    m_icon->setToolTip(QStringLiteral("Tessarin"));
    m_icon->show();
}

void TrayMenu::rebuild(bool captureRunning, const QString &textShortcut)
{
    m_menu->clear();
    m_menu->addAction(L::text(LocalizedKey::captureText), this, &TrayMenu::captureTextRequested);
    m_menu->addAction(L::text(LocalizedKey::captureScreenshot), this, &TrayMenu::captureScreenshotRequested);
    auto addLine = [this](const QString &text) { m_menu->addAction(text)->setEnabled(false); };
    if (captureRunning)
        addLine(L::text(LocalizedKey::recognizing));
    addLine(L::text(LocalizedKey::textShortcutStatus).arg(textShortcut));
    addLine(L::text(LocalizedKey::imageShortcutStatus).arg(HotKey::screenshotCapture().displayString()));
    m_menu->addSeparator();
    m_menu->addAction(L::text(LocalizedKey::settings), this, &TrayMenu::settingsRequested);
    m_menu->addAction(L::text(LocalizedKey::help), this, &TrayMenu::helpRequested);
    m_menu->addSeparator();
    m_menu->addAction(L::text(LocalizedKey::quit), this, &TrayMenu::quitRequested);
}
