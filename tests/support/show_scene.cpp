// Full-screen test scenes for Wayland sessions, where windows cannot be placed:
//   show_scene pattern OUTDIR      on every screen, a pattern in which each device pixel's colour
//                                  tells where it is; OUTDIR/NAME.png holds each screen's pixels
//   show_scene text SIZE TEXT      black text of SIZE pixels at (40, 40) on white, first screen
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {
QImage patternFor(const QScreen &screen, int seed)
{
    const QSize size = screen.geometry().size() * screen.devicePixelRatio();
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = qRgb((x * 7 + seed) & 0xff, (y * 5) & 0xff, ((x / 37) * 40 + (y / 29) * 70 + seed * 90) & 0xff);
    }
    image.setDevicePixelRatio(screen.devicePixelRatio());
    return image;
}

class Scene : public QWidget
{
public:
    explicit Scene(QScreen *screen)
    {
        setWindowTitle(QStringLiteral("show_scene"));
        setScreen(screen);
        setGeometry(screen->geometry());
        // Keeps presenting frames. Qt acknowledges a configure that keeps the size without
        // committing a new frame, and sway 1.7 can then leave a fullscreen window on a scaled
        // output undrawn (its output's background instead) until the next commit.
        connect(&m_repaint, &QTimer::timeout, this, qOverload<>(&QWidget::update));
        m_repaint.start(100);
    }
    QImage picture;
    QString text;
    int pixelSize = 32;
    bool page = false; // the text again and again, down the whole screen

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (!picture.isNull()) {
            painter.drawImage(QPointF(0, 0), picture);
            return;
        }
        painter.fillRect(rect(), Qt::white);
        QFont font(QStringLiteral("Noto Sans"));
        font.setPixelSize(pixelSize);
        painter.setFont(font);
        painter.setPen(Qt::black);
        if (!page) {
            painter.drawText(QRect(40, 40, width() - 80, pixelSize * 2), Qt::AlignLeft | Qt::AlignTop, text);
            return;
        }
        for (int y = 40; y + 2 * pixelSize < height() - 40; y += pixelSize * 3 / 2)
            painter.drawText(QRect(40, y, width() - 120, pixelSize * 2), Qt::AlignLeft | Qt::AlignTop, text);
    }

private:
    QTimer m_repaint;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    std::vector<std::unique_ptr<Scene>> scenes;
    if (args.size() == 3 && args[1] == QLatin1String("pattern")) {
        const QDir out(args[2]);
        int seed = 0;
        // The files say what each screen should show; tests wait until the screen does.
        for (QScreen *screen : QGuiApplication::screens()) {
            auto scene = std::make_unique<Scene>(screen);
            scene->picture = patternFor(*screen, seed++);
            scene->picture.save(out.filePath(screen->name() + QStringLiteral(".png")));
            // Named after its screen, so a failing test can tell which scene the desktop put where.
            scene->setWindowTitle(QStringLiteral("show_scene ") + screen->name());
            scene->showFullScreen();
            scenes.push_back(std::move(scene));
        }
    } else if (args.size() == 4 && (args[1] == QLatin1String("text") || args[1] == QLatin1String("page"))) {
        auto scene = std::make_unique<Scene>(QGuiApplication::primaryScreen());
        scene->pixelSize = args[2].toInt();
        scene->text = args[3];
        scene->page = args[1] == QLatin1String("page");
        scene->showFullScreen();
        scenes.push_back(std::move(scene));
    } else {
        qFatal("usage: show_scene pattern OUTDIR | show_scene text|page SIZE TEXT");
    }
    return app.exec();
}
