#pragma once

#include "app/ReadCommand.h"

#include <QByteArray>

#include <optional>

// What a start of Tessarin asks for: a command for the running instance (AppController's
// commands), images to read on their own, or an exit status once the command line itself was
// answered (help, version, a mistake, which is status 2).
struct CommandLine {
    QByteArray command;
    std::optional<int> exitStatus;
    // Images to read instead of starting the program.
    std::optional<ReadCommand> read;

    // Reads the arguments before anything graphical starts, so that --help and --version work
    // without a display; prints what it answers. Qt's own options ("-platform xcb") are let through.
    static CommandLine parse(int argc, char *argv[]);

    bool operator==(const CommandLine &) const = default;
};
