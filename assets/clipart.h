#pragma once

#include "ui/picture.h"

#include <algorithm>
#include <vector>

// The program's clip art, icons and pointers, drawn from colour-emoji glyphs at build time (each
// by its name, see ui::Picture). Screens that show the same thing share the same drawing.
namespace clipart {

// Things the word screens and the picture-and-word game show.
inline const ui::Picture banana{"banana", {{"🍌"}}};
inline const ui::Picture bird{"bird", {{"🐦"}}};
inline const ui::Picture dog{"dog", {{"🐕"}}};
inline const ui::Picture apple{"apple", {{"🍎"}}};
inline const ui::Picture girl{"girl", {{"👧"}}};
inline const ui::Picture car{"car", {{"🚗"}}};
inline const ui::Picture rabbit{"rabbit", {{"🐇"}}};
inline const ui::Picture train{"train", {{"🚂"}}};
inline const ui::Picture pencil{"pencil", {{"✏️"}}};
inline const ui::Picture ship{"ship", {{"🚢"}}};
inline const ui::Picture hand{"hand", {{"✋"}}};
inline const ui::Picture child{"child", {{"🧒"}}};
inline const ui::Picture door{"door", {{"🚪"}}};
inline const ui::Picture key{"key", {{"🔑"}}};
inline const ui::Picture flower{"flower", {{"🌷"}}};
inline const ui::Picture cat{"cat", {{"🐈"}}};
inline const ui::Picture tree{"tree", {{"🌳"}}};
inline const ui::Picture clock{"clock", {{"⏰"}}};
inline const ui::Picture butterfly{"butterfly", {{"🦋"}}};
inline const ui::Picture bee{"bee", {{"🐝"}}};
inline const ui::Picture cow{"cow", {{"🐄"}}};
inline const ui::Picture frog{"frog", {{"🐸"}}};
inline const ui::Picture fish{"fish", {{"🐟"}}};
inline const ui::Picture bear{"bear", {{"🐻"}}};
inline const ui::Picture ant{"ant", {{"🐜"}}};
inline const ui::Picture lion{"lion", {{"🦁"}}};
inline const ui::Picture grapes{"grapes", {{"🍇"}}};
inline const ui::Picture strawberry{"strawberry", {{"🍓"}}};
inline const ui::Picture lemon{"lemon", {{"🍋"}}};
inline const ui::Picture carrots{"carrots",
                                 {{"🥕", {0, 0.2, 0.75, 0.75}}, {"🥕", {0.25, 0.05, 0.75, 0.75}}}};
inline const ui::Picture watermelon{"watermelon", {{"🍉"}}};
inline const ui::Picture oranges{"oranges", {{"🍊", {0, 0.25, 0.65, 0.65}}, {"🍊", {0.35, 0.1, 0.65, 0.65}}}};

// The contact screen's way home: a teal button with a crescent.
inline const ui::Picture homeButton{.artwork = ":/assets/home_button.svg"};

// Window icons.
inline const ui::Picture writingInNotebook{
    "writingInNotebook", {{"📓", {0, 0.05, 0.8, 0.8}}, {"✍️", {0.35, 0.35, 0.65, 0.65}}}};
inline const ui::Picture pencilOverNotepad{
    "pencilOverNotepad", {{"🗒️", {0, 0.1, 0.85, 0.85}}, {"✍️", {0.3, 0.3, 0.7, 0.7}}}};
inline const ui::Picture fingerOnKey{"fingerOnKey",
                                     {{"⌨️", {0, 0.35, 1, 0.65}}, {"👇", {0.3, 0, 0.45, 0.5}}}};
inline const ui::Picture sheetWithA{"sheetWithA", {{"📄"}, {"A", {0.3, 0.3, 0.45, 0.5}, "DejaVu Serif"}}};
inline const ui::Picture picturesAndWords{
    "picturesAndWords", {{"🖼️", {0, 0, 0.8, 0.8}}, {"✏️", {0.45, 0.45, 0.55, 0.55}}}};
inline const std::vector<const ui::Picture*> everyIcon{&writingInNotebook, &pencilOverNotepad, &fingerOnKey,
                                                       &sheetWithA, &picturesAndWords};

// Pointer icons, 32 x 32 with their hot spots.
inline const ui::Pointer handWithPen{{"handWithPen", {{"✍️"}}}, {4, 28}};
inline const ui::Pointer penDrawingCurve{
    {"penDrawingCurve", {{"〰️", {0, 0.55, 0.7, 0.45}}, {"🖊️", {0.2, 0, 0.8, 0.8}}}}, {9, 21}};
inline const ui::Pointer pencilDrawingLoop{
    {"pencilDrawingLoop", {{"➰", {0, 0.5, 0.6, 0.5}}, {"✏️", {0.3, 0, 0.7, 0.7}}}}, {4, 28}};
inline const ui::Pointer purpleCrayon{{"purpleCrayon", {{"🖍️"}}}, {3, 29}};
inline const ui::Pointer pointingHand{{"pointingHand", {{"👆"}}}, {12, 1}};

inline const std::vector<const ui::Pointer*> everyPointer{&handWithPen, &penDrawingCurve, &pencilDrawingLoop,
                                                          &purpleCrayon, &pointingHand};

// Every drawing above, the icons and the pointers' included, for the checks that each of them shows.
inline const std::vector<const ui::Picture*> everyPicture = [] {
    std::vector<const ui::Picture*> pictures{
        &banana,     &bird,  &dog,     &apple,      &girl,    &car,       &rabbit, &train, &pencil,
        &ship,       &hand,  &child,   &door,       &key,     &flower,    &cat,    &tree,  &clock,
        &butterfly,  &bee,   &cow,     &frog,       &fish,    &bear,      &ant,    &lion,  &grapes,
        &strawberry, &lemon, &carrots, &watermelon, &oranges, &homeButton};
    pictures.insert(pictures.end(), everyIcon.begin(), everyIcon.end());
    for (const ui::Pointer* pointer : everyPointer)
        pictures.push_back(&pointer->picture);
    return pictures;
}();

// What a drawing is used as, which sets the largest size that it is ever shown at.
enum class Use { OnScreen, WindowIcon, Pointer };

inline Use use(const ui::Picture& picture)
{
    if (std::ranges::find(everyIcon, &picture) != everyIcon.end())
        return Use::WindowIcon;
    const auto drawnBy = [&picture](const ui::Pointer* pointer) { return &pointer->picture == &picture; };
    return std::ranges::any_of(everyPointer, drawnBy) ? Use::Pointer : Use::OnScreen;
}

} // namespace clipart
