#include "tests/support/locale.h"

#include <QTest>

#include <array>
#include <clocale>
#include <cstdio>

namespace program {

void requireTestLocale()
{
    const QByteArray asked = qgetenv("MARZUN_TEST_LOCALE");
    if (asked.isEmpty())
        return;
    QVERIFY2(asked == std::setlocale(LC_NUMERIC, nullptr),
             qPrintable(asked + " is not installed: scripts/install-locales.sh generates it"));
    std::array<char, 16> written{};
    std::snprintf(written.data(), written.size(), "%.1f", 3.5);
    QVERIFY2(QByteArray(written.data()) != "3.5", qPrintable(asked + " writes numbers as the C locale does"));
}

} // namespace program
