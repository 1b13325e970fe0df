#pragma once

#include "ui/commandbutton.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/textbox.h"

#include <algorithm>
#include <span>

// What the three word games share: their letter tiles and drop boxes, the word table, the built
// word, the picture.
namespace screens {

// A tile, and the name of its letter that pressing it says.
inline ui::LabelProps letterTile(const QString& letter, const ui::Speech& name, ui::Color back)
{
    return {.caption = letter,
            .alignment = ui::Align::Centre,
            .back = back,
            .border = true,
            .font = {ui::Face::ArabicTransparent, 14.25},
            .tile = true,
            .speech = name};
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

// A row of a word game's word table.
template <class Screen> struct Word {
    QString text;
    int boxes; // the letter boxes that choosing it shows, one a letter
    ui::Image Screen::*picture;
    ui::CommandButton Screen::*button = nullptr; // the picture game checks each word with a button of its own
    bool emptiesResult = false;                  // choosing it empties the result box too
};

template <class Screen> const Word<Screen>* find(std::span<const Word<Screen>> words, const QString& text)
{
    const auto found = std::ranges::find(words, text, &Word<Screen>::text);
    return found == words.end() ? nullptr : &*found;
}

// A check's answer as it is said: the message, then the word built.
inline ui::Speech answer(const ui::Voiced& message, const ui::Speech& built)
{
    return {message.spoken.text + built.text, message.spoken.language};
}

// A word's picture: hidden until its word asks for it, and read out by its word.
template <class Screen> void nameWordPictures(Screen& screen, std::span<const Word<Screen>> words)
{
    for (const Word<Screen>& word : words)
        (screen.*word.picture).setAccessibleName(word.text);
}

inline ui::ImageProps wordPicture(const ui::Picture& drawing, const ui::Pointer* pointer = nullptr)
{
    return {.picture = &drawing, .visible = false, .pointer = pointer};
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
