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
#include <span>
#include <vector>

// The Arabic word screen: the child picks a word, drops letter tiles into a right-to-left row of
// boxes and checks the word built; any word of the word table that is built shows its picture.
class Form2 : public ui::Form {
    Q_OBJECT

public:
    Form2();

private:
    friend class TestArabicWords;

    // A word of the word table: the tiles that spell it in box order, how many boxes choosing it
    // shows, and the picture that a check shows when the built word is this word.
    struct Word {
        QString text;
        std::vector<ui::Label Form2::*> tiles;
        int boxes;
        ui::Image Form2::*picture;
    };
    // The first sixteen fill the word list; the last two only have pictures.
    static const std::array<Word, 18> words;
    static constexpr std::size_t listedWords = 16;
    static const Word* find(const QString& text, std::span<const Word> among);

    void Form_Load();
    void Form_MouseMove();
    void Label32_MouseMove();
    void List1_GotFocus();
    void List1_Click();
    void Command1_Click();
    void Command2_Click();

    // The drop boxes in the order of the word's letters, from the rightmost leftwards.
    std::array<ui::TextBox*, 8> letterBoxes();
    std::array<ui::Image*, 19> pictures();

    using Align = ui::Align;
    static ui::ImageProps picture(const ui::Picture& drawing, const QString& word);

    // Controls, front to back: name, {left, top, width, height} in twips, what differs from the default.
    ui::Label Label1{*this, {7080, 960, 375, 375}, screens::letterTile("ا", 0x00C0FFFF)};
    ui::Label Label2{*this, {6600, 960, 375, 375}, screens::letterTile("ب", 0x00C0C0FF)};
    ui::Label Label3{*this, {6120, 960, 375, 375}, screens::letterTile("ت", 0x00C0FFC0)};
    ui::Label Label4{*this, {5640, 960, 375, 375}, screens::letterTile("ث", 0x00FFC0C0)};
    ui::Label Label5{*this, {5160, 960, 375, 375}, screens::letterTile("ج", 0x00C0FFFF)};
    ui::Label Label6{*this, {4680, 960, 375, 375}, screens::letterTile("ح", 0x00C0C0FF)};
    ui::Label Label7{*this, {4200, 960, 375, 375}, screens::letterTile("خ", 0x00C0FFC0)};
    ui::Label Label8{*this, {3720, 960, 375, 375}, screens::letterTile("د", 0x00FFC0C0)};
    ui::Label Label9{*this, {3240, 960, 375, 375}, screens::letterTile("ذ", 0x00C0FFFF)};
    ui::Label Label10{*this, {2760, 960, 375, 375}, screens::letterTile("ر", 0x00C0C0FF)};
    ui::Label Label12{*this, {2280, 960, 375, 375}, screens::letterTile("ز", 0x00C0FFC0)};
    ui::Label Label13{*this, {1800, 960, 375, 375}, screens::letterTile("س", 0x00FFC0C0)};
    ui::Label Label14{*this, {1320, 960, 375, 375}, screens::letterTile("ش", 0x00C0FFFF)};
    ui::Label Label15{*this, {840, 960, 375, 375}, screens::letterTile("ص", 0x00C0C0FF)};
    ui::Label Label16{*this, {7320, 1560, 375, 375}, screens::letterTile("ض", 0x00C0FFFF)};
    ui::Label Label17{*this, {6840, 1560, 375, 375}, screens::letterTile("ط", 0x00C0C0FF)};
    ui::Label Label18{*this, {6360, 1560, 375, 375}, screens::letterTile("ظ", 0x00C0FFC0)};
    ui::Label Label19{*this, {5880, 1560, 375, 375}, screens::letterTile("ع", 0x00FFC0C0)};
    ui::Label Label20{*this, {5400, 1560, 375, 375}, screens::letterTile("غ", 0x00C0FFFF)};
    ui::Label Label21{*this, {4920, 1560, 375, 375}, screens::letterTile("ف", 0x00C0C0FF)};
    ui::Label Label22{*this, {4440, 1560, 375, 375}, screens::letterTile("ق", 0x00C0FFC0)};
    ui::Label Label23{*this, {3960, 1560, 375, 375}, screens::letterTile("ك", 0x00FFC0C0)};
    ui::Label Label24{*this, {3480, 1560, 375, 375}, screens::letterTile("ل", 0x00C0FFFF)};
    ui::Label Label25{*this, {3000, 1560, 375, 375}, screens::letterTile("م", 0x00C0C0FF)};
    ui::Label Label26{*this, {2520, 1560, 375, 375}, screens::letterTile("ن", 0x00C0FFC0)};
    ui::Label Label27{*this, {2040, 1560, 375, 375}, screens::letterTile("ه", 0x00FFC0C0)};
    ui::Label Label29{*this, {1560, 1560, 375, 375}, screens::letterTile("ة", 0x00C0FFFF)};
    ui::Label Label28{*this, {1080, 1560, 375, 375}, screens::letterTile("و", 0x00C0C0FF)};
    ui::Label Label31{*this, {600, 1560, 375, 375}, screens::letterTile("ي\r\n", 0x00C0FFC0)};
    ui::Label Label32{*this, {4920, 2160, 375, 375}, screens::letterTile("ـي", 0x00FFC0C0)};
    ui::Label Label33{*this, {4320, 2160, 375, 375}, screens::letterTile("ـئ\r\n", 0x00C0FFC0)};
    ui::Label Label34{*this, {3720, 2160, 375, 375}, screens::letterTile("ء\r\n", 0x00C0FFC0)};
    ui::Label Label35{*this, {3120, 2160, 375, 375}, screens::letterTile("ؤ\r\n", 0x00C0FFC0)};
    ui::TextBox Text1{*this, {7560, 2880, 615, 495}, screens::letterBox(3, true)};
    ui::TextBox Text2{*this, {6840, 2880, 615, 495}, screens::letterBox(2, true)};
    ui::TextBox Text4{*this, {6120, 2880, 615, 495}, screens::letterBox(4, true)};
    ui::TextBox Text5{*this, {5400, 2880, 615, 495}, screens::letterBox(5, false)};
    ui::TextBox Text6{*this, {4680, 2880, 615, 495}, screens::letterBox(6, false)};
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
    ui::Image Image1{*this, {3000, 5040, 1575, 1335}, picture(clipart::banana, "موز")};
    ui::Image Image2{*this, {2880, 4800, 1935, 1695}, picture(clipart::bird, "عصفور")};
    ui::Image Image3{*this, {2880, 4920, 1815, 1815}, picture(clipart::dog, "كلب")};
    ui::Image Image4{*this, {2880, 4680, 1815, 1815}, picture(clipart::apple, "تفاحة")};
    ui::Image Image5{*this, {3480, 4800, 750, 1530}, picture(clipart::girl, "بنت")};
    ui::Image Image6{*this, {2760, 4920, 1695, 1335}, picture(clipart::car, "سـيارة")};
    ui::Image Image7{*this, {2880, 4800, 1575, 1695}, picture(clipart::rabbit, "ارنب")};
    ui::Image Image8{*this, {2760, 4920, 2055, 1335}, picture(clipart::train, "قطار")};
    ui::Image Image9{*this, {3120, 4680, 1335, 1935}, picture(clipart::pencil, "مرسام")};
    ui::Image Image10{*this, {3480, 4680, 1695, 1815}, picture(clipart::ship, "سفـينة")};
    ui::Image Image11{*this, {3120, 5040, 1815, 1215}, picture(clipart::hand, "الـيد")};
    ui::Image Image12{*this, {3000, 5040, 1215, 1455}, picture(clipart::child, "طفل")};
    ui::Image Image13{*this, {3240, 4920, 1215, 1695}, picture(clipart::door, "باب")};
    ui::Image Image14{*this, {3600, 4800, 975, 1815}, picture(clipart::key, "مفتاح")};
    ui::Image Image15{*this, {3480, 4920, 1455, 1695}, picture(clipart::flower, "وردة")};
    ui::Image Image16{*this, {3240, 4800, 1455, 1695}, picture(clipart::cat, "قطة")};
    ui::Image Image17{*this, {3480, 5040, 1455, 1455}, picture(clipart::tree, "شجرة")};
    ui::Image Image18{*this, {2760, 4920, 2175, 1455}, picture(clipart::clock, "ساعة")};
    ui::Image Image19{*this, {2880, 4800, 2175, 1815}, picture(clipart::ship, "سفـينة")};
};
