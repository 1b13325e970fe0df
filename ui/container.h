#pragma once

#include "ui/geometry.h"

class QWidget;

namespace ui {

class Form;

// Where a control lives: the client area of its form, or the inside of a frame on that form.
class Container {
public:
    Container(Form& form);
    Container(Form& form, QWidget* inside);

    Form& form() const { return *form_; }
    QWidget* widget() const { return widget_; }

private:
    Form* form_;
    QWidget* widget_;
};

// What every control does on creation, having been created as a child of the container's widget:
// it takes its place in twips, in front of the controls created after it (tables list controls
// front to back), with its own reading direction, and keeps its pointer events to itself, so a
// control without a handler changes nothing.
void place(QWidget& control, const Container& container, const Rect& rect, bool rightToLeft, bool visible);

} // namespace ui
