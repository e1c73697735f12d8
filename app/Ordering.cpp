// Ordering of value rows: the Shell sorts behind the ordering of the
// tables and of the fitting data.
#include <cmath>

#include "Quillgrid.h"

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
