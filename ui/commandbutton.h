#pragma once

#include "ui/container.h"
#include "ui/font.h"

#include <QPushButton>

namespace ui {

struct CommandButtonProps {
    QString caption{};
    Font font{};
    bool rightToLeft = false;
    bool visible = true;
    int tabIndex = 0;
};

// Clicked by the mouse, or by Space or Enter while it has the focus.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    CommandButton(const Container& container, const Rect& rect, const CommandButtonProps& props = {});

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ui
