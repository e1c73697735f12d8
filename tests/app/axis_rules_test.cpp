// The axis arithmetic: conversions both ways on linear and log axes, the
// exp() form, X rounding and Arrhenius, the live angle, the warnings'
// tests and texts, and the cursor moves between the axis tables.
#include <gtest/gtest.h>

#include <cmath>

#include "AxisRules.h"

using namespace AxisRules;

TEST(AxisConversion, LinearAndLogAxesAtTheReferenceAndBetween) {
  const Axis linear{0, 100, 300, 0, 100};
  const Axis log{1, 100, 300, 1, 1000};
  double v = -1;
  ASSERT_EQ(pixelToReal(linear, 200, &v), Conversion::Ok);
  EXPECT_DOUBLE_EQ(v, 50);
  ASSERT_EQ(pixelToReal(log, 200, &v), Conversion::Ok);
  EXPECT_NEAR(v, 31.6227766016838, 1e-12);
  ASSERT_EQ(pixelToReal(log, 300, &v), Conversion::Ok);
  EXPECT_NEAR(v, 1000, 1e-9);
  // Beyond the reference points the line goes on, also reversed ones.
  const Axis reversed{0, 400, 100, 10, 40};  // a Y axis: pixels grow downward
  ASSERT_EQ(pixelToReal(reversed, 50, &v), Conversion::Ok);
  EXPECT_DOUBLE_EQ(v, 45);
}

TEST(AxisConversion, RefusesWhatHasNoValue) {
  double v = 7;
  EXPECT_EQ(pixelToReal(Axis{1, 100, 300, 0, 1000}, 200, &v), Conversion::NonPositiveLogValue);
  EXPECT_EQ(pixelToReal(Axis{1, 100, 300, 10, -1}, 200, &v), Conversion::NonPositiveLogValue);
  EXPECT_EQ(pixelToReal(Axis{0, 150, 150, 0, 10}, 200, &v), Conversion::SamePixels);
  EXPECT_EQ(pixelToReal(Axis{1, 150, 150, 0, 10}, 200, &v), Conversion::NonPositiveLogValue);
  EXPECT_EQ(v, 7);
  int px = 5;
  EXPECT_EQ(realToPixel(Axis{1, 100, 300, 1, 1000}, 0, &px), Conversion::NonPositiveLogValue);
  EXPECT_EQ(realToPixel(Axis{0, 100, 300, 5, 5}, 5, &px), Conversion::SamePixels);
  EXPECT_EQ(px, 5);
}

TEST(AxisConversion, RealToPixelInvertsAndTruncatesTowardZero) {
  const Axis linear{0, 100, 300, 0, 100};
  const Axis log{1, 100, 300, 1, 1000};
  int px = 0;
  ASSERT_EQ(realToPixel(linear, 50, &px), Conversion::Ok);
  EXPECT_EQ(px, 200);
  ASSERT_EQ(realToPixel(linear, 50.9, &px), Conversion::Ok);
  EXPECT_EQ(px, 201);  // 201.8
  ASSERT_EQ(realToPixel(log, 31.6227766016838 * 1.0001, &px), Conversion::Ok);
  EXPECT_EQ(px, 200);
  ASSERT_EQ(realToPixel(Axis{0, -100, -300, 0, 100}, 50.9, &px), Conversion::Ok);
  EXPECT_EQ(px, -201);  // -201.8 truncated toward zero
}

TEST(AxisValues, ArrheniusAndRounding) {
  EXPECT_DOUBLE_EQ(arrheniusValue(2.5), 400);
  EXPECT_EQ(arrheniusValue(0), 0);
  const struct { double in, out; } cases[] = {
      {9.99, 9.99}, {-9.99, -9.99}, {10.5, 11}, {-12.5, -13}, {10.4, 10}, {1e12 + 0.5, 1e12 + 1}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(roundedXValue(c.in), c.out) << c.in;
}

TEST(AxisValues, ExpForm) {
  FX::FXString inner, tip;
  ASSERT_TRUE(expForm("  EXP( 2 ) ", &inner, &tip));
  EXPECT_STREQ(inner.text(), "2");
  EXPECT_STREQ(tip.text(), "exp( 2 )");
  ASSERT_TRUE(expForm("exp()", &inner, &tip));
  EXPECT_TRUE(inner.empty());
  EXPECT_FALSE(expForm("2.5", &inner, &tip));
  EXPECT_FALSE(expForm("exp(2", &inner, &tip));
  EXPECT_FALSE(expForm(")exp(2", &inner, &tip));  // ")" before "("
}

TEST(AxisAngle, HorizontalVerticalAndColours) {
  Angle a;
  ASSERT_TRUE(axisAngle(0, 300, 100, 100, 100, &a));
  EXPECT_EQ(a.degrees, 0);
  EXPECT_EQ(a.colour, 1);
  ASSERT_TRUE(axisAngle(1, 100, 0, 100, 400, &a));
  EXPECT_EQ(a.degrees, 90);
  EXPECT_EQ(a.colour, 1);
  // One pixel of rise over 200 of run: 0.286 degrees, clockwise on screen.
  ASSERT_TRUE(axisAngle(0, 300, 101, 100, 100, &a));
  EXPECT_NEAR(a.degrees, -0.2865, 1e-3);
  EXPECT_EQ(a.colour, 0);
  ASSERT_TRUE(axisAngle(0, 10100, 101, 100, 100, &a));  // 0.0057 degrees
  EXPECT_EQ(a.colour, 1);
  ASSERT_TRUE(axisAngle(0, 1100, 102, 100, 100, &a));  // 0.115 degrees
  EXPECT_EQ(a.colour, 2);
  // A tiny negative angle reads 0, not -0.00.
  ASSERT_TRUE(axisAngle(0, 100100, 101, 100, 100, &a));
  EXPECT_FALSE(std::signbit(a.degrees));
  // Left of the origin (X) or below it (Y): no angle.
  EXPECT_FALSE(axisAngle(0, 99, 100, 100, 100, &a));
  EXPECT_FALSE(axisAngle(1, 100, 401, 100, 400, &a));
}

TEST(AxisWarnings, SuspiciousScalingAndTexts) {
  EXPECT_TRUE(scalingSuspicious(1, 1000, true, false));
  EXPECT_FALSE(scalingSuspicious(1, 99.9, true, false));
  EXPECT_FALSE(scalingSuspicious(1, 99.9, false, true));  // exactly 99.9: never
  EXPECT_TRUE(scalingSuspicious(1, 50, false, true));
  EXPECT_FALSE(scalingSuspicious(0, 1000, true, false));
  EXPECT_STREQ(scalingWarningText(true, false).text(),
               "Check your X-axis linear/log scaling.\n\n\nThese settings are allowed but might not be what "
               "you intended.\n\nYou can disable this warning in the \"Options\" menu.");
  EXPECT_STREQ(reversedCaption(true, true).text(), "X & Y-axis definitions warning");
  EXPECT_STREQ(reversedCaption(false, true).text(), "Y-axis definition warning");
  EXPECT_TRUE(reversedCaption(false, false).empty());
}

TEST(AxisTables, TabMovesRoundTheFourCells) {
  // (axis, row, backward) -> (axis, row)
  const int cases[][5] = {{0, 0, 0, 0, 1}, {0, 1, 0, 1, 0}, {1, 0, 0, 1, 1}, {1, 1, 0, 0, 0},
                          {0, 0, 1, 1, 1}, {1, 1, 1, 1, 0}, {1, 0, 1, 0, 1}, {0, 1, 1, 0, 0}};
  for (const auto& c : cases) {
    int a = -1, r = -1;
    nextAxisCell(c[0], c[1], c[2] != 0, &a, &r);
    EXPECT_EQ(a, c[3]);
    EXPECT_EQ(r, c[4]);
  }
}
