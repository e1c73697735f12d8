// A picture copied to the clipboard comes back from it, as PNG and as BMP,
// pixel for pixel.
#include <gtest/gtest.h>

#include "ClipboardPicture.h"

#include <FXPNGImage.h>
#include "TestHarness.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace {
// Reads the clipboard as the given type and decodes it.
bool readPicture(FXWindow* reader, FXDragType type, FXImage* decoder) {
  FXuchar* data = nullptr;
  FXuint size = 0;
  if (!reader->getDNDData(FROM_CLIPBOARD, type, data, size) || !data) return false;
  FXMemoryStream in;
  in.open(FXStreamLoad, size, data);
  const bool ok = decoder->loadPixels(in);
  in.close();
  FXFREE(&data);
  return ok;
}
}  // namespace

TEST(ClipboardPicture, ACopiedImageComesBackAsPngAndBmp) {
  QG_REQUIRE_DISPLAY();
  FXApp* app = qgtest::app();
  FXMainWindow* reader = new FXMainWindow(app, "reader", nullptr, nullptr, DECOR_ALL, 0, 0, 60, 40);
  reader->create();
  FXImage image(app, nullptr, IMAGE_KEEP | IMAGE_OWNED, 30, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) image.setPixel(x, y, FXRGB(8 * x, 12 * y, 200));
  image.create();

  ASSERT_TRUE(Utilities_lom2::copyToClipboard(app, &image));
  FXPNGImage png(app, nullptr, IMAGE_KEEP);
  ASSERT_TRUE(readPicture(reader, ClipboardPicture::pngType(app), &png));
  FXBMPImage bmp(app, nullptr, IMAGE_KEEP);
  ASSERT_TRUE(readPicture(reader, ClipboardPicture::bmpType(app), &bmp));
  for (FXImage* back : {static_cast<FXImage*>(&png), static_cast<FXImage*>(&bmp)}) {
    ASSERT_EQ(back->getWidth(), 30);
    ASSERT_EQ(back->getHeight(), 20);
    for (int y = 0; y < 20; y += 7)
      for (int x = 0; x < 30; x += 9) {
        const FXColor c = back->getPixel(x, y);
        EXPECT_EQ(FXREDVAL(c), 8 * x);
        EXPECT_EQ(FXGREENVAL(c), 12 * y);
        EXPECT_EQ(FXBLUEVAL(c), 200);
      }
  }
  // Nothing to copy is not a failure and leaves the picture there.
  EXPECT_TRUE(Utilities_lom2::copyToClipboard(app, static_cast<const FXImage*>(nullptr)));
  delete reader;
}

// A second copy while the program still owns the clipboard replaces the
// picture; taking the clipboard over from itself must not drop the new one.
TEST(ClipboardPicture, ASecondCopyReplacesTheFirst) {
  QG_REQUIRE_DISPLAY();
  FXApp* app = qgtest::app();
  FXMainWindow* reader = new FXMainWindow(app, "reader", nullptr, nullptr, DECOR_ALL, 0, 0, 60, 40);
  reader->create();
  for (FXColor colour : {FXRGB(10, 20, 30), FXRGB(40, 50, 60)}) {
    FXImage image(app, nullptr, IMAGE_KEEP | IMAGE_OWNED, 4, 3);
    image.fill(colour);
    image.create();
    image.render();
    ASSERT_TRUE(Utilities_lom2::copyToClipboard(app, &image));
    FXPNGImage png(app, nullptr, IMAGE_KEEP);
    ASSERT_TRUE(readPicture(reader, ClipboardPicture::pngType(app), &png));
    EXPECT_EQ(png.getPixel(2, 1) | FXRGBA(0, 0, 0, 255), colour);
  }
  delete reader;
}
