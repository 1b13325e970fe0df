#include "ui/label.h"

#include "ui/border.h"
#include "ui/caption.h"
#include "ui/pointer.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

// Read as its caption, unless it has a name of its own (a hotspot's caption says nothing).
class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(Label* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const QString named = QAccessibleWidget::text(kind);
        if (kind != QAccessible::Name || !named.isEmpty())
            return named;
        return static_cast<const Label*>(object())->caption();
    }
};

QAccessibleInterface* accessibleLabel(const QString&, QObject* object)
{
    auto* label = qobject_cast<Label*>(object);
    return label ? new AccessibleLabel(label) : nullptr;
}

} // namespace

Label::Label(const Container& container, const Rect& rect, const LabelProps& props)
    : QWidget(container.widget())
    , caption_(props.caption)
    , alignment_(props.alignment)
    , back_(props.back)
    , fore_(props.fore)
    , transparent_(props.transparent)
    , border_(props.border)
    , tile_(props.tile)
    , speech_(props.speech)
{
    static const bool accessible = (QAccessible::installFactory(accessibleLabel), true);
    Q_UNUSED(accessible);
    place(*this, container, rect, props.rightToLeft, true);
    if (props.font.face != Face::Default)
        setFont(toQFont(props.font));
    if (props.pointer)
        setPointer(*this, *props.pointer);
    if (!props.accessibleName.isEmpty())
        setAccessibleName(props.accessibleName);
}

void Label::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
    if (accessibleName().isEmpty()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
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
    painter.setLayoutDirection(leftToRight && !caption_.isRightToLeft() ? Qt::LeftToRight : Qt::RightToLeft);
    Qt::Alignment alignment = toQt(alignment_);
    if (leftToRight)
        alignment |= Qt::AlignAbsolute;
    painter.setFont(font());
    drawCaption(painter, area, displayed(caption_), alignment, tile_);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    clicks_.press(*event);
}

void Label::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    emit MouseMove();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (clicks_.release(*event, rect()))
        emit Click();
}

} // namespace ui
