// Kept apart from the rest of the harness: Xlib's macros (None, Bool, ...)
// clash with GoogleTest's headers.
#include <X11/Xlib.h>

// Opens a connection to the display, or returns null when there is none.
// The caller keeps it open until the toolkit has its own connection: an X
// server that resets when its last client leaves would otherwise refuse
// the toolkit for a moment.
void* qgOpenDisplayProbe() { return XOpenDisplay(nullptr); }

void qgCloseDisplayProbe(void* display) {
  if (display) XCloseDisplay(static_cast<Display*>(display));
}
