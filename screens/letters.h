#pragma once

#include "ui/image.h"
#include "ui/label.h"
#include "ui/textbox.h"

// What the three word games share: their letter tiles and drop boxes, the built word, the picture.
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

// The built word: the boxes' letters joined in box order; empty boxes add nothing.
template <class Boxes> QString builtWord(const Boxes& boxes)
{
    QString word;
    for (const ui::TextBox* box : boxes)
        word += box->text();
    return word;
}

// Shows the one picture and hides the others, so that exactly one is visible.
template <class Pictures> void showOnly(const Pictures& pictures, const ui::Image* shown)
{
    for (ui::Image* picture : pictures)
        picture->setVisible(picture == shown);
}

} // namespace screens
