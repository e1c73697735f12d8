// Real pointer motion from the display reaches the main window through the
// image view: the readout follows the pointer over a loaded picture.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "MainWindowFixture.h"
#include "PickedGraphFixture.h"
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

// The readout's real values belong to the pixel under the pointer: where
// that pixel cannot be converted they are empty, never those of an
// earlier pixel (they stayed after a new picture, "Reset all" and with a
// log axis whose minimum is 0).
class ReadoutMotion : public PickedGraphFixture {
protected:
  // Moves the pointer over image pixel (ix, iy) and waits for the readout
  // to show that pixel.
  void moveTo(int ix, int iy) {
    w->imageView->setCursorPosition(ix, iy);
    ASSERT_TRUE(qgtest::runUntil([&] {
      return w->currentPosition_TBL->getItemText(0, 1) == FXStringVal(w->extraPixels[0] + ix) &&
             w->currentPosition_TBL->getItemText(1, 1) == FXStringVal(w->extraPixels[1] + iy);
    }, 5000));
  }
  std::string real(int axis) { return w->currentPosition_TBL->getItemText(axis, 0).text(); }
  void expectReadout(const char* x, const char* y) {
    EXPECT_EQ(real(0), x);
    EXPECT_EQ(real(1), y);
  }
};

TEST_F(ReadoutMotion, RealValuesAreEmptyWhereThePixelCannotBeConverted) {
  struct Case {
    const char* name;
    std::function<void()> spoil;
  };
  const Case cases[] = {
      {"another picture", [this] { ASSERT_TRUE(w->loadImage("graph.png")); }},
      {"Reset all", [this] { command(w->resetAll_Btn); }},
      {"a log Y axis from 0",
       [this] { w->axisLog_RB[1]->getTarget()->handle(w->axisLog_RB[1], FXSEL(SEL_COMMAND, Quillgrid::ID_AXIS_SCALE), nullptr); }},
  };
  int step = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (w->axisScaleType_y != 0)
      w->axisLinear_RB[1]->getTarget()->handle(w->axisLinear_RB[1], FXSEL(SEL_COMMAND, Quillgrid::ID_AXIS_SCALE), nullptr);
    defineAxes();
    // X 0..300 over pixels 50..350, Y 0..20 over rows 250..50.
    moveTo(200 + step, 150);
    EXPECT_NEAR(FXDoubleVal(real(0).c_str()), 150 + step, 1e-9);
    EXPECT_NEAR(FXDoubleVal(real(1).c_str()), 10, 1e-9);
    c.spoil();
    moveTo(120 + step, 100);
    expectReadout("", "");
    step += 10;
  }
}
