// The paste of the tool bar (and of Ctrl+V in the Larson-Miller table)
// reaching the table of the current tab through the X clipboard.
#include <fxkeys.h>

#include <cmath>
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
  // Ctrl+V pressed in the Larson-Miller table.
  long pressControlV() {
    FXEvent ev;
    ev.code = KEY_v;
    ev.state = CONTROLMASK;
    return w->handle(w->lmpData_TBL, FXSEL(SEL_KEYPRESS, Quillgrid::ID_LMP_TABLE), &ev);
  }
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
  EXPECT_EQ(pressControlV(), 1);
  // Pasted at the selection, without clearing first; the zero row went.
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 0), "5");
  EXPECT_EQ(cell(w->lmpData_TBL, 1, 0), "7");
  EXPECT_EQ(cell(w->lmpData_TBL, 1, 2), "9");
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 1000);
}

// The paste of a table with its header row, then the fit: the header is
// no data point (it read as the point (0, 0) and bent the fit).
class PastedTableFit : public ValueTablesPaste {
protected:
  void pressFitData() { w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr); }
  // One equation of order 1.
  void oneStraightLine() {
    w->setFitOrderLabels(0, w->fitOrder_Lbl[0], 1);
    w->numEquations = 1;
  }
};

TEST_F(PastedTableFit, HeaderRowOfAnXYTableIsLeftOutOfTheFit) {
  w->tabBook->setCurrent(1, FALSE);
  w->xyValues_TBL->selectRange(0, 0, 0, 0, FALSE);
  FXString text = "x\ty\n";
  for (int x = 1; x <= 10; ++x) text += FXStringFormat("%d\t%d\n", x, x + 10);
  owner->offer(text);
  EXPECT_EQ(paste(), 1);
  ASSERT_EQ(cell(w->xyValues_TBL, 0, 0), "x");
  oneStraightLine();
  qgtest::ModalScript script;
  pressFitData();
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::INFORMATION_BOX);
  EXPECT_EQ(std::string(script.last().text.text()),
            "1 row was left out of the fit: its x or y cell holds text that is not a number.");
  EXPECT_NEAR(FXDoubleVal(w->coefficients_TBL[0]->getItemText(0, 0)), 10, 1e-9);
  EXPECT_NEAR(FXDoubleVal(w->coefficients_TBL[0]->getItemText(0, 1)), 1, 1e-9);
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 2), "");
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 3), "");
}

TEST_F(PastedTableFit, HeaderRowOfALarsonMillerTableIsLeftOutOfTheFit) {
  w->tabBook->setCurrent(2, FALSE);
  // ln(stress) = 8 - 0.2 LMP/1000 with C = 20.
  FXString text = "Time\tStress\tT\n";
  for (double T : {800.0, 900.0})
    for (double t : {10.0, 100.0, 1000.0})
      text += FXStringFormat("%.0f\t%.12g\t%.0f\n", t, std::exp(8 - 0.2 * (std::log10(t) + 20) * T / 1000), T);
  owner->offer(text);
  EXPECT_EQ(paste(), 1);
  ASSERT_EQ(w->curveFitType, 5);
  oneStraightLine();
  qgtest::ModalScript script;
  pressFitData();
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(std::string(script.last().text.text()),
            "1 row was left out of the fit: its time, stress or temperature cell holds text that is not a number.");
  EXPECT_NEAR(FXDoubleVal(w->coefficients_TBL[0]->getItemText(0, 1)), -0.2, 1e-9);
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 3), "");
  EXPECT_EQ(cell(w->lmpData_TBL, 1, 3), "16800");
  // Colour icons beside the data rows only.
  EXPECT_EQ(w->lmpData_TBL->getItemIcon(0, 5), nullptr);
  for (int r = 1; r <= 6; ++r) EXPECT_NE(w->lmpData_TBL->getItemIcon(r, 5), nullptr) << r;
}

// Thousands separators in a pasted table group digits: they are dropped,
// not read as decimal commas (150,000 was 150 and 1,050,000 text).
TEST_F(PastedTableFit, ThousandsSeparatorsOfAPastedTableGroupDigits) {
  w->tabBook->setCurrent(1, FALSE);
  // y = 2 + x / 1000.
  owner->offer("150,000\t152\n1,050,000\t1052\n2,000,000.5\t2002.0005\n");
  EXPECT_EQ(paste(), 1);
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 0), "150000");
  EXPECT_EQ(cell(w->xyValues_TBL, 1, 0), "1050000");
  EXPECT_EQ(cell(w->xyValues_TBL, 2, 0), "2000000.5");
  oneStraightLine();
  {
    qgtest::ModalScript script;
    pressFitData();
    EXPECT_EQ(script.count(), 0u);
  }
  EXPECT_EQ(w->numRowsWithData, 3);
  EXPECT_NEAR(FXDoubleVal(w->coefficients_TBL[0]->getItemText(0, 0)), 2, 1e-6);
  EXPECT_NEAR(FXDoubleVal(w->coefficients_TBL[0]->getItemText(0, 1)), 1e-3, 1e-12);

  // One row: a decimal point in the block tells that its commas group.
  w->tabBook->setCurrent(2, FALSE);
  owner->offer("150,000\t0.11019\t800\n");
  EXPECT_EQ(paste(), 1);
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 0), "150000");
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 1), "0.11019");
  // Decimal commas stay decimal commas.
  owner->offer("1,5\t0,25\t150,000\n");
  EXPECT_EQ(paste(), 1);
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 0), "1.5");
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 2), "150.000");
}

// Ctrl+V with "Delete rows with 0 after paste" over fitted rows: the
// pasted rows lose the last fit's parameter, difference and colour.
TEST_F(PastedTableFit, ControlVOverFittedLarsonMillerRowsClearsTheirResults) {
  w->tabBook->setCurrent(2, FALSE);
  const double T[] = {800, 800, 800, 900, 900, 900};
  const double t[] = {10, 100, 1000, 10, 100, 1000};
  for (int r = 0; r < 6; ++r) {
    w->lmpData_TBL->setItemText(r, 0, FXStringFormat("%.0f", t[r]));
    w->lmpData_TBL->setItemText(r, 1, FXStringFormat("%.12g", std::exp(8 - 0.21 * (std::log10(t[r]) + 20) * T[r] / 1000)));
    w->lmpData_TBL->setItemText(r, 2, FXStringFormat("%.0f", T[r]));
  }
  w->curveFitType = 5;
  w->setCurveFitType();
  oneStraightLine();
  qgtest::ModalScript script;
  pressFitData();
  ASSERT_EQ(script.count(), 0u);
  for (int r = 0; r < 6; ++r) ASSERT_FALSE(w->lmpData_TBL->getItemText(r, 4).empty()) << r;

  w->autoDeleteRowsWithZero_Chk->setCheck(TRUE);
  w->lmpData_TBL->setCurrentItem(0, 0, FALSE);
  w->lmpData_TBL->selectRange(0, 0, 0, 0, FALSE);
  owner->offer("20\t70\t850\n0\t60\t850\n30\t50\t850\n");
  EXPECT_EQ(pressControlV(), 1);
  // Rows 0 and 1 hold the pasted rows (the zero row went), row 2 came up
  // from row 3 with its own results.
  ASSERT_EQ(cell(w->lmpData_TBL, 0, 0), "20");
  ASSERT_EQ(cell(w->lmpData_TBL, 1, 0), "30");
  ASSERT_EQ(cell(w->lmpData_TBL, 2, 2), "900");
  for (int r = 0; r < 2; ++r) {
    EXPECT_EQ(cell(w->lmpData_TBL, r, 3), "") << r;
    EXPECT_EQ(cell(w->lmpData_TBL, r, 4), "") << r;
    EXPECT_EQ(w->lmpData_TBL->getItemIcon(r, 5), nullptr) << r;
  }
  EXPECT_FALSE(w->lmpData_TBL->getItemText(2, 4).empty());
  EXPECT_NE(w->lmpData_TBL->getItemIcon(2, 5), nullptr);
}

}  // namespace
