#include "ui/frame.h"

#include "ui/border.h"
#include "ui/caption.h"
#include "ui/zoom.h"

#include <QFontMetricsF>
#include <QPainter>

namespace ui {

namespace {
constexpr int captionIndent = 8; // from the frame's leading edge, in pixels at zoom 1
constexpr int captionGap = 2;    // between the caption and the ends of the line it interrupts
} // namespace

Frame::Frame(const Container& container, const Rect& rect, const FrameProps& props)
    : QGroupBox(props.caption, container.widget())
    , form_(container.form())
{
    place(*this, container, rect, props.rightToLeft, props.visible);
}

// An etched groove with the caption set into its top line near the leading edge. The style would
// draw its frame from a picture that it decodes and tiles anew for every window.
void Frame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setLayoutDirection(layoutDirection());
    painter.setPen(palette().color(QPalette::WindowText));
    const qreal captionHeight = QFontMetricsF(font(), this).height();
    const int indent = scaled(captionIndent);
    const QRectF captionArea(indent, 0, width() - 2 * indent, captionHeight);
    const QRectF caption = drawCaption(painter, captionArea, title(), Qt::AlignLeft, false);
    const int gap = scaled(captionGap);
    painter.setClipRegion(QRegion(rect()).subtracted(caption.toAlignedRect().adjusted(-gap, 0, gap, 0)));
    drawEtchedBorder(painter, rect().adjusted(0, int(captionHeight / 2), 0, 0), palette());
}

} // namespace ui
