#include "screens/arabic_words/form2.h"

using F = Form2;

// Word, its tiles in box order, the boxes that choosing it shows, its picture.
const std::array<Form2::Word, 18> Form2::words{{
    {"موز", {&F::Label25, &F::Label28, &F::Label12}, 3, &F::Image1},                               // banana
    {"عصفور", {&F::Label19, &F::Label15, &F::Label21, &F::Label28, &F::Label10}, 5, &F::Image2},   // bird
    {"كلب", {&F::Label23, &F::Label24, &F::Label2}, 3, &F::Image3},                                // dog
    {"تفاحة", {&F::Label3, &F::Label21, &F::Label1, &F::Label6, &F::Label29}, 5, &F::Image4},      // apple
    {"بنت", {&F::Label2, &F::Label26, &F::Label3}, 3, &F::Image5},                                 // girl
    {"سـيارة", {&F::Label13, &F::Label32, &F::Label1, &F::Label10, &F::Label29}, 5, &F::Image6},   // car
    {"ارنب", {&F::Label1, &F::Label10, &F::Label26, &F::Label2}, 4, &F::Image7},                   // rabbit
    {"قطار", {&F::Label22, &F::Label17, &F::Label1, &F::Label10}, 4, &F::Image8},                  // train
    {"مرسام", {&F::Label25, &F::Label10, &F::Label13, &F::Label1, &F::Label25}, 5, &F::Image9},    // pencil
    {"سفـينة", {&F::Label13, &F::Label21, &F::Label32, &F::Label26, &F::Label29}, 5, &F::Image19}, // ship
    {"الـيد", {&F::Label1, &F::Label24, &F::Label32, &F::Label8}, 4, &F::Image11},                 // hand
    {"ساعة", {&F::Label13, &F::Label1, &F::Label19, &F::Label29}, 4, &F::Image18},                 // clock
    {"باب", {&F::Label2, &F::Label1, &F::Label2}, 3, &F::Image13},                                 // door
    {"مفتاح", {&F::Label25, &F::Label21, &F::Label3, &F::Label1, &F::Label6}, 5, &F::Image14},     // key
    {"وردة", {&F::Label28, &F::Label10, &F::Label8, &F::Label29}, 4, &F::Image15},                 // flower
    {"قطة", {&F::Label22, &F::Label17, &F::Label29}, 3, &F::Image16},                              // cat
    {"طفل", {&F::Label17, &F::Label21, &F::Label24}, 3, &F::Image12},                              // child
    {"شجرة", {&F::Label14, &F::Label5, &F::Label10, &F::Label29}, 4, &F::Image17},                 // tree
}};
