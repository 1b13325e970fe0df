#pragma once

#include "ui/picture.h"

class QWidget;

namespace ui {

// Gives the control the pointer as its mouse cursor. The cursor is drawn when the mouse first comes
// over the control, so that opening a screen does not wait for pointers no one has pointed with.
void setPointer(QWidget& control, const Pointer& pointer);

} // namespace ui
