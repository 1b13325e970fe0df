#pragma once

#include "ui/label.h"
#include "ui/textbox.h"

// The letter tiles and the drop boxes that the three word games share.
namespace screens {

inline ui::LabelProps letterTile(const QString& letter, ui::Color back)
{
    return {.caption = letter,
            .alignment = ui::Align::Centre,
            .back = back,
            .border = true,
            .font = {ui::Face::ArabicTransparent, 14.25},
            .tile = true};
}

inline ui::TextBoxProps letterBox(int tabIndex, bool visible)
{
    return {.alignment = ui::Align::Centre,
            .back = 0x00C0FFFF,
            .fore = 0x000000C0,
            .font = {ui::Face::Tahoma, 15.75},
            .locked = true,
            .dropBox = true,
            .visible = visible,
            .tabIndex = tabIndex};
}

} // namespace screens
