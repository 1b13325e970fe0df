#include "ui/border.h"

#include "ui/zoom.h"

#include <QPainter>

namespace ui {

QRect drawBorder(QPainter& painter, const QRect& rect, const QColor& color)
{
    const int line = scaled(1);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), line), color);
    painter.fillRect(QRect(rect.left(), rect.bottom() - line + 1, rect.width(), line), color);
    painter.fillRect(QRect(rect.left(), rect.top(), line, rect.height()), color);
    painter.fillRect(QRect(rect.right() - line + 1, rect.top(), line, rect.height()), color);
    return rect.adjusted(line, line, -line, -line);
}

} // namespace ui
