#include "ui/commandbutton.h"

#include "ui/border.h"
#include "ui/caption.h"
#include "ui/form.h"
#include "ui/zoom.h"

#include <QPainter>

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

// A raised face that sinks while pressed, with the caption centred on it and the keyboard's place
// shown inside the border, as on a text box. The style would shade its face into a picture first,
// anew for every window.
void CommandButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    painter.fillRect(rect(), palette().button());
    QRect face = isDown() ? drawSunkenBorder(painter, rect(), palette())
                          : drawRaisedBorder(painter, rect(), palette());
    if (hasFocus())
        drawBorder(painter, face, palette().color(QPalette::Highlight));
    if (isDown())
        face.translate(scaled(1), scaled(1));
    painter.setPen(palette().color(QPalette::ButtonText));
    drawCaption(painter, face, displayed(text()), Qt::AlignHCenter, true);
}

} // namespace ui
