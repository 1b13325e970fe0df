#include "screens/arabic_words/form2.h"

using F = Form2;

// Word, as it is said, the boxes that choosing it shows, its picture.
const std::array<Form2::Word, 18> Form2::words{{
    {"موز", "مَوْز", 3, &F::Image1},       // banana
    {"عصفور", "عُصْفُور", 5, &F::Image2},   // bird
    {"كلب", "كَلْب", 3, &F::Image3},       // dog
    {"تفاحة", "تُفَّاحَةٌ", 5, &F::Image4},   // apple
    {"بنت", "بِنْت", 3, &F::Image5},       // girl
    {"سـيارة", "سَيَّارَةٌ", 5, &F::Image6},  // car
    {"ارنب", "أَرْنَب", 4, &F::Image7},     // rabbit
    {"قطار", "قِطَار", 4, &F::Image8},     // train
    {"مرسام", "مِرْسَام", 5, &F::Image9},   // pencil
    {"سفـينة", "سَفِينَةٌ", 5, &F::Image19}, // ship
    {"الـيد", "اليَد", 4, &F::Image11},   // hand
    {"ساعة", "سَاعَةٌ", 4, &F::Image18},    // clock
    {"باب", "بَاب", 3, &F::Image13},      // door
    {"مفتاح", "مِفْتَاح", 5, &F::Image14},  // key
    {"وردة", "وَرْدَةٌ", 4, &F::Image15},    // flower
    {"قطة", "قِطَّةٌ", 3, &F::Image16},      // cat
    {"طفل", "طِفْل", 3, &F::Image12},      // child
    {"شجرة", "شَجَرَةٌ", 4, &F::Image17},    // tree
}};
