#include "EquationRules.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ExcelEquation.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace eqn {

int orderFromLabel(const FXString& label) {
  int value = 0;
  for (int i = 0; i < label.length() && label[i] >= '0' && label[i] <= '9'; ++i) {
    value = value * 10 + (label[i] - '0');
    if (value > 1000000) break;  // a label never holds such an order
  }
  return value;
}

int clampFitOrder(int n, int maxOrder) {
  const int order = n < 1 ? 1 : n;
  return order < maxOrder ? order : maxOrder;
}

FXString fitOrderLabel(int order) {
  switch (order) {
    case 1: return FXStringFormat("%dst order", order);
    case 2: return FXStringFormat("%dnd order", order);
    case 3: return FXStringFormat("%drd order", order);
    default: return FXStringFormat("%dth order", order);
  }
}

int zoneIndex(const double* b, int numEquations, double x) {
  for (int i = 0; i < numEquations; ++i)
    if (b[i] <= x && x < b[i + 1]) return i;
  return 0;
}

bool acceptPointInZone(int i, int zoneOfI, int z, const int* first, int overlap) {
  if (zoneOfI == z) return true;
  if (zoneOfI == z + 1) return i < first[z + 1] + overlap;
  if (zoneOfI == z - 1) return i >= first[z] - overlap;
  return false;
}

double convertTemperature(int scale, double x) {
  switch (scale) {
    case 0: return x + 273.15;
    case 1: return (x - 32.0) * 5.0 / 9.0 + 273.15;
    case 2: return (x - 32.0) * 5.0 / 9.0;
    case 3: return x - 273.15;
    case 4: return x * 9.0 / 5.0 + 32.0;
    case 5: return (x - 273.15) * 9.0 / 5.0 + 32.0;
    default: return x;
  }
}

double larsonMillerParameter(double T, double C, double t) { return (std::log10(t) + C) * T; }

namespace {
// printf's text of x in the given form. to_chars with a precision writes
// what printf writes in the C locale (the program's numeric locale): both
// round the exact binary value. Infinities, NaN and precisions beyond a
// short buffer go through printf itself.
FXString printfText(std::chars_format form, const char* format, int decimals, double x) {
  if (decimals >= 0 && decimals <= 40 && std::isfinite(x)) {
    char buffer[400];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof(buffer), x, form, decimals);
    if (r.ec == std::errc()) return FXString(buffer, static_cast<FXint>(r.ptr - buffer));
  }
  return FXStringFormat(format, decimals, x);
}
}  // namespace

FXString fixedText(int decimals, double x) { return printfText(std::chars_format::fixed, "%.*lf", decimals, x); }

FXString exponentText(int decimals, double x) {
  return printfText(std::chars_format::scientific, "%.*le", decimals, x);
}

FXString roundedText(char form, int decimals, double x) {
  if (decimals < 0) decimals = 0;
  const std::chars_format shown = form == 'e' ? std::chars_format::scientific : std::chars_format::fixed;
  const char* plain = form == 'e' ? "%.*le" : "%.*lf";
  if (!std::isfinite(x) || x == 0) return printfText(shown, plain, decimals, x);
  // The first 15 significant digits: d.dddddddddddddde<exponent>.
  char digits[40];
  const std::to_chars_result d =
      std::to_chars(digits, digits + sizeof digits - 1, std::fabs(x), std::chars_format::scientific, 14);
  *d.ptr = '\0';
  const int exponent = std::atoi(std::strchr(digits, 'e') + 1);
  // Significant digits the text keeps.
  const int keep = form == 'e' ? decimals + 1 : exponent + 1 + decimals;
  if (keep >= 15) return printfText(shown, plain, decimals, x);
  auto digit = [&digits](int i) { return digits[i == 0 ? 0 : i + 1] - '0'; };
  long long kept = 0;
  for (int i = 0; i < keep; ++i) kept = kept * 10 + digit(i);
  if (keep >= 0 && digit(keep) >= 5) ++kept;
  // The rounded decimal has at most 15 digits, so the double nearest to
  // it prints back as it with these decimals.
  double rounded = 0.0;
  if (kept != 0) {
    char decimal[48];
    char* end = std::to_chars(decimal, decimal + 24, kept).ptr;
    *end++ = 'e';
    end = std::to_chars(end, decimal + sizeof decimal, exponent + 1 - keep).ptr;
    std::from_chars(decimal, end, rounded);
  }
  return printfText(shown, plain, decimals, std::copysign(rounded, x));
}

FXString valueText(double x, bool decimalComma) {
  FXString text;
  if (std::isfinite(x)) {
    // The fewest significant digits that read back as x: to_chars' shortest
    // exponent form, d.ddde<exponent>; more than 15 are cut to 15 (with
    // printf's rounding and its trailing zeros dropped).
    char b[64];
    std::to_chars_result r = std::to_chars(b, b + sizeof b - 1, x, std::chars_format::scientific);
    *r.ptr = '\0';
    const char* e = std::strchr(b, 'e');
    auto digitsBefore = [&b](const char* end) {
      int n = 0;
      for (const char* p = b; p < end; ++p) n += *p >= '0' && *p <= '9';
      return n;
    };
    int digits = digitsBefore(e);
    const char* mantissaEnd = e;
    if (digits > 15) {
      r = std::to_chars(b, b + sizeof b - 1, x, std::chars_format::scientific, 14);
      *r.ptr = '\0';
      e = mantissaEnd = std::strchr(b, 'e');
      while (mantissaEnd[-1] == '0') --mantissaEnd;
      if (mantissaEnd[-1] == '.') --mantissaEnd;
      digits = digitsBefore(mantissaEnd);
    }
    const int exponent = std::atoi(e + 1);
    if (exponent < -4 || exponent >= 15) {
      // As "%.15g" writes such a value: in exponent form.
      text = FXString(b, static_cast<FXint>(mantissaEnd - b));
      text.append(e, static_cast<FXint>(r.ptr - e));
    } else {
      // Plainly, with as many decimals as those digits reach.
      r = std::to_chars(b, b + sizeof b - 1, x, std::chars_format::fixed, std::max(digits - 1 - exponent, 0));
      text = FXString(b, static_cast<FXint>(r.ptr - b));
    }
  } else {
    text = FXStringFormat("%.15g", x);
  }
  if (decimalComma) text.substitute('.', ',');
  return text;
}

FXString formattedNumber(int decimals, double x, bool decimalComma) {
  FXString text = roundedText('f', decimals, x);
  if (decimalComma) text.substitute('.', ',');
  return text;
}

int numDecimals(double x, int curveFitType, bool authorMode) {
  if (curveFitType == LMP_FIT_TYPE) return 3;
  const double a = std::fabs(x);
  if (a > 10000) return authorMode ? 1 : 0;
  if (a > 1000) return 1;
  if (a > 100) return 2;
  if (a > 10) return 3;
  if (a > 1) return 4;
  if (a > 0.1) return 5;
  return 2;
}

FXString boundaryText(double x, int curveFitType, bool xIsTemperature, double resolutionPerPixel, bool authorMode) {
  if (curveFitType == LMP_FIT_TYPE) return roundedText('f', 3, x);
  if (xIsTemperature) return roundedText('f', 1, x);
  if (x < 0.1 || x > 1000) return roundedText('e', 6, x);
  int decimals;
  if (resolutionPerPixel > 0 && std::log10(resolutionPerPixel) < 0) {
    decimals = static_cast<int>(std::fabs(std::log10(resolutionPerPixel))) + 1;
  } else {
    decimals = numDecimals(x, curveFitType, authorMode);
    if (decimals == 0 && authorMode) decimals = 1;
  }
  return roundedText('f', decimals, x);
}

FXString axisNumberText(double x, int curveFitType, int numberFormat, bool authorMode) {
  if (curveFitType == LMP_FIT_TYPE) return roundedText('f', 3, x);
  if (numberFormat == 1) return roundedText('e', 6, x);
  if (std::fabs(x) > 0.1) return roundedText('f', numDecimals(x, curveFitType, authorMode), x);
  return roundedText('e', 6, x);
}

const char* const UNDEFINED_R2_TEXT = "undefined";

double writtenCoefficient(double c, int decimals) {
  return std::strtod(FXStringFormat("%.*le", decimals, c).text(), nullptr);
}

namespace {
// The written equation at x as a spreadsheet evaluates its formula.
double writtenValue(const double* written, int order, double x) {
  double sum = 0.0;
  for (int k = order; k >= 0; --k) sum += written[k] * std::pow(x, k);
  return sum;
}

// Sum of squared departures of the equation written with `decimals`
// from the fitted values; written[] receives its coefficients.
long double departures(int count, const double* x, const double* fitted, const double* coef, int order,
                       int decimals, double* written) {
  for (int k = 0; k <= order; ++k) written[k] = writtenCoefficient(coef[k], decimals);
  long double sum = 0;
  for (int i = 0; i < count; ++i) {
    const long double d = (long double)writtenValue(written, order, x[i]) - fitted[i];
    sum += d * d;
  }
  return sum;
}
}  // namespace

WrittenFit checkWrittenFit(int count, const double* x, const double* y, const double* fitted, const double* coef,
                           int order, int decimals, int maxDecimals) {
  WrittenFit result;
  if (count <= 0 || order < 0) return result;
  if (order > MAX_FIT_ORDER) order = MAX_FIT_ORDER;
  long double sum = 0, sumSquares = 0;
  bool allEqual = true;
  for (int i = 0; i < count; ++i) {
    sum += y[i];
    sumSquares += (long double)y[i] * y[i];
    if (y[i] != y[0]) allEqual = false;
  }
  const long double mean = allEqual ? y[0] : sum / count;
  long double ssTot = 0, ssFit = 0;
  for (int i = 0; i < count; ++i) {
    ssTot += (y[i] - mean) * (y[i] - mean);
    ssFit += ((long double)y[i] - fitted[i]) * ((long double)y[i] - fitted[i]);
  }
  const long double scale = ssTot > 0 ? ssTot : sumSquares;
  const long double allowed = std::max(0.01L * ssFit, 1e-4L * scale);

  double written[MAX_COEFFICIENTS];
  const long double departed = departures(count, x, fitted, coef, order, decimals, written);
  result.carries = departed <= allowed;
  result.r2Defined = ssTot > 0;
  if (result.r2Defined) {
    long double ssWritten = 0;
    for (int i = 0; i < count; ++i) {
      const long double r = (long double)y[i] - writtenValue(written, order, x[i]);
      ssWritten += r * r;
    }
    result.fitR2 = (double)(1 - ssFit / ssTot);
    result.writtenR2 = (double)(1 - ssWritten / ssTot);
  }
  if (!result.carries)
    for (int more = decimals + 1; more <= maxDecimals; ++more)
      if (departures(count, x, fitted, coef, order, more, written) <= allowed) {
        result.decimalsThatCarry = more;
        break;
      }
  return result;
}

const char* const NOT_FITTED_TEXT = "error - not fitted";

FXString notFittedEquationText(int zone) { return FXStringFormat("eqns[%d] = %s", zone, NOT_FITTED_TEXT); }

FXString equationText(int zone, const FXString* coefficientTexts, int order, const FXString& variable,
                      bool authorMode) {
  for (int power = 0; power <= order; ++power)
    if (FXString(coefficientTexts[power]).trim().empty()) return notFittedEquationText(zone);
  FXString text = FXStringFormat("eqns[%d] = ", zone);
  if (authorMode) text += "\"";
  for (int power = order; power >= 0; --power) {
    FXString coefficient = coefficientTexts[power];
    if (power != order) {
      if (coefficient.length() > 0 && coefficient[0] == '-') {
        text += " - ";
        coefficient.erase(0, 1);
      } else {
        text += " + ";
      }
    }
    if (power >= 2)
      text += FXStringFormat("%s*%s^%d", coefficient.text(), variable.text(), power);
    else if (power == 1)
      text += FXStringFormat("%s*%s", coefficient.text(), variable.text());
    else
      text += coefficient;
  }
  if (authorMode) text += "\";";
  return text;
}

FXString variableName(const FXString& cellText, bool simpleFormat, int curveFitType) {
  FXString name = cellText;
  name.trim();
  if (simpleFormat) {
    name = "x";
  } else if (curveFitType == 1 || curveFitType == 3) {
    name = "ln(" + name + ")";
    name.upper();
  } else if (curveFitType == 4) {
    // The formulas write "coefficient*variable^n"; a bracketed reciprocal
    // keeps that a valid spreadsheet formula.
    name = "(1/" + name + ")";
    name.upper();
  } else {
    name.upper();
  }
  name.trim();
  return name;
}

double roundLimit(double x, bool forceWholeNumbers, double plotXmin, double plotXmax) {
  if (!(forceWholeNumbers && plotXmin >= 1 && plotXmax >= 100)) return x;
  if (std::fabs(x) < static_cast<double>(INT_MAX)) return Utilities_lom2::round(x);
  // Beyond the range of an int the same half-away-from-zero rule in double
  // keeps the limit where it is (an int result would pin it at INT_MAX).
  return x > 0 ? std::floor(x + 0.5) : -std::floor(0.5 - x);
}

bool adjustedCoefficients(int anchorZone, int numEquations, const int* orders, const int* exponents, const double* b,
                          const double coef[][MAX_COEFFICIENTS], double s10, int decimals,
                          double out[][MAX_COEFFICIENTS], const bool* fitted) {
  if (anchorZone < 0 || anchorZone > numEquations) return false;
  if (numEquations > MAX_ZONES) numEquations = MAX_ZONES;
  double start[MAX_ZONES] = {0};
  double end[MAX_ZONES] = {0};
  ExcelEquation polynomial;
  for (int j = 0; j < numEquations; ++j) {
    int order = orders[j];
    if (order < 0) order = 0;
    if (order > MAX_FIT_ORDER) order = MAX_FIT_ORDER;
    for (int k = 0; k < MAX_COEFFICIENTS; ++k) out[j][k] = 0.0;
    for (int k = 0; k <= order; ++k) out[j][k] = coef[j][k] * std::pow(s10, k);
    polynomial.getExcelEquation(order + 1, "A1", decimals, out[j], exponents);
    start[j] = polynomial.getValue(b[j]);
    end[j] = polynomial.getValue(b[j + 1]);
  }
  if (numEquations > 1) {
    double sum = 0.0;
    for (int i = anchorZone + 1; i < numEquations; ++i) {
      if (fitted && (!fitted[i] || !fitted[i - 1])) {
        // Nothing to meet across a zone that was not fitted.
        sum = 0.0;
        continue;
      }
      sum += end[i - 1] - start[i];
      out[i][0] += sum;
    }
  }
  return true;
}

bool zoneLimitAllowed(int k, int px, int minPx, int maxPx, const int* markerPx, int numMarkers) {
  const int gap = 14;
  if (k < 0 || k >= numMarkers) return false;
  if ((k == 0 || k == numMarkers - 1) && !(minPx + gap < px && px < maxPx - gap)) return false;
  for (int j = 0; j < k; ++j)
    if (!(px > markerPx[j] + gap)) return false;
  for (int j = k + 1; j < numMarkers; ++j)
    if (!(px < markerPx[j] - gap)) return false;
  return true;
}

int wheelStep(const std::function<FXString(int)>& textAtPixel, int centre, int maxDistance) {
  const FXString t0 = textAtPixel(centre);
  int right = 0, left = 0;
  for (int d = 1; d <= maxDistance; ++d)
    if (textAtPixel(centre + d) != t0) {
      right = d;
      break;
    }
  for (int d = 1; d <= maxDistance; ++d)
    if (textAtPixel(centre - d) != t0) {
      left = d;
      break;
    }
  return (right > left ? right : left) + 1;
}

}  // namespace eqn
