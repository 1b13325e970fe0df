#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;

namespace ui {

class Form;

struct MenuProps {
    QString caption{};
    bool checkable = false; // a drop-down item that is on or off, shown with a check mark
};

// An item of the form's menu bar, or a drop-down item under one; choosing a drop-down item
// raises its Click.
class Menu : public QObject {
    Q_OBJECT

public:
    Menu(Form& form, const MenuProps& props);
    Menu(Menu& parent, const MenuProps& props);

    QAction* action() const { return action_; }
    bool checked() const;
    void setChecked(bool checked);

signals:
    void Click();

private:
    QMenu* menu_ = nullptr;
    QAction* action_;
};

} // namespace ui
