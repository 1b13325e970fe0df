#include "screens/calculator/form1.h"

#include "app/forms.h"
#include "assets/artwork.h"
#include "screens/screens.h"
#include "ui/voice.h"

#include <array>

using app::FormId;

namespace {

ui::Voiced faultMessage(ui::ArithmeticFault fault)
{
    switch (fault) {
    case ui::ArithmeticFault::DivisionByZero:
        return {QStringLiteral("لا يمكن القسمة على صفر"), {"لَا يُمْكِنُ القِسْمَةُ عَلَى صِفْرٍ"}};
    case ui::ArithmeticFault::Overflow:
        break;
    }
    return {QStringLiteral("العدد كبير جداً"), {"العَدَدُ كَبِيرٌ جِدًّا"}};
}

// The result sentence, followed directly by the result.
const ui::Voiced resultIs{QStringLiteral("الناتج هو   :   "), {"النَّاتِجُ هُوَ "}};

// A number as the Arabic voice reads it: it reads the digits, but not a minus sign.
QString spokenNumber(const QString& number)
{
    return number.startsWith(u'-') ? "سَالِبُ " + number.mid(1) : number;
}

} // namespace

Form1::Form1()
    : ui::Form(screens::sized(FormId::Form1, {.caption = "Qalvo...سلسلة برامج Marzun",
                                              .minimizeBox = false,
                                              .icon = &clipart::writingInNotebook,
                                              .drawAhead = {artwork::mainMenu}}))
{
    connect(&Command1, &ui::CommandButton::Click, this, &Form1::Command1_Click);
    connect(&Command2, &ui::CommandButton::Click, this, &Form1::Command2_Click);
    connect(&Command3, &ui::CommandButton::Click, this, &Form1::Command3_Click);
    connect(&Command4, &ui::CommandButton::Click, this, &Form1::Command4_Click);
    connect(&Command5, &ui::CommandButton::Click, this, &Form1::Command5_Click);
}

ui::LabelProps Form1::digitTile(int digit)
{
    // The digits' names, which pressing their tiles says; in pause but for a final taa marbuta,
    // which espeak-ng reads as a t in pause.
    static const std::array<QString, 10> names{"صِفْر",  "وَاحِد", "اِثْنَان", "ثَلَاثَةٌ",  "أَرْبَعَةٌ",
                                               "خَمْسَةٌ", "سِتَّةٌ",  "سَبْعَةٌ",  "ثَمَانِيَةٌ", "تِسْعَةٌ"};
    return {.caption = QString::number(digit),
            .alignment = Align::Centre,
            .fore = 0x00C00000,
            .border = true,
            .font = tahoma(14.25),
            .tile = true,
            .speech = {names[digit]}};
}

void Form1::Command1_Click()
{
    operate(ui::Operation::Add, "+");
}

void Form1::Command2_Click()
{
    operate(ui::Operation::Subtract, "-");
}

void Form1::Command3_Click()
{
    operate(ui::Operation::Multiply, "*");
}

void Form1::Command4_Click()
{
    operate(ui::Operation::Divide, "/");
}

void Form1::operate(ui::Operation operation, const QString& sign)
{
    const ui::Number result = ui::calculate(Text1.text(), operation, Text2.text());
    if (result.fault) {
        const ui::Voiced message = faultMessage(*result.fault);
        raiseArithmeticError(message.shown);
        ui::voice().say(message.spoken);
        return;
    }
    Text3.setText(ui::toText(result.value));
    Label12.setCaption(sign);
    Label13.setCaption("=");
    Label11.setCaption(resultIs.shown + Text3.text());
    ui::voice().say({resultIs.spoken.text + spokenNumber(Text3.text())});
}

void Form1::Command5_Click()
{
    app::show(FormId::Form4);
    app::hide(FormId::Form1);
    Text1.setText({});
    Text2.setText({});
    Text3.setText({});
    Label11.setCaption({});
    Label12.setCaption({});
    Label13.setCaption({});
}
