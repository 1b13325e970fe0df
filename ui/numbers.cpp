#include "ui/numbers.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace ui {

namespace {

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'\u0660' && u <= u'\u0669')
        return u - u'\u0660';
    if (u >= u'\u06F0' && u <= u'\u06F9')
        return u - u'\u06F0';
    return -1;
}

// Appends the run of digits at position i as ASCII; returns whether it held a non-zero digit.
bool takeDigits(QStringView text, qsizetype& i, std::string& ascii)
{
    bool significant = false;
    for (int d; i < text.size() && (d = digitValue(text[i])) >= 0; ++i) {
        ascii.push_back(static_cast<char>('0' + d));
        significant = significant || d != 0;
    }
    return significant;
}

} // namespace

Number toNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    std::string ascii;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-')
            ascii.push_back('-');
        ++i;
    }
    const bool wholePartNonZero = takeDigits(text, i, ascii);
    if (i < text.size() && text[i] == u'.') {
        ++i;
        ascii.push_back('.');
        takeDigits(text, i, ascii);
    }
    if (ascii.find_first_of("0123456789") == std::string::npos)
        return {};
    if (ascii.back() == '.')
        ascii.push_back('0');

    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Out of range with a whole part of at least 1 is too large; anything else is too small
        // to tell from zero, and underflow is not a fault.
        if (wholePartNonZero)
            return {0, ArithmeticFault::Overflow};
        return {};
    }
    return {value + 0.0, std::nullopt}; // folds -0 into 0
}

QString toText(double value)
{
    // Room for the 309 digits of the largest double or the ~340 places of the smallest. Written
    // with "." whatever the user's locale, which the C library's formatting would follow.
    std::array<char, 720> buffer{};
    const auto write = [&](double number, int decimals) {
        const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), number,
                                        std::chars_format::fixed, decimals)
                              .ptr;
        return QString::fromLatin1(buffer.data(), end - buffer.data());
    };
    if (value == std::trunc(value))
        return write(value + 0.0, 0);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    QString text = write(value, std::clamp(14 - magnitude, 0, 350));
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    if (text == u"-0")
        return QStringLiteral("0");
    return text;
}

Number calculate(QStringView first, Operation operation, QStringView second)
{
    const Number b = toNumber(second);
    const Number a = toNumber(first);
    if (b.fault)
        return b;
    if (a.fault)
        return a;
    if (operation == Operation::Divide && b.value == 0)
        return {0, ArithmeticFault::DivisionByZero};
    double result = 0;
    switch (operation) {
    case Operation::Add:
        result = a.value + b.value;
        break;
    case Operation::Subtract:
        result = a.value - b.value;
        break;
    case Operation::Multiply:
        result = a.value * b.value;
        break;
    case Operation::Divide:
        result = a.value / b.value;
        break;
    }
    if (!std::isfinite(result))
        return {0, ArithmeticFault::Overflow};
    return {result + 0.0, std::nullopt};
}

} // namespace ui
