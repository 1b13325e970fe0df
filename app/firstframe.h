#pragma once

#include <functional>

class QWidget;

namespace app {

// Calls `then` once, after the window has drawn its first frame on the screen (at once if it has):
// what the start leaves until then does not hold up the first window.
void afterFirstFrame(QWidget& window, std::function<void()> then);

} // namespace app
