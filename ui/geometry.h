#pragma once

#include <QRect>

namespace ui {

// Control tables give positions and sizes in twips: 1440 an inch, 15 a pixel at 96 dots per inch.
// Qt scales device-independent pixels further for the screen, so nothing above ui/ sees pixels.
using Twips = int;
inline constexpr double twipsPerPixel = 15.0;

constexpr int pixels(Twips twips)
{
    return static_cast<int>(twips / twipsPerPixel + 0.5);
}

// Left and Top are measured from the container's top-left corner, also on right-to-left forms.
struct Rect {
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;

    QRect toPixels() const { return {pixels(left), pixels(top), pixels(width), pixels(height)}; }
};

} // namespace ui
