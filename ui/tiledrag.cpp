#include "ui/tiledrag.h"

#include "ui/label.h"
#include "ui/textbox.h"
#include "ui/voice.h"
#include "ui/zoom.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

namespace {

class Outline : public QWidget {
public:
    explicit Outline(QWidget* area)
        : QWidget(area)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int line = scaled(2);
        painter.setPen(QPen(QColor(40, 40, 40), line, Qt::DashLine));
        painter.drawRect(rect().adjusted(line / 2, line / 2, -line / 2, -line / 2));
    }
};

} // namespace

TileDrag::TileDrag(QWidget* area)
    : area_(area)
{
}

TileDrag::~TileDrag() = default;

void TileDrag::watchTiles()
{
    for (Label* label : area_->findChildren<Label*>()) {
        if (label->isTile())
            label->installEventFilter(this);
    }
}

// A press of the primary button starts a drag; while it lasts, the tile's moves and its release
// belong to the drag. Any other input reaches the tile as usual.
bool TileDrag::eventFilter(QObject* watched, QEvent* event)
{
    const auto* mouse = dynamic_cast<const QMouseEvent*>(event);
    if (!mouse)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (mouse->button() != Qt::LeftButton)
            return false;
        start(*static_cast<Label*>(watched), mouse->position().toPoint());
        return true;
    case QEvent::MouseMove:
        if (!active())
            return false;
        move(mouse->globalPosition().toPoint());
        return true;
    case QEvent::MouseButtonRelease:
        if (!active() || mouse->button() != Qt::LeftButton)
            return false;
        drop(mouse->globalPosition().toPoint());
        return true;
    default:
        return false;
    }
}

void TileDrag::start(Label& tile, QPoint grabbedAt)
{
    if (!outline_)
        outline_ = new Outline(area_);
    tile_ = &tile;
    grabbedAt_ = grabbedAt;
    outline_->setGeometry(QRect(tile.mapTo(area_, QPoint()), tile.size()));
    outline_->raise();
    outline_->show();
    voice().say(tile.speech());
}

void TileDrag::move(QPoint globalPosition)
{
    if (active())
        outline_->move(area_->mapFromGlobal(globalPosition) - grabbedAt_);
}

void TileDrag::drop(QPoint globalPosition)
{
    if (!active())
        return;
    outline_->hide();
    const QPointer<Label> tile = std::exchange(tile_, nullptr);
    TextBox* box = TextBox::of(area_->childAt(area_->mapFromGlobal(globalPosition)));
    if (tile && box && box->isDropBox())
        box->setText(tile->caption());
}

} // namespace ui
