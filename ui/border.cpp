#include "ui/border.h"

#include "ui/zoom.h"

#include <QPainter>
#include <QPalette>

namespace ui {

namespace {

// Lines of the given width along the inside of the rectangle: one colour along the top and left
// sides, another along the bottom and right ones.
void drawEdges(QPainter& painter, const QRect& rect, int line, const QColor& topLeft,
               const QColor& bottomRight)
{
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), line), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), line, rect.height()), topLeft);
    painter.fillRect(QRect(rect.left(), rect.bottom() - line + 1, rect.width(), line), bottomRight);
    painter.fillRect(QRect(rect.right() - line + 1, rect.top(), line, rect.height()), bottomRight);
}

} // namespace

QRect drawBorder(QPainter& painter, const QRect& rect, const QColor& color)
{
    const int line = scaled(1);
    drawEdges(painter, rect, line, color, color);
    return rect.adjusted(line, line, -line, -line);
}

QRect drawSunkenBorder(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    const int line = scaled(1);
    drawEdges(painter, rect, line, palette.color(QPalette::Mid), palette.color(QPalette::Light));
    const QRect inner = rect.adjusted(line, line, -line, -line);
    drawEdges(painter, inner, line, palette.color(QPalette::Shadow), palette.color(QPalette::Midlight));
    return inner.adjusted(line, line, -line, -line);
}

int sunkenBorderWidth()
{
    return 2 * scaled(1);
}

} // namespace ui
