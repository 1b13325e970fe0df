#pragma once

#include "ui/picture.h"

// The program's clip art, icons and pointers, drawn from colour-emoji glyphs. Screens that show
// the same thing share the same drawing.
namespace clipart {

// Window and application icon of the calculator: a hand writing in a notebook.
inline const ui::Picture writingInNotebook{{{"📓", {0, 0.05, 0.8, 0.8}}, {"✍️", {0.35, 0.35, 0.65, 0.65}}}};

} // namespace clipart
