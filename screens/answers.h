#pragma once

#include "ui/voice.h"

// The answers of the Arabic word games' checks. Praise and try-again are followed directly by the
// word built, shown and said alike. In what is said, a shadda comes before its vowel, the order
// espeak-ng reads.
namespace screens::answers {

inline const ui::Voiced praise{QStringLiteral("أحسنت الكلمة صحيحة   :   "), {"أَحْسَنْتَ، الكَلِمَةُ صَحِيحَةٌ: "}};
// "لإن" is the screens' own spelling, kept as the children have always read it.
inline const ui::Voiced tryAgain{QStringLiteral("حاول مرة أخرى لإن الكلمة خاطئة  "),
                                 {"حَاوِلْ مَرَّةً أُخْرَى، لِأَنَّ الكَلِمَةَ خَاطِئَةٌ: "}};
// The picture game's answer to a check with no letter in any box.
inline const ui::Voiced writeFirst{QStringLiteral("فضلاً :أكتب أولاً الكلمة. ثم اضغط الزر :  "),
                                   {"فَضْلًا، اُكْتُبِ الكَلِمَةَ قَبْلَ أَنْ تَضْغَطَ الزِّرَّ"}};

} // namespace screens::answers
