#include "ui/pointer.h"

#include <QEvent>
#include <QWidget>

namespace ui {

namespace {

class PointerOnEnter : public QObject {
public:
    PointerOnEnter(QWidget& control, const Pointer& pointer)
        : QObject(&control)
        , pointer_(pointer)
    {
        control.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Enter) {
            static_cast<QWidget*>(watched)->setCursor(toCursor(pointer_));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    const Pointer& pointer_;
};

} // namespace

void setPointer(QWidget& control, const Pointer& pointer)
{
    new PointerOnEnter(control, pointer);
}

} // namespace ui
