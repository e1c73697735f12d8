// The paste of the tool bar (and of Ctrl+V in the Larson-Miller table)
// reaching the table of the current tab through the X clipboard.
#include <fxkeys.h>

#include <string>

#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"

using namespace FX;

namespace {

// Owns the clipboard and offers its text as UTF-8.
class TextOwner : public FXFrame {
  FXDECLARE(TextOwner)
protected:
  TextOwner() {}

public:
  explicit TextOwner(FXComposite* p) : FXFrame(p) {}
  void offer(const FXString& text) {
    data = text;
    FXDragType type = utf8Type;
    ASSERT_TRUE(acquireClipboard(&type, 1));
  }
  long onClipboardRequest(FXObject*, FXSelector, void* ptr) {
    FXEvent* ev = static_cast<FXEvent*>(ptr);
    if (ev->target != utf8Type) return 0;
    setDNDData(FROM_CLIPBOARD, utf8Type, data);
    return 1;
  }
  FXString data;
};
FXDEFMAP(TextOwner) TextOwnerMap[] = {FXMAPFUNC(SEL_CLIPBOARD_REQUEST, 0, TextOwner::onClipboardRequest)};
FXIMPLEMENT(TextOwner, FXFrame, TextOwnerMap, ARRAYNUMBER(TextOwnerMap))

class ValueTablesPaste : public MainWindowFixture {
protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
    owner = new TextOwner(w->xyValuesTabFrame);
    owner->create();
  }
  void TearDown() override {
    if (owner && owner->hasClipboard()) owner->releaseClipboard();
    delete w;
  }
  long paste() { return w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_PASTE), nullptr); }
  static std::string cell(Table_lom2* t, int r, int c) { return t->getItemText(r, c).text(); }

  Quillgrid* w = nullptr;
  TextOwner* owner = nullptr;
};

TEST_F(ValueTablesPaste, XYValuesTabReplacesTheTableAndSwitchesTheSourceOnce) {
  w->tabBook->setCurrent(1, FALSE);
  w->xyValues_TBL->setItemText(7, 0, "old");
  w->convertedXYValues_TBL->setItemText(0, 2, "old fit");
  w->xyValues_TBL->selectRange(5, 5, 1, 1, FALSE);  // the paste starts at (0, 0) whatever was selected
  w->dataSource = 0;
  w->curveFitType = 3;
  owner->offer("1\t2,5\n3\t4\n");
  EXPECT_EQ(paste(), 1);
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 0), "1");
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 1), "2.5");
  EXPECT_EQ(cell(w->xyValues_TBL, 1, 0), "3");
  EXPECT_EQ(cell(w->xyValues_TBL, 1, 1), "4");
  EXPECT_EQ(cell(w->xyValues_TBL, 7, 0), "");
  EXPECT_EQ(cell(w->convertedXYValues_TBL, 0, 2), "");
  EXPECT_EQ(w->dataSource, 1);
  EXPECT_EQ(w->curveFitType, 0);
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 0), "");  // the other tab's table is untouched

  // Already on the XY values: the chosen fit type stays.
  w->curveFitType = 2;
  owner->offer("9\t8\n");
  EXPECT_EQ(paste(), 1);
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 0), "9");
  EXPECT_EQ(cell(w->xyValues_TBL, 1, 0), "");
  EXPECT_EQ(w->curveFitType, 2);
}

TEST_F(ValueTablesPaste, LarsonMillerTabPastesAndDropsZeroRowsWhenAsked) {
  w->tabBook->setCurrent(2, FALSE);
  w->lmpData_TBL->setItemText(10, 0, "old");
  w->autoDeleteRowsWithZero_Chk->setCheck(TRUE);
  w->lmpData_TBL->setEditable(FALSE);  // as after a click in a computed column
  w->dataSource = 1;
  owner->offer("100\t50\t800\n0\t40\t800\n200\t30\t900\n300\t0\t900\n");
  EXPECT_EQ(paste(), 1);
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 0), "100");
  EXPECT_EQ(cell(w->lmpData_TBL, 1, 0), "200");
  EXPECT_EQ(cell(w->lmpData_TBL, 1, 2), "900");
  EXPECT_EQ(cell(w->lmpData_TBL, 2, 0), "");
  EXPECT_EQ(cell(w->lmpData_TBL, 10, 0), "");
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 1000);
  EXPECT_EQ(w->dataSource, 2);
  EXPECT_EQ(w->curveFitType, 5);
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 0), "");

  // Without the option the zero rows stay.
  w->autoDeleteRowsWithZero_Chk->setCheck(FALSE);
  owner->offer("0\t40\t800\n");
  paste();
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 0), "0");
}

TEST_F(ValueTablesPaste, ControlVInTheLarsonMillerTableDropsZeroRowsWithTheOption) {
  w->autoDeleteRowsWithZero_Chk->setCheck(TRUE);
  w->lmpData_TBL->setItemText(0, 0, "5");
  w->lmpData_TBL->setItemText(0, 1, "6");
  w->lmpData_TBL->selectRange(1, 1, 0, 0, FALSE);
  owner->offer("0\t1\t2\n7\t8\t9\n");
  FXEvent ev;
  ev.code = KEY_v;
  ev.state = CONTROLMASK;
  EXPECT_EQ(w->handle(w->lmpData_TBL, FXSEL(SEL_KEYPRESS, Quillgrid::ID_LMP_TABLE), &ev), 1);
  // Pasted at the selection, without clearing first; the zero row went.
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 0), "5");
  EXPECT_EQ(cell(w->lmpData_TBL, 1, 0), "7");
  EXPECT_EQ(cell(w->lmpData_TBL, 1, 2), "9");
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 1000);
}

}  // namespace
