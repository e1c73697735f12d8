#include "AutoFindRules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

using namespace FX;

namespace AutoFindRules {

bool Picture::contains(int x, int y) const {
  const int px = x - offsetX, py = y - offsetY;
  return pixels && px >= 0 && py >= 0 && px < width && py < height;
}

FXColor Picture::at(int x, int y) const {
  return pixels[static_cast<long>(y - offsetY) * width + (x - offsetX)];
}

bool colorsMatch(FXColor c, const int rgb[3], int tolerance) {
  return std::abs(int(FXREDVAL(c)) - rgb[0]) < tolerance && std::abs(int(FXGREENVAL(c)) - rgb[1]) < tolerance &&
         std::abs(int(FXBLUEVAL(c)) - rgb[2]) < tolerance;
}

bool isVertical(int direction) { return direction == UP || direction == DOWN; }

int scanStep(int direction) { return direction == UP || direction == LEFT ? -1 : 1; }

void defineLowHigh(int direction, int m, int L, int* lo, int* hi) {
  const int d = direction == DOWN || direction == RIGHT ? -L : L;
  *lo = m + d;
  *hi = m - d;
}

namespace {
enum class Look { Outside, Match, NoMatch };
}

bool midPixel(const Picture& picture, const CurveColor& color, const Search& search, int a, int b, int* px, int* py,
              double* yd) {
  const bool vertical = isVertical(search.direction);
  const int s = scanStep(search.direction);
  const int L = search.length;
  const int line = vertical ? *px : *py;  // the column or row scanned
  int& moving = vertical ? *py : *px;
  auto look = [&](int p) {
    const int x = vertical ? line : p, y = vertical ? p : line;
    if (!picture.contains(x, y)) return Look::Outside;
    return colorsMatch(picture.at(x, y), color.rgb, color.tolerance) ? Look::Match : Look::NoMatch;
  };
  if (L < 1) {
    moving = -1;
    return false;
  }

  // 1. The start h of the run. The position only moves towards b (after the
  // one step back), so the loop ends at b or at the picture's edge.
  int p = a;
  bool first = true;
  bool started = false;
  int h = 0;
  while ((b - p) * s > 0) {
    const Look l = look(p);
    if (l == Look::Outside) break;
    if (l == Look::Match) {
      if (!first) {
        h = p;
        started = true;
        break;
      }
      // Started on the curve: go back to find the near edge of the line.
      p -= s * (L / 2);
    }
    first = false;
    p += s;
  }
  if (!started) {
    moving = -1;
    return false;
  }

  // 2. Follow the run; at most L positions.
  int q = h;
  for (int count = 0;; ++count, q += s) {
    if (count >= L) {
      moving = q;  // h + s * L: too long for a curve
      return false;
    }
    const Look l = look(q);
    if (l == Look::Outside) {
      moving = q;
      return false;
    }
    if (l == Look::NoMatch) break;
  }
  const int f = search.direction == LEFT ? q - 2 * s : q - s;

  // 3. The result.
  if (!vertical) {
    *px = (h + f) / 2;
    return true;
  }
  const bool upperThird = (search.location == TRIANGLE && search.direction == UP) ||
                          (search.location == INVERTED_TRIANGLE && search.direction == DOWN);
  const bool lowerThird = (search.location == TRIANGLE && search.direction == DOWN) ||
                          (search.location == INVERTED_TRIANGLE && search.direction == UP);
  if (upperThird)
    *yd = f + 2.0 * (h - f) / 3.0;
  else if (lowerThird)
    *yd = f + (h - f) / 3.0;
  else
    *yd = (h + f) / 2.0;
  *py = static_cast<int>(*yd);
  return true;
}

std::vector<Point> traceCurve(const Picture& picture, const CurveColor& color, const Search& search, Point p1,
                              Point p2, int numPoints) {
  std::vector<Point> points;
  if (!picture.pixels || search.length < 1) return points;
  if (numPoints < 1) numPoints = 1;
  const bool vertical = isVertical(search.direction);
  const int L = search.length;
  double step = vertical ? double(p2.x - p1.x) / numPoints : std::abs(p2.y - p1.y) / double(numPoints);
  if (step < 1.0) step = 1.0;
  const int travel = p1.y < p2.y ? 1 : -1;
  const int yLow = L + picture.offsetY, yHigh = picture.height + picture.offsetY - L;
  // No point can be found right of the picture, so a column walk ends there.
  const int xEnd = vertical ? std::min(p2.x, picture.offsetX + picture.width - 1) : p2.x;

  int x = p1.x, y = p1.y;
  int m = vertical ? p1.y : p1.x;  // the last recorded coordinate
  int found = 0;
  // Every pass moves x right (column walks) or y by one row towards an edge
  // of the row window (row walks), so the walk ends.
  for (long i = 0; x <= xEnd && y > yLow && y < yHigh; ++i) {
    int lo = 0, hi = 0;
    defineLowHigh(search.direction, m, L, &lo, &hi);
    const bool due = i == 0 || i >= found * step;
    double yd = y;
    if (midPixel(picture, color, search, lo, hi, &x, &y, &yd)) {
      if (due) {
        m = vertical ? y : x;
        ++found;
        points.push_back(Point{x, y, yd});  // a row scan leaves yd at y
      }
    } else if (vertical) {
      // Nothing within L of the last point: keep its row and skip a column.
      y = m;
      x += 1;
    } else {
      // x is where the failed scan stopped (-1 when no run started).
      x += 1;
    }
    if (vertical)
      x += 1;
    else
      y += travel;
  }
  return points;
}

namespace {
// colorsMatch as three tables, one per channel, for scans over many pixels.
struct MatchTable {
  unsigned char ok[3][256];
  explicit MatchTable(const CurveColor& color) {
    for (int ch = 0; ch < 3; ++ch)
      for (int v = 0; v < 256; ++v) ok[ch][v] = std::abs(v - color.rgb[ch]) < color.tolerance;
  }
  bool operator()(FXColor c) const { return ok[0][FXREDVAL(c)] & ok[1][FXGREENVAL(c)] & ok[2][FXBLUEVAL(c)]; }
};

// Where the scan Up of each column x (1 .. width - 2) from the bottom row
// towards row 1 finds the start of a run: the first matching row from
// row height - 2 upwards when the bottom row does not match, the bottom
// row when it does (that scan steps back first), -1 when rows height - 1
// .. 2 hold no match. The picture is read row by row from the bottom, in
// the order it lies in memory, looking only at the columns still searching
// (64 to a bit mask).
std::vector<int> columnRunStarts(const Picture& picture, const MatchTable& matches) {
  const int W = picture.width, H = picture.height;
  std::vector<int> start(W > 0 ? W : 0, -1);
  if (W < 3) return start;
  const int groups = (W - 2 + 63) / 64;
  std::vector<uint64_t> searching(groups, ~0ull);
  if ((W - 2) % 64) searching[groups - 1] = (1ull << ((W - 2) % 64)) - 1;
  int groupsSearching = groups;
  for (int y = H - 1; y >= 2 && groupsSearching > 0; --y) {
    const FXColor* row = picture.pixels + (size_t)W * y + 1;
    for (int g = 0; g < groups; ++g) {
      uint64_t& open = searching[g];
      if (!open) continue;
      const FXColor* px = row + 64 * g;
      uint64_t found = 0;
      if (__builtin_popcountll(open) > 8) {
        const int n = std::min(64, W - 2 - 64 * g);
        for (int k = 0; k < n; ++k) found |= (uint64_t)matches(px[k]) << k;
        found &= open;
      } else {
        for (uint64_t left = open; left; left &= left - 1) {
          const int k = __builtin_ctzll(left);
          if (matches(px[k])) found |= 1ull << k;
        }
      }
      if (!found) continue;
      open &= ~found;
      if (!open) --groupsSearching;
      for (; found; found &= found - 1) start[1 + 64 * g + __builtin_ctzll(found)] = y;
    }
  }
  return start;
}

// Where the scan Right of row y from column 1 towards column width - 2
// finds the start of a run, as columnRunStarts for a column.
int rowRunStart(const Picture& picture, const MatchTable& matches, int y) {
  const FXColor* row = picture.pixels + (size_t)picture.width * y;
  for (int x = 1; x <= picture.width - 2; ++x)
    if (matches(row[x])) return x;
  return -1;
}
}  // namespace

// The scans of the whole picture find the start of each run in a fast pass
// over the pixels, then hand the scanner a start just before it: the
// scanner then finds that same run, from where the full scan would have.
std::vector<Point> traceWholePicture(const Picture& picture, const CurveColor& color, int direction, int length) {
  std::vector<Point> points;
  if (!picture.pixels) return points;
  Search search;
  search.length = length;
  search.location = MIDDLE;
  const int left = picture.offsetX, top = picture.offsetY;
  const int W = picture.width, H = picture.height;
  const MatchTable matches(color);
  double yd = 0;
  if (isVertical(direction)) {
    search.direction = UP;
    const std::vector<int> starts = columnRunStarts(picture, matches);
    for (int x = left + 1; x <= left + W - 2; ++x) {
      const int h = starts[x - left];
      if (h < 0) continue;
      const int a = h == H - 1 ? top + H - 1 : top + h + 1;
      int px = x, py = 0;
      if (midPixel(picture, color, search, a, top + 1, &px, &py, &yd)) points.push_back(Point{px, py, yd});
    }
  } else {
    search.direction = RIGHT;
    for (int y = top + 1; y <= top + H - 2; ++y) {
      const int h = rowRunStart(picture, matches, y - top);
      if (h < 0) continue;
      const int a = h == 1 ? left + 1 : left + h - 1;
      int px = 0, py = y;
      if (midPixel(picture, color, search, a, left + W - 1, &px, &py, &yd))
        points.push_back(Point{px, py, double(py)});
    }
  }
  return points;
}

}  // namespace AutoFindRules
