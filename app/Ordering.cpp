// Ordering of value rows: the Shell sorts behind the ordering of the
// tables and of the fitting data, the ordering of whole table rows, and
// the order button and column header of the curve-points table.
#include <cmath>
#include <vector>

#include "Globals.h"
#include "Quillgrid.h"
#include "Table_lom2.h"

using namespace FX;

namespace {
// One Shell sort over the keys, moving the companions with them. Gaps
// halve from n; the number of passes is 1 + the integer part of
// 1.442695022 ln n, so the last non-zero gap is 1 and the keys end fully
// sorted.
template <typename Swap>
void shellSort(double* keys, int n, bool ascending, Swap& moveCompanions) {
  if (n < 1 || !keys) return;
  if (!ascending)
    for (int i = 0; i < n; ++i) keys[i] = -keys[i];
  const int passes = (int)(1.442695022 * std::log((double)n)) + 1;
  int gap = n;
  for (int p = 0; p < passes; ++p) {
    gap /= 2;
    if (gap == 0) continue;
    for (int i = gap; i < n; ++i) {
      const double key = keys[i];
      moveCompanions.take(i);
      int j = i - gap;
      while (j >= 0 && keys[j] > key) {
        keys[j + gap] = keys[j];
        moveCompanions.move(j, j + gap);
        j -= gap;
      }
      keys[j + gap] = key;
      moveCompanions.put(j + gap);
    }
  }
  if (!ascending)
    for (int i = 0; i < n; ++i) keys[i] = -keys[i];
}

// Companion arrays of one element type; a null array is skipped.
template <typename T, int N>
struct Companions {
  T* arrays[N];
  T taken[N];
  void take(int i) {
    for (int k = 0; k < N; ++k)
      if (arrays[k]) taken[k] = arrays[k][i];
  }
  void move(int from, int to) {
    for (int k = 0; k < N; ++k)
      if (arrays[k]) arrays[k][to] = arrays[k][from];
  }
  void put(int i) {
    for (int k = 0; k < N; ++k)
      if (arrays[k]) arrays[k][i] = taken[k];
  }
};

// Two double companions and one colour array.
struct WithColors {
  Companions<double, 2> values;
  Companions<unsigned, 1> colors;
  void take(int i) {
    values.take(i);
    colors.take(i);
  }
  void move(int from, int to) {
    values.move(from, to);
    colors.move(from, to);
  }
  void put(int i) {
    values.put(i);
    colors.put(i);
  }
};
}  // namespace

void Quillgrid::shell(double* keys, double* a, double* b, unsigned* colors, int n, bool ascending) {
  WithColors c{{{a, b}, {}}, {{colors}, {}}};
  shellSort(keys, n, ascending, c);
}

void Quillgrid::shell(double* keys, double* a, double* b, int n, bool ascending) {
  Companions<double, 2> c{{a, b}, {}};
  shellSort(keys, n, ascending, c);
}

void Quillgrid::shell(double* keys, double* a, int n, bool ascending) {
  Companions<double, 1> c{{a}, {}};
  shellSort(keys, n, ascending, c);
}

void Quillgrid::shell(double* keys, int* index, int n, bool ascending) {
  Companions<int, 1> c{{index}, {}};
  shellSort(keys, n, ascending, c);
}

// ---- table rows

void Quillgrid::orderPoints(FXTable* table, int keyColumn, int testedColumns, bool absolute, bool ascending) {
  if (!table) return;
  const int cols = table->getNumColumns();
  if (keyColumn < 0 || keyColumn >= cols) return;
  if (testedColumns > cols) testedColumns = cols;
  // Only the complete rows above the first incomplete one take part.
  int rows = table->getNumRows();
  for (int r = 0; r < rows; ++r) {
    bool complete = true;
    for (int c = 0; c < testedColumns && complete; ++c) complete = !table->getItemText(r, c).empty();
    if (!complete) {
      rows = r;
      break;
    }
  }
  if (rows <= 1) return;

  std::vector<FXString> texts((size_t)rows * cols);
  std::vector<double> keys(rows);
  std::vector<int> index(rows);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) texts[(size_t)r * cols + c] = table->getItemText(r, c);
    keys[r] = FXDoubleVal(texts[(size_t)r * cols + keyColumn]);
    if (absolute) keys[r] = std::fabs(keys[r]);
    index[r] = r;
  }
  shell(keys.data(), index.data(), rows, ascending);
  for (int j = 0; j < rows; ++j)
    for (int c = 0; c < cols; ++c) table->setItemText(j, c, texts[(size_t)index[j] * cols + c], FALSE);
}

namespace {
// The columns the curve-points rows can be ordered by.
const int ORDERED_BY_X = 0;
const int ORDERED_BY_DIFF = 2;

void setOrderButton(Quillgrid* w, bool enable) {
  if (!w->orderPoints_Btn) return;
  if (enable)
    w->orderPoints_Btn->enable();
  else
    w->orderPoints_Btn->disable();
}
}  // namespace

// The down arrow (U+2193) after the name marks the column the rows are
// ordered by.
void Quillgrid::markOrderedColumn(int column) {
  if (!curveData_TBL) return;
  for (int c : {ORDERED_BY_X, ORDERED_BY_DIFF})
    if (c < curveData_TBL->getNumColumns())
      curveData_TBL->setColumnText(c, CURVE_DATA_COLUMN_NAMES[c] + (c == column ? " \xE2\x86\x93" : ""));
}

void Quillgrid::resetOrdering() {
  setOrderButton(this, false);
  markOrderedColumn(-1);
}

void Quillgrid::allowOrdering() {
  setOrderButton(this, true);
  markOrderedColumn(-1);
}

void Quillgrid::finishedOrdering() {
  setOrderButton(this, false);
  markOrderedColumn(ORDERED_BY_X);
}

long Quillgrid::onCmdOrderCurveDataPoints(FXObject*, FXSelector, void*) {
  orderPoints(curveData_TBL, 0, 2, false, true);
  if (orderPoints_Btn) orderPoints_Btn->setText("Order Points (x)");
  finishedOrdering();
  return 1;
}

long Quillgrid::onCmdOrderXYValuesPoints(FXObject*, FXSelector, void*) {
  orderPoints(xyValues_TBL, 0, 2, false, true);
  return 1;
}

long Quillgrid::onCmdOrderCurvePointsByDiff(FXObject*, FXSelector, void*) {
  orderPoints(curveData_TBL, 2, 3, true, false);
  // The rows now stand by their difference, largest first, and no longer
  // by x: the arrow moves to the difference and ordering by x is offered.
  setOrderButton(this, true);
  markOrderedColumn(ORDERED_BY_DIFF);
  return 1;
}

long Quillgrid::onCmdOrderXYvaluesPointsByDiff(FXObject*, FXSelector, void*) {
  orderPoints(xyValues_TBL, 3, 3, true, false);
  return 1;
}
