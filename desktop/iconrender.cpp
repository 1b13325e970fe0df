// Renders the program's scalable icon as a square PNG of one size, for the icon theme.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s icon.svg side out.png\n", argv[0]);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int side = QString::fromLocal8Bit(argv[2]).toInt();
    if (!renderer.isValid() || side <= 0)
        return 1;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, side, side));
    }
    return image.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
