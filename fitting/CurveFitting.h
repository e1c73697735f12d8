// Least-squares polynomial fitting with R², adjusted R² and chi².
//
// A fit of order n gives n + 1 coefficients indexed by power of x, the
// constant term first. The object holds no state: one object may serve any
// number of fits.
#ifndef QUILLGRID_CURVEFITTING_H
#define QUILLGRID_CURVEFITTING_H

class CurveFitting {
public:
  CurveFitting();
  ~CurveFitting();

  // Fits y against 1, x, ..., x^order. Returns false when the fit cannot be
  // made: no points, a non-finite value, or a design that does not determine
  // every coefficient (fewer distinct x than order + 1, or points so close
  // together that the coefficients are lost to rounding). On false only the
  // coefficient array may have been written.
  bool leastSquares(int count, int order, const double* x, const double* y, double* coef,
                    double* chi2, double* r2, double* adjustedR2) const;
  // Fits y - intercept against x, ..., x^order (no constant column);
  // coef[0] is set to the intercept exactly.
  bool leastSquares(int count, int order, const double* x, const double* y, double intercept,
                    double* coef, double* chi2, double* r2, double* adjustedR2) const;
  // Both forms above: (false, 0.0) and (true, intercept). When `fitted`
  // is given it receives the fitted value at every point (count entries),
  // evaluated from the fit's own scaled basis in long double: the curve
  // the fit found, which the coefficients in powers of x may carry less
  // well when x lies far from 0.
  bool leastSquares(int count, int order, const double* x, const double* y, bool fixIntercept,
                    double intercept, double* coef, double* chi2, double* r2,
                    double* adjustedR2, double* fitted = nullptr) const;

  // Gaussian elimination with partial pivoting on an augmented matrix of
  // `rows` rows of `cols` doubles (right-hand side in the last column),
  // changed in place. Returns false on a zero pivot.
  bool gaussianElimination(int rows, int cols, double** matrix, double* solution) const;

  // Value of the polynomial of this order at x (0 for an order below 0).
  double polynominalEqn(int order, const double* coef, double x) const;

  // R² and adjusted R² (both -1 when all y are equal) and Pearson's chi²
  // divided by the number of points (1e9 when a model value was zero).
  void getR2AndChi2(int count, const double* x, const double* y, const double* coef, int order,
                    double* r2, double* adjustedR2, double* chi2) const;
};

#endif
