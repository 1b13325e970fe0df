#include "ui/menu.h"

#include "ui/form.h"

#include <QMenu>
#include <QMenuBar>

namespace ui {

Menu::Menu(Form& form, const MenuProps& props)
    : QObject(&form)
    , menu_(form.menuBar()->addMenu(props.caption))
    , action_(menu_->menuAction())
{
}

Menu::Menu(Menu& parent, const MenuProps& props)
    : QObject(&parent)
    , action_(parent.menu_->addAction(props.caption))
{
    action_->setCheckable(props.checkable);
    connect(action_, &QAction::triggered, this, &Menu::Click);
}

bool Menu::checked() const
{
    return action_->isChecked();
}

void Menu::setChecked(bool checked)
{
    action_->setChecked(checked);
}

} // namespace ui
