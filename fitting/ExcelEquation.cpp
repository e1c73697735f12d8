// Spreadsheet formula text of a polynomial.
#include "ExcelEquation.h"

#include <cmath>
#include <vector>

using namespace FX;

ExcelEquation::ExcelEquation()
    : maxOrder(100),
      numTerms(0),
      exponents(new int[maxOrder + 1]),
      coefficients(new double[maxOrder + 1]) {}

ExcelEquation::~ExcelEquation() {
  delete[] exponents;
  delete[] coefficients;
}

int ExcelEquation::getMaxOrder() const { return maxOrder; }

FXString ExcelEquation::getExcelEquation(int count, FXString cell, int decimals,
                                         const double* coef, const int* exps) {
  if (decimals < 0) decimals = 0;
  if (decimals > 24) decimals = 24;
  if (count < 0) count = 0;

  // The arrays hold maxOrder + 1 terms; more are written but not stored.
  numTerms = count < maxOrder + 1 ? count : maxOrder + 1;
  for (int i = 0; i <= maxOrder; ++i) {
    coefficients[i] = 0.0;
    exponents[i] = 0;
  }
  for (int i = 0; i < numTerms; ++i) {
    coefficients[i] = coef[i];
    exponents[i] = exps[i];
  }

  FXString text("= ");
  for (int i = count - 1; i >= 0; --i) {
    const bool first = i == count - 1;
    if (coef[i] > 0.0)
      text += first ? "" : " + ";
    else
      text += first ? "-" : " - ";
    text += FXStringFormat("%.*le", decimals, std::fabs(coef[i]));
    if (exps[i] == 1)
      text += FXStringFormat("*%s", cell.text());
    else if (exps[i] > 1)
      text += FXStringFormat("*%s^%d", cell.text(), exps[i]);
  }
  return text;
}

FXString ExcelEquation::getExcelEquationDerivative(int count, FXString cell, int decimals,
                                                   const double* coef, const int* exps) {
  const int terms = count > 1 ? count - 1 : 0;
  std::vector<double> dCoef(terms > 0 ? terms : 1);
  std::vector<int> dExp(terms > 0 ? terms : 1);
  for (int i = 1; i <= terms; ++i) {
    dCoef[i - 1] = exps[i] * coef[i];
    dExp[i - 1] = exps[i] - 1;
  }
  return getExcelEquation(terms, cell, decimals, dCoef.data(), dExp.data());
}

double ExcelEquation::getValue(double x) const {
  double sum = 0.0;
  for (int i = numTerms - 1; i >= 0; --i) {
    double term = coefficients[i];
    for (int e = 0; e < exponents[i]; ++e) term *= x;
    sum += term;
  }
  return sum;
}
