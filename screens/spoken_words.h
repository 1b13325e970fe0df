#pragma once

#include "ui/voice.h"

namespace screens {

// How the Arabic word games say a word: one of their words with its short vowels, which their word
// tables do not write; anything else, such as a word built wrong, as it stands.
ui::Speech spokenArabicWord(const QString& word);

} // namespace screens
