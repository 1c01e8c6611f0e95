#include "app/AppController.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "feedback/Localization.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QList>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <unistd.h>

namespace {
constexpr int usageErrorStatus = 2;

// What a start asks of Tessarin: a command the running instance understands, or an exit status
// once the command line itself was answered (help, version, a mistake).
struct StartRequest {
    QByteArray command;
    std::optional<int> exitStatus;
};

// Read before anything graphical starts, so that --help and --version work without a display.
StartRequest readCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's own options are single-dash words ("-platform xcb"), which QApplication takes later.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Copies the text or the picture of any screen region to the clipboard.\n"
                       "Without options, starts Tessarin in the tray, or opens the settings of the one "
                       "running."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption captureText(QStringLiteral("capture-text"),
                                         QStringLiteral("Select a region and copy its text (starts Tessarin "
                                                        "if it is not running)."));
    const QCommandLineOption captureScreenshot(QStringLiteral("capture-screenshot"),
                                               QStringLiteral("Select a region and copy it as an image and a "
                                                              "PNG file."));
    parser.addOption(captureText);
    parser.addOption(captureScreenshot);
    for (const char *name : {"platform", "platformtheme", "display", "style", "qwindowgeometry", "qwindowtitle"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), {}, QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }
    for (const char *name : {"reverse", "qwindowicon"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }

    auto usageError = [](const QString &message) {
        std::fprintf(stderr, "tessarin: %s\nTry 'tessarin --help' for the options.\n", qPrintable(message));
        return StartRequest{{}, usageErrorStatus};
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object yet, Qt cannot know the program's name.
        std::fputs(qPrintable(parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("tessarin"))),
                   stdout);
        return StartRequest{{}, EXIT_SUCCESS};
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return StartRequest{{}, EXIT_SUCCESS};
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(captureText) && parser.isSet(captureScreenshot))
        return usageError(QStringLiteral("Choose one of --capture-text and --capture-screenshot."));
    if (parser.isSet(captureText))
        return StartRequest{AppController::captureTextCommand, std::nullopt};
    if (parser.isSet(captureScreenshot))
        return StartRequest{AppController::captureScreenshotCommand, std::nullopt};
    return StartRequest{AppController::settingsCommand, std::nullopt};
}

// Without a display Qt ends the process with abort(), a core dump and the advice to reinstall.
// While the application object is made, Qt's messages are held back: a fatal one becomes one line
// that says what is missing, the others are passed on once the start went well.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
QList<HeldMessage> heldMessages;

void holdStartMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        heldMessages.append({type, context.category, text});
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
    const StartRequest request = readCommandLine(argc, argv);
    if (request.exitStatus)
        return *request.exitStatus;

    const QtMessageHandler previousHandler = qInstallMessageHandler(holdStartMessage);
    QApplication app(argc, argv);
    qInstallMessageHandler(previousHandler);
    passOnHeldMessages();
    QApplication::setDesktopFileName(QStringLiteral("tessarin"));
    // A tray program: closing its last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // A logout ends Tessarin the way its Quit command does.
    TerminationSignals terminationSignals;

    // Starting Tessarin again while it runs is how users look for it: the running one shows its
    // settings, or starts the capture asked for.
    SingleInstance instance(QStringLiteral("tessarin"));
    const SingleInstance::Outcome outcome = instance.start(
        request.command, [](const QByteArray &command) { AppController::shared().runCommand(command); });
    switch (outcome) {
    case SingleInstance::Outcome::forwarded:
        return 0;
    case SingleInstance::Outcome::unanswered:
        std::fputs("Tessarin is already running but does not answer.\n", stderr);
        return 1;
    case SingleInstance::Outcome::primary:
    case SingleInstance::Outcome::unguarded:
        break;
    }

    AppController &controller = AppController::shared();
    QObject::connect(&terminationSignals, &TerminationSignals::received, &controller, &AppController::quit);
    if (outcome == SingleInstance::Outcome::unguarded)
        controller.addStartNotice(L::text(LocalizedKey::singleInstanceUnguarded).arg(instance.folder()));
    controller.bootstrap();
    // A first start asked for a capture: once the event loop runs. Asked for the settings, it
    // shows the tray icon only, as a start from the menu or at login should.
    if (request.command != AppController::settingsCommand)
        QTimer::singleShot(0, &controller, [&controller, command = request.command] { controller.runCommand(command); });
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
