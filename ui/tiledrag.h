#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QWidget;

namespace ui {

class Label;

// The one drag of the program, run by the board: it watches the tiles of its form, and a tile
// pressed is dragged at once, an outline of its size following the pointer. On release the
// frontmost visible control under the pointer on the same form gets it; only a drop box reacts,
// taking the tile's Caption as its whole Text. The drag never leaves the form, so nothing from
// another program can land in a drop box. A tile itself only carries its caption.
class TileDrag : public QObject {
public:
    explicit TileDrag(QWidget* area);
    ~TileDrag() override;

    // Every label of the area that is declared a tile is dragged from now on.
    void watchTiles();
    bool active() const { return !tile_.isNull(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void start(Label& tile, QPoint grabbedAt);
    void move(QPoint globalPosition);
    void drop(QPoint globalPosition);

    QWidget* area_;
    QWidget* outline_ = nullptr;
    QPointer<Label> tile_;
    QPoint grabbedAt_;
};

} // namespace ui
