// Every text gives a finite number or a fault, never a crash; every finite number is written
// without exponent or infinity, and a whole number written reads back as the same number.
#include "ui/numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void require(bool holds)
{
    if (!holds)
        std::abort();
}

void checkWritten(double value)
{
    const QString text = ui::toText(value);
    require(!text.isEmpty());
    for (QChar c : text)
        require(c.isDigit() || c == u'-' || c == u'.');
    const ui::Number back = ui::toNumber(text);
    require(!back.fault && std::isfinite(back.value));
    if (value == std::trunc(value))
        require(back.value == value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const ui::Number number = ui::toNumber(text);
    require(number.fault || std::isfinite(number.value));
    if (!number.fault)
        checkWritten(number.value);

    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw))
            checkWritten(raw);
    }
    for (auto operation : {ui::Operation::Add, ui::Operation::Subtract, ui::Operation::Multiply, ui::Operation::Divide}) {
        const ui::Number result = ui::calculate(text, operation, text.mid(text.size() / 2));
        require(result.fault || std::isfinite(result.value));
    }
    return 0;
}
