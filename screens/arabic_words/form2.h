#pragma once

#include "assets/clipart.h"
#include "screens/arabic_letters.h"
#include "ui/commandbutton.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/textbox.h"

#include <array>

// The Arabic word screen: the child picks a word, drops letter tiles into a right-to-left row of
// boxes and checks the word built; any word of the word table that is built shows its picture.
class Form2 : public ui::Form {
    Q_OBJECT

public:
    Form2();

private:
    friend class TestArabicWords;

    // A check shows the picture of any word of the table built. The first sixteen words fill the
    // word list; the last two only have pictures.
    using Word = screens::Word<Form2>;
    static const std::array<Word, 18> words;
    static constexpr std::size_t listedWords = 16;

    void Form_Load();
    void Form_MouseMove();
    void Label32_MouseMove();
    void Label30_MouseMove();
    void List1_GotFocus();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();

    // The drop boxes in the order of the word's letters, from the rightmost leftwards.
    std::array<ui::TextBox*, 8> letterBoxes();
    std::array<ui::Image*, 19> pictures();

    using Align = ui::Align;

    // Controls, front to back: name, {left, top, width, height} in twips, what differs from the default.
    screens::ArabicLetterTiles Tiles{*this, 0, 0};
    ui::TextBox Text1{*this, {7560, 2880, 615, 495}, screens::letterBox(3, true)};
    ui::TextBox Text2{*this, {6840, 2880, 615, 495}, screens::letterBox(2, true)};
    ui::TextBox Text4{*this, {6120, 2880, 615, 495}, screens::letterBox(4, true)};
    ui::TextBox Text5{*this, {5400, 2880, 615, 495}, screens::letterBox(5, false)};
    ui::TextBox Text6{*this, {4680, 2880, 615, 495}, screens::letterBox(6, false)};
    // No word takes more than five letters, so Text7 to Text9 are never shown; the handlers still
    // hide and empty them with the others, so that a longer word would need no other change.
    ui::TextBox Text7{*this, {3960, 2880, 615, 495}, screens::letterBox(7, false)};
    ui::TextBox Text8{*this, {3240, 2880, 615, 495}, screens::letterBox(8, false)};
    ui::TextBox Text9{*this, {2520, 2880, 615, 495}, screens::letterBox(9, false)};
    ui::TextBox Text3{*this,
                      {240, 2880, 2055, 495},
                      {.alignment = Align::Centre,
                       .back = 0x00C0FFC0,
                       .fore = 0x00800000,
                       .font = {ui::Face::Tahoma, 15.75},
                       .locked = true,
                       .rightToLeft = true,
                       .tabIndex = 1}};
    ui::CommandButton Command1{*this, {6960, 3840, 1215, 495}, {.caption = "الكلمة هي", .tabIndex = 0}};
    ui::CommandButton Command2{*this, {6960, 6000, 1215, 495}, {.caption = "عودة", .tabIndex = 11}};
    ui::ListBox List1{*this,
                      {6720, 4680, 1695, 1020},
                      {.back = 0x00C0E0FF,
                       .fore = 0x000000C0,
                       .font = {ui::Face::ArabicTransparent, 20.25},
                       .sorted = true,
                       .rightToLeft = true,
                       .tabIndex = 10}};
    // The instruction and the hint read right to left, so a closing full stop stands at the
    // left end of its line.
    ui::Label Label30{*this,
                      {120, 120, 8415, 615},
                      {.alignment = Align::Centre,
                       .fore = 0x00FF0000,
                       .font = {ui::Face::ArabicTransparent, 12},
                       .rightToLeft = true}};
    ui::Label Label11{*this,
                      {360, 3720, 5895, 975},
                      {.alignment = Align::Centre,
                       .fore = 0x00C000C0,
                       .font = {ui::Face::Tahoma, 15.75},
                       .rightToLeft = true}};
    ui::Image Image1{*this, {3000, 5040, 1575, 1335}, screens::wordPicture(clipart::banana)};
    ui::Image Image2{*this, {2880, 4800, 1935, 1695}, screens::wordPicture(clipart::bird)};
    ui::Image Image3{*this, {2880, 4920, 1815, 1815}, screens::wordPicture(clipart::dog)};
    ui::Image Image4{*this, {2880, 4680, 1815, 1815}, screens::wordPicture(clipart::apple)};
    ui::Image Image5{*this, {3480, 4800, 750, 1530}, screens::wordPicture(clipart::girl)};
    ui::Image Image6{*this, {2760, 4920, 1695, 1335}, screens::wordPicture(clipart::car)};
    ui::Image Image7{*this, {2880, 4800, 1575, 1695}, screens::wordPicture(clipart::rabbit)};
    ui::Image Image8{*this, {2760, 4920, 2055, 1335}, screens::wordPicture(clipart::train)};
    ui::Image Image9{*this, {3120, 4680, 1335, 1935}, screens::wordPicture(clipart::pencil)};
    // Belongs to no word, so it is never shown: the ship of the word table is Image19.
    ui::Image Image10{*this, {3480, 4680, 1695, 1815}, screens::wordPicture(clipart::ship)};
    ui::Image Image11{*this, {3120, 5040, 1815, 1215}, screens::wordPicture(clipart::hand)};
    ui::Image Image12{*this, {3000, 5040, 1215, 1455}, screens::wordPicture(clipart::child)};
    ui::Image Image13{*this, {3240, 4920, 1215, 1695}, screens::wordPicture(clipart::door)};
    ui::Image Image14{*this, {3600, 4800, 975, 1815}, screens::wordPicture(clipart::key)};
    ui::Image Image15{*this, {3480, 4920, 1455, 1695}, screens::wordPicture(clipart::flower)};
    ui::Image Image16{*this, {3240, 4800, 1455, 1695}, screens::wordPicture(clipart::cat)};
    ui::Image Image17{*this, {3480, 5040, 1455, 1455}, screens::wordPicture(clipart::tree)};
    ui::Image Image18{*this, {2760, 4920, 2175, 1455}, screens::wordPicture(clipart::clock)};
    ui::Image Image19{*this, {2880, 4800, 2175, 1815}, screens::wordPicture(clipart::ship)};
};
