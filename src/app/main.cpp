#include "app/AppController.h"
#include "app/SingleInstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessarin"));
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    QApplication::setDesktopFileName(QStringLiteral("tessarin"));
    // A tray program: closing its last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    // Starting Tessarin again while it runs is how users look for it: show its settings.
    SingleInstance instance(QStringLiteral("tessarin"));
    if (instance.forwardToRunningInstance("settings"))
        return 0;
    instance.listen([](const QByteArray &) { AppController::shared().openSettings(); });

    AppController::shared().bootstrap();
    app.exec();
    return 0;
}
