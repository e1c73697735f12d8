// Reading certified regression data (NAME.csv with header x,y and
// NAME.certified with one coefficient per line, constant term first) and
// scoring a fit by its log relative error.
#ifndef QUILLGRID_REFERENCEDATA_H
#define QUILLGRID_REFERENCEDATA_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace refdata {

struct DataSet {
  std::vector<double> x, y;
  std::vector<double> certified;
  int order() const { return (int)certified.size() - 1; }
};

// Loads base + ".csv" and base + ".certified"; false when either is missing
// or empty.
inline bool load(const std::string& base, DataSet& set) {
  set = DataSet();
  std::ifstream csv(base + ".csv");
  std::string line;
  if (!std::getline(csv, line)) return false;  // header
  while (std::getline(csv, line)) {
    const size_t comma = line.find(',');
    if (comma == std::string::npos) continue;
    set.x.push_back(std::strtod(line.c_str(), nullptr));
    set.y.push_back(std::strtod(line.c_str() + comma + 1, nullptr));
  }
  std::ifstream certified(base + ".certified");
  while (std::getline(certified, line))
    if (line.find_first_not_of(" \t\r") != std::string::npos)
      set.certified.push_back(std::strtod(line.c_str(), nullptr));
  return !set.x.empty() && !set.certified.empty();
}

// Log relative error -log10(|computed - certified| / |certified|), capped
// at 15 (the absolute error when the certified value is 0).
inline double lre(double computed, double certified) {
  const double error = certified == 0.0 ? std::fabs(computed)
                                        : std::fabs(computed - certified) / std::fabs(certified);
  if (!(error == error)) return 0.0;  // not a number
  if (error == 0.0) return 15.0;
  return std::max(0.0, std::min(15.0, -std::log10(error)));
}

// The smallest LRE over all coefficients.
inline double smallestLre(const std::vector<double>& coef, const std::vector<double>& certified) {
  double smallest = 15.0;
  for (size_t i = 0; i < certified.size(); ++i)
    smallest = std::min(smallest, i < coef.size() ? lre(coef[i], certified[i]) : 0.0);
  return smallest;
}

}  // namespace refdata

#endif
