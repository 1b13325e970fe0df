#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace ui {

// Draws a single-line border along the inside of the rectangle, one pixel wide at zoom 1 and
// thicker as the zoom grows, and gives the rectangle within it.
QRect drawBorder(QPainter& painter, const QRect& rect, const QColor& color);

} // namespace ui
