// Puts a picture on the X clipboard. A hidden window of its own owns the
// clipboard and hands the picture out as PNG ("image/png") or BMP
// ("image/bmp") when another program, or this one, asks for it. The window
// is a plain top-level window, not a main window: the toolkit ends the
// program when the last main window closes, and this one is never closed.
#ifndef QUILLGRID_CLIPBOARDPICTURE_H
#define QUILLGRID_CLIPBOARDPICTURE_H

#include <fx.h>

#include <vector>

class ClipboardPicture : public FX::FXTopWindow {
  FXDECLARE(ClipboardPicture)

protected:
  ClipboardPicture() {}

public:
  // Takes the clipboard for a copy of the width x height pixels; false when
  // there is no display or the clipboard could not be taken.
  static bool offer(FX::FXApp* app, const FX::FXColor* pixels, int width, int height);

  // The clipboard types offered.
  static FX::FXDragType pngType(FX::FXApp* app);
  static FX::FXDragType bmpType(FX::FXApp* app);

  long onClipboardRequest(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onClipboardLost(FX::FXObject* sender, FX::FXSelector sel, void* ptr);

private:
  explicit ClipboardPicture(FX::FXApp* app);
  std::vector<FX::FXColor> pixels_;
  int width_ = 0, height_ = 0;
};

#endif
