// The value tables: XY values and converted values, Larson-Miller data with
// its colour icons, and the curve-points table with its backup.
#include <fxkeys.h>

#include <numeric>
#include <string>
#include <vector>

#include "Globals.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "TextField_lom2.h"
#include "ValueTableRules.h"
#include "fox16.h"

using namespace FX;

namespace {

std::string str(const FXString& s) { return s.text(); }

std::vector<std::string> headers(FXTable* t) {
  std::vector<std::string> out;
  for (int c = 0; c < t->getNumColumns(); ++c) out.push_back(str(t->getColumnText(c)));
  return out;
}

std::vector<int> widths(FXTable* t) {
  std::vector<int> out;
  for (int c = 0; c < t->getNumColumns(); ++c) out.push_back(t->getColumnWidth(c));
  return out;
}

// ---- rules without a display

TEST(ValueTableRules, RowCountOfTheXYTables) {
  const struct {
    const char* item;
    int rows;
  } cases[] = {{"100", 100}, {"1,000", 1000}, {"10,000", 10000}, {"50", 100}, {"many", 100}, {"", 100}};
  for (const auto& c : cases) EXPECT_EQ(xyTableRowCount(c.item), c.rows) << c.item;
}

TEST(ValueTableRules, ConvertedHeadersBySourceUnitsAndScaleFactor) {
  EXPECT_EQ(str(temperatureUnitSuffix(true, true, "F -> C")), " (T, C)");
  EXPECT_EQ(str(temperatureUnitSuffix(true, true, "C -> K")), " (T, K)");
  EXPECT_EQ(str(temperatureUnitSuffix(true, true, "K -> F")), " (T, F)");
  EXPECT_EQ(str(temperatureUnitSuffix(false, true, "F -> C")), "");
  EXPECT_EQ(str(temperatureUnitSuffix(true, false, "F -> C")), "");

  const auto table = convertedXYHeaders(1, " (T, C)", 2.0);
  ASSERT_EQ(table.size(), 4u);
  EXPECT_EQ(str(table[0]), "Table x (T, C)");
  EXPECT_EQ(str(table[1]), "Table y (Converted)");
  EXPECT_EQ(str(table[2]), "Fit y");
  EXPECT_EQ(str(table[3]), "% difference");

  const auto image = convertedXYHeaders(0, "", 1.0);
  EXPECT_EQ(str(image[0]), "Image x");
  EXPECT_EQ(str(image[1]), "Image y (Original)");
  EXPECT_EQ(str(convertedXYHeaders(0, "", 1.0000001)[1]), "Image y (Converted)");

  const auto lmp = convertedXYHeaders(2, " (T, C)", 2.0);
  ASSERT_EQ(lmp.size(), 4u);
  EXPECT_EQ(str(lmp[0]), "LMP/1000");
  EXPECT_EQ(str(lmp[1]), "Stress");
  EXPECT_EQ(str(lmp[2]), "Fit stress");
  EXPECT_EQ(str(lmp[3]), "% difference");
  EXPECT_TRUE(convertedXYHeaders(3, "", 1.0).empty());
}

TEST(ValueTableRules, TemperaturesSortedAndMatchedWithinOneDegree) {
  const std::vector<double> sorted = sortedTemperatures("900 700 800 ");
  ASSERT_EQ(sorted, (std::vector<double>{700, 800, 900}));
  EXPECT_EQ(matchingTemperature(sorted, 800.6), 1);
  EXPECT_EQ(matchingTemperature(sorted, 799.4), 1);
  EXPECT_EQ(matchingTemperature(sorted, 801.0), -1);
  EXPECT_EQ(matchingTemperature(sorted, 699.0), -1);
  EXPECT_EQ(matchingTemperature({}, 700), -1);
  // Only words followed by a blank count.
  EXPECT_EQ(sortedTemperatures("700 800"), (std::vector<double>{700}));
  EXPECT_TRUE(sortedTemperatures("").empty());
}

TEST(ValueTableRules, ZeroRowsAndKeysOfTheLarsonMillerTable) {
  EXPECT_TRUE(isZeroTimeOrStressRow(0, 5));
  EXPECT_TRUE(isZeroTimeOrStressRow(5, 0));
  EXPECT_TRUE(isZeroTimeOrStressRow(5, 9e-7));
  EXPECT_TRUE(isZeroTimeOrStressRow(-3, 5));
  EXPECT_FALSE(isZeroTimeOrStressRow(1e-6, 1e-6));

  const struct {
    FXuint code, state;
    int column;
    bool dropZeros;
    LMPKeyAction action;
  } cases[] = {
      {KEY_7, 0, 3, false, LMPKeyAction::Swallow},
      {KEY_7, 0, 4, false, LMPKeyAction::Swallow},
      {KEY_7, 0, 2, false, LMPKeyAction::PassOn},
      {KEY_c, 0, 3, false, LMPKeyAction::PassOn},
      {KEY_c, CONTROLMASK, 3, true, LMPKeyAction::PassOn},
      {KEY_v, CONTROLMASK, 3, true, LMPKeyAction::PasteAndDropZeros},
      {KEY_v, CONTROLMASK, 0, false, LMPKeyAction::PassOn},
      {KEY_x, CONTROLMASK, 4, true, LMPKeyAction::PassOn},
  };
  for (const auto& c : cases)
    EXPECT_EQ(lmpTableKeyAction(c.code, c.state, c.column, c.dropZeros), c.action)
        << c.code << " " << c.state << " col " << c.column;
}

// ---- the tables of a real window

class ValueTables : public MainWindowFixture {
protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    if (IsSkipped()) return;
    w = make();
  }
  void TearDown() override { delete w; }

  // The Image tab's curve-points table and its backup, made here as that
  // tab would make them.
  void makeCurveTables() {
    FXVerticalFrame* f = new FXVerticalFrame(w->xyValuesTabFrame);
    w->curveData_TBL = new Table_lom2(f, w, Quillgrid::ID_CURVE_POINTS_TABLE, LAYOUT_FIX_WIDTH, 0, 0, 178, 0, 2, 2,
                                      2, 2, false);
    w->curveDataBackup_TBL = new Table_lom2(f, nullptr, 0, 0, 0, 0, 0, 0, 2, 2, 2, 2, false);
    w->restoreData_Btn = new FXButton(f, "Restore data");
    w->clearData_Btn = new FXButton(f, "Clear data");
    w->copyTable_Btn = new FXButton(f, "Copy table");
    w->restoreData_Btn->disable();
    f->create();
  }

  void fillLMP(const std::vector<std::vector<const char*>>& rows) {
    for (int r = 0; r < (int)rows.size(); ++r)
      for (int c = 0; c < (int)rows[r].size(); ++c) w->lmpData_TBL->setItemText(r, c, rows[r][c]);
  }
  std::string lmp(int r, int c) { return str(w->lmpData_TBL->getItemText(r, c)); }

  long send(FXSelector type, int id, void* ptr = nullptr) { return w->handle(nullptr, FXSEL(type, id), ptr); }

  Quillgrid* w = nullptr;
};

TEST_F(ValueTables, ColumnLayoutsOfTheXYAndLarsonMillerTables) {
  Table_lom2* xy = w->xyValues_TBL;
  Table_lom2* conv = w->convertedXYValues_TBL;
  Table_lom2* lmpT = w->lmpData_TBL;
  ASSERT_TRUE(xy && conv && lmpT);
  // The columns are at least as wide as they are made and wide enough for
  // their header texts (and, where the program writes numbers, for a
  // number in scientific notation); a table is as much wider as its
  // columns and row header grew.
  auto atLeast = [](const std::vector<int>& got, const std::vector<int>& made) {
    for (size_t c = 0; c < made.size(); ++c)
      if (c >= got.size() || got[c] < made[c]) return false;
    return got.size() == made.size();
  };
  auto sum = [](const std::vector<int>& v) { return std::accumulate(v.begin(), v.end(), 0); };
  EXPECT_TRUE(atLeast(widths(xy), {80, 80, 80, 80}));
  EXPECT_TRUE(atLeast(widths(conv), {80, 160, 80, 80}));
  EXPECT_TRUE(atLeast(widths(lmpT), std::vector<int>(6, 80)));
  EXPECT_EQ(xy->getWidth(), 380 + sum(widths(xy)) - 320 + xy->getRowHeaderWidth() - 40);
  EXPECT_EQ(conv->getWidth(), 460 + sum(widths(conv)) - 400 + conv->getRowHeaderWidth() - 40);
  EXPECT_EQ(lmpT->getWidth(), 540 + sum(widths(lmpT)) - 480 + lmpT->getRowHeaderWidth() - 40);
  for (FXTable* t : {static_cast<FXTable*>(xy), static_cast<FXTable*>(conv), static_cast<FXTable*>(lmpT)})
    for (int c = 0; c < t->getNumColumns(); ++c)
      EXPECT_GE(t->getColumnWidth(c), t->getColumnHeader()->getFont()->getTextWidth(t->getColumnText(c)) + 4)
          << str(t->getColumnText(c));
  for (int c : {2}) EXPECT_GE(xy->getColumnWidth(c), xy->getFont()->getTextWidth("-8.888888e+88") + 4);
  for (int c : {0, 2}) EXPECT_GE(conv->getColumnWidth(c), conv->getFont()->getTextWidth("-8.888888e+88") + 4);
  EXPECT_EQ(headers(lmpT), (std::vector<std::string>{"Time", "Stress", "T (K or R)", "LMP", "% difference",
                                                      "Point color"}));
  // Start-up applies the settings, which heads the table by data source.
  EXPECT_EQ(headers(conv), (std::vector<std::string>{"Image x", "Image y (Original)", "Fit y", "% difference"}));
  for (FXTable* t : {static_cast<FXTable*>(xy), static_cast<FXTable*>(conv), static_cast<FXTable*>(lmpT)}) {
    EXPECT_GE(t->getRowHeaderWidth(), 40);
    EXPECT_EQ(t->getColumnHeaderHeight(), 24);
    EXPECT_EQ(str(t->getRowText(0)), "1");
    EXPECT_EQ(t->getItemJustify(0, 1), 0u);  // centred
    EXPECT_EQ(t->getColumnJustify(0), 0u);
  }
  EXPECT_TRUE(xy->isEditable());
  EXPECT_FALSE(conv->isEditable());
  EXPECT_TRUE(lmpT->isEditable());
  EXPECT_EQ(lmpT->getNumRows(), 1000);
  EXPECT_EQ(lmpT->getNumColumns(), 6);

  // Without a settings file the defaults choose 500 rows for both XY tables.
  ASSERT_TRUE(w->numRowsInXYTable_LB);
  EXPECT_EQ(w->numRowsInXYTable_LB->getNumItems(), 12);
  EXPECT_EQ(str(w->numRowsInXYTable_LB->getItemText(11)), "10,000");
  EXPECT_EQ(w->numRowsInXYTable_LB->getCurrentItem(), 1);
  EXPECT_EQ(xy->getNumRows(), 500);
  EXPECT_EQ(conv->getNumRows(), 500);

  EXPECT_FALSE(w->copyImageDataToXY_Btn->isEnabled());
  EXPECT_FALSE(w->appendImageDataToXY_Btn->isEnabled());
  EXPECT_FALSE(w->copyConvertedTableAll_Btn->isEnabled());
  EXPECT_FALSE(w->copyConvertedTableXY_Btn->isEnabled());
  EXPECT_STREQ(w->copyXYTable_Btn->getText().text(), "Copy table");
  EXPECT_STREQ(w->autoDeleteRowsWithZero_Chk->getText().text(), "Delete rows\nwith 0 after paste");
  EXPECT_FALSE(w->autoDeleteRowsWithZero_Chk->getCheck());
  for (FXTextField* f : {w->lmpMin_TF, w->lmpMax_TF, w->lmpMinTemperature_TF, w->lmpMaxTemperature_TF}) {
    ASSERT_TRUE(f);
    EXPECT_FALSE(f->isEditable());
    EXPECT_EQ(f->getNumColumns(), 7);
  }
}

TEST_F(ValueTables, RowCountListResizesBothXYTables) {
  FXListBox* list = w->numRowsInXYTable_LB;
  list->setCurrentItem(11, FALSE);
  EXPECT_EQ(send(SEL_COMMAND, Quillgrid::ID_XY_TABLE_ROWS), 1);
  EXPECT_EQ(w->xyValues_TBL->getNumRows(), 10000);
  EXPECT_EQ(w->convertedXYValues_TBL->getNumRows(), 10000);
  EXPECT_EQ(w->xyValues_TBL->getItemJustify(9999, 3), 0u);  // new rows centred too
  EXPECT_EQ(str(w->xyValues_TBL->getRowText(9999)), "10000");
  w->xyValues_TBL->setItemText(99, 0, "kept");
  w->xyValues_TBL->setItemText(100, 0, "dropped");
  w->xyValues_TBL->setItemText(5000, 1, "dropped");
  list->setCurrentItem(0, FALSE);
  {
    // Rows that hold data go only after a Yes.
    qgtest::ModalScript script;
    script.press(MBOX_CLICKED_YES);
    send(SEL_COMMAND, Quillgrid::ID_XY_TABLE_ROWS);
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(script.last().kind, ModalSeam::QUESTION_BOX);
  }
  EXPECT_EQ(w->xyValues_TBL->getNumRows(), 100);
  EXPECT_EQ(w->convertedXYValues_TBL->getNumRows(), 100);
  EXPECT_EQ(str(w->xyValues_TBL->getItemText(99, 0)), "kept");
  // Growing again brings empty rows, not the dropped contents.
  list->setCurrentItem(2, FALSE);
  send(SEL_COMMAND, Quillgrid::ID_XY_TABLE_ROWS);
  EXPECT_EQ(w->xyValues_TBL->getNumRows(), 1000);
  EXPECT_EQ(str(w->xyValues_TBL->getItemText(100, 0)), "");
}

TEST_F(ValueTables, HeadersFollowDataSourceTemperatureUnitsAndScaleFactor) {
  FXHorizontalFrame* f = new FXHorizontalFrame(w->xyValuesTabFrame);
  w->xAxisIsTemperature_Chk = new FXCheckButton(f, "x is T", w, Quillgrid::ID_X_IS_TEMPERATURE);
  w->temperatureScale_LB = new FXListBox(f, w, Quillgrid::ID_TEMPERATURE_UNITS);
  for (const FXString& name : TEMPERATURE_CONVERSION_NAMES) w->temperatureScale_LB->appendItem(name);
  w->y_axisScaleFactor = new TextField_lom2(f, 12, w, Quillgrid::ID_Y_SCALE_FIELD, TEXTFIELD_REAL, false);
  f->create();

  w->dataSource = 1;
  w->xAxisIsTemperature_Chk->setCheck(TRUE);
  w->temperatureScale_LB->setCurrentItem(2);  // F -> C
  w->y_axisScaleFactor->setText("2");
  w->convertedXYValues_TBL->setItemText(3, 2, "old fit");
  EXPECT_EQ(send(SEL_COMMAND, Quillgrid::ID_TEMPERATURE_UNITS), 1);
  EXPECT_EQ(w->temperatureScale, 2);
  EXPECT_DOUBLE_EQ(w->yAxisScaleFactor, 2.0);
  EXPECT_EQ(headers(w->xyValues_TBL), (std::vector<std::string>{"Table x", "Table y", "Fit y", "% difference"}));
  EXPECT_EQ(headers(w->convertedXYValues_TBL),
            (std::vector<std::string>{"Table x (T, C)", "Table y (Converted)", "Fit y", "% difference"}));
  EXPECT_EQ(str(w->convertedXYValues_TBL->getItemText(3, 2)), "");  // old results go with the old headers

  w->dataSource = 0;
  w->xAxisIsTemperature_Chk->setCheck(FALSE);
  w->y_axisScaleFactor->setText("1.0000001");
  EXPECT_EQ(send(SEL_COMMAND, Quillgrid::ID_X_IS_TEMPERATURE), 1);
  EXPECT_EQ(headers(w->convertedXYValues_TBL),
            (std::vector<std::string>{"Image x", "Image y (Converted)", "Fit y", "% difference"}));
  w->y_axisScaleFactor->setText("1");
  w->setXYValuesTableHeaders();
  EXPECT_EQ(str(w->convertedXYValues_TBL->getColumnText(1)), "Image y (Original)");

  // Larson-Miller: the converted table shows the fitted LMP and stress, the
  // XY table keeps its headers.
  w->dataSource = 2;
  w->xyValues_TBL->setColumnText(0, "mine");
  w->setXYValuesTableHeaders();
  EXPECT_EQ(headers(w->convertedXYValues_TBL),
            (std::vector<std::string>{"LMP/1000", "Stress", "Fit stress", "% difference"}));
  EXPECT_EQ(str(w->xyValues_TBL->getColumnText(0)), "mine");
}

TEST_F(ValueTables, ClearingTheXYTablesEmptiesThemAndTheResults) {
  w->xyValues_TBL->setItemText(0, 0, "1");
  w->xyValues_TBL->setItemText(499, 3, "2");
  w->convertedXYValues_TBL->setItemText(10, 1, "3");
  w->copyConvertedTableAll_Btn->enable();
  w->copyConvertedTableXY_Btn->enable();
  w->pointsHighlighted = true;
  EXPECT_EQ(send(SEL_COMMAND, Quillgrid::ID_CLEAR_XY_VALUES_TABLE), 1);
  EXPECT_EQ(str(w->xyValues_TBL->getItemText(0, 0)), "");
  EXPECT_EQ(str(w->xyValues_TBL->getItemText(499, 3)), "");
  EXPECT_EQ(str(w->convertedXYValues_TBL->getItemText(10, 1)), "");
  EXPECT_EQ(w->xyValues_TBL->getItemJustify(0, 0), 0u);
  EXPECT_EQ(w->xyValues_TBL->getNumRows(), 500);
  EXPECT_TRUE(w->xyValues_TBL->isItemSelected(0, 0));
  EXPECT_FALSE(w->copyConvertedTableAll_Btn->isEnabled());
  EXPECT_FALSE(w->copyConvertedTableXY_Btn->isEnabled());
  EXPECT_FALSE(w->pointsHighlighted);
}

TEST_F(ValueTables, ClearingFitResultsKeepsTheZoneLimits) {
  for (int z = 0; z < 6; ++z) {
    w->excelEqn_TF[z]->setText("=A2*2");
    for (int row = 0; row < 4; ++row) w->eqnFit_TF[row][z]->setText("0.9");
  }
  w->hiddenLMPStuff_TBL->setItemText(1, 6, "eqn");
  w->copyEqns_Btn->enable();
  w->excel_cell_TF->setBackColor(argb(0xFFFF0000));
  w->clearCurveFitData();
  for (int z = 0; z < 6; ++z) {
    EXPECT_EQ(str(w->excelEqn_TF[z]->getText()), "") << z;
    for (int row = 1; row < 4; ++row) EXPECT_EQ(str(w->eqnFit_TF[row][z]->getText()), "") << row << "," << z;
    EXPECT_EQ(str(w->eqnFit_TF[0][z]->getText()), "0.9") << z;  // the zone limits are not results
  }
  EXPECT_EQ(str(w->hiddenLMPStuff_TBL->getItemText(1, 6)), "");
  EXPECT_FALSE(w->copyEqns_Btn->isEnabled());
  EXPECT_EQ(w->excel_cell_TF->getBackColor(), w->lineThickness_TF->getBackColor());
}

TEST_F(ValueTables, CurveTableFormatAndClearWithBackupRoundTrip) {
  // Nothing to format yet: the operations leave the window alone.
  w->clearCurveDataTable(20);
  EXPECT_EQ(w->onCmdClearTable(nullptr, 0, nullptr), 1);

  makeCurveTables();
  Table_lom2* t = w->curveData_TBL;
  w->clearCurveDataTable(4);
  EXPECT_EQ(t->getNumRows(), 10);
  EXPECT_EQ(t->getNumColumns(), 5);
  EXPECT_EQ(headers(t), (std::vector<std::string>{"X-value", "Y-value", "% diff", "x px", "y px"}));
  EXPECT_EQ(widths(t), (std::vector<int>{110, 110, 55, 0, 0}));
  EXPECT_EQ(t->getWidth(), 335);
  EXPECT_EQ(t->getRowHeaderWidth(), 40);
  EXPECT_EQ(str(t->getRowText(9)), "10");
  EXPECT_EQ(t->getItemJustify(9, 1), 0u);
  w->clearCurveDataTable(1002);
  EXPECT_EQ(t->getNumRows(), 1002);
  EXPECT_FALSE(w->copyTable_Btn->isEnabled());

  // Clearing an empty table offers nothing to restore.
  w->onCmdClearTable(nullptr, 0, nullptr);
  EXPECT_FALSE(w->restoreData_Btn->isEnabled());

  t->setItemText(0, 0, "1.5");
  t->setItemText(0, 1, "2.5");
  t->setItemText(0, 3, "120");
  t->setItemText(0, 4, "80.2500");
  t->setItemText(7, 2, "0.4");
  t->setColumnText(0, "X-value (ordered)");
  w->copyTable_Btn->enable();
  w->dragRow = 3;
  w->lastAutoFindRows[0] = "row";
  w->pointsHighlighted = true;
  EXPECT_EQ(w->onCmdClearTable(nullptr, 0, nullptr), 1);
  Table_lom2* b = w->curveDataBackup_TBL;
  EXPECT_EQ(b->getNumRows(), t->getNumRows());
  EXPECT_EQ(b->getNumColumns(), 5);
  EXPECT_EQ(str(b->getItemText(0, 0)), "1.5");
  EXPECT_EQ(str(b->getItemText(0, 4)), "80.2500");
  EXPECT_EQ(str(b->getItemText(7, 2)), "0.4");
  for (int r : {0, 7})
    for (int c = 0; c < 5; ++c) EXPECT_EQ(str(t->getItemText(r, c)), "") << r << "," << c;
  EXPECT_EQ(t->getItemJustify(0, 0), 0u);
  EXPECT_EQ(str(t->getColumnText(0)), "X-value");
  EXPECT_TRUE(w->restoreData_Btn->isEnabled());
  EXPECT_FALSE(w->clearData_Btn->isEnabled());
  EXPECT_FALSE(w->copyTable_Btn->isEnabled());
  EXPECT_EQ(w->dragRow, -1);
  EXPECT_EQ(str(w->lastAutoFindRows[0]), "");
  EXPECT_FALSE(w->pointsHighlighted);

  // A second clear of the now empty table keeps the points to restore.
  w->onCmdClearTable(nullptr, 0, nullptr);
  EXPECT_EQ(str(b->getItemText(0, 0)), "1.5");
  EXPECT_TRUE(w->restoreData_Btn->isEnabled());
}

TEST_F(ValueTables, LarsonMillerRowsWithZeroTimeOrStressGo) {
  fillLMP({{"100", "50", "800"}, {"0", "40", "800"}, {"200", "30", "900"}, {"300", "", "900"},
           {"abc", "20", "700"}, {"400", "10", "700"}});
  w->lmpData_TBL->setItemText(997, 0, "5");  // time without stress, far down
  EXPECT_EQ(send(SEL_COMMAND, Quillgrid::ID_DELETE_ZERO_LMP_ROWS), 1);
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 1000);
  EXPECT_EQ(lmp(0, 0), "100");
  EXPECT_EQ(lmp(1, 0), "200");
  EXPECT_EQ(lmp(2, 0), "400");
  EXPECT_EQ(lmp(2, 2), "700");
  for (int r = 3; r < 1000; ++r) ASSERT_EQ(lmp(r, 0), "") << r;
  EXPECT_EQ(w->lmpData_TBL->getItemJustify(999, 0), 0u);
  EXPECT_EQ(str(w->lmpData_TBL->getRowText(999)), "1000");
  EXPECT_TRUE(w->lmpData_TBL->isItemSelected(0, 0));
}

TEST_F(ValueTables, LarsonMillerEmptyRowsInsideTheDataGo) {
  fillLMP({{"100", "50", "800"}});
  EXPECT_EQ(send(SEL_COMMAND, Quillgrid::ID_DELETE_EMPTY_LMP_ROWS), 1);
  EXPECT_EQ(lmp(0, 0), "100");
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 1000);

  w->lmpData_TBL->setItemText(3, 1, "30");
  w->lmpData_TBL->setItemText(6, 4, "1.5");
  send(SEL_COMMAND, Quillgrid::ID_DELETE_EMPTY_LMP_ROWS);
  EXPECT_EQ(lmp(0, 0), "100");
  EXPECT_EQ(lmp(1, 1), "30");
  EXPECT_EQ(lmp(2, 4), "1.5");
  EXPECT_EQ(lmp(3, 1), "");
  EXPECT_EQ(lmp(6, 4), "");
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 1000);
}

TEST_F(ValueTables, LarsonMillerSelectedRowsAreDeletedOrTheUserIsTold) {
  fillLMP({{"1", "1", "1"}, {"2", "2", "2"}, {"3", "3", "3"}, {"4", "4", "4"}});
  w->lmpData_TBL->killSelection(FALSE);
  {
    qgtest::ModalScript script;
    EXPECT_EQ(send(SEL_COMMAND, Quillgrid::ID_DELETE_LMP_ROWS), 0);
    ASSERT_EQ(script.count(), 1u);
    EXPECT_STREQ(script.last().caption.text(), "Row Error");
    EXPECT_STREQ(script.last().text.text(), "Select 1 or more rows and try again.");
    EXPECT_EQ(script.last().buttons, (FXuint)MBOX_OK);
  }
  EXPECT_EQ(lmp(1, 0), "2");
  w->lmpData_TBL->selectRange(1, 2, 0, 5, FALSE);
  qgtest::ModalScript none;
  EXPECT_EQ(send(SEL_COMMAND, Quillgrid::ID_DELETE_LMP_ROWS), 1);
  EXPECT_EQ(none.count(), 0u);
  EXPECT_EQ(lmp(0, 0), "1");
  EXPECT_EQ(lmp(1, 0), "4");
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 1000);
}

TEST_F(ValueTables, ClearingTheLarsonMillerTableRestoresItsFormat) {
  w->lmpData_TBL->removeRows(0, 995, FALSE);
  w->lmpData_TBL->setItemText(0, 0, "7");
  w->lmpData_TBL->setColumnWidth(1, 20);
  EXPECT_EQ(send(SEL_COMMAND, Quillgrid::ID_CLEAR_LMP_TABLE), 1);
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 1000);
  EXPECT_EQ(lmp(0, 0), "");
  EXPECT_EQ(w->lmpData_TBL->getColumnWidth(1), 80);
  EXPECT_TRUE(w->lmpData_TBL->isItemSelected(0, 0));

  fillLMP({{"1", "2", "3", "LMP", "4.5"}});
  w->clearLMPErrorFromTable();
  EXPECT_EQ(lmp(0, 2), "3");
  EXPECT_EQ(lmp(0, 3), "");
  EXPECT_EQ(lmp(0, 4), "");
  w->setUpLMPDataTable(3);
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 10);
  w->insertRowsInLMPTable(1000);
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 1000);
  w->insertRowsInLMPTable(20);
  EXPECT_EQ(w->lmpData_TBL->getNumRows(), 1000);
}

TEST_F(ValueTables, KeysOfTheLarsonMillerTable) {
  FXEvent ev;
  ev.code = KEY_7;
  ev.state = 0;
  w->lmpData_TBL->setCurrentItem(0, 4);
  EXPECT_EQ(send(SEL_KEYPRESS, Quillgrid::ID_LMP_TABLE, &ev), 1);
  ev.code = KEY_c;
  EXPECT_EQ(send(SEL_KEYPRESS, Quillgrid::ID_LMP_TABLE, &ev), 0);
  w->lmpData_TBL->setCurrentItem(0, 1);
  ev.code = KEY_7;
  EXPECT_EQ(send(SEL_KEYPRESS, Quillgrid::ID_LMP_TABLE, &ev), 0);
  // Ctrl+V without the option is the table's own paste.
  ev.code = KEY_v;
  ev.state = CONTROLMASK;
  EXPECT_EQ(send(SEL_KEYPRESS, Quillgrid::ID_LMP_TABLE, &ev), 0);
}

TEST_F(ValueTables, ColourIconsPerRowAreMadeReplacedAndFreed) {
  fillLMP({{"100", "50", "800.6"}, {"200", "40", "700"}, {"300", "30", "801.0"}, {"400", "20", "700.4"}});
  const FXColor preset = FXRGB(1, 2, 3);
  FXColor series0[4] = {preset, preset, preset, preset};
  FXColor* series[1] = {series0};
  w->plotPointColors = series;
  w->numRowsWithData = 4;
  w->assignLMPcellColorIcons("800 700 ");
  ASSERT_EQ(w->numLMPcellColorIcons, 4);
  ASSERT_TRUE(w->lmpCellColorIcons);
  // 700 sorts first, so 700 and 700.4 take colour 0, 800.6 colour 1;
  // 801.0 is a whole degree away from 800 and keeps its colour.
  EXPECT_EQ(series0[0], w->getPlotPointColor(1));
  EXPECT_EQ(series0[1], w->getPlotPointColor(0));
  EXPECT_EQ(series0[2], preset);
  EXPECT_EQ(series0[3], w->getPlotPointColor(0));
  for (int i = 0; i < 4; ++i) {
    FXIcon* icon = w->lmpCellColorIcons[i];
    ASSERT_TRUE(icon);
    EXPECT_EQ(w->lmpData_TBL->getItemIcon(i, 5), icon);
    EXPECT_EQ(icon->getWidth(), w->lmpData_TBL->getColumnWidth(5));
    EXPECT_EQ(icon->getHeight(), w->lmpData_TBL->getRowHeight(0));
    EXPECT_TRUE(icon->id() != 0);
    ASSERT_TRUE(icon->getData());
    EXPECT_EQ(icon->getPixel(icon->getWidth() / 2, icon->getHeight() / 2), series0[i]);
    // The border is the colour taken as transparent.
    EXPECT_EQ(icon->getTransparentColor(), icon->getPixel(0, 0));
    EXPECT_EQ(icon->getPixel(0, 0), argb(0xFF000001));
  }
  EXPECT_EQ(w->lmpData_TBL->getItemIcon(4, 5), nullptr);

  // The next fit replaces them; rows moved by an edit lose theirs too.
  w->lmpData_TBL->removeRows(0, 1, FALSE);
  w->numRowsWithData = 2;
  w->assignLMPcellColorIcons("");
  EXPECT_EQ(w->numLMPcellColorIcons, 2);
  EXPECT_NE(w->lmpData_TBL->getItemIcon(1, 5), nullptr);
  EXPECT_EQ(w->lmpData_TBL->getItemIcon(2, 5), nullptr);

  w->deallocateLMPcellColorIcons();
  EXPECT_EQ(w->numLMPcellColorIcons, 0);
  EXPECT_EQ(w->lmpCellColorIcons, nullptr);
  for (int r = 0; r < 5; ++r) EXPECT_EQ(w->lmpData_TBL->getItemIcon(r, 5), nullptr) << r;

  // No data rows: no icons.
  w->numRowsWithData = 0;
  w->assignLMPcellColorIcons("800 ");
  EXPECT_EQ(w->numLMPcellColorIcons, 0);
  EXPECT_EQ(w->lmpCellColorIcons, nullptr);

  // The window frees what a fit left behind.
  w->numRowsWithData = 3;
  w->assignLMPcellColorIcons("800 ");
  EXPECT_EQ(w->numLMPcellColorIcons, 3);
  w->plotPointColors = nullptr;
}

TEST_F(ValueTables, PasteOnTheImageTabIsLeftToTheImage) {
  w->tabBook->setCurrent(0, FALSE);
  EXPECT_EQ(send(SEL_COMMAND, Quillgrid::ID_PASTE), 0);
}

}  // namespace
