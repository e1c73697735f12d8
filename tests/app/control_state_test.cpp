// The control-panel setters: option radios and lists kept in line with the
// window's members, the point colours, the point-type radios, the
// curve-points table's hatching and next row, drag tinting and the window
// sized to its contents.
#include <string>

#include <fxkeys.h>

#include "DataPlot.h"
#include "Globals.h"
#include "MainWindowFixture.h"
#include "MenuButtonWin10Style.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

namespace {
// A plot that reports the font size it was given, in decipoints.
class ProbePlot : public DataPlot {
public:
  explicit ProbePlot(FXTopWindow* owner) : DataPlot(owner) {}
  int decipoints() const {
    FXFontDesc d;
    plotFont->getFontDesc(d);
    return d.size;
  }
};

class ControlStateTest : public MainWindowFixture {
protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
  }
  void TearDown() override { delete w; }
  long command(FXObject* sender, FXSelector id) { return w->handle(sender, FXSEL(SEL_COMMAND, id), nullptr); }
  Quillgrid* w = nullptr;
};
}  // namespace

TEST_F(ControlStateTest, FitPlotFontSizeOutsideTheListFallsBackToTen) {
  delete w->fitPlot;
  delete w->halfWidthPlot;
  ProbePlot* full = new ProbePlot(w);
  ProbePlot* half = new ProbePlot(w);
  w->fitPlot = full;
  w->halfWidthPlot = half;
  const struct {
    int stored, shown;
  } cases[] = {{7, 10}, {21, 10}, {8, 8}, {20, 20}, {15, 15}};
  for (const auto& c : cases) {
    w->fitPlotFontSize = c.stored;
    w->setFitPlotFontSize();
    EXPECT_EQ(w->fitPlotFontSize, c.shown) << c.stored;
    EXPECT_EQ(FXIntVal(w->fitPlotFontSize_LB->getItemText(w->fitPlotFontSize_LB->getCurrentItem()), 10), c.shown);
    EXPECT_EQ(full->decipoints(), c.shown * 10);
    EXPECT_EQ(half->decipoints(), (c.shown / 2) * 10);
  }
  // Choosing "13" in the list sizes the plots at 13 and 6.
  w->fitPlotFontSize_LB->setCurrentItem(5);
  EXPECT_EQ(command(w->fitPlotFontSize_LB, Quillgrid::ID_FONT_SIZE), 1);
  EXPECT_EQ(w->fitPlotFontSize, 13);
  EXPECT_EQ(full->decipoints(), 130);
  EXPECT_EQ(half->decipoints(), 60);
}

TEST_F(ControlStateTest, OptionWidgetsFollowTheirMembers) {
  for (int stored : {6, -1, 3}) {
    w->temperatureScale = stored;
    w->setTemperatureConversion();
    const int expected = stored == 3 ? 3 : 0;
    EXPECT_EQ(w->temperatureScale, expected);
    EXPECT_EQ(w->temperatureScale_LB->getCurrentItem(), expected);
  }
  EXPECT_EQ(std::string(w->temperatureScale_LB->getItemText(0).text()), "C -> K");

  w->numberFormatType_x = 0;
  w->numberFormatType_y = 1;
  w->setNumberFormatType();
  EXPECT_TRUE(w->numberFormatDecimal_RB[0]->getCheck() && !w->numberFormatScientific_RB[0]->getCheck());
  EXPECT_TRUE(!w->numberFormatDecimal_RB[1]->getCheck() && w->numberFormatScientific_RB[1]->getCheck());

  w->plotPointSize = 3;
  w->setPointSize();
  EXPECT_TRUE(w->plotPointSize_RB[3]->getCheck() && !w->plotPointSize_RB[1]->getCheck());
  w->plotPointSize = 9;
  w->setPointSize();
  EXPECT_EQ(w->plotPointSize, 1);
  EXPECT_TRUE(w->plotPointSize_RB[1]->getCheck() && !w->plotPointSize_RB[3]->getCheck());

  w->xAxisIsTemperature_Chk->setCheck(TRUE);
  w->setXaxisTemperatureBackColor();
  EXPECT_EQ(w->xAxisIsTemperature_Chk->getBackColor(), argb(0xFFFFFF00));
  w->xAxisIsTemperature_Chk->setCheck(FALSE);
  w->setXaxisTemperatureBackColor();
  EXPECT_EQ(w->xAxisIsTemperature_Chk->getBackColor(), w->defaultButtonBackColor);
  w->roundXvalueToNearestInteger_Chk->setCheck(TRUE);
  w->setRoundCheckBoxColor();
  EXPECT_EQ(w->roundXvalueToNearestInteger_Chk->getBackColor(), argb(0xFFFFFF00));

  // The Excel cell is not used by the simple Larson-Miller format.
  w->curveFitType = 5;
  w->lmp_ZELK_formatting_Chk->setCheck(TRUE);
  w->setZELKformat();
  EXPECT_FALSE(w->excel_cell_TF->isEnabled());
  w->curveFitType = 0;
  w->setZELKformat();
  EXPECT_TRUE(w->excel_cell_TF->isEnabled());

  // Author mode pins three fitting options; otherwise they stay free.
  w->myCustomSettings();
  EXPECT_TRUE(w->maxFitOrder_LB->isEnabled());
  w->authorMode = true;
  w->myCustomSettings();
  EXPECT_FALSE(w->numOfDecimalsInCoefficients_LB->isEnabled());
  EXPECT_EQ(w->numOfDecimalsInCoefficients_LB->getCurrentItem(), 7);
  EXPECT_FALSE(w->maxFitOrder_LB->isEnabled());
  EXPECT_EQ(w->maxFitOrder_LB->getCurrentItem(), 5);
  EXPECT_TRUE(w->writeBoundaryValuesAsNumbersNotLn_Chk->getCheck());
  EXPECT_FALSE(w->writeBoundaryValuesAsNumbersNotLn_Chk->isEnabled());
}

TEST_F(ControlStateTest, PointColoursFollowEachOtherOnlyWithTheSameColourOption) {
  ASSERT_TRUE(w->cornerPointsSameColorAsDataPoints->getCheck());
  w->dataPointColorIndex = 4;
  w->setDataPointColor();
  EXPECT_EQ(w->referencePointColorIndex, 4);
  EXPECT_EQ(w->dataPointColor, argb(0xFFEBEB00));
  EXPECT_EQ(w->referencePointColor, argb(0xFFEBEB00));
  EXPECT_TRUE(w->referencePointColor_RB[4]->getCheck() && w->dataPointColor_RB[4]->getCheck());

  // The other way round, through the radio's command.
  EXPECT_EQ(command(w->referencePointColor_RB[6], Quillgrid::ID_REFERENCE_POINT_COLOR), 1);
  EXPECT_EQ(w->referencePointColorIndex, 6);
  EXPECT_EQ(w->dataPointColorIndex, 6);
  EXPECT_EQ(w->dataPointColor, argb(0xFFA046A5));
  EXPECT_FALSE(w->dataPointColor_RB[4]->getCheck());

  w->cornerPointsSameColorAsDataPoints->setCheck(FALSE);
  command(w->dataPointColor_RB[0], Quillgrid::ID_DATA_POINT_COLOR);
  EXPECT_EQ(w->dataPointColorIndex, 0);
  EXPECT_EQ(w->referencePointColorIndex, 6);
  EXPECT_EQ(w->referencePointColor, argb(0xFFA046A5));

  // Switching the option on makes the data points take the reference colour.
  w->cornerPointsSameColorAsDataPoints->setCheck(TRUE);
  EXPECT_EQ(command(w->cornerPointsSameColorAsDataPoints, Quillgrid::ID_SAME_POINT_COLORS), 1);
  EXPECT_EQ(w->dataPointColorIndex, 6);
  EXPECT_TRUE(w->dataPointColor_RB[6]->getCheck() && !w->dataPointColor_RB[0]->getCheck());

  // An index outside the palette falls back to green.
  w->dataPointColorIndex = 8;
  w->setDataPointColor();
  EXPECT_EQ(w->dataPointColorIndex, 1);
  EXPECT_TRUE(w->dataPointColor_RB[1]->getCheck());
  EXPECT_EQ(w->dataPointColor, argb(0xFF00FF00));
}

TEST_F(ControlStateTest, PointTypeRadiosOfferOnlyTheStepInProgress) {
  w->setAxisDataType(1);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(w->axisDataType_RB[i]->getCheck() == TRUE, i == 1) << i;
    EXPECT_EQ(w->axisDataType_RB[i]->isEnabled() == TRUE, i == 1) << i;
  }
  w->setAxisDataType(7);  // steps past the axes are data points
  EXPECT_TRUE(w->axisDataType_RB[4]->getCheck() && w->axisDataType_RB[4]->isEnabled());
  EXPECT_FALSE(w->axisDataType_RB[1]->getCheck() || w->axisDataType_RB[1]->isEnabled());

  EXPECT_EQ(command(w->axisDataType_RB[4], Quillgrid::ID_AXIS_DATA_TYPE), 1);
  EXPECT_EQ(w->axisDataType, 4);
  EXPECT_EQ(w->nextAxisDataType, 4);
  EXPECT_EQ(command(nullptr, Quillgrid::ID_SELECT_POINT_TYPE_FIRST + 3), 1);
  EXPECT_EQ(w->axisDataType, 3);
  EXPECT_EQ(w->nextAxisDataType, 3);
  EXPECT_TRUE(w->axisDataType_RB[3]->getCheck() && !w->axisDataType_RB[4]->getCheck());
}

TEST_F(ControlStateTest, CurveTableHatchedUntilDataPointsAreTaken) {
  Table_lom2* t = w->curveData_TBL;
  ASSERT_GT(t->getNumRows(), 3);
  w->setAxisDataType(0);
  w->setDataPointTableStipple();
  EXPECT_EQ(t->getItemStipple(0, 0), STIPPLE_CROSSDIAG);
  EXPECT_EQ(t->getItemStipple(t->getNumRows() - 1, 4), STIPPLE_CROSSDIAG);
  w->setAxisDataType(4);
  w->setDataPointTableStipple();
  EXPECT_EQ(t->getItemStipple(0, 0), STIPPLE_NONE);
  EXPECT_EQ(t->getItemStipple(t->getNumRows() - 1, 4), STIPPLE_NONE);
}

TEST_F(ControlStateTest, NextCurveRowAndAppendedRows) {
  Table_lom2* t = w->curveData_TBL;
  const int rows = t->getNumRows();
  EXPECT_EQ(w->getCurveDataRow(), 0);
  t->setItemText(0, 3, "12");
  t->setItemText(1, 3, "13");
  EXPECT_EQ(w->getCurveDataRow(), 2);

  // Drag drawing starts at the first empty row too, never over a point
  // already picked, and remembers the row it fills.
  w->dragMode = true;
  w->dragRow = -1;
  EXPECT_EQ(w->getCurveDataRow(), 2);
  EXPECT_EQ(w->dragRow, 2);
  w->dragMode = false;

  for (int r = 0; r < rows; ++r) t->setItemText(r, 3, "1");
  EXPECT_EQ(w->getCurveDataRow(), 0);  // a full table

  w->appendRows();
  ASSERT_EQ(t->getNumRows(), rows + 10);
  EXPECT_EQ(w->getCurveDataRow(), rows);
  EXPECT_EQ(t->getItemJustify(rows + 9, 4), FXTableItem::CENTER_X | FXTableItem::CENTER_Y);
  EXPECT_EQ(std::string(t->getRowText(rows + 9).text()), std::to_string(rows + 10));
  w->appendRows(3);
  EXPECT_EQ(t->getNumRows(), rows + 13);
}

TEST_F(ControlStateTest, DragTintCoversThePointSearchGroupAndKeyReleaseEndsIt) {
  const FXColor normal = w->controlsFrame->getBackColor();
  w->dragMode = true;
  w->dragRow = 4;
  w->setBackColorForDrawDataPointsWithCursorDrag(w->pointSearch_GB);
  EXPECT_EQ(w->pointSearch_GB->getBackColor(), argb(0xFFC8C8FF));
  EXPECT_EQ(w->autoFindPoint_Chk->getBackColor(), argb(0xFFC8C8FF));
  EXPECT_EQ(w->searchDirection_RB[2]->getBackColor(), argb(0xFFC8C8FF));  // nested two groups deep
  EXPECT_NE(w->searchLength_Btn[0]->getBackColor(), argb(0xFFC8C8FF));    // buttons keep their colour

  w->cursorLocked = true;
  w->constrainCursor_Chk->setCheck(FALSE);
  FXEvent ev;
  ev.code = KEY_Shift_L;
  EXPECT_EQ(w->handle(w->imageView, FXSEL(SEL_KEYRELEASE, Quillgrid::ID_IMAGE_VIEW), &ev), 1);
  EXPECT_FALSE(w->dragMode);
  EXPECT_EQ(w->dragRow, -1);
  EXPECT_FALSE(w->cursorLocked);
  EXPECT_EQ(w->pointSearch_GB->getBackColor(), normal);
  EXPECT_EQ(w->searchDirection_RB[2]->getBackColor(), normal);
}

TEST_F(ControlStateTest, ImageButtonsAndTheRedrawLogCounter) {
  MenuButtonWin10Style* rotations[] = {w->rotateCwFine_TB, w->rotateCw_TB,    w->rotateCcwFine_TB, w->rotateCcw_TB,
                                       w->rotate90Cw_TB,   w->rotate90Ccw_TB, w->rotate180_TB};
  w->drawLine_Btn->enable();
  w->disableButtons();
  EXPECT_FALSE(w->buttonsEnabled);
  EXPECT_FALSE(w->drawLine_Btn->isEnabled() || w->resetAll_Btn->isEnabled() || w->rotation_Lbl->isEnabled());
  for (auto* b : rotations) EXPECT_FALSE(b->isEnabled());
  w->enableButtons();
  EXPECT_TRUE(w->buttonsEnabled);
  EXPECT_TRUE(w->recalData_Btn->isEnabled() && w->clearData_Btn->isEnabled());
  // "Auto-find curve" follows whether a picture is loaded; there is none.
  EXPECT_FALSE(w->autoFindCurve_Btn->isEnabled());
  for (auto* b : rotations) EXPECT_TRUE(b->isEnabled());
  EXPECT_FALSE(w->drawLine_Btn->isEnabled());  // "Draw line" waits for the data points

  w->drawLineMode = true;
  w->updateDrawLineBtn();
  EXPECT_EQ(std::string(w->drawLine_Btn->getText().text()), "Cancel line");
  w->lineX[0] = w->lineY[1] = 7;
  w->lineClickCount = 2;
  w->lineDrawn = true;
  w->resetDrawLine();
  EXPECT_EQ(std::string(w->drawLine_Btn->getText().text()), "Draw line");
  EXPECT_FALSE(w->drawLineMode || w->lineDrawn);
  EXPECT_EQ(w->lineX[0], -1);
  EXPECT_EQ(w->lineY[1], -1);
  EXPECT_EQ(w->lineClickCount, 0);

  w->redrawCapacity = 100;
  w->redrawCounter = 98;
  w->checkRedrawCounter();
  EXPECT_EQ(w->redrawCounter, 98);
  w->redrawCounter = 99;
  w->checkRedrawCounter();
  EXPECT_EQ(w->redrawCounter, 0);
}

TEST_F(ControlStateTest, WindowSizedToItsContentsWithinTheScreen) {
  // The control column is taller than this screen; without its control
  // groups the window fits.
  w->controlsFrame->hide();
  w->recalc();
  qgtest::runFor(100);
  w->layout();
  const int screenW = w->getRoot()->getWidth(), screenH = w->getRoot()->getHeight();
  // The window sized for a picture of w x h, laid out as the idle loop does.
  auto sizeFor = [&](int width, int height) {
    FXImage* picture = new FXImage(qgtest::app(), nullptr, IMAGE_KEEP, width, height);
    w->imageView->setImage(picture);
    w->autoSizeWindow();
    w->layout();
    w->imageView->setImage(nullptr);
    delete picture;
  };

  sizeFor(200, 150);
  const int width = w->getWidth(), height = w->getHeight();
  EXPECT_LT(height, screenH);
  // The image, the magnified column and the control column side by side:
  // the view has exactly the picture's width.
  EXPECT_EQ(w->imageView->getWidth(), 200);

  // Too tall only: the screen's height; too wide only: the screen's width;
  // the window moved so that it lies on the screen.
  // The picture scrolls the other way in a view widened by its scroll bar.
  const int bar = w->imageView->verticalScrollBar()->getDefaultWidth();
  sizeFor(200, screenH + 500);
  EXPECT_EQ(w->getHeight(), screenH);
  EXPECT_EQ(w->getY(), 0);
  EXPECT_EQ(w->getWidth(), width + bar);
  sizeFor(screenW + 500, 150);
  EXPECT_EQ(w->getWidth(), screenW);
  EXPECT_EQ(w->getX(), 0);
  EXPECT_EQ(w->getHeight(), height + w->imageView->horizontalScrollBar()->getDefaultHeight());

  // Larger than the screen both ways: the window keeps its size.
  w->resize(700, 600);
  sizeFor(screenW + 500, screenH + 500);
  EXPECT_EQ(w->getWidth(), 700);
  EXPECT_EQ(w->getHeight(), 600);
}
