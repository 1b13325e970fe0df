#include "ui/border.h"

#include "ui/zoom.h"

#include <QPainter>
#include <QPalette>

namespace ui {

namespace {

// The colours of one line: along the top and left sides, and along the bottom and right ones.
struct Shades {
    QColor topLeft;
    QColor bottomRight;
};

// A line of the given width along the inside of the rectangle.
void drawEdges(QPainter& painter, const QRect& rect, int line, const Shades& shades)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), line), shades.topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), line, rect.height()), shades.topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom() - line + 1, rect.width(), line), shades.bottomRight);
    painter.fillRect(QRect(rect.right() - line + 1, rect.top(), line, rect.height()), shades.bottomRight);
}

// Two lines, each as wide as a single border, the outer one along the rectangle's inside edges.
QRect drawTwoLines(QPainter& painter, const QRect& rect, const Shades& outer, const Shades& inner)
{
    const int line = scaled(1);
    drawEdges(painter, rect, line, outer);
    const QRect within = rect.adjusted(line, line, -line, -line);
    drawEdges(painter, within, line, inner);
    return within.adjusted(line, line, -line, -line);
}

} // namespace

QRect drawBorder(QPainter& painter, const QRect& rect, const QColor& color)
{
    const int line = scaled(1);
    drawEdges(painter, rect, line, {color, color});
    return rect.adjusted(line, line, -line, -line);
}

QRect drawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    return drawTwoLines(painter, rect, {palette.color(QPalette::Mid), palette.color(QPalette::Light)},
                        {palette.color(QPalette::Shadow), palette.color(QPalette::Midlight)});
}

QRect drawRaisedBorder(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    return drawTwoLines(painter, rect, {palette.color(QPalette::Light), palette.color(QPalette::Shadow)},
                        {palette.color(QPalette::Midlight), palette.color(QPalette::Mid)});
}

QRect drawEtchedBorder(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    const QColor groove = palette.color(QPalette::Mid), ridge = palette.color(QPalette::Light);
    return drawTwoLines(painter, rect, {groove, ridge}, {ridge, groove});
}

int twoLineBorderWidth()
{
    return 2 * scaled(1);
}

} // namespace ui
