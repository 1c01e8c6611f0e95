#include "app/TrayMenu.h"

#include "app/CaptureKinds.h"
#include "app/MenuBarIcon.h"
#include "feedback/Localization.h"

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

void TrayMenu::rebuild(bool captureRunning, const AppSettings &settings)
{
    m_menu->clear();
    for (const CaptureKinds::Entry &entry : CaptureKinds::all()) {
        const QByteArray action = entry.kind.action;
        m_menu->addAction(L::text(entry.kind.title), this, [this, action] { emit captureRequested(action); });
    }
    auto addLine = [this](const QString &text) { m_menu->addAction(text)->setEnabled(false); };
    if (captureRunning)
        addLine(L::text(LocalizedKey::recognizing));
    for (const CaptureKinds::Entry &entry : CaptureKinds::all())
        addLine(L::text(entry.kind.shortcutStatus).arg(entry.kind.shortcut(settings).displayString()));
    m_menu->addSeparator();
    m_menu->addAction(L::text(LocalizedKey::settings), this, &TrayMenu::settingsRequested);
    m_menu->addAction(L::text(LocalizedKey::help), this, &TrayMenu::helpRequested);
    m_menu->addSeparator();
    m_menu->addAction(L::text(LocalizedKey::quit), this, &TrayMenu::quitRequested);
}
