#include "Win10StyleColors.h"

#include <algorithm>
#include <cmath>

using namespace FX;

FXColor Win10StyleColors::getEnterColor(FXColor c) {
  int r = FXREDVAL(c);
  int g = FXGREENVAL(c);
  int b = FXBLUEVAL(c);
  if (r > 216 || g > 216 || b > 216) {
    return FXRGB(r * 85 / 100, g * 85 / 100, b * 85 / 100);
  }
  const int m = std::max(r, std::max(g, b));
  if (r <= 49 && g <= 49 && b <= 49) {
    // Near black: start from a grey so the hover shows at all.
    r = g = b = m + 50;
  }
  // Dark colours get an extra boost that fades out towards 100.
  const int h = m <= 99 ? 20 - 2 * static_cast<int>(std::floor(std::sqrt(static_cast<double>(m)))) : 0;
  // Channels are at most 216 here, so 216 * 115 / 100 + 0 stays below 256.
  return FXRGB(r * 115 / 100 + h, g * 115 / 100 + h, b * 115 / 100 + h);
}
