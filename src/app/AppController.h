#pragma once

#include "ocr/OCRProvider.h"
#include "settings/AppSettings.h"
#include "settings/AppSettingsStore.h"

#include <QObject>
#include <QString>

#include <memory>

class QMenu;
class QSystemTrayIcon;

// Owns every long-lived service and all shared state. Lives on the main thread.
class AppController : public QObject
{
    Q_OBJECT

public:
    // The one instance, created on first access and never released.
    static AppController &shared();

    explicit AppController(AppSettingsStore settingsStore = AppSettingsStore(),
                           QObject *parent = nullptr);
    ~AppController() override;

    void bootstrap();

    const AppSettings &settings() const { return m_settings; }
    const QString &lastResultSummary() const { return m_lastResultSummary; }
    bool isCaptureRunning() const { return m_isCaptureRunning; }
    QSystemTrayIcon *statusItem() const { return m_statusItem; }
    OCRProvider &ocrProvider() const { return *m_ocrProvider; }

public slots:
    void quit();

signals:
    void settingsChanged();
    void lastResultSummaryChanged();
    void isCaptureRunningChanged();

private:
    void configureStatusItem();
    void rebuildMenu();
    void warmUpRecognition();

    AppSettingsStore m_settingsStore;
    AppSettings m_settings;
    QString m_lastResultSummary;
    bool m_isCaptureRunning = false;
    std::unique_ptr<OCRProvider> m_ocrProvider;
    QSystemTrayIcon *m_statusItem = nullptr;
    std::unique_ptr<QMenu> m_menu;
};
