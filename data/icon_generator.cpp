// Writes the application icon as SVG, from the same drawing as the tray icon.
//   icon_generator OUTPUT.svg
#include "app/MenuBarIcon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2)
        qFatal("usage: icon_generator OUTPUT.svg");
    constexpr int size = 128;
    QSvgGenerator svg;
    svg.setFileName(QString::fromLocal8Bit(argv[1]));
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Tessarin"));
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    // A tile behind the mark, so it stands out on light and dark application menus alike.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(4, 4, size - 8, size - 8), 26, 26);
    painter.fillPath(tile, QColor(0, 122, 255));
    MenuBarIcon::paint(painter, size, Qt::white);
    return painter.end() ? 0 : 1;
}
