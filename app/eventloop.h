#pragma once

namespace app {

// The program runs Qt's own event loop rather than GLib's, which it has no use for: GLib's loop is
// woken with a system call for every event posted, and a screen posts several for each of its
// controls as it opens, which made opening the larger screens a tenth slower. To be called before
// the application object is made.
void useQtEventLoop();

// Runs the event loop until the program ends, then stops the voice's engine. A speech service that
// took the engine's call and never answered holds the engine's thread where nothing can interrupt
// it: the process then ends here and now, rather than tear down the libraries under that thread.
int exec();

} // namespace app
