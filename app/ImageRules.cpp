#include "ImageRules.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cstdlib>
#include <system_error>
#include <thread>

#include "AutoFindRules.h"

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

Area pixelsArea(const std::vector<MarkPixel>& pixels) {
  if (pixels.empty()) return Area();
  int x0 = pixels[0].x, x1 = x0, y0 = pixels[0].y, y1 = y0;
  for (const MarkPixel& p : pixels) {
    x0 = std::min(x0, p.x);
    x1 = std::max(x1, p.x);
    y0 = std::min(y0, p.y);
    y1 = std::max(y1, p.y);
  }
  Area a;
  a.x = x0;
  a.y = y0;
  a.w = x1 - x0 + 1;
  a.h = y1 - y0 + 1;
  return a;
}

std::vector<Area> traceAreas(const CrossHairTrace& trace, int w, int h) {
  std::vector<Area> areas;
  auto add = [&](Area a) {
    const int x1 = std::min(w, a.x + a.w), y1 = std::min(h, a.y + a.h);
    a.x = std::max(0, a.x);
    a.y = std::max(0, a.y);
    a.w = x1 - a.x;
    a.h = y1 - a.y;
    if (a.w > 0 && a.h > 0) areas.push_back(a);
  };
  if (trace.x > 0 && trace.y > 0) {
    Area column, row;
    column.x = trace.x;
    column.w = 1;
    column.h = h;
    row.y = trace.y;
    row.w = w;
    row.h = 1;
    add(column);
    add(row);
  }
  for (const Area& a : trace.marks) add(a);
  return areas;
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

void forEachRowBand(int rows, int threads, int minRows, const std::function<void(int, int)>& work) {
  if (rows <= 0) return;
  if (threads <= 0) threads = (int)std::min(8u, std::max(1u, std::thread::hardware_concurrency()));
  if (minRows < 1) minRows = 1;
  threads = std::max(1, std::min(threads, rows / minRows));
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) {
    const int first = (int)((long)rows * t / threads), last = (int)((long)rows * (t + 1) / threads);
    try {
      helpers.emplace_back(work, first, last);
    } catch (const std::system_error&) {
      work(first, last);  // no thread to spare: this one does the band
    }
  }
  work(0, (int)((long)rows / threads));
  for (std::thread& h : helpers) h.join();
}

namespace {
// The destination-to-source map of a fine rotation.
struct TurnBack {
  double c = 1, s = 0;
  int cx = 0, cy = 0;
  TurnBack(int angle, int cx_, int cy_) : cx(cx_), cy(cy_) {
    const double theta = angle / 1000.0 * M_PI / 180.0;
    c = std::cos(theta);
    s = std::sin(theta);
  }
  // The source pixel of destination (x, y), computed the plain way.
  void source(int x, int y, long* j, long* i) const {
    const double dx = (double)x - cx, dy = (double)y - cy;
    *j = (long)std::floor(cx + dx * c + dy * s + 0.5);
    *i = (long)std::floor(cy - dx * s + dy * c + 0.5);
  }
};

const double FIXED_ONE = 4294967296.0;  // positions carry 32 binary places

// The rows of a fine rotation, stepped along each row in 64-bit fixed
// point (32 binary places): the source column and row, plus one half, move
// by (c, -s) a pixel, two additions. A stepped position differs from the
// plain computation by less than guard units (half a unit of the rounded
// step per pixel, and the rounding of the doubles); where its fraction
// lies that close to a rounding boundary the pixel is computed the plain
// way, so the result always equals the plain per-pixel rule.
struct RowTurner {
  const FXColor* src;
  int W, H;
  TurnBack t;
  FXColor fill;
  uint32_t guard, window;
  int64_t C, S;
  bool oneRowRuns;  // the source row changes less than every other pixel

  RowTurner(const FXColor* src_, int W_, int H_, const TurnBack& t_, FXColor fill_, uint32_t guard_)
      : src(src_), W(W_), H(H_), t(t_), fill(fill_), guard(guard_), window(2 * guard_),
        C(std::llround(t_.c * FIXED_ONE)), S(std::llround(t_.s * FIXED_ONE)),
        oneRowRuns(S > -0x80000000ll && S < 0x80000000ll) {}

  bool nearBoundary(int64_t p) const { return (uint32_t)((uint32_t)p + guard) < window; }

  // Source pixel (j, i), or fill when it lies outside the picture.
  FXColor at(long j, long i) const {
    return (unsigned long)j < (unsigned long)W && (unsigned long)i < (unsigned long)H ? src[j + (size_t)W * i] : fill;
  }

  // Destination (x, y) whose stepped source position is (u, v), every
  // check made.
  FXColor pixel(int x, int y, int64_t u, int64_t v) const {
    long j = (long)(u >> 32), i = (long)(v >> 32);
    if (nearBoundary(u) || nearBoundary(v)) t.source(x, y, &j, &i);
    return at(j, i);
  }

  bool steppedInside(int64_t u0, int64_t v0, long x) const {
    const int64_t j = (u0 + x * C) >> 32, i = (v0 - x * S) >> 32;
    return j >= 0 && j < W && i >= 0 && i < H;
  }

  // The columns [*lo, *hi) of a row whose stepped source lies inside the
  // picture; the positions move linearly, so they form one range. Estimated
  // in doubles, then settled exactly at its ends.
  void insideRange(int64_t u0, int64_t v0, int* lo, int* hi) const {
    double a = 0, b = W;
    auto clip = [&](double p0, double d, double limit) {  // p0 + x d within [0, limit)
      if (d == 0) {
        if (!(p0 >= 0 && p0 < limit)) a = b = 0;
        return;
      }
      const double x0 = -p0 / d, x1 = (limit - p0) / d;
      a = std::max(a, std::min(x0, x1));
      b = std::min(b, std::max(x0, x1));
    };
    clip((double)u0, (double)C, W * FIXED_ONE);
    clip((double)v0, -(double)S, H * FIXED_ONE);
    int l = (int)std::min((double)W, std::max(0.0, std::ceil(a)));
    int h = (int)std::min((double)W, std::max((double)l, std::ceil(b)));
    while (l < h && !steppedInside(u0, v0, l)) ++l;
    while (h > l && !steppedInside(u0, v0, h - 1)) --h;
    if (l == h)  // an empty estimate lies within a pixel or two of the range, if any
      for (int x = std::max(0, l - 2); x < std::min(W, l + 3); ++x)
        if (steppedInside(u0, v0, x)) {
          l = x;
          h = x + 1;
          break;
        }
    if (l == h) return void(*lo = *hi = 0);
    while (l > 0 && steppedInside(u0, v0, l - 1)) --l;
    while (h < W && steppedInside(u0, v0, h)) ++h;
    *lo = l;
    *hi = h;
  }

  // Pixels of a run from position p, moving by step a pixel, whose
  // fraction keeps clear of the rounding boundaries without passing over
  // one: within such a run the stepped position rounds as the plain
  // computation does, and a position whose step is below half a pixel in
  // size keeps its whole part. 0 when p is near a boundary now.
  long clearRun(int64_t p, int64_t step) const {
    if (nearBoundary(p)) return 0;
    const uint64_t f = (uint32_t)p, d = (uint32_t)step;  // the fraction moves by d a pixel, modulo one
    if (d == 0) return LONG_MAX;
    if (d <= 0x80000000u) return (long)((0xFFFFFFFFu - guard - f) / d) + 1;  // upwards, staying below 1 - guard
    return (long)((f - guard) / (0x100000000u - d)) + 1;                      // downwards, staying at guard or above
  }

  // Where row y starts, and its columns whose source lies inside.
  struct RowStart {
    int64_t u0, v0;
    int lo, hi;
  };
  RowStart rowStart(int y) const {
    const double dx = -(double)t.cx, dy = (double)y - t.cy;
    RowStart r;
    r.u0 = std::llround((t.cx + dx * t.c + dy * t.s + 0.5) * FIXED_ONE);
    r.v0 = std::llround((t.cy - dx * t.s + dy * t.c + 0.5) * FIXED_ONE);
    insideRange(r.u0, r.v0, &r.lo, &r.hi);
    return r;
  }

  // Columns x0 .. x1 - 1 of row y into out (the row's first pixel).
  void segment(int y, const RowStart& r, int x0, int x1, FXColor* out) const {
    const int lo = std::min(std::max(r.lo, x0), x1), hi = std::max(std::min(r.hi, x1), lo);
    for (int x = x0; x < lo; ++x) out[x] = pixel(x, y, r.u0 + x * C, r.v0 - x * S);
    int64_t u = r.u0 + lo * C, v = r.v0 - lo * S;
    long uRun = clearRun(u, C), vRun = clearRun(v, -S);
    for (int x = lo; x < hi;) {
      if (uRun == 0 || vRun == 0) {
        out[x] = pixel(x, y, u, v);
        ++x;
        u += C;
        v -= S;
        uRun = clearRun(u, C);
        vRun = clearRun(v, -S);
        continue;
      }
      // Inside the picture, rounding as the plain computation does: two
      // additions a pixel. Below half a pixel a step the source row stays.
      const long n = std::min(std::min(uRun, vRun), (long)(hi - x));
      const int64_t step = C;
      FXColor* o = out + x;
      if (oneRowRuns) {
        const FXColor* line = src + (size_t)W * (v >> 32);
        for (long k = 0; k < n; ++k, u += step) o[k] = line[u >> 32];
        v -= n * S;
      } else {
        for (long k = 0; k < n; ++k, u += step, v -= S) o[k] = src[(size_t)W * (v >> 32) + (u >> 32)];
      }
      x += (int)n;
      uRun -= n;
      vRun -= n;
      if (uRun == 0) uRun = clearRun(u, C);
      if (vRun == 0) vRun = clearRun(v, -S);
    }
    for (int x = hi; x < x1; ++x) out[x] = pixel(x, y, r.u0 + x * C, r.v0 - x * S);
  }

  // Rows y0 .. y1 - 1 computed the plain way, for pictures and pivots too
  // large for the fixed point.
  void plainRows(int y0, int y1, FXColor* dst) const {
    for (int y = y0; y < y1; ++y)
      for (int x = 0; x < W; ++x) {
        long j, i;
        t.source(x, y, &j, &i);
        dst[x + (size_t)W * y] = at(j, i);
      }
  }

  // Rows y0 .. y1 - 1, in tiles whose source pixels stay in the cache.
  void rows(int y0, int y1, FXColor* dst) const {
    const int TILE_ROWS = 32, TILE_COLUMNS = 256;
    std::vector<RowStart> starts(TILE_ROWS);
    for (int ty = y0; ty < y1; ty += TILE_ROWS) {
      const int ny = std::min(TILE_ROWS, y1 - ty);
      for (int k = 0; k < ny; ++k) starts[k] = rowStart(ty + k);
      for (int tx = 0; tx < W; tx += TILE_COLUMNS)
        for (int k = 0; k < ny; ++k)
          segment(ty + k, starts[k], tx, std::min(W, tx + TILE_COLUMNS), dst + (size_t)W * (ty + k));
    }
  }
};

}  // namespace

void rotateFine(const FXColor* src, FXColor* dst, int W, int H, int cx, int cy, int angle, FXColor fill, int threads) {
  if (W <= 0 || H <= 0) return;
  const TurnBack t(angle, cx, cy);
  // Every value the plain computation meets is below M in size; its
  // doubles are then within a few units of M * 2^-52 of the exact values.
  const double M = 2.0 * (std::fabs((double)cx) + std::fabs((double)cy) + W + H) + 2;
  const bool fixedPoint = M < (double)(1 << 26);
  const uint32_t guard = fixedPoint ? (uint32_t)(W + 16 + std::ceil(8 * M / (double)(1 << 20))) : 0;
  const RowTurner turner(src, W, H, t, fill, guard);
  forEachRowBand(H, threads, 64, [&](int y0, int y1) {
    if (fixedPoint)
      turner.rows(y0, y1, dst);
    else
      turner.plainRows(y0, y1, dst);
  });
}

FXColor cornerFillColor(const FXColor* px, int W, int H, const int rgb[3], int tolerance) {
  const FXColor white = FXRGB(255, 255, 255);
  FXColor background = white;
  if (px && W > 0 && H > 0) {
    std::vector<FXColor> border;
    auto take = [&](int x, int y) {
      const FXColor c = px[x + (size_t)W * y];
      border.push_back(FXRGB(FXREDVAL(c), FXGREENVAL(c), FXBLUEVAL(c)));
    };
    for (int x = 0; x < W; ++x) {
      take(x, 0);
      if (H > 1) take(x, H - 1);
    }
    for (int y = 1; y < H - 1; ++y) {
      take(0, y);
      if (W > 1) take(W - 1, y);
    }
    std::sort(border.begin(), border.end());
    size_t best = 0;
    for (size_t k = 0, run = 0; k < border.size(); ++k) {
      run = k > 0 && border[k] == border[k - 1] ? run + 1 : 1;
      if (run > best) {
        best = run;
        background = border[k];
      }
    }
  }
  if (!AutoFindRules::colorsMatch(background, rgb, tolerance)) return background;
  // Within a tolerance the search accepts (at most 128) no colour is near
  // both white and black.
  return AutoFindRules::colorsMatch(white, rgb, tolerance) ? FXRGB(0, 0, 0) : white;
}

void quarterTurn(const FXColor* src, FXColor* dst, int w, int h, bool clockwise, int threads) {
  if (w <= 0 || h <= 0) return;
  // The turned picture is h wide and w high. Its pixel (c, r) is source
  // pixel (r, h - 1 - c) clockwise and (w - 1 - r, c) counter-clockwise:
  // start + r * alongRow + c * alongColumn.
  const ptrdiff_t alongRow = clockwise ? 1 : -1, alongColumn = clockwise ? -(ptrdiff_t)w : (ptrdiff_t)w;
  const FXColor* start = clockwise ? src + (size_t)w * (h - 1) : src + (w - 1);
  // Square tiles, so that the source rows a tile reads stay in the cache
  // while the tile's rows are written.
  const int TILE = 32;
  forEachRowBand(w, threads, 64, [&](int r0, int r1) {
    for (int tr = r0; tr < r1; tr += TILE) {
      const int re = std::min(r1, tr + TILE);
      for (int tc = 0; tc < h; tc += TILE) {
        const int ce = std::min(h, tc + TILE);
        for (int r = tr; r < re; ++r) {
          FXColor* __restrict out = dst + (size_t)h * r;
          const FXColor* in = start + r * alongRow;
          for (int c = tc; c < ce; ++c) out[c] = in[c * alongColumn];
        }
      }
    }
  });
}

void halfTurn(const FXColor* src, FXColor* dst, int n, int threads) {
  if (n <= 0) return;
  const int CHUNK = 1 << 16;
  forEachRowBand((n + CHUNK - 1) / CHUNK, threads, 4, [&](int b0, int b1) {
    const int last = (int)std::min<long>(n, (long)b1 * CHUNK);
    for (int k = b0 * CHUNK; k < last; ++k) dst[k] = src[n - 1 - k];
  });
}

void copyPixels(const FXColor* src, FXColor* dst, size_t n, int threads) {
  const size_t CHUNK = 1 << 16;
  forEachRowBand((int)((n + CHUNK - 1) / CHUNK), threads, 4, [&](int b0, int b1) {
    const size_t first = b0 * CHUNK, last = std::min(n, b1 * CHUNK);
    if (first < last) memcpy(dst + first, src + first, sizeof(FXColor) * (last - first));
  });
}

void copyPixelsTwice(const FXColor* src, FXColor* a, FXColor* b, int w, int h, int threads) {
  if (w <= 0 || h <= 0) return;
  forEachRowBand(h, threads, 64, [&](int y0, int y1) {
    const size_t first = (size_t)w * y0, bytes = sizeof(FXColor) * (size_t)w * (y1 - y0);
    memcpy(a + first, src + first, bytes);
    memcpy(b + first, src + first, bytes);
  });
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
