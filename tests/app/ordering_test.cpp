// The Shell sorts: fully sorted keys in both directions for every size,
// companions moved with their keys, null companions skipped. The ordering
// of table rows, and the order button and header of the curve-points table.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"

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

// ---- ordering table rows

namespace {
using Rows = std::vector<std::vector<std::string>>;

class OrderRows : public ::testing::Test {
protected:
  void SetUp() override { owner = new FX::FXMainWindow(qgtest::app(), "rows"); }
  void TearDown() override { delete owner; }
  FX::FXTable* table(const Rows& rows, int numRows, int numCols) {
    FX::FXTable* t = new FX::FXTable(owner, nullptr, 0);
    t->setTableSize(numRows, numCols);
    for (size_t r = 0; r < rows.size(); ++r)
      for (size_t c = 0; c < rows[r].size(); ++c) t->setItemText((int)r, (int)c, rows[r][c].c_str());
    return t;
  }
  static std::vector<std::string> column(FX::FXTable* t, int c, int n) {
    std::vector<std::string> out;
    for (int r = 0; r < n; ++r) out.push_back(t->getItemText(r, c).text());
    return out;
  }
  FX::FXMainWindow* owner = nullptr;
};
}  // namespace

TEST_F(OrderRows, OnlyCompleteLeadingRowsAreOrderedAsWholeRows) {
  FX::FXTable* one = table({{"5", "50", "", "7", "8.0000"}}, 10, 5);
  Quillgrid::orderPoints(one, 0, 2, false, true);
  EXPECT_EQ(column(one, 0, 2), (std::vector<std::string>{"5", ""}));

  // Row 2 lacks its Y-value: rows 0 and 1 are ordered, rows 2 and 3 stay.
  FX::FXTable* t = table({{"3", "30", "", "103", "1.5"},
                          {"1", "10", "", "101", "2.5"},
                          {"0.5", "", "", "100", "3.5"},
                          {"0.1", "1", "", "99", "4.5"}},
                         10, 5);
  Quillgrid::orderPoints(t, 0, 2, false, true);
  EXPECT_EQ(column(t, 0, 4), (std::vector<std::string>{"1", "3", "0.5", "0.1"}));
  EXPECT_EQ(column(t, 1, 4), (std::vector<std::string>{"10", "30", "", "1"}));
  EXPECT_EQ(column(t, 3, 4), (std::vector<std::string>{"101", "103", "100", "99"}));
  EXPECT_EQ(column(t, 4, 4), (std::vector<std::string>{"2.5", "1.5", "3.5", "4.5"}));
}

TEST_F(OrderRows, ByPercentDifferenceLargestMagnitudeFirst) {
  FX::FXTable* t = table({{"1", "1", "3"}, {"2", "2", "-2"}, {"3", "3", "-7"}}, 5, 3);
  Quillgrid::orderPoints(t, 2, 3, true, false);
  EXPECT_EQ(column(t, 2, 3), (std::vector<std::string>{"-7", "3", "-2"}));
  EXPECT_EQ(column(t, 0, 3), (std::vector<std::string>{"3", "1", "2"}));

  for (const Rows& rows : {Rows{{"1", "1", "1"}, {"2", "2", "-1"}}, Rows{{"1", "1", "-1"}, {"2", "2", "1"}}}) {
    FX::FXTable* equal = table(rows, 5, 3);
    Quillgrid::orderPoints(equal, 2, 3, true, false);
    EXPECT_EQ(column(equal, 2, 2), (std::vector<std::string>{rows[0][2], rows[1][2]}));
  }
  // Text that is no number orders as 0.
  FX::FXTable* words = table({{"b", "1"}, {"-4", "2"}, {"2", "3"}}, 3, 2);
  Quillgrid::orderPoints(words, 0, 2, false, true);
  EXPECT_EQ(column(words, 0, 3), (std::vector<std::string>{"-4", "b", "2"}));
}

// ---- the order button and the header of the curve-points table

namespace {
class OrderingWindow : public MainWindowFixture {
protected:
  void TearDown() override { delete w; }
  Quillgrid* w = nullptr;
};
}  // namespace

TEST_F(OrderingWindow, OrderingTheCurvePointsMarksTheTableAndDisablesTheButton) {
  w = make();
  w->curveData_TBL->setItemText(0, 0, "2");
  w->curveData_TBL->setItemText(0, 1, "20");
  w->curveData_TBL->setItemText(1, 0, "1");
  w->curveData_TBL->setItemText(1, 1, "10");
  w->allowOrdering();
  EXPECT_TRUE(w->orderPoints_Btn->isEnabled());
  EXPECT_STREQ(w->curveData_TBL->getColumnText(0).text(), "X-value");

  EXPECT_EQ(w->handle(w->orderPoints_Btn, FXSEL(FX::SEL_COMMAND, Quillgrid::ID_ORDER_CURVE_POINTS), nullptr), 1);
  EXPECT_STREQ(w->curveData_TBL->getItemText(0, 0).text(), "1");
  EXPECT_STREQ(w->curveData_TBL->getItemText(1, 1).text(), "20");
  EXPECT_FALSE(w->orderPoints_Btn->isEnabled());
  EXPECT_STREQ(w->orderPoints_Btn->getText().text(), "Order Points (x)");
  EXPECT_STREQ(w->curveData_TBL->getColumnText(0).text(), "X-value \xE2\x86\x93");

  w->resetOrdering();
  EXPECT_FALSE(w->orderPoints_Btn->isEnabled());
  EXPECT_STREQ(w->curveData_TBL->getColumnText(0).text(), "X-value");
}

// Ordered by the size of the difference (the pop-up's "Order by % diff"),
// the rows are no longer in x order: the header says so and the order
// button is offered again.
TEST_F(OrderingWindow, OrderingByDifferenceMovesTheMarkAndOffersTheOrderButton) {
  w = make();
  const char* rows[3][3] = {{"1", "10", "2"}, {"2", "20", "-9"}, {"3", "30", "4"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) w->curveData_TBL->setItemText(r, c, rows[r][c]);
  const std::string arrow = " \xE2\x86\x93";
  auto header = [&](int c) { return std::string(w->curveData_TBL->getColumnText(c).text()); };
  w->handle(w->orderPoints_Btn, FXSEL(FX::SEL_COMMAND, Quillgrid::ID_ORDER_CURVE_POINTS), nullptr);
  ASSERT_EQ(header(0), "X-value" + arrow);
  ASSERT_FALSE(w->orderPoints_Btn->isEnabled());

  EXPECT_EQ(w->handle(nullptr, FXSEL(FX::SEL_COMMAND, Quillgrid::ID_ORDER_CURVE_POINTS_BY_DIFF), nullptr), 1);
  EXPECT_STREQ(w->curveData_TBL->getItemText(0, 0).text(), "2");
  EXPECT_STREQ(w->curveData_TBL->getItemText(1, 0).text(), "3");
  EXPECT_EQ(header(0), "X-value");
  EXPECT_EQ(header(2), "% diff" + arrow);
  EXPECT_TRUE(w->orderPoints_Btn->isEnabled());

  // Ordered by x again: the mark goes back to the X-value.
  w->handle(w->orderPoints_Btn, FXSEL(FX::SEL_COMMAND, Quillgrid::ID_ORDER_CURVE_POINTS), nullptr);
  EXPECT_STREQ(w->curveData_TBL->getItemText(0, 0).text(), "1");
  EXPECT_EQ(header(0), "X-value" + arrow);
  EXPECT_EQ(header(2), "% diff");
  EXPECT_FALSE(w->orderPoints_Btn->isEnabled());

  // A cleared table is in no order.
  w->handle(nullptr, FXSEL(FX::SEL_COMMAND, Quillgrid::ID_ORDER_CURVE_POINTS_BY_DIFF), nullptr);
  w->resetOrdering();
  EXPECT_EQ(header(0), "X-value");
  EXPECT_EQ(header(2), "% diff");
}

TEST_F(OrderingWindow, XYValuesOrderByXAndByDifference) {
  w = make();
  const char* rows[3][4] = {{"3", "30", "", "1"}, {"1", "10", "", "-5"}, {"2", "20", "", "2"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) w->xyValues_TBL->setItemText(r, c, rows[r][c]);
  // By % difference: column 2 (fit y) is empty, so no row is complete.
  w->handle(nullptr, FXSEL(FX::SEL_COMMAND, Quillgrid::ID_ORDER_XY_VALUES_BY_DIFF), nullptr);
  EXPECT_STREQ(w->xyValues_TBL->getItemText(0, 0).text(), "3");
  for (int r = 0; r < 3; ++r) w->xyValues_TBL->setItemText(r, 2, "0");
  w->handle(nullptr, FXSEL(FX::SEL_COMMAND, Quillgrid::ID_ORDER_XY_VALUES_BY_DIFF), nullptr);
  EXPECT_STREQ(w->xyValues_TBL->getItemText(0, 3).text(), "-5");
  EXPECT_STREQ(w->xyValues_TBL->getItemText(1, 3).text(), "2");
  w->handle(nullptr, FXSEL(FX::SEL_COMMAND, Quillgrid::ID_ORDER_XY_VALUES), nullptr);
  EXPECT_STREQ(w->xyValues_TBL->getItemText(0, 0).text(), "1");
  EXPECT_STREQ(w->xyValues_TBL->getItemText(2, 1).text(), "30");
}
