#pragma once

#include <QString>
#include <QStringList>

// Opens the desktop's page for screen-sharing privacy, where the desktop has one.
namespace ScreenCapturePermissionService {

struct SettingsCommand {
    QString program;
    QStringList arguments;
    bool operator==(const SettingsCommand &) const = default;
};

// The command for the current desktop (from XDG_CURRENT_DESKTOP); empty program when none.
SettingsCommand settingsCommand(const QString &currentDesktop);

// Does nothing on desktops without such a page, or when its program is not installed.
void openPrivacySettings();

} // namespace ScreenCapturePermissionService
