#include "ui/frame.h"

namespace ui {

Frame::Frame(const Container& container, const Rect& rect, const FrameProps& props)
    : QGroupBox(props.caption, container.widget())
    , form_(container.form())
{
    place(*this, container, rect, props.rightToLeft, props.visible);
}

} // namespace ui
