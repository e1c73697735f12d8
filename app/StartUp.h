// Start-up rules that need no display: where the main window goes, which
// keys the XY values table swallows, the toolkit version check and the
// user's home directory.
#ifndef QUILLGRID_STARTUP_H
#define QUILLGRID_STARTUP_H

#include <fx.h>

struct WindowPlacement {
  int x = 0, y = 0, w = 0, h = 0;
  bool operator==(const WindowPlacement& o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

// The window manager's frame around the main window: the widths of its
// left, right, top (title bar) and bottom parts. All zero without a window
// manager. The placement rules below count the whole window, frame
// included, while positions and sizes are those of the client area inside
// the frame (what the program stores and the toolkit positions).
struct FrameExtents {
  int left = 0, right = 0, top = 0, bottom = 0;
};

// The frame from the geometry of the client area and of the frame window
// that holds it, both in root coordinates (the frame's size counting its
// border); a frame that does not hold the client gives none.
FrameExtents frameAround(int clientX, int clientY, int clientW, int clientH, int frameX, int frameY, int frameW,
                         int frameH);

// The main window's placement from the stored position and size on a
// screen of screenW x screenH. `first` is where the window goes at once;
// `pulledBack` is true when it lay (partly) off the screen and was placed
// again at `final`. A screen dimension of 1 or less skips its checks.
struct PlacementSteps {
  WindowPlacement first;
  WindowPlacement final;
  bool pulledBack = false;
};
// After the rules above the window is moved (not resized) so that it lies
// wholly on the screen: left or up as far as it reaches past the right or
// bottom edge, but never past the left or top edge.
PlacementSteps placeMainWindow(WindowPlacement stored, bool wasMinimized, int screenW, int screenH,
                               const FrameExtents& frame = FrameExtents());

// Moves p as little as needed to lie wholly on a screen of screenW x
// screenH, frame included (a window larger than the screen keeps its left
// or top edge at 0). A screen dimension of 1 or less leaves that dimension
// alone.
void keepOnScreen(WindowPlacement& p, int screenW, int screenH, const FrameExtents& frame = FrameExtents());

// The first placement when no settings file was read: the built-in
// placement, grown towards the size that shows every control without
// scrolling (wantedW x wantedH) as far as the screen has room (20 pixels
// to spare on the left and right, 50 above and below), and moved so that
// the grown window is centred when it no longer fits at the built-in
// position. Never smaller than the built-in size.
WindowPlacement startUpPlacement(WindowPlacement defaults, int wantedW, int wantedH, int screenW, int screenH,
                                 const FrameExtents& frame = FrameExtents());

// The window sized to its contents (wantedW x wantedH) within the screen
// less the frame: both fit, that size; only the height is too large,
// (wantedW, all the height); only the width, (all the width, wantedH);
// both too large, the current size. Then kept on the screen
// (keepOnScreen).
WindowPlacement sizeToContents(WindowPlacement current, int wantedW, int wantedH, int screenW, int screenH,
                               const FrameExtents& frame = FrameExtents());

// True when a key pressed in the XY values table is to be swallowed: any
// key but "c" while the "% difference" column (index 3) is current and
// Control is not held.
bool swallowXYValuesTableKey(FX::FXuint code, FX::FXuint state, FX::FXint currentColumn);
// Control+V (either case), the tables' paste key.
bool isPasteKey(FX::FXuint code, FX::FXuint state);

// Stops the program with the toolkit's fatal error "FOX Library mismatch"
// unless the toolkit it runs with is the one it was built against.
void checkToolkitVersion(const FX::FXuchar runningVersion[3]);

// The user's home directory: the toolkit's answer, replaced by the
// password database entry of the real user when HOME is unset.
FX::FXString userHomeDirectory();

#endif
