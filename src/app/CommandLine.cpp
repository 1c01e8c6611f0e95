#include "app/CommandLine.h"

#include "app/AppController.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int usageErrorStatus = 2;

// Qt's options, which QApplication takes from the arguments later. Single-dash words.
void acceptQtOptions(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : {"platform", "platformpluginpath", "platformtheme", "display", "style", "stylesheet",
                             "session", "name", "qwindowgeometry", "qwindowtitle", "qwindowicon"}) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    QCommandLineOption reverse(QStringLiteral("reverse"));
    reverse.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(reverse);
}

CommandLine usageError(const QString &message)
{
    std::fprintf(stderr, "tessarin: %s\nTry 'tessarin --help' for the options.\n", qPrintable(message));
    return CommandLine{{}, usageErrorStatus};
}
} // namespace

CommandLine CommandLine::read(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
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
    acceptQtOptions(parser);

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object yet, Qt cannot know the program's name.
        std::fputs(qPrintable(parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("tessarin"))),
                   stdout);
        return CommandLine{{}, EXIT_SUCCESS};
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return CommandLine{{}, EXIT_SUCCESS};
    }
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(captureText) && parser.isSet(captureScreenshot))
        return usageError(QStringLiteral("Choose one of --capture-text and --capture-screenshot."));
    if (parser.isSet(captureText))
        return CommandLine{AppController::captureTextCommand, std::nullopt};
    if (parser.isSet(captureScreenshot))
        return CommandLine{AppController::captureScreenshotCommand, std::nullopt};
    return CommandLine{AppController::settingsCommand, std::nullopt};
}
