#pragma once

#include "ui/container.h"

#include <QRadioButton>

namespace ui {

struct OptionButtonProps {
    QString caption{};
    bool rightToLeft = false;
    int tabIndex = 0;
};

// Selecting one option clears the others of its container; a handler may clear it too.
class OptionButton : public QRadioButton {
    Q_OBJECT

public:
    OptionButton(const Container& container, const Rect& rect, const OptionButtonProps& props = {});

    bool value() const { return isChecked(); }
    void setValue(bool value);

signals:
    void Click();

protected:
    // The whole rectangle selects the option, not only the circle and its caption.
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

} // namespace ui
