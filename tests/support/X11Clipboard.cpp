#include "X11Clipboard.h"

#include <QProcess>
#include <QStringList>
#include <QTest>

#include <stdexcept>

X11Clipboard X11Clipboard::read(const QString &target)
{
    QStringList arguments{"-selection", "clipboard", "-o"};
    if (!target.isEmpty())
        arguments << "-t" << target;
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), arguments);
    if (!xclip.waitForStarted())
        throw std::runtime_error("xclip is not installed");
    if (!QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, 10000)) {
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
