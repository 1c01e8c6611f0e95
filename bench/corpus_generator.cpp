// Writes the recognition corpus: IMAGE.png with IMAGE.txt (the exact expected text) beside it.
//   corpus_generator OUTPUT_FOLDER
#include "Corpus.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

int main(int argc, char *argv[])
{
    // Rendering needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: corpus_generator OUTPUT_FOLDER");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath(".");
    std::vector<CorpusSample> samples = Corpus::samples();
    samples.push_back(Corpus::fullScreenChinese());
    for (const CorpusSample &sample : samples) {
        QFile truth(folder.filePath(sample.name + ".txt"));
        if (!sample.image.save(folder.filePath(sample.name + ".png")) || !truth.open(QIODevice::WriteOnly))
            return 1;
        truth.write(sample.truth.toUtf8());
    }
    return 0;
}
