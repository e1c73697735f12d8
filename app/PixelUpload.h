// Putting the pixels of a large picture on its display-side image quickly.
//
// The toolkit's render makes a shared-memory segment of the picture's size,
// has the X server attach it, converts the pixels into it and removes it
// again at every call; for a picture of many megapixels that costs many
// times the copy itself, and a fine rotation uploads the whole picture at
// every click. PixelUpload keeps one segment between uploads of pictures of
// one size (in either orientation) and converts the pixels into the
// display's layout itself, on the machine's cores. A display it cannot
// serve that way (a remote one, or one whose pixels are not 24-bit true
// colour in 32-bit words, 8 bits a channel, laid out as the toolkit lays
// them out) gets the toolkit's render.
#ifndef QUILLGRID_PIXELUPLOAD_H
#define QUILLGRID_PIXELUPLOAD_H

#include <fx.h>

#include <functional>

class PixelUpload {
public:
  PixelUpload() = default;
  ~PixelUpload();
  PixelUpload(const PixelUpload&) = delete;
  PixelUpload& operator=(const PixelUpload&) = delete;

  // Uploads the target's client-side pixels to its display-side image, as
  // its render does; nothing for a target without either.
  void put(FX::FXImage* target);
  // The same with the pixels taken from another buffer of the target's
  // size that holds the same picture, and with work done while the X
  // server reads them (work that may fill the target's own buffer): it is
  // done before a toolkit render, which reads that buffer.
  void put(FX::FXImage* target, const FX::FXColor* pixels, const std::function<void()>& whileServerReads);
  // Uploads pixels (the target's size, row-major) to the target's
  // display-side image through the kept segment, leaving the target's own
  // pixels as they are; false, with nothing done, when the display cannot
  // take a kept segment.
  bool putPixels(FX::FXImage* target, const FX::FXColor* pixels);
  // Uploads the area of columns x .. x + w - 1 and rows y .. y + h - 1
  // (clipped to the target) of pixels (the target's size, row-major) to the
  // same place of the target's display-side image, as its render would put
  // them there; for small areas, without a segment. False, with nothing
  // done, on a display whose pixels are not laid out as PixelUpload writes
  // them.
  bool putArea(FX::FXImage* target, const FX::FXColor* pixels, int x, int y, int w, int h);
  // Makes the kept segment for uploads to the target (a created image of
  // the picture's size) ahead of the first put, with its pages mapped in,
  // so that work can be done while the pixels are still on their way.
  // With fill, the segment's content is also sent to the target without
  // waiting, so that the X server maps in the picture's memory and its
  // view of the segment meanwhile. False when no kept segment serves the
  // target (nothing was sent).
  bool prepare(FX::FXImage* target, bool fill = false);
  // Lets go of the kept segment; call while the display is open.
  void release();
  // Whether the last put went through the kept segment (false: through the
  // toolkit's render).
  bool usedKeptSegment() const { return kept; }

private:
  // Whether a kept segment serves the target, made when there is none yet.
  bool segmentFor(FX::FXImage* target);
  // Converts pixels (the target's size) into the kept segment and puts them
  // on the target, doing whileServerReads (when given) while the X server
  // reads them; false, with nothing done, when no segment serves it.
  bool putThroughSegment(FX::FXImage* target, const FX::FXColor* pixels,
                         const std::function<void()>& whileServerReads);
  // Gives the kept segment the shape W x H when that has as many pixels
  // (the picture turned by a quarter); false when it cannot.
  bool reshapeSegment(int W, int H);

  struct Segment;
  Segment* segment = nullptr;
  void* unusableDisplay = nullptr;  // a display found unable to take a kept segment
  bool kept = false;
};

#endif
