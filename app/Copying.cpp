// Copying to the clipboard as text: blocks of the value tables, the
// equation rows of the hidden results table and the spreadsheet formulas;
// picked points into the XY values table; the labels of the copy buttons.
#include "Globals.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TextField_lom2.h"

using namespace FX;

namespace {
// Selects the block without notifying and has the table copy it: each
// row's cells in column order separated by tabs, every row ended by a new
// line.
void copyBlock(FXTable* table, FXObject* sender, int r0, int r1, int c0, int c1) {
  table->killSelection(FALSE);
  table->selectRange(r0, r1, c0, c1, FALSE);
  table->handle(sender, FXSEL(SEL_COMMAND, FXTable::ID_COPY_SEL), nullptr);
}

void copyFieldSelection(FXTextField* field, FXObject* sender) {
  field->handle(sender, FXSEL(SEL_COMMAND, FXTextField::ID_COPY_SEL), nullptr);
}

bool checked(FXCheckButton* check) { return check && check->getCheck() == TRUE; }
}  // namespace

void Quillgrid::clearClipBoard() {
  if (!clipboardClearer_TF) return;
  clipboardClearer_TF->setText("   ");
  clipboardClearer_TF->setSelection(0, 1);
  copyFieldSelection(clipboardClearer_TF, this);
}

long Quillgrid::onCmdCopyTable(FXObject* sender, FXSelector sel, void*) {
  clearClipBoard();
  Table_lom2* table = nullptr;
  int first = 0, last = 1, optional = -1;
  const int id = FXSELID(sel);
  switch (id) {
    case ID_COPY_CURVE_TABLE:
      table = curveData_TBL;
      optional = 2;
      break;
    case ID_COPY_CURVE_X:
      table = curveData_TBL;
      last = 0;
      break;
    case ID_COPY_CURVE_Y:
      table = curveData_TBL;
      first = 1;
      break;
    case ID_COPY_XY_VALUES_TABLE:
      table = xyValues_TBL;
      if (!sender || sender != copyConvertedTableXY_Btn) optional = 3;
      break;
    case ID_COPY_CONVERTED_TABLE:
      table = convertedXYValues_TBL;
      if (!sender || sender != copyConvertedTableXY_Btn) optional = 3;
      break;
    default:
      return 1;
  }
  // The picked points and the XY values may be ordered by x first; the
  // converted values keep the order they were fitted in.
  if (checked(autoOrderIncreasingWhenCopying_Chk)) {
    if (id == ID_COPY_XY_VALUES_TABLE)
      onCmdOrderXYValuesPoints(nullptr, 0, nullptr);
    else if (id != ID_COPY_CONVERTED_TABLE)
      onCmdOrderCurveDataPoints(nullptr, 0, nullptr);
  }
  if (!table || table->getNumRows() < 1 || last >= table->getNumColumns() || optional >= table->getNumColumns())
    return 1;

  // The rows down to the first one with an empty copied cell; the optional
  // column is copied when any of the rows looked at has text in it.
  int rows = table->getNumRows();
  bool optionalText = false;
  for (int r = 0; r < table->getNumRows(); ++r) {
    if (optional >= 0 && !optionalText) optionalText = !table->getItemText(r, optional).empty();
    bool complete = true;
    for (int c = first; c <= last && complete; ++c) complete = !table->getItemText(r, c).empty();
    if (!complete) {
      rows = r;
      break;
    }
  }
  if (rows == 0) return 1;
  if (optionalText) last = optional;

  table->setFocus();
  copyBlock(table, this, 0, rows - 1, first, last);
  return 1;
}

void Quillgrid::copyUsedBlock(Table_lom2* table) {
  if (!table || table->getNumRows() < 1) return;
  int lastRow = -1, lastColumn = -1;
  for (int r = 0; r < table->getNumRows(); ++r)
    for (int c = 0; c < table->getNumColumns(); ++c)
      if (!table->isEmpty(r, c)) {
        if (r > lastRow) lastRow = r;
        if (c > lastColumn) lastColumn = c;
      }
  if (lastRow < 0 || lastColumn < 0) return;
  copyBlock(table, this, 0, lastRow, 0, lastColumn);
}

long Quillgrid::onCmdCopyLMPTable(FXObject*, FXSelector, void*) {
  copyUsedBlock(lmpData_TBL);
  return 1;
}

long Quillgrid::onCmdCopyXYValuesTable(FXObject*, FXSelector, void*) {
  copyUsedBlock(xyValues_TBL);
  return 1;
}

long Quillgrid::onCmdCopyHiddenEquationStuff(FXObject*, FXSelector, void*) {
  if (!hiddenLMPStuff_TBL || hiddenLMPStuff_TBL->getNumColumns() < 1) return 1;
  const bool lmp = curveFitType == 5;
  int firstRow = hiddenTableEqnRows[0], lastColumn = 0;
  if (lmp && authorMode) {
    firstRow = 1;
  } else if (lmp) {
    firstRow = 0;
    lastColumn = hiddenLMPStuff_TBL->getNumColumns() - 1;
  }
  const int lastRow =
      (checked(adjustEquationsWhenCopying_Chk) && numEquations > 1) ? hiddenTableEqnRows[1] : hiddenTableEqnRows[0];
  const int rows = hiddenLMPStuff_TBL->getNumRows();
  if (firstRow < 0 || lastRow < firstRow || lastRow >= rows) return 1;
  copyBlock(hiddenLMPStuff_TBL, this, firstRow, lastRow, 0, lastColumn);

  if (lmp && authorMode && lmp_C_TF) {
    FXString c = lmp_C_TF->getText();
    c.substitute(".00", ".0");
    if (c.length() == 5)
      ModalSeam::warning(this, MBOX_OK, "Round LMP C", "The LMP C has 2 decimals, you may want to round it to 1 decimal.");
  }
  return 1;
}

long Quillgrid::onCmdCopyExcelEqn(FXObject*, FXSelector sel, void*) {
  const int k = FXSELID(sel) - ID_EXCEL_EQUATION_FIRST;
  if (k < 0 || k >= 6 || !excelEqn_TF[k]) return 1;
  excelEqn_TF[k]->selectAll();
  copyFieldSelection(excelEqn_TF[k], this);
  return 1;
}

// Time, stress and temperature are typed; the computed columns are not.
long Quillgrid::onCmdLMPDataPointsTable(FXObject*, FXSelector, void*) {
  if (!lmpData_TBL) return 1;
  const int current = lmpData_TBL->getCurrentColumn();
  bool typed = current >= 0 && current <= 2;
  for (int c = 0; c <= 2 && !typed && c < lmpData_TBL->getNumColumns(); ++c)
    typed = lmpData_TBL->isColumnSelected(c) == TRUE;
  lmpData_TBL->setEditable(typed ? TRUE : FALSE);
  return 1;
}

void Quillgrid::addDataToXYValuesTable(int startRow) {
  if (!curveData_TBL || !xyValues_TBL) return;
  int n = 0;
  while (n < curveData_TBL->getNumRows() && !curveData_TBL->isEmpty(n, 0) && !curveData_TBL->isEmpty(n, 1)) ++n;
  for (int j = 0; j < n; ++j) {
    if (startRow + j >= xyValues_TBL->getNumRows()) {
      ModalSeam::warning(this, MBOX_OK, "Error Copying Data", "Too many points were selected, some were not copied.");
      return;
    }
    xyValues_TBL->setItemText(startRow + j, 0, curveData_TBL->getItemText(j, 0));
    xyValues_TBL->setItemText(startRow + j, 1, curveData_TBL->getItemText(j, 1));
  }
}

long Quillgrid::onCmdAppendImageDataToXYValuesTable(FXObject*, FXSelector, void*) {
  if (!xyValues_TBL) return 1;
  int start = 0;
  while (start < xyValues_TBL->getNumRows() &&
         !(xyValues_TBL->getItemText(start, 0).empty() && xyValues_TBL->getItemText(start, 1).empty()))
    ++start;
  addDataToXYValuesTable(start);
  return 1;
}

void Quillgrid::setCopyButtonsText() {
  FXString text = COPY_TABLE_TXT;
  FXString tip = "Copy the table x/y values.";
  if (checked(autoOrderIncreasingWhenCopying_Chk)) {
    text += " (O)";
    tip += "\n" + ORDERED_COPY_TABLE_TIP_TEXT_TXT;
  }
  for (FXButton* b : {copyTable_Btn, copyCurveTable_Btn})
    if (b) b->setTipText(tip);
  for (FXButton* b : {copyTable_Btn, copyCurveTable_Btn, copyXYTable_Btn})
    if (b) b->setText(text);
}

long Quillgrid::onCmdAutoOrderOnCopy(FXObject*, FXSelector, void*) {
  setCopyButtonsText();
  return 1;
}
