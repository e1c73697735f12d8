// The magnified views, the scan-direction view and the image-view cursors,
// read back as pixels.
#include "Globals.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

namespace {
const int M = Quillgrid::MAGNIFIED_SIZE;
const int C = Quillgrid::CURSOR_SIZE;
const FXColor EDGE = argb(0xFFD2D2D2);
const FXColor REST = argb(0xFFC8C8C8);
const FXColor RED = argb(0xFFFF0000);
const FXColor BLACK = argb(0xFF000000);
const FXColor WHITE = argb(0xFFFFFFFF);

struct Pixels {
  FXColor p[M * M];
  FXColor at(int row, int col) const { return p[row * M + col]; }
};

Pixels arrow(int direction) {
  Pixels px;
  Quillgrid::scanDirectionPixels(direction, RED, px.p);
  return px;
}

struct Cursor {
  FXColor p[C * C];
  FXColor at(int row, int col) const { return p[row * C + col]; }
};

Cursor shape(int type, bool wide, bool blackWhite = false) {
  Cursor c;
  Quillgrid::cursorShapePixels(type, wide, RED, blackWhite, c.p);
  return c;
}

// The window cell (row, col) of an enlarged 60 x 60 view.
FXColor cell(FXImage* img, int row, int col) {
  return img->getPixel(3 * col + 1, 3 * row + 1);
}

class MagnifierTest : public MainWindowFixture {
protected:
  void TearDown() override {
    // The window owns its working image, which is the shown picture here.
    if (w) {
      w->imageView->setImage(nullptr);
      delete w;
    } else {
      delete shown;
    }
  }
  // A window with a 100 x 100 green picture in the image view, as both the
  // shown and the working image.
  void build() {
    w = make();
    ASSERT_TRUE(qgtest::runUntil([&] { return w->getWidth() == w->windowWidth; }));
    shown = new FXImage(qgtest::app(), nullptr, IMAGE_KEEP | IMAGE_OWNED, 100, 100);
    shown->fill(argb(0xFF00FF00));
    shown->create();
    w->imageView->setImage(shown);
    w->image = shown;
    w->getExtraPixels();
    w->dataPointColor = RED;
    w->referencePointColor = argb(0xFF0000FF);
  }
  FXImage* shown = nullptr;
  Quillgrid* w = nullptr;
};
}  // namespace

TEST(ScanDirectionPixels, BackgroundCellsShaftAndHeads) {
  Pixels up = arrow(0);
  EXPECT_EQ(up.at(5, 5), REST);    // corner
  EXPECT_EQ(up.at(5, 25), EDGE);   // upper edge-middle cell
  EXPECT_EQ(up.at(25, 5), EDGE);   // left edge-middle cell
  EXPECT_EQ(up.at(25, 25), REST);  // centre block
  EXPECT_EQ(up.at(40, 25), REST);  // row 40 belongs to the centre block
  EXPECT_EQ(up.at(41, 25), EDGE);
  EXPECT_EQ(up.at(25, 41), EDGE);
  // The 2-pixel shaft over every row.
  EXPECT_EQ(up.at(50, 29), RED);
  EXPECT_EQ(up.at(50, 30), RED);
  EXPECT_EQ(up.at(50, 31), EDGE);
  // The head widens by one pixel on each side every second row.
  EXPECT_EQ(up.at(0, 28), EDGE);
  EXPECT_EQ(up.at(14, 22), RED);
  EXPECT_EQ(up.at(14, 37), RED);
  EXPECT_EQ(up.at(14, 21), EDGE);
  EXPECT_EQ(up.at(14, 38), EDGE);
  EXPECT_EQ(up.at(15, 28), EDGE);

  Pixels down = arrow(1);
  EXPECT_EQ(down.at(59, 29), RED);
  EXPECT_EQ(down.at(59, 28), EDGE);
  EXPECT_EQ(down.at(44, 21), RED);
  EXPECT_EQ(down.at(44, 38), RED);
  EXPECT_EQ(down.at(43, 28), EDGE);

  Pixels left = arrow(2);
  EXPECT_EQ(left.at(29, 50), RED);
  EXPECT_EQ(left.at(31, 50), EDGE);
  EXPECT_EQ(left.at(22, 14), RED);
  EXPECT_EQ(left.at(21, 14), EDGE);
  EXPECT_EQ(left.at(5, 29), EDGE);

  Pixels right = arrow(3);
  EXPECT_EQ(right.at(21, 44), RED);
  EXPECT_EQ(right.at(38, 44), RED);
  EXPECT_EQ(right.at(28, 59), EDGE);
  EXPECT_EQ(right.at(29, 59), RED);

  // Any other value: no shaft, the Right head.
  Pixels other = arrow(7);
  EXPECT_EQ(other.at(29, 5), EDGE);
  EXPECT_EQ(other.at(29, 25), REST);
  EXPECT_EQ(other.at(5, 29), EDGE);
  EXPECT_EQ(other.at(21, 44), RED);
}

TEST(CursorPixels, Shapes) {
  // Outline: two lines 2g apart per arm, open centre square.
  Cursor outline = shape(2, false);
  EXPECT_EQ(outline.at(14, 0), RED);
  EXPECT_EQ(outline.at(16, 30), RED);
  EXPECT_EQ(outline.at(0, 14), RED);
  EXPECT_EQ(outline.at(15, 0), 0u);
  EXPECT_EQ(outline.at(14, 15), 0u);
  EXPECT_EQ(outline.at(15, 15), 0u);
  Cursor wideOutline = shape(2, true);
  EXPECT_EQ(wideOutline.at(13, 0), RED);
  EXPECT_EQ(wideOutline.at(14, 0), 0u);
  EXPECT_EQ(wideOutline.at(17, 30), RED);

  // Solid: rows and columns 14-15 over the whole cursor.
  Cursor solid = shape(0, true);
  EXPECT_EQ(solid.at(14, 0), RED);
  EXPECT_EQ(solid.at(15, 15), RED);
  EXPECT_EQ(solid.at(0, 15), RED);
  EXPECT_EQ(solid.at(13, 0), 0u);
  EXPECT_EQ(solid.at(16, 30), 0u);

  // Solid-hollow: the same cross without the centre block 13..16 (12..17 wide).
  Cursor hollow = shape(1, false);
  EXPECT_EQ(hollow.at(14, 12), RED);
  EXPECT_EQ(hollow.at(14, 13), 0u);
  EXPECT_EQ(hollow.at(16, 15), 0u);
  EXPECT_EQ(hollow.at(17, 15), RED);
  Cursor wideHollow = shape(1, true);
  EXPECT_EQ(wideHollow.at(14, 12), 0u);
  EXPECT_EQ(wideHollow.at(14, 11), RED);
  EXPECT_EQ(wideHollow.at(18, 14), RED);

  // Black/White alternates by the parity of row * 31 + column.
  Cursor bw = shape(0, false, true);
  EXPECT_EQ(bw.at(14, 0), BLACK);  // 434
  EXPECT_EQ(bw.at(14, 1), WHITE);
  EXPECT_EQ(bw.at(15, 0), WHITE);  // 465
  EXPECT_EQ(bw.at(0, 14), BLACK);

  Cursor pick;
  Quillgrid::pickColorCursorShapePixels(RED, pick.p);
  EXPECT_EQ(pick.at(15, 0), RED);
  EXPECT_EQ(pick.at(30, 15), RED);
  EXPECT_EQ(pick.at(7, 7), RED);
  EXPECT_EQ(pick.at(23, 12), RED);
  EXPECT_EQ(pick.at(12, 23), RED);
  EXPECT_EQ(pick.at(8, 8), 0u);
  EXPECT_EQ(pick.at(6, 7), 0u);
  EXPECT_EQ(pick.at(0, 0), 0u);
}

TEST_F(MagnifierTest, ScanDirectionViewFollowsThePointSearchAndTheOptions) {
  build();
  w->autoFindPoint_Chk->setCheck(TRUE);
  w->searchDirection = 1;
  w->updateScanDirectionImage();
  ASSERT_TRUE(w->magnifiedViewFrame[2]->shown());
  FXImage* img = w->magnifiedImage[2];
  ASSERT_NE(img, nullptr);
  EXPECT_EQ(w->magnifiedImageView[2]->getImage(), img);
  EXPECT_EQ(img->getWidth(), 180);
  EXPECT_EQ(img->getHeight(), 180);
  EXPECT_EQ(cell(img, 59, 29), RED);
  EXPECT_EQ(cell(img, 44, 21), RED);
  EXPECT_EQ(cell(img, 5, 5), REST);
  EXPECT_EQ(cell(img, 5, 25), EDGE);

  w->autoFindPoint_Chk->setCheck(FALSE);
  w->updateScanDirectionImage();
  EXPECT_FALSE(w->magnifiedViewFrame[2]->shown());
  w->autoFindPoint_Chk->setCheck(TRUE);
  w->searchDirection = 2;
  w->updateScanDirectionImage();
  EXPECT_TRUE(w->magnifiedViewFrame[2]->shown());
  EXPECT_EQ(cell(w->magnifiedImage[2], 29, 50), RED);  // now the Left arrow

  // "Show magnified images" off hides every view and both containers.
  w->showMagnifiedImage_MC->setCheck(FALSE);
  w->handle(w->showMagnifiedImage_MC, FXSEL(SEL_COMMAND, Quillgrid::ID_SHOW_MAGNIFIED_IMAGE), nullptr);
  EXPECT_FALSE(w->showMagnifiedImage);
  for (FXHorizontalFrame* f : w->magnifiedViewFrame) EXPECT_FALSE(f->shown());
  EXPECT_FALSE(w->magnifiedViewsFrame->shown());
  EXPECT_FALSE(w->imageBottomFrame->shown());
  w->showMagnifiedImage_MC->setCheck(TRUE);
  w->showScanDirectionMagnifiedImage_MC->setCheck(FALSE);
  w->handle(w->showMagnifiedImage_MC, FXSEL(SEL_COMMAND, Quillgrid::ID_SHOW_MAGNIFIED_IMAGE), nullptr);
  EXPECT_TRUE(w->magnifiedViewFrame[0]->shown());
  EXPECT_TRUE(w->magnifiedViewsFrame->shown());
  EXPECT_FALSE(w->magnifiedViewFrame[2]->shown());
}

TEST_F(MagnifierTest, CornerOfTheImageShowsTheWindowBackground) {
  build();
  const int ex = w->extraPixels[0], ey = w->extraPixels[1];
  w->updateMagnifiedImage(ex, ey);  // the pointer on image pixel (0, 0)
  const FXColor back = w->getBackColor(), green = argb(0xFF00FF00);
  for (int k = 0; k < 2; ++k) {
    FXImage* img = w->magnifiedImage[k];
    ASSERT_NE(img, nullptr);
    EXPECT_EQ(w->magnifiedImageView[k]->getImage(), img);
    EXPECT_EQ(cell(img, 10, 10), back) << k;
    EXPECT_EQ(cell(img, 10, 45), back) << k;  // above the image
    EXPECT_EQ(cell(img, 45, 10), back) << k;  // left of the image
    EXPECT_EQ(cell(img, 45, 45), green) << k;
  }
  // The cross-hair: whole in view 0; in view 1 the pixels within 3 of the
  // centre stay visible.
  EXPECT_EQ(cell(w->magnifiedImage[0], 30, 5), RED);
  EXPECT_EQ(cell(w->magnifiedImage[0], 31, 30), RED);
  EXPECT_EQ(cell(w->magnifiedImage[0], 30, 30), RED);
  EXPECT_EQ(cell(w->magnifiedImage[1], 30, 30), green);
  EXPECT_EQ(cell(w->magnifiedImage[1], 30, 33), green);
  EXPECT_EQ(cell(w->magnifiedImage[1], 30, 34), RED);
  EXPECT_EQ(cell(w->magnifiedImage[1], 55, 30), RED);

  // Too far outside, or a picture smaller than 60 x 60: nothing changes.
  FXImage* before = w->magnifiedImage[0];
  w->updateMagnifiedImage(ex - 31, ey);
  EXPECT_EQ(w->magnifiedImage[0], before);
  w->updateMagnifiedImage(ex + 130, ey + 50);
  EXPECT_EQ(w->magnifiedImage[0], before);
  FXImage narrow(qgtest::app(), nullptr, IMAGE_KEEP | IMAGE_OWNED, 59, 100);
  narrow.fill(argb(0xFF00FF00));
  narrow.create();
  w->imageView->setImage(&narrow);
  w->updateMagnifiedImage(ex + 30, ey + 30);
  EXPECT_EQ(w->magnifiedImage[0], before);
  w->imageView->setImage(shown);
  w->updateMagnifiedImage(ex + 129, ey + 129);  // the farthest point still drawn
  EXPECT_NE(w->magnifiedImage[0], before);
  EXPECT_EQ(cell(w->magnifiedImage[0], 0, 0), green);
  EXPECT_EQ(cell(w->magnifiedImage[0], 1, 1), back);
}

TEST_F(MagnifierTest, MarksFallOnThePixelsTheyMark) {
  build();
  const int ex = w->extraPixels[0], ey = w->extraPixels[1];
  // Table positions are main-window positions, as the pointer's.
  w->curveData_TBL->setTableSize(3, 5);
  w->curveData_TBL->setItemText(0, 3, FXStringFormat("%d", ex + 40));
  w->curveData_TBL->setItemText(0, 4, FXStringFormat("%d", ey + 45));
  w->curveData_TBL->setItemText(2, 3, FXStringFormat("%d", ex + 60));  // after an empty row: not drawn
  w->curveData_TBL->setItemText(2, 4, FXStringFormat("%d", ey + 60));
  w->axisDataPoints_TBL[0]->setItemText(0, 1, FXStringFormat("%d", ex + 30));
  w->axisDataPoints_TBL[0]->setItemText(0, 2, FXStringFormat("%d", ey + 65));
  w->showLineOnMagnifiedImage = false;
  w->updateMagnifiedImage(ex + 50, ey + 50);  // window cell (30, 30) is image pixel (50, 50)
  FXImage* view1 = w->magnifiedImage[1];
  ASSERT_NE(view1, nullptr);
  const FXColor green = argb(0xFF00FF00), blue = argb(0xFF0000FF);
  // The curve point at image pixel (40, 45): cell (row 25, col 20), arms of 2.
  EXPECT_EQ(cell(view1, 25, 20), RED);
  EXPECT_EQ(cell(view1, 25, 22), RED);
  EXPECT_EQ(cell(view1, 23, 20), RED);
  EXPECT_EQ(cell(view1, 25, 23), green);
  EXPECT_EQ(cell(view1, 26, 21), green);
  EXPECT_EQ(cell(view1, 40, 40), green);
  // The origin at image pixel (30, 65): cell (45, 10), bars 17 long, 3 thick.
  EXPECT_EQ(cell(view1, 45, 10), blue);
  EXPECT_EQ(cell(view1, 46, 18), blue);
  EXPECT_EQ(cell(view1, 37, 9), blue);
  EXPECT_EQ(cell(view1, 45, 19), green);
  EXPECT_EQ(cell(view1, 43, 12), green);
  // No cross-hair without the option, and view 0 shows no marks.
  EXPECT_EQ(cell(view1, 30, 5), green);
  EXPECT_EQ(cell(w->magnifiedImage[0], 25, 20), green);

  // The user line (image pixels) from (20, 50) to (60, 54) in view 1.
  w->showLineOnMagnifiedImage = true;
  w->lineClickCount = 2;
  w->lineX[0] = 20;
  w->lineY[0] = 50;
  w->lineX[1] = 60;
  w->lineY[1] = 54;
  w->updateMagnifiedImage(ex + 50, ey + 30);  // cell (30, 30) is pixel (50, 30)
  view1 = w->magnifiedImage[1];
  EXPECT_EQ(cell(view1, 50, 0), blue);   // pixel (20, 50)
  EXPECT_EQ(cell(view1, 51, 10), blue);  // pixel (30, 51)
  EXPECT_EQ(cell(view1, 52, 20), blue);  // pixel (40, 52)
  EXPECT_EQ(cell(view1, 51, 20), green);
}

TEST_F(MagnifierTest, CursorsAndTheirChoice) {
  build();
  w->cursorType = 2;
  w->cursorColorIndex = 1;
  w->cursorSpacing_Chk->setCheck(FALSE);
  w->setCursorType();
  EXPECT_TRUE(w->cursorType_RB[2]->getCheck());
  EXPECT_TRUE(w->cursorSpacing_Chk->isEnabled());
  EXPECT_EQ(w->cursorColor_LB->getCurrentItem(), 1);
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[1]);
  EXPECT_EQ(w->cursorPixels[1][14 * C], WHITE);
  EXPECT_EQ(w->cursorPixels[0][14 * C], BLACK);
  EXPECT_EQ(w->pickColorCursorPixels[15 * C], WHITE);  // the pick cursor takes the chosen colour
  for (FXCursor* c : w->cursors) EXPECT_NE(c->id(), 0u);
  EXPECT_NE(w->pickColorCursor->id(), 0u);

  // "Wide" is disabled with Solid-hollow, but its state still sizes the hole.
  w->cursorSpacing_Chk->setCheck(TRUE);
  w->cursorType = 1;
  w->cursorColorIndex = 0;
  w->setCursorType();
  EXPECT_FALSE(w->cursorSpacing_Chk->isEnabled());
  EXPECT_EQ(w->cursorPixels[0][14 * C + 12], 0u);
  EXPECT_EQ(w->cursorPixels[0][14 * C + 11], BLACK);

  // Black/White with Solid-hollow: the toolkit's own cross-hair.
  w->cursorColorIndex = 2;
  w->setCursorType();
  EXPECT_EQ(w->imageView->getDefaultCursor(), qgtest::app()->getDefaultCursor(DEF_CROSSHAIR_CURSOR));
  EXPECT_EQ(w->cursorPixels[3][14 * C + 1], WHITE);
  EXPECT_EQ(w->cursorPixels[3][14 * C + 0], BLACK);
  w->cursorType = 0;
  w->setCursorType();
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[2]);

  // An index from outside the list falls back to black.
  w->cursorColorIndex = 9;
  w->setCursorType();
  EXPECT_EQ(w->cursorColorIndex, 0);
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[0]);
}

TEST_F(MagnifierTest, AdaptiveCursorTurnsWhiteAtLumaOneHundred) {
  build();
  w->cursorColorIndex = 3;
  w->setCursorType();
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[3]);  // black until a pixel is seen
  w->setCursorColor(100, 100, 100);
  EXPECT_EQ(w->adaptiveCursorIndex, 1);
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[1]);
  w->setCursorColor(101, 101, 101);
  EXPECT_EQ(w->adaptiveCursorIndex, 0);
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[0]);
  w->setCursorColor(0, 0, 0);
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[1]);
}
