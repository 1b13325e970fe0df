#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QPalette;

namespace ui {

// Draws a single-line border along the inside of the rectangle, one pixel wide at zoom 1 and
// thicker as the zoom grows, and gives the rectangle within it.
QRect drawBorder(QPainter& painter, const QRect& rect, const QColor& color);

// Draws a sunken border of two lines, each as wide as the single line above: shadowed along the
// top and left, lit along the bottom and right. Gives the rectangle within it.
QRect drawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette);

// A raised border, as a button stands out of the form: lit along the top and left, shadowed
// along the bottom and right.
QRect drawRaisedBorder(QPainter& painter, const QRect& rect, const QPalette& palette);

// An etched groove, as around a frame: a shadowed line with a lit one beside it on every side.
QRect drawEtchedBorder(QPainter& painter, const QRect& rect, const QPalette& palette);

// How far a border of two lines reaches in from each edge, at the zoom in force.
int twoLineBorderWidth();

} // namespace ui
