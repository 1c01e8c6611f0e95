// Shows one line of text, or a picture pixel for pixel, in a borderless window, for tests and
// benchmarks that drive the built program.
//   show_text X Y FAMILY PIXEL_SIZE TEXT
//   show_text X Y --image FILE
#include <QApplication>
#include <QLabel>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc == 5 && QByteArray(argv[3]) == "--image") {
        QLabel picture(nullptr, Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
        const QPixmap pixmap(QString::fromUtf8(argv[4]));
        picture.setPixmap(pixmap);
        // Whole, however large: a new window is otherwise held to part of the screen.
        picture.resize(pixmap.size());
        picture.setWindowTitle("show_text");
        picture.move(QByteArray(argv[1]).toInt(), QByteArray(argv[2]).toInt());
        picture.show();
        return app.exec();
    }
    if (argc != 6)
        qFatal("usage: show_text X Y FAMILY PIXEL_SIZE TEXT | show_text X Y --image FILE");
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
