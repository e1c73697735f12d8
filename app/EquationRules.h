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
// "%.*lf", with ',' for '.' when decimalComma.
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
