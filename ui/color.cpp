#include "ui/color.h"

namespace ui {

namespace {

constexpr Color systemFlag = 0x80000000;

QPalette::ColorRole systemRole(Color index)
{
    switch (index) {
    case SystemColor::WindowBackground & ~systemFlag:
        return QPalette::Base;
    case SystemColor::ButtonFace & ~systemFlag:
        return QPalette::Button;
    case SystemColor::ButtonText & ~systemFlag:
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText;
    }
}

} // namespace

QColor resolve(Color color, const QPalette& palette)
{
    if (color & systemFlag)
        return palette.color(systemRole(color & ~systemFlag));
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

} // namespace ui
