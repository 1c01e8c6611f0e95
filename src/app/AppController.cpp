#include "app/AppController.h"

#include "app/MenuBarIcon.h"
#include "feedback/Localization.h"
#include "ocr/TesseractOCRProvider.h"

#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <QSystemTrayIcon>
#include <QTimer>

AppController &AppController::shared()
{
    // Deliberately leaked: it must outlive every window and timer until the process ends.
    static AppController *const instance = new AppController();
    return *instance;
}

AppController::AppController(AppSettingsStore settingsStore, QObject *parent)
    : QObject(parent)
    , m_settingsStore(std::move(settingsStore))
    , m_settings(m_settingsStore.load())
    , m_lastResultSummary(L::text(LocalizedKey::ready))
    , m_ocrProvider(std::make_unique<TesseractOCRProvider>())
{
}

AppController::~AppController() = default;

void AppController::bootstrap()
{
    configureStatusItem();
    warmUpRecognition();
}

void AppController::warmUpRecognition()
{
    // After start-up has settled, so the tray icon is never delayed by it.
    QTimer::singleShot(1000, this, [this] { m_ocrProvider->warmUp(m_settings.preferredLanguageMode); });
}

void AppController::configureStatusItem()
{
    if (!m_statusItem) {
        m_statusItem = new QSystemTrayIcon(this);
        m_menu = std::make_unique<QMenu>();
        m_statusItem->setContextMenu(m_menu.get());
    }
    m_statusItem->setIcon(MenuBarIcon::trayIcon(QApplication::palette().color(QPalette::WindowText)));
    m_statusItem->setToolTip(QStringLiteral("Tessarin"));
    rebuildMenu();
    m_statusItem->show();
}

void AppController::rebuildMenu()
{
    m_menu->clear();
    m_menu->addAction(L::text(LocalizedKey::quit), this, &AppController::quit);
}

void AppController::quit()
{
    QApplication::quit();
}
