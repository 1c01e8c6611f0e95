#include "app/MenuBarIcon.h"

#include <QPainter>
#include <QTest>

namespace {
bool opaque(const QImage &image, int x, int y)
{
    return qAlpha(image.pixel(x, y)) >= 128;
}

} // namespace

class MenuBarIconTest : public QObject
{
    Q_OBJECT

private slots:
    void isAnAlphaOnlyImageWithBracketsInTwoCorners()
    {
        const QImage icon = MenuBarIcon::image(18);
        QCOMPARE(icon.format(), QImage::Format_Alpha8);
        QCOMPARE(icon.size(), QSize(18, 18));
        QVERIFY(opaque(icon, 2, 2));                         // top-left bracket corner
        QVERIFY(opaque(icon, 15, 15));                       // bottom-right bracket corner
        QVERIFY(!opaque(icon, 15, 2) && !opaque(icon, 2, 15)); // the other corners stay empty
        QVERIFY(!opaque(icon, 0, 0) && !opaque(icon, 17, 17));  // margins
        QVERIFY(opaque(icon, 9, 12));                        // bottom of the check mark's vee

        // Drawn at the device pixel ratio, not scaled up.
        const QImage sharp = MenuBarIcon::image(18, 2.0);
        QCOMPARE(sharp.size(), QSize(36, 36));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
    }

    void tintingKeepsTheShape()
    {
        const QImage mask = MenuBarIcon::image(24);
        const QImage tinted = MenuBarIcon::tinted(mask, QColor(255, 0, 0));
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const QRgb pixel = tinted.pixel(x, y);
                QCOMPARE(qAlpha(pixel), qAlpha(mask.pixel(x, y)));
                if (qAlpha(pixel) == 255)
                    QCOMPARE(pixel, qRgb(255, 0, 0));
            }
        }
    }

    void trayIconStandsOutOnDarkAndLightPanels()
    {
        // Most Linux panels are dark, some light, and the drawn icon cannot know which.
        for (qreal ratio : {1.0, 2.0}) {
            const QImage icon = MenuBarIcon::outlined(22, ratio);
            for (const QColor panel : {QColor(30, 30, 30), QColor(240, 240, 240)}) {
                QImage onPanel(icon.size(), QImage::Format_RGB32);
                onPanel.setDevicePixelRatio(ratio);
                onPanel.fill(panel);
                QPainter(&onPanel).drawImage(0, 0, icon);
                int shape = 0;
                int contrasting = 0;
                for (int y = 0; y < icon.height(); ++y) {
                    for (int x = 0; x < icon.width(); ++x) {
                        if (qAlpha(icon.pixel(x, y)) == 0)
                            continue;
                        ++shape;
                        if (qAbs(qGray(onPanel.pixel(x, y)) - qGray(panel.rgb())) >= 128)
                            ++contrasting;
                    }
                }
                // At least a third of the shape is drawn far from the panel's brightness.
                QVERIFY2(shape > 0 && contrasting * 3 >= shape,
                         qPrintable(QStringLiteral("%1 of %2 pixels on %3").arg(contrasting).arg(shape).arg(panel.name())));
            }
        }
    }
};

QTEST_MAIN(MenuBarIconTest)
#include "MenuBarIconTest.moc"
