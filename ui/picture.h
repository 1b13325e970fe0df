#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QString>

#include <array>
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
// glyph's own proportions; a composed one is a square. The glyphs are drawn at build time into the
// resource :/clipart/<name>.png, so that the program shows the same pictures on every machine and
// never opens the emoji font. A picture may instead be the project's own vector artwork (an SVG
// resource), which is stretched to the size asked for.
struct Picture {
    QString name{};
    std::vector<Glyph> glyphs{};
    QString artwork{};
};

// A pointer icon of 32 x 32 device-independent pixels at zoom 1, with its hot spot.
struct Pointer {
    Picture picture;
    QPoint hotSpot;
};

inline constexpr QSize pointerSize{32, 32};

// The sides, in pixels, of the sizes that a window icon is made in.
inline constexpr std::array iconSides{16, 24, 32, 48, 64, 128};

// Rendered once per picture, size and pixel ratio, then taken from the cache.
QPixmap render(const Picture& picture, QSize size, qreal devicePixelRatio);

// Draws the picture fitted into the rectangle, centred, keeping its proportions.
void paint(QPainter& painter, const QRect& rect, const Picture& picture);

// A window icon is clip art.
QIcon toIcon(const Picture& picture);
QCursor toCursor(const Pointer& pointer);

} // namespace ui
