// Rules of the fitted equations that need no widget: fit-order labels,
// equation zones and their overlap, temperature conversion, the
// Larson-Miller parameter, the number formats of fitted values and zone
// limits, equation and variable texts, the adjusted coefficients that make
// neighbouring zones meet, the spacing rule of the zone markers and the
// search for the mouse-wheel step of a zone limit. The main window's
// members of the same purpose are thin wrappers over these.
#ifndef QUILLGRID_EQUATIONRULES_H
#define QUILLGRID_EQUATIONRULES_H

#include <fx.h>

#include <functional>

namespace eqn {

// Coefficients kept per zone (orders up to 15) and the number of zones.
enum { MAX_COEFFICIENTS = 16, MAX_ZONES = 6, MAX_FIT_ORDER = 15 };

// Fit type of the Larson-Miller mode.
enum { LMP_FIT_TYPE = 5 };

// The leading decimal digits of a label ("3rd order" gives 3); 0 when it
// starts with no digit.
int orderFromLabel(const FX::FXString& label);
// The order shown for a request of n with the largest allowed order:
// min(maxOrder, max(n, 1)).
int clampFitOrder(int n, int maxOrder);
// "1st order", "2nd order", "3rd order", otherwise "<n>th order".
FX::FXString fitOrderLabel(int order);

// The first zone i in 0..numEquations-1 with b[i] <= x < b[i+1]; 0 when
// there is none.
int zoneIndex(const double* b, int numEquations, double x);
// Whether sorted point i, which lies in zone zoneOfI, is fitted with zone
// z: its own points, the first `overlap` points of zone z+1 and the last
// `overlap` points of zone z-1 (first[] holds each zone's first point).
bool acceptPointInZone(int i, int zoneOfI, int z, const int* first, int overlap);

// x converted by the scale index: 0 C->K, 1 F->K, 2 F->C, 3 K->C, 4 C->F,
// 5 K->F; any other index leaves x unchanged.
double convertTemperature(int scale, double x);
// Larson-Miller parameter (log10(t) + C) * T.
double larsonMillerParameter(double T, double C, double t);

// The texts of printf's "%.*lf" and "%.*le" of x, written without the
// format parser (many thousands of them are written per fit).
FX::FXString fixedText(int decimals, double x);
FX::FXString exponentText(int decimals, double x);
// x with `decimals` decimals in fixed-point (form 'f', as "%.*lf") or
// exponent form ('e', as "%.*le"), rounded half away from zero from the
// value's first 15 significant digits: the digits a double carries of any
// decimal number, so that a value such as 293.15, which lies just below
// 293.15 in binary, is shown as 293.2 and not cut to 293.1. With more
// decimals than 15 significant digits need, the value's own digits.
FX::FXString roundedText(char form, int decimals, double x);
// The text of a value as a value table holds it: the fewest significant
// digits, at most 15, that read back as x (else x to 15 significant
// digits), written plainly (0.519904, 274.15, 310, 150000) unless its
// exponent is below -4 or 15 or more (1e-07), as "%.15g" would; ',' for
// '.' when decimalComma.
FX::FXString valueText(double x, bool decimalComma);

// "%.*lf" (rounded as roundedText), with ',' for '.' when decimalComma.
FX::FXString formattedNumber(int decimals, double x, bool decimalComma);
// Decimals of a shown value by its magnitude (3 throughout in the
// Larson-Miller mode).
int numDecimals(double x, int curveFitType, bool authorMode);
// Text of a zone limit. resolutionPerPixel is the fit plot's x step per
// pixel (0 when unknown).
FX::FXString boundaryText(double x, int curveFitType, bool xIsTemperature, double resolutionPerPixel,
                          bool authorMode);
// Text of a value on an axis whose number format is 0 (decimal) or 1
// (scientific).
FX::FXString axisNumberText(double x, int curveFitType, int numberFormat, bool authorMode);

// What the R² field shows when the fitted y are all equal: R² is not
// defined (the fit leaves its sentinel -1 there).
extern const char* const UNDEFINED_R2_TEXT;

// A coefficient as the tables, formulas and copied equations write it:
// its "%.*le" text with `decimals` decimals, read back.
double writtenCoefficient(double c, int decimals);

// How the equation of one zone, written with its coefficients' texts,
// carries the fit it was written for. The written equation is evaluated
// on the zone's points as a spreadsheet evaluates the formula (in double,
// each term c_k * x^k from the highest power down) and compared with the
// values the fit itself found there.
//
// It carries the fit when the sum of squares of its departures from the
// fitted values is at most
//   max(0.01 * SSfit, 1e-4 * SStot)
// where SSfit is the sum of squared residuals of the fit and SStot the
// total sum of squares of y about their mean (the sum of y^2 when all y
// are equal). In words: the written curve stays within a tenth of the
// fit's own scatter about it (rms), or, for a fit through its points
// almost exactly, within a hundredth of the spread of y (rms), so that
// its R² falls short of the fit's by at most 1% of the fit's unexplained
// share, or by 1e-4. Rounding a well-conditioned fit's coefficients to
// a handful of digits stays far inside this; coefficients of high powers
// of an x far from 0, which cancel to many digits, do not.
struct WrittenFit {
  bool carries = true;
  // The y values are not all equal, so R² is defined.
  bool r2Defined = false;
  // R² of the fitted values and of the written equation.
  double fitR2 = 0, writtenR2 = 0;
  // When it does not carry: the fewest decimals up to maxDecimals whose
  // written equation would, -1 when none would (the coefficients as a
  // double holds them lose the fit too).
  int decimalsThatCarry = -1;
};
// x, y and fitted hold count points; coef order + 1 coefficients.
WrittenFit checkWrittenFit(int count, const double* x, const double* y, const double* fitted, const double* coef,
                           int order, int decimals, int maxDecimals);

// The copy text of one zone's equation from its coefficient texts
// C0..C_order, highest power first: "eqns[<zone>] = a*x^2 - b*x + c".
// A zone whose coefficients are missing (it was not fitted) gives
// notFittedEquationText instead.
FX::FXString equationText(int zone, const FX::FXString* coefficientTexts, int order, const FX::FXString& variable,
                          bool authorMode);
// "eqns[<zone>] = error - not fitted".
FX::FXString notFittedEquationText(int zone);
// What the formula field of a zone that was not fitted shows.
extern const char* const NOT_FITTED_TEXT;
// The variable of the spreadsheet formulas for a cell text: "x" in the
// simple format; LN(cell) for the ln(x) types; (1/cell) for 1/x;
// otherwise the cell, upper-cased and trimmed.
FX::FXString variableName(const FX::FXString& cellText, bool simpleFormat, int curveFitType);

// Nearest whole number when whole-number limits are in force and the data
// run from at least 1 to at least 100; otherwise x.
double roundLimit(double x, bool forceWholeNumbers, double plotXmin, double plotXmax);

// The coefficients of every zone with x scaled back (coef[j][k] * s10^k)
// and, for the zones after the anchor zone, the constant shifted so that
// each zone starts where the one before ends (evaluated at b[]). A zone
// that was not fitted (fitted[j] false; a null `fitted` means all were)
// is left out: it keeps zeros and is not moved, and the zone after it
// has no zone to meet, so it keeps its constant and the zones after it
// meet it. False, and nothing written, when the anchor zone is below 0 or
// above numEquations.
bool adjustedCoefficients(int anchorZone, int numEquations, const int* orders, const int* exponents,
                          const double* b, const double coef[][MAX_COEFFICIENTS], double s10, int decimals,
                          double out[][MAX_COEFFICIENTS], const bool* fitted = nullptr);

// Whether marker k of numMarkers may stand at pixel px: more than 14
// pixels inside both plot ends for the first and the last marker, and
// more than 14 pixels from every other marker on its own side.
bool zoneLimitAllowed(int k, int px, int minPx, int maxPx, const int* markerPx, int numMarkers);

// Pixels one wheel notch must move a limit so that its shown text
// changes: starting at pixel `centre`, the distances to the first pixel
// on the right and on the left whose text differs, the larger of them
// plus 1. Each side is searched at most maxDistance pixels; a side on
// which the text never changes counts 0.
int wheelStep(const std::function<FX::FXString(int)>& textAtPixel, int centre, int maxDistance);

}  // namespace eqn

#endif
