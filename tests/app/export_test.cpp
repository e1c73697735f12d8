// Picture export: the half-size copy, the information box drawn into the
// shown image, and the BMP written for the current tab.
#include <string>
#include <vector>

#include "DataPlot.h"
#include "Globals.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

namespace {

TEST(ExportText, InformationTextIsPaddedByTheRotationLabel) {
  const FXString label = "rotation = 0.000 deg.";
  const FXString blanks = Quillgrid::infoPadding(0, label);
  EXPECT_EQ(blanks.length(), label.length());
  EXPECT_EQ(blanks.find_first_not_of(' '), -1);
  EXPECT_STREQ(Quillgrid::infoPadding(-1500, "rotation = -1.500 deg.").text(), "rotation = -1.500 deg.");
  EXPECT_STREQ(Quillgrid::infoText("0", "10", "1", "1000", "pad").text(),
               "x (min/max) = 0/10; y (min/max) = 1/1000 pad");
}

class ExportTest : public MainWindowFixture {
protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
  }
  void TearDown() override {
    delete w;
    delete shown;
  }
  // A created picture in the image view, filled with one colour.
  void showImage(int width, int height, FXColor fill) {
    shown = new FXImage(qgtest::app(), nullptr, IMAGE_KEEP | IMAGE_OWNED, width, height);
    shown->create();
    FXDCWindow dc(shown);
    dc.setForeground(fill);
    dc.fillRectangle(0, 0, width, height);
    w->imageView->setImage(shown);
  }
  long writeFile(const char* name) {
    w->saveFileName = name;
    return w->handle(nullptr, FXSEL(SEL_TIMEOUT, Quillgrid::ID_WRITE_PLOT_FILE_TIMER), nullptr);
  }
  // The BMP read back; null when there is none.
  static FXBMPImage* readBMP(const char* name) {
    FXFileStream in;
    if (!in.open(name, FXStreamLoad, 8192)) return nullptr;
    FXBMPImage* bmp = new FXBMPImage(qgtest::app(), nullptr, IMAGE_KEEP);
    if (!bmp->loadPixels(in)) {
      delete bmp;
      return nullptr;
    }
    return bmp;
  }
  static bool isWhite(FXColor c) { return FXREDVAL(c) == 255 && FXGREENVAL(c) == 255 && FXBLUEVAL(c) == 255; }
  // Text drawn in green over the white box: full green, red below white.
  static bool isText(FXColor c) { return FXGREENVAL(c) > 200 && FXREDVAL(c) < 200; }

  Quillgrid* w = nullptr;
  FXImage* shown = nullptr;
};

TEST_F(ExportTest, HalfSizeCopyAveragesTheNeighboursInsideThePicture) {
  FXColor pixels[15];
  for (int i = 0; i < 15; ++i) pixels[i] = FXRGB(10 * i, 255 - 10 * i, 3 * i);
  FXImage source(qgtest::app(), pixels, IMAGE_KEEP, 5, 3);
  source.create();
  FXImage* half = Quillgrid::makeHalfSizeImage(qgtest::app(), &source);
  ASSERT_NE(half, nullptr);
  EXPECT_EQ(half->getWidth(), 2);
  EXPECT_EQ(half->getHeight(), 1);
  ASSERT_NE(half->getData(), nullptr);
  // (0, 0) from the source pixels 0, 5 (below) and 1 (right).
  const FXColor p = half->getPixel(0, 0);
  EXPECT_EQ(FXREDVAL(p), (0 + 50 + 10) / 3);
  EXPECT_EQ(FXGREENVAL(p), (255 + 205 + 245) / 3);
  EXPECT_EQ(FXBLUEVAL(p), (0 + 15 + 3) / 3);
  // (1, 0) from pixels 2, 7, 3 and 1.
  EXPECT_EQ(FXREDVAL(half->getPixel(1, 0)), (20 + 70 + 30 + 10) / 4);
  delete half;

  FXImage tiny(qgtest::app(), pixels, IMAGE_KEEP, 1, 3);
  EXPECT_EQ(Quillgrid::makeHalfSizeImage(qgtest::app(), &tiny), nullptr);
}

TEST_F(ExportTest, ImageTabWritesTheShownImageAsBMP) {
  showImage(40, 30, FXRGB(200, 10, 10));
  {
    FXDCWindow dc(shown);
    dc.setForeground(FXRGB(0, 0, 255));
    dc.fillRectangle(5, 7, 3, 2);
  }
  qgtest::ModalScript script;
  EXPECT_EQ(writeFile("picture.png"), 1);
  FXBMPImage* bmp = readBMP("picture.png");  // BMP whatever the name
  ASSERT_NE(bmp, nullptr);
  EXPECT_EQ(bmp->getWidth(), 40);
  EXPECT_EQ(bmp->getHeight(), 30);
  EXPECT_EQ(FXBLUEVAL(bmp->getPixel(6, 8)), 255u);
  EXPECT_EQ(FXREDVAL(bmp->getPixel(0, 0)), 200u);
  EXPECT_EQ(FXREDVAL(bmp->getPixel(39, 29)), 200u);
  delete bmp;
  EXPECT_EQ(script.count(), 0u);

  // The full-size and half-size copies report no error either.
  w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_COPY_PLOT_TO_CLIPBOARD), nullptr);
  w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_COPY_PLOT_TO_CLIPBOARD_HALF), nullptr);
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(ExportTest, ExportKeepsTheWorkingPicturesOwnPixelsFreeOfMarks) {
  // A loaded white picture with a red mark and the information box drawn
  // on the display: both are exported, while the pixels the point searches
  // read stay the clean picture.
  std::vector<FXColor> white(60 * 40, FXRGB(255, 255, 255));
  {
    FXFileStream s;
    ASSERT_TRUE(s.open("white.bmp", FXStreamSave));
    fxsaveBMP(s, white.data(), 60, 40);
  }
  ASSERT_TRUE(w->loadImage("white.bmp"));
  w->plotPointOnImage(30 + w->extraPixels[0], 30 + w->extraPixels[1], FXRGB(255, 0, 0), 2, 5, false, w->image);
  w->includeRotationOnImage_Chk->setCheck(TRUE);
  w->dataPointColorIndex = 1;
  qgtest::ModalScript script;
  for (int id : {Quillgrid::ID_COPY_PLOT_TO_CLIPBOARD, Quillgrid::ID_COPY_PLOT_TO_CLIPBOARD_HALF})
    w->handle(nullptr, FXSEL(SEL_COMMAND, id), nullptr);
  writeFile("marked.bmp");
  EXPECT_EQ(script.count(), 0u);

  FXBMPImage* bmp = readBMP("marked.bmp");
  ASSERT_NE(bmp, nullptr);
  EXPECT_EQ(FXGREENVAL(bmp->getPixel(30, 30)), 0u);  // the mark is in the file
  delete bmp;
  int notWhite = 0;
  for (FXColor c : std::vector<FXColor>(w->image->getData(), w->image->getData() + 60 * 40)) notWhite += !isWhite(c);
  EXPECT_EQ(notWhite, 0);
  FXColor c = 0;
  ASSERT_TRUE(w->imagePixelAt(30 + w->extraPixels[0], 30 + w->extraPixels[1], &c));
  EXPECT_TRUE(isWhite(c));
}

TEST_F(ExportTest, InformationBoxIsCentredWithItsTextOverTheBlankPadding) {
  const int W = 600;
  for (int angle : {0, 2500}) {
    showImage(W, 60, FXRGB(0, 0, 0));
    w->includeRotationOnImage_Chk->setCheck(TRUE);
    w->axisDataPoints_TBL[0]->setItemText(0, 0, "0");
    w->axisDataPoints_TBL[0]->setItemText(1, 0, "10");
    w->axisDataPoints_TBL[1]->setItemText(0, 0, "1");
    w->axisDataPoints_TBL[1]->setItemText(1, 0, "1000");
    w->rotationAngle = angle;
    w->rotation_Lbl->setText(angle ? "rotation = 2.500 deg." : "rotation = 0.000 deg.");
    w->dataPointColorIndex = 1;  // green
    writeFile("info.bmp");
    FXBMPImage* bmp = readBMP("info.bmp");
    ASSERT_NE(bmp, nullptr);
    const int th = qgtest::app()->getNormalFont()->getFontHeight();
    int boxLeft = -1, boxRight = -1, textLeft = -1, textRight = -1;
    for (int x = 0; x < W; ++x) {
      if (isWhite(bmp->getPixel(x, th / 4 + 1))) {
        if (boxLeft < 0) boxLeft = x;
        boxRight = x;
      }
      for (int y = th / 4; y < th / 4 + th; ++y)
        if (isText(bmp->getPixel(x, y))) {
          if (textLeft < 0) textLeft = x;
          textRight = x;
        }
    }
    delete bmp;
    ASSERT_GE(textLeft, 0) << angle;
    EXPECT_NEAR((boxLeft + boxRight) / 2.0, W / 2.0, 3) << angle;
    if (angle == 0) {
      // The blanks follow the text: shifted by half of them it is centred.
      EXPECT_NEAR((textLeft + textRight) / 2.0, W / 2.0, 6);
    } else {
      // The label's text itself pads it: the text fills the box.
      EXPECT_NEAR(textLeft, boxLeft + 5, 3);
      EXPECT_NEAR(textRight, boxRight - 5, 6);
    }
    w->imageView->setImage(nullptr);
    delete shown;
    shown = nullptr;
  }
}

TEST_F(ExportTest, FittingTabWritesTheMainPlotAndOtherTabsNothing) {
  w->tabBook->setCurrent(3, FALSE);
  qgtest::runFor(100);
  w->fitPlot->blank(w->fitPlotCanvas);
  ASSERT_NE(w->fitPlot->getImage(), nullptr);
  qgtest::ModalScript script;
  writeFile("plot.bmp");
  FXBMPImage* bmp = readBMP("plot.bmp");
  ASSERT_NE(bmp, nullptr);
  EXPECT_EQ(bmp->getWidth(), w->fitPlot->getImage()->getWidth());
  EXPECT_EQ(bmp->getHeight(), w->fitPlot->getImage()->getHeight());
  delete bmp;

  // Saving while the Xy Values tab is current writes and shows nothing,
  // even with a picture in the image view.
  showImage(20, 20, FXRGB(1, 2, 3));
  w->tabBook->setCurrent(1, FALSE);
  writeFile("xy.bmp");
  EXPECT_FALSE(qgtest::fileExists("xy.bmp"));
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(ExportTest, FileThatCannotBeWrittenIsReported) {
  showImage(8, 8, FXRGB(9, 9, 9));
  qgtest::ModalScript script;
  writeFile("no-such-dir/plot.bmp");
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
  EXPECT_EQ(script.last().buttons, (FXuint)MBOX_OK);
  EXPECT_STREQ(script.last().caption.text(), "File error");
  EXPECT_STREQ(script.last().text.text(), "File \"no-such-dir/plot.bmp\" could not be written, try a different name.");

  // Without a picture nothing happens.
  w->imageView->setImage(nullptr);
  writeFile("no-such-dir/plot.bmp");
  EXPECT_EQ(script.count(), 1u);
}

}  // namespace
