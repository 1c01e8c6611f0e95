#include "CaptureScene.h"

#include "DesktopDriver.h"

#include "capture/ScreenRegionSelectionController.h"
#include "feedback/ToastPresenter.h"
#include "feedback/ToastView.h"
#include "app/PlatformLoader.h"
#include "platform/DesktopSession.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTest>

CaptureScene::CaptureScene()
    : CaptureScene(Options())
{
}

CaptureScene::CaptureScene(Options options)
{
    AppServices services{
        AppSettingsStore(QString::fromLatin1(AppSettingsStore::defaultKey),
                         options.settingsFile.isEmpty() ? m_folder.filePath("Tessarin.conf") : options.settingsFile),
        options.ocrProvider ? std::move(options.ocrProvider) : AppServices::recognizer(),
        ClipboardService(options.clipboardFolder.isEmpty() ? m_folder.filePath("cache/TessarinClipboard")
                                                           : options.clipboardFolder),
        options.screenGrabber ? options.screenGrabber : &PlatformLoader::screenGrabber(),
        PlatformLoader::globalShortcutService(),
        PlatformLoader::cancelKeyService(),
        PlatformLoader::sessionFacts(),
    };
    m_controller = std::make_unique<AppController>(std::move(services));
}

QString CaptureScene::visibleToast() const
{
    const ToastView *toast = m_controller->toastPresenter().window();
    return toast && toast->isVisible() ? toast->title() : QString();
}

QLabel *CaptureScene::showText(int screenIndex, QPoint position, const QString &text, const QString &family,
                               int pixelSize)
{
    QScreen *screen = QGuiApplication::screens().at(screenIndex);
    auto label = std::make_unique<QLabel>(text, nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    QFont font(family);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setStyleSheet("QLabel { background: white; color: #1d1d1f; padding: 12px; }");
    label->setScreen(screen);
    label->move(screen->geometry().topLeft() + position);
    label->show();
    if (!DesktopDriver::waitUntilShown(label.get()))
        qFatal("the text window never showed");
    m_windows.push_back(std::move(label));
    return m_windows.back().get();
}

QRectF CaptureScene::areaAround(const QWidget *window, int margin)
{
    return QRectF(window->geometry()).adjusted(margin, margin, -margin, -margin);
}

bool CaptureScene::run(const QByteArray &capture, const QString &keys, const QStringList &actions)
{
    if (keys.isEmpty())
        m_controller->startCapture(capture);
    else
        DesktopDriver::xdotool({"key", keys});
    if (!QTest::qWaitFor([this] { return m_controller->isCaptureRunning(); }, 5000)
        || !DesktopDriver::waitForOverlays(selection()))
        return false;
    QProcess driver;
    driver.start("xdotool", actions);
    const bool ended = QTest::qWaitFor([this] { return !m_controller->isCaptureRunning(); }, 30000);
    driver.waitForFinished();
    return ended;
}

bool CaptureScene::captureText(const QRectF &area)
{
    return run("capture-text", {}, DesktopDriver::drag(QGuiApplication::screenAt(area.center().toPoint()), area));
}

bool CaptureScene::captureImage(const QRectF &area, const QString &keys)
{
    return run("capture-screenshot", keys,
               DesktopDriver::drag(QGuiApplication::screenAt(area.center().toPoint()), area));
}

bool CaptureScene::cancelCapture(const QString &keys)
{
    return run("capture-text", keys, {"key", "Escape"});
}
