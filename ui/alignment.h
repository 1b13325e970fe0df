#pragma once

#include <Qt>

namespace ui {

// Left and Right swap on a right-to-left control, as Qt's non-absolute alignment does.
enum class Align { Left, Right, Centre };

constexpr Qt::Alignment toQt(Align align)
{
    switch (align) {
    case Align::Right:
        return Qt::AlignRight;
    case Align::Centre:
        return Qt::AlignHCenter;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace ui
