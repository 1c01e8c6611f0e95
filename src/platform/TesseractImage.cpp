#include "platform/TesseractImage.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {
// The LSTM models read best with lines this tall; small UI text is scaled up to it.
constexpr double targetLineHeight = 28;
constexpr double maximumScale = 4;
constexpr double minimumScale = 0.5;
// Very large captures are not scaled: their text is usually big enough and time matters.
constexpr qint64 maximumScaledPixels = 12'000'000;
constexpr int inkContrast = 64;

int backgroundLevel(const QImage &gray)
{
    std::array<qint64, 256> histogram{};
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *row = gray.constScanLine(y);
        for (int x = 0; x < gray.width(); ++x)
            ++histogram[row[x]];
    }
    return static_cast<int>(std::max_element(histogram.begin(), histogram.end()) - histogram.begin());
}

QImage toGrayscale(const QImage &source)
{
    if (!source.hasAlphaChannel())
        return source.convertToFormat(QImage::Format_Grayscale8);
    // Transparent pixels count as white, as they would show on a light page.
    QImage flattened(source.size(), QImage::Format_RGB32);
    flattened.fill(Qt::white);
    {
        QPainter painter(&flattened);
        painter.drawImage(0, 0, source);
    }
    return flattened.convertToFormat(QImage::Format_Grayscale8);
}

// Bands of consecutive rows that hold ink, as (first row, last row); slivers dropped.
std::vector<std::pair<int, int>> inkRowRuns(const QImage &gray)
{
    const int background = backgroundLevel(gray);
    std::vector<std::pair<int, int>> runs;
    int start = -1;
    for (int y = 0; y <= gray.height(); ++y) {
        const uchar *row = y < gray.height() ? gray.constScanLine(y) : nullptr;
        const bool ink = row && std::any_of(row, row + gray.width(), [&](uchar level) {
            return std::abs(level - background) > inkContrast;
        });
        if (ink && start < 0)
            start = y;
        if (!ink && start >= 0) {
            if (y - start >= 3)
                runs.emplace_back(start, y - 1);
            start = -1;
        }
    }
    return runs;
}
} // namespace

int TesseractImage::medianLineHeight(const QImage &gray)
{
    const std::vector<std::pair<int, int>> runs = inkRowRuns(gray);
    if (runs.empty())
        return 0;
    std::vector<int> heights;
    for (const auto &[first, last] : runs)
        heights.push_back(last - first + 1);
    std::nth_element(heights.begin(), heights.begin() + long(heights.size() / 2), heights.end());
    return heights[heights.size() / 2];
}

std::vector<QRect> TesseractImage::inkLines() const
{
    const int background = backgroundLevel(image);
    const int median = medianLineHeight(image);
    std::vector<QRect> lines;
    for (const auto &[first, last] : inkRowRuns(image)) {
        if (last - first + 1 < median / 3)
            continue;
        int left = image.width();
        int right = -1;
        for (int y = first; y <= last; ++y) {
            const uchar *row = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x) {
                if (std::abs(row[x] - background) > inkContrast) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        if (right >= left)
            lines.emplace_back(QPoint(left, first), QPoint(right, last));
    }
    return lines;
}

TesseractImage TesseractImage::prepare(const QImage &source)
{
    TesseractImage prepared;
    QImage gray = toGrayscale(source);
    if (backgroundLevel(gray) < 128)
        gray.invertPixels();

    const int lineHeight = medianLineHeight(gray);
    if (lineHeight > 0) {
        // Large text is as hard for the layout analysis as small text: both are brought near
        // the height the models were trained on.
        double scale = std::clamp(targetLineHeight / lineHeight, minimumScale, maximumScale);
        const double pixels = double(gray.width()) * gray.height() * scale * scale;
        if (scale > 1 && pixels > maximumScaledPixels)
            scale = std::max(1.0, std::sqrt(maximumScaledPixels / (double(gray.width()) * gray.height())));
        if (std::abs(scale - 1) > 0.1) {
            gray = gray.scaled(qRound(gray.width() * scale), qRound(gray.height() * scale),
                               Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            prepared.scale = double(gray.height()) / source.height();
        }
    }

    prepared.padding = 16;
    prepared.image = QImage(gray.width() + 2 * prepared.padding, gray.height() + 2 * prepared.padding,
                            QImage::Format_Grayscale8);
    // The border continues the background: an edge of another shade would be read as a line.
    prepared.image.fill(uint(backgroundLevel(gray)));
    for (int y = 0; y < gray.height(); ++y) {
        std::copy_n(gray.constScanLine(y), gray.width(),
                    prepared.image.scanLine(y + prepared.padding) + prepared.padding);
    }
    return prepared;
}

double TesseractImage::inkCoverage(const std::vector<QRect> &boxes) const
{
    const int background = backgroundLevel(image);
    qint64 ink = 0;
    qint64 covered = 0;
    std::vector<bool> inBox(size_t(image.width()));
    for (int y = 0; y < image.height(); ++y) {
        std::fill(inBox.begin(), inBox.end(), false);
        for (const QRect &box : boxes) {
            if (y >= box.top() - 2 && y <= box.bottom() + 2) {
                for (int x = std::max(0, box.left() - 2); x <= std::min(image.width() - 1, box.right() + 2); ++x)
                    inBox[size_t(x)] = true;
            }
        }
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (std::abs(row[x] - background) > inkContrast) {
                ++ink;
                covered += inBox[size_t(x)] ? 1 : 0;
            }
        }
    }
    return ink == 0 ? 1.0 : double(covered) / double(ink);
}
