#pragma once

#include <QMouseEvent>

namespace ui {

// A Click is a press and a release of the primary button over the same control.
class ClickTracker {
public:
    void press(const QMouseEvent& event) { pressed_ = event.button() == Qt::LeftButton; }

    bool release(const QMouseEvent& event, const QRect& area)
    {
        return std::exchange(pressed_, false) && event.button() == Qt::LeftButton &&
               area.contains(event.position().toPoint());
    }

private:
    bool pressed_ = false;
};

} // namespace ui
