#include "screens/english_words/form3.h"

#include "app/forms.h"
#include "assets/artwork.h"
#include "screens/screens.h"
#include "ui/voice.h"

using app::FormId;

namespace {

// An English word as it is said: in small letters, which no voice takes for letters to spell.
ui::Speech spokenWord(const QString& word)
{
    return {word.toLower(), ui::Language::English};
}

// The check's answers, said in English followed by the word as built.
const ui::Voiced veryGood{"Very Good . The word is:   ", {"Very good. The word is: ", ui::Language::English}};
// "rong" is the screen's own spelling, kept as the children have always read it.
const ui::Voiced wrong{" The word is rong . Try Again ",
                       {"The word is wrong. Try again. You built: ", ui::Language::English}};

} // namespace

Form3::Form3()
    : ui::Form(screens::sized(FormId::Form3, {.caption = "كَوِّن كلمات  E...سلسلة برامج Marzun",
                                              .minimizeBox = false,
                                              .icon = &clipart::sheetWithA,
                                              .drawAhead = {artwork::mainMenu}}))
{
    connect(this, &ui::Form::Load, this, &Form3::Form_Load);
    connect(&List1, &ui::ListBox::Click, this, &Form3::List1_Click);
    connect(&Command1, &ui::CommandButton::Click, this, &Form3::Command1_Click);
    connect(&Command2, &ui::CommandButton::Click, this, &Form3::Command2_Click);
    screens::nameWordPictures<Form3>(*this, words);
}

std::array<ui::Image*, 17> Form3::pictures()
{
    return {&Image1,  &Image2,  &Image3,  &Image4,  &Image5,  &Image6,  &Image7,  &Image8, &Image9,
            &Image10, &Image11, &Image12, &Image13, &Image14, &Image15, &Image16, &Image17};
}

void Form3::Form_Load()
{
    for (const Word& word : words)
        List1.AddItem(word.text);
}

void Form3::List1_Click()
{
    const Word* word = screens::find<Form3>(words, List1.List(List1.ListIndex()));
    if (!word)
        return;
    const auto boxes = dropBoxes();
    for (int letter = alwaysShownBoxes; letter < int(boxes.size()); ++letter)
        boxes[letter]->setVisible(letter < word->boxes);
    for (ui::TextBox* box : boxes)
        box->setText({});
    Label11.setCaption({});
    ui::voice().say(spokenWord(word->text));
}

void Form3::Command1_Click()
{
    Text3.setText(screens::builtWord(dropBoxes()));
    const bool right = Text3.text() == List1.List(List1.ListIndex());
    if (right)
        Label11.setCaption(veryGood.shown + Text3.text());
    else
        Label11.setCaption(wrong.shown);
    ui::voice().say(screens::answer(right ? veryGood : wrong, spokenWord(Text3.text())));
    if (const Word* word = screens::find<Form3>(words, Text3.text()))
        screens::showOnly(pictures(), &(this->*word->picture));
}

void Form3::Command2_Click()
{
    app::show(FormId::Form4);
    app::hide(FormId::Form3);
    Label11.setCaption({});
    for (ui::TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7})
        box->setText({});
    for (ui::Image* picture : pictures())
        picture->hide();
}
