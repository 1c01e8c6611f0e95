#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

struct CorpusSample {
    QString group;
    QString name;   // unique, usable as a file name
    QString truth;  // lines joined with line feeds, exactly as the clipboard should get them
    QImage image;
    int pixelSize = 0;
};

namespace Corpus {
QStringList groups();
// Every group at 11-24 px, scale 1 and 2, light and dark, in the group's fonts.
std::vector<CorpusSample> samples(const QStringList &groups = {});
// A full 1920 x 1080 screen of simplified Chinese at 16 px.
CorpusSample fullScreenChinese();
} // namespace Corpus
