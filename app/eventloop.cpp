#include "app/eventloop.h"

#include <QByteArray>

namespace app {

void useQtEventLoop()
{
    qputenv("QT_NO_GLIB", QByteArrayLiteral("1"));
}

} // namespace app
