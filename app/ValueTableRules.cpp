#include "ValueTableRules.h"

#include <fxkeys.h>

#include <algorithm>
#include <cmath>

#include "Table_lom2.h"

using namespace FX;

bool rowIsEmpty(const Table_lom2* t, int row) {
  for (int c = 0; c < t->getNumColumns(); ++c)
    if (!t->isEmpty(row, c)) return false;
  return true;
}

int rowsWithText(const Table_lom2* t, int first, int last) {
  int n = 0;
  for (int r = first < 0 ? 0 : first; r <= last && r < t->getNumRows(); ++r)
    if (!rowIsEmpty(t, r)) ++n;
  return n;
}

int xyTableRowCount(const FXString& itemText) {
  FXString digits(itemText);
  digits.substitute(",", "");
  digits.trim();
  const FXuint n = FXUIntVal(digits, 10);
  return n < 100 ? 100 : static_cast<int>(std::min<FXuint>(n, 0x7FFFFFFFu));
}

FXString temperatureUnitSuffix(bool xIsTemperature, bool haveConversion, const FXString& conversion) {
  if (!xIsTemperature || !haveConversion || conversion.empty()) return FXString::null;
  return FXStringFormat(" (T, %c)", conversion[conversion.length() - 1]);
}

std::vector<FXString> convertedXYHeaders(int dataSource, const FXString& unitSuffix, double yScaleFactor) {
  if (dataSource == 2) return {"LMP/1000", "Stress", "Fit stress", "% difference"};
  if (dataSource != 0 && dataSource != 1) return {};
  const FXString source = dataSource == 0 ? "Image" : "Table";
  const FXString yWord = std::fabs(1.0 - yScaleFactor) > 1e-50 ? "Converted" : "Original";
  return {source + " x" + unitSuffix, source + " y (" + yWord + ")", "Fit y", "% difference"};
}

std::vector<double> sortedTemperatures(const FXString& list) {
  std::vector<double> temps;
  const FXint words = list.contains(' ');
  for (FXint i = 0; i < words; ++i) temps.push_back(FXDoubleVal(list.section(' ', i)));
  std::sort(temps.begin(), temps.end());
  return temps;
}

int matchingTemperature(const std::vector<double>& sorted, double t) {
  for (size_t j = 0; j < sorted.size(); ++j)
    if (std::fabs(sorted[j] - t) < 1.0) return static_cast<int>(j);
  return -1;
}

bool isZeroTimeOrStressRow(double time, double stress) { return time < 1e-6 || stress < 1e-6; }

LMPKeyAction lmpTableKeyAction(FXuint code, FXuint state, FXint currentColumn, bool deleteZeroRowsAfterPaste) {
  if (code == KEY_c) return LMPKeyAction::PassOn;
  if ((state & CONTROLMASK) == 0)
    return currentColumn == 3 || currentColumn == 4 ? LMPKeyAction::Swallow : LMPKeyAction::PassOn;
  if (code == KEY_v && deleteZeroRowsAfterPaste) return LMPKeyAction::PasteAndDropZeros;
  return LMPKeyAction::PassOn;
}
