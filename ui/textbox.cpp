#include "ui/textbox.h"

#include "ui/border.h"
#include "ui/form.h"
#include "ui/palette.h"
#include "ui/zoom.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPainter>

namespace ui {

namespace {

// Read as an editable text, named by what it holds; a locked box says it is read-only.
class AccessibleTextBox : public QAccessibleWidget {
public:
    explicit AccessibleTextBox(TextBox* box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = static_cast<const TextBox*>(object())->isLocked();
        return state;
    }
};

QAccessibleInterface* accessibleTextBox(const QString&, QObject* object)
{
    auto* box = qobject_cast<TextBox*>(object);
    return box ? new AccessibleTextBox(box) : nullptr;
}

} // namespace

TextBox::TextBox(const Container& container, const Rect& rect, const TextBoxProps& props)
    : QWidget(container.widget())
    , alignment_(toQt(props.alignment) | Qt::AlignVCenter)
    , dropBox_(props.dropBox)
{
    static const bool accessible = (QAccessible::installFactory(accessibleTextBox), true);
    Q_UNUSED(accessible);
    place(*this, container, rect, props.rightToLeft, props.visible);
    setColors(*this, props.back, props.fore);
    if (props.font.face != Face::Default)
        setFont(toQFont(props.font));
    setFocusPolicy(Qt::StrongFocus);
    if (!props.locked) {
        editor_ = new QLineEdit(this);
        editor_->setFrame(false);
        editor_->setAlignment(alignment_);
        // Only tiles of this form may land here, never text dragged from another program.
        editor_->setAcceptDrops(false);
        editor_->installEventFilter(this);
        setFocusProxy(editor_);
        connect(editor_, &QLineEdit::textChanged, this, &QWidget::setAccessibleName);
    }
    setText(props.text);
    container.form().addToTabOrder(this, props.tabIndex);
}

TextBox* TextBox::of(QWidget* widget)
{
    if (auto* box = qobject_cast<TextBox*>(widget))
        return box;
    return widget ? qobject_cast<TextBox*>(widget->parentWidget()) : nullptr;
}

QString TextBox::text() const
{
    return editor_ ? editor_->text() : text_;
}

void TextBox::setText(const QString& text)
{
    if (editor_) {
        editor_->setText(text);
    } else if (text != text_) {
        text_ = text;
        setAccessibleName(text);
        update();
    }
}

// The editor's focus is the box's: its highlight is drawn around the editor.
bool TextBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == editor_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        update();
    return QWidget::eventFilter(watched, event);
}

// Inside the sunken border and the line that shows where the keyboard is.
QRect TextBox::inside() const
{
    const int margin = twoLineBorderWidth() + scaled(1);
    return rect().adjusted(margin, margin, -margin, -margin);
}

void TextBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QRect withinBorder = drawSunkenBorder(painter, rect(), palette());
    if (hasFocus()) // where the keyboard is, also in a locked box, which shows no cursor
        drawBorder(painter, withinBorder, palette().color(QPalette::Highlight));
    if (editor_)
        return;
    // One line, as an editor shows it: line breaks show as blanks.
    painter.setLayoutDirection(layoutDirection());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(inside(), int(alignment_ | Qt::TextSingleLine), text_);
}

void TextBox::resizeEvent(QResizeEvent*)
{
    if (editor_)
        editor_->setGeometry(inside());
}

} // namespace ui
