#include "ocr/tesseract/HanVariants.h"

#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace {

constexpr int shapeSize = 24;
constexpr int inkLevel = 128;

// The smallest rectangle holding the image's dark pixels; null when there are none.
QRect inkBounds(const QImage &grayscale, const QRect &area)
{
    int left = area.right() + 1, right = area.left() - 1, top = area.bottom() + 1, bottom = area.top() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar *row = grayscale.constScanLine(y);
        for (int x = area.left(); x <= area.right(); ++x) {
            if (row[x] < inkLevel) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return left > right ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

constexpr int canvas = 96;

QImage drawnOnThisThread(const QString &character)
{
    QImage image(canvas, canvas, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringList{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK TC")});
    font.setPixelSize(canvas * 2 / 3);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, character);
    painter.end();
    return image;
}

// Fonts keep caches per thread, and the recognition threads outlive the application's font
// caches: characters are drawn on a thread of this file's own, which ends with the application.
struct DrawingThread {
    QMutex mutex;
    QThread *thread = nullptr;
    QObject *context = nullptr; // lives on the thread: what is drawn is sent to it
    bool ended = false;
    QHash<QString, QImage> shapes;
};

DrawingThread &drawingThread()
{
    static DrawingThread drawing;
    return drawing;
}

void endDrawingThread()
{
    DrawingThread &drawing = drawingThread();
    QMutexLocker lock(&drawing.mutex);
    drawing.ended = true;
    if (!drawing.thread)
        return;
    drawing.thread->quit();
    drawing.thread->wait();
    delete drawing.context;
    delete drawing.thread;
    drawing.context = nullptr;
    drawing.thread = nullptr;
}

} // namespace

float HanVariants::preference(const std::vector<ReadGlyph> &first, const std::vector<ReadGlyph> &second)
{
    // The readings aligned glyph for glyph (an icon may be one glyph in one and two in the other).
    const size_t rows = first.size() + 1, columns = second.size() + 1;
    std::vector<size_t> cost(rows * columns);
    for (size_t i = 0; i < rows; ++i)
        cost[i * columns] = i;
    for (size_t j = 0; j < columns; ++j)
        cost[j] = j;
    for (size_t i = 1; i < rows; ++i) {
        for (size_t j = 1; j < columns; ++j) {
            const size_t substitution = cost[(i - 1) * columns + j - 1] + (first[i - 1].text != second[j - 1].text);
            cost[i * columns + j] = std::min({substitution, cost[(i - 1) * columns + j] + 1, cost[i * columns + j - 1] + 1});
        }
    }
    float total = 0;
    for (size_t i = rows - 1, j = columns - 1; i > 0 && j > 0;) {
        const ReadGlyph &a = first[i - 1];
        const ReadGlyph &b = second[j - 1];
        if (cost[i * columns + j] == cost[(i - 1) * columns + j - 1] + (a.text != b.text)) {
            if (a.text != b.text && !a.shape.isNull() && !b.text.isEmpty())
                total += preference(a.shape, a.text, b.text);
            --i;
            --j;
        } else if (cost[i * columns + j] == cost[(i - 1) * columns + j] + 1) {
            --i;
        } else {
            --j;
        }
    }
    return total;
}

QImage HanVariants::shapeOf(const QImage &grayscale, const QRect &box)
{
    const QRect area = box & grayscale.rect();
    if (area.isEmpty() || grayscale.format() != QImage::Format_Grayscale8)
        return {};
    const QRect ink = inkBounds(grayscale, area);
    if (ink.isNull())
        return {};
    return grayscale.copy(ink).scaled(shapeSize, shapeSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

float HanVariants::preference(const QImage &shape, const QString &first, const QString &second)
{
    if (shape.isNull())
        return 0;
    const QImage firstDrawn = drawn(first);
    const QImage secondDrawn = drawn(second);
    if (firstDrawn.isNull() || secondDrawn.isNull())
        return 0;
    return likeness(shape, firstDrawn) - likeness(shape, secondDrawn);
}

QImage HanVariants::drawn(const QString &character)
{
    // Drawing needs the fonts of a GUI application; reading files from a script has none.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return {};
    DrawingThread &drawing = drawingThread();
    QMutexLocker lock(&drawing.mutex);
    if (const auto found = drawing.shapes.constFind(character); found != drawing.shapes.cend())
        return *found;
    if (drawing.ended)
        return {};
    if (!drawing.thread) {
        drawing.thread = new QThread;
        drawing.context = new QObject;
        drawing.context->moveToThread(drawing.thread);
        drawing.thread->start();
        qAddPostRoutine(endDrawingThread);
    }
    QImage shape;
    QMetaObject::invokeMethod(drawing.context, [&] { shape = shapeOf(drawnOnThisThread(character), QRect(0, 0, canvas, canvas)); },
                              Qt::BlockingQueuedConnection);
    drawing.shapes.insert(character, shape);
    return shape;
}

float HanVariants::likeness(const QImage &a, const QImage &b)
{
    // Compared a little blurred, so that a stroke drawn a pixel off by another font still meets.
    const QImage softA = a.scaled(shapeSize / 2, shapeSize / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage softB = b.scaled(shapeSize / 2, shapeSize / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double difference = 0;
    for (int y = 0; y < softA.height(); ++y) {
        const uchar *rowA = softA.constScanLine(y);
        const uchar *rowB = softB.constScanLine(y);
        for (int x = 0; x < softA.width(); ++x)
            difference += std::abs(int(rowA[x]) - int(rowB[x]));
    }
    return float(1.0 - difference / (255.0 * softA.width() * softA.height()));
}
