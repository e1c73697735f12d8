// Loading a picture decodes its file once: the shown picture, the clean copy
// and the original pixels are copies of that one decode, each in a buffer
// of its own, and the display shows the picture loaded last.
#include <gtest/gtest.h>

#include <fx.h>
#include <FXPNGImage.h>

#include <algorithm>
#include <vector>

#include "MainWindowFixture.h"

using namespace FX;

namespace {
void writePng(const char* name, int w, int h, FXColor c) {
  std::vector<FXColor> px((size_t)w * h, c);
  FXFileStream s;
  ASSERT_TRUE(s.open(name, FXStreamSave));
  fxsavePNG(s, px.data(), w, h);
}

// The picture as the display shows it, without its alpha.
std::vector<FXColor> shownOnTheDisplay(FXImage* image) {
  image->restore();
  const size_t n = (size_t)image->getWidth() * image->getHeight();
  std::vector<FXColor> out(image->getData(), image->getData() + n);
  for (FXColor& c : out) c |= FXRGBA(0, 0, 0, 255);
  return out;
}
}  // namespace

TEST_F(MainWindowFixture, TheShownPictureTheCleanCopyAndTheOriginalPixelsAreCopiesOfOneDecode) {
  const int W = 13, H = 7, n = W * H;
  std::vector<FXColor> px(n);
  for (int i = 0; i < n; ++i) px[i] = FXRGB(i * 3, 255 - i, (i * 29) & 255);
  {
    FXFileStream s;
    ASSERT_TRUE(s.open("copies.png", FXStreamSave));
    fxsavePNG(s, px.data(), W, H);
  }
  Quillgrid* w = make();
  ASSERT_TRUE(w->loadImage("copies.png"));
  const FXColor* shown = w->image->getData();
  const FXColor* clean = w->cleanImage->getData();
  const FXColor* original = w->originalPixelArray;
  ASSERT_TRUE(shown && clean && original);
  EXPECT_TRUE(shown != clean && shown != original && clean != original);
  EXPECT_TRUE(std::equal(px.begin(), px.end(), shown));
  EXPECT_TRUE(std::equal(px.begin(), px.end(), clean));
  EXPECT_TRUE(std::equal(px.begin(), px.end(), original));
  EXPECT_EQ(w->cleanImage->getWidth(), W);
  EXPECT_EQ(w->cleanImage->getHeight(), H);
  // A quarter turn turns the original pixels; the clean copy stays as the
  // file holds it.
  w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_ROTATE_90_CW), nullptr);
  ASSERT_EQ(w->imageWidth, H);
  EXPECT_FALSE(std::equal(px.begin(), px.end(), w->originalPixelArray));
  EXPECT_TRUE(std::equal(px.begin(), px.end(), w->cleanImage->getData()));
  delete w;
}

TEST_F(MainWindowFixture, EachLoadedPictureIsWhatTheDisplayShows) {
  // Pictures of one size share the upload's memory; one of another size
  // gets its own.
  writePng("red.png", 300, 200, FXRGB(255, 0, 0));
  writePng("blue.png", 300, 200, FXRGB(0, 0, 255));
  writePng("green.png", 120, 90, FXRGB(0, 255, 0));
  Quillgrid* w = make();
  const struct {
    const char* file;
    int width;
    FXColor colour;
  } loads[] = {{"red.png", 300, FXRGB(255, 0, 0)},
               {"blue.png", 300, FXRGB(0, 0, 255)},
               {"green.png", 120, FXRGB(0, 255, 0)},
               {"red.png", 300, FXRGB(255, 0, 0)}};
  for (const auto& l : loads) {
    ASSERT_TRUE(w->loadImage(l.file)) << l.file;
    ASSERT_EQ(w->image->getWidth(), l.width) << l.file;
    const std::vector<FXColor> shown = shownOnTheDisplay(w->image);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), l.colour), (long)shown.size()) << l.file;
  }
  delete w;
}
