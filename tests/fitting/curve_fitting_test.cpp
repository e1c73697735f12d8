// Least-squares fitting: accuracy on certified data, exact recovery,
// the statistics and their sentinels, and the cases that cannot be fitted.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "../../bench/ReferenceData.h"
#include "CurveFitting.h"
#include "TestHarness.h"

namespace {

struct Fit {
  bool ok = false;
  std::vector<double> coef;
  double chi2 = 123.0, r2 = 123.0, adjusted = 123.0;  // untouched markers
};

Fit fitFree(const std::vector<double>& x, const std::vector<double>& y, int order) {
  Fit f;
  f.coef.assign(order + 1, 0.0);
  f.ok = CurveFitting().leastSquares((int)x.size(), order, x.data(), y.data(), f.coef.data(),
                                     &f.chi2, &f.r2, &f.adjusted);
  return f;
}

Fit fitFixed(const std::vector<double>& x, const std::vector<double>& y, int order,
             double intercept) {
  Fit f;
  f.coef.assign(order + 1, 0.0);
  f.ok = CurveFitting().leastSquares((int)x.size(), order, x.data(), y.data(), intercept,
                                     f.coef.data(), &f.chi2, &f.r2, &f.adjusted);
  return f;
}

}  // namespace

// --- Certified data -------------------------------------------------------

struct CertifiedCase {
  const char* path;  // base name of NAME.csv / NAME.certified
  bool shared;       // under the shared test data, else under bench/data
  double minimumLre;
};

void PrintTo(const CertifiedCase& c, std::ostream* os) { *os << c.path; }

class CertifiedFit : public ::testing::TestWithParam<CertifiedCase> {};

TEST_P(CertifiedFit, CoefficientsMatchTheCertifiedValues) {
  const CertifiedCase& c = GetParam();
  if (c.shared) QG_REQUIRE_TESTDATA();
  const std::string base =
      c.shared ? qgtest::testdata(c.path) : std::string(QG_SOURCE_DIR) + "/bench/data/" + c.path;
  refdata::DataSet set;
  ASSERT_TRUE(refdata::load(base, set)) << base;
  const Fit f = fitFree(set.x, set.y, set.order());
  ASSERT_TRUE(f.ok);
  for (size_t i = 0; i < set.certified.size(); ++i)
    EXPECT_GE(refdata::lre(f.coef[i], set.certified[i]), c.minimumLre)
        << c.path << " B" << i << " = " << f.coef[i] << ", certified " << set.certified[i];
  EXPECT_GT(f.r2, 0.9);
  EXPECT_LE(f.r2, 1.0);
}

// The NIST sets, and harder sets made with exact rational arithmetic:
// degree 10 with x in [-8.8, -3.1] (the raw-power design has a condition
// number near 1e15), degree 5 with a large residual, and degree 15. The
// last is limited to about 13 digits by the rounding of its data alone.
INSTANTIATE_TEST_SUITE_P(
    Sets, CertifiedFit,
    ::testing::Values(CertifiedCase{"nist/Norris", true, 9.0}, CertifiedCase{"nist/Pontius", true, 9.0},
                      CertifiedCase{"nist/Wampler1", true, 9.0},
                      CertifiedCase{"nist/Wampler2", true, 9.0},
                      CertifiedCase{"FilipLike", false, 12.0},
                      CertifiedCase{"NoisyWampler", false, 12.0},
                      CertifiedCase{"Order15", false, 12.0}),
    [](const ::testing::TestParamInfo<CertifiedCase>& info) {
      std::string name = info.param.path;
      return name.substr(name.find_last_of('/') + 1);
    });

// --- Exact polynomials ----------------------------------------------------

TEST(CurveFitting, RecoversExactPolynomialsOfEveryOrder) {
  // Integer coefficients on x = -3.5, -3, ..., 4.5: every y is exact in
  // double and no model value is 0, so the least-squares answer is the
  // polynomial itself. Raw normal equations lose all digits by order 15.
  const int pattern[] = {7, -1, 2, -5, 1, 4, -2, 5, -3, 1, -4, 2, 3, -1, 5, -2};
  for (int order = 1; order <= 15; ++order) {
    std::vector<double> x, y;
    for (int k = -7; k <= 9; ++k) {
      const double xv = k / 2.0;
      long double v = 0;
      for (int j = order; j >= 0; --j) v = v * xv + pattern[j];
      x.push_back(xv);
      y.push_back((double)v);
    }
    const Fit f = fitFree(x, y, order);
    ASSERT_TRUE(f.ok) << "order " << order;
    for (int j = 0; j <= order; ++j)
      EXPECT_GE(refdata::lre(f.coef[j], pattern[j]), 10.0)
          << "order " << order << " coefficient " << j << " = " << f.coef[j];
    EXPECT_NEAR(f.r2, 1.0, 1e-12) << "order " << order;
    EXPECT_NEAR(f.adjusted, 1.0, 1e-12) << "order " << order;
    EXPECT_LT(std::fabs(f.chi2), 1e-9) << "order " << order;
  }
}

TEST(CurveFitting, ExactlyOrderPlusOnePointsGiveTheDivisionByZeroAdjustedR2) {
  // count - order - 1 = 0: adjusted R² is 1 - (count - 1)(1 - R²) / 0.0,
  // not a number when the fit is exact and -infinity otherwise.
  struct Case {
    std::vector<double> x, y;
    int order;
  };
  const Case cases[] = {{{0, 1}, {1, 3}, 1}, {{-1, 0, 2}, {6, 1, 9}, 2}, {{0, 3}, {0.1, 0.7}, 1}};
  for (const Case& c : cases) {
    const Fit f = fitFree(c.x, c.y, c.order);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.r2, 1.0, 1e-12);
    if (f.r2 == 1.0)
      EXPECT_TRUE(std::isnan(f.adjusted)) << f.adjusted;
    else
      EXPECT_EQ(f.adjusted, -std::numeric_limits<double>::infinity());
  }
  const Fit line = fitFree({0, 1}, {1, 3}, 1);
  EXPECT_EQ(line.coef[0], 1.0);
  EXPECT_EQ(line.coef[1], 2.0);
  EXPECT_EQ(line.r2, 1.0);
  EXPECT_TRUE(std::isnan(line.adjusted));
}

// --- Statistics -----------------------------------------------------------

TEST(CurveFitting, AllEqualYGiveTheUndefinedR2Sentinel) {
  // 0.1 is not exact in binary: sum / count would not give back 0.1.
  for (double value : {0.1, 2.0, -7.3}) {
    const Fit f = fitFree({1, 2, 3, 4, 5}, std::vector<double>(5, value), 2);
    ASSERT_TRUE(f.ok);
    EXPECT_NEAR(f.coef[0], value, 1e-13);
    EXPECT_NEAR(f.coef[1], 0.0, 1e-13);
    EXPECT_EQ(f.r2, -1.0);
    EXPECT_EQ(f.adjusted, -1.0);
  }
}

TEST(CurveFitting, GoodnessOfFitOfGivenCoefficients) {
  const CurveFitting cf;
  double r2 = 0, adjusted = 0, chi2 = 0;
  // y = x against 1, 3, 2, 4: SSres 2, SStot 5, Pearson (1/2 + 1/3) / 4.
  const double x[] = {1, 2, 3, 4}, y[] = {1, 3, 2, 4}, line[] = {0, 1};
  cf.getR2AndChi2(4, x, y, line, 1, &r2, &adjusted, &chi2);
  EXPECT_DOUBLE_EQ(r2, 0.6);
  EXPECT_DOUBLE_EQ(adjusted, 1.0 - 3.0 * 0.4 / 2.0);
  EXPECT_DOUBLE_EQ(chi2, (0.5 + 1.0 / 3.0) / 4.0);

  // A model value of exactly 0 at one point: chi² is 1e9 whatever the rest.
  const double x0[] = {0, 1, 2}, y0[] = {0.5, 1, 2.5};
  cf.getR2AndChi2(3, x0, y0, line, 1, &r2, &adjusted, &chi2);
  EXPECT_EQ(chi2, 1e9);
  EXPECT_GT(r2, 0.0);

  // No points: nothing is defined; chi² is 0 / 0, not a perfect 0.
  cf.getR2AndChi2(0, x, y, line, 1, &r2, &adjusted, &chi2);
  EXPECT_EQ(r2, -1.0);
  EXPECT_EQ(adjusted, -1.0);
  EXPECT_TRUE(std::isnan(chi2)) << chi2;

  // From a fit: y = x - 2 exactly through x = 2 gives a zero model value.
  const Fit f = fitFree({1, 2, 3, 4}, {-1, 0, 1, 2}, 1);
  ASSERT_TRUE(f.ok);
  EXPECT_EQ(f.chi2, 1e9);
}

TEST(CurveFitting, PolynomialValue) {
  const CurveFitting cf;
  const double coef[] = {1, -2, 3};
  EXPECT_EQ(cf.polynominalEqn(2, coef, 2.0), 9.0);
  EXPECT_EQ(cf.polynominalEqn(0, coef, 2.0), 1.0);
  EXPECT_EQ(cf.polynominalEqn(-1, coef, 2.0), 0.0);
}

// --- Fixed intercept ------------------------------------------------------

TEST(CurveFitting, FixedInterceptFitsWithoutAConstantColumn) {
  // Exact data through the intercept: the polynomial comes back.
  const std::vector<double> x = {-2, -1, 0.5, 1, 3, 4};
  std::vector<double> y;
  for (double v : x) y.push_back(5 + 2 * v - 0.5 * v * v);
  const Fit exact = fitFixed(x, y, 2, 5.0);
  ASSERT_TRUE(exact.ok);
  EXPECT_EQ(exact.coef[0], 5.0);
  EXPECT_NEAR(exact.coef[1], 2.0, 1e-13);
  EXPECT_NEAR(exact.coef[2], -0.5, 1e-13);
  EXPECT_NEAR(exact.r2, 1.0, 1e-13);

  // Data not through the intercept: coefficients 1 and 2 minimise the
  // squares of y - intercept against x and x² (normal equations by hand).
  const std::vector<double> xs = {1, 2, 3, 4, 6}, ys = {3.1, 4.2, 6.8, 8.1, 13.5};
  const double intercept = 1.25;
  double sxx = 0, sx3 = 0, sx4 = 0, sxt = 0, sx2t = 0;
  for (size_t i = 0; i < xs.size(); ++i) {
    const double v = xs[i], t = ys[i] - intercept;
    sxx += v * v;
    sx3 += v * v * v;
    sx4 += v * v * v * v;
    sxt += v * t;
    sx2t += v * v * t;
  }
  const double det = sxx * sx4 - sx3 * sx3;
  const Fit f = fitFixed(xs, ys, 2, intercept);
  ASSERT_TRUE(f.ok);
  EXPECT_EQ(f.coef[0], intercept);
  EXPECT_NEAR(f.coef[1], (sxt * sx4 - sx3 * sx2t) / det, 1e-12);
  EXPECT_NEAR(f.coef[2], (sxx * sx2t - sx3 * sxt) / det, 1e-12);

  // The general form with (true, intercept) is the same fit; order 0 keeps
  // only the intercept.
  std::vector<double> general(3);
  double chi2, r2, adjusted;
  ASSERT_TRUE(CurveFitting().leastSquares(5, 2, xs.data(), ys.data(), true, intercept,
                                          general.data(), &chi2, &r2, &adjusted));
  EXPECT_EQ(general, f.coef);
  EXPECT_EQ(r2, f.r2);
  const Fit constant = fitFixed(xs, ys, 0, 4.5);
  ASSERT_TRUE(constant.ok);
  EXPECT_EQ(constant.coef[0], 4.5);
}

// --- Cannot be fitted ------------------------------------------------------

TEST(CurveFitting, UndeterminedOrInvalidFitsReturnFalse) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* what;
    std::vector<double> x, y;
    int order;
    bool fixed;
  };
  const Case cases[] = {
      {"no points", {}, {}, 0, false},
      {"two distinct x, order 2", {1, 1, 2, 2, 2}, {1, 2, 3, 4, 5}, 2, false},
      {"three distinct x, order 3", {0, 1, 2, 0, 1, 2}, {1, 2, 3, 1, 2, 3}, 3, false},
      {"fewer points than coefficients", {1, 2}, {1, 2}, 2, false},
      {"all x equal, order 1", {3, 3, 3}, {1, 2, 3}, 1, false},
      {"x one ulp apart count as rounding", {0, 1, 2, 3, std::nextafter(3.0, 4.0)},
       {1, 2, 5, 10, 17}, 4, false},
      {"fixed intercept, one distinct non-zero x, order 2", {0, 0, 3, 3}, {1, 2, 3, 4}, 2, true},
      {"not a number in y", {1, 2, 3}, {1, nan, 3}, 1, false},
      {"infinite x", {1, std::numeric_limits<double>::infinity(), 3}, {1, 2, 3}, 1, false},
  };
  for (const Case& c : cases) {
    const Fit f = c.fixed ? fitFixed(c.x, c.y, c.order, 1.0) : fitFree(c.x, c.y, c.order);
    EXPECT_FALSE(f.ok) << c.what;
    // Nothing but the coefficients may be written on failure.
    EXPECT_EQ(f.chi2, 123.0) << c.what;
    EXPECT_EQ(f.r2, 123.0) << c.what;
    EXPECT_EQ(f.adjusted, 123.0) << c.what;
  }
  // One distinct x is enough for order 0: the mean.
  const Fit mean = fitFree({3, 3, 3}, {1, 2, 6}, 0);
  ASSERT_TRUE(mean.ok);
  EXPECT_DOUBLE_EQ(mean.coef[0], 3.0);
}

// --- Gaussian elimination -------------------------------------------------

namespace {
struct Matrix {
  std::vector<std::vector<double>> rows;
  std::vector<double*> pointers;
  explicit Matrix(std::vector<std::vector<double>> r) : rows(std::move(r)) {
    for (auto& row : rows) pointers.push_back(row.data());
  }
};
}  // namespace

TEST(GaussianElimination, SolvesWithPartialPivoting) {
  // The first pivot is 0, so a row swap is needed.
  Matrix m({{0, 2, 1, 7}, {1, 1, 1, 6}, {2, 1, -1, 1}});
  double s[3] = {0, 0, 0};
  ASSERT_TRUE(CurveFitting().gaussianElimination(3, 4, m.pointers.data(), s));
  EXPECT_DOUBLE_EQ(s[0], 1.0);
  EXPECT_DOUBLE_EQ(s[1], 2.0);
  EXPECT_DOUBLE_EQ(s[2], 3.0);
  // Rows were swapped by value: the largest |column 0| entry is on top.
  EXPECT_EQ(m.rows[0], (std::vector<double>{2, 1, -1, 1}));
  EXPECT_EQ(m.pointers[0], m.rows[0].data());
}

TEST(GaussianElimination, PivotTieKeepsTheUpperRow) {
  Matrix m({{1, 2, 3}, {-1, 5, 4}});
  double s[2];
  ASSERT_TRUE(CurveFitting().gaussianElimination(2, 3, m.pointers.data(), s));
  EXPECT_EQ(m.rows[0], (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(m.rows[1], (std::vector<double>{0, 7, 7}));
  EXPECT_DOUBLE_EQ(s[0], 1.0);
  EXPECT_DOUBLE_EQ(s[1], 1.0);
}

TEST(GaussianElimination, ZeroPivotAndTrivialSizes) {
  const CurveFitting cf;
  Matrix singular({{1, 2, 3}, {2, 4, 6}});
  double s[2] = {0, 0};
  EXPECT_FALSE(cf.gaussianElimination(2, 3, singular.pointers.data(), s));
  Matrix first({{0, 1, 1}, {0, 2, 2}});  // zero in the whole pivot column
  EXPECT_FALSE(cf.gaussianElimination(2, 3, first.pointers.data(), s));

  Matrix one({{4, 10}});
  ASSERT_TRUE(cf.gaussianElimination(1, 2, one.pointers.data(), s));
  EXPECT_EQ(s[0], 2.5);
  Matrix zero({{0, 10}});
  EXPECT_FALSE(cf.gaussianElimination(1, 2, zero.pointers.data(), s));
  EXPECT_TRUE(cf.gaussianElimination(0, 1, nullptr, s));
}
