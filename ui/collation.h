#pragma once

#include <QStringView>

namespace ui {

// Alphabetical order as an Arabic reader orders words: the tatweel, which only stretches a
// joint, does not count. Texts that differ only in tatweels keep a fixed order.
bool alphabeticallyBefore(QStringView a, QStringView b);

// Loads the rules of that order ahead of a screen that sorts, on a later turn of the event loop:
// the first comparison reads them, which takes about as long as opening the screen.
void prepareCollation();

} // namespace ui
