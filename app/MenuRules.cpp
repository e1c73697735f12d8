#include "MenuRules.h"

#include <algorithm>
#include <cmath>

#include "Utilities_lom2.h"

using namespace FX;

void updateRecentList(FXString list[NUM_RECENT_FILES], const FXString& path) {
  if (path.empty()) {
    int next = 0;
    for (int k = 0; k < NUM_RECENT_FILES; ++k)
      if (!list[k].empty()) list[next++] = list[k];
    for (int k = next; k < NUM_RECENT_FILES; ++k) list[k] = FXString::null;
    return;
  }
  int n = NUM_RECENT_FILES - 1;  // no equal entry: the last one is dropped
  for (int k = 0; k < NUM_RECENT_FILES; ++k) {
    if (list[k] == path) {
      n = k;
      break;
    }
  }
  for (int k = n; k >= 1; --k) list[k] = list[k - 1];
  list[0] = path;
}

bool recentListHasEntries(const FXString list[NUM_RECENT_FILES]) {
  for (int k = 0; k < NUM_RECENT_FILES; ++k)
    if (!list[k].empty()) return true;
  return false;
}

bool parseConversionFactorLine(const FXString& line, ConversionFactor& entry) {
  const int first = line.find('"');
  if (first < 0) return false;
  const int second = line.find('"', first + 1);
  if (second < 0) return false;
  if (second - first - 1 > Utilities_lom2::MAX_SHOWN_TEXT_BYTES) return false;
  entry.name = line.mid(first + 1, second - first - 1);
  FXString rest = line.mid(second + 1, line.length() - second - 1);
  rest.trim();
  entry.factor = FXDoubleVal(rest);
  return true;
}

int parseConversionFactors(const FXString* lines, int numLines, ConversionFactor* out) {
  int count = 0;
  for (int k = 0; k < numLines; ++k) {
    if (lines[k].length() <= 2) break;
    ConversionFactor entry;
    if (!parseConversionFactorLine(lines[k], entry)) continue;
    // An infinite factor (or one too large for a double) would turn every
    // Y value into infinity.
    if (entry.factor > 1e-50 && std::isfinite(entry.factor) && k < MAX_CONVERSION_FACTORS) out[count++] = entry;
  }
  return count;
}

int readConversionFactorsFile(const FXString& path, ConversionFactor*& factors) {
  factors = nullptr;
  FXArray<FXString> lines;
  if (!Utilities_lom2::readFile(path, &lines) || lines.no() == 0) return -1;
  // Only the first lines can give entries.
  const int considered = std::min<int>(lines.no(), MAX_CONVERSION_FACTORS);
  factors = new ConversionFactor[considered];
  const int count = parseConversionFactors(lines.data(), considered, factors);
  if (count == 0) {
    delete[] factors;
    factors = nullptr;
  }
  return count;
}
