#include "ui/textbox.h"

#include "ui/form.h"
#include "ui/palette.h"

namespace ui {

TextBox::TextBox(const Container& container, const Rect& rect, const TextBoxProps& props)
    : QLineEdit(container.widget())
    , dropBox_(props.dropBox)
{
    place(*this, container, rect, props.rightToLeft, props.visible);
    setAlignment(toQt(props.alignment) | Qt::AlignVCenter);
    setColors(*this, props.back, props.fore);
    if (props.font.face != Face::Default)
        setFont(toQFont(props.font));
    setReadOnly(props.locked);
    // Only tiles of this form may land here, never text dragged from another program.
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &QWidget::setAccessibleName);
    setText(props.text);
    container.form().addToTabOrder(this, props.tabIndex);
}

} // namespace ui
