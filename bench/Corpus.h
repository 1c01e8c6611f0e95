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
    QString model;  // what plain Tesseract is told: the right language, e.g. "chi_sim+eng"
};

namespace Corpus {
QStringList groups();
// Every group at 11-24 px, scale 1 and 2, light and dark, in the group's fonts; groups that
// stand for a kind of screen (frames, scroll bars, low contrast, dense windows) draw it around
// the text.
std::vector<CorpusSample> samples(const QStringList &groups = {});
// Screens of real programs (a browser, a terminal, an editor, a dialog), stored as PNG files
// with their text beside them in this folder.
std::vector<CorpusSample> captured(const QString &folder, const QStringList &groups = {});
// A full 1920 x 1080 screen of simplified Chinese at 16 px.
CorpusSample fullScreenChinese();
} // namespace Corpus
