#pragma once

#include <QStringView>

namespace ui {

// Alphabetical order as an Arabic reader orders words: the tatweel, which only stretches a
// joint, does not count. Texts that differ only in tatweels keep a fixed order.
bool alphabeticallyBefore(QStringView a, QStringView b);

} // namespace ui
