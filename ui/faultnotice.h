#pragma once

#include <QLabel>
#include <QTimer>

namespace ui {

// A friendly note over the form that a sum could not be worked out. It goes with one click, or by
// itself after a few seconds, and leaves every control as it was.
class FaultNotice : public QLabel {
    Q_OBJECT

public:
    explicit FaultNotice(QWidget* area);

    void present(const QString& message);

    static constexpr int lifetimeMs = 4000;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QTimer timer_;
};

} // namespace ui
