// Small image files made byte by byte for the tests of damaged input: sound
// ones, and the damaged ones that made the toolkit's decoders crash, write
// past their buffers, loop for ever or claim gigabytes.
#ifndef QUILLGRID_TESTS_DAMAGEDIMAGES_H
#define QUILLGRID_TESTS_DAMAGEDIMAGES_H

#include <cstdint>
#include <string>
#include <vector>

#include "ImageFileRules.h"

namespace damagedimages {

// True when the checks let the bytes, as a file of type ext, reach the
// toolkit's decoder.
inline bool decodable(const std::string& f, const char* ext) {
  return ImageRules::imageFileDecodable((const unsigned char*)f.data(), f.size(), ext);
}

// Writes v into s at `at` in `bytes` bytes, little-endian unless big.
inline void put(std::string& s, size_t at, uint32_t v, int bytes, bool big = false) {
  if (s.size() < at + bytes) s.resize(at + bytes, '\0');
  for (int i = 0; i < bytes; ++i) s[at + i] = (char)((v >> (8 * (big ? bytes - 1 - i : i))) & 0xFF);
}

// A BMP of w x h at the given depth and compression, with the colour count
// field, tableEntries grey colours (entry i has the level 60 i) and data.
inline std::string bmp(int32_t w, int32_t h, int bits, int compression, uint32_t colourCount, const std::string& data,
                       int tableEntries = 0, uint32_t headerSize = 40) {
  std::string s = "BM";
  const uint32_t offset = 54 + 4 * tableEntries;
  put(s, 2, offset + (uint32_t)data.size(), 4);
  put(s, 10, offset, 4);
  put(s, 14, headerSize, 4);
  put(s, 18, (uint32_t)w, 4);
  put(s, 22, (uint32_t)h, 4);
  put(s, 26, 1, 2);
  put(s, 28, bits, 2);
  put(s, 30, compression, 4);
  put(s, 34, (uint32_t)data.size(), 4);
  put(s, 46, colourCount, 4);
  s.resize(54, '\0');
  for (int i = 0; i < tableEntries; ++i) {
    const char c = (char)(i * 60);
    s += std::string({c, c, c, '\0'});
  }
  return s + data;
}

inline std::string rgb24(int w, int h) {
  return bmp(w, h, 24, 0, 0, std::string((size_t)((w * 3 + 3) / 4 * 4) * h, '\x7f'));
}

// A PNG header whose second chunk claims the given length.
inline std::string png(uint32_t secondChunkLength) {
  std::string s("\x89PNG\r\n\x1a\n", 8);
  put(s, 8, 13, 4, true);
  s += "IHDR";
  put(s, 16, 20, 4, true);
  put(s, 20, 10, 4, true);
  s += std::string("\x08\x02\0\0\0", 5) + "CRC!";
  put(s, s.size(), secondChunkLength, 4, true);
  return s + "gAMA" + std::string(8, '\0');
}

// A PCX of w x h: 128-byte header, run-length coded data, and for 8-bit
// single-plane files the 769-byte palette.
inline std::string pcx(int bits, int planes, int lineBytes, int w, int h, const std::string& data) {
  std::string s(128, '\0');
  s[0] = 10;
  s[1] = 5;
  s[2] = 1;
  s[3] = (char)bits;
  put(s, 8, (uint32_t)(w - 1), 2);
  put(s, 10, (uint32_t)(h - 1), 2);
  s[65] = (char)planes;
  put(s, 66, (uint32_t)lineBytes, 2);
  s += data;
  if (bits == 8 && planes == 1) s += '\x0c' + std::string(768, '\0');
  return s;
}

// An IFF chunk: id, big-endian length, data, pad byte.
inline std::string chunk(const char* id, const std::string& data) {
  std::string s = id;
  put(s, 4, (uint32_t)data.size(), 4, true);
  s += data;
  if (data.size() & 1) s += '\0';
  return s;
}

// An ILBM of w x h with the given number of planes and an uncompressed
// body of zeros.
inline std::string ilbm(int w, int h, int planes) {
  std::string header;
  put(header, 0, (uint32_t)w, 2, true);
  put(header, 2, (uint32_t)h, 2, true);
  put(header, 8, (uint32_t)planes, 1);
  put(header, 19, 0, 1);
  const std::string body((size_t)((w + 15) / 16 * 2) * planes * h, '\0');
  const std::string form = "ILBM" + chunk("BMHD", header) + chunk("CMAP", std::string(768, '\0')) + chunk("BODY", body);
  std::string s = "FORM";
  put(s, 4, (uint32_t)form.size(), 4, true);
  return s + form;
}

// A GIF89a with a 2-colour table: a screen of sw x sh holding one image
// block of iw x ih, whose coded data are a clear code, pixel 0 and the end
// code; extensions go before the image block.
inline std::string gif(int sw, int sh, int iw, int ih, const std::string& extensions = "") {
  std::string s = "GIF89a";
  put(s, 6, (uint32_t)sw, 2);
  put(s, 8, (uint32_t)sh, 2);
  s += std::string("\x80\0\0", 3) + std::string("\0\0\0\xff\xff\xff", 6) + extensions + ",";
  put(s, s.size(), 0, 4);
  put(s, s.size(), (uint32_t)iw, 2);
  put(s, s.size(), (uint32_t)ih, 2);
  return s + std::string("\0\x02\x02\x44\x01\0;", 7);
}

struct File {
  const char* name;
  std::string bytes;
};

// One file for each damage of image files the toolkit's decoders cannot
// take: crashes, writes or reads past buffers, endless loops and gigabytes
// claimed by a few bytes.
inline std::vector<File> filesTheDecodersCannotTake() {
  // Runs of 255 pixels that go far past the rows of a 4 x 4 picture.
  std::string runs;
  for (int i = 0; i < 600; ++i) runs += std::string("\xff\x01", 2);
  runs += std::string("\0\x01", 2);
  // A screen of 10 x 10 without colour table, then the start of an
  // extension.
  const std::string gifCut("GIF89a\x0a\0\x0a\0\0\0\0!", 14);
  const std::string lbmCut = ilbm(16, 4, 8).substr(0, 14);
  return {
      {"lines-of-no-bytes.pcx", pcx(8, 1, 0, 10, 10, std::string(20, '\xca'))},
      {"short-lines.pcx", pcx(8, 3, 2, 200, 4, std::string(24, '\xc2'))},
      {"commas.ppm", "P6,65536,65537,255\n" + std::string(300, '\0')},
      {"claims-a-gigapixel.ppm", std::string("P6\n32000 32000\n255\n") + std::string(12, '\0')},
      {"header-size-0.bmp", bmp(4, 4, 8, 1, 0, runs, 0, 0)},
      {"twelve-planes.lbm", ilbm(16, 4, 12)},
      {"sixteen-planes.lbm", ilbm(16, 4, 16)},
      {"image-of-nothing.gif", gif(100, 100, 0, 0)},
      {"image-beyond-its-screen.gif", gif(100, 100, 46000, 46000)},
      {"ends-in-an-extension.gif", gifCut},
      {"ends-in-a-chunk.lbm", lbmCut},
  };
}

}  // namespace damagedimages

#endif
