#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace ui {

enum class ArithmeticFault { DivisionByZero, Overflow };

// A number, or the arithmetic fault that stood in its way.
struct Number {
    double value = 0;
    std::optional<ArithmeticFault> fault;
};

// Total: leading blanks, an optional sign, decimal digits (ASCII, Arabic-Indic or Eastern
// Arabic-Indic) and an optional "." fraction; whatever follows ends the number, and a text with
// no leading number gives 0. Only a numeral beyond the double range is a fault, never an infinity.
Number toNumber(QStringView text);

// Whole numbers as plain digits ("-" before a negative one), others rounded to 15 significant
// digits, never in exponent form.
QString toText(double value);

enum class Operation { Add, Subtract, Multiply, Divide };

// Converts the second operand first, then the first, and checks for a fault before any result is
// used: division by zero (0 / 0 included) and results beyond the double range.
Number calculate(QStringView first, Operation operation, QStringView second);

} // namespace ui
