#include "screens/contact/form5.h"

#include "app/forms.h"
#include "assets/artwork.h"
#include "screens/screens.h"
#include "ui/voice.h"

using app::FormId;

Form5::Form5()
    : ui::Form(screens::sized(FormId::Form5, {.caption = "اتصل بنا",
                                              .minimizeBox = false,
                                              .icon = &clipart::fingerOnKey,
                                              .picture = artwork::contact,
                                              .drawAhead = {artwork::mainMenu}}))
{
    connect(this, &ui::Form::MouseMove, this, &Form5::Form_MouseMove);
    connect(&Label3, &ui::Label::MouseMove, this, &Form5::Label3_MouseMove);
    connect(&Label2, &ui::Label::MouseMove, this, &Form5::Label2_MouseMove);
    connect(&Label1, &ui::Label::MouseMove, this, &Form5::Label1_MouseMove);
    connect(&Image1, &ui::Image::Click, this, &Form5::Image1_Click);
}

void Form5::Label3_MouseMove()
{
    Label4.setCaption("البريد الالكتروني  HOTMAIL ");
    Label4.setForeColor(0x00800000);
    ui::voice().sayOnArrival(Label3, {"البَرِيدُ الإِلِكْتْرُونِيُّ، هُوتْمِيل"});
}

void Form5::Label2_MouseMove()
{
    Label4.setCaption("البريد الالكتروني  YAHOO ");
    Label4.setForeColor(0x000000FF);
    ui::voice().sayOnArrival(Label2, {"البَرِيدُ الإِلِكْتْرُونِيُّ، يَاهُو"});
}

void Form5::Label1_MouseMove()
{
    Label4.setCaption("موقعنا على الشبكة العنكبوتية");
    Label4.setForeColor(0x00008000);
    ui::voice().sayOnArrival(Label1, {"مَوْقِعُنَا عَلَى الشَّبَكَةِ العَنْكَبُوتِيَّةِ"});
}

void Form5::Form_MouseMove()
{
    Label4.setCaption("");
    Label4.setForeColor(ui::SystemColor::ButtonText);
}

void Form5::Image1_Click()
{
    app::show(FormId::Form4);
    app::hide(FormId::Form5);
}
