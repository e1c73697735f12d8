#include "WindowManagerFrame.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

void giveWindowManagerFrame(FX::FXWindow* window, long left, long right, long top, long bottom) {
  Display* d = static_cast<Display*>(window->getApp()->getDisplay());
  const long extents[4] = {left, right, top, bottom};
  XChangeProperty(d, static_cast<Window>(window->id()), XInternAtom(d, "_NET_FRAME_EXTENTS", False), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<const unsigned char*>(extents), 4);
  XSync(d, False);
}
