#include "WindowFrame.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

using namespace FX;

namespace {
// Frames wider than this are no frames but a misreading.
const long MAX_FRAME_PART = 1000;

bool frameProperty(Display* d, Window w, FrameExtents* f) {
  const Atom atom = XInternAtom(d, "_NET_FRAME_EXTENTS", True);
  if (atom == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long n = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(d, w, atom, 0, 4, False, XA_CARDINAL, &type, &format, &n, &after, &data) != Success)
    return false;
  bool ok = data && type == XA_CARDINAL && format == 32 && n == 4;
  if (ok) {
    const long* v = reinterpret_cast<const long*>(data);
    for (int k = 0; k < 4; ++k) ok = ok && v[k] >= 0 && v[k] <= MAX_FRAME_PART;
    if (ok) {
      f->left = (int)v[0];
      f->right = (int)v[1];
      f->top = (int)v[2];
      f->bottom = (int)v[3];
    }
  }
  if (data) XFree(data);
  return ok;
}

// The child of the root window that holds w (w itself when the window
// manager did not put it in a frame of its own).
Window outermostWindow(Display* d, Window w, Window* root) {
  for (;;) {
    Window parent = None, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(d, w, root, &parent, &children, &n)) return None;
    if (children) XFree(children);
    if (parent == None || parent == *root) return w;
    w = parent;
  }
}

FrameExtents frameWindowAround(Display* d, Window w) {
  Window root = None;
  const Window frame = outermostWindow(d, w, &root);
  if (frame == None || frame == w) return FrameExtents();
  XWindowAttributes client, outer;
  if (!XGetWindowAttributes(d, w, &client) || !XGetWindowAttributes(d, frame, &outer)) return FrameExtents();
  int cx = 0, cy = 0;
  Window child = None;
  if (!XTranslateCoordinates(d, w, root, 0, 0, &cx, &cy, &child)) return FrameExtents();
  return frameAround(cx, cy, client.width, client.height, outer.x, outer.y, outer.width + 2 * outer.border_width,
                     outer.height + 2 * outer.border_width);
}
}  // namespace

FrameExtents frameExtentsOf(FXTopWindow* window) {
  FrameExtents f;
  if (!window || !window->id()) return f;
  Display* d = static_cast<Display*>(window->getApp()->getDisplay());
  const Window w = static_cast<Window>(window->id());
  if (!d || frameProperty(d, w, &f)) return f;
  return frameWindowAround(d, w);
}

bool isViewable(FXTopWindow* window) {
  if (!window || !window->id()) return false;
  Display* d = static_cast<Display*>(window->getApp()->getDisplay());
  XWindowAttributes a;
  return d && XGetWindowAttributes(d, static_cast<Window>(window->id()), &a) && a.map_state == IsViewable;
}
