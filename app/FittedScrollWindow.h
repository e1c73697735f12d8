// A scroll window that asks its parent for the whole width of what it
// holds (plus its vertical scroll bar, when it may show one), so that a
// panel of controls comes out as wide as its controls whenever the window
// has the room, and scrolls only where it has not. Its arrows step by a
// useful amount instead of the toolkit's single pixel.
//
// Content that can set its controls in more lines (see WrapFrame) gets the
// width of the view, and as much height as its lines need there; it
// scrolls sideways only when the view is narrower than its narrowest
// arrangement.
#ifndef QUILLGRID_FITTEDSCROLLWINDOW_H
#define QUILLGRID_FITTEDSCROLLWINDOW_H

#include <fx.h>

class FittedScrollWindow : public FX::FXScrollWindow {
public:
  // lineStep: pixels moved by one click on a scroll arrow (the mouse wheel
  // moves the toolkit's wheel-line count of them).
  FittedScrollWindow(FX::FXComposite* p, FX::FXuint opts, int lineStep);
  // In a vertical frame, asks for no more height than leaves `pixels` to
  // the frame's other children, and scrolls up and down beyond that.
  void keepRoomForSiblings(int pixels) { roomForSiblings = pixels; }
  FX::FXint getDefaultWidth() override;
  FX::FXint getDefaultHeight() override;
  FX::FXint getContentWidth() override;
  FX::FXint getContentHeight() override;

private:
  // The width of the view and of the content when the window is
  // width x height.
  int viewWidthIn(int width, int height);
  int contentWidthIn(int width, int height);
  // The most height the window takes in its vertical frame (no limit
  // unless keepRoomForSiblings was given).
  int heightLeftBySiblings();
  bool contentWraps();
  int roomForSiblings = -1;
};

#endif
