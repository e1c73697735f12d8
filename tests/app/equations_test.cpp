// Equation rules: order labels, zones, number formats, equation texts,
// adjusted coefficients, marker spacing and the wheel step; then the
// coefficient tables and zone-limit fields of a real main window.
#include <cmath>
#include <cstring>
#include <vector>

#include "DataPlot.h"
#include "EquationRules.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

TEST(EquationRules, OrderLabelsAndLimits) {
  const struct {
    int order;
    const char* text;
  } labels[] = {{1, "1st order"}, {2, "2nd order"}, {3, "3rd order"}, {4, "4th order"},
                {11, "11th order"}, {12, "12th order"}, {13, "13th order"}};
  for (const auto& c : labels) {
    EXPECT_STREQ(eqn::fitOrderLabel(c.order).text(), c.text);
    EXPECT_EQ(eqn::orderFromLabel(c.text), c.order);
  }
  EXPECT_EQ(eqn::orderFromLabel("order"), 0);
  EXPECT_EQ(eqn::orderFromLabel(""), 0);
  EXPECT_EQ(eqn::clampFitOrder(0, 15), 1);
  EXPECT_EQ(eqn::clampFitOrder(-3, 15), 1);
  EXPECT_EQ(eqn::clampFitOrder(9, 4), 4);
  EXPECT_EQ(eqn::clampFitOrder(16, 15), 15);
}

TEST(EquationRules, ZoneIndexAndOverlap) {
  const double b[] = {0.0, 1.0, 2.0, 3.0};
  EXPECT_EQ(eqn::zoneIndex(b, 3, 0.0), 0);
  EXPECT_EQ(eqn::zoneIndex(b, 3, 1.0), 1);  // on an inner boundary: the higher zone
  EXPECT_EQ(eqn::zoneIndex(b, 3, 2.5), 2);
  EXPECT_EQ(eqn::zoneIndex(b, 3, 3.0), 0);  // the last boundary is outside every zone
  EXPECT_EQ(eqn::zoneIndex(b, 3, 7.0), 0);
  EXPECT_EQ(eqn::zoneIndex(b, 3, -1.0), 0);
  EXPECT_EQ(eqn::zoneIndex(b, 0, 0.5), 0);

  const int first[] = {0, 5, 10};  // zones of 5 points each, 2 overlap points
  EXPECT_TRUE(eqn::acceptPointInZone(4, 0, 0, first, 2));
  EXPECT_TRUE(eqn::acceptPointInZone(6, 1, 0, first, 2));   // first overlap points of the next zone
  EXPECT_FALSE(eqn::acceptPointInZone(7, 1, 0, first, 2));
  EXPECT_TRUE(eqn::acceptPointInZone(3, 0, 1, first, 2));   // last overlap points of the zone before
  EXPECT_FALSE(eqn::acceptPointInZone(2, 0, 1, first, 2));
  EXPECT_FALSE(eqn::acceptPointInZone(10, 2, 0, first, 2));  // two zones away
  EXPECT_FALSE(eqn::acceptPointInZone(5, 1, 0, first, 0));
}

TEST(EquationRules, TemperatureAndLarsonMiller) {
  const struct {
    int scale;
    double in, out;
  } cases[] = {{0, 100.0, 373.15}, {1, 212.0, 373.15}, {2, 212.0, 100.0}, {3, 373.15, 100.0},
               {4, 100.0, 212.0},  {5, 373.15, 212.0}, {6, 42.0, 42.0},   {-1, 42.0, 42.0}};
  for (const auto& c : cases) EXPECT_NEAR(eqn::convertTemperature(c.scale, c.in), c.out, 1e-9) << c.scale;
  EXPECT_NEAR(eqn::larsonMillerParameter(800.0, 20.0, 1000.0), 800.0 * 23.0, 1e-9);
}

TEST(EquationRules, DecimalsTableAtItsBounds) {
  const struct {
    double x;
    int decimals;
  } cases[] = {{10000.5, 0}, {10000.0, 1}, {1000.5, 1}, {1000.0, 2}, {100.5, 2}, {100.0, 3},
               {10.5, 3},    {10.0, 4},    {1.5, 4},    {1.0, 5},    {0.15, 5},  {0.1, 2},
               {0.0, 2},     {-50.0, 3},   {-20000.0, 0}};
  for (const auto& c : cases) EXPECT_EQ(eqn::numDecimals(c.x, 0, false), c.decimals) << c.x;
  EXPECT_EQ(eqn::numDecimals(10000.5, 0, true), 1);
  EXPECT_EQ(eqn::numDecimals(0.01, 5, false), 3);
  EXPECT_EQ(eqn::numDecimals(1e6, 5, false), 3);
}

TEST(EquationRules, NumberFormats) {
  // Small values take the exponent form in both formats; every negative
  // boundary does, while a decimal axis writes -5 plainly.
  EXPECT_STREQ(eqn::boundaryText(0.05, 0, false, 0.0, false).text(), "5.000000e-02");
  EXPECT_STREQ(eqn::axisNumberText(0.05, 0, 0, false).text(), "5.000000e-02");
  EXPECT_STREQ(eqn::boundaryText(-5.0, 0, false, 0.0, false).text(), "-5.000000e+00");
  EXPECT_STREQ(eqn::axisNumberText(-5.0, 0, 0, false).text(), "-5.0000");
  EXPECT_STREQ(eqn::axisNumberText(-5.0, 0, 1, false).text(), "-5.000000e+00");
  EXPECT_STREQ(eqn::boundaryText(2000.0, 0, false, 0.0, false).text(), "2.000000e+03");
  // Decimals of a boundary follow the plot's resolution when it is finer than 1.
  EXPECT_STREQ(eqn::boundaryText(12.5, 0, false, 0.001, false).text(), "12.5000");
  EXPECT_STREQ(eqn::boundaryText(12.5, 0, false, 0.02, false).text(), "12.50");
  EXPECT_STREQ(eqn::boundaryText(12.5, 0, false, 0.0, false).text(), "12.500");
  EXPECT_STREQ(eqn::boundaryText(12.5, 0, false, 5.0, false).text(), "12.500");
  EXPECT_STREQ(eqn::boundaryText(-5.0, 0, true, 0.0, false).text(), "-5.0");
  EXPECT_STREQ(eqn::boundaryText(-5.0, 5, true, 0.0, false).text(), "-5.000");
  EXPECT_STREQ(eqn::axisNumberText(1e-5, 5, 1, false).text(), "0.000");
  EXPECT_STREQ(eqn::formattedNumber(2, 3.14159, false).text(), "3.14");
  EXPECT_STREQ(eqn::formattedNumber(2, 3.14159, true).text(), "3,14");
}

// The number texts of the tables are printf's "%.*lf" and "%.*le",
// written without the format parser: every value and precision gives
// printf's own text, ties, signed zeros, the largest and smallest doubles
// and the values printf alone writes included.
TEST(EquationRules, NumberTextsArePrintfTexts) {
  std::vector<double> values = {0.0, -0.0, 0.05, 0.125, 0.375, 2.5, -2.5, 0.45, 1.005, 9.5, 99.95, 0.95, 1e-7,
                                -1e-310, 5e-324, 1.7976931348623157e308, 123456789012345678.0, 1e22, 1e23,
                                -0.0499999999, 999999.5, std::ldexp(1.0, -30), HUGE_VAL, -HUGE_VAL, std::nan("")};
  unsigned long long state = 88172645463325252ull;
  for (int i = 0; i < 5000; ++i) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    double v;
    std::memcpy(&v, &state, sizeof v);
    // Random bit patterns cover every exponent; scaled ones the numbers of
    // a table.
    values.push_back(i % 2 ? v : (double)(state % 2000001) / 1000.0 - 1000.0);
  }
  for (const double v : values)
    for (const int decimals : {0, 1, 2, 3, 4, 5, 6, 12, 20, 45}) {
      ASSERT_STREQ(eqn::fixedText(decimals, v).text(), FXStringFormat("%.*lf", decimals, v).text())
          << v << " " << decimals;
      ASSERT_STREQ(eqn::exponentText(decimals, v).text(), FXStringFormat("%.*le", decimals, v).text())
          << v << " " << decimals;
    }
}

TEST(EquationRules, EquationText) {
  const FXString texts[] = {"3.0e+00", "-2.0e-01", "1.5e+00"};
  EXPECT_STREQ(eqn::equationText(0, texts, 2, "x", false).text(), "eqns[0] = 1.5e+00*x^2 - 2.0e-01*x + 3.0e+00");
  EXPECT_STREQ(eqn::equationText(3, texts, 2, "x", true).text(),
               "eqns[3] = \"1.5e+00*x^2 - 2.0e-01*x + 3.0e+00\";");
  const FXString negativeFirst[] = {"-2.5e-01", "-1.0e+00"};
  EXPECT_STREQ(eqn::equationText(1, negativeFirst, 1, "x", false).text(), "eqns[1] = -1.0e+00*x - 2.5e-01");
  const FXString constant[] = {"4.0e+00"};
  EXPECT_STREQ(eqn::equationText(0, constant, 0, "x", false).text(), "eqns[0] = 4.0e+00");
  // A zone without coefficients (not fitted) says so.
  const FXString empty[] = {"", "", ""};
  EXPECT_STREQ(eqn::equationText(2, empty, 2, "x", false).text(), "eqns[2] = error - not fitted");
  const FXString lastMissing[] = {"3.0e+00", " "};
  EXPECT_STREQ(eqn::equationText(1, lastMissing, 1, "x", true).text(), "eqns[1] = error - not fitted");
}

TEST(EquationRules, VariableNamePerFitType) {
  const char* expected[] = {"A2", "LN(A2)", "A2", "LN(A2)", "(1/A2)", "A2"};
  for (int type = 0; type < 6; ++type) {
    EXPECT_STREQ(eqn::variableName(" a2 ", false, type).text(), expected[type]) << type;
    EXPECT_STREQ(eqn::variableName("a2", true, type).text(), "x") << type;
  }
  EXPECT_STREQ(eqn::variableName("", false, 0).text(), "");
}

TEST(EquationRules, WholeNumberLimits) {
  EXPECT_EQ(eqn::roundLimit(250.4, true, 1.0, 250.4), 250.0);
  EXPECT_EQ(eqn::roundLimit(250.5, true, 1.0, 250.5), 251.0);
  EXPECT_EQ(eqn::roundLimit(250.4, false, 1.0, 250.4), 250.4);
  EXPECT_EQ(eqn::roundLimit(50.4, true, 0.5, 250.0), 50.4);
  EXPECT_EQ(eqn::roundLimit(50.4, true, 1.0, 99.0), 50.4);
  // Limits beyond the range of an int keep their place.
  EXPECT_EQ(eqn::roundLimit(5.0e9 + 0.4, true, 1.0, 1.0e10), 5.0e9);
  EXPECT_EQ(eqn::roundLimit(5.0e9 + 0.5, true, 1.0, 1.0e10), 5.0e9 + 1.0);
  EXPECT_EQ(eqn::roundLimit(-1e100, true, 1.0, 1.0e10), -1e100);
}

namespace {
double value(const double* c, int order, double x) {
  double y = 0.0;
  for (int k = order; k >= 0; --k) y = y * x + c[k];
  return y;
}
}  // namespace

TEST(EquationRules, AdjustedCoefficientsMakeZonesMeet) {
  const int exponents[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  const int orders[6] = {1, 2, 1, 1, 1, 1};
  const double b[] = {0.0, 20.0, 40.0, 60.0};
  double coef[6][16] = {};
  // Fitted on x * 0.1: zone 0 y = x, zone 1 y = 3 + 0.01 x^2, zone 2 y = 100 - x.
  coef[0][1] = 10.0;
  coef[1][0] = 3.0;
  coef[1][2] = 1.0;
  coef[2][0] = 100.0;
  coef[2][1] = -10.0;
  double out[6][16];
  ASSERT_TRUE(eqn::adjustedCoefficients(0, 3, orders, exponents, b, coef, 0.1, 6, out));
  EXPECT_NEAR(out[0][1], 1.0, 1e-12);
  EXPECT_NEAR(out[1][2], 0.01, 1e-12);
  EXPECT_NEAR(value(out[0], 1, 20.0), value(out[1], 2, 20.0), 1e-9);
  EXPECT_NEAR(value(out[1], 2, 40.0), value(out[2], 1, 40.0), 1e-9);
  EXPECT_NEAR(out[2][1], -1.0, 1e-12);  // only the constant moves

  // An anchor in the middle keeps the zones up to it.
  ASSERT_TRUE(eqn::adjustedCoefficients(1, 3, orders, exponents, b, coef, 0.1, 6, out));
  EXPECT_NEAR(out[1][0], 3.0, 1e-12);
  EXPECT_NEAR(value(out[1], 2, 40.0), value(out[2], 1, 40.0), 1e-9);

  out[0][0] = 123.0;
  EXPECT_FALSE(eqn::adjustedCoefficients(-1, 3, orders, exponents, b, coef, 0.1, 6, out));
  EXPECT_FALSE(eqn::adjustedCoefficients(4, 3, orders, exponents, b, coef, 0.1, 6, out));
  EXPECT_EQ(out[0][0], 123.0);
}

// Zone 1 was not fitted: it is not moved, and zone 2, with nothing before
// it to meet, keeps its constant; zone 3 meets zone 2.
TEST(EquationRules, AdjustedCoefficientsLeaveOutAZoneNotFitted) {
  const int exponents[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  const int orders[6] = {1, 1, 1, 1, 1, 1};
  const double b[] = {0.0, 1.0, 2.0, 3.0, 4.0};
  double coef[6][16] = {};
  coef[0][1] = 1.0;  // y = x
  coef[2][0] = 5.0;  // y = 5 + x
  coef[2][1] = 1.0;
  coef[3][0] = 1.0;  // y = 1
  const bool fitted[6] = {true, false, true, true, true, true};
  double out[6][16];
  ASSERT_TRUE(eqn::adjustedCoefficients(0, 4, orders, exponents, b, coef, 1.0, 6, out, fitted));
  EXPECT_EQ(out[1][0], 0.0);
  EXPECT_EQ(out[1][1], 0.0);
  EXPECT_EQ(out[2][0], 5.0);
  EXPECT_NEAR(value(out[3], 1, 3.0), value(out[2], 1, 3.0), 1e-12);
  // Without the flags every zone is joined, the one not fitted as y = 0:
  // it rises by 1 to meet zone 0, and zone 2 drops from 7 to 1 at x = 2.
  ASSERT_TRUE(eqn::adjustedCoefficients(0, 4, orders, exponents, b, coef, 1.0, 6, out));
  EXPECT_EQ(out[1][0], 1.0);
  EXPECT_EQ(out[2][0], -1.0);
}

TEST(EquationRules, MarkerSpacingAt14And15Pixels) {
  // One marker: only the plot ends count.
  const int none[1] = {0};
  EXPECT_FALSE(eqn::zoneLimitAllowed(0, 64, 50, 450, none, 1));
  EXPECT_TRUE(eqn::zoneLimitAllowed(0, 65, 50, 450, none, 1));
  EXPECT_TRUE(eqn::zoneLimitAllowed(0, 435, 50, 450, none, 1));
  EXPECT_FALSE(eqn::zoneLimitAllowed(0, 436, 50, 450, none, 1));
  // An inner marker: its neighbours count, the ends do not.
  const int markers[3] = {100, 200, 300};
  EXPECT_FALSE(eqn::zoneLimitAllowed(1, 114, 50, 450, markers, 3));
  EXPECT_TRUE(eqn::zoneLimitAllowed(1, 115, 50, 450, markers, 3));
  EXPECT_TRUE(eqn::zoneLimitAllowed(1, 285, 50, 450, markers, 3));
  EXPECT_FALSE(eqn::zoneLimitAllowed(1, 286, 50, 450, markers, 3));
  // The first marker: the start of the plot and every later marker.
  EXPECT_FALSE(eqn::zoneLimitAllowed(0, 64, 50, 450, markers, 3));
  EXPECT_TRUE(eqn::zoneLimitAllowed(0, 185, 50, 450, markers, 3));
  EXPECT_FALSE(eqn::zoneLimitAllowed(0, 286, 50, 450, markers, 3));  // beyond marker 2
  EXPECT_FALSE(eqn::zoneLimitAllowed(3, 200, 50, 450, markers, 3));
  EXPECT_FALSE(eqn::zoneLimitAllowed(-1, 200, 50, 450, markers, 3));
}

TEST(EquationRules, WheelStepSearchIsBounded) {
  // The text changes every 5 pixels: 100..104 read alike.
  EXPECT_EQ(eqn::wheelStep([](int px) { return FXStringVal(px / 5); }, 100, 1000), 6);
  EXPECT_EQ(eqn::wheelStep([](int px) { return FXStringVal(px / 5); }, 102, 1000), 4);
  int calls = 0;
  EXPECT_EQ(eqn::wheelStep(
                [&calls](int) {
                  ++calls;
                  return FXString("same");
                },
                100, 1000),
            1);
  EXPECT_LE(calls, 2001);
}
