#pragma once

#include <QProxyStyle>

namespace ui {

// The toolkit's style, with what it draws at sizes of its own grown by the program's zoom: the
// option buttons' circles, the scroll bars, the focus rectangles, the list's frame and the text
// cursor. At zoom 1 it is the toolkit's style unchanged.
class ZoomedStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;

private:
    template <class Option, class Draw>
    void drawMagnified(const Option& option, QPainter& painter, Draw draw) const;

    // While something is drawn at zoom 1 to be magnified, the style's sizes are its own.
    mutable bool drawingAtZoomOne_ = false;
};

} // namespace ui
