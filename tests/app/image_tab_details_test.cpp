// Details of the Image tab a user meets while working: a new picture
// starts at its top-left corner, the curve-points table shows the row just
// written, the highlight follows a row chosen with the right button,
// unchecking "Extend" takes the cross-hair off the picture at once, and the
// red mark of an axis table goes as soon as its values are valid.
#include <fxkeys.h>

#include <string>
#include <vector>

#include "Globals.h"
#include "PickedGraphFixture.h"
#include "fox16.h"

using namespace FX;

namespace {
const FXColor WHITE = FXRGB(255, 255, 255);

class ImageTabDetailsTest : public PickedGraphFixture {
protected:
  // The picture's pixel as the display shows it, without the alpha byte.
  FXColor shown(int x, int y) {
    w->image->restore();
    const FXColor c = w->image->getPixel(x, y);
    return FXRGB(FXREDVAL(c), FXGREENVAL(c), FXBLUEVAL(c));
  }
  // A white picture of w x h with a black curve along row `curveRow`.
  std::string writePicture(const char* name, int width, int height, int curveRow = -1) {
    std::vector<FXColor> px((size_t)width * height, WHITE);
    if (curveRow >= 0)
      for (int x = 0; x < width; ++x) px[(size_t)curveRow * width + x] = FXRGB(0, 0, 0);
    FXFileStream s;
    EXPECT_TRUE(s.open(name, FXStreamSave));
    EXPECT_TRUE(fxsaveBMP(s, px.data(), width, height));
    s.close();
    return name;
  }
  // Types a key as the application hands it over: to the main window, and
  // on down its focus chain to the widget that has the focus.
  long typeKey(FXuint code, const char* text = "") {
    FXEvent ev;
    ev.type = SEL_KEYPRESS;
    ev.code = code;
    ev.state = 0;
    ev.text = text;
    return w->handle(w, FXSEL(SEL_KEYPRESS, 0), &ev);
  }
  void typeText(const char* text) {
    for (const char* c = text; *c; ++c) {
      const char one[2] = {*c, 0};
      typeKey((FXuchar)*c, one);
    }
  }
  // The rows of the curve-points table that show on the screen: inside the
  // table's view and inside the view of the column of controls.
  std::vector<int> rowsOnScreen() {
    std::vector<int> rows;
    FXScrollWindow* column = w->controlColumnScroll;
    const int header = t->getColumnHeader()->shown() ? t->getColumnHeader()->getHeight() : 0;
    const int bottom = t->getHeight() - (t->horizontalScrollBar()->shown() ? t->horizontalScrollBar()->getHeight() : 0);
    for (int y = header; y < bottom; ++y) {
      int cx = 0, cy = 0;
      t->translateCoordinatesTo(cx, cy, column, t->getWidth() / 2, y);
      if (cy < 0 || cy >= column->getViewportHeight()) continue;
      const int r = t->rowAtY(y);
      if (r >= 0 && (rows.empty() || rows.back() != r)) rows.push_back(r);
    }
    return rows;
  }
};
}  // namespace

// A new picture starts at its top-left corner, wherever the last one was
// scrolled to.
TEST_F(ImageTabDetailsTest, ANewPictureStartsAtItsTopLeftCorner) {
  ASSERT_TRUE(w->loadImage(writePicture("first.bmp", 3000, 2000).c_str()));
  qgtest::runFor(50);
  w->layout();
  w->imageView->setPosition(-1500, -900);
  ASSERT_LT(w->imageView->getXPosition(), 0);
  ASSERT_LT(w->imageView->getYPosition(), 0);
  ASSERT_TRUE(w->loadImage(writePicture("second.bmp", 2500, 2200).c_str()));
  qgtest::runFor(50);
  w->layout();
  EXPECT_EQ(w->imageView->getXPosition(), 0);
  EXPECT_EQ(w->imageView->getYPosition(), 0);
}

// After a trace the row just written shows in the table and on the screen,
// with "Recal data" beside it.
TEST_F(ImageTabDetailsTest, AfterATraceTheTableShowsTheRowJustWritten) {
  ASSERT_TRUE(w->loadImage(writePicture("curve.bmp", WIDTH, HEIGHT, 150).c_str()));
  ASSERT_TRUE(qgtest::runUntil([&] { return !w->placementFromDefaults; }));
  qgtest::runFor(100);
  w->layout();
  w->getExtraPixels();
  // The column of controls is taller than its view, as on a screen of
  // 1280 x 1024, and starts at its top.
  FXScrollWindow* column = w->controlColumnScroll;
  ASSERT_GT(column->contentWindow()->getHeight(), column->getViewportHeight());
  column->setPosition(0, 0);
  defineAxes();
  click(60, 150);
  click(340, 150);
  const int picked = w->getLastRowWithData();
  ASSERT_EQ(picked, 1);
  w->handle(w, FXSEL(SEL_COMMAND, Quillgrid::ID_AUTO_FIND_CURVE), nullptr);
  w->layout();
  const int last = w->getLastRowWithData();
  ASSERT_GT(last, 20);
  const std::vector<int> rows = rowsOnScreen();
  EXPECT_NE(std::find(rows.begin(), rows.end(), last), rows.end()) << last << " not among the rows shown";
  int bx = 0, by = 0;
  w->recalData_Btn->translateCoordinatesTo(bx, by, column, 0, 0);
  EXPECT_GE(by, 0);
  EXPECT_LE(by + w->recalData_Btn->getHeight(), column->getViewportHeight());
}

// A right click that selects another row moves the highlight there.
TEST_F(ImageTabDetailsTest, TheHighlightFollowsARowChosenWithTheRightButton) {
  defineAxes();
  const int xs[3] = {100, 200, 300};
  for (int x : xs) click(x, 150);
  ASSERT_EQ(w->getLastRowWithData(), 2);
  w->dataPointColor = FXRGB(0, 200, 0);
  // Only a highlight reaches 10 pixels from its point.
  auto highlighted = [&](int k) { return shown(xs[k] + 10, 150) == w->dataPointColor; };

  ASSERT_TRUE(clickRow(t, 0));
  ASSERT_TRUE(highlighted(0));
  ASSERT_FALSE(highlighted(2));
  {
    qgtest::ModalScript script;
    script.then([](ModalSeam::Request&) -> FXuint { return 0; });  // the menu closed unused
    ASSERT_TRUE(rightClickRow(t, 2));
    EXPECT_EQ(script.count(), 1u);
  }
  ASSERT_EQ(t->getSelStartRow(), 2);
  EXPECT_TRUE(highlighted(2));
  EXPECT_FALSE(highlighted(0));
  EXPECT_FALSE(highlighted(1));
}

// Unchecking "Extend" takes the full-size cross-hair off the picture at
// once.
TEST_F(ImageTabDetailsTest, UncheckingExtendRemovesTheCrossHairAtOnce) {
  click(50, 250);  // the origin: the X axis' far point comes next
  press(w->extendCursorAll_Chk);
  ASSERT_TRUE(w->extendCursorAll_Chk->getCheck());
  w->lastCursorDrawClock = -1e12;  // the throttle lets the next motion draw
  w->imageView->setCursorPosition(200, 100);
  FXEvent ev;
  ev.type = SEL_MOTION;
  w->handle(w->imageView, FXSEL(SEL_MOTION, Quillgrid::ID_IMAGE_VIEW), &ev);
  // The cross-hair runs through the whole picture.
  ASSERT_EQ(shown(200, 10), w->dataPointColor);
  ASSERT_EQ(shown(390, 100), w->dataPointColor);

  press(w->extendCursorAll_Chk);
  ASSERT_FALSE(w->extendCursorAll_Chk->getCheck());
  EXPECT_EQ(shown(200, 10), WHITE);
  EXPECT_EQ(shown(390, 100), WHITE);
  // The origin's mark stays.
  EXPECT_NE(shown(50 + 3, 250), WHITE);
}

// On a log axis the table turns red while a value is not above 0, and the
// red goes as soon as valid values are typed, also in the exp(v) form and
// after "Recal data".
TEST_F(ImageTabDetailsTest, TheAxisTablesRedMarkGoesWhenItsValuesAreValid) {
  defineAxes();
  Table_lom2* X = w->axisDataPoints_TBL[0];
  const FXColor RED = argb(0xFFFF0000);
  // X on a log scale with a minimum of 0.
  w->handle(w->axisLog_RB[0], FXSEL(SEL_COMMAND, Quillgrid::ID_AXIS_SCALE), nullptr);
  {
    qgtest::ModalScript script;
    script.press(MBOX_CLICKED_OK).press(MBOX_CLICKED_OK);
    w->handle(w, FXSEL(SEL_COMMAND, Quillgrid::ID_RECAL_DATA), nullptr);
  }
  ASSERT_EQ(X->getBackColor(), RED);

  const struct {
    const char* typed;
    bool recal;
  } cases[] = {{"1", false}, {"exp(0.5)", false}, {"exp(1.5)", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    // Back to a missing minimum, then the value typed in the cell.
    X->setItemText(0, 0, "");
    w->checkAxisMinMaxForLog(0);
    ASSERT_EQ(X->getBackColor(), RED);
    X->setFocus();
    X->setCurrentItem(0, 0);
    typeText(c.typed);
    typeKey(KEY_Return, "\r");
    ASSERT_STREQ(X->getItemText(0, 0).text(), c.typed);
    EXPECT_NE(X->getBackColor(), RED);
    EXPECT_NE(X->getCellColor(0, 0), RED);
    if (c.recal) {
      qgtest::ModalScript script;
      script.then([](ModalSeam::Request&) -> FXuint { return MBOX_CLICKED_OK; });
      w->handle(w, FXSEL(SEL_COMMAND, Quillgrid::ID_RECAL_DATA), nullptr);
      EXPECT_NE(X->getBackColor(), RED);
    }
  }
}
