// The small fit plots on a shown main window get their pictures back when
// a window that covered them goes away: the display sends the expose, and
// nothing but the canvas itself can answer it.
#include "FitWindowFixture.h"

using namespace FX;

TEST_F(FitWindowFixture, SmallPlotsRepaintAfterACoveringWindowCloses) {
  if (!w->shown()) w->show(PLACEMENT_SCREEN);
  typeQuadratic();
  setOrder(0, 2);
  ASSERT_TRUE(w->getQuillgrid());
  FXCanvas* canvas = w->smallPlotCanvas[0];
  ASSERT_TRUE(qgtest::runUntil([&] { return canvas->shown() && canvas->getWidth() > 100; }));
  settle(200);
  FXImage* before = grab(canvas);

  // A window of another colour over the canvas, as a message box or a file
  // dialog stands there, then closed.
  FXint rootX = 0, rootY = 0;
  canvas->translateCoordinatesTo(rootX, rootY, qgtest::app()->getRootWindow(), 0, 0);
  const FXColor cover = FXRGB(255, 0, 255);
  FXMainWindow* box = new FXMainWindow(qgtest::app(), "cover", nullptr, nullptr, DECOR_NONE, rootX, rootY,
                                       canvas->getWidth(), canvas->getHeight());
  box->setBackColor(cover);
  box->create();
  box->show();
  settle(300);
  box->hide();
  box->destroy();
  delete box;
  settle(300);

  FXImage* after = grab(canvas);
  EXPECT_EQ(countInColumns(after, 0, after->getWidth() - 1, cover), 0);
  int differing = 0;
  for (int y = 0; y < after->getHeight(); ++y)
    for (int x = 0; x < after->getWidth(); ++x) differing += !sameRGB(after->getPixel(x, y), before->getPixel(x, y));
  EXPECT_EQ(differing, 0);
}
