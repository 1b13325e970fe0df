#include "app/forms.h"
#include "assets/clipart.h"
#include "screens/screens.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marzun"));
    QApplication::setWindowIcon(ui::toIcon(clipart::writingInNotebook));

    app::Forms& forms = app::forms();
    screens::registerAll(forms);
    forms.show(app::FormId::Form1);
    const int status = QApplication::exec();
    forms.reset();
    return status;
}
