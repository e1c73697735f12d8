// The Shell sorts: fully sorted keys in both directions for every size,
// companions moved with their keys, null companions skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "Quillgrid.h"

TEST(ShellSort, SortsEverySizeAndCarriesTheCompanions) {
  std::mt19937 rng(7);
  for (int n = 0; n <= 70; ++n) {
    for (bool ascending : {true, false}) {
      std::vector<double> keys(n), a(n), b(n);
      std::vector<unsigned> colors(n);
      std::vector<int> index(n);
      for (int i = 0; i < n; ++i) {
        keys[i] = (double)(rng() % 20) - 10;  // with repeats
        a[i] = keys[i] * 2;
        b[i] = keys[i] * 3;
        colors[i] = (unsigned)(keys[i] + 100);
        index[i] = i;
      }
      const std::vector<double> original = keys;
      Quillgrid::shell(keys.data(), a.data(), b.data(), colors.data(), n, ascending);
      for (int i = 1; i < n; ++i) {
        if (ascending) {
          EXPECT_LE(keys[i - 1], keys[i]) << n;
        } else {
          EXPECT_GE(keys[i - 1], keys[i]) << n;
        }
      }
      for (int i = 0; i < n; ++i) {
        EXPECT_EQ(a[i], keys[i] * 2);
        EXPECT_EQ(b[i], keys[i] * 3);
        EXPECT_EQ(colors[i], (unsigned)(keys[i] + 100));
      }
      std::vector<double> k2 = original;
      Quillgrid::shell(k2.data(), index.data(), n, ascending);
      for (int i = 0; i < n; ++i) EXPECT_EQ(original[index[i]], k2[i]);
      std::vector<int> sorted = index;
      std::sort(sorted.begin(), sorted.end());
      for (int i = 0; i < n; ++i) EXPECT_EQ(sorted[i], i);
    }
  }
}

TEST(ShellSort, DescendingKeepsKeysAndSkipsNullCompanions) {
  // Magnitudes 7, 3, 2 sorted largest first stay as they are; two equal
  // keys keep their order.
  double keys[3] = {7, 3, 2};
  int index[3] = {0, 1, 2};
  Quillgrid::shell(keys, index, 3, false);
  EXPECT_EQ(index[0], 0);
  EXPECT_EQ(index[1], 1);
  EXPECT_EQ(index[2], 2);
  EXPECT_EQ(keys[0], 7);  // negated back
  double equal[2] = {1, 1};
  int eqIndex[2] = {0, 1};
  Quillgrid::shell(equal, eqIndex, 2, false);
  EXPECT_EQ(eqIndex[0], 0);
  double k[4] = {3, 1, 2, 0}, y[4] = {30, 10, 20, 0};
  Quillgrid::shell(k, y, nullptr, 4, true);
  EXPECT_EQ(y[0], 0);
  EXPECT_EQ(y[3], 30);
  Quillgrid::shell(k, static_cast<double*>(nullptr), 4, false);
  EXPECT_EQ(k[0], 3);
}
