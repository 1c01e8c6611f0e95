#include "ocr/tesseract/ScreenAreas.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Neighbouring pixels of one flat area differ by at most this in any channel, and no pixel of
// it by more than the drift from where it starts: a gradient is no flat area.
constexpr int sameColour = 4;
constexpr int areaDrift = 12;
// A background holds a square of this chessboard radius, which no stroke of text is as thick
// as, and covers at least this many pixels.
constexpr int backgroundRadius = 3;
constexpr int smallestBackground = 150;
// So many pixels cover more than any glyph: a background whatever its shape.
constexpr int surelyBackground = 2000;
// Ink lies within this reach of its background; beyond it (inside a photo) nothing is read.
constexpr int reachFromBackground = 16;
// Below this difference from its background a pixel is no ink; text on a screen differs from
// its background by at least the weakest contrast, which ink is measured against.
constexpr int faintestInk = 20;
constexpr int weakestContrast = 40;

int difference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

struct Area {
    QRgb colour = 0;
    int pixels = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    int radius = 0;
    bool background = false;
    int contrast = weakestContrast; // typical ink's difference from this background
};

class Segmentation
{
public:
    explicit Segmentation(QImage rgb)
        : m_rgb(std::move(rgb))
        , m_width(m_rgb.width())
        , m_height(m_rgb.height())
        , m_label(size_t(m_width) * size_t(m_height), -1)
    {
    }

    ScreenAreas::Segmented segment()
    {
        labelFlatAreas();
        measureRadii();
        qint64 backgroundPixels = 0;
        for (Area &area : m_areas) {
            area.background = isBackground(area);
            backgroundPixels += area.background ? area.pixels : 0;
        }
        if (double(backgroundPixels) < ScreenAreas::leastBackgroundShare * double(m_width) * double(m_height))
            return {};
        if (!hasSeveralBackgrounds())
            return {QImage(), uprightLines(), true, false};
        QImage gray(m_width, m_height, QImage::Format_Grayscale8);
        gray.fill(255);
        assignOwners();
        measureContrasts();
        paint(gray);
        return {gray, uprightLines(), true, true};
    }

private:
    QRgb at(int x, int y) const { return reinterpret_cast<const QRgb *>(m_rgb.constScanLine(y))[x]; }
    size_t index(int x, int y) const { return size_t(y) * size_t(m_width) + size_t(x); }

    // Flood fill of pixels of nearly one colour, each area labelled with its own index.
    void labelFlatAreas()
    {
        std::vector<int> stack;
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                if (m_label[index(x, y)] >= 0)
                    continue;
                const int label = int(m_areas.size());
                Area area{at(x, y), 0, x, y, x, y};
                m_label[index(x, y)] = label;
                stack.push_back(int(index(x, y)));
                while (!stack.empty()) {
                    const int p = stack.back();
                    stack.pop_back();
                    const int px = p % m_width;
                    const int py = p / m_width;
                    ++area.pixels;
                    area.left = std::min(area.left, px);
                    area.right = std::max(area.right, px);
                    area.top = std::min(area.top, py);
                    area.bottom = std::max(area.bottom, py);
                    const QRgb colour = at(px, py);
                    const auto visit = [&](int nx, int ny) {
                        if (nx < 0 || ny < 0 || nx >= m_width || ny >= m_height || m_label[index(nx, ny)] >= 0)
                            return;
                        const QRgb next = at(nx, ny);
                        if (difference(next, colour) <= sameColour && difference(next, area.colour) <= areaDrift) {
                            m_label[index(nx, ny)] = label;
                            stack.push_back(int(index(nx, ny)));
                        }
                    };
                    visit(px + 1, py);
                    visit(px - 1, py);
                    visit(px, py + 1);
                    visit(px, py - 1);
                }
                m_areas.push_back(area);
            }
        }
    }

    // Each area's largest chessboard distance from another area, by a two-pass distance transform.
    void measureRadii()
    {
        const int far = m_width + m_height;
        std::vector<int> distance(m_label.size(), far);
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                const int label = m_label[index(x, y)];
                const bool edge = (x > 0 && m_label[index(x - 1, y)] != label)
                    || (x + 1 < m_width && m_label[index(x + 1, y)] != label)
                    || (y > 0 && m_label[index(x, y - 1)] != label)
                    || (y + 1 < m_height && m_label[index(x, y + 1)] != label);
                if (edge)
                    distance[index(x, y)] = 0;
            }
        }
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                int &d = distance[index(x, y)];
                if (x > 0)
                    d = std::min(d, distance[index(x - 1, y)] + 1);
                if (y > 0) {
                    d = std::min(d, distance[index(x, y - 1)] + 1);
                    if (x > 0)
                        d = std::min(d, distance[index(x - 1, y - 1)] + 1);
                    if (x + 1 < m_width)
                        d = std::min(d, distance[index(x + 1, y - 1)] + 1);
                }
            }
        }
        for (int y = m_height - 1; y >= 0; --y) {
            for (int x = m_width - 1; x >= 0; --x) {
                int &d = distance[index(x, y)];
                if (x + 1 < m_width)
                    d = std::min(d, distance[index(x + 1, y)] + 1);
                if (y + 1 < m_height) {
                    d = std::min(d, distance[index(x, y + 1)] + 1);
                    if (x + 1 < m_width)
                        d = std::min(d, distance[index(x + 1, y + 1)] + 1);
                    if (x > 0)
                        d = std::min(d, distance[index(x - 1, y + 1)] + 1);
                }
                Area &area = m_areas[size_t(m_label[index(x, y)])];
                area.radius = std::max(area.radius, d);
            }
        }
    }

    // Thick and large, and not shaped like a stroke of a large glyph: a solid block that fills
    // its box, or wide in both directions.
    static bool isBackground(const Area &area)
    {
        if (area.radius < backgroundRadius || area.pixels < smallestBackground)
            return false;
        if (area.pixels >= surelyBackground)
            return true;
        const int w = area.right - area.left + 1;
        const int h = area.bottom - area.top + 1;
        const bool fills = area.pixels * 100 >= w * h * 55;
        const bool compact = std::max(w, h) <= 3 * std::min(w, h) || std::min(w, h) >= 20;
        return fills && compact;
    }

    // Whether the backgrounds differ in colour, as bubbles, buttons and panes on a page do.
    bool hasSeveralBackgrounds() const
    {
        const Area *largest = nullptr;
        for (const Area &area : m_areas) {
            if (area.background && (!largest || area.pixels > largest->pixels))
                largest = &area;
        }
        return std::any_of(m_areas.begin(), m_areas.end(), [&](const Area &area) {
            return area.background && difference(area.colour, largest->colour) > 2 * sameColour;
        });
    }

    // Upright runs, a few pixels thick, of flat areas that are no background: the strokes of a
    // grid or a divider (and of some glyphs, which the caller tells apart).
    std::vector<QRect> uprightLines() const
    {
        constexpr int shortest = 12;
        const int across = m_width;
        const int along = m_height;
        const auto labelAt = [&](int a, int b) { return m_label[index(a, b)]; };
        const auto runAt = [&](int a, int b, int length) { return QRect(a, b, 1, length); };
        std::vector<QRect> found;
        std::vector<size_t> previous; // the runs that reach the line before
        for (int a = 0; a < across; ++a) {
            std::vector<size_t> current;
            for (int b = 0; b < along;) {
                const int label = labelAt(a, b);
                int end = b;
                int thick = 0;
                for (; end < along && labelAt(a, end) == label; ++end)
                    thick += (a >= 2 && labelAt(a - 2, end) == label) || (a + 2 < across && labelAt(a + 2, end) == label);
                if (end - b >= shortest && !m_areas[size_t(label)].background && thick * 5 <= end - b) {
                    const QRect run = runAt(a, b, end - b);
                    // A line two or three pixels thick is one run.
                    const auto beside = std::find_if(previous.begin(), previous.end(),
                                                     [&](size_t i) { return found[i].adjusted(-1, -1, 1, 1).intersects(run); });
                    if (beside != previous.end()) {
                        found[*beside] |= run;
                        current.push_back(*beside);
                    } else {
                        current.push_back(found.size());
                        found.push_back(run);
                    }
                }
                b = end;
            }
            previous = std::move(current);
        }
        return found;
    }

    // Every pixel near a background belongs to the nearest one, by a breadth-first walk.
    void assignOwners()
    {
        m_owner.assign(m_label.size(), -1);
        std::vector<int> frontier;
        for (size_t p = 0; p < m_label.size(); ++p) {
            if (m_areas[size_t(m_label[p])].background) {
                m_owner[p] = m_label[p];
                frontier.push_back(int(p));
            }
        }
        for (int step = 0; step < reachFromBackground && !frontier.empty(); ++step) {
            std::vector<int> next;
            for (const int p : frontier) {
                const int px = p % m_width;
                const int py = p / m_width;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = px + dx;
                        const int ny = py + dy;
                        if (nx < 0 || ny < 0 || nx >= m_width || ny >= m_height || m_owner[index(nx, ny)] >= 0)
                            continue;
                        m_owner[index(nx, ny)] = m_owner[size_t(p)];
                        next.push_back(int(index(nx, ny)));
                    }
                }
            }
            frontier = std::move(next);
        }
    }

    // Per background, how far its typical ink stands out: most of its ink at least this far,
    // the few beyond being outliers such as icons.
    void measureContrasts()
    {
        // Only backgrounds own pixels; a screen has few of them and many tiny areas.
        std::vector<int> slot(m_areas.size(), -1);
        int backgrounds = 0;
        for (size_t a = 0; a < m_areas.size(); ++a) {
            if (m_areas[a].background)
                slot[a] = backgrounds++;
        }
        std::vector<std::array<int, 256>> histograms(size_t(backgrounds), std::array<int, 256>{});
        std::vector<int> inkPixels(size_t(backgrounds), 0);
        for (int y = 0; y < m_height; ++y) {
            for (int x = 0; x < m_width; ++x) {
                const int owner = m_owner[index(x, y)];
                if (owner < 0 || m_label[index(x, y)] == owner)
                    continue;
                const int d = difference(at(x, y), m_areas[size_t(owner)].colour);
                if (d > faintestInk) {
                    ++histograms[size_t(slot[size_t(owner)])][size_t(d)];
                    ++inkPixels[size_t(slot[size_t(owner)])];
                }
            }
        }
        for (size_t a = 0; a < m_areas.size(); ++a) {
            if (slot[a] < 0)
                continue;
            const size_t b = size_t(slot[a]);
            int remaining = inkPixels[b] / 10;
            for (int d = 255; d > faintestInk && inkPixels[b] > 0; --d) {
                remaining -= histograms[b][size_t(d)];
                if (remaining < 0) {
                    m_areas[a].contrast = std::max(weakestContrast, d);
                    break;
                }
            }
        }
    }

    // A pixel's ink is its difference from the nearest background. Where backgrounds meet, a
    // blend of two of them within two pixels is no ink either: the smoothed edge of a button
    // or a bubble on the page.
    void paint(QImage &gray) const
    {
        constexpr size_t mostNearby = 4;
        for (int y = 0; y < m_height; ++y) {
            uchar *out = gray.scanLine(y);
            for (int x = 0; x < m_width; ++x) {
                const int owner = m_owner[index(x, y)];
                if (owner < 0 || m_label[index(x, y)] == owner)
                    continue;
                std::array<int, mostNearby> nearby{};
                size_t count = 0;
                for (int dy = -2; dy <= 2; ++dy) {
                    for (int dx = -2; dx <= 2; ++dx) {
                        const int nx = x + dx;
                        const int ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= m_width || ny >= m_height)
                            continue;
                        const int other = m_owner[index(nx, ny)];
                        if (other >= 0 && count < mostNearby && std::find(nearby.begin(), nearby.begin() + long(count), other) == nearby.begin() + long(count))
                            nearby[count++] = other;
                    }
                }
                const QRgb pixel = at(x, y);
                int ink = 255;
                for (size_t i = 0; i < count; ++i) {
                    const Area &a = m_areas[size_t(nearby[i])];
                    ink = std::min(ink, difference(pixel, a.colour) * 255 / a.contrast);
                    for (size_t j = i + 1; j < count; ++j) {
                        const Area &b = m_areas[size_t(nearby[j])];
                        ink = std::min(ink, blendDifference(pixel, a.colour, b.colour) * 255 / std::min(a.contrast, b.contrast));
                    }
                }
                out[x] = uchar(255 - std::clamp(ink, 0, 255));
            }
        }
    }

    // How far a colour is from the nearest blend of two others.
    static int blendDifference(QRgb pixel, QRgb a, QRgb b)
    {
        const std::array<int, 3> from{qRed(a), qGreen(a), qBlue(a)};
        const std::array<int, 3> to{qRed(b), qGreen(b), qBlue(b)};
        const std::array<int, 3> p{qRed(pixel), qGreen(pixel), qBlue(pixel)};
        double along = 0;
        double length = 0;
        for (size_t c = 0; c < 3; ++c) {
            along += double((p[c] - from[c]) * (to[c] - from[c]));
            length += double((to[c] - from[c]) * (to[c] - from[c]));
        }
        const double t = length > 0 ? std::clamp(along / length, 0.0, 1.0) : 0.0;
        int farthest = 0;
        for (size_t c = 0; c < 3; ++c)
            farthest = std::max(farthest, int(std::abs(double(p[c]) - (double(from[c]) + t * double(to[c] - from[c])))));
        return farthest;
    }

    const QImage m_rgb;
    const int m_width;
    const int m_height;
    std::vector<int> m_label;
    std::vector<int> m_owner;
    std::vector<Area> m_areas;
};

} // namespace

ScreenAreas::Segmented ScreenAreas::segment(const QImage &rgb)
{
    return Segmentation(rgb.convertToFormat(QImage::Format_RGB32)).segment();
}
