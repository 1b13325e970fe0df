#pragma once

#include "assets/clipart.h"
#include "ui/form.h"
#include "ui/image.h"
#include "ui/label.h"

// The contact screen: the maker's contact lines drawn on the artwork, each named in its own colour
// while the pointer is over it.
class Form5 : public ui::Form {
    Q_OBJECT

public:
    Form5();

private:
    friend class ContactTest;

    void Label3_MouseMove();
    void Label2_MouseMove();
    void Label1_MouseMove();
    void Form_MouseMove();
    void Image1_Click();

    // Two line breaks: the hotspots show nothing and still take the pointer.
    static ui::LabelProps line(ui::Align alignment, ui::Font font = {})
    {
        return {.caption = "\r\n\r\n",
                .alignment = alignment,
                .transparent = true,
                .font = font,
                .pointer = &clipart::handWithPen};
    }

    // Controls, front to back: name, {left, top, width, height} in twips, what differs from the default.
    ui::Label Label4{
        *this, {720, 3600, 6855, 615}, line(ui::Align::Centre, {ui::Face::ArabicTransparent, 21.75})};
    ui::Label Label3{*this, {600, 720, 6855, 615}, line(ui::Align::Right)};
    ui::Label Label2{*this, {720, 2640, 6855, 615}, line(ui::Align::Right)};
    ui::Label Label1{*this, {120, 4560, 7935, 615}, line(ui::Align::Right)};
    ui::Image Image1{
        *this,
        {3360, 5520, 1200, 600},
        {.picture = &clipart::homeButton, .pointer = &clipart::handWithPen, .accessibleName = "home"}};
};
