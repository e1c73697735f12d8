// The value tables of the main window: the curve-points table and its
// backup, the two tables of the Xy Values tab, the Larson-Miller table with
// its per-row colour icons, and the paste of the tool bar into the table of
// the current tab.
#include <fxkeys.h>

#include <algorithm>
#include <vector>

#include "FittedScrollWindow.h"
#include "Globals.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "ResultField.h"
#include "Table_lom2.h"
#include "TextFit.h"
#include "TextField_lom2.h"
#include "TextInput_lom2.h"
#include "ValueTableRules.h"
#include "fox16.h"

using namespace FX;

namespace {
const int LMP_TABLE_ROWS = 1000;
const int LMP_CURVE_FIT_TYPE = 5;
const int XY_TABLE_START_ROWS = 1000;
const int MIN_TABLE_ROWS = 10;
const int ROW_HEADER_WIDTH = 40;
const int COLUMN_HEADER_HEIGHT = 24;
const int BUTTON_WIDTH = 120;
const int BUTTON_HEIGHT = 36;
const FXuint TABLE_OPTS = LAYOUT_FIX_WIDTH | LAYOUT_FILL_Y | TABLE_ROW_RENUMBER;
const FXuint BUTTON_OPTS = BUTTON_NORMAL | LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT;
const int TAB_SCROLL_LINE_STEP = 24;  // pixels per click on a tab's scroll arrows

// A tab's contents in a scroll window filling the tab: a window narrower or
// lower than the contents scrolls to each of its controls.
FXScrollWindow* scrollingPage(FXComposite* tab) {
  return new FittedScrollWindow(tab, LAYOUT_FILL_X | LAYOUT_FILL_Y, TAB_SCROLL_LINE_STEP);
}

const int CURVE_DATA_WIDTHS[NUM_CURVE_DATA_COLUMNS] = {110, 110, 55, 0, 0};
const int LMP_DATA_WIDTH = 80;
const FXString XY_START_HEADERS[4] = {"x", "y", "Fit y", "% difference"};

const char* XY_ROW_ITEMS[] = {"100",   "500",   "1,000", "2,000", "3,000", "4,000",
                              "5,000", "6,000", "7,000", "8,000", "9,000", "10,000"};

// Rows r0..r1-1 numbered from 1 (as TABLE_ROW_RENUMBER does, for a table
// made without it) and, with every cell, centred. Items are made here so
// that text written later keeps the centring.
void centreRows(FXTable* t, int r0, int r1) {
  for (int r = r0; r < r1; ++r) {
    t->setRowText(r, FXStringVal(r + 1));
    t->setRowJustify(r, FXHeaderItem::CENTER_X | FXHeaderItem::CENTER_Y);
    for (int c = 0; c < t->getNumColumns(); ++c) t->setItemJustify(r, c, FXTableItem::CENTER_X | FXTableItem::CENTER_Y);
  }
}

// Sizes a table afresh (its cells empty) with its column headers and
// widths, row header width, column header height and table width.
void formatTable(FXTable* t, int rows, int cols, const FXString* names, const int* widths, int width) {
  t->setTableSize(rows, cols, FALSE);
  t->setRowHeaderWidth(ROW_HEADER_WIDTH);
  t->setColumnHeaderHeight(COLUMN_HEADER_HEIGHT);
  for (int c = 0; c < cols; ++c) {
    t->setColumnText(c, names[c]);
    t->setColumnWidth(c, widths[c]);
    t->setColumnJustify(c, FXHeaderItem::CENTER_X | FXHeaderItem::CENTER_Y);
  }
  centreRows(t, 0, rows);
  t->setWidth(width);
  textfit::fitHeaders(t);
}

void setColumnHeaders(FXTable* t, const std::vector<FXString>& names) {
  for (int c = 0; c < (int)names.size() && c < t->getNumColumns(); ++c) t->setColumnText(c, names[c]);
  textfit::fitHeaders(t);
}

// Empties the cells of rows r0..r1 and columns c0..c1, keeping the items
// (and with them the centring).
void emptyCells(FXTable* t, int r0, int r1, int c0, int c1) {
  // Writing an empty text costs less than reading a copy of the old one.
  const FXString empty;
  for (int r = r0 < 0 ? 0 : r0; r <= r1 && r < t->getNumRows(); ++r)
    for (int c = c0; c <= c1 && c < t->getNumColumns(); ++c) {
      FXTableItem* item = t->getItem(r, c);
      if (item) item->setText(empty);
    }
  t->update();
}

// Empties the cells of columns c0..c1 in every row.
void emptyColumns(FXTable* t, int c0, int c1) { emptyCells(t, 0, t->getNumRows() - 1, c0, c1); }

void emptyTable(FXTable* t) { emptyColumns(t, 0, t->getNumColumns() - 1); }

// Cell (0, 0) current, in view and selected.
void homeCell(FXTable* t) {
  if (t->getNumRows() < 1 || t->getNumColumns() < 1) return;
  t->setCurrentItem(0, 0, FALSE);
  t->makePositionVisible(0, 0);
  t->killSelection(FALSE);
  t->selectRange(0, 0, 0, 0, FALSE);
}

// Gives a table n rows: the last rows go, or empty centred rows are added.
void resizeRows(FXTable* t, int n) {
  const int r = t->getNumRows();
  if (n < r) {
    t->removeRows(n, r - n, FALSE);
  } else if (n > r) {
    t->insertRows(r, n - r, FALSE);
    centreRows(t, r, n);
  }
  textfit::fitHeaders(t);
}

// The table's own paste; false when the clipboard held more rows or
// columns than the table has, whose values the table dropped.
bool pasteInto(Table_lom2* t, FXObject* sender) {
  t->resetSizeError();
  t->handle(sender, FXSEL(SEL_COMMAND, FXTable::ID_PASTE_SEL), nullptr);
  return !t->getSizeError();
}

// The same for a clipboard text already read.
bool pasteTextInto(Table_lom2* t, const FXString& text) {
  t->resetSizeError();
  t->pasteText(text);
  return !t->getSizeError();
}

// Dropped values are lost data: the user hears of it.
void warnPasteCut(FXWindow* owner, Table_lom2* t, const char* hint) {
  ModalSeam::warning(owner, MBOX_OK, "Paste Error",
                     FXStringFormat("The clipboard holds more values than the table's %d rows and %d columns; "
                                    "the values that did not fit were not pasted.%s",
                                    t->getNumRows(), t->getNumColumns(), hint));
}

// Pasted values become the data source, with the fit type that suits them.
void switchToSource(Quillgrid* w, int source, int fitType) {
  if (w->dataSource == source) return;
  w->curveFitType = fitType;
  w->setCurveFitType();
  w->dataSource = source;
  w->setDataSource();
}

const char* const XY_ROWS_HINT = "\nChoose more rows in \"# rows in table\" and paste again.";

void disableIfPresent(FXWindow* w) {
  if (w) w->disable();
}

void clearText(FXTextField* f) {
  if (f) f->setText(FXString::null);
}

FXButton* tableButton(FXComposite* p, const FXString& text, FXIcon* icon, FXObject* tgt, FXSelector sel) {
  return new FXButton(p, text, icon, tgt, sel, BUTTON_OPTS, 0, 0, BUTTON_WIDTH, BUTTON_HEIGHT, 2, 2, 2, 2);
}

void gap(FXComposite* p, const char* text = "\n") { new FXLabel(p, text); }

// The buttons that copy the curve points, which an empty table has none for.
void disableCurveDataButtons(Quillgrid* w) {
  for (FXButton* b : {w->copyTable_Btn, w->copyCurveTable_Btn, w->copyX_Btn, w->copyY_Btn, w->copyImageDataToXY_Btn,
                      w->appendImageDataToXY_Btn})
    disableIfPresent(b);
}
}  // namespace

// ---- Xy Values tab

void Quillgrid::setUpXYValuesTab() {
  // The frames of the two tables and their button columns have no padding
  // of their own: the row's spacing keeps them apart, and both tables with
  // their buttons fit the window's start-up width.
  FXHorizontalFrame* row = new FXHorizontalFrame(scrollingPage(xyValuesTabFrame), LAYOUT_FILL_X | LAYOUT_FILL_Y, 0,
                                                 0, 0, 0, 2, 2, 2, 2, 10, 10);

  FXVerticalFrame* xyFrame = new FXVerticalFrame(row, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
  xyValues_TBL = new Table_lom2(xyFrame, this, ID_XY_VALUES_TABLE, TABLE_OPTS, 0, 0, 380, 0, 2, 2, 2, 2,
                                useCommaForDecimal);

  FXVerticalFrame* buttons = new FXVerticalFrame(row, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
  tableButton(buttons, "Clear table", deleteIcon, this, ID_CLEAR_XY_VALUES_TABLE);
  gap(buttons);
  copyXYTable_Btn = tableButton(buttons, COPY_TABLE_TXT, copyIcon, this, ID_COPY_XY_VALUES_TABLE);
  gap(buttons);
  tableButton(buttons, "Order table\n(by x-values)", orderIncreasingIcon, this, ID_ORDER_XY_VALUES);
  gap(buttons);
  tableButton(buttons, "Order table\n(by % Diff)", orderIncreasingIcon, this, ID_ORDER_XY_VALUES_BY_DIFF);
  gap(buttons);
  FXGroupBox* rowsGroup = new FXGroupBox(buttons, "# rows in table", GROUPBOX_TITLE_CENTER | FRAME_GROOVE);
  numRowsInXYTable_LB = new FXListBox(rowsGroup, this, ID_XY_TABLE_ROWS, FRAME_SUNKEN | FRAME_THICK);
  for (const char* item : XY_ROW_ITEMS) numRowsInXYTable_LB->appendItem(item);
  numRowsInXYTable_LB->setNumVisible(numRowsInXYTable_LB->getNumItems());
  numRowsInXYTable_LB->setCurrentItem(2, FALSE);
  gap(buttons);
  copyImageDataToXY_Btn = tableButton(buttons, "Copy image\nx/y data", copyIcon, this, ID_COPY_IMAGE_DATA_TO_XY);
  copyImageDataToXY_Btn->disable();
  gap(buttons);
  appendImageDataToXY_Btn = tableButton(buttons, "Append image\nx/y data", nullptr, this, ID_APPEND_IMAGE_DATA_TO_XY);
  appendImageDataToXY_Btn->disable();

  FXHorizontalFrame* spacer = new FXHorizontalFrame(row, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
  new FXVerticalSeparator(spacer, SEPARATOR_GROOVE | LAYOUT_FILL_Y);
  new FXVerticalSeparator(spacer, SEPARATOR_GROOVE | LAYOUT_FILL_Y);

  FXVerticalFrame* convertedFrame = new FXVerticalFrame(row, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
  convertedXYValues_TBL = new Table_lom2(convertedFrame, this, ID_CONVERTED_XY_TABLE, TABLE_OPTS, 0, 0, 460, 0, 2, 2,
                                         2, 2, useCommaForDecimal);

  FXVerticalFrame* copyButtons = new FXVerticalFrame(row, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
  copyConvertedTableAll_Btn = tableButton(copyButtons, "Copy table\n(all cols)", copyIcon, this, ID_COPY_CONVERTED_TABLE);
  gap(copyButtons);
  copyConvertedTableXY_Btn =
      tableButton(copyButtons, "Copy table\n(x && y cols)", copyIcon, this, ID_COPY_CONVERTED_TABLE);
  copyConvertedTableAll_Btn->disable();
  copyConvertedTableXY_Btn->disable();

  const int xyWidths[4] = {80, 80, 80, 80};
  const int convertedWidths[4] = {80, 160, 80, 80};
  formatTable(xyValues_TBL, XY_TABLE_START_ROWS, 4, XY_START_HEADERS, xyWidths, 380);
  formatTable(convertedXYValues_TBL, XY_TABLE_START_ROWS, 4, XY_START_HEADERS, convertedWidths, 460);
  xyValues_TBL->makePositionVisible(0, 0);
  convertedXYValues_TBL->makePositionVisible(0, 0);
  xyValues_TBL->setCurrentItem(0, 0, FALSE);
  convertedXYValues_TBL->setCurrentItem(0, 0, FALSE);
  convertedXYValues_TBL->setEditable(FALSE);
}

void Quillgrid::setUpXYDataTables() {
  if (!numRowsInXYTable_LB || numRowsInXYTable_LB->getNumItems() < 1) return;
  const int n = xyTableRowCount(numRowsInXYTable_LB->getItemText(numRowsInXYTable_LB->getCurrentItem()));
  if (xyValues_TBL) resizeRows(xyValues_TBL, n);
  if (convertedXYValues_TBL) resizeRows(convertedXYValues_TBL, n);
}

long Quillgrid::onCmdNumRowsInXYTables(FXObject*, FXSelector, void*) {
  // Rows that hold data go only when the user says so; otherwise the list
  // shows again the count the table has.
  if (xyValues_TBL && numRowsInXYTable_LB && numRowsInXYTable_LB->getNumItems() > 0) {
    const FXString chosen = numRowsInXYTable_LB->getItemText(numRowsInXYTable_LB->getCurrentItem());
    const int rows = xyValues_TBL->getNumRows();
    const int dropped = xyRowsWithData(xyTableRowCount(chosen), rows - 1);
    if (dropped > 0 &&
        ModalSeam::question(this, MBOX_YES_NO, "# rows in table",
                            FXStringFormat("The table holds data in %d %s beyond row %s.\n"
                                           "Those rows are removed with their values.\n\nRemove them?",
                                           dropped, dropped == 1 ? "row" : "rows", chosen.text())) != MBOX_CLICKED_YES) {
      for (int i = 0; i < numRowsInXYTable_LB->getNumItems(); ++i)
        if (xyTableRowCount(numRowsInXYTable_LB->getItemText(i)) == rows) {
          numRowsInXYTable_LB->setCurrentItem(i, FALSE);
          break;
        }
      return 1;
    }
  }
  setUpXYDataTables();
  return 1;
}

void Quillgrid::clearConvertedXYValuesTable() {
  if (convertedXYValues_TBL) {
    emptyTable(convertedXYValues_TBL);
    homeCell(convertedXYValues_TBL);
  }
  disableIfPresent(copyConvertedTableAll_Btn);
  disableIfPresent(copyConvertedTableXY_Btn);
}

void Quillgrid::setXYValuesTableHeaders() {
  clearConvertedXYValuesTable();
  FXString suffix;
  if (dataSource == 0 || dataSource == 1) {
    const bool xIsT = xAxisIsTemperature_Chk && xAxisIsTemperature_Chk->getCheck();
    const bool haveConversion = temperatureScale_LB && temperatureScale_LB->getNumItems() > 0 &&
                                temperatureScale_LB->getCurrentItem() >= 0;
    suffix = temperatureUnitSuffix(
        xIsT, haveConversion,
        haveConversion ? temperatureScale_LB->getItemText(temperatureScale_LB->getCurrentItem()) : FXString::null);
    if (y_axisScaleFactor) yAxisScaleFactor = y_axisScaleFactor->toDouble();
    if (xyValues_TBL) setColumnHeaders(xyValues_TBL, {"Table x", "Table y", "Fit y", "% difference"});
  }
  if (convertedXYValues_TBL)
    setColumnHeaders(convertedXYValues_TBL, convertedXYHeaders(dataSource, suffix, yAxisScaleFactor));
}

long Quillgrid::onCmdXaxisIsTemperature(FXObject*, FXSelector, void*) {
  setXaxisTemperatureBackColor();
  setXYValuesTableHeaders();
  reFitWhenFitShown();
  return 1;
}

// Also called by the fitting run itself (no sender), which then goes on.
long Quillgrid::onCmdXaxisTemperatureUnits(FXObject* sender, FXSelector, void*) {
  if (temperatureScale_LB && temperatureScale_LB->getNumItems() > 0)
    temperatureScale = temperatureScale_LB->getCurrentItem();
  setXYValuesTableHeaders();
  if (sender) reFitWhenFitShown();
  return 1;
}

long Quillgrid::onCmdClearXYValuesTable(FXObject*, FXSelector, void*) {
  if (xyValues_TBL) {
    emptyTable(xyValues_TBL);
    homeCell(xyValues_TBL);
  }
  clearConvertedXYValuesTable();
  clearCurveFitData();
  pointsHighlighted = false;
  return 1;
}

long Quillgrid::onCmdCopyImageDataToXYValuesTable(FXObject*, FXSelector, void*) {
  if (xyValues_TBL && xyRowsWithData(0, xyValues_TBL->getNumRows() - 1) > 0 &&
      ModalSeam::question(this, MBOX_YES_NO, "Copy image x/y data",
                          "The Xy Values table holds data, which the image x/y data replace.\n\n"
                          "Replace the table's data?") != MBOX_CLICKED_YES)
    return 1;
  onCmdClearXYValuesTable(nullptr, 0, nullptr);
  addDataToXYValuesTable(0);
  return 1;
}

// ---- fit results

void Quillgrid::clearHiddenLMPStuffTable() {
  disableIfPresent(copyEqns_Btn);
  if (hiddenLMPStuff_TBL) emptyTable(hiddenLMPStuff_TBL);
}

void Quillgrid::clearLMPErrorFromTable() {
  if (lmpData_TBL) emptyColumns(lmpData_TBL, 3, 4);
}

void Quillgrid::clearFitColumnsOfDataSource() {
  const StepClock clock(fitStepTimes, "clearing the fit columns");
  // The Larson-Miller fit reads its own table whatever the source says.
  if (curveFitType == LMP_CURVE_FIT_TYPE) {
    deallocateLMPcellColorIcons();
    clearLMPErrorFromTable();
  } else if (dataSourceTable && dataSourceTable == xyValues_TBL) {
    emptyColumns(xyValues_TBL, 2, 3);
  } else if (dataSourceTable && dataSourceTable == curveData_TBL) {
    emptyColumns(curveData_TBL, 2, 2);
  }
}

void Quillgrid::clearLMPFitResultsOfRows(int first, int last) {
  if (!lmpData_TBL || lmpData_TBL->getNumColumns() < NUM_LMP_DATA_COLUMNS) return;
  emptyCells(lmpData_TBL, first, last, 3, 4);
  for (int r = first < 0 ? 0 : first; r <= last && r < lmpData_TBL->getNumRows(); ++r) {
    FXTableItem* item = lmpData_TBL->getItem(r, 5);
    if (item && item->getIcon()) lmpData_TBL->setItemIcon(r, 5, nullptr, FALSE, FALSE);
  }
}

void Quillgrid::clearCurveFitData() {
  const StepClock clock(fitStepTimes, "clearing the results");
  drawFitPlots(true);
  for (int i = 0; i < 6; ++i) {
    clearText(excelEqn_TF[i]);
    for (int row = 1; row <= 3; ++row) clearText(eqnFit_TF[row][i]);
  }
  clearCoefficientsTable(-1);
  if (excel_cell_TF && lineThickness_TF) excel_cell_TF->setBackColor(lineThickness_TF->getBackColor());
  clearHiddenLMPStuffTable();
  setEquationSlopeLabels();
  clearConvertedXYValuesTable();
}

// ---- curve-points table

void Quillgrid::clearCurveDataTable(int numRows) {
  if (curveData_TBL) {
    formatTable(curveData_TBL, std::max(numRows, MIN_TABLE_ROWS), NUM_CURVE_DATA_COLUMNS, CURVE_DATA_COLUMN_NAMES,
                CURVE_DATA_WIDTHS, 335);
    curveData_TBL->makePositionVisible(0, 0);
    curveData_TBL->recalc();
  }
  disableCurveDataButtons(this);
  clearCurveFitData();
}

bool Quillgrid::backUpCurvePoints() {
  if (!curveData_TBL || !curveDataBackup_TBL) return false;
  const int rows = curveData_TBL->getNumRows();
  const int cols = curveData_TBL->getNumColumns();
  bool hadText = false;
  for (int r = 0; r < rows && !hadText; ++r)
    for (int c = 0; c < cols && !hadText; ++c) hadText = !curveData_TBL->getItemText(r, c).empty();
  // An empty table leaves the backup of the last clear in place, so a
  // second clear cannot wipe the points that "Restore data" brings back.
  if (!hadText) return false;
  curveDataBackup_TBL->setTableSize(rows, cols, FALSE);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const FXString text = curveData_TBL->getItemText(r, c);
      if (!text.empty()) curveDataBackup_TBL->setItemText(r, c, text);
    }
  if (restoreData_Btn) restoreData_Btn->enable();
  return true;
}

long Quillgrid::onCmdClearTable(FXObject*, FXSelector, void*) {
  dragRow = -1;
  backUpCurvePoints();
  if (curveData_TBL) {
    emptyTable(curveData_TBL);
    curveData_TBL->makePositionVisible(0, 0);
  }
  disableCurveDataButtons(this);
  if (curveData_TBL && curveData_TBL->getNumColumns() > 0) curveData_TBL->setColumnText(0, CURVE_DATA_COLUMN_NAMES[0]);
  resetOrdering();
  clearCurveFitData();
  disableIfPresent(clearData_Btn);
  lastAutoFindRows[0] = FXString::null;
  lastAutoFindRows[1] = FXString::null;
  pointsHighlighted = false;
  return 1;
}

// ---- Larson-Miller Data tab

void Quillgrid::setUpLMPTab() {
  FXHorizontalFrame* row = new FXHorizontalFrame(scrollingPage(lmpTabFrame), LAYOUT_FILL_X | LAYOUT_FILL_Y);

  FXVerticalFrame* tableFrame = new FXVerticalFrame(row, LAYOUT_FILL_Y);
  lmpData_TBL = new Table_lom2(tableFrame, this, ID_LMP_TABLE, TABLE_OPTS, 0, 0, 540, 0, 2, 2, 2, 2, useCommaForDecimal);
  setUpLMPDataTable(LMP_TABLE_ROWS);

  FXVerticalFrame* side = new FXVerticalFrame(row, LAYOUT_FILL_Y);
  new FXLabel(side,
              "Fit to equation where x = LMP / 1000 and y = ln(stress)\n\n     where     LMP = (T, K or R) * (C + "
              "Log10(Time))\n\n     and     C is the constant\n\n",
              nullptr, LABEL_NORMAL | JUSTIFY_LEFT);
  tableButton(side, "Clear table", deleteIcon, this, ID_CLEAR_LMP_TABLE);
  gap(side);
  tableButton(side, "Delete rows\nwith 0 time/stress", nullptr, this, ID_DELETE_ZERO_LMP_ROWS);
  gap(side);
  autoDeleteRowsWithZero_Chk = new FXCheckButton(side, "Delete rows\nwith 0 after paste");
  gap(side);
  tableButton(side, COPY_TABLE_TXT, copyIcon, this, ID_COPY_LMP_TABLE);
  gap(side, "\n\n");
  FXMatrix* limits = new FXMatrix(side, 2, MATRIX_BY_COLUMNS);
  const FXuint fieldOpts = TEXTFIELD_READONLY | JUSTIFY_CENTER_X | FRAME_SUNKEN | FRAME_THICK;
  new FXLabel(limits, "Min. LMP/1000");
  lmpMin_TF = new ResultField(limits, 7, nullptr, 0, fieldOpts);
  new FXLabel(limits, "Max. LMP/1000");
  lmpMax_TF = new ResultField(limits, 7, nullptr, 0, fieldOpts);
  new FXLabel(limits, "");
  new FXLabel(limits, "");
  new FXLabel(limits, "Min. temperature");
  lmpMinTemperature_TF = new ResultField(limits, 7, nullptr, 0, fieldOpts);
  new FXLabel(limits, "Max. temperature");
  lmpMaxTemperature_TF = new ResultField(limits, 7, nullptr, 0, fieldOpts);
}

void Quillgrid::setUpLMPDataTable(int numRows) {
  if (!lmpData_TBL) return;
  const int widths[NUM_LMP_DATA_COLUMNS] = {LMP_DATA_WIDTH, LMP_DATA_WIDTH, LMP_DATA_WIDTH,
                                            LMP_DATA_WIDTH, LMP_DATA_WIDTH, LMP_DATA_WIDTH};
  formatTable(lmpData_TBL, std::max(numRows, MIN_TABLE_ROWS), NUM_LMP_DATA_COLUMNS, LMP_DATA_COLUMN_NAMES, widths, 540);
  homeCell(lmpData_TBL);
}

void Quillgrid::insertRowsInLMPTable(int numRows) {
  if (lmpData_TBL && lmpData_TBL->getNumRows() < numRows) resizeRows(lmpData_TBL, numRows);
}

long Quillgrid::onCmdClearLMPTable(FXObject*, FXSelector, void*) {
  if (lmpData_TBL) emptyTable(lmpData_TBL);
  setUpLMPDataTable(LMP_TABLE_ROWS);
  if (lmpData_TBL) homeCell(lmpData_TBL);
  clearCurveFitData();
  return 1;
}

long Quillgrid::onCmdDeleteLMPRows(FXObject*, FXSelector, void*) {
  if (!lmpData_TBL) return 0;
  const int a = lmpData_TBL->getSelStartRow();
  const int b = lmpData_TBL->getSelEndRow();
  if (!lmpData_TBL->isAnythingSelected() || a < 0 || b < a) {
    ModalSeam::error(this, MBOX_OK, "Row Error", "Select 1 or more rows and try again.");
    return 0;
  }
  lmpData_TBL->removeRows(a, b - a + 1, FALSE);
  insertRowsInLMPTable(LMP_TABLE_ROWS);
  return 1;
}

long Quillgrid::onCmdDelete0StressFromLMP(FXObject*, FXSelector, void*) {
  if (!lmpData_TBL) return 1;
  for (int r = lmpData_TBL->getNumRows() - 1; r >= 0; --r)
    if (isZeroTimeOrStressRow(lmpData_TBL->toDouble(r, 0), lmpData_TBL->toDouble(r, 1)))
      lmpData_TBL->removeRows(r, 1, FALSE);
  insertRowsInLMPTable(LMP_TABLE_ROWS);
  homeCell(lmpData_TBL);
  return 1;
}

long Quillgrid::onCmdDeleteEmptyRowsFromLMP(FXObject*, FXSelector, void*) {
  if (!lmpData_TBL) return 1;
  const int cols = lmpData_TBL->getNumColumns();
  auto rowIsEmpty = [&](int r) {
    for (int c = 0; c < cols; ++c)
      if (!lmpData_TBL->isEmpty(r, c)) return false;
    return true;
  };
  int last = lmpData_TBL->getNumRows() - 1;
  while (last >= 0 && rowIsEmpty(last)) --last;
  if (last <= 0) return 1;
  int removed = 0;
  for (int r = last; r >= 0; --r)
    if (rowIsEmpty(r)) {
      lmpData_TBL->removeRows(r, 1, FALSE);
      ++removed;
    }
  if (removed > 0) {
    const int at = std::max(lmpData_TBL->getNumRows() - 1, 0);
    lmpData_TBL->insertRows(at, removed, FALSE);
    centreRows(lmpData_TBL, at, at + removed);
  }
  insertRowsInLMPTable(LMP_TABLE_ROWS);
  homeCell(lmpData_TBL);
  return 1;
}

long Quillgrid::onLMPDataPointsTableKeyPress(FXObject*, FXSelector, void* ptr) {
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  if (!ev || !lmpData_TBL) return 0;
  const bool dropZeros = autoDeleteRowsWithZero_Chk && autoDeleteRowsWithZero_Chk->getCheck();
  switch (lmpTableKeyAction(ev->code, ev->state, lmpData_TBL->getCurrentColumn(), dropZeros)) {
    case LMPKeyAction::Swallow:
      return 1;
    case LMPKeyAction::PasteAndDropZeros: {
      const bool whole = pasteInto(lmpData_TBL, this);
      // The pasted block is selected: its rows hold new values, so the last
      // fit's parameter, difference and colour beside them go.
      if (lmpData_TBL->isAnythingSelected())
        clearLMPFitResultsOfRows(lmpData_TBL->getSelStartRow(), lmpData_TBL->getSelEndRow());
      onCmdDelete0StressFromLMP(nullptr, 0, nullptr);
      if (!whole) warnPasteCut(this, lmpData_TBL, "");
      return 1;
    }
    case LMPKeyAction::PassOn:
      break;
  }
  return 0;
}

// ---- colour icons of the Larson-Miller rows

void Quillgrid::assignLMPcellColorIcons(FXString temperatures) {
  std::vector<int> rows(std::max(numRowsWithData, 0));
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = (int)i;
  assignLMPcellColorIcons(temperatures, rows);
}

void Quillgrid::assignLMPcellColorIcons(FXString temperatures, const std::vector<int>& tableRows) {
  deallocateLMPcellColorIcons();
  if (!lmpData_TBL || lmpData_TBL->getNumColumns() < NUM_LMP_DATA_COLUMNS) return;
  int rows = std::min(numRowsWithData, (int)tableRows.size());
  while (rows > 0 && tableRows[rows - 1] >= lmpData_TBL->getNumRows()) --rows;
  if (rows <= 0) return;
  numLMPcellColorIcons = rows;

  const std::vector<double> sorted = temperatures.empty() ? std::vector<double>() : sortedTemperatures(temperatures);
  FXColor* seriesColors = plotPointColors ? plotPointColors[0] : nullptr;
  std::vector<FXColor> rowColors(rows, FXRGB(0, 0, 0));
  for (int i = 0; i < rows; ++i) {
    if (seriesColors) rowColors[i] = seriesColors[i];
    const int j = matchingTemperature(sorted, lmpData_TBL->toDouble(tableRows[i], 2));
    if (j < 0) continue;
    rowColors[i] = getPlotPointColor(static_cast<unsigned>(j));
    if (seriesColors) seriesColors[i] = rowColors[i];
  }

  const int w = std::max(lmpData_TBL->getColumnWidth(5), 3);
  const int h = std::max(lmpData_TBL->getRowHeight(0), 3);
  const FXColor border = argb(0xFF000001);
  lmpCellColorIcons = new FXIcon*[rows]();
  for (int i = 0; i < rows; ++i) {
    FXColor* pixels = nullptr;
    FXMALLOC(&pixels, FXColor, w * h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        pixels[y * w + x] = (x == 0 || y == 0 || x == w - 1 || y == h - 1) ? border : rowColors[i];
    // The border is the transparent colour. FOX 1.6 does not guess it from
    // the corners, so it is named: a black row colour stays visible.
    FXIcon* icon = new FXIcon(getApp(), pixels, border, IMAGE_OWNED | IMAGE_KEEP | IMAGE_ALPHACOLOR, w, h);
    icon->create();
    lmpCellColorIcons[i] = icon;
    lmpData_TBL->setItemIcon(tableRows[i], 5, icon, FALSE, FALSE);
  }
}

void Quillgrid::deallocateLMPcellColorIcons() {
  if (lmpCellColorIcons) {
    // The table shows the icons without owning them: take them out of its
    // cells first, wherever row edits have moved them.
    if (lmpData_TBL && lmpData_TBL->getNumColumns() >= NUM_LMP_DATA_COLUMNS)
      for (int r = 0; r < lmpData_TBL->getNumRows(); ++r) {
        FXTableItem* item = lmpData_TBL->getItem(r, 5);
        if (item && item->getIcon()) lmpData_TBL->setItemIcon(r, 5, nullptr, FALSE, FALSE);
      }
    for (int i = 0; i < numLMPcellColorIcons; ++i) {
      if (!lmpCellColorIcons[i]) continue;
      lmpCellColorIcons[i]->destroy();
      delete lmpCellColorIcons[i];
    }
    delete[] lmpCellColorIcons;
    lmpCellColorIcons = nullptr;
  }
  numLMPcellColorIcons = 0;
}

// ---- paste of the tool bar and of the Ctrl+V accelerator

long Quillgrid::onCmdPaste(FXObject*, FXSelector, void*) {
  const int tab = tabBook ? tabBook->getCurrent() : 0;
  if (tab <= 0) return 0;
  Table_lom2* pasted = tab == 2 ? lmpData_TBL : tab == 1 ? xyValues_TBL : nullptr;
  // The clipboard is read before the table is cleared: an empty or
  // unreadable clipboard leaves the table and its fit as they were.
  FXString text;
  if (pasted && (!pasted->readClipboardText(text) || !Table_lom2::holdsValues(text))) return 1;
  bool whole = true;
  const char* hint = "";
  if (tab == 2 && pasted) {
    onCmdClearLMPTable(nullptr, 0, nullptr);
    clearLMPErrorFromTable();
    // The paste starts at cell (0, 0), a typed column; a table left
    // read-only by a click in a computed column would refuse it after it
    // has been cleared.
    lmpData_TBL->setEditable(TRUE);
    whole = pasteTextInto(pasted, text);
    switchToSource(this, 2, 5);
    if (autoDeleteRowsWithZero_Chk && autoDeleteRowsWithZero_Chk->getCheck()) onCmdDelete0StressFromLMP(nullptr, 0, nullptr);
  } else if (tab == 1 && pasted) {
    onCmdClearXYValuesTable(nullptr, 0, nullptr);
    whole = pasteTextInto(pasted, text);
    hint = XY_ROWS_HINT;
    switchToSource(this, 1, 0);
  }
  clearCurveFitData();
  if (!whole) warnPasteCut(this, pasted, hint);
  return 1;
}

long Quillgrid::pasteIntoXYValuesTable() {
  // A table that refuses the paste keeps its own answer (a beep, or nothing
  // without a selection).
  if (!xyValues_TBL || !xyValues_TBL->isEditable() || !xyValues_TBL->isAnythingSelected()) return 0;
  FXString text;
  if (!xyValues_TBL->readClipboardText(text)) return 1;
  const bool whole = pasteTextInto(xyValues_TBL, text);
  if (Table_lom2::holdsValues(text)) {
    // The last fit no longer belongs to the values: its columns go, except
    // for the cells the paste itself wrote (the pasted block is selected).
    const int r0 = xyValues_TBL->getSelStartRow(), r1 = xyValues_TBL->getSelEndRow();
    const int c0 = xyValues_TBL->getSelStartColumn(), c1 = xyValues_TBL->getSelEndColumn();
    for (int c = 2; c <= 3; ++c) {
      if (c < c0 || c > c1) {
        emptyColumns(xyValues_TBL, c, c);
      } else {
        emptyCells(xyValues_TBL, 0, r0 - 1, c, c);
        emptyCells(xyValues_TBL, r1 + 1, xyValues_TBL->getNumRows() - 1, c, c);
      }
    }
    switchToSource(this, 1, 0);
    clearCurveFitData();
  }
  if (!whole) warnPasteCut(this, xyValues_TBL, XY_ROWS_HINT);
  return 1;
}

// Once the fonts exist: every value table's headers and row numbers shown
// whole, and the columns the program writes numbers into as wide as a
// number in scientific notation.
void Quillgrid::fitValueTablesToTheirTexts() {
  for (FXTable* t : {(FXTable*)curveData_TBL, (FXTable*)xyValues_TBL, (FXTable*)convertedXYValues_TBL,
                     (FXTable*)lmpData_TBL})
    if (t) textfit::fitHeaders(t);
  textfit::fitColumnToText(xyValues_TBL, 2, textfit::NUMBER_SAMPLE);
  for (int c : {0, 2}) textfit::fitColumnToText(convertedXYValues_TBL, c, textfit::NUMBER_SAMPLE);
}
