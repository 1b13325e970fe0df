#pragma once

// CTest runs the number tests again in each locale of tests/locales, as a user's session starts
// the program with LANG set to it, and names that locale in MARZUN_TEST_LOCALE. In such a run this
// fails the test unless the application object has put the C library in that locale, where it
// would write 3.5 otherwise than "3.5"; in any other run it does nothing.
namespace program {

void requireTestLocale();

} // namespace program
