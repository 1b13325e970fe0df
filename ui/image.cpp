#include "ui/image.h"

#include "ui/border.h"
#include "ui/pointer.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

// A screen reader announces a picture as a graphic and reads the word it shows.
QAccessibleInterface* accessibleImage(const QString&, QObject* object)
{
    auto* image = qobject_cast<Image*>(object);
    return image ? new QAccessibleWidget(image, QAccessible::Graphic) : nullptr;
}

} // namespace

Image::Image(const Container& container, const Rect& rect, const ImageProps& props)
    : QWidget(container.widget())
    , picture_(props.picture)
    , border_(props.border)
{
    static const bool accessible = (QAccessible::installFactory(accessibleImage), true);
    Q_UNUSED(accessible);
    place(*this, container, rect, false, props.visible);
    if (props.pointer)
        setPointer(*this, *props.pointer);
    setAccessibleName(props.accessibleName);
}

void Image::setBorderStyle(int style)
{
    if ((style == FixedSingle) == border_)
        return;
    border_ = style == FixedSingle;
    update();
}

void Image::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = border_ ? drawBorder(painter, rect(), palette().color(QPalette::WindowText)) : rect();
    if (picture_)
        paint(painter, area, *picture_);
}

void Image::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    clicks_.press(*event);
}

void Image::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (clicks_.release(*event, rect()))
        emit Click();
}

} // namespace ui
