#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QString>

#include <vector>

namespace ui {

// One glyph, fitted into a box given in fractions of the picture's square: a colour emoji, or a
// black letter of the named font family.
struct Glyph {
    QString text{};
    QRectF box{0, 0, 1, 1};
    QString family{};
};

// Clip art made of emoji glyphs, drawn back to front. A picture of one glyph keeps that
// glyph's own proportions; a composed one is a square. A picture may instead be the project's own
// vector artwork (an SVG resource), which is stretched to the size asked for.
struct Picture {
    std::vector<Glyph> glyphs;
    QString artwork{};
};

// A pointer icon of 32 x 32 device-independent pixels at zoom 1, with its hot spot.
struct Pointer {
    Picture picture;
    QPoint hotSpot;
};

inline constexpr QSize pointerSize{32, 32};

// Rendered once per picture, size and pixel ratio, then taken from the cache.
QPixmap render(const Picture& picture, QSize size, qreal devicePixelRatio);

// Draws the picture fitted into the rectangle, centred, keeping its proportions.
void paint(QPainter& painter, const QRect& rect, const Picture& picture);

QIcon toIcon(const Picture& picture);
QCursor toCursor(const Pointer& pointer);

// The code points of the picture that the emoji font lacks.
QList<char32_t> missingGlyphs(const Picture& picture);

} // namespace ui
