// The axis definitions of the main window: conversion of curve points to
// real values on linear, log, Arrhenius and rounded axes, the "exp(v)"
// form, the error boxes, the recalculation, the scale and switch commands,
// the two warnings, the live angle display and the cursor moves between
// the two axis tables.
#include <fxkeys.h>

#include <cmath>
#include <string>

#include "Globals.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

namespace {
std::string text(const FXString& s) { return s.text(); }

class AxesTest : public MainWindowFixture {
protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
    X = w->axisDataPoints_TBL[0];
    Y = w->axisDataPoints_TBL[1];
    curve = w->curveData_TBL;
  }
  void TearDown() override { delete w; }

  // One axis: real values v1, v2 at pixels p1, p2 of its own coordinate;
  // the other pixel column gets a fixed value, as clicks leave it.
  void defineAxis(Table_lom2* t, int axis, const char* v1, const char* v2, int p1, int p2) {
    t->setItemText(0, 0, v1);
    t->setItemText(1, 0, v2);
    t->setItemText(0, axis + 1, FXStringVal(p1));
    t->setItemText(1, axis + 1, FXStringVal(p2));
    t->setItemText(0, 2 - axis, "250");
    t->setItemText(1, 2 - axis, "250");
  }
  // X 0..100 at x pixels 100..300, Y 0..10 at y pixels 400..200.
  void defineBothAxes() {
    defineAxis(X, 0, "0", "100", 100, 300);
    defineAxis(Y, 1, "0", "10", 400, 200);
  }
  void setPoint(int row, int x, double y) {
    curve->setItemText(row, 3, FXStringVal(x));
    curve->setItemText(row, 4, FXStringFormat("%.4lf", y));
  }
  long command(FXObject* sender, FXSelector id) { return w->handle(sender, FXSEL(SEL_COMMAND, id), nullptr); }
  long tableKey(Table_lom2* t, FXuint code, FXuint state) {
    FXEvent ev;
    ev.type = SEL_KEYPRESS;
    ev.code = code;
    ev.state = state;
    return w->handle(t, FXSEL(SEL_KEYPRESS, Quillgrid::ID_AXIS_MINMAX_TABLE), &ev);
  }

  Quillgrid* w = nullptr;
  Table_lom2* X = nullptr;
  Table_lom2* Y = nullptr;
  Table_lom2* curve = nullptr;
};
}  // namespace

TEST_F(AxesTest, LinearLogAndArrheniusConversions) {
  qgtest::ModalScript script;
  defineBothAxes();
  const struct {
    int scaleX;
    const char *v1, *v2;
    bool arrhenius;
    int px;
    double expected;
  } cases[] = {
      {0, "0", "100", false, 200, 50.0},
      {1, "1", "1000", false, 200, 31.622776601683793},
      {1, "1", "1000", false, 300, 1000.0},
      {0, "0", "5", true, 200, 400.0},  // 2.5 shown as 1000/2.5
      {0, "0", "5", true, 100, 0.0},    // 0 is not inverted
  };
  for (const auto& c : cases) {
    w->axisScaleType_x = c.scaleX;
    X->setItemText(0, 0, c.v1);
    X->setItemText(1, 0, c.v2);
    w->arrhenius_Chk->setCheck(c.arrhenius);
    double x = -1, y = -1;
    ASSERT_TRUE(w->getRealValues(-1, false, c.px, 300, &x, &y)) << c.v2 << " " << c.px;
    EXPECT_NEAR(x, c.expected, 1e-9) << c.v2 << " " << c.px;
    EXPECT_NEAR(y, 5.0, 1e-12);  // Y is never inverted
    EXPECT_DOUBLE_EQ(FXDoubleVal(w->currentPosition_TBL->getItemText(0, 0)), FXDoubleVal(w->getFormattedNumberFoxAxis(0, x)));
  }
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(AxesTest, RoundXValueRoundsOnlyTheTableFromTen) {
  qgtest::ModalScript script;
  defineBothAxes();
  defineAxis(X, 0, "0", "1", 100, 200);  // X = (px - 100) / 100
  const struct {
    int px;
    double value, written;
  } cases[] = {{1099, 9.99, 9.99}, {1150, 10.5, 11.0}, {-1150, -12.5, -13.0}};
  w->roundXvalueToNearestInteger_Chk->setCheck(TRUE);
  for (int r = 0; r < 3; ++r) setPoint(r, cases[r].px, 300);
  command(w->roundXvalueToNearestInteger_Chk, Quillgrid::ID_ROUND_X_VALUE);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(text(curve->getItemText(r, 0)), text(w->getFormattedNumberFoxAxis(0, cases[r].written))) << r;
    EXPECT_NEAR(curve->toDouble(r, 0), cases[r].written, 1e-9) << r;
    EXPECT_NEAR(curve->toDouble(r, 1), 5.0, 1e-9) << r;
    double x, y;
    ASSERT_TRUE(w->getRealValues(r, true, -1, -1, &x, &y));
    EXPECT_NEAR(x, cases[r].value, 1e-9) << "the value handed back is not rounded";
  }
  EXPECT_TRUE(w->copyTable_Btn->isEnabled());
  EXPECT_TRUE(w->appendImageDataToXY_Btn->isEnabled());
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(AxesTest, ExpFormIsRewrittenWithItsTip) {
  defineBothAxes();
  X->setItemText(1, 0, " EXP( 2 ) ");
  ASSERT_TRUE(w->areBothAxisDefined());
  EXPECT_EQ(text(X->getItemText(1, 0)), "7.389056e+00");
  EXPECT_EQ(text(X->getItemTipText(1, 0)), "exp( 2 )");

  for (const char* bad : {"exp()", "exp(x)", "exp(1000)"}) {
    Y->setItemText(0, 0, bad);
    EXPECT_FALSE(w->areBothAxisDefined()) << bad;
    EXPECT_EQ(text(Y->getItemText(0, 0)), bad);
  }
  Y->setItemText(0, 0, "12a");
  EXPECT_FALSE(w->areBothAxisDefined());
}

TEST_F(AxesTest, ErrorBoxesAndRecalculation) {
  qgtest::ModalScript script;
  setPoint(0, 200, 300);
  setPoint(1, 250, 300);
  curve->setItemText(1, 0, "old");

  // Undefined axes: one box for the first row; the loop stops there.
  command(w->recalData_Btn, Quillgrid::ID_RECAL_DATA);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(text(script.last().caption), "Axis error");
  EXPECT_EQ(text(script.last().text), "Enter the real values for the axis min and max");
  EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
  EXPECT_TRUE(curve->isEmpty(0, 0));
  EXPECT_EQ(text(curve->getItemText(1, 0)), "old") << "rows below the failure keep their values";
  // The readout never shows a box.
  double x, y;
  EXPECT_FALSE(w->getRealValues(-1, true, 10, 10, &x, &y));
  EXPECT_EQ(script.count(), 1u);

  // A log Y axis with a value of 0: X is written, Y fails.
  defineBothAxes();
  w->axisScaleType_y = 1;
  EXPECT_FALSE(w->getRealValues(0));
  EXPECT_EQ(text(script.last().text), "For a log type axis the value must be greater than 0.");
  EXPECT_NEAR(curve->toDouble(0, 0), 50.0, 1e-9);
  EXPECT_TRUE(curve->isEmpty(0, 1));

  // Both reference points of X at one pixel: refused, not divided by zero.
  w->axisScaleType_y = 0;
  defineAxis(X, 0, "0", "100", 150, 150);
  EXPECT_FALSE(w->getRealValues(0));
  EXPECT_EQ(text(script.last().caption), "Axis error");
  EXPECT_EQ(text(script.last().text),
            "The min and max points of the X-axis are at the same pixel position.\nDefine the X-axis points again.");

  // Defined again: every row with a position is recalculated.
  defineBothAxes();
  const size_t boxes = script.count();
  command(w->recalData_Btn, Quillgrid::ID_RECAL_DATA);
  EXPECT_EQ(script.count(), boxes);
  EXPECT_NEAR(curve->toDouble(0, 0), 50.0, 1e-9);
  EXPECT_NEAR(curve->toDouble(1, 0), 75.0, 1e-9);
  EXPECT_NEAR(curve->toDouble(1, 1), 5.0, 1e-9);
  EXPECT_TRUE(curve->isEmpty(2, 0));
}

TEST_F(AxesTest, ScaleRadiosMarkInvalidLogTablesAndClearTips) {
  qgtest::ModalScript script;
  defineBothAxes();
  X->setItemTipText(0, 0, "exp(1)");
  w->logScalingWarned = w->minMaxWarned = true;
  command(w->axisLog_RB[0], Quillgrid::ID_AXIS_SCALE);
  EXPECT_EQ(w->axisScaleType_x, 1);
  EXPECT_TRUE(w->axisLog_RB[0]->getCheck());
  EXPECT_FALSE(w->axisLinear_RB[0]->getCheck());
  EXPECT_EQ(w->axisLog_RB[0]->getBackColor(), argb(0xFFFFFF00));
  EXPECT_EQ(w->numberFormatType_x, 1) << "the format follows the scale";
  EXPECT_EQ(X->getBackColor(), argb(0xFFFF0000)) << "a log axis starting at 0";
  EXPECT_EQ(X->getCellColor(1, 1), argb(0xFFFF0000));
  EXPECT_EQ(Y->getBackColor(), w->defaultTextFieldBackColor);
  EXPECT_TRUE(X->getItemTipText(0, 0).empty());
  EXPECT_FALSE(w->logScalingWarned || w->minMaxWarned);

  X->setItemText(0, 0, "1");
  command(w->axisLinear_RB[0], Quillgrid::ID_AXIS_SCALE);
  EXPECT_EQ(w->axisScaleType_x, 0);
  EXPECT_EQ(w->numberFormatType_x, 0);
  EXPECT_EQ(X->getBackColor(), w->defaultTextFieldBackColor);
  EXPECT_EQ(w->axisLog_RB[0]->getBackColor(), w->defaultButtonBackColor);

  w->resetAxis();
  EXPECT_TRUE(X->isEmpty(1, 0) && Y->isEmpty(0, 2));
  EXPECT_EQ(w->axisScaleType_x + w->axisScaleType_y, 0);
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(AxesTest, SwitchAxesExchangesValuesFormatsAndScalesButNotPixels) {
  defineBothAxes();
  w->setNumericFormatDependingOnAxisScaling->setCheck(FALSE);
  w->axisScaleType_x = 1;
  w->numberFormatType_x = 0;
  w->numberFormatType_y = 1;
  command(w->switchAxes_Btn, Quillgrid::ID_SWITCH_AXES);
  EXPECT_EQ(text(X->getItemText(1, 0)), "10");
  EXPECT_EQ(text(Y->getItemText(1, 0)), "100");
  EXPECT_EQ(text(X->getItemText(1, 1)), "300");
  EXPECT_EQ(text(Y->getItemText(1, 2)), "200");
  EXPECT_EQ(w->axisScaleType_x, 0);
  EXPECT_EQ(w->axisScaleType_y, 1);
  EXPECT_EQ(w->numberFormatType_x, 1);
  EXPECT_EQ(w->numberFormatType_y, 0);
  EXPECT_TRUE(w->axisLog_RB[1]->getCheck());
}

TEST_F(AxesTest, ArrheniusFixesTheScalesUntilUnchecked) {
  w->arrhenius_Chk->setCheck(TRUE);
  command(w->arrhenius_Chk, Quillgrid::ID_ARRHENIUS);
  EXPECT_EQ(w->axisScaleType_x, 0);
  EXPECT_EQ(w->axisScaleType_y, 1);
  EXPECT_EQ(w->numberFormatType_x, 0);
  EXPECT_EQ(w->numberFormatType_y, 1);
  EXPECT_FALSE(w->axisLog_RB[1]->isEnabled() || w->axisLinear_RB[0]->isEnabled() || w->switchAxes_Btn->isEnabled());
  w->arrhenius_Chk->setCheck(FALSE);
  command(w->arrhenius_Chk, Quillgrid::ID_ARRHENIUS);
  EXPECT_TRUE(w->axisLog_RB[1]->isEnabled() && w->axisLinear_RB[0]->isEnabled() && w->switchAxes_Btn->isEnabled());
  EXPECT_EQ(w->axisScaleType_y, 1) << "unchecking leaves the scales";
}

TEST_F(AxesTest, NumberFormatRewritesTheReadout) {
  defineBothAxes();
  double x, y;
  w->numberFormatType_x = w->numberFormatType_y = 1;
  ASSERT_TRUE(w->getRealValues(-1, false, 200, 300, &x, &y));
  const std::string scientific = text(w->currentPosition_TBL->getItemText(0, 0));
  command(w->numberFormatDecimal_RB[0], Quillgrid::ID_NUMBER_FORMAT_TYPE);
  EXPECT_EQ(w->numberFormatType_x, 0);
  EXPECT_EQ(w->numberFormatType_y, 1);
  EXPECT_EQ(text(w->currentPosition_TBL->getItemText(0, 0)), text(w->getFormattedNumberFoxAxis(0, 50.0)));
  EXPECT_NE(text(w->currentPosition_TBL->getItemText(0, 0)), scientific);
  command(w->numberFormatScientific_RB[0], Quillgrid::ID_NUMBER_FORMAT_TYPE);
  EXPECT_EQ(text(w->currentPosition_TBL->getItemText(0, 0)), scientific);
}

TEST_F(AxesTest, WarningsAreGivenOnceAndStopTheClick) {
  qgtest::ModalScript script;
  w->setAxisScale();
  defineAxis(X, 0, "1", "1000", 100, 300);  // a decade ratio on a linear axis
  defineAxis(Y, 1, "1", "10", 400, 200);
  EXPECT_FALSE(w->checkAxisLogScalingDefinitions());
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(text(script.last().caption), "Axis scaling options");
  EXPECT_EQ(text(script.last().text).rfind("Check your X-axis linear/log scaling.\n\n\nThese settings", 0), 0u);
  EXPECT_TRUE(w->checkAxisLogScalingDefinitions()) << "given once";

  w->dragMode = true;
  w->dragRow = 3;
  w->axisDataType = 3;
  defineAxis(Y, 1, "10", "1", 400, 200);
  EXPECT_TRUE(w->checkAxisMinMaxDefinitions()) << "only for curve points";
  w->axisDataType = 4;
  EXPECT_FALSE(w->checkAxisMinMaxDefinitions());
  EXPECT_EQ(text(script.last().caption), "Y-axis definition warning");
  EXPECT_EQ(text(script.last().text).rfind("Your min value is greater than your max value.", 0), 0u);
  EXPECT_FALSE(w->dragMode);
  EXPECT_EQ(w->dragRow, -1);
  EXPECT_TRUE(w->checkAxisMinMaxDefinitions());

  // Empty real values are undefined, not reversed.
  w->minMaxWarned = false;
  X->setItemText(0, 0, "");
  Y->setItemText(0, 0, "");
  EXPECT_TRUE(w->checkAxisMinMaxDefinitions());
  EXPECT_EQ(script.count(), 2u);
}

TEST_F(AxesTest, AngleFollowsThePointerFromTheOrigin) {
  qgtest::runFor(50);
  w->buttonsEnabled = true;
  X->setItemText(0, 1, "200");
  X->setItemText(0, 2, "300");
  const struct {
    int axis, cx, cy;
    const char* shown;
    FXColor colour;
  } cases[] = {
      {0, 300, 300, "0.00", argb(0xFF00FF00)},
      {1, 200, 200, "90.00", argb(0xFF00FF00)},
      {0, 300, 299, "0.57", argb(0xFFFF0000)},
      {1, 200, 100, "90.00", argb(0xFF00FF00)},
  };
  for (const auto& c : cases) {
    w->setCursorPosition(c.cx, c.cy);
    EXPECT_EQ(text(FXStringFormat("%.2lf", w->getXYAxisCurrentAngle(c.axis))), c.shown);
    EXPECT_EQ(text(w->axisAngle_TF[c.axis]->getText()), c.shown);
    EXPECT_EQ(w->axisAngle_TF[c.axis]->getBackColor(), c.colour);
  }
  // Left of the origin (X) and below it (Y): the fields stay.
  w->setCursorPosition(150, 300);
  EXPECT_EQ(w->getXYAxisCurrentAngle(0), -100);
  w->setCursorPosition(200, 350);
  EXPECT_EQ(w->getXYAxisCurrentAngle(1), -100);
  EXPECT_EQ(text(w->axisAngle_TF[0]->getText()), "0.57");
  EXPECT_EQ(text(w->axisAngle_TF[1]->getText()), "90.00");

  w->resetSelections();
  EXPECT_TRUE(w->axisAngle_TF[0]->getText().empty());
  EXPECT_TRUE(X->isEmpty(0, 1));
  w->buttonsEnabled = false;
  EXPECT_EQ(w->getXYAxisCurrentAngle(0), -100);
}

TEST_F(AxesTest, ResetSelectionsKeepsTypedValues) {
  defineBothAxes();
  w->nextAxisDataType = 7;
  w->axisDataType = 4;
  w->resetSelections();
  EXPECT_EQ(w->nextAxisDataType, 0);
  EXPECT_EQ(w->axisDataType, 0);
  for (Table_lom2* t : {X, Y})
    for (int r = 0; r < 2; ++r) {
      EXPECT_FALSE(t->isEmpty(r, 0));
      EXPECT_TRUE(t->isEmpty(r, 1) && t->isEmpty(r, 2));
    }
}

TEST_F(AxesTest, RealValuesToPixelsInvertsTheConversion) {
  defineBothAxes();
  int px = -1, py = -1;
  w->realValuesToPixels(75, 2.5, &px, &py);
  EXPECT_EQ(px, 250);
  EXPECT_EQ(py, 350);
  w->axisScaleType_x = 1;
  X->setItemText(0, 0, "1");
  X->setItemText(1, 0, "1000");
  w->realValuesToPixels(31.62, 5, &px, &py);
  EXPECT_EQ(px, 199) << "truncated toward zero";
  EXPECT_EQ(py, 300);
  X->setItemText(0, 0, "0");
  px = py = -7;
  w->realValuesToPixels(10, 5, &px, &py);
  EXPECT_EQ(px, -7);
  EXPECT_EQ(py, -7) << "a log axis with a value <= 0 stops the conversion";
}

TEST_F(AxesTest, TabAndShiftTabWalkTheAxisTables) {
  qgtest::runFor(50);
  const struct {
    Table_lom2* from;
    int row;
    FXuint code, state;
    Table_lom2* to;
    int toRow;
  } cases[] = {
      {X, 0, KEY_Tab, 0, X, 1},
      {X, 1, KEY_Tab, 0, Y, 0},
      {Y, 1, KEY_Return, 0, X, 0},
      {Y, 0, KEY_KP_Enter, 0, Y, 1},
      {X, 0, KEY_Tab, SHIFTMASK, Y, 1},
      {X, 1, KEY_ISO_Left_Tab, SHIFTMASK, X, 0},
      {Y, 0, KEY_Tab, SHIFTMASK, X, 1},
  };
  for (const auto& c : cases) {
    c.from->setCurrentItem(c.row, 0);
    c.to->setCurrentItem(c.toRow == 0 ? 1 : 0, 0);
    EXPECT_EQ(tableKey(c.from, c.code, c.state), 1);
    EXPECT_EQ(c.to->getCurrentRow(), c.toRow);
    EXPECT_EQ(c.to->getCurrentColumn(), 0);
    EXPECT_TRUE(c.to->isItemSelected(c.toRow, 0));
    if (c.to != c.from) {
      EXPECT_FALSE(c.from->isItemSelected(c.row, 0));
    }
  }
  // Other keys go to the table; a pixel column is not editable.
  X->setCurrentItem(0, 0);
  EXPECT_EQ(tableKey(X, KEY_5, 0), 0);
  EXPECT_TRUE(X->isEditable());
  X->setCurrentItem(0, 1);
  EXPECT_EQ(tableKey(X, KEY_Tab, 0), 0);
  EXPECT_FALSE(X->isEditable());
  EXPECT_EQ(w->handle(curve, FXSEL(SEL_KEYPRESS, Quillgrid::ID_AXIS_MINMAX_TABLE), nullptr), 0);
  EXPECT_EQ(w->getTable(curve), curve);
  EXPECT_EQ(w->getTable(w->xyValues_TBL), nullptr);
}
