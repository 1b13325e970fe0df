#pragma once

#include "ui/alignment.h"
#include "ui/color.h"
#include "ui/container.h"
#include "ui/font.h"

#include <QWidget>

class QLineEdit;
class QTextLayout;
class QTextLine;

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

// A one-line text box with a sunken border; also a drop box or a result box. A box the user may
// type into holds a line editor inside its border, which takes its keyboard focus. A locked box
// only shows its text, which spares the word screens an editor for each of their many boxes.
class TextBox : public QWidget {
    Q_OBJECT

public:
    TextBox(const Container& container, const Rect& rect, const TextBoxProps& props = {});

    // The box that the widget is, or whose line editor it is; null for any other widget.
    static TextBox* of(QWidget* widget);

    QString text() const;
    void setText(const QString& text);
    bool isLocked() const { return !editor_; }
    bool isDropBox() const { return dropBox_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class AccessibleTextBox;

    QRect inside() const;
    // A locked box's text, laid out as it is drawn.
    QTextLine layOut(QTextLayout& layout) const;

    QLineEdit* editor_ = nullptr;
    QString text_; // a locked box's
    Qt::Alignment alignment_;
    bool dropBox_;
};

} // namespace ui
