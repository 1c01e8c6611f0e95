#include "X11Clipboard.h"

#include <QEventLoop>
#include <QProcess>
#include <QStringList>
#include <QTimer>

#include <stdexcept>

X11Clipboard X11Clipboard::read(const QString &target)
{
    QStringList arguments{"-selection", "clipboard", "-o"};
    if (!target.isEmpty())
        arguments << "-t" << target;
    QProcess xclip;
    QEventLoop loop;
    QObject::connect(&xclip, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&xclip, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    xclip.start(QStringLiteral("xclip"), arguments);
    loop.exec();
    if (xclip.error() == QProcess::FailedToStart)
        throw std::runtime_error("xclip is not installed");
    if (xclip.state() != QProcess::NotRunning) {
        xclip.kill();
        xclip.waitForFinished();
        return {};
    }
    return {xclip.exitStatus() == QProcess::NormalExit && xclip.exitCode() == 0, xclip.readAllStandardOutput()};
}

QStringList X11Clipboard::targets()
{
    return QString::fromUtf8(read(QStringLiteral("TARGETS")).data).split(u'\n', Qt::SkipEmptyParts);
}
