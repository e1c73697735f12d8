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

namespace {
long le16(const unsigned char* p) { return p[0] | (p[1] << 8); }
long be16(const unsigned char* p) { return (p[0] << 8) | p[1]; }
long le32(const unsigned char* p) {
  return (int32_t)((uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24));
}
long be32(const unsigned char* p) {
  return (int32_t)(((uint32_t)p[0] << 24) | ((uint32_t)p[1] << 16) | ((uint32_t)p[2] << 8) | (uint32_t)p[3]);
}

// The next decimal number of a PPM/PGM header, after blanks and comments.
bool pnmNumber(const unsigned char* head, size_t n, size_t* at, long* value) {
  size_t i = *at;
  for (;;) {
    while (i < n && isspace(head[i])) ++i;
    if (i < n && head[i] == '#') {
      while (i < n && head[i] != '\n') ++i;
      continue;
    }
    break;
  }
  bool negative = false;
  if (i < n && (head[i] == '-' || head[i] == '+')) negative = head[i++] == '-';
  if (i >= n || !isdigit(head[i])) return false;
  long v = 0;
  while (i < n && isdigit(head[i])) {
    if (v < 100000000L) v = v * 10 + (head[i] - '0');
    ++i;
  }
  *value = negative ? -v : v;
  *at = i;
  return true;
}
}  // namespace

bool declaredImageSize(const unsigned char* head, size_t n, const FXString& extension, long* w, long* h) {
  FXString ext = extension;
  ext.lower();
  if (ext == "bmp") {
    if (n < 26 || head[0] != 'B' || head[1] != 'M') return false;
    if (le32(head + 14) == 12) {
      *w = le16(head + 18);
      *h = le16(head + 20);
    } else {
      *w = le32(head + 18);
      *h = le32(head + 22);
      if (*h < 0) *h = -*h;  // a top-down picture
    }
    return true;
  }
  if (ext == "gif") {
    if (n < 10 || memcmp(head, "GIF", 3) != 0) return false;
    *w = le16(head + 6);
    *h = le16(head + 8);
    return true;
  }
  if (ext == "pcx") {
    if (n < 12 || head[0] != 10) return false;
    *w = le16(head + 8) - le16(head + 4) + 1;
    *h = le16(head + 10) - le16(head + 6) + 1;
    return true;
  }
  if (ext == "tga") {
    if (n < 18) return false;
    *w = le16(head + 12);
    *h = le16(head + 14);
    return true;
  }
  if (ext == "ras") {
    if (n < 12 || be32(head) != (long)(int32_t)0x59a66a95u) return false;
    *w = be32(head + 4);
    *h = be32(head + 8);
    return true;
  }
  if (ext == "ppm" || ext == "pgm") {
    if (n < 2 || head[0] != 'P') return false;
    size_t at = 2;
    return pnmNumber(head, n, &at, w) && pnmNumber(head, n, &at, h);
  }
  if (ext == "png") {
    if (n < 24 || memcmp(head + 12, "IHDR", 4) != 0) return false;
    *w = be32(head + 16);
    *h = be32(head + 20);
    return true;
  }
  if (ext == "lbm") {
    for (size_t i = 0; i + 12 <= n; ++i)
      if (memcmp(head + i, "BMHD", 4) == 0) {
        *w = be16(head + i + 8);
        *h = be16(head + i + 10);
        return true;
      }
    return false;
  }
  return false;
}

bool declaredSizeAcceptable(long w, long h) { return w >= 1 && h >= 1 && w <= MAX_IMAGE_SIDE && h <= MAX_IMAGE_SIDE; }

namespace {
// Decodes the run-length data of a 4 or 8 bit BMP of w x h pixels from
// offset at into out (bottom row first in the file, top row first in out);
// pixels a run puts beyond its row (encoders code the row padding too) are
// dropped. False when the data end before the picture does.
bool bmpRuns(const unsigned char* f, size_t n, size_t at, long w, long h, int bits, const FXColor* colours,
             FXColor* out) {
  long x = 0, y = 0;
  auto put = [&](int index) {
    if (x < w && y < h) out[(size_t)(h - 1 - y) * w + x] = colours[index & 255];
    ++x;
  };
  auto next = [&](long* v) {
    if (at >= n) return false;
    *v = f[at++];
    return true;
  };
  while (y < h) {
    long c2 = 0, c1 = 0;
    if (!next(&c2)) return false;
    if (c2) {  // a run of one value, or of two alternating nibbles
      if (!next(&c1)) return false;
      for (long i = 0; i < c2 && x <= w; ++i) put(bits == 8 ? c1 : (i & 1) ? (c1 & 15) : (c1 >> 4));
      continue;
    }
    if (!next(&c2)) return false;
    if (c2 == 0) {  // end of line
      x = 0;
      ++y;
    } else if (c2 == 1) {  // end of picture
      return true;
    } else if (c2 == 2) {  // delta
      long dx = 0, dy = 0;
      if (!next(&dx) || !next(&dy)) return false;
      x += dx;
      y += dy;
    } else {  // absolute run
      for (long i = 0; i < c2; ++i) {
        if (bits == 8 || (i & 1) == 0)
          if (!next(&c1)) return false;
        put(bits == 8 ? c1 : (i & 1) ? (c1 & 15) : (c1 >> 4));
      }
      const bool pad = bits == 8 ? (c2 & 1) != 0 : ((c2 & 3) == 1 || (c2 & 3) == 2);
      if (pad && !next(&c1)) return false;
    }
  }
  return true;
}

// The 4 or 8 bit run-length BMP's offset, sides and colour table; false
// when the file is not one.
bool rleBmpHeader(const unsigned char* f, size_t n, size_t* offset, long* w, long* h, int* bits, FXColor* colours) {
  if (n < 54 || f[0] != 'B' || f[1] != 'M') return false;
  const long header = le32(f + 14);
  if (header < 40) return false;
  *bits = (int)le16(f + 28);
  if ((*bits != 4 && *bits != 8) || le32(f + 30) == 0) return false;
  *w = le32(f + 18);
  *h = le32(f + 22);
  *offset = (uint32_t)le32(f + 10);
  const long used = le32(f + 46);
  const long count = used ? used : 1L << *bits;
  for (long i = 0; i < 256; ++i) colours[i] = FXRGB(0, 0, 0);
  const size_t table = 14 + (size_t)header;
  for (long i = 0; i < count && i < 256 && table + 4 * i + 3 < n; ++i) {
    const unsigned char* c = f + table + 4 * i;
    colours[i] = FXRGB(c[2], c[1], c[0]);
  }
  return true;
}
}  // namespace

bool isRunLengthBmp(const unsigned char* f, size_t n) {
  size_t offset;
  long w, h;
  int bits;
  FXColor colours[256];
  return rleBmpHeader(f, n, &offset, &w, &h, &bits, colours);
}

bool decodeRunLengthBmp(const unsigned char* f, size_t n, std::vector<FXColor>* pixels, int* w, int* h) {
  size_t offset;
  long width, height;
  int bits;
  FXColor colours[256];
  if (!rleBmpHeader(f, n, &offset, &width, &height, &bits, colours)) return false;
  if (!declaredSizeAcceptable(width, height) || offset >= n) return false;
  pixels->assign((size_t)width * height, colours[0]);
  if (!bmpRuns(f, n, offset, width, height, bits, colours, pixels->data())) return false;
  *w = (int)width;
  *h = (int)height;
  return true;
}

namespace {
bool bmpDecodable(const unsigned char* f, size_t n) {
  if (n < 18 || le32(f + 14) == 12) return true;  // too short to decode, or no colour count
  if (n < 50) return true;
  const long bits = le16(f + 28), colours = le32(f + 46);
  if (bits <= 8 && (colours < 0 || colours > 256)) return false;
  return true;
}

// Walks the run-length packets of a TGA as the toolkit's decoder reads
// them, row by row; false when a packet runs past its row (the decoder
// would write past the picture on the last row) or past the file.
bool tgaDecodable(const unsigned char* f, size_t n) {
  if (n < 18) return true;
  const int type = f[2], entryBits = f[7], depth = f[16];
  if (type != 9 && type != 10 && type != 11) return true;
  const long mapLength = le16(f + 5), w = le16(f + 12), h = le16(f + 14);
  const long entryBytes = entryBits == 15 || entryBits == 16 ? 2 : entryBits == 24 ? 3 : entryBits == 32 ? 4 : 0;
  const long pixelBytes = type != 10 ? 1 : depth == 32 ? 4 : depth == 24 ? 3 : 2;
  size_t at = 18 + (size_t)f[0] + (mapLength <= 256 ? (size_t)(mapLength * entryBytes) : 0);
  for (long y = 0; y < h; ++y)
    for (long x = 0; x < w;) {
      if (at >= n) return false;
      const int c = f[at++];
      const long run = c > 127 ? c - 127 : c + 1;
      const size_t bytes = (size_t)(c > 127 ? pixelBytes : run * pixelBytes);
      if (x + run > w || bytes > n - at) return false;
      at += bytes;
      x += run;
    }
  return true;
}

bool pngChunksInside(const unsigned char* f, size_t n) {
  size_t at = 8;
  while (at + 8 <= n) {
    const uint32_t length = (uint32_t)be32(f + at);
    if (length > 0x7FFFFFFFu || length + (size_t)12 > n - at) return false;
    if (memcmp(f + at + 4, "IEND", 4) == 0) return true;
    at += length + (size_t)12;
  }
  return false;
}
}  // namespace

bool imageFileDecodable(const unsigned char* f, size_t n, const FXString& extension) {
  long w = 0, h = 0;
  if (declaredImageSize(f, n, extension, &w, &h) && !declaredSizeAcceptable(w, h)) return false;
  FXString ext = extension;
  ext.lower();
  if (ext == "bmp") return bmpDecodable(f, n);
  if (ext == "tga") return tgaDecodable(f, n);
  if (ext == "png" && n >= 8 && memcmp(f, "\x89PNG", 4) == 0) return pngChunksInside(f, n);
  return true;
}

}  // namespace ImageRules
