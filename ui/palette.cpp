#include "ui/palette.h"

#include <QWidget>

namespace ui {

void setColors(QWidget& control, Color back, Color fore)
{
    QPalette palette = control.palette();
    palette.setColor(QPalette::Base, resolve(back, palette));
    palette.setColor(QPalette::Text, resolve(fore, palette));
    control.setPalette(palette);
}

} // namespace ui
