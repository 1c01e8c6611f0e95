// Codes as a user meets them: rendered by another program (zint), shown on the virtual desktop,
// selected with the mouse and read from the clipboard as another program would paste it. Small
// codes, light on dark, on a screen at twice the pixels per point; barcodes alone, and a row of
// digits that must stay text.
#include "codes/CodeNotice.h"
#include "codes/CodeReadingOCRProvider.h"
#include "feedback/Localization.h"

#include "CaptureScene.h"
#include "DesktopDriver.h"
#include "X11Clipboard.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

namespace {
// zint's symbologies by number.
enum Symbology { code128 = 20, ean13 = 13, pdf417 = 55, dataMatrix = 71, qrCode = 58, microQr = 97, aztec = 92 };

// The code as zint draws it, at so many pixels a module; light on dark when inverted.
QImage rendered(Symbology symbology, const QString &content, int scale, bool inverted = false)
{
    static QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("code.png"));
    QStringList arguments{QStringLiteral("--barcode=%1").arg(symbology), QStringLiteral("--scale=%1").arg(scale),
                          QStringLiteral("--output=") + file, QStringLiteral("--data=") + content};
    if (inverted)
        arguments << QStringLiteral("--fg=e8e8e8") << QStringLiteral("--bg=1e1e1e");
    QProcess zint;
    zint.start(QStringLiteral("zint"), arguments);
    if (!zint.waitForFinished() || zint.exitCode() != 0)
        qFatal("zint could not draw the code: %s", zint.readAllStandardError().constData());
    return QImage(file);
}

// A borderless window at a place of a screen: the image on a panel of its background colour,
// with text beside it when given.
std::unique_ptr<QWidget> shown(int screenIndex, const QImage &image, const QString &text = {}, bool dark = false)
{
    QScreen *screen = QGuiApplication::screens().at(screenIndex);
    auto window = std::make_unique<QWidget>(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    window->setStyleSheet(dark ? "background: #1e1e1e; color: #e8e8e8;" : "background: white; color: #1d1d1f;");
    auto *layout = new QHBoxLayout(window.get());
    layout->setContentsMargins(16, 16, 16, 16);
    layout->setSpacing(24);
    auto *code = new QLabel;
    code->setPixmap(QPixmap::fromImage(image));
    layout->addWidget(code);
    if (!text.isEmpty()) {
        auto *words = new QLabel(text);
        QFont font(QStringLiteral("Noto Sans"));
        font.setPixelSize(22);
        words->setFont(font);
        layout->addWidget(words);
    }
    window->setScreen(screen);
    window->move(screen->geometry().topLeft() + QPoint(120, 160));
    window->show();
    if (!DesktopDriver::waitUntilShown(window.get()))
        qFatal("the code window never showed");
    return window;
}

QString clipboardText()
{
    return QString::fromUtf8(X11Clipboard::read().data);
}

class CodeCaptureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::screens().size() == 2, "needs the desktop's two monitors");
        QCOMPARE(QGuiApplication::screens().at(1)->devicePixelRatio(), 2.0);
    }

    void codesAreCopiedWithTheirKindInTheNotice_data()
    {
        QTest::addColumn<int>("symbology");
        QTest::addColumn<int>("scale");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("kind");
        const QString url = QStringLiteral("https://example.org/pay?id=4711");
        QTest::newRow("QR Code, two pixels a module") << int(qrCode) << 2 << false << 0 << url << "QR Code";
        QTest::newRow("QR Code, light on dark") << int(qrCode) << 3 << true << 0 << url << "QR Code";
        QTest::newRow("QR Code, at 2x") << int(qrCode) << 2 << false << 1 << url << "QR Code";
        QTest::newRow("Micro QR Code") << int(microQr) << 3 << false << 0 << "TESSARIN42" << "Micro QR Code";
        QTest::newRow("Data Matrix, two pixels a module") << int(dataMatrix) << 2 << false << 0
                                                         << "LOT 2231-A expires 2027-04" << "Data Matrix";
        QTest::newRow("Aztec") << int(aztec) << 3 << false << 0 << "Boarding pass ZRH-LIS 14C" << "Aztec";
        QTest::newRow("PDF417") << int(pdf417) << 2 << false << 0 << "Invoice 2026-118, 84.20 EUR" << "PDF417";
        QTest::newRow("EAN-13 alone") << int(ean13) << 2 << false << 0 << "5901234123457" << "EAN-13";
        QTest::newRow("Code 128 alone") << int(code128) << 2 << false << 0 << "PKG-0042-77" << "Code 128";
        QTest::newRow("EAN-13, light on dark, at 2x") << int(ean13) << 2 << true << 1 << "4006381333931" << "EAN-13";
    }

    void codesAreCopiedWithTheirKindInTheNotice()
    {
        QFETCH(int, symbology);
        QFETCH(int, scale);
        QFETCH(bool, inverted);
        QFETCH(int, screen);
        QFETCH(QString, content);
        QFETCH(QString, kind);
        // zint draws EAN-13 from the first twelve digits and adds the check digit itself.
        const QString data = symbology == ean13 ? content.left(12) : content;
        CaptureScene scene;
        const auto window = shown(screen, rendered(Symbology(symbology), data, scale, inverted), {}, inverted);
        QVERIFY(scene.captureText(CaptureScene::areaAround(window.get())));
        QCOMPARE(clipboardText(), content);
        QCOMPARE(scene.visibleToast(), L::text(LocalizedKey::codeCopied).arg(kind, content));
    }

    void aCodeComesBeforeTheTextAroundIt()
    {
        CaptureScene scene;
        const QString url = QStringLiteral("https://example.org/menu/lunch-of-the-week-in-the-canteen");
        const auto window = shown(0, rendered(qrCode, url, 2), QStringLiteral("Scan for the menu"));
        QVERIFY(scene.captureText(CaptureScene::areaAround(window.get())));
        QCOMPARE(clipboardText(), url + QStringLiteral("\nScan for the menu"));
        // A long content is cut in the notice, never on the clipboard.
        QCOMPARE(scene.visibleToast(), L::text(LocalizedKey::codeCopied).arg("QR Code", url.left(40) + u'…'));
    }

    void aRowOfDigitsIsText()
    {
        CaptureScene scene;
        QLabel *digits = scene.showText(0, QPoint(150, 200), QStringLiteral("91385057399027"),
                                        QStringLiteral("Noto Sans"), 24);
        QVERIFY(scene.captureText(CaptureScene::areaAround(digits)));
        QCOMPARE(clipboardText(), QStringLiteral("91385057399027"));
        QCOMPARE(scene.visibleToast(), L::text(LocalizedKey::textCopied));
    }

    void aBarcodeBesideTextIsLeftToTheText()
    {
        // The barcode is a small part of the selection: what the user selected is the text.
        CaptureScene scene;
        const auto window = shown(0, rendered(code128, QStringLiteral("AB12"), 1),
                                  QStringLiteral("Shipping label for the parcel to Lisbon, order 2231"));
        QVERIFY(scene.captureText(CaptureScene::areaAround(window.get())));
        QVERIFY2(!clipboardText().contains(QStringLiteral("AB12")), qPrintable(clipboardText()));
        QVERIFY2(clipboardText().contains(QStringLiteral("Shipping label for the parcel to Lisbon")),
                 qPrintable(clipboardText()));
    }

    void codesStandEvenWhereTheTextRanOutOfTime()
    {
        const QList<DecodedCode> codes{{QStringLiteral("QR Code"), QStringLiteral("WIFI:S:home;;")}};
        OCRResult timedOut;
        timedOut.status = OCRStatus::failed;
        timedOut.failureReason = OCRFailureReason::timedOut;
        const OCRResult kept = CodeReadingOCRProvider::combined(codes, timedOut);
        QCOMPARE(kept.status, OCRStatus::success);
        QCOMPARE(kept.text, QStringLiteral("WIFI:S:home;;"));
        QCOMPARE(kept.codes, codes);

        OCRResult cancelled = timedOut;
        cancelled.failureReason = OCRFailureReason::cancelled;
        QCOMPARE(CodeReadingOCRProvider::combined(codes, cancelled), cancelled);

        QCOMPARE(CodeNotice::copied({codes.constFirst(), codes.constFirst()}),
                 L::count(LocalizedKey::codesCopiedCount, 2));
        QCOMPARE(CodeNotice::shortened(QStringLiteral("  first line\nsecond")), QStringLiteral("first line…"));
    }
};
} // namespace

QTEST_MAIN(CodeCaptureTest)
#include "CodeCaptureTest.moc"
