// The working picture: loading image files by extension, the error boxes,
// point marks read back from the shown picture, erasing them from the
// redraw log, the user line, the extended cursor, the alignment lines and
// the fine, quarter and half turns, the fast upload of a picture, and the
// extended cross-hair following the pointer.
#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include <fx.h>
#include <FXBMPImage.h>
#include <FXGIFImage.h>
#include <FXPNGImage.h>

#include "Globals.h"
#include "ImageRules.h"
#include "MainWindowFixture.h"
#include "MenuButtonWin10Style.h"
#include "MenuRules.h"
#include "PickedGraphFixture.h"
#include "PixelUpload.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

namespace {
const FXColor WHITE = argb(0xFFFFFFFF);
const FXColor BLACK = argb(0xFF000000);
const FXColor RED = argb(0xFFFF0000);
const FXColor BLUE = argb(0xFF0000FF);

typedef std::function<FXColor(int, int)> Painter;

FXColor white(int, int) { return WHITE; }

// The colour without its alpha: pictures read back from the display, and
// some decoders, leave the alpha byte 0, and the view ignores it.
FXColor opaque(FXColor c) { return FXRGB(FXREDVAL(c), FXGREENVAL(c), FXBLUEVAL(c)); }

// What the display holds for an image, opaque; the image's own pixel
// buffer is left as it was.
std::vector<FXColor> displayed(FXImage* img) {
  const size_t n = (size_t)img->getWidth() * img->getHeight();
  const std::vector<FXColor> kept(img->getData(), img->getData() + n);
  img->restore();
  std::vector<FXColor> out(n);
  for (size_t k = 0; k < n; ++k) out[k] = opaque(img->getData()[k]);
  std::copy(kept.begin(), kept.end(), img->getData());
  return out;
}

class WorkingImageTest : public MainWindowFixture {
protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
    // The mark colours from their radios, as the settings step applies them.
    w->setDataPointColor();
    w->setReferencePointColor();
  }
  void TearDown() override { delete w; }

  // Writes a picture in the format its extension names (any case).
  std::string writeImage(const std::string& name, int width, int height, const Painter& paint = white) {
    std::vector<FXColor> px((size_t)width * height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) px[x + (size_t)width * y] = paint(x, y);
    const std::string path = dir.path() + "/" + name;
    FXFileStream s;
    EXPECT_TRUE(s.open(path.c_str(), FXStreamSave));
    const FXString ext = FXPath::extension(path.c_str()).lower();
    if (ext == "gif")
      fxsaveGIF(s, px.data(), width, height);
    else if (ext == "bmp")
      fxsaveBMP(s, px.data(), width, height);
    else
      fxsavePNG(s, px.data(), width, height);
    s.close();
    return path;
  }
  void load(int width, int height, const Painter& paint = white) {
    ASSERT_TRUE(w->loadImage(writeImage("picture.png", width, height, paint).c_str()));
  }
  // What the view shows: the picture read back from the display. The
  // picture's own pixel buffer (the clean copy the program erases marks
  // from, while a fine rotation is in force) is left as it was.
  std::vector<FXColor> screen() { return displayed(w->image); }
  FXColor shown(int x, int y) { return screen()[x + (size_t)w->image->getWidth() * y]; }
  int countShown(FXColor c) {
    const std::vector<FXColor> px = screen();
    return (int)std::count(px.begin(), px.end(), c);
  }
  // A mark at an image pixel (the mark takes main-window positions).
  void mark(int px, int py, FXColor c, int t, int L, bool highlight = false) {
    w->plotPointOnImage(px + w->extraPixels[0], py + w->extraPixels[1], c, t, L, highlight, w->image);
  }
  long command(FXObject* sender, FXSelector id) { return w->handle(sender, FXSEL(SEL_COMMAND, id), nullptr); }
  std::string label() { return w->rotation_Lbl->getText().text(); }

  Quillgrid* w = nullptr;
};
}  // namespace

TEST_F(WorkingImageTest, LoadsEachWrittenFormatByExtensionInAnyCase) {
  const char* names[] = {"a.png", "b.PNG", "c.gif", "d.Bmp"};
  auto paint = [](int x, int y) { return x == 7 && y == 3 ? RED : (x + y) % 2 ? BLACK : WHITE; };
  for (const char* name : names) {
    const std::string path = writeImage(name, 21, 13, paint);
    ASSERT_TRUE(w->loadImage(path.c_str())) << name;
    ASSERT_NE(w->image, nullptr);
    ASSERT_NE(w->cleanImage, nullptr);
    EXPECT_EQ(w->imageWidth, 21);
    EXPECT_EQ(w->imageHeight, 13);
    EXPECT_EQ(w->imageView->getImage(), w->image);
    EXPECT_EQ(w->imageView->getDefaultWidth(), 21);
    EXPECT_EQ(w->imageView->getDefaultHeight(), 13);
    EXPECT_EQ(w->redrawCapacity, 21 * 13);
    for (int y = 0; y < 13; ++y)
      for (int x = 0; x < 21; ++x)
        ASSERT_EQ(opaque(w->originalPixelArray[x + 21 * y]), paint(x, y)) << name << " " << x << "," << y;
    EXPECT_EQ(shown(7, 3), RED);
    EXPECT_TRUE(w->buttonsEnabled && w->resetAll_Btn->isEnabled() && w->rotate180_TB->isEnabled());
    EXPECT_EQ(w->rotationCentre[0], 0);
    EXPECT_EQ(w->rotationCentre[1], 12);
    EXPECT_EQ(label(), "rotation = 0.000 deg.");
    EXPECT_EQ(std::string(w->getTitle().text()), std::string(Quillgrid::getBasicTitle(path.c_str()).text()));
    EXPECT_EQ(std::string(w->recentFiles[0][0].text()), path);
  }
}

TEST_F(WorkingImageTest, FailedLoadsReportAndLeaveNoPicture) {
  load(20, 20);
  writeImage("photo.jpg", 20, 20);
  qgtest::writeFile("broken.png", "not a picture at all");
  const struct {
    std::string file, caption, text;
  } cases[] = {
      {"photo.jpg", "Error Loading Image", "Unsupported type: jpg"},
      {"gone.png", "File not found", dir.path() + "/gone.png"},
      {"broken.png", "Error Loading Image", dir.path() + "/broken.png"},
  };
  for (const auto& c : cases) {
    load(20, 20);
    qgtest::ModalScript script;
    EXPECT_FALSE(w->loadImage((dir.path() + "/" + c.file).c_str())) << c.file;
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
    EXPECT_EQ(script.last().buttons, (FXuint)MBOX_OK);
    EXPECT_EQ(std::string(script.last().caption.text()), c.caption);
    EXPECT_EQ(std::string(script.last().text.text()), c.text);
    // The previous picture is gone and nothing counts as loaded.
    EXPECT_EQ(w->image, nullptr);
    EXPECT_EQ(w->cleanImage, nullptr);
    EXPECT_EQ(w->imageView->getImage(), nullptr);
    EXPECT_EQ(w->originalPixelArray, nullptr);
    EXPECT_FALSE(w->buttonsEnabled || w->resetAll_Btn->isEnabled());
    // Without a picture the marks and turns do nothing.
    w->drawExtendedCursor(5, 5);
    EXPECT_EQ(command(nullptr, Quillgrid::ID_ROTATE_90_CW), 1);
    EXPECT_EQ(command(nullptr, Quillgrid::ID_ROTATE_CW_COARSE), 1);
    EXPECT_EQ(w->rotationAngle, 0);
  }
}

TEST_F(WorkingImageTest, MarksAreDrawnLoggedAndErased) {
  load(40, 30);
  const FXColor green = argb(0xFF00FF00);
  mark(10, 10, green, 1, 9);
  EXPECT_EQ(w->redrawCounter, 18);  // both bars; the centre is logged twice
  EXPECT_EQ(shown(10, 10), green);
  EXPECT_EQ(shown(14, 10), green);
  EXPECT_EQ(shown(10, 6), green);
  EXPECT_EQ(shown(15, 10), WHITE);
  EXPECT_EQ(shown(11, 11), WHITE);
  EXPECT_EQ(countShown(green), 17);

  // A plain mark within two pixels of an edge is left out whole.
  mark(2, 10, RED, 3, 15);
  mark(20, 28, RED, 3, 15);
  EXPECT_EQ(w->redrawCounter, 18);
  EXPECT_EQ(countShown(RED), 0);

  // A highlight near the corner is clipped and never touches row or column 0.
  mark(1, 1, BLUE, 1, 9, true);
  EXPECT_GT(countShown(BLUE), 0);
  EXPECT_GT(countShown(BLACK), 0);  // the dark rim
  for (int k = 0; k < 40; ++k) ASSERT_EQ(shown(k, 0), WHITE) << k;
  for (int k = 0; k < 30; ++k) ASSERT_EQ(shown(0, k), WHITE) << k;

  // "Reset image" restores the picture as loaded.
  EXPECT_EQ(command(w->resetImage_Btn, Quillgrid::ID_RESET_IMAGE), 1);
  EXPECT_EQ(w->redrawCounter, 0);
  EXPECT_EQ(countShown(WHITE), 40 * 30);
}

TEST_F(WorkingImageTest, ReferenceAndTablePointsAreRedrawn) {
  load(60, 50);
  const int ex = w->extraPixels[0], ey = w->extraPixels[1];
  // The origin and the X far point; the Y far point is not picked yet.
  w->axisDataPoints_TBL[0]->setItemText(0, 1, FXStringVal(10 + ex));
  w->axisDataPoints_TBL[0]->setItemText(0, 2, FXStringVal(40 + ey));
  w->axisDataPoints_TBL[0]->setItemText(1, 1, FXStringVal(50 + ex));
  w->axisDataPoints_TBL[0]->setItemText(1, 2, FXStringVal(40 + ey));
  w->curveData_TBL->setItemText(0, 3, FXStringVal(20 + ex));
  w->curveData_TBL->setItemText(0, 4, FXStringFormat("%.4f", 25.75 + ey));
  w->curveData_TBL->setItemText(1, 3, FXStringVal(30 + ex));
  w->curveData_TBL->setItemText(1, 4, FXStringVal(20 + ey));
  w->curveData_TBL->setItemText(3, 3, FXStringVal(45 + ex));  // after the first gap: not drawn
  w->curveData_TBL->setItemText(3, 4, FXStringVal(10 + ey));

  w->resetImageAndDrawPoints();
  const FXColor ref = w->referencePointColor, data = w->dataPointColor;
  ASSERT_EQ(ref, data);  // both green by default
  EXPECT_EQ(shown(10, 47), ref);  // reference arms reach 7 pixels
  EXPECT_EQ(shown(57, 40), ref);
  EXPECT_EQ(shown(11, 41), ref);  // three pixels thick
  EXPECT_EQ(shown(24, 25), data);  // the y value's integer part
  EXPECT_EQ(shown(30, 16), data);
  EXPECT_EQ(shown(45, 10), WHITE);
  // 2 reference marks of 3 x 15 twice, 2 data marks of 9 twice.
  EXPECT_EQ(w->redrawCounter, 2 * 90 + 2 * 18);

  // A new data colour erases the marks and draws them again in it.
  command(w->dataPointColor_RB[2], Quillgrid::ID_DATA_POINT_COLOR);
  EXPECT_EQ(shown(24, 25), BLUE);
  EXPECT_EQ(shown(10, 47), BLUE);  // the same-colour option is on
  EXPECT_EQ(countShown(argb(0xFF00FF00)), 0);
}

TEST_F(WorkingImageTest, ErasingAfterTheLogWrapsRestoresOnlyTheNewEntries) {
  load(10, 10);
  ASSERT_EQ(w->redrawCapacity, 100);
  const FXColor green = argb(0xFF00FF00);
  mark(4, 4, BLUE, 1, 5);  // entries 0..9
  for (int k = 0; k < 8; ++k) mark(5, 5, RED, 1, 5);  // entries 10..89
  mark(6, 6, green, 1, 5);  // entries 90..98, then the log restarts with its last pixel
  EXPECT_EQ(w->redrawCounter, 1);
  w->resetImage(false, w->image);
  EXPECT_EQ(w->redrawCounter, 0);
  EXPECT_EQ(shown(6, 8), WHITE);  // the one entry since the wrap
  EXPECT_EQ(shown(6, 7), green);
  EXPECT_EQ(shown(3, 5), RED);
  EXPECT_EQ(shown(2, 4), BLUE);
}

TEST_F(WorkingImageTest, LineExtendedCursorAndAlignmentLines) {
  load(30, 20);
  const FXColor ref = w->referencePointColor;
  w->lineX[0] = w->lineX[1] = 5;
  w->lineY[0] = w->lineY[1] = 5;
  w->drawLineOnImage(w->image);
  EXPECT_EQ(countShown(WHITE), 600);  // coinciding points draw nothing
  w->lineX[0] = 2;
  w->lineX[1] = 8;
  w->lineY[0] = w->lineY[1] = 3;
  w->drawLineOnImage(w->image);
  EXPECT_EQ(countShown(ref), 6);  // the end point itself is not drawn
  EXPECT_EQ(shown(2, 3), ref);
  EXPECT_EQ(shown(7, 3), ref);
  EXPECT_EQ(w->redrawCounter, 0);  // the line is not logged

  // The cross-hair is drawn over a clean copy: the line is gone.
  w->drawExtendedCursor(11, 7);
  EXPECT_EQ(countShown(w->dataPointColor), 30 + 20 - 1);
  EXPECT_EQ(shown(11, 0), w->dataPointColor);
  EXPECT_EQ(shown(29, 7), w->dataPointColor);
  EXPECT_EQ(shown(2, 3), WHITE);
  w->drawExtendedCursor(-1, -1);
  EXPECT_EQ(countShown(WHITE), 600);

  // A new picture's centre (0, h - 1) shows no alignment lines.
  {
    FXDCWindow dc(w->image);
    w->drawAlignmentLines(&dc);
  }
  EXPECT_EQ(countShown(WHITE), 600);
  w->rotationCentre[0] = 12;
  w->rotationCentre[1] = 4;
  {
    FXDCWindow dc(w->image);
    w->drawAlignmentLines(&dc);
  }
  EXPECT_EQ(countShown(w->dataPointColor), 30 + 20 - 1);
  EXPECT_EQ(shown(12, 19), w->dataPointColor);
  EXPECT_EQ(shown(0, 4), w->dataPointColor);
}

TEST_F(WorkingImageTest, FineRotationTurnsAboutTheCentre) {
  load(41, 41, [](int x, int y) { return x == 30 && y == 20 ? BLACK : WHITE; });
  w->rotationCentre[0] = w->rotationCentre[1] = 20;
  w->rotateImage(90000, w->image);  // a quarter turn clockwise on screen
  ASSERT_EQ(w->image->getData(), w->rotatedPixelArray);
  EXPECT_EQ(w->image->getPixel(20, 30), BLACK);
  EXPECT_EQ(w->image->getPixel(30, 20), WHITE);
  EXPECT_EQ(w->originalPixelArray[30 + 41 * 20], BLACK);  // the source stays as loaded
  // The alignment lines through the centre are drawn on the shown picture.
  EXPECT_EQ(shown(20, 0), w->dataPointColor);
  EXPECT_EQ(shown(0, 20), w->dataPointColor);
  EXPECT_EQ(shown(5, 5), WHITE);
  // While the turn is in force, erasing a mark brings back the turned
  // picture, not the picture as loaded.
  w->rotationAngle = 90000;
  mark(20, 30, RED, 1, 9);
  EXPECT_EQ(shown(22, 30), RED);
  w->resetImage(false, w->image);
  EXPECT_EQ(shown(20, 30), BLACK);
  EXPECT_EQ(shown(22, 30), WHITE);
  w->rotationAngle = 0;

  // Four fine clicks of 0.025 degree, clockwise.
  for (int k = 0; k < 4; ++k) EXPECT_EQ(command(w->rotateCwFine_TB, Quillgrid::ID_ROTATE_CW_FINE), 1);
  EXPECT_EQ(w->rotationAngle, 100);
  EXPECT_EQ(label(), "rotation = 0.100 deg.");
  command(w->rotateCcw_TB, Quillgrid::ID_ROTATE_CCW_COARSE);
  command(w->rotateCcw_TB, Quillgrid::ID_ROTATE_CCW_COARSE);
  EXPECT_EQ(label(), "rotation = -0.100 deg.");
  command(w->rotateCw_TB, Quillgrid::ID_ROTATE_CW_COARSE);
  EXPECT_EQ(w->rotationAngle, 0);
}

TEST_F(WorkingImageTest, FineRotationFillsTheUncoveredCornersWithTheBackgroundNotTheCurveColour) {
  // A white plot whose curve (row 200, columns 50 to 350) is drawn in the
  // data-point colour, which is also the colour searched for.
  const int W = 400, H = 300;
  const FXColor curve = w->dataPointColor;
  load(W, H, [&](int x, int y) { return y == 200 && x >= 50 && x <= 350 ? opaque(curve) : WHITE; });
  w->curve_color->setBackColor(curve);
  w->getPlotRGBColors();
  w->lineThickness_TF->setText("10");
  w->checkLineWidth();
  w->rotationCentre[0] = 200;
  w->rotationCentre[1] = 150;
  for (int k = 0; k < 50; ++k) command(w->rotateCw_TB, Quillgrid::ID_ROTATE_CW_COARSE);  // 5 degrees
  ASSERT_EQ(w->rotationAngle, 5000);
  ASSERT_EQ(w->image->getData(), w->rotatedPixelArray);
  const FXColor* px = w->image->getData();
  // The four corners turned in from outside the picture: white, as the
  // picture's border, and nothing but the turned curve has its colour.
  for (int c : {0, W - 1, (H - 1) * W, H * W - 1}) EXPECT_EQ(opaque(px[c]), WHITE) << c;
  EXPECT_LT(std::count_if(px, px + W * H, [&](FXColor c) { return opaque(c) == opaque(curve); }), 320);

  // A scan down from inside the top right corner (rows 0 to 16 at the
  // right edge; the scan steps back 4 rows and would find rows 10 to 16)
  // finds nothing there.
  const int ex = w->extraPixels[0], ey = w->extraPixels[1];
  w->searchDirection = 1;  // Down
  int sx = ex + W - 1, sy = ey + 14;
  double yd = 0;
  EXPECT_FALSE(w->get_mid_px(ey + 14, ey + 34, &sx, &sy, &yd)) << "found a run at row " << sy - ey;

  // The whole-picture trace finds the curve in every column it crosses and
  // nowhere else: a corner at the bottom of a column would have ended that
  // column's scan.
  w->searchDirection = 0;  // Up
  w->fullAuto();
  const double theta = 5.0 * M_PI / 180.0;
  std::vector<int> columns;
  for (int r = 0; r < w->curveData_TBL->getNumRows() && !w->curveData_TBL->isEmpty(r, 3); ++r) {
    const int x = w->curveData_TBL->toInt(r, 3) - ex, y = w->curveData_TBL->toInt(r, 4) - ey;
    // Where the turned curve crosses column x.
    const double expected = 150 + (50 + (x - 200) * std::sin(theta)) / std::cos(theta);
    EXPECT_NEAR(y, expected, 1.5) << "column " << x;
    columns.push_back(x);
  }
  for (int x = 48; x <= 343; ++x) EXPECT_TRUE(std::count(columns.begin(), columns.end(), x) == 1) << "column " << x;
}

TEST_F(WorkingImageTest, RotationResetsTheAxisStepUnlessTheOriginWasJustTaken) {
  load(30, 30);
  w->curveData_TBL->setItemText(0, 3, "5");
  w->setAxisDataType(4);
  command(nullptr, Quillgrid::ID_ROTATE_CW_FINE);
  EXPECT_TRUE(w->axisDataType_RB[0]->getCheck());
  EXPECT_EQ(w->nextAxisDataType, 0);
  EXPECT_TRUE(w->curveData_TBL->isEmpty(0, 3));
  EXPECT_EQ(w->curveData_TBL->getItemStipple(0, 0), STIPPLE_CROSSDIAG);

  w->setAxisDataType(1);
  w->nextAxisDataType = 1;
  command(nullptr, Quillgrid::ID_ROTATE_CW_FINE);
  EXPECT_TRUE(w->axisDataType_RB[1]->getCheck());
  EXPECT_EQ(w->nextAxisDataType, 1);
}

TEST_F(WorkingImageTest, QuarterAndHalfTurns) {
  auto paint = [](int x, int y) { return x == 25 && y == 3 ? BLACK : WHITE; };
  load(30, 20, paint);
  command(nullptr, Quillgrid::ID_ROTATE_CW_FINE);
  ASSERT_EQ(w->rotationAngle, 25);

  EXPECT_EQ(command(w->rotate90Cw_TB, Quillgrid::ID_ROTATE_90_CW), 1);
  EXPECT_EQ(w->imageWidth, 20);
  EXPECT_EQ(w->imageHeight, 30);
  EXPECT_EQ(w->imageView->getDefaultWidth(), 20);  // the old height
  EXPECT_EQ(w->imageView->getDefaultHeight(), 30);
  EXPECT_EQ(w->imageView->getImage(), w->image);
  EXPECT_EQ(w->rotationAngle, 0);
  EXPECT_EQ(w->rotationCentre[1], 29);
  EXPECT_EQ(label(), "rotation = 90.000 deg.");
  EXPECT_EQ(w->originalPixelArray[16 + 20 * 25], BLACK);  // (x, y) -> (h - 1 - y, x)
  EXPECT_EQ(shown(16, 25), BLACK);
  EXPECT_EQ(countShown(BLACK), 1);  // the display shows the turned picture, not an empty one

  command(nullptr, Quillgrid::ID_ROTATE_90_CW);
  EXPECT_EQ(label(), "rotation = 180.000 deg.");
  EXPECT_EQ(w->originalPixelArray[(30 - 1 - 25) + 30 * (20 - 1 - 3)], BLACK);
  command(nullptr, Quillgrid::ID_ROTATE_90_CW);
  command(nullptr, Quillgrid::ID_ROTATE_90_CW);
  EXPECT_EQ(label(), "rotation = 0.000 deg.");  // 360 wraps to 0
  EXPECT_EQ(w->originalPixelArray[25 + 30 * 3], BLACK);
  command(nullptr, Quillgrid::ID_ROTATE_90_CW);
  EXPECT_EQ(label(), "rotation = 90.000 deg.");
  command(nullptr, Quillgrid::ID_ROTATE_90_CCW);
  EXPECT_EQ(label(), "rotation = 0.000 deg.");
  EXPECT_EQ(w->imageWidth, 30);

  // The half turn, and the clean copy stays as loaded.
  EXPECT_EQ(command(w->rotate180_TB, Quillgrid::ID_ROTATE_180), 1);
  EXPECT_EQ(label(), "rotation = 180.000 deg.");
  EXPECT_EQ(w->originalPixelArray[(30 - 1 - 25) + 30 * (20 - 1 - 3)], BLACK);
  EXPECT_EQ(shown(4, 16), BLACK);
  EXPECT_EQ(countShown(BLACK), 1);
  EXPECT_EQ(w->cleanImage->getPixel(25, 3), BLACK);
  // Marks are erased from the turned picture.
  mark(10, 10, RED, 1, 9);
  w->resetImage(false, w->image);
  EXPECT_EQ(shown(10, 10), WHITE);
  EXPECT_EQ(shown(4, 16), BLACK);
}

TEST_F(WorkingImageTest, EveryQuarterAndHalfTurnShowsAndKeepsTheTurnedPicture) {
  // A picture of different colours, large enough for several tiles and
  // threads, neither side a multiple of the tiles.
  int W = 301, H = 203;
  auto paint = [](int x, int y) {
    const unsigned k = (unsigned)(x * 7919 + y * 104729) * 2654435761u;
    return FXRGB(k >> 24, k >> 16, k >> 8);
  };
  load(W, H, paint);
  std::vector<FXColor> picture((size_t)W * H);
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) picture[x + (size_t)W * y] = paint(x, y);
  const struct {
    FXObject* sender;
    FXSelector id;
  } turns[] = {{w->rotate90Cw_TB, Quillgrid::ID_ROTATE_90_CW}, {w->rotate90Cw_TB, Quillgrid::ID_ROTATE_90_CW},
               {w->rotate90Ccw_TB, Quillgrid::ID_ROTATE_90_CCW}, {w->rotate180_TB, Quillgrid::ID_ROTATE_180},
               {w->rotate90Ccw_TB, Quillgrid::ID_ROTATE_90_CCW}, {w->rotate90Ccw_TB, Quillgrid::ID_ROTATE_90_CCW},
               {w->rotate180_TB, Quillgrid::ID_ROTATE_180}, {w->rotate90Cw_TB, Quillgrid::ID_ROTATE_90_CW}};
  int step = 0;
  for (const auto& turn : turns) {
    ASSERT_EQ(command(turn.sender, turn.id), 1);
    // Pixel (x, y) goes clockwise to (H - 1 - y, x), counter-clockwise to
    // (y, W - 1 - x) and by a half turn to (W - 1 - x, H - 1 - y).
    std::vector<FXColor> turned(picture.size());
    const bool half = turn.id == Quillgrid::ID_ROTATE_180, cw = turn.id == Quillgrid::ID_ROTATE_90_CW;
    const int nw = half ? W : H;
    for (int y = 0; y < H; ++y)
      for (int x = 0; x < W; ++x) {
        const int nx = half ? W - 1 - x : cw ? H - 1 - y : y, ny = half ? H - 1 - y : cw ? x : W - 1 - x;
        turned[nx + (size_t)nw * ny] = picture[x + (size_t)W * y];
      }
    if (!half) std::swap(W, H);
    picture = turned;
    ++step;
    ASSERT_EQ(w->imageWidth, W) << "turn " << step;
    ASSERT_EQ(w->image->getWidth(), W) << "turn " << step;
    ASSERT_EQ(w->image->getHeight(), H) << "turn " << step;
    EXPECT_EQ(w->imageView->getDefaultWidth(), W) << "turn " << step;
    const size_t n = picture.size();
    EXPECT_TRUE(std::equal(picture.begin(), picture.end(), w->originalPixelArray,
                           [](FXColor a, FXColor b) { return a == opaque(b); }))
        << "clean copy after turn " << step;
    EXPECT_TRUE(std::equal(picture.begin(), picture.end(), w->image->getData(),
                           [](FXColor a, FXColor b) { return a == opaque(b); }))
        << "image pixels after turn " << step;
    EXPECT_TRUE(screen() == picture) << "shown after turn " << step << " (" << n << " pixels)";
  }
  EXPECT_EQ(label(), "rotation = 0.000 deg.");  // 90 + 90 - 90 + 180 - 90 - 90 + 180 + 90
}

TEST_F(WorkingImageTest, DrawLineOffersItselfOnlyForDataPoints) {
  load(30, 30);
  EXPECT_FALSE(w->drawLine_Btn->isEnabled());
  w->setAxisDataType(1);
  w->enableDisableDrawLineBtn();
  EXPECT_FALSE(w->drawLine_Btn->isEnabled());
  w->setAxisDataType(5);
  w->enableDisableDrawLineBtn();
  EXPECT_TRUE(w->drawLine_Btn->isEnabled());
  // A drawn line keeps the button disabled until the line is reset.
  w->lineDrawn = true;
  w->drawLine_Btn->disable();
  w->enableDisableDrawLineBtn();
  EXPECT_FALSE(w->drawLine_Btn->isEnabled());
  w->resetDrawLine();
  EXPECT_TRUE(w->drawLine_Btn->isEnabled());
}

TEST_F(WorkingImageTest, OpenDialogAndRecentFiles) {
  const std::string path = writeImage("scan.gif", 12, 9);
  w->tabBook->setCurrent(3);
  w->openDialogDirectory = "/no/such/directory";
  {
    qgtest::ModalScript script;
    script.acceptFile(path.c_str());
    EXPECT_EQ(command(nullptr, Quillgrid::ID_OPEN_IMAGE_FILE), 1);
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(std::string(script.last().caption.text()), "Open image file");
  }
  ASSERT_NE(w->image, nullptr);
  EXPECT_EQ(w->imageWidth, 12);
  EXPECT_EQ(std::string(w->imageFileName.text()), path);
  EXPECT_EQ(std::string(w->directoryForUserFiles.text()), dir.path());
  EXPECT_EQ(w->tabBook->getCurrent(), 0);
  EXPECT_TRUE(w->openDialogDirectory.empty());

  // A data file through the dialog is read as a data file: its settings
  // apply, it joins the recent data files, and the picture stays.
  const std::string data = dir.path() + "/points.qwr";
  w->fitPlotFontSize = 14;
  ASSERT_TRUE(w->writeSettingsFile(data.c_str()));
  w->fitPlotFontSize = 10;
  // An existing directory asked for by the caller is where the dialog starts.
  const std::string sub = dir.path() + "/sub";
  ASSERT_TRUE(FXDir::create(sub.c_str()));
  w->openDialogDirectory = sub.c_str();
  std::string patterns, start;
  {
    qgtest::ModalScript script;
    script.then([&](ModalSeam::Request& r) -> FXuint {
      FXFileDialog* d = dynamic_cast<FXFileDialog*>(r.dialog);
      if (!d) return 0;
      patterns = d->getPatternList().text();
      start = d->getDirectory().text();
      d->setFilename(data.c_str());
      return 1;
    });
    EXPECT_EQ(command(nullptr, Quillgrid::ID_OPEN_DATA_FILE), 1);
    ASSERT_EQ(script.count(), 1u);  // no error box
    EXPECT_EQ(std::string(script.last().caption.text()), "Open data file");
  }
  EXPECT_EQ(patterns, "Data file (*qwr)");
  EXPECT_EQ(start, sub);
  EXPECT_TRUE(w->openDialogDirectory.empty());
  EXPECT_EQ(w->fitPlotFontSize, 14);
  EXPECT_EQ(std::string(w->recentFiles[1][0].text()), data);
  EXPECT_EQ(w->imageWidth, 12);
  // Its recent entry opens it again as a data file, not as a picture.
  w->fitPlotFontSize = 10;
  {
    qgtest::ModalScript script;
    command(w->recentFiles_MC[1][0], Quillgrid::ID_OPEN_RECENT_FILE);
    EXPECT_EQ(script.count(), 0u);
  }
  EXPECT_EQ(w->fitPlotFontSize, 14);
  EXPECT_EQ(w->imageWidth, 12);
  EXPECT_EQ(std::string(w->imageFileName.text()), path);

  // A recent entry that still exists opens; a missing one may be dropped.
  const std::string other = writeImage("other.bmp", 7, 5);
  w->updateRecentlyUsedFileList(other.c_str(), 0);
  ASSERT_EQ(std::string(w->recentFiles[0][0].text()), other);
  command(w->recentFiles_MC[0][0], Quillgrid::ID_OPEN_RECENT_FILE);
  EXPECT_EQ(w->imageWidth, 7);
  ASSERT_EQ(std::string(w->recentFiles[0][1].text()), path);
  ASSERT_EQ(::remove(path.c_str()), 0);
  {
    qgtest::ModalScript script;
    script.press(MBOX_CLICKED_OK).press(MBOX_CLICKED_YES);
    command(w->recentFiles_MC[0][1], Quillgrid::ID_OPEN_RECENT_FILE);
    ASSERT_EQ(script.count(), 2u);
    EXPECT_EQ(script.requests()[0].kind, ModalSeam::INFORMATION_BOX);
    EXPECT_EQ(std::string(script.requests()[0].text.text()), "The file was not found");
    EXPECT_EQ(script.requests()[1].kind, ModalSeam::QUESTION_BOX);
    EXPECT_EQ(std::string(script.requests()[1].caption.text()), "User file error");
  }
  EXPECT_EQ(std::string(w->recentFiles[0][0].text()), other);
  EXPECT_TRUE(w->recentFiles[0][1].empty());
  EXPECT_EQ(w->imageWidth, 7);
}

// ---- the fast upload of a picture to the display: what the display shows
// afterwards is what the toolkit's render shows.

namespace {
// Pixels of every sort: all channel values, alpha bytes that differ.
std::vector<FXColor> mixedPixels(int w, int h, unsigned seed) {
  std::vector<FXColor> px((size_t)w * h);
  for (size_t k = 0; k < px.size(); ++k) {
    seed = seed * 1664525u + 1013904223u;
    px[k] = seed;
  }
  return px;
}

// What the toolkit's render puts on the display for these pixels.
std::vector<FXColor> rendered(std::vector<FXColor> px, int w, int h) {
  FXImage img(qgtest::app(), px.data(), IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, w, h);
  img.create();
  return displayed(&img);
}

class PixelUploadTest : public MainWindowFixture {};
}  // namespace

TEST_F(PixelUploadTest, TheDisplayShowsWhatTheToolkitsRenderShows) {
  PixelUpload upload;
  // The same size again, and turned by a quarter (as many pixels).
  const int sizes[][2] = {{301, 203}, {301, 203}, {203, 301}, {64, 7}, {1, 1}};
  unsigned seed = 11;
  for (const auto& size : sizes) {
    const int w = size[0], h = size[1];
    std::vector<FXColor> px = mixedPixels(w, h, seed++);
    FXImage img(qgtest::app(), px.data(), IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, w, h);
    img.create();
    // Something else on the display first, so that the upload must replace it.
    {
      FXDCWindow dc(&img);
      dc.setForeground(FXRGB(1, 2, 3));
      dc.fillRectangle(0, 0, w, h);
    }
    upload.put(&img);
    // The test display is local and 24-bit: the kept segment serves it.
    EXPECT_TRUE(upload.usedKeptSegment()) << w << "x" << h;
    EXPECT_TRUE(displayed(&img) == rendered(px, w, h)) << w << "x" << h;
    // New pixels in the same image go up through the same segment.
    const std::vector<FXColor> next = mixedPixels(w, h, seed++);
    std::copy(next.begin(), next.end(), px.begin());  // the image's own buffer
    upload.put(&img);
    EXPECT_TRUE(displayed(&img) == rendered(px, w, h)) << w << "x" << h << " again";
  }
  upload.release();
  upload.release();  // twice is harmless
}

TEST_F(PixelUploadTest, OtherPixelsAndAreasOfThemGoUpAsTheToolkitsRenderPutsThem) {
  PixelUpload upload;
  const int w = 97, h = 61;
  std::vector<FXColor> own = mixedPixels(w, h, 3);
  const std::vector<FXColor> ownBefore = own, other = mixedPixels(w, h, 4);
  FXImage img(qgtest::app(), own.data(), IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, w, h);
  img.create();
  // Pixels other than the image's own: shown, and the image's own stay.
  ASSERT_TRUE(upload.putPixels(&img, other.data()));
  EXPECT_TRUE(upload.usedKeptSegment());
  std::vector<FXColor> expected = rendered(other, w, h);
  EXPECT_TRUE(displayed(&img) == expected);
  EXPECT_TRUE(own == ownBefore);
  // Areas of the image's own pixels over them, some reaching past the
  // edges or empty: only those areas change.
  const std::vector<FXColor> ownShown = rendered(own, w, h);
  const int areas[][4] = {{0, 0, w, 1}, {5, 0, 1, h}, {90, 50, 20, 20}, {-3, -4, 6, 7}, {40, 20, 0, 5}, {200, 3, 4, 4}};
  for (const auto& a : areas) {
    ASSERT_TRUE(upload.putArea(&img, own.data(), a[0], a[1], a[2], a[3])) << a[0] << "," << a[1];
    for (int y = std::max(0, a[1]); y < std::min(h, a[1] + a[3]); ++y)
      for (int x = std::max(0, a[0]); x < std::min(w, a[0] + a[2]); ++x)
        expected[x + (size_t)w * y] = ownShown[x + (size_t)w * y];
  }
  EXPECT_TRUE(displayed(&img) == expected);
}

TEST_F(PixelUploadTest, NothingHappensWithoutPixelsOrADisplaySideImage) {
  PixelUpload upload;
  upload.put(nullptr);
  FXImage plain(qgtest::app(), nullptr, IMAGE_KEEP, 5, 5);  // neither pixels nor created
  upload.put(&plain);
  EXPECT_FALSE(upload.usedKeptSegment());
  const std::vector<FXColor> px(25, WHITE);
  EXPECT_FALSE(upload.putPixels(&plain, px.data()));
  EXPECT_FALSE(upload.putArea(&plain, px.data(), 0, 0, 2, 2));
  FXImage created(qgtest::app(), nullptr, IMAGE_KEEP, 5, 5);
  created.create();
  EXPECT_FALSE(upload.putPixels(&created, nullptr));
  EXPECT_FALSE(upload.putArea(&created, nullptr, 0, 0, 2, 2));
}

// ---- the extended cross-hair ("Extend") following real pointer motion:
// the view shows the clean picture, the cross-hair through the pointer and
// the axis reference marks, however the pointer and the picture changed.

namespace {
class ExtendedCursorTest : public PickedGraphFixture {
protected:
  void SetUp() override {
    PickedGraphFixture::SetUp();
    if (IsSkipped()) return;
    // A picture of different colours, so that every pixel left wrong shows.
    std::vector<FXColor> px((size_t)WIDTH * HEIGHT);
    unsigned seed = 5;
    for (FXColor& c : px) {
      seed = seed * 1664525u + 1013904223u;
      c = FXRGB(seed >> 24, seed >> 16, seed >> 8);
    }
    FXFileStream s;
    ASSERT_TRUE(s.open("noise.png", FXStreamSave));
    ASSERT_TRUE(fxsavePNG(s, px.data(), WIDTH, HEIGHT));
    s.close();
    ASSERT_TRUE(w->loadImage("noise.png"));
    qgtest::runFor(50);
    w->getExtraPixels();
    // Red reference marks, green lines; both coordinates follow the pointer.
    command(w->referencePointColor_RB[0]);
    w->constrainCursor_Chk->setCheck(FALSE, FALSE);
    w->cursorLocked = false;
    press(w->extendCursorAll_Chk);
    ASSERT_TRUE(w->extendCursorAll_Chk->getCheck());
  }
  static void command(FXRadioButton* b) {
    b->getTarget()->handle(b, FXSEL(SEL_COMMAND, b->getSelector()), (void*)(FXuval)1);
  }
  using PickedGraphFixture::command;
  // Real pointer motion to image pixel (ix, iy), given to the image view;
  // every motion redraws, however little processor time has passed.
  void moveTo(int ix, int iy) {
    w->lastCursorDrawClock = -1e12;
    w->imageView->setCursorPosition(ix, iy);
    FXEvent ev;
    ev.type = SEL_MOTION;
    ev.win_x = ix;
    ev.win_y = iy;
    w->imageView->handle(w->imageView, FXSEL(SEL_MOTION, 0), &ev);
  }
  // What the view must show: the clean picture as now turned, one-pixel
  // lines in the data colour through column cx and row cy (none for 0),
  // and over them a reference mark at each axis point the tables hold.
  std::vector<FXColor> expected(int cx, int cy) {
    const int W = w->imageWidth, H = w->imageHeight;
    const FXColor* clean = w->rotationAngle != 0 ? w->rotatedPixelArray : w->originalPixelArray;
    std::vector<FXColor> out((size_t)W * H);
    for (size_t k = 0; k < out.size(); ++k) out[k] = opaque(clean[k]);
    if (cx > 0 && cy > 0) {
      for (int y = 0; y < H; ++y) out[cx + (size_t)W * y] = opaque(w->dataPointColor);
      for (int x = 0; x < W; ++x) out[x + (size_t)W * cy] = opaque(w->dataPointColor);
    }
    const int refs[3][2] = {{0, 0}, {0, 1}, {1, 1}};  // origin, X far point, Y far point
    for (const auto& ref : refs) {
      Table_lom2* axis = w->axisDataPoints_TBL[ref[0]];
      if (axis->isEmpty(ref[1], 1) || axis->isEmpty(ref[1], 2)) continue;
      for (const auto& p : ImageRules::markPixels(axis->toInt(ref[1], 1) - w->extraPixels[0],
                                                  axis->toInt(ref[1], 2) - w->extraPixels[1], 3, 15, false, W, H))
        out[p.x + (size_t)W * p.y] = opaque(w->referencePointColor);
    }
    return out;
  }
  bool shows(int cx, int cy) { return displayed(w->image) == expected(cx, cy); }
};
}  // namespace

TEST_F(ExtendedCursorTest, TheViewShowsTheCleanPictureTheCrossHairAndTheReferenceMarks) {
  click(60, 250);  // the origin; the X far point is next
  ASSERT_TRUE(w->axisDataType_RB[1]->getCheck());
  const int path[][2] = {{100, 100}, {101, 100}, {101, 101}, {300, 200}, {3, 297}, {399, 1}, {200, 150}};
  for (const auto& p : path) {
    moveTo(p[0], p[1]);
    EXPECT_TRUE(shows(p[0], p[1])) << "at " << p[0] << "," << p[1];
  }
  click(350, 250);  // the X far point: its mark is drawn over the cross-hair
  moveTo(210, 160);
  EXPECT_TRUE(shows(210, 160));
  moveTo(345, 245);  // the cross-hair through the new mark
  EXPECT_TRUE(shows(345, 245));

  // A fine rotation clears the reference points and draws the alignment
  // lines; the cross-hair then goes over the turned picture.
  command(w->rotateCwFine_TB);
  ASSERT_EQ(w->rotationAngle, 25);
  moveTo(150, 120);
  EXPECT_TRUE(shows(150, 120));
  moveTo(151, 121);
  EXPECT_TRUE(shows(151, 121));
  // A new data colour redraws the picture; the next lines are in it.
  command(w->dataPointColor_RB[2]);
  moveTo(160, 130);
  EXPECT_TRUE(shows(160, 130));
  click(60, 250);
  moveTo(170, 140);
  EXPECT_TRUE(shows(170, 140));
  command(w->rotateCcwFine_TB);  // back to no rotation: the clean copy as loaded
  ASSERT_EQ(w->rotationAngle, 0);
  click(60, 250);
  moveTo(120, 110);
  EXPECT_TRUE(shows(120, 110));

  // Half and quarter turns give a new picture under the cross-hair.
  command(w->rotate180_TB);
  moveTo(130, 90);
  EXPECT_TRUE(shows(130, 90));
  moveTo(131, 95);
  EXPECT_TRUE(shows(131, 95));
  command(w->rotate90Cw_TB);
  qgtest::runFor(50);
  w->getExtraPixels();
  ASSERT_EQ(w->imageWidth, (int)HEIGHT);
  moveTo(250, 350);
  EXPECT_TRUE(shows(250, 350));
  moveTo(20, 30);
  EXPECT_TRUE(shows(20, 30));

  // The Y far point takes the cross-hair away and leaves the three marks.
  click(40, 380);
  click(280, 380);
  moveTo(200, 300);
  EXPECT_TRUE(shows(200, 300));
  click(40, 20);
  ASSERT_TRUE(w->axisDataType_RB[4]->getCheck());
  EXPECT_TRUE(shows(0, 0));
}
