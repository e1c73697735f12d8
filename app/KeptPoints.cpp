// Picked points are not thrown away behind the user's back: a cancelled
// colour pick gives back what it cleared, another picture and "Reset all"
// ask first while points are at stake, a quarter or half turn keeps them
// for "Restore data", no picture gets another picture's points, and the
// clipboard is blanked only when it holds one of this program's copies.
#include <algorithm>
#include <utility>
#include <vector>

#include "ModalSeam.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "ValueTableRules.h"

using namespace FX;

namespace {
const char* const OPEN_QUESTION_CAPTION = "Open image file";
const char* const OPEN_QUESTION_TEXT =
    "Opening another picture removes the curve points of this picture,\n"
    "and \"Restore data\" cannot bring them back.\n\n"
    "Open the other picture?";
const char* const RESET_QUESTION_CAPTION = "Reset all";
const char* const RESET_QUESTION_TEXT =
    "\"Reset all\" removes the curve points,\n"
    "and \"Restore data\" cannot bring them back.\n\n"
    "Reset all?";

// The buttons whose state follows the curve-points table, in the order
// their states are kept.
std::vector<FXWindow*> curveTableButtons(Quillgrid* w) {
  return {w->copyTable_Btn, w->copyCurveTable_Btn,     w->copyX_Btn,
          w->copyY_Btn,     w->copyImageDataToXY_Btn, w->appendImageDataToXY_Btn,
          w->clearData_Btn, w->restoreData_Btn,       w->orderPoints_Btn};
}

void keepCells(const FXTable* t, int& rows, int& cols, std::vector<FXString>& cells) {
  rows = t->getNumRows();
  cols = t->getNumColumns();
  cells.assign((size_t)rows * cols, FXString::null);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) cells[(size_t)r * cols + c] = t->getItemText(r, c);
}

// Writes the kept cells that the table has room for and that differ.
void putCells(Table_lom2* t, int rows, int cols, const std::vector<FXString>& cells) {
  const int n = std::min(rows, t->getNumRows()), m = std::min(cols, t->getNumColumns());
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < m; ++c) {
      const FXString& text = cells[(size_t)r * cols + c];
      if (text != t->getItemText(r, c)) t->setItemText(r, c, text);
    }
}

bool holdsText(const Table_lom2* t) { return t && rowsWithText(t, 0, t->getNumRows() - 1) > 0; }

// Some window of this program, at or below w, owns the clipboard.
bool ownsClipboard(const FXWindow* w) {
  for (const FXWindow* c = w->getFirst(); c; c = c->getNext())
    if (c->hasClipboard() || ownsClipboard(c)) return true;
  return false;
}
}  // namespace

// ---- the colour pick

void Quillgrid::keepCurveTableForPick() {
  pickColorKeep = CurveTableKeep();
  if (!curveData_TBL || !curveDataBackup_TBL) return;
  CurveTableKeep& k = pickColorKeep;
  keepCells(curveData_TBL, k.rows, k.cols, k.cells);
  keepCells(curveDataBackup_TBL, k.backupRows, k.backupCols, k.backupCells);
  for (int c = 0; c < k.cols; ++c) k.headers.push_back(curveData_TBL->getColumnText(c));
  for (FXWindow* b : curveTableButtons(this)) k.enabled.push_back(b && b->isEnabled());
  k.autoFindRows[0] = lastAutoFindRows[0];
  k.autoFindRows[1] = lastAutoFindRows[1];
  k.held = true;
}

bool Quillgrid::giveBackCurveTableOfPick() {
  CurveTableKeep k;
  std::swap(k, pickColorKeep);
  // Points put in since the pick cleared the table are newer work: they stay.
  if (!k.held || !curveData_TBL || !curveDataBackup_TBL || holdsText(curveData_TBL)) return false;
  if (curveData_TBL->getNumRows() < k.rows) appendRows(k.rows - curveData_TBL->getNumRows());
  putCells(curveData_TBL, k.rows, k.cols, k.cells);
  for (int c = 0; c < (int)k.headers.size() && c < curveData_TBL->getNumColumns(); ++c)
    curveData_TBL->setColumnText(c, k.headers[c]);
  curveDataBackup_TBL->setTableSize(k.backupRows, k.backupCols, FALSE);
  putCells(curveDataBackup_TBL, k.backupRows, k.backupCols, k.backupCells);
  const std::vector<FXWindow*> buttons = curveTableButtons(this);
  for (size_t i = 0; i < buttons.size() && i < k.enabled.size(); ++i)
    if (buttons[i]) {
      if (k.enabled[i])
        buttons[i]->enable();
      else
        buttons[i]->disable();
    }
  lastAutoFindRows[0] = k.autoFindRows[0];
  lastAutoFindRows[1] = k.autoFindRows[1];
  // The points are marked on the picture again.
  resetImageAndDrawPoints();
  setDataPointTableStipple();
  return true;
}

// ---- new pictures, "Reset all" and the turns

bool Quillgrid::curvePointsAtStake() const {
  if (holdsText(curveData_TBL)) return true;
  return restoreData_Btn && restoreData_Btn->isEnabled() && holdsText(curveDataBackup_TBL);
}

bool Quillgrid::mayOpenAnotherPicture() {
  return !curvePointsAtStake() ||
         ModalSeam::question(this, MBOX_YES_NO, OPEN_QUESTION_CAPTION, OPEN_QUESTION_TEXT) == MBOX_CLICKED_YES;
}

bool Quillgrid::mayResetAll() {
  return !curvePointsAtStake() ||
         ModalSeam::question(this, MBOX_YES_NO, RESET_QUESTION_CAPTION, RESET_QUESTION_TEXT) == MBOX_CLICKED_YES;
}

void Quillgrid::forgetCurvePointBackup() {
  if (curveDataBackup_TBL)
    curveDataBackup_TBL->setTableSize(curveDataBackup_TBL->getNumRows(), curveDataBackup_TBL->getNumColumns(), FALSE);
  if (restoreData_Btn) restoreData_Btn->disable();
}

void Quillgrid::resetAfterTurn() {
  // The points no longer lie on the turned picture. As with a fine
  // rotation they go to the backup, and "Restore data" brings them back.
  const bool restorable = backUpCurvePoints() || (restoreData_Btn && restoreData_Btn->isEnabled());
  resetAfterNewImage();
  if (restorable && restoreData_Btn) restoreData_Btn->enable();
}

// ---- the clipboard

void Quillgrid::clearOwnClipboardCopy() {
  if (ownsClipboard(getRoot())) clearClipBoard();
}

// ---- the XY values table

int Quillgrid::xyRowsWithData(int first, int last) const {
  return xyValues_TBL ? rowsWithText(xyValues_TBL, first, last) : 0;
}
