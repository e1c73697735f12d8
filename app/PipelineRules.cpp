#include "PipelineRules.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "EquationRules.h"
#include "NumberCommas.h"
#include "SettingsRules.h"

using namespace FX;

namespace PipelineRules {

namespace {
const char* const NUMBER_CHARACTERS = "0123456789+-.eE";
bool startsOrEndsANumber(char c) { return c != '\0' && std::strchr(NUMBER_CHARACTERS, c); }
}  // namespace

bool isNumberText(const FXString& text) {
  // A short text with no blanks to trim at its ends and no comma to read
  // (every cell the program writes) is checked in place, as the settings'
  // number check checks it: its characters and one whole finite number.
  const FXint n = text.length();
  if (n > 0 && n < 64 && startsOrEndsANumber(text[0]) && startsOrEndsANumber(text[n - 1]) && text.find(',') < 0) {
    for (FXint i = 0; i < n; ++i)
      if (!std::strchr(NUMBER_CHARACTERS, text[i])) return false;
    char* end = nullptr;
    const double v = std::strtod(text.text(), &end);
    return *end == '\0' && std::isfinite(v);
  }
  FXString number;
  return ini::numberText(NumberCommas::pointed(text), number);
}

FXString leftOutRowsText(int count, const char* what) {
  if (count == 1)
    return FXStringFormat("1 row was left out of the fit: its %s cell holds text that is not a number.", what);
  return FXStringFormat("%d rows were left out of the fit: their %s cells hold text that is not a number.", count,
                        what);
}

FXString rowsAfterDataText(int count, int endRow, const char* what) {
  if (count == 1)
    return FXStringFormat("1 row holding values was not fitted: the data ends at row %d, whose %s cell is empty.",
                          endRow, what);
  return FXStringFormat("%d rows holding values were not fitted: the data ends at row %d, whose %s cell is empty.",
                        count, endRow, what);
}

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

void pointsOfZones(const int* zoneOf, int numPoints, int n, int overlap, std::vector<int>* members) {
  if (n <= 0) return;
  if (n > eqn::MAX_ZONES) n = eqn::MAX_ZONES;
  int counts[eqn::MAX_ZONES] = {0};
  for (int i = 0; i < numPoints; ++i)
    if (zoneOf[i] >= 0 && zoneOf[i] < n) ++counts[zoneOf[i]];
  int first[eqn::MAX_ZONES] = {0};
  for (int z = 1; z < n; ++z) first[z] = first[z - 1] + counts[z - 1];
  for (int z = 0; z < n; ++z) {
    members[z].clear();
    for (int i = 0; i < numPoints; ++i)
      if (eqn::acceptPointInZone(i, zoneOf[i], z, first, overlap)) members[z].push_back(i);
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
