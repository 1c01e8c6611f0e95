#include "app/AppController.h"
#include "app/SingleInstance.h"
#include "app/TerminationSignals.h"
#include "feedback/Localization.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
int run(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessarin"));
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    QApplication::setDesktopFileName(QStringLiteral("tessarin"));
    // A tray program: closing its last window must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    // A logout ends Tessarin the way its Quit command does.
    TerminationSignals terminationSignals;

    // Starting Tessarin again while it runs is how users look for it: show its settings.
    SingleInstance instance(QStringLiteral("tessarin"));
    const SingleInstance::Outcome outcome =
        instance.start("settings", [](const QByteArray &) { AppController::shared().openSettings(); });
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

    AppController &controller = AppController::shared();
    QObject::connect(&terminationSignals, &TerminationSignals::received, &controller, &AppController::quit);
    if (outcome == SingleInstance::Outcome::unguarded)
        controller.addStartNotice(L::text(LocalizedKey::singleInstanceUnguarded).arg(instance.folder()));
    controller.bootstrap();
    app.exec();
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    const int status = run(argc, argv);
    // Everything of ours is closed now: the clipboard handed over, the lock released. What is left
    // are library caches, and Tesseract's wait in their destructors for a model that is still
    // loading in the background, which held up a logout for seconds. The system frees memory.
    std::fflush(nullptr);
    std::_Exit(status);
}
