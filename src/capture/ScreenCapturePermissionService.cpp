#include "capture/ScreenCapturePermissionService.h"

#include <QProcess>
#include <QStandardPaths>

namespace ScreenCapturePermissionService {

SettingsCommand settingsCommand(const QString &currentDesktop)
{
    const QStringList desktops = currentDesktop.toLower().split(u':', Qt::SkipEmptyParts);
    if (desktops.contains(QLatin1String("gnome")) || desktops.contains(QLatin1String("unity")))
        return {QStringLiteral("gnome-control-center"), {QStringLiteral("privacy")}};
    if (desktops.contains(QLatin1String("kde")))
        return {QStringLiteral("systemsettings"), {QStringLiteral("kcm_app-permissions")}};
    return {};
}

void openPrivacySettings()
{
    const SettingsCommand command = settingsCommand(qEnvironmentVariable("XDG_CURRENT_DESKTOP"));
    if (command.program.isEmpty() || QStandardPaths::findExecutable(command.program).isEmpty())
        return;
    QProcess::startDetached(command.program, command.arguments);
}

} // namespace ScreenCapturePermissionService
