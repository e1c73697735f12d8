// Loading a picture decodes its file once: the shown picture, the clean copy
// and the original pixels are copies of that one decode, each in a buffer
// of its own.
#include <gtest/gtest.h>

#include <fx.h>
#include <FXPNGImage.h>

#include <algorithm>
#include <vector>

#include "MainWindowFixture.h"

using namespace FX;

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
