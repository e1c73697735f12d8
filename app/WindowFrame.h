// The window manager's frame around a top-level window, as the window
// manager tells it (_NET_FRAME_EXTENTS) or, from a window manager that
// does not, as the window it put the client area in shows it. None
// without a window manager.
#ifndef QUILLGRID_WINDOWFRAME_H
#define QUILLGRID_WINDOWFRAME_H

#include <fx.h>

#include "StartUp.h"

FrameExtents frameExtentsOf(FX::FXTopWindow* window);

// True once the window shows on the screen; a window manager has framed
// it by then.
bool isViewable(FX::FXTopWindow* window);

#endif
