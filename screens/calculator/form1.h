#pragma once

#include "assets/clipart.h"
#include "ui/commandbutton.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/numbers.h"
#include "ui/textbox.h"

// The drag-and-calculate screen, on which the program opens.
class Form1 : public ui::Form {
    Q_OBJECT

public:
    Form1();

private:
    friend class CalculatorTest;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void operate(ui::Operation operation, const QString& sign);

    using Align = ui::Align;
    static constexpr ui::Font tahoma(double points) { return {ui::Face::Tahoma, points}; }
    static ui::LabelProps digitTile(int digit);
    static ui::TextBoxProps operandBox(int tabIndex)
    {
        return {.alignment = Align::Centre,
                .back = 0x00C0FFFF,
                .fore = 0x000000C0,
                .font = tahoma(15.75),
                .dropBox = true,
                .tabIndex = tabIndex};
    }

    // Controls, front to back: name, {left, top, width, height} in twips, what differs from the default.
    ui::CommandButton Command5{*this, {2520, 2880, 1215, 495}, {.caption = "عودة", .tabIndex = 20}};
    ui::CommandButton Command4{*this, {5760, 2880, 1215, 495}, {.caption = " ( / )   اقسم", .tabIndex = 16}};
    ui::CommandButton Command3{*this, {5760, 2280, 1215, 495}, {.caption = " ( * )   اضرب", .tabIndex = 15}};
    ui::CommandButton Command2{*this, {5760, 1680, 1215, 495}, {.caption = " ( - )   اطرح", .tabIndex = 14}};
    ui::CommandButton Command1{*this, {5760, 1080, 1215, 495}, {.caption = " ( + )   اجمع", .tabIndex = 13}};
    ui::TextBox Text3{*this,
                      {4320, 1080, 1215, 495},
                      {.alignment = Align::Centre,
                       .back = 0x00C0FFC0,
                       .fore = 0x00800000,
                       .font = tahoma(15.75),
                       .tabIndex = 12}};
    ui::TextBox Text2{*this, {2280, 1080, 1215, 495}, operandBox(11)};
    ui::TextBox Text1{*this, {240, 1080, 1215, 495}, operandBox(10)};
    ui::Label Label13{*this,
                      {3720, 1080, 375, 375},
                      {.alignment = Align::Centre, .fore = 0x000000FF, .font = tahoma(20.25)}};
    ui::Label Label12{*this,
                      {1680, 1080, 375, 375},
                      {.alignment = Align::Centre, .fore = 0x00C00000, .font = tahoma(20.25)}};
    ui::Label Label11{
        *this, {1320, 2040, 3255, 495}, {.alignment = Align::Centre, .fore = 0x00C000C0, .font = tahoma(18)}};
    ui::Label Label10{*this, {5880, 240, 375, 375}, digitTile(9)};
    ui::Label Label9{*this, {5280, 240, 375, 375}, digitTile(8)};
    ui::Label Label8{*this, {4680, 240, 375, 375}, digitTile(7)};
    ui::Label Label7{*this, {4080, 240, 375, 375}, digitTile(6)};
    ui::Label Label6{*this, {3480, 240, 375, 375}, digitTile(5)};
    ui::Label Label5{*this, {2880, 240, 375, 375}, digitTile(4)};
    ui::Label Label4{*this, {2280, 240, 375, 375}, digitTile(3)};
    ui::Label Label3{*this, {1680, 240, 375, 375}, digitTile(2)};
    ui::Label Label2{*this, {1080, 240, 375, 375}, digitTile(1)};
    ui::Label Label1{*this, {480, 240, 375, 375}, digitTile(0)};
};
