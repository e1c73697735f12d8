// A polynomial, given as terms (coefficient and exponent), as the text of a
// spreadsheet cell formula of one cell reference, its first derivative, and
// its value.
#ifndef QUILLGRID_EXCELEQUATION_H
#define QUILLGRID_EXCELEQUATION_H

#include <fx.h>

class ExcelEquation {
public:
  ExcelEquation();
  ~ExcelEquation();
  ExcelEquation(const ExcelEquation&) = delete;
  ExcelEquation& operator=(const ExcelEquation&) = delete;

  // The largest exponent the stored terms are sized for (100).
  int getMaxOrder() const;

  // The formula "= ..." of the terms, highest index first, each coefficient
  // written "%.*le" with `decimals` (clamped to 0 .. 24). Stores the terms
  // for getValue (at most getMaxOrder() + 1 of them).
  FX::FXString getExcelEquation(int numTerms, FX::FXString cell, int decimals,
                                const double* coefficients, const int* exponents);
  // The formula of the first derivative of the terms (term 0 is the
  // constant and is dropped); stores the derivative's terms.
  FX::FXString getExcelEquationDerivative(int numTerms, FX::FXString cell, int decimals,
                                          const double* coefficients, const int* exponents);

  // The stored terms at x (0 when there are none).
  double getValue(double x) const;

private:
  int maxOrder;
  int numTerms;
  int* exponents;
  double* coefficients;
};

#endif
