#pragma once

#include <QFile>
#include <QRandomGenerator>

// A file's bytes; empty when it cannot be read.
inline QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A settings file that is certainly not INI: a section header cut short, then noise (random
// bytes alone are sometimes valid INI).
inline QByteArray unreadableSettingsBytes()
{
    QByteArray bytes("[General\n");
    QRandomGenerator noise(20261207);
    for (int i = 0; i < 4096; ++i)
        bytes.append(static_cast<char>(noise.generate()));
    return bytes;
}

// Replaces a file's bytes, making it where there is none.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}
