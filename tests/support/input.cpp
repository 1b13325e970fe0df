#include "tests/support/input.h"

#include "screens/screens.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/textbox.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QWidget>

namespace input {

namespace {

QWidget& clientOf(QWidget& widget)
{
    return *static_cast<ui::Form*>(widget.window())->client();
}

} // namespace

void dragTo(QWidget& tile, QPoint clientPoint)
{
    QWidget& client = clientOf(tile);
    const QPoint from = tile.mapTo(&client, tile.rect().center());
    QTest::mousePress(&client, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(&client, from + (clientPoint - from) * step / 4);
    QTest::mouseRelease(&client, Qt::LeftButton, {}, clientPoint);
}

void drag(QWidget& tile, QWidget& target)
{
    dragTo(tile, target.mapTo(&clientOf(target), target.rect().center()));
}

void hover(QWidget& widget, QPoint at)
{
    QTest::mouseMove(&widget, at);
}

void hover(QWidget& widget)
{
    hover(widget, widget.rect().center());
}

void click(QWidget& widget)
{
    QTest::mouseClick(&widget, Qt::LeftButton, {}, widget.rect().center());
}

void choose(QListWidget& list, const QString& item)
{
    const QList<QListWidgetItem*> found = list.findItems(item, Qt::MatchExactly);
    if (found.size() != 1)
        qFatal("%lld items %s", qlonglong(found.size()), qPrintable(item));
    list.scrollToItem(found.front());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found.front()).center());
}

void type(QWidget& widget, const QString& text)
{
    // Key by key, as a keyboard of any layout sends them, Arabic letters and digits included, to
    // whatever takes the control's keys.
    QWidget* receiver = widget.focusProxy() ? widget.focusProxy() : &widget;
    for (QChar character : text) {
        QTest::sendKeyEvent(QTest::Press, receiver, Qt::Key_unknown, QString(character), {});
        QTest::sendKeyEvent(QTest::Release, receiver, Qt::Key_unknown, QString(character), {});
    }
}

} // namespace input

namespace program {

namespace {
bool endCalled = false;
QtMessageHandler previousHandler = nullptr;

void filterNoise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support raise()")) ||
        message.contains(QLatin1String("minimum bearings")))
        return;
    previousHandler(type, context, message);
}
} // namespace

void quietPlatformNoise()
{
    if (!previousHandler)
        previousHandler = qInstallMessageHandler(filterNoise);
}

void start()
{
    stop();
    // As the program's start sets it.
    QApplication::setLayoutDirection(Qt::RightToLeft);
    app::Forms& forms = app::forms();
    screens::registerAll(forms);
    forms.setEndAction([] { endCalled = true; });
    forms.show(app::FormId::Form1);
    QVERIFY(QTest::qWaitForWindowActive(forms.instance(app::FormId::Form1)));
}

void stop()
{
    app::forms().reset();
    endCalled = false;
}

ui::Form* visibleForm()
{
    ui::Form* visible = nullptr;
    int count = 0;
    for (const screens::Screen& screen : screens::table()) {
        ui::Form* form = app::forms().instance(screen.id);
        if (form && form->isVisible()) {
            visible = form;
            ++count;
        }
    }
    if (count != 1)
        qWarning("%d screens are visible", count);
    return count == 1 ? visible : nullptr;
}

ui::Label& tile(QWidget& screen, const QString& caption)
{
    for (ui::Label* label : screen.findChildren<ui::Label*>())
        if (label->isTile() && label->caption() == caption)
            return *label;
    qFatal("no tile %s", qPrintable(caption));
}

QWidget& button(app::FormId id, const QString& caption)
{
    for (auto* candidate : app::forms().instance(id)->findChildren<QPushButton*>()) {
        if (candidate->text() == caption)
            return *candidate;
    }
    qFatal("no button %s", qPrintable(caption));
}

QWidget* focusedControl()
{
    QWidget* focused = QApplication::focusWidget();
    if (ui::TextBox* box = ui::TextBox::of(focused))
        return box;
    return focused;
}

bool ended()
{
    return endCalled && app::forms().ended();
}

} // namespace program
