#include "screens/picture_words/form6.h"

#include "app/forms.h"
#include "assets/artwork.h"
#include "screens/answers.h"
#include "screens/screens.h"
#include "screens/spoken_words.h"
#include "ui/voice.h"

using app::FormId;

namespace {

const ui::Voiced chooseAGroup{"اختر أولاً مجموعة الصور ", {"اِخْتَرْ مَجْمُوعَةَ الصُّوَرِ أَوَّلًا"}};

} // namespace

// In the order of the pictures, Image1 to Image20: word, letter boxes, picture, word button, and
// whether clicking the picture empties the result box too.
const std::array<Form6::PictureWord, 20> Form6::pictureWords{{
    {"كلب", 3, &Form6::Image1, &Form6::Command2},          // Image1_Click, Command2_Click: dog
    {"فراشة", 5, &Form6::Image2, &Form6::Command5},        // Image2_Click, Command5_Click: butterfly
    {"نحلة", 4, &Form6::Image3, &Form6::Command8},         // Image3_Click, Command8_Click: bee
    {"عصفور", 5, &Form6::Image4, &Form6::Command11, true}, // Image4_Click, Command11_Click: sparrow
    {"بقرة", 4, &Form6::Image5, &Form6::Command3},         // Image5_Click, Command3_Click: cow
    {"ضفدع", 4, &Form6::Image6, &Form6::Command6},         // Image6_Click, Command6_Click: frog
    {"سمكة", 4, &Form6::Image7, &Form6::Command9},         // Image7_Click, Command9_Click: fish
    {"قطة", 3, &Form6::Image8, &Form6::Command12},         // Image8_Click, Command12_Click: cat
    {"دب", 2, &Form6::Image9, &Form6::Command4},           // Image9_Click, Command4_Click: bear
    {"نملة", 4, &Form6::Image10, &Form6::Command7},        // Image10_Click, Command7_Click: ant
    {"اسد", 3, &Form6::Image11, &Form6::Command10, true},  // Image11_Click, Command10_Click: lion
    {"ارنب", 4, &Form6::Image12, &Form6::Command13},       // Image12_Click, Command13_Click: rabbit
    {"عنب", 3, &Form6::Image13, &Form6::Command14},        // Image13_Click, Command14_Click: grapes
    {"موز", 3, &Form6::Image14, &Form6::Command15},        // Image14_Click, Command15_Click: bananas
    {"فراولة", 6, &Form6::Image15, &Form6::Command16},     // Image15_Click, Command16_Click: strawberry
    {"لـيمون", 5, &Form6::Image16, &Form6::Command17},     // Image16_Click, Command17_Click: lemon
    {"جزر", 3, &Form6::Image17, &Form6::Command20},        // Image17_Click, Command20_Click: carrots
    {"بطـيخ", 4, &Form6::Image18, &Form6::Command19},      // Image18_Click, Command19_Click: watermelon
    {"تفاحة", 5, &Form6::Image19, &Form6::Command18},      // Image19_Click, Command18_Click: apple
    {"برتقال", 6, &Form6::Image20, &Form6::Command22},     // Image20_Click, Command22_Click: oranges
}};

const std::array<Form6::Page, 5> Form6::pages{{
    {&Form6::Option6, 1, 16},  // Option6_Click: animal page 1
    {&Form6::Option5, 5, 16},  // Option5_Click: animal page 2
    {&Form6::Option4, 9, 16},  // Option4_Click: animal page 3
    {&Form6::Option7, 13, 20}, // Option7_Click: fruit page 1
    {&Form6::Option8, 17, 20}, // Option8_Click: fruit page 2
}};

Form6::Form6()
    : ui::Form(screens::sized(FormId::Form6, {.caption = "صورة وكلمة... سلسلة برامج Marzun",
                                              .minimizeBox = false,
                                              .icon = &clipart::picturesAndWords,
                                              .drawAhead = {artwork::mainMenu}}))
{
    connect(this, &ui::Form::Load, this, &Form6::Form_Load);
    connect(&Option1, &ui::OptionButton::Click, this, &Form6::Option1_Click);
    connect(&Option2, &ui::OptionButton::Click, this, &Form6::Option2_Click);
    for (const Page& page : pages)
        connect(&(this->*page.option), &ui::OptionButton::Click, this, [this, &page] { pageClick(page); });
    screens::nameWordPictures<Form6>(*this, pictureWords);
    for (const PictureWord& row : pictureWords) {
        connect(&(this->*row.picture), &ui::Image::Click, this, [this, &row] { pictureClick(row); });
        connect(&(this->*row.button), &ui::CommandButton::Click, this,
                [this, &row] { wordButtonClick(row); });
    }
    connect(&Command21, &ui::CommandButton::Click, this, &Form6::Command21_Click);
    connect(&Label11, &ui::Label::MouseMove, this, &Form6::Label11_MouseMove);
}

void Form6::Form_Load()
{
    Label11.setCaption(chooseAGroup.shown);
    Option1.setValue(false);
    Option2.setValue(false);
}

// The opening instruction is said to a child who cannot read it yet.
void Form6::Label11_MouseMove()
{
    if (Label11.caption() == chooseAGroup.shown)
        ui::voice().sayOnArrival(Label11, chooseAGroup.spoken);
}

void Form6::Option1_Click()
{
    chooseGroup(Frame2, Frame3);
}

void Form6::Option2_Click()
{
    chooseGroup(Frame3, Frame2);
    Command22.setVisible(false);
}

// The word button and letter boxes of an earlier picture stay, so its word can still be checked.
void Form6::chooseGroup(ui::Frame& shown, ui::Frame& hidden)
{
    shown.setVisible(true);
    hidden.setVisible(false);
    for (ui::OptionButton* pageOption : shown.findChildren<ui::OptionButton*>())
        pageOption->setValue(false);
    Text3.setText({});
    for (int number = 1; number <= int(pictureWords.size()); ++number)
        picture(number).setVisible(false);
}

void Form6::pageClick(const Page& page)
{
    for (int number = 1; number <= page.lastHidden; ++number)
        picture(number).setVisible(number >= page.firstPicture && number < page.firstPicture + 4);
}

void Form6::pictureClick(const PictureWord& row)
{
    (this->*row.picture).setBorderStyle(ui::FixedSingle);
    for (const PictureWord& other : pictureWords)
        (this->*other.button).setVisible(&other == &row);
    const std::array<ui::TextBox*, 7> boxes = letterBoxes();
    for (int position = 0; position < int(boxes.size()); ++position)
        boxes[position]->setVisible(position < row.boxes);
    // No word takes the seventh box, so it is never shown and never needs emptying.
    for (int position = 0; position < int(boxes.size()) - 1; ++position)
        boxes[position]->setText({});
    if (row.emptiesResult)
        Text3.setText({});
    Label11.setCaption({});
    ui::voice().say(screens::spokenArabicWord(row.text));
}

void Form6::wordButtonClick(const PictureWord& row)
{
    Text3.setText(screens::builtWord(letterBoxes()));
    const ui::Voiced& answer =
        Text3.text() == row.text ? screens::answers::praise : screens::answers::tryAgain;
    Label11.setCaption(answer.shown + Text3.text());
    if (Text3.text().isEmpty()) {
        Label11.setCaption(screens::answers::writeFirst.shown);
        ui::voice().say(screens::answers::writeFirst.spoken);
    } else {
        ui::voice().say(screens::answer(answer, screens::spokenArabicWord(Text3.text())));
    }
}

// Nothing is reset: the child comes back to the screen as it was left.
void Form6::Command21_Click()
{
    app::hide(FormId::Form6);
    app::show(FormId::Form4);
}
