#include "screens/calculator/form1.h"
#include "tests/support/announcements.h"
#include "tests/support/input.h"
#include "tests/support/locale.h"
#include "ui/faultnotice.h"

#include <QAccessible>
#include <QTest>

using app::FormId;

namespace {

// The runs of neighbouring columns of a control's picture that hold text, from left to right, each
// as the rectangle its ink takes.
QList<QRect> inkRuns(QWidget& control)
{
    const QImage picture = control.grab().toImage();
    const QRgb paper = picture.pixel(picture.width() / 2, 0);
    const auto ink = [&](int x, int y) { return qAbs(qGray(picture.pixel(x, y)) - qGray(paper)) > 60; };
    QList<QRect> runs;
    bool inRun = false;
    for (int x = 0; x < picture.width(); ++x) {
        QRect column;
        for (int y = 0; y < picture.height(); ++y)
            if (ink(x, y))
                column |= QRect(x, y, 1, 1);
        if (column.isNull())
            inRun = false;
        else if (std::exchange(inRun, true))
            runs.last() |= column;
        else
            runs.append(column);
    }
    return runs;
}

} // namespace

class CalculatorTest : public QObject {
    Q_OBJECT

    Form1& screen() { return program::screen<Form1>(FormId::Form1); }
    // The digit tiles by their digit, as the child sees them.
    ui::Label& digit(int n)
    {
        ui::Label* tiles[] = {&screen().Label1, &screen().Label2, &screen().Label3, &screen().Label4,
                              &screen().Label5, &screen().Label6, &screen().Label7, &screen().Label8,
                              &screen().Label9, &screen().Label10};
        return *tiles[n];
    }

    ui::CommandButton& operationButton(const QString& sign)
    {
        if (sign == "+")
            return screen().Command1;
        if (sign == "-")
            return screen().Command2;
        if (sign == "*")
            return screen().Command3;
        return screen().Command4;
    }

    // The fault a child meets first; gives the note that tells of it.
    ui::FaultNotice* divideFiveByZero()
    {
        input::drag(digit(5), screen().Text1);
        input::drag(digit(0), screen().Text2);
        input::click(screen().Command4);
        return screen().findChild<ui::FaultNotice*>();
    }

    // What the child sees of the sum: result box, operator, equals sign and sentence.
    QStringList shown()
    {
        return {screen().Text3.text(), screen().Label12.caption(), screen().Label13.caption(),
                screen().Label11.caption()};
    }

private slots:
    void initTestCase() { program::requireTestLocale(); }
    void init() { program::start(); }
    void cleanup() { program::stop(); }

    void opensEmptyWithTheTilesInARow()
    {
        for (int n = 0; n <= 9; ++n) {
            QCOMPARE(digit(n).caption(), QString::number(n));
            QCOMPARE(digit(n).geometry(), QRect(32 + 40 * n, 16, 25, 25));
        }
        QCOMPARE(shown(), QStringList({"", "", "", ""}));
        QCOMPARE(screen().Text1.text(), QString());
        QCOMPARE(screen().windowTitle(), QString("Qalvo...سلسلة برامج Marzun"));
        QCOMPARE(screen().client()->size(), QSize(485, 251));
        QCOMPARE(screen().Command1.text(), QString(" ( + )   اجمع"));
    }

    void operations_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("result");
        QTest::newRow("7 + 2") << 7 << 2 << "+"
                               << "9";
        QTest::newRow("7 - 2") << 7 << 2 << "-"
                               << "5";
        QTest::newRow("7 * 2") << 7 << 2 << "*"
                               << "14";
        QTest::newRow("7 / 2") << 7 << 2 << "/"
                               << "3.5";
        QTest::newRow("3 - 9") << 3 << 9 << "-"
                               << "-6";
        QTest::newRow("9 * 9") << 9 << 9 << "*"
                               << "81";
        QTest::newRow("0 / 5") << 0 << 5 << "/"
                               << "0";
        QTest::newRow("1 / 3") << 1 << 3 << "/"
                               << "0.333333333333333";
        QTest::newRow("0 * 0") << 0 << 0 << "*"
                               << "0";
    }

    void operations()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, sign);
        QFETCH(QString, result);
        input::drag(digit(first), screen().Text1);
        input::drag(digit(second), screen().Text2);
        input::click(operationButton(sign));
        QCOMPARE(shown(), QStringList({result, sign, "=", "الناتج هو   :   " + result}));
        QCOMPARE(screen().Text1.text(), QString::number(first));
        QCOMPARE(screen().Text2.text(), QString::number(second));
    }

    // A child who cannot see the screen hears the tiles, the boxes, the buttons and the result.
    void theSumIsReadAloud()
    {
        const Announcements announcements;
        input::drag(digit(7), screen().Text1);
        input::drag(digit(2), screen().Text2);
        input::click(screen().Command1);
        QVERIFY(announcements.changed(screen().Label11));
        QVERIFY(announcements.changed(screen().Text3));
        const auto spoken = [](QWidget& control) { return QAccessible::queryAccessibleInterface(&control); };
        const std::tuple<QWidget*, QAccessible::Role, QString> expected[] = {
            {&digit(7), QAccessible::StaticText, "7"},
            {&screen().Text1, QAccessible::EditableText, "7"},
            {&screen().Command1, QAccessible::Button, " ( + )   اجمع"},
            {&screen().Text3, QAccessible::EditableText, "9"},
            {&screen().Label11, QAccessible::StaticText, "الناتج هو   :   9"}};
        for (const auto& [control, role, name] : expected) {
            QCOMPARE(spoken(*control)->role(), role);
            QCOMPARE(spoken(*control)->text(QAccessible::Name), name);
        }
    }

    // The sentence shows a negative result as the result box does, its sign at the left of the
    // digits, while a screen reader still gets the sentence as it was written.
    void aNegativeResultReadsWithItsSignFirst()
    {
        input::drag(digit(3), screen().Text1);
        input::drag(digit(5), screen().Text2);
        input::click(screen().Command2);
        QCOMPARE(shown(), QStringList({"-2", "-", "=", "الناتج هو   :   -2"}));
        QCOMPARE(QAccessible::queryAccessibleInterface(&screen().Label11)->text(QAccessible::Name),
                 QString("الناتج هو   :   -2"));
        for (QWidget* shows : {screen().Text3.focusProxy(), static_cast<QWidget*>(&screen().Label11)}) {
            const QList<QRect> runs = inkRuns(*shows);
            QVERIFY(runs.size() >= 2);
            const QRect sign = runs[0], two = runs[1];
            QVERIFY2(sign.width() > sign.height() && 2 * sign.height() < two.height(),
                     qPrintable(QString("%1: %2 x %3 before %4 x %5")
                                    .arg(shows->metaObject()->className())
                                    .arg(sign.width())
                                    .arg(sign.height())
                                    .arg(two.width())
                                    .arg(two.height())));
        }
    }

    void anotherOperationRecomputesFromTheBoxes()
    {
        input::drag(digit(7), screen().Text1);
        input::drag(digit(2), screen().Text2);
        input::click(screen().Command1);
        input::click(screen().Command3);
        QCOMPARE(shown(), QStringList({"14", "*", "=", "الناتج هو   :   14"}));
    }

    void aNewDropLeavesTheLastResultStanding()
    {
        input::drag(digit(7), screen().Text1);
        input::drag(digit(2), screen().Text2);
        input::click(screen().Command1);
        input::drag(digit(4), screen().Text2);
        QCOMPARE(screen().Text2.text(), QString("4"));
        QCOMPARE(shown(), QStringList({"9", "+", "=", "الناتج هو   :   9"}));
    }

    void dropsOnTheSumsOtherPartsChangeNothing()
    {
        input::drag(digit(7), screen().Text1);
        input::drag(digit(2), screen().Text2);
        input::click(screen().Command1);
        const QStringList before = shown();
        for (QWidget* target :
             std::initializer_list<QWidget*>{&screen().Text3, &screen().Label11, &screen().Label12,
                                             &screen().Label13, &screen().Command2, &digit(5)})
            input::drag(digit(3), *target);
        QCOMPARE(shown(), before);
        QCOMPARE(screen().Text1.text(), QString("7"));
        QCOMPARE(screen().Text2.text(), QString("2"));
    }

    void typedOperands_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("result");
        QTest::newRow("several digits") << "12"
                                        << "30"
                                        << "42";
        QTest::newRow("Arabic-Indic digits") << "١٢"
                                             << "٣"
                                             << "15";
        QTest::newRow("fraction and sign") << "-1.5"
                                           << "2"
                                           << "0.5";
        QTest::newRow("garbage counts as 0") << "abc"
                                             << "7"
                                             << "7";
        QTest::newRow("empty boxes") << ""
                                     << ""
                                     << "0";
    }

    void typedOperands()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, result);
        input::type(screen().Text1, first);
        input::type(screen().Text2, second);
        input::click(screen().Command1);
        QCOMPARE(screen().Text3.text(), result);
        QCOMPARE(screen().Text1.text(), first);
    }

    void faults_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("sign");
        QTest::addColumn<QString>("message");
        QTest::newRow("5 / 0") << "5"
                               << "0"
                               << "/"
                               << "لا يمكن القسمة على صفر";
        QTest::newRow("0 / 0") << "0"
                               << "0"
                               << "/"
                               << "لا يمكن القسمة على صفر";
        QTest::newRow("overflowing product") << QString(200, u'9') << QString(200, u'9') << "*"
                                             << "العدد كبير جداً";
        QTest::newRow("numeral beyond a double") << QString(400, u'9') << "1"
                                                 << "+"
                                                 << "العدد كبير جداً";
    }

    // A fault leaves every control as it was; the child gets a friendly word instead.
    void faults()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, sign);
        QFETCH(QString, message);
        input::drag(digit(7), screen().Text1);
        input::drag(digit(2), screen().Text2);
        input::click(screen().Command1);
        screen().Text1.setText({});
        screen().Text2.setText({});
        input::type(screen().Text1, first);
        input::type(screen().Text2, second);
        input::click(operationButton(sign));
        QCOMPARE(shown(), QStringList({"9", "+", "=", "الناتج هو   :   9"}));
        QCOMPARE(screen().Text1.text(), first);
        QCOMPARE(screen().Text2.text(), second);
        auto* notice = screen().findChild<ui::FaultNotice*>();
        QVERIFY(notice && notice->isVisible());
        QCOMPARE(notice->text(), message);
        QVERIFY(program::visibleForm() == &screen());
    }

    void theFaultMessageGoesWithAClick()
    {
        auto* notice = divideFiveByZero();
        QVERIFY(notice && notice->isVisible());
        input::click(*notice);
        QVERIFY(notice->isHidden());
        input::drag(digit(0), screen().Text1);
        input::drag(digit(5), screen().Text2);
        input::click(screen().Command4);
        QCOMPARE(screen().Text3.text(), QString("0"));
    }

    // As a child met it: the note over the second box must not swallow the next operand.
    void theFaultMessageTakesNoInput()
    {
        auto* notice = divideFiveByZero();
        QVERIFY(notice && notice->isVisible());
        QVERIFY(notice->geometry().contains(screen().Text2.geometry().center()));
        input::drag(digit(3), screen().Text2);
        input::click(screen().Command1);
        QCOMPARE(shown(), QStringList({"8", "+", "=", "الناتج هو   :   8"}));

        // A press on the note is a press on what lies beneath it, and takes the note away.
        QVERIFY(divideFiveByZero()->isVisible());
        input::click(screen().Text2);
        QVERIFY(notice->isHidden());
        QCOMPARE(program::focusedControl(), &screen().Text2);

        // A tile held while the keyboard brings the note up still lands beneath it.
        QWidget& client = *screen().client();
        const QPoint tile = digit(6).geometry().center();
        const QPoint box = screen().Text2.geometry().center();
        screen().Command4.setFocus();
        QTest::mousePress(&client, Qt::LeftButton, {}, tile);
        QTest::keyClick(&screen().Command4, Qt::Key_Return);
        QVERIFY(notice->isVisible());
        QTest::mouseMove(&client, box);
        QTest::mouseRelease(&client, Qt::LeftButton, {}, box);
        QVERIFY(notice->isVisible());
        QCOMPARE(screen().Text2.text(), QString("6"));
    }

    void theFaultMessageGoesByItself()
    {
        auto* notice = divideFiveByZero();
        QVERIFY(notice && notice->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(notice->isHidden(), ui::FaultNotice::lifetimeMs + 2000);
    }

    void keyboardOrderStartsInTheFirstBox()
    {
        QCOMPARE(program::focusedControl(), &screen().Text1);
        const QList<QWidget*> expected = {&screen().Text2,    &screen().Text3,    &screen().Command1,
                                          &screen().Command2, &screen().Command3, &screen().Command4,
                                          &screen().Command5, &screen().Text1};
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(program::focusedControl(), next);
        }
    }

    void spaceAndEnterPressTheFocusedButton()
    {
        input::type(screen().Text1, "6");
        input::type(screen().Text2, "3");
        screen().Command2.setFocus();
        QTest::keyClick(&screen().Command2, Qt::Key_Space);
        QCOMPARE(screen().Text3.text(), QString("3"));
        screen().Command4.setFocus();
        QTest::keyClick(&screen().Command4, Qt::Key_Return);
        QCOMPARE(screen().Text3.text(), QString("2"));
    }

    void backEmptiesTheScreenAndOpensTheMenu()
    {
        input::drag(digit(7), screen().Text1);
        input::drag(digit(2), screen().Text2);
        input::click(screen().Command1);
        QVERIFY(!app::forms().instance(FormId::Form4));
        input::click(screen().Command5);
        QVERIFY(program::visibleForm() == app::forms().instance(FormId::Form4));
        QVERIFY(screen().isHidden());
        QCOMPARE(shown(), QStringList({"", "", "", ""}));
        QCOMPARE(screen().Text1.text(), QString());
        QCOMPARE(screen().Text2.text(), QString());
        app::show(FormId::Form1);
        app::hide(FormId::Form4);
        QVERIFY(program::visibleForm() == &screen());
        QCOMPARE(shown(), QStringList({"", "", "", ""}));
    }
};

QTEST_MAIN(CalculatorTest)
#include "tst_calculator.moc"
