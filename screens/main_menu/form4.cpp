#include "screens/main_menu/form4.h"

#include "app/forms.h"
#include "assets/artwork.h"
#include "screens/screens.h"
#include "ui/voice.h"

using app::FormId;

Form4::Form4()
    : ui::Form(screens::sized(FormId::Form4, {.caption = "Tarsel... سلسلة برامج Marzun",
                                              .icon = &clipart::pencilOverNotepad,
                                              .picture = artwork::mainMenu,
                                              .drawAhead = {artwork::contact},
                                              .loadAhead = screens::everyFont(),
                                              .sortAhead = true}))
{
    connect(this, &ui::Form::MouseMove, this, &Form4::Form_MouseMove);
    connect(&Label1, &ui::Label::MouseMove, this, &Form4::Label1_MouseMove);
    connect(&Label2, &ui::Label::MouseMove, this, &Form4::Label2_MouseMove);
    connect(&Label3, &ui::Label::MouseMove, this, &Form4::Label3_MouseMove);
    connect(&Label4, &ui::Label::MouseMove, this, &Form4::Label4_MouseMove);
    connect(&Label6, &ui::Label::MouseMove, this, &Form4::Label6_MouseMove);
    connect(&Label7, &ui::Label::MouseMove, this, &Form4::Label7_MouseMove);
    connect(&Label8, &ui::Label::MouseMove, this, &Form4::Label8_MouseMove);
    connect(&Label1, &ui::Label::Click, this, &Form4::Label1_Click);
    connect(&Label2, &ui::Label::Click, this, &Form4::Label2_Click);
    connect(&Label3, &ui::Label::Click, this, &Form4::Label3_Click);
    connect(&Label4, &ui::Label::Click, this, &Form4::Label4_Click);
    connect(&Label6, &ui::Label::Click, this, &Form4::Label6_Click);
    connect(&Label7, &ui::Label::Click, this, &Form4::Label7_Click);
    connect(&Label8, &ui::Label::Click, this, &Form4::Label8_Click);
    connect(&f_mun, &ui::Menu::Click, this, &Form4::f_mun_Click);
    connect(&f1_mun, &ui::Menu::Click, this, &Form4::f1_mun_Click);
    connect(&f2_mun, &ui::Menu::Click, this, &Form4::f2_mun_Click);
    connect(&mute_mun, &ui::Menu::Click, this, &Form4::mute_mun_Click);
    mute_mun.setChecked(ui::voice().muted());
    connect(&ui::voice(), &ui::Voice::mutedChanged, &mute_mun, &ui::Menu::setChecked);
}

void Form4::Label1_MouseMove()
{
    hint(Label1, arabicWords);
}

void Form4::Label3_MouseMove()
{
    hint(Label3, arabicWords);
}

void Form4::Label2_MouseMove()
{
    hint(Label2, englishWords);
}

void Form4::Label4_MouseMove()
{
    hint(Label4, calculator);
}

void Form4::Label6_MouseMove()
{
    hint(Label6, farewell);
}

void Form4::Label7_MouseMove()
{
    hint(Label7, contactUs);
}

void Form4::Label8_MouseMove()
{
    hint(Label8, picturesAndWords);
}

// The hint label names the activity, and the voice says it as the pointer comes onto its hotspot.
void Form4::hint(const ui::Label& hotspot, const ui::Voiced& text)
{
    Label5.setCaption(text.shown);
    ui::voice().sayOnArrival(hotspot, text.spoken);
}

void Form4::Form_MouseMove()
{
    Label5.setCaption("");
}

// Every way out of the menu shows its target first, then hides the menu.
void Form4::open(FormId target)
{
    app::show(target);
    app::hide(FormId::Form4);
}

void Form4::Label1_Click()
{
    open(FormId::Form2);
}

void Form4::Label3_Click()
{
    open(FormId::Form2);
}

void Form4::f_mun_Click()
{
    open(FormId::Form2);
}

void Form4::Label2_Click()
{
    open(FormId::Form3);
}

void Form4::f1_mun_Click()
{
    open(FormId::Form3);
}

void Form4::Label4_Click()
{
    open(FormId::Form1);
}

void Form4::Label7_Click()
{
    open(FormId::Form5);
}

void Form4::Label8_Click()
{
    open(FormId::Form6);
}

void Form4::f2_mun_Click()
{
    open(FormId::Form6);
}

void Form4::mute_mun_Click()
{
    ui::voice().setMuted(mute_mun.checked());
}

void Form4::Label6_Click()
{
    app::end();
}
