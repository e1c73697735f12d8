#include "PixelUpload.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>

#include "ImageDecode.h"
#include "ImageRules.h"

using namespace FX;

struct PixelUpload::Segment {
  Display* display = nullptr;
  Visual* visual = nullptr;
  XImage* image = nullptr;
  XShmSegmentInfo info{};
  GC gc = nullptr;
  int width = 0, height = 0;
  bool attached = false;
};

namespace {
bool attachRefused = false;
int noteAttachError(Display*, XErrorEvent*) {
  attachRefused = true;
  return 0;
}

bool hostIsLittleEndian() {
  const uint16_t one = 1;
  unsigned char first;
  memcpy(&first, &one, 1);
  return first == 1;
}

// Whether the display is this machine's: a remote X server cannot attach
// this machine's shared memory (and could attach another segment of the
// same number).
bool localDisplay(Display* d) {
  const char* name = DisplayString(d);
  return name && (name[0] == ':' || strncmp(name, "unix:", 5) == 0);
}

// Whether the toolkit puts pixel c on the display as 0x00RRGGBB, the layout
// PixelUpload writes: a 24-bit true-colour visual whose channels map one to
// one.
bool plainTrueColour(FXVisual* visual) {
  if (!visual || visual->getType() != VISUALTYPE_TRUE || visual->getDepth() != 24) return false;
  const Visual* v = (const Visual*)visual->getVisual();
  if (!v || v->red_mask != 0xFF0000 || v->green_mask != 0xFF00 || v->blue_mask != 0xFF) return false;
  for (FXuint k = 0; k < 256; ++k)
    if (visual->getPixel(FXRGB(k, 0, 0)) != k << 16 || visual->getPixel(FXRGB(0, k, 0)) != k << 8 ||
        visual->getPixel(FXRGB(0, 0, k)) != k)
      return false;
  return true;
}
}  // namespace

PixelUpload::~PixelUpload() { release(); }

void PixelUpload::release() {
  if (!segment) return;
  Display* d = segment->display;
  if (segment->attached) {
    XShmDetach(d, &segment->info);
    XSync(d, False);
  }
  if (segment->gc) XFreeGC(d, segment->gc);
  if (segment->image) {
    segment->image->data = nullptr;
    XDestroyImage(segment->image);
  }
  if (segment->info.shmaddr && segment->info.shmaddr != (char*)-1) shmdt(segment->info.shmaddr);
  delete segment;
  segment = nullptr;
}

bool PixelUpload::reshapeSegment(int W, int H) {
  if (!segment || !segment->image || (size_t)W * H != (size_t)segment->width * segment->height) return false;
  XImage* shaped =
      XShmCreateImage(segment->display, segment->visual, 24, ZPixmap, segment->info.shmaddr, &segment->info, W, H);
  if (!shaped) return false;
  if (shaped->bits_per_pixel != 32 || shaped->byte_order != segment->image->byte_order ||
      (size_t)shaped->bytes_per_line * H > (size_t)segment->image->bytes_per_line * segment->height) {
    shaped->data = nullptr;
    XDestroyImage(shaped);
    return false;
  }
  segment->image->data = nullptr;
  XDestroyImage(segment->image);
  segment->image = shaped;
  segment->width = W;
  segment->height = H;
  return true;
}

bool PixelUpload::segmentFor(FXImage* target) {
  Display* d = (Display*)target->getApp()->getDisplay();
  const int W = target->getWidth(), H = target->getHeight();
  // A picture of as many pixels in another shape (a quarter turn) keeps the
  // segment, which the display has attached already.
  if (segment && segment->display == d && (segment->width != W || segment->height != H)) reshapeSegment(W, H);
  if (segment && (segment->display != d || segment->width != W || segment->height != H)) release();
  if (!segment && d && d != unusableDisplay && W > 0 && H > 0) {
    Segment* s = new Segment;
    s->display = d;
    s->width = W;
    s->height = H;
    segment = s;
    bool ok = XShmQueryExtension(d) && localDisplay(d) && plainTrueColour(target->getVisual());
    if (ok) {
      s->visual = (Visual*)target->getVisual()->getVisual();
      s->image = XShmCreateImage(d, s->visual, 24, ZPixmap, nullptr, &s->info, W, H);
      ok = s->image && s->image->bits_per_pixel == 32 &&
           s->image->byte_order == (hostIsLittleEndian() ? LSBFirst : MSBFirst);
    }
    if (ok) {
      s->info.shmid = shmget(IPC_PRIVATE, (size_t)s->image->bytes_per_line * H, IPC_CREAT | 0600);
      ok = s->info.shmid >= 0;
    }
    if (ok) {
      s->info.shmaddr = s->image->data = (char*)shmat(s->info.shmid, nullptr, 0);
      s->info.readOnly = False;
      ok = s->info.shmaddr != (char*)-1;
      if (ok) {
        // The X server reports a refused attach as an error of its own:
        // catch it here instead of in the toolkit's handler.
        XSync(d, False);
        attachRefused = false;
        XErrorHandler previous = XSetErrorHandler(noteAttachError);
        XShmAttach(d, &s->info);
        XSync(d, False);
        XSetErrorHandler(previous);
        s->attached = ok = !attachRefused;
      }
      // Removed once both sides have let go of it, even if this process ends
      // without doing so.
      shmctl(s->info.shmid, IPC_RMID, nullptr);
    }
    if (ok) {
      s->gc = XCreateGC(d, (Drawable)target->id(), 0, nullptr);
      ok = s->gc != nullptr;
    }
    if (!ok) {
      release();
      unusableDisplay = d;
    }
  }
  return segment != nullptr;
}

bool PixelUpload::prepare(FXImage* target, bool fill) {
  if (!target || !target->id() || !segmentFor(target)) return false;
  // The segment is this process's until the X server reads it at a put.
  ImageDecode::prefaultPages(segment->image->data, (size_t)segment->image->bytes_per_line * segment->height);
  if (fill) {
    // What the segment holds does not matter: the next put writes all of it
    // and then replaces the whole picture.
    XShmPutImage(segment->display, (Drawable)target->id(), segment->gc, segment->image, 0, 0, 0, 0,
                 segment->width, segment->height, False);
    XFlush(segment->display);
  }
  return true;
}

namespace {
// One row of pixels in the display's layout, 0x00RRGGBB: red and blue
// change places, the alpha byte is dropped; two pixels at a time.
void toDisplayRow(const FXColor* __restrict in, uint32_t* __restrict out, int n) {
  int x = 0;
  for (; x + 1 < n; x += 2) {
    uint64_t c;
    memcpy(&c, in + x, 8);
    c = (c & 0x0000FF000000FF00ull) | ((c & 0x000000FF000000FFull) << 16) | ((c >> 16) & 0x000000FF000000FFull);
    memcpy(out + x, &c, 8);
  }
  for (; x < n; ++x) out[x] = ((in[x] & 0xFF) << 16) | (in[x] & 0xFF00) | ((in[x] >> 16) & 0xFF);
}
}  // namespace

void PixelUpload::put(FXImage* target) { put(target, target ? target->getData() : nullptr, nullptr); }

void PixelUpload::put(FXImage* target, const FXColor* from, const std::function<void()>& whileServerReads) {
  kept = false;
  if (target && target->id() && target->getData() && from && putThroughSegment(target, from, whileServerReads))
    return;
  if (whileServerReads) whileServerReads();
  if (target && target->id() && target->getData() && from) target->render();
}

bool PixelUpload::putPixels(FXImage* target, const FXColor* pixels) {
  kept = false;
  return target && target->id() && pixels && putThroughSegment(target, pixels, nullptr);
}

bool PixelUpload::putThroughSegment(FXImage* target, const FXColor* from,
                                    const std::function<void()>& whileServerReads) {
  if (!segmentFor(target)) return false;
  const int W = target->getWidth(), H = target->getHeight();
  char* to = segment->image->data;
  const int stride = segment->image->bytes_per_line;
  ImageRules::forEachRowBand(H, 0, 64, [&](int y0, int y1) {
    for (int y = y0; y < y1; ++y) toDisplayRow(from + (size_t)W * y, (uint32_t*)(to + (size_t)stride * y), W);
  });
  XShmPutImage(segment->display, (Drawable)target->id(), segment->gc, segment->image, 0, 0, 0, 0, W, H, False);
  XFlush(segment->display);
  if (whileServerReads) whileServerReads();
  // The segment may be written again only once the server has read it.
  XSync(segment->display, False);
  kept = true;
  return true;
}

bool PixelUpload::putArea(FXImage* target, const FXColor* pixels, int x, int y, int w, int h) {
  if (!target || !target->id() || !pixels) return false;
  const int W = target->getWidth(), H = target->getHeight();
  const int x1 = x + w < W ? x + w : W, y1 = y + h < H ? y + h : H;
  if (x < 0) x = 0;
  if (y < 0) y = 0;
  if (x >= x1 || y >= y1) return true;
  w = x1 - x;
  h = y1 - y;
  Display* d = (Display*)target->getApp()->getDisplay();
  if (!d || !plainTrueColour(target->getVisual())) return false;
  XImage* area = XCreateImage(d, (Visual*)target->getVisual()->getVisual(), 24, ZPixmap, 0, nullptr, w, h, 32, 0);
  if (!area) return false;
  // The rows are written in this machine's byte order, as the segment's.
  if (area->bits_per_pixel != 32 || area->byte_order != (hostIsLittleEndian() ? LSBFirst : MSBFirst) ||
      !(area->data = (char*)malloc((size_t)area->bytes_per_line * h))) {
    XDestroyImage(area);
    return false;
  }
  for (int r = 0; r < h; ++r)
    toDisplayRow(pixels + x + (size_t)W * (y + r), (uint32_t*)(area->data + (size_t)area->bytes_per_line * r), w);
  GC gc = XCreateGC(d, (Drawable)target->id(), 0, nullptr);
  XPutImage(d, (Drawable)target->id(), gc, area, 0, 0, x, y, w, h);
  XFreeGC(d, gc);
  XDestroyImage(area);  // frees the rows too
  return true;
}
