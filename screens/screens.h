#pragma once

#include "app/forms.h"
#include "ui/font.h"
#include "ui/form.h"
#include "ui/geometry.h"

#include <string_view>
#include <vector>

namespace screens {

// A screen of the program: how it is known and made, the size of its client area, and every font
// its controls declare.
struct Screen {
    app::FormId id;
    std::string_view name;
    app::Forms::Factory make;
    ui::Twips width;
    ui::Twips height;
    std::vector<ui::Font> fonts;
};

// The six screens.
const std::vector<Screen>& table();
const Screen& screen(app::FormId id);

// A screen's window properties with the client size of its row.
ui::FormProps sized(app::FormId id, ui::FormProps props);
// The size that holds the client area of every screen, in pixels at zoom 1.
QSize largestClient();
// Every font of every screen, each once.
std::vector<ui::Font> everyFont();

// Gives every instance slot the factory of its screen.
void registerAll(app::Forms& forms);

} // namespace screens
