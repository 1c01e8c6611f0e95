#pragma once

#include "settings/CaptureKind.h"

#include <QByteArrayView>

#include <vector>

class CaptureWorkflow;

// Every kind of capture, in the menu's order, with what starts it. The tray menu, the settings
// window, the global shortcuts, the D-Bus actions and the command line are all made from it.
namespace CaptureKinds {

struct Entry {
    CaptureKind kind;
    const char *commandLineHelp;
    void (CaptureWorkflow::*start)();
};

const std::vector<Entry> &all();
std::vector<CaptureKind> kinds();
// The kind of that action name; null for any other name.
const Entry *find(QByteArrayView action);
// The kind whose shortcut the user chooses, which the first-start hint names.
const Entry &withUserShortcut();

} // namespace CaptureKinds
