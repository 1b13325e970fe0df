#pragma once

#include "ui/clicktracker.h"
#include "ui/container.h"
#include "ui/picture.h"

#include <QWidget>

namespace ui {

// The values of an Image's BorderStyle.
enum BorderStyle : int { NoBorder = 0, FixedSingle = 1 };

struct ImageProps {
    const Picture* picture = nullptr;
    bool visible = true;
    bool border = false;
    const Pointer* pointer = nullptr;
    QString accessibleName{}; // what the picture shows
};

// A picture fitted to the control's rectangle, keeping its proportions.
class Image : public QWidget {
    Q_OBJECT

public:
    Image(const Container& container, const Rect& rect, const ImageProps& props = {});

    int borderStyle() const { return border_ ? FixedSingle : NoBorder; }
    void setBorderStyle(int style);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const Picture* picture_;
    bool border_;
    ClickTracker clicks_;
};

} // namespace ui
