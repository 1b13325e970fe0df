#include "app/firstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace app {

namespace {

// Watches the window until it is first exposed. A widget's window draws its frame while it handles
// that event, so `then` is queued behind it.
class FirstFrame : public QObject {
public:
    FirstFrame(QWindow& window, std::function<void()> then)
        : QObject(&window)
        , then_(std::move(then))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, std::move(then_));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

void afterFirstFrame(QWidget& window, std::function<void()> then)
{
    window.winId(); // the native window, whose first exposure is awaited
    if (window.windowHandle()->isExposed())
        QTimer::singleShot(0, std::move(then));
    else
        new FirstFrame(*window.windowHandle(), std::move(then));
}

} // namespace app
