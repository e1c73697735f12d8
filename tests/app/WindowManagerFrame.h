// The frame a window manager puts around a top-level window, given to a
// window in a test as a window manager gives it: the _NET_FRAME_EXTENTS
// property with the widths of the left, right, top (title bar) and bottom
// parts.
#ifndef QUILLGRID_TESTS_WINDOWMANAGERFRAME_H
#define QUILLGRID_TESTS_WINDOWMANAGERFRAME_H

#include <fx.h>

void giveWindowManagerFrame(FX::FXWindow* window, long left, long right, long top, long bottom);

#endif
