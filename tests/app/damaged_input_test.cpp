// Damaged input: image files are refused with the loading error before the
// toolkit's decoders can write past their buffers or loop on them, a
// run-length BMP is decoded by the program itself, and a conversion factor
// that is not a finite number is not offered.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DamagedImages.h"
#include "ImageFileRules.h"
#include "MainWindowFixture.h"
#include "MenuRules.h"
#include "fox16.h"

using namespace FX;

using namespace damagedimages;

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

TEST(DamagedImageFile, EveryDamageTheDecodersCannotTakeIsRefusedByTheChecks) {
  for (const File& f : filesTheDecodersCannotTake()) {
    const FXString ext = FXPath::extension(f.name);
    if (ext == "bmp") {
      // A run-length BMP is decoded by the program, whatever its header
      // size says, and its runs past their row refuse it there.
      EXPECT_TRUE(ImageRules::isRunLengthBmp((const unsigned char*)f.bytes.data(), f.bytes.size())) << f.name;
      std::vector<FXColor> px;
      int w = 0, h = 0;
      EXPECT_FALSE(
          ImageRules::decodeRunLengthBmp((const unsigned char*)f.bytes.data(), f.bytes.size(), &px, &w, &h))
          << f.name;
      continue;
    }
    EXPECT_FALSE(decodable(f.bytes, ext.text())) << f.name;
  }
}

TEST_F(MainWindowFixture, DamagedImageFilesAreRefusedWithTheLoadingErrorAndTheWindowCarriesOn) {
  Quillgrid* w = make();
  const std::string sound = rgb24(30, 20);
  std::vector<File> cases = filesTheDecodersCannotTake();
  const std::vector<File> more = {
      {"huge.bmp", bmp(100000, 100000, 24, 0, 0, std::string(64, '\0'))},
      {"table.bmp", bmp(4, 4, 8, 0, 100000, std::string(1024, '\0'))},
      {"runs.bmp", bmp(4, 4, 8, 1, 0, std::string("\xff\1", 2))},  // ends before the picture does
      {"chunk.png", png(0x30004)},
      {"truncated.bmp", sound.substr(0, sound.size() / 2)},
      {"empty.gif", ""},
      {"bmp-named.png", sound},
  };
  cases.insert(cases.end(), more.begin(), more.end());
  for (const File& f : cases) {
    qgtest::writeFile(f.name, f.bytes);
    qgtest::ModalScript script;
    EXPECT_FALSE(w->loadImage(f.name)) << f.name;
    ASSERT_EQ(script.count(), 1u) << f.name;
    EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX) << f.name;
    EXPECT_STREQ(script.last().caption.text(), "Error Loading Image") << f.name;
    EXPECT_STREQ(script.last().text.text(), f.name) << f.name;
    EXPECT_EQ(w->image, nullptr) << f.name;
    EXPECT_EQ(w->cleanImage, nullptr) << f.name;
    EXPECT_FALSE(w->buttonsEnabled) << f.name;
  }
  // The window carries on: a sound picture loads.
  qgtest::writeFile("sound.bmp", sound);
  EXPECT_TRUE(w->loadImage("sound.bmp"));
  EXPECT_EQ(w->imageWidth, 30);
  EXPECT_TRUE(w->buttonsEnabled);
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

TEST(DamagedImageFile, RunLengthBmpWithAnyHeaderSizeIsDecodedByTheProgram) {
  // 3 x 2, 8 bit, header size 0: the toolkit's decoder reads the 40-byte
  // header anyway and looks for the colour table at the header size's
  // offset, 14, so colour 1 is the bytes of the width field (3, 0, 0) and
  // colour 2 those of the height (2, 0, 0), read as blue, green, red.
  const std::string runs("\x04\x01\0\0\x04\x02\0\0\0\x01", 10);
  const std::string f = bmp(3, 2, 8, 1, 0, runs, 0, 0);
  const unsigned char* b = (const unsigned char*)f.data();
  ASSERT_TRUE(ImageRules::isRunLengthBmp(b, f.size()));
  std::vector<FXColor> px;
  int w = 0, h = 0;
  ASSERT_TRUE(ImageRules::decodeRunLengthBmp(b, f.size(), &px, &w, &h));
  ASSERT_EQ(w * h, 6);
  for (int x = 0; x < 3; ++x) {
    EXPECT_EQ(px[x], FXRGB(0, 0, 2)) << x;      // top row, colour 2
    EXPECT_EQ(px[3 + x], FXRGB(0, 0, 3)) << x;  // bottom row, colour 1
  }
  // A run into the row padding is sound; one beyond it is not.
  std::string far = bmp(3, 2, 8, 1, 0, std::string("\x05\x01\0\0\x04\x02\0\0\0\x01", 10), 3);
  EXPECT_FALSE(ImageRules::decodeRunLengthBmp((const unsigned char*)far.data(), far.size(), &px, &w, &h));
}

TEST(DamagedConversionFactors, FactorsThatAreNotFiniteNumbersAreNotOffered) {
  const FXString lines[] = {"\"huge\" 1e999", "\"inf\" inf", "\"nan\" nan", "\"ok\" 2.5", "\"big\" 1e300"};
  ConversionFactor out[5];
  ASSERT_EQ(parseConversionFactors(lines, 5, out), 2);
  EXPECT_STREQ(out[0].name.text(), "ok");
  EXPECT_STREQ(out[1].name.text(), "big");
}
