#include "TextDistance.h"

#include <QList>

#include <algorithm>
#include <vector>

int textDistance(const QString &left, const QString &right)
{
    const QList<uint> a = left.toUcs4();
    const QList<uint> b = right.toUcs4();
    std::vector<int> row(size_t(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j)
        row[j] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (size_t j = 1; j < row.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({above + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[qsizetype(j) - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}
