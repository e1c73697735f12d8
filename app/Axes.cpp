// The axis definitions: the two axis reference tables, the scale, number
// format, Arrhenius and rounding options of each axis, the conversion of a
// main-window position into real values, the two plausibility warnings,
// the live axis-angle display and the cursor moves between the tables.
#include <fxkeys.h>

#include <cmath>
#include <utility>

#include "AxisRules.h"
#include "Globals.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
const FXString AXIS_ERROR_CAPTION("Axis error");
const FXColor RED = argb(0xFFFF0000);
const FXColor GREEN = argb(0xFF00FF00);
const FXColor YELLOW = argb(0xFFFFFF00);

// The table and every cell in one background colour.
void paintTable(FXTable* t, FXColor c) {
  t->setBackColor(c);
  for (int r = 0; r < 2; ++r)
    for (int k = 0; k < 2; ++k) t->setCellColor(r, k, c);
}

void setCellIfChanged(Table_lom2* t, int r, int c, const FXString& text) {
  if (t->getItemText(r, c) != text) t->setItemText(r, c, text);
}

// e^v of the text v inside "exp(v)"; false when v is no number.
bool expValue(const FXString& inner, double* v) {
  *v = std::exp(FXDoubleVal(inner));
  return !inner.empty() && Table_lom2::isValidDoubleText(inner) && std::isfinite(*v);
}

// The readout's real values (column 0) empty: no pixel is converted.
void emptyReadoutRealValues(Table_lom2* readout) {
  if (!readout || readout->getNumRows() < 2 || readout->getNumColumns() < 1) return;
  for (int axis = 0; axis < 2; ++axis) setCellIfChanged(readout, axis, 0, FXString::null);
}

// "exp(v)" in a cell becomes e^v; false when v is no number, the typed text
// staying in the cell.
bool rewriteExpForm(Table_lom2* t, int r, int c) {
  FXString inner, typed;
  if (!AxisRules::expForm(t->getItemText(r, c), &inner, &typed)) return true;
  double v = 0;
  if (!expValue(inner, &v)) {
    t->setItemText(r, c, typed);
    return false;
  }
  t->setItemTipText(r, c, typed);
  t->setItemText(r, c, FXStringFormat("%.*le", 6, v));
  return true;
}
}  // namespace

// ---- checking and converting

namespace {
// One axis (0 X, 1 Y) as its table defines it. Each axis is converted from
// its own pixel coordinate: column 1 of the X table, column 2 of the Y one.
AxisRules::Axis axisDefinition(const Quillgrid* w, int axis) {
  Table_lom2* t = w->axisDataPoints_TBL[axis];
  AxisRules::Axis a;
  a.scaleType = axis == 0 ? w->axisScaleType_x : w->axisScaleType_y;
  a.P1 = t->toDouble(0, axis + 1);
  a.P2 = t->toDouble(1, axis + 1);
  a.V1 = t->toDouble(0, 0);
  a.V2 = t->toDouble(1, 0);
  return a;
}
}  // namespace

bool Quillgrid::areBothAxisDefined() {
  for (Table_lom2* t : axisDataPoints_TBL) {
    if (!t) return false;
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 3; ++c) {
        if (!rewriteExpForm(t, r, c)) return false;
        if (t->isEmpty(r, c) || !t->isValidDouble(r, c)) return false;
      }
  }
  return true;
}

void Quillgrid::pointerPosition(int* x, int* y) {
  FXint px = 0, py = 0;
  FXuint buttons = 0;
  getCursorPosition(px, py, buttons);
  // A picture scrolled inside its view: the position it would have with
  // the picture unscrolled, so that stored points keep their pixels.
  *x = px - (imageView ? imageView->getXPosition() : 0);
  *y = py - (imageView ? imageView->getYPosition() : 0);
}

void Quillgrid::setPointerPosition(int x, int y) {
  setCursorPosition(x + (imageView ? imageView->getXPosition() : 0), y + (imageView ? imageView->getYPosition() : 0));
}

bool Quillgrid::getRealValues(int row, bool showErrors, int px, int py, double* x, double* y) {
  *x = 0;
  *y = 0;
  const bool report = row >= 0 && showErrors;
  // A readout of a pixel that does not convert shows no real values, not
  // those of an earlier pixel.
  const auto failed = [this, row]() {
    if (row < 0) emptyReadoutRealValues(currentPosition_TBL);
    return false;
  };
  if (!areBothAxisDefined()) {
    if (report) ModalSeam::error(this, MBOX_OK, AXIS_ERROR_CAPTION, "Enter the real values for the axis min and max");
    return failed();
  }
  double p[2];
  if (row >= 0) {
    p[0] = curveData_TBL->toDouble(row, 3);
    p[1] = curveData_TBL->toDouble(row, 4);
  } else if (px >= 0 && py >= 0) {
    p[0] = px;
    p[1] = py;
  } else {
    int cx, cy;
    pointerPosition(&cx, &cy);
    p[0] = cx;
    p[1] = cy;
  }
  for (int axis = 0; axis < 2; ++axis) {
    const AxisRules::Axis a = axisDefinition(this, axis);
    double v = 0;
    switch (AxisRules::pixelToReal(a, p[axis], &v)) {
      case AxisRules::Conversion::Ok:
        break;
      case AxisRules::Conversion::NonPositiveLogValue:
        if (report)
          ModalSeam::error(this, MBOX_OK, AXIS_ERROR_CAPTION, "For a log type axis the value must be greater than 0.");
        return failed();
      case AxisRules::Conversion::SamePixels:
        // Both reference points of the axis at one pixel position leave no
        // scale to convert with.
        if (report)
          ModalSeam::error(this, MBOX_OK, AXIS_ERROR_CAPTION,
                           FXStringFormat("The min and max points of the %s-axis are at the same pixel position.\n"
                                          "Define the %s-axis points again.",
                                          AXIS_NAMES[axis].text(), AXIS_NAMES[axis].text()));
        return failed();
    }
    if (axis == 0) {
      if (arrhenius_Chk && arrhenius_Chk->getCheck()) v = AxisRules::arrheniusValue(v);
      *x = v;
    } else {
      *y = v;
    }
    if (row < 0) {
      if (currentPosition_TBL) currentPosition_TBL->setItemText(axis, 0, getFormattedNumberFoxAxis(axis, v));
      continue;
    }
    double written = v;
    if (axis == 0 && roundXvalueToNearestInteger_Chk && roundXvalueToNearestInteger_Chk->getCheck())
      written = AxisRules::roundedXValue(v);
    curveData_TBL->setItemText(row, axis, getFormattedNumberFoxAxis(axis, written));
    for (FXButton* b : {copyTable_Btn, copyCurveTable_Btn, copyX_Btn, copyY_Btn, copyImageDataToXY_Btn,
                        appendImageDataToXY_Btn})
      if (b) b->enable();
  }
  return true;
}

bool Quillgrid::getRealValues(int row) {
  double x, y;
  return getRealValues(row, true, -1, -1, &x, &y);
}

void Quillgrid::realValuesToPixels(double x, double y, int* px, int* py) {
  const double v[2] = {x, y};
  int* out[2] = {px, py};
  for (int axis = 0; axis < 2; ++axis) {
    const AxisRules::Axis a = axisDefinition(this, axis);
    if (AxisRules::realToPixel(a, v[axis], out[axis]) != AxisRules::Conversion::Ok) return;
  }
}

long Quillgrid::onCmdRecalData(FXObject*, FXSelector, void*) {
  checkAxisMinMaxForLog(0);
  checkAxisMinMaxForLog(1);
  if (!curveData_TBL || curveData_TBL->getNumColumns() < 5) return 1;
  for (int r = 0; r < curveData_TBL->getNumRows(); ++r) {
    setCellIfChanged(curveData_TBL, r, 0, FXString::null);
    setCellIfChanged(curveData_TBL, r, 1, FXString::null);
    if (!curveData_TBL->isEmpty(r, 3) && !getRealValues(r)) break;
  }
  return 1;
}

// ---- warnings

bool Quillgrid::checkAxisLogScalingDefinitions() {
  if (!warnForAxisLogScaling_Chk || !warnForAxisLogScaling_Chk->getCheck() || logScalingWarned) return true;
  logScalingWarned = true;
  bool suspicious[2];
  for (int a = 0; a < 2; ++a) {
    Table_lom2* t = axisDataPoints_TBL[a];
    suspicious[a] = AxisRules::scalingSuspicious(t->toDouble(0, 0), t->toDouble(1, 0), axisLinear_RB[a]->getCheck(),
                                                 axisLog_RB[a]->getCheck());
  }
  if (!suspicious[0] && !suspicious[1]) return true;
  ModalSeam::error(this, MBOX_OK, "Axis scaling options", AxisRules::scalingWarningText(suspicious[0], suspicious[1]));
  return false;
}

bool Quillgrid::checkAxisMinMaxDefinitions() {
  if (!warnForAxisMinMaxReversed || !warnForAxisMinMaxReversed->getCheck() || minMaxWarned || axisDataType != 4)
    return true;
  minMaxWarned = true;
  bool reversed[2];
  for (int a = 0; a < 2; ++a) {
    Table_lom2* t = axisDataPoints_TBL[a];
    // An axis without its two values is undefined rather than reversed.
    const bool typed = !t->isEmpty(0, 0) && !t->isEmpty(1, 0);
    reversed[a] = typed && t->toDouble(0, 0) >= t->toDouble(1, 0);
  }
  const FXString caption = AxisRules::reversedCaption(reversed[0], reversed[1]);
  if (caption.empty()) return true;
  ModalSeam::error(this, MBOX_OK, caption,
                   "Your min value is greater than your max value. This is allowed but might not be what you "
                   "intended.\n\nYou can disable this warning in the \"Options\" menu.");
  dragMode = false;
  dragRow = -1;
  setBackColorForDrawDataPointsWithCursorDrag(pointSearch_GB);
  return false;
}

namespace {
// A reference value as the conversion reads it: "exp(v)" is e^v; false
// when the exp form holds no number.
bool referenceValue(Table_lom2* t, int r, double* v) {
  FXString inner, typed;
  if (!AxisRules::expForm(t->getItemText(r, 0), &inner, &typed)) {
    *v = t->toDouble(r, 0);
    return true;
  }
  return expValue(inner, v);
}
}  // namespace

void Quillgrid::checkAxisMinMaxForLog(int axis) {
  Table_lom2* t = axisDataPoints_TBL[axis];
  if (!t) return;
  const int scale = axis == 0 ? axisScaleType_x : axisScaleType_y;
  bool invalid = false;
  for (int r = 0; r < 2 && scale == 1; ++r) {
    double v = 0;
    if (!referenceValue(t, r, &v) || v <= 0) invalid = true;
  }
  paintTable(t, invalid ? RED : defaultTextFieldBackColor);
}

long Quillgrid::onAxisTableValueEntered(FXObject* sender, FXSelector, void*) {
  for (int axis = 0; axis < 2; ++axis)
    if (sender && sender == axisDataPoints_TBL[axis]) checkAxisMinMaxForLog(axis);
  return 0;
}

// ---- scales, formats and the axis tables

void Quillgrid::setAxisScale() {
  const bool follow = setNumericFormatDependingOnAxisScaling && setNumericFormatDependingOnAxisScaling->getCheck();
  for (int a = 0; a < 2; ++a) {
    const bool log = (a == 0 ? axisScaleType_x : axisScaleType_y) == 1;
    if (axisLinear_RB[a]) axisLinear_RB[a]->setCheck(!log);
    if (axisLog_RB[a]) {
      axisLog_RB[a]->setCheck(log);
      axisLog_RB[a]->setBackColor(log ? YELLOW : defaultButtonBackColor);
    }
    if (follow) (a == 0 ? numberFormatType_x : numberFormatType_y) = log ? 1 : 0;
  }
  if (follow) setNumberFormatType();
}

void Quillgrid::resetAxis() {
  axisScaleType_x = 0;
  axisScaleType_y = 0;
  setAxisScale();
  clearAxisDefinitions();
}

void Quillgrid::clearAxisDefinitions() {
  for (Table_lom2* t : axisDataPoints_TBL)
    if (t)
      for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) setCellIfChanged(t, r, c, FXString::null);
  emptyReadoutRealValues(currentPosition_TBL);
}

void Quillgrid::clearAxisReferencePixels() {
  for (Table_lom2* t : axisDataPoints_TBL)
    if (t)
      for (int r = 0; r < 2; ++r)
        for (int c = 1; c < 3; ++c) setCellIfChanged(t, r, c, FXString::null);
  emptyReadoutRealValues(currentPosition_TBL);
}

void Quillgrid::clearAxisRealValesTableTipText(int axis) {
  Table_lom2* t = axisDataPoints_TBL[axis];
  if (!t) return;
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) t->setItemTipText(r, c, FXString::null);
}

void Quillgrid::resetSelections() {
  axisDataType = 0;
  nextAxisDataType = 0;
  setAxisDataType(0);
  setDataPointTableStipple();
  enableDisableDrawLineBtn();
  clearAxisReferencePixels();
  for (FXTextField* f : axisAngle_TF)
    if (f) {
      f->setText(FXString::null);
      f->setBackColor(defaultTextFieldBackColor);
    }
}

double Quillgrid::getXYAxisCurrentAngle(int axis) {
  if (!buttonsEnabled) return -100;
  int cx, cy;
  pointerPosition(&cx, &cy);
  if (selectionColor_TF) selectionColor_TF->setBackColor(YELLOW);
  Table_lom2* x = axisDataPoints_TBL[0];
  AxisRules::Angle angle;
  if (!AxisRules::axisAngle(axis, cx, cy, FXIntVal(x->getItemText(0, 1), 10), FXIntVal(x->getItemText(0, 2), 10),
                            &angle))
    return -100;
  const FXColor colours[3] = {RED, GREEN, YELLOW};
  axisAngle_TF[axis]->setBackColor(colours[angle.colour]);
  axisAngle_TF[axis]->setText(FXStringFormat("%.*lf", 2, angle.degrees));
  return angle.degrees;
}

long Quillgrid::onCmdSetAxisScale(FXObject* sender, FXSelector, void*) {
  for (int a = 0; a < 2; ++a) {
    if (sender != axisLinear_RB[a] && sender != axisLog_RB[a]) continue;
    clearAxisRealValesTableTipText(a);
    (a == 0 ? axisScaleType_x : axisScaleType_y) = sender == axisLinear_RB[a] ? 0 : 1;
  }
  checkAxisMinMaxForLog(0);
  checkAxisMinMaxForLog(1);
  logScalingWarned = false;
  minMaxWarned = false;
  setAxisScale();
  onCmdRecalData(nullptr, 0, nullptr);
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdNumberFormatType(FXObject* sender, FXSelector, void*) {
  for (int a = 0; a < 2; ++a) {
    if (sender != numberFormatDecimal_RB[a] && sender != numberFormatScientific_RB[a]) continue;
    (a == 0 ? numberFormatType_x : numberFormatType_y) = sender == numberFormatScientific_RB[a] ? 1 : 0;
    setNumberFormatType();
    onCmdRecalData(nullptr, 0, nullptr);
    if (currentPosition_TBL && !currentPosition_TBL->isEmpty(a, 0))
      currentPosition_TBL->setItemText(a, 0, getFormattedNumberFoxAxis(a, currentPosition_TBL->toDouble(a, 0)));
  }
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdNumberFormat(FXObject*, FXSelector, void*) {
  onCmdRecalData(nullptr, 0, nullptr);
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdRoundXvalue(FXObject*, FXSelector, void*) {
  onCmdRecalData(nullptr, 0, nullptr);
  setRoundCheckBoxColor();
  return 1;
}

long Quillgrid::onCmdArrheniusPlot(FXObject*, FXSelector, void*) {
  const bool on = arrhenius_Chk->getCheck() != FALSE;
  if (on) {
    axisScaleType_x = 0;
    axisScaleType_y = 1;
    setAxisScale();
    numberFormatType_x = 0;
    numberFormatType_y = 1;
    setNumberFormatType();
  }
  FXWindow* locked[5] = {axisLinear_RB[0], axisLog_RB[0], axisLinear_RB[1], axisLog_RB[1], switchAxes_Btn};
  for (FXWindow* w : locked) {
    if (on)
      w->disable();
    else
      w->enable();
  }
  onCmdRecalData(nullptr, 0, nullptr);
  return 1;
}

long Quillgrid::onCmdSwitchXYRealValues(FXObject*, FXSelector, void*) {
  logScalingWarned = false;
  minMaxWarned = false;
  Table_lom2* x = axisDataPoints_TBL[0];
  Table_lom2* y = axisDataPoints_TBL[1];
  for (int r = 0; r < 2; ++r) {
    const FXString xText = x->getItemText(r, 0);
    x->setItemText(r, 0, y->getItemText(r, 0));
    y->setItemText(r, 0, xText);
  }
  std::swap(numberFormatType_x, numberFormatType_y);
  setNumberFormatType();
  std::swap(axisScaleType_x, axisScaleType_y);
  setAxisScale();
  if (recalData_Btn && recalData_Btn->isEnabled()) onCmdRecalData(nullptr, 0, nullptr);
  setFocusToImageView();
  return 1;
}

long Quillgrid::onCmdNumericFormatMatchesAxisScaling(FXObject*, FXSelector, void*) {
  setAxisScale();
  onCmdRecalData(nullptr, 0, nullptr);
  return 1;
}

// ---- moving between the axis tables

FXObject* Quillgrid::getTable(FXObject* sender) {
  if (sender && (sender == axisDataPoints_TBL[0] || sender == axisDataPoints_TBL[1] || sender == curveData_TBL))
    return sender;
  return nullptr;
}

long Quillgrid::onAxisMinMaxTableKeyPress(FXObject* sender, FXSelector sel, void* ptr) {
  FXObject* table = getTable(sender);
  const int axis = table == axisDataPoints_TBL[0] ? 0 : table == axisDataPoints_TBL[1] ? 1 : -1;
  if (axis < 0) return 0;
  Table_lom2* t = axisDataPoints_TBL[axis];
  // Only the real values are typed; the pixel columns come from clicks.
  if (t->getCurrentColumn() != 0) {
    t->setEditable(FALSE);
    return 0;
  }
  t->setEditable(TRUE);
  if (FXSELTYPE(sel) != SEL_KEYPRESS || !ptr) return 0;
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  // Shift+Tab arrives as ISO_Left_Tab from most keyboards.
  const bool backTab = ev->code == KEY_ISO_Left_Tab || (ev->code == KEY_Tab && (ev->state & SHIFTMASK));
  const bool forward = ev->code == KEY_Tab || ev->code == KEY_Return || ev->code == KEY_KP_Enter;
  if (!backTab && !forward) return 0;
  int toAxis = axis, toRow = 0;
  AxisRules::nextAxisCell(axis, t->getCurrentRow(), backTab, &toAxis, &toRow);
  moveMinMaxTableCell(axis, toAxis, toRow);
  return 1;
}

void Quillgrid::moveMinMaxTableCell(int fromAxis, int toAxis, int row) {
  Table_lom2* from = axisDataPoints_TBL[fromAxis];
  Table_lom2* to = axisDataPoints_TBL[toAxis];
  // A value being typed is kept, not dropped by the move.
  from->acceptInput(TRUE);
  from->killSelection(FALSE);
  from->ungrab();
  from->killFocus();
  // The new table takes the focus but not the pointer grab: a grab held
  // without a pressed button would swallow the next click elsewhere.
  to->setFocus();
  to->setCurrentItem(row, 0, FALSE);
  to->selectRange(row, row, 0, 0, FALSE);
}
