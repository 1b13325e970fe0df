#include "ui/container.h"

#include "ui/form.h"

namespace ui {

Container::Container(Form& form)
    : form_(&form)
    , widget_(form.client())
{
}

Container::Container(Form& form, QWidget* inside)
    : form_(&form)
    , widget_(inside)
{
}

void place(QWidget& control, const Container& container, const Rect& rect, bool rightToLeft, bool visible)
{
    Q_ASSERT(control.parentWidget() == container.widget());
    control.setGeometry(rect.toPixels());
    control.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    control.setAttribute(Qt::WA_NoMousePropagation);
    control.setMouseTracking(true);
    control.lower();
    control.setVisible(visible);
}

} // namespace ui
