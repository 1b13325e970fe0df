#include "tests/support/locale.h"
#include "ui/numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

class NumbersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { program::requireTestLocale(); }

    void textToNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("dropped digit") << "7" << 7.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("blanks only") << "   " << 0.0;
        QTest::newRow("typed garbage") << "abc" << 0.0;
        QTest::newRow("leading blanks") << "  42" << 42.0;
        QTest::newRow("minus") << "-6" << -6.0;
        QTest::newRow("plus") << "+6" << 6.0;
        QTest::newRow("sign alone") << "-" << 0.0;
        QTest::newRow("minus zero is zero") << "-0" << 0.0;
        QTest::newRow("fraction") << "3.25" << 3.25;
        QTest::newRow("fraction without whole part") << ".5" << 0.5;
        QTest::newRow("point at the end") << "8." << 8.0;
        QTest::newRow("trailing garbage ends the number") << "12ab3" << 12.0;
        QTest::newRow("second point ends the number") << "1.2.3" << 1.2;
        QTest::newRow("blank inside ends the number") << "1 2" << 1.0;
        QTest::newRow("no exponents") << "1e5" << 1.0;
        QTest::newRow("Arabic-Indic digits") << "١٢٣" << 123.0;
        QTest::newRow("Eastern Arabic-Indic digits") << "۴۵" << 45.0;
        QTest::newRow("mixed digit sets") << "1٢۳" << 123.0;
        QTest::newRow("Arabic comma is no point") << "3٫5" << 3.0;
        QTest::newRow("leading zeros") << "0007" << 7.0;
        QTest::newRow("too small to tell from zero") << "0." + QString(400, u'0') + "1" << 0.0;
        QTest::newRow("long pasted digits after the point") << "1." + QString(100000, u'3') << 1.0 + 1.0 / 3;
        QTest::newRow("long pasted garbage") << QString(100000, u'x') << 0.0;
        QTest::newRow("largest double")
            << "179769313486231570" + QString(291, u'0') << std::numeric_limits<double>::max();
    }

    void textToNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        const ui::Number number = ui::toNumber(text);
        QVERIFY(!number.fault);
        QVERIFY(std::isfinite(number.value));
        QCOMPARE(number.value, value);
        QVERIFY(!std::signbit(number.value) || value < 0);
    }

    void numeralsBeyondADoubleAreFaults_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("310 digits") << "1" + QString(309, u'0');
        QTest::newRow("negative") << "-" + QString(400, u'9');
        QTest::newRow("100,000 pasted digits") << QString(100000, u'9');
    }

    void numeralsBeyondADoubleAreFaults()
    {
        QFETCH(QString, text);
        const ui::Number number = ui::toNumber(text);
        QCOMPARE(number.fault, std::optional(ui::ArithmeticFault::Overflow));
    }

    void numberToText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 9.0 << "9";
        QTest::newRow("negative whole") << -6.0 << "-6";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("minus zero") << -0.0 << "0";
        QTest::newRow("half") << 3.5 << "3.5";
        QTest::newRow("negative fraction") << -0.25 << "-0.25";
        QTest::newRow("third") << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("rounding noise") << 0.1 + 0.2 << "0.3";
        QTest::newRow("small, no exponent") << 0.000001 << "0.000001";
        QTest::newRow("large whole, no exponent") << 1e20 << "100000000000000000000";
        QTest::newRow("15 significant digits") << 123456.789012345678 << "123456.789012346";
    }

    void numberToText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(ui::toText(value), text);
        QCOMPARE(ui::toText(ui::toNumber(text).value), text);
    }

    void wholeNumbersReadBackExactly_data()
    {
        QTest::addColumn<double>("value");
        QTest::newRow("81") << 81.0;
        QTest::newRow("-1234567") << -1234567.0;
        QTest::newRow("2^53 + 2") << 9007199254740994.0;
        QTest::newRow("1e300") << 1e300;
        QTest::newRow("largest") << std::numeric_limits<double>::max();
        QTest::newRow("most negative") << std::numeric_limits<double>::lowest();
    }

    void wholeNumbersReadBackExactly()
    {
        QFETCH(double, value);
        const QString text = ui::toText(value);
        QVERIFY(!text.contains(u'e'));
        QCOMPARE(ui::toNumber(text).value, value);
    }

    void calculation_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("operation");
        QTest::addColumn<QString>("second");
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("fault"); // -1: none
        const int none = -1;
        const int byZero = int(ui::ArithmeticFault::DivisionByZero);
        const int overflow = int(ui::ArithmeticFault::Overflow);
        using Op = ui::Operation;
        QTest::newRow("add") << "7" << int(Op::Add) << "2" << 9.0 << none;
        QTest::newRow("subtract") << "3" << int(Op::Subtract) << "9" << -6.0 << none;
        QTest::newRow("multiply") << "9" << int(Op::Multiply) << "9" << 81.0 << none;
        QTest::newRow("divide") << "7" << int(Op::Divide) << "2" << 3.5 << none;
        QTest::newRow("5 / 0") << "5" << int(Op::Divide) << "0" << 0.0 << byZero;
        QTest::newRow("0 / 0") << "0" << int(Op::Divide) << "0" << 0.0 << byZero;
        QTest::newRow("x / empty") << "3" << int(Op::Divide) << "" << 0.0 << byZero;
        QTest::newRow("product overflows")
            << "1" + QString(200, u'0') << int(Op::Multiply) << "1" + QString(200, u'0') << 0.0 << overflow;
        QTest::newRow("sum overflows") << "17976931348623157" + QString(292, u'0') << int(Op::Add)
                                       << "17976931348623157" + QString(292, u'0') << 0.0 << overflow;
        QTest::newRow("quotient overflows")
            << "1" + QString(300, u'0') << int(Op::Divide) << "0.000000000001" << 0.0 << overflow;
        QTest::newRow("operand beyond a double")
            << "5" << int(Op::Add) << QString(400, u'9') << 0.0 << overflow;
        QTest::newRow("underflow is no fault")
            << "0." + QString(300, u'0') + "1" << int(Op::Divide) << "1" + QString(100, u'0') << 0.0 << none;
    }

    void calculation()
    {
        QFETCH(QString, first);
        QFETCH(int, operation);
        QFETCH(QString, second);
        QFETCH(double, value);
        QFETCH(int, fault);
        const ui::Number result = ui::calculate(first, ui::Operation(operation), second);
        if (fault < 0) {
            QVERIFY(!result.fault);
            QCOMPARE(result.value, value);
        } else {
            QCOMPARE(result.fault, std::optional(ui::ArithmeticFault(fault)));
        }
    }
};

// With an application object, which puts the C library in the user's locale as the program's does.
QTEST_MAIN(NumbersTest)
#include "tst_numbers.moc"
