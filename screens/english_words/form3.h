#pragma once

#include "assets/clipart.h"
#include "screens/letters.h"
#include "ui/commandbutton.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/textbox.h"

#include <array>

// The English word screen: the child picks a word, drags capital letters into the boxes and
// checks the word built; the picture of any word of the table built shows up.
class Form3 : public ui::Form {
    Q_OBJECT
    friend class TestEnglishWords;

public:
    Form3();

private:
    // The word table, in the order the words join the list.
    using Word = screens::Word<Form3>;
    static const std::array<Word, 17> words;

    void Form_Load();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();

    // Left to right, the first to the sixth letter; the first three are never hidden.
    std::array<ui::TextBox*, 6> dropBoxes() { return {&Text1, &Text2, &Text4, &Text5, &Text6, &Text7}; }
    static constexpr int alwaysShownBoxes = 3;
    std::array<ui::Image*, 17> pictures();

    using Align = ui::Align;
    // Pressing an English tile says its letter's name, which an English voice reads from the letter.
    static ui::LabelProps englishTile(const QString& letter, ui::Color back)
    {
        return screens::letterTile(letter, {letter, ui::Language::English}, back);
    }

    // Controls, front to back: name, {left, top, width, height} in twips, what differs from the default.
    // The pictures lie in front of the hint label where they reach into it.
    ui::Image Image1{*this, {4080, 4080, 1575, 1335}, screens::wordPicture(clipart::banana)};
    ui::Image Image2{*this, {3840, 3840, 1935, 1695}, screens::wordPicture(clipart::bird)};
    ui::Image Image3{*this, {3960, 3960, 1815, 1815}, screens::wordPicture(clipart::dog)};
    ui::Image Image4{*this, {3840, 3720, 1815, 1815}, screens::wordPicture(clipart::apple)};
    ui::Image Image5{*this, {4320, 3840, 750, 1530}, screens::wordPicture(clipart::girl)};
    ui::Image Image6{*this, {3840, 3960, 1695, 1335}, screens::wordPicture(clipart::car)};
    ui::Image Image7{*this, {3960, 3840, 1575, 1695}, screens::wordPicture(clipart::rabbit)};
    ui::Image Image8{*this, {3600, 3960, 2055, 1335}, screens::wordPicture(clipart::train)};
    ui::Image Image9{*this, {4080, 3720, 1335, 1935}, screens::wordPicture(clipart::pencil)};
    ui::Image Image10{*this, {3960, 3720, 1695, 1815}, screens::wordPicture(clipart::ship)};
    ui::Image Image11{*this, {3720, 4080, 1815, 1215}, screens::wordPicture(clipart::hand)};
    ui::Image Image12{*this, {4200, 4080, 1215, 1455}, screens::wordPicture(clipart::child)};
    ui::Image Image13{*this, {4080, 3960, 1215, 1695}, screens::wordPicture(clipart::door)};
    ui::Image Image14{*this, {4200, 3840, 975, 1815}, screens::wordPicture(clipart::key)};
    ui::Image Image15{*this, {3960, 3960, 1455, 1695}, screens::wordPicture(clipart::flower)};
    ui::Image Image16{*this, {3960, 3840, 1455, 1695}, screens::wordPicture(clipart::cat)};
    ui::Image Image17{*this, {4080, 4080, 1455, 1455}, screens::wordPicture(clipart::tree)};
    ui::Label Label11{*this,
                      {2280, 3000, 6255, 855},
                      {.alignment = Align::Left, .fore = 0x00C000C0, .font = {ui::Face::Verdana, 14.25}}};
    ui::ListBox List1{*this,
                      {240, 3960, 1695, 915},
                      {.back = 0x00C0FFC0,
                       .fore = 0x00C00000,
                       .font = {ui::Face::Arial, 12},
                       .sorted = true,
                       .rightToLeft = true,
                       .tabIndex = 0}};
    ui::CommandButton Command1{*this, {480, 3360, 1215, 495}, {.caption = "الكلمة هي", .tabIndex = 8}};
    ui::CommandButton Command2{*this, {360, 5280, 1215, 495}, {.caption = "BACK", .tabIndex = 36}};
    ui::TextBox Text1{*this, {840, 1920, 615, 495}, screens::letterBox(5, true)};
    ui::TextBox Text2{*this, {1560, 1920, 615, 495}, screens::letterBox(6, true)};
    ui::TextBox Text4{*this, {2280, 1920, 615, 495}, screens::letterBox(4, true)};
    ui::TextBox Text5{*this, {3000, 1920, 615, 495}, screens::letterBox(3, false)};
    ui::TextBox Text6{*this, {3720, 1920, 615, 495}, screens::letterBox(2, false)};
    ui::TextBox Text7{*this, {4440, 1920, 615, 495}, screens::letterBox(1, false)};
    ui::TextBox Text3{*this,
                      {6240, 1920, 2055, 495},
                      {.alignment = Align::Centre,
                       .back = 0x00C0FFC0,
                       .fore = 0x00800000,
                       .font = {ui::Face::Verdana, 15.75},
                       .locked = true,
                       .tabIndex = 7}};
    // Letter tiles; labels never take the focus, so their place in the keyboard order counts for nothing.
    ui::Label Label15{*this, {840, 480, 375, 375}, englishTile("A", 0x00C0C0FF)};
    ui::Label Label14{*this, {1320, 480, 375, 375}, englishTile("B", 0x00C0FFFF)};
    ui::Label Label13{*this, {1800, 480, 375, 375}, englishTile("C", 0x00FFC0C0)};
    ui::Label Label12{*this, {2280, 480, 375, 375}, englishTile("D", 0x00C0FFC0)};
    ui::Label Label10{*this, {2760, 480, 375, 375}, englishTile("E", 0x00C0C0FF)};
    ui::Label Label9{*this, {3240, 480, 375, 375}, englishTile("F", 0x00C0FFFF)};
    ui::Label Label8{*this, {3720, 480, 375, 375}, englishTile("G", 0x00FFC0C0)};
    ui::Label Label7{*this, {4200, 480, 375, 375}, englishTile("H", 0x00C0FFC0)};
    ui::Label Label6{*this, {4680, 480, 375, 375}, englishTile("I", 0x00C0C0FF)};
    ui::Label Label5{*this, {5160, 480, 375, 375}, englishTile("J", 0x00C0FFFF)};
    ui::Label Label4{*this, {5640, 480, 375, 375}, englishTile("K", 0x00FFC0C0)};
    ui::Label Label3{*this, {6120, 480, 375, 375}, englishTile("L", 0x00C0FFC0)};
    ui::Label Label2{*this, {6600, 480, 375, 375}, englishTile("M", 0x00C0C0FF)};
    ui::Label Label1{*this, {7080, 480, 375, 375}, englishTile("N", 0x00C0FFFF)};
    ui::Label Label31{*this, {1440, 1080, 375, 375}, englishTile("O", 0x00C0FFC0)};
    ui::Label Label28{*this, {1920, 1080, 375, 375}, englishTile("P", 0x00C0C0FF)};
    ui::Label Label29{*this, {2400, 1080, 375, 375}, englishTile("Q", 0x00C0FFFF)};
    ui::Label Label27{*this, {2880, 1080, 375, 375}, englishTile("R", 0x00FFC0C0)};
    ui::Label Label26{*this, {3360, 1080, 375, 375}, englishTile("S", 0x00C0FFC0)};
    ui::Label Label25{*this, {3840, 1080, 375, 375}, englishTile("T", 0x00C0C0FF)};
    ui::Label Label24{*this, {4320, 1080, 375, 375}, englishTile("U", 0x00C0FFFF)};
    ui::Label Label23{*this, {4800, 1080, 375, 375}, englishTile("V", 0x00FFC0C0)};
    ui::Label Label22{*this, {5280, 1080, 375, 375}, englishTile("X", 0x00C0FFC0)};
    ui::Label Label21{*this, {5760, 1080, 375, 375}, englishTile("W", 0x00C0C0FF)};
    ui::Label Label20{*this, {6240, 1080, 375, 375}, englishTile("Y", 0x00C0FFFF)};
    ui::Label Label19{*this, {6720, 1080, 375, 375}, englishTile("Z", 0x00FFC0C0)};
};
