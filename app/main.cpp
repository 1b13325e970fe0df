#include "app/eventloop.h"
#include "app/firstframe.h"
#include "app/forms.h"
#include "assets/clipart.h"
#include "screens/screens.h"
#include "ui/voice.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    app::useQtEventLoop();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marzun"));
    QApplication::setDesktopFileName(QStringLiteral("example.marzun.Marzun"));
    // Every window reads right to left, and Qt draws some texts, such as a menu item's key, in the
    // application's direction rather than their window's.
    QApplication::setLayoutDirection(Qt::RightToLeft);
    ui::setZoom(ui::zoomToFit(QApplication::primaryScreen()->availableSize(), screens::largestClient()));

    app::Forms& forms = app::forms();
    screens::registerAll(forms);
    forms.show(app::FormId::Form1);
    // The application's icon is the calculator's, drawn after its window is up, and the voice
    // starts then too.
    app::afterFirstFrame(*forms.instance(app::FormId::Form1), [] {
        QApplication::setWindowIcon(ui::toIcon(clipart::writingInNotebook));
        ui::voice().startEngine();
    });
    const int status = app::exec();
    forms.reset();
    return status;
}
