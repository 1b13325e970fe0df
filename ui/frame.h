#pragma once

#include "ui/container.h"

#include <QGroupBox>

namespace ui {

struct FrameProps {
    QString caption{};
    bool rightToLeft = false;
    bool visible = true;
};

// A captioned, bordered container: its controls are placed relative to its top-left corner and are
// hidden with it.
class Frame : public QGroupBox {
    Q_OBJECT

public:
    Frame(const Container& container, const Rect& rect, const FrameProps& props = {});

    // Controls declared inside the frame name it as their container.
    operator Container() { return {form_, this}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Form& form_;
};

} // namespace ui
