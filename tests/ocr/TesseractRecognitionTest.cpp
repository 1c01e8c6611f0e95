// Real Tesseract on text rendered with real fonts, as the user's screen shows it.
#include "ocr/TesseractOCRProvider.h"
#include "ocr/tesseract/Cld2LanguageRecognizer.h"
#include "ocr/tesseract/TesseractEngine.h"
#include "ocr/tesseract/TesseractEnginePool.h"
#include "ocr/tesseract/TesseractImage.h"

#include "TextDistance.h"
#include "TextRenderer.h"

#include <QColor>
#include <QPainter>
#include <QRandomGenerator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <tesseract/baseapi.h>

namespace {

std::shared_ptr<TesseractEngine> sharedEngine()
{
    static auto engine = std::make_shared<TesseractEngine>();
    return engine;
}

TesseractOCRProvider provider(std::shared_ptr<TextRecognitionEngine> engine = sharedEngine())
{
    return TesseractOCRProvider(std::move(engine), std::make_shared<Cld2LanguageRecognizer>(),
                                [] { return QStringList{"en-US"}; });
}

QImage rendered(const QStringList &lines, const QString &family, int pixelSize, int scale = 1, bool dark = false)
{
    return TextRenderer{family, pixelSize, scale, dark}.render(lines);
}

// A screen drawn the way applications draw theirs: flat shapes in any colour, with text on them.
class AppScreen
{
public:
    AppScreen(int width, int height, QColor page)
        : m_image(width, height, QImage::Format_RGB32)
        , m_painter(&m_image)
    {
        m_image.fill(page);
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_font.setPixelSize(16);
    }
    AppScreen &shape(const QRect &area, QColor fill, int radius = 6, bool round = false)
    {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(fill);
        round ? m_painter.drawEllipse(area) : m_painter.drawRoundedRect(area, radius, radius);
        return *this;
    }
    AppScreen &outline(const QRect &area, QColor colour, int radius = 0)
    {
        m_painter.setPen(QPen(colour, 1.5));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRoundedRect(area, radius, radius);
        return *this;
    }
    AppScreen &font(const QString &family, int pixelSize = 16)
    {
        m_font.setFamily(family);
        m_font.setPixelSize(pixelSize);
        return *this;
    }
    AppScreen &text(QPoint baseline, const QString &text, QColor colour)
    {
        m_painter.setFont(m_font);
        m_painter.setPen(colour);
        m_painter.drawText(baseline, text);
        return *this;
    }
    QImage image()
    {
        m_painter.end();
        return m_image;
    }

private:
    QImage m_image;
    QPainter m_painter;
    QFont m_font{QStringLiteral("Noto Sans")};
};

} // namespace

class TesseractRecognitionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QStringList languages = sharedEngine()->supportedRecognitionLanguages({});
        // Every recognition language must be installed here; a missing pack is a setup fault.
        QCOMPARE(languages.size(), 11);
    }

    void readsEachLanguageGroupInItsMode_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("dark");
        QTest::addColumn<PreferredLanguageMode>("mode");
        QTest::addColumn<int>("tolerance"); // characters that may differ
        QTest::addColumn<QString>("language");
        using enum PreferredLanguageMode;
        QTest::newRow("english") << QStringList{"The quick brown fox jumps over the lazy dog.", "Invoice 2024-117 was paid on March 3rd."}
                                 << "Noto Sans" << 16 << 1 << false << prioritizeLatin << 0 << "en";
        QTest::newRow("small dark UI text") << QStringList{"Settings > Privacy & Security", "Last updated: 5 minutes ago"}
                                            << "Noto Sans" << 12 << 1 << true << automatic << 0 << "en";
        QTest::newRow("french accents") << QStringList{"Le garçon a mangé une crêpe très sucrée."}
                                        << "Noto Serif" << 18 << 1 << false << prioritizeLatin << 1 << "fr";
        QTest::newRow("german") << QStringList{"Zwölf Boxkämpfer jagen Viktor quer über den Deich."}
                                << "Noto Sans" << 16 << 2 << true << automatic << 1 << "de";
        QTest::newRow("simplified chinese") << QStringList{"今天的天气很好，我们去公园散步吧。", "请把这份文件发送给项目经理审核。"}
                                            << "Noto Sans CJK SC" << 16 << 1 << false << prioritizeCJK << 0 << "zh";
        QTest::newRow("traditional chinese") << QStringList{"請把這份文件傳送給專案經理審核。"}
                                             << "Noto Sans CJK TC" << 18 << 2 << false << prioritizeCJK << 2 << "zh-Hant";
        QTest::newRow("japanese") << QStringList{"どこで生れたかとんと見当がつかぬ。"}
                                  << "Noto Sans CJK JP" << 18 << 1 << true << prioritizeCJK << 2 << "ja";
        QTest::newRow("korean keeps word spaces") << QStringList{"오늘 회의는 오후 세 시에 시작합니다."}
                                                  << "Noto Sans CJK KR" << 18 << 1 << false << prioritizeCJK << 2 << "ko";
        QTest::newRow("mixed english in chinese") << QStringList{"版本 2.4.1 修复了 Login 页面的问题。"}
                                                  << "Noto Sans CJK SC" << 16 << 1 << false << automatic << 2 << "zh";
        QTest::newRow("code") << QStringList{"for (int i = 0; i < count; ++i) {", "total += values[i] * 2;"}
                              << "DejaVu Sans Mono" << 14 << 1 << true << prioritizeLatin << 1 << "";
    }

    void readsEachLanguageGroupInItsMode()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, family);
        QFETCH(int, pixelSize);
        QFETCH(int, scale);
        QFETCH(bool, dark);
        QFETCH(PreferredLanguageMode, mode);
        QFETCH(int, tolerance);
        QFETCH(QString, language);

        const OCRResult result = provider().recognizeNow(rendered(lines, family, pixelSize, scale, dark), OCRRequest{mode});
        QCOMPARE(result.status, OCRStatus::success);
        const QString expected = lines.join(u'\n');
        QVERIFY2(textDistance(result.text, expected) <= tolerance, qPrintable(result.text));
        // Line structure is kept: as many lines, in the same order.
        QCOMPARE(result.text.count(u'\n'), lines.size() - 1);
        if (!language.isEmpty())
            QCOMPARE(result.detectedLanguages, QStringList{language});
        QVERIFY(result.confidence > 0.5 && result.confidence <= 1.0);
    }

    // What people select on a screen, with the system language English and automatic mode:
    // each case once came back garbled, empty, or in the wrong script or language.
    void readsScreensAsTheyAre_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("tolerance");
        using Surround = TextRenderer::Surround;
        const auto surrounded = [](const QStringList &lines, const QString &family, int size, bool dark, Surround surround) {
            return TextRenderer::surrounded(rendered(lines, family, size, 1, dark), surround, dark, 1);
        };
        const QStringList framed{"The lazy dog slept near the river bank.", "Press Save to keep your changes."};
        QTest::newRow("window edge and scroll bar") << surrounded(framed, "Noto Sans", 14, false, Surround::frame) << framed << 0;
        QTest::newRow("dark edge, scroll bar") << surrounded(framed, "Noto Serif", 18, true, Surround::frame) << framed << 0;
        const QStringList terminal{"$ sudo apt-get install tesseract-ocr", "Reading package lists... Done"};
        QTest::newRow("terminal in a dark window frame")
            << surrounded(terminal, "DejaVu Sans Mono", 14, true, Surround::windowFrame) << terminal << 0;
        const QStringList dense{"The committee met on Tuesday to review the budget for the coming year.",
                                "Several members asked whether the new building could be finished in time,",
                                "and the architect explained that the delays were caused by the weather.",
                                "After a short break, the chair read the letters received from residents."};
        QTest::newRow("dense window inside its edge") << surrounded(dense, "Noto Sans", 14, false, Surround::denseWindow) << dense << 1;
        const QStringList offer{"Limited offer: save 20% today only"};
        QTest::newRow("pale orange on orange")
            << TextRenderer{"Noto Sans", 16, 1, false}.render(offer, QColor(0xff, 0xc0, 0x80), QColor(0xf0, 0x8c, 0x1a)) << offer << 0;
        const QStringList addresses{"See https://www.example.org/docs/v2.4.1/index.html", "Write to anna.berg@example.com"};
        QTest::newRow("addresses and versions") << rendered(addresses, "Noto Sans", 16) << addresses << 0;
        // Read as "https://www. example. org" and "README .md".
        const QStringList paths{"See https://www.example.org/docs/v2.4.1/index.html",
                                "Write to anna.berg@example.com or open /usr/share/doc/README.md"};
        QTest::newRow("addresses and paths, small, dark") << rendered(paths, "DejaVu Sans Mono", 14, 2, true) << paths << 0;
        const QStringList portuguese{"Não há açúcar suficiente para o café."};
        QTest::newRow("portuguese accents") << rendered(portuguese, "Noto Sans", 18) << portuguese << 0;
        const QStringList turkish{"Pijamalı hasta yağız şoföre çabucak güvendi."};
        QTest::newRow("turkish letters") << rendered(turkish, "Noto Serif", 14) << turkish << 0;
        const QStringList simplified{"人人生而自由，在尊严和权利上一律平等。", "他们赋有理性和良心，并应以兄弟关系的精神相对待。"};
        QTest::newRow("simplified block stays simplified") << rendered(simplified, "Noto Sans CJK SC", 16) << simplified << 1;
        const QStringList japanese{"吾輩は猫である。名前はまだ無い。", "どこで生れたかとんと見当がつかぬ。"};
        // Read as a block, the first line comes out right and the second with a kana too many.
        QTest::newRow("japanese block, each line its better reading")
            << rendered(japanese, "Noto Sans CJK JP", 14, 1, true) << japanese << 0;
        const QStringList korean{"오늘 회의는 오후 세 시에 시작합니다."};
        QTest::newRow("korean line start") << rendered(korean, "Noto Sans CJK KR", 18) << korean << 1;
        // Read first as English, this text looks Galician; it must still come back Spanish
        // (the Spanish model has no ü: one letter).
        const QStringList spanish{"El pingüino comió jamón en la montaña.", "¿Dónde está la estación de autobuses?"};
        QTest::newRow("spanish near another language") << rendered(spanish, "Noto Sans", 24, 2) << spanish << 1;
    }

    // Screens of real programs (bench/real): xterm with its hollow cursor after the text and
    // wide glyphs spaced apart, pages from Chromium with underlined links.
    void readsRealProgramsScreens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tolerance");
        QTest::newRow("terminal, dark, cursor") << "terminal-dark" << 0;
        // Read unsurely in English, the commands went to the French model, which has no "~".
        QTest::newRow("terminal, commands and paths") << "terminal-urls" << 0;
        QTest::newRow("terminal, traditional, wide spacing") << "terminal-traditional" << 0;
        QTest::newRow("terminal, simplified, dark, wide spacing") << "terminal-chinese" << 0;
        // Kana far apart were read twice ("であぁあり"), Hangul split ("모 든").
        QTest::newRow("terminal, japanese, wide spacing") << "terminal-japanese" << 0;
        // The full stop after the last syllable, alone in its wide cell, is lost.
        QTest::newRow("terminal, korean, wide spacing") << "terminal-korean" << 1;
        QTest::newRow("link underline through a descender") << "browser-french" << 0;
        QTest::newRow("link underline under Han") << "browser-chinese" << 0;
        QTest::newRow("link underline under Hangul, scale 2") << "browser-korean" << 0;
        // Rounded buttons are no brackets around their labels; the dialog's hatched icon
        // before its small text costs three characters.
        QTest::newRow("dialog buttons") << "dialog-save" << 3;
    }

    void readsRealProgramsScreens()
    {
        QFETCH(QString, name);
        QFETCH(int, tolerance);
        const QString image = QFINDTESTDATA("../../bench/real/" + name + ".png");
        QFile truth(QFINDTESTDATA("../../bench/real/" + name + ".txt"));
        QVERIFY2(!image.isEmpty() && truth.open(QIODevice::ReadOnly), qPrintable(name));
        const QString expected = QString::fromUtf8(truth.readAll()).trimmed();
        const OCRResult result = provider().recognizeNow(QImage(image), OCRRequest{PreferredLanguageMode::automatic});
        QVERIFY2(textDistance(result.text, expected) <= tolerance, qPrintable(result.text));
        QCOMPARE(result.text.count(u'\n'), expected.count(u'\n'));
    }

    void readsScreensAsTheyAre()
    {
        QFETCH(QImage, image);
        QFETCH(QStringList, lines);
        QFETCH(int, tolerance);
        const OCRResult result = provider().recognizeNow(image, OCRRequest{PreferredLanguageMode::automatic});
        QVERIFY2(textDistance(result.text, lines.join(u'\n')) <= tolerance, qPrintable(result.text));
    }

    // Chinese or Japanese as the system language puts CJK models first; Latin text must still
    // come back as the Latin model reads it, without stray ideographs or odd capitals.
    void latinTextStaysLatinWhenCJKComesFirst()
    {
        const QStringList lines{"$ sudo apt-get install tesseract-ocr", "Please install the latest version."};
        const QImage image = rendered(lines, "DejaVu Sans Mono", 14, 1, true);
        for (const QString system : {"zh-CN", "ja-JP"}) {
            TesseractOCRProvider cjkFirst(sharedEngine(), std::make_shared<Cld2LanguageRecognizer>(),
                                          [system] { return QStringList{system}; });
            for (PreferredLanguageMode mode : {PreferredLanguageMode::automatic, PreferredLanguageMode::prioritizeCJK}) {
                const OCRResult result = cjkFirst.recognizeNow(image, OCRRequest{mode});
                QCOMPARE(result.text, lines.join(u'\n'));
            }
        }
    }

    // Each Chinese model reads the other's characters almost as surely as its own; short labels,
    // whose few differing glyphs are all there is to go by, are where a text flips, and where
    // lines went missing.
    void simplifiedAndTraditionalNeverMix_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("font");
        QTest::addColumn<int>("pixels");
        QTest::newRow("simplified sentences") << QStringList{"人人生而自由，在尊严和权利上一律平等。", "他们赋有理性和良心，并应以兄弟关系的精神相对待。"}
                                              << "Noto Sans CJK SC" << 14;
        // Small type: two glyphs touch and look like one wide mark, and a Latin model reads them
        // fairly surely as two capitals.
        QTest::newRow("simplified labels") << QStringList{"设置", "账号", "通知", "频道", "常规", "前端开发", "李华"}
                                           << "Noto Sans CJK SC" << 14;
        QTest::newRow("traditional labels") << QStringList{"設定", "帳號", "通知", "頻道", "常規", "前端開發", "關於"}
                                            << "Noto Sans CJK TC" << 14;
    }
    void simplifiedAndTraditionalNeverMix()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, font);
        QFETCH(int, pixels);
        for (const bool dark : {false, true}) {
            for (PreferredLanguageMode mode : {PreferredLanguageMode::automatic, PreferredLanguageMode::prioritizeCJK}) {
                const OCRResult result = provider().recognizeNow(rendered(lines, font, pixels, 1, dark), OCRRequest{mode});
                QCOMPARE(result.text, lines.join(u'\n'));
            }
        }
    }

    void chineseAndJapaneseComeWithoutSpacesKoreanWithThem()
    {
        const OCRResult chinese = provider().recognizeNow(
            rendered({"今天的天气很好，我们去公园散步吧。"}, "Noto Sans CJK SC", 14), OCRRequest{PreferredLanguageMode::prioritizeLatin});
        QVERIFY2(!chinese.text.isEmpty() && !chinese.text.contains(u' '), qPrintable(chinese.text));
        // Read first by a Latin model, the comma after a Han character is still the full-width one.
        QVERIFY2(chinese.text.contains(u'，') && !chinese.text.contains(u','), qPrintable(chinese.text));
        const OCRResult korean = provider().recognizeNow(
            rendered({"다람쥐 헌 쳇바퀴에 타고파."}, "Noto Sans CJK KR", 18), OCRRequest{PreferredLanguageMode::automatic});
        QCOMPARE(korean.text.count(u' '), 3);
    }

    void linesTheLayoutAnalysisMissesAreFoundFromTheInk()
    {
        const TesseractImage prepared = TesseractImage::prepare(
            rendered({"First line of the text", "Second line of it", "The third"}, "Noto Sans", 16));
        auto byTop = [](std::vector<QRect> lines) {
            std::sort(lines.begin(), lines.end(), [](const QRect &a, const QRect &b) { return a.top() < b.top(); });
            return lines;
        };
        // The analysis found no line at all: the rows of ink are read all the same.
        const std::vector<QRect> rows = byTop(prepared.completedLines({}));
        QCOMPARE(rows.size(), size_t(3));
        QVERIFY(rows[0].bottom() < rows[1].top() && rows[1].bottom() < rows[2].top());

        // A stroke it took for a tall line across all three goes; a line it cut short grows to
        // the glyphs it left out.
        const QRect sliver(rows[0].left() + 4, rows[0].top(), 2, rows[2].bottom() - rows[0].top());
        const QRect cutShort = rows[0].adjusted(0, 0, -rows[0].width() / 2, 0);
        const std::vector<QRect> completed = byTop(prepared.completedLines({sliver, cutShort}));
        QCOMPARE(completed.size(), size_t(3));
        QVERIFY(completed[0].contains(rows[0]));
        QVERIFY(completed[0].height() < 2 * rows[0].height());
    }

    void thePoolKeepsTheRecentEnginesAndLetsTheOldestGo()
    {
        TesseractEnginePool pool(TesseractEngine::defaultTessdataPath(), 2);
        // An engine the pool kept still carries what was set on it; a new one does not.
        auto mark = [&](const QString &model) { pool.acquire(model)->SetVariable("tessedit_char_blacklist", "Q"); };
        auto kept = [&](const QString &model) {
            const TesseractEnginePool::Lease lease = pool.acquire(model);
            return QByteArray(lease->GetStringVariable("tessedit_char_blacklist")) == "Q";
        };
        mark("eng");
        mark("fra");
        mark("deu");
        QVERIFY(kept("deu"));
        QVERIFY(kept("fra"));
        QVERIFY(!kept("eng"));
        // Now a new eng and the marked fra are kept, eng the more recent.
        QVERIFY(pool.trim(1));
        QVERIFY(!pool.trim(1));
        QVERIFY(!kept("fra"));
    }

    // Screens as applications draw them: text on shapes of every colour, each read in its own
    // polarity; a table row by row with its cells apart; controls adding nothing; no line lost.
    void readsApplicationScreens_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<QString>("expected");
        const QColor dark(0x1f, 0x1f, 0x1f);
        QTest::newRow("chat bubbles") << AppScreen(520, 130, Qt::white)
                                             .shape({10, 14, 30, 30}, QColor(0xd2, 0x40, 0x5a), 0, true)
                                             .shape({50, 10, 300, 38}, QColor(0xe9, 0xe9, 0xeb), 18)
                                             .text({64, 35}, "Are we still on for lunch?", dark)
                                             .shape({230, 70, 270, 38}, QColor(0x2f, 0x6f, 0xed), 18)
                                             .text({246, 95}, "Yes, at the usual place.", Qt::white)
                                             .image()
                                      << "Are we still on for lunch?\nYes, at the usual place.";
        QTest::newRow("buttons and a badge") << AppScreen(480, 60, QColor(0x1e, 0x1f, 0x22))
                                                    .shape({10, 12, 90, 34}, QColor(0x2e, 0x9d, 0x48))
                                                    .text({30, 35}, "Save", Qt::white)
                                                    .shape({110, 12, 100, 34}, QColor(0xd9, 0x3b, 0x3b))
                                                    .text({126, 35}, "Delete", Qt::white)
                                                    .shape({220, 12, 100, 34}, QColor(0x3a, 0x3c, 0x42))
                                                    .text({236, 35}, "Cancel", QColor(0xe3, 0xe3, 0xe3))
                                                    .text({340, 35}, "Inbox", QColor(0xe3, 0xe3, 0xe3))
                                                    .shape({392, 18, 28, 22}, QColor(0xe0, 0x41, 0x3a), 11)
                                                    .text({398, 35}, "12", Qt::white)
                                                    .image()
                                             << "Save Delete Cancel Inbox 12";
        const QColor grey(0x6f, 0x6f, 0x6f);
        QTest::newRow("radio buttons beside two-line labels")
            << AppScreen(360, 120, Qt::white)
                   .outline({14, 19, 18, 18}, grey, 9)
                   .text({46, 24}, "Performance", dark)
                   .text({46, 46}, "High power usage", grey)
                   .shape({14, 79, 18, 18}, QColor(0x35, 0x84, 0xe4), 9, true)
                   .shape({20, 85, 6, 6}, Qt::white, 3, true)
                   .text({46, 84}, "Balanced", dark)
                   .text({46, 106}, "Standard power usage", grey)
                   .image()
            << "Performance\nHigh power usage\nBalanced\nStandard power usage";
        QTest::newRow("an unread count far from its label")
            << AppScreen(300, 70, Qt::white)
                   .text({20, 26}, "Downloads", dark)
                   .shape({250, 10, 24, 20}, QColor(0x35, 0x84, 0xe4), 10)
                   .text({257, 26}, "3", Qt::white)
                   .text({20, 58}, "Trash", dark)
                   .image()
            << "Downloads 3\nTrash";
        QTest::newRow("a link on a dark page") << AppScreen(460, 50, QColor(0x1b, 0x1d, 0x22))
                                                      .text({10, 30}, "See the", QColor(0xe4, 0xe4, 0xe4))
                                                      .text({72, 30}, "release notes", QColor(0x8a, 0xb4, 0xf8))
                                                      .text({184, 30}, "before you upgrade.", QColor(0xe4, 0xe4, 0xe4))
                                                      .image()
                                               << "See the release notes before you upgrade.";
        QTest::newRow("table with grid lines") << AppScreen(420, 110, Qt::white)
                                                      .shape({10, 10, 400, 30}, QColor(0xf3, 0xf3, 0xf3), 0)
                                                      .outline({10, 10, 400, 90}, QColor(0xc0, 0xc0, 0xc0))
                                                      .outline({10, 40, 400, 30}, QColor(0xc0, 0xc0, 0xc0))
                                                      .outline({150, 10, 130, 90}, QColor(0xc0, 0xc0, 0xc0))
                                                      .text({20, 31}, "Name", dark).text({160, 31}, "Office", dark)
                                                      .text({290, 31}, "Phone", dark)
                                                      .text({20, 61}, "Alice Martin", dark).text({160, 61}, "Berlin", dark)
                                                      .text({290, 61}, "1234", dark)
                                                      .text({20, 91}, "Bob Chen", dark).text({160, 91}, "Paris", dark)
                                                      .text({290, 91}, "5678", dark)
                                                      .image()
                                               << "Name\tOffice\tPhone\nAlice Martin\tBerlin\t1234\nBob Chen\tParis\t5678";
        QTest::newRow("menu with shortcuts") << AppScreen(320, 80, Qt::white)
                                                    .shape({6, 6, 300, 66}, QColor(0xf3, 0xf3, 0xf3))
                                                    .text({20, 32}, "Copy", dark).text({230, 32}, "Ctrl+C", QColor(0x70, 0x70, 0x70))
                                                    .text({20, 60}, "Paste", dark).text({230, 60}, "Ctrl+V", QColor(0x70, 0x70, 0x70))
                                                    .image()
                                             << "Copy Ctrl+C\nPaste Ctrl+V";
        const QColor number(0x85, 0x85, 0x85), code(0xd4, 0xd4, 0xd4);
        QTest::newRow("a code editor with line numbers")
            << AppScreen(460, 130, QColor(0x1e, 0x1e, 0x1e))
                   .font("DejaVu Sans Mono")
                   .text({10, 24}, " 8", number).text({60, 24}, "def area(width, height):", code)
                   .text({10, 52}, " 9", number).text({60, 52}, "    if width < 0:", code)
                   .text({10, 80}, "10", number).text({60, 80}, "        raise ValueError(width)", code)
                   .text({10, 108}, "11", number).text({60, 108}, "    return width * height", code)
                   .image()
            << "def area(width, height):\n    if width < 0:\n        raise ValueError(width)\n    return width * height";
        // A closing brace alone on its line, far from its number, at its block's indentation.
        QTest::newRow("closing braces alone on their lines")
            << AppScreen(640, 250, QColor(0x28, 0x2a, 0x36))
                   .font("DejaVu Sans Mono", 21)
                   .text({16, 32}, "20", number).text({110, 32}, "int area(int width) {", code)
                   .text({16, 70}, "21", number).text({110, 70}, "    if (width < 0) {", code)
                   .text({16, 108}, "22", number).text({110, 108}, "        return -1;", code)
                   .text({16, 146}, "23", number).text({110, 146}, "    }", code)
                   .text({16, 184}, "24", number).text({110, 184}, "    return width * 2;", code)
                   .text({16, 222}, "25", number).text({110, 222}, "}", code)
                   .image()
            << "int area(int width) {\n    if (width < 0) {\n        return -1;\n    }\n    return width * 2;\n}";
        QTest::newRow("Latin words in a Korean dialog")
            << AppScreen(420, 100, Qt::white)
                   .font("Noto Sans CJK KR")
                   .text({20, 30}, "주석 포함 (Comments)", dark)
                   .shape({20, 50, 260, 40}, QColor(0x35, 0x84, 0xe4))
                   .text({34, 77}, "내보내기 (Export)", Qt::white)
                   .image()
            << "주석 포함 (Comments)\n내보내기 (Export)";
        QTest::newRow("settings with check boxes and a switch")
            << AppScreen(380, 110, Qt::white)
                   .outline({12, 14, 16, 16}, QColor(0x6f, 0x6f, 0x6f), 3)
                   .text({40, 28}, "Show notifications", dark)
                   .shape({12, 44, 16, 16}, QColor(0x2f, 0x6f, 0xed), 3)
                   .text({40, 58}, "Send usage statistics", dark)
                   .text({12, 88}, "Dark mode", dark)
                   .shape({300, 74, 40, 20}, QColor(0x2f, 0x6f, 0xed), 10)
                   .shape({320, 76, 16, 16}, Qt::white, 0, true)
                   .image()
            << "Show notifications\nSend usage statistics\nDark mode";
    }
    void readsApplicationScreens()
    {
        QFETCH(QImage, image);
        QFETCH(QString, expected);
        const OCRResult result = provider().recognizeNow(image, OCRRequest{PreferredLanguageMode::automatic});
        QVERIFY2(textDistance(result.text, expected) <= 1, qPrintable(result.text));
        QCOMPARE(result.text.count(u'\n'), expected.count(u'\n'));
    }

    // A long paragraph set tight, each of its lines read: none is lost or merged with another,
    // also where it is a small part of a tall capture (a long document's page).
    void noLineIsLost()
    {
        QStringList lines;
        for (int i = 0; i < 14; ++i)
            lines << QStringLiteral("Line %1 of the minutes: the committee agreed on item %2.").arg(i + 1).arg(40 + i);
        const QImage paragraph = TextRenderer{"Noto Serif", 14, 1, false}.render(lines);
        const QString heading = QStringLiteral("Minutes of the spring meeting");
        const QImage title = TextRenderer{"Noto Serif", 26, 1, false}.render({heading});
        QImage page(paragraph.width(), 1800, QImage::Format_RGB32);
        page.fill(paragraph.pixel(0, 0));
        QPainter painter(&page);
        painter.drawImage(0, 0, title);
        painter.drawImage(0, title.height(), paragraph);
        painter.end();
        const std::pair<QImage, QStringList> captures[] = {{paragraph, lines}, {page, QStringList{heading} + lines}};
        for (const auto &[image, expected] : captures) {
            const OCRResult result = provider().recognizeNow(image, OCRRequest{PreferredLanguageMode::automatic});
            QCOMPARE(result.text.count(u'\n'), expected.size() - 1);
            QVERIFY2(textDistance(result.text, expected.join(u'\n')) <= 3, qPrintable(result.text));
        }
    }

    // Stopped by the user or by the deadline, recognition ends at once and says which; noise
    // holds no text and is found to hold none.
    void stopsAtItsLimit()
    {
        const QImage text = rendered({"Recognition may be stopped at any time."}, "Noto Sans", 16);
        RecognitionLimit cancelled = RecognitionLimit::within(std::chrono::seconds(60));
        int passes = 0;
        const OCRResult stopped = provider().recognizeNow(text, OCRRequest{PreferredLanguageMode::automatic, cancelled},
                                                          [&](RecognitionStrategy) {
                                                              if (++passes == 1)
                                                                  cancelled.cancel();
                                                          });
        QCOMPARE(stopped.status, OCRStatus::failed);
        QCOMPARE(stopped.failureReason, OCRFailureReason::cancelled);
        QVERIFY(stopped.text.isEmpty());

        RecognitionLimit late = RecognitionLimit::within(std::chrono::milliseconds(0));
        const OCRResult timedOut = provider().recognizeNow(text, OCRRequest{PreferredLanguageMode::automatic, late});
        QCOMPARE(timedOut.failureReason, OCRFailureReason::timedOut);
        // A long text runs out of time while both threads read its lines: still a stop at the
        // deadline, which keeps the clipboard, and no failure, which would clear it.
        QStringList page;
        for (int i = 0; i < 40; ++i)
            page << QStringLiteral("Line %1 is read while the deadline passes, on one thread or the other.").arg(i);
        RecognitionLimit soon = RecognitionLimit::within(std::chrono::milliseconds(400));
        const OCRResult cut = provider().recognizeNow(rendered(page, "Noto Sans", 14), OCRRequest{PreferredLanguageMode::automatic, soon});
        QCOMPARE(cut.failureReason, OCRFailureReason::timedOut);

        QImage noise(800, 600, QImage::Format_RGB32);
        QRandomGenerator random(11);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, 0xff000000u | (random.generate() & 0xffffffu));
        QCOMPARE(provider().recognizeNow(noise, OCRRequest{}).status, OCRStatus::noText);
    }

    void blankRegionInAutomaticModeIsNoTextAfterThreePasses()
    {
        QImage blank(600, 80, QImage::Format_RGB32);
        blank.fill(QColor(0x2b, 0x2b, 0x2b));
        int passes = 0;
        const OCRResult result = provider().recognizeNow(blank, OCRRequest{PreferredLanguageMode::automatic},
                                                         [&](RecognitionStrategy) { ++passes; });
        QCOMPARE(passes, 3);
        QCOMPARE(result.status, OCRStatus::noText);
        QVERIFY(result.text.isEmpty());
    }

    void oddImagesGiveNoTextWithoutCrashing_data()
    {
        QTest::addColumn<QImage>("image");
        QImage transparent(300, 100, QImage::Format_ARGB32);
        transparent.fill(Qt::transparent);
        QImage huge(8000, 8000, QImage::Format_Grayscale8);
        huge.fill(255);
        QImage one(1, 1, QImage::Format_RGB32);
        one.fill(Qt::black);
        QTest::newRow("null") << QImage();
        QTest::newRow("1x1") << one;
        QTest::newRow("transparent") << transparent;
        QTest::newRow("8000x8000 blank") << huge;
        QTest::newRow("one pixel high") << QImage(500, 1, QImage::Format_RGB32);
    }

    void oddImagesGiveNoTextWithoutCrashing()
    {
        QFETCH(QImage, image);
        const OCRResult result = provider().recognizeNow(image, OCRRequest{PreferredLanguageMode::prioritizeCJK});
        QCOMPARE(result.status, OCRStatus::noText);
    }

    void missingLanguagePacksAreLeftOut()
    {
        QTemporaryDir tessdata;
        QVERIFY(QFile::link(TesseractEngine::defaultTessdataPath() + "/eng.traineddata", tessdata.filePath("eng.traineddata")));
        auto englishOnly = std::make_shared<TesseractEngine>(tessdata.path());
        QCOMPARE(englishOnly->supportedRecognitionLanguages({}), QStringList{"en-US"});
        const OCRResult result = provider(englishOnly).recognizeNow(
            rendered({"Only English is installed here."}, "Noto Sans", 16), OCRRequest{PreferredLanguageMode::prioritizeCJK});
        QCOMPARE(result.status, OCRStatus::success);
        QCOMPARE(result.text, QStringLiteral("Only English is installed here."));
    }

    void aModelThatCannotLoadFailsTheRecognitionOnEitherLineThread()
    {
        // Enough lines for a second line thread; the Chinese ones need the model that fails to
        // load, on whichever thread reaches them first.
        QTemporaryDir tessdata;
        QVERIFY(QFile::link(TesseractEngine::defaultTessdataPath() + "/eng.traineddata", tessdata.filePath("eng.traineddata")));
        QFile broken(tessdata.filePath("chi_sim.traineddata"));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write(QByteArray(4096, 'x')) == 4096);
        broken.close();
        const QStringList lines{"Meeting notes", "今天的天气很好", "我们去公园散步吧", "请把这份文件发送给项目经理",
                                "人人生而自由", "在尊严和权利上一律平等", "他们赋有理性和良心", "并应以兄弟关系的精神相对待"};
        const OCRResult result = provider(std::make_shared<TesseractEngine>(tessdata.path()))
                                     .recognizeNow(rendered(lines, "Noto Sans CJK SC", 16), OCRRequest{PreferredLanguageMode::prioritizeLatin});
        QCOMPARE(result.status, OCRStatus::failed);
        QCOMPARE(result.failureReason, OCRFailureReason::recognitionFailed);
    }

    void noTraineddataAtAllFails()
    {
        QTemporaryDir empty;
        const OCRResult result = provider(std::make_shared<TesseractEngine>(empty.path()))
                                     .recognizeNow(rendered({"Hello"}, "Noto Sans", 16), OCRRequest{});
        QCOMPARE(result.status, OCRStatus::failed);
        QCOMPARE(result.failureReason, OCRFailureReason::recognitionFailed);
    }

    void languageDetection()
    {
        const Cld2LanguageRecognizer recognizer;
        QCOMPARE(recognizer.dominantLanguage("This is clearly an English sentence about the weather."), QStringLiteral("en"));
        QVERIFY(recognizer.dominantLanguage("").isEmpty());
        QVERIFY(recognizer.dominantLanguage("42").isEmpty());
        // Spanish as the English model reads it, which CLD2 alone calls Galician.
        const QString spanishReadInEnglish("El pingtino comi6 jamon en la montafia.\néDoénde esta la estacidn de autobuses?");
        QCOMPARE(Cld2LanguageRecognizer::plausibleLanguages(spanishReadInEnglish, {"fr", "de", "it", "pt", "es", "tr"}),
                 (QStringList{"es", "pt"}));
    }
};

QTEST_MAIN(TesseractRecognitionTest)
#include "TesseractRecognitionTest.moc"
