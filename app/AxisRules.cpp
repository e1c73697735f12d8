#include "AxisRules.h"

#include <cmath>
#include <cstdio>
#include <cstring>

using namespace FX;

namespace AxisRules {

Conversion pixelToReal(const Axis& a, double p, double* v) {
  // A reference value a log axis cannot take is reported before the pixels.
  if (a.scaleType == 1 && (a.V1 <= 0 || a.V2 <= 0)) return Conversion::NonPositiveLogValue;
  if (a.P2 == a.P1) return Conversion::SamePixels;
  const double f = (p - a.P1) / (a.P2 - a.P1);
  if (a.scaleType == 1) {
    const double l1 = std::log10(a.V1);
    *v = std::pow(10.0, (std::log10(a.V2) - l1) * f + l1);
  } else {
    *v = (a.V2 - a.V1) * f + a.V1;
  }
  return Conversion::Ok;
}

Conversion realToPixel(const Axis& a, double v, int* px) {
  double t;
  if (a.scaleType == 1) {
    if (a.V1 <= 0 || a.V2 <= 0 || v <= 0) return Conversion::NonPositiveLogValue;
    const double l1 = std::log10(a.V1), l2 = std::log10(a.V2);
    if (l2 == l1) return Conversion::SamePixels;
    t = (std::log10(v) - l1) / (l2 - l1);
  } else {
    if (a.V2 == a.V1) return Conversion::SamePixels;
    t = (v - a.V1) / (a.V2 - a.V1);
  }
  const double p = t * (a.P2 - a.P1) + a.P1;
  if (!std::isfinite(p) || p > 2147483647.0 || p < -2147483648.0) return Conversion::SamePixels;
  *px = (int)p;  // truncation toward zero
  return Conversion::Ok;
}

double arrheniusValue(double v) { return v != 0 ? 1000.0 / v : v; }

double roundedXValue(double v) { return std::fabs(v) >= 10 ? std::round(v) : v; }

bool expForm(const FXString& text, FXString* inner, FXString* tip) {
  FXString t = text;
  t.trim();
  t.lower();
  const FXint e = t.find("exp(");
  const FXint open = t.find('(');
  const FXint close = t.find(')');
  if (e < 0 || close < 0 || open > close) return false;
  const FXint end = t.find(')', open + 1);
  FXString in = t.mid(open + 1, end - open - 1);
  in.trim();
  *inner = in;
  *tip = t;
  return true;
}

bool axisAngle(int axis, int cx, int cy, int ax, int ay, Angle* angle) {
  double run, rise;
  if (axis == 0) {
    run = cx - ax;
    rise = cy - ay;
  } else {
    run = ay - cy;
    rise = cx - ax;
  }
  if (run <= 0.1) return false;
  double deg = std::atan(rise / run) * (-57.29577951308232);
  const double off = std::fabs(deg);
  angle->colour = off > 0.25 ? 0 : (off < 0.009 ? 1 : 2);
  if (axis == 1) deg += 90;
  char shown[64], negZero[64];
  snprintf(shown, sizeof shown, "%.*lf", 2, deg);
  snprintf(negZero, sizeof negZero, "%.*lf", 2, -1e-9);
  if (strcmp(shown, negZero) == 0) deg = 0;
  angle->degrees = deg;
  return true;
}

bool scalingSuspicious(double V1, double V2, bool linearChecked, bool logChecked) {
  if (!(V1 > 0 && V2 > 0)) return false;
  const double ratio = V2 / V1;
  return (ratio > 99.9 && linearChecked) || (ratio < 99.9 && logChecked);
}

FXString scalingWarningText(bool x, bool y) {
  FXString text;
  if (x) text += "Check your X-axis linear/log scaling.\n";
  if (y) text += "Check your Y-axis linear/log scaling.";
  text +=
      "\n\nThese settings are allowed but might not be what you intended.\n\n"
      "You can disable this warning in the \"Options\" menu.";
  return text;
}

FXString reversedCaption(bool x, bool y) {
  if (x && y) return "X & Y-axis definitions warning";
  if (x) return "X-axis definition warning";
  if (y) return "Y-axis definition warning";
  return FXString();
}

void nextAxisCell(int axis, int row, bool backward, int* toAxis, int* toRow) {
  const int other = axis == 0 ? 1 : 0;
  if (backward) {
    if (row == 1) {
      *toAxis = axis;
      *toRow = 0;
    } else {
      *toAxis = other;
      *toRow = 1;
    }
  } else if (row == 0) {
    *toAxis = axis;
    *toRow = 1;
  } else {
    *toAxis = other;
    *toRow = 0;
  }
}

}  // namespace AxisRules
