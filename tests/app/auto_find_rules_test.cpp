// Finding curve pixels by colour on small synthetic pictures: the colour
// test, the scanner, the tracer between two points and the whole-picture
// trace.
#include <cmath>
#include <limits>
#include <vector>

#include "AutoFindRules.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;
using namespace AutoFindRules;

namespace {
const FXColor WHITE = argb(0xFFFFFFFF);
const FXColor BLACK = argb(0xFF000000);
const FXColor CURVE = argb(0xFF1E50C8);  // a blue curve colour

// A white picture to draw on, placed at an offset in the window.
struct Canvas {
  int w, h;
  std::vector<FXColor> pixels;
  int ox = 0, oy = 0;
  Canvas(int width, int height) : w(width), h(height), pixels(size_t(width) * height, WHITE) {}
  void set(int x, int y, FXColor c) {
    if (x >= 0 && y >= 0 && x < w && y < h) pixels[size_t(y) * w + x] = c;
  }
  // Rows y0..y1 over columns x0..x1 (image pixels).
  void fill(int x0, int x1, int y0, int y1, FXColor c) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) set(x, y, c);
  }
  Picture picture() const {
    Picture p;
    p.pixels = pixels.data();
    p.width = w;
    p.height = h;
    p.offsetX = ox;
    p.offsetY = oy;
    return p;
  }
};

CurveColor curveColor(FXColor c = CURVE, int tolerance = 50) {
  CurveColor cc;
  cc.rgb[0] = FXREDVAL(c);
  cc.rgb[1] = FXGREENVAL(c);
  cc.rgb[2] = FXBLUEVAL(c);
  cc.tolerance = tolerance;
  return cc;
}

Search search(int direction, int length = 30, int location = MIDDLE) {
  Search s;
  s.direction = direction;
  s.length = length;
  s.location = location;
  return s;
}

struct Scan {
  bool found;
  int px, py;
  double yd;
};

// A vertical scan of column x from a to b, or a horizontal one of row y.
Scan scanColumn(const Canvas& c, const Search& s, int x, int a, int b) {
  Scan r{false, x, -7, -7.0};
  r.found = midPixel(c.picture(), curveColor(), s, a, b, &r.px, &r.py, &r.yd);
  return r;
}
Scan scanRow(const Canvas& c, const Search& s, int y, int a, int b) {
  Scan r{false, -7, y, -7.0};
  r.found = midPixel(c.picture(), curveColor(), s, a, b, &r.px, &r.py, &r.yd);
  return r;
}
}  // namespace

TEST(AutoFindRules, ColorToleranceIsStrictOnEveryChannel) {
  const int rgb[3] = {100, 150, 200};
  const struct {
    int r, g, b, tol;
    bool match;
  } cases[] = {
      {100, 150, 200, 50, true},  {149, 150, 200, 50, true},  {150, 150, 200, 50, false},
      {51, 150, 200, 50, true},   {50, 150, 200, 50, false},  {100, 199, 200, 50, true},
      {100, 200, 200, 50, false}, {100, 150, 151, 50, true},  {100, 150, 250, 50, false},
      {124, 174, 224, 25, true},  {125, 150, 200, 25, false}, {199, 249, 255, 100, true},
      {100, 150, 200, 0, false},  // a tolerance of 0 matches nothing
  };
  for (const auto& c : cases)
    EXPECT_EQ(colorsMatch(FXRGB(c.r, c.g, c.b), rgb, c.tol), c.match) << c.r << " " << c.g << " " << c.b << " tol " << c.tol;
}

TEST(AutoFindRules, LowAndHighBoundsRunAcrossTheLastPointInTheScanDirection) {
  const struct {
    int direction, lo, hi;
  } cases[] = {{UP, 130, 70}, {DOWN, 70, 130}, {LEFT, 130, 70}, {RIGHT, 70, 130}};
  for (const auto& c : cases) {
    int lo = 0, hi = 0;
    defineLowHigh(c.direction, 100, 30, &lo, &hi);
    EXPECT_EQ(lo, c.lo) << c.direction;
    EXPECT_EQ(hi, c.hi) << c.direction;
    EXPECT_EQ((hi - lo) > 0 ? 1 : -1, scanStep(c.direction)) << c.direction;
  }
}

// The picking feature snaps a click 10 px under a 3-pixel line to its
// middle row with the default search length.
TEST(AutoFindRules, ThreePixelLineFromTenBelowGivesItsMiddleRow) {
  Canvas c(80, 120);
  c.fill(0, 79, 49, 51, CURVE);
  const Scan s = scanColumn(c, search(UP, 30), 40, 61, 61 - 30);
  ASSERT_TRUE(s.found);
  EXPECT_EQ(s.py, 50);
  EXPECT_DOUBLE_EQ(s.yd, 50.0);
  EXPECT_EQ(s.px, 40);  // the column is not changed
}

TEST(AutoFindRules, FivePixelLineByLocationAndVerticalDirection) {
  Canvas c(60, 200);
  c.fill(0, 59, 100, 104, CURVE);  // rows 100 (top) .. 104 (bottom)
  const struct {
    int direction, location, from;
    double yd;
  } cases[] = {
      {UP, MIDDLE, 114, 102.0},
      {DOWN, MIDDLE, 90, 102.0},
      // "triangle": a third of the thickness above the lower edge.
      {UP, TRIANGLE, 114, 100 + 2.0 * 4 / 3},
      {DOWN, TRIANGLE, 90, 104 - 4.0 / 3},
      // "inverted triangle": a third below the upper edge.
      {UP, INVERTED_TRIANGLE, 114, 100 + 4.0 / 3},
      {DOWN, INVERTED_TRIANGLE, 90, 104 - 2.0 * 4 / 3},
  };
  for (const auto& k : cases) {
    const int to = k.from + (k.direction == UP ? -30 : 30);
    const Scan s = scanColumn(c, search(k.direction, 30, k.location), 20, k.from, to);
    ASSERT_TRUE(s.found) << k.direction << "/" << k.location;
    EXPECT_NEAR(s.yd, k.yd, 1e-9) << k.direction << "/" << k.location;
    EXPECT_EQ(s.py, int(k.yd)) << k.direction << "/" << k.location;
  }
}

TEST(AutoFindRules, RunsOfTheSearchLengthOrMoreAreNoCurve) {
  Canvas c(40, 200);
  c.fill(0, 19, 100, 128, CURVE);   // column 10: 29 rows
  c.fill(20, 39, 100, 129, CURVE);  // column 30: 30 rows
  const Scan under = scanColumn(c, search(UP, 30), 10, 140, 90);
  ASSERT_TRUE(under.found);
  EXPECT_DOUBLE_EQ(under.yd, 114.0);
  const Scan at = scanColumn(c, search(UP, 30), 30, 140, 90);
  EXPECT_FALSE(at.found);
  EXPECT_EQ(at.py, 129 - 30);  // where following stopped: h + s * L
  EXPECT_EQ(at.yd, -7.0);      // unchanged
  // No run before the end: -1.
  const Scan none = scanColumn(c, search(UP, 30), 30, 160, 131);
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.py, -1);
  // A scan from a to a examines nothing.
  EXPECT_FALSE(scanColumn(c, search(UP, 30), 30, 129, 129).found);
}

TEST(AutoFindRules, StartingOnTheCurveStepsBackAndFindsTheNearEdge) {
  Canvas c(40, 300);
  c.fill(0, 39, 100, 119, CURVE);  // a 20-row band
  // From inside, Up with L = 30: back 15, one forward (row 124), then up to
  // the band's lower edge: the middle of the whole band.
  const Scan s = scanColumn(c, search(UP, 30), 5, 110, 80);
  ASSERT_TRUE(s.found);
  EXPECT_DOUBLE_EQ(s.yd, 109.5);
  // Same for Down: back to row 96, down to the upper edge.
  const Scan d = scanColumn(c, search(DOWN, 30), 5, 110, 140);
  ASSERT_TRUE(d.found);
  EXPECT_DOUBLE_EQ(d.yd, 109.5);
  // The step back reaches at most L/2 - 1: with L = 50 from row 101 of a
  // 40-row band (100..139) it lands on row 125, still in the band, and the
  // run counts from there.
  Canvas t(40, 300);
  t.fill(0, 39, 100, 139, CURVE);
  const Scan inside = scanColumn(t, search(UP, 50), 5, 101, 51);
  ASSERT_TRUE(inside.found);
  EXPECT_DOUBLE_EQ(inside.yd, (125 + 100) / 2.0);
}

TEST(AutoFindRules, LeftEndsTheRunOnePixelShortRightAtTheLastMatch) {
  Canvas c(100, 40);
  c.fill(50, 53, 20, 20, CURVE);  // a 4-pixel run on row 20
  c.fill(80, 80, 10, 10, CURVE);  // a 1-pixel run on row 10
  const struct {
    int direction, row, a, b, px;
  } cases[] = {
      {RIGHT, 20, 40, 70, (50 + 53) / 2},  // 51
      {LEFT, 20, 64, 34, (53 + 51) / 2},   // 52: the end taken at 51
      {RIGHT, 10, 70, 95, 80},
      {LEFT, 10, 90, 60, (80 + 81) / 2},   // a one-pixel run ends at h + 1
  };
  for (const auto& k : cases) {
    const Scan s = scanRow(c, search(k.direction), k.row, k.a, k.b);
    ASSERT_TRUE(s.found) << k.direction << " row " << k.row;
    EXPECT_EQ(s.px, k.px) << k.direction << " row " << k.row;
    EXPECT_EQ(s.py, k.row);
    EXPECT_EQ(s.yd, -7.0);  // horizontal scans leave yd alone
  }
}

TEST(AutoFindRules, ScansNeverLeaveThePicture) {
  Canvas c(50, 50);
  c.ox = 7;
  c.oy = 11;
  c.fill(0, 49, 0, 2, CURVE);     // along the top edge
  c.fill(45, 49, 30, 30, CURVE);  // a run into the right edge
  // A run that reaches the top edge fails at the first row outside.
  const Scan top = scanColumn(c, search(UP, 30), 7 + 20, 11 + 20, 11 - 20);
  EXPECT_FALSE(top.found);
  EXPECT_EQ(top.py, 11 - 1);
  // A run into the right edge.
  const Scan right = scanRow(c, search(RIGHT, 30), 11 + 30, 7 + 40, 7 + 70);
  EXPECT_FALSE(right.found);
  EXPECT_EQ(right.px, 7 + 50);
  // A start on the curve whose step back leaves the picture: no start.
  const Scan back = scanColumn(c, search(DOWN, 30), 7 + 5, 11 + 1, 11 + 31);
  EXPECT_FALSE(back.found);
  EXPECT_EQ(back.py, -1);
  // Columns and rows outside the picture, and no picture at all.
  EXPECT_FALSE(scanColumn(c, search(UP, 30), 0, 40, 0).found);
  EXPECT_FALSE(scanRow(c, search(RIGHT, 30), 11 + 200, 0, 100).found);
  Picture empty;
  int px = 5, py = 5;
  double yd = 0;
  EXPECT_FALSE(midPixel(empty, curveColor(), search(UP), 5, 0, &px, &py, &yd));
  // The offset is subtracted: the middle of the run at image rows 20..22
  // is window row 11 + 21.
  c.fill(0, 49, 0, 49, WHITE);
  c.fill(10, 10, 20, 22, CURVE);
  const Scan shifted = scanColumn(c, search(UP, 30), 7 + 10, 11 + 32, 11 + 2);
  ASSERT_TRUE(shifted.found);
  EXPECT_EQ(shifted.py, 11 + 21);
}

namespace {
// A sine in the curve colour, 3 pixels thick, on a white 400 x 300 picture
// with black axes; its centre row at column x is sineRow(x).
double sineRow(int x) { return 150 + 60 * std::sin(2 * M_PI * (x - 50) / 300.0); }
Canvas sinePicture() {
  Canvas c(400, 300);
  c.fill(30, 30, 20, 280, BLACK);   // Y axis
  c.fill(30, 380, 280, 280, BLACK);  // X axis
  for (int x = 40; x <= 370; ++x) {
    const int y = int(std::lround(sineRow(x)));
    c.fill(x, x, y - 1, y + 1, CURVE);
  }
  return c;
}
}  // namespace

TEST(AutoFindRules, TracesASineBetweenTwoPointsAtTheChosenSpacing) {
  Canvas c = sinePicture();
  c.ox = 12;
  c.oy = 40;
  const struct {
    int x1, x2, numPoints, spacing, count;
  } cases[] = {
      {50, 350, 30, 10, 31},
      {100, 300, 10, 20, 11},  // every 20 columns, starting with the first
      {100, 105, 10, 1, 6},    // a step below one column becomes one
  };
  for (const auto& k : cases) {
    const Point p1{c.ox + k.x1, c.oy + int(sineRow(k.x1)) + 10};  // picked just below the curve
    const Point p2{c.ox + k.x2, c.oy + int(sineRow(k.x2)) + 10};
    const std::vector<Point> points = traceCurve(c.picture(), curveColor(), search(UP), p1, p2, k.numPoints);
    ASSERT_EQ(int(points.size()), k.count) << k.numPoints;
    for (int i = 0; i < k.count; ++i) {
      const int x = k.x1 + i * k.spacing;
      EXPECT_EQ(points[i].x, c.ox + x) << i;
      EXPECT_NEAR(points[i].y, c.oy + sineRow(x), 1.0) << "column " << x;
    }
  }
}

TEST(AutoFindRules, TracesRowByRowForLeftAndRight) {
  // A steep line x = 100 + (200 - y) / 2 over rows 40..200, 3 pixels wide.
  Canvas c(300, 260);
  for (int y = 40; y <= 200; ++y) {
    const int x = 100 + (200 - y) / 2;
    c.fill(x - 1, x + 1, y, y, CURVE);
  }
  // Upwards from row 200 towards row 120 in about 8 points: every 10 rows,
  // until the found x passes the second point's x (just above row 120).
  const Point p1{90, 200}, p2{140, 120};
  const std::vector<Point> points = traceCurve(c.picture(), curveColor(), search(RIGHT), p1, p2, 8);
  ASSERT_EQ(points.size(), 9u);
  for (size_t i = 0; i < points.size(); ++i) {
    const int y = 200 - int(i) * 10;
    EXPECT_EQ(points[i].y, y) << i;
    EXPECT_NEAR(points[i].x, 100 + (200 - y) / 2, 1) << i;
    EXPECT_LE(points[i].x, p2.x + 1) << i;
  }
}

TEST(AutoFindRules, ACurveLeavingThePictureEndsTheTrace) {
  // A line climbing one row per column leaves through the top: the trace
  // follows it into the top rows of the window (L + 1) and stops.
  Canvas c(400, 300);
  for (int x = 0; x < 400; ++x) c.fill(x, x, 260 - x - 1, 260 - x + 1, CURVE);
  const std::vector<Point> points = traceCurve(c.picture(), curveColor(), search(UP), {20, 250}, {1000, 250}, 1000);
  ASSERT_EQ(points.size(), 211u);  // columns 20 .. 230, one per column
  for (const Point& p : points) {
    EXPECT_TRUE(c.picture().contains(p.x, p.y));
    EXPECT_NEAR(p.y, 260 - p.x, 1);
  }
  EXPECT_EQ(points.back().x, 230);

  // A second point beyond any column: the walk still ends at the picture's
  // right edge.
  Canvas flat(400, 300);
  flat.fill(0, 399, 149, 151, CURVE);
  const std::vector<Point> far =
      traceCurve(flat.picture(), curveColor(), search(UP), {20, 160}, {std::numeric_limits<int>::max(), 160}, 10);
  ASSERT_EQ(far.size(), 1u);
  EXPECT_EQ(far[0].y, 150);

  // A curve that stops: beyond it nothing is found and the trace ends.
  Canvas gap(200, 200);
  gap.fill(10, 60, 99, 101, CURVE);
  const std::vector<Point> part = traceCurve(gap.picture(), curveColor(), search(UP), {10, 110}, {190, 110}, 18);
  ASSERT_EQ(part.size(), 6u);  // every 10 columns from 10 to 60
  EXPECT_EQ(part.back().x, 60);

  // A start outside the row window finds nothing.
  EXPECT_TRUE(traceCurve(gap.picture(), curveColor(), search(UP), {10, 20}, {190, 20}, 10).empty());
}

TEST(AutoFindRules, WholePictureTraceTakesOnePointPerColumnOrRow) {
  Canvas c(200, 100);
  c.ox = 5;
  c.oy = 9;
  c.fill(20, 179, 49, 51, CURVE);  // a horizontal line
  c.fill(0, 199, 90, 90, BLACK);   // an axis in another colour
  for (int direction : {UP, DOWN}) {
    const std::vector<Point> cols = traceWholePicture(c.picture(), curveColor(), direction, 30);
    ASSERT_EQ(cols.size(), 160u) << direction;
    for (size_t i = 0; i < cols.size(); ++i) {
      EXPECT_EQ(cols[i].x, c.ox + 20 + int(i));
      EXPECT_EQ(cols[i].y, c.oy + 50);
    }
  }
  // Row scans: a vertical line over rows 10..69 gives one point per row.
  Canvas v(120, 100);
  v.fill(60, 63, 10, 69, CURVE);
  v.fill(0, 0, 0, 99, CURVE);  // the picture's own edge column is not scanned
  for (int direction : {LEFT, RIGHT}) {
    const std::vector<Point> rows = traceWholePicture(v.picture(), curveColor(), direction, 30);
    ASSERT_EQ(rows.size(), 60u) << direction;
    EXPECT_EQ(rows.front().y, 10);
    EXPECT_EQ(rows.front().x, (60 + 63) / 2);
    EXPECT_EQ(rows.back().y, 69);
  }
}

namespace {
// The whole-picture trace as one full scan per column (Up from the bottom
// row) or per row (Right from column 1), each scan walking pixel by pixel.
std::vector<Point> scanEveryLine(const Picture& p, const CurveColor& color, int direction, int length) {
  std::vector<Point> points;
  Search s;
  s.length = length;
  double yd = 0;
  if (isVertical(direction)) {
    s.direction = UP;
    for (int x = p.offsetX + 1; x <= p.offsetX + p.width - 2; ++x) {
      int px = x, py = 0;
      if (midPixel(p, color, s, p.offsetY + p.height - 1, p.offsetY + 1, &px, &py, &yd)) points.push_back({px, py, yd});
    }
  } else {
    s.direction = RIGHT;
    for (int y = p.offsetY + 1; y <= p.offsetY + p.height - 2; ++y) {
      int px = 0, py = y;
      if (midPixel(p, color, s, p.offsetX + 1, p.offsetX + p.width - 1, &px, &py, &yd))
        points.push_back({px, py, double(py)});
    }
  }
  return points;
}

bool samePoints(const std::vector<Point>& a, const std::vector<Point>& b) {
  if (a.size() != b.size()) return false;
  for (size_t k = 0; k < a.size(); ++k)
    if (a[k].x != b[k].x || a[k].y != b[k].y || a[k].yd != b[k].yd) return false;
  return true;
}
}  // namespace

TEST(AutoFindRules, WholePictureTraceFindsWhatAFullScanOfEveryLineFinds) {
  // Random strokes of the curve colour, of a near colour and of others,
  // with curve pixels on the picture's edges (where a scan starts on the
  // curve and steps back), runs longer than the search length, and sizes
  // from one pixel up, over every search length class.
  unsigned state = 99u;
  auto next = [&state](int n) {
    state = state * 1664525u + 1013904223u;
    return (int)((state >> 8) % (unsigned)n);
  };
  const FXColor NEAR_CURVE = argb(0xFF3A64B4), OTHER = argb(0xFFC8281E);
  const int sizes[][2] = {{1, 1}, {2, 5}, {3, 3}, {5, 2}, {64, 40}, {65, 33}, {130, 70}, {200, 17}, {7, 150}};
  int compared = 0;
  for (const auto& size : sizes)
    for (int round = 0; round < 6; ++round) {
      Canvas c(size[0], size[1]);
      c.ox = next(50);
      c.oy = next(50);
      const int strokes = 1 + next(3 + size[0] * size[1] / 40);
      for (int k = 0; k < strokes; ++k) {
        const FXColor colour = next(4) == 0 ? OTHER : next(3) == 0 ? NEAR_CURVE : CURVE;
        const int x = next(size[0]), y = next(size[1]);
        if (next(2))
          c.fill(x, x + next(40), y, y + next(4), colour);  // along a row
        else
          c.fill(x, x + next(4), y, y + next(40), colour);  // down a column
      }
      if (round % 2) {  // curve along the bottom row and the first column
        c.fill(0, size[0] - 1, size[1] - 1, size[1] - 1, CURVE);
        c.fill(1, 1, 0, size[1] - 1, CURVE);
      }
      for (int length : {1, 2, 3, 4, 7, 10, 30, 100})
        for (int direction : {UP, DOWN, LEFT, RIGHT})
          for (int tolerance : {25, 50, 100}) {
            const Picture p = c.picture();
            const CurveColor colour = curveColor(CURVE, tolerance);
            const std::vector<Point> expected = scanEveryLine(p, colour, direction, length);
            EXPECT_TRUE(samePoints(traceWholePicture(p, colour, direction, length), expected))
                << size[0] << "x" << size[1] << " round " << round << " L " << length << " direction " << direction
                << " tolerance " << tolerance;
            compared += !expected.empty();
          }
    }
  EXPECT_GT(compared, 500);  // most cases found points to compare
}
