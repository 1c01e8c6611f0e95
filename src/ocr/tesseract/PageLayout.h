#pragma once

#include <QChar>
#include <QRect>

#include <vector>

// One line of the text that goes to the clipboard: text lines side by side on one baseline,
// left to right, each with what separates it from the one before it.
struct LayoutRow {
    std::vector<size_t> lines; // indices into the lines laid out
    std::vector<QChar> separators; // before each line after the first: a space, or a tab between table cells

    bool operator==(const LayoutRow &) const = default;
};

// Where text lines are and in which order a person reads them. Pure geometry on boxes in one
// coordinate system; rules are the thin vertical strokes of a table's grid.
namespace PageLayout {

// Whether a vertical rule runs between two boxes on one row, as between a table's cells.
bool ruleBetween(const QRect &left, const QRect &right, const std::vector<QRect> &rules);

// Lines cut where a table's rule crosses them: each cell is a line of its own.
std::vector<QRect> splitAtRules(const std::vector<QRect> &lines, const std::vector<QRect> &rules);

// A box that layout analysis made of two or more text lines one above the other is split into
// them: reading it as one line loses all but one.
std::vector<QRect> splitStackedLines(const std::vector<QRect> &lines, const std::vector<QRect> &glyphs, int glyphHeight);

// The lines grouped into rows and ordered top to bottom, each row left to right, the way a
// person reads a table, a menu, a chat or a row of buttons. Where wide lines of running text
// stand side by side, the page has columns: the given order (the layout analysis's, column by
// column) is kept for them.
std::vector<LayoutRow> readingOrder(const std::vector<QRect> &lines, const std::vector<QRect> &rules);

} // namespace PageLayout
