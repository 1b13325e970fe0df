#pragma once

#include <QWidget>

namespace ui {

// The form's surface: the button face with the background artwork over it. Pointer moves reach it
// only where no visible control lies, which is where the form's own MouseMove fires.
class ClientArea : public QWidget {
    Q_OBJECT

public:
    ClientArea(QWidget* parent, QString picture);

signals:
    void MouseMove();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QString picture_;
};

} // namespace ui
