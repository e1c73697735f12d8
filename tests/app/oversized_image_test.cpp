// A picture the display cannot hold is refused with the loading error, and
// the window carries on without a picture.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdint>
#include <vector>

#include "MainWindowFixture.h"

namespace {
// A 24-bit BMP file of w x h white pixels.
void writeWhiteBmp(const char* name, int w, int h) {
  const int row = (w * 3 + 3) / 4 * 4;
  const uint32_t data = (uint32_t)row * h, size = 54 + data;
  std::vector<unsigned char> f(size, 0xFF);
  auto put32 = [&](int at, uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + i] = (v >> (8 * i)) & 0xFF;
  };
  f[0] = 'B';
  f[1] = 'M';
  put32(2, size);
  put32(6, 0);
  put32(10, 54);
  put32(14, 40);
  put32(18, (uint32_t)w);
  put32(22, (uint32_t)h);
  f[26] = 1;
  f[27] = 0;
  f[28] = 24;
  f[29] = 0;
  put32(30, 0);
  put32(34, data);
  put32(38, 2835);
  put32(42, 2835);
  put32(46, 0);
  put32(50, 0);
  FILE* out = fopen(name, "wb");
  ASSERT_TRUE(out != nullptr);
  fwrite(f.data(), 1, f.size(), out);
  fclose(out);
}
}  // namespace

TEST_F(MainWindowFixture, APictureTooWideForTheDisplayIsRefused) {
  Quillgrid* w = make();
  writeWhiteBmp("wide.bmp", 40000, 1);
  writeWhiteBmp("fine.bmp", 50, 40);
  qgtest::ModalScript script;
  EXPECT_FALSE(w->loadImage("wide.bmp"));
  ASSERT_EQ(script.count(), 1u);
  EXPECT_STREQ(script.last().caption.text(), "Error Loading Image");
  EXPECT_STREQ(script.last().text.text(), "wide.bmp");
  EXPECT_EQ(w->image, nullptr);
  EXPECT_FALSE(w->buttonsEnabled);
  // The next picture loads as usual.
  EXPECT_TRUE(w->loadImage("fine.bmp"));
  EXPECT_EQ(w->imageWidth, 50);
  delete w;
}
