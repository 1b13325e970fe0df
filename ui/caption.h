#pragma once

#include <QRectF>
#include <QString>
#include <Qt>

class QPainter;

namespace ui {

// A caption as it shows: its CR LF breaks start new lines, and those that end it add none; a signed
// number reads left to right, its sign before its digits, in any text around it.
QString displayed(QString caption);

// Draws the caption in the painter's font, pen and reading direction, wrapped at word boundaries
// inside the area and clipped at its bottom edge, at the top of the area or centred in its height.
// Gives the rectangle that the caption's lines take.
QRectF drawCaption(QPainter& painter, const QRectF& area, const QString& caption, Qt::Alignment horizontal,
                   bool centred);

} // namespace ui
