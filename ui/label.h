#pragma once

#include "ui/alignment.h"
#include "ui/clicktracker.h"
#include "ui/color.h"
#include "ui/container.h"
#include "ui/font.h"
#include "ui/picture.h"
#include "ui/voice.h"

#include <QWidget>

namespace ui {

struct LabelProps {
    QString caption{};
    Align alignment = Align::Left;
    Color back = SystemColor::ButtonFace;
    Color fore = SystemColor::ButtonText;
    bool transparent = false; // only the text is drawn; the rectangle still takes pointer events
    bool border = false;      // a single-line border
    Font font{};
    bool tile = false; // dragged onto drop boxes by its form instead of being clicked
    Speech speech{};   // what pressing a tile says
    const Pointer* pointer = nullptr;
    bool rightToLeft = false;
    QString accessibleName{}; // for labels whose caption says nothing, such as hotspots
};

// Static text, and also a tile, a hotspot or a hint label. The caption wraps at word boundaries
// and is clipped at the bottom edge. A screen reader reads it as static text.
class Label : public QWidget {
    Q_OBJECT

public:
    Label(const Container& container, const Rect& rect, const LabelProps& props = {});

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    Color foreColor() const { return fore_; }
    void setForeColor(Color color);
    bool isTile() const { return tile_; }
    const Speech& speech() const { return speech_; }

signals:
    void Click();
    void MouseMove();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    Align alignment_;
    Color back_;
    Color fore_;
    bool transparent_;
    bool border_;
    bool tile_;
    Speech speech_;
    ClickTracker clicks_;
};

} // namespace ui
