#include "ClipboardPicture.h"

#include <FXPNGImage.h>

using namespace FX;

FXDEFMAP(ClipboardPicture) ClipboardPictureMap[] = {
    FXMAPFUNC(SEL_CLIPBOARD_REQUEST, 0, ClipboardPicture::onClipboardRequest),
    FXMAPFUNC(SEL_CLIPBOARD_LOST, 0, ClipboardPicture::onClipboardLost),
};

FXIMPLEMENT(ClipboardPicture, FXTopWindow, ClipboardPictureMap, ARRAYNUMBER(ClipboardPictureMap))

namespace {
ClipboardPicture* theOwner = nullptr;
}

ClipboardPicture::ClipboardPicture(FXApp* app)
    : FXTopWindow(app, "clipboard", nullptr, nullptr, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0) {}

FXDragType ClipboardPicture::pngType(FXApp* app) { return app->registerDragType("image/png"); }

FXDragType ClipboardPicture::bmpType(FXApp* app) { return app->registerDragType("image/bmp"); }

bool ClipboardPicture::offer(FXApp* app, const FXColor* pixels, int width, int height) {
  if (!app || !app->getDisplay() || !pixels || width < 1 || height < 1) return false;
  if (!theOwner) {
    theOwner = new ClipboardPicture(app);
    theOwner->create();  // an X window to own the clipboard; never shown
  }
  // Taken first: when the window owns the clipboard already, taking it
  // again tells the window it lost it, which drops the picture it holds.
  const FXDragType types[2] = {pngType(app), bmpType(app)};
  if (!theOwner->acquireClipboard(types, 2)) return false;
  theOwner->pixels_.assign(pixels, pixels + (size_t)width * height);
  theOwner->width_ = width;
  theOwner->height_ = height;
  return true;
}

long ClipboardPicture::onClipboardRequest(FXObject* sender, FXSelector sel, void* ptr) {
  if (FXTopWindow::onClipboardRequest(sender, sel, ptr)) return 1;
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  if (!ev || pixels_.empty()) return 0;
  FXImage* image = nullptr;
  // The images work on a copy: they own and free their pixel buffer.
  FXColor* copy = nullptr;
  if (!FXMALLOC(&copy, FXColor, pixels_.size())) return 0;
  for (size_t i = 0; i < pixels_.size(); ++i) copy[i] = pixels_[i];
  // (The pixel argument of these constructors is file data, so the pixels
  // are handed over afterwards.)
  if (ev->target == pngType(getApp()))
    image = new FXPNGImage(getApp(), nullptr, 0, 1, 1);
  else if (ev->target == bmpType(getApp()))
    image = new FXBMPImage(getApp(), nullptr, 0, 1, 1);
  if (!image) {
    FXFREE(&copy);
    return 0;
  }
  image->setData(copy, IMAGE_OWNED, width_, height_);
  // Room for the whole file from the start: the stream grows one write at
  // a time otherwise, and a picture is written byte by byte.
  FXMemoryStream memory;
  memory.open(FXStreamSave, pixels_.size() * 4 + 4096, nullptr);
  const bool encoded = image->savePixels(memory) && memory.status() == FXStreamOK;
  delete image;
  const FXuval length = (FXuval)memory.position();
  FXuchar* data = nullptr;
  FXuval capacity = 0;
  memory.takeBuffer(data, capacity);
  memory.close();
  if (!encoded || !data || length == 0 || length > 0xFFFFFFFFu) {
    FXFREE(&data);
    return 0;
  }
  // The window takes the buffer over and frees it.
  setDNDData(FROM_CLIPBOARD, ev->target, data, (FXuint)length);
  return 1;
}

long ClipboardPicture::onClipboardLost(FXObject* sender, FXSelector sel, void* ptr) {
  FXTopWindow::onClipboardLost(sender, sel, ptr);
  pixels_.clear();
  width_ = height_ = 0;
  return 1;
}
