// Accuracy and speed of the least-squares fit.
//
// Prints the smallest coefficient LRE (log relative error, capped at 15)
// of the fit of each certified data set: the NIST sets of the shared test
// data and the harder sets made by bench/data/make_reference.py. Then times
// a fit of order 15 on 100,000 points.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "CurveFitting.h"
#include "ReferenceData.h"

namespace {

std::string directoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool report(const std::string& base, const char* name) {
  refdata::DataSet set;
  if (!refdata::load(base, set)) {
    std::printf("%-14s missing (%s)\n", name, base.c_str());
    return false;
  }
  CurveFitting fit;
  std::vector<double> coef(set.certified.size());
  double chi2 = 0, r2 = 0, adjusted = 0;
  const bool ok = fit.leastSquares((int)set.x.size(), set.order(), set.x.data(), set.y.data(),
                                   coef.data(), &chi2, &r2, &adjusted);
  if (!ok) {
    std::printf("%-14s order %2d  not fitted\n", name, set.order());
    return false;
  }
  std::printf("%-14s order %2d  points %4zu  smallest coefficient LRE %5.2f  R2 %.15f\n", name,
              set.order(), set.x.size(), refdata::smallestLre(coef, set.certified), r2);
  return true;
}

}  // namespace

int main() {
  std::printf("Certified data sets\n");
  const std::string nist = std::string(QG_TESTDATA_DIR) + "/nist/";
  for (const char* name : {"Norris", "Pontius", "Wampler1", "Wampler2"}) report(nist + name, name);
  const std::string harder = directoryOf(__FILE__) + "/data/";
  for (const char* name : {"FilipLike", "NoisyWampler", "Order15"}) report(harder + name, name);

  // Order 15 on 100,000 points: a smooth curve with noise on x in [0, 1000).
  const int count = 100000, order = 15;
  std::vector<double> x(count), y(count), coef(order + 1);
  unsigned state = 12345u;
  for (int i = 0; i < count; ++i) {
    state = state * 1664525u + 1013904223u;
    x[i] = 1000.0 * i / count;
    y[i] = 100.0 * std::sin(x[i] / 80.0) + 0.001 * x[i] * x[i] + (state >> 8) * (1.0 / (1 << 24)) - 0.5;
  }
  CurveFitting fit;
  double chi2 = 0, r2 = 0, adjusted = 0;
  const int runs = 5;
  double best = 1e30;
  bool ok = true;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    ok = fit.leastSquares(count, order, x.data(), y.data(), coef.data(), &chi2, &r2, &adjusted) && ok;
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (ms < best) best = ms;
  }
  std::printf("\nOrder %d on %d points: %s, best of %d runs %.1f ms, R2 %.12f\n", order, count,
              ok ? "fitted" : "NOT fitted", runs, best, r2);
  return 0;
}
