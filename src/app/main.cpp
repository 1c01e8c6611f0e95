#include "app/AppController.h"
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "feedback/Localization.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QList>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {
// Without a display Qt ends the process with abort(), a core dump and the advice to reinstall.
// While the application object is made, Qt's messages are held back: a fatal one becomes one line
// that says what is missing, the others are passed on once the start went well.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> heldMessages;
QtMessageHandler handlerAfterStart = nullptr;

void holdStartMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages.append({type, context.category, text});
        return;
    }
    if (!text.contains(QLatin1String("platform plugin"))) {
        qInstallMessageHandler(handlerAfterStart);
        qt_message_output(type, context, text);
        return;
    }
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    const QByteArray x11 = qgetenv("DISPLAY");
    if (wayland.isEmpty() && x11.isEmpty())
        std::fputs("tessarin: needs a graphical session (X11 or Wayland); neither DISPLAY nor WAYLAND_DISPLAY "
                   "is set.\n",
                   stderr);
    else
        std::fprintf(stderr, "tessarin: needs a graphical session (X11 or Wayland); the display '%s' cannot be "
                             "opened.\n",
                     (wayland.isEmpty() ? x11 : wayland).constData());
    ::_exit(EXIT_FAILURE);
}

void passOnHeldMessages()
{
    for (const HeldMessage &message : std::as_const(heldMessages)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    heldMessages.clear();
}

int run(int argc, char *argv[])
{
    QApplication::setOrganizationName(QStringLiteral("Tessarin"));
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARIN_VERSION));
    const CommandLine request = CommandLine::parse(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;
    if (request.read) {
        // No display, no tray, no running instance. Fonts are still needed (Chinese variants are
        // told apart by drawing characters), and the offscreen platform has them without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return request.read->run(*AppServices::recognizer(), AppSettingsStore().load().preferredLanguageMode);
    }

    handlerAfterStart = qInstallMessageHandler(holdStartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(handlerAfterStart);
    passOnHeldMessages();
    QApplication::setDesktopFileName(QStringLiteral("tessarin"));
    // A tray program: closing its last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // A logout ends Tessarin the way its Quit command does.
    TerminationSignals terminationSignals;

    // Made once this start turns out to be the primary one; destroyed before the application object,
    // after the lock that lets later starts reach it.
    std::unique_ptr<AppController> controller;
    // Starting Tessarin again while it runs is how users look for it: the running one shows its
    // settings, or starts the capture asked for.
    SingleInstance instance(QStringLiteral("tessarin"));
    const SingleInstance::Outcome outcome = instance.start(request.command, [&controller](const QByteArray &command) {
        if (controller)
            controller->runCommand(command);
    });
    switch (outcome) {
    case SingleInstance::Outcome::forwarded:
        return 0;
    case SingleInstance::Outcome::unanswered:
        SingleInstance::reportUnanswered();
        return 1;
    case SingleInstance::Outcome::primary:
    case SingleInstance::Outcome::unguarded:
        break;
    }

    controller = std::make_unique<AppController>();
    QObject::connect(&terminationSignals, &TerminationSignals::received, controller.get(), &AppController::quit);
    if (outcome == SingleInstance::Outcome::unguarded)
        controller->addStartNotice(L::text(LocalizedKey::singleInstanceUnguarded).arg(instance.folder()));
    controller->bootstrap();
    // A first start asked for a capture: once the event loop runs. Asked for the settings, it
    // shows the tray icon only, as a start from the menu or at login should.
    if (request.command != AppController::settingsCommand)
        QTimer::singleShot(0, controller.get(),
                           [&controller, command = request.command] { controller->runCommand(command); });
    app.exec();
    return 0;
}
} // namespace

// Present only in builds with AddressSanitizer, whose leak check does not run at _Exit.
extern "C" void __lsan_do_leak_check() __attribute__((weak));

int main(int argc, char *argv[])
{
    const int status = run(argc, argv);
    // Everything of ours is closed now: the clipboard handed over, the lock released. What is left
    // are library caches, and Tesseract's wait in their destructors for a model that is still
    // loading in the background, which held up a logout for seconds. The system frees memory.
    std::fflush(nullptr);
    // The checked build looks for leaks here, as a normal end would: the warm-up thread may still
    // be loading a model, which the library destructors of a normal end would pull from under it.
    if (__lsan_do_leak_check)
        __lsan_do_leak_check();
    std::_Exit(status);
}
