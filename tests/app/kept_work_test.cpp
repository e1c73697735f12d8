// Work the user made is not lost by one gesture: a Shift-drag starts after
// the picked points, a fine rotation keeps the typed axis values, a data
// file that cannot be read changes nothing, "Delete row(s)" deletes the
// row pointed at, and "Restore data" asks before it replaces new points.
#include <random>
#include <string>
#include <vector>

#include "PickedGraphFixture.h"
#include "ValueTableRules.h"

using namespace FX;

namespace {

std::string str(const FXString& s) { return s.text(); }

typedef std::vector<std::pair<int, int>> Points;

class KeptWork : public PickedGraphFixture {};

TEST(KeptWorkRules, PointsTheBackupDoesNotHold) {
  const struct {
    std::vector<FXString> now, kept;
    int lost;
  } cases[] = {
      {{}, {"1\t2", "3\t4"}, 0},
      {{"1\t2"}, {"1\t2", "3\t4"}, 0},            // rows deleted since the backup
      {{"3\t4", "1\t2"}, {"1\t2", "3\t4"}, 0},    // in another order
      {{"1\t2", "5\t6"}, {"1\t2", "3\t4"}, 1},    // one picked since
      {{"5\t6", "7\t8"}, {}, 2},                  // nothing kept
      {{"1\t2"}, {"1\t3"}, 1},                    // the same column is not the same point
  };
  for (const auto& c : cases) EXPECT_EQ(Quillgrid::pointsNotKept(c.now, c.kept), c.lost) << c.now.size();
}

TEST_F(KeptWork, ShiftDragStartsAfterThePickedPoints) {
  qgtest::ModalScript script;
  defineAxes();
  click(100, 200, CONTROLMASK);
  click(150, 180, CONTROLMASK);
  const Points picked = {{100, 200}, {150, 180}};
  ASSERT_EQ(points(), picked);

  // A real drag: the display moves the pointer, its motion events draw.
  ASSERT_EQ(key(KEY_Shift_L), 1);
  ASSERT_TRUE(w->dragMode);
  w->imageView->setCursorPosition(200, 180);
  ASSERT_TRUE(qgtest::runUntil([&] { return points().size() == 3; }));
  w->imageView->setCursorPosition(230, 180);
  ASSERT_TRUE(qgtest::runUntil([&] { return points().size() == 4; }));
  keyUp(KEY_Shift_L);
  EXPECT_EQ(points(), (Points{{100, 200}, {150, 180}, {200, 180}, {230, 180}}));

  // Every new Shift press goes on after the last point, with the arrow
  // keys too (3 pixels a step with Shift).
  ASSERT_EQ(key(KEY_Shift_L), 1);
  for (int i = 0; i < 4; ++i) ASSERT_EQ(key(KEY_Right, SHIFTMASK), 1);
  ASSERT_TRUE(qgtest::runUntil([&] { return points().size() == 5; }));
  keyUp(KEY_Shift_L);
  EXPECT_EQ(points(), (Points{{100, 200}, {150, 180}, {200, 180}, {230, 180}, {242, 180}}));
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(KeptWork, FineRotationKeepsTheTypedAxisValues) {
  qgtest::ModalScript script;
  defineAxes();
  click(200, 150);
  ASSERT_EQ(points().size(), 1u);

  command(w->rotateCwFine_TB);
  ASSERT_EQ(w->rotationAngle, 25);
  // The reference points moved with the picture and are clicked again;
  // their typed values stay, as after a quarter turn.
  const char* values[2][2] = {{"0", "300"}, {"0", "20"}};
  for (int a = 0; a < 2; ++a)
    for (int r = 0; r < 2; ++r) {
      EXPECT_EQ(str(w->axisDataPoints_TBL[a]->getItemText(r, 0)), values[a][r]) << a << r;
      EXPECT_TRUE(w->axisDataPoints_TBL[a]->isEmpty(r, 1)) << a << r;
      EXPECT_TRUE(w->axisDataPoints_TBL[a]->isEmpty(r, 2)) << a << r;
    }
  EXPECT_EQ(w->nextAxisDataType, 0);
  EXPECT_TRUE(w->axisDataType_RB[0]->getCheck());
  // The curve point is gone from the table but kept for "Restore data".
  EXPECT_TRUE(points().empty());
  EXPECT_TRUE(w->restoreData_Btn->isEnabled());

  // Three clicks define the axes again, without typing.
  click(50, 250);
  click(350, 250);
  click(50, 50);
  click(200, 150);
  ASSERT_EQ(points().size(), 1u);
  EXPECT_NEAR(t->toDouble(0, 0), 150.0, 1e-9);
  EXPECT_NEAR(t->toDouble(0, 1), 10.0, 1e-9);

  // Right after the origin click a rotation keeps the origin too.
  command(w->rotateCwFine_TB);
  ASSERT_EQ(w->nextAxisDataType, 0);
  click(50, 250);
  ASSERT_TRUE(w->axisDataType_RB[1]->getCheck());
  command(w->rotateCwFine_TB);
  EXPECT_EQ(w->axisDataPoints_TBL[0]->toInt(0, 1), 50 + w->extraPixels[0]);
  EXPECT_EQ(str(w->axisDataPoints_TBL[0]->getItemText(1, 0)), "300");
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(KeptWork, ADataFileThatCannotBeReadChangesNothing) {
  for (int r = 0; r < 3; ++r) {
    w->xyValues_TBL->setItemText(r, 0, FXStringVal(r + 1));
    w->xyValues_TBL->setItemText(r, 1, FXStringVal(10 * (r + 1)));
    w->lmpData_TBL->setItemText(r, 0, "100");
    w->lmpData_TBL->setItemText(r, 1, FXStringVal(50 + r));
    w->lmpData_TBL->setItemText(r, 2, "800");
  }
  defineAxes();
  w->fitPlotFontSize = 12;
  w->tabBook->setCurrent(1, FALSE);
  auto state = [&] {
    std::vector<std::string> s;
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < 3; ++c) s.push_back(str(w->xyValues_TBL->getItemText(r, c)) + "|" +
                                              str(w->lmpData_TBL->getItemText(r, c)));
    for (int a = 0; a < 2; ++a)
      for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) s.push_back(str(w->axisDataPoints_TBL[a]->getItemText(r, c)));
    s.push_back(std::to_string(w->fitPlotFontSize) + " tab " + std::to_string(w->tabBook->getCurrent()) + " step " +
                std::to_string(w->nextAxisDataType));
    return s;
  };
  const std::vector<std::string> before = state();

  // 20 KB of random bytes, and files one recognised line short of a data
  // file, whose lines would change the font size and both tables.
  std::mt19937 random(9);
  std::string noise(20 * 1024, '\0');
  for (char& b : noise) b = char(random() & 0xFF);
  std::string shortFile;
  for (int i = 0; i < 27; ++i) shortFile += "<fitPlotFontSize>16\n";
  shortFile += "<xyValues>0 7 8\n<LMPValues>1 9 9 9\n<directoryForUserFiles>/tmp\n<RecentImageFiles>0 /tmp/a.png\n";
  const std::string files[] = {noise, shortFile};
  for (const std::string& bytes : files) {
    const std::string path = dir.path() + "/bad.qwr";
    qgtest::writeFile("bad.qwr", bytes);
    qgtest::ModalScript script;
    script.acceptFile(path.c_str());
    EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_OPEN_DATA_FILE), nullptr), 1);
    ASSERT_EQ(script.count(), 2u);
    EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
    EXPECT_EQ(str(script.last().caption), "Error");
    EXPECT_EQ(str(script.last().text), "Unknown error reading file");
    EXPECT_EQ(state(), before) << bytes.size();
    EXPECT_TRUE(w->recentFiles[1][0].empty());
  }

  // One line more makes it a data file: then it is applied.
  const std::string good = "<fitPlotFontSize>16\n" + shortFile;
  qgtest::writeFile("good.qwr", good);
  qgtest::ModalScript script;
  script.acceptFile((dir.path() + "/good.qwr").c_str());
  w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_OPEN_DATA_FILE), nullptr);
  EXPECT_EQ(script.count(), 1u);
  EXPECT_EQ(w->fitPlotFontSize, 16);
  EXPECT_EQ(str(w->xyValues_TBL->getItemText(0, 0)), "7");
  EXPECT_TRUE(w->xyValues_TBL->isEmpty(1, 0));  // the table was cleared first
  EXPECT_EQ(str(w->lmpData_TBL->getItemText(1, 1)), "9");
}

TEST_F(KeptWork, DeleteRowsInTheXYValuesTableActsOnTheRowPointedAt) {
  Table_lom2* xy = w->xyValues_TBL;
  showXYValues(5);
  ASSERT_TRUE(xy->isItemSelected(0, 0));
  const int rows = xy->getNumRows();
  FXListBox* count = w->numRowsInXYTable_LB;
  ASSERT_EQ(rows, xyTableRowCount(count->getItemText(count->getCurrentItem())));  // what "# rows in table" shows
  auto column0 = [&](int n) {
    std::vector<std::string> out;
    for (int r = 0; r < n; ++r) out.push_back(str(xy->getItemText(r, 0)));
    return out;
  };

  const struct {
    int selFrom, selTo, clicked;
    std::vector<std::string> left;
  } cases[] = {
      {0, 0, 2, {"0", "1", "3", "4", ""}},  // outside the selection: that row
      {1, 2, 2, {"0", "3", "4", "", ""}},   // inside it: the selected rows
  };
  for (const auto& c : cases) {
    for (int r = 0; r < 5; ++r) xy->setItemText(r, 0, FXStringVal(r));
    xy->killSelection(FALSE);
    xy->selectRange(c.selFrom, c.selTo, 0, 1, FALSE);
    qgtest::ModalScript script;
    script.then([](ModalSeam::Request& r) { return choose(r, "Delete row(s)"); });
    ASSERT_TRUE(rightClickRow(xy, c.clicked));
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(script.last().kind, ModalSeam::POPUP_MENU);
    EXPECT_EQ(column0(5), c.left) << c.clicked;
    EXPECT_EQ(xy->getNumRows(), rows);
    EXPECT_EQ(w->convertedXYValues_TBL->getNumRows(), rows);
  }
}

TEST_F(KeptWork, RestoreDataAsksBeforeReplacingPointsPickedSinceTheClear) {
  defineAxes();
  for (int i = 0; i < 4; ++i) click(100 + 40 * i, 200 - 20 * i);
  const Points old = points();
  ASSERT_EQ(old.size(), 4u);
  press(w->clearData_Btn);
  ASSERT_TRUE(points().empty());
  ASSERT_TRUE(w->restoreData_Btn->isEnabled());
  click(300, 100);
  const Points fresh = {{300, 100}};
  ASSERT_EQ(points(), fresh);

  // No keeps the table as it is, and the data can still be restored.
  qgtest::ModalScript script;
  script.press(MBOX_CLICKED_NO);
  press(w->restoreData_Btn);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::QUESTION_BOX);
  EXPECT_EQ(script.last().buttons & 0xF0000000u, (FXuint)MBOX_YES_NO);
  EXPECT_EQ(str(script.last().caption), "Restore data");
  EXPECT_EQ(str(script.last().text),
            "Points have been picked since the data were cleared.\n"
            "Restoring the data replaces them, and they are lost.\n\n"
            "Restore the data?");
  EXPECT_EQ(points(), fresh);
  EXPECT_TRUE(w->restoreData_Btn->isEnabled());

  // Yes replaces them.
  script.press(MBOX_CLICKED_YES);
  press(w->restoreData_Btn);
  EXPECT_EQ(script.count(), 2u);
  EXPECT_EQ(points(), old);
  EXPECT_FALSE(w->restoreData_Btn->isEnabled());
}

}  // namespace
