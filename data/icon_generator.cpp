// Writes the application icon and the tray's symbolic icon as SVG, from the tray icon's drawing.
//   icon_generator APPLICATION.svg SYMBOLIC.svg
#include "app/MenuBarIcon.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <functional>

namespace {
bool writeSvg(const char *fileName, int size, const std::function<void(QPainter &)> &draw)
{
    QSvgGenerator svg;
    svg.setFileName(QString::fromLocal8Bit(fileName));
    svg.setSize(QSize(size, size));
    svg.setViewBox(QRect(0, 0, size, size));
    svg.setTitle(QStringLiteral("Tessarin"));
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return painter.end();
}
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        qFatal("usage: icon_generator APPLICATION.svg SYMBOLIC.svg");
    const bool application = writeSvg(argv[1], 128, [](QPainter &painter) {
        // A tile behind the mark, so it stands out on light and dark application menus alike.
        QPainterPath tile;
        tile.addRoundedRect(QRectF(4, 4, 120, 120), 26, 26);
        painter.fillPath(tile, QColor(0, 122, 255));
        MenuBarIcon::paint(painter, 128, Qt::white);
    });
    // Symbolic icons are one grey shape on 16 x 16; the desktop repaints the grey in its panel's
    // text colour.
    const bool symbolic = writeSvg(argv[2], 16, [](QPainter &painter) {
        MenuBarIcon::paint(painter, 16, QColor(0xbe, 0xbe, 0xbe));
    });
    return application && symbolic ? 0 : 1;
}
