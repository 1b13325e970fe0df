#include "ui/zoomedstyle.h"

#include "ui/zoom.h"

#include <QPainter>
#include <QStyleOption>

namespace ui {

// Draws as the style draws at zoom 1, with its own sizes, and magnifies it: its lines, arrows and
// rounded corners grow with it.
template <class Option, class Draw>
void ZoomedStyle::drawMagnified(const Option& option, QPainter& painter, Draw draw) const
{
    Option atZoomOne = option;
    atZoomOne.rect = QRect(QPoint(), (QSizeF(option.rect.size()) / zoom()).toSize());
    painter.save();
    painter.translate(option.rect.topLeft());
    painter.scale(zoom(), zoom());
    drawingAtZoomOne_ = true;
    draw(atZoomOne);
    drawingAtZoomOne_ = false;
    painter.restore();
}

int ZoomedStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    const int drawn = QProxyStyle::pixelMetric(metric, option, widget);
    if (drawingAtZoomOne_)
        return drawn;
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
    case PM_ScrollBarExtent:
    case PM_ScrollBarSliderMin:
    case PM_DefaultFrameWidth:
    case PM_TextCursorWidth:
        return scaled(drawn);
    default:
        return drawn;
    }
}

void ZoomedStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    const auto drawAtZoomOne = [&](const QStyleOption& atZoomOne) {
        baseStyle()->drawPrimitive(element, &atZoomOne, painter, widget);
    };
    if (zoom() != 1.0 && !drawingAtZoomOne_) {
        if (const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(option);
            focus && element == PE_FrameFocusRect)
            return drawMagnified(*focus, *painter, drawAtZoomOne);
        if (const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
            button && element == PE_IndicatorRadioButton)
            return drawMagnified(*button, *painter, drawAtZoomOne);
        if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
            frame && element == PE_Frame) {
            // The style draws a frame's line one pixel wide, whatever the painter's scale.
            QStyleOptionFrame line = *frame;
            for (int inset = 0; inset < scaled(1); ++inset, line.rect.adjust(1, 1, -1, -1))
                QProxyStyle::drawPrimitive(element, &line, painter, widget);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ZoomedStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const
{
    // A scroll bar's arrows are of a fixed size, among the rest.
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (zoom() != 1.0 && !drawingAtZoomOne_ && control == CC_ScrollBar && bar) {
        return drawMagnified(*bar, *painter, [&](const QStyleOptionSlider& atZoomOne) {
            baseStyle()->drawComplexControl(control, &atZoomOne, painter, widget);
        });
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

} // namespace ui
