#include "ui/commandbutton.h"

#include "ui/form.h"

namespace ui {

CommandButton::CommandButton(const Container& container, const Rect& rect, const CommandButtonProps& props)
    : QPushButton(props.caption, container.widget())
{
    place(*this, container, rect, props.rightToLeft, props.visible);
    if (props.font.face != Face::Default)
        setFont(toQFont(props.font));
    setAutoDefault(true); // Enter clicks the focused button
    connect(this, &QPushButton::clicked, this, &CommandButton::Click);
    container.form().addToTabOrder(this, props.tabIndex);
}

} // namespace ui
