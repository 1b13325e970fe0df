#include "screens/arabic_words/form2.h"

using F = Form2;

// Word, the boxes that choosing it shows, its picture.
const std::array<Form2::Word, 18> Form2::words{{
    {"موز", 3, &F::Image1},     // banana
    {"عصفور", 5, &F::Image2},   // bird
    {"كلب", 3, &F::Image3},     // dog
    {"تفاحة", 5, &F::Image4},   // apple
    {"بنت", 3, &F::Image5},     // girl
    {"سـيارة", 5, &F::Image6},  // car
    {"ارنب", 4, &F::Image7},    // rabbit
    {"قطار", 4, &F::Image8},    // train
    {"مرسام", 5, &F::Image9},   // pencil
    {"سفـينة", 5, &F::Image19}, // ship
    {"الـيد", 4, &F::Image11},  // hand
    {"ساعة", 4, &F::Image18},   // clock
    {"باب", 3, &F::Image13},    // door
    {"مفتاح", 5, &F::Image14},  // key
    {"وردة", 4, &F::Image15},   // flower
    {"قطة", 3, &F::Image16},    // cat
    {"طفل", 3, &F::Image12},    // child
    {"شجرة", 4, &F::Image17},   // tree
}};
