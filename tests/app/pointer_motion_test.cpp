// Real pointer motion from the display reaches the main window through the
// image view: the readout follows the pointer over a loaded picture.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "Table_lom2.h"

using namespace FX;

TEST_F(MainWindowFixture, RealPointerMotionOverTheImageReachesTheReadout) {
  Quillgrid* w = make();
  // The start-up placement moves and sizes the window first; the pointer
  // is warped into the window where it then stands.
  ASSERT_TRUE(qgtest::runUntil([&] { return !w->placementFromDefaults; }));
  // A plain white picture written and opened as a user would.
  {
    FXColor* pixels = nullptr;
    FXMALLOC(&pixels, FXColor, 200 * 150);
    for (int i = 0; i < 200 * 150; ++i) pixels[i] = FXRGB(255, 255, 255);
    // The constructor's pixel argument is BMP file data: the pixels are
    // handed over afterwards, and the image frees them.
    FXBMPImage bmp(qgtest::app(), nullptr, 0, 1, 1);
    bmp.setData(pixels, IMAGE_OWNED, 200, 150);
    FXFileStream out;
    ASSERT_TRUE(out.open("white.bmp", FXStreamSave));
    ASSERT_TRUE(bmp.savePixels(out));
  }
  ASSERT_TRUE(w->loadImage("white.bmp"));
  w->show(PLACEMENT_SCREEN);
  ASSERT_TRUE(qgtest::runUntil([&] { return w->imageView->shown() && w->imageView->getWidth() > 100; }));
  qgtest::runFor(100);
  w->getExtraPixels();

  // The server moves the pointer; the motion event it sends is the only
  // way the readout can learn the position.
  w->imageView->setCursorPosition(40, 30);
  ASSERT_TRUE(qgtest::runUntil([&] { return w->currentPosition_TBL->getItemText(0, 1) == FXStringVal(w->extraPixels[0] + 40); }))
      << w->currentPosition_TBL->getItemText(0, 1).text();
  EXPECT_EQ(w->currentPosition_TBL->getItemText(1, 1), FXStringVal(w->extraPixels[1] + 30));
  w->imageView->setCursorPosition(120, 90);
  EXPECT_TRUE(qgtest::runUntil([&] { return w->currentPosition_TBL->getItemText(0, 1) == FXStringVal(w->extraPixels[0] + 120); }));
  delete w;
}
