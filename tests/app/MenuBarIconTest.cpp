#include "app/MenuBarIcon.h"

#include <QPainter>
#include <QTest>

class MenuBarIconTest : public QObject
{
    Q_OBJECT

private slots:
    void trayIconStandsOutOnDarkAndLightPanels()
    {
        // Most Linux panels are dark, some light, and the drawn icon cannot know which.
        for (qreal ratio : {1.0, 2.0}) {
            const QImage icon = MenuBarIcon::outlined(22, ratio);
            // Drawn at the device pixel ratio, not scaled up.
            QCOMPARE(icon.size(), QSize(22, 22) * ratio);
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
