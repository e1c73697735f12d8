// Automatic finding in the main window: the search controls and their
// setters, the tracer behind the "Auto-find curve" button with its error
// boxes, and the whole-image trace.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "CurvePicture.h"
#include "Globals.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

namespace {
const FXColor CURVE = argb(0xFF1E50C8);
const FXColor GREEN = argb(0xFF00C800);
const FXColor YELLOW = argb(0xFFFFFF00);

std::string str(const FXString& s) { return s.text(); }

class AutoFindTest : public MainWindowFixture {
protected:
  void TearDown() override { delete w; }

  Quillgrid* build() {
    w = make();
    return w;
  }

  // Opens a width x height picture, written to a file first, as the
  // working image; the pixel at (x, y) is colourOf(x, y).
  template <class ColourOf>
  void loadPicture(int width, int height, ColourOf colourOf) {
    std::vector<FXColor> pixels(width * height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) pixels[y * width + x] = colourOf(x, y);
    {
      FXFileStream out;
      ASSERT_TRUE(out.open("picture.bmp", FXStreamSave));
      ASSERT_TRUE(fxsaveBMP(out, pixels.data(), width, height));
    }
    ASSERT_TRUE(w->loadImage("picture.bmp"));
    w->recalc();
    qgtest::runFor(50);
    w->getExtraPixels();
    ex = w->extraPixels[0];
    ey = w->extraPixels[1];
    w->autoFindAxisMaxXY_Chk->setCheck(FALSE);
    w->setCurveColorBox(CURVE);
    w->getPlotRGBColors();
    // Axes, so that the points can be given real values.
    const char* axis[2][2][3] = {{{"0", "1", "1"}, {"100", "2", "1"}}, {{"0", "1", "1"}, {"100", "1", "2"}}};
    for (int a = 0; a < 2; ++a)
      for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) w->axisDataPoints_TBL[a]->setItemText(r, c, axis[a][r][c]);
  }

  // A picked curve point in row r at image pixel (x, y).
  void pick(int row, int x, int y) {
    w->curveData_TBL->setItemText(row, 0, FXStringFormat("%d", x));
    w->curveData_TBL->setItemText(row, 3, FXStringFormat("%d", ex + x));
    w->curveData_TBL->setItemText(row, 4, FXStringFormat("%.4lf", double(ey + y)));
  }

  void choosePointCount(const char* item) {
    FXListBox* list = w->numAutoFindPoints_LB_LB;
    for (int i = 0; i < list->getNumItems(); ++i)
      if (list->getItemText(i) == item) list->setCurrentItem(i);
  }

  long autoFind() { return w->handle(w, FXSEL(SEL_COMMAND, Quillgrid::ID_AUTO_FIND_CURVE), nullptr); }
  std::string cell(int r, int c) { return str(w->curveData_TBL->getItemText(r, c)); }
  int number(int r, int c) { return w->curveData_TBL->toInt(r, c); }

  Quillgrid* w = nullptr;
  int ex = 0, ey = 0;
};

// A line y = 120 - (x - 40) / 4 in the curve colour, 3 pixels thick, from
// column 40 to 260 of a 300 x 200 white picture with a black X axis.
FXColor slopedLine(int x, int y) {
  if (y == 180 || x == 20) return argb(0xFF000000);
  const int centre = 120 - (x - 40) / 4;
  return x >= 40 && x <= 260 && std::abs(y - centre) <= 1 ? CURVE : argb(0xFFFFFFFF);
}
int lineRow(int x) { return 120 - (x - 40) / 4; }
}  // namespace

TEST_F(AutoFindTest, SearchLengthAndColourDifferenceDefaultsAndBounds) {
  build();
  EXPECT_EQ(w->searchLength, 30);
  EXPECT_EQ(str(w->lineThickness_TF->getText()), "30");
  EXPECT_EQ(w->colorTol, 50);
  EXPECT_EQ(str(w->colorTol_TF->getText()), "50");
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(w->searchLength_Btn[i]->getBackColor(), i == 2 ? GREEN : w->defaultButtonBackColor) << i;
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(w->colorDiff_Btn[i]->getBackColor(), i == 1 ? GREEN : w->defaultButtonBackColor) << i;

  const struct {
    const char* text;
    int length;
  } cases[] = {{"10", 10}, {"100", 100}, {"55", 55}, {"9", 30}, {"101", 30}, {"x", 30}, {"-20", 30}};
  for (const auto& c : cases) {
    w->setSearchLengthButtonColor(4);
    w->lineThickness_TF->setText(c.text);
    w->checkLineWidth();
    EXPECT_EQ(w->searchLength, c.length) << c.text;
    if (c.length == 30 && std::string(c.text) != "30") {
      EXPECT_EQ(str(w->lineThickness_TF->getText()), "30") << c.text;
      EXPECT_EQ(w->searchLength_Btn[2]->getBackColor(), GREEN) << c.text;
      EXPECT_EQ(w->searchLength_Btn[4]->getBackColor(), w->defaultButtonBackColor) << c.text;
    }
  }

  // The length buttons set the field that the next check reads.
  w->handle(w->searchLength_Btn[0], FXSEL(SEL_COMMAND, Quillgrid::ID_SEARCH_LENGTH), nullptr);
  w->checkLineWidth();
  EXPECT_EQ(w->searchLength, 10);
  EXPECT_EQ(w->searchLength_Btn[0]->getBackColor(), GREEN);
  w->setColorDiffButtonColor(2);
  EXPECT_EQ(w->colorDiff_Btn[2]->getBackColor(), GREEN);
  EXPECT_EQ(w->colorDiff_Btn[1]->getBackColor(), w->defaultButtonBackColor);
}

TEST_F(AutoFindTest, LocationDirectionAndEnablingFollowTheirMembers) {
  build();
  const struct {
    int location, shown;
  } locations[] = {{1, 1}, {2, 2}, {0, 0}, {3, 0}, {-1, 0}};
  for (const auto& l : locations) {
    w->searchLocation = l.location;
    w->setSearchLocation();
    EXPECT_EQ(w->searchLocation, l.shown) << l.location;
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(w->searchLocation_RB[i]->getCheck(), i == l.shown) << l.location << " radio " << i;
      EXPECT_EQ(w->searchLocation_RB[i]->getBackColor(), i == l.shown && i > 0 ? YELLOW : w->defaultButtonBackColor)
          << l.location << " radio " << i;
    }
  }
  for (int i : {2, 1, 0}) {
    EXPECT_EQ(w->handle(w->searchLocation_RB[i], FXSEL(SEL_COMMAND, Quillgrid::ID_SEARCH_LOCATION), nullptr), 1);
    EXPECT_EQ(w->searchLocation, i);
  }
  w->searchLocation = 2;
  w->resetSearchLocation();
  EXPECT_EQ(w->searchLocation, 0);
  EXPECT_TRUE(w->searchLocation_RB[0]->getCheck());

  for (int d : {3, 7, -1}) {
    w->searchDirection = d;
    w->setSearchDirection();
    const int shown = d == 3 ? 3 : 0;
    EXPECT_EQ(w->searchDirection, shown);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(w->searchDirection_RB[i]->getCheck(), i == shown) << d << " " << i;
  }

  // The point search check enables the search controls; the location
  // radios stay as they are.
  for (bool on : {false, true}) {
    w->autoFindPoint_Chk->setCheck(on);
    w->setAutoFindButtons();
    for (FXRadioButton* r : w->searchDirection_RB) EXPECT_EQ(r->isEnabled(), on);
    for (FXButton* b : w->searchLength_Btn) EXPECT_EQ(b->isEnabled(), on);
    for (FXButton* b : w->colorDiff_Btn) EXPECT_EQ(b->isEnabled(), on);
    EXPECT_EQ(w->numAutoFindPoints_LB_LB->isEnabled(), on);
    EXPECT_TRUE(w->searchLocation_RB[1]->isEnabled());
    EXPECT_EQ(w->magnifiedViewFrame[2]->shown(), on);  // the scan-direction view
  }

  // The curve button needs an image.
  w->setAutoFindCurveBtn();
  EXPECT_FALSE(w->autoFindCurve_Btn->isEnabled());
  loadPicture(80, 80, [](int, int) { return argb(0xFFFFFFFF); });
  w->setSearchDirection();
  EXPECT_TRUE(w->autoFindCurve_Btn->isEnabled());
}

TEST_F(AutoFindTest, TracesBetweenTheLastTwoPickedPoints) {
  build();
  loadPicture(300, 200, slopedLine);
  ASSERT_GT(ex, 0);
  ASSERT_GT(ey, 0);
  pick(0, 60, lineRow(60) + 10);  // both just below the line
  pick(1, 240, lineRow(240) + 10);
  choosePointCount(" 30 ");  // a point every 6 columns
  w->searchDirection = 0;
  qgtest::ModalScript script;
  EXPECT_EQ(autoFind(), 1);
  EXPECT_EQ(script.count(), 0u);
  for (int k = 0; k <= 30; ++k) {
    const int x = 60 + 6 * k;
    ASSERT_EQ(number(k, 3), ex + x) << k;
    EXPECT_NEAR(number(k, 4), ey + lineRow(x), 1) << k;
  }
  EXPECT_EQ(cell(31, 3), "");
  EXPECT_EQ(str(w->lastAutoFindRows[1]), str(w->curveRowText(30)));
  EXPECT_EQ(str(w->lastAutoFindRows[0]), str(w->curveRowText(29)));
  EXPECT_TRUE(w->copyTable_Btn->isEnabled());
  EXPECT_TRUE(w->copyX_Btn->isEnabled());

  // Left to right along rows: with direction Right the walk goes up the
  // rows from the first point and stops once past the second point's x.
  w->onCmdClearTable(nullptr, 0, nullptr);
  pick(0, 50, lineRow(50));
  pick(1, 208, lineRow(208));  // 40 rows up: a point every 4 rows
  w->searchDirection = 3;
  choosePointCount(" 10 ");
  EXPECT_EQ(autoFind(), 1);
  EXPECT_EQ(script.count(), 0u);
  for (int k = 0; k <= 10; ++k) {
    ASSERT_EQ(number(k, 4), ey + lineRow(50) - 4 * k) << k;
    // The middle of the row's run, 12 pixels wide on this shallow line.
    EXPECT_EQ(number(k, 3), ex + 521 - 4 * (lineRow(50) - 4 * k)) << k;
  }
  EXPECT_EQ(cell(11, 3), "");
}

TEST_F(AutoFindTest, ErrorsLeaveTheTableAsItWas) {
  build();
  {
    qgtest::ModalScript script;
    EXPECT_EQ(autoFind(), 1);
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(str(script.last().caption), "Auto-find error");
    EXPECT_EQ(str(script.last().text), "You need an image.");
    EXPECT_EQ(script.last().buttons, FXuint(MBOX_OK));
  }
  loadPicture(300, 200, slopedLine);
  const std::string unknown = "Unknown curve definition error. Check your point definitions.";
  const struct {
    int x1, y1, x2, y2;
    bool twoRows;
    const char* caption;
    std::string text;
  } cases[] = {
      {60, 120, 0, 0, false, "Auto-find error", unknown},
      {200, 100, 60, 120, true, "Curve min/max values are incorrect",
       "When you define the limits for the curve for the \"Auto-find curve\" method,\nthe first point you select must "
       "be the lower x value and the second\nmust be the higher x value. Click the \"Clear data\" button and\n"
       "reselect the min/max curve points."},
      {60, -ey, 200, 100, true, "Auto-find error", unknown},  // a y position of 0
  };
  for (const auto& c : cases) {
    w->onCmdClearTable(nullptr, 0, nullptr);
    pick(0, c.x1, c.y1);
    if (c.twoRows) pick(1, c.x2, c.y2);
    const FXString before[2] = {w->curveRowText(0), w->curveRowText(1)};
    qgtest::ModalScript script;
    EXPECT_EQ(autoFind(), 1);
    ASSERT_EQ(script.count(), 1u) << c.caption;
    EXPECT_EQ(str(script.last().caption), c.caption);
    EXPECT_EQ(str(script.last().text), c.text);
    EXPECT_EQ(str(w->curveRowText(0)), str(before[0]));
    EXPECT_EQ(str(w->curveRowText(1)), str(before[1]));
    EXPECT_EQ(cell(2, 3), "");
  }
}

TEST_F(AutoFindTest, TheSamePairTwiceAndTracesThatFindTooLittle) {
  build();
  // Only a 3-column piece of curve at columns 100..102: the trace records
  // the first and third column and then finds nothing more.
  loadPicture(300, 200, [](int x, int y) {
    return x >= 100 && x <= 102 && y >= 99 && y <= 101 ? CURVE : argb(0xFFFFFFFF);
  });
  pick(0, 100, 110);
  pick(1, 120, 110);
  choosePointCount(" 10 ");
  qgtest::ModalScript script;
  autoFind();
  EXPECT_EQ(script.count(), 0u);
  EXPECT_EQ(number(0, 3), ex + 100);
  EXPECT_EQ(number(1, 3), ex + 102);
  EXPECT_EQ(number(1, 4), ey + 100);
  EXPECT_EQ(cell(2, 3), "");
  // The same two rows again.
  autoFind();
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(str(script.last().caption), "Auto-find error");
  EXPECT_EQ(str(script.last().text), "Pick 2 new points.");

  // Two new points under nothing: nothing found, both points come back.
  w->onCmdClearTable(nullptr, 0, nullptr);
  pick(0, 150, 110);
  pick(1, 250, 110);
  autoFind();
  EXPECT_EQ(script.count(), 1u);
  // The pixel positions come back; their real values are converted again.
  EXPECT_EQ(number(0, 3), ex + 150);
  EXPECT_EQ(number(1, 3), ex + 250);
  EXPECT_EQ(number(1, 4), ey + 110);
  EXPECT_FALSE(cell(0, 0).empty());
  EXPECT_EQ(cell(2, 3), "");
  EXPECT_EQ(str(w->lastAutoFindRows[0]), "");
}

TEST_F(AutoFindTest, FullAutoTracesTheWholeImage) {
  build();
  loadPicture(300, 200, slopedLine);
  w->fullAuto_Chk->setCheck(TRUE);
  w->proMode_Chk->setCheck(TRUE);
  w->axisDataType = 4;
  w->searchDirection = 1;  // Down scans columns upwards from the bottom
  qgtest::ModalScript script;
  EXPECT_EQ(autoFind(), 1);
  EXPECT_EQ(script.count(), 0u);
  EXPECT_EQ(w->searchDirection, 1);
  // One row per column of the line, columns 40 .. 260.
  for (int k = 0; k <= 220; ++k) {
    ASSERT_EQ(number(k, 3), ex + 40 + k) << k;
    EXPECT_EQ(number(k, 4), ey + lineRow(40 + k)) << k;
  }
  EXPECT_EQ(cell(221, 3), "");
  EXPECT_GE(w->curveDataBackup_TBL->getNumRows(), w->curveData_TBL->getNumRows());

  // Without "Pro mode" the button traces between the last two points.
  w->proMode_Chk->setCheck(FALSE);
  w->onCmdClearTable(nullptr, 0, nullptr);
  autoFind();
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(str(script.last().text), "Unknown curve definition error. Check your point definitions.");
}

// The scanner that snapped clicks use: main-window positions, the search
// settings of the window and its curve colour.
TEST_F(AutoFindTest, ScannerReadsTheWorkingImageAtTheViewOffset) {
  build();
  loadPicture(100, 100, [](int, int y) { return y >= 40 && y <= 42 ? CURVE : argb(0xFFFFFFFF); });
  w->searchLength = 30;
  w->searchDirection = 0;
  int px = ex + 50, py = 0;
  double yd = 0;
  EXPECT_TRUE(w->get_mid_px(ey + 52, ey + 52 - 30, &px, &py, &yd));  // 10 px under the line
  EXPECT_EQ(py, ey + 41);
  EXPECT_DOUBLE_EQ(yd, ey + 41.0);
  EXPECT_EQ(px, ex + 50);
  w->searchLocation = 1;
  EXPECT_TRUE(w->get_mid_px(ey + 52, ey + 22, &px, &py, &yd));
  EXPECT_NEAR(yd, ey + 40 + 4.0 / 3, 1e-9);
  w->searchLength = 3;  // the line is as long as the search: no curve
  EXPECT_FALSE(w->get_mid_px(ey + 52, ey + 22, &px, &py, &yd));
  int lo = 0, hi = 0;
  w->searchDirection = 1;
  w->defineLowHigh(100, 30, &lo, &hi);
  EXPECT_EQ(lo, 70);
  EXPECT_EQ(hi, 130);

  EXPECT_TRUE(w->colorsMatch(FXRGB(30 + 49, 80 - 49, 200)));
  EXPECT_FALSE(w->colorsMatch(FXRGB(30 + 50, 80, 200)));
  w->colorTol = 25;
  EXPECT_FALSE(w->colorsMatch(FXRGB(30 + 25, 80, 200)));
}

// The whole run as a person makes it: the picture opened from a file, the
// axes and two curve points clicked (each snapped to the line), then the
// "Auto-find curve" button. Every traced row gets its real values from the
// clicked axes.
TEST_F(AutoFindTest, TraceFromTwoClickedPointsOnAnOpenedPictureGivesRealValues) {
  build();
  qgtest::ModalScript script;
  loadPicture(300, 200, slopedLine);
  w->autoFindPoint_Chk->setCheck(TRUE);
  w->searchDirection = 0;

  auto click = [&](int ix, int iy) {
    w->setCursorPosition(ex + ix, ey + iy);
    FXEvent ev;
    ev.type = SEL_LEFTBUTTONPRESS;
    ev.code = LEFTBUTTON;
    ev.state = 0;
    return w->handle(w->imageView, FXSEL(SEL_LEFTBUTTONPRESS, Quillgrid::ID_IMAGE_VIEW), &ev);
  };
  // Origin where the black axes cross, X far point 260 pixels right, Y far
  // point 160 up: real x = column - 20, real y = 180 - row.
  click(20, 180);
  click(280, 180);
  click(20, 20);
  const char* values[2][2] = {{"0", "260"}, {"0", "160"}};
  for (int a = 0; a < 2; ++a)
    for (int r = 0; r < 2; ++r) w->axisDataPoints_TBL[a]->setItemText(r, 0, values[a][r]);
  // Two curve points, each clicked 10 pixels under the line.
  EXPECT_EQ(click(60, lineRow(60) + 10), 1);
  EXPECT_EQ(click(240, lineRow(240) + 10), 1);
  ASSERT_EQ(number(1, 3), ex + 240);
  ASSERT_EQ(number(1, 4), ey + lineRow(240));

  choosePointCount(" 30 ");
  EXPECT_EQ(autoFind(), 1);
  EXPECT_EQ(script.count(), 0u) << str(script.last().text);
  for (int k = 0; k <= 30; ++k) {
    const int x = 60 + 6 * k;
    ASSERT_EQ(number(k, 3), ex + x) << k;
    const int y = number(k, 4) - ey;
    EXPECT_NEAR(y, lineRow(x), 1) << k;
    EXPECT_NEAR(w->curveData_TBL->toDouble(k, 0), x - 20, 1e-6) << k;
    EXPECT_NEAR(w->curveData_TBL->toDouble(k, 1), 180 - y, 1e-6) << k;
  }
  EXPECT_EQ(cell(31, 0), "");
  EXPECT_EQ(cell(31, 3), "");
}

// A curve drawn as plotting programs draw it, anti-aliased or not, along
// y = 60 + (x - 150)^2 / 500, 3 pixels wide. The tracer between two picked
// points and the whole-picture trace both store the exact middle of each
// run, as a snapped click does: within half a pixel of the curve when
// anti-aliased, within one pixel when not.
TEST_F(AutoFindTest, TracedPointsLieOnTheMiddleOfAnAntiAliasedCurve) {
  build();
  const curvepic::Curve parabola{[](double x) { return 60 + (x - 150) * (x - 150) / 500; },
                                 [](double x) { return (x - 150) / 250; }};
  for (bool antiAliased : {true, false}) {
    const double allowed = antiAliased ? 0.5 : 1.0;
    const std::vector<FXColor> pixels = curvepic::draw(parabola, 300, 200, 3.0, CURVE, antiAliased, 20, 280);
    loadPicture(300, 200, [&](int x, int y) { return pixels[y * 300 + x]; });
    auto largestError = [&](int rows) {
      double largest = 0;
      for (int k = 0; k < rows; ++k) {
        const double x = number(k, 3) - ex, y = w->curveData_TBL->toDouble(k, 4) - ey;
        largest = std::max(largest, curvepic::distance(parabola, x, y));
      }
      return largest;
    };

    w->onCmdClearTable(nullptr, 0, nullptr);
    pick(0, 30, int(parabola.f(30)) + 8);  // both under the curve
    pick(1, 270, int(parabola.f(270)) + 8);
    choosePointCount(" 1000 ");  // a point in every column
    w->searchDirection = 0;
    qgtest::ModalScript script;
    EXPECT_EQ(autoFind(), 1);
    EXPECT_EQ(script.count(), 0u);
    const int traced = w->lastUsedCurveRow() + 1;
    EXPECT_EQ(traced, 241) << antiAliased;
    EXPECT_LE(largestError(traced), allowed) << antiAliased;

    w->onCmdClearTable(nullptr, 0, nullptr);
    w->fullAuto_Chk->setCheck(TRUE);
    w->proMode_Chk->setCheck(TRUE);
    w->axisDataType = 4;
    EXPECT_EQ(autoFind(), 1);
    w->fullAuto_Chk->setCheck(FALSE);
    EXPECT_EQ(script.count(), 0u);
    const int whole = w->lastUsedCurveRow() + 1;
    EXPECT_GE(whole, 255) << antiAliased;
    EXPECT_LE(largestError(whole), allowed) << antiAliased;
  }
}
