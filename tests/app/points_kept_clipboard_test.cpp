// Picked points and table rows that a cancelled colour pick, another
// picture, "Reset all", a turn of the picture or a choice on the Xy Values
// tab used to throw away without a word: they come back, stay for
// "Restore data", or go only after a Yes. The clipboard keeps what another
// program put there, and Ctrl+V in the Xy Values table makes it the data
// source as the tool-bar paste does.
#include <functional>
#include <string>
#include <vector>

#include "ForeignClipboard.h"
#include "PickedGraphFixture.h"

using namespace FX;

namespace {

typedef std::vector<std::pair<int, int>> Points;
typedef std::vector<std::string> Cells;

class PointsKept : public PickedGraphFixture {
protected:
  Points pick(const Points& at) {
    for (const auto& p : at) click(p.first, p.second);
    return points();
  }
  static Cells cells(FXTable* table) {
    Cells out;
    for (int r = 0; r < table->getNumRows(); ++r)
      for (int c = 0; c < table->getNumColumns(); ++c) out.push_back(table->getItemText(r, c).text());
    return out;
  }
  static Cells headers(FXTable* table) {
    Cells out;
    for (int c = 0; c < table->getNumColumns(); ++c) out.push_back(table->getColumnText(c).text());
    return out;
  }
  static bool holdsText(FXTable* table) {
    for (const std::string& s : cells(table))
      if (!s.empty()) return true;
    return false;
  }
  // A click on the curve colour box: the press and release it gets.
  void colourBoxClick() { press(w->curve_color); }
  // A second picture with the same axes as the first.
  std::string writeOtherPicture() {
    std::vector<FXColor> p(WIDTH * HEIGHT, FXRGB(255, 255, 240));
    for (int x = 50; x <= 350; ++x) p[250 * WIDTH + x] = FXRGB(0, 0, 0);
    for (int y = 50; y <= 250; ++y) p[y * WIDTH + 50] = FXRGB(0, 0, 0);
    FXFileStream s;
    EXPECT_TRUE(s.open("other.png", FXStreamSave));
    EXPECT_TRUE(fxsavePNG(s, p.data(), WIDTH, HEIGHT));
    s.close();
    return dir.path() + "/other.png";
  }
  // Opens a picture through the file dialog or its recent-files entry,
  // answering the question (if one comes) with the button given; the
  // script's requests are returned.
  std::vector<ModalSeam::Request> open(const std::string& path, bool recent, FXuint answer) {
    qgtest::ModalScript script;
    if (recent) {
      w->updateRecentlyUsedFileList(path.c_str(), 0);
      script.press(answer);
      command(w->recentFiles_MC[0][0]);
    } else {
      script.acceptFile(path.c_str()).press(answer);
      w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_OPEN_IMAGE_FILE), nullptr);
    }
    w->getExtraPixels();
    return script.requests();
  }
  static void command(FXWindow* sender) {
    sender->getTarget()->handle(sender, FXSEL(SEL_COMMAND, sender->getSelector()), nullptr);
  }
  std::string clipboardText() {
    FXString s;
    w->getDNDData(FROM_CLIPBOARD, FXWindow::utf8Type, s);
    return s.text();
  }
  void catchUpWithTheDisplay() { qgtest::catchUpWithTheDisplay(w->imageView); }
  static size_t questions(const std::vector<ModalSeam::Request>& requests) {
    size_t n = 0;
    for (const ModalSeam::Request& r : requests) n += r.kind == ModalSeam::QUESTION_BOX;
    return n;
  }
};

// ---- the colour pick

// Picking on one picture, opening another, then cancelling a colour pick
// there brought the first picture's points into the new table (with the
// clear option) or asked to restore them (without it).
TEST_F(PointsKept, ACancelledColourPickBringsNoPointsOfAnotherPicture) {
  for (const bool clearOnPick : {true, false}) {
    SCOPED_TRACE(clearOnPick ? "clear data when defining color" : "keep the data");
    ASSERT_TRUE(w->loadImage("graph.png"));
    defineAxes();
    ASSERT_EQ(pick({{100, 200}, {150, 180}, {200, 160}}).size(), 3u);
    open(writeOtherPicture(), false, MBOX_CLICKED_YES);
    ASSERT_EQ(std::string(FXPath::name(w->imageFileName).text()), "other.png");
    defineAxes();
    if (!clearOnPick) {
      ASSERT_EQ(pick({{120, 190}, {170, 170}}).size(), 2u);
    }
    const Cells before = cells(t);
    w->clearWhenDefiningNewCurveColor_Chk->setCheck(clearOnPick);

    qgtest::ModalScript script;
    colourBoxClick();
    ASSERT_TRUE(w->pickColorMode);
    colourBoxClick();
    EXPECT_FALSE(w->pickColorMode);
    EXPECT_EQ(script.count(), 0u) << "the cancel asks nothing";
    EXPECT_EQ(cells(t), before);
    EXPECT_FALSE(w->restoreData_Btn->isEnabled());
    EXPECT_FALSE(holdsText(w->curveDataBackup_TBL)) << "the first picture's points are gone for good";
  }
}

// The cancel gives back the table, its backup, its headers and its buttons
// as they were when the pick started.
TEST_F(PointsKept, ACancelledColourPickLeavesTheTableAndItsBackupAsTheyWere) {
  defineAxes();
  const Points first = pick({{100, 200}, {150, 180}});
  press(w->clearData_Btn);
  const Points second = pick({{250, 120}, {120, 190}, {180, 170}});
  ASSERT_EQ(second.size(), 3u);
  press(w->orderPoints_Btn);  // the x header carries the ordered mark
  w->clearWhenDefiningNewCurveColor_Chk->setCheck(TRUE);
  const Cells table = cells(t), backup = cells(w->curveDataBackup_TBL), heads = headers(t);
  const bool restore = w->restoreData_Btn->isEnabled(), order = w->orderPoints_Btn->isEnabled();
  ASSERT_TRUE(restore);

  qgtest::ModalScript script;
  colourBoxClick();
  ASSERT_FALSE(holdsText(t));
  colourBoxClick();
  EXPECT_EQ(script.count(), 0u);
  EXPECT_EQ(cells(t), table);
  EXPECT_EQ(headers(t), heads);
  EXPECT_EQ(cells(w->curveDataBackup_TBL), backup);
  EXPECT_EQ(w->restoreData_Btn->isEnabled(), restore);
  EXPECT_EQ(w->orderPoints_Btn->isEnabled(), order);
  EXPECT_TRUE(w->clearData_Btn->isEnabled());
  EXPECT_TRUE(w->copyTable_Btn->isEnabled());

  // "Restore data" still brings back the points of the earlier clear.
  script.press(MBOX_CLICKED_YES);
  press(w->restoreData_Btn);
  EXPECT_EQ(points(), first);
}

// ---- another picture, "Reset all" and the turns

TEST_F(PointsKept, AnotherPictureAsksFirstAndNoLeavesEverythingAsItWas) {
  const std::string other = writeOtherPicture();
  for (const bool recent : {false, true}) {
    SCOPED_TRACE(recent ? "recent-files entry" : "file dialog");
    ASSERT_TRUE(w->loadImage("graph.png"));
    defineAxes();
    pick({{100, 200}, {150, 180}});
    press(w->clearData_Btn);
    pick({{200, 160}});
    const FXImage* picture = w->image;
    const std::string name = w->imageFileName.text();
    const Cells table = cells(t), backup = cells(w->curveDataBackup_TBL);
    w->directoryForUserFiles = "/";

    std::vector<ModalSeam::Request> asked = open(other, recent, MBOX_CLICKED_NO);
    ASSERT_EQ(questions(asked), 1u);
    EXPECT_EQ(std::string(asked.back().caption.text()), "Open image file");
    EXPECT_EQ(w->image, picture);
    EXPECT_EQ(std::string(w->imageFileName.text()), name);
    EXPECT_EQ(std::string(w->directoryForUserFiles.text()), "/");
    EXPECT_EQ(cells(t), table);
    EXPECT_EQ(cells(w->curveDataBackup_TBL), backup);
    EXPECT_TRUE(w->restoreData_Btn->isEnabled());

    asked = open(other, recent, MBOX_CLICKED_YES);
    EXPECT_EQ(questions(asked), 1u);
    EXPECT_EQ(std::string(w->imageFileName.text()), other);
    EXPECT_FALSE(holdsText(t));
    EXPECT_FALSE(holdsText(w->curveDataBackup_TBL));
    EXPECT_FALSE(w->restoreData_Btn->isEnabled());
  }
  // Nothing at stake: no question.
  EXPECT_EQ(questions(open(dir.path() + "/graph.png", false, MBOX_CLICKED_NO)), 0u);
  EXPECT_EQ(std::string(FXPath::name(w->imageFileName).text()), "graph.png");
}

TEST_F(PointsKept, ResetAllAsksWhilePointsCanBeLost) {
  defineAxes();
  const Points picked = pick({{100, 200}, {150, 180}, {200, 160}});
  press(w->clearData_Btn);
  ASSERT_TRUE(w->restoreData_Btn->isEnabled());
  {
    qgtest::ModalScript script;
    script.press(MBOX_CLICKED_NO);
    press(w->resetAll_Btn);
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(script.last().kind, ModalSeam::QUESTION_BOX);
    EXPECT_EQ(std::string(script.last().caption.text()), "Reset all");
  }
  EXPECT_TRUE(w->restoreData_Btn->isEnabled()) << "the backup of \"Clear data\" is kept";
  EXPECT_TRUE(w->axisDataType_RB[4]->getCheck()) << "the axes stay defined";
  press(w->restoreData_Btn);
  EXPECT_EQ(points(), picked);
  {
    qgtest::ModalScript script;
    script.press(MBOX_CLICKED_YES);
    press(w->resetAll_Btn);
    EXPECT_EQ(script.count(), 1u);
  }
  EXPECT_FALSE(holdsText(t));
  EXPECT_FALSE(w->restoreData_Btn->isEnabled());
  qgtest::ModalScript script;
  press(w->resetAll_Btn);
  EXPECT_EQ(script.count(), 0u) << "nothing left to lose";
}

TEST_F(PointsKept, QuarterAndHalfTurnsKeepThePointsForRestoreData) {
  for (FXWindow* turn : {(FXWindow*)w->rotate90Cw_TB, (FXWindow*)w->rotate180_TB}) {
    SCOPED_TRACE(turn == w->rotate180_TB ? "half turn" : "quarter turn");
    ASSERT_TRUE(w->loadImage("graph.png"));
    defineAxes();
    ASSERT_EQ(pick({{100, 200}, {150, 180}}).size(), 2u);
    const Cells picked = cells(t);
    qgtest::ModalScript script;
    command(turn);
    EXPECT_EQ(script.count(), 0u);
    EXPECT_FALSE(holdsText(t));
    ASSERT_TRUE(w->restoreData_Btn->isEnabled());
    press(w->restoreData_Btn);
    EXPECT_EQ(cells(t), picked);
  }
}

// "Reset all", a new picture, a turn and the start of drag drawing blanked
// the clipboard, though it held what the user had copied in another program.
TEST_F(PointsKept, AnotherProgramsClipboardIsLeftAlone) {
  const std::string other = writeOtherPicture();
  const struct {
    const char* name;
    std::function<void()> act;
  } cases[] = {
      {"reset all", [&] {
         qgtest::ModalScript script;
         script.press(MBOX_CLICKED_YES);
         press(w->resetAll_Btn);
       }},
      {"another picture", [&] { open(other, false, MBOX_CLICKED_YES); }},
      {"quarter turn", [&] { command(w->rotate90Ccw_TB); }},
      {"shift starts drag drawing", [&] {
         ASSERT_EQ(key(KEY_Shift_L), 1);
         ASSERT_TRUE(w->dragMode);
         keyUp(KEY_Shift_L);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(w->loadImage("graph.png"));
    defineAxes();
    pick({{100, 200}, {150, 180}});
    qgtest::ForeignClipboard elsewhere("copied elsewhere");
    ASSERT_TRUE(elsewhere.owning());
    ASSERT_EQ(clipboardText(), "copied elsewhere");
    // The user's command comes after the copy in the other program.
    catchUpWithTheDisplay();
    c.act();
    EXPECT_EQ(clipboardText(), "copied elsewhere");
  }
  // The program's own copy of the old points is blanked as before.
  ASSERT_TRUE(w->loadImage("graph.png"));
  defineAxes();
  pick({{100, 200}, {150, 180}});
  catchUpWithTheDisplay();
  press(w->copyTable_Btn);
  ASSERT_NE(clipboardText().find('\t'), std::string::npos);
  qgtest::ModalScript script;
  script.press(MBOX_CLICKED_YES);
  press(w->resetAll_Btn);
  EXPECT_EQ(clipboardText(), " ");
}

// ---- the Xy Values tab

// Choosing fewer rows dropped the rows beyond them with their data.
TEST_F(PointsKept, FewerRowsAreChosenOnlyAfterAYesWhenRowsWithDataWouldGo) {
  FXListBox* list = w->numRowsInXYTable_LB;
  // The list box's own message when an item of its list is clicked.
  auto choose = [&](int item) {
    list->setCurrentItem(item, FALSE);
    return list->handle(list, FXSEL(SEL_COMMAND, FXListBox::ID_LIST), (void*)(FXival)item);
  };
  {
    qgtest::ModalScript script;
    choose(6);  // "5,000": the table grows, nothing is asked
    EXPECT_EQ(script.count(), 0u);
  }
  ASSERT_EQ(w->xyValues_TBL->getNumRows(), 5000);
  for (int r = 0; r < 5000; ++r) w->xyValues_TBL->setItemText(r, 0, FXStringVal(r));
  {
    qgtest::ModalScript script;
    script.press(MBOX_CLICKED_NO);
    choose(0);  // "100"
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(script.last().kind, ModalSeam::QUESTION_BOX);
    EXPECT_NE(std::string(script.last().text.text()).find("4900 rows"), std::string::npos);
  }
  EXPECT_EQ(w->xyValues_TBL->getNumRows(), 5000);
  EXPECT_EQ(std::string(w->xyValues_TBL->getItemText(4999, 0).text()), "4999");
  EXPECT_EQ(list->getCurrentItem(), 6) << "the list shows the rows the table has";
  EXPECT_EQ(std::string(list->getItemText(list->getCurrentItem()).text()), "5,000");
  {
    // Rows beyond the data go without a question.
    for (int r = 1000; r < 5000; ++r) w->xyValues_TBL->setItemText(r, 0, FXString::null);
    qgtest::ModalScript script;
    choose(2);  // "1,000"
    EXPECT_EQ(script.count(), 0u);
    EXPECT_EQ(w->xyValues_TBL->getNumRows(), 1000);
  }
  qgtest::ModalScript script;
  script.press(MBOX_CLICKED_YES);
  choose(0);
  EXPECT_EQ(script.count(), 1u);
  EXPECT_EQ(w->xyValues_TBL->getNumRows(), 100);
  EXPECT_EQ(w->convertedXYValues_TBL->getNumRows(), 100);
  EXPECT_EQ(list->getCurrentItem(), 0);
}

// "Copy image x/y data" replaced a filled Xy Values table.
TEST_F(PointsKept, CopyImageDataReplacesAFilledXYValuesTableOnlyAfterAYes) {
  defineAxes();
  pick({{110, 200}, {170, 180}});
  ASSERT_TRUE(w->copyImageDataToXY_Btn->isEnabled());
  showXYValues(3);
  const Cells typed = cells(w->xyValues_TBL);
  {
    qgtest::ModalScript script;
    script.press(MBOX_CLICKED_NO);
    press(w->copyImageDataToXY_Btn);
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(script.last().kind, ModalSeam::QUESTION_BOX);
  }
  EXPECT_EQ(cells(w->xyValues_TBL), typed);
  {
    qgtest::ModalScript script;
    script.press(MBOX_CLICKED_YES);
    press(w->copyImageDataToXY_Btn);
    EXPECT_EQ(script.count(), 1u);
  }
  EXPECT_EQ(w->xyValues_TBL->getItemText(0, 0), t->getItemText(0, 0));
  EXPECT_EQ(w->xyValues_TBL->getItemText(1, 1), t->getItemText(1, 1));
  EXPECT_TRUE(w->xyValues_TBL->getItemText(2, 0).empty());
  // Into an empty table nothing is asked.
  w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_CLEAR_XY_VALUES_TABLE), nullptr);
  qgtest::ModalScript script;
  press(w->copyImageDataToXY_Btn);
  EXPECT_EQ(script.count(), 0u);
  EXPECT_EQ(w->xyValues_TBL->getItemText(0, 0), t->getItemText(0, 0));
}

// Ctrl+V in the Xy Values table pasted its values but left the data source
// on the image: the next fit found no data.
TEST_F(PointsKept, ControlVInTheXYValuesTableMakesItTheDataSource) {
  showXYValues(0);
  w->dataSource = 0;
  w->curveFitType = 3;
  qgtest::ForeignClipboard elsewhere("1\t2\n3\t4\n");
  ASSERT_TRUE(elsewhere.owning());
  Table_lom2* xy = w->xyValues_TBL;
  xy->setItemText(0, 0, "kept");
  xy->setItemText(0, 2, "9.5");  // the last fit's y beside it
  xy->setItemText(0, 3, "1.5");
  xy->killSelection(FALSE);
  xy->setCurrentItem(2, 0, FALSE);
  xy->selectRange(2, 2, 0, 0, FALSE);
  FXEvent ev;
  ev.type = SEL_KEYPRESS;
  ev.code = KEY_v;
  ev.state = CONTROLMASK;
  EXPECT_EQ(xy->handle(xy, FXSEL(SEL_KEYPRESS, 0), &ev), 1);
  EXPECT_EQ(std::string(xy->getItemText(0, 0).text()), "kept") << "pasted at the selection, nothing cleared";
  EXPECT_TRUE(xy->getItemText(0, 2).empty() && xy->getItemText(0, 3).empty()) << "the last fit's results went";
  EXPECT_EQ(std::string(xy->getItemText(2, 0).text()), "1");
  EXPECT_EQ(std::string(xy->getItemText(3, 1).text()), "4");
  EXPECT_EQ(w->dataSource, 1);
  EXPECT_EQ(w->curveFitType, 0);
  // Already the source: the fit type chosen stays.
  w->curveFitType = 2;
  xy->killSelection(FALSE);
  xy->selectRange(5, 5, 0, 0, FALSE);
  xy->handle(xy, FXSEL(SEL_KEYPRESS, 0), &ev);
  EXPECT_EQ(std::string(xy->getItemText(5, 0).text()), "1");
  EXPECT_EQ(w->curveFitType, 2);
}

}  // namespace
