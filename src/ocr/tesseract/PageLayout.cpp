#include "ocr/tesseract/PageLayout.h"

#include <algorithm>
#include <numeric>

namespace {

// Lines on one baseline overlap over most of the lower one's height, and neither is more than
// twice the other's height: a heading beside small print is no row.
bool onOneRow(const QRect &a, const QRect &b)
{
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    const int lower = std::min(a.height(), b.height());
    return overlap * 10 >= lower * 6 && std::max(a.height(), b.height()) <= 2 * lower;
}

bool apart(const QRect &a, const QRect &b)
{
    return a.right() < b.left() || b.right() < a.left();
}

// A line of running text, as a column of prose has: many times wider than high.
bool isProse(const QRect &line)
{
    return line.width() >= 12 * line.height();
}

int findRoot(std::vector<size_t> &parent, size_t i)
{
    while (parent[i] != i)
        i = parent[i] = parent[parent[i]];
    return int(i);
}

// Glyphs of one row have their centres close together; the next row's lie a line's pitch away.
std::vector<QRect> rowsOfGlyphs(std::vector<QRect> glyphs, int glyphHeight)
{
    std::sort(glyphs.begin(), glyphs.end(), [](const QRect &a, const QRect &b) { return a.center().y() < b.center().y(); });
    std::vector<QRect> rows;
    std::vector<int> counts;
    int lastCentre = 0;
    for (const QRect &glyph : glyphs) {
        if (rows.empty() || (glyph.center().y() - lastCentre) * 20 > glyphHeight * 9) {
            rows.push_back(glyph);
            counts.push_back(0);
        }
        rows.back() |= glyph;
        ++counts.back();
        lastCentre = glyph.center().y();
    }
    std::vector<QRect> kept;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (counts[i] >= 2)
            kept.push_back(rows[i]);
    }
    return kept;
}

// A grid's rule runs past the text of its row above and below; a glyph's own stroke does not.
bool crossesRow(const QRect &rule, const QRect &row)
{
    return rule.top() < row.top() && rule.bottom() > row.bottom();
}

} // namespace

namespace PageLayout {

bool ruleBetween(const QRect &left, const QRect &right, const std::vector<QRect> &rules)
{
    const int from = std::min(left.right(), right.right());
    const int to = std::max(left.left(), right.left());
    return std::any_of(rules.begin(), rules.end(), [&](const QRect &rule) {
        return rule.center().x() > from && rule.center().x() < to && crossesRow(rule, left | right);
    });
}

std::vector<QRect> splitAtRules(const std::vector<QRect> &lines, const std::vector<QRect> &rules)
{
    std::vector<QRect> split;
    for (const QRect &line : lines) {
        std::vector<int> cuts;
        for (const QRect &rule : rules) {
            const int x = rule.center().x();
            // A piece narrower than the line is high is no cell: a mark or a box drawn at its side.
            if (x - line.left() >= line.height() && line.right() - x >= line.height() && crossesRow(rule, line))
                cuts.push_back(x);
        }
        std::sort(cuts.begin(), cuts.end());
        int left = line.left();
        cuts.push_back(line.right() + 1);
        for (const int cut : cuts) {
            if (cut - left >= std::max(2, line.height() / 2))
                split.emplace_back(QPoint(left, line.top()), QPoint(cut - 1, line.bottom()));
            left = cut + 1;
        }
    }
    return split;
}

std::vector<QRect> splitStackedLines(const std::vector<QRect> &lines, const std::vector<QRect> &glyphs, int glyphHeight)
{
    std::vector<QRect> split;
    for (const QRect &line : lines) {
        if (glyphHeight <= 0 || line.height() * 10 < glyphHeight * 17) {
            split.push_back(line);
            continue;
        }
        std::vector<QRect> inside;
        std::copy_if(glyphs.begin(), glyphs.end(), std::back_inserter(inside),
                     [&](const QRect &glyph) { return line.contains(glyph.center()); });
        const std::vector<QRect> rows = rowsOfGlyphs(inside, glyphHeight);
        if (rows.size() < 2) {
            split.push_back(line);
            continue;
        }
        for (const QRect &row : rows)
            split.emplace_back(QPoint(line.left(), row.top()), QPoint(line.right(), row.bottom()));
    }
    return split;
}

namespace {
// Cells of a table drawn without rules: three rows or more whose later cells line up, at their
// left or their right edge, in at least two columns. A menu's shortcuts or a sidebar's counts
// are one column beside their labels, and stay joined by a space.
void tabsBetweenAlignedCells(std::vector<LayoutRow> &rows, const std::vector<QRect> &lines)
{
    constexpr int rowsForAColumn = 3;
    const auto aligned = [&](const QRect &cell, size_t ownRow) {
        const int tolerance = std::max(3, cell.height() / 3);
        int rowsAligned = 1;
        for (size_t r = 0; r < rows.size(); ++r) {
            if (r == ownRow)
                continue;
            const std::vector<size_t> &others = rows[r].lines;
            rowsAligned += std::any_of(others.begin() + 1, others.end(), [&](size_t other) {
                return std::abs(lines[other].left() - cell.left()) <= tolerance
                    || std::abs(lines[other].right() - cell.right()) <= tolerance;
            }) ? 1 : 0;
        }
        return rowsAligned >= rowsForAColumn;
    };
    for (size_t r = 0; r < rows.size(); ++r) {
        LayoutRow &row = rows[r];
        std::vector<bool> inColumn(row.lines.size(), false);
        int columns = 0;
        for (size_t k = 1; k < row.lines.size(); ++k) {
            inColumn[k] = aligned(lines[row.lines[k]], r);
            columns += inColumn[k] ? 1 : 0;
        }
        if (columns < 2)
            continue;
        for (size_t k = 1; k < row.lines.size(); ++k) {
            if (inColumn[k])
                row.separators[k - 1] = u'\t';
        }
    }
}
} // namespace

std::vector<LayoutRow> readingOrder(const std::vector<QRect> &lines, const std::vector<QRect> &rules)
{
    std::vector<size_t> parent(lines.size());
    std::iota(parent.begin(), parent.end(), size_t(0));
    bool columns = false;
    for (size_t i = 0; i < lines.size(); ++i) {
        for (size_t j = i + 1; j < lines.size(); ++j) {
            if (!onOneRow(lines[i], lines[j]) || !apart(lines[i], lines[j]))
                continue;
            if (isProse(lines[i]) && isProse(lines[j]))
                columns = true;
            else
                parent[size_t(findRoot(parent, j))] = size_t(findRoot(parent, i));
        }
    }
    std::vector<std::vector<size_t>> groups;
    std::vector<int> groupOf(lines.size(), -1);
    for (size_t i = 0; i < lines.size(); ++i) {
        const int root = findRoot(parent, i);
        if (groupOf[size_t(root)] < 0) {
            groupOf[size_t(root)] = int(groups.size());
            groups.emplace_back();
        }
        groups[size_t(groupOf[size_t(root)])].push_back(i);
    }
    // Groups are made in the order of their first line; without columns they go top to bottom.
    if (!columns) {
        const auto top = [&](const std::vector<size_t> &group) {
            int highest = lines[group.front()].top();
            for (size_t i : group)
                highest = std::min(highest, lines[i].top());
            return highest;
        };
        std::stable_sort(groups.begin(), groups.end(),
                         [&](const std::vector<size_t> &a, const std::vector<size_t> &b) { return top(a) < top(b); });
    }
    std::vector<LayoutRow> rows;
    for (std::vector<size_t> &group : groups) {
        std::sort(group.begin(), group.end(), [&](size_t a, size_t b) { return lines[a].left() < lines[b].left(); });
        LayoutRow row;
        for (size_t k = 0; k < group.size(); ++k) {
            if (k > 0)
                row.separators.push_back(ruleBetween(lines[group[k - 1]], lines[group[k]], rules) ? u'\t' : u' ');
            row.lines.push_back(group[k]);
        }
        rows.push_back(std::move(row));
    }
    tabsBetweenAlignedCells(rows, lines);
    return rows;
}

} // namespace PageLayout
