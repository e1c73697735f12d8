// The plot's data, settings, ticks and conversions; none of it needs a
// display.
#include <cmath>

#include "TestHarness.h"
#include "data_plot_probe.h"
#include "fox16.h"

using namespace FX;

namespace {

struct ModelPlot : public ::testing::Test {
  FXMainWindow* owner = new FXMainWindow(qgtest::app(), "plot owner");
  PlotProbe plot{owner};
  ~ModelPlot() override { delete owner; }

  // Two series: (0..4, 10..14) and (-2..1, 3..0).
  void setTwoSeries(int xDecimals = -1, int yDecimals = -1) {
    static const double x0[] = {0, 1, 2, 3, 4}, y0[] = {10, 11, 12, 13, 14};
    static const double x1[] = {-2, -1, 0, 1}, y1[] = {3, 2, 1, 0};
    const double* xs[] = {x0, x1};
    const double* ys[] = {y0, y1};
    const int counts[] = {5, 4};
    plot.setData(argb(0xFFFFFFFF), "x", "y", "", false, xDecimals, yDecimals, false, false, counts, xs, 2, ys);
  }
};

TEST_F(ModelPlot, StartsWithOneUnstyledSeriesAndNoImage) {
  EXPECT_EQ(plot.numSeries, 1);
  EXPECT_EQ(plot.lineWidths[0], 1);
  EXPECT_EQ(plot.pointSizes[0], 0);
  EXPECT_EQ(plot.numXTicks, 10);
  EXPECT_STREQ(plot.xFormat.text(), "%.2f");
  EXPECT_EQ(plot.getImage(), nullptr);
  // Before any drawing the resolution is 0: every pixel maps to xmin.
  plot.setMinMax(3, 9, 0, 1);
  EXPECT_EQ(plot.getRealXfromPixels(0), 3.0);
  EXPECT_EQ(plot.getRealXfromPixels(500), 3.0);
  EXPECT_EQ(plot.getXaxisResolutionPerPixel(), 0.0);
}

TEST_F(ModelPlot, XTickIntervalsAreCappedAtTen) {
  // The step is the round step (1, 2 or 5 times a power of ten) at or above
  // the range shared by the intervals: 30 / 10 gives 5, 30 / 3 gives 10.
  struct Case { int requested, kept; double step; };
  for (const Case& c : {Case{25, 10, 5.0}, Case{10, 10, 5.0}, Case{3, 3, 10.0}}) {
    plot.numXTicks = c.requested;
    plot.setMinMax(0, 30, 0, 1);
    EXPECT_EQ(plot.numXTicks, c.kept) << c.requested;
    EXPECT_DOUBLE_EQ(plot.dx, c.step) << c.requested;
  }
  // Y always has ten intervals.
  plot.numYTicks = 3;
  plot.setMinMax(0, 30, -5, 15);
  EXPECT_EQ(plot.numYTicks, 10);
  EXPECT_DOUBLE_EQ(plot.dy, 2.0);
}

TEST_F(ModelPlot, AutomaticLabelFormatsFollowTheStep) {
  setTwoSeries();
  struct Case { double lo, hi; const char* format; };
  const Case cases[] = {
      {50, 0, "%.2le"},     // a reversed range: its step -5 lies below 0.001
      {0, 0.005, "%.2le"},  // step 0.0005
      {0, 0.05, "%.4f"},    // 0.005
      {0, 0.5, "%.3f"},     // 0.05
      {0, 5, "%.2f"},       // 0.5
      {0, 50, "%.0f"},      // 5
  };
  for (const Case& c : cases) {
    plot.setMinMax(c.lo, c.hi, c.lo, c.hi);
    EXPECT_STREQ(plot.yFormat.text(), c.format) << c.lo << ".." << c.hi;
    EXPECT_STREQ(plot.xFormat.text(), c.format) << c.lo << ".." << c.hi;
  }
  EXPECT_STREQ(FXStringFormat(plot.yFormat.text(), 12.5).text(), "12");
}

// Ticks stand on the whole multiples of a round step, at least three of
// them in the range, and the label of each, in the plot's format, reads
// back as the tick's value: no label shows another number than its tick.
TEST_F(ModelPlot, TickLabelsStateTheirTicksValues) {
  struct Case { double lo, hi; };
  const Case cases[] = {{1.26, 24.96}, {20.35, 27.15}, {0.5, 10},     {-3.7, 0.42},        {0, 0.0047},
                        {123456, 987654}, {-0.0003, 0.0002}, {1000.0001, 1000.0009}, {-2e-7, 9e-7}};
  setTwoSeries();  // automatic decimals, as the main window asks for
  for (const Case& c : cases) {
    plot.numXTicks = 7;
    plot.setMinMax(c.lo, c.hi, c.lo, c.hi);
    const struct { const char* axis; double step; int intervals; const FXString& format; } axes[] = {
        {"x", plot.dx, 7, plot.xFormat}, {"y", plot.dy, 10, plot.yFormat}};
    for (const auto& a : axes) {
      SCOPED_TRACE(testing::Message() << a.axis << " " << c.lo << ".." << c.hi << " step " << a.step << " "
                                      << a.format.text());
      const double share = (c.hi - c.lo) / a.intervals;
      EXPECT_GE(a.step, share * (1 - 1e-12));
      EXPECT_LE(a.step, share * 2.5);
      const double mantissa = a.step / std::pow(10.0, std::floor(std::log10(a.step) + 1e-9));
      EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 || std::fabs(mantissa - 5) < 1e-9);
      int ticks = 0;
      for (double k = std::ceil(c.lo / a.step - 1e-9); k * a.step <= c.hi + 1e-9 * a.step; ++k, ++ticks) {
        const double value = k * a.step;
        const FXString label = FXStringFormat(a.format.text(), value);
        EXPECT_NEAR(FXDoubleVal(label), value, 1e-9 * std::max(std::fabs(value), a.step)) << label.text();
      }
      EXPECT_GE(ticks, 3);
    }
  }
}

TEST_F(ModelPlot, FixedDecimalsGiveFixedFormats) {
  setTwoSeries(3, 0);
  plot.setMinMax(0, 0.005, 0, 0.005);
  EXPECT_STREQ(plot.xFormat.text(), "%.3f");
  EXPECT_STREQ(plot.yFormat.text(), "%.0f");
}

TEST_F(ModelPlot, SetDataCopiesValuesWidensRangesAndResetsStyles) {
  setTwoSeries();
  FXColor c0[] = {1, 2, 3, 4, 5};
  FXColor* colors[] = {c0, nullptr};
  plot.setPlotLineWidth(3);
  plot.setPlotPointSize(7);
  plot.setPlotPointColor(colors);
  plot.setLegends(nullptr);
  ASSERT_NE(plot.seriesPointColors, nullptr);
  EXPECT_EQ(plot.seriesPointColors[0][4], 5u);
  EXPECT_EQ(plot.seriesPointColors[1], nullptr);

  setTwoSeries();
  EXPECT_EQ(plot.numSeries, 2);
  EXPECT_EQ(plot.numPoints[0], 5);
  EXPECT_EQ(plot.numPoints[1], 4);
  EXPECT_EQ(plot.xData[1][0], -2.0);
  EXPECT_EQ(plot.yData[0][4], 14.0);
  EXPECT_EQ(plot.xmin, -2.0);
  EXPECT_EQ(plot.xmax, 4.0);
  EXPECT_EQ(plot.ymin, 0.0);
  EXPECT_EQ(plot.ymax, 14.0);
  for (int s = 0; s < 2; ++s) {
    EXPECT_EQ(plot.lineWidths[s], 1);
    EXPECT_EQ(plot.pointSizes[s], 0);
  }
  ASSERT_NE(plot.legends, nullptr);
  EXPECT_TRUE(plot.legends[0].empty() && plot.legends[1].empty());
  // The colours were given for the old points and are gone.
  EXPECT_EQ(plot.seriesPointColors, nullptr);
}

TEST_F(ModelPlot, StyleArraysTakeOneEntryPerSeries) {
  setTwoSeries();
  const int widths[] = {0, 4, 99};
  const int sizes[] = {6, 0, 99};
  plot.setPlotLineWidth(widths);
  plot.setPlotPointSize(sizes);
  EXPECT_EQ(plot.lineWidths[0], 0);
  EXPECT_EQ(plot.lineWidths[1], 4);
  EXPECT_EQ(plot.pointSizes[0], 6);
  EXPECT_EQ(plot.pointSizes[1], 0);
  const FXString texts[] = {"data", "fit"};
  plot.setLegends(texts);
  EXPECT_STREQ(plot.legends[1].text(), "fit");
  plot.setLegends(nullptr);
  EXPECT_EQ(plot.legends, nullptr);
  // No legend slots: texts are ignored.
  plot.setLegends(texts);
  EXPECT_EQ(plot.legends, nullptr);
}

TEST_F(ModelPlot, ShorterFormsShareXAndKeepTheNotePlacement) {
  const double x[] = {1, 2, 3};
  const double ya[] = {5, 6, 7}, yb[] = {-1, 0, 8};
  const double* ys[] = {ya, yb};
  plot.setData(argb(0xFF000000), "t", "v", "n", true, 2, 2, false, true, 3, x, 2, ys);
  EXPECT_EQ(plot.numSeries, 2);
  EXPECT_EQ(plot.numPoints[1], 3);
  EXPECT_EQ(plot.xData[1][2], 3.0);
  EXPECT_EQ(plot.ymin, -1.0);
  EXPECT_EQ(plot.ymax, 8.0);
  EXPECT_TRUE(plot.noteOnTop);

  plot.setData(argb(0xFFFFFFFF), "t", "v", "second", 2, 2, false, false, 3, x, ya);
  EXPECT_EQ(plot.numSeries, 1);
  EXPECT_TRUE(plot.noteOnTop);
  EXPECT_STREQ(plot.note.text(), "second");

  plot.setData(argb(0xFFFFFFFF), "t", "v", 2, 2, false, false, 2, x, yb);
  EXPECT_TRUE(plot.note.empty());
  EXPECT_EQ(plot.numPoints[0], 2);
  EXPECT_EQ(plot.ymax, 0.0);
}

TEST_F(ModelPlot, ZoneDelimitersIgnoreIndicesOutsideTheirCount) {
  plot.setNumZoneDelimiters(2, 15);
  plot.positionZoneDelimiter(1, 40);
  plot.positionZoneDelimiter(2, 99);
  plot.positionZoneDelimiter(-1, 99);
  plot.positionZoneDelimiter(2, 5.0);
  EXPECT_EQ(plot.zoneDelimiterPixels[0], 0);
  EXPECT_EQ(plot.zoneDelimiterPixels[1], 40);
  // None at all: every position is ignored.
  plot.setNumZoneDelimiters(0, 15);
  plot.positionZoneDelimiter(0, 40);
  EXPECT_EQ(plot.zoneDelimiterPixels, nullptr);
}

TEST_F(ModelPlot, PaletteAndDashedStyles) {
  struct Case { unsigned long series; FXColor color; };
  const Case cases[] = {{0, argb(0xFFFF0000)},  {1, argb(0xFFA000E6)},  {2, argb(0xFF0000FF)},
                        {9, argb(0xFFFFFF00)},  {10, argb(0xFFFF0000)}, {13, argb(0xFF28D4FF)},
                        {19, argb(0xFFFFFF00)}, {25, argb(0xFF000000)}};
  for (const Case& c : cases) EXPECT_EQ(plot.getLineColor(nullptr, c.series), c.color) << c.series;
  plot.setBackgroundColor(argb(0xFFC8C8C8));
  EXPECT_EQ(plot.getLineColor(nullptr, 25), argb(0xFF000000));
  plot.setBackgroundColor(argb(0xFF000000));
  EXPECT_EQ(plot.getLineColor(nullptr, 25), argb(0xFFFFFFFF));
}

TEST_F(ModelPlot, UserTickStepsCountTheStepsThatReachTheEnd) {
  plot.setMinMax(0, 10, 0, 1);
  plot.set_dx_user(3);  // 0, 3, 6, 9 and one more to pass 10
  EXPECT_EQ(plot.numXTicks, 4);
  EXPECT_DOUBLE_EQ(plot.dx, 3);
  plot.set_dx_user(2.5);  // ends exactly on 10
  EXPECT_EQ(plot.numXTicks, 4);
  EXPECT_DOUBLE_EQ(plot.dx, 2.5);
  EXPECT_STREQ(plot.xFormat.text(), "%.2f");  // the construction's two decimals
  plot.setMinMax(0, 100, 0, 1);  // the user's step stays
  EXPECT_DOUBLE_EQ(plot.dx, 2.5);
  plot.reset_dx();
  EXPECT_DOUBLE_EQ(plot.dx, 50);  // the round step above 100 / 4

  plot.set_dy_user(0.3);
  EXPECT_EQ(plot.numYTicks, 4);
  EXPECT_DOUBLE_EQ(plot.dy, 0.3);
  plot.reset_dy();
  EXPECT_EQ(plot.numYTicks, 10);
  EXPECT_DOUBLE_EQ(plot.dy, 0.1);
}

TEST_F(ModelPlot, UnusableUserStepsAreRefused) {
  plot.setMinMax(0, 10, 0, 10);
  for (double d : {0.0, -1.0, double(NAN), double(INFINITY), 1e-6}) {
    plot.set_dx_user(d);
    plot.set_dy_user(d);
    EXPECT_DOUBLE_EQ(plot.dx, 1.0) << d;
    EXPECT_DOUBLE_EQ(plot.dy, 1.0) << d;
    EXPECT_EQ(plot.numYTicks, 10) << d;
  }
}

TEST_F(ModelPlot, AutoScaleYFitsThePointsInTheXRange) {
  setTwoSeries();
  plot.setMinMax(0.5, 3, -100, 100);
  plot.autoScaleY();
  // Series 0 at x 1..3 gives 11..13, series 1 at x 1 gives 0.
  EXPECT_EQ(plot.ymin, 0.0);
  EXPECT_EQ(plot.ymax, 13.0);
  // No point in the range: the Y range stays.
  plot.setMinMax(50, 60, -100, 100);
  plot.autoScaleY();
  EXPECT_EQ(plot.ymin, -100.0);
  EXPECT_EQ(plot.ymax, 100.0);
}

TEST_F(ModelPlot, ValuesThatAreNotNumbersDoNotSpoilTheRanges) {
  const double x[] = {NAN, 1, 2, INFINITY};
  const double y[] = {NAN, -3, 4, 5};
  plot.setData(argb(0xFFFFFFFF), "", "", 2, 2, false, false, 4, x, y);
  EXPECT_EQ(plot.xmin, 1.0);
  EXPECT_EQ(plot.xmax, 2.0);
  EXPECT_EQ(plot.ymin, -3.0);
  EXPECT_EQ(plot.ymax, 5.0);
  EXPECT_TRUE(std::isfinite(plot.dx) && std::isfinite(plot.dy));
}

TEST_F(ModelPlot, ZeroRangesGiveDefinedPixels) {
  // Before a drawing and with an empty X range the conversion is still
  // defined: the range's own value in the middle, others just outside.
  const double x[] = {5, 5};
  const double y[] = {1, 1};
  plot.setData(argb(0xFFFFFFFF), "", "", 2, 2, false, false, 2, x, y);
  EXPECT_EQ(plot.getPixelsFromRealX(5), 0);
  EXPECT_EQ(plot.getPixelsFromRealX(4), -1);
  EXPECT_EQ(plot.getPixelsFromRealX(6), 1);
  EXPECT_EQ(plot.getPixelsFromRealX(NAN), 0);
  EXPECT_STREQ(plot.xFormat.text(), "%.2f");
}

TEST_F(ModelPlot, DrawingWithoutACanvasMakesNoImage) {
  setTwoSeries();
  plot.drawPlot(nullptr);
  EXPECT_EQ(plot.getImage(), nullptr);
  plot.blank(nullptr);
  EXPECT_EQ(plot.getImage(), nullptr);
}

}  // namespace

TEST(PlotNoteWrap, LinesBreakAtBlanksToFitTheWidth) {
  // Seven pixels a character.
  auto width = [](const FXString& s) { return 7 * s.length(); };
  const struct {
    const char* note;
    int maxWidth;
    const char* wrapped;
  } cases[] = {
      {"short", 70, "short"},
      {"a bb ccc dddd", 70, "a bb ccc\ndddd"},                   // "a bb ccc" is 56 pixels
      {"a bb ccc dddd", 200, "a bb ccc dddd"},                   // fits: unchanged
      {"one\ntwo three four", 63, "one\ntwo three\nfour"},       // every line on its own
      // Runs of blanks stay between words, not at the start of a line.
      {"x  R^2 = 1   Max. diff. = 2%", 70, "x  R^2 = 1\nMax. diff.\n= 2%"},
      {"averyveryverylongword and", 35, "averyveryverylongword\nand"},  // a long word stays whole
      {"", 35, ""},
  };
  for (const auto& c : cases)
    EXPECT_STREQ(DataPlot::wrapNote(c.note, c.maxWidth, width).text(), c.wrapped) << c.note;
}
