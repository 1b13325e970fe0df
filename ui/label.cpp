#include "ui/label.h"

#include "ui/border.h"
#include "ui/form.h"
#include "ui/pointer.h"
#include "ui/tiledrag.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace ui {

namespace {

// A caption's line breaks are CR LF; a break that ends the caption adds no visible line.
QString displayed(QString caption)
{
    while (caption.endsWith(QStringLiteral("\r\n")))
        caption.chop(2);
    caption.replace(QStringLiteral("\r\n"), QChar(QChar::LineSeparator));
    return caption;
}

// Wraps the caption at word boundaries inside the area and clips it at the bottom edge. The faces
// that stand in for the declared ones are taller, so where the lines would not fit, their pitch
// closes up a little (never below 85%) so that the last line's dots below the letters stay in.
void drawCaption(QPainter& painter, const QRectF& area, const QString& caption, Qt::Alignment horizontal,
                 bool centred)
{
    QTextOption option(QStyle::visualAlignment(painter.layoutDirection(), horizontal));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setTextDirection(painter.layoutDirection());
    QTextLayout layout(caption, painter.font(), painter.device());
    layout.setTextOption(option);
    layout.setCacheEnabled(true); // or drawing would shape the caption a second time
    QList<QTextLine> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(area.width());
        lines.append(line);
    }
    layout.endLayout();
    if (lines.isEmpty())
        return;
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qsizetype gaps = lines.size() - 1;
    qreal pitch = metrics.lineSpacing();
    if (gaps > 0 && gaps * pitch + metrics.height() > area.height())
        pitch = qMax(0.85 * pitch, (area.height() - metrics.height()) / gaps);
    const qreal height = gaps * pitch + metrics.height();
    const qreal top = centred ? (area.height() - height) / 2 : 0;
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines[i].setPosition({0, top + i * pitch});
    painter.setClipRect(area);
    layout.draw(&painter, area.topLeft());
}

} // namespace

Label::Label(const Container& container, const Rect& rect, const LabelProps& props)
    : QLabel(container.widget())
    , form_(container.form())
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
        setPointer(*this, *props.pointer);
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
    Qt::Alignment alignment = toQt(alignment_);
    if (leftToRight)
        alignment |= Qt::AlignAbsolute;
    painter.setFont(font());
    drawCaption(painter, area, displayed(text()), alignment, tile_);
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
