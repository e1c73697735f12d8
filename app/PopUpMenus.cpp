// Right-button pop-up menus of the value tables, of the Y scale-factor
// field and of the spreadsheet-formula fields. Each is built anew at the
// button's release, kept until the next pop-up of its kind, and ends with
// "Cancel", which has no target and only closes the menu.
#include <algorithm>

#include "Globals.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "Table_lom2.h"

using namespace FX;

namespace {
bool isDrag(const void* ptr) {
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  return ev && ev->moved;
}

// A right-click on a row outside the table's selection first selects that
// row, as spreadsheets do, so that the menu acts on the row pointed at.
// A click inside the selection keeps it; one below the last row changes
// nothing. True when another row was selected.
bool selectPointedRow(FXTable* t, const void* ptr) {
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  if (!t || !ev || !t->shown() || t->getNumColumns() < 1) return false;
  if (ev->win_x < 0 || ev->win_x >= t->getWidth() || ev->win_y < 0 || ev->win_y >= t->getHeight()) return false;
  const int row = t->rowAtY(ev->win_y);
  if (row < 0 || row >= t->getNumRows()) return false;
  if (t->isAnythingSelected() && t->getSelStartRow() <= row && row <= t->getSelEndRow()) return false;
  const int col = std::min(std::max(t->colAtX(ev->win_x), 0), t->getNumColumns() - 1);
  t->killSelection(FALSE);
  t->setCurrentItem(row, col, FALSE);
  t->selectRange(row, row, 0, t->getNumColumns() - 1, FALSE);
  return true;
}

void addCancel(FXMenuPane* pane) {
  new FXMenuSeparator(pane);
  new FXMenuCommand(pane, "Cancel");
}

// Choosing an entry sends its id to the main window as a command, and at
// most ID_Y_SCALE_FACTOR_LAST is a scale-factor choice: the later entries
// of a longer list are not offered.
const int MAX_OFFERED_FACTORS = Quillgrid::ID_Y_SCALE_FACTOR_LAST - Quillgrid::ID_Y_SCALE_FACTOR_FIRST + 1;
}  // namespace

void Quillgrid::cleanUpPopUpPane() {
  delete popUpPane;
  popUpPane = nullptr;
}

void Quillgrid::cleanUpPopUpPaneExcelEqn() {
  delete popUpPaneExcelEqn;
  popUpPaneExcelEqn = nullptr;
}

FXMenuPane* Quillgrid::newPopUpPane(FXMenuPane*& pane) {
  delete pane;
  pane = new FXMenuPane(this);
  return pane;
}

void Quillgrid::runPopUpPane(FXMenuPane* pane, const FXEvent* ev) {
  FXint x = 0, y = 0;
  if (ev) {
    x = ev->root_x;
    y = ev->root_y;
  } else {
    FXuint buttons = 0;
    getRoot()->getCursorPosition(x, y, buttons);
  }
  pane->create();
  ModalSeam::popup(pane, x, y);
}

long Quillgrid::onCmdImageTableRightButton(FXObject*, FXSelector, void* ptr) {
  if (isDrag(ptr)) return 1;
  // The picture highlights the row chosen, as a left click does.
  if (selectPointedRow(curveData_TBL, ptr))
    onCmdHighlightSelectedPoints(this, FXSEL(SEL_COMMAND, ID_HIGHLIGHT_POINTS), nullptr);
  FXMenuPane* pane = newPopUpPane(popUpPane);
  new FXMenuCommand(pane, "un-Highlight points", nullptr, this, ID_UNHIGHLIGHT_POINTS);
  new FXMenuSeparator(pane);
  new FXMenuCommand(pane, "Delete row(s)", nullptr, this, ID_DELETE_CURVE_ROWS);
  new FXMenuSeparator(pane);
  FXMenuCommand* byDiff = new FXMenuCommand(pane, FXStringFormat("Order by %s", CURVE_DATA_COLUMN_NAMES[2].text()),
                                            nullptr, this, ID_ORDER_CURVE_POINTS_BY_DIFF);
  if (!curveData_TBL || curveData_TBL->getNumRows() < 1 || curveData_TBL->getNumColumns() < 3 ||
      curveData_TBL->getItemText(0, 2).empty())
    byDiff->disable();
  addCancel(pane);
  runPopUpPane(pane, static_cast<const FXEvent*>(ptr));
  return 1;
}

long Quillgrid::onCmdXYvaluesTableRightButton(FXObject*, FXSelector, void* ptr) {
  if (isDrag(ptr)) return 1;
  selectPointedRow(xyValues_TBL, ptr);
  if (!xyValues_TBL || !xyValues_TBL->isAnythingSelected()) return 0;
  FXMenuPane* pane = newPopUpPane(popUpPane);
  new FXMenuCommand(pane, "Delete row(s)", nullptr, this, ID_DELETE_XY_ROWS);
  addCancel(pane);
  runPopUpPane(pane, static_cast<const FXEvent*>(ptr));
  return 1;
}

long Quillgrid::onCmdLMPTableRightButton(FXObject*, FXSelector, void* ptr) {
  if (isDrag(ptr)) return 1;
  selectPointedRow(lmpData_TBL, ptr);
  FXMenuPane* pane = newPopUpPane(popUpPane);
  new FXMenuCommand(pane, "Delete row(s)", nullptr, this, ID_DELETE_LMP_ROWS);
  addCancel(pane);
  runPopUpPane(pane, static_cast<const FXEvent*>(ptr));
  return 1;
}

long Quillgrid::onCmdExcelEqnRightButton(FXObject*, FXSelector sel, void* ptr) {
  if (isDrag(ptr)) return 1;
  FXMenuPane* pane = newPopUpPane(popUpPaneExcelEqn);
  new FXMenuCommand(pane, "Copy equation", nullptr, this, FXSELID(sel));
  addCancel(pane);
  runPopUpPane(pane, static_cast<const FXEvent*>(ptr));
  return 1;
}

int Quillgrid::conversionFactorRows(const ConversionFactor* factors, int n) {
  int longest = 0, run = 0;
  for (int k = 0; factors && k < n; ++k) {
    run = factors[k].name.empty() ? 0 : run + 1;
    if (run > longest) longest = run;
  }
  return longest;
}

long Quillgrid::onCmdYaxisScaleFactorRightButton(FXObject*, FXSelector, void* ptr) {
  if (!conversionFactors || numConversionFactors <= 0) return 0;
  const int offered = numConversionFactors < MAX_OFFERED_FACTORS ? numConversionFactors : MAX_OFFERED_FACTORS;
  const int rows = conversionFactorRows(conversionFactors, offered);
  if (rows == 0) return 0;

  FXMenuPane* pane = newPopUpPane(popUpPane);
  // Fixed rows: the entries fill a column top to bottom, then the next.
  FXMatrix* matrix = new FXMatrix(pane, rows, MATRIX_BY_ROWS, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  int c = 0;
  for (int k = 0; k < offered; ++k) {
    const ConversionFactor& f = conversionFactors[k];
    if (!f.name.empty()) {
      new FXMenuCommand(matrix, FXStringFormat("%s (%.*le)", f.name.text(), 6, f.factor), nullptr, this,
                        ID_Y_SCALE_FACTOR_FIRST + k);
      ++c;
      continue;
    }
    // An unnamed entry ends the column: the next entry starts a new one.
    for (; c < rows; ++c) new FXHorizontalFrame(matrix);
    c = 0;
  }
  runPopUpPane(pane, static_cast<const FXEvent*>(ptr));
  return 1;
}
