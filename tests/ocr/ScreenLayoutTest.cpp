// The rules around the models, without them: before, backgrounds and their polarity, table
// rules, rows and reading order; after, what the models' text becomes.
#include "ocr/tesseract/PageLayout.h"
#include "ocr/tesseract/ScreenAreas.h"
#include "ocr/tesseract/TextRules.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

namespace {

using Boxes = std::vector<QRect>;

// Rows as text: line indices, their separators, rows joined by '|'.
QString rowsText(const std::vector<LayoutRow> &rows)
{
    QStringList out;
    for (const LayoutRow &row : rows) {
        QString text = QString::number(row.lines.front());
        for (size_t k = 1; k < row.lines.size(); ++k)
            text += row.separators[k - 1] + QString::number(row.lines[k]);
        out << text;
    }
    return out.join(u'|');
}

int darkest(const QImage &gray, const QRect &area)
{
    int value = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            value = std::min(value, int(gray.pixelColor(x, y).value()));
    return value;
}

} // namespace

Q_DECLARE_METATYPE(Boxes)
Q_DECLARE_METATYPE(std::vector<TextRules::ReadWord>)
Q_DECLARE_METATYPE(TextRules::IconWords)

class ScreenLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void readingOrder_data()
    {
        QTest::addColumn<Boxes>("lines");
        QTest::addColumn<Boxes>("rules");
        QTest::addColumn<QString>("rows");
        const Boxes grid{QRect(85, 0, 1, 60), QRect(160, 0, 1, 60)};
        QTest::newRow("table cells, row by row with tabs")
            << Boxes{{10, 10, 60, 12}, {10, 40, 60, 12}, {100, 10, 50, 12}, {100, 40, 50, 12}, {175, 10, 40, 12}}
            << grid << "0\t2\t4|1\t3";
        QTest::newRow("a table without rules: cells aligned in columns")
            << Boxes{{10, 10, 50, 12}, {120, 10, 20, 12}, {200, 10, 20, 12}, {10, 30, 60, 12}, {120, 30, 30, 12},
                     {190, 30, 30, 12}, {10, 50, 40, 12}, {120, 50, 25, 12}, {205, 50, 15, 12}}
            << Boxes{} << "0\t1\t2|3\t4\t5|6\t7\t8";
        QTest::newRow("labels and counts are one column: spaces")
            << Boxes{{10, 10, 50, 12}, {200, 10, 14, 12}, {10, 30, 60, 12}, {200, 30, 14, 12}, {10, 50, 40, 12},
                     {200, 50, 14, 12}}
            << Boxes{} << "0 1|2 3|4 5";
        QTest::newRow("menu label and its shortcut far right")
            << Boxes{{10, 10, 40, 12}, {200, 11, 50, 11}, {10, 40, 60, 12}, {200, 41, 50, 11}} << Boxes{} << "0 1|2 3";
        QTest::newRow("chat bubbles, top to bottom whatever the given order")
            << Boxes{{300, 40, 150, 14}, {20, 10, 200, 14}, {20, 70, 180, 14}} << Boxes{} << "1|0|2";
        QTest::newRow("two columns of running text keep their order")
            << Boxes{{10, 10, 400, 14}, {10, 30, 400, 14}, {450, 10, 400, 14}, {450, 30, 400, 14}} << Boxes{} << "0|1|2|3";
        QTest::newRow("a heading beside small print is no row")
            << Boxes{{10, 10, 200, 40}, {300, 22, 100, 12}} << Boxes{} << "0|1";
        QTest::newRow("a glyph's own stroke between words is no rule")
            << Boxes{{10, 10, 60, 12}, {100, 10, 50, 12}} << Boxes{{85, 11, 1, 10}} << "0 1";
    }
    void readingOrder()
    {
        QFETCH(Boxes, lines);
        QFETCH(Boxes, rules);
        QFETCH(QString, rows);
        QCOMPARE(rowsText(PageLayout::readingOrder(lines, rules)), rows);
    }

    void linesAreSplitWhereLayoutJoinedThem()
    {
        // Two rows of glyphs in one box become two lines; one row stays one.
        Boxes glyphs;
        for (int x = 0; x < 200; x += 12) {
            glyphs.emplace_back(x, 2 + x % 3, 9, 12);
            glyphs.emplace_back(x, 26 + x % 2, 9, 12);
        }
        const Boxes split = PageLayout::splitStackedLines({QRect(0, 0, 210, 40)}, glyphs, 12);
        QCOMPARE(split.size(), size_t(2));
        QVERIFY(split[0].bottom() < split[1].top());
        QCOMPARE(PageLayout::splitStackedLines({QRect(0, 0, 210, 16)}, glyphs, 12).size(), size_t(1));

        // A rule across a line splits it into cells, unless it stands at the line's very side.
        const Boxes cells = PageLayout::splitAtRules({QRect(0, 10, 300, 14)}, {QRect(150, 0, 1, 40)});
        QCOMPARE(cells, (Boxes{QRect(QPoint(0, 10), QPoint(149, 23)), QRect(QPoint(151, 10), QPoint(299, 23))}));
        QCOMPARE(PageLayout::splitAtRules({QRect(0, 10, 300, 14)}, {QRect(6, 0, 1, 40)}).size(), size_t(1));
    }

    // White text on a blue bubble and dark text on a grey one both come out dark on white; the
    // bubbles' smoothed edges and a solid avatar leave nothing.
    void everyBackgroundHasItsOwnPolarity()
    {
        QImage screen(400, 140, QImage::Format_RGB32);
        screen.fill(Qt::white);
        QPainter painter(&screen);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x2f, 0x6f, 0xed));
        painter.drawRoundedRect(QRect(150, 10, 230, 50), 16, 16);
        painter.setBrush(QColor(0xe9, 0xe9, 0xeb));
        painter.drawRoundedRect(QRect(60, 80, 230, 50), 16, 16);
        painter.setBrush(QColor(0xd2, 0x40, 0x5a));
        painter.drawEllipse(QRect(10, 90, 32, 32));
        QFont font(QStringLiteral("Noto Sans"));
        font.setPixelSize(18);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(150, 10, 230, 50), Qt::AlignCenter, QStringLiteral("Mine, in white"));
        painter.setPen(QColor(0x1f, 0x1f, 0x1f));
        painter.drawText(QRect(60, 80, 230, 50), Qt::AlignCenter, QStringLiteral("Theirs, in dark"));
        painter.end();

        const ScreenAreas::Segmented segmented = ScreenAreas::segment(screen);
        QVERIFY(segmented.severalBackgrounds);
        const QImage &ink = segmented.ink;
        QVERIFY(darkest(ink, QRect(180, 25, 170, 20)) < 60);
        QVERIFY(darkest(ink, QRect(90, 95, 170, 20)) < 60);
        // Edges of the bubbles, the avatar, and the bubbles' empty ends.
        QVERIFY(darkest(ink, QRect(150, 10, 20, 50)) > 160);
        QVERIFY(darkest(ink, QRect(60, 80, 20, 50)) > 160);
        QVERIFY(darkest(ink, QRect(8, 88, 36, 36)) > 160);
    }

    void textAsTheModelsGiveIt_data()
    {
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("pasted");
        QTest::newRow("spaces between Han glyphs") << "今天 的 天气  很好" << "今天的天气很好";
        QTest::newRow("Korean keeps its word spaces") << "오늘 회의는  오후에" << "오늘 회의는 오후에";
        QTest::newRow("Latin beside Han keeps its spaces") << "版本 2.4.1 修复了 Login 页面" << "版本 2.4.1 修复了 Login 页面";
        QTest::newRow("ASCII comma after Han is full-width") << "你好, 世界" << "你好，世界";
        QTest::newRow("a host name split by the model") << "see www.example. org/docs" << "see www.example.org/docs";
        QTest::newRow("a path's extension") << "open doc/README .md now" << "open doc/README.md now";
        QTest::newRow("a sentence after a full stop") << "It ended. Then more." << "It ended. Then more.";
        QTest::newRow("a menu's shortcuts misread") << "Cut Ctri+x  Redo Ctr+Shiff+Z  CtrtX" << "Cut Ctrl+X Redo Ctrl+Shift+Z Ctrl+X";
        QTest::newRow("words that only look like them") << "Cthulhu and C++ or ctrl z" << "Cthulhu and C++ or ctrl z";
    }
    void textAsTheModelsGiveIt()
    {
        QFETCH(QString, read);
        QFETCH(QString, pasted);
        QCOMPARE(TextRules::normalizedLine(read), pasted);
    }

    // Words as the models give them, 20 px high: what is an icon read as characters.
    void iconsReadAsCharacters_data()
    {
        using TextRules::ReadWord;
        QTest::addColumn<std::vector<ReadWord>>("words");
        QTest::addColumn<TextRules::IconWords>("icons");
        const auto at = [](const char *text, int left, int right, float confidence = 95) {
            return ReadWord{QString::fromUtf8(text), QRect(left, 0, right - left, 20), confidence};
        };
        QTest::newRow("a sidebar's icon before its label, a count after")
            << std::vector{at("©", 6, 24, 79), at("Inbox", 46, 110), at("24", 300, 318)} << TextRules::IconWords{1, 0};
        QTest::newRow("a sure capital letter stays") << std::vector{at("A", 6, 20, 96), at("Spam", 40, 90)}
                                                  << TextRules::IconWords{};
        QTest::newRow("a list's number stays") << std::vector{at("1.", 6, 20, 70), at("Install", 44, 110)}
                                            << TextRules::IconWords{};
        QTest::newRow("a word space is no gap") << std::vector{at("a", 6, 16, 60), at("cat", 24, 60)}
                                             << TextRules::IconWords{};
        QTest::newRow("a star read as a plus") << std::vector{at("+", 6, 20, 93), at("Favoris", 44, 110)}
                                            << TextRules::IconWords{1, 0};
        QTest::newRow("an avatar read as an equals sign")
            << std::vector{at("=", 6, 24), at("王明", 50, 90), at("3", 300, 312)} << TextRules::IconWords{1, 0};
        QTest::newRow("a prompt's dollar stays")
            << std::vector{at("$", 6, 16), at("ls", 40, 60)} << TextRules::IconWords{};
        QTest::newRow("a list's dash stays") << std::vector{at("-", 6, 16), at("Milk", 40, 80)} << TextRules::IconWords{};
        QTest::newRow("a tab's close button") << std::vector{at("Notes.txt", 6, 100), at("x", 124, 134, 90)}
                                           << TextRules::IconWords{0, 1};
        QTest::newRow("a row of toolbar icons")
            << std::vector{at("BA", 6, 30, 70), at("Hh", 90, 120, 45), at("&®&", 180, 210, 57), at("5", 260, 276, 68)}
            << TextRules::IconWords{4, 0};
        QTest::newRow("a monospaced sentence's spaces are as wide as its words are high")
            << std::vector{at("El", 6, 30, 85), at("pingüino", 54, 150), at("comió", 174, 234), at("jamón", 258, 318)}
            << TextRules::IconWords{};
        QTest::newRow("short words of a sentence") << std::vector{at("It", 6, 20), at("is", 26, 38), at("so", 44, 60)}
                                                << TextRules::IconWords{};
    }
    void iconsReadAsCharacters()
    {
        QFETCH(std::vector<TextRules::ReadWord>, words);
        QFETCH(TextRules::IconWords, icons);
        const TextRules::IconWords found = TextRules::iconWords(words);
        QCOMPARE(found.leading, icons.leading);
        QCOMPARE(found.trailing, icons.trailing);
    }

    void picturesHaveNoBackgroundsAndGridsHaveRules()
    {
        QImage noise(640, 480, QImage::Format_RGB32);
        QRandomGenerator random(3);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
        QVERIFY(!ScreenAreas::segment(noise).flatBackgrounds);

        QImage table(300, 120, QImage::Format_RGB32);
        table.fill(Qt::white);
        QPainter painter(&table);
        painter.setPen(QColor(0xc8, 0xc8, 0xc8));
        painter.drawRect(10, 10, 280, 100);
        painter.drawLine(150, 10, 150, 110);
        painter.end();
        const std::vector<QRect> rules = ScreenAreas::segment(table).uprightLines;
        QVERIFY(std::any_of(rules.begin(), rules.end(), [](const QRect &r) { return r.left() == 150 && r.height() >= 90; }));
    }
};

QTEST_MAIN(ScreenLayoutTest)
#include "ScreenLayoutTest.moc"
