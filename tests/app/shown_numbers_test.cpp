// Numbers the fitting run shows: rounded, never cut; a value that is not
// a result (a zone limit never placed, the R² of equal y values) shows no
// number; the fit takes the zone limits' own values, not their rounded
// field texts.
#include <cmath>
#include <string>
#include <vector>

#include "EquationRules.h"
#include "FitWindowFixture.h"
#include "PipelineRules.h"

using namespace FX;

namespace {

TEST(ShownNumbers, RoundedHalfAwayFromZeroNeverCut) {
  struct Case {
    char form;
    int decimals;
    double x;
    const char* text;
  };
  const Case cases[] = {
      // Decimal ties that lie just below the tie in binary.
      {'f', 1, 293.15, "293.2"},
      {'f', 1, eqn::convertTemperature(0, 1.0), "274.2"},
      {'f', 1, eqn::convertTemperature(0, 20.0), "293.2"},
      {'f', 2, 1.005, "1.01"},
      {'f', 1, -0.15, "-0.2"},
      // Ties that binary holds exactly go away from zero too.
      {'f', 2, 0.125, "0.13"},
      {'f', 0, 2.5, "3"},
      {'f', 0, -2.5, "-3"},
      // Digits below the tie, and values below the last decimal.
      {'f', 3, 1234.5674999, "1234.567"},
      {'f', 2, 0.0049, "0.00"},
      {'f', 2, 0.005, "0.01"},
      {'f', 6, 0.0, "0.000000"},
      // Exponent form, with a carry into the exponent.
      {'e', 2, 1.125e-3, "1.13e-03"},
      {'e', 6, 9.9999995, "1.000000e+01"},
      {'e', 6, -1e100, "-1.000000e+100"},
  };
  for (const Case& c : cases) EXPECT_EQ(std::string(eqn::roundedText(c.form, c.decimals, c.x).text()), c.text) << c.x;
  // More decimals than 15 digits need: the value's own digits.
  EXPECT_EQ(std::string(eqn::roundedText('f', 20, 0.1).text()), FXStringFormat("%.20f", 0.1).text());
  // The formats of fields and tables round so.
  EXPECT_EQ(std::string(eqn::boundaryText(293.15, 0, true, 0.01, false).text()), "293.2");
  EXPECT_EQ(std::string(eqn::formattedNumber(1, 0.25, false).text()), "0.3");
  EXPECT_EQ(std::string(eqn::axisNumberText(100.125, 0, 0, false).text()), "100.13");
}

TEST(ShownNumbers, ValueTextIsTheValueAsATableHoldsIt) {
  // Values a table holds as text read back exactly.
  const double typed[] = {0.5, 0.519904, 0.539808, eqn::convertTemperature(0, 1.0), 1e-7, 150000, -6.860120914};
  for (double x : typed) {
    const FXString text = eqn::valueText(x, false);
    EXPECT_EQ(std::strtod(text.text(), nullptr), x) << text.text();
  }
  // Others keep 15 significant digits.
  for (double x : {1.0 / 3, 0.1 + 0.2, std::log(7.0)}) {
    const FXString text = eqn::valueText(x, false);
    EXPECT_NEAR(std::strtod(text.text(), nullptr), x, 5e-15 * std::fabs(x)) << text.text();
    EXPECT_LE(text.length(), 17) << text.text();
  }
  // Written as typed: plainly, in exponent form only where "%.15g" uses it.
  const struct {
    double x;
    const char* text;
  } written[] = {{0.519904, "0.519904"}, {310, "310"},       {150000, "150000"}, {-6.860120914, "-6.860120914"},
                 {1e-7, "1e-07"},        {0.0001, "0.0001"}, {1e15, "1e+15"},    {123456789012345.0, "123456789012345"},
                 {1.0 / 3, "0.333333333333333"}, {0.0, "0"}};
  for (const auto& c : written) EXPECT_EQ(std::string(eqn::valueText(c.x, false).text()), c.text) << c.x;
  EXPECT_EQ(std::string(eqn::valueText(eqn::convertTemperature(0, 1.0), false).text()), "274.15");
  EXPECT_EQ(std::string(eqn::valueText(2.5, true).text()), "2,5");
}

class ShownResults : public FitWindowFixture {
protected:
  void pressFitData() { w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr); }
  void chooseEquations(int n) {
    w->numOfEquations_LB->setCurrentItem(n - 1, FALSE);
    w->handle(w->numOfEquations_LB, FXSEL(SEL_COMMAND, Quillgrid::ID_NUM_EQUATIONS), nullptr);
    ASSERT_EQ(w->numEquations, n);
  }
  static bool looksLikeANumber(const std::string& text) { return PipelineRules::isNumberText(text.c_str()); }
  qgtest::ModalScript script;
};

TEST_F(ShownResults, LimitsNeverPlacedAndTheR2OfEqualYShowNoNumber) {
  // No data yet: three equations have no limits to show.
  chooseEquations(3);
  for (int z = 0; z < 6; ++z)
    EXPECT_FALSE(looksLikeANumber(field(w->eqnFit_TF[0][z]))) << z << ": " << field(w->eqnFit_TF[0][z]);

  // Equal y: R² is not defined, in its field and in the plot note.
  chooseEquations(1);
  std::vector<Row> rows;
  for (int x = 1; x <= 8; ++x) rows.push_back({(double)x, 5, 0});
  typeXY(rows);
  setOrder(0, 2);
  w->showEquationOnImage_Chk->setCheck(TRUE);
  pressFitData();
  ASSERT_NE(field(w->excelEqn_TF[0]).find("A2"), std::string::npos) << field(w->excelEqn_TF[0]);
  const std::string r2 = field(w->eqnFit_TF[1][0]);
  EXPECT_FALSE(r2.empty());
  EXPECT_FALSE(looksLikeANumber(r2)) << r2;
  const std::string note = w->addNewlinesToPlotNote(FXString::null).text();
  EXPECT_NE(note.find("R^2 = " + r2 + " "), std::string::npos) << note;
}

// Temperatures in C fitted in K: the results table carries x as converted,
// the last zone's limit is rounded from 293.15 and the note ends the range
// at the data's end.
TEST_F(ShownResults, TemperaturesInKelvinAreRoundedNotCut) {
  std::vector<Row> rows;
  for (int c = 1; c <= 20; ++c) rows.push_back({(double)c, 100.0 - c, 0});
  typeXY(rows);
  w->temperatureScale_LB->setCurrentItem(0, FALSE);
  w->xAxisIsTemperature_Chk->setCheck(TRUE);
  w->handle(w->xAxisIsTemperature_Chk, FXSEL(SEL_COMMAND, Quillgrid::ID_X_IS_TEMPERATURE), nullptr);
  w->showEquationOnImage_Chk->setCheck(TRUE);
  setOrder(0, 1);
  pressFitData();
  ASSERT_EQ(script.count(), 0u) << script.last().text.text();
  for (int r = 0; r < 20; ++r) {
    const double kelvin = eqn::convertTemperature(0, r + 1.0);
    EXPECT_EQ(FXDoubleVal(w->convertedXYValues_TBL->getItemText(r, 0)), kelvin) << cell(w->convertedXYValues_TBL, r, 0);
  }
  // 293.15 lies just below itself in binary: rounded it is 293.2.
  const double end = eqn::convertTemperature(0, 20.0);
  const double shown = FXDoubleVal(w->eqnFit_TF[0][0]->getText());
  EXPECT_GE(shown, end) << field(w->eqnFit_TF[0][0]);
  EXPECT_LT(shown - end, 0.05 + 1e-9) << field(w->eqnFit_TF[0][0]);
  const std::string note = w->addNewlinesToPlotNote(FXString::null).text();
  EXPECT_NE(note.find(" - " + str(w->getFormattedNumberFoxAxis(0, end)) + " "), std::string::npos) << note;
  EXPECT_EQ(FXDoubleVal(w->getFormattedNumberFoxAxis(0, end)), 293.15);
}

// Three default zones over x = 0.5..100: the inner limits have more digits
// than their fields show. A point between a field's text and the limit
// belongs to the zone the limit gives.
TEST_F(ShownResults, FitUsesTheLimitsOwnValuesNotTheirFieldTexts) {
  std::vector<Row> rows;
  for (int i = 0; i < 200; ++i) {
    const double x = 0.5 + 99.5 * i / 199;
    rows.push_back({x, std::sqrt(x), 0});
  }
  typeXY(rows);
  chooseEquations(3);
  ASSERT_TRUE(w->getQuillgrid());
  const double limit = w->fitPlotZoneMarkers_real_x[1];
  const double text = FXDoubleVal(w->eqnFit_TF[0][1]->getText());
  ASSERT_NE(limit, text) << field(w->eqnFit_TF[0][1]);

  // A row between the two: zone 1 below the limit, zone 2 from it on.
  // (as the table holds it)
  const double between = FXDoubleVal(FXStringFormat("%.12g", (limit + text) / 2));
  ASSERT_TRUE((between - limit) * (between - text) < 0) << between;
  rows.push_back({between, std::sqrt(between), 0});
  typeXY(rows);
  pressFitData();
  ASSERT_EQ(w->fitPlotZoneMarkers_real_x[1], limit);
  int at = -1;
  for (int i = 0; i < w->plotDataCounts[0]; ++i)
    if (w->plotDataX[0][i] == between) at = i;
  ASSERT_GE(at, 0);
  const unsigned zone = between < limit ? 1 : 2;
  EXPECT_EQ(w->plotPointColors[0][at], w->getPlotPointColor(zone));
  EXPECT_NE(w->getPlotPointColor(1), w->getPlotPointColor(2));
}

}  // namespace
