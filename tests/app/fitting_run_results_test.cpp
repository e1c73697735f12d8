// The fitting run, started by its "Fit data" button, shows the results of
// that run only: a refused run shows no fit, a zone that cannot be fitted
// says so and moves no other zone, text rows are no data points, cells the
// run does not write are empty, and certified data keep their digits.
#include <cmath>
#include <string>
#include <vector>

#include "../../bench/ReferenceData.h"
#include "FitWindowFixture.h"
#include "Globals.h"
#include "TextField_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {

class FittingRunResults : public FitWindowFixture {
protected:
  void pressFitData() { w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr); }
  void setOverlap(int points) {
    for (int i = 0; i < w->numOfOverlapPoints_LB->getNumItems(); ++i)
      if (FXIntVal(w->numOfOverlapPoints_LB->getItemText(i), 10) == points)
        w->numOfOverlapPoints_LB->setCurrentItem(i, FALSE);
    ASSERT_EQ(w->currentItemNumber(w->numOfOverlapPoints_LB), points);
  }
  void setZones(const std::vector<double>& limits) {
    w->numEquations = (int)limits.size();
    for (size_t j = 0; j < limits.size(); ++j) w->fitPlotZoneMarkers_real_x[j] = limits[j];
  }
  void emptyXYRow(int r) {
    w->xyValues_TBL->setItemText(r, 0, "");
    w->xyValues_TBL->setItemText(r, 1, "");
  }
  std::string copied(int adjusted) { return cell(w->hiddenLMPStuff_TBL, w->hiddenTableEqnRows[adjusted], 0); }
  // The line of zone z in a copied text ("eqns[z] = ...").
  static std::string equationLine(const std::string& text, int z) {
    const std::string start = "eqns[" + std::to_string(z) + "] = ";
    const size_t at = text.find(start);
    if (at == std::string::npos) return "";
    return text.substr(at, text.find('\n', at) - at);
  }
  // Pixels of a picture that are not the plot background.
  int drawnPixels(FXImage* img) {
    const FXColor background = BACK_GROUND_COLORS[w->plotBackgroundColorIndex];
    return img->getWidth() * img->getHeight() - countInColumns(img, 0, img->getWidth() - 1, background);
  }
};

// The plot was drawn with the last run's data and note before the limits
// were checked; a refused run must show none of it.
TEST_F(FittingRunResults, RefusedRunShowsNoFitOnAnyPlot) {
  struct Case {
    const char* name;
    std::function<void()> refuse;
    const char* caption;
  };
  const Case cases[] = {
      {"too few points for the order", [this] { setOrder(0, 4); }, "Bad boundaries"},
      {"empty intercept",
       [this] {
         w->setEqnYIntercept_Chk->setCheck(TRUE);
         w->equation_Y_intercept_TF->setText(" ");
       },
       "Illegal Y-intercept value"},
  };
  w->showEquationOnImage_Chk->setCheck(TRUE);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    w->setEqnYIntercept_Chk->setCheck(FALSE);
    typeXY({{1, 6, 0}, {2, 9, 0}, {3, 14, 0}, {4, 21, 0}});  // y = x^2 + 5
    setOrder(0, 2);
    qgtest::ModalScript script;
    pressFitData();
    ASSERT_EQ(script.count(), 0u);
    ASSERT_GT(drawnPixels(grab(w->fitPlotCanvas)), 0);

    c.refuse();
    pressFitData();
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(str(script.last().caption), c.caption);
    qgtest::runFor(50);
    EXPECT_EQ(drawnPixels(grab(w->fitPlotCanvas)), 0) << "the old curve or note is shown";
    EXPECT_EQ(drawnPixels(picture(w->fitPlot, "refused_fit")), 0);
    EXPECT_EQ(drawnPixels(picture(w->halfWidthPlot, "refused_fit_half")), 0);
    for (int i = 0; i < 2; ++i) EXPECT_EQ(drawnPixels(picture(w->smallPlots[i], "refused_fit_small")), 0) << i;
    EXPECT_EQ(w->plotNote, FXString::null);
    // Nothing of the old fit beside the rows either.
    for (int r = 0; r < 4; ++r) EXPECT_EQ(cell(w->xyValues_TBL, r, 2) + cell(w->xyValues_TBL, r, 3), "") << r;
  }
}

// Zone 1 holds three points at one x: a second-order fit cannot be made.
TEST_F(FittingRunResults, ZoneThatCannotBeFittedIsLeftOutOfTheEquations) {
  std::vector<Row> rows;
  for (double x : {1.0, 2.0, 3.0, 4.0, 5.0, 5.0, 5.0, 7.0, 8.0, 9.0, 10.0}) rows.push_back({x, x * x + 3, 0});
  typeXY(rows);
  setZones({4.5, 6, 10});
  for (int z = 0; z < 3; ++z) setOrder(z, 2);
  setOverlap(0);
  qgtest::ModalScript script;
  pressFitData();
  EXPECT_EQ(script.count(), 0u);

  EXPECT_EQ(field(w->excelEqn_TF[1]), "error - not fitted");
  EXPECT_EQ(field(w->eqnFit_TF[1][1]), "");
  EXPECT_NEAR(coefficient(0, 2), 1, 1e-9);
  EXPECT_NEAR(coefficient(2, 0), 3, 1e-9);
  for (int adjusted = 0; adjusted < 2; ++adjusted) {
    SCOPED_TRACE(adjusted ? "adjusted" : "not adjusted");
    const std::string text = copied(adjusted);
    EXPECT_EQ(equationLine(text, 1), "eqns[1] = error - not fitted") << text;
    // Every coefficient of the fitted zones is written.
    for (int z : {0, 2}) {
      const std::string line = equationLine(text, z);
      ASSERT_FALSE(line.empty()) << text;
      EXPECT_EQ(line.find(" *x"), std::string::npos) << line;
      EXPECT_EQ(line.find("= *"), std::string::npos) << line;
      EXPECT_NE(line.back(), ' ') << line;
    }
  }
  // Zone 2 has no fitted zone before it to meet: adjusting leaves it as
  // fitted, where it was moved to meet a zero polynomial.
  EXPECT_EQ(equationLine(copied(1), 2), equationLine(copied(0), 2));
  EXPECT_EQ(cell(w->coefficients_TBL[1], 2, 0), "");

  // The rows of the zone get no fitted value and no difference.
  for (int r = 4; r <= 6; ++r) {
    EXPECT_EQ(cell(w->xyValues_TBL, r, 2), "") << r;
    EXPECT_EQ(cell(w->xyValues_TBL, r, 3), "") << r;
  }
  EXPECT_NEAR(FXDoubleVal(w->xyValues_TBL->getItemText(8, 2)), 67, 1e-6);
}

// Limits placed for ln(x) kept after the switch to x vs ln(y): zone 0 then
// holds x = 1 alone and zone 1 x = 2 alone. With two overlap points zone 0
// would fit a second order through two points.
TEST_F(FittingRunResults, ZoneGettingTooFewPointsIsRefused) {
  std::vector<Row> rows;
  for (int x = 1; x <= 20; ++x) rows.push_back({(double)x, 0.5 * x * x + 1, 0});
  typeXY(rows);
  setFitType(1);
  setZones({1.5, 2.5, std::log(20.0)});
  for (int z = 0; z < 3; ++z) setOrder(z, 2);
  setOverlap(2);
  qgtest::ModalScript script;
  pressFitData();
  ASSERT_EQ(script.count(), 0u);
  ASSERT_NEAR(w->fitPlotZoneMarkers_real_x[0], 1.5, 1e-9);

  // The "x vs ln(y)" radio button.
  w->handle(w->curveFitType_RB[2], FXSEL(SEL_COMMAND, Quillgrid::ID_CURVE_FIT_TYPE), nullptr);
  ASSERT_EQ(w->curveFitType, 2);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(str(script.last().caption), "Bad boundaries");
  const double limit = FXDoubleVal(w->eqnFit_TF[0][0]->getText());
  EXPECT_NEAR(limit, 1.5, 1e-9);
  const std::string text = str(FXStringFormat(
      "There are not enough points between %s and %s for a 2-order fit (Eqn. #1) with 2 overlap points.",
      w->getFormattedNumberFoxAxis(0, 0.999999).text(), w->getFormattedNumberFoxAxis(0, limit).text()));
  EXPECT_EQ(str(script.last().text), text);
  EXPECT_EQ(field(w->excelEqn_TF[0]), "");
  EXPECT_EQ(copied(0), "");
}

// A header row and a note typed among the rows are not data points: the
// fit is made from the numbers, and the user hears of the rows once.
TEST_F(FittingRunResults, TextRowsAreLeftOutAndTheUserToldOnce) {
  w->xyValues_TBL->setItemText(0, 0, "x");
  w->xyValues_TBL->setItemText(0, 1, "y");
  for (int x = 1; x <= 10; ++x) {
    w->xyValues_TBL->setItemText(x, 0, FXStringFormat("%d", x));
    w->xyValues_TBL->setItemText(x, 1, FXStringFormat("%d", x + 10));
  }
  w->xyValues_TBL->setItemText(4, 1, "n/a");
  w->dataSource = 1;
  w->setDataSource();
  setOrder(0, 1);
  qgtest::ModalScript script;
  pressFitData();
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::INFORMATION_BOX);
  EXPECT_EQ(str(script.last().caption), "Rows left out");
  EXPECT_EQ(str(script.last().text), "2 rows were left out of the fit: their x or y cells hold text that is not a number.");
  EXPECT_EQ(w->numRowsWithData, 9);
  EXPECT_NEAR(coefficient(0, 0), 10, 1e-9);
  EXPECT_NEAR(coefficient(0, 1), 1, 1e-9);
  EXPECT_EQ(field(w->eqnFit_TF[1][0]), "1.000000");
  // The text rows get nothing beside them; the results table lists the
  // fitted rows one after the other.
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 2), "");
  EXPECT_EQ(cell(w->xyValues_TBL, 4, 2), "");
  EXPECT_NEAR(FXDoubleVal(w->xyValues_TBL->getItemText(5, 2)), 15, 1e-9);
  EXPECT_NEAR(FXDoubleVal(w->convertedXYValues_TBL->getItemText(0, 0)), 1, 1e-9);
  EXPECT_NEAR(FXDoubleVal(w->convertedXYValues_TBL->getItemText(3, 0)), 5, 1e-9);
  EXPECT_EQ(w->plotDataCounts[0], 9);
  for (int i = 0; i < 9; ++i) EXPECT_NE(w->plotDataX[0][i], 0) << i;

  // The same rows again: no second notice; other rows: a new one.
  pressFitData();
  EXPECT_EQ(script.count(), 1u);
  w->xyValues_TBL->setItemText(4, 1, "14");
  pressFitData();
  ASSERT_EQ(script.count(), 2u);
  EXPECT_EQ(str(script.last().text), "1 row was left out of the fit: its x or y cell holds text that is not a number.");
}

// An empty cell ends the data: the rows below that hold values are not
// fitted, and the user hears how many (the fit said nothing of them).
TEST_F(FittingRunResults, RowsBelowAnEmptyCellAreToldAsNotFitted) {
  const std::string after4 = "7 rows holding values were not fitted: the data ends at row 4, whose x or y cell is empty.";
  struct Case {
    const char* name;
    std::function<void()> change;
    ModalSeam::Kind kind;
    const char* caption;
    std::string text;
    int fitted;
  };
  const Case cases[] = {
      {"an empty y", [this] { w->xyValues_TBL->setItemText(3, 1, ""); }, ModalSeam::INFORMATION_BOX, "Rows left out",
       after4, 3},
      {"an empty y and a text cell",
       [this] {
         w->xyValues_TBL->setItemText(3, 1, "");
         w->xyValues_TBL->setItemText(1, 0, "n/a");
       },
       ModalSeam::INFORMATION_BOX, "Rows left out",
       "1 row was left out of the fit: its x or y cell holds text that is not a number.\n" + after4, 2},
      {"one row after an empty row",
       [this] {
         for (int r = 4; r < 9; ++r) emptyXYRow(r);
         w->xyValues_TBL->setItemText(9, 1, "");
       },
       ModalSeam::INFORMATION_BOX, "Rows left out",
       "1 row holding values was not fitted: the data ends at row 5, whose x or y cell is empty.", 4},
      {"an empty first row",
       [this] { emptyXYRow(0); }, ModalSeam::ERROR_BOX, "Missing data",
       "You have your data source as the xy values data points table but there is no data in this table.\n"
       "9 rows holding values were not fitted: the data ends at row 1, whose x or y cell is empty.",
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    w->onCmdClearXYValuesTable(nullptr, 0, nullptr);
    typeQuadratic();
    setOrder(0, 1);
    c.change();
    qgtest::ModalScript script;
    pressFitData();
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(script.last().kind, c.kind);
    EXPECT_EQ(str(script.last().caption), c.caption);
    EXPECT_EQ(str(script.last().text), c.text);
    if (c.fitted) {
      EXPECT_EQ(w->numRowsWithData, c.fitted);
    }
    // The same rows again: no second notice.
    if (c.kind == ModalSeam::INFORMATION_BOX) {
      pressFitData();
      EXPECT_EQ(script.count(), 1u);
    }
  }

  // The Larson-Miller table says which of its cells may be empty.
  typeLMP({{10, 100, 800}, {100, 90, 800}, {1000, 80, 800}, {10, 70, 900}, {100, 60, 900}});
  w->lmpData_TBL->setItemText(2, 2, "");
  qgtest::ModalScript script;
  pressFitData();
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(str(script.last().text), "3 rows holding values were not fitted: the data ends at row 3, whose time, "
                                     "stress or temperature cell is empty.");
}

// Cells of the XY values table that a run does not write keep nothing of
// an earlier run.
TEST_F(FittingRunResults, CellsTheRunDoesNotWriteAreEmpty) {
  struct Case {
    const char* name;
    std::function<void()> change;
    int firstRowWithFit;  // rows from here on get no fitted value
    int firstRowWithDiff;  // nor a % difference
  };
  const Case cases[] = {
      {"x is a temperature", [this] { w->xAxisIsTemperature_Chk->setCheck(TRUE); }, 0, 10},
      {"y scale factor 2", [this] { w->y_axisScaleFactor->setText("2"); }, 0, 10},
      {"fewer rows",
       [this] {
         for (int r = 6; r < 10; ++r) emptyXYRow(r);
       },
       6, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    w->xAxisIsTemperature_Chk->setCheck(FALSE);
    w->y_axisScaleFactor->setText("1");
    typeQuadratic();
    setOrder(0, 2);
    qgtest::ModalScript script;
    pressFitData();
    ASSERT_FALSE(w->xyValues_TBL->getItemText(9, 2).empty());
    c.change();
    pressFitData();
    EXPECT_EQ(script.count(), 0u);
    for (int r = 0; r < 10; ++r) {
      EXPECT_EQ(w->xyValues_TBL->getItemText(r, 2).empty(), r >= c.firstRowWithFit) << r;
      EXPECT_EQ(w->xyValues_TBL->getItemText(r, 3).empty(), r >= c.firstRowWithDiff) << r;
    }
  }
}

// The certified sets through the whole run: table text in, "Fit data",
// coefficients read back from the coefficient table at 20 decimals.
TEST_F(FittingRunResults, CertifiedDataKeepTwelveDigitsThroughTheRun) {
  QG_REQUIRE_TESTDATA();
  const std::string nist = qgtest::testdata("nist/");
  for (int i = 0; i < w->numOfDecimalsInCoefficients_LB->getNumItems(); ++i)
    if (FXIntVal(w->numOfDecimalsInCoefficients_LB->getItemText(i), 10) == 20)
      w->numOfDecimalsInCoefficients_LB->setCurrentItem(i, FALSE);
  w->maxFitOrder_LB->setCurrentItem(w->maxFitOrder_LB->getNumItems() - 1, FALSE);
  for (const char* name : {"Norris", "Pontius", "Wampler1", "Wampler2"}) {
    SCOPED_TRACE(name);
    refdata::DataSet set;
    ASSERT_TRUE(refdata::load(nist + name, set));
    // The cells hold the published text.
    const std::string csv = qgtest::readFile(nist + name + ".csv");
    w->onCmdClearXYValuesTable(nullptr, 0, nullptr);
    size_t at = csv.find('\n') + 1;
    for (int r = 0; at < csv.size(); ++r) {
      const size_t end = csv.find('\n', at);
      const std::string line = csv.substr(at, end == std::string::npos ? std::string::npos : end - at);
      const size_t comma = line.find(',');
      w->xyValues_TBL->setItemText(r, 0, line.substr(0, comma).c_str());
      w->xyValues_TBL->setItemText(r, 1, line.substr(comma + 1).c_str());
      at = end == std::string::npos ? csv.size() : end + 1;
    }
    w->dataSource = 1;
    w->setDataSource();
    setOrder(0, set.order());
    qgtest::ModalScript script;
    pressFitData();
    ASSERT_EQ(script.count(), 0u);
    ASSERT_EQ(w->numRowsWithData, (int)set.x.size());
    for (int k = 0; k <= set.order(); ++k) {
      const std::string text = cell(w->coefficients_TBL[0], 0, k);
      EXPECT_GE(refdata::lre(std::strtod(text.c_str(), nullptr), set.certified[k]), 12.0)
          << "B" << k << " = " << text << ", certified " << set.certified[k];
    }
  }
}

}  // namespace
