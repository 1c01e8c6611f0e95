#include "app/AppController.h"

#include "app/CaptureKinds.h"
#include "app/CaptureWorkflow.h"
#include "codes/CodeReadingOCRProvider.h"
#include "app/MenuBarIcon.h"
#include "app/PlatformLoader.h"
#include "app/TrayMenu.h"
#include "common/EnumNames.h"
#include "feedback/Localization.h"
#include "feedback/ToastPresenter.h"
#include "ocr/TesseractOCRProvider.h"
#include "platform/ApplicationActionService.h"
#include "platform/GlobalShortcutService.h"
#include "settings/SettingsWindowController.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {
// The desktop says nothing when a tray icon has appeared: first notices wait this long, so that
// they come after the icon they speak of rather than into a start-up still drawing itself.
constexpr int settledStartMs = 600;
constexpr double warningSeconds = 3.0;
// A warning notice's time on screen and a short pause, so that notices in a row are each read.
constexpr int warningNoticeMs = int(warningSeconds * 1000) + 200;
// How long a capture's result notice stays up, at most.
constexpr int resultNoticeMs = 3200;
// A start-up refusal's warning (2 s), after which the first-start hint follows.
constexpr int shortcutWarningMs = 2000;
// Between the hint going and the next notice, so that one is not taken for the other.
constexpr int pauseAfterHintMs = 300;
// Recognition models load once the start is over: their disk reads would delay the tray icon.
constexpr int warmUpAfterStartMs = 1000;
} // namespace

AppServices AppServices::forSession()
{
    const SessionFacts &session = PlatformLoader::sessionFacts();
    return AppServices{AppSettingsStore(),
                       recognizer(),
                       ClipboardService({}, session.waylandClient),
                       &PlatformLoader::screenGrabber(),
                       PlatformLoader::globalShortcutService(),
                       PlatformLoader::cancelKeyService(),
                       session};
}

std::unique_ptr<OCRProvider> AppServices::recognizer()
{
    return std::make_unique<CodeReadingOCRProvider>(std::make_unique<TesseractOCRProvider>());
}

AppController::AppController(AppServices services, QObject *parent)
    : SettingsModel(parent)
    , m_settings(std::move(services.settingsStore))
    , m_lastResultSummary(L::text(LocalizedKey::ready))
    , m_ocrProvider(std::move(services.ocrProvider))
    , m_clipboardService(std::move(services.clipboardService))
    , m_session(services.session)
    , m_toastPresenter(std::make_unique<ToastPresenter>(m_session))
    , m_captureWorkflow(std::make_unique<CaptureWorkflow>(m_clipboardService, *m_ocrProvider, *services.screenGrabber,
                                                          *m_toastPresenter, m_session))
    , m_hotKeyMonitor(std::move(services.shortcuts))
{
    m_captureWorkflow->setCancelKey(std::move(services.cancelKey));
    m_captureWorkflow->languageMode = [this] { return settings().preferredLanguageMode; };
    connect(m_captureWorkflow.get(), &CaptureWorkflow::summaryChanged, this, &AppController::setLastResultSummary);
    connect(m_captureWorkflow.get(), &CaptureWorkflow::runningChanged, this, [this] {
        emit isCaptureRunningChanged();
        rebuildMenu();
    });
    m_hotKeyMonitor.onLateFailures = [this](const std::vector<HotKeyMonitor::RegistrationFailure> &failures) {
        handleHotKeyRegistrationFailures(failures);
    };
    if (!m_settings.store().keptUnreadableFile().isEmpty())
        addStartNotice(L::text(LocalizedKey::settingsFileKept).arg(m_settings.store().keptUnreadableFile()));
}

AppController::~AppController() = default;

void AppController::bootstrap()
{
    configureStatusItem();
    configureHotKey();
    publishApplicationActions();
    // After the hint, which would otherwise hide them at once.
    const int hintEnd = showFirstLaunchOnboardingIfNeeded();
    showStartNotices(hintEnd > 0 ? hintEnd + pauseAfterHintMs : settledStartMs);
    warmUpRecognition();
}

void AppController::addStartNotice(const QString &message)
{
    m_startNotices << message;
}

void AppController::showStartNotices(int delayMs)
{
    for (const QString &message : std::as_const(m_startNotices)) {
        QTimer::singleShot(delayMs, this, [this, message] { notify(message); });
        delayMs += warningNoticeMs;
    }
    m_startNotices.clear();
}

void AppController::notify(const QString &message)
{
    setLastResultSummary(message);
    m_toastPresenter->showStatus(message, ToastStyle::warning, warningSeconds);
}

QString AppController::settingsNotSavedMessage() const
{
    return L::text(LocalizedKey::settingsCannotBeSaved).arg(QFileInfo(m_settings.store().fileName()).absolutePath());
}

void AppController::reportSettingsNotSaved()
{
    if (m_hasReportedUnsavedSettings)
        return;
    m_hasReportedUnsavedSettings = true;
    notify(settingsNotSavedMessage());
}

int AppController::showFirstLaunchOnboardingIfNeeded()
{
    const QString key = QString::fromLatin1(onboardingFlagKey);
    if (m_settings.store().flag(key))
        return 0;
    // Written before anything shows: the hint is offered once, whatever happens next. Where
    // nothing can be written it would come at every start: say that instead, once.
    if (!m_settings.store().setFlag(key, true)) {
        m_hasReportedUnsavedSettings = true;
        addStartNotice(settingsNotSavedMessage());
        return 0;
    }
    // A shortcut refused at start warns at once: the hint waits until the warning was read.
    const int delay = settledStartMs + (m_hasShownHotKeyRegistrationWarning ? shortcutWarningMs : 0);
    QTimer::singleShot(delay, this, [this] { showOnboardingHint(); });
    return delay + onboardingHintDurationMs();
}

void AppController::showOnboardingHint()
{
    // A first start for a capture (a desktop shortcut bound to the command line): not over the
    // selection, nor over the notice of its result, but once that notice has had its time.
    if (isCaptureRunning()) {
        auto *waiting = new QObject(this);
        connect(this, &AppController::isCaptureRunningChanged, waiting, [this, waiting] {
            if (isCaptureRunning())
                return;
            delete waiting;
            QTimer::singleShot(resultNoticeMs, this, [this] { showOnboardingHint(); });
        });
        return;
    }
    // Promise only the ways in that work: the tray icon where there is a tray, the shortcut where
    // the desktop gave it to us, and otherwise starting the program again, which opens the settings.
    const bool hasTray = QSystemTrayIcon::isSystemTrayAvailable();
    const CaptureKind &kind = CaptureKinds::withUserShortcut().kind;
    const bool hasShortcut = m_hotKeyMonitor.isRegistered(kind.id);
    const QString shortcut = kind.shortcut(settings()).displayString();
    QString subtitle;
    if (hasTray)
        subtitle = hasShortcut ? L::text(LocalizedKey::onboardingMessage).arg(shortcut)
                               : L::text(LocalizedKey::onboardingMessageWithoutShortcut);
    else
        subtitle = hasShortcut ? L::text(LocalizedKey::onboardingMessageWithoutTray).arg(shortcut)
                               : L::text(LocalizedKey::onboardingMessageWithoutTrayOrShortcut);
    const QString title = L::text(hasTray ? LocalizedKey::onboardingTitle : LocalizedKey::onboardingTitleWithoutTray);
    const qreal ratio = qGuiApp->devicePixelRatio();
    m_toastPresenter->show(title, subtitle, ToastIcon::custom(MenuBarIcon::image(22, ratio)), ToastStyle::info,
                           ToastAppearance::onboarding(), onboardingHintDurationMs() / 1000.0, ToastPlacement::top);
}

int AppController::onboardingHintDurationMs()
{
    // Without a tray the hint is the only sign of the program: long enough to read twice.
    return QSystemTrayIcon::isSystemTrayAvailable() ? 4000 : 8000;
}

void AppController::openSettings()
{
    retryRefusedHotKeys();
    SettingsWindowController::shared().show(*this);
}

void AppController::runCommand(const QByteArray &command)
{
    if (CaptureKinds::find(command))
        startCapture(command);
    else
        openSettings();
}

void AppController::updateSettings(const std::function<void(AppSettings &)> &mutation)
{
    const SettingsService::Update update = m_settings.update(mutation);
    reportCorrection(update);
    emit settingsChanged();
    if (!update.saved)
        reportSettingsNotSaved();
    configureHotKey();
    // A shortcut that works now replaces the status line's word about one that did not.
    const HotKey &hotKey = settings().hotKey;
    if (hotKey != update.before && m_statusIsShortcutProblem
        && m_hotKeyMonitor.isRegistered(CaptureKinds::withUserShortcut().kind.id))
        setLastResultSummary(L::text(LocalizedKey::hotKeyRegistrationRecovered).arg(hotKey.displayString()));
    rebuildMenu();
}

void AppController::reportCorrection(const SettingsService::Update &update)
{
    const QString kept = update.before.displayString();
    switch (update.correction) {
    case SettingsService::Correction::none:
        break;
    case SettingsService::Correction::needsModifier:
        reportShortcutProblem(L::text(LocalizedKey::hotKeyNeedsModifier).arg(kept), true);
        break;
    case SettingsService::Correction::takenByScreenshot:
        reportShortcutProblem(
            L::text(LocalizedKey::hotKeyIsScreenshotShortcut).arg(HotKey::screenshotCapture().displayString(), kept),
            true);
        break;
    case SettingsService::Correction::retired:
        m_toastPresenter->showStatus(L::text(LocalizedKey::hotKeyConflictRestored)
                                         .arg(update.asked.displayString(), HotKey::defaultTextCapture().displayString()),
                                     ToastStyle::warning, 2.0);
        break;
    }
}

void AppController::reportShortcutProblem(const QString &message, bool showNotice)
{
    setLastResultSummary(message);
    m_statusIsShortcutProblem = true;
    if (showNotice)
        m_toastPresenter->showStatus(message, ToastStyle::warning, warningSeconds);
}

void AppController::configureHotKey()
{
    QPointer<AppController> self(this);
    std::vector<HotKeyMonitor::Registration> fixed, chosen;
    for (const CaptureKinds::Entry &entry : CaptureKinds::all()) {
        const QByteArray action = entry.kind.action;
        // Started from the event loop, not from inside the shortcut service's own signal.
        auto start = [self, action] {
            QTimer::singleShot(0, self, [self, action] {
                if (self)
                    self->startCapture(action);
            });
        };
        (entry.kind.setting ? chosen : fixed).push_back({entry.kind.id, entry.kind.shortcut(settings()), start});
    }
    // The fixed shortcuts first: a user's shortcut set to the same keys is the one refused.
    fixed.insert(fixed.end(), chosen.begin(), chosen.end());
    handleHotKeyRegistrationFailures(m_hotKeyMonitor.registerHotKeys(fixed));
}

void AppController::publishApplicationActions()
{
    // For desktops without global shortcuts: the user binds a desktop shortcut to these.
    auto *service = new ApplicationActionService(this);
    for (const CaptureKinds::Entry &entry : CaptureKinds::all()) {
        const QByteArray action = entry.kind.action;
        service->actions[QString::fromLatin1(action)] = [this, action] { startCapture(action); };
    }
    service->onActivate = [this] { openSettings(); };
    service->publish();
}

void AppController::handleHotKeyRegistrationFailures(const std::vector<HotKeyMonitor::RegistrationFailure> &failures)
{
    if (failures.empty())
        return;
    const QString message = L::text(LocalizedKey::hotKeyRegistrationFailed).arg(failures.front().hotKey.displayString());
    reportShortcutProblem(message, false);
    if (!m_hasShownHotKeyRegistrationWarning) {
        m_hasShownHotKeyRegistrationWarning = true;
        m_toastPresenter->showStatus(message, ToastStyle::warning, shortcutWarningMs / 1000.0);
    }
}

void AppController::retryRefusedHotKeys()
{
    if (!m_hotKeyMonitor.hasRefused())
        return;
    const std::vector<HotKeyMonitor::Registration> registered = m_hotKeyMonitor.retryRefused();
    if (registered.empty())
        return;
    const QString message = L::text(LocalizedKey::hotKeyRegistrationRecovered).arg(registered.front().hotKey.displayString());
    setLastResultSummary(message);
    m_toastPresenter->showStatus(message, ToastStyle::success, 2.0);
}

void AppController::warmUpRecognition()
{
    QTimer::singleShot(warmUpAfterStartMs, this, [this] { m_ocrProvider->warmUp(settings().preferredLanguageMode); });
}

bool AppController::isCaptureRunning() const
{
    return m_captureWorkflow->isRunning();
}

std::vector<CaptureKind> AppController::captureKinds() const
{
    return CaptureKinds::kinds();
}

void AppController::startCapture(const QByteArray &action)
{
    if (const CaptureKinds::Entry *entry = CaptureKinds::find(action))
        (m_captureWorkflow.get()->*entry->start)();
}

void AppController::setLastResultSummary(const QString &summary)
{
    m_lastResultSummary = summary;
    m_statusIsShortcutProblem = false;
    emit lastResultSummaryChanged();
}

void AppController::configureStatusItem()
{
    if (!m_tray) {
        m_tray = std::make_unique<TrayMenu>(m_session.trayLoadsIconsByName);
        connect(m_tray.get(), &TrayMenu::aboutToShow, this, &AppController::menuNeedsUpdate);
        connect(m_tray.get(), &TrayMenu::captureRequested, this, &AppController::startCapture);
        connect(m_tray.get(), &TrayMenu::settingsRequested, this, &AppController::openSettings);
        connect(m_tray.get(), &TrayMenu::helpRequested, this, &AppController::openHelp);
        connect(m_tray.get(), &TrayMenu::quitRequested, this, &AppController::quit);
    }
    rebuildMenu();
    m_tray->show();
}

void AppController::rebuildMenu()
{
    if (m_tray)
        m_tray->rebuild(isCaptureRunning(), settings());
}

void AppController::menuNeedsUpdate()
{
    retryRefusedHotKeys();
    rebuildMenu();
}

void AppController::selectLanguageMode(const QString &rawValue)
{
    if (const std::optional<PreferredLanguageMode> mode = EnumNames::fromName<PreferredLanguageMode>(rawValue))
        updateSettings([mode](AppSettings &settings) { settings.preferredLanguageMode = *mode; });
}

void AppController::openHelp()
{
    QMessageBox help;
    help.setText(L::headline(LocalizedKey::helpTitle));
    help.setInformativeText(L::text(LocalizedKey::helpSteps)
                                .arg(settings().hotKey.displayString(), HotKey::screenshotCapture().displayString()));
    help.addButton(L::text(LocalizedKey::ok), QMessageBox::AcceptRole);
    help.exec();
}

void AppController::quit()
{
    QApplication::quit();
}
