// Drawing of the plot on a canvas: the pixels of the finished image are
// read back and checked. Set QG_PLOT_PNG_DIR to keep the pictures as PNG.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "TestHarness.h"
// after fx.h, which it needs
#include <FXPNGImage.h>
#include "data_plot_probe.h"
#include "fox16.h"

using namespace FX;

namespace {

const FXColor WHITE = argb(0xFFFFFFFF);
const FXColor BLACK = argb(0xFF000000);
const FXColor RED = argb(0xFFFF0000);
const FXColor BLUE = argb(0xFF0000FF);
const FXColor GREEN = argb(0xFF00FF00);

bool sameRGB(FXColor a, FXColor b) {
  return FXREDVAL(a) == FXREDVAL(b) && FXGREENVAL(a) == FXGREENVAL(b) && FXBLUEVAL(a) == FXBLUEVAL(b);
}

// Where the plot area must lie for the plot's font and a canvas size.
struct Layout {
  int left, right, top, bottom, plotH, tyH, titleH;
};

Layout expectedLayout(PlotProbe& plot, int W, int H, bool axis) {
  FXFont* f = plot.plotFont;
  const FXString yMax = FXStringFormat(plot.yFormat.text(), plot.ymax);
  // The X label is measured with the format of the ranges, before the
  // drawing picks its own tick count.
  const int xLabelW = f->getTextWidth(FXStringFormat(plot.xFormat.text(), plot.xmax));
  Layout l;
  l.tyH = f->getTextHeight(yMax);
  l.titleH = f->getTextHeight("y");
  const int t = axis ? l.tyH : 0, gap = axis ? 5 : 0, a = axis ? 10 : 0;
  l.left = axis ? l.titleH + f->getTextWidth(yMax) + gap + 2 * a : 0;
  l.top = l.tyH;
  l.plotH = H - l.tyH - 2 * t - gap - a;
  l.bottom = l.top + l.plotH;
  l.right = W - (axis ? 3 * xLabelW / 4 : 10);
  return l;
}

class DrawPlot : public ::testing::Test {
protected:
  static constexpr int W = 400, H = 300;
  FXMainWindow* window = nullptr;
  FXCanvas* canvas = nullptr;
  PlotProbe* plot = nullptr;
  FXImage* shot = nullptr;

  void SetUp() override {
    QG_REQUIRE_DISPLAY();
    window = new FXMainWindow(qgtest::app(), "plot", nullptr, nullptr, DECOR_ALL, 0, 0, W + 20, H + 20);
    canvas = new FXCanvas(window, nullptr, 0, LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT, 0, 0, W, H);
    plot = new PlotProbe(window);
    window->create();
    canvas->resize(W, H);
  }

  void TearDown() override {
    delete shot;
    delete plot;
    delete window;
  }

  // Three points rising from (0, 0) to (10, 10), one series.
  void setLine(FXColor background = WHITE, const char* yTitle = "y") {
    static const double x[] = {0, 5, 10}, y[] = {0, 5, 10};
    plot->setData(background, "x", yTitle, 2, 2, false, false, 3, x, y);
    plot->setLegends(nullptr);
  }

  // Draws and reads the picture back; saves it when asked to.
  FXImage* draw(const char* name) {
    plot->drawPlot(canvas);
    FXImage* img = plot->getImage();
    if (!img) return nullptr;
    img->restore();
    const char* dir = getenv("QG_PLOT_PNG_DIR");
    if (dir && *dir) {
      FXFileStream out;
      if (out.open(FXStringFormat("%s/%s.png", dir, name), FXStreamSave)) {
        fxsavePNG(out, img->getData(), img->getWidth(), img->getHeight());
        out.close();
      }
    }
    return img;
  }

  static int count(FXImage* img, int x0, int y0, int x1, int y1, const std::function<bool(FXColor)>& pred) {
    int n = 0;
    for (int y = std::max(0, y0); y <= std::min(img->getHeight() - 1, y1); ++y)
      for (int x = std::max(0, x0); x <= std::min(img->getWidth() - 1, x1); ++x) n += pred(img->getPixel(x, y));
    return n;
  }
  // The box around every pixel of a colour in the columns left of xEnd.
  static bool boxOf(FXImage* img, int xEnd, FXColor c, int* x0, int* y0, int* x1, int* y1) {
    *x0 = *y0 = 1 << 20;
    *x1 = *y1 = -1;
    for (int y = 0; y < img->getHeight(); ++y)
      for (int x = 0; x < std::min(xEnd, img->getWidth()); ++x)
        if (sameRGB(img->getPixel(x, y), c)) {
          *x0 = std::min(*x0, x);
          *x1 = std::max(*x1, x);
          *y0 = std::min(*y0, y);
          *y1 = std::max(*y1, y);
        }
    return *x1 >= 0;
  }
  static int countColor(FXImage* img, int x0, int y0, int x1, int y1, FXColor c) {
    return count(img, x0, y0, x1, y1, [c](FXColor p) { return sameRGB(p, c); });
  }
};

TEST_F(DrawPlot, FrameLiesAtTheComputedEdges) {
  // An empty Y title is drawn as a blank: its margin stays.
  for (const char* yTitle : {"y", ""}) {
  SCOPED_TRACE(*yTitle ? "titled" : "untitled");
  setLine(WHITE, yTitle);
  // The data stays clear of the frame.
  plot->setMinMax(-5, 15, -5, 15);
  const Layout l = expectedLayout(*plot, W, H, true);
  FXImage* img = draw(*yTitle ? "frame" : "frame_untitled");
  ASSERT_NE(img, nullptr);
  const int titleInk = count(img, 0, 0, 4 + l.titleH, H - 1, [](FXColor p) { return !sameRGB(p, WHITE); });
  EXPECT_EQ(titleInk > 0, *yTitle != 0);
  ASSERT_EQ(img->getWidth(), W);
  ASSERT_EQ(img->getHeight(), H);
  int minPx = -1, maxPx = -1;
  plot->getMinMaxXPixels(&minPx, &maxPx);
  EXPECT_EQ(minPx, l.left);
  EXPECT_EQ(maxPx, l.right);
  // Every pixel of the four edges in the text colour.
  const int len = l.right - l.left + 1, height = l.bottom - l.top + 1;
  EXPECT_EQ(countColor(img, l.left, l.top, l.right, l.top, BLACK), len);
  EXPECT_EQ(countColor(img, l.left, l.bottom, l.right, l.bottom, BLACK), len);
  EXPECT_EQ(countColor(img, l.left, l.top, l.left, l.bottom, BLACK), height);
  EXPECT_EQ(countColor(img, l.right, l.top, l.right, l.bottom, BLACK), height);
  // Right of the frame, above the X labels: background only; and just
  // inside the corners.
  EXPECT_EQ(countColor(img, l.right + 1, 0, W - 1, l.bottom - 1, WHITE), (W - 1 - l.right) * l.bottom);
  EXPECT_TRUE(sameRGB(img->getPixel(l.right - 2, l.top + 2), WHITE));
  EXPECT_TRUE(sameRGB(img->getPixel(l.left + 2, l.bottom - 2), WHITE));
  // The red data line passes through its middle point (5, 5).
  const int row5 = l.bottom - (int)(10.0 / (20.0 / l.plotH));
  EXPECT_TRUE(sameRGB(img->getPixel(plot->getPixelsFromRealX(5), row5), RED));
  // The pixel conversions follow the drawing.
  EXPECT_EQ(plot->getPixelsFromRealX(-5), l.left);
  EXPECT_EQ(plot->getPixelsFromRealX(15), l.right);
  EXPECT_EQ(plot->getPixelsFromRealX(5), l.left + (l.right - l.left) / 2);
  EXPECT_DOUBLE_EQ(plot->getRealXfromPixels(l.right), 15.0);
  EXPECT_NEAR(plot->getXaxisResolutionPerPixel(), 20.0 / (l.right - l.left), 1e-12);
  }
}

TEST_F(DrawPlot, PlotNarrowerThanTwoXLabelsHasNoXTicks) {
  for (int width : {120, W}) {
    canvas->resize(width, H);
    setLine();
    plot->setMinMax(0, 10, 0, 10);
    const Layout l = expectedLayout(*plot, width, H, true);
    FXImage* img = draw(width < W ? "narrow" : "wide");
    ASSERT_NE(img, nullptr);
    // The tick marks stand in the five rows below the frame.
    const int ticks = countColor(img, l.left, l.bottom + 1, l.right, l.bottom + 5, BLACK);
    if (width < W) {
      EXPECT_LT(plot->numXTicks, 1);
      EXPECT_EQ(ticks, 0);
    } else {
      EXPECT_GE(plot->numXTicks, 2);
      // A tick on every multiple of the step from 0 to 10.
      const int drawn = (int)std::floor(10 / plot->dx + 1e-9) + 1;
      EXPECT_GE(drawn, 3);
      EXPECT_GE(ticks, 5 * drawn);
    }
  }
}

// The labels drawn beside the Y ticks and under the X ticks are exactly
// the ticks' values: the label bands of the drawing match the expected
// texts drawn alone at the ticks' places. Y from 1.26 to 24.96 (with a step
// of a tenth of the range its ticks at 1.26, 3.63, ... were labelled 1, 4,
// ...) and X from 20.35 to 27.15 (a Larson-Miller axis whose labels
// skipped values).
TEST_F(DrawPlot, EveryTickIsLabelledWithItsOwnValue) {
  static const double x[] = {20.35, 27.15}, y[] = {1.26, 24.96};
  plot->setData(WHITE, "", "y", -1, -1, false, false, 2, x, y);
  plot->setLegends(nullptr);
  const Layout l = expectedLayout(*plot, W, H, true);
  FXImage* img = draw("labels");
  ASSERT_NE(img, nullptr);

  FXImage expected(qgtest::app(), nullptr, IMAGE_KEEP, W, H);
  expected.create();
  {
    FXDCWindow dc(&expected);
    dc.setForeground(WHITE);
    dc.fillRectangle(0, 0, W, H);
    dc.setFont(plot->plotFont);
    dc.setForeground(BLACK);
    FXFont* f = plot->plotFont;
    const int t = l.tyH, gap = 5;
    const int yLabelW = f->getTextWidth(FXStringFormat(plot->yFormat.text(), plot->ymax));
    const double yRes = (24.96 - 1.26) / l.plotH;
    for (const char* label : {"5", "10", "15", "20"}) {
      const int row = l.bottom - (int)((FXDoubleVal(label) - 1.26) / yRes);
      dc.drawText(l.left - gap - yLabelW - 5, row + t / 4, label, strlen(label));
    }
    const double xRes = (27.15 - 20.35) / (l.right - l.left);
    for (const char* label : {"21", "22", "23", "24", "25", "26", "27"}) {
      const int column = l.left + (int)((FXDoubleVal(label) - 20.35) / xRes);
      dc.drawText(column - f->getTextWidth(label) / 2, l.bottom + gap + t, label, strlen(label));
    }
  }
  expected.restore();
  auto differences = [&](int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int yy = y0; yy <= y1; ++yy)
      for (int xx = x0; xx <= x1; ++xx) n += !sameRGB(img->getPixel(xx, yy), expected.getPixel(xx, yy));
    return n;
  };
  // The Y labels stand between the title's band and the ticks, the X
  // labels below the ticks.
  EXPECT_GT(countColor(&expected, 0, 0, W - 1, H - 1, BLACK), 0);
  EXPECT_EQ(differences(l.titleH * 2, 0, l.left - 6, l.bottom), 0);
  EXPECT_EQ(differences(0, l.bottom + 7, W - 1, H - 1), 0);
}

TEST_F(DrawPlot, DecimalCommaChangesTheLabelsOnly) {
  std::vector<FXColor> first;
  Layout l{};
  for (bool comma : {false, true}) {
    static const double x[] = {0, 10}, y[] = {0, 10};
    const double* ys[] = {y};
    plot->setData(WHITE, "x", "y", "", false, 2, 2, comma, false, 2, x, 1, ys);
    plot->setLegends(nullptr);
    plot->setMinMax(0, 10, 0, 10);
    l = expectedLayout(*plot, W, H, true);
    FXImage* img = draw(comma ? "comma" : "point");
    ASSERT_NE(img, nullptr);
    if (!comma) {
      first.assign(img->getData(), img->getData() + W * H);
      continue;
    }
    auto differ = [&](int x0, int y0, int x1, int y1) {
      int n = 0;
      for (int yy = y0; yy <= y1; ++yy)
        for (int xx = x0; xx <= x1; ++xx) n += !sameRGB(img->getPixel(xx, yy), first[yy * W + xx]);
      return n;
    };
    // The Y labels left of the ticks and the X labels below them change;
    // the plot area does not.
    EXPECT_GT(differ(0, 0, l.left - 6, H - 1), 0);
    EXPECT_GT(differ(0, l.bottom + 6, W - 1, H - 1), 0);
    EXPECT_EQ(differ(l.left, 0, W - 1, l.bottom + 5), 0);
  }
}

TEST_F(DrawPlot, SeriesColourSetsTheLineStyle) {
  FXImage img(qgtest::app(), nullptr, 0, 4, 4);
  img.create();
  FXDCWindow dc(&img);
  struct Case { unsigned long series; FXLineStyle style; };
  const Case cases[] = {{0, LINE_SOLID}, {9, LINE_SOLID}, {10, LINE_ONOFF_DASH}, {19, LINE_ONOFF_DASH},
                        {25, LINE_ONOFF_DASH}};
  for (const Case& c : cases) {
    dc.setLineStyle(c.style == LINE_SOLID ? LINE_ONOFF_DASH : LINE_SOLID);
    plot->getLineColor(&dc, c.series);
    EXPECT_EQ(dc.getLineStyle(), c.style) << c.series;
  }
}

TEST_F(DrawPlot, YTitleIsTurnedToReadUpwards) {
  // The second drawing changes the font after the data was set: the
  // title's image grows with it.
  for (int points : {0, 24}) {
    static const double x[] = {0, 10}, y[] = {0, 10};
    plot->setData(WHITE, "x", "Tom", 2, 2, false, false, 2, x, y);
    if (points) plot->setPlotSize(points);
    plot->setLegends(nullptr);
    plot->setMinMax(0, 10, 0, 10);
    const Layout l = expectedLayout(*plot, W, H, true);
    FXImage* img = draw(points ? "title_large" : "title");
    ASSERT_NE(img, nullptr);
    // The title's box in the band left of the tick labels.
    int x0, x1, y0, y1;
    ASSERT_TRUE(boxOf(img, 5 + l.titleH, BLACK, &x0, &y0, &x1, &y1)) << "no title pixels";
    EXPECT_GE(x0, 5);
    // Turned: as tall as the text is wide, centred on the plot area.
    const int textW = plot->plotFont->getTextWidth("Tom");
    EXPECT_NEAR(y1 - y0 + 1, textW, 3) << points;
    EXPECT_LT(x1 - x0 + 1, l.titleH);
    EXPECT_NEAR((y0 + y1) / 2.0, l.bottom - l.plotH / 2, 3);
    // Read from bottom to top: the capital T comes first, at the bottom,
    // with its bar on the left (the top of the text faces left).
    EXPECT_GE(countColor(img, x0, y1 - textW / 3, x0 + 1, y1, BLACK), 4);
    EXPECT_EQ(countColor(img, x0, y0, x0 + 1, y0 + textW / 2, BLACK), 0);
  }
}

TEST_F(DrawPlot, AutoScaledYRangeGetsItsOwnTicks) {
  static const double x[] = {0, 5, 10, 20}, y[] = {0, 50, 100, 1000};
  plot->setData(WHITE, "x", "y", -1, -1, false, false, 4, x, y);
  plot->setLegends(nullptr);
  plot->setMinMax(0, 10, -500, 2000);
  plot->autoScaleY(true);
  ASSERT_NE(draw("autoscale"), nullptr);
  // The point at x = 20 lies outside the X range and does not count.
  EXPECT_EQ(plot->ymin, 0.0);
  EXPECT_EQ(plot->ymax, 100.0);
  EXPECT_DOUBLE_EQ(plot->dy, 10.0);
  EXPECT_STREQ(plot->yFormat.text(), "%.0f");
}

TEST_F(DrawPlot, GridLinesRunAcrossThePlotArea) {
  for (bool grid : {false, true}) {
    static const double x[] = {0, 10}, y[] = {0, 0};
    const double* ys[] = {y};
    plot->setData(WHITE, "x", "y", "", false, 2, 2, false, grid, 2, x, 1, ys);
    plot->setLegends(nullptr);
    plot->setPlotLineWidth(0);
    plot->setMinMax(0, 10, 0, 10);
    const Layout l = expectedLayout(*plot, W, H, true);
    FXImage* img = draw(grid ? "grid" : "nogrid");
    ASSERT_NE(img, nullptr);
    // Tick 5 of the Y axis, in the middle of the plot area.
    const int row = l.bottom - (int)(5 * plot->dy / (10.0 / l.plotH));
    const int mid = (l.left + l.right) / 2;
    EXPECT_EQ(sameRGB(img->getPixel(mid, row), BLACK), grid) << grid;
    EXPECT_TRUE(sameRGB(img->getPixel(l.left - 5, row), BLACK)) << "tick outside the frame";
    // A vertical X tick (not the last) reaches the top only with grid lines.
    const int xi = l.left + (int)(plot->dx / plot->xResolution);
    EXPECT_TRUE(sameRGB(img->getPixel(xi, l.bottom + 5), BLACK));
    EXPECT_EQ(sameRGB(img->getPixel(xi, l.top + 3), BLACK), grid) << grid;
  }
}

TEST_F(DrawPlot, ZoneMarkerStandsOnTheBottomRow) {
  for (bool axis : {true, false}) {
    setLine();
    plot->showAxis(axis);
    plot->setNumZoneDelimiters(1, 15);
    plot->positionZoneDelimiter(0, 100);
    FXImage* img = draw(axis ? "marker" : "marker_noaxis");
    ASSERT_NE(img, nullptr);
    // Apex 15 rows above the bottom edge, base along the bottom row.
    EXPECT_TRUE(sameRGB(img->getPixel(100, H - 15), BLACK));
    EXPECT_TRUE(sameRGB(img->getPixel(100, H - 16), WHITE));
    EXPECT_GE(countColor(img, 90, H - 1, 110, H - 1, BLACK), 13);
    EXPECT_TRUE(sameRGB(img->getPixel(100 - 9, H - 1), WHITE));
    EXPECT_TRUE(sameRGB(img->getPixel(100 + 9, H - 1), WHITE));
    // Filled: the middle of the triangle is the text colour too.
    EXPECT_TRUE(sameRGB(img->getPixel(100, H - 5), BLACK));
    // After the drawing a real X value places a marker on its column.
    plot->positionZoneDelimiter(0, 5.0);
    int minPx, maxPx;
    plot->getMinMaxXPixels(&minPx, &maxPx);
    EXPECT_EQ(plot->zoneDelimiterPixels[0], minPx + (maxPx - minPx) / 2);
  }
}

TEST_F(DrawPlot, PointDiscTakesItsPointColourAndAnOutline) {
  for (bool outline : {false, true}) {
    static const double x[] = {2, 5, 8}, y[] = {2, 5, 8};
    plot->setData(WHITE, "x", "y", 2, 2, false, false, 3, x, y);
    plot->setLegends(nullptr);
    plot->setMinMax(0, 10, 0, 10);
    plot->setPlotLineWidth(0);
    plot->setPlotPointSize(9);
    plot->outlinePoints(outline);
    FXColor colors[] = {BLUE, GREEN, BLUE};
    FXColor* perSeries[] = {colors};
    plot->setPlotPointColor(perSeries);
    FXImage* img = draw(outline ? "disc_outline" : "disc");
    ASSERT_NE(img, nullptr);
    // The green disc of the middle point.
    int gx0, gx1, gy0, gy1;
    ASSERT_TRUE(boxOf(img, W, GREEN, &gx0, &gy0, &gx1, &gy1));
    EXPECT_NEAR(gx1 - gx0 + 1, 9, 1);
    EXPECT_NEAR(gy1 - gy0 + 1, 9, 1);
    const int cx = plot->getPixelsFromRealX(5);
    EXPECT_NEAR((gx0 + gx1) / 2.0, cx, 1.0);
    const int cy = (gy0 + gy1) / 2;
    EXPECT_TRUE(sameRGB(img->getPixel(cx, cy), GREEN));
    // Just left of the disc: the outline, or the background.
    EXPECT_TRUE(sameRGB(img->getPixel(gx0 - 1, cy), outline ? BLACK : WHITE)) << outline;
    EXPECT_TRUE(sameRGB(img->getPixel(gx1 + 1, cy), outline ? BLACK : WHITE)) << outline;
    EXPECT_TRUE(sameRGB(img->getPixel(gx0 - 3, cy), WHITE));
    EXPECT_GT(countColor(img, 0, 0, W - 1, H - 1, BLUE), 80);
  }
}

// Dense points without lines, many on the same pixels, in colours of
// their own: the picture is the one of every point drawn in turn, each as
// a series of its own (of two copies, the least a series draws).
TEST_F(DrawPlot, DensePointsDrawThePictureOfEveryPointInTurn) {
  const int n = 3000;
  const FXColor palette[] = {RED, GREEN, BLUE, argb(0xFFFFFF00), argb(0xFF00FFFF)};
  std::vector<double> x(n), y(n);
  std::vector<FXColor> colors(n);
  unsigned state = 2024u;
  auto next = [&state] { return (state = state * 1664525u + 1013904223u) >> 8; };
  for (int k = 0; k < n; ++k) {
    // A cloud around a rising line, some points left and right of the X
    // range and far above the picture, one without a y.
    x[k] = -0.5 + 11.0 * k / n + (next() % 100) / 400.0;
    y[k] = x[k] + (next() % 200) / 100.0 - 1.0 + (k % 97 == 0 ? 1e9 : 0.0);
    colors[k] = palette[next() % 5];
  }
  y[n / 2] = std::nan("");
  std::vector<int> counts(n, 2), widths(n, 0), sizes(n, 5);
  std::vector<std::vector<double>> xs(n), ys(n);
  std::vector<std::vector<FXColor>> cs(n);
  std::vector<const double*> xp(n), yp(n);
  std::vector<FXColor*> cp(n);
  for (int k = 0; k < n; ++k) {
    xs[k] = {x[k], x[k]};
    ys[k] = {y[k], y[k]};
    cs[k] = {colors[k], colors[k]};
    xp[k] = xs[k].data();
    yp[k] = ys[k].data();
    cp[k] = cs[k].data();
  }
  for (bool outline : {true, false}) {
    auto style = [&](const char* name) {
      plot->setLegends(nullptr);
      plot->setMinMax(0, 10, 0, 10);
      plot->outlinePoints(outline);
      FXImage* img = draw(name);
      std::vector<FXColor> pixels;
      for (int py = 0; img && py < img->getHeight(); ++py)
        for (int px = 0; px < img->getWidth(); ++px) pixels.push_back(img->getPixel(px, py) | argb(0xFF000000));
      return pixels;
    };
    plot->setData(WHITE, "x", "y", 2, 2, false, false, n, x.data(), y.data());
    plot->setPlotLineWidth(0);
    plot->setPlotPointSize(5);
    FXColor* perSeries[] = {colors.data()};
    plot->setPlotPointColor(perSeries);
    const std::vector<FXColor> dense = style("dense_points");

    plot->setData(WHITE, "x", "y", FXString::null, true, 2, 2, false, false, counts.data(), xp.data(), n, yp.data());
    plot->setPlotLineWidth(widths.data());
    plot->setPlotPointSize(sizes.data());
    plot->setPlotPointColor(cp.data());
    const std::vector<FXColor> inTurn = style("points_in_turn");

    ASSERT_EQ(dense.size(), (size_t)(W * H));
    ASSERT_EQ(dense.size(), inTurn.size());
    int differing = 0;
    for (size_t i = 0; i < dense.size(); ++i) differing += dense[i] != inTurn[i];
    EXPECT_EQ(differing, 0) << "outline " << outline;
    // The points are there to compare: many pixels of each disc colour.
    int green = 0;
    for (FXColor p : dense) green += sameRGB(p, GREEN);
    EXPECT_GT(green, 500);
  }
}

TEST_F(DrawPlot, SegmentWithAnEndOutsideTheXRangeIsNotDrawn) {
  static const double x[] = {0, 5, 10}, y[] = {5, 5, 5};
  plot->setData(WHITE, "x", "y", 2, 2, false, false, 3, x, y);
  plot->setLegends(nullptr);
  plot->setMinMax(2, 10, 0, 10);
  plot->setPlotLineColor(BLUE);
  plot->setPlotPointSize(7);
  FXImage* img = draw("clip");
  ASSERT_NE(img, nullptr);
  int minPx, maxPx;
  plot->getMinMaxXPixels(&minPx, &maxPx);
  const int p5 = plot->getPixelsFromRealX(5);
  // Nothing blue left of point 1's disc: the segment from x = 0 is gone,
  // and so is the disc of x = 0 (its centre lies left of the frame).
  EXPECT_EQ(countColor(img, 0, 0, p5 - 5, H - 1, BLUE), 0);
  // The segment from x = 5 to x = 10 is drawn, one pixel a column.
  EXPECT_EQ(countColor(img, p5 + 10, 0, maxPx - 10, H - 1, BLUE), maxPx - p5 - 19);
}

TEST_F(DrawPlot, DegenerateDataStaysInsideThePicture) {
  // All x equal and all y equal: the point sits in the middle of the area.
  static const double x[] = {5, 5}, y[] = {3, 3};
  static const double lone[] = {5};
  static const double farX[] = {0, 1, 2};
  double farY[] = {5, 1e12, NAN};
  const double* xs[] = {x, lone, farX};
  const double* ys[] = {y, lone, farY};
  const int counts[] = {2, 1, 3};
  plot->setData(WHITE, "x", "y", "", false, -1, -1, false, false, counts, xs, 3, ys);
  plot->setLegends(nullptr);
  const int sizes[] = {9, 9, 0};
  plot->setPlotPointSize(sizes);
  FXColor green[] = {GREEN, GREEN}, blue[] = {BLUE};
  FXColor* colors[] = {green, blue, nullptr};
  plot->setPlotPointColor(colors);
  plot->setMinMax(5, 5, 3, 3);
  Layout l = expectedLayout(*plot, W, H, true);
  FXImage* img = draw("degenerate");
  ASSERT_NE(img, nullptr);
  const int cx = l.left + (l.right - l.left) / 2, cy = l.bottom - l.plotH / 2;
  EXPECT_EQ(plot->getPixelsFromRealX(5), cx);
  EXPECT_TRUE(sameRGB(img->getPixel(cx, cy), GREEN));
  EXPECT_GT(countColor(img, cx - 6, cy - 6, cx + 6, cy + 6, GREEN), 50);
  // The one-point series draws no disc.
  EXPECT_EQ(countColor(img, 0, 0, W - 1, H - 1, BLUE), 0);

  // A value far above the range, or infinite: its segment still leaves
  // the first point upwards, cut at the picture's edge instead of wrapping
  // around.
  for (double far : {1e12, double(INFINITY)}) {
    SCOPED_TRACE(far);
    farY[1] = far;
    plot->setData(WHITE, "x", "y", "", false, -1, -1, false, false, counts, xs, 3, ys);
    plot->setLegends(nullptr);
    plot->setMinMax(0, 2, 0, 10);
    l = expectedLayout(*plot, W, H, true);
    img = draw(std::isinf(far) ? "infinite_value" : "far_value");
    ASSERT_NE(img, nullptr);
    const int p0 = plot->getPixelsFromRealX(0);
    const int row5 = l.bottom - l.plotH / 2;
    EXPECT_GT(countColor(img, p0 - 1, row5 - 3, p0 + 1, row5 - 1, RED), 0);
    EXPECT_GT(countColor(img, p0 - 1, 0, p0 + 1, row5, RED), row5 / 2);
    EXPECT_EQ(countColor(img, p0 + 3, 0, W - 1, H - 1, RED), 0);
    EXPECT_EQ(countColor(img, 0, 0, p0 - 3, H - 1, RED), 0);
  }
}

TEST_F(DrawPlot, ZeroSizeCanvasGivesNoImage) {
  setLine();
  plot->blank(canvas);
  ASSERT_NE(plot->getImage(), nullptr);
  canvas->resize(0, H);
  plot->drawPlot(canvas);
  EXPECT_EQ(plot->getImage(), nullptr);
  canvas->resize(W, 0);
  plot->drawPlot(canvas);
  EXPECT_EQ(plot->getImage(), nullptr);
  plot->blank(canvas);
  EXPECT_EQ(plot->getImage(), nullptr);
}

TEST_F(DrawPlot, WithoutDataOrWithBlankOnlyTheBackgroundShows) {
  plot->setBackgroundColor(argb(0xFFC8C8C8));
  FXImage* img = draw("nodata");
  ASSERT_NE(img, nullptr);
  EXPECT_EQ(countColor(img, 0, 0, W - 1, H - 1, argb(0xFFC8C8C8)), W * H);
  setLine();
  plot->setBackgroundColor(BLACK);
  plot->blank(canvas);
  img = plot->getImage();
  ASSERT_NE(img, nullptr);
  // A blank image keeps its pixels on the client side.
  ASSERT_NE(img->getData(), nullptr);
  EXPECT_EQ(countColor(img, 0, 0, W - 1, H - 1, BLACK), W * H);
  // The display's copy, read back, is the background as well, in every
  // channel.
  const FXColor tint = argb(0xFF204060);
  plot->setBackgroundColor(tint);
  plot->blank(canvas);
  img = plot->getImage();
  ASSERT_NE(img, nullptr);
  img->restore();
  EXPECT_EQ(countColor(img, 0, 0, W - 1, H - 1, tint), W * H);
}

TEST_F(DrawPlot, AxisHiddenPlotUsesTheWholeCanvas) {
  static const double x[] = {0, 10}, y[] = {0, 10};
  plot->setData(BLACK, "x", "y", 2, 2, false, false, 2, x, y);
  plot->setLegends(nullptr);
  plot->setMinMax(0, 10, 0, 10);
  plot->showAxis(false);
  plot->setPlotLineColor(GREEN);
  const Layout l = expectedLayout(*plot, W, H, false);
  FXImage* img = draw("noaxis");
  ASSERT_NE(img, nullptr);
  int minPx, maxPx;
  plot->getMinMaxXPixels(&minPx, &maxPx);
  EXPECT_EQ(minPx, 0);
  EXPECT_EQ(maxPx, W - 10);
  EXPECT_EQ(l.bottom, H);
  // The line ends at the top right corner of the area (W - 10, tyH);
  // nothing but the line and the background: no frame, ticks or labels.
  EXPECT_GT(countColor(img, W - 12, l.tyH - 1, W - 10, l.tyH + 2, GREEN), 0);
  EXPECT_GT(countColor(img, 0, H - 2, 2, H - 1, GREEN), 0);
  EXPECT_EQ(countColor(img, W - 9, 0, W - 1, H - 1, GREEN), 0);
  const int other = count(img, 0, 0, W - 1, H - 1, [](FXColor p) { return !sameRGB(p, GREEN) && !sameRGB(p, BLACK); });
  EXPECT_EQ(other, 0);
}

TEST_F(DrawPlot, NoteStandsWhereItsAlignmentSaysOnABoxOfTheBackground) {
  const FXString text = "R2 = 0.99\nlonger second line";
  struct Case { DataPlot::Alignment align; bool onTop; const char* name; };
  const Case cases[] = {
      {DataPlot::TOP_RIGHT, true, "note_top_right"},       {DataPlot::TOP_CENTER, true, "note_top_centre"},
      {DataPlot::BOTTOM_RIGHT, true, "note_bottom_right"}, {DataPlot::BOTTOM_CENTER, true, "note_bottom_centre"},
      {DataPlot::TOP_LEFT, true, "note_top_left"},         {DataPlot::BOTTOM_LEFT, true, "note_bottom_left"},
      {DataPlot::TOP_RIGHT, false, "note_under_data"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // A thick data line along the top or bottom edge shows where the box
    // hides it.
    const bool top = c.align <= DataPlot::TOP_CENTER;
    static const double x[] = {0, 10};
    const double y[] = {top ? 10.0 : 0.0, top ? 10.0 : 0.0};
    plot->setData(WHITE, "x", "y", text, 2, 2, false, false, 2, x, y);
    plot->setLegends(nullptr);
    plot->noteOnTop = c.onTop;
    plot->setMinMax(0, 10, 0, 10);
    const Layout l = expectedLayout(*plot, W, H, true);
    plot->setPlotLineWidth(2 * l.tyH + 4);
    plot->setNoteAlignemnt(c.align);
    FXImage* img = draw(c.name);
    ASSERT_NE(img, nullptr);
    // A line's box covers the font's ascent above its baseline and its
    // descent below.
    // Top notes start one line below the top edge; bottom notes end on the
    // bottom edge. Look at the row half a line above that baseline.
    const int row = top ? l.top + l.tyH / 2 : l.bottom - l.tyH / 2;
    const int boxW = plot->plotFont->getTextWidth("longer second line") + 4;
    const int plotW = l.right - l.left;
    auto reds = [&](int x0, int x1) { return countColor(img, x0, row, x1, row, RED); };
    if (!c.onTop) {
      // Drawn before the data: the line covers it.
      EXPECT_EQ(reds(l.left + 1, l.right - 1), l.right - 1 - l.left);
    } else if (c.align == DataPlot::TOP_LEFT || c.align == DataPlot::BOTTOM_LEFT) {
      // A box under the line's own text, from just right of the frame's
      // left edge; the data beside it stay visible.
      const int lineW = plot->plotFont->getTextWidth(top ? "R2 = 0.99" : "longer second line") + 3;
      EXPECT_EQ(reds(l.left + 1, l.left + lineW), 0);
      EXPECT_GT(countColor(img, l.left + 1, row, l.left + lineW, row, WHITE), lineW / 4);
      EXPECT_EQ(reds(l.left + lineW + 1, l.right - 1), l.right - 1 - l.left - lineW);
    } else {
      const bool right = c.align == DataPlot::TOP_RIGHT || c.align == DataPlot::BOTTOM_RIGHT;
      const int boxX = right ? l.left + plotW - boxW : l.left + plotW / 2 - boxW / 2;
      EXPECT_EQ(reds(l.left + 1, boxX - 1), boxX - 1 - l.left);
      EXPECT_EQ(reds(boxX, boxX + boxW - 1), 0);
      EXPECT_GT(countColor(img, boxX, row, boxX + boxW - 1, row, WHITE), boxW / 4);
      if (!right) {
        EXPECT_EQ(reds(boxX + boxW, l.right - 1), l.right - 1 - boxX - boxW + 1);
      }
    }
  }
}

TEST_F(DrawPlot, ALongNoteIsWrappedInsideThePlot) {
  // A note far wider than the plot, as the equation of a 15th-order fit.
  FXString text = "y =";
  for (int k = 15; k >= 0; --k) text += FXStringFormat(" + 1.234567e-05*x^%d", k);
  for (DataPlot::Alignment align : {DataPlot::TOP_LEFT, DataPlot::TOP_RIGHT, DataPlot::BOTTOM_LEFT}) {
    SCOPED_TRACE(align);
    static const double x[] = {0, 10}, y[] = {5, 5};
    plot->setData(WHITE, "x", "y", text, 2, 2, false, false, 2, x, y);
    plot->setLegends(nullptr);
    plot->setMinMax(0, 10, 0, 10);
    plot->setNoteAlignemnt(align);
    const Layout l = expectedLayout(*plot, W, H, true);
    FXImage* img = draw("note_long");
    ASSERT_NE(img, nullptr);
    // No glyph right of the frame, and the note took several lines.
    EXPECT_EQ(countColor(img, l.right + 1, l.top + 1, W - 1, l.bottom - 1, BLACK), 0);
    const FXString wrapped = DataPlot::wrapNote(text, plot->plotWidth - 4, [&](const FXString& s) {
      return plot->plotFont->getTextWidth(s);
    });
    EXPECT_GE(wrapped.contains('\n'), 2);
  }
}

TEST_F(DrawPlot, ZoneMarkersLeaveTheXTitleClear) {
  setLine();
  static const double x[] = {0, 10}, y[] = {5, 5};
  plot->setData(WHITE, "WWWWWWWW", "y", 2, 2, false, false, 2, x, y);
  plot->setLegends(nullptr);
  plot->setMinMax(0, 10, 0, 10);
  plot->setNumZoneDelimiters(1, 15);
  // The marker under the title's middle (a first drawing gives the scale).
  ASSERT_NE(draw("marker_title"), nullptr);
  plot->positionZoneDelimiter(0, 5.0);
  const int centre = plot->zoneDelimiterPixels[0];
  FXImage* img = draw("marker_title");
  ASSERT_NE(img, nullptr);
  // The title ends above the marker's rows: no glyph pixel lies in them
  // beside the triangle.
  auto ink = [](FXColor p) { return !sameRGB(p, WHITE); };
  EXPECT_EQ(count(img, 0, H - 15, centre - 9, H - 1, ink), 0);
  EXPECT_EQ(count(img, centre + 9, H - 15, W - 1, H - 1, ink), 0);
  // The title is drawn, above the marker.
  EXPECT_GT(count(img, centre - 60, H - 40, centre + 60, H - 16, ink), 20);
}

TEST_F(DrawPlot, LegendsColourTheSeriesFromThePalette) {
  static const double x[] = {0, 10};
  // Clear of the legend, which stands in the bottom left corner.
  static const double y0[] = {5, 5}, y1[] = {7, 7}, y2[] = {9, 9};
  const double* ys[] = {y0, y1, y2};
  plot->setData(WHITE, "x", "y", "", false, 2, 2, false, false, 2, x, 3, ys);
  const FXString texts[] = {"data", "fit", "limit"};
  plot->setLegends(texts);
  plot->setMinMax(0, 10, 0, 10);
  FXImage* img = draw("legend");
  ASSERT_NE(img, nullptr);
  const int n0 = countColor(img, 0, 0, W - 1, H - 1, RED);
  const int n1 = countColor(img, 0, 0, W - 1, H - 1, argb(0xFFA000E6));
  const int n2 = countColor(img, 0, 0, W - 1, H - 1, argb(0xFF0000FF));
  int minPx, maxPx;
  plot->getMinMaxXPixels(&minPx, &maxPx);
  // Each series' line across the plot plus its 50-pixel legend sample.
  for (int n : {n0, n1, n2}) EXPECT_GE(n, maxPx - minPx - 1 + 49);
}

TEST_F(DrawPlot, CanvasShowsTheFinishedImage) {
  window->show(PLACEMENT_SCREEN);
  qgtest::runFor(100);
  setLine();
  plot->setMinMax(0, 10, 0, 10);
  FXImage* img = draw("canvas");
  ASSERT_NE(img, nullptr);
  shot = new FXImage(qgtest::app(), nullptr, IMAGE_KEEP, W, H);
  shot->create();
  {
    FXDCWindow dc(shot);
    dc.drawArea(canvas, 0, 0, W, H, 0, 0);
  }
  shot->restore();
  int differ = 0;
  for (int yy = 0; yy < H; ++yy)
    for (int xx = 0; xx < W; ++xx) differ += !sameRGB(shot->getPixel(xx, yy), img->getPixel(xx, yy));
  EXPECT_EQ(differ, 0);
}

}  // namespace
