// A frame that sets its children side by side in lines, the way words are
// set in a paragraph: a child that does not fit the rest of a line starts
// the next one, so a row of control groups takes two or three lines where
// the window is narrow instead of running off its edge. The order of the
// children (left to right, line after line) is their order in the frame.
//
// A child that can itself trade width for height (another WrapFrame, or a
// vertical frame or group box filling its width around one) may take the
// rest of a line when that costs less height than a line of its own; it
// then sets its own children in that width. A child with LAYOUT_FILL_Y
// takes the height of its line.
//
// The frame's default width is that of all its children in one line; its
// default height is that of its lines in the width it gets, which it can
// tell before its parent places it when it fills the width of a vertical
// frame or group box (or of a FittedScrollWindow's view).
#ifndef QUILLGRID_WRAPFRAME_H
#define QUILLGRID_WRAPFRAME_H

#include <fx.h>

class WrapFrame : public FX::FXPacker {
public:
  WrapFrame(FX::FXComposite* p, FX::FXuint opts = 0, FX::FXint pl = 0, FX::FXint pr = 0, FX::FXint pt = 0,
            FX::FXint pb = 0, FX::FXint hs = FX::DEFAULT_SPACING, FX::FXint vs = FX::DEFAULT_SPACING);
  FX::FXint getDefaultWidth() override;
  FX::FXint getDefaultHeight() override;
  FX::FXint getHeightForWidth(FX::FXint width) override;
  void layout() override;
  // A change below the frame forgets the sizes it measured.
  void recalc() override;

  // The narrowest width in which no child is cut.
  FX::FXint getMinimumWidth();

private:
  struct Place {
    FX::FXWindow* child;
    FX::FXint x, y, w, h;
  };
  // Sets the shown children in lines of the given inner width; returns the
  // height of the lines and, when places is given, where each child goes.
  FX::FXint arrange(FX::FXint width, Place* places);

  // Sizes measured since the last change below the frame (the layout asks
  // for them many times over).
  FX::FXint knownDefaultWidth = -1;
  FX::FXint knownMinimumWidth = -1;
  enum { KNOWN_HEIGHTS = 8 };
  FX::FXint knownWidths[KNOWN_HEIGHTS];
  FX::FXint knownHeights[KNOWN_HEIGHTS];
  int numKnownHeights = 0;
};

namespace wrapping {
// True when w may take less than its default width by setting its
// controls in more lines: a WrapFrame, or a vertical frame or group box
// with a child that fills its width and can.
bool canWrap(FX::FXWindow* w);
// The narrowest width w can be given without cutting a control.
int minimumWidth(FX::FXWindow* w);
// The height w needs when it is given the width `width`.
int heightForWidth(FX::FXWindow* w, int width);
// The width w gets from its parent at the next layout: its parent's inner
// width when it fills the width of a vertical frame or group box, else the
// width it has (its default width before it was ever placed).
int expectedWidth(FX::FXWindow* w);
}  // namespace wrapping

#endif
