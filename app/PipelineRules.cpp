#include "PipelineRules.h"

#include <cmath>

using namespace FX;

namespace PipelineRules {

void transformRow(int type, double x, double y, double* tx, double* ty, bool* xOk, bool* yOk) {
  *xOk = true;
  *yOk = true;
  if (type == LNX_VS_Y || type == LNX_VS_LNY) {
    if (x <= 0) {
      *xOk = false;
      return;
    }
    x = std::log(x);
  } else if (type == INVX_VS_LNY) {
    if (x <= 0) {
      *xOk = false;
      return;
    }
    x = 1.0 / x;
  }
  if (type == X_VS_LNY || type == LNX_VS_LNY || type == INVX_VS_LNY) {
    if (y <= 0) {
      *yOk = false;
      return;
    }
    y = std::log(y);
  }
  *tx = x;
  *ty = y;
}

double lmpValue(double time, double C, double T) { return (std::log10(time) + C) * T; }

double xScaleFactor(int type, double plotXmax) {
  if (type >= LNX_VS_Y && type <= INVX_VS_LNY) return 1.0;
  if (!(plotXmax > 0) || !std::isfinite(plotXmax)) return 1.0;
  const int p = -(int)std::trunc(std::log10(plotXmax));
  return std::pow(10.0, p);
}

void outerZoneLimits(double xmin, double xmax, double* lower, double* upper) {
  *lower = xmin - 1e-6 * std::fabs(xmin);
  *upper = xmax + 6e-7 * std::fabs(xmax);
  // At x = 0 the margin is taken from the range, and for a single x value
  // the next larger double still keeps the point inside.
  if (!(*upper > xmax)) *upper = xmax + 6e-7 * (xmax - xmin);
  if (!(*upper > xmax)) *upper = std::nextafter(xmax, HUGE_VAL);
}

void fixedInterceptZones(const double* b, int n, bool* zones) {
  for (int j = 0; j < n; ++j) zones[j] = false;
  if (n <= 0) return;
  if (b[0] >= 0) {
    zones[0] = true;
  } else if (b[n] <= 0) {
    zones[n - 1] = true;
  } else {
    for (int j = 0; j < n; ++j)
      if (b[j] <= 0 && 0 <= b[j + 1]) zones[j] = true;
  }
}

void pointBudgets(const int* counts, int n, int overlap, int numPoints, int* budgets) {
  for (int j = 0; j < n; ++j) budgets[j] = counts[j];
  if (n <= 1) return;
  int sum = 0;
  for (int j = 0; j < n; ++j) {
    sum += counts[j];
    if (j == 0 || j == n - 1) {
      if (counts[j] + overlap > numPoints) break;
      budgets[j] = counts[j] + overlap;
    } else {
      if (sum < overlap || numPoints - sum < overlap) break;
      budgets[j] = counts[j] + 2 * overlap;
    }
  }
}

double limitForCopy(int type, bool asNumbers, double limit) {
  if (!asNumbers) return limit;
  if (type == LNX_VS_Y || type == LNX_VS_LNY) return std::exp(limit);
  if (type == INVX_VS_LNY) return 1 / limit;
  return limit;
}

FXString finishedFormula(int type, bool simpleFormat, const FXString& variable, const FXString& formula) {
  FXString v = variable;
  v.trim();
  if (v.empty()) return "You must enter a value for the Excel cell";
  FXString f = formula;
  if (type == LMP && simpleFormat) {
    f.substitute("=", "", true);
    f.substitute("*", "", true);
    f.substitute("^", "", true);
    f.trim();
  } else if (type >= X_VS_LNY && type <= LMP) {
    f.substitute("=", "", true);
    f.trim();
    f = "= exp(" + f + ")";
  }
  f.substitute("e-", "E-", true);
  f.substitute("e+", "E+", true);
  return f;
}

}  // namespace PipelineRules
