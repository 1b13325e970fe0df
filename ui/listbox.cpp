#include "ui/listbox.h"

#include "ui/collation.h"
#include "ui/form.h"
#include "ui/palette.h"

namespace ui {

ListBox::ListBox(const Container& container, const Rect& rect, const ListBoxProps& props)
    : QListWidget(container.widget())
    , sorted_(props.sorted)
{
    place(*this, container, rect, props.rightToLeft, true);
    viewport()->setMouseTracking(true);
    setColors(*this, props.back, props.fore);
    if (props.font.face != Face::Default)
        setFont(toQFont(props.font));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true); // one line each in one font: no need to measure every item
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAcceptDrops(false);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (ListIndex() >= 0)
            emit Click();
    });
    container.form().addToTabOrder(this, props.tabIndex);
}

void ListBox::AddItem(const QString& item)
{
    int row = count();
    if (sorted_) {
        row = 0;
        while (row < count() && !alphabeticallyBefore(item, this->item(row)->text()))
            ++row;
    }
    insertItem(row, item);
}

int ListBox::ListIndex() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.front());
}

QString ListBox::List(int index) const
{
    const QListWidgetItem* found = item(index);
    return found ? found->text() : QString();
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const
{
    // Neither Ctrl+click nor a click beside the items takes a choice back.
    if (!index.isValid())
        return QItemSelectionModel::NoUpdate;
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::ClearAndSelect;
    return command;
}

QModelIndex ListBox::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // With no current item every step lands on the first item; End still means the last.
    if (!currentIndex().isValid() && action == MoveEnd && count() > 0)
        return indexFromItem(item(count() - 1));
    return QListWidget::moveCursor(action, modifiers);
}

void ListBox::focusInEvent(QFocusEvent* event)
{
    QListWidget::focusInEvent(event);
    // Qt makes the first item current on focus; with nothing chosen yet, the first arrow press
    // should choose that first item rather than skip it.
    if (ListIndex() < 0)
        selectionModel()->setCurrentIndex({}, QItemSelectionModel::NoUpdate);
    emit GotFocus();
}

} // namespace ui
