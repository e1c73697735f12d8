#include "ImageRules.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <cstdlib>

using namespace FX;

namespace ImageRules {

namespace {
void add(std::vector<MarkPixel>* out, int x, int y, int pass, int w, int h) {
  if (x > 0 && x < w && y > 0 && y < h) out->push_back({x, y, pass});
}
}  // namespace

std::vector<MarkPixel> markPixels(int px, int py, int t, int L, bool highlight, int w, int h) {
  std::vector<MarkPixel> out;
  const int t1 = t | 1;
  int L1 = L | 1;
  if (L1 < 5) L1 = 5;
  if (!highlight) {
    if (!(2 < px && px < w - 2 && 2 < py && py < h - 2)) return out;
    const int half = (L1 - 1) / 2;
    const int first = t / 2;
    for (int r = py - first; r <= py - first + t1 - 1; ++r)
      for (int c = px - half; c <= px + half; ++c) add(&out, c, r, 1, w, h);
    for (int c = px - first; c <= px - first + t1 - 1; ++c)
      for (int r = py - half; r <= py + half; ++r) add(&out, c, r, 1, w, h);
    return out;
  }
  const int open = L1 / 2;
  for (int pass = 0; pass < 2; ++pass) {
    const int T = pass == 0 ? 2 * t1 + 2 : 2 * t1;
    const int E = pass == 0 ? 2 * L1 + 2 : 2 * L1;
    for (int r = py - T / 2; r <= py + T / 2 - 1; ++r)
      for (int i = -E; i <= E - 1; ++i)
        if (std::abs(i) > open) add(&out, px + i, r, pass, w, h);
    for (int c = px - T / 2 + 1; c <= px + T / 2; ++c)
      for (int i = -E; i <= E - 1; ++i)
        if (std::abs(i) > open) add(&out, c, py + i, pass, w, h);
  }
  return out;
}

std::vector<std::pair<int, int>> linePixels(int x1, int y1, int x2, int y2) {
  std::vector<std::pair<int, int>> out;
  const double dx = x1 - x2, dy = y1 - y2;
  const double d = std::sqrt(dx * dx + dy * dy);
  if (d <= 0) return out;
  const double ux = (x2 - x1) / d, uy = (y2 - y1) / d;
  const int n = (int)std::floor(d);
  for (int i = 0; i < n; ++i) out.push_back({(int)(x1 + i * ux), (int)(y1 + i * uy)});
  return out;
}

void rotateFine(const FXColor* src, FXColor* dst, int W, int H, int cx, int cy, int angle, FXColor fill) {
  const long n = (long)W * H;
  for (long k = 0; k < n; ++k) dst[k] = fill;
  std::vector<bool> reached((size_t)(n > 0 ? n : 0), false);
  const double theta = angle / 1000.0 * M_PI / 180.0;
  for (int i = 0; i < H; ++i) {
    for (int j = 0; j < W; ++j) {
      const long dx = j - cx, dy = i - cy;
      const double r = std::sqrt((double)(dx * dx + dy * dy));
      const double phi = std::atan2((double)dy, (double)dx);
      const double fx = cx + r * std::cos(phi + theta) + 0.5;
      const double fy = cy + r * std::sin(phi + theta) + 0.5;
      // Truncation toward zero, as the destination is rounded from +0.5;
      // values beyond the picture are left out before the conversion.
      if (fx <= -1 || fy <= -1 || fx >= W || fy >= H) continue;
      const int nx = (int)fx, ny = (int)fy;
      dst[nx + (long)W * ny] = src[j + (long)W * i];
      reached[nx + (size_t)W * ny] = true;
    }
  }
  // Carrying pixels forward leaves some destinations unreached, which would
  // show as speckles of the fill colour all over the picture (and could be
  // taken for curve pixels). Those take the source pixel they turn back to;
  // only what turns back from outside the picture keeps the fill.
  const double c = std::cos(theta), s = std::sin(theta);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      if (reached[x + (size_t)W * y]) continue;
      const double dx = x - cx, dy = y - cy;
      const double sx = cx + dx * c + dy * s + 0.5, sy = cy - dx * s + dy * c + 0.5;
      if (sx <= -1 || sy <= -1 || sx >= W || sy >= H) continue;
      const int j = (int)sx, i = (int)sy;
      if (j < 0 || i < 0) continue;
      dst[x + (long)W * y] = src[j + (long)W * i];
    }
}

void quarterTurn(const FXColor* src, FXColor* dst, int w, int h, bool clockwise) {
  const long n = (long)w * h;
  // Reading the buffer backwards first turns the counter-clockwise quarter
  // turn below into a clockwise one.
  for (int i = 0; i < h; ++i)
    for (int k = 0; k < w; ++k) {
      const long from = k + (long)w * i;
      dst[(long)(w - k - 1) * h + i] = clockwise ? src[n - 1 - from] : src[from];
    }
}

void halfTurn(const FXColor* src, FXColor* dst, int n) {
  for (int k = 0; k < n; ++k) dst[k] = src[n - 1 - k];
}

int wrapCoarseRotation(int rotation90) {
  if (rotation90 > 358) rotation90 -= 360;
  if (rotation90 < -358) rotation90 += 360;
  return rotation90;
}

FXString rotationLabelText(int rotation90, int rotationAngle) {
  return FXStringFormat("rotation = %.*lf deg.", 3, (rotation90 * 1000.0 + rotationAngle) / 1000.0);
}

int keptFineAngle(int rotationAngle) { return std::abs(rotationAngle) % 90000 == 0 ? rotationAngle : 0; }

std::vector<FXColor> halfSizePixels(const FXColor* src, int w, int h) {
  const int hw = w / 2, hh = h / 2;
  std::vector<FXColor> out((size_t)(hw > 0 ? hw : 0) * (hh > 0 ? hh : 0));
  static const int offsets[5][2] = {{0, 0}, {0, 1}, {0, -1}, {1, 0}, {-1, 0}};
  for (int y = 0; y < hh; ++y)
    for (int x = 0; x < hw; ++x) {
      int r = 0, g = 0, b = 0, n = 0;
      for (const auto& o : offsets) {
        const int sx = 2 * x + o[0], sy = 2 * y + o[1];
        if (sx < 0 || sy < 0 || sx >= w || sy >= h) continue;
        const FXColor c = src[sx + (long)w * sy];
        r += FXREDVAL(c);
        g += FXGREENVAL(c);
        b += FXBLUEVAL(c);
        ++n;
      }
      out[x + (size_t)hw * y] = FXRGBA(r / n, g / n, b / n, 255);
    }
  return out;
}

}  // namespace ImageRules
