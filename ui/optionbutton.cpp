#include "ui/optionbutton.h"

#include "ui/form.h"

namespace ui {

OptionButton::OptionButton(const Container& container, const Rect& rect, const OptionButtonProps& props)
    : QRadioButton(props.caption, container.widget())
{
    place(*this, container, rect, props.rightToLeft, true);
    connect(this, &QAbstractButton::toggled, this, [this](bool checked) {
        if (checked)
            emit Click();
    });
    container.form().addToTabOrder(this, props.tabIndex);
}

void OptionButton::setValue(bool value)
{
    // An exclusive group refuses to clear its checked button, so step outside the group for it.
    setAutoExclusive(false);
    setChecked(value);
    setAutoExclusive(true);
}

} // namespace ui
