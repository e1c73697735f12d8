// Arithmetic of the fitting run: which cells are numbers, row transforms
// per fit type, the outer zone limits, the fixed-intercept zones, the
// points each zone's fit takes, the limits of the copied equations and the
// finished formula text.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "PipelineRules.h"
#include "SettingsRules.h"

using namespace FX;
using namespace PipelineRules;

TEST(FitRows, TransformPerTypeAndRefusals) {
  struct Case {
    int type;
    double x, y;
    bool xOk, yOk;
    double tx, ty;
  };
  const double e = std::exp(1.0);
  const Case cases[] = {
      {X_VS_Y, -2, -3, true, true, -2, -3},
      {LNX_VS_Y, e, -3, true, true, 1, -3},
      {LNX_VS_Y, 0, 5, false, true, 0, 0},
      {X_VS_LNY, -2, e, true, true, -2, 1},
      {X_VS_LNY, 2, 0, true, false, 0, 0},
      {LNX_VS_LNY, e, e * e, true, true, 1, 2},
      {LNX_VS_LNY, -1, -1, false, true, 0, 0},  // x is checked first
      {INVX_VS_LNY, 4, e, true, true, 0.25, 1},
      {INVX_VS_LNY, 0, e, false, true, 0, 0},
  };
  for (const Case& c : cases) {
    double tx = 0, ty = 0;
    bool xOk = false, yOk = false;
    transformRow(c.type, c.x, c.y, &tx, &ty, &xOk, &yOk);
    EXPECT_EQ(xOk, c.xOk) << c.type << " " << c.x;
    EXPECT_EQ(yOk, c.yOk) << c.type << " " << c.y;
    if (c.xOk && c.yOk) {
      EXPECT_NEAR(tx, c.tx, 1e-15);
      EXPECT_NEAR(ty, c.ty, 1e-15);
    }
  }
  EXPECT_DOUBLE_EQ(lmpValue(1000, 20, 800), 18400);
  EXPECT_EQ(lmpValue(1000, 20, 0), 0);
}

TEST(FitRows, NumberCells) {
  for (const char* text : {"12", " -1.5E-3 ", "1e5", "+7", "3,5", ".5", "5.", "1,050,000", "1,050.5"})
    EXPECT_TRUE(isNumberText(text)) << text;
  for (const char* text : {"", " ", "x", "y (mm)", "Time", "12a", "1-2", "1.2.3", "-", "e5", "nan", "inf", "1e999"})
    EXPECT_FALSE(isNumberText(text)) << text;
  EXPECT_STREQ(leftOutRowsText(1, "x or y").text(),
               "1 row was left out of the fit: its x or y cell holds text that is not a number.");
  EXPECT_STREQ(leftOutRowsText(3, "x or y").text(),
               "3 rows were left out of the fit: their x or y cells hold text that is not a number.");
}

// The fitting run checks its cells in place; every text gets the answer
// of the settings' number check, which trims and copies it: short and long
// texts of number characters, blanks, commas, bytes beyond ASCII and an
// embedded NUL.
TEST(FitRows, NumberCellsGetTheAnswerOfTheSettingsNumberCheck) {
  std::vector<FXString> texts = {"1e400", "-1e-400", "1,5e3", ",5", "5,", "1,2,3", "1e", "e", "+", "-+1", "1e+",
                                 "\t1\t", "1 2", "\xC2\xA0" "1", "1\xC2\xA0", FXString("12\0" "5", 4), FXString("\0", 1),
                                 FXString('9', 63), FXString('9', 64), FXString('9', 400)};
  const char alphabet[] = "0123456789+-.eE, \tx\xA0";
  unsigned state = 7u;
  for (int i = 0; i < 20000; ++i) {
    FXString text;
    state = state * 1664525u + 1013904223u;
    const int length = 1 + (state >> 8) % 70;
    for (int k = 0; k < length; ++k) {
      state = state * 1664525u + 1013904223u;
      // Mostly digits, so that many texts are numbers.
      const unsigned pick = (state >> 8) % 40;
      text.append(pick < 20 ? static_cast<char>('0' + pick % 10) : alphabet[pick % (sizeof(alphabet) - 1)]);
    }
    texts.push_back(text);
  }
  int numbers = 0;
  for (const FXString& text : texts) {
    FXString number;
    const bool expected = ini::numberText(text, number);
    ASSERT_EQ(isNumberText(text), expected) << text.text();
    numbers += expected;
  }
  EXPECT_GT(numbers, 1000);
}

TEST(FitZones, OuterLimitsHoldBothEndsOfTheData) {
  const struct {
    double xmin, xmax;
  } cases[] = {{1, 10}, {0, 5}, {-10, -1}, {-10, 0}, {0, 0}, {-3, 4}};
  for (const auto& c : cases) {
    double b[3];
    outerZoneLimits(c.xmin, c.xmax, &b[0], &b[2]);
    b[1] = (c.xmin + c.xmax) / 2;
    EXPECT_LE(b[0], c.xmin) << c.xmin << ".." << c.xmax;
    EXPECT_GT(b[2], c.xmax) << c.xmin << ".." << c.xmax;
    // A zone holds b[j] <= x < b[j+1]: the largest x is in the last zone.
    if (c.xmax > c.xmin) {
      EXPECT_TRUE(b[1] <= c.xmax && c.xmax < b[2]) << c.xmin << ".." << c.xmax;
    }
    EXPECT_LT(b[2] - c.xmax, 1e-5 * (1 + c.xmax - c.xmin)) << "a margin only";
  }
  double lower, upper;
  outerZoneLimits(2, 500, &lower, &upper);
  EXPECT_DOUBLE_EQ(lower, 0.999999 * 2);
  EXPECT_DOUBLE_EQ(upper, 1.0000006 * 500);
}

TEST(FitZones, LimitsForTheCopiedEquations) {
  const double e = std::exp(1.0);
  const struct {
    int type;
    bool asNumbers;
    double limit, copied;
  } cases[] = {
      {LNX_VS_Y, true, std::log(0.2), 0.2},  // x below 1: a negative ln
      {LNX_VS_LNY, true, 1, e},
      {LNX_VS_Y, true, 0, 1},
      {INVX_VS_LNY, true, 0.5, 2},
      {X_VS_Y, true, -3, -3},
      {X_VS_LNY, true, 4, 4},
      {LNX_VS_Y, false, std::log(0.2), std::log(0.2)},
      {INVX_VS_LNY, false, 0.5, 0.5},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(limitForCopy(c.type, c.asNumbers, c.limit), c.copied, 1e-12) << c.type << " " << c.limit;
}

TEST(FitZones, FixedInterceptZones) {
  bool z[3];
  const double allPositive[] = {1, 5, 9, 12};
  fixedInterceptZones(allPositive, 3, z);
  EXPECT_TRUE(z[0] && !z[1] && !z[2]);
  const double allNegative[] = {-12, -9, -5, -1};
  fixedInterceptZones(allNegative, 3, z);
  EXPECT_TRUE(!z[0] && !z[1] && z[2]);
  const double across[] = {-5, -1, 3, 9};
  fixedInterceptZones(across, 3, z);
  EXPECT_TRUE(!z[0] && z[1] && !z[2]);
  const double onBoundary[] = {-5, 0, 3, 9};
  fixedInterceptZones(onBoundary, 3, z);
  EXPECT_TRUE(z[0] && z[1] && !z[2]);
}

// The zones of points sorted by x, given as the count of each zone.
std::vector<int> zonesOfCounts(const std::vector<int>& counts) {
  std::vector<int> zoneOf;
  for (size_t z = 0; z < counts.size(); ++z) zoneOf.insert(zoneOf.end(), counts[z], (int)z);
  return zoneOf;
}

std::vector<size_t> sizesOfZones(const std::vector<int>& counts, int overlap, std::vector<int>* members) {
  const std::vector<int> zoneOf = zonesOfCounts(counts);
  pointsOfZones(zoneOf.data(), (int)zoneOf.size(), (int)counts.size(), overlap, members);
  std::vector<size_t> sizes;
  for (size_t z = 0; z < counts.size(); ++z) sizes.push_back(members[z].size());
  return sizes;
}

TEST(FitZones, PointsEachZoneTakes) {
  std::vector<int> members[6];
  EXPECT_EQ(sizesOfZones({7}, 4, members), (std::vector<size_t>{7}));
  EXPECT_EQ(sizesOfZones({5, 6, 7}, 2, members), (std::vector<size_t>{7, 10, 9}));
  // Zone 1 takes the last two of zone 0 and the first two of zone 2.
  EXPECT_EQ(members[1], (std::vector<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  // No overlap: own counts.
  EXPECT_EQ(sizesOfZones({5, 6, 7}, 0, members), (std::vector<size_t>{5, 6, 7}));
  // Neighbours with fewer points than the overlap give what they have:
  // zone 0 gets its 2 and the 3 of zone 1, not 2 + 10.
  EXPECT_EQ(sizesOfZones({2, 3, 30}, 10, members), (std::vector<size_t>{5, 15, 33}));
  // A zone without points of its own takes the last points of the zone
  // before it and the first of the zone after it, no more.
  EXPECT_EQ(sizesOfZones({4, 0, 5}, 2, members), (std::vector<size_t>{4, 4, 5}));
  EXPECT_EQ(members[1], (std::vector<int>{2, 3, 4, 5}));
  // One point beside a zone of one point: 2 points, where an order 2 fit
  // needs 3.
  EXPECT_EQ(sizesOfZones({1, 1, 8}, 2, members), (std::vector<size_t>{2, 4, 9}));
}

TEST(FitFormula, FinishedText) {
  const FX::FXString f = "= 1.5e+00*A2^2 - 2.0e-01*A2";
  EXPECT_STREQ(finishedFormula(X_VS_Y, false, "A2", f).text(), "= 1.5E+00*A2^2 - 2.0E-01*A2");
  EXPECT_STREQ(finishedFormula(X_VS_LNY, false, "A2", f).text(), "= exp(1.5E+00*A2^2 - 2.0E-01*A2)");
  EXPECT_STREQ(finishedFormula(LMP, true, "x", "= 1.5e+00*x^2").text(), "1.5E+00x2");
  EXPECT_STREQ(finishedFormula(LMP, false, "x", "= 1.5e+00*x^2").text(), "= exp(1.5E+00*x^2)");
  EXPECT_STREQ(finishedFormula(X_VS_Y, false, "  ", f).text(), "You must enter a value for the Excel cell");
}
