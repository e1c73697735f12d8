// Automatic finding of curve pixels on the working image: the scanner
// behind snapped clicks and the axis search, the tracer between the last
// two picked points, the whole-image trace, and the search controls
// (length, colour difference, direction, location). The pixel work is in
// AutoFindRules; these members read the widgets and write the table.
#include <algorithm>
#include <vector>

#include "AutoFindRules.h"
#include "Globals.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
const FXColor MARKED_GREEN = argb(0xFF00C800);
const FXColor MARKED_YELLOW = argb(0xFFFFFF00);
const int DEFAULT_SEARCH_LENGTH_BUTTON = 2;  // 30 pixels
const int DEFAULT_COLOR_DIFF_BUTTON = 1;     // "M", 50
const int MIN_SEARCH_LENGTH = 10;
const int MAX_SEARCH_LENGTH = 100;
const char* UNKNOWN_CURVE_TXT = "Unknown curve definition error. Check your point definitions.";

void setEnabled(FXWindow* w, bool on) {
  if (w) on ? w->enable() : w->disable();
}

// The working image as the scans see it: its client-side pixels (which
// hold the picture as oriented, without the marks drawn on the display)
// at the image view's place in the main window.
AutoFindRules::Picture scanPicture(const Quillgrid* w) {
  AutoFindRules::Picture p;
  if (w->image && w->image->getData()) {
    p.pixels = w->image->getData();
    p.width = w->image->getWidth();
    p.height = w->image->getHeight();
    p.offsetX = w->extraPixels[0];
    p.offsetY = w->extraPixels[1];
  }
  return p;
}

AutoFindRules::CurveColor searchColor(const Quillgrid* w) {
  AutoFindRules::CurveColor c;
  for (int i = 0; i < 3; ++i) c.rgb[i] = w->curveRGB[i];
  c.tolerance = w->colorTol;
  return c;
}

AutoFindRules::Search currentSearch(const Quillgrid* w) {
  AutoFindRules::Search s;
  s.direction = w->searchDirection;
  s.location = w->searchLocation;
  s.length = w->searchLength;
  return s;
}

// Marks button k of a row of option buttons green, the others plain.
template <int N>
void markButton(FXButton* const (&buttons)[N], int k, FXColor plain) {
  for (int i = 0; i < N; ++i)
    if (buttons[i]) buttons[i]->setBackColor(i == k ? MARKED_GREEN : plain);
}
}  // namespace

// ---- the scanner

bool Quillgrid::colorsMatch(FXColor c) { return AutoFindRules::colorsMatch(c, curveRGB, colorTol); }

bool Quillgrid::get_mid_px(int a, int b, int* px, int* py, double* yd) {
  return AutoFindRules::midPixel(scanPicture(this), searchColor(this), currentSearch(this), a, b, px, py, yd);
}

void Quillgrid::defineLowHigh(int m, int L, int* lo, int* hi) {
  AutoFindRules::defineLowHigh(searchDirection, m, L, lo, hi);
}

// ---- tracing

FXString Quillgrid::curveRowText(int row) {
  FXString text;
  for (int c = 0; c < curveData_TBL->getNumColumns(); ++c) text += curveData_TBL->getItemText(row, c) + "|";
  return text;
}

long Quillgrid::onCmdAutoFindCurve(FXObject*, FXSelector, void*) {
  if (!image) {
    ModalSeam::error(this, MBOX_OK, AUTO_FIND_ERROR_TXT, "You need an image.");
    return 1;
  }
  checkLineWidth();
  defineColorDiff();
  const bool wholeImage = fullAuto_Chk && fullAuto_Chk->getCheck() && proMode_Chk && proMode_Chk->getCheck() &&
                          axisDataType == 4 && !dragMode;
  if (!wholeImage) {
    traceBetweenLastTwoPoints();
    return 1;
  }
  getApp()->beginWaitCursor();
  onCmdClearCurvePointsTable(nullptr, 0, nullptr);
  disableButtons();
  fullAuto();
  allowOrdering();
  enableButtons();
  onCmdCopyTable(nullptr, FXSEL(SEL_COMMAND, ID_COPY_CURVE_TABLE), nullptr);
  getApp()->endWaitCursor();
  return 1;
}

void Quillgrid::traceBetweenLastTwoPoints() {
  const int l = getLastRowWithData();
  if (!curveData_TBL || l < 1) {
    ModalSeam::error(this, MBOX_OK, AUTO_FIND_ERROR_TXT, UNKNOWN_CURVE_TXT);
    return;
  }
  Table_lom2* t = curveData_TBL;
  const AutoFindRules::Point p1{t->toInt(l - 1, 3), t->toInt(l - 1, 4)};
  const AutoFindRules::Point p2{t->toInt(l, 3), t->toInt(l, 4)};
  if (p1.x >= p2.x) {
    const FXString text =
        FXStringFormat("When you define the limits for the curve for the \"%s\" method,\n",
                       autoFindCurve_Btn ? autoFindCurve_Btn->getText().text() : AUTO_FIND_BTN_TXT.text()) +
        "the first point you select must be the lower x value and the second\n" +
        FXStringFormat("must be the higher x value. Click the \"%s\" button and\nreselect the min/max curve points.",
                       CLEAR_TABLE_BTN_TXT.text());
    ModalSeam::error(this, MBOX_OK, "Curve min/max values are incorrect", text);
    return;
  }
  if (p1.x < 1 || p2.x < 1 || p1.y < 1 || p2.y < 1) {
    ModalSeam::error(this, MBOX_OK, AUTO_FIND_ERROR_TXT, UNKNOWN_CURVE_TXT);
    return;
  }
  if (curveRowText(l - 1) == lastAutoFindRows[0] && curveRowText(l) == lastAutoFindRows[1]) {
    ModalSeam::error(this, MBOX_OK, AUTO_FIND_ERROR_TXT, "Pick 2 new points.");
    return;
  }

  getApp()->beginWaitCursor();
  // The picked points are overwritten by the trace; keep them to put back
  // when the trace finds too little.
  const int cols = t->getNumColumns();
  std::vector<FXString> picked;
  for (int r = l - 1; r <= l; ++r)
    for (int c = 0; c < cols; ++c) picked.push_back(t->getItemText(r, c));

  const std::vector<AutoFindRules::Point> points =
      AutoFindRules::traceCurve(scanPicture(this), searchColor(this), currentSearch(this), p1, p2,
                                currentItemNumber(numAutoFindPoints_LB_LB));
  int row = l - 1;
  for (const AutoFindRules::Point& p : points) {
    if (row >= t->getNumRows() - 2) appendRows();
    if (row >= t->getNumRows()) break;  // the table did not grow
    writePixelPosition(row, p.x, p.yd);
    plotPointOnImage(p.x, p.y, dataPointColor, 1, 9, false, image);
    ++row;
  }
  const int written = row - (l - 1);
  if (written <= 1) {
    int k = 0;
    for (int r = l - 1; r <= l; ++r)
      for (int c = 0; c < cols; ++c) t->setItemText(r, c, picked[k++]);
  }
  onCmdRecalData(nullptr, 0, nullptr);
  const int lastWritten = row - 1;
  // The last row written shows, and the empty row after it.
  if (t->getNumRows() > 0) {
    const int shownRow = std::max(0, std::min(lastWritten, t->getNumRows() - 1));
    showCurveTableRows(shownRow, std::min(shownRow + 1, t->getNumRows() - 1));
  }

  if (written > 1) {
    lastAutoFindRows[0] = curveRowText(lastWritten - 1);
    lastAutoFindRows[1] = curveRowText(lastWritten);
    t->setFocus();
    t->selectRange(0, lastWritten, 0, 1, FALSE);
    t->handle(this, FXSEL(SEL_COMMAND, FXTable::ID_COPY_SEL), nullptr);
    for (FXButton* b :
         {copyTable_Btn, copyCurveTable_Btn, copyX_Btn, copyY_Btn, copyImageDataToXY_Btn, appendImageDataToXY_Btn})
      setEnabled(b, true);
  }
  setFocusToImageView();
  getApp()->endWaitCursor();
}

void Quillgrid::fullAuto() {
  if (!image || !curveData_TBL) return;
  const AutoFindRules::Picture picture = scanPicture(this);
  const int lines = AutoFindRules::isVertical(searchDirection) ? picture.width : picture.height;
  if (curveData_TBL->getNumRows() < lines) appendRows(lines - curveData_TBL->getNumRows());
  // The backup only grows, so the points it keeps for "Restore data" stay.
  if (curveDataBackup_TBL && curveDataBackup_TBL->getNumRows() < curveData_TBL->getNumRows())
    curveDataBackup_TBL->insertRows(curveDataBackup_TBL->getNumRows(),
                                    curveData_TBL->getNumRows() - curveDataBackup_TBL->getNumRows(), FALSE);

  const std::vector<AutoFindRules::Point> points =
      AutoFindRules::traceWholePicture(picture, searchColor(this), searchDirection, searchLength);
  const int rows = std::min<int>(points.size(), curveData_TBL->getNumRows());
  for (int k = 0; k < rows; ++k) writePixelPosition(k, points[k].x, points[k].yd);
  onCmdRecalData(nullptr, 0, nullptr);
  redrawTablePoints(image);
}

// ---- search controls

void Quillgrid::setSearchLengthButtonColor(int k) { markButton(searchLength_Btn, k, defaultButtonBackColor); }

void Quillgrid::setColorDiffButtonColor(int k) { markButton(colorDiff_Btn, k, defaultButtonBackColor); }

void Quillgrid::setDefaultForSearchLength() {
  setSearchLengthButtonColor(DEFAULT_SEARCH_LENGTH_BUTTON);
  searchLength = SEARCH_LENGTHS[DEFAULT_SEARCH_LENGTH_BUTTON];
  if (lineThickness_TF) lineThickness_TF->setText(FXStringFormat("%d", searchLength));
}

void Quillgrid::checkLineWidth() {
  searchLength = lineThickness_TF ? FXIntVal(lineThickness_TF->getText(), 10) : 0;
  if (searchLength < MIN_SEARCH_LENGTH || searchLength > MAX_SEARCH_LENGTH) setDefaultForSearchLength();
}

void Quillgrid::setDefaultForColorDiff() {
  setColorDiffButtonColor(DEFAULT_COLOR_DIFF_BUTTON);
  colorTol = COLOR_DIFFS[DEFAULT_COLOR_DIFF_BUTTON];
  if (colorTol_TF) colorTol_TF->setText(FXStringFormat("%d", colorTol));
}

void Quillgrid::setAutoFindButtons() {
  const bool on = autoFindPoint_Chk && autoFindPoint_Chk->getCheck();
  for (FXRadioButton* r : searchDirection_RB) setEnabled(r, on);
  setEnabled(numAutoFindPoints_LB_LB, on);
  for (FXButton* b : searchLength_Btn) setEnabled(b, on);
  for (FXButton* b : colorDiff_Btn) setEnabled(b, on);
  updateScanDirectionImage();
}

void Quillgrid::setAutoFindCurveBtn() { setEnabled(autoFindCurve_Btn, image != nullptr); }

void Quillgrid::setSearchDirection() {
  if (searchDirection < 0 || searchDirection >= NUM_SEARCH_DIRECTIONS) searchDirection = 0;
  for (int i = 0; i < NUM_SEARCH_DIRECTIONS; ++i)
    if (searchDirection_RB[i]) searchDirection_RB[i]->setCheck(i == searchDirection);
  setAutoFindCurveBtn();
}

void Quillgrid::setSearchLocation() {
  for (FXRadioButton* r : searchLocation_RB)
    if (r) r->setBackColor(defaultButtonBackColor);
  if (searchLocation != AutoFindRules::TRIANGLE && searchLocation != AutoFindRules::INVERTED_TRIANGLE)
    searchLocation = AutoFindRules::MIDDLE;
  for (int i = 0; i < 3; ++i)
    if (searchLocation_RB[i]) searchLocation_RB[i]->setCheck(i == searchLocation);
  if (searchLocation != AutoFindRules::MIDDLE && searchLocation_RB[searchLocation])
    searchLocation_RB[searchLocation]->setBackColor(MARKED_YELLOW);
}

void Quillgrid::resetSearchLocation() {
  searchLocation = AutoFindRules::MIDDLE;
  setSearchLocation();
}

long Quillgrid::onCmdSearchLocation(FXObject* sender, FXSelector, void*) {
  if (sender && sender == searchLocation_RB[1])
    searchLocation = AutoFindRules::TRIANGLE;
  else if (sender && sender == searchLocation_RB[2])
    searchLocation = AutoFindRules::INVERTED_TRIANGLE;
  else
    searchLocation = AutoFindRules::MIDDLE;
  setSearchLocation();
  return 1;
}
