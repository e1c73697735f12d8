// A shown main window with a picture of a graph opened from a file, for
// tests that go the way a user goes: clicks and keys through the image
// view, buttons pressed and released, real pointer motion from the display.
#ifndef QUILLGRID_TESTS_PICKEDGRAPHFIXTURE_H
#define QUILLGRID_TESTS_PICKEDGRAPHFIXTURE_H

#include <fx.h>
#include <FXPNGImage.h>
#include <fxkeys.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "MenuButtonWin10Style.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"

class PickedGraphFixture : public MainWindowFixture {
protected:
  // The picture: 400 x 300 white pixels, the X axis along row 250 from
  // column 50 to 350, the Y axis along column 50 from row 50 to 250.
  static const int WIDTH = 400, HEIGHT = 300;

  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
    std::vector<FX::FXColor> p(WIDTH * HEIGHT, FXRGB(255, 255, 255));
    for (int x = 50; x <= 350; ++x) p[250 * WIDTH + x] = FXRGB(0, 0, 0);
    for (int y = 50; y <= 250; ++y) p[y * WIDTH + 50] = FXRGB(0, 0, 0);
    FX::FXFileStream s;
    ASSERT_TRUE(s.open("graph.png", FX::FXStreamSave));
    ASSERT_TRUE(fxsavePNG(s, p.data(), WIDTH, HEIGHT));
    s.close();
    w->show(FX::PLACEMENT_SCREEN);
    ASSERT_TRUE(w->loadImage("graph.png"));
    ASSERT_TRUE(qgtest::runUntil([&] { return w->imageView->shown() && w->imageView->getWidth() >= WIDTH; }));
    qgtest::runFor(100);
    w->getExtraPixels();
    w->autoFindPoint_Chk->setCheck(FALSE, FALSE);
    w->autoFindAxisMaxXY_Chk->setCheck(FALSE, FALSE);
    t = w->curveData_TBL;
  }
  void TearDown() override { delete w; }

  // A left click on image pixel (ix, iy), given to the image view.
  void click(int ix, int iy, FX::FXuint state = 0) {
    w->imageView->setCursorPosition(ix, iy);
    FX::FXEvent ev;
    ev.type = FX::SEL_LEFTBUTTONPRESS;
    ev.code = FX::LEFTBUTTON;
    ev.state = state;
    ev.win_x = ix;
    ev.win_y = iy;
    w->imageView->handle(w->imageView, FXSEL(FX::SEL_LEFTBUTTONPRESS, 0), &ev);
    ev.type = FX::SEL_LEFTBUTTONRELEASE;
    w->imageView->handle(w->imageView, FXSEL(FX::SEL_LEFTBUTTONRELEASE, 0), &ev);
  }
  // A key pressed or released on the image view.
  long key(FX::FXuint code, FX::FXuint state = 0, FX::FXSelector type = FX::SEL_KEYPRESS) {
    FX::FXEvent ev;
    ev.type = type;
    ev.code = code;
    ev.state = state;
    return w->imageView->handle(w->imageView, FXSEL(type, 0), &ev);
  }
  void keyUp(FX::FXuint code) { key(code, 0, FX::SEL_KEYRELEASE); }
  // A button (or any widget taking clicks) pressed and released with the
  // mouse.
  static void press(FX::FXWindow* b) {
    FX::FXEvent ev;
    ev.type = FX::SEL_LEFTBUTTONPRESS;
    ev.code = FX::LEFTBUTTON;
    b->handle(b, FXSEL(FX::SEL_LEFTBUTTONPRESS, 0), &ev);
    ev.type = FX::SEL_LEFTBUTTONRELEASE;
    b->handle(b, FXSEL(FX::SEL_LEFTBUTTONRELEASE, 0), &ev);
  }
  // The command a button sends when clicked (for tool-bar buttons, which
  // may not be on the screen in a window of the test's size).
  static void command(FX::FXButton* b) {
    b->getTarget()->handle(b, FXSEL(FX::SEL_COMMAND, b->getSelector()), (void*)(FX::FXuval)1);
  }
  // The origin, X max and Y max clicked at the axes' ends, and their real
  // values typed: X 0 to 300, Y 0 to 20.
  void defineAxes() {
    click(50, 250);
    click(350, 250);
    click(50, 50);
    const char* values[2][2] = {{"0", "300"}, {"0", "20"}};
    for (int a = 0; a < 2; ++a)
      for (int r = 0; r < 2; ++r) w->axisDataPoints_TBL[a]->setItemText(r, 0, values[a][r]);
  }
  // Rows 0..n-1 of the XY values table hold x = r and y = 10 r, and its
  // tab is shown (which selects cell (0, 0)).
  void showXYValues(int n) {
    for (int r = 0; r < n; ++r) {
      w->xyValues_TBL->setItemText(r, 0, FX::FXStringVal(r));
      w->xyValues_TBL->setItemText(r, 1, FX::FXStringVal(10 * r));
    }
    w->tabBook->setCurrent(1, TRUE);
    qgtest::runFor(100);
  }
  // The image pixels of the curve points, in table order, up to the first
  // row without one.
  std::vector<std::pair<int, int>> points() {
    std::vector<std::pair<int, int>> out;
    for (int r = 0; r < t->getNumRows() && !t->isEmpty(r, 3); ++r)
      out.push_back({t->toInt(r, 3) - w->extraPixels[0], int(t->toDouble(r, 4)) - w->extraPixels[1]});
    return out;
  }
  // Chooses the entry of that text in a pop-up menu handed to the seam.
  static FX::FXuint choose(ModalSeam::Request& r, const char* entry) {
    for (FX::FXWindow* c = r.popup ? r.popup->getFirst() : nullptr; c; c = c->getNext()) {
      FX::FXMenuCommand* m = dynamic_cast<FX::FXMenuCommand*>(c);
      if (m && m->getText() == entry && m->getTarget())
        m->getTarget()->handle(m, FXSEL(FX::SEL_COMMAND, m->getSelector()), nullptr);
    }
    return 0;
  }
  // A mouse button pressed and released over row r of a table, given to
  // the table.
  static bool clickRow(FX::FXTable* table, int r, FX::FXuint button = FX::LEFTBUTTON) {
    const bool left = button == FX::LEFTBUTTON;
    const FX::FXSelector down = left ? FX::SEL_LEFTBUTTONPRESS : FX::SEL_RIGHTBUTTONPRESS;
    const FX::FXSelector up = left ? FX::SEL_LEFTBUTTONRELEASE : FX::SEL_RIGHTBUTTONRELEASE;
    const int x = table->getWidth() / 2;
    for (int y = 0; y < table->getHeight(); ++y)
      if (table->rowAtY(y) == r && table->colAtX(x) >= 0) {
        FX::FXEvent ev;
        ev.code = button;
        ev.win_x = x;
        ev.win_y = y;
        ev.moved = FALSE;
        ev.type = down;
        table->handle(table, FXSEL(down, 0), &ev);
        ev.type = up;
        table->handle(table, FXSEL(up, 0), &ev);
        return true;
      }
    return false;
  }
  static bool rightClickRow(FX::FXTable* table, int r) { return clickRow(table, r, FX::RIGHTBUTTON); }

  Quillgrid* w = nullptr;
  Table_lom2* t = nullptr;
};

#endif
