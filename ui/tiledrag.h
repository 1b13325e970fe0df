#pragma once

#include <QPoint>
#include <QPointer>

class QWidget;

namespace ui {

class Label;

// The one drag of the program: a tile pressed is dragged at once, an outline of its size follows
// the pointer, and on release the frontmost visible control under the pointer on the same form
// gets it; only a drop box reacts, taking the tile's Caption as its whole Text. The drag never
// leaves the form, so nothing from another program can land in a drop box.
class TileDrag {
public:
    explicit TileDrag(QWidget* area);
    ~TileDrag();

    void start(Label& tile, QPoint grabbedAt);
    void move(QPoint globalPosition);
    void drop(QPoint globalPosition);
    bool active() const { return !tile_.isNull(); }

private:
    QWidget* area_;
    QWidget* outline_ = nullptr;
    QPointer<Label> tile_;
    QPoint grabbedAt_;
};

} // namespace ui
