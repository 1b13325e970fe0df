#pragma once

#include <QFont>

namespace ui {

enum class Face { Default, Tahoma, ArabicTransparent, Verdana, Arial };

// Every declared font is bold; Default means the toolkit's dialog font.
struct Font {
    Face face = Face::Default;
    double points = 0;
};

QFont toQFont(const Font& font);

} // namespace ui
