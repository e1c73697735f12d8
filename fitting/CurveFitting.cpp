// Least-squares polynomial fitting.
//
// Raw powers of x make a badly conditioned basis, and the normal equations
// square that condition: with x far from 0 a fit of degree 10 loses every
// digit. leastSquares therefore
//   1. maps x affinely onto t in [-1, 1] (in long double),
//   2. factorises the design of powers of t by Householder QR in double,
//      refusing a design whose columns are dependent to rounding,
//   3. refines the solution of the augmented system [I A; A' 0][r; c] =
//      [y; 0] with residuals accumulated in long double, which removes the
//      error of the double factorisation even when the residual is large,
//   4. expands the powers of t back into powers of x in long double.
// With a fixed intercept the columns are (x / max|x|) * t^k, which span
// exactly x, x^2, ..., x^order.
#include "CurveFitting.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

namespace {

typedef long double Wide;

// Householder QR of a column-major rows x cols matrix of doubles, factorised
// in place: the reflectors stay below and on the diagonal, R above it with
// its diagonal kept apart.
class HouseholderQR {
public:
  HouseholderQR(std::vector<double>& a, int rows, int cols)
      : a_(a), m_(rows), p_(cols), diag_(cols), tau_(cols) {}

  // False when a column keeps less than `tolerance` of its length after the
  // earlier columns are projected out (a rank-deficient design).
  bool factor(double tolerance) {
    for (int k = 0; k < p_; ++k) {
      double* col = column(k);
      double length = 0.0;
      for (int i = 0; i < m_; ++i) length += col[i] * col[i];
      double norm = 0.0;
      for (int i = k; i < m_; ++i) norm += col[i] * col[i];
      norm = std::sqrt(norm);
      if (!(norm > tolerance * std::sqrt(length))) return false;  // also catches NaN
      const double alpha = col[k] >= 0.0 ? -norm : norm;
      const double v0 = col[k] - alpha;
      col[k] = v0;
      diag_[k] = alpha;
      tau_[k] = -1.0 / (alpha * v0);
      for (int j = k + 1; j < p_; ++j) reflect(k, column(j));
    }
    return true;
  }

  void applyQt(double* v) const {
    for (int k = 0; k < p_; ++k) reflect(k, v);
  }
  void applyQ(double* v) const {
    for (int k = p_ - 1; k >= 0; --k) reflect(k, v);
  }
  // Solves R d = v in place (v has cols entries).
  void solveR(double* v) const {
    for (int i = p_ - 1; i >= 0; --i) {
      double s = v[i];
      for (int j = i + 1; j < p_; ++j) s -= a_[(size_t)j * m_ + i] * v[j];
      v[i] = s / diag_[i];
    }
  }
  // Solves R' h = v in place.
  void solveRt(double* v) const {
    for (int i = 0; i < p_; ++i) {
      double s = v[i];
      for (int j = 0; j < i; ++j) s -= a_[(size_t)i * m_ + j] * v[j];
      v[i] = s / diag_[i];
    }
  }

private:
  double* column(int k) { return &a_[(size_t)k * m_]; }
  const double* column(int k) const { return &a_[(size_t)k * m_]; }
  // v := (I - tau v_k v_k') v on rows k .. m-1.
  void reflect(int k, double* v) const {
    const double* h = column(k);
    double s = 0.0;
    for (int i = k; i < m_; ++i) s += h[i] * v[i];
    s *= tau_[k];
    for (int i = k; i < m_; ++i) v[i] -= s * h[i];
  }

  std::vector<double>& a_;
  int m_, p_;
  std::vector<double> diag_, tau_;
};

// Number of distinct values among x (leaving out zeros when asked),
// counted up to `needed`.
int distinctValues(const double* x, int count, bool skipZero, int needed) {
  std::vector<double> seen;
  for (int i = 0; i < count && (int)seen.size() < needed; ++i) {
    if (skipZero && x[i] == 0.0) continue;
    if (std::find(seen.begin(), seen.end(), x[i]) == seen.end()) seen.push_back(x[i]);
  }
  return (int)seen.size();
}

Wide maxAbs(const std::vector<Wide>& v) {
  Wide m = 0;
  for (Wide e : v) m = std::max(m, std::fabs(e));
  return m;
}

// Least squares of target against the columns weight * t^k, k < cols.
// Returns the coefficients of the powers of t in `c`.
bool solveRefined(int m, int p, const std::vector<Wide>& t, const std::vector<Wide>& weight,
                  const std::vector<Wide>& target, std::vector<Wide>& c) {
  std::vector<double> a((size_t)m * p);
  for (int i = 0; i < m; ++i) {
    Wide power = weight[i];
    for (int k = 0; k < p; ++k) {
      a[(size_t)k * m + i] = (double)power;
      power *= t[i];
    }
  }
  HouseholderQR qr(a, m, p);
  // A column shorter than this after projection is rounding noise.
  const double tolerance = std::max(64, m) * DBL_EPSILON;
  if (!qr.factor(tolerance)) return false;

  std::vector<Wide> r(m, 0.0L);
  c.assign(p, 0.0L);
  std::vector<Wide> g(p);
  std::vector<double> f(m), h(p), dc(p);
  Wide previous = 0;
  Wide correction = 0;
  for (int iteration = 0; iteration < 30; ++iteration) {
    // Residuals of both block rows, in long double.
    std::fill(g.begin(), g.end(), 0.0L);
    for (int i = 0; i < m; ++i) {
      Wide model = c[p - 1];
      for (int k = p - 2; k >= 0; --k) model = model * t[i] + c[k];
      f[i] = (double)(target[i] - r[i] - model * weight[i]);
      Wide power = weight[i] * r[i];
      for (int k = 0; k < p; ++k) {
        g[k] -= power;
        power *= t[i];
      }
    }
    // Correction from the factorisation: R' h = g, R dc = (Q'f)_top - h,
    // dr = Q [h; (Q'f)_bottom].
    qr.applyQt(f.data());
    for (int k = 0; k < p; ++k) h[k] = (double)g[k];
    qr.solveRt(h.data());
    for (int k = 0; k < p; ++k) dc[k] = f[k] - h[k];
    qr.solveR(dc.data());
    for (int k = 0; k < p; ++k) f[k] = h[k];
    qr.applyQ(f.data());
    for (int i = 0; i < m; ++i) r[i] += f[i];
    correction = 0;
    for (int k = 0; k < p; ++k) {
      c[k] += dc[k];
      correction = std::max(correction, (Wide)std::fabs(dc[k]));
    }
    const Wide size = maxAbs(c);
    if (correction <= 8 * LDBL_EPSILON * size) return true;
    // Corrections stop shrinking at the rounding level of the residuals.
    if (iteration > 0 && correction > previous / 2) return correction <= 1e-6L * size;
    previous = correction;
  }
  return correction <= 1e-6L * maxAbs(c);
}

// Coefficients of sum c_k ((x - centre) / halfWidth)^k as powers of x.
std::vector<Wide> toPowersOfX(const std::vector<Wide>& c, Wide centre, Wide halfWidth) {
  const int p = (int)c.size();
  std::vector<Wide> q(p, 0.0L);
  q[0] = c[p - 1];
  for (int k = p - 2, degree = 0; k >= 0; --k, ++degree) {
    // q := q * (x - centre) / halfWidth + c_k
    for (int j = degree + 1; j >= 0; --j) {
      const Wide lower = j > 0 ? q[j - 1] : 0.0L;
      const Wide same = j <= degree ? q[j] : 0.0L;
      q[j] = (lower - centre * same) / halfWidth;
    }
    q[0] += c[k];
  }
  return q;
}

}  // namespace

CurveFitting::CurveFitting() {}

CurveFitting::~CurveFitting() {}

bool CurveFitting::leastSquares(int count, int order, const double* x, const double* y,
                                double* coef, double* chi2, double* r2,
                                double* adjustedR2) const {
  return leastSquares(count, order, x, y, false, 0.0, coef, chi2, r2, adjustedR2);
}

bool CurveFitting::leastSquares(int count, int order, const double* x, const double* y,
                                double intercept, double* coef, double* chi2, double* r2,
                                double* adjustedR2) const {
  return leastSquares(count, order, x, y, true, intercept, coef, chi2, r2, adjustedR2);
}

bool CurveFitting::leastSquares(int count, int order, const double* x, const double* y,
                                bool fixIntercept, double intercept, double* coef, double* chi2,
                                double* r2, double* adjustedR2, double* fitted) const {
  if (count <= 0 || order < 0) return false;
  if (fixIntercept && !std::isfinite(intercept)) return false;
  for (int i = 0; i < count; ++i)
    if (!std::isfinite(x[i]) || !std::isfinite(y[i])) return false;

  // Unknowns: every power for a free intercept, powers 1 .. order otherwise.
  const int unknowns = fixIntercept ? order : order + 1;
  if (distinctValues(x, count, fixIntercept, unknowns) < unknowns) return false;

  if (unknowns > 0) {
    const double xMin = *std::min_element(x, x + count);
    const double xMax = *std::max_element(x, x + count);
    const Wide centre = ((Wide)xMin + xMax) / 2;
    Wide halfWidth = ((Wide)xMax - xMin) / 2;
    if (halfWidth == 0) halfWidth = 1;  // one distinct x: only t^0 is used
    Wide scale = 1;
    if (fixIntercept) scale = std::max(std::fabs((Wide)xMin), std::fabs((Wide)xMax));

    std::vector<Wide> t(count), weight(count), target(count);
    for (int i = 0; i < count; ++i) {
      t[i] = ((Wide)x[i] - centre) / halfWidth;
      weight[i] = fixIntercept ? x[i] / scale : 1.0L;
      target[i] = fixIntercept ? (Wide)y[i] - intercept : (Wide)y[i];
    }
    std::vector<Wide> c;
    if (!solveRefined(count, unknowns, t, weight, target, c)) return false;
    const std::vector<Wide> q = toPowersOfX(c, centre, halfWidth);
    // With a fixed intercept the fitted polynomial is (x / scale) * q(x).
    for (int j = 0; j < unknowns; ++j)
      coef[fixIntercept ? j + 1 : j] = (double)(fixIntercept ? q[j] / scale : q[j]);
    if (fitted)
      for (int i = 0; i < count; ++i) {
        Wide model = c[unknowns - 1];
        for (int k = unknowns - 2; k >= 0; --k) model = model * t[i] + c[k];
        fitted[i] = (double)(model * weight[i] + (fixIntercept ? (Wide)intercept : 0.0L));
      }
  } else if (fitted) {
    // Order 0 through a fixed intercept: the intercept is the whole fit.
    for (int i = 0; i < count; ++i) fitted[i] = intercept;
  }
  if (fixIntercept) coef[0] = intercept;
  getR2AndChi2(count, x, y, coef, order, r2, adjustedR2, chi2);
  return true;
}

bool CurveFitting::gaussianElimination(int rows, int cols, double** a, double* solution) const {
  if (rows <= 0) return true;
  for (int i = 0; i + 1 < rows; ++i) {
    for (int r = i + 1; r < rows; ++r)
      if (std::fabs(a[r][i]) > std::fabs(a[i][i]))
        for (int j = 0; j < cols; ++j) std::swap(a[i][j], a[r][j]);
    for (int r = i + 1; r < rows; ++r) {
      if (a[i][i] == 0.0) return false;
      const double factor = a[r][i] / a[i][i];
      for (int j = 0; j < cols; ++j) a[r][j] -= factor * a[i][j];
    }
  }
  for (int i = rows - 1; i >= 0; --i) {
    double s = a[i][cols - 1];
    for (int j = i + 1; j <= cols - 2; ++j) s -= a[i][j] * solution[j];
    if (a[i][i] == 0.0) return false;
    solution[i] = s / a[i][i];
  }
  return true;
}

double CurveFitting::polynominalEqn(int order, const double* coef, double x) const {
  double sum = 0.0;
  for (int i = 0; i <= order; ++i) sum += coef[i] * std::pow(x, i);
  return sum;
}

void CurveFitting::getR2AndChi2(int count, const double* x, const double* y, const double* coef,
                                int order, double* r2, double* adjustedR2, double* chi2) const {
  *r2 = -1.0;
  *adjustedR2 = -1.0;
  *chi2 = 0.0;

  // When every y is the same the mean is that y exactly, so the total sum
  // of squares is exactly 0 (a rounded sum / count would leave a tiny
  // non-zero total and a meaningless R²). No points leave both R² at -1
  // and chi² at 0 / 0, not a number.
  bool allEqual = count > 0;
  double sum = 0.0;
  for (int i = 0; i < count; ++i) {
    sum += y[i];
    if (y[i] != y[0]) allEqual = false;
  }
  const double mean = allEqual ? y[0] : sum / count;

  double ssRes = 0.0, ssTot = 0.0, chi = 0.0;
  bool zeroModel = false;
  for (int i = 0; i < count; ++i) {
    const double f = polynominalEqn(order, coef, x[i]);
    ssRes += (y[i] - f) * (y[i] - f);
    ssTot += (mean - y[i]) * (mean - y[i]);
    if (f != 0.0)
      chi += (y[i] - f) * (y[i] - f) / f;
    else
      zeroModel = true;
  }
  if (ssTot != 0.0) {
    *r2 = 1.0 - ssRes / ssTot;
    *adjustedR2 = 1.0 - (count - 1) * (1.0 - *r2) / (double)(count - order - 1);
  }
  *chi2 = zeroModel ? 1e9 : chi / count;
}
