#pragma once

#include "capture/ScreenCapturePermission.h"
#include "feedback/ClipboardService.h"
#include "feedback/ToastStyle.h"
#include "ocr/OCRProvider.h"
#include "settings/AppSettings.h"
#include "settings/AppSettingsStore.h"
#include "platform/GlobalShortcutService.h"
#include "settings/HotKeyMonitor.h"
#include "settings/SettingsModel.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QMenu;
class QWindow;
class QSystemTrayIcon;
class ScreenGrabber;
class ToastPresenter;
struct CapturedScreenImage;

// The services the controller works with; the defaults are the real ones of this session.
struct AppServices {
    AppSettingsStore settingsStore;
    std::unique_ptr<OCRProvider> ocrProvider;
    ClipboardService clipboardService;
    ScreenGrabber *screenGrabber = nullptr;
    std::unique_ptr<ScreenCapturePermission> permission;
    std::unique_ptr<GlobalShortcutService> shortcuts;

    static AppServices forSession();
};

// Owns every long-lived service and all shared state. Lives on the main thread.
class AppController : public SettingsModel
{
    Q_OBJECT

public:
    static constexpr const char *onboardingFlagKey = "tessarin.has-shown-menu-bar-onboarding";

    // The one instance, created on first access and never released.
    static AppController &shared();

    explicit AppController(AppServices services = AppServices::forSession(), QObject *parent = nullptr);
    ~AppController() override;

    void bootstrap();
    // A message for the user that start-up found; shown once the program is up.
    void addStartNotice(const QString &message);

    const AppSettings &settings() const override { return m_settings; }
    const QString &lastResultSummary() const override { return m_lastResultSummary; }
    bool isCaptureRunning() const { return m_isCaptureRunning; }
    ToastPresenter &toastPresenter() const { return *m_toastPresenter; }

    void updateSettings(const std::function<void(AppSettings &)> &mutation) override;
    OCRProvider &ocrProvider() const { return *m_ocrProvider; }

public slots:
    void startCapture() override;
    void startImageCapture() override;
    void openSettings();
    void openHelp();
    void quit();
    void menuNeedsUpdate();
    // Sets the language mode named by its raw value; anything else changes nothing.
    void selectLanguageMode(const QString &rawValue);
    void handleWindowDidBecomeKey(QWindow *window);

signals:
    void isCaptureRunningChanged();

private:
    void configureHotKey();
    void publishApplicationActions();
    void handleHotKeyRegistrationFailures(const std::vector<HotKeyMonitor::RegistrationFailure> &failures);
    void retryRefusedHotKeys();
    // A warning toast with the message, which also becomes the status line.
    void notify(const QString &message);
    void showStartNotices(int delayMs);
    QString settingsNotSavedMessage() const;
    void reportSettingsNotSaved();

    // Selection and capture, shared by both workflows; the handler gets the captured region.
    void runCapture(std::function<void(const CapturedScreenImage &)> onCaptured);
    bool beginCapture();
    void finishAsCancelled();
    void process(const QImage &image);
    void finishRecognition(const OCRResult &result);
    void copyImageToClipboard(const CapturedScreenImage &captured);
    bool ensureScreenCaptureAccess();
    void presentPermissionAlert();

    void showToast(const QString &title, const QString &symbol, ToastStyle style, double seconds);
    void setLastResultSummary(const QString &summary);
    void setCaptureRunning(bool running);

    void dismissRestoredSettingsWindows();
    // The milliseconds until the hint has come and gone; 0 when there is none.
    int showFirstLaunchOnboardingIfNeeded();
    void showOnboardingHint();
    static int onboardingHintDurationMs();
    void configureStatusItem();
    void rebuildMenu();
    void warmUpRecognition();

    AppSettingsStore m_settingsStore;
    AppSettings m_settings;
    QString m_lastResultSummary;
    bool m_isCaptureRunning = false;
    std::unique_ptr<OCRProvider> m_ocrProvider;
    ClipboardService m_clipboardService;
    ScreenGrabber *m_screenGrabber;
    std::unique_ptr<ScreenCapturePermission> m_permission;
    std::unique_ptr<ToastPresenter> m_toastPresenter;
    HotKeyMonitor m_hotKeyMonitor;
    bool m_hasShownHotKeyRegistrationWarning = false;
    bool m_hasReportedUnsavedSettings = false;
    QStringList m_startNotices;
    QSystemTrayIcon *m_statusItem = nullptr;
    std::unique_ptr<QMenu> m_menu;
};
