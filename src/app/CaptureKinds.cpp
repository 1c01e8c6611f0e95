#include "app/CaptureKinds.h"

#include "app/CaptureWorkflow.h"

#include <algorithm>

namespace CaptureKinds {

const std::vector<Entry> &all()
{
    // The ids and action names are known to desktops that bound them: never change or reuse one.
    static const std::vector<Entry> entries{
        {{1, QByteArrayLiteral("capture-text"), LocalizedKey::captureText, LocalizedKey::textShortcut,
          LocalizedKey::textShortcutStatus, HotKey::defaultTextCapture(), &AppSettings::hotKey},
         "Select a region and copy its text (starts Tessarin if it is not running).",
         &CaptureWorkflow::startTextCapture},
        {{2, QByteArrayLiteral("capture-screenshot"), LocalizedKey::captureScreenshot, LocalizedKey::imageShortcut,
          LocalizedKey::imageShortcutStatus, HotKey::screenshotCapture(), nullptr},
         "Select a region and copy it as an image and a PNG file.",
         &CaptureWorkflow::startImageCapture},
    };
    return entries;
}

std::vector<CaptureKind> kinds()
{
    std::vector<CaptureKind> result;
    for (const Entry &entry : all())
        result.push_back(entry.kind);
    return result;
}

const Entry *find(QByteArrayView action)
{
    const auto found =
        std::ranges::find_if(all(), [action](const Entry &entry) { return entry.kind.action == action; });
    return found == all().end() ? nullptr : &*found;
}

const Entry &withUserShortcut()
{
    return *std::ranges::find_if(all(), [](const Entry &entry) { return entry.kind.setting != nullptr; });
}

} // namespace CaptureKinds
