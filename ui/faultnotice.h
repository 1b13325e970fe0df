#pragma once

#include <QLabel>
#include <QTimer>

namespace ui {

// A friendly note over the form that a sum could not be worked out. It takes no input: every press,
// drag and drop reaches the control beneath as if the note were not there. It goes at the child's
// next press of a mouse button or a key in its window, or by itself after a few seconds, and
// leaves every control as it was.
class FaultNotice : public QLabel {
    Q_OBJECT

public:
    explicit FaultNotice(QWidget* area);

    void present(const QString& message);

    static constexpr int lifetimeMs = 4000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dismiss();

    QTimer timer_;
};

} // namespace ui
