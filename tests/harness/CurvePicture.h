// Pictures of a curve of known equation, as a plotting program draws
// them: a stroke of a given width along y = f(x), anti-aliased (each pixel
// blends the ink over white by how much of it the stroke covers) or
// aliased (a pixel takes the ink when its centre lies within the stroke).
// Pixel coordinates put pixel centres on whole numbers, y downwards, as the
// program's pixel positions do. Used by the tests and the benchmarks.
#ifndef QUILLGRID_TESTS_CURVEPICTURE_H
#define QUILLGRID_TESTS_CURVEPICTURE_H

#include <fx.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace curvepic {

struct Curve {
  std::function<double(double)> f;      // y of the curve at x
  std::function<double(double)> slope;  // dy/dx
};

// Distance of (x, y) from the stroke's centre line, to first order: the
// vertical distance scaled by the slope. Good for gentle curves.
inline double nearDistance(const Curve& c, double x, double y) {
  const double s = c.slope(x);
  return std::fabs(y - c.f(x)) / std::sqrt(1 + s * s);
}

// Distance of (x, y) from the curve: the nearest of its points sampled
// every 1/256 pixel within 4 pixels of x.
inline double distance(const Curve& c, double x, double y) {
  double best = HUGE_VAL;
  for (int k = -1024; k <= 1024; ++k) {
    const double t = x + k / 256.0;
    best = std::min(best, std::hypot(x - t, y - c.f(t)));
  }
  return best;
}

// How much of pixel (px, py) the stroke of lineWidth covers, 0..1, from
// 16 x 16 samples.
inline double coverage(const Curve& c, int px, int py, double lineWidth) {
  const int n = 16;
  int inside = 0;
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j)
      inside += nearDistance(c, px - 0.5 + (i + 0.5) / n, py - 0.5 + (j + 0.5) / n) <= lineWidth / 2;
  return double(inside) / (n * n);
}

inline FX::FXColor blend(FX::FXColor ink, double amount) {
  auto channel = [&](int v) { return (FX::FXuint)std::lround(255 + (v - 255) * amount); };
  return FXRGB(channel(FXREDVAL(ink)), channel(FXGREENVAL(ink)), channel(FXBLUEVAL(ink)));
}

// A width x height white picture, row-major, with the curve drawn over
// columns x0..x1.
inline std::vector<FX::FXColor> draw(const Curve& c, int width, int height, double lineWidth, FX::FXColor ink,
                                     bool antiAliased, int x0, int x1) {
  std::vector<FX::FXColor> pixels(size_t(width) * height, FXRGB(255, 255, 255));
  for (int x = std::max(0, x0); x <= std::min(width - 1, x1); ++x)
    for (int y = 0; y < height; ++y) {
      const double d = nearDistance(c, x, y);
      if (d > lineWidth / 2 + 1.5) continue;
      const double amount = antiAliased ? coverage(c, x, y, lineWidth) : (d <= lineWidth / 2 ? 1.0 : 0.0);
      if (amount > 0) pixels[size_t(y) * width + x] = blend(ink, amount);
    }
  return pixels;
}

}  // namespace curvepic

#endif
