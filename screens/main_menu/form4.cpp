#include "screens/main_menu/form4.h"

Form4::Form4()
    : ui::Form({.caption = "Tarsel... سلسلة برامج Marzun", .width = 7800, .height = 5655})
{
}
