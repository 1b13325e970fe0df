#include "screens/english_words/form3.h"

// The words of the list, each as it is said, with as many drop boxes as it has letters, and its picture.
const std::array<Form3::Word, 17> Form3::words{{
    {"DOOR", "door", 4, &Form3::Image13},
    {"RABBIT", "rabbit", 6, &Form3::Image7},
    {"CAR", "car", 3, &Form3::Image6},
    {"PANANA", "panana", 6, &Form3::Image1}, // the screen's own spelling of the banana
    {"APPLE", "apple", 5, &Form3::Image4},
    {"CAT", "cat", 3, &Form3::Image16},
    {"GIRL", "girl", 4, &Form3::Image5},
    {"PENCIL", "pencil", 6, &Form3::Image9},
    {"HAND", "hand", 4, &Form3::Image11},
    {"SHIP", "ship", 4, &Form3::Image10},
    {"KEY", "key", 3, &Form3::Image14},
    {"DOG", "dog", 3, &Form3::Image3},
    {"BIRD", "bird", 4, &Form3::Image2},
    {"FLOWER", "flower", 6, &Form3::Image15},
    {"BABY", "baby", 4, &Form3::Image12},
    {"TRAIN", "train", 5, &Form3::Image8},
    {"TREE", "tree", 4, &Form3::Image17},
}};
