// Copies of tables, equations and formulas read back from the X clipboard;
// picked points copied into the XY values table, the labels of the copy
// buttons and the typed columns of the Larson-Miller table.
#include <string>

#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "TextField_lom2.h"

using namespace FX;

namespace {
class CopyingClipboard : public MainWindowFixture {
protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
  }
  void TearDown() override { delete w; }

  std::string clipboard(FXDragType type = FXWindow::utf8Type) {
    FXString s;
    if (!w->getDNDData(FROM_CLIPBOARD, type, s)) return "<nothing>";
    return s.text();
  }
  long send(FXObject* sender, int id) { return w->handle(sender, FXSEL(SEL_COMMAND, id), nullptr); }
  static void fill(Table_lom2* t, int r, const char* x, const char* y, const char* diff = nullptr) {
    t->setItemText(r, 0, x);
    t->setItemText(r, 1, y);
    if (diff) t->setItemText(r, 2, diff);
  }

  Quillgrid* w = nullptr;
};

TEST_F(CopyingClipboard, CurveTableCopiesThePercentDiffColumnOnlyWhenARowHasOne) {
  fill(w->curveData_TBL, 0, "1.5", "10");
  fill(w->curveData_TBL, 1, "2", "20");
  EXPECT_EQ(send(w->copyCurveTable_Btn, Quillgrid::ID_COPY_CURVE_TABLE), 1);
  EXPECT_EQ(clipboard(), "1.5\t10\n2\t20\n");
  EXPECT_EQ(clipboard(FXTable::csvType), "1.5,10\n2,20\n");

  w->curveData_TBL->setItemText(1, 2, "-3.5");
  send(w->copyTable_Btn, Quillgrid::ID_COPY_CURVE_TABLE);
  EXPECT_EQ(clipboard(), "1.5\t10\t\n2\t20\t-3.5\n");

  send(w->copyY_Btn, Quillgrid::ID_COPY_CURVE_Y);
  EXPECT_EQ(clipboard(), "10\n20\n");
}

TEST_F(CopyingClipboard, IncompleteFirstRowLeavesASingleBlank) {
  fill(w->curveData_TBL, 0, "1", "10");
  send(w->copyCurveTable_Btn, Quillgrid::ID_COPY_CURVE_TABLE);
  ASSERT_EQ(clipboard(), "1\t10\n");
  w->curveData_TBL->setItemText(0, 1, "");
  send(w->copyCurveTable_Btn, Quillgrid::ID_COPY_CURVE_TABLE);
  EXPECT_EQ(clipboard(), " ");
}

TEST_F(CopyingClipboard, CopyXWithAutoOrderOrdersFirstAndCopiesColumnZero) {
  fill(w->curveData_TBL, 0, "3", "30");
  fill(w->curveData_TBL, 1, "1", "10");
  fill(w->curveData_TBL, 2, "2", "20");
  w->autoOrderIncreasingWhenCopying_Chk->setCheck(TRUE);
  send(w->copyX_Btn, Quillgrid::ID_COPY_CURVE_X);
  EXPECT_EQ(clipboard(), "1\n2\n3\n");
  EXPECT_STREQ(w->curveData_TBL->getItemText(0, 1).text(), "10");
  EXPECT_STREQ(w->curveData_TBL->getColumnText(0).text(), "X-value \xE2\x86\x93");
}

TEST_F(CopyingClipboard, XYAndConvertedTablesWithAndWithoutTheDifferenceColumn) {
  for (Table_lom2* t : {w->xyValues_TBL, w->convertedXYValues_TBL}) {
    fill(t, 0, "1", "2", "2.1");
    t->setItemText(0, 3, "5");
    fill(t, 1, "3", "4");
  }
  send(w->copyXYTable_Btn, Quillgrid::ID_COPY_XY_VALUES_TABLE);
  EXPECT_EQ(clipboard(), "1\t2\t2.1\t5\n3\t4\t\t\n");
  send(w->copyConvertedTableAll_Btn, Quillgrid::ID_COPY_CONVERTED_TABLE);
  EXPECT_EQ(clipboard(), "1\t2\t2.1\t5\n3\t4\t\t\n");
  send(w->copyConvertedTableXY_Btn, Quillgrid::ID_COPY_CONVERTED_TABLE);
  EXPECT_EQ(clipboard(), "1\t2\n3\t4\n");

  // With the order option the XY values are ordered by x first, the
  // converted values never.
  for (Table_lom2* t : {w->xyValues_TBL, w->convertedXYValues_TBL}) t->setItemText(1, 0, "0.5");
  w->autoOrderIncreasingWhenCopying_Chk->setCheck(TRUE);
  send(w->copyConvertedTableXY_Btn, Quillgrid::ID_COPY_CONVERTED_TABLE);
  EXPECT_EQ(clipboard(), "1\t2\n0.5\t4\n");
  send(w->copyXYTable_Btn, Quillgrid::ID_COPY_XY_VALUES_TABLE);
  EXPECT_EQ(clipboard(), "0.5\t4\t\t\n1\t2\t2.1\t5\n");
}

TEST_F(CopyingClipboard, LarsonMillerCopyTakesTheUsedBlock) {
  w->lmpData_TBL->setItemText(4, 1, "40");
  w->lmpData_TBL->setItemText(0, 3, "12.5");
  w->lmpData_TBL->setItemText(7, 2, "  ");  // blank: not used
  EXPECT_EQ(send(nullptr, Quillgrid::ID_COPY_LMP_TABLE), 1);
  EXPECT_EQ(clipboard(), "\t\t\t12.5\n\t\t\t\n\t\t\t\n\t\t\t\n\t40\t\t\n");

  // The same operation on the XY values table.
  w->clearClipBoard();
  w->xyValues_TBL->setItemText(1, 0, "7");
  w->onCmdCopyXYValuesTable(nullptr, 0, nullptr);
  EXPECT_EQ(clipboard(), "\n7\n");
}

TEST_F(CopyingClipboard, EquationRowsByFitTypeAndAdjustment) {
  FXTable* h = w->hiddenLMPStuff_TBL;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < h->getNumColumns(); ++c) h->setItemText(r, c, FXStringFormat("r%dc%d", r, c));
  w->curveFitType = 0;
  w->numEquations = 2;
  send(nullptr, Quillgrid::ID_COPY_EQUATIONS);
  EXPECT_EQ(clipboard(), "r1c0\n");
  w->adjustEquationsWhenCopying_Chk->setCheck(TRUE);
  send(nullptr, Quillgrid::ID_COPY_EQUATIONS);
  EXPECT_EQ(clipboard(), "r1c0\nr2c0\n");
  w->numEquations = 1;
  send(nullptr, Quillgrid::ID_COPY_EQUATIONS);
  EXPECT_EQ(clipboard(), "r1c0\n");

  // Larson-Miller: the summary rows with every column.
  w->curveFitType = 5;
  qgtest::ModalScript script;
  send(nullptr, Quillgrid::ID_COPY_EQUATIONS);
  EXPECT_EQ(clipboard(), "r0c0\tr0c1\tr0c2\tr0c3\tr0c4\tr0c5\tr0c6\nr1c0\tr1c1\tr1c2\tr1c3\tr1c4\tr1c5\tr1c6\n");
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(CopyingClipboard, AuthorModeLarsonMillerCopyWarnsOfTwoDecimalsInC) {
  FXTable* h = w->hiddenLMPStuff_TBL;
  h->setItemText(1, 0, "eqn");
  w->authorMode = true;
  w->curveFitType = 5;
  qgtest::ModalScript script;
  for (const char* c : {"25.00", "25.5", "25.25"}) {
    w->lmp_C_TF->setText(c);
    send(nullptr, Quillgrid::ID_COPY_EQUATIONS);
    EXPECT_EQ(clipboard(), "eqn\n") << c;
  }
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::WARNING_BOX);
  EXPECT_STREQ(script.last().caption.text(), "Round LMP C");
  EXPECT_STREQ(script.last().text.text(), "The LMP C has 2 decimals, you may want to round it to 1 decimal.");
}

TEST_F(CopyingClipboard, FormulaPopUpCopiesItsField) {
  w->excelEqn_TF[2]->setText("=1+2*A2");
  qgtest::ModalScript script;
  script.then([](ModalSeam::Request& req) -> FXuint {
    // Choose the first entry, as the user would.
    FXMenuCommand* entry = dynamic_cast<FXMenuCommand*>(req.popup->getFirst());
    if (entry) entry->getTarget()->handle(entry, FXSEL(SEL_COMMAND, entry->getSelector()), nullptr);
    return 0;
  });
  FXEvent ev;
  ev.moved = FALSE;
  ev.root_x = 10;
  ev.root_y = 10;
  EXPECT_EQ(w->handle(w->excelEqn_TF[2], FXSEL(SEL_RIGHTBUTTONRELEASE, Quillgrid::ID_EXCEL_EQUATION_FIRST + 2), &ev), 1);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(clipboard(), "=1+2*A2");

  // The clipboard clearer leaves one blank.
  w->clearClipBoard();
  EXPECT_EQ(clipboard(), " ");
}

TEST_F(CopyingClipboard, AppendingToAFullTableWritesWhatFitsThenWarns) {
  for (int r = 0; r < 8; ++r) fill(w->curveData_TBL, r, FXStringVal(r + 1).text(), FXStringVal(10 * r).text());
  w->numRowsInXYTable_LB->setCurrentItem(0, FALSE);  // "100"
  w->setUpXYDataTables();
  ASSERT_EQ(w->xyValues_TBL->getNumRows(), 100);
  for (int r = 0; r < 95; ++r) w->xyValues_TBL->setItemText(r, 0, "x");
  w->xyValues_TBL->setItemText(90, 0, "");  // x and y both empty: the append starts here
  qgtest::ModalScript script;
  send(nullptr, Quillgrid::ID_APPEND_IMAGE_DATA_TO_XY);
  EXPECT_STREQ(w->xyValues_TBL->getItemText(90, 0).text(), "1");
  EXPECT_STREQ(w->xyValues_TBL->getItemText(91, 1).text(), "10");
  EXPECT_STREQ(w->xyValues_TBL->getItemText(97, 1).text(), "70");
  EXPECT_STREQ(w->xyValues_TBL->getItemText(98, 0).text(), "");
  EXPECT_STREQ(w->xyValues_TBL->getItemText(89, 0).text(), "x");
  EXPECT_EQ(script.count(), 0u);

  w->xyValues_TBL->setItemText(90, 0, "x");
  w->addDataToXYValuesTable(95);
  EXPECT_STREQ(w->xyValues_TBL->getItemText(95, 0).text(), "1");
  EXPECT_STREQ(w->xyValues_TBL->getItemText(99, 0).text(), "5");
  EXPECT_STREQ(w->xyValues_TBL->getItemText(99, 1).text(), "40");
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::WARNING_BOX);
  EXPECT_STREQ(script.last().caption.text(), "Error Copying Data");
  EXPECT_STREQ(script.last().text.text(), "Too many points were selected, some were not copied.");

  // A blank Y-value ends the points taken.
  w->curveData_TBL->setItemText(2, 1, " ");
  w->onCmdClearXYValuesTable(nullptr, 0, nullptr);
  w->addDataToXYValuesTable(0);
  EXPECT_STREQ(w->xyValues_TBL->getItemText(1, 0).text(), "2");
  EXPECT_STREQ(w->xyValues_TBL->getItemText(2, 0).text(), "");
}

TEST_F(CopyingClipboard, CopyButtonsShowTheOrderOption) {
  w->autoOrderIncreasingWhenCopying_Chk->setCheck(TRUE);
  send(w->autoOrderIncreasingWhenCopying_Chk, Quillgrid::ID_AUTO_ORDER_ON_COPY);
  for (FXButton* b : {w->copyTable_Btn, w->copyCurveTable_Btn, w->copyXYTable_Btn})
    EXPECT_STREQ(b->getText().text(), "Copy table (O)");
  EXPECT_STREQ(w->copyCurveTable_Btn->getTipText().text(),
               "Copy the table x/y values.\nOrder the data in the table by the x-value before copying.");
  EXPECT_TRUE(w->autoOrderIncreasingWhenCopying_Chk->getCheck());
  w->autoOrderIncreasingWhenCopying_Chk->setCheck(FALSE);
  w->setCopyButtonsText();
  EXPECT_STREQ(w->copyXYTable_Btn->getText().text(), "Copy table");
  EXPECT_STREQ(w->copyTable_Btn->getTipText().text(), "Copy the table x/y values.");
}

TEST_F(CopyingClipboard, LarsonMillerTableIsEditableInItsTypedColumnsOnly) {
  Table_lom2* t = w->lmpData_TBL;
  t->setCurrentItem(0, 3, FALSE);
  send(t, Quillgrid::ID_LMP_TABLE);
  EXPECT_FALSE(t->isEditable());
  t->selectColumn(1, FALSE);
  send(t, Quillgrid::ID_LMP_TABLE);
  EXPECT_TRUE(t->isEditable());
  t->killSelection(FALSE);
  t->setCurrentItem(5, 4, FALSE);
  send(t, Quillgrid::ID_LMP_TABLE);
  EXPECT_FALSE(t->isEditable());
  t->setCurrentItem(5, 2, FALSE);
  send(t, Quillgrid::ID_LMP_TABLE);
  EXPECT_TRUE(t->isEditable());
}

}  // namespace
