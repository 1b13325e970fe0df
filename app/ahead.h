#pragma once

namespace app {

// Draws what the first window does not show but the program soon needs, once that window is up:
// the application's icon, and the artwork of the menu and the contact screen, which takes longer
// to draw than opening those screens and so is drawn on threads of its own.
void drawAhead();

} // namespace app
