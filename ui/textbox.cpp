#include "ui/textbox.h"

#include "ui/border.h"
#include "ui/form.h"
#include "ui/palette.h"
#include "ui/zoom.h"

#include <QAccessibleWidget>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>

namespace ui {

// Read as an editable text, named by what it holds; a locked box says it is read-only. A screen
// reader also reads its characters, caret and selection: a box the user may type into gives its
// editor's, a locked one the text it shows, with the caret at the start and nothing selected.
class AccessibleTextBox : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleTextBox(TextBox* box)
        : QAccessibleWidget(box, QAccessible::EditableText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isLocked();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type != QAccessible::TextInterface)
            return QAccessibleWidget::interface_cast(type);
        if (QWidget* editor = box()->focusProxy())
            return QAccessible::queryAccessibleInterface(editor)->interface_cast(type);
        return static_cast<QAccessibleTextInterface*>(this);
    }

    // The locked box's text.
    using QAccessibleWidget::text; // its name, which is its text too
    QString text(int startOffset, int endOffset) const override
    {
        return box()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(box()->text().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return {};
    }
    void scrollToSubstring(int, int) override {}

    QRect characterRect(int offset) const override
    {
        QTextLayout layout;
        const QTextLine line = box()->layOut(layout);
        const qreal from = line.cursorToX(offset), to = line.cursorToX(offset + 1);
        const QRectF character(QPointF(qMin(from, to), line.y()),
                               QPointF(qMax(from, to), line.y() + line.height()));
        return QRect(box()->mapToGlobal(character.topLeft().toPoint()), character.size().toSize());
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        QTextLayout layout;
        const QTextLine line = box()->layOut(layout);
        const QPoint inside = box()->mapFromGlobal(point);
        if (!box()->rect().contains(inside))
            return -1;
        return line.xToCursor(inside.x(), QTextLine::CursorOnCharacter);
    }

private:
    const TextBox* box() const { return static_cast<const TextBox*>(object()); }
};

namespace {

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
        QAccessibleTextUpdateEvent changed(this, 0, std::exchange(text_, text), text);
        QAccessible::updateAccessibility(&changed);
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

// One line, as an editor shows it: line breaks show as blanks, so that every character keeps its
// place for a screen reader.
QTextLine TextBox::layOut(QTextLayout& layout) const
{
    QString shown = text_;
    for (QChar& c : shown)
        if (c == u'\r' || c == u'\n' || c == QChar::LineSeparator)
            c = u' ';
    QTextOption option(QStyle::visualAlignment(layoutDirection(), alignment_));
    option.setTextDirection(layoutDirection());
    option.setWrapMode(QTextOption::NoWrap);
    layout.setText(shown);
    layout.setFont(font());
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    const QRect area = inside();
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(area.width());
    line.setPosition(QPointF(area.left(), area.top() + (area.height() - line.height()) / 2));
    layout.endLayout();
    return line;
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
    QTextLayout layout;
    const QTextLine line = layOut(layout);
    painter.setPen(palette().color(QPalette::Text));
    // Only a text too large for the box is cut at its edges; the dots below a letter that fits
    // may reach past them.
    if (line.naturalTextWidth() > inside().width() || line.height() > inside().height())
        painter.setClipRect(inside());
    layout.draw(&painter, {});
}

void TextBox::resizeEvent(QResizeEvent*)
{
    if (editor_)
        editor_->setGeometry(inside());
}

} // namespace ui
