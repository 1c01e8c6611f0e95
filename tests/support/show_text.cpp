// Shows one line of text in a borderless window, for tests that drive the built program.
//   show_text X Y FAMILY PIXEL_SIZE TEXT
#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 6)
        qFatal("usage: show_text X Y FAMILY PIXEL_SIZE TEXT");
    QLabel label(QString::fromUtf8(argv[5]), nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    QFont font(QString::fromUtf8(argv[3]));
    font.setPixelSize(QByteArray(argv[4]).toInt());
    label.setFont(font);
    label.setStyleSheet("QLabel { background: white; color: #1d1d1f; padding: 12px; }");
    label.setWindowTitle("show_text");
    label.move(QByteArray(argv[1]).toInt(), QByteArray(argv[2]).toInt());
    label.show();
    return app.exec();
}
