// Every control within reach: at the start-up size the window lies on the
// screen, the main actions of the Image and Curve Fitting tabs show
// without scrolling, and every enabled control lies inside its scroll
// area's content, which can bring it wholly into view; after a small and a
// large picture the window still lies on the screen, the picture scrolls
// inside its view and the controls stay within reach. Texts of tables and
// fields show whole.
#include <algorithm>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "TextField_lom2.h"
#include "WindowManagerFrame.h"
#include "fox16.h"

using namespace FX;

namespace {

std::string describe(FXWindow* w) {
  std::string s = w->getClassName();
  if (auto* l = dynamic_cast<FXLabel*>(w)) s += " \"" + std::string(l->getText().text()) + "\"";
  if (auto* g = dynamic_cast<FXGroupBox*>(w->getParent())) s += " in \"" + std::string(g->getText().text()) + "\"";
  return s;
}

// Runs the event loop for about ms milliseconds, then lays the window out
// as the event loop does when it is idle (which the test loop never is).
void settle(FXWindow* window, int ms) {
  qgtest::runFor(ms);
  window->layout();
}

bool isControl(FXWindow* w) {
  return dynamic_cast<FXLabel*>(w) || dynamic_cast<FXTextField*>(w) || dynamic_cast<FXListBox*>(w) ||
         dynamic_cast<FXTable*>(w) || dynamic_cast<FXArrowButton*>(w) || dynamic_cast<FXComboBox*>(w);
}

// Shown itself and every ancestor up to the top window.
bool reallyShown(FXWindow* w) {
  for (; w && w->getParent(); w = w->getParent())
    if (!w->shown()) return false;
  return true;
}

FXScrollWindow* scrollAreaOf(FXWindow* w, FXWindow* page) {
  for (FXWindow* p = w->getParent(); p && p != page; p = p->getParent())
    if (auto* s = dynamic_cast<FXScrollWindow*>(p)) return s;
  return nullptr;
}

// The controls of a tab page (not the parts inside a control, such as a
// list box's button or a table's headers).
void collectControls(FXWindow* w, std::vector<FXWindow*>& out) {
  for (FXWindow* c = w->getFirst(); c; c = c->getNext()) {
    if (!reallyShown(c)) continue;
    if (isControl(c)) {
      out.push_back(c);
      continue;
    }
    collectControls(c, out);
  }
}

class LayoutReachTest : public MainWindowFixture {
protected:
  void TearDown() override { delete w; }

  // The window as a user first sees it: placed by the start-up timer.
  void start() {
    w = make();
    ASSERT_TRUE(qgtest::runUntil([&] {
      return !w->placementFromDefaults && w->getWidth() == w->windowWidth && w->getHeight() == w->windowHeight;
    }));
    settle(w, 50);
  }

  void showTab(int tab) {
    w->tabBook->setCurrent(tab, TRUE);
    settle(w, 50);
  }

  // The window with a frame of these widths lies on the screen.
  void expectFrameOnTheScreen(int left, int right, int top, int bottom) {
    const int W = w->getRoot()->getWidth(), H = w->getRoot()->getHeight();
    EXPECT_GE(w->getX() - left, 0) << "the left border at " << w->getX() - left;
    EXPECT_GE(w->getY() - top, 0) << "the title bar at " << w->getY() - top;
    EXPECT_LE(w->getX() + w->getWidth() + right, W) << w->getX() << " + " << w->getWidth();
    EXPECT_LE(w->getY() + w->getHeight() + bottom, H) << w->getY() << " + " << w->getHeight();
  }

  void expectOnTheScreen() {
    const int W = w->getRoot()->getWidth(), H = w->getRoot()->getHeight();
    EXPECT_GE(w->getX(), 0);
    EXPECT_GE(w->getY(), 0);
    EXPECT_LE(w->getX() + w->getWidth(), W) << w->getX() << " + " << w->getWidth();
    EXPECT_LE(w->getY() + w->getHeight(), H) << w->getY() << " + " << w->getHeight();
  }

  // The control lies inside every frame between it and `top`.
  void expectInsideItsFrames(FXWindow* c, FXWindow* top) {
    for (FXWindow* p = c->getParent(); p && p != top->getParent(); p = p->getParent()) {
      int x = 0, y = 0;
      c->getParent()->translateCoordinatesTo(x, y, p, c->getX(), c->getY());
      EXPECT_TRUE(x >= 0 && y >= 0 && x + c->getWidth() <= p->getWidth() && y + c->getHeight() <= p->getHeight())
          << describe(c) << " at " << x << "," << y << " " << c->getWidth() << "x" << c->getHeight() << " cut by "
          << describe(p) << " " << p->getWidth() << "x" << p->getHeight();
    }
  }

  // True when the control shows whole in the scroll window's view as it is
  // scrolled now.
  static bool inView(FXWindow* c, FXScrollWindow* s) {
    int x = 0, y = 0;
    c->getParent()->translateCoordinatesTo(x, y, s, c->getX(), c->getY());
    return x >= 0 && y >= 0 && x + c->getWidth() <= s->getViewportWidth() &&
           y + c->getHeight() <= s->getViewportHeight();
  }

  // Scrolls the control's scroll window so that the control shows whole.
  void expectReachable(FXWindow* c, FXScrollWindow* s) {
    FXWindow* content = s->contentWindow();
    expectInsideItsFrames(c, content);
    // The scroll bars reach the end of the content (content that fills
    // its view is stretched to the view).
    EXPECT_GE(FXMAX(s->getContentWidth(), s->getViewportWidth()), content->getWidth());
    EXPECT_GE(FXMAX(s->getContentHeight(), s->getViewportHeight()), content->getHeight());
    int x = 0, y = 0;
    c->getParent()->translateCoordinatesTo(x, y, content, c->getX(), c->getY());
    const int vw = s->getViewportWidth(), vh = s->getViewportHeight();
    EXPECT_LE(c->getWidth(), vw) << describe(c);
    EXPECT_LE(c->getHeight(), vh) << describe(c);
    s->setPosition(-FXMAX(0, x + c->getWidth() - vw), -FXMAX(0, y + c->getHeight() - vh));
    EXPECT_TRUE(inView(c, s)) << describe(c) << " at " << x << "," << y << " in content "
                              << content->getWidth() << "x" << content->getHeight() << ", view " << vw << "x" << vh;
    s->setPosition(0, 0);
  }

  // The control shows whole in the page or its scroll area can bring it
  // into view.
  void expectWithinReach(FXWindow* c, FXComposite* page) {
    if (FXScrollWindow* s = scrollAreaOf(c, page))
      expectReachable(c, s);
    else
      expectInsideItsFrames(c, page);
  }

  // Every enabled control of the page within reach; returns how many.
  int expectEveryControlReachable(FXComposite* page) {
    std::vector<FXWindow*> controls;
    collectControls(page, controls);
    int checked = 0;
    for (FXWindow* c : controls) {
      if (!c->isEnabled()) continue;
      SCOPED_TRACE(describe(c));
      expectWithinReach(c, page);
      ++checked;
    }
    return checked;
  }

  // Shown without scrolling: whole in its scroll window at the start.
  void expectVisibleAtOnce(FXWindow* c, FXScrollWindow* s) {
    s->setPosition(0, 0);
    EXPECT_TRUE(inView(c, s)) << describe(c);
  }

  std::string writePicture(const char* name, int width, int height) {
    std::vector<FXColor> px((size_t)width * height, FXRGB(255, 255, 255));
    // A mark near the far corner, to find the pixel after scrolling.
    px[(width - 20) + (size_t)width * (height - 30)] = FXRGB(255, 0, 0);
    const std::string path = dir.path() + "/" + name;
    FXFileStream s;
    EXPECT_TRUE(s.open(path.c_str(), FXStreamSave));
    fxsaveBMP(s, px.data(), width, height);
    s.close();
    return path;
  }

  Quillgrid* w = nullptr;
};

}  // namespace

TEST_F(LayoutReachTest, AtStartUpTheMainActionsShowAndEveryControlIsWithinReach) {
  start();
  expectOnTheScreen();
  // The start-up size has grown where the screen had room for it.
  EXPECT_GE(w->getWidth(), 1100);
  EXPECT_GE(w->getHeight(), 850);

  showTab(0);
  ASSERT_NE(w->controlColumnScroll, nullptr);
  // No control of the column is cut at the right or stands behind its
  // scroll bar: the column is as wide as its controls.
  EXPECT_GE(w->controlColumnScroll->getViewportWidth(), w->controlColumnScroll->contentWindow()->getDefaultWidth());
  for (FXWindow* c : {(FXWindow*)w->axisDataType_RB[0], (FXWindow*)w->autoFindCurve_Btn,
                      (FXWindow*)w->axisDataPoints_TBL[0], (FXWindow*)w->axisDataPoints_TBL[1]})
    expectVisibleAtOnce(c, w->controlColumnScroll);
  EXPECT_GT(expectEveryControlReachable(w->imageTabFrame), 40);

  showTab(3);
  ASSERT_NE(w->fittingControlsScroll, nullptr);
  expectVisibleAtOnce(w->fitData_Btn, w->fittingControlsScroll);
  EXPECT_GT(expectEveryControlReachable(w->curveFittingTabFrame), 40);
  // A click on a scroll arrow moves a good part of a control.
  EXPECT_GE(w->fittingControlsScroll->horizontalScrollBar()->getLine(), 40);

  // With the Larson-Miller controls shown and in use, they are within
  // reach too, to the end of the scroll bar.
  w->showLMPStuff(true);
  w->curveFitType = 5;
  w->setCurveFitType();
  settle(w, 50);
  ASSERT_TRUE(w->lmp_C_TF->isEnabled() && w->autoFitLMP_Btn->isEnabled());
  expectEveryControlReachable(w->curveFittingTabFrame);
  FXScrollWindow* s = w->fittingControlsScroll;
  s->setPosition(-s->getContentWidth(), 0);
  for (FXWindow* c : {(FXWindow*)w->lmp_C_TF, (FXWindow*)w->autoFitLMP_Btn,
                      (FXWindow*)w->lmpMouseWheelStepSizeOfp1_Chk, (FXWindow*)w->negativeSlope_Lbl})
    EXPECT_TRUE(inView(c, s)) << describe(c);
}

// The Curve Fitting tab at the start-up size, with the Larson-Miller fit
// chosen as a user chooses it (its constant group shows): no scroll window
// holds more than it shows across, and every fitting control shows whole
// without scrolling.
TEST_F(LayoutReachTest, AtStartUpEveryFittingControlShowsWithoutScrollingSideways) {
  start();
  w->showLMPStuff_Chk->setCheck(TRUE);
  w->handle(w->showLMPStuff_Chk, FXSEL(SEL_COMMAND, Quillgrid::ID_SHOW_LMP_TAB), nullptr);
  showTab(3);
  FXRadioButton* lmp = w->curveFitType_RB[5];
  ASSERT_TRUE(lmp->shown());
  lmp->getTarget()->handle(lmp, FXSEL(SEL_COMMAND, lmp->getSelector()), (void*)(FXival)1);
  settle(w, 50);
  ASSERT_EQ(w->curveFitType, 5);
  ASSERT_TRUE(reallyShown(w->lmpConstant_GB));

  std::vector<FXScrollWindow*> scrolls;
  std::vector<FXWindow*> pending{w->curveFittingTabFrame};
  while (!pending.empty()) {
    FXWindow* p = pending.back();
    pending.pop_back();
    if (auto* s = dynamic_cast<FXScrollWindow*>(p)) scrolls.push_back(s);
    for (FXWindow* c = p->getFirst(); c; c = c->getNext())
      if (reallyShown(c)) pending.push_back(c);
  }
  ASSERT_GE(scrolls.size(), 2u);  // the fitting controls and the small plots
  for (FXScrollWindow* s : scrolls) {
    EXPECT_LE(s->getContentWidth(), s->getViewportWidth()) << describe(s->contentWindow());
    EXPECT_FALSE(s->horizontalScrollBar()->shown()) << describe(s->contentWindow());
  }

  FXScrollWindow* s = w->fittingControlsScroll;
  std::vector<FXWindow*> controls;
  collectControls(s->contentWindow(), controls);
  EXPECT_GT(controls.size(), 60u);
  for (FXWindow* c : {(FXWindow*)w->lmp_C_TF, (FXWindow*)w->autoFitLMP_Btn, (FXWindow*)w->numOfEquations_LB,
                      (FXWindow*)w->maxFitOrder_LB, (FXWindow*)w->numOfOverlapPoints_LB,
                      (FXWindow*)w->dataSource_RB[0], (FXWindow*)w->equation_Y_intercept_TF,
                      (FXWindow*)w->y_axisScaleFactor, (FXWindow*)w->decreaseFitOrder_Btn[0]})
    EXPECT_NE(std::find(controls.begin(), controls.end(), c), controls.end()) << describe(c);
  for (FXWindow* c : controls) {
    SCOPED_TRACE(describe(c));
    expectInsideItsFrames(c, w->curveFittingTabFrame);
    expectVisibleAtOnce(c, s);
  }
  // The controls lie in the window, which lies on the screen.
  expectInsideItsFrames(s, w);
  expectOnTheScreen();
}

TEST_F(LayoutReachTest, PicturesSmallAndLargeKeepTheWindowOnTheScreenAndScrollInTheirView) {
  start();
  showTab(0);
  for (const auto& size : {std::make_pair(600, 450), std::make_pair(3000, 2000)}) {
    const int pw = size.first, ph = size.second;
    SCOPED_TRACE(std::to_string(pw) + "x" + std::to_string(ph));
    ASSERT_TRUE(w->loadImage(writePicture("picture.bmp", pw, ph).c_str()));
    settle(w, 100);
    expectOnTheScreen();
    // The view lies in the window; a picture it cannot hold scrolls in it.
    expectInsideItsFrames(w->imageView, w->imageTabFrame);
    EXPECT_EQ(w->imageView->getContentWidth(), pw);
    EXPECT_EQ(w->imageView->getContentHeight(), ph);
    const bool fitsAcross = pw <= w->imageView->getViewportWidth();
    const bool fitsDown = ph <= w->imageView->getViewportHeight();
    EXPECT_EQ(w->imageView->horizontalScrollBar()->shown() != 0, !fitsAcross);
    EXPECT_EQ(w->imageView->verticalScrollBar()->shown() != 0, !fitsDown);
    if (pw == 600) {
      // The window took the room the picture needs, as far as the screen
      // had it.
      EXPECT_TRUE(fitsDown);
    }
    EXPECT_GT(expectEveryControlReachable(w->imageTabFrame), 40);
    for (FXWindow* c : {(FXWindow*)w->axisDataType_RB[0], (FXWindow*)w->autoFindCurve_Btn})
      expectVisibleAtOnce(c, w->controlColumnScroll);

    // Scrolled to its far corner, the pixel under the pointer is the one
    // shown there: positions keep their pixels while the picture scrolls.
    w->imageView->setPosition(-pw, -ph);
    const int vx = w->imageView->getXPosition(), vy = w->imageView->getYPosition();
    const int ix = pw - 20, iy = ph - 30;  // the red mark
    w->imageView->setCursorPosition(ix + vx, iy + vy);
    settle(w, 20);
    int x = 0, y = 0;
    w->pointerPosition(&x, &y);
    EXPECT_EQ(x, w->extraPixels[0] + ix);
    EXPECT_EQ(y, w->extraPixels[1] + iy);
    FXColor c = 0;
    ASSERT_TRUE(w->imagePixelAt(x, y, &c));
    EXPECT_EQ(FXREDVAL(c), 255);
    EXPECT_EQ(FXGREENVAL(c), 0);
    w->imageView->setPosition(0, 0);
  }
}

// Under a window manager, whose frame and title bar take room around the
// window, a new picture sizes and moves the window so that its frame stays
// on the screen: for a picture too tall, one too wide and a small one with
// the window near the screen's bottom right corner.
TEST_F(LayoutReachTest, APictureKeepsTheWindowManagersFrameAndTitleBarOnTheScreen) {
  start();
  showTab(0);
  const int W = w->getRoot()->getWidth(), H = w->getRoot()->getHeight();
  giveWindowManagerFrame(w, 4, 4, 24, 6);
  struct Case {
    int pictureW, pictureH, windowX, windowY;
  } cases[] = {{600, H + 200, 40, 10}, {W + 200, 300, 2, 60}, {300, 200, W - 500, H - 400}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.pictureW) + "x" + std::to_string(c.pictureH));
    w->move(c.windowX, c.windowY);
    settle(w, 50);
    ASSERT_TRUE(w->loadImage(writePicture("picture.bmp", c.pictureW, c.pictureH).c_str()));
    settle(w, 100);
    expectFrameOnTheScreen(4, 4, 24, 6);
  }
}

// A stored size as large as the screen, placed at start-up under a window
// manager: the frame and the title bar stay on the screen.
TEST_F(LayoutReachTest, AtStartUpTheWindowManagersFrameStaysOnTheScreen) {
  const int W = qgtest::app()->getRootWindow()->getWidth(), H = qgtest::app()->getRootWindow()->getHeight();
  w = make();
  giveWindowManagerFrame(w, 1, 1, 20, 5);
  w->placementFromDefaults = false;
  w->window_x = 0;
  w->window_y = 0;
  w->windowWidth = W;
  w->windowHeight = H;
  ASSERT_TRUE(qgtest::runUntil([&] { return w->windowHeight < H && w->getHeight() == w->windowHeight; }));
  settle(w, 50);
  expectFrameOnTheScreen(1, 1, 20, 5);
}

// A window size stored on a larger screen (1880 x 980) comes back pulled
// into this one; every tab then fits the window or scrolls to each of its
// controls.
TEST_F(LayoutReachTest, AWindowSizeFromALargerScreenKeepsEveryTabWithinReach) {
  {
    Quillgrid* first = make();
    qgtest::runFor(50);
    first->showLMPStuff_Chk->setCheck(TRUE);
    first->handle(first->showLMPStuff_Chk, FXSEL(SEL_COMMAND, Quillgrid::ID_SHOW_LMP_TAB), nullptr);
    first->position(20, 40, 1880, 980);
    ASSERT_TRUE(qgtest::runUntil([&] { return first->getWidth() == 1880; }));
    delete first;  // writes the settings file
  }
  start();
  ASSERT_LT(w->getWidth(), 1880);
  expectOnTheScreen();
  FXComposite* pages[4] = {w->imageTabFrame, w->xyValuesTabFrame, w->lmpTabFrame, w->curveFittingTabFrame};
  for (int tab = 0; tab < 4; ++tab) {
    SCOPED_TRACE("tab " + std::to_string(tab));
    showTab(tab);
    ASSERT_TRUE(reallyShown(pages[tab]));
    EXPECT_GT(expectEveryControlReachable(pages[tab]), 5);
  }
  // The copy buttons of the converted table, enabled once it holds values.
  showTab(1);
  for (FXWindow* c : {(FXWindow*)w->copyConvertedTableAll_Btn, (FXWindow*)w->copyConvertedTableXY_Btn}) {
    SCOPED_TRACE(describe(c));
    expectWithinReach(c, w->xyValuesTabFrame);
  }
}

// In a window too small for the plot and all the fitting controls, the
// controls scroll both ways to each of them and the plot keeps some height.
TEST_F(LayoutReachTest, InASmallWindowTheFittingControlsScrollAndThePlotStays) {
  start();
  w->position(20, 20, 900, 600);
  ASSERT_TRUE(qgtest::runUntil([&] { return w->getWidth() == 900 && w->getHeight() == 600; }));
  showTab(3);
  EXPECT_GT(expectEveryControlReachable(w->curveFittingTabFrame), 40);
  EXPECT_GE(w->fitPlotCanvas->getHeight(), 100);
  FXScrollWindow* s = w->fittingControlsScroll;
  EXPECT_TRUE(s->verticalScrollBar()->shown());
  expectInsideItsFrames(s, w->curveFittingTabFrame);
}

TEST_F(LayoutReachTest, TablesAndFieldsShowTheirTextsWhole) {
  start();
  // The widths the headers' items need (text, padding and borders).
  auto fitsHeader = [](FXTable* t, int c) {
    return t->getColumnWidth(c) >= t->getColumnHeader()->getItem(c)->getWidth(t->getColumnHeader());
  };
  auto fitsCell = [](FXTable* t, int c, const char* text) {
    return t->getColumnWidth(c) >= t->getFont()->getTextWidth(text) + 4;
  };
  auto fitsRowLabels = [](FXTable* t) { return t->getRowHeaderWidth() >= t->getRowHeader()->getDefaultWidth(); };

  // "% difference" in the XY, converted and Larson-Miller tables.
  EXPECT_TRUE(fitsHeader(w->xyValues_TBL, 3));
  EXPECT_TRUE(fitsHeader(w->convertedXYValues_TBL, 3));
  EXPECT_TRUE(fitsHeader(w->lmpData_TBL, 4));
  // "Table x (T, C)": the converted table's x header with x as a
  // temperature converted F -> C, from the Xy values.
  w->xAxisIsTemperature_Chk->setCheck(TRUE);
  w->temperatureScale_LB->setCurrentItem(2);
  w->dataSource = 1;
  w->setXYValuesTableHeaders();
  ASSERT_STREQ(w->convertedXYValues_TBL->getColumnText(0).text(), "Table x (T, C)");
  for (int c = 0; c < 4; ++c) EXPECT_TRUE(fitsHeader(w->convertedXYValues_TBL, c)) << c;
  // Row "10000" in the row header of the XY tables.
  w->numRowsInXYTable_LB->setCurrentItem(11);
  w->handle(w->numRowsInXYTable_LB, FXSEL(SEL_COMMAND, Quillgrid::ID_XY_TABLE_ROWS), nullptr);
  ASSERT_EQ(w->xyValues_TBL->getNumRows(), 10000);
  ASSERT_STREQ(w->xyValues_TBL->getRowText(9999).text(), "10000");
  EXPECT_TRUE(fitsRowLabels(w->xyValues_TBL));
  EXPECT_TRUE(fitsRowLabels(w->convertedXYValues_TBL));
  // "Max" in the axis tables' row header, a number in their value column.
  for (Table_lom2* t : w->axisDataPoints_TBL) {
    ASSERT_STREQ(t->getRowText(1).text(), "Max");
    EXPECT_TRUE(fitsRowLabels(t));
    EXPECT_TRUE(fitsCell(t, 0, "7.389056e+00"));
    EXPECT_TRUE(fitsHeader(t, 0));
    // The table shows its whole value column.
    EXPECT_GE(t->getWidth(), t->getRowHeaderWidth() + t->getColumnWidth(0));
  }
  // The fitted values the program writes into the tables.
  EXPECT_TRUE(fitsCell(w->xyValues_TBL, 2, "-1.234567e+02"));
  EXPECT_TRUE(fitsCell(w->convertedXYValues_TBL, 2, "-1.234567e+02"));
  // A conversion factor such as 2.54 in the y-scaling field, with room for
  // a sign.
  EXPECT_GE(w->y_axisScaleFactor->getWidth() - 2 * w->y_axisScaleFactor->getBorderWidth() -
                w->y_axisScaleFactor->getPadLeft() - w->y_axisScaleFactor->getPadRight(),
            w->y_axisScaleFactor->getFont()->getTextWidth("-2.540000e+00"));
  // The zone limits of the fitting grid, unset ones included.
  EXPECT_GT(w->eqnFit_TF[0][0]->getWidth() - 2 * w->eqnFit_TF[0][0]->getBorderWidth() -
                w->eqnFit_TF[0][0]->getPadLeft() - w->eqnFit_TF[0][0]->getPadRight(),
            w->eqnFit_TF[0][0]->getFont()->getTextWidth("-1.000000e+100"));
}
