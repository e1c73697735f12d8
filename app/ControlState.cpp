// Setters that bring the control panels in line with the main window's
// option members (radios, colour marks, enabled states, the curve-points
// table's hatching), the few handlers that only call them, and the sizing
// of the main window to its contents.
#include "DataPlot.h"
#include "MenuButtonWin10Style.h"
#include "Globals.h"
#include "Quillgrid.h"
#include "StartUp.h"
#include "Table_lom2.h"
#include "WindowFrame.h"
#include "fox16.h"

using namespace FX;

namespace {
const int LMP_FIT_TYPE = 5;
const int DATA_POINT_TYPE = 4;
const int MIN_FONT_SIZE = 8;
const int MAX_FONT_SIZE = 20;
const int DEFAULT_FONT_SIZE = 10;
const int FALLBACK_COLOR_INDEX = 1;
const FXColor HIGHLIGHT_YELLOW = argb(0xFFFFFF00);
const FXColor DRAG_TINT = argb(0xFFC8C8FF);

void enableIf(FXWindow* w, bool on) {
  if (!w) return;
  if (on)
    w->enable();
  else
    w->disable();
}

// Checks radio i of n exactly when i == index. A missing or out-of-range
// index falls back to `fallback`, whose radio is then checked.
int checkOneRadio(FXRadioButton* const* radios, int n, int index, int fallback) {
  if (index < 0 || index >= n) index = fallback;
  for (int i = 0; i < n; ++i)
    if (radios[i]) radios[i]->setCheck(i == index, FALSE);
  return index;
}

bool isChecked(FXCheckButton* c) { return c && c->getCheck() == TRUE; }
bool isChecked(FXMenuCheck* c) { return c && c->getCheck(); }

// Gives the frames, groups, radios, checks and labels of a widget's whole
// subtree (the widget first, then its children in order) the colour.
void tintSubtree(FXWindow* w, FXColor color) {
  static const char* const TINTED[] = {"FXHorizontalFrame", "FXVerticalFrame", "FXGroupBox",
                                       "FXRadioButton",     "FXCheckButton",   "FXLabel"};
  for (const char* name : TINTED)
    if (compare(w->getClassName(), name) == 0) {
      w->setBackColor(color);
      break;
    }
  for (FXWindow* c = w->getFirst(); c; c = c->getNext()) tintSubtree(c, color);
}
}  // namespace

// ---- option widgets

void Quillgrid::setNumberFormatType() {
  const int formats[2] = {numberFormatType_x, numberFormatType_y};
  for (int a = 0; a < 2; ++a) {
    if (numberFormatDecimal_RB[a]) numberFormatDecimal_RB[a]->setCheck(formats[a] == 0, FALSE);
    if (numberFormatScientific_RB[a]) numberFormatScientific_RB[a]->setCheck(formats[a] == 1, FALSE);
  }
}

void Quillgrid::setPointSize() {
  // An index outside the radios falls back to "Medium", and its radio shows it.
  if (plotPointSize < 0 || plotPointSize >= NUM_PLOT_POINT_SIZES) plotPointSize = 1;
  if (plotPointSize_RB) checkOneRadio(plotPointSize_RB, NUM_PLOT_POINT_SIZES, plotPointSize, 1);
}

void Quillgrid::setDataPointColor() {
  if (!dataPointColor_RB || !pointColors) return;
  dataPointColorIndex = checkOneRadio(dataPointColor_RB, NUM_POINT_COLORS, dataPointColorIndex, FALLBACK_COLOR_INDEX);
  dataPointColor = pointColors[dataPointColorIndex];
  if (isChecked(cornerPointsSameColorAsDataPoints) && dataPointColorIndex != referencePointColorIndex) {
    referencePointColorIndex = dataPointColorIndex;
    setReferencePointColor();
  }
  updateScanDirectionImage();
}

void Quillgrid::setReferencePointColor() {
  if (!referencePointColor_RB || !pointColors) return;
  referencePointColorIndex =
      checkOneRadio(referencePointColor_RB, NUM_POINT_COLORS, referencePointColorIndex, FALLBACK_COLOR_INDEX);
  referencePointColor = pointColors[referencePointColorIndex];
  if (isChecked(cornerPointsSameColorAsDataPoints) && dataPointColorIndex != referencePointColorIndex) {
    dataPointColorIndex = referencePointColorIndex;
    setDataPointColor();
  }
}

long Quillgrid::onCmdMakePointsSameColor(FXObject*, FXSelector, void*) {
  if (isChecked(cornerPointsSameColorAsDataPoints) && dataPointColorIndex != referencePointColorIndex)
    setReferencePointColor();
  return 1;
}

void Quillgrid::setXaxisTemperatureBackColor() {
  if (xAxisIsTemperature_Chk)
    xAxisIsTemperature_Chk->setBackColor(isChecked(xAxisIsTemperature_Chk) ? HIGHLIGHT_YELLOW : defaultButtonBackColor);
}

void Quillgrid::setRoundCheckBoxColor() {
  if (roundXvalueToNearestInteger_Chk)
    roundXvalueToNearestInteger_Chk->setBackColor(isChecked(roundXvalueToNearestInteger_Chk) ? HIGHLIGHT_YELLOW
                                                                                             : defaultButtonBackColor);
}

void Quillgrid::setTemperatureConversion() {
  if (temperatureScale < 0 || temperatureScale >= NUM_TEMPERATURE_CONVERSIONS) temperatureScale = 0;
  if (temperatureScale_LB && temperatureScale < temperatureScale_LB->getNumItems())
    temperatureScale_LB->setCurrentItem(temperatureScale, FALSE);
}

void Quillgrid::setFitPlotFontSize() {
  if (fitPlotFontSize < MIN_FONT_SIZE || fitPlotFontSize > MAX_FONT_SIZE) fitPlotFontSize = DEFAULT_FONT_SIZE;
  if (fitPlotFontSize_LB) {
    for (int i = 0; i < fitPlotFontSize_LB->getNumItems(); ++i)
      if (FXIntVal(fitPlotFontSize_LB->getItemText(i), 10) == fitPlotFontSize) {
        fitPlotFontSize_LB->setCurrentItem(i, FALSE);
        break;
      }
  }
  if (fitPlot) fitPlot->setPlotSize(fitPlotFontSize);
  if (halfWidthPlot) halfWidthPlot->setPlotSize(fitPlotFontSize / 2);
}

long Quillgrid::onCmdFontSize(FXObject*, FXSelector, void*) {
  fitPlotFontSize = currentItemNumber(fitPlotFontSize_LB);
  setFitPlotFontSize();
  return 1;
}

void Quillgrid::setZELKformat() {
  enableIf(excel_cell_TF, !(curveFitType == LMP_FIT_TYPE && isChecked(lmp_ZELK_formatting_Chk)));
}

void Quillgrid::myCustomSettings() {
  if (!authorMode) return;
  if (numOfDecimalsInCoefficients_LB) {
    numOfDecimalsInCoefficients_LB->disable();
    if (numOfDecimalsInCoefficients_LB->getNumItems() > 7) numOfDecimalsInCoefficients_LB->setCurrentItem(7, FALSE);
  }
  if (maxFitOrder_LB) {
    maxFitOrder_LB->disable();
    if (maxFitOrder_LB->getNumItems() > 5) maxFitOrder_LB->setCurrentItem(5, FALSE);
  }
  if (writeBoundaryValuesAsNumbersNotLn_Chk) {
    writeBoundaryValuesAsNumbersNotLn_Chk->setCheck(TRUE, FALSE);
    writeBoundaryValuesAsNumbersNotLn_Chk->disable();
  }
}

// ---- point-type radios

void Quillgrid::setAxisDataType(int t) {
  if (t > DATA_POINT_TYPE) t = DATA_POINT_TYPE;
  for (int i = 0; i < 5; ++i) {
    if (!axisDataType_RB[i]) continue;
    axisDataType_RB[i]->setCheck(i == t, FALSE);
    enableIf(axisDataType_RB[i], i == t);
  }
}

long Quillgrid::onCmdAxisDataType(FXObject* sender, FXSelector, void*) {
  const int i = indexOfSender(sender, axisDataType_RB, 5);
  if (i >= 0) {
    axisDataType = nextAxisDataType = i;
    setAxisDataType(i);
  }
  return 1;
}

long Quillgrid::onCmdAxisDataTypePopUp(FXObject*, FXSelector sel, void* ptr) {
  const int i = FXSELID(sel) - ID_SELECT_POINT_TYPE_FIRST;
  if (i < 0 || i > 4) return 1;
  return onCmdAxisDataType(axisDataType_RB[i], FXSEL(SEL_COMMAND, ID_AXIS_DATA_TYPE), ptr);
}

// ---- image-dependent buttons

namespace {
template <class... W>
void enableAll(bool on, W*... widgets) {
  FXWindow* list[] = {widgets...};
  for (FXWindow* w : list) enableIf(w, on);
}
}  // namespace

void Quillgrid::enableButtons() {
  buttonsEnabled = true;
  enableAll(true, autoFindCurve_Btn, recalData_Btn, resetAll_Btn, clearData_Btn, rotateCwFine_TB, rotateCw_TB,
            rotateCcwFine_TB, rotateCcw_TB, rotate90Cw_TB, rotate90Ccw_TB, rotate180_TB, rotation_Lbl);
  setAutoFindCurveBtn();
}

void Quillgrid::disableButtons() {
  buttonsEnabled = false;
  enableAll(false, autoFindCurve_Btn, recalData_Btn, resetAll_Btn, clearData_Btn, rotateCwFine_TB, rotateCw_TB,
            rotateCcwFine_TB, rotateCcw_TB, rotate90Cw_TB, rotate90Ccw_TB, rotate180_TB, rotation_Lbl, drawLine_Btn);
}

void Quillgrid::enableDisableDrawLineBtn() {
  if (drawLine_Btn && image && axisDataType_RB[DATA_POINT_TYPE] && axisDataType_RB[DATA_POINT_TYPE]->getCheck() &&
      !lineDrawn)
    drawLine_Btn->enable();
}

void Quillgrid::updateDrawLineBtn() {
  if (drawLine_Btn) drawLine_Btn->setText(drawLineMode ? "Cancel line" : "Draw line");
}

void Quillgrid::resetDrawLine() {
  drawLineMode = false;
  lineDrawn = false;
  lineX[0] = lineX[1] = -1;
  lineY[0] = lineY[1] = -1;
  lineClickCount = 0;
  updateDrawLineBtn();
  enableDisableDrawLineBtn();
}

// ---- curve-points table

void Quillgrid::setDataPointTableStipple() {
  if (!curveData_TBL || curveData_TBL->getNumRows() < 1 || curveData_TBL->getNumColumns() < 1) return;
  const bool data = axisDataType_RB[DATA_POINT_TYPE] && axisDataType_RB[DATA_POINT_TYPE]->getCheck();
  const FXStipplePattern pattern = data ? STIPPLE_NONE : STIPPLE_CROSSDIAG;
  if (curveData_TBL->getItemStipple(0, 0) == pattern) return;
  for (int r = 0; r < curveData_TBL->getNumRows(); ++r)
    for (int c = 0; c < curveData_TBL->getNumColumns(); ++c) curveData_TBL->setItemStipple(r, c, pattern);
}

int Quillgrid::getCurveDataRow() {
  // Drag drawing, too, starts at the first empty row: the points already
  // picked are never written over.
  if (!curveData_TBL || curveData_TBL->getNumColumns() < 4) return 0;
  for (int r = 0; r < curveData_TBL->getNumRows(); ++r)
    if (curveData_TBL->isEmpty(r, 3)) {
      if (dragMode) dragRow = r;
      return r;
    }
  return 0;
}

void Quillgrid::appendRows(int n) {
  if (!curveData_TBL || n <= 0) return;
  const int first = curveData_TBL->getNumRows();
  curveData_TBL->insertRows(first, n, FALSE);
  for (int r = first; r < first + n; ++r) {
    curveData_TBL->setRowText(r, FXStringVal(r + 1));
    for (int c = 0; c < curveData_TBL->getNumColumns(); ++c)
      curveData_TBL->setItemJustify(r, c, FXTableItem::CENTER_X | FXTableItem::CENTER_Y);
  }
}

// ---- drawing points by dragging

void Quillgrid::setBackColorForDrawDataPointsWithCursorDrag(FXWindow* w) {
  if (!w) return;
  const FXColor color = dragMode ? DRAG_TINT : (controlsFrame ? controlsFrame->getBackColor() : w->getBackColor());
  tintSubtree(w, color);
}

long Quillgrid::onImageKeyRelease(FXObject*, FXSelector, void*) {
  dragMode = false;
  dragRow = -1;
  setBackColorForDrawDataPointsWithCursorDrag(pointSearch_GB);
  setSearchLocation();
  if (!isChecked(constrainCursor_Chk)) cursorLocked = false;
  return 1;
}

// ---- other

void Quillgrid::checkRedrawCounter() {
  if (redrawCounter >= redrawCapacity - 1) redrawCounter = 0;
}

// The window sized to the Image tab's contents: the picture at its full
// size beside the magnified views and the column of controls (as wide as
// its controls), as high as the taller of that image side and the column
// of controls down to its last button; within the screen, and moved so
// that it lies wholly on the screen. A picture that does not fit scrolls
// inside its view.
void Quillgrid::autoSizeWindow() {
  if (!imageTabFrame || !controlColumnScroll) return;
  const int screenW = getRoot()->getWidth(), screenH = getRoot()->getHeight();
  // The window manager's frame takes its part of the screen.
  const FrameExtents frame = frameExtentsOf(this);
  const int roomW = screenW - frame.left - frame.right, roomH = screenH - frame.top - frame.bottom;
  int width = getWidth() - imageTabFrame->getWidth() + imageTabFrame->getDefaultWidth();
  int imageSide = getHeight() - imageTabFrame->getHeight() + imageTabFrame->getDefaultHeight();
  // A picture that scrolls one way takes the room of that scroll bar the
  // other way, so that it still shows whole that way.
  if (imageView && imageSide >= roomH) width += imageView->verticalScrollBar()->getDefaultWidth();
  if (imageView && width >= roomW) imageSide += imageView->horizontalScrollBar()->getDefaultHeight();
  const int height = FXMAX(imageSide, controlColumnWindowHeight());
  WindowPlacement now;
  now.x = getX();
  now.y = getY();
  now.w = getWidth();
  now.h = getHeight();
  const WindowPlacement p = sizeToContents(now, width, height, screenW, screenH, frame);
  if (!(p == now)) position(p.x, p.y, p.w, p.h);
}

int Quillgrid::controlColumnWindowHeight() {
  if (!controlColumnScroll || !controlColumnScroll->contentWindow()) return 0;
  return getHeight() - controlColumnScroll->getViewportHeight() +
         controlColumnScroll->contentWindow()->getDefaultHeight();
}
