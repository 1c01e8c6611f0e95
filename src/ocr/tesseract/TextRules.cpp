#include "ocr/tesseract/TextRules.h"

#include "ocr/Scripts.h"

#include <QRegularExpression>

#include <algorithm>
#include <string>
#include <string_view>

namespace {

using Scripts::isUnspaced;


bool isHanOrKana(char32_t c)
{
    return Scripts::isHan(c) || Scripts::isKana(c);
}

bool isWordCharacter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'0' && c <= U'9') || c == U'_'
        || c == U'-';
}

// A word of running Latin text: letters in lower case after the first, a misread accent or two
// as digits at most, and punctuation around it.
bool isPlainWord(const QString &token)
{
    const QString word = token.trimmed().remove(QRegularExpression(QStringLiteral("^[(\"'¿¡«“‘]+|[)\"'.,;:!?»”’]+$")));
    if (word.isEmpty())
        return false;
    int letters = 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word[i];
        const bool latinLetter = c.isLetter() && c.unicode() < 0x0250; // up to Latin Extended-B
        if (latinLetter && (i == 0 || !c.isUpper()))
            ++letters;
        else if (!c.isDigit() && c != u'-' && c != u'\'')
            return false;
    }
    return letters * 4 >= word.size() * 3 && (letters == word.size() || word.size() >= 4);
}

// Whether a Latin model's reading is running text in a Latin language, perhaps with accents the
// model lacks: then the line is Latin, and models of other scripts need not read it. A word in
// four may be garbled, as a model without the language's marks reads "¿Dónde" or "yağız".
bool isLatinText(const RecognizedText &text)
{
    constexpr float minimumConfidence = 0.5f;
    const QStringList words = text.string.split(u' ', Qt::SkipEmptyParts);
    const auto plain = std::count_if(words.begin(), words.end(), isPlainWord);
    return text.confidence >= minimumConfidence && plain >= 2 && plain * 4 >= words.size() * 3
        && std::none_of(text.string.begin(), text.string.end(), [](QChar c) { return isUnspaced(c.unicode()); });
}

bool isLowerOrDigit(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9');
}

// A space the models put into a host name, e-mail address, path or version number: after a
// dot, slash or at sign, as in "www.example. org", when the word before is a web address or
// already holds such a mark between word characters and the next word goes straight on in
// lower case or digits; or before the dot of a file's extension in a path ("doc/README .md").
bool splitsAddress(const std::u32string &before, char32_t next, char32_t afterNext)
{
    static constexpr std::u32string_view joints = U"./@:";
    const size_t wordStart = before.find_last_of(U' ') == std::u32string::npos ? 0 : before.find_last_of(U' ') + 1;
    const std::u32string_view word = std::u32string_view(before).substr(wordStart);
    if (word.size() < 5)
        return false;
    if (next == U'.' && isLowerOrDigit(afterNext) && isWordCharacter(word.back()) && word.find(U'/') != word.npos)
        return true;
    if (joints.find(word.back()) == joints.npos || !isLowerOrDigit(next))
        return false;
    if (word.find(U"://") != word.npos || word.starts_with(U"www."))
        return true;
    for (size_t i = 1; i + 2 < word.size(); ++i) {
        if (joints.find(word[i]) != joints.npos && isWordCharacter(word[i - 1]) && isWordCharacter(word[i + 1]))
            return true;
    }
    return false;
}

// Tesseract separates CJK glyphs it reads as words, and keeps runs of spaces. Chinese and
// Japanese put no spaces between words; Korean, and spaces next to Latin text, stay.
QString normalized(const QString &line)
{
    const QList<uint> scalars = line.trimmed().toUcs4();
    static constexpr std::u32string_view halfWidthMarks = U",:;!?";
    std::u32string out;
    for (qsizetype i = 0; i < scalars.size(); ++i) {
        char32_t c = scalars[i];
        if (c == U' ') {
            qsizetype next = i;
            while (next < scalars.size() && scalars[next] == U' ')
                ++next;
            const bool betweenUnspaced = !out.empty() && next < scalars.size() && isUnspaced(out.back())
                && (isUnspaced(scalars[next]) || halfWidthMarks.find(scalars[next]) != halfWidthMarks.npos);
            const char32_t afterNext = next + 1 < scalars.size() ? scalars[next + 1] : 0;
            if (!betweenUnspaced && !(next < scalars.size() && splitsAddress(out, scalars[next], afterNext)))
                out.push_back(U' ');
            i = next - 1;
            continue;
        }
        // Models trained on mixed text often give ASCII punctuation where Chinese and Japanese
        // text has full-width marks; right after a Han or kana character it is the full-width one.
        if (!out.empty() && isHanOrKana(out.back()) && halfWidthMarks.find(c) != halfWidthMarks.npos)
            c = c - U'!' + 0xFF01;
        out.push_back(c);
    }
    return QString::fromUcs4(out.data(), qsizetype(out.size()));
}

// A keyboard shortcut as menus show it, "Ctrl+Shift+C": the models misread its small, pale
// modifier names ("Ctri+", "Ctr+", "Shiff+") and give its key in lower case.
QString withShortcutsMended(QString line)
{
    static const QRegularExpression control(QStringLiteral("\\b[Cc][tf][rt]?[rltiI1|]?(?=\\+\\S)"));
    static const QRegularExpression shift(QStringLiteral("\\b[S5s]hi[ft]{1,2}(?=\\+\\S)"));
    static const QRegularExpression joined(QStringLiteral("\\bC[tf]r[rltiI1|]([A-Z])\\b"));
    static const QRegularExpression key(QStringLiteral("((?:Ctrl|Shift|Alt|Super)\\+)([a-z])\\b"));
    line.replace(control, QStringLiteral("Ctrl"));
    line.replace(shift, QStringLiteral("Shift"));
    line.replace(joined, QStringLiteral("Ctrl+\\1"));
    for (QRegularExpressionMatchIterator it = key.globalMatch(line); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        line[match.capturedStart(2)] = match.captured(2).front().toUpper();
    }
    return line;
}

} // namespace

namespace TextRules {

QString normalizedLine(const QString &line)
{
    return withShortcutsMended(normalized(line));
}

bool looksLikeLatinText(const RecognizedText &text)
{
    return isLatinText(text);
}

namespace {
// A word space is at most about half a line's height; an icon stands a whole height away.
bool setApart(const QRect &word, const QRect &neighbour, int lineHeight)
{
    const int gap = word.right() < neighbour.left() ? neighbour.left() - word.right() : word.left() - neighbour.right();
    return gap * 10 >= lineHeight * 8;
}

// What a model makes of a drawing: a pictograph, a modifier mark, a private-use glyph. Not a
// currency sign, a quotation mark or a letter of any script.
bool isDrawingSymbol(QChar c)
{
    switch (c.category()) {
    case QChar::Symbol_Other:
    case QChar::Symbol_Modifier:
    case QChar::Letter_Modifier:
    case QChar::Other_PrivateUse:
        return true;
    default:
        return false;
    }
}

// A single Latin letter that is a word in one of the languages read: an article, "I", "y", "à".
bool isOneLetterWord(const QString &text)
{
    static const QString words = QStringLiteral("aAeEiIoOuUyYàÀéÉ");
    return text.size() == 1 && words.contains(text.front());
}

// An icon comes back as a short word of Latin letters or digits the model is unsure of, as
// pictographs, or as one of the ASCII symbols that no text begins or ends with after a gap (a
// star read as "+", an avatar as "=", a back arrow as "<", a tag as "@"). ASCII's other symbols
// are text (a prompt's "$", a brace, a list's dash), and so is any word of another script,
// however short.
bool mayBeIcon(const ReadWord &word)
{
    static const QString iconLikeSymbols = QStringLiteral("+=<~^|_@");
    if (word.text.size() == 1 && iconLikeSymbols.contains(word.text.front()))
        return true;
    constexpr float sureLetters = 92;
    // A list's number or letter ("1.", "b)") stands apart from its item too.
    static const QRegularExpression listMarker(QStringLiteral("^[0-9A-Za-z]{1,2}[.)]$"));
    if (word.text.isEmpty() || word.text.size() > 3 || listMarker.match(word.text).hasMatch()
        || isOneLetterWord(word.text))
        return false;
    if (std::any_of(word.text.begin(), word.text.end(), isDrawingSymbol))
        return true;
    const bool latinOrDigits = std::all_of(word.text.begin(), word.text.end(), [](QChar c) {
        return (c.isLetter() && c.script() == QChar::Script_Latin) || c.isDigit();
    });
    // Two letters are often a word ("El", "to"): only a clearly unsure reading is an icon.
    constexpr float unsureWord = 80;
    return latinOrDigits && word.confidence < (word.text.size() == 1 ? sureLetters : unsureWord);
}

// A tab's close button or a list's chevron at a line's end.
bool isTrailingMark(const ReadWord &word)
{
    if (word.text.size() != 1)
        return false;
    const QChar c = word.text.front();
    return c == u'x' || c == u'X' || c == QChar(0x00d7) || isDrawingSymbol(c);
}
} // namespace

IconWords iconWords(const std::vector<ReadWord> &words)
{
    if (words.empty())
        return {};
    std::vector<int> heights;
    for (const ReadWord &word : words)
        heights.push_back(word.box.height());
    std::nth_element(heights.begin(), heights.begin() + long(heights.size() / 2), heights.end());
    const int lineHeight = heights[heights.size() / 2];
    if (words.size() >= 3) {
        bool allIcons = true;
        // Set that far apart, even a one-letter word is an icon's reading.
        const auto iconInARow = [](const ReadWord &word) {
            return mayBeIcon(word) || (word.text.size() == 1 && word.text.front().isLetter() && word.confidence < 92);
        };
        for (size_t i = 0; i + 1 < words.size() && allIcons; ++i)
            allIcons = iconInARow(words[i]) && iconInARow(words[i + 1])
                && setApart(words[i].box, words[i + 1].box, lineHeight);
        if (allIcons)
            return {words.size(), 0};
    }
    // In a line of several words, a monospaced one's spaces are as wide as an icon's gap: the
    // gap must also be wider than the line's own word spaces.
    std::vector<int> gaps;
    for (size_t i = 1; i + 1 < words.size(); ++i)
        gaps.push_back(words[i + 1].box.left() - words[i].box.right());
    const auto widerThanSpaces = [&](const QRect &word, const QRect &neighbour) {
        if (gaps.size() < 2)
            return true;
        std::nth_element(gaps.begin(), gaps.begin() + long(gaps.size() / 2), gaps.end());
        const int gap = word.right() < neighbour.left() ? neighbour.left() - word.right() : word.left() - neighbour.right();
        return gap * 2 >= gaps[gaps.size() / 2] * 3;
    };
    IconWords icons;
    if (words.size() >= 2 && words.front().text.size() <= 2 && mayBeIcon(words.front())
        && setApart(words[0].box, words[1].box, lineHeight) && widerThanSpaces(words[0].box, words[1].box))
        icons.leading = 1;
    if (words.size() >= icons.leading + 2 && isTrailingMark(words.back())
        && setApart(words.back().box, words[words.size() - 2].box, lineHeight))
        icons.trailing = 1;
    return icons;
}

bool mayBeMisreadLatin(const ReadWord &word)
{
    constexpr qsizetype shortest = 3;
    constexpr float sure = 90;
    if (word.text.size() < shortest || word.confidence >= sure)
        return false;
    return std::all_of(word.text.begin(), word.text.end(), [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7f; });
}

bool isLatinWord(const QString &text)
{
    // Two letters at least: digits and marks a CJK model reads as well as a Latin one.
    constexpr int fewestLetters = 2;
    int letters = 0;
    for (QChar c : text) {
        if (c.isLetter() && c.script() != QChar::Script_Latin)
            return false;
        if (!c.isLetterOrNumber() && (c.unicode() >= 0x7f || c.isSpace()))
            return false;
        letters += c.isLetter() ? 1 : 0;
    }
    return letters >= fewestLetters;
}

} // namespace TextRules
