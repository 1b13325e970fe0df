#include "ui/textbox.h"

#include "ui/border.h"
#include "ui/form.h"
#include "ui/palette.h"

#include <QPainter>

namespace ui {

TextBox::TextBox(const Container& container, const Rect& rect, const TextBoxProps& props)
    : QLineEdit(container.widget())
    , dropBox_(props.dropBox)
{
    place(*this, container, rect, props.rightToLeft, props.visible);
    // The border is the box's own, sunken as the system draws it; the text keeps clear of it.
    setFrame(false);
    const int border = twoLineBorderWidth();
    setTextMargins(border, border, border, border);
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

void TextBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const QRect inside = drawSunkenBorder(painter, rect(), palette());
    if (hasFocus()) // where the keyboard is, also in a locked box, which shows no cursor
        drawBorder(painter, inside, palette().color(QPalette::Highlight));
}

} // namespace ui
