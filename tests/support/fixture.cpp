#include "tests/support/fixture.h"

FixtureForm::FixtureForm()
    : ui::Form({.caption = "fixture", .width = 6000, .height = 3450})
{
    connect(this, &ui::Form::MouseMove, this, [this] { Hint.setCaption("free"); });
    connect(&Hotspot, &ui::Label::MouseMove, this, [this] { Hint.setCaption("hotspot"); });
    connect(&Hotspot, &ui::Label::Click, this, [this] { ++clicks; });
    connect(&Tile7, &ui::Label::Click, this, [this] { ++clicks; });
    connect(&Button, &ui::CommandButton::Click, this, [this] { ++clicks; });
    connect(&List, &ui::ListBox::Click, this, [this] { ++listClicks; });
    connect(&List, &ui::ListBox::GotFocus, this, [this] { Hint.setCaption("list focus"); });
    connect(&OptionA, &ui::OptionButton::Click, this, [this] { ++optionClicks; });
    connect(&OptionB, &ui::OptionButton::Click, this, [this] { ++optionClicks; });
    connect(&Item, &ui::Menu::Click, this, [this] { ++menuClicks; });
    connect(&Picture, &ui::Image::Click, this, [this] { ++imageClicks; });
}
