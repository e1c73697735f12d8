// Arithmetic of the fitting run that needs no widget: which table cells
// are numbers, the transform of a data row by the curve fit type, the outer
// zone limits, the zones that take a fixed intercept, the points each
// zone's fit takes, the zone limits of the copied equations, and the final
// form of a spreadsheet formula.
#ifndef QUILLGRID_PIPELINERULES_H
#define QUILLGRID_PIPELINERULES_H

#include <fx.h>

#include <vector>

namespace PipelineRules {

// Curve fit types.
enum { X_VS_Y = 0, LNX_VS_Y = 1, X_VS_LNY = 2, LNX_VS_LNY = 3, INVX_VS_LNY = 4, LMP = 5 };

// Whether a cell's text is a number: trimmed, a finite decimal number
// ("1.5", "-2e-3", "3,5", "1,050,000"). Text such as a column header is not.
bool isNumberText(const FX::FXString& text);

// The message that tells how many rows were left out of a fit because a
// cell that must hold a number holds text; `what` names those cells ("x
// or y", "time, stress or temperature").
FX::FXString leftOutRowsText(int count, const char* what);

// The message that tells how many rows holding values were not fitted
// because the data ends at an earlier row (counted from 1) where one of
// the cells `what` names is empty.
FX::FXString rowsAfterDataText(int count, int endRow, const char* what);

// Transforms one row of types 0..4 (x already converted from its
// temperature unit, y already scaled): ln x for types 1 and 3, 1/x for
// type 4, ln y for types 2, 3 and 4. xOk / yOk false when the value
// cannot be transformed (x <= 0 where ln or 1/x is taken, y <= 0 where
// ln is taken); x is checked first and a bad x leaves y unchecked.
void transformRow(int type, double x, double y, double* tx, double* ty, bool* xOk, bool* yOk);

// The Larson-Miller parameter (log10(time) + C) * T.
double lmpValue(double time, double C, double T);

// The outer zone limits b[0] and b[numEquations] for data from xmin to
// xmax: 0.999999 xmin and 1.0000006 xmax for positive x, and for any sign
// just below xmin and strictly above xmax, so that the smallest and the
// largest point both lie inside the zones (a zone holds b[j] <= x <
// b[j+1]; data ending at x = 0 would otherwise lose its last point to
// zone 0).
void outerZoneLimits(double xmin, double xmax, double* lower, double* upper);

// The zones that take a fixed y-intercept, given the boundaries
// b[0..numEquations]: zone 0 when b[0] >= 0, the last zone when
// b[numEquations] <= 0, else every zone j with b[j] <= 0 <= b[j+1] (two
// when 0 lies on a boundary). zones[0..numEquations-1] are set.
void fixedInterceptZones(const double* b, int numEquations, bool* zones);

// The points each zone's fit takes, given the zone of every point sorted
// by x (zoneOf[0..numPoints-1], ascending): its own points, the first
// `overlap` points of the next zone and the last `overlap` points of the
// one before. A zone without points of its own starts where the next
// points begin, so it takes only the overlap of its neighbours.
// members[0..numEquations-1] get the indices of the points, ascending.
void pointsOfZones(const int* zoneOf, int numPoints, int numEquations, int overlap, std::vector<int>* members);

// A zone limit as the copied equations write it: with asNumbers, the x
// value itself instead of ln x (types 1 and 3, for limits of either sign)
// or 1/x (type 4); otherwise the limit unchanged.
double limitForCopy(int type, bool asNumbers, double limit);

// The formula text as the equation field shows it: an empty variable name
// gives the request for a cell; type 5 in the simple format loses every
// "=", "*" and "^"; types 2 to 5 otherwise become "= exp(...)"; exponents
// are written with a capital E.
FX::FXString finishedFormula(int type, bool simpleFormat, const FX::FXString& variable,
                             const FX::FXString& formula);

}  // namespace PipelineRules

#endif
