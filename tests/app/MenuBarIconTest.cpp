#include "app/MenuBarIcon.h"
#include "feedback/ToastIcon.h"
#include "settings/ColorContrast.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

namespace {
QImage onPanel(const QImage &icon, const QColor &panel)
{
    QImage shown(icon.size(), QImage::Format_RGB32);
    shown.fill(panel);
    QImage unscaled = icon;
    unscaled.setDevicePixelRatio(1);
    QPainter(&shown).drawImage(0, 0, unscaled);
    return shown;
}

struct Area {
    int pixels = 0;
    QRect bounds;
};

// The separate areas (touching sideways or up and down) of pixels lighter than mid grey, from top
// to bottom.
std::vector<Area> lightAreas(const QImage &image)
{
    std::vector<bool> seen(size_t(image.width() * image.height()), false);
    std::function<void(Area &, QPoint)> fill = [&](Area &area, QPoint at) {
        const size_t index = size_t(at.y() * image.width() + at.x());
        if (!image.rect().contains(at) || seen[index] || qGray(image.pixel(at)) < 128)
            return;
        seen[index] = true;
        ++area.pixels;
        area.bounds |= QRect(at, QSize(1, 1));
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
            fill(area, at + step);
    };
    std::vector<Area> areas;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            Area area;
            fill(area, QPoint(x, y));
            if (area.pixels > 0)
                areas.push_back(area);
        }
    }
    return areas;
}
} // namespace

class MenuBarIconTest : public QObject
{
    Q_OBJECT

private slots:
    void trayIconIsLegibleOnDarkAndLightPanels()
    {
        // Most Linux panels are dark, some light, and the drawn icon cannot know which.
        for (int size : {16, 22, 24}) {
            for (qreal ratio : {1.0, 2.0}) {
                const QImage icon = MenuBarIcon::outlined(size, ratio);
                // Drawn at the device pixel ratio, not scaled up.
                QCOMPARE(icon.size(), QSize(size, size) * ratio);
                for (const QColor panel : {QColor(30, 30, 30), QColor(240, 240, 240)}) {
                    const QImage shown = onPanel(icon, panel);
                    const QString where = QStringLiteral("%1 px at %2x on %3").arg(size).arg(ratio).arg(panel.name());
                    int shape = 0;
                    int contrasting = 0;
                    for (int y = 0; y < icon.height(); ++y) {
                        for (int x = 0; x < icon.width(); ++x) {
                            if (qAlpha(icon.pixel(x, y)) == 0)
                                continue;
                            ++shape;
                            if (ColorContrast::ratio(QColor(shown.pixel(x, y)), panel) >= ColorContrast::readableText)
                                ++contrasting;
                        }
                    }
                    // At least a third of the drawing stands out from the panel as text must.
                    QVERIFY2(shape > 0 && contrasting * 3 >= shape,
                             qPrintable(QStringLiteral("%1 of %2 pixels, %3").arg(contrasting).arg(shape).arg(where)));
                    // The two brackets and the check mark each stand alone (on a light panel the panel
                    // is one more light area, the largest), and a bracket is a corner, not a blob.
                    std::vector<Area> marks = lightAreas(shown);
                    if (qGray(panel.rgb()) >= 128)
                        marks.erase(std::max_element(marks.begin(), marks.end(), [](const Area &a, const Area &b) {
                            return a.pixels < b.pixels;
                        }));
                    QVERIFY2(marks.size() == 3, qPrintable(QStringLiteral("%1 marks, %2").arg(marks.size()).arg(where)));
                    for (const Area &bracket : {marks.front(), marks.back()}) {
                        const int box = bracket.bounds.width() * bracket.bounds.height();
                        QVERIFY2(bracket.pixels * 5 < box * 4, qPrintable(QStringLiteral("a bracket fills %1 of %2 pixels, %3")
                                                                              .arg(bracket.pixels).arg(box).arg(where)));
                    }
                }
            }
        }
    }

    void hintIconIsTheDrawingAtEveryScale()
    {
        // The first-start hint tints the drawing made at the screen's ratio and fits it in its square.
        for (qreal ratio : {1.0, 2.0, 3.0}) {
            const int size = 25;
            QImage card(QSize(40, 40) * ratio, QImage::Format_ARGB32_Premultiplied);
            card.setDevicePixelRatio(ratio);
            card.fill(Qt::white);
            QPainter painter(&card);
            ToastIcon::custom(MenuBarIcon::image(22, ratio)).paint(painter, QRectF(0, 0, 40, 40), size, Qt::black);
            painter.end();
            QRect inked;
            int pixels = 0;
            for (int y = 0; y < card.height(); ++y) {
                for (int x = 0; x < card.width(); ++x) {
                    if (qGray(card.pixel(x, y)) < 128) {
                        inked |= QRect(x, y, 1, 1);
                        ++pixels;
                    }
                }
            }
            // The whole drawing across its square, centred; its strokes, not a filled square.
            const QString where = QStringLiteral("at %1x: %2 pixels in %3,%4 %5x%6")
                                      .arg(ratio).arg(pixels).arg(inked.x()).arg(inked.y()).arg(inked.width()).arg(inked.height());
            QVERIFY2(inked.width() >= 0.75 * size * ratio && inked.height() >= 0.75 * size * ratio, qPrintable(where));
            QVERIFY2(qAbs(inked.center().x() - card.width() / 2) <= ratio + 1, qPrintable(where));
            QVERIFY2(pixels < inked.width() * inked.height() / 2, qPrintable(where));
        }
    }
};

QTEST_MAIN(MenuBarIconTest)
#include "MenuBarIconTest.moc"
