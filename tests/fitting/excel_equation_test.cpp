// Spreadsheet formula text of polynomials, derivatives and values.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "ExcelEquation.h"
#include "TestHarness.h"

using namespace FX;

namespace {
struct FormulaCase {
  const char* what;
  std::vector<double> coef;
  std::vector<int> exps;
  const char* cell;
  int decimals;
  const char* expected;
};
}  // namespace

TEST(ExcelEquation, FormulaText) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const FormulaCase cases[] = {
      {"quadratic", {1, -2, 3}, {0, 1, 2}, "A1", 2, "= 3.00e+00*A1^2 - 2.00e+00*A1 + 1.00e+00"},
      {"negative constant alone", {-0.5}, {0}, "A1", 1, "= -5.0e-01"},
      {"zero not written first", {0, 2}, {0, 1}, "A1", 2, "= 2.00e+00*A1 - 0.00e+00"},
      {"zero written first", {1, 0}, {0, 1}, "A1", 2, "= -0.00e+00*A1 + 1.00e+00"},
      {"not a number written first", {1, nan}, {0, 1}, "A1", 2, "= -nan*A1 + 1.00e+00"},
      {"decimals below 0 are 0", {2}, {0}, "A1", -3, "= 2e+00"},
      {"decimals above 24 are 24", {1.5}, {0}, "A1", 30, "= 1.500000000000000000000000e+00"},
      {"cell expression, exponent 3", {0.25, 4}, {0, 3}, "LN(B2)", 3,
       "= 4.000e+00*LN(B2)^3 + 2.500e-01"},
      {"exponent below 0 writes no variable", {-1, 2}, {-1, 1}, "C3", 1, "= 2.0e+00*C3 - 1.0e+00"},
      {"large magnitude", {-12345.678}, {1}, "A1", 3, "= -1.235e+04*A1"},
      {"no terms", {}, {}, "A1", 2, "= "},
  };
  for (const FormulaCase& c : cases) {
    ExcelEquation eq;
    const FXString text =
        eq.getExcelEquation((int)c.coef.size(), c.cell, c.decimals, c.coef.data(), c.exps.data());
    EXPECT_STREQ(text.text(), c.expected) << c.what;
  }
}

TEST(ExcelEquation, DerivativeText) {
  const FormulaCase cases[] = {
      {"quadratic", {1, -2, 3}, {0, 1, 2}, "A1", 2, "= 6.00e+00*A1 - 2.00e+00"},
      {"term 0 dropped whatever its exponent", {4, 3}, {2, 3}, "A1", 2, "= 9.00e+00*A1^2"},
      {"one term", {5}, {0}, "A1", 2, "= "},
      {"cubic in a log cell", {1, 0.5, 0, -1}, {0, 1, 2, 3}, "LN(A1)", 1,
       "= -3.0e+00*LN(A1)^2 - 0.0e+00*LN(A1) + 5.0e-01"},
  };
  for (const FormulaCase& c : cases) {
    ExcelEquation eq;
    const FXString text = eq.getExcelEquationDerivative((int)c.coef.size(), c.cell, c.decimals,
                                                        c.coef.data(), c.exps.data());
    EXPECT_STREQ(text.text(), c.expected) << c.what;
  }
}

TEST(ExcelEquation, ValueOfTheStoredTerms) {
  ExcelEquation eq;
  EXPECT_EQ(eq.getMaxOrder(), 100);
  EXPECT_EQ(eq.getValue(3.0), 0.0);  // nothing stored yet

  const double coef[] = {1, -2, 3};
  const int exps[] = {0, 1, 2};
  eq.getExcelEquation(3, "A1", 2, coef, exps);
  EXPECT_EQ(eq.getValue(2.0), 9.0);
  EXPECT_EQ(eq.getValue(-1.5), 1 + 3 + 6.75);

  // After the derivative the object holds 6x - 2, not the polynomial.
  eq.getExcelEquationDerivative(3, "A1", 2, coef, exps);
  EXPECT_EQ(eq.getValue(2.0), 10.0);

  // A one-term derivative stores no terms.
  eq.getExcelEquationDerivative(1, "A1", 2, coef, exps);
  EXPECT_EQ(eq.getValue(2.0), 0.0);

  // An exponent of 0 or less leaves the coefficient alone.
  const double c2[] = {1.5, 2};
  const int e2[] = {-2, 3};
  eq.getExcelEquation(2, "A1", 2, c2, e2);
  EXPECT_EQ(eq.getValue(2.0), 1.5 + 16.0);

  // A new formula replaces all stored terms.
  const double c3[] = {4};
  const int e3[] = {1};
  eq.getExcelEquation(1, "A1", 2, c3, e3);
  EXPECT_EQ(eq.getValue(2.0), 8.0);
}

TEST(ExcelEquation, MoreTermsThanTheArraysHoldAreWrittenButNotStored) {
  ExcelEquation eq;
  const std::vector<double> coef(150, 1.0);
  const std::vector<int> exps(150, 0);
  const FXString text = eq.getExcelEquation(150, "A1", 0, coef.data(), exps.data());
  EXPECT_EQ(text.contains(" + "), 149);
  EXPECT_EQ(eq.getValue(5.0), 101.0);
}
