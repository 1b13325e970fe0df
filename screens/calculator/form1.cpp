#include "screens/calculator/form1.h"

#include "app/forms.h"
#include "assets/artwork.h"
#include "screens/screens.h"

using app::FormId;

namespace {

QString faultMessage(ui::ArithmeticFault fault)
{
    switch (fault) {
    case ui::ArithmeticFault::DivisionByZero:
        return QStringLiteral("لا يمكن القسمة على صفر");
    case ui::ArithmeticFault::Overflow:
        break;
    }
    return QStringLiteral("العدد كبير جداً");
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
    return {.caption = QString::number(digit),
            .alignment = Align::Centre,
            .fore = 0x00C00000,
            .border = true,
            .font = tahoma(14.25),
            .tile = true};
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
        raiseArithmeticError(faultMessage(*result.fault));
        return;
    }
    Text3.setText(ui::toText(result.value));
    Label12.setCaption(sign);
    Label13.setCaption("=");
    Label11.setCaption("الناتج هو   :   " + Text3.text());
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
