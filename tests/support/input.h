#pragma once

#include "app/forms.h"

#include <QPoint>
#include <QString>

class QListWidget;
class QWidget;

namespace ui {
class Form;
class Label;
} // namespace ui

// A person's input, sent through the window so that Qt routes it as it routes real events.
namespace input {

// Presses the tile, moves over the target in a few steps and releases there.
void drag(QWidget& tile, QWidget& target);
// The same, releasing at a point of the tile's form, in client-area coordinates.
void dragTo(QWidget& tile, QPoint clientPoint);
void hover(QWidget& widget, QPoint at);
void hover(QWidget& widget);
void click(QWidget& widget);
// Scrolls the list to the one item with this text and clicks it.
void choose(QListWidget& list, const QString& item);
void type(QWidget& widget, const QString& text);

} // namespace input

// The program as it starts for a child: every slot empty, then the calculator shown.
namespace program {

void start();
// Empties every slot and forgets an End.
void stop();
// The visible screen; fails the test unless exactly one is visible.
ui::Form* visibleForm();
bool ended();
// Drops the offscreen platform's and the font engine's notes that say nothing about the program,
// so that a long run keeps its own messages within the test's warning limit.
void quietPlatformNoise();
// The tile of the screen that shows this caption.
ui::Label& tile(QWidget& screen, const QString& caption);
// The command button of a screen that shows this caption.
QWidget& button(app::FormId id, const QString& caption);
// The control that has the keyboard, a text box also while its line editor has it.
QWidget* focusedControl();

template <class Screen> Screen& screen(app::FormId id)
{
    return *static_cast<Screen*>(app::forms().instance(id));
}

} // namespace program
