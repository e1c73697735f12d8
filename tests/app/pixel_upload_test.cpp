// The fast upload of a picture to the display: what the display shows
// afterwards is what the toolkit's render shows, for a picture uploaded
// again and for pictures of another size.
#include <algorithm>
#include <vector>

#include <fx.h>

#include "MainWindowFixture.h"
#include "PixelUpload.h"
#include "TestHarness.h"

using namespace FX;

namespace {
FXColor opaque(FXColor c) { return FXRGB(FXREDVAL(c), FXGREENVAL(c), FXBLUEVAL(c)); }

// Pixels of every sort: all channel values, alpha bytes that differ.
std::vector<FXColor> mixedPixels(int w, int h, unsigned seed) {
  std::vector<FXColor> px((size_t)w * h);
  for (size_t k = 0; k < px.size(); ++k) {
    seed = seed * 1664525u + 1013904223u;
    px[k] = seed;
  }
  return px;
}

// What the display holds for the image, opaque, leaving its pixels as they were.
std::vector<FXColor> shown(FXImage* img) {
  const size_t n = (size_t)img->getWidth() * img->getHeight();
  const std::vector<FXColor> kept(img->getData(), img->getData() + n);
  img->restore();
  std::vector<FXColor> out(n);
  for (size_t k = 0; k < n; ++k) out[k] = opaque(img->getData()[k]);
  std::copy(kept.begin(), kept.end(), img->getData());
  return out;
}

// What the toolkit's render puts on the display for these pixels.
std::vector<FXColor> rendered(std::vector<FXColor> px, int w, int h) {
  FXImage img(qgtest::app(), px.data(), IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, w, h);
  img.create();
  return shown(&img);
}

class PixelUploadTest : public MainWindowFixture {};
}  // namespace

TEST_F(PixelUploadTest, TheDisplayShowsWhatTheToolkitsRenderShows) {
  PixelUpload upload;
  const int sizes[][2] = {{301, 203}, {301, 203}, {64, 7}, {1, 1}};
  unsigned seed = 11;
  for (const auto& size : sizes) {
    const int w = size[0], h = size[1];
    std::vector<FXColor> px = mixedPixels(w, h, seed++);
    FXImage img(qgtest::app(), px.data(), IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, w, h);
    img.create();
    // Something else on the display first, so that the upload must replace it.
    {
      FXDCWindow dc(&img);
      dc.setForeground(FXRGB(1, 2, 3));
      dc.fillRectangle(0, 0, w, h);
    }
    upload.put(&img);
    // The test display is local and 24-bit: the kept segment serves it.
    EXPECT_TRUE(upload.usedKeptSegment()) << w << "x" << h;
    EXPECT_TRUE(shown(&img) == rendered(px, w, h)) << w << "x" << h;
    // New pixels in the same image go up through the same segment.
    const std::vector<FXColor> next = mixedPixels(w, h, seed++);
    std::copy(next.begin(), next.end(), px.begin());  // the image's own buffer
    upload.put(&img);
    EXPECT_TRUE(shown(&img) == rendered(px, w, h)) << w << "x" << h << " again";
  }
  upload.release();
  upload.release();  // twice is harmless
}

TEST_F(PixelUploadTest, NothingHappensWithoutPixelsOrADisplaySideImage) {
  PixelUpload upload;
  upload.put(nullptr);
  FXImage plain(qgtest::app(), nullptr, IMAGE_KEEP, 5, 5);  // neither pixels nor created
  upload.put(&plain);
  EXPECT_FALSE(upload.usedKeptSegment());
}
