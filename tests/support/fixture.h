#pragma once

#include "assets/clipart.h"
#include "ui/commandbutton.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/listbox.h"
#include "ui/menu.h"
#include "ui/optionbutton.h"
#include "ui/textbox.h"

// One control of every class, laid out as a screen lays out its own, for testing the runtime alone.
// Its handlers only count and record, so a test sees which events fired.
class FixtureForm : public ui::Form {
    Q_OBJECT

public:
    FixtureForm();

    int clicks = 0;
    int listClicks = 0;
    int optionClicks = 0;
    int menuClicks = 0;
    int imageClicks = 0;

    // Front to back.
    ui::Label Hotspot{*this, {3000, 300, 900, 600}, {.transparent = true, .accessibleName = "hotspot"}};
    ui::Label Hint{*this, {3000, 600, 3000, 450}};
    ui::Label Tile7{*this,
                    {300, 150, 375, 375},
                    {.caption = "7", .alignment = ui::Align::Centre, .border = true, .tile = true}};
    ui::Label Tile3{*this, {900, 150, 375, 375}, {.caption = "3", .border = true, .tile = true}};
    ui::Label TileYeh{*this, {1500, 150, 375, 375}, {.caption = "ي\r\n", .border = true, .tile = true}};
    ui::Label Plain{*this, {2100, 150, 375, 375}, {.caption = "L"}};
    ui::TextBox Hidden{*this, {300, 1200, 615, 495}, {.dropBox = true, .visible = false, .tabIndex = 1}};
    ui::TextBox Box{*this, {300, 1200, 615, 495}, {.dropBox = true, .tabIndex = 3}};
    ui::TextBox Locked{*this, {1200, 1200, 615, 495}, {.locked = true, .dropBox = true, .tabIndex = 2}};
    ui::TextBox Result{*this, {2100, 1200, 615, 495}, {.locked = true, .tabIndex = 4}};
    ui::CommandButton Button{*this, {3000, 1200, 1215, 495}, {.caption = "زر", .tabIndex = 0}};
    ui::ListBox List{*this, {300, 1950, 1695, 1020}, {.sorted = true, .tabIndex = 5}};
    ui::Frame Frame1{*this, {2100, 1950, 1815, 1275}, {.caption = "frame"}};
    ui::OptionButton OptionA{Frame1, {120, 300, 1455, 255}, {.caption = "A", .tabIndex = 6}};
    ui::OptionButton OptionB{Frame1, {120, 700, 1455, 255}, {.caption = "B", .tabIndex = 7}};
    ui::Frame Frame2{*this, {4050, 1950, 1815, 1275}, {.caption = "other"}};
    ui::OptionButton OptionC{Frame2, {120, 300, 1455, 255}, {.caption = "C", .tabIndex = 8}};
    ui::Image Picture{*this, {4500, 150, 900, 900}, {.picture = &clipart::apple, .accessibleName = "apple"}};
    ui::Menu Top{*this, {.caption = "عرض"}};
    ui::Menu Item{Top, {.caption = "item"}};
};
