#include "ImageFileRules.h"

#include "Utilities_lom2.h"

#include <cstdint>
#include <cstring>

using namespace FX;

namespace ImageRules {

namespace {
typedef unsigned long long Count;

// Bounds-checked reading of a file's bytes.
struct Bytes {
  const unsigned char* f;
  size_t n;
  bool has(Count at, Count len) const { return at <= n && len <= n - at; }
  unsigned u8(size_t at) const { return f[at]; }
  unsigned le16(size_t at) const { return f[at] | (f[at + 1] << 8); }
  unsigned be16(size_t at) const { return (f[at] << 8) | f[at + 1]; }
  uint32_t le32(size_t at) const {
    return (uint32_t)f[at] | ((uint32_t)f[at + 1] << 8) | ((uint32_t)f[at + 2] << 16) | ((uint32_t)f[at + 3] << 24);
  }
  uint32_t be32(size_t at) const {
    return ((uint32_t)f[at] << 24) | ((uint32_t)f[at + 1] << 16) | ((uint32_t)f[at + 2] << 8) | (uint32_t)f[at + 3];
  }
};

Count ceilDiv(Count a, Count b) { return (a + b - 1) / b; }

// The fewest bytes that code `out` bytes in runs of up to `run` bytes that
// take `runBytes` bytes each, the rest taking a byte each.
Count fewestCodedBytes(Count out, Count run, Count runBytes) {
  const Count rest = out % run;
  return out / run * runBytes + (rest < runBytes ? rest : runBytes);
}

bool accept(ImageFileHeader* header, long w, long h) {
  if (!declaredSizeAcceptable(w, h)) return false;
  header->width = w;
  header->height = h;
  return true;
}

// ---- BMP

// The header as the toolkit's decoder reads it: a header size of 12 is an
// OS/2 header of 16-bit sides; any other size is read as the 40-byte
// Windows header, and the colour table is looked for that many bytes after
// its start.
struct BmpHeader {
  long width, height;
  int bits;
  uint32_t compression;
  long colours;       // entries in the colour table
  int entryBytes;     // 3 (OS/2) or 4
  long long tableAt;  // where the colour table starts
  long long dataAt;   // where the pixels start
};

bool readBmpHeader(const Bytes& b, BmpHeader* h) {
  if (!b.has(0, 18) || b.le16(0) != 0x4d42) return false;
  const int32_t headerSize = (int32_t)b.le32(14);
  unsigned planes;
  long used = 0;
  if (headerSize == 12) {
    if (!b.has(14, 12)) return false;
    h->width = b.le16(18);
    h->height = b.le16(20);
    planes = b.le16(22);
    h->bits = (int)b.le16(24);
    h->compression = 0;
    h->entryBytes = 3;
  } else {
    if (!b.has(14, 40)) return false;
    h->width = (int32_t)b.le32(18);
    h->height = (int32_t)b.le32(22);
    planes = b.le16(26);
    h->bits = (int)b.le16(28);
    h->compression = b.le32(30);
    used = (int32_t)b.le32(46);
    h->entryBytes = 4;
  }
  if (planes != 1 || h->compression > 3) return false;
  if (h->bits != 1 && h->bits != 4 && h->bits != 8 && h->bits != 16 && h->bits != 24 && h->bits != 32) return false;
  h->tableAt = 14 + (long long)headerSize;
  h->colours = h->bits > 8 ? 0 : used ? used : 1L << h->bits;
  // An OS/2 file's pixels follow its colour table; a Windows file's start
  // at the offset its file header gives.
  h->dataAt = headerSize == 12 ? h->tableAt + 3LL * h->colours : (long long)(int32_t)b.le32(10);
  return true;
}

bool isRunLength(const BmpHeader& h) { return (h.bits == 4 || h.bits == 8) && h.compression != 0; }

// Bytes of one uncompressed row, padding included, as the decoder reads it.
Count bmpRowBytes(Count w, int bits) {
  switch (bits) {
    case 1: return (w + 31) / 32 * 4;
    case 4: return (w + 7) / 8 * 4;
    case 8: return (w + 3) / 4 * 4;
    case 16: return 2 * w + (w & 1) * 2;
    case 24: return (3 * w + 3) / 4 * 4;
    default: return 4 * w;
  }
}

bool checkBmp(const Bytes& b, ImageFileHeader* header) {
  BmpHeader h;
  if (!readBmpHeader(b, &h) || !declaredSizeAcceptable(h.width, h.height)) return false;
  // The decoder's colour table holds 256 entries.
  if (h.colours < 0 || h.colours > 256) return false;
  header->runLengthBmp = isRunLength(h);
  if (header->runLengthBmp) {
    // Runs code at most 255 pixels in two bytes; a picture larger than its
    // runs can code (the rest left to codes that skip pixels) is not held
    // by the file.
    if (h.dataAt < 0 || (Count)h.dataAt >= b.n) return false;
    if ((Count)h.width * h.height > 255 * ((b.n - (Count)h.dataAt) / 2 + 1)) return false;
    return accept(header, h.width, h.height);
  }
  if (h.tableAt < 0 || !b.has((Count)h.tableAt, (Count)h.colours * h.entryBytes)) return false;
  if (h.dataAt < 0 || !b.has((Count)h.dataAt, bmpRowBytes(h.width, h.bits) * h.height)) return false;
  return accept(header, h.width, h.height);
}

// ---- GIF

// Walks the blocks before the first image as the decoder does: extensions
// are skipped sub-block by sub-block until their terminator, and the file
// must go on after each one (the decoder reads on for ever at its end).
// at is left on the image descriptor's first byte after its separator.
bool gifBlocksBeforeImage(const Bytes& b, size_t* at) {
  for (;;) {
    if (!b.has(*at, 1)) return false;
    const unsigned c = b.u8((*at)++);
    if (c == 0x2C) return true;
    if (c != 0x21 || !b.has(*at, 1)) return false;
    if (b.u8((*at)++) == 0xF9) {  // graphic control: a block of 4 and its terminator
      if (!b.has(*at, 6) || b.u8(*at) != 4) return false;
      *at += 6;
      continue;
    }
    for (;;) {
      if (!b.has(*at, 1)) return false;
      const unsigned size = b.u8((*at)++);
      if (size == 0) break;
      if (!b.has(*at, size)) return false;
      *at += size;
    }
  }
}

bool checkGif(const Bytes& b, ImageFileHeader* header) {
  if (!b.has(0, 13) || memcmp(b.f, "GIF8", 4) != 0 || (b.u8(4) != '7' && b.u8(4) != '9') || b.u8(5) != 'a')
    return false;
  size_t at = 13;
  if (b.u8(10) & 0x80) at += 3 * (2 << (b.u8(10) & 7));
  if (!gifBlocksBeforeImage(b, &at) || !b.has(at, 10)) return false;
  const long w = b.le16(at + 4), h = b.le16(at + 6);
  const unsigned flags = b.u8(at + 8);
  at += 9;
  if (flags & 0x80) at += 3 * (2 << (flags & 7));
  if (!declaredSizeAcceptable(w, h)) return false;
  // Interlaced rows of the second, third and fourth passes start at rows
  // 4, 2 and 1 whatever the height: below 5 rows the decoder writes them
  // past the picture.
  if ((flags & 0x40) && h > 1 && h < 5) return false;
  if (!b.has(at, 1)) return false;
  const unsigned codeSize = b.u8(at++);
  if (codeSize > 10) return false;  // the decoder's code table holds 4096 codes
  Count data = 0;
  for (;;) {
    if (!b.has(at, 1)) return false;
    const unsigned size = b.u8(at++);
    if (size == 0) break;
    if (!b.has(at, size)) return false;
    data += size;
    at += size;
  }
  const Count pixels = (Count)w * h;
  // The decoder keeps the coded data in 3 bytes a pixel, and reads one more
  // byte after them. Each code gives at most 4096 pixels.
  if (data > 3 * pixels || !b.has(at, 1)) return false;
  if (pixels > 4096 * (data * 8 / (codeSize + 1) + 1)) return false;
  return accept(header, w, h);
}

// ---- PCX

bool checkPcx(const Bytes& b, ImageFileHeader* header) {
  if (!b.has(0, 128) || b.u8(0) != 10) return false;
  const unsigned bits = b.u8(3), planes = b.u8(65), lineBytes = b.le16(66);
  if (bits != 1 && bits != 2 && bits != 4 && bits != 8) return false;
  if (planes != 1 && planes != 3 && planes != 4) return false;
  const long w = (long)b.le16(8) - (long)b.le16(4) + 1, h = (long)b.le16(10) - (long)b.le16(6) + 1;
  if (!declaredSizeAcceptable(w, h)) return false;
  // Bytes the decoder reads for one row, and whether the row's bytes cover
  // the width; other layouts come out blank.
  Count count = 0;
  bool covers = false, palette = false;
  if (bits == 1 && planes == 1) {
    count = lineBytes;
    covers = 8 * (Count)lineBytes >= (Count)w;
  } else if ((bits == 1 && planes == 4) || bits == 4) {
    count = 4 * (Count)lineBytes;  // four planes, whatever the plane count says
    covers = planes == 4 && 8 * (Count)lineBytes >= (Count)w;
  } else if (bits == 8 && planes == 1) {
    count = lineBytes;
    covers = lineBytes >= w;
    palette = true;
  } else if (bits == 8 && planes == 3) {
    count = 3 * (Count)lineBytes;
    covers = lineBytes >= w;
  }
  if (lineBytes == 0 || !covers) return false;
  // Runs of up to 63 bytes take two bytes of the file and end with their row.
  const Count rowBytes = b.u8(2) == 1 ? fewestCodedBytes(count, 63, 2) : count;
  if (!b.has(128, rowBytes * h + (palette ? 769 : 0))) return false;
  return accept(header, w, h);
}

// ---- PPM and PGM

// The next number of the header or of plain pixel data as the decoder reads
// it: anything but a digit is skipped, "#" skips to the end of its line,
// and the character after the digits is taken with them. False when the
// file ends first (the decoder then reads past its end).
bool pnmNumber(const Bytes& b, size_t* at, Count* value) {
  unsigned c;
  for (;;) {
    if (!b.has(*at, 1)) return false;
    c = b.u8((*at)++);
    if (c >= '0' && c <= '9') break;
    if (c == '#') {
      do {
        if (!b.has(*at, 1)) return false;
      } while (b.u8((*at)++) != '\n');
    }
  }
  Count v = c - '0';
  for (;;) {
    if (!b.has(*at, 1)) return false;
    c = b.u8((*at)++);
    if (c < '0' || c > '9') break;
    if (v < 1000000000ULL) v = v * 10 + (c - '0');
  }
  *value = v;
  return true;
}

bool checkPnm(const Bytes& b, ImageFileHeader* header) {
  if (!b.has(0, 2) || b.u8(0) != 'P' || b.u8(1) < '1' || b.u8(1) > '6') return false;
  const unsigned format = b.u8(1) - '0';
  size_t at = 2;
  Count w = 0, h = 0, maximum = 1;
  if (!pnmNumber(b, &at, &w) || !pnmNumber(b, &at, &h)) return false;
  if (w > (Count)MAX_IMAGE_SIDE || h > (Count)MAX_IMAGE_SIDE || !declaredSizeAcceptable((long)w, (long)h)) return false;
  if (format != 1 && format != 4 && (!pnmNumber(b, &at, &maximum) || maximum < 1 || maximum > 255)) return false;
  const Count samples = w * h * (format == 3 || format == 6 ? 3 : 1);
  // Plain samples take a digit and the character after it at least.
  const Count need = format == 4 ? (w + 7) / 8 * h : format >= 5 ? samples : 2 * samples;
  if (!b.has(at, need)) return false;
  return accept(header, (long)w, (long)h);
}

// ---- IFF ILBM

const uint32_t ID_FORM = 0x464f524d, ID_ILBM = 0x494c424d, ID_BMHD = 0x424d4844, ID_CMAP = 0x434d4150,
               ID_BODY = 0x424f4459;

// Walks the chunks up to the body as the decoder does; every chunk must end
// within the file and within the form (the decoder reads on for ever at the
// end of the file). at is left on the body's first byte.
bool iffChunksBeforeBody(const Bytes& b, Count formEnd, size_t* at, size_t* bmhd) {
  *bmhd = 0;
  for (;;) {
    if (!b.has(*at, 8)) return false;
    const uint32_t id = b.be32(*at), size = b.be32(*at + 4);
    const size_t data = *at + 8;
    if (size == 0) return false;
    if (id == ID_BODY) {
      *at = data;
      return *bmhd != 0;
    }
    if (id == ID_BMHD) {
      if (size < 20 || !b.has(data, 20)) return false;
      *bmhd = data;
    }
    if (id == ID_CMAP && (size < 3 || size > 0x302)) return false;
    const Count end = (Count)data + size + (size & 1);
    if (end + 8 > b.n || end + 7 >= formEnd) return false;
    *at = (size_t)end;
  }
}

bool checkIff(const Bytes& b, ImageFileHeader* header) {
  if (!b.has(0, 12)) return false;
  const uint32_t magic = b.be32(0);
  if ((magic != ID_FORM && (magic < 0x464f5231 || magic > 0x464f5234)) || b.be32(8) != ID_ILBM) return false;
  const Count formEnd = 8 + (Count)b.be32(4);
  size_t at = 12, bmhd = 0;
  if (formEnd <= 19 || !iffChunksBeforeBody(b, formEnd, &at, &bmhd)) return false;
  const long w = b.be16(bmhd), h = b.be16(bmhd + 2);
  const unsigned planes = b.u8(bmhd + 8), compression = b.u8(bmhd + 10);
  if (!declaredSizeAcceptable(w, h)) return false;
  // The decoder's colour table holds 256 entries; 24 planes are true colour.
  if (planes == 0 || (planes > 8 && planes != 24)) return false;
  const Count rowBytes = ((Count)w + 15) / 16 * 2;
  // Packed runs of up to 129 bytes take two bytes of the file and end with
  // their plane's row.
  const Count planeRow = compression == 1 ? 2 * ceilDiv(rowBytes, 129) : rowBytes;
  if (!b.has(at, planeRow * planes * h)) return false;
  return accept(header, w, h);
}

// ---- Sun raster

bool checkRas(const Bytes& b, ImageFileHeader* header) {
  if (!b.has(0, 32) || b.be32(0) != 0x59a66a95u) return false;
  const long w = (int32_t)b.be32(4), h = (int32_t)b.be32(8);
  const uint32_t depth = b.be32(12), type = b.be32(20), mapType = b.be32(24), mapLength = b.be32(28);
  if (mapLength > 0x300 || type > 3 || mapType > 2) return false;
  if (depth != 1 && depth != 8 && depth != 24 && depth != 32) return false;
  if (!declaredSizeAcceptable(w, h)) return false;
  // The decoder reads a colour map of three equal parts, skips a raw one,
  // and reads none of any other map type.
  Count at = 32;
  if (mapType == 1) at += mapLength / 3 * 3;
  if (mapType == 2) at += mapLength;
  const Count lineBytes = ((Count)w * depth + 15) / 16 * 2, data = lineBytes * h;
  // Encoded runs of up to 256 bytes take three bytes of the file.
  if (!b.has(at, type == 2 ? fewestCodedBytes(data, 256, 3) : data)) return false;
  return accept(header, w, h);
}

// ---- TGA

// Walks the run-length packets row by row as the decoder reads them; false
// when a packet runs past its row (the decoder would write past the picture
// on the last row) or past the file.
bool tgaPacketsInside(const Bytes& b, size_t at, long w, long h, Count pixelBytes) {
  for (long y = 0; y < h; ++y)
    for (long x = 0; x < w;) {
      if (!b.has(at, 1)) return false;
      const unsigned c = b.u8(at++);
      const long run = c > 127 ? (long)c - 127 : (long)c + 1;
      const Count bytes = c > 127 ? pixelBytes : run * pixelBytes;
      if (x + run > w || !b.has(at, bytes)) return false;
      at += bytes;
      x += run;
    }
  return true;
}

bool checkTga(const Bytes& b, ImageFileHeader* header) {
  if (!b.has(0, 18)) return false;
  const unsigned type = b.u8(2), kind = type & ~8u, entryBits = b.u8(7), depth = b.u8(16);
  const long mapLength = b.le16(5), w = b.le16(12), h = b.le16(14);
  if ((kind != 1 && kind != 2 && kind != 3) || mapLength > 256) return false;
  // Colour-mapped pictures take 8 bits a pixel, true colour 15 to 32, and
  // grey pictures one byte a pixel whatever the depth says.
  Count pixelBytes = 1;
  if (kind == 1 && depth != 8) return false;
  if (kind == 2) {
    if (depth != 15 && depth != 16 && depth != 24 && depth != 32) return false;
    pixelBytes = depth == 32 ? 4 : depth == 24 ? 3 : 2;
  }
  if (kind == 3 && depth != 1 && depth != 8 && depth != 15 && depth != 16 && depth != 24 && depth != 32) return false;
  const Count entryBytes = entryBits == 15 || entryBits == 16 ? 2 : entryBits == 24 ? 3 : entryBits == 32 ? 4 : 0;
  if (mapLength && !entryBytes) return false;
  if (!declaredSizeAcceptable(w, h)) return false;
  const Count at = 18 + (Count)b.u8(0) + mapLength * entryBytes;
  if (type & 8 ? !tgaPacketsInside(b, (size_t)at, w, h, pixelBytes) : !b.has(at, (Count)w * h * pixelBytes))
    return false;
  return accept(header, w, h);
}

// ---- PNG

bool checkPng(const Bytes& b, ImageFileHeader* header) {
  if (!b.has(0, 33) || memcmp(b.f, "\x89PNG\r\n\x1a\n", 8) != 0 || b.be32(8) != 13 || b.be32(12) != 0x49484452)
    return false;
  const uint32_t w = b.be32(16), h = b.be32(20);
  const unsigned bitDepth = b.u8(24), colourType = b.u8(25);
  if (!declaredSizeAcceptable(w, h)) return false;
  const unsigned channels = colourType == 2 ? 3 : colourType == 4 ? 2 : colourType == 6 ? 4 : 1;
  Count at = 8, coded = 0;
  // Every chunk lies within the file up to the end chunk.
  for (;;) {
    if (!b.has(at, 12)) return false;
    const uint32_t length = b.be32(at), type = b.be32(at + 4);
    if (length > 0x7FFFFFFFu || !b.has(at, (Count)length + 12)) return false;
    if (type == 0x49454e44) break;  // IEND
    if (type == 0x49444154) coded += length;  // IDAT
    at += (Count)length + 12;
  }
  // Deflate expands a byte into 1032 at most; each row starts with its
  // filter byte.
  const Count raw = ((Count)w * channels * bitDepth + 7) / 8 + 1;
  if (raw * h > 1032 * (coded + 1)) return false;
  return accept(header, w, h);
}
}  // namespace

bool inspectImageFile(const unsigned char* f, size_t n, const FXString& extension, ImageFileHeader* header) {
  *header = ImageFileHeader();
  const Bytes b = {f, f ? n : 0};
  const FXString ext = FXString(extension).lower();
  if (ext == "bmp") return checkBmp(b, header);
  if (ext == "gif") return checkGif(b, header);
  if (ext == "pcx") return checkPcx(b, header);
  if (ext == "tga") return checkTga(b, header);
  if (ext == "ppm" || ext == "pgm") return checkPnm(b, header);
  if (ext == "lbm") return checkIff(b, header);
  if (ext == "ras") return checkRas(b, header);
  if (ext == "png") return checkPng(b, header);
  return false;
}

bool imageFileDecodable(const unsigned char* f, size_t n, const FXString& extension) {
  ImageFileHeader header;
  return inspectImageFile(f, n, extension, &header);
}

bool declaredSizeAcceptable(long w, long h) { return w >= 1 && h >= 1 && w <= MAX_IMAGE_SIDE && h <= MAX_IMAGE_SIDE; }

long long pictureMemoryNeeded(long w, long h) {
  return w > 0 && h > 0 ? 6LL * (long long)sizeof(FXColor) * w * h : 0;
}

long long pictureMemoryHeld(long w, long h) {
  return w > 0 && h > 0 ? 5LL * (long long)sizeof(FXColor) * w * h : 0;
}

namespace {
FXString memoryText(long long bytes) {
  return bytes >= 1000000000LL ? FXStringFormat("%.1f GB", bytes / 1e9) : FXStringFormat("%.0f MB", bytes / 1e6);
}
}  // namespace

FXString pictureTooLargeText(long w, long h, long long needed, long long available) {
  return FXStringFormat("The picture is %s x %s pixels (%.1f megapixels). Showing it needs about %s of memory, "
                        "and this machine has %s available.",
                        Utilities_lom2::AddCommas(w).text(), Utilities_lom2::AddCommas(h).text(), (double)w * h / 1e6,
                        memoryText(needed).text(), memoryText(available).text());
}

// ---- run-length BMP

namespace {
// Decodes the run-length data of a 4 or 8 bit BMP of w x h pixels from
// offset at into out (bottom row first in the file, top row first in out);
// pixels a run puts into the row's padding (encoders code it too) are
// dropped. False when the data end before the picture does, or put pixels
// beyond the padding of their row (the file is damaged: the toolkit's
// decoder writes such runs past its buffer).
bool bmpRuns(const unsigned char* f, size_t n, size_t at, long w, long h, int bits, const FXColor* colours,
             FXColor* out) {
  const long padded = bits == 8 ? (w + 3) / 4 * 4 : (w + 7) / 8 * 8;
  long x = 0, y = 0;
  bool inside = true;
  auto put = [&](int index) {
    if (x < w && y < h) out[(size_t)(h - 1 - y) * w + x] = colours[index & 255];
    inside = inside && x < padded;
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
      for (long i = 0; i < c2 && inside; ++i) put(bits == 8 ? c1 : (i & 1) ? (c1 & 15) : (c1 >> 4));
      if (!inside) return false;
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
      if (x > padded) return false;
    } else {  // absolute run
      for (long i = 0; i < c2; ++i) {
        if (bits == 8 || (i & 1) == 0)
          if (!next(&c1)) return false;
        put(bits == 8 ? c1 : (i & 1) ? (c1 & 15) : (c1 >> 4));
      }
      if (!inside) return false;
      const bool pad = bits == 8 ? (c2 & 1) != 0 : ((c2 & 3) == 1 || (c2 & 3) == 2);
      if (pad && !next(&c1)) return false;
    }
  }
  return true;
}

// The run-length BMP's header and colour table; entries the file does not
// hold stay black. False when the file is not one.
bool rleBmpHeader(const Bytes& b, BmpHeader* h, FXColor* colours) {
  if (!readBmpHeader(b, h) || !isRunLength(*h)) return false;
  for (long i = 0; i < 256; ++i) colours[i] = FXRGB(0, 0, 0);
  for (long i = 0; i < h->colours && i < 256; ++i) {
    const long long at = h->tableAt + 4 * i;
    if (at < 0 || !b.has((Count)at, 4)) break;
    const unsigned char* c = b.f + at;
    colours[i] = FXRGB(c[2], c[1], c[0]);
  }
  return true;
}
}  // namespace

bool isRunLengthBmp(const unsigned char* f, size_t n) {
  BmpHeader h;
  return readBmpHeader(Bytes{f, f ? n : 0}, &h) && isRunLength(h);
}

bool decodeRunLengthBmp(const unsigned char* f, size_t n, std::vector<FXColor>* pixels, int* w, int* h) {
  BmpHeader header;
  FXColor colours[256];
  const Bytes b = {f, f ? n : 0};
  if (!rleBmpHeader(b, &header, colours)) return false;
  if (!declaredSizeAcceptable(header.width, header.height) || header.dataAt < 0 || (Count)header.dataAt >= n)
    return false;
  pixels->assign((size_t)header.width * header.height, colours[0]);
  if (!bmpRuns(f, n, (size_t)header.dataAt, header.width, header.height, header.bits, colours, pixels->data()))
    return false;
  *w = (int)header.width;
  *h = (int)header.height;
  return true;
}

}  // namespace ImageRules
