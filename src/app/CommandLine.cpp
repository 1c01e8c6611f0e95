#include "app/CommandLine.h"

#include "app/AppController.h"
#include "app/CaptureKinds.h"
#include "common/EnumNames.h"

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
    return CommandLine{{}, usageErrorStatus, std::nullopt};
}

// "--a, --b and --c"
QString optionList(const QStringList &names)
{
    QString list;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (i > 0)
            list += i + 1 == names.size() ? QLatin1String(" and ") : QLatin1String(", ");
        list += QLatin1String("--") + names[i];
    }
    return list;
}

QString modeNames()
{
    QStringList names;
    for (PreferredLanguageMode mode : EnumNames::values<PreferredLanguageMode>())
        names << EnumNames::name(mode);
    return names.join(QStringLiteral(", "));
}
} // namespace

CommandLine CommandLine::parse(int argc, char *argv[])
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
    QStringList captures;
    for (const CaptureKinds::Entry &entry : CaptureKinds::all()) {
        captures << QString::fromLatin1(entry.kind.action);
        parser.addOption(QCommandLineOption(captures.last(), QString::fromLatin1(entry.commandLineHelp)));
    }
    const QCommandLineOption read(QStringLiteral("read"),
                                  QStringLiteral("Print the text and codes of the image files named after the "
                                                 "options (- for standard input), then exit. Needs no display "
                                                 "and no running Tessarin. Exit status 0: text found; 1: none; "
                                                 "2: a file could not be read as an image."));
    const QCommandLineOption mode(QStringLiteral("mode"),
                                  QStringLiteral("With --read, the language priority instead of the saved one: %1.")
                                      .arg(modeNames()),
                                  QStringLiteral("mode"));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("With --read, one JSON object per image and line: file, text, "
                                                 "languages, confidence, codes (or error)."));
    parser.addOption(read);
    parser.addOption(mode);
    parser.addOption(json);
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("With --read, the images to read."),
                                 QStringLiteral("[--read FILE...]"));
    acceptQtOptions(parser);

    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Without an application object yet, Qt cannot know the program's name.
        QString text = parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("tessarin"));
        if (!text.endsWith(u'\n'))
            text += u'\n';
        std::fputs(qPrintable(text), stdout);
        return CommandLine{{}, EXIT_SUCCESS, std::nullopt};
    }
    if (parser.isSet(version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return CommandLine{{}, EXIT_SUCCESS, std::nullopt};
    }
    QStringList capturesAsked;
    for (const QString &capture : std::as_const(captures))
        if (parser.isSet(capture))
            capturesAsked << capture;
    if (parser.isSet(read)) {
        if (!capturesAsked.isEmpty())
            return usageError(QStringLiteral("--read does not go with a capture."));
        if (parser.positionalArguments().isEmpty())
            return usageError(QStringLiteral("--read needs the image files to read, or - for standard input."));
        ReadCommand command{parser.positionalArguments(), std::nullopt, parser.isSet(json)};
        if (parser.isSet(mode)) {
            command.mode = EnumNames::fromName<PreferredLanguageMode>(parser.value(mode));
            if (!command.mode)
                return usageError(
                    QStringLiteral("Unknown mode '%1'; choose one of %2.").arg(parser.value(mode), modeNames()));
        }
        return CommandLine{{}, std::nullopt, command};
    }
    if (parser.isSet(mode) || parser.isSet(json))
        return usageError(QStringLiteral("--mode and --json go with --read."));
    if (!parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().constFirst()));
    if (capturesAsked.size() > 1)
        return usageError(QStringLiteral("Choose one of %1.").arg(optionList(captures)));
    if (!capturesAsked.isEmpty())
        return CommandLine{capturesAsked.constFirst().toLatin1(), std::nullopt, std::nullopt};
    return CommandLine{AppController::settingsCommand, std::nullopt, std::nullopt};
}
