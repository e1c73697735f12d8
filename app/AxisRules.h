// Arithmetic of the axis definitions, without widgets: the conversion of a
// pixel position to a real value and back on a linear or base-10
// logarithmic axis, the "exp(v)" form of a typed reference value, the
// rounding of X, the live axis angle, the plausibility tests behind the two
// axis warnings and the cursor moves between the two axis tables.
#ifndef QUILLGRID_AXISRULES_H
#define QUILLGRID_AXISRULES_H

#include <fx.h>

namespace AxisRules {

// One axis as its two reference points define it: pixel positions P1, P2
// along the axis' own pixel coordinate and the real values V1, V2 typed for
// them. scaleType 0 is linear, 1 logarithmic.
struct Axis {
  int scaleType = 0;
  double P1 = 0, P2 = 0;
  double V1 = 0, V2 = 0;
};

enum class Conversion {
  Ok,
  NonPositiveLogValue,  // a logarithmic axis with a reference value <= 0
  SamePixels            // both reference points at one pixel position
};

// The real value at pixel position p. v is written only on Ok.
Conversion pixelToReal(const Axis& axis, double p, double* v);

// The pixel position of real value v, truncated toward zero. Not Ok (and
// px unchanged) for a logarithmic axis with a reference value <= 0, for a
// value <= 0 on a logarithmic axis, and for two equal reference values.
Conversion realToPixel(const Axis& axis, double v, int* px);

// X shown as 1000/x when "Arrhenius" is checked; 0 stays 0.
double arrheniusValue(double v);

// X as written to the curve-points table with "Round X-value": values of
// magnitude 10 or more go to the nearest whole number, halves away from
// zero; smaller ones stay.
double roundedXValue(double v);

// The "exp(v)" form of a reference value. text is the cell text; when its
// trimmed, lower-cased form holds "exp(" and ")" with the first "(" before
// the first ")": returns true and sets *inner to the trimmed text between
// that "(" and the next ")" and *tip to the trimmed, lower-cased text.
bool expForm(const FX::FXString& text, FX::FXString* inner, FX::FXString* tip);

// The live angle of an axis line from the origin (ax, ay) to the pointer
// (cx, cy), in degrees, counter-clockwise positive on the screen; the Y
// axis reads 90 when vertical. colour: 0 red (more than 0.25 degrees off),
// 1 green (less than 0.009 off), 2 yellow otherwise. False when the pointer
// is not on the axis' positive side (run <= 0.1).
struct Angle {
  double degrees = 0;
  int colour = 2;
};
bool axisAngle(int axis, int cx, int cy, int ax, int ay, Angle* angle);

// An axis whose reference values suggest the other scale: both positive
// and a ratio V2/V1 above 99.9 on a linear axis or below 99.9 on a log one.
bool scalingSuspicious(double V1, double V2, bool linearChecked, bool logChecked);

// Text of the scaling warning for the suspicious axes.
FX::FXString scalingWarningText(bool xSuspicious, bool ySuspicious);

// Caption of the reversed-values warning; empty when neither is reversed.
FX::FXString reversedCaption(bool xReversed, bool yReversed);

// Where the cursor goes from (axis, row) of the axis tables: forward X min
// -> X max -> Y min -> Y max -> X min, backward (Shift+Tab) the other way.
void nextAxisCell(int axis, int row, bool backward, int* toAxis, int* toRow);

}  // namespace AxisRules

#endif
