#include "app/eventloop.h"
#include "ui/voice.h"

#include <QApplication>
#include <QSocketNotifier>

#include <unistd.h>

// The program's end, for a test to reach from outside: the voice's engine starts as the program
// starts it, and the end of standard input ends the event loop, where a child would close the last
// window.
int main(int argc, char* argv[])
{
    app::useQtEventLoop();
    QApplication application(argc, argv);
    ui::voice().startEngine();
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &application, &QCoreApplication::quit);
    return app::exec();
}
