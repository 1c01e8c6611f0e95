#pragma once

#include <QByteArray>
#include <QString>

// Reads the clipboard as another X client does, with xclip, while this process keeps
// serving it (the owner must answer, so the event loop runs during the wait).
struct X11Clipboard {
    bool ok = false;       // xclip found the target and exited with 0
    QByteArray data;

    static X11Clipboard read(const QString &target = {});
    static QStringList targets();
};
