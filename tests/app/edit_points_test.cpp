// Editing curve points: deleting the last point and selected rows, the
// arrow and Delete keys of the curve-points table, highlighting, clearing
// and restoring the table, and the image's right-button menu.
#include <fxkeys.h>

#include <string>
#include <vector>

#include "Globals.h"
#include "MainWindowFixture.h"
#include "MenuButtonWin10Style.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "fox16.h"

using namespace FX;

namespace {

std::string str(const FXString& s) { return s.text(); }

// Hands every pop-up menu to run instead of showing it.
ModalSeam::Responder popUpsTo(std::function<void(FXMenuPane*, int, int)>& run) {
  return [&run](ModalSeam::Request& r) -> FXuint {
    if (r.kind == ModalSeam::POPUP_MENU && run) run(static_cast<FXMenuPane*>(r.popup), r.x, r.y);
    return 0;
  };
}

class EditPointsTest : public MainWindowFixture {
protected:
  void TearDown() override {
    if (w) {
      delete w->popUpPane;
      w->popUpPane = nullptr;
    }
    delete w;
  }
  Quillgrid* build() {
    w = make();
    t = w->curveData_TBL;
    return w;
  }
  // Point i stands at main-window position (100 + 10 i, 200 + 5 i).
  static int px(int i) { return 100 + 10 * i; }
  static int py(int i) { return 200 + 5 * i; }
  void fillPoints(int n) {
    for (int i = 0; i < n; ++i) {
      t->setItemText(i, 0, FXStringFormat("%d.5", i));
      t->setItemText(i, 1, FXStringFormat("%d.25", 10 * i));
      t->setItemText(i, 3, FXStringFormat("%d", px(i)));
      t->setItemText(i, 4, FXStringFormat("%.4lf", double(py(i))));
    }
  }
  // The x pixel cells of the first n rows: which points stand where.
  std::vector<int> xPixels(int n) {
    std::vector<int> out;
    for (int r = 0; r < n; ++r) out.push_back(t->isEmpty(r, 3) ? -1 : t->toInt(r, 3));
    return out;
  }
  long key(FXuint code) {
    FXEvent ev;
    ev.type = SEL_KEYPRESS;
    ev.code = code;
    ev.state = 0;
    // Through the table, which offers its keys to the main window first.
    return t->handle(t, FXSEL(SEL_KEYPRESS, 0), &ev);
  }
  bool onlyCellSelected(int row, int col) {
    return t->isAnythingSelected() && t->getSelStartRow() == row && t->getSelEndRow() == row &&
           t->getSelStartColumn() == col && t->getSelEndColumn() == col && t->getCurrentRow() == row &&
           t->getCurrentColumn() == col;
  }
  // A picture whose pixel (x, y) is FXRGB(x, y, 0), shown as the image.
  void showGradientImage(int width, int height) {
    FXColor* pixels = nullptr;
    FXMALLOC(&pixels, FXColor, width * height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) pixels[y * width + x] = FXRGB(x, y, 0);
    FXImage* img = new FXImage(qgtest::app(), pixels, IMAGE_OWNED | IMAGE_KEEP, width, height);
    img->create();
    w->image = img;
    w->imageView->setImage(img);
  }
  // Opens a white side x side picture, written to a file first.
  bool openWhitePicture(int side) {
    std::vector<FXColor> white(side * side, FXRGB(255, 255, 255));
    FXFileStream out;
    if (!out.open("white.bmp", FXStreamSave) || !fxsaveBMP(out, white.data(), side, side)) return false;
    out.close();
    return w->loadImage("white.bmp");
  }
  FXColor magnifiedCentre() const { return w->magnifiedPixels[0][Quillgrid::MAGNIFIED_SIZE / 2 * (Quillgrid::MAGNIFIED_SIZE + 1)]; }

  Quillgrid* w = nullptr;
  Table_lom2* t = nullptr;
};

// ---- rules without a display

TEST(EditPointRules, RowSelectedAfterADeletion) {
  const struct {
    int row;
    bool down;
    int selected;
  } cases[] = {{3, true, 3}, {3, false, 2}, {0, false, 0}, {0, true, 0}, {1, false, 0}};
  for (const auto& c : cases) EXPECT_EQ(Quillgrid::rowAfterDeletion(c.row, c.down), c.selected) << c.row << c.down;
}

TEST(EditPointRules, KeysOfTheCurveTable) {
  const struct {
    FXuint code;
    int col;
    Quillgrid::CurveTableKey action;
  } cases[] = {
      {KEY_Left, 0, Quillgrid::CURVE_KEY_RESELECT},  {KEY_Left, 1, Quillgrid::CURVE_KEY_PASS},
      {KEY_Right, 1, Quillgrid::CURVE_KEY_RESELECT}, {KEY_Right, 0, Quillgrid::CURVE_KEY_PASS},
      {KEY_Up, 2, Quillgrid::CURVE_KEY_UP},          {KEY_KP_Down, 0, Quillgrid::CURVE_KEY_DOWN},
      {KEY_Delete, 1, Quillgrid::CURVE_KEY_DELETE},  {KEY_a, 0, Quillgrid::CURVE_KEY_PASS},
      {KEY_Return, 0, Quillgrid::CURVE_KEY_PASS},
  };
  for (const auto& c : cases) EXPECT_EQ(Quillgrid::curveTableKeyAction(c.code, c.col), c.action) << c.code;
}

// ---- deleting the last point

TEST_F(EditPointsTest, DeleteLastPointOfSeveralThenOfNone) {
  build();
  qgtest::ModalScript script;
  fillPoints(3);
  ASSERT_FALSE(w->undo_TB->isEnabled());

  EXPECT_EQ(w->handle(w->undo_TB, FXSEL(SEL_COMMAND, Quillgrid::ID_DELETE_LAST_POINT), nullptr), 1);
  EXPECT_EQ(xPixels(3), (std::vector<int>{px(0), px(1), -1}));
  for (int c = 0; c < 5; ++c) EXPECT_TRUE(t->isEmpty(2, c)) << c;
  EXPECT_TRUE(onlyCellSelected(1, 0));  // the point deleted was beyond row 1
  EXPECT_TRUE(w->undo_TB->isEnabled());
  // The magnified views follow the new last point.
  EXPECT_EQ(w->magnifierPoint[0], px(1));
  EXPECT_EQ(w->magnifierPoint[1], py(1));
  EXPECT_EQ(w->lastMagnifierPoint[0], px(1));
  EXPECT_EQ(w->lastMagnifierPoint[1], py(1));

  // The message without a sender in the program does the same.
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_UNDO_LAST_POINT), nullptr), 1);
  EXPECT_EQ(xPixels(2), (std::vector<int>{px(0), -1}));
  EXPECT_EQ(w->lastMagnifierPoint[0], px(0));

  w->onCmdDeleteLastPoint(nullptr, 0, nullptr);
  EXPECT_EQ(w->getLastRowWithData(), -1);
  EXPECT_EQ(w->lastMagnifierPoint[0], px(0));  // remembered

  // Nothing left: the table stays as it is and no box is shown.
  EXPECT_EQ(w->onCmdDeleteLastPoint(nullptr, 0, nullptr), 1);
  EXPECT_EQ(w->getLastRowWithData(), -1);
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(EditPointsTest, DeleteLastPointWithNoPointsLeftMovesTheMagnifier) {
  build();
  showGradientImage(100, 80);
  w->showLineOnMagnifiedImage = false;
  w->extraPixels[0] = 7;
  w->extraPixels[1] = 5;

  // Nothing remembered: the middle of the displayed picture.
  w->onCmdDeleteLastPoint(nullptr, 0, nullptr);
  ASSERT_NE(w->magnifiedPixels[0], nullptr);
  EXPECT_EQ(magnifiedCentre(), FXRGB(50, 40, 0));

  // The point remembered last, a main-window position.
  w->lastMagnifierPoint[0] = 20 + 7;
  w->lastMagnifierPoint[1] = 30 + 5;
  w->onCmdDeleteLastPoint(nullptr, 0, nullptr);
  EXPECT_EQ(magnifiedCentre(), FXRGB(20, 30, 0));
}

// ---- keys of the curve-points table

TEST_F(EditPointsTest, DeleteKeySelectsByTheLastArrowKey) {
  build();
  qgtest::ModalScript script;
  fillPoints(5);
  w->selectCurveTableCell(2, 0);

  EXPECT_EQ(key(KEY_Up), 1);
  EXPECT_FALSE(w->tableMoveDown);
  EXPECT_TRUE(onlyCellSelected(1, 0));
  EXPECT_EQ(w->magnifierPoint[0], px(1));  // the selected point is highlighted

  // After Up the row above the deleted one is selected.
  EXPECT_EQ(key(KEY_Delete), 1);
  EXPECT_EQ(xPixels(5), (std::vector<int>{px(0), px(2), px(3), px(4), -1}));
  EXPECT_TRUE(onlyCellSelected(0, 0));

  // After Down the row that moved into the deleted one's place.
  EXPECT_EQ(key(KEY_Down), 1);
  EXPECT_TRUE(w->tableMoveDown);
  EXPECT_TRUE(onlyCellSelected(1, 0));
  EXPECT_EQ(key(KEY_Delete), 1);
  EXPECT_EQ(xPixels(4), (std::vector<int>{px(0), px(3), px(4), -1}));
  EXPECT_TRUE(onlyCellSelected(1, 0));
  EXPECT_TRUE(w->pointsHighlighted);
  EXPECT_EQ(w->magnifierPoint[0], px(3));

  // Up at the top stays at row 0.
  w->selectCurveTableCell(0, 1);
  EXPECT_EQ(key(KEY_Up), 1);
  EXPECT_TRUE(onlyCellSelected(0, 1));

  // Left in column 0 and Right in column 1 keep the cell.
  EXPECT_EQ(key(KEY_Right), 1);
  EXPECT_TRUE(onlyCellSelected(0, 1));
  w->selectCurveTableCell(1, 0);
  EXPECT_EQ(key(KEY_Left), 1);
  EXPECT_TRUE(onlyCellSelected(1, 0));

  FXEvent ev;
  ev.code = KEY_a;
  ev.state = 0;
  EXPECT_EQ(w->onDataPointsTableKeyPress(t, FXSEL(SEL_KEYPRESS, Quillgrid::ID_CURVE_POINTS_TABLE), &ev), 0);

  // Delete on an empty row deletes nothing.
  w->selectCurveTableCell(4, 0);
  EXPECT_EQ(key(KEY_Delete), 1);
  EXPECT_EQ(xPixels(4), (std::vector<int>{px(0), px(3), px(4), -1}));
  EXPECT_EQ(script.count(), 0u);
}

// ---- deleting selected rows

TEST_F(EditPointsTest, DeleteRowsOfTheCurveAndXYTables) {
  build();
  qgtest::ModalScript script;
  fillPoints(3);

  // No selection: an error box, nothing removed.
  t->killSelection(FALSE);
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_DELETE_CURVE_ROWS), nullptr), 0);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
  EXPECT_EQ(str(script.last().caption), "Row Error");
  EXPECT_EQ(str(script.last().text), "Select 1 or more rows and try again.");
  EXPECT_EQ(xPixels(3), (std::vector<int>{px(0), px(1), px(2)}));

  // Another table's id is not this handler's business.
  EXPECT_EQ(w->onCmdDeleteRows(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_DELETE_LMP_ROWS), nullptr), 0);
  EXPECT_EQ(script.count(), 1u);

  w->pointsHighlighted = true;
  t->selectRange(0, 1, 0, 4, FALSE);
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_DELETE_CURVE_ROWS), nullptr), 1);
  EXPECT_EQ(xPixels(2), (std::vector<int>{px(2), -1}));
  EXPECT_FALSE(w->pointsHighlighted);
  // Every row is still numbered by its place, the appended ones too.
  for (int r = 0; r < t->getNumRows(); ++r) ASSERT_EQ(str(t->getRowText(r)), std::to_string(r + 1)) << r;

  Table_lom2* xy = w->xyValues_TBL;
  for (int r = 0; r < 4; ++r) xy->setItemText(r, 0, FXStringVal(r));
  xy->selectRange(1, 2, 0, 1, FALSE);
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_DELETE_XY_ROWS), nullptr), 1);
  EXPECT_EQ(str(xy->getItemText(0, 0)), "0");
  EXPECT_EQ(str(xy->getItemText(1, 0)), "3");
  for (int r = 0; r < xy->getNumRows(); ++r) ASSERT_EQ(str(xy->getRowText(r)), std::to_string(r + 1)) << r;
  EXPECT_EQ(script.count(), 1u);
}

TEST_F(EditPointsTest, DeletingCurveRowsKeepsEmptyRowsAtTheEnd) {
  build();
  const int before = t->getNumRows();
  w->appendRows(1);
  ASSERT_GT(t->getNumRows(), before);
  // A table full of points would take its next point into row 0.
  const int rows = t->getNumRows();
  fillPoints(rows);
  t->selectRange(rows - 3, rows - 1, 0, 0, FALSE);
  EXPECT_EQ(w->onCmdDeleteRows(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_DELETE_CURVE_ROWS), nullptr), 1);
  EXPECT_EQ(t->getNumRows(), rows);
  EXPECT_EQ(w->getLastRowWithData(), rows - 4);
  for (int r = rows - 3; r < rows; ++r) EXPECT_TRUE(t->isEmpty(r, 3)) << r;
}

// ---- highlighting

TEST_F(EditPointsTest, HighlightAndUnhighlightTheSelection) {
  build();
  fillPoints(3);

  // Empty selected rows mark nothing.
  t->selectRange(5, 6, 0, 4, FALSE);
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_HIGHLIGHT_POINTS), nullptr), 1);
  EXPECT_FALSE(w->pointsHighlighted);

  t->selectRange(0, 1, 0, 4, FALSE);
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_HIGHLIGHT_POINTS), nullptr), 1);
  EXPECT_TRUE(w->pointsHighlighted);
  EXPECT_EQ(w->magnifierPoint[0], px(1));
  EXPECT_EQ(w->magnifierPoint[1], py(1));

  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_UNHIGHLIGHT_POINTS), nullptr), 1);
  EXPECT_FALSE(t->isAnythingSelected());
  EXPECT_FALSE(w->pointsHighlighted);

  // Without clearing, the selection stays.
  t->selectRange(2, 2, 0, 0, FALSE);
  w->unHighlightPoints(false);
  EXPECT_TRUE(t->isItemSelected(2, 0));
}

TEST_F(EditPointsTest, HighlightMarksThePixelsAndUnhighlightTakesThemBack) {
  build();
  ASSERT_TRUE(openWhitePicture(200));
  ASSERT_NE(w->image, nullptr);

  const int ix = 100, iy = 100;  // image pixel of the point
  t->setItemText(0, 0, "1");
  t->setItemText(0, 1, "2");
  t->setItemText(0, 3, FXStringVal(ix + w->extraPixels[0]));
  t->setItemText(0, 4, FXStringFormat("%.4lf", double(iy + w->extraPixels[1])));
  // Read back from the display, without the alpha byte.
  auto pixel = [&](int x, int y) {
    w->image->restore();
    const FXColor c = w->image->getPixel(x, y);
    return FXRGB(FXREDVAL(c), FXGREENVAL(c), FXBLUEVAL(c));
  };
  const FXColor white1 = FXRGB(255, 255, 255);
  ASSERT_EQ(pixel(ix, iy), white1);
  w->dataPointColor = FXRGB(0, 255, 0);

  t->selectRange(0, 0, 0, 4, FALSE);
  w->onCmdHighlightSelectedPoints(nullptr, 0, nullptr);
  // A bold cross in the point colour, rimmed dark, around the plain mark.
  EXPECT_EQ(pixel(ix + 10, iy), w->dataPointColor);
  EXPECT_EQ(pixel(ix, iy - 10), w->dataPointColor);
  EXPECT_EQ(pixel(ix + 19, iy - 2), FXRGB(0, 0, 0));
  EXPECT_EQ(pixel(ix + 3, iy), w->dataPointColor);
  EXPECT_EQ(pixel(ix + 3, iy + 3), white1);  // the centre stays open

  w->onCmdUnHighlightPoints(nullptr, 0, nullptr);
  EXPECT_FALSE(t->isAnythingSelected());
  // Back to the plain mark of the point.
  EXPECT_EQ(pixel(ix + 10, iy), white1);
  EXPECT_EQ(pixel(ix, iy - 10), white1);
  EXPECT_EQ(pixel(ix + 19, iy - 2), white1);
  EXPECT_EQ(pixel(ix + 3, iy), w->dataPointColor);
}

// ---- clearing and restoring

TEST_F(EditPointsTest, RestoreAfterClearGivesBackEveryRow) {
  build();
  const int n = 40;
  fillPoints(n);
  t->setItemText(7, 2, "1.5");
  std::vector<std::string> before;
  for (int r = 0; r <= n; ++r)
    for (int c = 0; c < 5; ++c) before.push_back(str(t->getItemText(r, c)));
  w->nextAxisDataType = 6;
  ASSERT_TRUE(qgtest::runUntil([&] { return t->getHeight() > 50; }));

  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_CLEAR_CURVE_POINTS), nullptr), 1);
  EXPECT_EQ(w->getLastRowWithData(), -1);
  EXPECT_TRUE(w->restoreData_Btn->isEnabled());
  EXPECT_FALSE(w->copyTable_Btn->isEnabled());

  EXPECT_EQ(w->handle(w->restoreData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_RESTORE_TABLE), nullptr), 1);
  std::vector<std::string> after;
  for (int r = 0; r <= n; ++r)
    for (int c = 0; c < 5; ++c) after.push_back(str(t->getItemText(r, c)));
  EXPECT_EQ(after, before);
  EXPECT_FALSE(w->restoringTable);
  EXPECT_FALSE(w->restoreData_Btn->isEnabled());
  EXPECT_TRUE(w->clearData_Btn->isEnabled());
  for (FXButton* b : {w->copyTable_Btn, w->copyCurveTable_Btn, w->copyX_Btn, w->copyY_Btn}) EXPECT_TRUE(b->isEnabled());
  // Scrolled to the row after the last restored one.
  EXPECT_TRUE(t->isItemVisible(n, 0));
  EXPECT_FALSE(t->isItemVisible(0, 0));
}

// With a picture the restore replays a click with the pointer on it: the
// click's steps run (the step count goes on) but no point is added.
TEST_F(EditPointsTest, RestoreReplaysAClickThatAddsNoPoint) {
  build();
  ASSERT_TRUE(openWhitePicture(200));
  const char* axis[2][2][3] = {{{"0", "10", "190"}, {"100", "190", "190"}}, {{"0", "10", "190"}, {"50", "10", "10"}}};
  for (int a = 0; a < 2; ++a)
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 3; ++c) w->axisDataPoints_TBL[a]->setItemText(r, c, axis[a][r][c]);
  w->autoFindPoint_Chk->setCheck(FALSE);
  fillPoints(3);
  w->nextAxisDataType = 6;
  w->setCursorPosition(w->extraPixels[0] + 100, w->extraPixels[1] + 100);
  qgtest::ModalScript script;
  w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_CLEAR_CURVE_POINTS), nullptr);
  ASSERT_EQ(w->getLastRowWithData(), -1);
  EXPECT_EQ(w->handle(w->restoreData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_RESTORE_TABLE), nullptr), 1);
  EXPECT_EQ(w->nextAxisDataType, 7);
  EXPECT_EQ(xPixels(4), (std::vector<int>{px(0), px(1), px(2), -1}));
  EXPECT_EQ(str(t->getItemText(2, 0)), "2.5");
  EXPECT_FALSE(w->restoringTable);
  EXPECT_EQ(script.count(), 0u);
}

// ---- the right-button menu on the image

TEST_F(EditPointsTest, RightButtonMenuEntriesThroughTheSeam) {
  build();
  std::vector<std::string> entries;
  std::vector<FXSelector> ids;
  std::vector<bool> enabled;
  std::vector<FXIcon*> icons;
  int runs = 0, atX = 0, atY = 0;
  FXMenuCommand* deleteLast = nullptr;
  std::function<void(FXMenuPane*, int, int)> runner;
  qgtest::ModalScript modal;  // puts the default answers back at the end
  ModalSeam::setResponder(popUpsTo(runner));
  runner = [&](FXMenuPane* pane, int x, int y) {
    ++runs;
    atX = x;
    atY = y;
    entries.clear();
    ids.clear();
    enabled.clear();
    icons.clear();
    for (FXWindow* c = pane->getFirst(); c; c = c->getNext()) {
      if (FXMenuCommand* m = dynamic_cast<FXMenuCommand*>(c)) {
        entries.push_back(str(m->getText()));
        ids.push_back(m->getTarget() ? m->getSelector() : 0);
        enabled.push_back(m->isEnabled() != 0);
        icons.push_back(m->getIcon());
        if (entries.back() == "Delete last point") deleteLast = m;
      } else if (dynamic_cast<FXMenuSeparator*>(c)) {
        entries.push_back("-");
      }
    }
  };
  FXEvent ev;
  ev.type = SEL_RIGHTBUTTONRELEASE;
  ev.root_x = 321;
  ev.root_y = 123;
  ev.moved = FALSE;
  const FXSelector rightRelease = FXSEL(SEL_RIGHTBUTTONRELEASE, Quillgrid::ID_IMAGE_VIEW);

  // An empty table shows no menu.
  EXPECT_EQ(w->handle(w->imageView, rightRelease, &ev), 1);
  EXPECT_EQ(runs, 0);

  fillPoints(2);
  t->selectRange(0, 0, 0, 1, FALSE);
  w->autoFindCurve_Btn->disable();
  w->copyTable_Btn->disable();
  EXPECT_EQ(w->handle(w->imageView, rightRelease, &ev), 1);
  ASSERT_EQ(runs, 1);
  EXPECT_FALSE(t->isAnythingSelected());
  EXPECT_EQ(atX, 321);
  EXPECT_EQ(atY, 123);
  EXPECT_EQ(entries, (std::vector<std::string>{"Auto-find curve", "-", "Copy table", "-", "Copy X", "Copy Y", "-",
                                                "-", "Delete last point", "-", "Clear data", "-", "Dismiss"}));
  EXPECT_EQ(ids, (std::vector<FXSelector>{Quillgrid::ID_AUTO_FIND_CURVE, Quillgrid::ID_COPY_CURVE_TABLE,
                                          Quillgrid::ID_COPY_CURVE_X, Quillgrid::ID_COPY_CURVE_Y,
                                          Quillgrid::ID_DELETE_LAST_POINT, Quillgrid::ID_CLEAR_CURVE_POINTS, 0}));
  EXPECT_EQ(enabled, (std::vector<bool>{false, false, false, false, true, true, true}));
  EXPECT_EQ(icons[1], w->copyIcon);
  EXPECT_NE(icons[4], nullptr);  // an undo icon of the menu's own
  EXPECT_NE(icons[4], w->undoIcon);
  EXPECT_EQ(icons[5], w->deleteIcon);
  ASSERT_NE(deleteLast, nullptr);
  EXPECT_EQ(deleteLast->getIcon(), nullptr);  // gone with the menu

  // Enabled buttons enable their entries; ordered copying is named.
  delete w->popUpPane;
  w->popUpPane = nullptr;
  w->autoFindCurve_Btn->enable();
  w->copyTable_Btn->enable();
  w->autoOrderIncreasingWhenCopying_Chk->setCheck(TRUE);
  w->copyX_Btn->setText("Copy X (O)");
  runner = [&](FXMenuPane* pane, int, int) {
    ++runs;
    entries.clear();
    enabled.clear();
    for (FXWindow* c = pane->getFirst(); c; c = c->getNext())
      if (FXMenuCommand* m = dynamic_cast<FXMenuCommand*>(c)) {
        entries.push_back(str(m->getText()));
        enabled.push_back(m->isEnabled() != 0);
        // Choosing "Delete last point" deletes it.
        if (entries.back() == "Delete last point") m->getTarget()->handle(m, FXSEL(SEL_COMMAND, m->getSelector()), nullptr);
      }
  };
  EXPECT_EQ(w->onCmdRightButtonOnImage(w->imageView, rightRelease, &ev), 1);
  ASSERT_EQ(runs, 2);
  EXPECT_EQ(entries, (std::vector<std::string>{"Auto-find curve", "Copy table (AO)", "Copy X (O)", "Copy Y",
                                                "Delete last point", "Clear data", "Dismiss"}));
  EXPECT_EQ(enabled, std::vector<bool>(7, true));
  EXPECT_EQ(xPixels(2), (std::vector<int>{px(0), -1}));
}

}  // namespace
