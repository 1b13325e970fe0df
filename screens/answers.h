#pragma once

#include <QString>

// The answers of the Arabic word games' checks. Praise and try-again are followed directly by the
// word built.
namespace screens::answers {

inline const QString praise = QStringLiteral("أحسنت الكلمة صحيحة   :   ");
// "لإن" is the screens' own spelling, kept as the children have always read it.
inline const QString tryAgain = QStringLiteral("حاول مرة أخرى لإن الكلمة خاطئة  ");
// The picture game's answer to a check with no letter in any box.
inline const QString writeFirst = QStringLiteral("فضلاً :أكتب أولاً الكلمة. ثم اضغط الزر :  ");

} // namespace screens::answers
