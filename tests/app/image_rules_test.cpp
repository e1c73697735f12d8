// Pixel arithmetic of the working image: marks, the user line, the areas
// the extended cross-hair changed, fine rotation, quarter and half turns,
// and the rotation label.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "ImageRules.h"
#include "fox16.h"

using namespace ImageRules;

namespace {
std::set<std::pair<int, int>> pixelsOfPass(const std::vector<MarkPixel>& m, int pass) {
  std::set<std::pair<int, int>> s;
  for (const auto& p : m)
    if (p.pass == pass) s.insert({p.x, p.y});
  return s;
}
}  // namespace

TEST(Marks, PlainCrossOfAReferencePointAndOfADataPoint) {
  // Reference mark: t = 3, L = 15: bars 3 thick and 15 long.
  const auto ref = markPixels(50, 40, 3, 15, false, 100, 100);
  const auto s = pixelsOfPass(ref, 1);
  EXPECT_EQ(ref.size(), 2u * 45u);            // each bar pixel once per bar
  EXPECT_EQ(s.size(), 45u + 45u - 9u);        // the centre block is shared
  EXPECT_TRUE(s.count({43, 39}) && s.count({57, 41}) && s.count({49, 33}) && s.count({51, 47}));
  EXPECT_FALSE(s.count({42, 40}) || s.count({58, 40}) || s.count({50, 32}) || s.count({52, 40 + 6}));
  // Data mark: t = 1, L = 9: one pixel wide, 9 long; an even length grows
  // to the next odd one and a length below 5 becomes 5.
  EXPECT_EQ(pixelsOfPass(markPixels(50, 40, 1, 9, false, 100, 100), 1).size(), 17u);
  EXPECT_EQ(pixelsOfPass(markPixels(50, 40, 1, 8, false, 100, 100), 1).size(), 17u);
  EXPECT_EQ(pixelsOfPass(markPixels(50, 40, 1, 2, false, 100, 100), 1).size(), 9u);
  // Thickness 2 draws 3 rows, starting one above the centre.
  const auto thick = pixelsOfPass(markPixels(50, 40, 2, 5, false, 100, 100), 1);
  EXPECT_TRUE(thick.count({48, 39}) && thick.count({48, 41}));
  EXPECT_FALSE(thick.count({48, 42}));
}

TEST(Marks, NearTheEdgePlainMarksAreLeftOutAndHighlightsClipped) {
  for (int c : {0, 1, 2, 98, 99})
    EXPECT_TRUE(markPixels(c, 50, 1, 9, false, 100, 100).empty()) << c;
  EXPECT_FALSE(markPixels(3, 3, 1, 9, false, 100, 100).empty());
  EXPECT_FALSE(markPixels(97, 97, 1, 9, false, 100, 100).empty());
  // A plain mark at (3, 3) reaches row and column 0 but never draws there.
  for (const auto& p : markPixels(3, 3, 1, 9, false, 100, 100)) {
    EXPECT_GT(p.x, 0);
    EXPECT_GT(p.y, 0);
  }
  const auto edge = markPixels(1, 1, 1, 9, true, 100, 100);
  EXPECT_FALSE(edge.empty());
  for (const auto& p : edge) {
    EXPECT_GT(p.x, 0);
    EXPECT_GT(p.y, 0);
  }
}

TEST(Marks, HighlightHasAnOpenCentreAndADarkRim) {
  const auto m = markPixels(50, 50, 1, 9, true, 200, 200);
  const auto rim = pixelsOfPass(m, 0), own = pixelsOfPass(m, 1);
  // The centre square of half-size 4 stays open in both passes.
  for (int x = 46; x <= 54; ++x)
    for (int y = 46; y <= 54; ++y) EXPECT_FALSE(rim.count({x, y}) || own.count({x, y})) << x << "," << y;
  // The coloured pass reaches 18 to the left and 17 to the right, the rim
  // one further; the rim stands one row outside the coloured rows.
  EXPECT_TRUE(own.count({32, 50}) && own.count({67, 50}));
  EXPECT_FALSE(own.count({31, 50}) || own.count({68, 50}));
  EXPECT_TRUE(rim.count({30, 50}) && rim.count({69, 50}));
  // Rows 49 and 50 carry the colour, rows 48 and 51 only the rim.
  EXPECT_TRUE(own.count({60, 49}) && own.count({60, 50}));
  EXPECT_TRUE(rim.count({60, 48}) && rim.count({60, 51}) && !own.count({60, 48}) && !own.count({60, 51}));
  EXPECT_FALSE(rim.count({60, 47}) || rim.count({60, 52}));
  // The vertical arm: columns 50 and 51 coloured, 49 and 52 rim.
  EXPECT_TRUE(own.count({50, 60}) && own.count({51, 60}) && !own.count({49, 60}));
  EXPECT_TRUE(rim.count({49, 60}) && rim.count({52, 60}));
}

TEST(Line, UnitStepsWithoutTheEndPoint) {
  EXPECT_TRUE(linePixels(5, 5, 5, 5).empty());
  const auto h = linePixels(2, 3, 6, 3);
  ASSERT_EQ(h.size(), 4u);
  EXPECT_EQ(h.front(), std::make_pair(2, 3));
  EXPECT_EQ(h.back(), std::make_pair(5, 3));
  const auto d = linePixels(0, 0, 3, 4);  // length 5
  ASSERT_EQ(d.size(), 5u);
  EXPECT_EQ(d[1], std::make_pair(0, 0));  // (0.6, 0.8) truncated
  EXPECT_EQ(d[4], std::make_pair(2, 3));
}

TEST(Rotation, FineRotationTurnsAboutThePivotAndFillsTheRest) {
  const int W = 21, H = 21;
  std::vector<FX::FXColor> src(W * H, argb(0xFFFFFFFF)), dst(W * H);
  const FX::FXColor red = argb(0xFFFF0000), fill = argb(0xFF00FF00);
  src[15 + W * 10] = red;  // 5 right of the pivot (10, 10)
  rotateFine(src.data(), dst.data(), W, H, 10, 10, 90000, fill);
  // A positive angle turns clockwise on screen: right of the pivot goes below it.
  EXPECT_EQ(dst[10 + W * 15], red);
  EXPECT_EQ(dst[10 + W * 10], argb(0xFFFFFFFF));
  // The corners of the square come back into the square; no angle leaves
  // the pivot, and a zero angle is the identity.
  rotateFine(src.data(), dst.data(), W, H, 10, 10, 0, fill);
  EXPECT_TRUE(std::equal(src.begin(), src.end(), dst.begin()));
  // At 45 degrees the corners of the picture leave it: some destinations
  // keep the fill.
  rotateFine(src.data(), dst.data(), W, H, 10, 10, 45000, fill);
  EXPECT_EQ(dst[0], fill);
}

TEST(Rotation, QuarterAndHalfTurns) {
  // A 3 x 2 picture: values are their index.
  const int w = 3, h = 2;
  const FX::FXColor src[6] = {0, 1, 2, 3, 4, 5};
  FX::FXColor cw[6], ccw[6], back[6];
  quarterTurn(src, cw, w, h, true);
  // Clockwise: the new picture is 2 wide and 3 high; the old bottom-left
  // (3) is the new top-left, the old top-left (0) the new top-right.
  const FX::FXColor expectCw[6] = {3, 0, 4, 1, 5, 2};
  EXPECT_TRUE(std::equal(cw, cw + 6, expectCw));
  quarterTurn(src, ccw, w, h, false);
  const FX::FXColor expectCcw[6] = {2, 5, 1, 4, 0, 3};
  EXPECT_TRUE(std::equal(ccw, ccw + 6, expectCcw));
  quarterTurn(cw, back, h, w, false);
  EXPECT_TRUE(std::equal(back, back + 6, src));
  halfTurn(src, back, 6);
  const FX::FXColor expectHalf[6] = {5, 4, 3, 2, 1, 0};
  EXPECT_TRUE(std::equal(back, back + 6, expectHalf));
}

TEST(Rotation, QuarterAndHalfTurnsOfLargerPicturesOnAnyNumberOfThreads) {
  // Sizes that are no multiples of the tiles, large enough for several
  // threads, and a single row and column; every pixel is different.
  const int sizes[][2] = {{301, 203}, {203, 301}, {64, 33}, {257, 1}, {1, 190}};
  for (const auto& size : sizes) {
    const int w = size[0], h = size[1];
    std::vector<FX::FXColor> src((size_t)w * h);
    for (size_t k = 0; k < src.size(); ++k) src[k] = (FX::FXColor)(k * 2654435761u + 7);
    // Where each pixel (x, y) goes: clockwise to (h - 1 - y, x), counter-
    // clockwise to (y, w - 1 - x) of the h-wide picture, and by a half turn
    // to (w - 1 - x, h - 1 - y).
    std::vector<FX::FXColor> cw(src.size()), ccw(src.size()), half(src.size());
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        const FX::FXColor c = src[x + (size_t)w * y];
        cw[(h - 1 - y) + (size_t)h * x] = c;
        ccw[y + (size_t)h * (w - 1 - x)] = c;
        half[(w - 1 - x) + (size_t)w * (h - 1 - y)] = c;
      }
    for (int threads : {0, 1, 2, 3, 8}) {
      std::vector<FX::FXColor> out(src.size(), 0);
      quarterTurn(src.data(), out.data(), w, h, true, threads);
      EXPECT_TRUE(out == cw) << w << "x" << h << " clockwise, " << threads << " threads";
      quarterTurn(src.data(), out.data(), w, h, false, threads);
      EXPECT_TRUE(out == ccw) << w << "x" << h << " counter-clockwise, " << threads << " threads";
      halfTurn(src.data(), out.data(), w * h, threads);
      EXPECT_TRUE(out == half) << w << "x" << h << " half, " << threads << " threads";
      std::fill(out.begin(), out.end(), 0);
      copyPixels(src.data(), out.data(), src.size(), threads);
      EXPECT_TRUE(out == src) << w << "x" << h << " copy, " << threads << " threads";
      std::vector<FX::FXColor> other(src.size(), 0);
      std::fill(out.begin(), out.end(), 0);
      copyPixelsTwice(src.data(), out.data(), other.data(), w, h, threads);
      EXPECT_TRUE(out == src && other == src) << w << "x" << h << " copy twice, " << threads << " threads";
    }
  }
}

TEST(CrossHair, TheAreasATraceChangedClippedToThePicture) {
  const int W = 100, H = 80;
  auto area = [](int x, int y, int w, int h) {
    Area a;
    a.x = x;
    a.y = y;
    a.w = w;
    a.h = h;
    return a;
  };
  // A reference mark's area is that of its pixels: 15 x 15 about its centre.
  const Area mark = pixelsArea(markPixels(50, 40, 3, 15, false, W, H));
  EXPECT_EQ(std::vector<int>({mark.x, mark.y, mark.w, mark.h}), std::vector<int>({43, 33, 15, 15}));
  const Area none = pixelsArea(markPixels(1, 40, 3, 15, false, W, H));  // too near the edge: not drawn
  EXPECT_EQ(none.w * none.h, 0);

  const struct {
    int x, y;
    std::vector<Area> marks;
    std::vector<std::vector<int>> expected;
  } cases[] = {
      {30, 20, {}, {{30, 0, 1, H}, {0, 20, W, 1}}},
      {0, 20, {}, {}},  // no cross-hair without both positions
      {30, -1, {mark}, {{43, 33, 15, 15}}},
      {99, 79, {area(90, 70, 20, 20), area(-5, -5, 10, 10), none}, {{99, 0, 1, H}, {0, 79, W, 1}, {90, 70, 10, 10}, {0, 0, 5, 5}}},
      {120, 20, {area(100, 0, 5, 5)}, {{0, 20, W, 1}}},  // a column right of the picture
  };
  for (const auto& c : cases) {
    CrossHairTrace t;
    t.x = c.x;
    t.y = c.y;
    t.marks = c.marks;
    std::vector<std::vector<int>> got;
    for (const Area& a : traceAreas(t, W, H)) got.push_back({a.x, a.y, a.w, a.h});
    EXPECT_EQ(got, c.expected) << c.x << "," << c.y;
  }
}

TEST(Rotation, LabelAndKeptAngle) {
  EXPECT_STREQ(rotationLabelText(0, 4 * 25).text(), "rotation = 0.100 deg.");
  int r = 0;
  const char* expected[] = {"rotation = 90.000 deg.", "rotation = 180.000 deg.", "rotation = 270.000 deg.",
                            "rotation = 0.000 deg.", "rotation = 90.000 deg."};
  for (const char* e : expected) {
    r = wrapCoarseRotation(r + 90);
    EXPECT_STREQ(rotationLabelText(r, 0).text(), e);
  }
  EXPECT_EQ(wrapCoarseRotation(-360), 0);
  EXPECT_EQ(rotationLabelText(-90, -25), "rotation = -90.025 deg.");
  EXPECT_EQ(keptFineAngle(125), 0);
  EXPECT_EQ(keptFineAngle(-180000), -180000);
  EXPECT_EQ(keptFineAngle(0), 0);
}

TEST(HalfSize, MeansOfTheNeighboursInsideThePicture) {
  // 5 x 3 gives 2 x 1; pixel (0, 0) averages (0, 0), (0, 1) and (1, 0).
  std::vector<FX::FXColor> src(15, FXRGB(0, 0, 0));
  src[0] = FXRGB(30, 0, 0);
  src[0 + 5 * 1] = FXRGB(0, 30, 0);
  src[1] = FXRGB(0, 0, 31);
  src[2 + 5 * 1] = FXRGB(200, 200, 200);  // (2, 1): a neighbour of (1, 0)'s centre (2, 0)
  const auto half = halfSizePixels(src.data(), 5, 3);
  ASSERT_EQ(half.size(), 2u);
  EXPECT_EQ(half[0], FXRGBA(10, 10, 10, 255));  // 31 / 3 = 10
  // (1, 0) averages (2, 0), (2, 1), (3, 0), (1, 0): (2, -1) is outside.
  EXPECT_EQ(half[1], FXRGBA(50, 50, 57, 255));
  EXPECT_TRUE(halfSizePixels(src.data(), 1, 3).empty());
}

TEST(Rotation, FineRotationLeavesNoHolesInsideThePicture) {
  // Carrying pixels forward alone leaves some destinations unreached
  // (speckles of the fill colour); inside the picture every destination
  // takes the source pixel it came from.
  const int W = 60, H = 60;
  std::vector<FX::FXColor> src(W * H, argb(0xFFFFFFFF)), dst(W * H);
  const FX::FXColor fill = argb(0xFF00FF00);
  for (int angle : {2000, 25, -7300, 45000}) {
    rotateFine(src.data(), dst.data(), W, H, 30, 30, angle, fill);
    int holes = 0;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x)
        if ((x - 30) * (x - 30) + (y - 30) * (y - 30) < 25 * 25 && dst[x + W * y] == fill) ++holes;
    EXPECT_EQ(holes, 0) << angle;
  }
}

namespace {
// The fine rotation computed the plain way, pixel by pixel: each
// destination takes the source pixel nearest (halves up) to where it turns
// back to about the pivot, or fill when that lies outside the picture.
std::vector<FX::FXColor> turnedBackPlainly(const std::vector<FX::FXColor>& src, int W, int H, int cx, int cy,
                                           int angle, FX::FXColor fill) {
  const double theta = angle / 1000.0 * M_PI / 180.0, c = std::cos(theta), s = std::sin(theta);
  std::vector<FX::FXColor> out((size_t)W * H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const double dx = (double)x - cx, dy = (double)y - cy;
      const long j = (long)std::floor(cx + dx * c + dy * s + 0.5);
      const long i = (long)std::floor(cy - dx * s + dy * c + 0.5);
      out[x + (size_t)W * y] = j >= 0 && j < W && i >= 0 && i < H ? src[j + (size_t)W * i] : fill;
    }
  return out;
}

// A picture whose pixels are all different (their index), so that any
// destination that takes another source pixel shows.
std::vector<FX::FXColor> numbered(int W, int H) {
  std::vector<FX::FXColor> px((size_t)W * H);
  for (size_t k = 0; k < px.size(); ++k) px[k] = (FX::FXColor)(k + 1);
  return px;
}

// Number of destination pixels of rotateFine that differ from the plain
// per-pixel rule.
int differences(int W, int H, int cx, int cy, int angle, int threads) {
  const std::vector<FX::FXColor> src = numbered(W, H);
  std::vector<FX::FXColor> dst((size_t)W * H, 0xDEADBEEF);
  rotateFine(src.data(), dst.data(), W, H, cx, cy, angle, 0, threads);
  const std::vector<FX::FXColor> expected = turnedBackPlainly(src, W, H, cx, cy, angle, 0);
  int n = 0;
  for (size_t k = 0; k < dst.size(); ++k) n += dst[k] != expected[k];
  return n;
}
}  // namespace

TEST(Rotation, FineRotationEqualsThePlainPerPixelRule) {
  // Angles of both signs, small and large, with ties (30 degrees: a sine of
  // one half puts positions on rounding boundaries), and the quarter and
  // half turns.
  const int angles[] = {25, -25, 100, -100, 2000, -2000, -7300, 30000, -30000, 45000, -60000,
                        90000, -90000, 180000, 123456, -359975, 0};
  const struct {
    int W, H;
  } sizes[] = {{37, 23}, {64, 64}, {1, 1}, {3, 41}, {53, 2}};
  for (const auto& size : sizes) {
    const int W = size.W, H = size.H;
    // The centre, the corners, next to the edges, outside the picture, and
    // far outside (beyond the range of the stepping).
    const int centres[][2] = {{W / 2, H / 2}, {0, 0},     {W - 1, H - 1}, {0, H - 1},         {W - 1, 0},
                              {1, H - 2},     {W - 2, 1}, {-3, H / 3},    {W + 2, -4}, {50000000, H / 2}};
    for (const auto& centre : centres)
      for (int angle : angles)
        for (int threads : {1, 3})
          EXPECT_EQ(differences(W, H, centre[0], centre[1], angle, threads), 0)
              << W << "x" << H << " about (" << centre[0] << ", " << centre[1] << ") by " << angle << " with "
              << threads << " threads";
  }
}

TEST(Rotation, FineRotationEqualsThePlainRuleForManyAnglesAndAnyThreadCount) {
  // Long rows step far from their start; random angles and pivots.
  unsigned state = 7u;
  auto next = [&state](int n) {
    state = state * 1664525u + 1013904223u;
    return (int)((state >> 8) % (unsigned)n);
  };
  const int W = 601, H = 150;
  for (int k = 0; k < 40; ++k) {
    const int angle = next(720001) - 360000, cx = next(W + 20) - 10, cy = next(H + 20) - 10;
    EXPECT_EQ(differences(W, H, cx, cy, angle, 1), 0) << angle << " about (" << cx << ", " << cy << ")";
  }
  // The same picture for any number of threads, more threads than rows
  // included.
  const std::vector<FX::FXColor> src = numbered(W, H);
  std::vector<FX::FXColor> one((size_t)W * H), many((size_t)W * H);
  rotateFine(src.data(), one.data(), W, H, 17, 140, -2075, 0, 1);
  for (int threads : {0, 2, 5, 8, 200}) {
    std::fill(many.begin(), many.end(), 0xDEADBEEF);
    rotateFine(src.data(), many.data(), W, H, 17, 140, -2075, 0, threads);
    EXPECT_TRUE(one == many) << threads << " threads";
  }
}

TEST(Rotation, CornersTakeTheBackgroundUnlessTheSearchWouldTakeItForTheCurve) {
  const int W = 30, H = 20;
  const FX::FXColor grey = FXRGB(200, 200, 200), black = FXRGB(0, 0, 0), white = FXRGB(255, 255, 255);
  std::vector<FX::FXColor> px((size_t)W * H, FXRGB(0, 255, 0));  // the inside is all curve-green
  for (int x = 0; x < W; ++x) px[x] = px[x + (size_t)W * (H - 1)] = grey;
  for (int y = 0; y < H; ++y) px[(size_t)W * y] = px[W - 1 + (size_t)W * y] = FXRGBA(200, 200, 200, 0);
  for (int x = 3; x < 12; ++x) px[x] = black;  // a frame line along part of the top
  const int green[3] = {0, 255, 0}, lightGrey[3] = {170, 170, 170}, nearWhite[3] = {240, 240, 240};
  // The most common border colour, opaque (some decoders leave alpha 0).
  EXPECT_EQ(cornerFillColor(px.data(), W, H, green, 50), grey);
  // Never a colour the search would match.
  EXPECT_EQ(cornerFillColor(px.data(), W, H, lightGrey, 50), white);
  EXPECT_EQ(cornerFillColor(px.data(), W, H, lightGrey, 25), grey);
  px.assign(px.size(), white);
  EXPECT_EQ(cornerFillColor(px.data(), W, H, green, 50), white);
  EXPECT_EQ(cornerFillColor(px.data(), W, H, nearWhite, 50), black);
  // No pixels: white.
  EXPECT_EQ(cornerFillColor(nullptr, 0, 0, green, 50), white);
  EXPECT_EQ(cornerFillColor(px.data(), 1, 1, green, 50), white);
}
