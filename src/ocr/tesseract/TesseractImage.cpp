#include "ocr/tesseract/TesseractImage.h"

#include "ocr/tesseract/PageLayout.h"
#include "ocr/tesseract/ScreenAreas.h"

#include <QPainter>

#include <leptonica/allheaders.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <optional>

namespace {
// Tesseract binarises small text badly: glyphs lower than this are scaled up to the target,
// much larger ones down to it, and the usual sizes of screen text are read as they are.
constexpr int smallGlyphHeight = 13;
constexpr int largeGlyphHeight = 60;
constexpr double targetGlyphHeight = 16;
constexpr double maximumScale = 4;
// Very large captures are not scaled up further than this: time matters more.
constexpr qint64 maximumScaledPixels = 12'000'000;
// Levels from the background below which a pixel is not ink at all.
constexpr int faintestInk = 20;
// Pixels this far towards the ink (of 255 after stretching) belong to a piece of ink.
constexpr int pieceLevel = 200;

using Histogram = std::array<qint64, 256>;

// Where ink lies in one colour channel: its background level, and how far from it, on which side.
struct Contrast {
    int background = 255;
    int ink = 0; // distance of typical ink from the background
    bool lighter = false;
};

Contrast contrastOf(const Histogram &histogram)
{
    Contrast contrast;
    contrast.background = int(std::max_element(histogram.begin(), histogram.end()) - histogram.begin());
    const int b = contrast.background;
    qint64 darker = 0;
    qint64 lighter = 0;
    // Ink is on the side with more of it, weighed by how far it stands out: a dark window
    // edge just darker than a terminal's background does not outweigh the terminal's text.
    qint64 darkerMass = 0;
    qint64 lighterMass = 0;
    for (int level = 0; level < 256; ++level) {
        const qint64 count = histogram[size_t(level)];
        if (level < b - faintestInk) {
            darker += count;
            darkerMass += count * (b - level);
        }
        if (level > b + faintestInk) {
            lighter += count;
            lighterMass += count * (level - b);
        }
    }
    contrast.lighter = lighterMass > darkerMass;
    // Most ink pixels lie at least this far out; the few beyond are outliers such as icons.
    qint64 remaining = (contrast.lighter ? lighter : darker) / 10;
    for (int distance = 255; distance > faintestInk; --distance) {
        const int level = contrast.lighter ? b + distance : b - distance;
        if (level < 0 || level > 255)
            continue;
        remaining -= histogram[size_t(level)];
        if (remaining < 0) {
            contrast.ink = distance;
            break;
        }
    }
    return contrast;
}

QImage opaqueRgb(const QImage &source)
{
    if (!source.hasAlphaChannel())
        return source.convertToFormat(QImage::Format_RGB32);
    // Transparent pixels count as white, as they would show on a light page.
    QImage flattened(source.size(), QImage::Format_RGB32);
    flattened.fill(Qt::white);
    QPainter painter(&flattened);
    painter.drawImage(0, 0, source);
    return flattened;
}

// Dark ink on white at full contrast, from whichever of brightness and the three colour
// channels tells ink from background best: pale text on a colour of nearly its brightness
// differs much more in one channel. Ink lighter than its background is turned dark.
QImage stretchedGray(const QImage &rgb)
{
    std::array<Histogram, 4> histograms{}; // gray, red, green, blue
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            ++histograms[0][size_t(qGray(row[x]))];
            ++histograms[1][size_t(qRed(row[x]))];
            ++histograms[2][size_t(qGreen(row[x]))];
            ++histograms[3][size_t(qBlue(row[x]))];
        }
    }
    int channel = 0;
    Contrast best = contrastOf(histograms[0]);
    for (int c = 1; c < 4; ++c) {
        const Contrast contrast = contrastOf(histograms[size_t(c)]);
        // Brightness is what the eye reads; a colour channel must be clearly better.
        if (contrast.ink * 4 > best.ink * 5 && contrast.ink > best.ink + faintestInk) {
            best = contrast;
            channel = c;
        }
    }
    QImage gray(rgb.size(), QImage::Format_Grayscale8);
    if (best.ink <= faintestInk) {
        gray.fill(255);
        return gray;
    }
    std::array<uchar, 256> levels{};
    for (int level = 0; level < 256; ++level) {
        const int distance = best.lighter ? level - best.background : best.background - level;
        levels[size_t(level)] = uchar(255 - std::clamp(distance * 255 / best.ink, 0, 255));
    }
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = gray.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = row[x];
            const int value = channel == 0 ? qGray(p) : channel == 1 ? qRed(p) : channel == 2 ? qGreen(p) : qBlue(p);
            out[x] = levels[size_t(value)];
        }
    }
    return gray;
}

// Most of a page of paper, scanned or photographed, is near the paper's own level, with the
// ink apart from it; a photo or noise spreads over every level.
bool isPaperLike(const QImage &source)
{
    constexpr int paperSpread = 24;
    constexpr double paperShare = 0.6;
    const QImage gray = source.convertToFormat(QImage::Format_Grayscale8);
    Histogram histogram{};
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *row = gray.constScanLine(y);
        for (int x = 0; x < gray.width(); ++x)
            ++histogram[row[x]];
    }
    const int mode = int(std::max_element(histogram.begin(), histogram.end()) - histogram.begin());
    qint64 near = 0;
    for (int level = std::max(0, mode - paperSpread); level <= std::min(255, mode + paperSpread); ++level)
        near += histogram[size_t(level)];
    return double(near) >= paperShare * double(gray.width()) * double(gray.height());
}

// Each flat area's text measured against that area where backgrounds of several colours make
// up the screen; on one background, its text is measured against it as a whole, with the
// channel that shows it best. A capture without flat areas is a page of paper read as a whole,
// or a picture, in which nothing is read.
ScreenAreas::Segmented inkOnWhite(const QImage &source)
{
    const QImage rgb = opaqueRgb(source);
    ScreenAreas::Segmented segmented = ScreenAreas::segment(rgb);
    if (segmented.severalBackgrounds)
        return segmented;
    if (segmented.flatBackgrounds || isPaperLike(rgb)) {
        segmented.ink = stretchedGray(rgb);
        return segmented;
    }
    segmented.ink = QImage(source.size(), QImage::Format_Grayscale8);
    segmented.ink.fill(255);
    return segmented;
}

struct PixDeleter {
    void operator()(PIX *pix) const { pixDestroy(&pix); }
};
struct BoxaDeleter {
    void operator()(BOXA *boxa) const { boxaDestroy(&boxa); }
};
struct PixaDeleter {
    void operator()(PIXA *pixa) const { pixaDestroy(&pixa); }
};
struct LeptonicaDeleter {
    void operator()(void *memory) const { lept_free(memory); }
};

struct Piece {
    QRect box;
    double fill = 0; // share of its box that is ink
};

// Whether the mask is a rectangle's outline, its edges of one thickness all ink and the
// inside empty, as a hollow text cursor or an empty check box is drawn.
bool isRectangleOutline(PIX *mask)
{
    const int w = pixGetWidth(mask);
    const int h = pixGetHeight(mask);
    l_int32 count = 0;
    pixCountPixels(mask, &count, nullptr);
    const l_uint32 *data = pixGetData(mask);
    const int wordsPerLine = pixGetWpl(mask);
    const l_uint32 *middle = data + (h / 2) * wordsPerLine;
    int thickness = 0;
    while (thickness < w / 2 && GET_DATA_BIT(middle, thickness))
        ++thickness;
    if (thickness == 0 || thickness > 3 || w <= 2 * thickness + 2 || h <= 2 * thickness + 2)
        return false;
    const qint64 inside = qint64(w - 2 * thickness) * (h - 2 * thickness);
    if (count != qint64(w) * h - inside)
        return false;
    for (int y = 0; y < h; ++y) {
        const l_uint32 *line = data + y * wordsPerLine;
        const bool edgeRow = y < thickness || y >= h - thickness;
        for (int x = 0; x < w; ++x) {
            const bool edge = edgeRow || x < thickness || x >= w - thickness;
            if (bool(GET_DATA_BIT(line, x)) != edge)
                return false;
        }
    }
    return true;
}

// Connected pieces of ink, with Leptonica; masks holds each piece's own pixels.
std::vector<Piece> piecesOf(const QImage &gray, std::unique_ptr<PIXA, PixaDeleter> &masks, int level = pieceLevel,
                            int connectivity = 8)
{
    std::unique_ptr<PIX, PixDeleter> binary(pixCreate(gray.width(), gray.height(), 1));
    l_uint32 *data = pixGetData(binary.get());
    const int wordsPerLine = pixGetWpl(binary.get());
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *row = gray.constScanLine(y);
        l_uint32 *line = data + y * wordsPerLine;
        for (int x = 0; x < gray.width(); ++x) {
            if (row[x] < level)
                SET_DATA_BIT(line, x);
        }
    }
    PIXA *pixa = nullptr;
    std::unique_ptr<BOXA, BoxaDeleter> boxes(pixConnComp(binary.get(), &pixa, connectivity));
    masks.reset(pixa);
    std::vector<Piece> pieces;
    // One bit-count table for all pieces: a dithered or noisy capture has hundreds of thousands.
    const std::unique_ptr<l_int32, LeptonicaDeleter> bitCounts(makePixelSumTab8());
    for (int i = 0; boxes && i < boxaGetCount(boxes.get()); ++i) {
        l_int32 x = 0, y = 0, w = 0, h = 0;
        boxaGetBoxGeometry(boxes.get(), i, &x, &y, &w, &h);
        std::unique_ptr<PIX, PixDeleter> mask(pixaGetPix(pixa, i, L_CLONE));
        l_int32 count = 0;
        pixCountPixels(mask.get(), &count, bitCounts.get());
        pieces.push_back({QRect(x, y, w, h), double(count) / (double(w) * h)});
    }
    return pieces;
}

int medianHeight(const std::vector<Piece> &pieces, const QSize &size)
{
    std::vector<int> heights;
    for (const Piece &piece : pieces) {
        const QRect &box = piece.box;
        if (box.height() >= 4 && box.height() < size.height() * 4 / 5 && box.width() < size.width() * 4 / 5)
            heights.push_back(box.height());
    }
    if (heights.empty())
        return 0;
    std::nth_element(heights.begin(), heights.begin() + long(heights.size() / 2), heights.end());
    return heights[heights.size() / 2];
}

enum class Shape { glyph, decoration, panel };

// Window edges, frames, scroll bars, separators are decorations: long thin bars, hollow
// outlines, and pieces far larger than text, or larger and cut by the edge of the selection.
// A large solid piece is a panel (a button, a title bar) whose text shows in its holes.
Shape shapeOf(const Piece &piece, int glyph, const QSize &size)
{
    const QRect &box = piece.box;
    const int w = box.width();
    const int h = box.height();
    const bool bar = (h >= 5 * w && h * 2 > 5 * glyph) || (w >= 5 * h && w * 2 > 5 * glyph);
    const bool outline = (w > 4 * glyph || h > 4 * glyph) && std::min(w, h) * 2 > 3 * glyph && piece.fill < 0.2;
    const bool atEdge = box.left() == 0 || box.top() == 0 || box.right() == size.width() - 1
        || box.bottom() == size.height() - 1;
    const bool large = (w > 5 * glyph && h > 5 * glyph) || (atEdge && w > 3 * glyph && h > 3 * glyph);
    if (large && piece.fill >= 0.6)
        return Shape::panel;
    return bar || outline || large ? Shape::decoration : Shape::glyph;
}

// Dark text on the light panel that was light text on a dark one.
void invertPanel(QImage &gray, const QRect &box)
{
    for (int y = box.top(); y <= box.bottom(); ++y) {
        uchar *row = gray.scanLine(y);
        for (int x = box.left(); x <= box.right(); ++x)
            row[x] = uchar(255 - row[x]);
    }
}

void erase(QImage &gray, const Piece &piece, PIXA *masks, int index)
{
    std::unique_ptr<PIX, PixDeleter> mask(pixaGetPix(masks, index, L_CLONE));
    const l_uint32 *data = pixGetData(mask.get());
    const int wordsPerLine = pixGetWpl(mask.get());
    for (int y = 0; y < piece.box.height(); ++y) {
        const l_uint32 *line = data + y * wordsPerLine;
        uchar *row = gray.scanLine(piece.box.y() + y);
        for (int x = 0; x < piece.box.width(); ++x) {
            if (GET_DATA_BIT(line, x))
                row[piece.box.x() + x] = 255;
        }
    }
}

// The share of a piece's box that is background it encloses: none for a dot or a bar, some
// for every other glyph, however dense (a small Han character of many strokes has a solid
// middle but holes between them).
double holeShare(PIX *mask)
{
    std::unique_ptr<PIX, PixDeleter> holes(pixHolesByFilling(mask, 4));
    l_int32 count = 0;
    if (holes)
        pixCountPixels(holes.get(), &count, nullptr);
    return double(count) / double(pixGetWidth(mask) * pixGetHeight(mask));
}

bool hasHoles(PIX *mask)
{
    return holeShare(mask) > 0;
}

// Whether ink closes around the middle on all four sides, as a box's or a circle's outline
// does, and an open glyph such as a kana does not.
bool isRing(PIX *mask)
{
    const int w = pixGetWidth(mask);
    const int h = pixGetHeight(mask);
    const l_uint32 *data = pixGetData(mask);
    const int wordsPerLine = pixGetWpl(mask);
    const auto ink = [&](int x, int y) { return GET_DATA_BIT(data + y * wordsPerLine, x) != 0; };
    const auto anyInk = [&](int x0, int y0, int dx, int dy, int steps) {
        for (int i = 0; i < steps; ++i) {
            if (ink(x0 + i * dx, y0 + i * dy))
                return true;
        }
        return false;
    };
    const int reachX = std::max(1, w / 4);
    const int reachY = std::max(1, h / 4);
    return anyInk(0, h / 2, 1, 0, reachX) && anyInk(w - 1, h / 2, -1, 0, reachX) && anyInk(w / 2, 0, 0, 1, reachY)
        && anyInk(w / 2, h - 1, 0, -1, reachY);
}

// Share of ink in the middle of a piece's box, inset by the given fraction on each side.
double middleInk(PIX *mask, double inset)
{
    const int w = pixGetWidth(mask);
    const int h = pixGetHeight(mask);
    const int left = int(w * inset);
    const int top = int(h * inset);
    const int right = w - 1 - left;
    const int bottom = h - 1 - top;
    if (right < left || bottom < top)
        return 0;
    const l_uint32 *data = pixGetData(mask);
    const int wordsPerLine = pixGetWpl(mask);
    int ink = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x)
            ink += GET_DATA_BIT(data + y * wordsPerLine, x) ? 1 : 0;
    }
    return double(ink) / double((right - left + 1) * (bottom - top + 1));
}

// Controls drawn beside a label add no characters: a solid square or disc of about a glyph's
// size (a ticked box, an avatar, an icon, a switch's knob), and a square or ring, hollow or
// around a dot, that starts a line with a gap after it (a check box, a radio button). A glyph with a
// solid middle is a bullet at most; a lone ring at a line's start is rarely a letter.
void eraseControls(QImage &gray, const std::vector<Piece> &pieces, PIXA *masks, int glyph, std::vector<QRect> &glyphs)
{
    const auto onRow = [&](const QRect &box, const QRect &other) {
        return other != box && other.bottom() >= box.center().y() && other.top() <= box.center().y();
    };
    for (size_t i = 0; i < pieces.size(); ++i) {
        const Piece &piece = pieces[i];
        const QRect &box = piece.box;
        const int shorter = std::min(box.width(), box.height());
        const int longer = std::max(box.width(), box.height());
        if (shorter * 10 < glyph * 6 || longer > 5 * glyph || longer * 10 > shorter * 13)
            continue;
        std::unique_ptr<PIX, PixDeleter> mask(pixaGetPix(masks, int(i), L_CLONE));
        const bool solid = piece.fill >= 0.75 && middleInk(mask.get(), 0.2) >= 0.97 && !hasHoles(mask.get());
        // An empty box or radio button is a thin ring; a chosen radio button a thick one around
        // its dot.
        const bool thinRing = piece.fill < 0.5 && middleInk(mask.get(), 0.3) == 0;
        // (Larger than a glyph's part: the boxes of 品 are thick rings too.)
        const bool thickRing = piece.fill >= 0.6 && shorter * 10 >= glyph * 12 && holeShare(mask.get()) > 0
            && holeShare(mask.get()) < 0.15;
        bool startsLine = false;
        if (!solid && longer * 2 <= 7 * glyph && (thinRing || thickRing) && isRing(mask.get())) {
            const bool before = std::any_of(glyphs.begin(), glyphs.end(), [&](const QRect &other) {
                return onRow(box, other) && other.right() < box.left() && box.left() - other.right() <= glyph * 3 / 2;
            });
            const bool closeAfter = std::any_of(glyphs.begin(), glyphs.end(), [&](const QRect &other) {
                return onRow(box, other) && other.left() > box.right() && (other.left() - box.right()) * 2 < glyph;
            });
            startsLine = !before && !closeAfter;
        }
        if (solid || startsLine) {
            erase(gray, piece, masks, int(i));
            std::erase(glyphs, box);
        }
    }
}

// Secondary text (a menu's shortcuts, hints, timestamps) is drawn paler than the rest: each
// glyph of text's height is brought to full ink, up to three times its own, so that the models
// see it as they see the text beside it.
void strengthenFaintGlyphs(QImage &gray, const std::vector<QRect> &glyphs, int glyphHeight)
{
    constexpr int strongestGain = 3;
    std::vector<float> gain(size_t(gray.width()) * size_t(gray.height()), 1.0f);
    for (const QRect &glyph : glyphs) {
        // A faint stroke taller than text is a frame's side or a divider, to be left faint.
        if (glyph.height() * 2 > glyphHeight * 3)
            continue;
        const QRect area = glyph.adjusted(-1, -1, 1, 1) & gray.rect();
        int darkest = 255;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const uchar *row = gray.constScanLine(y);
            darkest = std::min(darkest, int(*std::min_element(row + area.left(), row + area.right() + 1)));
        }
        const float factor = std::min(float(strongestGain), 255.0f / float(std::max(1, 255 - darkest)));
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                float &g = gain[size_t(y) * size_t(gray.width()) + size_t(x)];
                g = std::max(g, factor);
            }
        }
    }
    for (int y = 0; y < gray.height(); ++y) {
        uchar *row = gray.scanLine(y);
        for (int x = 0; x < gray.width(); ++x) {
            const float g = gain[size_t(y) * size_t(gray.width()) + size_t(x)];
            if (g > 1.0f)
                row[x] = uchar(255 - std::min(255, int(float(255 - row[x]) * g)));
        }
    }
}

// A terminal's cursor, hollow or solid, spans the whole line, taller than the text's glyphs,
// and an empty check box is no text either; no glyph is a bare rectangle of that size. The
// cursor often nearly touches the last letter, so its pieces are taken at full ink only.
// Returns whether any was erased.
bool eraseCursors(QImage &gray, int glyph)
{
    constexpr int fullInk = 100;
    std::unique_ptr<PIXA, PixaDeleter> masks;
    const std::vector<Piece> pieces = piecesOf(gray, masks, fullInk, 4);
    bool erased = false;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const QRect &box = pieces[i].box;
        const bool cursorSized = box.height() * 20 > glyph * 23 && box.height() <= 3 * glyph
            && box.width() * 5 >= glyph * 2 && box.width() <= 2 * glyph;
        if (!cursorSized)
            continue;
        std::unique_ptr<PIX, PixDeleter> mask(pixaGetPix(masks.get(), int(i), L_CLONE));
        if (pieces[i].fill >= 0.98 || isRectangleOutline(mask.get())) {
            erase(gray, pieces[i], masks.get(), int(i));
            erased = true;
        }
    }
    return erased;
}

// Underlines: a link's underline touches its letters' descenders, or in CJK their bottoms,
// and makes of them one long flat piece, a rule to be erased whole with the glyphs' parts.
// Of such a piece, with its rule in its lower half but none along its top (a frame's), only
// the rows of ink far longer than a glyph go, where they are a stroke thin. Returns whether any was erased.
bool eraseUnderlines(QImage &gray, int glyph, const std::vector<Piece> &pieces)
{
    const int longest = 3 * glyph;
    const int thickest = std::max(2, glyph / 6);
    const auto ink = [&](int x, int y) { return gray.constScanLine(y)[x] < pieceLevel; };
    const auto thin = [&](int x, int y) {
        int extent = 1;
        for (int up = y - 1; up >= 0 && extent <= thickest && ink(x, up); --up)
            ++extent;
        for (int down = y + 1; down < gray.height() && extent <= thickest && ink(x, down); ++down)
            ++extent;
        return extent <= thickest;
    };
    std::vector<QPoint> erased;
    for (const Piece &piece : pieces) {
        const QRect &box = piece.box;
        // Taller than text with a rule under it, it is a frame or a button around text.
        if (box.width() < longest || box.height() <= thickest || box.height() > 2 * glyph)
            continue;
        std::vector<QPoint> rule;
        bool top = false;
        bool bottom = false;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right();) {
                int end = x;
                std::vector<QPoint> thinPart;
                for (; end <= box.right() && ink(end, y); ++end) {
                    if (thin(end, y))
                        thinPart.emplace_back(end, y);
                }
                // Glyphs standing on the rule thicken it where they touch.
                if (end - x >= longest && thinPart.size() * 2 >= size_t(end - x)) {
                    top = top || y < box.top() + thickest;
                    bottom = bottom || y > box.center().y();
                    rule.insert(rule.end(), thinPart.begin(), thinPart.end());
                }
                x = end + 1;
            }
        }
        if (bottom && !top)
            erased.insert(erased.end(), rule.begin(), rule.end());
    }
    for (const QPoint &point : erased)
        gray.scanLine(point.y())[point.x()] = 255;
    return !erased.empty();
}

double scaleFor(int glyph, const QSize &size)
{
    double scale = 1;
    if (glyph < smallGlyphHeight)
        scale = std::min(maximumScale, targetGlyphHeight / glyph);
    else if (glyph > largeGlyphHeight)
        scale = targetGlyphHeight * 2 / glyph;
    const double pixels = double(size.width()) * size.height();
    if (scale > 1 && pixels * scale * scale > maximumScaledPixels)
        scale = std::max(1.0, std::sqrt(maximumScaledPixels / pixels));
    return scale;
}

bool overlapsVertically(const QRect &a, const QRect &b)
{
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return overlap * 2 >= std::min(a.height(), b.height());
}

int horizontalGap(const QRect &a, const QRect &b)
{
    return std::max(a.left(), b.left()) - std::min(a.right(), b.right()) - 1;
}

bool holds(const QRect &line, const QRect &glyph)
{
    const QRect common = line & glyph;
    return qint64(common.width()) * common.height() * 2 >= qint64(glyph.width()) * glyph.height();
}

} // namespace

TesseractImage TesseractImage::prepare(const QImage &source)
{
    TesseractImage prepared;
    ScreenAreas::Segmented segmented = inkOnWhite(source);
    QImage gray = std::move(segmented.ink);
    std::unique_ptr<PIXA, PixaDeleter> masks;
    std::vector<Piece> pieces = piecesOf(gray, masks);
    int glyph = medianHeight(pieces, gray.size());
        // Both erasers run: one may find something where the other does not.
    const bool erasedUnderlines = glyph > 0 && eraseUnderlines(gray, glyph, pieces);
    const bool erasedCursors = glyph > 0 && eraseCursors(gray, glyph);
    if (erasedUnderlines || erasedCursors) {
        pieces = piecesOf(gray, masks);
        glyph = medianHeight(pieces, gray.size());
    }

    std::vector<QRect> glyphs;
    std::vector<QRect> marks;
    std::vector<QRect> panels;
    std::vector<QRect> rules;
    for (size_t i = 0; glyph > 0 && i < pieces.size(); ++i) {
        const Piece &piece = pieces[i];
        const Shape shape = shapeOf(piece, glyph, gray.size());
        if (shape == Shape::decoration) {
            erase(gray, piece, masks.get(), int(i));
        } else if (shape == Shape::panel) {
            panels.push_back(piece.box);
        } else if (piece.box.height() * 10 >= glyph * 3 && piece.box.height() <= 3 * glyph && piece.box.width() <= 8 * glyph) {
            glyphs.push_back(piece.box);
        } else if (piece.box.height() * 10 < glyph * 3 && piece.box.width() <= glyph) {
            marks.push_back(piece.box);
        }
    }
    eraseControls(gray, pieces, masks.get(), glyph, glyphs);
    // Upright strokes inside a glyph's box are its own; longer ones are a grid's, a divider's or
    // a frame's, and where a highlight cuts a frame, its pieces beside a line are no glyphs.
    std::copy_if(segmented.uprightLines.begin(), segmented.uprightLines.end(), std::back_inserter(rules), [&](const QRect &line) {
        return line.height() * 2 >= glyph * 3
            && std::none_of(glyphs.begin(), glyphs.end(), [&](const QRect &g) { return g.adjusted(-2, -2, 2, 2).contains(line); });
    });
    for (const QRect &rule : rules) {
        if (rule.height() < 3 * glyph)
            continue; // as likely the side of a cursor or a box drawn beside the text
        for (int y = rule.top(); y <= rule.bottom(); ++y)
            std::fill_n(gray.scanLine(y) + rule.left(), rule.width(), uchar(255));
        std::erase_if(glyphs, [&](const QRect &g) { return g.width() * 2 <= rule.width() + 4 && g.intersects(rule); });
    }
    strengthenFaintGlyphs(gray, glyphs, glyph);

    for (const QRect &panel : panels)
        invertPanel(gray, panel);
    const double scale = glyph > 0 ? scaleFor(glyph, gray.size()) : 1.0;
    if (scale != 1.0) {
        gray = gray.scaled(qRound(gray.width() * scale), qRound(gray.height() * scale), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
        prepared.scale = double(gray.height()) / source.height();
    }
    prepared.padding = 16;
    prepared.image = QImage(gray.width() + 2 * prepared.padding, gray.height() + 2 * prepared.padding,
                            QImage::Format_Grayscale8);
    prepared.image.fill(255);
    for (int y = 0; y < gray.height(); ++y)
        std::copy_n(gray.constScanLine(y), gray.width(), prepared.image.scanLine(y + prepared.padding) + prepared.padding);
    const auto toPrepared = [&](const QRect &box) {
        return QRectF(box.x() * prepared.scale + prepared.padding, box.y() * prepared.scale + prepared.padding,
                      box.width() * prepared.scale, box.height() * prepared.scale)
            .toAlignedRect();
    };
    std::transform(glyphs.begin(), glyphs.end(), std::back_inserter(prepared.glyphs), toPrepared);
    std::transform(marks.begin(), marks.end(), std::back_inserter(prepared.marks), toPrepared);
    std::transform(rules.begin(), rules.end(), std::back_inserter(prepared.rules), toPrepared);
    prepared.glyphHeight = qRound(glyph * prepared.scale);
    return prepared;
}

namespace {

// Whether another line above or below spans the gap between lines i and j: then the gap is
// wide spacing within a line (a terminal's), not the white river between two columns.
bool bridged(const std::vector<QRect> &lines, size_t i, size_t j)
{
    const int left = std::min(lines[i].right(), lines[j].right()) + 1;
    const int right = std::max(lines[i].left(), lines[j].left()) - 1;
    const QRect row = lines[i] | lines[j];
    return std::any_of(lines.begin(), lines.end(), [&](const QRect &other) {
        const bool otherRow = other.bottom() < row.top() || other.top() > row.bottom();
        return otherRow && other.left() <= left && other.right() >= right;
    });
}

// Pieces of one line that the layout analysis took for separate lines or blocks are joined:
// boxes on the same row close beside each other, and boxes lying mostly inside another.
void joinPiecesOfLines(std::vector<QRect> &lines, int reach, const std::vector<QRect> &rules)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t j = i + 1; j < lines.size();) {
            const QRect joined = lines[i] | lines[j];
            const bool sameRow = joined.height() * 10 <= std::max(lines[i].height(), lines[j].height()) * 13;
            // Terminals space wide characters far apart: a line's own height is a reach too.
            const int lineReach = std::max(reach, std::min(lines[i].height(), lines[j].height()) * 3 / 2);
            const int gap = horizontalGap(lines[i], lines[j]);
            const bool beside = sameRow && (gap <= lineReach || (gap <= 4 * joined.height() && bridged(lines, i, j)))
                && !PageLayout::ruleBetween(lines[i], lines[j], rules);
            if (beside || holds(lines[i], lines[j]) || holds(lines[j], lines[i])) {
                lines[i] |= lines[j];
                lines.erase(lines.begin() + long(j));
                j = i + 1;
            } else {
                ++j;
            }
        }
    }
}

// Rows of glyphs: bands of overlapping heights (the parts of a Hangul syllable or of a Han
// character lie above one another), cut where the gap is wider than the reach or the row's
// own height. Each row comes with the number of glyphs in it.
std::vector<std::pair<QRect, int>> rowsOf(std::vector<QRect> glyphs, int reach, int glyphHeight)
{
    std::sort(glyphs.begin(), glyphs.end(), [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
    std::vector<std::vector<QRect>> bands;
    int bottom = 0;
    for (const QRect &glyph : glyphs) {
        if (bands.empty() || glyph.top() > bottom + glyphHeight / 4) {
            bands.emplace_back();
            bottom = glyph.bottom();
        }
        bands.back().push_back(glyph);
        bottom = std::max(bottom, glyph.bottom());
    }
    std::vector<std::pair<QRect, int>> rows;
    for (std::vector<QRect> &band : bands) {
        std::sort(band.begin(), band.end(), [](const QRect &a, const QRect &b) { return a.x() < b.x(); });
        QRect height;
        for (const QRect &glyph : band)
            height |= glyph;
        const int gapAllowed = std::max(reach, height.height() * 5 / 2);
        for (const QRect &glyph : band) {
            if (!rows.empty() && rows.back().first.top() == height.top() && glyph.left() - rows.back().first.right() <= gapAllowed)
                rows.back().first |= glyph, ++rows.back().second;
            else
                rows.emplace_back(QRect(glyph.left(), height.top(), glyph.width(), height.height()), 1);
        }
    }
    return rows;
}

void insertByTop(std::vector<QRect> &lines, const QRect &line)
{
    const int top = line.top();
    lines.insert(std::find_if(lines.begin(), lines.end(), [top](const QRect &other) { return other.top() > top; }), line);
}

// Where text starts in each line: its left end, and each glyph after a gap wider than a glyph
// is high (the code after an editor's gutter, a table's next cell).
std::vector<QRect> textStarts(const std::vector<QRect> &lines, const std::vector<QRect> &glyphs, int glyphHeight)
{
    std::vector<QRect> starts = lines;
    for (const QRect &line : lines) {
        std::vector<QRect> inLine;
        std::copy_if(glyphs.begin(), glyphs.end(), std::back_inserter(inLine), [&](const QRect &g) { return holds(line, g); });
        std::sort(inLine.begin(), inLine.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
        for (size_t i = 1; i < inLine.size(); ++i) {
            if (inLine[i].left() - inLine[i - 1].right() > glyphHeight)
                starts.push_back(QRect(inLine[i].left(), line.top(), 1, line.height()));
        }
    }
    return starts;
}

// Whether the piece starts where text starts in a line above or below it: in that text's column.
bool startsInColumnOf(const QRect &piece, const std::vector<QRect> &starts, int glyphHeight)
{
    const int tolerance = std::max(2, glyphHeight / 4);
    return std::any_of(starts.begin(), starts.end(), [&](const QRect &start) {
        const bool apart = start.top() > piece.bottom() || start.bottom() < piece.top();
        return apart && std::abs(start.left() - piece.left()) <= tolerance;
    });
}

} // namespace

std::vector<QRect> TesseractImage::completedLines(std::vector<QRect> lines) const
{
    const int reach = 2 * glyphHeight;
    // Tall slivers across several lines are strokes the layout analysis could not place.
    std::erase_if(lines, [&](const QRect &line) { return line.width() * 2 < glyphHeight && line.height() > 2 * glyphHeight; });
    lines = PageLayout::splitStackedLines(PageLayout::splitAtRules(lines, rules), glyphs, glyphHeight);
    joinPiecesOfLines(lines, reach, rules);
    std::vector<QRect> loose;
    for (const QRect &glyph : glyphs) {
        if (std::none_of(lines.begin(), lines.end(), [&](const QRect &line) { return holds(line, glyph); }))
            loose.push_back(glyph);
    }
    std::sort(loose.begin(), loose.end(), [](const QRect &a, const QRect &b) { return a.x() < b.x(); });
    // Glyphs beside a line, such as line starts the layout analysis took for noise, join it;
    // twice, so that a line grows from both ends.
    for (int round = 0; round < 2; ++round) {
        std::erase_if(loose, [&](const QRect &glyph) {
            for (QRect &line : lines) {
                if (overlapsVertically(line, glyph) && horizontalGap(line, glyph) <= reach
                    && !PageLayout::ruleBetween(line, glyph, rules)) {
                    line |= glyph;
                    return true;
                }
            }
            return false;
        });
        std::reverse(loose.begin(), loose.end());
    }
    std::vector<std::pair<QRect, int>> rows = rowsOf(loose, reach, glyphHeight);
    // Found only when a lone narrow glyph asks: most captures have none.
    const std::vector<QRect> found = lines;
    std::optional<std::vector<QRect>> starts;
    const auto inTextColumn = [&](const QRect &row) {
        if (!starts)
            starts = textStarts(found, glyphs, glyphHeight);
        return startsInColumnOf(row, *starts, glyphHeight);
    };
    // Lone glyphs narrower than a cell, which the cut at rules would drop, kept for their place.
    std::vector<QRect> aligned;
    for (const auto &[row, count] : rows) {
        // A lone mark is more likely an icon than text, unless it has a digit's or a letter's
        // build (an unread count on its own, far from its label), is as wide as two glyphs that
        // touch (a short CJK label in small type), or is a narrow glyph where another line's
        // text starts (a closing brace alone at its block's indentation).
        const bool textHigh = row.height() * 10 >= glyphHeight * 8 && row.height() * 10 <= glyphHeight * 16;
        const bool glyphBuilt = textHigh && row.width() * 10 >= row.height() * 3 && row.width() * 10 <= row.height() * 8;
        const bool touchingGlyphs = textHigh && row.width() * 5 >= row.height() * 8;
        if (count < 2 && textHigh && row.width() * 2 < row.height() && inTextColumn(row))
            aligned.push_back(row);
        else if (count >= 2 || row.width() >= 2 * row.height() || glyphBuilt || touchingGlyphs)
            insertByTop(lines, row);
    }
    lines = PageLayout::splitAtRules(lines, rules);
    joinPiecesOfLines(lines, reach, rules);
    for (const QRect &row : aligned)
        insertByTop(lines, row);
    // A full stop after a widely spaced last character (a terminal's wide glyphs) lies outside
    // the line the layout found; so does a comma.
    for (const QRect &mark : marks) {
        for (QRect &line : lines) {
            const bool inRow = mark.center().y() >= line.top() && mark.top() <= line.bottom() + glyphHeight / 4;
            if (inRow && !holds(line, mark) && horizontalGap(line, mark) <= reach) {
                line |= mark;
                break;
            }
        }
    }
    return lines;
}

QImage TesseractImage::narrowedLine(const QRect &line, const QRect &area) const
{
    // Pieces above one another are parts of one character.
    std::vector<QRect> pieces;
    for (const std::vector<QRect> *boxes : {&glyphs, &marks}) {
        std::copy_if(boxes->begin(), boxes->end(), std::back_inserter(pieces),
                     [&](const QRect &box) { return line.contains(box.center()); });
    }
    std::sort(pieces.begin(), pieces.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
    std::vector<QRect> characters;
    for (const QRect &piece : pieces) {
        if (!characters.empty() && piece.left() <= characters.back().right())
            characters.back() |= piece;
        else
            characters.push_back(piece);
    }
    constexpr size_t fewestCharacters = 4;
    if (characters.size() < fewestCharacters || line.height() <= 0)
        return {};
    std::vector<int> gaps;
    for (size_t i = 1; i < characters.size(); ++i)
        gaps.push_back(characters[i].left() - characters[i - 1].right() - 1);
    std::vector<int> sorted = gaps;
    std::nth_element(sorted.begin(), sorted.begin() + long(sorted.size() / 2), sorted.end());
    const int typicalGap = sorted[sorted.size() / 2];
    // Proportional CJK fonts leave about a sixth of the glyph height between glyphs.
    const int usualGap = std::max(2, line.height() / 6);
    // Gaps under about half the line's height are a font's own spacing.
    if (typicalGap * 20 < line.height() * 9)
        return {};
    const int excess = typicalGap - usualGap;
    // Columns of the area kept: all but the middle of each wide gap, so that a word space
    // (wider than the typical gap) stays wider than the rest.
    std::vector<std::pair<int, int>> cuts; // [first, last] columns left out, in image coordinates
    for (size_t i = 0; i < gaps.size(); ++i) {
        if (gaps[i] * 5 < typicalGap * 4)
            continue;
        const int start = std::max(area.left(), characters[i].right() + 1 + usualGap / 2);
        const int last = std::min({area.right(), start + excess - 1, characters[i + 1].left() - 1 - usualGap / 2});
        if (last >= start)
            cuts.emplace_back(start, last);
    }
    int removed = 0;
    for (const auto &[first, last] : cuts)
        removed += last - first + 1;
    if (removed == 0)
        return {};
    QImage narrowed(area.width() - removed, area.height(), QImage::Format_Grayscale8);
    narrowed.fill(255);
    auto cut = cuts.begin();
    int column = 0;
    for (int x = area.left(); x <= area.right(); ++x) {
        while (cut != cuts.end() && x > cut->second)
            ++cut;
        if (cut != cuts.end() && x >= cut->first)
            continue;
        for (int y = 0; y < area.height(); ++y)
            narrowed.scanLine(y)[column] = image.constScanLine(area.top() + y)[x];
        ++column;
    }
    return narrowed;
}
