#include "screens/contact/form5.h"
#include "tests/support/input.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

using app::FormId;

class ContactTest : public QObject {
    Q_OBJECT

    Form5& contact() { return program::screen<Form5>(FormId::Form5); }
    QWidget& client() { return *contact().client(); }

    // The glow between the first and the second line, where no control lies.
    static constexpr QPoint glow{269, 140};

    void hover(ui::Label& line) { input::hover(client(), line.geometry().topLeft() + QPoint(20, 20)); }

private slots:
    void init()
    {
        program::start();
        input::click(program::button(FormId::Form1, "عودة"));
        auto* menu = app::forms().instance(FormId::Form4);
        QTest::mouseClick(menu->client(), Qt::LeftButton, {}, {340, 240}); // the magnifying glass
        QVERIFY(program::visibleForm() == &contact());
    }
    void cleanup() { program::stop(); }

    void theWindow()
    {
        QCOMPARE(contact().windowTitle(), QString("اتصل بنا"));
        QCOMPARE(client().size(), QSize(538, 423));
        QVERIFY(!(contact().windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(contact().Label4.caption(), QString("\r\n\r\n"));
        for (QWidget* control :
             std::initializer_list<QWidget*>{&contact().Label1, &contact().Label2, &contact().Label3,
                                             &contact().Label4, &contact().Image1}) {
            input::hover(*control);
            QCOMPARE(control->cursor().shape(), Qt::BitmapCursor);
        }
    }

    void eachLineIsNamedInItsColour()
    {
        const struct {
            ui::Label* line;
            QString hint;
            ui::Color color;
        } lines[] = {{&contact().Label3, "البريد الالكتروني  HOTMAIL ", 0x00800000},
                     {&contact().Label2, "البريد الالكتروني  YAHOO ", 0x000000FF},
                     {&contact().Label1, "موقعنا على الشبكة العنكبوتية", 0x00008000}};
        for (const auto& [line, hint, color] : lines) {
            hover(*line);
            QCOMPARE(contact().Label4.caption(), hint);
            QCOMPARE(contact().Label4.foreColor(), color);
        }
        input::hover(client(), glow);
        QCOMPARE(contact().Label4.caption(), QString());
        QCOMPARE(contact().Label4.foreColor(), ui::SystemColor::ButtonText);
    }

    void theHintStaysOverTheBackPictureAndTheHintLabel()
    {
        hover(contact().Label1);
        input::hover(contact().Image1);
        input::hover(contact().Label4);
        QCOMPARE(contact().Label4.caption(), QString("موقعنا على الشبكة العنكبوتية"));
        QCOMPARE(contact().Label4.foreColor(), ui::Color(0x00008000));
    }

    void clickingALineDoesNothing()
    {
        for (ui::Label* line : {&contact().Label1, &contact().Label2, &contact().Label3})
            input::click(*line);
        QVERIFY(program::visibleForm() == &contact());
    }

    void theBackPictureReturnsToTheMenuAndTheHintIsKept()
    {
        hover(contact().Label2);
        input::click(contact().Image1);
        QVERIFY(program::visibleForm() == app::forms().instance(FormId::Form4));
        QVERIFY(contact().isHidden());
        app::show(FormId::Form5);
        QCOMPARE(contact().Label4.caption(), QString("البريد الالكتروني  YAHOO "));
        QCOMPARE(contact().Label4.foreColor(), ui::Color(0x000000FF));
    }

    // The contact lines of the artwork lie under their hotspots, and the hint band stays clear.
    void theLinesLieUnderTheirHotspots()
    {
        QSvgRenderer artwork(QStringLiteral(":/assets/contact.svg"));
        QImage image(artwork.defaultSize(), QImage::Format_ARGB32);
        QPainter painter(&image);
        artwork.render(&painter);
        painter.end();
        const auto darkRows = [&](int top, int bottom) {
            int rows = 0;
            for (int y = top; y < bottom; ++y) {
                bool dark = false;
                for (int x = 0; x < image.width() && !dark; ++x)
                    dark = qGray(image.pixel(x, y)) < 90;
                rows += dark;
            }
            return rows;
        };
        for (ui::Label* line : {&contact().Label1, &contact().Label2, &contact().Label3}) {
            const QRect band = line->geometry();
            QVERIFY(darkRows(band.top(), band.bottom()) > band.height() / 2);
        }
        QCOMPARE(darkRows(contact().Label4.geometry().top(), contact().Label4.geometry().bottom()), 0);
    }
};

QTEST_MAIN(ContactTest)
#include "tst_contact.moc"
