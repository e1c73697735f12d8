// Damaged input: image files are refused with the loading error before the
// toolkit's decoders can write past their buffers or loop on them, a
// run-length BMP is decoded by the program itself, and a conversion factor
// that is not a finite number is not offered.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ImageFileRules.h"
#include "ImageRules.h"
#include "MainWindowFixture.h"
#include "MenuRules.h"
#include "fox16.h"

using namespace FX;

namespace {
void put(std::string& s, size_t at, uint32_t v, int bytes, bool big = false) {
  if (s.size() < at + bytes) s.resize(at + bytes, '\0');
  for (int i = 0; i < bytes; ++i) s[at + i] = (char)((v >> (8 * (big ? bytes - 1 - i : i))) & 0xFF);
}

// A BMP of w x h at the given depth and compression, with the colour count
// field, tableEntries grey colours (entry i has the level 60 i) and data.
std::string bmp(int32_t w, int32_t h, int bits, int compression, uint32_t colourCount, const std::string& data,
                int tableEntries = 0) {
  std::string s = "BM";
  const uint32_t offset = 54 + 4 * tableEntries;
  put(s, 2, offset + (uint32_t)data.size(), 4);
  put(s, 10, offset, 4);
  put(s, 14, 40, 4);
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

std::string rgb24(int w, int h) { return bmp(w, h, 24, 0, 0, std::string((size_t)((w * 3 + 3) / 4 * 4) * h, '\x7f')); }

// A PNG header whose second chunk claims the given length.
std::string png(uint32_t secondChunkLength) {
  std::string s("\x89PNG\r\n\x1a\n", 8);
  put(s, 8, 13, 4, true);
  s += "IHDR";
  put(s, 16, 20, 4, true);
  put(s, 20, 10, 4, true);
  s += std::string("\x08\x02\0\0\0", 5) + "CRC!";
  put(s, s.size(), secondChunkLength, 4, true);
  return s + "gAMA" + std::string(8, '\0');
}

bool decodable(const std::string& f, const char* ext) {
  return ImageRules::imageFileDecodable((const unsigned char*)f.data(), f.size(), ext);
}
}  // namespace

TEST(DamagedImageFile, HeadersTheDecodersCannotTakeAreRefused) {
  // Sides past the display's limit, or none.
  EXPECT_FALSE(decodable(bmp(100000, 100000, 24, 0, 0, ""), "bmp"));
  EXPECT_FALSE(decodable(bmp(70000, 70000, 1, 0, 0, ""), "BMP"));
  EXPECT_FALSE(decodable(bmp(0, 5, 24, 0, 0, ""), "bmp"));
  EXPECT_TRUE(decodable(rgb24(32767, 1), "bmp"));
  EXPECT_FALSE(decodable(rgb24(32768, 1), "bmp"));
  std::string ras;
  put(ras, 0, 0x59a66a95u, 4, true);
  put(ras, 4, 37, 4, true);
  put(ras, 8, 0x7f040017u, 4, true);
  EXPECT_FALSE(decodable(ras + std::string(20, '\0'), "ras"));
  EXPECT_FALSE(decodable("P6\n100000 100000\n255\n", "ppm"));
  EXPECT_TRUE(decodable("P6\n# a comment\n40 30\n255\n" + std::string(40 * 30 * 3, 'x'), "ppm"));
  // A colour table larger than the decoder's 256 entries.
  EXPECT_FALSE(decodable(bmp(4, 4, 8, 0, 100000, std::string(16, '\0')), "bmp"));
  EXPECT_TRUE(decodable(bmp(4, 4, 8, 0, 256, std::string(16, '\0'), 256), "bmp"));
  // A PNG chunk that runs past the end of the file.
  EXPECT_FALSE(decodable(png(0x30004), "png"));
  // A TGA run-length packet that runs past its row: 2 x 1 true colour, a
  // run of 3 pixels, then one of 2.
  std::string tga(18, '\0');
  tga[2] = 10;
  put(tga, 12, 2, 2);
  put(tga, 14, 1, 2);
  tga[16] = 24;
  EXPECT_FALSE(decodable(tga + std::string("\x82\1\2\3", 4), "tga"));
  EXPECT_TRUE(decodable(tga + std::string("\x81\1\2\3", 4), "tga"));
}

TEST_F(MainWindowFixture, DamagedImageFilesAreRefusedAndTheWindowCarriesOn) {
  Quillgrid* w = make();
  const std::string sound = rgb24(30, 20);
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"huge.bmp", bmp(100000, 100000, 24, 0, 0, std::string(64, '\0'))},
      {"table.bmp", bmp(4, 4, 8, 0, 100000, std::string(1024, '\0'))},
      {"runs.bmp", bmp(4, 4, 8, 1, 0, std::string("\xff\1", 2))},  // ends before the picture does
      {"chunk.png", png(0x30004)},
      {"truncated.bmp", sound.substr(0, sound.size() / 2)},
      {"empty.gif", ""},
      {"bmp-named.png", sound},
  };
  for (const auto& c : cases) {
    qgtest::writeFile(c.name, c.bytes);
    qgtest::ModalScript script;
    EXPECT_FALSE(w->loadImage(c.name)) << c.name;
    ASSERT_EQ(script.count(), 1u) << c.name;
    EXPECT_STREQ(script.last().caption.text(), "Error Loading Image") << c.name;
    EXPECT_EQ(w->image, nullptr) << c.name;
  }
  qgtest::writeFile("sound.bmp", sound);
  EXPECT_TRUE(w->loadImage("sound.bmp"));
  EXPECT_EQ(w->imageWidth, 30);
  delete w;
}

TEST_F(MainWindowFixture, RunLengthBmpRowsKeepTheirPixelsWhenRunsCodeThePadding) {
  // 3 x 2, 8 bit: each row is one run of 4 (the last pixel is row padding),
  // of colour 1 in the bottom row and colour 2 in the top row.
  const std::string runs("\x04\x01\0\0\x04\x02\0\0\0\x01", 10);
  qgtest::writeFile("rle.bmp", bmp(3, 2, 8, 1, 0, runs, 3));
  Quillgrid* w = make();
  qgtest::ModalScript script;
  ASSERT_TRUE(w->loadImage("rle.bmp"));
  EXPECT_EQ(script.count(), 0u);
  ASSERT_EQ(w->imageWidth, 3);
  ASSERT_EQ(w->imageHeight, 2);
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(FXREDVAL(w->originalPixelArray[x]), 120) << x;     // top row, colour 2
    EXPECT_EQ(FXREDVAL(w->originalPixelArray[3 + x]), 60) << x;  // bottom row, colour 1
  }
  delete w;
}

TEST(DamagedConversionFactors, FactorsThatAreNotFiniteNumbersAreNotOffered) {
  const FXString lines[] = {"\"huge\" 1e999", "\"inf\" inf", "\"nan\" nan", "\"ok\" 2.5", "\"big\" 1e300"};
  ConversionFactor out[5];
  ASSERT_EQ(parseConversionFactors(lines, 5, out), 2);
  EXPECT_STREQ(out[0].name.text(), "ok");
  EXPECT_STREQ(out[1].name.text(), "big");
}
