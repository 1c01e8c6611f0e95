#include "ocr/tesseract/CodeLayout.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr size_t fewestNumberedRows = 3;

// The row's line number: a first line of nothing but digits, set apart as a line of its own, or
// a first word of digits when the line finder took the number and the code for one line.
std::optional<long> lineNumber(const RowPieces &row)
{
    if (row.empty())
        return std::nullopt;
    if (row.size() > 1 && row[1].separator != u' ')
        return std::nullopt; // a table's cell, not a gutter
    static const QRegularExpression number(QStringLiteral("^([0-9]{1,6})(?: |$)"));
    const QRegularExpressionMatch match = number.match(row.front().text);
    return match.hasMatch() ? std::optional(match.captured(1).toLong()) : std::nullopt;
}

// Whether the numbers of rows [first, last) stand in one column, as a gutter draws them: their
// left edges a digit apart at most, where a number has one digit more than the one above.
bool inColumn(const std::vector<RowPieces> &rows, size_t first, size_t last)
{
    const auto [leftmost, rightmost] = std::minmax_element(rows.begin() + long(first), rows.begin() + long(last),
                                                           [](const RowPieces &a, const RowPieces &b) {
                                                               return a.front().box.left() < b.front().box.left();
                                                           });
    return rightmost->front().box.left() - leftmost->front().box.left() <= rows[first].front().box.height();
}

// The width of the monospaced font's character cell, from the rows' longer pieces of code.
std::optional<double> cellWidth(const std::vector<RowPieces> &rows, size_t first, size_t last)
{
    constexpr qsizetype shortestMeasured = 8;
    std::vector<double> widths;
    for (size_t i = first; i < last; ++i) {
        for (const RowPiece &piece : rows[i]) {
            if (piece.text.size() >= shortestMeasured)
                widths.push_back(double(piece.box.width()) / double(piece.text.size()));
        }
    }
    if (widths.empty())
        return std::nullopt;
    std::nth_element(widths.begin(), widths.begin() + long(widths.size() / 2), widths.end());
    return widths[widths.size() / 2];
}

// The number taken off the row; where its code starts, when it has any.
std::optional<int> withoutNumber(RowPieces &row)
{
    RowPiece &front = row.front();
    const qsizetype space = front.text.indexOf(u' ');
    if (space < 0) {
        row.erase(row.begin());
        return row.empty() ? std::nullopt : std::optional(row.front().box.left());
    }
    // Read in one line with its number, the code starts at the second word.
    front.text = front.text.mid(space + 1).trimmed();
    return front.wordStarts.size() >= 2 ? std::optional(front.wordStarts[1]) : std::nullopt;
}

// The numbered rows [first, last): numbers off, indentation in.
void asCode(std::vector<RowPieces> &rows, size_t first, size_t last)
{
    const std::optional<double> cell = cellWidth(rows, first, last);
    std::vector<std::optional<int>> starts;
    for (size_t i = first; i < last; ++i)
        starts.push_back(withoutNumber(rows[i]));
    if (!cell)
        return;
    int margin = std::numeric_limits<int>::max();
    for (const std::optional<int> &start : starts)
        margin = start ? std::min(margin, *start) : margin;
    for (size_t i = first; i < last; ++i) {
        if (!starts[i - first] || rows[i].empty())
            continue;
        const long spaces = std::lround(double(*starts[i - first] - margin) / *cell);
        rows[i].front().text.prepend(QString(int(std::max(0L, spaces)), u' '));
    }
}

} // namespace

void CodeLayout::asCode(std::vector<RowPieces> &rows)
{
    size_t first = 0;
    while (first < rows.size()) {
        size_t last = first;
        std::optional<long> previous;
        while (last < rows.size()) {
            const std::optional<long> number = lineNumber(rows[last]);
            if (!number || (previous && *number != *previous + 1))
                break;
            previous = number;
            ++last;
        }
        if (last - first >= fewestNumberedRows && inColumn(rows, first, last)) {
            ::asCode(rows, first, last);
            first = last;
        } else {
            first = std::max(first + 1, last);
        }
    }
}
