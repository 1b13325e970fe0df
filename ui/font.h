#pragma once

#include <QFont>

#include <vector>

namespace ui {

enum class Face { Default, Tahoma, ArabicTransparent, Verdana, Arial };

// Every declared font is bold; Default means the toolkit's dialog font.
struct Font {
    Face face = Face::Default;
    double points = 0;

    friend bool operator==(const Font&, const Font&) = default;
};

QFont toQFont(const Font& font);

// Loads the fonts at their sizes, with the faces that stand in for them, ahead of the screens that
// show them: one font a turn of the event loop, so that a click in the meantime waits for one font
// at most. Font engines belong to the thread that loads them, so this is done on this one.
void prepareFonts(std::vector<Font> fonts);

} // namespace ui
