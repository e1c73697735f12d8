// Point picking on the image: the click steps from the origin to the curve
// points with the real values they give, the snap refusal, the axis search
// from the origin and its failures, the readouts and the pointer lock on
// motion, Shift drag drawing, the arrow, Enter and Delete keys, the user
// line and the colour pick.
#include <fxkeys.h>

#include <string>
#include <vector>

#include "Globals.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

namespace {
std::string text(const FXString& s) { return s.text(); }

const int W = 400, H = 300;
const FXColor WHITE = FXRGB(255, 255, 255);
const FXColor BLACK = FXRGB(0, 0, 0);
const FXColor RED = FXRGB(255, 0, 0);

// A picture of a graph: the X axis along row 250 from column 50 to 350, the
// Y axis along column 50 from row 50 to 250, a red curve along row 150.
std::vector<FXColor> graphPixels() {
  std::vector<FXColor> p(W * H, WHITE);
  for (int x = 50; x <= 350; ++x) p[250 * W + x] = BLACK;
  for (int y = 50; y <= 250; ++y) p[y * W + 50] = BLACK;
  for (int x = 100; x <= 300; ++x) p[150 * W + x] = RED;
  return p;
}

class PickingTest : public MainWindowFixture {
protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
    const std::vector<FXColor> p = graphPixels();
    FXColor* pixels = nullptr;
    FXMALLOC(&pixels, FXColor, W * H);
    std::copy(p.begin(), p.end(), pixels);
    w->image = new FXImage(qgtest::app(), pixels, IMAGE_OWNED | IMAGE_KEEP, W, H);
    w->image->create();
    w->imageView->setImage(w->image);
    w->imageView->setWidth(W);
    w->imageView->setHeight(H);
    w->recalc();
    qgtest::runFor(100);
    w->getExtraPixels();
    ex = w->extraPixels[0];
    ey = w->extraPixels[1];
    w->buttonsEnabled = true;
    w->autoFindPoint_Chk->setCheck(FALSE);
  }
  void TearDown() override { delete w; }

  // Clicks, motion and keys with the pointer on image pixel (ix, iy).
  long click(int ix, int iy, FXuint state = 0) {
    w->setCursorPosition(ix + ex, iy + ey);
    FXEvent ev;
    ev.type = SEL_LEFTBUTTONPRESS;
    ev.code = LEFTBUTTON;
    ev.state = state;
    return w->handle(w->imageView, FXSEL(SEL_LEFTBUTTONPRESS, Quillgrid::ID_IMAGE_VIEW), &ev);
  }
  long motion(int ix, int iy) {
    w->setCursorPosition(ix + ex, iy + ey);
    FXEvent ev;
    ev.type = SEL_MOTION;
    return w->handle(w->imageView, FXSEL(SEL_MOTION, Quillgrid::ID_IMAGE_VIEW), &ev);
  }
  long key(FXuint code, FXuint state = 0) {
    FXEvent ev;
    ev.type = SEL_KEYPRESS;
    ev.code = code;
    ev.state = state;
    return w->handle(w->imageView, FXSEL(SEL_KEYPRESS, Quillgrid::ID_IMAGE_VIEW), &ev);
  }
  long colorBoxRelease() {
    FXEvent ev;
    ev.type = SEL_LEFTBUTTONRELEASE;
    return w->handle(w->curve_color, FXSEL(SEL_LEFTBUTTONRELEASE, Quillgrid::ID_CURVE_COLOR), &ev);
  }
  void pointer(int* x, int* y) { w->pointerPosition(x, y); }
  // Origin, X max and Y max clicked at the axes' ends; X 0..300, Y 0..20.
  void defineAxesByClicks() {
    click(50, 250);
    click(350, 250);
    click(50, 50);
    w->axisDataPoints_TBL[0]->setItemText(0, 0, "0");
    w->axisDataPoints_TBL[0]->setItemText(1, 0, "300");
    w->axisDataPoints_TBL[1]->setItemText(0, 0, "0");
    w->axisDataPoints_TBL[1]->setItemText(1, 0, "20");
  }
  int usedRows() { return w->lastUsedCurveRow() + 1; }

  Quillgrid* w = nullptr;
  int ex = 0, ey = 0;
};

// Image pixels of a bitmap for the axis search, false outside it.
struct Bitmap {
  int w, h;
  std::vector<bool> on;
  Bitmap(int w_, int h_) : w(w_), h(h_), on(w_ * h_, false) {}
  void row(int y, int x0, int x1) {
    for (int x = x0; x <= x1; ++x) on[y * w + x] = true;
  }
  void column(int x, int y0, int y1) {
    for (int y = y0; y <= y1; ++y) on[y * w + x] = true;
  }
  std::function<bool(int, int)> matches() const {
    return [this](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && on[y * w + x]; };
  }
};
}  // namespace

TEST(AxisSearch, FarEndsAndFailures) {
  const struct {
    const char* name;
    int x0, x1;  // X axis line on row 250 (x1 < x0: none)
    int y0, y1;  // Y axis line on column 50
    bool beside;
    int xResult, e, yResult, f;
  } cases[] = {
      // The far points are the lines' last pixels, also at the edges.
      {"whole axes", 50, 350, 50, 250, true, -1, 350, -1, 50},
      {"lines reaching the edges", 50, 399, 0, 250, true, -1, 399, -1, 0},
      {"no axis lines", 1, 0, 1, 0, true, 0, 0, 3, 0},
      {"no line beside the origin", 50, 350, 50, 250, false, 1, 0, 4, 0},
      {"short lines", 50, 120, 200, 250, true, 2, 0, 5, 0},
  };
  for (const auto& c : cases) {
    Bitmap b(W, H);
    if (c.x1 >= c.x0) b.row(250, c.x0, c.x1);
    if (c.y1 >= c.y0) b.column(50, c.y0, c.y1);
    int e = 0, f = 0;
    auto beside = [&]() { return c.beside; };
    EXPECT_EQ(Quillgrid::findXAxisEnd(50, 250, W, b.matches(), beside, &e), c.xResult) << c.name;
    EXPECT_EQ(Quillgrid::findYAxisEnd(50, 250, H, b.matches(), beside, &f), c.yResult) << c.name;
    if (c.xResult < 0) {
      EXPECT_EQ(e, c.e) << c.name;
    }
    if (c.yResult < 0) {
      EXPECT_EQ(f, c.f) << c.name;
    }
  }
  // A gap near the origin: the farthest pixel of the row (or column) is
  // taken.
  Bitmap gap(W, H);
  gap.row(250, 50, 60);
  gap.row(250, 80, 350);
  gap.column(50, 240, 250);
  gap.column(50, 70, 220);
  int e = 0, f = 0;
  EXPECT_EQ(Quillgrid::findXAxisEnd(50, 250, W, gap.matches(), [] { return true; }, &e), -1);
  EXPECT_EQ(e, 350);
  EXPECT_EQ(Quillgrid::findYAxisEnd(50, 250, H, gap.matches(), [] { return true; }, &f), -1);
  EXPECT_EQ(f, 70);
  // Only the first column on the row: at the picture's edge, refused.
  Bitmap edge(W, H);
  edge.row(250, 0, 0);
  EXPECT_EQ(Quillgrid::findXAxisEnd(50, 250, W, edge.matches(), [] { return true; }, &e), 0);
}

TEST_F(PickingTest, ClicksDefineTheAxesThenCurvePointsWithTheirRealValues) {
  qgtest::ModalScript script;
  Table_lom2* X = w->axisDataPoints_TBL[0];
  Table_lom2* Y = w->axisDataPoints_TBL[1];
  Table_lom2* curve = w->curveData_TBL;

  EXPECT_EQ(click(50, 250), 1);
  EXPECT_EQ(w->axisDataType, 0);
  EXPECT_EQ(w->nextAxisDataType, 1);
  EXPECT_EQ(X->toInt(0, 1), ex + 50);
  EXPECT_EQ(X->toInt(0, 2), ey + 250);
  EXPECT_EQ(Y->toInt(0, 1), ex + 50);
  EXPECT_EQ(Y->toInt(0, 2), ey + 250);
  EXPECT_EQ(w->rotationCentre[0], 50);
  EXPECT_EQ(w->rotationCentre[1], 250);
  EXPECT_TRUE(w->axisDataType_RB[1]->getCheck() && w->axisDataType_RB[1]->isEnabled());
  EXPECT_FALSE(w->axisDataType_RB[0]->isEnabled());

  EXPECT_EQ(click(350, 250), 1);
  EXPECT_EQ(w->axisDataType, 1);
  EXPECT_EQ(w->nextAxisDataType, 3);
  EXPECT_EQ(X->toInt(1, 1), ex + 350);
  EXPECT_TRUE(w->axisDataType_RB[3]->getCheck());

  EXPECT_EQ(click(50, 50), 1);
  EXPECT_EQ(w->axisDataType, 3);
  EXPECT_EQ(w->nextAxisDataType, 5);
  EXPECT_EQ(Y->toInt(1, 2), ey + 50);
  EXPECT_TRUE(w->axisDataType_RB[4]->getCheck());
  EXPECT_TRUE(curve->isEmpty(0, 3));

  X->setItemText(0, 0, "0");
  X->setItemText(1, 0, "300");
  Y->setItemText(0, 0, "0");
  Y->setItemText(1, 0, "20");

  const struct {
    int ix, iy;
    double x, y;
  } points[] = {{200, 150, 150.0, 10.0}, {125, 200, 75.0, 5.0}};
  for (int r = 0; r < 2; ++r) {
    EXPECT_EQ(click(points[r].ix, points[r].iy), 1);
    EXPECT_EQ(w->axisDataType, 4);
    EXPECT_EQ(w->nextAxisDataType, 6 + r);
    EXPECT_EQ(text(curve->getItemText(r, 3)), std::to_string(ex + points[r].ix));
    EXPECT_EQ(text(curve->getItemText(r, 4)), text(FXStringFormat("%.4lf", double(ey + points[r].iy))));
    EXPECT_NEAR(curve->toDouble(r, 0), points[r].x, 1e-9);
    EXPECT_NEAR(curve->toDouble(r, 1), points[r].y, 1e-9);
  }
  EXPECT_EQ(w->selectionColor_TF->getBackColor(), argb(0xFFFFFF00)) << "a point not on the curve colour";
  EXPECT_TRUE(w->clearData_Btn->isEnabled());
  EXPECT_TRUE(w->copyCurveTable_Btn->isEnabled());
  EXPECT_EQ(script.count(), 0u);

  for (int i = 0; i < 6; ++i) click(120 + 10 * i, 200);
  EXPECT_EQ(w->nextAxisDataType, 10) << "the step stops at 10";
  EXPECT_EQ(usedRows(), 8);

  // Without a picture a click is left to the view.
  w->buttonsEnabled = false;
  EXPECT_EQ(click(200, 150), 0);
  EXPECT_EQ(usedRows(), 8);
}

TEST_F(PickingTest, AutoFindRefusesAMissAndControlTakesThePointer) {
  qgtest::ModalScript script;
  defineAxesByClicks();
  w->autoFindPoint_Chk->setCheck(TRUE);
  EXPECT_EQ(click(200, 160), 0) << "nothing found under the pointer";
  EXPECT_EQ(usedRows(), 0);
  EXPECT_EQ(w->selectionColor_TF->getBackColor(), argb(0xFFFFFF00));
  EXPECT_EQ(click(200, 160, CONTROLMASK), 1);
  ASSERT_EQ(usedRows(), 1);
  EXPECT_EQ(w->curveData_TBL->toInt(0, 3), ex + 200);
  EXPECT_EQ(w->curveData_TBL->toInt(0, 4), ey + 160);
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(PickingTest, AutoFindSnapsUpToTheMiddleRowOfAThickLine) {
  qgtest::ModalScript script;
  defineAxesByClicks();
  // The red curve three pixels thick: rows 149 to 151.
  for (int x = 100; x <= 300; ++x) {
    w->image->setPixel(x, 149, RED);
    w->image->setPixel(x, 151, RED);
  }
  w->image->render();
  w->curve_color->setBackColor(RED);
  w->getPlotRGBColors();
  w->searchDirection = 0;  // Up
  w->lineThickness_TF->setText("30");
  w->autoFindPoint_Chk->setCheck(TRUE);
  w->showMagnifiedImage = true;
  w->magnifierPoint[0] = w->magnifierPoint[1] = -1;

  EXPECT_EQ(click(200, 161), 1) << "10 px under the line";
  ASSERT_EQ(usedRows(), 1);
  const int M = Quillgrid::MAGNIFIED_SIZE;
  ASSERT_NE(w->magnifiedPixels[1], nullptr);
  EXPECT_EQ(w->magnifiedPixels[1][M / 2 * M + M / 2], WHITE) << "the magnifier stays on the pointer";
  EXPECT_EQ(w->curveData_TBL->toInt(0, 3), ex + 200);
  EXPECT_EQ(text(w->curveData_TBL->getItemText(0, 4)), text(FXStringFormat("%.4lf", double(ey + 150))));
  EXPECT_NEAR(w->curveData_TBL->toDouble(0, 1), 20.0 * 100 / 200, 1e-9) << "Y of the middle row";
  EXPECT_EQ(w->selectionColor_TF->getBackColor(), argb(0xFF00FF00));

  EXPECT_EQ(click(200, 161, CONTROLMASK), 1);
  ASSERT_EQ(usedRows(), 2);
  EXPECT_EQ(w->curveData_TBL->toInt(1, 3), ex + 200);
  EXPECT_EQ(text(w->curveData_TBL->getItemText(1, 4)), text(FXStringFormat("%.4lf", double(ey + 161))));
  EXPECT_EQ(w->selectionColor_TF->getBackColor(), argb(0xFFFFFF00)) << "white under the pointer";
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(PickingTest, ProModeTracesTheCurveAfterTheSecondPoint) {
  qgtest::ModalScript script;
  defineAxesByClicks();
  w->curve_color->setBackColor(RED);
  w->getPlotRGBColors();
  w->searchDirection = 0;  // Up
  w->proMode_Chk->setCheck(TRUE);
  w->setUpProMode();
  click(120, 155);
  EXPECT_EQ(usedRows(), 1);
  click(280, 155);
  ASSERT_GT(usedRows(), 2) << "the second point starts the trace";
  for (int r = 0; r < usedRows(); ++r) {
    EXPECT_EQ(w->curveData_TBL->toInt(r, 4), ey + 150) << r;
    EXPECT_LE(w->curveData_TBL->toInt(r, 3), ex + 280) << r;
    EXPECT_FALSE(w->curveData_TBL->isEmpty(r, 0)) << r;
  }
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(PickingTest, AWarningDropsTheClickThatRaisedIt) {
  qgtest::ModalScript script;
  defineAxesByClicks();
  w->setAxisScale();
  w->axisDataPoints_TBL[0]->setItemText(0, 0, "1");  // 1..300 on a linear axis
  EXPECT_EQ(click(200, 150), 1);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(text(script.last().caption), "Axis scaling options");
  EXPECT_EQ(usedRows(), 0);
  EXPECT_EQ(w->nextAxisDataType, 5);
  w->axisDataPoints_TBL[1]->setItemText(0, 0, "30");  // Y reversed
  EXPECT_EQ(click(200, 150), 1);
  EXPECT_EQ(text(script.last().caption), "Y-axis definition warning");
  EXPECT_EQ(usedRows(), 0);
  EXPECT_EQ(click(200, 150), 1);
  EXPECT_EQ(usedRows(), 1) << "each warning is given once";
  EXPECT_EQ(script.count(), 2u);
}

TEST_F(PickingTest, AxisSearchFailuresAreReportedAndUndone) {
  qgtest::ModalScript script;
  w->searchDirection = 2;
  w->autoFindAxisMaxXY_Chk->setCheck(TRUE);
  // Row 30 has no axis pixel at all: the X end cannot be found.
  EXPECT_EQ(click(200, 30), 1);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::WARNING_BOX);
  EXPECT_EQ(text(script.last().caption), "Error Defining X-axis");
  EXPECT_EQ(text(script.last().text), "Could not auto-find the axis. (0)\nThis option will be un-checked.");
  EXPECT_FALSE(w->autoFindAxisMaxXY_Chk->getCheck());
  EXPECT_EQ(w->searchDirection, 2);
  EXPECT_EQ(w->firstClick[0], ex + 200);

  // A Y failure writes the origin again from the saved click.
  w->axisDataPoints_TBL[0]->setItemText(0, 1, "");
  w->nextAxisDataType = 4;
  w->searchDirection = 0;
  w->autoFindAxisFailed(4, 3);
  EXPECT_EQ(text(script.last().caption), "Error Defining Y-axis");
  EXPECT_EQ(text(script.last().text), "Could not auto-find the axis. (4)\nThis option will be un-checked.");
  EXPECT_EQ(w->searchDirection, 3);
  EXPECT_EQ(w->axisDataPoints_TBL[0]->toInt(0, 1), ex + 200);
  EXPECT_EQ(w->axisDataType, 0);
  EXPECT_EQ(w->nextAxisDataType, 1);
  EXPECT_TRUE(w->axisDataType_RB[1]->getCheck());
}

TEST_F(PickingTest, TheOriginClickFindsBothAxisEnds) {
  qgtest::ModalScript script;
  w->searchDirection = 2;
  w->autoFindAxisMaxXY_Chk->setCheck(TRUE);
  EXPECT_EQ(click(50, 250), 1);
  EXPECT_EQ(script.count(), 0u);
  // The X axis line ends at column 350, the Y axis line at row 50: the far
  // points are their last pixels.
  EXPECT_EQ(w->axisDataPoints_TBL[0]->toInt(1, 1), ex + 350);
  EXPECT_EQ(w->axisDataPoints_TBL[0]->toInt(1, 2), ey + 250);
  EXPECT_EQ(w->axisDataPoints_TBL[1]->toInt(1, 1), ex + 50);
  EXPECT_EQ(w->axisDataPoints_TBL[1]->toInt(1, 2), ey + 50);
  EXPECT_TRUE(w->autoFindAxisMaxXY_Chk->getCheck());
  EXPECT_EQ(w->searchDirection, 2);
  EXPECT_EQ(text(w->axisAngle_TF[1]->getText()), "90");
  EXPECT_EQ(w->axisAngle_TF[1]->getBackColor(), argb(0xFF00FF00));

  // With the axes' values typed for the lines' ends, a point clicked in the
  // middle of both reads the middle values exactly.
  w->axisDataPoints_TBL[0]->setItemText(0, 0, "0");
  w->axisDataPoints_TBL[0]->setItemText(1, 0, "10");
  w->axisDataPoints_TBL[1]->setItemText(0, 0, "0");
  w->axisDataPoints_TBL[1]->setItemText(1, 0, "1");
  EXPECT_EQ(click(200, 150), 1);
  EXPECT_EQ(script.count(), 0u);
  EXPECT_NEAR(w->curveData_TBL->toDouble(0, 0), 5.0, 1e-9);
  EXPECT_NEAR(w->curveData_TBL->toDouble(0, 1), 0.5, 1e-9);
}

TEST_F(PickingTest, MotionShowsTheReadoutsAndHoldsThePointerOnTheAxis) {
  defineAxesByClicks();
  EXPECT_EQ(motion(200, 150), 1);
  Table_lom2* readout = w->currentPosition_TBL;
  EXPECT_EQ(readout->toInt(0, 1), ex + 200);
  EXPECT_EQ(readout->toInt(1, 1), ey + 150);
  EXPECT_NEAR(readout->toDouble(0, 0), 150.0, 1e-9);
  EXPECT_NEAR(readout->toDouble(1, 0), 10.0, 1e-9);
  EXPECT_EQ(w->selectionColor_TF->getBackColor(), RED);
  EXPECT_EQ(text(w->selectionColor_TF->getText()), "255    0    0");
  EXPECT_EQ(w->magnifierPoint[0], ex + 200);

  // Placing X max with "Constrain": the pointer stays on the origin's row.
  w->resetSelections();
  click(50, 250);
  w->constrainCursor_Chk->setCheck(TRUE);
  motion(200, 180);
  int x, y;
  pointer(&x, &y);
  EXPECT_TRUE(w->cursorLocked);
  EXPECT_EQ(x, ex + 200);
  EXPECT_EQ(y, ey + 250);
  EXPECT_EQ(readout->toInt(0, 1), ex + 200);
  EXPECT_EQ(text(w->axisAngle_TF[0]->getText()), "0.00");

  // Without an image motion is left to the view.
  FXImage* keep = w->image;
  w->image = nullptr;
  EXPECT_EQ(motion(200, 150), 0);
  w->image = keep;
}

TEST_F(PickingTest, ShiftDragAddsPointsAtTheSpacing) {
  qgtest::ModalScript script;
  defineAxesByClicks();
  w->proMode_Chk->setCheck(TRUE);
  EXPECT_EQ(key(KEY_Shift_L), 1);
  EXPECT_TRUE(w->dragMode);
  EXPECT_EQ(w->dragSpacing, 10);
  EXPECT_FALSE(w->proMode_Chk->getCheck());

  const struct {
    int ix, iy, rows;
  } moves[] = {{100, 100, 1}, {108, 100, 1}, {111, 100, 2}, {111, 110, 2}, {111, 111, 3}, {100, 105, 4}};
  for (const auto& m : moves) {
    motion(m.ix, m.iy);
    EXPECT_EQ(usedRows(), m.rows) << m.ix << "," << m.iy;
  }
  EXPECT_EQ(w->curveData_TBL->toInt(2, 3), ex + 111);
  EXPECT_EQ(w->curveData_TBL->toInt(2, 4), ey + 111);

  w->dragMode = false;
  EXPECT_EQ(key(KEY_Shift_R, CONTROLMASK), 1);
  EXPECT_EQ(w->dragSpacing, 5);
  motion(106, 105);
  EXPECT_EQ(usedRows(), 5);
  EXPECT_EQ(script.count(), 0u);

  // Before the curve points are reached Shift starts nothing.
  w->dragMode = false;
  w->resetSelections();
  EXPECT_EQ(key(KEY_Shift_L), 0);
  EXPECT_FALSE(w->dragMode);
}

TEST_F(PickingTest, ArrowKeysStepThePointerWithinBounds) {
  const int top = w->imageViewTop + 4;
  const int right = w->imageView->getWidth() + 5;
  const int bottom = w->imageViewTop + w->imageView->getHeight() + 3;
  const struct {
    int x, y;
    FXuint code, state;
    int toX, toY;
  } cases[] = {
      {100, 200, KEY_Left, 0, 99, 200},
      {100, 200, KEY_Right, SHIFTMASK, 103, 200},
      {100, 200, KEY_Down, CONTROLMASK, 100, 203},
      {100, 200, KEY_Up, SHIFTMASK | CONTROLMASK, 100, 191},
      {20, 200, KEY_Left, SHIFTMASK | CONTROLMASK, 11, 200},
      {11, 200, KEY_Left, SHIFTMASK | CONTROLMASK, 6, 200},
      {6, 200, KEY_Left, SHIFTMASK | CONTROLMASK, 6, 200},
      {3, 200, KEY_Left, 0, 6, 200},
      {right + 10, 200, KEY_Right, 0, right, 200},
      {100, top + 1, KEY_Up, SHIFTMASK, 100, top},
      {100, bottom - 2, KEY_Down, SHIFTMASK | CONTROLMASK, 100, bottom},
  };
  for (const auto& c : cases) {
    w->setCursorPosition(c.x, c.y);
    EXPECT_EQ(key(c.code, c.state), 1);
    int x, y;
    pointer(&x, &y);
    EXPECT_EQ(x, c.toX) << c.x << "," << c.y << " key " << c.code;
    EXPECT_EQ(y, c.toY) << c.x << "," << c.y << " key " << c.code;
  }
  EXPECT_EQ(key(KEY_a), 0);
}

TEST_F(PickingTest, EnterClicksAndDeleteIsHandled) {
  w->setCursorPosition(ex + 50, ey + 250);
  EXPECT_EQ(key(KEY_Return), 0) << "the key goes on after the click";
  EXPECT_EQ(w->axisDataPoints_TBL[0]->toInt(0, 1), ex + 50);
  EXPECT_EQ(w->nextAxisDataType, 1);
  w->pointsHighlighted = true;
  EXPECT_EQ(key(KEY_Delete), 1);
  EXPECT_FALSE(w->pointsHighlighted);
  // Alt locks the pointer without "Constrain"; another key releases it.
  key(KEY_Alt_L);
  EXPECT_TRUE(w->cursorLocked);
  key(KEY_b);
  EXPECT_FALSE(w->cursorLocked);
}

TEST_F(PickingTest, UserLineFollowsThePointerUntilTheSecondClick) {
  w->referencePointColor = FXRGB(0, 0, 255);
  w->handle(w->drawLine_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_DRAW_LINE), nullptr);
  ASSERT_TRUE(w->drawLineMode);
  EXPECT_EQ(click(100, 100), 1);
  EXPECT_EQ(w->lineClickCount, 1);
  EXPECT_EQ(w->lineX[0], 100);
  EXPECT_EQ(w->lineY[0], 100);
  ASSERT_NE(w->lineBackupPixels, nullptr);
  EXPECT_TRUE(w->axisDataPoints_TBL[0]->isEmpty(0, 1)) << "the click is no axis point";

  motion(200, 150);
  ASSERT_NE(w->lineImage, nullptr);
  EXPECT_EQ(w->imageView->getImage(), w->lineImage);
  w->lineImage->restore();
  EXPECT_EQ(w->lineImage->getPixel(100, 100), w->referencePointColor);
  EXPECT_EQ(w->lineImage->getPixel(150, 125), w->referencePointColor);
  EXPECT_EQ(w->lineImage->getPixel(150, 140), WHITE);
  EXPECT_EQ(w->lineImage->getPixel(200, 150), RED) << "the end point itself is not drawn";
  EXPECT_EQ(w->image->getPixel(150, 125), WHITE) << "the working image is untouched";

  EXPECT_EQ(click(200, 150), 1);
  EXPECT_EQ(w->lineX[1], 200);
  EXPECT_FALSE(w->drawLineMode);
  EXPECT_TRUE(w->lineDrawn);
  EXPECT_EQ(w->imageView->getImage(), w->image);
  EXPECT_EQ(w->lineImage, nullptr);
}

TEST_F(PickingTest, TheRubberBandShowsTheMarksAndACancelledOneIsDropped) {
  w->referencePointColor = FXRGB(0, 0, 255);
  click(50, 250);  // the origin, marked with a cross on the display only
  ASSERT_EQ(w->image->getPixel(50, 250), BLACK);
  auto drawLine = [&] { w->handle(w->drawLine_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_DRAW_LINE), nullptr); };

  drawLine();
  click(100, 100);
  motion(200, 120);
  ASSERT_NE(w->lineImage, nullptr);
  w->lineImage->restore();
  EXPECT_EQ(w->lineImage->getPixel(50, 250), w->referencePointColor) << "the origin's cross stays in view";

  // Cancelled while stretching, then started again: the stale band leaves
  // the view before the pixels it borrows are replaced.
  drawLine();
  ASSERT_FALSE(w->drawLineMode);
  drawLine();
  click(120, 100);
  EXPECT_EQ(w->lineImage, nullptr);
  EXPECT_EQ(w->imageView->getImage(), w->image);
  motion(220, 120);
  ASSERT_NE(w->lineImage, nullptr);
  w->lineImage->restore();
  EXPECT_EQ(w->lineImage->getPixel(120, 100), w->referencePointColor);
  EXPECT_EQ(w->lineImage->getPixel(100, 100), WHITE) << "the cancelled band is gone";
  EXPECT_EQ(w->lineImage->getPixel(50, 250), w->referencePointColor);
}

TEST_F(PickingTest, CurveColourIsPickedFromTheImage) {
  qgtest::ModalScript script;
  w->buttonsEnabled = false;
  EXPECT_EQ(colorBoxRelease(), 0);
  EXPECT_EQ(text(script.last().caption), "Color definition");
  EXPECT_EQ(text(script.last().text), "You must first have an image and define the axis.");
  w->buttonsEnabled = true;
  EXPECT_EQ(colorBoxRelease(), 0);
  EXPECT_EQ(text(script.last().text), "You must first define the axis.");
  EXPECT_EQ(script.count(), 2u);

  defineAxesByClicks();
  const FXColor before = w->curve_color->getBackColor();
  EXPECT_EQ(colorBoxRelease(), 1);
  EXPECT_TRUE(w->pickColorMode);
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->pickColorCursor);
  EXPECT_EQ(w->savedCurveColor, before);

  EXPECT_EQ(click(200, 150), 1);
  EXPECT_FALSE(w->pickColorMode);
  EXPECT_EQ(w->curve_color->getBackColor(), RED);
  EXPECT_EQ(w->curveRGB[0], 255);
  EXPECT_EQ(w->curveRGB[1], 0);
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[w->cursorColorIndex]);
  EXPECT_EQ(w->lastUsedCurveRow(), -1) << "the pick adds no point";

  // A click off the picture ends the pick with the colour unchanged.
  colorBoxRelease();
  w->curve_color->setBackColor(RED);
  EXPECT_EQ(click(-5, 10), 1);
  EXPECT_FALSE(w->pickColorMode);
  EXPECT_EQ(w->curve_color->getBackColor(), RED);
  EXPECT_EQ(w->imageView->getDefaultCursor(), w->cursors[w->cursorColorIndex]);

  // A second release cancels a pick and brings the colour back.
  colorBoxRelease();
  motion(200, 250);
  EXPECT_EQ(w->curve_color->getBackColor(), BLACK) << "the box follows the pointer while picking";
  colorBoxRelease();
  EXPECT_FALSE(w->pickColorMode);
  EXPECT_EQ(w->curve_color->getBackColor(), RED);
  EXPECT_EQ(w->curveRGB[0], 255);
}
