#include "screens/arabic_words/form2.h"

#include "app/forms.h"
#include "assets/artwork.h"
#include "screens/answers.h"
#include "screens/screens.h"
#include "screens/spoken_words.h"
#include "ui/voice.h"

#include <span>

using app::FormId;

namespace {

const ui::Voiced saying{
    QStringLiteral("قال رسول الله صلى الله عليه وسلم : اطلبوا العلم من المهد إلى اللحد . "),
    {"قَالَ رَسُولُ اللَّهِ صَلَّى اللَّهُ عَلَيْهِ وَسَلَّمَ: اُطْلُبُوا العِلْمَ مِنَ المَهْدِ إِلَى اللَّحْدِ"}};
const ui::Voiced yehHint{QStringLiteral("ياء تكتب في وسط وآخر الكلمة"), {"يَاءٌ تُكْتَبُ فِي وَسَطِ الكَلِمَةِ وَآخِرِهَا"}};
const ui::Voiced instruction{
    QStringLiteral("من مربع الكلمات حدد الكلمة المطلوب تكوينها . ثم اضغط مع السحب على الحرف الذي تريده ثم "
                   "ألقه في المربع المخصص له كي تكون الكلمة المطلوبة . "),
    {"مِنْ مُرَبَّعِ الكَلِمَاتِ حَدِّدِ الكَلِمَةَ المَطْلُوبَ تَكْوِينُهَا، ثُمَّ اضْغَطْ مَعَ السَّحْبِ عَلَى الحَرْفِ "
     "الَّذِي تُرِيدُهُ، ثُمَّ أَلْقِهِ فِي المُرَبَّعِ المُخَصَّصِ لَهُ، كَيْ تُكَوِّنَ الكَلِمَةَ المَطْلُوبَةَ."}};

} // namespace

Form2::Form2()
    : ui::Form(screens::sized(FormId::Form2, {.caption = "كون كلمات عربي...سلسلة برامج Marzun",
                                              .minimizeBox = false,
                                              .icon = &clipart::sheetWithA,
                                              .drawAhead = {artwork::mainMenu}}))
{
    connect(this, &ui::Form::Load, this, &Form2::Form_Load);
    connect(this, &ui::Form::MouseMove, this, &Form2::Form_MouseMove);
    connect(&Tiles.Label32, &ui::Label::MouseMove, this, &Form2::Label32_MouseMove);
    connect(&Label30, &ui::Label::MouseMove, this, &Form2::Label30_MouseMove);
    connect(&List1, &ui::ListBox::GotFocus, this, &Form2::List1_GotFocus);
    connect(&List1, &ui::ListBox::Click, this, &Form2::List1_Click);
    connect(&Command1, &ui::CommandButton::Click, this, &Form2::Command1_Click);
    connect(&Command2, &ui::CommandButton::Click, this, &Form2::Command2_Click);
    screens::nameWordPictures<Form2>(*this, words);
}

std::array<ui::TextBox*, 8> Form2::letterBoxes()
{
    return {&Text1, &Text2, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9};
}

std::array<ui::Image*, 19> Form2::pictures()
{
    return {&Image1,  &Image2,  &Image3,  &Image4,  &Image5,  &Image6,  &Image7,  &Image8,  &Image9, &Image10,
            &Image11, &Image12, &Image13, &Image14, &Image15, &Image16, &Image17, &Image18, &Image19};
}

void Form2::Form_MouseMove()
{
    Label11.setCaption(saying.shown);
    ui::voice().sayOnArrival(*client(), saying.spoken);
}

void Form2::Label32_MouseMove()
{
    Label11.setCaption(yehHint.shown);
    ui::voice().sayOnArrival(Tiles.Label32, yehHint.spoken);
}

// The instruction is said to a child who cannot read it yet.
void Form2::Label30_MouseMove()
{
    ui::voice().sayOnArrival(Label30, instruction.spoken);
}

void Form2::List1_GotFocus()
{
    Label11.setCaption({});
}

void Form2::Form_Load()
{
    Label30.setCaption(instruction.shown);
    for (const Word& word : std::span(words).first(listedWords))
        List1.AddItem(word.text);
}

void Form2::List1_Click()
{
    const Word* word =
        screens::find<Form2>(std::span(words).first(listedWords), List1.List(List1.ListIndex()));
    if (!word)
        return;
    Text5.setVisible(word->boxes >= 4);
    Text6.setVisible(word->boxes >= 5);
    Text7.setVisible(false);
    for (ui::TextBox* box : {&Text1, &Text2, &Text4, &Text5, &Text6, &Text7})
        box->setText({});
    Label11.setCaption({});
    ui::voice().say(screens::spokenArabicWord(word->text));
}

void Form2::Command1_Click()
{
    Text3.setText(screens::builtWord(letterBoxes()));
    const QString selected = List1.List(List1.ListIndex());
    const ui::Voiced& answer =
        Text3.text() == selected ? screens::answers::praise : screens::answers::tryAgain;
    Label11.setCaption(answer.shown + Text3.text());
    ui::voice().say(screens::answer(answer, screens::spokenArabicWord(Text3.text())));
    if (const Word* word = screens::find<Form2>(words, Text3.text()))
        screens::showOnly(pictures(), &(this->*word->picture));
}

void Form2::Command2_Click()
{
    app::hide(FormId::Form2);
    app::show(FormId::Form4);
    Label11.setCaption({});
    for (ui::TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Text8, &Text9})
        box->setText({});
    for (ui::Image* image : pictures())
        image->setVisible(false);
}
