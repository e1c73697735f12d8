// A picture that replaces one of its size takes over the memory and the
// display's picture of the one before: what is shown, the clean copy and
// the original pixels are the new picture's alone, whatever marks, turns
// or file type the one before had.
#include <gtest/gtest.h>

#include <fx.h>
#include <FXPNGImage.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MainWindowFixture.h"

using namespace FX;

namespace {

const int W = 240, H = 160;

std::vector<FXColor> pattern(int seed) {
  std::vector<FXColor> px((size_t)W * H);
  for (size_t i = 0; i < px.size(); ++i)
    px[i] = FXRGB((i * 37 + seed) & 255, (i * 91 + 3 * seed) & 255, (i / 7 + seed) & 255);
  return px;
}

std::string write(const std::string& name, int seed) {
  const std::vector<FXColor> px = pattern(seed);
  FXFileStream s;
  EXPECT_TRUE(s.open(name.c_str(), FXStreamSave));
  if (FXPath::extension(name.c_str()) == "bmp")
    fxsaveBMP(s, px.data(), W, H);
  else
    fxsavePNG(s, px.data(), W, H);
  s.close();
  return name;
}

bool same(const std::vector<FXColor>& px, const FXColor* data) {
  // Without alpha: the display keeps none.
  return data && std::equal(px.begin(), px.end(), data,
                            [](FXColor a, FXColor b) { return (a | 0xFF000000u) == (b | 0xFF000000u); });
}

}  // namespace

TEST_F(MainWindowFixture, APictureReplacingOneOfItsSizeShowsOnlyItself) {
  Quillgrid* w = make();
  struct Before {
    const char* what;
    void (*change)(Quillgrid*);
  };
  const Before befores[] = {
      {"marked", [](Quillgrid* q) {
         for (int k = 10; k < 200; k += 20)
           q->plotPointOnImage(k + q->extraPixels[0], 80 + q->extraPixels[1], FXRGB(255, 0, 0), 3, 15, true,
                               q->image);
       }},
      {"turned finely", [](Quillgrid* q) {
         q->rotationCentre[0] = 120;
         q->rotationCentre[1] = 80;
         q->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_ROTATE_CW_COARSE), nullptr);
       }},
      {"turned half", [](Quillgrid* q) { q->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_ROTATE_180), nullptr); }},
  };
  int seed = 1;
  for (const Before& b : befores)
    for (const char* next : {"next.png", "next.bmp"}) {
      SCOPED_TRACE(std::string(b.what) + ", then " + next);
      ASSERT_TRUE(w->loadImage(write("before.png", seed).c_str()));
      b.change(w);
      const std::vector<FXColor> expected = pattern(++seed);
      ASSERT_TRUE(w->loadImage(write(next, seed).c_str()));
      ASSERT_EQ(w->imageWidth, W);
      EXPECT_TRUE(same(expected, w->image->getData()));
      EXPECT_TRUE(same(expected, w->cleanImage->getData()));
      EXPECT_TRUE(same(expected, w->originalPixelArray));
      w->image->restore();  // what the display shows
      EXPECT_TRUE(same(expected, w->image->getData()));
      ++seed;
    }
  delete w;
}
