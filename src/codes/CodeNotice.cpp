#include "codes/CodeNotice.h"

#include "feedback/Localization.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>

namespace {
constexpr int shownCharacters = 40;
} // namespace

QString CodeNotice::copied(const QList<DecodedCode> &codes)
{
    if (codes.isEmpty())
        return {};
    if (codes.size() > 1)
        return L::count(LocalizedKey::codesCopiedCount, codes.size());
    return L::text(LocalizedKey::codeCopied).arg(codes.constFirst().format, shortened(codes.constFirst().text));
}

QString CodeNotice::shortened(const QString &content)
{
    const QString trimmed = content.trimmed();
    const qsizetype lineEnd = trimmed.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    const QString firstLine = lineEnd < 0 ? trimmed : trimmed.left(lineEnd).trimmed();
    // Cut between characters as the user sees them, never inside one.
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, firstLine);
    int characters = 0;
    while (finder.toNextBoundary() > 0) {
        if (++characters == shownCharacters && finder.position() < firstLine.size())
            return firstLine.left(finder.position()) + u'…';
    }
    return lineEnd < 0 ? firstLine : firstLine + u'…';
}
