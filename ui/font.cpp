#include "ui/font.h"

#include "ui/zoom.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QStringList>
#include <QTimer>

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

// What the screens write: Arabic letters and Latin ones, digits and the signs of sums. Measuring
// it loads the face of every script and the faces standing in for them.
const QString everyScript = QStringLiteral("ابتثجحخدذرزسشصضطظعغفقكلمنهةويءأإآؤئى "
                                           "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz "
                                           "0123456789 ٠١٢٣٤٥٦٧٨٩ +-*/=().:");

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

void prepareFonts(std::vector<Font> fonts)
{
    if (fonts.empty())
        return;
    QTimer::singleShot(0, qApp, [fonts = std::move(fonts)]() mutable {
        QFontMetricsF(toQFont(fonts.back())).horizontalAdvance(everyScript);
        fonts.pop_back();
        prepareFonts(std::move(fonts));
    });
}

} // namespace ui
