// Kept apart from the rest of the harness: Xlib's macros (None, Bool, ...)
// clash with GoogleTest's headers.
#include <X11/Xlib.h>

bool qgProbeDisplay() {
  if (Display* d = XOpenDisplay(nullptr)) {
    XCloseDisplay(d);
    return true;
  }
  return false;
}
