#include "ui/clientarea.h"

#include "ui/zoom.h"

#include <QPainter>
#include <QSvgRenderer>

namespace ui {

ClientArea::ClientArea(QWidget* parent, QString picture)
    : QWidget(parent)
    , picture_(std::move(picture))
{
    setMouseTracking(true);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void ClientArea::paintEvent(QPaintEvent*)
{
    if (picture_.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    if (artwork_.isNull() || artwork_.devicePixelRatio() != ratio) {
        // Drawn afresh at the zoomed size rather than stretched, so it stays sharp.
        QSvgRenderer renderer(picture_);
        const QSizeF size = QSizeF(renderer.defaultSize()) * zoom();
        artwork_ = QPixmap((size * ratio).toSize());
        artwork_.setDevicePixelRatio(ratio);
        artwork_.fill(Qt::transparent);
        QPainter painter(&artwork_);
        renderer.render(&painter, QRectF(QPointF(), size));
    }
    QPainter(this).drawPixmap(0, 0, artwork_);
}

void ClientArea::mouseMoveEvent(QMouseEvent*)
{
    emit MouseMove();
}

} // namespace ui
