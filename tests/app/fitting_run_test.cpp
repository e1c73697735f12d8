// The fitting run on a real main window: fits from the XY values and the
// Larson-Miller tables, the results it writes, its edge cases and every
// refusal with its message.
#include <cmath>
#include <string>
#include <vector>

#include "FitWindowFixture.h"
#include "Globals.h"
#include "TextField_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {

class FittingRun : public FitWindowFixture {};

TEST_F(FittingRun, QuadraticFromTheXYValuesTable) {
  qgtest::ModalScript script;
  typeQuadratic();
  setOrder(0, 2);
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_EQ(script.count(), 0u);
  EXPECT_EQ(w->numRowsWithData, 10);

  // Coefficients in the user's x, lowest power first in row 0 and reversed
  // in row 1.
  EXPECT_NEAR(coefficient(0, 0), 5, 1e-6);
  EXPECT_NEAR(coefficient(0, 1), -3, 1e-6);
  EXPECT_NEAR(coefficient(0, 2), 2, 1e-6);
  EXPECT_EQ(cell(w->coefficients_TBL[0], 0, 3), "");
  EXPECT_NEAR(FXDoubleVal(w->coefficients_TBL[0]->getItemText(1, 15)), 5, 1e-6);
  EXPECT_NEAR(FXDoubleVal(w->coefficients_TBL[0]->getItemText(1, 13)), 2, 1e-6);

  EXPECT_EQ(field(w->eqnFit_TF[1][0]), "1.000000");
  EXPECT_NEAR(FXDoubleVal(w->eqnFit_TF[2][0]->getText()), 0, 0.05);
  EXPECT_EQ(field(w->excelEqn_TF[0]), "= 2.000000E+00*A2^2 - 3.000000E+00*A2 + 5.000000E+00");

  // Fitted y and % difference beside the typed rows; the results table.
  for (int r = 0; r < 10; ++r) {
    const double x = r + 1, y = 2 * x * x - 3 * x + 5;
    EXPECT_NEAR(FXDoubleVal(w->xyValues_TBL->getItemText(r, 2)), y, 1e-5 * y) << r;
    EXPECT_NEAR(FXDoubleVal(w->xyValues_TBL->getItemText(r, 3)), 0, 0.05) << r;
    EXPECT_FALSE(w->xyValues_TBL->getItemText(r, 3).empty());
    EXPECT_NEAR(FXDoubleVal(w->convertedXYValues_TBL->getItemText(r, 0)), x, 1e-9) << r;
    EXPECT_EQ(cell(w->convertedXYValues_TBL, r, 1), str(w->getFormattedNumberFoxAxis(1, y)));
    EXPECT_NEAR(FXDoubleVal(w->convertedXYValues_TBL->getItemText(r, 2)), y, 1e-5 * y) << r;
    EXPECT_FALSE(w->convertedXYValues_TBL->getItemText(r, 3).empty());
  }
  EXPECT_EQ(cell(w->convertedXYValues_TBL, 10, 0), "");
  EXPECT_TRUE(w->copyConvertedTableAll_Btn->isEnabled());
  EXPECT_TRUE(w->copyEqns_Btn->isEnabled());

  // One zone: no mismatch, texts without a header, a rising curve.
  EXPECT_EQ(field(w->eqnFit_TF[3][0]), "");
  const std::string notAdjusted = cell(w->hiddenLMPStuff_TBL, w->hiddenTableEqnRows[0], 0);
  EXPECT_EQ(notAdjusted.rfind("t[0] = ", 0), 0u) << notAdjusted;
  EXPECT_NE(notAdjusted.find("\nt[1] = "), std::string::npos);
  EXPECT_NE(notAdjusted.find("\neqns[0] = 2.000000e+00*x^2 - 3.000000e+00*x + 5.000000e+00"), std::string::npos)
      << notAdjusted;
  EXPECT_EQ(cell(w->hiddenLMPStuff_TBL, w->hiddenTableEqnRows[1], 0).rfind("t[0] = ", 0), 0u);
  EXPECT_EQ(str(w->positiveSlope_Lbl->getText()), "Positive slope: Y");
  EXPECT_EQ(str(w->negativeSlope_Lbl->getText()), "Negative slope: N");  // the minimum lies left of the data

  // Series: the sorted points and the curve over the data range.
  ASSERT_NE(w->plotDataX, nullptr);
  EXPECT_EQ(w->plotDataCounts[0], 10);
  EXPECT_EQ(w->plotDataCounts[1], std::max(w->fitPlotCanvas->getWidth() / 3, 10));
  const int m = w->plotDataCounts[1];
  EXPECT_DOUBLE_EQ(w->plotDataX[1][0], 1);
  EXPECT_DOUBLE_EQ(w->plotDataX[1][m - 1], 10);
  EXPECT_NEAR(w->plotDataY[1][m - 1], 175, 1e-6);
  EXPECT_EQ(w->plotPointColors[0][0], argb(0xFFFF0000));  // zone 0's colour
}

// Points clicked on a loaded picture land in the curve-points table as
// real values through the axis conversion, and the "Image" data source fits
// them: y = 1 + 0.0002 x^2 on X 0..300 (pixels 50..350) and Y 0..20
// (pixels 250..50), the points clicked out of x order.
TEST_F(FittingRun, PointsPickedOnTheImageAreFitted) {
  qgtest::ModalScript script;
  showTab(0);
  {
    std::vector<FXColor> white(400 * 300, FXRGB(255, 255, 255));
    FXFileStream out;
    ASSERT_TRUE(out.open("graph.bmp", FXStreamSave));
    ASSERT_TRUE(fxsaveBMP(out, white.data(), 400, 300));
  }
  ASSERT_TRUE(w->loadImage("graph.bmp"));
  w->recalc();
  qgtest::runFor(100);
  w->getExtraPixels();
  const int ex = w->extraPixels[0], ey = w->extraPixels[1];
  w->autoFindPoint_Chk->setCheck(FALSE);
  w->autoFindAxisMaxXY_Chk->setCheck(FALSE);
  auto click = [&](int ix, int iy) {
    w->setCursorPosition(ix + ex, iy + ey);
    FXEvent ev;
    ev.type = SEL_LEFTBUTTONPRESS;
    ev.code = LEFTBUTTON;
    ev.state = 0;
    return w->handle(w->imageView, FXSEL(SEL_LEFTBUTTONPRESS, Quillgrid::ID_IMAGE_VIEW), &ev);
  };
  ASSERT_EQ(click(50, 250), 1);  // origin
  ASSERT_EQ(click(350, 250), 1);  // X max
  ASSERT_EQ(click(50, 50), 1);  // Y max
  w->axisDataPoints_TBL[0]->setItemText(0, 0, "0");
  w->axisDataPoints_TBL[0]->setItemText(1, 0, "300");
  w->axisDataPoints_TBL[1]->setItemText(0, 0, "0");
  w->axisDataPoints_TBL[1]->setItemText(1, 0, "20");
  const struct {
    int ix, iy;
    double x, y;
  } picks[] = {{200, 195, 150, 5.5}, {100, 235, 50, 1.5}, {300, 115, 250, 13.5}, {150, 220, 100, 3}, {250, 160, 200, 9}};
  Table_lom2* curve = w->curveData_TBL;
  for (int r = 0; r < 5; ++r) {
    ASSERT_EQ(click(picks[r].ix, picks[r].iy), 1);
    ASSERT_NEAR(curve->toDouble(r, 0), picks[r].x, 1e-9) << r;
    ASSERT_NEAR(curve->toDouble(r, 1), picks[r].y, 1e-9) << r;
  }

  showTab(3);
  qgtest::runFor(50);
  w->handle(w->dataSource_RB[0], FXSEL(SEL_COMMAND, Quillgrid::ID_DATA_SOURCE_FIRST), nullptr);
  ASSERT_EQ(w->dataSourceTable, curve);
  setOrder(0, 2);
  // The "Fit data" button.
  w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr);
  EXPECT_EQ(script.count(), 0u);
  EXPECT_EQ(w->numRowsWithData, 5);
  EXPECT_NEAR(coefficient(0, 0), 1, 1e-6);
  EXPECT_NEAR(coefficient(0, 1), 0, 1e-6);
  EXPECT_NEAR(coefficient(0, 2), 0.0002, 1e-10);
  EXPECT_EQ(field(w->eqnFit_TF[1][0]), "1.000000");

  // Differences in the table's "% diff" column, results in table order; the
  // stored positions stay as clicked.
  for (int r = 0; r < 5; ++r) {
    EXPECT_EQ(cell(curve, r, 2), "0.0") << r;
    EXPECT_EQ(cell(curve, r, 3), std::to_string(ex + picks[r].ix)) << r;
    EXPECT_EQ(cell(curve, r, 4), str(FXStringFormat("%.4lf", double(ey + picks[r].iy)))) << r;
    EXPECT_NEAR(FXDoubleVal(w->convertedXYValues_TBL->getItemText(r, 0)), picks[r].x, 1e-9) << r;
    EXPECT_NEAR(FXDoubleVal(w->convertedXYValues_TBL->getItemText(r, 2)), picks[r].y, 1e-6) << r;
  }
  EXPECT_EQ(cell(curve, 5, 2), "");
  ASSERT_NE(w->plotDataX, nullptr);
  for (int i = 0; i < 5; ++i) EXPECT_DOUBLE_EQ(w->plotDataX[0][i], 50.0 * (i + 1)) << i;
  EXPECT_NE(picture(w->fitPlot, "image_source_fit"), nullptr);
}

TEST_F(FittingRun, RowWithZeroYGetsNoDifference) {
  qgtest::ModalScript script;
  typeXY({{1, 0, 0}, {2, 2.5, 0}, {3, 4, 0}, {4, 6.5, 0}, {5, 8, 0}});
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 3), "");
  EXPECT_EQ(cell(w->convertedXYValues_TBL, 0, 3), "");
  EXPECT_FALSE(w->convertedXYValues_TBL->getItemText(0, 2).empty());
  // The largest difference is that of the other rows only.
  double largest = 0;
  for (int r = 1; r < 5; ++r) {
    const double d = FXDoubleVal(w->xyValues_TBL->getItemText(r, 3));
    if (std::fabs(d) > std::fabs(largest)) largest = d;
  }
  EXPECT_NEAR(FXDoubleVal(w->eqnFit_TF[2][0]->getText()), largest, 0.051);
  EXPECT_LT(std::fabs(largest), 20);
}

TEST_F(FittingRun, CoefficientsAreInTheUsersX) {
  qgtest::ModalScript script;
  // y = 0.001 x^2 + 3 x + 7 for x = 100..500.
  std::vector<Row> rows;
  for (int x = 100; x <= 500; x += 50) rows.push_back({(double)x, 0.001 * x * x + 3.0 * x + 7.0, 0});
  typeXY(rows);
  setOrder(0, 2);
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_NEAR(coefficient(0, 0), 7, 1e-4);
  EXPECT_NEAR(coefficient(0, 1), 3, 1e-6);
  EXPECT_NEAR(coefficient(0, 2), 0.001, 1e-9);
  EXPECT_EQ(field(w->eqnFit_TF[1][0]), "1.000000");
}

TEST_F(FittingRun, ScaleFactorZeroBecomesOne) {
  qgtest::ModalScript script;
  typeQuadratic();
  w->y_axisScaleFactor->setText("0");
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_EQ(field(w->y_axisScaleFactor), "1.0");
  EXPECT_DOUBLE_EQ(w->yAxisScaleFactor, 1.0);
  EXPECT_EQ(w->y_axisScaleFactor->getBackColor(), w->defaultTextFieldBackColor);

  // A real factor scales y.
  w->y_axisScaleFactor->setText("2");
  setOrder(0, 2);
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_NEAR(coefficient(0, 2), 4, 1e-6);
  EXPECT_NEAR(FXDoubleVal(w->convertedXYValues_TBL->getItemText(0, 1)), 8, 1e-9);
  EXPECT_EQ(w->y_axisScaleFactor->getBackColor(), argb(0xFFFFFF00));
}

TEST_F(FittingRun, TwoZonesMeetingAtZeroBothTakeTheFixedIntercept) {
  qgtest::ModalScript script;
  // y = x^2 + 3, limit at 0; the intercept is fixed at 2 for both zones.
  std::vector<Row> rows;
  for (int x = -5; x <= 5; ++x) rows.push_back({(double)x, x * x + 3.0, 0});
  typeXY(rows);
  w->numEquations = 2;
  w->fitPlotZoneMarkers_real_x[0] = 0;
  w->fitPlotZoneMarkers_real_x[1] = 5;
  setOrder(0, 2);
  setOrder(1, 2);
  w->setEqnYIntercept_Chk->setCheck(TRUE);
  w->enableDisableInterceptInput();
  w->equation_Y_intercept_TF->setText("2");
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_EQ(script.count(), 0u);
  EXPECT_DOUBLE_EQ(coefficient(0, 0), 2);
  EXPECT_DOUBLE_EQ(coefficient(1, 0), 2);
  EXPECT_FALSE(w->eqnFit_TF[3][0]->getText().empty());  // mismatch at the limit
  EXPECT_EQ(cell(w->hiddenLMPStuff_TBL, w->hiddenTableEqnRows[0], 0).rfind("not adjusted\n", 0), 0u);
  EXPECT_EQ(cell(w->hiddenLMPStuff_TBL, w->hiddenTableEqnRows[1], 0).rfind("adjusted\n", 0), 0u);
  // Points of zone 1 in its colour.
  EXPECT_EQ(w->plotPointColors[0][10], argb(0xFF00FF00));

  // Without the option each zone finds its own intercept near 3.
  w->setEqnYIntercept_Chk->setCheck(FALSE);
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_NEAR(coefficient(0, 0), 3, 1e-6);
  EXPECT_NEAR(coefficient(1, 0), 3, 1e-6);
}

TEST_F(FittingRun, DataEndingAtZeroKeepsItsLastPointInTheLastZone) {
  qgtest::ModalScript script;
  std::vector<Row> rows;
  for (int x = -10; x <= 0; ++x) rows.push_back({(double)x, x * x + 3.0, 0});
  typeXY(rows);
  w->numEquations = 2;
  w->fitPlotZoneMarkers_real_x[0] = -5;
  w->fitPlotZoneMarkers_real_x[1] = 0;
  setOrder(0, 2);
  setOrder(1, 2);
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_EQ(script.count(), 0u);
  ASSERT_NE(w->plotDataX, nullptr);
  ASSERT_EQ(w->plotDataX[0][10], 0);
  for (int i = 0; i <= 10; ++i)
    EXPECT_EQ(w->plotPointColors[0][i], w->getPlotPointColor(w->plotDataX[0][i] < -5 ? 0 : 1)) << i;
  const int m = w->plotDataCounts[1];
  EXPECT_NEAR(w->plotDataY[1][m - 1], 3, 1e-6) << "the curve's end from the last zone";
}

TEST_F(FittingRun, LarsonMillerFit) {
  qgtest::ModalScript script;
  // ln(stress) = 8 - 0.2 LMP/1000 with C = 20, two temperatures.
  std::vector<Row> rows;
  for (double T : {800.0, 900.0})
    for (double t : {10.0, 100.0, 1000.0}) rows.push_back({t, std::exp(8 - 0.2 * (std::log10(t) + 20) * T / 1000), T});
  typeLMP(rows);
  ASSERT_EQ(w->dataSource, 2);
  ASSERT_TRUE(w->getQuillgrid());
  screenshot("larson_miller_fit");
  EXPECT_EQ(script.count(), 0u);
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 3), "16800");  // (1 + 20) * 800
  for (int r = 0; r < 6; ++r) EXPECT_NEAR(FXDoubleVal(w->lmpData_TBL->getItemText(r, 4)), 0, 0.051) << r;
  EXPECT_EQ(field(w->eqnFit_TF[1][0]), "1.000000");
  EXPECT_NEAR(coefficient(0, 1), -0.2, 1e-6);
  EXPECT_EQ(field(w->excelEqn_TF[0]).rfind("= exp(", 0), 0u) << field(w->excelEqn_TF[0]);
  EXPECT_EQ(field(w->lmpMin_TF), "16.800");
  const double largest = (std::log10(1000.0) + 20) * 900 * 0.001;
  EXPECT_EQ(field(w->lmpMax_TF), str(FXStringFormat("%.3lf", std::ceil(largest * 1000) / 1000)));
  EXPECT_EQ(str(w->lmpMax_TF->getTipText()), "20.700");
  EXPECT_EQ(field(w->lmpMinTemperature_TF), "800.0");
  EXPECT_EQ(field(w->lmpMaxTemperature_TF), "900.0");
  EXPECT_EQ(cell(w->hiddenLMPStuff_TBL, 0, 2), "'20");
  EXPECT_EQ(cell(w->hiddenLMPStuff_TBL, 0, 3), "'800.0");
  EXPECT_EQ(str(w->plotNote).rfind("C = 20     LMP = 16.800 - 20.700     T = 800.0 - 900.0     Max. diff. = ", 0), 0u)
      << str(w->plotNote);
  EXPECT_NE(str(w->plotNote).find("R^2 = 1.000000\n\n= exp("), std::string::npos);
  // Falling everywhere: no warning colours.
  EXPECT_EQ(str(w->positiveSlope_Lbl->getText()), "Positive slope: N");
  EXPECT_EQ(str(w->negativeSlope_Lbl->getText()), "Negative slope: Y");
  EXPECT_EQ(w->lmp_C_TF->getBackColor(), w->defaultTextFieldBackColor);
  // The last zone ends at the largest LMP/1000; points coloured by temperature.
  EXPECT_NEAR(w->fitPlotZoneMarkers_real_x[0], 20.7, 1e-9);
  EXPECT_EQ(w->plotPointColors[0][0], LMP_TEMP_COLORS[0]);
  EXPECT_EQ(w->plotPointColors[0][5], LMP_TEMP_COLORS[1]);
}

TEST_F(FittingRun, LarsonMillerTemperatureZeroAcceptedTimeZeroRefused) {
  qgtest::ModalScript script;
  typeLMP({{10, 100, 0}, {100, 80, 800}, {1000, 60, 900}});
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 3), "0");
  EXPECT_EQ(script.count(), 0u);

  w->lmpData_TBL->setItemText(1, 0, "0");
  EXPECT_FALSE(w->getQuillgrid());
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(str(script.last().caption), "Illegal values");
  EXPECT_EQ(str(script.last().text),
            "Some of your time/stress/temperature values are too small, all values must be greater than 0.");
  EXPECT_EQ(w->plotDataX, nullptr);
}

TEST_F(FittingRun, RefusalsAndTheirMessages) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
    const char* caption;
    const char* text;
  };
  const Case cases[] = {
      {"empty xy table", [this] { typeXY({}); }, "Missing data",
       "You have your data source as the xy values data points table but there is no data in this table."},
      {"ln of x = 0",
       [this] {
         typeXY({{0, 1, 0}, {1, 2, 0}, {2, 3, 0}});
         setFitType(1);
       },
       "Illegal values", "Some of your x values are 0 or negative, pick a different plot type."},
      {"ln of y < 0",
       [this] {
         typeXY({{1, 1, 0}, {2, -2, 0}, {3, 3, 0}});
         setFitType(2);
       },
       "Illegal values", "Some of your y values are 0 or negative, pick a different plot type."},
      // Linear axes start with the decimal number format for x.
      {"too few points",
       [this] {
         typeXY({{1, 1, 0}, {2, 4, 0}, {3, 9, 0}});
         setOrder(0, 3);
       },
       "Bad boundaries",
       "There are not enough points between 1.00000 and 3.0000 for a 3-order fit (Eqn. #1) with 2 "
       "overlap points."},
      {"empty intercept",
       [this] {
         typeXY({{1, 1, 0}, {2, 4, 0}, {3, 9, 0}});
         w->setEqnYIntercept_Chk->setCheck(TRUE);
         w->equation_Y_intercept_TF->setText("  ");
       },
       "Illegal Y-intercept value", "Check your value for the Y-intercept."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    w->onCmdClearXYValuesTable(nullptr, 0, nullptr);
    setFitType(0);
    setOrder(0, 1);
    w->setEqnYIntercept_Chk->setCheck(FALSE);
    qgtest::ModalScript script;
    c.prepare();
    EXPECT_FALSE(w->getQuillgrid());
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
    EXPECT_EQ(script.last().buttons, (FXuint)MBOX_OK);
    EXPECT_EQ(str(script.last().caption), c.caption);
    EXPECT_EQ(str(script.last().text), c.text);
    // Refused runs leave cleared results and blank plots.
    EXPECT_EQ(field(w->excelEqn_TF[0]), "");
    EXPECT_EQ(cell(w->coefficients_TBL[0], 0, 0), "");
    EXPECT_EQ(w->plotDataX, nullptr);
  }
  EXPECT_EQ(w->equation_Y_intercept_TF->getBackColor(), argb(0xFFFF0000));

  // A data source that is not set refuses silently.
  qgtest::ModalScript script;
  w->dataSourceTable = nullptr;
  w->dataSource = 0;
  EXPECT_FALSE(w->getQuillgrid());
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(FittingRun, EmptyExcelCellPaintsItRedAndAsksForIt) {
  qgtest::ModalScript script;
  typeQuadratic();
  setFitType(1);  // ln(x): an empty cell would otherwise read LN()
  w->excel_cell_TF->setText("  b7 ");
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_EQ(field(w->excel_cell_TF), "B7");
  EXPECT_NE(field(w->excelEqn_TF[0]).find("*LN(B7)"), std::string::npos) << field(w->excelEqn_TF[0]);

  w->excel_cell_TF->setText("");
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_EQ(w->excel_cell_TF->getBackColor(), argb(0xFFFF0000));
  EXPECT_EQ(field(w->excelEqn_TF[0]), "You must enter a value for the Excel cell");
  EXPECT_EQ(field(w->eqnFit_TF[1][0]).empty(), false);
}

}  // namespace
