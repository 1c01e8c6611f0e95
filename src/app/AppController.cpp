#include "app/AppController.h"

#include "app/MenuBarIcon.h"
#include "app/PlatformLoader.h"
#include "capture/ScreenCapturePermission.h"
#include "capture/ScreenImageCapturer.h"
#include "capture/ScreenRegionSelectionController.h"
#include "common/EnumNames.h"
#include "feedback/Localization.h"
#include "feedback/ToastPresenter.h"
#include "ocr/TesseractOCRProvider.h"
#include "platform/ApplicationActionService.h"
#include "platform/DesktopSession.h"
#include "platform/GlobalShortcutService.h"
#include "platform/wayland/PortalRequest.h"
#include "settings/SettingsWindowController.h"

#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTextBoundaryFinder>
#include <QTimer>
#include <QWindow>

namespace {
const QString success = QStringLiteral("checkmark.circle.fill");
const QString warning = QStringLiteral("exclamationmark.triangle.fill");
const QString failure = QStringLiteral("xmark.octagon.fill");
constexpr std::uint32_t textCaptureId = 1;
constexpr std::uint32_t imageCaptureId = 2;

// Characters as the user sees them: an emoji of several code points, or CR LF, is one.
qint64 userPerceivedCharacters(const QString &text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qint64 count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

QString failureMessage(OCRFailureReason reason)
{
    switch (reason) {
    case OCRFailureReason::captureFailed:
        return L::text(LocalizedKey::captureFailed);
    case OCRFailureReason::recognitionFailed:
        return L::text(LocalizedKey::recognitionFailed);
    case OCRFailureReason::none:
    case OCRFailureReason::unexpected:
        break;
    }
    return L::text(LocalizedKey::unexpectedError);
}

// Alerts on Linux desktops do not set their first line apart by themselves.
QString headline(const QString &text)
{
    return QStringLiteral("<b>%1</b>").arg(text.toHtmlEscaped());
}

QString imageCopyFailureMessage(ClipboardService::ImageCopyFailure failure, const QString &folder)
{
    switch (failure) {
    case ClipboardService::ImageCopyFailure::cannotWrite:
        return L::text(LocalizedKey::cannotWriteToFolder).arg(folder);
    case ClipboardService::ImageCopyFailure::diskFull:
        return L::text(LocalizedKey::diskFull);
    case ClipboardService::ImageCopyFailure::none:
    case ClipboardService::ImageCopyFailure::clipboardRefused:
        break;
    }
    return L::text(LocalizedKey::captureFailed);
}
} // namespace

AppServices AppServices::forSession()
{
    return AppServices{AppSettingsStore(),
                       std::make_unique<TesseractOCRProvider>(),
                       ClipboardService({}, DesktopSession::clipboardNeedsFocus()),
                       &PlatformLoader::screenGrabber(),
                       ScreenCapturePermission::forSession(PlatformLoader::screenGrabber()),
                       PlatformLoader::globalShortcutService()};
}

AppController &AppController::shared()
{
    // Deliberately leaked: it must outlive every window and timer until the process ends.
    static AppController *const instance = new AppController();
    return *instance;
}

AppController::AppController(AppServices services, QObject *parent)
    : SettingsModel(parent)
    , m_settingsStore(std::move(services.settingsStore))
    , m_settings(m_settingsStore.load())
    , m_lastResultSummary(L::text(LocalizedKey::ready))
    , m_ocrProvider(std::move(services.ocrProvider))
    , m_clipboardService(std::move(services.clipboardService))
    , m_screenGrabber(services.screenGrabber)
    , m_permission(std::move(services.permission))
    , m_toastPresenter(std::make_unique<ToastPresenter>())
    , m_hotKeyMonitor(std::move(services.shortcuts))
{
    m_hotKeyMonitor.onLateFailures = [this](const std::vector<HotKeyMonitor::RegistrationFailure> &failures) {
        handleHotKeyRegistrationFailures(failures);
    };
    if (!m_settingsStore.keptUnreadableFile().isEmpty())
        addStartNotice(L::text(LocalizedKey::settingsFileKept).arg(m_settingsStore.keptUnreadableFile()));
}

AppController::~AppController() = default;

void AppController::bootstrap()
{
    disconnect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &AppController::handleWindowDidBecomeKey);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &AppController::handleWindowDidBecomeKey);
    configureStatusItem();
    configureHotKey();
    publishApplicationActions();
    dismissRestoredSettingsWindows();
    // After the hint, which would otherwise hide them at once.
    const int hintEnd = showFirstLaunchOnboardingIfNeeded();
    showStartNotices(hintEnd > 0 ? hintEnd + 300 : 600);
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
        delayMs += 3200;
    }
    m_startNotices.clear();
}

void AppController::notify(const QString &message)
{
    setLastResultSummary(message);
    showToast(message, warning, ToastStyle::warning, 3.0);
}

QString AppController::settingsNotSavedMessage() const
{
    return L::text(LocalizedKey::settingsCannotBeSaved).arg(QFileInfo(m_settingsStore.fileName()).absolutePath());
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
    if (m_settingsStore.flag(key))
        return 0;
    // Written before anything shows: the hint is offered once, whatever happens next. Where
    // nothing can be written it would come at every start: say that instead, once.
    if (!m_settingsStore.setFlag(key, true)) {
        m_hasReportedUnsavedSettings = true;
        addStartNotice(settingsNotSavedMessage());
        return 0;
    }
    // A shortcut refused at start warns at once: the hint waits until the warning was read.
    const int delay = m_hasShownHotKeyRegistrationWarning ? 2600 : 600;
    QTimer::singleShot(delay, this, [this] { showOnboardingHint(); });
    return delay + onboardingHintDurationMs();
}

void AppController::showOnboardingHint()
{
    // Promise only the ways in that work: the tray icon where there is a tray, the shortcut where
    // the desktop gave it to us, and otherwise starting the program again, which opens the settings.
    const bool hasTray = QSystemTrayIcon::isSystemTrayAvailable();
    const bool hasShortcut = m_hotKeyMonitor.isRegistered(textCaptureId);
    const QString shortcut = m_settings.hotKey.displayString();
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
    SettingsWindowController &settingsWindow = SettingsWindowController::shared();
    settingsWindow.userInitiatedPresentationPending = true;
    settingsWindow.show(*this);
}

void AppController::dismissRestoredSettingsWindows()
{
    QTimer::singleShot(0, this, [] {
        const QString title = L::text(LocalizedKey::settingsWindowTitle);
        // The one window the user can have opened in the meantime is theirs to keep.
        const QWidget *ours = SettingsWindowController::shared().window();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != ours && window->windowTitle() == title && window->isVisible())
                window->close();
        }
    });
}

void AppController::handleWindowDidBecomeKey(QWindow *window)
{
    if (!window || window->title() != L::text(LocalizedKey::settingsWindowTitle))
        return;
    SettingsWindowController &settingsWindow = SettingsWindowController::shared();
    QWidget *ours = settingsWindow.window();
    if (ours && ours->windowHandle() == window) {
        // The window the user opened stays open, also when they come back to it later.
        settingsWindow.userInitiatedPresentationPending = false;
        return;
    }
    // A settings window nobody asked for.
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window)
            widget->close();
    }
}

void AppController::updateSettings(const std::function<void(AppSettings &)> &mutation)
{
    AppSettings changed = m_settings;
    mutation(changed);
    if (!changed.hotKey.hasRequiredModifier()) {
        changed.hotKey = m_settings.hotKey;
        notify(L::text(LocalizedKey::hotKeyNeedsModifier).arg(m_settings.hotKey.displayString()));
    }
    if (changed.hotKey.isRetiredTextShortcut()) {
        showToast(L::text(LocalizedKey::hotKeyConflictRestored)
                      .arg(changed.hotKey.displayString(), HotKey::defaultTextCapture().displayString()),
                  warning, ToastStyle::warning, 2.0);
        changed.hotKey = HotKey::defaultTextCapture();
    }
    m_settings = changed;
    emit settingsChanged();
    if (!m_settingsStore.save(m_settings))
        reportSettingsNotSaved();
    configureHotKey();
    rebuildMenu();
}

void AppController::configureHotKey()
{
    // The screenshot shortcut first: a text shortcut set to the same keys is the one refused.
    QPointer<AppController> self(this);
    auto later = [self](void (AppController::*action)()) {
        return [self, action] {
            QTimer::singleShot(0, self, [self, action] {
                if (self)
                    (self.data()->*action)();
            });
        };
    };
    handleHotKeyRegistrationFailures(m_hotKeyMonitor.registerHotKeys({
        {imageCaptureId, HotKey::screenshotCapture(), later(&AppController::startImageCapture)},
        {textCaptureId, m_settings.hotKey, later(&AppController::startCapture)},
    }));
}

void AppController::publishApplicationActions()
{
    // For desktops without global shortcuts: the user binds a desktop shortcut to these.
    auto *service = new ApplicationActionService(this);
    service->actions = {{QStringLiteral("capture-text"), [this] { startCapture(); }},
                        {QStringLiteral("capture-screenshot"), [this] { startImageCapture(); }}};
    service->onActivate = [this] { openSettings(); };
    service->publish();
}

void AppController::handleHotKeyRegistrationFailures(const std::vector<HotKeyMonitor::RegistrationFailure> &failures)
{
    if (failures.empty())
        return;
    const QString message = L::text(LocalizedKey::hotKeyRegistrationFailed).arg(failures.front().hotKey.displayString());
    setLastResultSummary(message);
    if (!m_hasShownHotKeyRegistrationWarning) {
        m_hasShownHotKeyRegistrationWarning = true;
        showToast(message, warning, ToastStyle::warning, 2.0);
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
    showToast(message, success, ToastStyle::success, 2.0);
}

void AppController::warmUpRecognition()
{
    // After start-up has settled, so the tray icon is never delayed by it.
    QTimer::singleShot(1000, this, [this] { m_ocrProvider->warmUp(m_settings.preferredLanguageMode); });
}

void AppController::startCapture()
{
    if (!beginCapture())
        return;
    runCapture([this](const CapturedScreenImage &captured) { process(captured.image); });
}

void AppController::startImageCapture()
{
    if (!beginCapture())
        return;
    runCapture([this](const CapturedScreenImage &captured) {
        m_clipboardService.whenWritable(this, [this, captured] { copyImageToClipboard(captured); });
    });
}

bool AppController::beginCapture()
{
    // Checked and set in one turn of the main thread: two triggers never both start.
    if (m_isCaptureRunning || !ensureScreenCaptureAccess())
        return false;
    setCaptureRunning(true);
    setLastResultSummary(L::text(LocalizedKey::waitingForSelection));
    rebuildMenu();
    return true;
}

void AppController::runCapture(std::function<void(const CapturedScreenImage &)> onCaptured)
{
    ScreenRegionSelectionController::selectRegion(*m_screenGrabber, DesktopSession::clipboardNeedsFocus())
        .then(this, [this, onCaptured](const std::optional<ScreenRegionSelection> &selection) {
            if (!selection) {
                finishAsCancelled();
                return;
            }
            ScreenImageCapturer::capture(*selection, *m_screenGrabber)
                .then(this, onCaptured)
                .onFailed(this, [this] { finishAsCancelled(); });
        })
        .onFailed(this, [this](const PortalRequestError &) {
            // The desktop's screenshot service said no, or is missing: missing permission.
            finishAsCancelled();
            presentPermissionAlert();
        })
        .onFailed(this, [this] { finishAsCancelled(); });
}

void AppController::finishAsCancelled()
{
    ScreenRegionSelectionController::dismissOverlay();
    setCaptureRunning(false);
    setLastResultSummary(L::text(LocalizedKey::captureCancelled));
    rebuildMenu();
}

void AppController::process(const QImage &image)
{
    // Read now: a mode changed while the user was selecting applies to this capture.
    const OCRRequest request{m_settings.preferredLanguageMode};
    m_ocrProvider->recognize(image, request).then(this, [this](const OCRResult &result) {
        m_clipboardService.whenWritable(this, [this, result] { finishRecognition(result); });
    });
}

void AppController::finishRecognition(const OCRResult &result)
{
    switch (result.status) {
    case OCRStatus::success:
        m_clipboardService.copyText(result.text);
        ScreenRegionSelectionController::dismissOverlay();
        showToast(L::text(LocalizedKey::textCopied), success, ToastStyle::success, 1.5);
        setLastResultSummary(L::count(LocalizedKey::copiedCharacterCount, userPerceivedCharacters(result.text)));
        break;
    case OCRStatus::noText:
        m_clipboardService.clear();
        ScreenRegionSelectionController::dismissOverlay();
        showToast(L::text(LocalizedKey::noTextDetected), warning, ToastStyle::warning, 2.0);
        setLastResultSummary(L::text(LocalizedKey::noTextDetected));
        break;
    case OCRStatus::failed:
        m_clipboardService.clear();
        ScreenRegionSelectionController::dismissOverlay();
        showToast(failureMessage(result.failureReason), failure, ToastStyle::error, 2.0);
        setLastResultSummary(failureMessage(result.failureReason));
        break;
    }
    rebuildMenu();
    setCaptureRunning(false);
}

void AppController::copyImageToClipboard(const CapturedScreenImage &captured)
{
    const ClipboardService::ImageCopy copy = m_clipboardService.copyImage(captured.image, captured.pngData);
    ScreenRegionSelectionController::dismissOverlay();
    if (copy) {
        showToast(L::text(LocalizedKey::screenshotCopied), success, ToastStyle::success, 1.5);
        setLastResultSummary(L::text(LocalizedKey::screenshotCopied));
    } else {
        const QString message = imageCopyFailureMessage(copy.failure, m_clipboardService.imageFolder());
        // Longer when it names a cause the user has to read.
        showToast(message, failure, ToastStyle::error, message == L::text(LocalizedKey::captureFailed) ? 2.0 : 3.0);
        setLastResultSummary(message);
    }
    setCaptureRunning(false);
    rebuildMenu();
}

bool AppController::ensureScreenCaptureAccess()
{
    if (m_permission->isGranted())
        return true;
    presentPermissionAlert();
    return false;
}

void AppController::presentPermissionAlert()
{
    QMessageBox alert;
    alert.setText(headline(L::text(LocalizedKey::screenRecordingPermissionTitle)));
    alert.setInformativeText(L::text(LocalizedKey::screenRecordingPermissionMessage));
    QPushButton *open = alert.addButton(L::text(LocalizedKey::openSystemSettings), QMessageBox::AcceptRole);
    alert.addButton(L::text(LocalizedKey::notNow), QMessageBox::RejectRole);
    alert.setDefaultButton(open);
    alert.exec();

    const QString hint = L::text(LocalizedKey::screenRecordingPermissionHint);
    if (alert.clickedButton() == open) {
        m_permission->request();
        showToast(hint, warning, ToastStyle::warning, 2.0);
    }
    setLastResultSummary(hint);
    rebuildMenu();
}

void AppController::showToast(const QString &title, const QString &symbol, ToastStyle style, double seconds)
{
    m_toastPresenter->show(title, std::nullopt, ToastIcon::system(symbol), style, std::nullopt, seconds,
                           ToastPlacement::bottom);
}

void AppController::setLastResultSummary(const QString &summary)
{
    m_lastResultSummary = summary;
    emit lastResultSummaryChanged();
}

void AppController::setCaptureRunning(bool running)
{
    m_isCaptureRunning = running;
    emit isCaptureRunningChanged();
}

void AppController::configureStatusItem()
{
    if (!m_statusItem) {
        m_statusItem = new QSystemTrayIcon(this);
        m_menu = std::make_unique<QMenu>();
        connect(m_menu.get(), &QMenu::aboutToShow, this, &AppController::menuNeedsUpdate);
        m_statusItem->setContextMenu(m_menu.get());
        // A left click opens the same menu: there is nothing else to click for.
        connect(m_statusItem, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
            if (reason == QSystemTrayIcon::Trigger)
                m_menu->popup(QCursor::pos());
        });
    }
    m_statusItem->setIcon(MenuBarIcon::trayIcon(DesktopSession::trayLoadsIconsByName()));
    m_statusItem->setToolTip(QStringLiteral("Tessarin"));
    rebuildMenu();
    m_statusItem->show();
}

void AppController::rebuildMenu()
{
    if (!m_menu)
        return;
    m_menu->clear();
    m_menu->addAction(L::text(LocalizedKey::captureText), this, &AppController::startCapture);
    m_menu->addAction(L::text(LocalizedKey::captureScreenshot), this, &AppController::startImageCapture);
    auto addLine = [this](const QString &text) { m_menu->addAction(text)->setEnabled(false); };
    if (m_isCaptureRunning)
        addLine(L::text(LocalizedKey::recognizing));
    addLine(L::text(LocalizedKey::textShortcutStatus).arg(m_settings.hotKey.displayString()));
    addLine(L::text(LocalizedKey::imageShortcutStatus).arg(HotKey::screenshotCapture().displayString()));
    m_menu->addSeparator();
    m_menu->addAction(L::text(LocalizedKey::settings), this, &AppController::openSettings);
    m_menu->addAction(L::text(LocalizedKey::help), this, &AppController::openHelp);
    m_menu->addSeparator();
    m_menu->addAction(L::text(LocalizedKey::quit), this, &AppController::quit);
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
    help.setText(headline(L::text(LocalizedKey::helpTitle)));
    help.setInformativeText(L::text(LocalizedKey::helpSteps)
                                .arg(m_settings.hotKey.displayString(), HotKey::screenshotCapture().displayString()));
    help.addButton(L::text(LocalizedKey::ok), QMessageBox::AcceptRole);
    help.exec();
}

void AppController::quit()
{
    QApplication::quit();
}
