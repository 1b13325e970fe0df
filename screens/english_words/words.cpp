#include "screens/english_words/form3.h"

// The words of the list, each with as many drop boxes as it has letters and its picture.
const std::array<Form3::Word, 17> Form3::words{{
    {"DOOR", 4, &Form3::Image13},
    {"RABBIT", 6, &Form3::Image7},
    {"CAR", 3, &Form3::Image6},
    {"PANANA", 6, &Form3::Image1}, // the screen's own spelling of the banana
    {"APPLE", 5, &Form3::Image4},
    {"CAT", 3, &Form3::Image16},
    {"GIRL", 4, &Form3::Image5},
    {"PENCIL", 6, &Form3::Image9},
    {"HAND", 4, &Form3::Image11},
    {"SHIP", 4, &Form3::Image10},
    {"KEY", 3, &Form3::Image14},
    {"DOG", 3, &Form3::Image3},
    {"BIRD", 4, &Form3::Image2},
    {"FLOWER", 6, &Form3::Image15},
    {"BABY", 4, &Form3::Image12},
    {"TRAIN", 5, &Form3::Image8},
    {"TREE", 4, &Form3::Image17},
}};
