#include "app/eventloop.h"

#include "ui/voice.h"

#include <QApplication>
#include <QByteArray>

#include <cstdio>
#include <cstdlib>

namespace app {

void useQtEventLoop()
{
    qputenv("QT_NO_GLIB", QByteArrayLiteral("1"));
}

int exec()
{
    const int status = QApplication::exec();
    if (!ui::voice().stopEngine()) {
        // Not every stream: the service's client reads its socket through one, locked by the held thread.
        std::fflush(stdout);
        std::fflush(stderr);
        std::_Exit(status);
    }
    return status;
}

} // namespace app
