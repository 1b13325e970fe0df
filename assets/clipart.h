#pragma once

#include "ui/picture.h"

#include <vector>

// The program's clip art, icons and pointers, drawn from colour-emoji glyphs. Screens that show
// the same thing share the same drawing.
namespace clipart {

// Things the word screens and the picture-and-word game show.
inline const ui::Picture banana{{{"🍌"}}};
inline const ui::Picture bird{{{"🐦"}}};
inline const ui::Picture dog{{{"🐕"}}};
inline const ui::Picture apple{{{"🍎"}}};
inline const ui::Picture girl{{{"👧"}}};
inline const ui::Picture car{{{"🚗"}}};
inline const ui::Picture rabbit{{{"🐇"}}};
inline const ui::Picture train{{{"🚂"}}};
inline const ui::Picture pencil{{{"✏️"}}};
inline const ui::Picture ship{{{"🚢"}}};
inline const ui::Picture hand{{{"✋"}}};
inline const ui::Picture child{{{"🧒"}}};
inline const ui::Picture door{{{"🚪"}}};
inline const ui::Picture key{{{"🔑"}}};
inline const ui::Picture flower{{{"🌷"}}};
inline const ui::Picture cat{{{"🐈"}}};
inline const ui::Picture tree{{{"🌳"}}};
inline const ui::Picture clock{{{"⏰"}}};
inline const ui::Picture butterfly{{{"🦋"}}};
inline const ui::Picture bee{{{"🐝"}}};
inline const ui::Picture cow{{{"🐄"}}};
inline const ui::Picture frog{{{"🐸"}}};
inline const ui::Picture fish{{{"🐟"}}};
inline const ui::Picture bear{{{"🐻"}}};
inline const ui::Picture ant{{{"🐜"}}};
inline const ui::Picture lion{{{"🦁"}}};
inline const ui::Picture grapes{{{"🍇"}}};
inline const ui::Picture strawberry{{{"🍓"}}};
inline const ui::Picture lemon{{{"🍋"}}};
inline const ui::Picture carrots{{{"🥕", {0, 0.2, 0.75, 0.75}}, {"🥕", {0.25, 0.05, 0.75, 0.75}}}};
inline const ui::Picture watermelon{{{"🍉"}}};
inline const ui::Picture oranges{{{"🍊", {0, 0.25, 0.65, 0.65}}, {"🍊", {0.35, 0.1, 0.65, 0.65}}}};

// The contact screen's way home: a teal button with a crescent.
inline const ui::Picture homeButton{{}, ":/assets/home_button.svg"};

// Window icons.
inline const ui::Picture writingInNotebook{
    {{"📓", {0, 0.05, 0.8, 0.8}}, {"✍️", {0.35, 0.35, 0.65, 0.65}}}};
inline const ui::Picture pencilOverNotepad{
    {{"🗒️", {0, 0.1, 0.85, 0.85}}, {"✍️", {0.3, 0.3, 0.7, 0.7}}}};
inline const ui::Picture fingerOnKey{{{"⌨️", {0, 0.35, 1, 0.65}}, {"👇", {0.3, 0, 0.45, 0.5}}}};
inline const ui::Picture sheetWithA{{{"📄"}, {"A", {0.3, 0.3, 0.45, 0.5}, "DejaVu Serif"}}};
inline const ui::Picture picturesAndWords{
    {{"🖼️", {0, 0, 0.8, 0.8}}, {"✏️", {0.45, 0.45, 0.55, 0.55}}}};

// Pointer icons, 32 x 32 with their hot spots.
inline const ui::Pointer handWithPen{{{{"✍️"}}}, {4, 28}};
inline const ui::Pointer penDrawingCurve{
    {{{"〰️", {0, 0.55, 0.7, 0.45}}, {"🖊️", {0.2, 0, 0.8, 0.8}}}}, {9, 21}};
inline const ui::Pointer pencilDrawingLoop{{{{"➰", {0, 0.5, 0.6, 0.5}}, {"✏️", {0.3, 0, 0.7, 0.7}}}},
                                           {4, 28}};
inline const ui::Pointer purpleCrayon{{{{"🖍️"}}}, {3, 29}};
inline const ui::Pointer pointingHand{{{{"👆"}}}, {12, 1}};

// Every drawing above, for the checks that each of them shows.
inline const std::vector<const ui::Picture*> everyPicture{&banana,
                                                          &bird,
                                                          &dog,
                                                          &apple,
                                                          &girl,
                                                          &car,
                                                          &rabbit,
                                                          &train,
                                                          &pencil,
                                                          &ship,
                                                          &hand,
                                                          &child,
                                                          &door,
                                                          &key,
                                                          &flower,
                                                          &cat,
                                                          &tree,
                                                          &clock,
                                                          &butterfly,
                                                          &bee,
                                                          &cow,
                                                          &frog,
                                                          &fish,
                                                          &bear,
                                                          &ant,
                                                          &lion,
                                                          &grapes,
                                                          &strawberry,
                                                          &lemon,
                                                          &carrots,
                                                          &watermelon,
                                                          &oranges,
                                                          &writingInNotebook,
                                                          &pencilOverNotepad,
                                                          &fingerOnKey,
                                                          &sheetWithA,
                                                          &picturesAndWords,
                                                          &homeButton,
                                                          &handWithPen.picture,
                                                          &penDrawingCurve.picture,
                                                          &pencilDrawingLoop.picture,
                                                          &purpleCrayon.picture,
                                                          &pointingHand.picture};

} // namespace clipart
