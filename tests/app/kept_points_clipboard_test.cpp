// "Copy table" leaves its rows selected: a Delete key or "Delete row(s)"
// afterwards removes no work for good. Several curve points removed at
// once come back with "Restore data", and in the XY values table the
// pop-up deletes the row the user points at, not the copied rows.
#include <string>
#include <vector>

#include "PickedGraphFixture.h"

using namespace FX;

namespace {

typedef std::vector<std::pair<int, int>> Points;

class KeptPointsClipboard : public PickedGraphFixture {
protected:
  // A key pressed in the curve-points table, which offers it to the main
  // window first.
  void tableKey(FXuint code) {
    FXEvent ev;
    ev.type = SEL_KEYPRESS;
    ev.code = code;
    ev.state = 0;
    t->handle(t, FXSEL(SEL_KEYPRESS, 0), &ev);
  }
};

TEST_F(KeptPointsClipboard, CurvePointsRemovedTogetherComeBackWithRestoreData) {
  qgtest::ModalScript script;
  defineAxes();
  for (int i = 0; i < 4; ++i) click(100 + 40 * i, 200 - 20 * i);
  const Points picked = points();
  ASSERT_EQ(picked.size(), 4u);
  ASSERT_FALSE(w->restoreData_Btn->isEnabled());

  // A look at the first point in the table, then the copy selects every
  // row; Delete then removes them all.
  ASSERT_TRUE(clickRow(t, 0));
  press(w->copyTable_Btn);
  ASSERT_TRUE(t->isItemSelected(3, 0));
  tableKey(KEY_Delete);
  EXPECT_TRUE(points().empty());
  ASSERT_TRUE(w->restoreData_Btn->isEnabled());
  press(w->restoreData_Btn);
  EXPECT_EQ(points(), picked);
  EXPECT_EQ(script.count(), 0u);  // nothing picked since: no question

  // "Delete row(s)" of two selected rows through the pop-up.
  t->killSelection(FALSE);
  t->selectRange(1, 2, 0, 1, FALSE);
  script.then([](ModalSeam::Request& r) { return choose(r, "Delete row(s)"); });
  ASSERT_TRUE(rightClickRow(t, 2));
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(points(), (Points{picked[0], picked[3]}));
  ASSERT_TRUE(w->restoreData_Btn->isEnabled());
  press(w->restoreData_Btn);
  EXPECT_EQ(points(), picked);
  EXPECT_FALSE(w->restoreData_Btn->isEnabled());

  // One point is one key press away from coming back: it keeps no backup.
  w->selectCurveTableCell(3, 0);
  tableKey(KEY_Delete);
  EXPECT_EQ(points(), (Points{picked[0], picked[1], picked[2]}));
  EXPECT_FALSE(w->restoreData_Btn->isEnabled());
  EXPECT_EQ(script.count(), 1u);
}

TEST_F(KeptPointsClipboard, AfterCopyingTheXYValuesARightClickElsewhereDeletesOnlyThatRow) {
  Table_lom2* xy = w->xyValues_TBL;
  showXYValues(5);
  const int rows = xy->getNumRows();
  press(w->copyXYTable_Btn);
  ASSERT_TRUE(xy->isItemSelected(4, 1));

  qgtest::ModalScript script;
  script.then([](ModalSeam::Request& r) { return choose(r, "Delete row(s)"); });
  ASSERT_TRUE(rightClickRow(xy, 7));
  ASSERT_EQ(script.count(), 1u);
  for (int r = 0; r < 5; ++r) EXPECT_EQ(xy->getItemText(r, 1), FXStringVal(10 * r)) << r;
  EXPECT_EQ(xy->getNumRows(), rows);
}

}  // namespace
