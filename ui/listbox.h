#pragma once

#include "ui/color.h"
#include "ui/container.h"
#include "ui/font.h"

#include <QListWidget>

namespace ui {

struct ListBoxProps {
    Color back = SystemColor::WindowBackground;
    Color fore = SystemColor::WindowText;
    Font font{};
    bool sorted = false; // AddItem puts each item at its alphabetical place
    bool rightToLeft = false;
    int tabIndex = 0;
};

// A list of texts of which the user selects at most one; once chosen, a selection stays.
class ListBox : public QListWidget {
    Q_OBJECT

public:
    ListBox(const Container& container, const Rect& rect, const ListBoxProps& props = {});

    void AddItem(const QString& item);
    int ListIndex() const;         // -1 when nothing is selected
    QString List(int index) const; // the empty text outside the list
    int ListCount() const { return count(); }

signals:
    void Click();
    void GotFocus();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool sorted_;
};

} // namespace ui
