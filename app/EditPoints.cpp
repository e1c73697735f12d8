// Editing the curve points after they were picked: deleting the last point
// or selected rows, moving through the curve-points table with the arrow
// keys while the current point is highlighted on the image, clearing the
// table and restoring it from its backup, and the image's right-button menu.
#include <fxkeys.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "Globals.h"
#include "MenuButtonWin10Style.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "ValueTableRules.h"
#include "fox16.h"
#include "icon_data.h"

using namespace FX;

namespace {
// Highlight marks: thin bars, long arms.
const int HIGHLIGHT_THICKNESS = 1;
const int HIGHLIGHT_LENGTH = 9;

// The question before "Restore data" replaces points picked since the
// backup was made.
const char* const RESTORE_QUESTION_CAPTION = "Restore data";
const char* const RESTORE_QUESTION_TEXT =
    "Points have been picked since the data were cleared.\n"
    "Restoring the data replaces them, and they are lost.\n\n"
    "Restore the data?";

// Columns of the curve-points table.
const int X_VALUE_COLUMN = 0;
const int Y_VALUE_COLUMN = 1;
const int X_PIXEL_COLUMN = 3;
const int Y_PIXEL_COLUMN = 4;

// A point as its pixel cells identify it, for each row that has one.
std::vector<FXString> pointKeys(const Table_lom2* t) {
  std::vector<FXString> keys;
  if (t->getNumColumns() <= Y_PIXEL_COLUMN) return keys;
  for (int r = 0; r < t->getNumRows(); ++r)
    if (!t->isEmpty(r, X_PIXEL_COLUMN))
      keys.push_back(t->getItemText(r, X_PIXEL_COLUMN) + "\t" + t->getItemText(r, Y_PIXEL_COLUMN));
  return keys;
}

bool hasPixelPosition(const Table_lom2* t, int row) {
  return row >= 0 && row < t->getNumRows() && t->getNumColumns() > Y_PIXEL_COLUMN && !t->isEmpty(row, X_PIXEL_COLUMN) &&
         !t->isEmpty(row, Y_PIXEL_COLUMN);
}

void enableIfPresent(FXWindow* w) {
  if (w) w->enable();
}
}  // namespace


// ---- rules

int Quillgrid::rowAfterDeletion(int row, bool moveDown) { return moveDown ? row : std::max(row - 1, 0); }

int Quillgrid::pointsNotKept(const std::vector<FXString>& now, const std::vector<FXString>& kept) {
  std::set<std::string> inBackup;
  for (const FXString& p : kept) inBackup.insert(p.text());
  int n = 0;
  for (const FXString& p : now)
    if (!inBackup.count(p.text())) ++n;
  return n;
}

Quillgrid::CurveTableKey Quillgrid::curveTableKeyAction(FXuint code, int col) {
  switch (code) {
    case KEY_Left:
    case KEY_KP_Left:
      return col == 0 ? CURVE_KEY_RESELECT : CURVE_KEY_PASS;
    case KEY_Right:
    case KEY_KP_Right:
      return col == 1 ? CURVE_KEY_RESELECT : CURVE_KEY_PASS;
    case KEY_Up:
    case KEY_KP_Up:
      return CURVE_KEY_UP;
    case KEY_Down:
    case KEY_KP_Down:
      return CURVE_KEY_DOWN;
    case KEY_Delete:
    case KEY_KP_Delete:
      return CURVE_KEY_DELETE;
    default:
      return CURVE_KEY_PASS;
  }
}

// ---- selection and highlighting

void Quillgrid::selectCurveTableCell(int row, int col) {
  if (!curveData_TBL || curveData_TBL->getNumRows() < 1 || curveData_TBL->getNumColumns() < 1) return;
  row = std::min(std::max(row, 0), curveData_TBL->getNumRows() - 1);
  col = std::min(std::max(col, 0), curveData_TBL->getNumColumns() - 1);
  curveData_TBL->killSelection(FALSE);
  curveData_TBL->setCurrentItem(row, col, FALSE);
  curveData_TBL->selectRange(row, row, col, col, FALSE);
  curveData_TBL->makePositionVisible(row, col);
}

void Quillgrid::highlightPoint(bool resetFirst, int row) {
  if (!curveData_TBL || !hasPixelPosition(curveData_TBL, row)) return;
  if (resetFirst) resetImageAndDrawPoints();
  const int x = curveData_TBL->toInt(row, X_PIXEL_COLUMN);
  const int y = curveData_TBL->toInt(row, Y_PIXEL_COLUMN);
  plotPointOnImage(x, y, dataPointColor, HIGHLIGHT_THICKNESS, HIGHLIGHT_LENGTH, true, image);
  if (showMagnifiedImage) {
    magnifierPoint[0] = x;
    magnifierPoint[1] = y;
    updateMagnifiedImage(x, y);
  }
}

void Quillgrid::unHighlightPoints(bool clearSelection) {
  if (clearSelection && curveData_TBL) curveData_TBL->killSelection(FALSE);
  resetImageAndDrawPoints();
}

long Quillgrid::onCmdHighlightSelectedPoints(FXObject*, FXSelector, void*) {
  if (!curveData_TBL || curveData_TBL->getNumColumns() <= Y_VALUE_COLUMN || !curveData_TBL->isAnythingSelected())
    return 1;
  const int first = std::max(curveData_TBL->getSelStartRow(), 0);
  const int last = std::min(curveData_TBL->getSelEndRow(), curveData_TBL->getNumRows() - 1);
  for (int r = first; r <= last; ++r) {
    if (curveData_TBL->isEmpty(r, X_VALUE_COLUMN) || curveData_TBL->isEmpty(r, Y_VALUE_COLUMN)) continue;
    // The first selected row clears the earlier highlights.
    highlightPoint(r == first, r);
    if (r == first) pointsHighlighted = true;
  }
  return 1;
}

long Quillgrid::onCmdUnHighlightPoints(FXObject*, FXSelector, void*) {
  unHighlightPoints(true);
  pointsHighlighted = false;
  return 1;
}

// ---- deleting

long Quillgrid::onCmdDeleteRows(FXObject*, FXSelector sel, void*) {
  const FXuint id = FXSELID(sel);
  Table_lom2* table = id == ID_DELETE_CURVE_ROWS ? curveData_TBL : id == ID_DELETE_XY_ROWS ? xyValues_TBL : nullptr;
  if (!table) return 0;
  const int a = table->getSelStartRow();
  const int b = table->getSelEndRow();
  if (!table->isAnythingSelected() || a < 0 || b < a || b >= table->getNumRows()) {
    ModalSeam::error(this, MBOX_OK, "Row Error", "Select 1 or more rows and try again.");
    return 0;
  }
  const int removed = b - a + 1;
  // Several points removed at once can be brought back with "Restore data".
  if (table == curveData_TBL && rowsWithText(table, a, b) > 1) backUpCurvePoints();
  table->removeRows(a, removed, FALSE);
  if (table == curveData_TBL) {
    // Empty rows take the place of the removed ones at the end: a table
    // with no empty row left would have its next point written over row 0.
    appendRows(removed);
  } else {
    // The XY values table keeps the row count its list shows.
    setUpXYDataTables();
  }
  // The rows that moved up keep their old numbers in the row header:
  // number them again from the first removed row on.
  for (int r = a; r < table->getNumRows(); ++r) table->setRowText(r, FXStringVal(r + 1));
  if (table == curveData_TBL) {
    resetImageAndDrawPoints();
    if (getLastRowWithData() <= 0) resetOrdering();
    pointsHighlighted = false;
  }
  return 1;
}

void Quillgrid::deletePointsInImageTable(int row, int col, bool rehighlight) {
  if (!curveData_TBL || row < 0 || row >= curveData_TBL->getNumRows() || rowIsEmpty(curveData_TBL, row)) return;
  onCmdDeleteRows(this, FXSEL(SEL_COMMAND, ID_DELETE_CURVE_ROWS), nullptr);
  if (row >= curveData_TBL->getNumRows() || col < 0 || col >= curveData_TBL->getNumColumns()) return;
  selectCurveTableCell(rowAfterDeletion(row, tableMoveDown), col);
  if (rehighlight) onCmdHighlightSelectedPoints(this, FXSEL(SEL_COMMAND, ID_HIGHLIGHT_POINTS), nullptr);
}

long Quillgrid::onCmdDeleteLastPoint(FXObject*, FXSelector, void*) {
  const int last = getLastRowWithData();
  if (curveData_TBL && last >= 0) {
    selectCurveTableCell(last, 0);
    deletePointsInImageTable(last, 0, false);
    if (last > 1) selectCurveTableCell(last - 1, 0);
    enableIfPresent(undo_TB);
  }
  if (showMagnifiedImage) {
    // The views follow the new last point; with none left they stay on the
    // point remembered last, or show the middle of the picture.
    int at[2] = {-1, -1};
    const int now = getLastRowWithData();
    if (curveData_TBL && hasPixelPosition(curveData_TBL, now)) {
      at[0] = magnifierPoint[0] = lastMagnifierPoint[0] = curveData_TBL->toInt(now, X_PIXEL_COLUMN);
      at[1] = magnifierPoint[1] = lastMagnifierPoint[1] = curveData_TBL->toInt(now, Y_PIXEL_COLUMN);
    } else if (lastMagnifierPoint[0] >= 0 && lastMagnifierPoint[1] >= 0) {
      at[0] = lastMagnifierPoint[0];
      at[1] = lastMagnifierPoint[1];
    } else if (imageView && imageView->getImage()) {
      at[0] = imageView->getImage()->getWidth() / 2 + extraPixels[0];
      at[1] = imageView->getImage()->getHeight() / 2 + extraPixels[1];
    }
    if (at[0] >= 0 && at[1] >= 0) updateMagnifiedImage(at[0], at[1]);
  }
  setFocusToImageView();
  return 1;
}

long Quillgrid::onDataPointsTableKeyPress(FXObject*, FXSelector, void* ptr) {
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  if (!ev || !curveData_TBL) return 0;
  const int row = curveData_TBL->getCurrentRow();
  const int col = curveData_TBL->getCurrentColumn();
  const CurveTableKey action = curveTableKeyAction(ev->code, col);
  switch (action) {
    case CURVE_KEY_RESELECT:
      selectCurveTableCell(row, col);
      return 1;
    case CURVE_KEY_UP:
    case CURVE_KEY_DOWN:
      tableMoveDown = action == CURVE_KEY_DOWN;
      selectCurveTableCell(row + (tableMoveDown ? 1 : -1), col);
      onCmdHighlightSelectedPoints(this, FXSEL(SEL_COMMAND, ID_HIGHLIGHT_POINTS), nullptr);
      return 1;
    case CURVE_KEY_DELETE:
      deletePointsInImageTable(row, col, true);
      return 1;
    case CURVE_KEY_PASS:
      break;
  }
  return 0;
}

// ---- clearing and restoring

long Quillgrid::onCmdClearCurvePointsTable(FXObject*, FXSelector, void*) {
  onCmdClearTable(nullptr, 0, nullptr);
  resetImage(false, image);
  redrawCornerPoints(image);
  if (rotationAngle != 0) rotateImage(rotationAngle, image);
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdRestoreTable(FXObject*, FXSelector, void*) {
  if (!curveData_TBL || !curveDataBackup_TBL) return 1;
  // Points picked since the backup was made would be lost: ask first.
  if (pointsNotKept(pointKeys(curveData_TBL), pointKeys(curveDataBackup_TBL)) > 0 &&
      ModalSeam::question(this, MBOX_YES_NO, RESTORE_QUESTION_CAPTION, RESTORE_QUESTION_TEXT) != MBOX_CLICKED_YES)
    return 1;
  const int backupRows = curveDataBackup_TBL->getNumRows();
  if (curveData_TBL->getNumRows() < backupRows) appendRows(backupRows - curveData_TBL->getNumRows());
  const int rows = std::min(backupRows, curveData_TBL->getNumRows());
  const int cols = std::min(curveDataBackup_TBL->getNumColumns(), curveData_TBL->getNumColumns());
  int lastRow = -1;
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const FXString text = curveDataBackup_TBL->getItemText(r, c);
      if (text != curveData_TBL->getItemText(r, c)) curveData_TBL->setItemText(r, c, text);
      if (!text.empty()) lastRow = r;
    }
  // The restored points are marked on the image again.
  if (lastRow >= 0) resetImageAndDrawPoints();

  // One click is replayed so that the click's checks and finishing step
  // run; it adds no point. Only a curve-point step is replayed: an earlier
  // step would define an axis point wherever the pointer happens to be.
  if (nextAxisDataType >= 4) {
    restoringTable = true;
    onLeftMouseClick(this, FXSEL(SEL_LEFTBUTTONPRESS, ID_IMAGE_VIEW), nullptr);
    restoringTable = false;
  }

  if (restoreData_Btn) restoreData_Btn->disable();
  enableIfPresent(clearData_Btn);
  if (lastRow >= 0) {
    for (FXButton* b : {copyTable_Btn, copyCurveTable_Btn, copyX_Btn, copyY_Btn}) enableIfPresent(b);
    curveData_TBL->makePositionVisible(std::min(lastRow + 1, curveData_TBL->getNumRows() - 1), 0);
    allowOrdering();
  }
  return 1;
}

// ---- the image's right-button menu

void Quillgrid::runImagePopUp(FXMenuPane* pane, int x, int y) {
  pane->create();
  ModalSeam::popup(pane, x, y);
}

long Quillgrid::onCmdRightButtonOnImage(FXObject*, FXSelector, void* ptr) {
  unHighlightPoints(true);
  cleanUpPopUpPane();
  if (getLastRowWithData() < 0) return 1;

  popUpPane = new FXMenuPane(this);
  FXMenuCommand* autoFind = new FXMenuCommand(popUpPane, AUTO_FIND_BTN_TXT, nullptr, this, ID_AUTO_FIND_CURVE);
  new FXMenuSeparator(popUpPane);
  FXString copyText = COPY_TABLE_TXT;
  if (autoOrderIncreasingWhenCopying_Chk && autoOrderIncreasingWhenCopying_Chk->getCheck()) copyText += " (AO)";
  FXMenuCommand* copy[3];
  copy[0] = new FXMenuCommand(popUpPane, copyText, copyIcon, this, ID_COPY_CURVE_TABLE);
  new FXMenuSeparator(popUpPane);
  copy[1] = new FXMenuCommand(popUpPane, copyX_Btn ? copyX_Btn->getText() : FXString("Copy X"), nullptr, this,
                              ID_COPY_CURVE_X);
  copy[2] = new FXMenuCommand(popUpPane, copyY_Btn ? copyY_Btn->getText() : FXString("Copy Y"), nullptr, this,
                              ID_COPY_CURVE_Y);
  new FXMenuSeparator(popUpPane);
  new FXMenuSeparator(popUpPane);
  // The menu's own undo icon, with the grey of the picture transparent;
  // it lives only while the menu is up.
  FXGIFIcon* menuUndoIcon = new FXGIFIcon(getApp(), undo_gif, argb(0xFFC0C0C0), IMAGE_ALPHACOLOR);
  menuUndoIcon->create();
  FXMenuCommand* deleteLast =
      new FXMenuCommand(popUpPane, "Delete last point", menuUndoIcon, this, ID_DELETE_LAST_POINT);
  new FXMenuSeparator(popUpPane);
  new FXMenuCommand(popUpPane, CLEAR_TABLE_BTN_TXT, deleteIcon, this, ID_CLEAR_CURVE_POINTS);
  new FXMenuSeparator(popUpPane);
  new FXMenuCommand(popUpPane, "Dismiss");

  if (autoFindCurve_Btn && !autoFindCurve_Btn->isEnabled()) autoFind->disable();
  if (copyTable_Btn && !copyTable_Btn->isEnabled())
    for (FXMenuCommand* c : copy) c->disable();

  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  FXint x = 0, y = 0;
  if (ev) {
    x = ev->root_x;
    y = ev->root_y;
  } else {
    FXuint buttons = 0;
    getRoot()->getCursorPosition(x, y, buttons);
  }
  FXMenuPane* shown = popUpPane;
  runImagePopUp(shown, x, y);

  // The entry lives on in the pane until the next menu; it must not keep
  // the icon that goes now. (A choice may have replaced the pane already.)
  if (popUpPane == shown) deleteLast->setIcon(nullptr);
  releaseAndDelete(menuUndoIcon);
  return 1;
}
