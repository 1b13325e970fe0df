#pragma once

#include <QSize>

#include <array>

namespace ui {

// How much larger than drawn every window appears. Positions, sizes, fonts, pictures, pointers and
// the style's own sizes all grow by it, so a screen keeps its proportions on a large monitor. Set
// once at start, before any form exists; it stays 1 unless set.
double zoom();
void setZoom(double factor);

// The zooms the program picks from, smallest to largest.
inline constexpr std::array zoomSteps{1.0, 1.25, 1.5, 1.75, 2.0};

// A length drawn in pixels, at the zoom in force.
int scaled(int pixels);

// The largest zoom step at which a window of the given client size (pixels at zoom 1), with a
// typical frame around it, takes no more than 85% of the screen's available width and height;
// the smallest step when none fits.
double zoomToFit(QSize available, QSize client);

} // namespace ui
