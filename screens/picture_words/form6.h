#pragma once

#include "assets/clipart.h"
#include "screens/arabic_letters.h"
#include "ui/commandbutton.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/optionbutton.h"
#include "ui/textbox.h"

#include <array>

// The picture-and-word game: choose a group and a page of pictures, click a picture, spell its
// word from the letter tiles and check it with the picture's word button.
class Form6 : public ui::Form {
    Q_OBJECT
    friend class TestPictureWords;

public:
    Form6();

private:
    // One picture of the game: its word, the letter boxes it takes, the button that checks it.
    using PictureWord = screens::Word<Form6>;
    // A page option shows its four pictures and hides the others of its range.
    struct Page {
        ui::OptionButton Form6::*option;
        int firstPicture;
        int lastHidden; // animal pages leave the fruit pictures as they are
    };
    static const std::array<PictureWord, 20> pictureWords;
    static const std::array<Page, 5> pages;

    void Form_Load();
    void Label11_MouseMove();
    void Option1_Click();
    void Option2_Click();
    void chooseGroup(ui::Frame& shown, ui::Frame& hidden);
    void pageClick(const Page& page);
    void pictureClick(const PictureWord& row);
    void wordButtonClick(const PictureWord& row);
    void Command21_Click();
    ui::Image& picture(int number) { return this->*pictureWords[number - 1].picture; }
    std::array<ui::TextBox*, 7> letterBoxes()
    {
        return {&Text1, &Text2, &Text4, &Text5, &Text6, &Text7, &Text8};
    }

    using Align = ui::Align;
    static constexpr ui::Font tahoma{ui::Face::Tahoma, 15.75};
    static ui::ImageProps pictureOf(const ui::Picture& art)
    {
        return screens::wordPicture(art, &clipart::pointingHand);
    }
    static ui::CommandButtonProps wordButton(int tabIndex, const QString& caption = "الصورة هي :")
    {
        return {.caption = caption, .rightToLeft = true, .visible = false, .tabIndex = tabIndex};
    }
    static constexpr ui::Rect pictureRect(ui::Twips left) { return {left, 4320, 1095, 1335}; }
    static constexpr ui::Rect wordButtonRect{7080, 3360, 1215, 495};
    static constexpr ui::Rect pageOptionRect(ui::Twips left) { return {left, 360, 495, 195}; }

    // Controls, front to back: name, {left, top, width, height} in twips, what differs from the default.
    screens::ArabicLetterTiles Tiles{*this, 120, -600};

    // Letter boxes, first letter on the right.
    ui::TextBox Text1{*this, {7680, 2400, 615, 495}, screens::letterBox(9, false)};
    ui::TextBox Text2{*this, {6960, 2400, 615, 495}, screens::letterBox(10, false)};
    ui::TextBox Text4{*this, {6240, 2400, 615, 495}, screens::letterBox(8, false)};
    ui::TextBox Text5{*this, {5520, 2400, 615, 495}, screens::letterBox(7, false)};
    ui::TextBox Text6{*this, {4800, 2400, 615, 495}, screens::letterBox(6, false)};
    ui::TextBox Text7{*this, {4080, 2400, 615, 495}, screens::letterBox(5, false)};
    ui::TextBox Text8{*this, {3360, 2400, 615, 495}, screens::letterBox(4, false)};
    ui::TextBox Text3{*this,
                      {360, 2400, 2055, 495},
                      {.alignment = Align::Centre,
                       .back = 0x00C0FFC0,
                       .fore = 0x00800000,
                       .font = tahoma,
                       .locked = true,
                       .rightToLeft = true,
                       .tabIndex = 11}};
    // Read right to left, so the colon that ends a message stands at its end.
    ui::Label Label11{*this,
                      {360, 3240, 6495, 855},
                      {.alignment = Align::Centre, .fore = 0x00C000C0, .font = tahoma, .rightToLeft = true}};

    ui::Frame Frame1{*this, {6720, 4200, 1815, 1575}, {.caption = "اختر المجموعة ", .rightToLeft = true}};
    ui::OptionButton Option1{
        Frame1, {240, 480, 1455, 255}, {.caption = "صور حيوانات", .rightToLeft = true, .tabIndex = 1}};
    ui::OptionButton Option2{
        Frame1, {240, 1080, 1455, 255}, {.caption = "صور فاكهة", .rightToLeft = true, .tabIndex = 2}};
    ui::Frame Frame2{
        *this, {2040, 5880, 2415, 735}, {.caption = "اختر المجموعة ", .rightToLeft = true, .visible = false}};
    ui::OptionButton Option6{
        Frame2, pageOptionRect(1320), {.caption = "1", .rightToLeft = true, .tabIndex = 51}};
    ui::OptionButton Option5{
        Frame2, pageOptionRect(720), {.caption = "2", .rightToLeft = true, .tabIndex = 50}};
    ui::OptionButton Option4{
        Frame2, pageOptionRect(120), {.caption = "3", .rightToLeft = true, .tabIndex = 49}};
    ui::Frame Frame3{
        *this, {2520, 5880, 1935, 735}, {.caption = "اختر المجموعة ", .rightToLeft = true, .visible = false}};
    ui::OptionButton Option7{
        Frame3, pageOptionRect(840), {.caption = "1", .rightToLeft = true, .tabIndex = 65}};
    ui::OptionButton Option8{
        Frame3, pageOptionRect(240), {.caption = "2", .rightToLeft = true, .tabIndex = 66}};

    ui::Image Image1{*this, pictureRect(5160), pictureOf(clipart::dog)};
    ui::Image Image2{*this, pictureRect(3480), pictureOf(clipart::butterfly)};
    ui::Image Image3{*this, pictureRect(1920), pictureOf(clipart::bee)};
    ui::Image Image4{*this, pictureRect(360), pictureOf(clipart::bird)};
    ui::Image Image5{*this, pictureRect(5040), pictureOf(clipart::cow)};
    ui::Image Image6{*this, pictureRect(3480), pictureOf(clipart::frog)};
    ui::Image Image7{*this, pictureRect(1920), pictureOf(clipart::fish)};
    ui::Image Image8{*this, pictureRect(360), pictureOf(clipart::cat)};
    ui::Image Image9{*this, pictureRect(5040), pictureOf(clipart::bear)};
    ui::Image Image10{*this, pictureRect(3480), pictureOf(clipart::ant)};
    ui::Image Image11{*this, pictureRect(1920), pictureOf(clipart::lion)};
    ui::Image Image12{*this, pictureRect(360), pictureOf(clipart::rabbit)};
    ui::Image Image13{*this, pictureRect(5040), pictureOf(clipart::grapes)};
    ui::Image Image14{*this, {3480, 4320, 1080, 1305}, pictureOf(clipart::banana)};
    ui::Image Image15{*this, pictureRect(1920), pictureOf(clipart::strawberry)};
    ui::Image Image16{*this, pictureRect(360), pictureOf(clipart::lemon)};
    ui::Image Image17{*this, pictureRect(360), pictureOf(clipart::carrots)};
    ui::Image Image18{*this, pictureRect(1920), pictureOf(clipart::watermelon)};
    ui::Image Image19{*this, {3480, 4320, 1080, 1305}, pictureOf(clipart::apple)};
    ui::Image Image20{*this, pictureRect(5040), pictureOf(clipart::oranges)};

    // Word buttons, stacked in one place: only the clicked picture's button shows.
    ui::CommandButton Command2{*this, wordButtonRect, wordButton(52)};
    ui::CommandButton Command3{*this, wordButtonRect, wordButton(53)};
    ui::CommandButton Command4{*this, wordButtonRect, wordButton(54)};
    ui::CommandButton Command5{*this, wordButtonRect, wordButton(55)};
    ui::CommandButton Command6{*this, wordButtonRect, wordButton(56)};
    ui::CommandButton Command7{*this, wordButtonRect, wordButton(57)};
    ui::CommandButton Command8{*this, wordButtonRect, wordButton(58)};
    ui::CommandButton Command9{*this, wordButtonRect, wordButton(59)};
    ui::CommandButton Command10{*this, wordButtonRect, wordButton(60)};
    ui::CommandButton Command11{*this, wordButtonRect, wordButton(61)};
    ui::CommandButton Command12{*this, wordButtonRect, wordButton(62)};
    ui::CommandButton Command13{*this, wordButtonRect, wordButton(63)};
    ui::CommandButton Command14{*this, wordButtonRect, wordButton(68, "الصورة هي ")};
    ui::CommandButton Command15{*this, wordButtonRect, wordButton(69)};
    ui::CommandButton Command16{*this, wordButtonRect, wordButton(70)};
    ui::CommandButton Command17{*this, wordButtonRect, wordButton(71)};
    ui::CommandButton Command18{*this, wordButtonRect, wordButton(72)};
    ui::CommandButton Command19{*this, wordButtonRect, wordButton(73)};
    ui::CommandButton Command20{*this, wordButtonRect, wordButton(74)};
    ui::CommandButton Command22{*this, wordButtonRect, wordButton(76)};
    ui::CommandButton Command21{
        *this, {7080, 6120, 1215, 495}, {.caption = "عودة", .rightToLeft = true, .tabIndex = 75}};
};
