#pragma once

#include "ui/zoom.h"

#include <QRect>

namespace ui {

// Control tables give positions and sizes in twips: 1440 an inch, 15 a pixel at 96 dots per inch.
// The program's zoom enlarges them, and Qt scales device-independent pixels further for the screen,
// so nothing above ui/ sees pixels.
using Twips = int;
inline constexpr double twipsPerPixel = 15.0;

// Rounded once, from twips, so that neighbouring controls keep their exact distances.
constexpr int pixels(Twips twips, double zoom)
{
    return static_cast<int>(twips * zoom / twipsPerPixel + 0.5);
}

inline int pixels(Twips twips)
{
    return pixels(twips, zoom());
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
