#pragma once

#include "ui/color.h"

class QWidget;

namespace ui {

// Sets the colours a control declares; the system colours are left to the palette.
void setColors(QWidget& control, Color back, Color fore);

} // namespace ui
