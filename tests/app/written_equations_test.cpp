// Equations as they are written (coefficients at the chosen "# decimals")
// against the curve the fit found: the rule that says whether they carry
// it, and the one warning per fitting run that names the equations that
// do not, with what would help.
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "CurveFitting.h"
#include "EquationRules.h"
#include "FitWindowFixture.h"

using namespace FX;

namespace {

const char* const CAPTION = "Equations lose their fit";

// Repeatable scattered points: x uniform on [lo, hi], y = sin(x / 5) with
// noise of about 0.05.
std::vector<double> scatteredX(int n, double lo, double hi) {
  std::vector<double> x;
  uint32_t state = 12345;
  for (int i = 0; i < n; ++i) {
    state = state * 1664525u + 1013904223u;
    x.push_back(lo + (hi - lo) * (state >> 8) / 16777216.0);
  }
  return x;
}
std::vector<double> noisySine(const std::vector<double>& x) {
  std::vector<double> y;
  uint32_t state = 777;
  for (double v : x) {
    state = state * 1664525u + 1013904223u;
    y.push_back(std::sin(v / 5) + 0.1 * ((state >> 8) / 16777216.0 - 0.5));
  }
  return y;
}

struct Fit {
  std::vector<double> fitted;
  double coef[eqn::MAX_COEFFICIENTS] = {0};
};
Fit fitOf(const std::vector<double>& x, const std::vector<double>& y, int order) {
  Fit f;
  f.fitted.resize(x.size());
  double chi2, r2, adjusted;
  EXPECT_TRUE(CurveFitting().leastSquares((int)x.size(), order, x.data(), y.data(), false, 0.0, f.coef, &chi2, &r2,
                                          &adjusted, f.fitted.data()));
  return f;
}
eqn::WrittenFit check(const std::vector<double>& x, const std::vector<double>& y, const Fit& f, int order,
                      int decimals) {
  return eqn::checkWrittenFit((int)x.size(), x.data(), y.data(), f.fitted.data(), f.coef, order, decimals, 20);
}

TEST(WrittenFitRule, WrittenCoefficientIsItsTextReadBack) {
  EXPECT_EQ(eqn::writtenCoefficient(3.14159265, 2), 3.14);
  EXPECT_EQ(eqn::writtenCoefficient(-2.5e-7, 3), -2.5e-7);
  EXPECT_EQ(eqn::writtenCoefficient(1.0 / 3, 20), std::strtod("3.33333333333333314830e-01", nullptr));
}

TEST(WrittenFitRule, WellConditionedFitsCarryAtFewDecimals) {
  // An exact quadratic and a noisy sine near x = 0, at the fewest
  // decimals the list offers.
  std::vector<double> x, y;
  for (int i = 1; i <= 10; ++i) {
    x.push_back(i);
    y.push_back(2.0 * i * i - 3.0 * i + 5);
  }
  const eqn::WrittenFit exact = check(x, y, fitOf(x, y, 2), 2, 2);
  EXPECT_TRUE(exact.carries);
  EXPECT_TRUE(exact.r2Defined);
  const std::vector<double> sx = scatteredX(200, 0, 10), sy = noisySine(sx);
  const eqn::WrittenFit noisy = check(sx, sy, fitOf(sx, sy, 3), 3, 2);
  EXPECT_TRUE(noisy.carries);
  EXPECT_LE(noisy.writtenR2, noisy.fitR2 + 1e-12);
  EXPECT_GT(noisy.writtenR2, noisy.fitR2 - 0.01 * (1 - noisy.fitR2));

  // Equal y: R² is not defined, and the constant is carried.
  const std::vector<double> flat(10, 1.23456);
  const eqn::WrittenFit constant = check(x, flat, fitOf(x, flat, 3), 3, 2);
  EXPECT_TRUE(constant.carries);
  EXPECT_FALSE(constant.r2Defined);
}

TEST(WrittenFitRule, HighPowersFarFromZeroNeedDigitsOrCannotBeCarried) {
  const std::vector<double> x = scatteredX(400, 66, 100), y = noisySine(x);
  // Order 10 loses its fit at 6 decimals; the decimals named are the
  // fewest that carry it.
  const Fit tenth = fitOf(x, y, 10);
  const eqn::WrittenFit at6 = check(x, y, tenth, 10, 6);
  EXPECT_FALSE(at6.carries);
  EXPECT_LT(at6.writtenR2, at6.fitR2 - 0.01 * (1 - at6.fitR2));
  ASSERT_GT(at6.decimalsThatCarry, 6);
  EXPECT_TRUE(check(x, y, tenth, 10, at6.decimalsThatCarry).carries);
  EXPECT_FALSE(check(x, y, tenth, 10, at6.decimalsThatCarry - 1).carries);
  // Order 15 is not carried even by the coefficients as a double holds
  // them, evaluated as a spreadsheet does.
  const eqn::WrittenFit fifteenth = check(x, y, fitOf(x, y, 15), 15, 20);
  EXPECT_FALSE(fifteenth.carries);
  EXPECT_EQ(fifteenth.decimalsThatCarry, -1);
}

class WrittenEquations : public FitWindowFixture {
protected:
  void SetUp() override {
    FitWindowFixture::SetUp();
    if (IsSkipped()) return;
    selectNumber(w->maxFitOrder_LB, 15);
  }
  void typeScattered(double lo, double hi, int n) {
    const std::vector<double> x = scatteredX(n, lo, hi), y = noisySine(x);
    std::vector<Row> rows;
    for (size_t i = 0; i < x.size(); ++i) rows.push_back({x[i], y[i], 0});
    typeXY(rows);
  }
  static void selectNumber(FXListBox* list, int number) {
    for (int i = 0; i < list->getNumItems(); ++i)
      if (FXIntVal(list->getItemText(i), 10) == number) list->setCurrentItem(i, FALSE);
  }
  // "# decimals" chosen from its list, which fits again.
  void chooseDecimals(int decimals) {
    selectNumber(w->numOfDecimalsInCoefficients_LB, decimals);
    ASSERT_EQ(w->currentItemNumber(w->numOfDecimalsInCoefficients_LB), decimals);
    w->handle(w->numOfDecimalsInCoefficients_LB, FXSEL(SEL_COMMAND, Quillgrid::ID_NUM_DECIMALS), nullptr);
  }
  void pressOrderArrow(int zone, bool up) {
    FXArrowButton* arrow = up ? w->increaseFitOrder_Btn[zone] : w->decreaseFitOrder_Btn[zone];
    w->handle(arrow, FXSEL(SEL_COMMAND, up ? Quillgrid::ID_INCREASE_FIT_ORDER : Quillgrid::ID_DECREASE_FIT_ORDER),
              nullptr);
  }
  void pressFitData() { w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr); }
  // The warnings among the requests from the index on.
  std::vector<std::string> warningsFrom(size_t first) {
    std::vector<std::string> texts;
    for (size_t i = first; i < script.count(); ++i) {
      const ModalSeam::Request& r = script.requests()[i];
      EXPECT_EQ(r.kind, ModalSeam::WARNING_BOX) << r.caption.text() << ": " << r.text.text();
      EXPECT_EQ(str(r.caption), CAPTION);
      texts.push_back(r.text.text());
    }
    return texts;
  }
  // The number after `label` in a text.
  static double numberAfter(const std::string& text, const std::string& label) {
    const size_t at = text.find(label);
    EXPECT_NE(at, std::string::npos) << label << " in " << text;
    return at == std::string::npos ? NAN : std::strtod(text.c_str() + at + label.size(), nullptr);
  }
  static int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
  }
  qgtest::ModalScript script;
};

// 400 scattered points on x = 66..100 and one equation: the order arrow up
// to 15 at 20 decimals warns once, the arrows down to a low order do not.
TEST_F(WrittenEquations, OrderArrowsToAHighOrderFarFromZeroWarnOncePerRun) {
  typeScattered(66, 100, 400);
  chooseDecimals(20);
  setOrder(0, 14);
  size_t before = script.count();
  pressOrderArrow(0, true);
  ASSERT_EQ(w->fit_order[0], 15);
  std::vector<std::string> warnings = warningsFrom(before);
  ASSERT_EQ(warnings.size(), 1u);
  const std::string& text = warnings[0];
  EXPECT_EQ(count(text, "Eqn. #"), 1) << text;
  EXPECT_NE(text.find("Eqn. #1 (15th order, x = " + str(w->zoneRangeText(0)) + "): "), std::string::npos) << text;
  EXPECT_NE(text.find("with 20 decimals"), std::string::npos) << text;
  EXPECT_LT(numberAfter(text, "of the written equation "), numberAfter(text, "R^2 of the fit ")) << text;
  // No decimals carry it: the order or the zones must change.
  EXPECT_NE(text.find("a lower order or more equations would help"), std::string::npos) << text;
  // The results stay as the run wrote them.
  EXPECT_NE(field(w->excelEqn_TF[0]).find("*A2^15"), std::string::npos);
  EXPECT_FALSE(field(w->eqnFit_TF[1][0]).empty());

  // Down to order 5: each run tells of its own equation, the last one
  // carries its fit and says nothing.
  for (int order = 14; order >= 5; --order) {
    before = script.count();
    pressOrderArrow(0, false);
    ASSERT_EQ(w->fit_order[0], order);
    EXPECT_LE(warningsFrom(before).size(), 1u) << order;
  }
  EXPECT_EQ(script.count(), before);
}

// Order 8 on x = 66..100 at 6 decimals: the warning names the decimals
// that carry the fit, and choosing them ends the warnings.
TEST_F(WrittenEquations, AdvisedDecimalsCarryTheFit) {
  typeScattered(66, 100, 400);
  chooseDecimals(6);
  setOrder(0, 8);
  size_t before = script.count();
  pressFitData();
  std::vector<std::string> warnings = warningsFrom(before);
  ASSERT_EQ(warnings.size(), 1u);
  const std::string& text = warnings[0];
  EXPECT_NE(text.find("with 6 decimals"), std::string::npos) << text;
  const size_t at = text.find(" decimals would carry it");
  ASSERT_NE(at, std::string::npos) << text;
  const size_t start = text.rfind(' ', at - 1) + 1;
  const int advised = std::atoi(text.c_str() + start);
  ASSERT_GT(advised, 6) << text;
  ASSERT_LE(advised, 20) << text;

  before = script.count();
  chooseDecimals(advised);
  EXPECT_EQ(script.count(), before) << warningsFrom(before)[0];
  before = script.count();
  chooseDecimals(advised - 1);
  EXPECT_EQ(warningsFrom(before).size(), 1u);
}

// Six equations of order 15 on x = 0.5..100: one warning for the run,
// naming each equation that loses its fit once; with order 3 none.
TEST_F(WrittenEquations, SixZonesOfHighOrderGiveOneWarningForTheRun) {
  typeScattered(0.5, 100, 400);
  w->numOfEquations_LB->setCurrentItem(5, FALSE);
  w->handle(w->numOfEquations_LB, FXSEL(SEL_COMMAND, Quillgrid::ID_NUM_EQUATIONS), nullptr);
  ASSERT_EQ(w->numEquations, 6);
  for (int z = 0; z < 6; ++z) setOrder(z, 15);
  size_t before = script.count();
  pressFitData();
  std::vector<std::string> warnings = warningsFrom(before);
  ASSERT_EQ(warnings.size(), 1u);
  const std::string& text = warnings[0];
  EXPECT_GE(count(text, "Eqn. #"), 2) << text;
  for (int z = 0; z < 6; ++z) {
    const std::string name = "Eqn. #" + std::to_string(z + 1) + " (15th order, x = " + str(w->zoneRangeText(z));
    EXPECT_LE(count(text, name), 1) << text;
  }
  // With six equations there are no more to take.
  EXPECT_EQ(text.find("more equations"), std::string::npos) << text;

  for (int z = 0; z < 6; ++z) setOrder(z, 3);
  before = script.count();
  pressFitData();
  EXPECT_EQ(script.count(), before) << warningsFrom(before)[0];
}

// The search for the Larson-Miller constant fits many times; only the fit
// it ends with is told of, once.
TEST_F(WrittenEquations, LarsonMillerSearchWarnsOnceForTheFitItEndsWith) {
  std::vector<Row> rows;
  for (double T : {700.0, 800.0, 900.0, 1000.0})
    for (double t : {10.0, 30.0, 100.0, 300.0, 1000.0, 3000.0})
      rows.push_back({t, std::exp(9 - 0.25 * (std::log10(t) + 18) * T / 1000 + 0.02 * std::sin(t + T)), T});
  typeLMP(rows);
  chooseDecimals(2);
  setOrder(0, 8);
  const size_t before = script.count();
  w->handle(w->autoFitLMP_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_AUTO_FIT_LMP), nullptr);
  const std::vector<std::string> warnings = warningsFrom(before);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("Eqn. #1 (8th order"), std::string::npos) << warnings[0];
}

}  // namespace
