#pragma once

#include "ui/font.h"

#include <vector>

namespace screens {

// Every font the screens declare. The main menu, which leads to every screen, loads them ahead.
inline const std::vector<ui::Font> everyFont{
    {ui::Face::Tahoma, 14.25},
    {ui::Face::Tahoma, 15.75},
    {ui::Face::Tahoma, 18},
    {ui::Face::Tahoma, 20.25},
    {ui::Face::ArabicTransparent, 12},
    {ui::Face::ArabicTransparent, 14.25},
    {ui::Face::ArabicTransparent, 20.25},
    {ui::Face::ArabicTransparent, 21.75},
    {ui::Face::Verdana, 14.25},
    {ui::Face::Verdana, 15.75},
    {ui::Face::Arial, 12},
};

} // namespace screens
