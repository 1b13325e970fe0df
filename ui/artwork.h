#pragma once

#include <QImage>
#include <QStringList>

namespace ui {

// A form's background artwork (an SVG resource) at the current zoom and the given pixel ratio.
// Drawing it takes several times as long as opening its form, so it can be started ahead, on a
// thread of its own; a form that opens before its artwork is ready waits for it.
void prepareArtwork(const QStringList& resources, qreal devicePixelRatio);
QImage artwork(const QString& resource, qreal devicePixelRatio);

} // namespace ui
