#include "ui/font.h"

#include "ui/zoom.h"

#include <QStringList>

namespace ui {

namespace {

// The declared face comes first, so a machine that has it uses it; the installed faces after it
// stand in for it, the Arabic ones with Arabic coverage, and take over glyph by glyph.
QStringList families(Face face)
{
    switch (face) {
    case Face::Tahoma:
        return {"Tahoma", "Noto Sans Arabic UI", "DejaVu Sans"};
    case Face::ArabicTransparent:
        return {"Arabic Transparent", "Noto Naskh Arabic UI", "DejaVu Sans"};
    case Face::Verdana:
        return {"Verdana", "DejaVu Sans", "Noto Sans Arabic UI"};
    case Face::Arial:
        return {"Arial", "Liberation Sans", "DejaVu Sans", "Noto Sans Arabic UI"};
    case Face::Default:
        break;
    }
    return {};
}

constexpr double pixelsPerPoint = 96.0 / 72.0;

} // namespace

QFont toQFont(const Font& font)
{
    if (font.face == Face::Default)
        return QFont();
    QFont result;
    result.setFamilies(families(font.face));
    result.setPixelSize(static_cast<int>(font.points * pixelsPerPoint * zoom() + 0.5));
    result.setBold(true);
    return result;
}

} // namespace ui
