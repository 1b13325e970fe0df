#include "screens/picture_words/form6.h"

#include "app/forms.h"
#include "assets/artwork.h"

using app::FormId;

// In the order of the pictures, Image1 to Image20.
const std::array<Form6::PictureWord, 20> Form6::pictureWords{{
    {&Form6::Image1, &Form6::Command2, u"كلب", 3, false},      // Image1_Click, Command2_Click: dog
    {&Form6::Image2, &Form6::Command5, u"فراشة", 5, false},    // Image2_Click, Command5_Click: butterfly
    {&Form6::Image3, &Form6::Command8, u"نحلة", 4, false},     // Image3_Click, Command8_Click: bee
    {&Form6::Image4, &Form6::Command11, u"عصفور", 5, true},    // Image4_Click, Command11_Click: sparrow
    {&Form6::Image5, &Form6::Command3, u"بقرة", 4, false},     // Image5_Click, Command3_Click: cow
    {&Form6::Image6, &Form6::Command6, u"ضفدع", 4, false},     // Image6_Click, Command6_Click: frog
    {&Form6::Image7, &Form6::Command9, u"سمكة", 4, false},     // Image7_Click, Command9_Click: fish
    {&Form6::Image8, &Form6::Command12, u"قطة", 3, false},     // Image8_Click, Command12_Click: cat
    {&Form6::Image9, &Form6::Command4, u"دب", 2, false},       // Image9_Click, Command4_Click: bear
    {&Form6::Image10, &Form6::Command7, u"نملة", 4, false},    // Image10_Click, Command7_Click: ant
    {&Form6::Image11, &Form6::Command10, u"اسد", 3, true},     // Image11_Click, Command10_Click: lion
    {&Form6::Image12, &Form6::Command13, u"ارنب", 4, false},   // Image12_Click, Command13_Click: rabbit
    {&Form6::Image13, &Form6::Command14, u"عنب", 3, false},    // Image13_Click, Command14_Click: grapes
    {&Form6::Image14, &Form6::Command15, u"موز", 3, false},    // Image14_Click, Command15_Click: bananas
    {&Form6::Image15, &Form6::Command16, u"فراولة", 6, false}, // Image15_Click, Command16_Click: strawberry
    {&Form6::Image16, &Form6::Command17, u"لـيمون", 5, false}, // Image16_Click, Command17_Click: lemon
    {&Form6::Image17, &Form6::Command20, u"جزر", 3, false},    // Image17_Click, Command20_Click: carrots
    {&Form6::Image18, &Form6::Command19, u"بطـيخ", 4, false},  // Image18_Click, Command19_Click: watermelon
    {&Form6::Image19, &Form6::Command18, u"تفاحة", 5, false},  // Image19_Click, Command18_Click: apple
    {&Form6::Image20, &Form6::Command22, u"برتقال", 6, false}, // Image20_Click, Command22_Click: oranges
}};

const std::array<Form6::Page, 5> Form6::pages{{
    {&Form6::Option6, 1, 16},  // Option6_Click: animal page 1
    {&Form6::Option5, 5, 16},  // Option5_Click: animal page 2
    {&Form6::Option4, 9, 16},  // Option4_Click: animal page 3
    {&Form6::Option7, 13, 20}, // Option7_Click: fruit page 1
    {&Form6::Option8, 17, 20}, // Option8_Click: fruit page 2
}};

Form6::Form6()
    : ui::Form({.caption = "صورة وكلمة... سلسلة برامج Marzun",
                .width = 8940,
                .height = 6900,
                .minimizeBox = false,
                .icon = &clipart::picturesAndWords,
                .drawAhead = {artwork::mainMenu}})
{
    connect(this, &ui::Form::Load, this, &Form6::Form_Load);
    connect(&Option1, &ui::OptionButton::Click, this, &Form6::Option1_Click);
    connect(&Option2, &ui::OptionButton::Click, this, &Form6::Option2_Click);
    for (const Page& page : pages)
        connect(&(this->*page.option), &ui::OptionButton::Click, this, [this, &page] { pageClick(page); });
    for (const PictureWord& row : pictureWords) {
        ui::Image& image = this->*row.picture;
        image.setAccessibleName(QString::fromUtf16(row.word));
        connect(&image, &ui::Image::Click, this, [this, &row] { pictureClick(row); });
        connect(&(this->*row.button), &ui::CommandButton::Click, this,
                [this, &row] { wordButtonClick(row); });
    }
    connect(&Command21, &ui::CommandButton::Click, this, &Form6::Command21_Click);
}

void Form6::Form_Load()
{
    Label11.setCaption("اختر أولاً مجموعة الصور ");
    Option1.setValue(false);
    Option2.setValue(false);
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
    (this->*row.picture).setBorderStyle(1);
    for (const PictureWord& other : pictureWords)
        (this->*other.button).setVisible(&other == &row);
    const std::array<ui::TextBox*, 7> boxes = letterBoxes();
    for (int position = 0; position < int(boxes.size()); ++position)
        boxes[position]->setVisible(position < row.letters);
    // No word takes the seventh box, so it is never shown and never needs emptying.
    for (int position = 0; position < int(boxes.size()) - 1; ++position)
        boxes[position]->setText({});
    if (row.emptiesResult)
        Text3.setText({});
    Label11.setCaption({});
}

void Form6::wordButtonClick(const PictureWord& row)
{
    Text3.setText(screens::builtWord(letterBoxes()));
    if (Text3.text() == QStringView(row.word))
        Label11.setCaption("أحسنت الكلمة صحيحة   :   " + Text3.text());
    else
        Label11.setCaption("حاول مرة أخرى لإن الكلمة خاطئة  " + Text3.text());
    if (Text3.text().isEmpty())
        Label11.setCaption("فضلاً :أكتب أولاً الكلمة. ثم اضغط الزر :  ");
}

// Nothing is reset: the child comes back to the screen as it was left.
void Form6::Command21_Click()
{
    app::hide(FormId::Form6);
    app::show(FormId::Form4);
}
