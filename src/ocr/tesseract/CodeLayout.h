#pragma once

#include <QChar>
#include <QRect>
#include <QString>

#include <vector>

// One text line of a row as read: where it stands, what it says, how sure the model was, what
// separates it from the line before it in the row, and where its words start.
struct RowPiece {
    QRect box;
    QString text;
    float confidence = 0;
    QChar separator = u' ';
    std::vector<int> wordStarts; // the left edges of its words, where known
    bool operator==(const RowPiece &) const = default;
};
using RowPieces = std::vector<RowPiece>;

// What a code editor draws besides the code: a gutter of line numbers, and indentation that
// the line finder cannot see. Pure geometry and text on rows in reading order.
namespace CodeLayout {

// The rows of an editor: three or more in a row that begin with a number one more than the
// row before's, in a column of their own. Their numbers are taken off, and their
// code gets its indentation back as spaces, one per character cell of the monospaced font.
void asCode(std::vector<RowPieces> &rows);

} // namespace CodeLayout
