#include "ui/picture.h"

#include "ui/zoom.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace ui {

namespace {

// The drawing made at build time. Decoding it costs more than anything else a picture does, and it
// is not kept: what is kept is the drawing at the size shown.
QImage drawing(const Picture& picture)
{
    return QImage(QStringLiteral(":/clipart/%1.png").arg(picture.name));
}

// The drawing scaled to fit the size, keeping its proportions, centred on whole pixels. Qt's smooth
// scaling averages every pixel it shrinks, where drawing it scaled would sample a few.
QImage fitted(const QImage& drawing, QSize size)
{
    QImage canvas(size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    if (!drawing.isNull()) {
        const QImage shown = drawing.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QPainter(&canvas).drawImage((size.width() - shown.width()) / 2, (size.height() - shown.height()) / 2,
                                    shown);
    }
    return canvas;
}

} // namespace

QPixmap render(const Picture& picture, QSize size, qreal devicePixelRatio)
{
    const QString key = QStringLiteral("ui-picture:%1:%2x%3@%4")
                            .arg(reinterpret_cast<quintptr>(&picture))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    if (picture.artwork.isEmpty()) {
        pixmap = QPixmap::fromImage(fitted(drawing(picture), size * devicePixelRatio));
    } else {
        pixmap = QPixmap(size * devicePixelRatio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        QSvgRenderer(picture.artwork).render(&painter, QRectF(QPointF(), QSizeF(pixmap.size())));
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

void paint(QPainter& painter, const QRect& rect, const Picture& picture)
{
    painter.drawPixmap(rect.topLeft(), render(picture, rect.size(), painter.device()->devicePixelRatioF()));
}

QIcon toIcon(const Picture& picture)
{
    const QImage drawn = drawing(picture); // once for every size
    QIcon icon;
    for (int side : iconSides)
        icon.addPixmap(QPixmap::fromImage(fitted(drawn, {side, side})));
    return icon;
}

QCursor toCursor(const Pointer& pointer)
{
    const qreal ratio = qGuiApp->devicePixelRatio();
    const QSize size(scaled(pointerSize.width()), scaled(pointerSize.height()));
    return QCursor(render(pointer.picture, size, ratio), scaled(pointer.hotSpot.x()),
                   scaled(pointer.hotSpot.y()));
}

} // namespace ui
