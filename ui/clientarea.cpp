#include "ui/clientarea.h"

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
        QSvgRenderer renderer(picture_);
        artwork_ = QPixmap(renderer.defaultSize() * ratio);
        artwork_.setDevicePixelRatio(ratio);
        artwork_.fill(Qt::transparent);
        QPainter painter(&artwork_);
        renderer.render(&painter, QRectF(QPointF(), renderer.defaultSize()));
    }
    QPainter(this).drawPixmap(0, 0, artwork_);
}

void ClientArea::mouseMoveEvent(QMouseEvent*)
{
    emit MouseMove();
}

} // namespace ui
