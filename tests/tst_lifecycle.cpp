#include "app/firstframe.h"
#include "assets/clipart.h"
#include "screens/calculator/form1.h"
#include "screens/screens.h"
#include "tests/support/input.h"
#include "ui/image.h"
#include "ui/textbox.h"

#include <QFile>
#include <QFontDatabase>
#include <QScreen>
#include <QTest>

using app::FormId;

class LifecycleTest : public QObject {
    Q_OBJECT

    static ui::Form* form(FormId id) { return app::forms().instance(id); }

private slots:
    void init() { program::start(); }
    void cleanup() { program::stop(); }

    void startsOnTheCalculatorAloneCentredWithFocusInTheFirstBox()
    {
        ui::Form* calculator = form(FormId::Form1);
        QVERIFY(program::visibleForm() == calculator);
        for (FormId id : {FormId::Form2, FormId::Form3, FormId::Form4, FormId::Form5, FormId::Form6})
            QVERIFY(!form(id));
        const QPoint offCentre =
            calculator->geometry().center() - calculator->screen()->availableGeometry().center();
        QVERIFY(qAbs(offCentre.x()) <= 2 && qAbs(offCentre.y()) <= 2);
        QCOMPARE(program::focusedControl()->geometry(), QRect(16, 72, 81, 33));
    }

    void windowsAreFixedSizeWithoutMaximizeBox()
    {
        ui::Form* calculator = form(FormId::Form1);
        QCOMPARE(calculator->minimumSize(), calculator->maximumSize());
        QVERIFY(!(calculator->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(calculator->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(calculator->windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(calculator->layoutDirection(), Qt::RightToLeft);
        QVERIFY(!calculator->windowIcon().isNull());
    }

    // What the start leaves until its window is up (the icon, the voice's engine) runs once, after
    // the window's first frame; asked for later, at once.
    void workLeftUntilTheFirstFrameRunsAfterIt()
    {
        struct Window : QWidget {
            int frames = 0;
            void paintEvent(QPaintEvent*) override { ++frames; }
        } window;
        QList<int> framesBefore;
        window.show();
        app::afterFirstFrame(window, [&] { framesBefore.append(window.frames); });
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(framesBefore.size(), 1);
        QVERIFY(framesBefore.front() > 0);
        window.hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        QCOMPARE(framesBefore.size(), 1);

        app::afterFirstFrame(window, [&] { framesBefore.append(window.frames); });
        QTRY_COMPARE(framesBefore.size(), 2);
    }

    void showUsesTheOneInstanceOfASlot()
    {
        app::show(FormId::Form4);
        ui::Form* menu = form(FormId::Form4);
        app::hide(FormId::Form4);
        app::show(FormId::Form4);
        QCOMPARE(form(FormId::Form4), menu);
        QVERIFY(menu->isVisible());
    }

    void hideCreatesAFormWithoutShowingIt()
    {
        app::hide(FormId::Form4);
        QVERIFY(form(FormId::Form4));
        QVERIFY(form(FormId::Form4)->isHidden());
    }

    void loadRunsInsideTheShowThatCreatesTheForm()
    {
        int loads = 0;
        app::forms().setFactory(FormId::Form5, [&loads] {
            auto created =
                std::make_unique<ui::Form>(ui::FormProps{.caption = "probe", .width = 1500, .height = 1500});
            QObject::connect(created.get(), &ui::Form::Load, [&loads] { ++loads; });
            return created;
        });
        app::show(FormId::Form5);
        QCOMPARE(loads, 1);
        app::hide(FormId::Form5);
        app::show(FormId::Form5);
        QCOMPARE(loads, 1);
        form(FormId::Form5)->close();
        app::show(FormId::Form5);
        QCOMPARE(loads, 2);
    }

    void aHiddenFormKeepsItsContentsPlaceAndFocus()
    {
        auto& calculator = program::screen<Form1>(FormId::Form1);
        auto boxes = calculator.findChildren<ui::TextBox*>();
        QVERIFY(boxes.size() == 3);
        input::type(*QApplication::focusWidget(), "12");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        const QPoint place = calculator.pos();
        app::show(FormId::Form4);
        app::hide(FormId::Form1);
        QVERIFY(!calculator.windowHandle()); // no window, and no pixels, held while hidden
        app::show(FormId::Form1);
        app::hide(FormId::Form4);
        QVERIFY(QTest::qWaitForWindowExposed(&calculator));
        QCOMPARE(calculator.pos(), place);
        QCOMPARE(calculator.focusWidget(), focused);
        QVERIFY(std::any_of(boxes.begin(), boxes.end(), [](auto* box) { return box->text() == "12"; }));
    }

    void theCloseBoxDiscardsThatScreenOnly()
    {
        app::show(FormId::Form4);
        QPointer<ui::Form> menu = form(FormId::Form4);
        app::show(FormId::Form1);
        app::hide(FormId::Form4);
        app::show(FormId::Form4);
        app::hide(FormId::Form1);
        menu->close();
        QVERIFY(!form(FormId::Form4));
        QTRY_VERIFY(menu.isNull());
        QVERIFY(program::ended()); // the menu was the only visible window
    }

    void closingAWindowWhileAnotherIsVisibleKeepsTheProgram()
    {
        app::hide(FormId::Form4);
        app::show(FormId::Form1);
        QPointer<ui::Form> menu = form(FormId::Form4);
        menu->close();
        QVERIFY(!program::ended());
        QVERIFY(!form(FormId::Form4));
        QVERIFY(program::visibleForm() == form(FormId::Form1));
        app::show(FormId::Form4);
        QVERIFY(form(FormId::Form4) && form(FormId::Form4) != menu.data());
    }

    void closingTheOnlyVisibleWindowEndsTheProgram()
    {
        app::show(FormId::Form4);
        app::hide(FormId::Form1);
        form(FormId::Form4)->close();
        QVERIFY(program::ended());
        QVERIFY(!form(FormId::Form1));
    }

    void endClosesEveryScreenAndRunsNoHandlerAfterIt()
    {
        app::show(FormId::Form4);
        app::hide(FormId::Form1);
        QPointer<ui::Form> calculator = form(FormId::Form1);
        app::end();
        QVERIFY(program::ended());
        QVERIFY(!form(FormId::Form1) && !form(FormId::Form4));
        QVERIFY(!calculator || !calculator->isVisible());
        app::show(FormId::Form1);
        QVERIFY(!form(FormId::Form1));
    }

    // Every screen shown with all its pictures and its window icon, and every pointer made: the
    // colour emoji font is installed, yet never opened, as the pictures come from the program.
    void aWholeRunNeverOpensTheEmojiFont()
    {
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji")));
        for (const screens::Screen& screen : screens::table()) {
            app::show(screen.id);
            for (ui::Image* image : form(screen.id)->findChildren<ui::Image*>())
                image->show();
            form(screen.id)->grab();
            QCoreApplication::processEvents(); // the window icon comes once the window is up
            QVERIFY(!form(screen.id)->windowIcon().isNull());
        }
        for (const ui::Pointer* pointer : clipart::everyPointer)
            QVERIFY(!ui::toCursor(*pointer).pixmap().isNull());
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY(!maps.readAll().contains("NotoColorEmoji"));
    }
};

QTEST_MAIN(LifecycleTest)
#include "tst_lifecycle.moc"
