// The conversion-factors file as the program reads it at start-up.
#include <cmath>

#include "FuzzSupport.h"
#include "MenuRules.h"
#include "Utilities_lom2.h"

using namespace FX;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::app();
  const std::string path = fuzz::writeInput("conversionFactors.txt", data, size);
  ConversionFactor* factors = nullptr;
  const int count = readConversionFactorsFile(path.c_str(), factors);
  FUZZ_CHECK(count >= -1 && count <= MAX_CONVERSION_FACTORS, "count %d", count);
  FUZZ_CHECK((count > 0) == (factors != nullptr), "count %d with array %p", count, (void*)factors);
  for (int i = 0; i < count; ++i) {
    FUZZ_CHECK(std::isfinite(factors[i].factor) && factors[i].factor > 1e-50, "factor %g", factors[i].factor);
    FUZZ_CHECK(factors[i].name.length() <= Utilities_lom2::MAX_SHOWN_TEXT_BYTES, "name of %d bytes",
               factors[i].name.length());
  }
  delete[] factors;
  return 0;
}
