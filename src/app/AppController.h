#pragma once

#include "feedback/ClipboardService.h"
#include "ocr/OCRProvider.h"
#include "settings/AppSettings.h"
#include "settings/AppSettingsStore.h"
#include "platform/CancelKeyService.h"
#include "platform/GlobalShortcutService.h"
#include "platform/SessionFacts.h"
#include "settings/HotKeyMonitor.h"
#include "settings/SettingsModel.h"
#include "settings/SettingsService.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class CaptureWorkflow;
class ScreenGrabber;
class ToastPresenter;
class TrayMenu;

// The services the controller works with; the defaults are the real ones of this session.
struct AppServices {
    AppSettingsStore settingsStore;
    std::unique_ptr<OCRProvider> ocrProvider;
    ClipboardService clipboardService;
    ScreenGrabber *screenGrabber = nullptr;
    std::unique_ptr<GlobalShortcutService> shortcuts;
    std::unique_ptr<CancelKeyService> cancelKey; // none where the overlay stays up to take Escape
    SessionFacts session;

    static AppServices forSession();
    // The system's recogniser: codes, then text.
    static std::unique_ptr<OCRProvider> recognizer();
};

// The composition root: owns every long-lived service, the tray, the capture workflow, the
// shortcuts and the settings, and wires them together. Lives on the main thread.
class AppController : public SettingsModel
{
    Q_OBJECT

public:
    static constexpr const char *onboardingFlagKey = "tessarin.has-shown-menu-bar-onboarding";
    // What a later start asks of the running program when it asks for no capture (the captures
    // go by their action names).
    static constexpr const char *settingsCommand = "settings";

    explicit AppController(AppServices services = AppServices::forSession(), QObject *parent = nullptr);
    ~AppController() override;

    void bootstrap();
    // A message for the user that start-up found; shown once the program is up.
    void addStartNotice(const QString &message);

    const AppSettings &settings() const override { return m_settings.settings(); }
    const QString &lastResultSummary() const override { return m_lastResultSummary; }
    bool isCaptureRunning() const;
    CaptureWorkflow &captureWorkflow() const { return *m_captureWorkflow; }
    ToastPresenter &toastPresenter() const { return *m_toastPresenter; }

    void updateSettings(const std::function<void(AppSettings &)> &mutation) override;
    std::vector<CaptureKind> captureKinds() const override;
    OCRProvider &ocrProvider() const { return *m_ocrProvider; }

public slots:
    void startCapture(const QByteArray &action) override;
    void openSettings();
    // A capture's action name; anything else opens the settings.
    void runCommand(const QByteArray &command);
    void openHelp();
    void quit();
    void menuNeedsUpdate();
    // Sets the language mode named by its raw value; anything else changes nothing.
    void selectLanguageMode(const QString &rawValue);

signals:
    void isCaptureRunningChanged();

private:
    void configureHotKey();
    void publishApplicationActions();
    void handleHotKeyRegistrationFailures(const std::vector<HotKeyMonitor::RegistrationFailure> &failures);
    void retryRefusedHotKeys();
    // A warning toast with the message, which also becomes the status line.
    void notify(const QString &message);
    // The status line says what is wrong with a shortcut, and a notice too where asked.
    void reportShortcutProblem(const QString &message, bool showNotice);
    void reportCorrection(const SettingsService::Update &update);
    void showStartNotices(int delayMs);
    QString settingsNotSavedMessage() const;
    void reportSettingsNotSaved();

    void setLastResultSummary(const QString &summary);

    // The milliseconds until the hint has come and gone; 0 when there is none.
    int showFirstLaunchOnboardingIfNeeded();
    void showOnboardingHint();
    static int onboardingHintDurationMs();
    void configureStatusItem();
    void rebuildMenu();
    void warmUpRecognition();

    SettingsService m_settings;
    QString m_lastResultSummary;
    std::unique_ptr<OCRProvider> m_ocrProvider;
    ClipboardService m_clipboardService;
    SessionFacts m_session;
    std::unique_ptr<ToastPresenter> m_toastPresenter;
    std::unique_ptr<CaptureWorkflow> m_captureWorkflow;
    HotKeyMonitor m_hotKeyMonitor;
    bool m_hasShownHotKeyRegistrationWarning = false;
    bool m_hasReportedUnsavedSettings = false;
    bool m_statusIsShortcutProblem = false;
    QStringList m_startNotices;
    // Made at bootstrap: a controller used without it shows no tray.
    std::unique_ptr<TrayMenu> m_tray;
};
