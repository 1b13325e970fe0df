#include "ui/clientarea.h"

#include "ui/artwork.h"

#include <QPainter>

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
    if (!picture_.isEmpty())
        QPainter(this).drawImage(0, 0, artwork(picture_, devicePixelRatioF()));
}

void ClientArea::mouseMoveEvent(QMouseEvent*)
{
    emit MouseMove();
}

} // namespace ui
