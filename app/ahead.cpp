#include "app/ahead.h"

#include "assets/artwork.h"
#include "assets/clipart.h"
#include "ui/artwork.h"

#include <QApplication>

namespace app {

void drawAhead()
{
    ui::prepareArtwork({artwork::mainMenu, artwork::contact}, qApp->devicePixelRatio());
    QApplication::setWindowIcon(ui::toIcon(clipart::writingInNotebook));
}

} // namespace app
