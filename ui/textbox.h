#pragma once

#include "ui/alignment.h"
#include "ui/color.h"
#include "ui/container.h"
#include "ui/font.h"

#include <QLineEdit>

namespace ui {

struct TextBoxProps {
    QString text{};
    Align alignment = Align::Left;
    Color back = SystemColor::WindowBackground;
    Color fore = SystemColor::WindowText;
    Font font{};
    bool locked = false;  // no typing, deleting or pasting; drops and handlers still set the text
    bool dropBox = false; // a dropped tile's caption replaces the text
    bool rightToLeft = false;
    bool visible = true;
    int tabIndex = 0;
};

// A one-line text box with a sunken border; also a drop box or a result box.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    TextBox(const Container& container, const Rect& rect, const TextBoxProps& props = {});

    bool isDropBox() const { return dropBox_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool dropBox_;
};

} // namespace ui
