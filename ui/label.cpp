#include "ui/label.h"

#include "ui/border.h"
#include "ui/form.h"
#include "ui/tiledrag.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

// A caption's line breaks are CR LF; a break that ends the caption adds no visible line.
QString displayed(QString caption)
{
    caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (caption.endsWith(u'\n'))
        caption.chop(1);
    return caption;
}

} // namespace

Label::Label(const Container& container, const Rect& rect, const LabelProps& props)
    : form_(container.form())
    , alignment_(props.alignment)
    , back_(props.back)
    , fore_(props.fore)
    , transparent_(props.transparent)
    , border_(props.border)
    , tile_(props.tile)
{
    place(*this, container, rect, props.rightToLeft, true);
    setFocusPolicy(Qt::NoFocus);
    if (props.font.face != Face::Default)
        setFont(toQFont(props.font));
    if (props.pointer)
        setCursor(toCursor(*props.pointer));
    if (!props.accessibleName.isEmpty())
        setAccessibleName(props.accessibleName);
    setText(props.caption);
}

void Label::setCaption(const QString& caption)
{
    if (caption == text())
        return;
    setText(caption);
    update();
}

void Label::setForeColor(Color color)
{
    if (color == fore_)
        return;
    fore_ = color;
    update();
}

void Label::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect area = rect();
    if (!transparent_)
        painter.fillRect(area, resolve(back_, palette()));
    if (border_)
        area = drawBorder(painter, area, resolve(SystemColor::WindowText, palette()));
    painter.setPen(resolve(fore_, palette()));
    // A caption that begins in Arabic reads right to left even on a left-to-right label, whose
    // alignment stays as declared.
    const bool leftToRight = layoutDirection() == Qt::LeftToRight;
    painter.setLayoutDirection(leftToRight && !text().isRightToLeft() ? Qt::LeftToRight : Qt::RightToLeft);
    Qt::Alignment alignment = toQt(alignment_) | (tile_ ? Qt::AlignVCenter : Qt::AlignTop);
    if (leftToRight)
        alignment |= Qt::AlignAbsolute;
    painter.drawText(area, int(alignment) | Qt::TextWordWrap, displayed(text()));
}

void Label::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (tile_ && event->button() == Qt::LeftButton)
        form_.tileDrag().start(*this, event->position().toPoint());
    else if (!tile_)
        clicks_.press(*event);
}

void Label::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (form_.tileDrag().active())
        form_.tileDrag().move(event->globalPosition().toPoint());
    else
        emit MouseMove();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (form_.tileDrag().active() && event->button() == Qt::LeftButton)
        form_.tileDrag().drop(event->globalPosition().toPoint());
    else if (clicks_.release(*event, rect()))
        emit Click();
}

} // namespace ui
