// Fit-order labels, equation zones, number formats, the coefficient tables
// of the equation zones, the equation texts, and the zone-limit fields of
// the fitting grid with their mouse-wheel step.
#include <cmath>

#include "DataPlot.h"
#include "EquationRules.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
const int COEFFICIENT_ROWS = 3;
const int COEFFICIENT_COLUMNS = eqn::MAX_COEFFICIENTS;
const int LAST_COLUMN = COEFFICIENT_COLUMNS - 1;
const int ADJUSTED_ROW = 2;
// Pixel at which the wheel step is measured, and how far it is searched.
const int WHEEL_STEP_PIXEL = 100;
const int WHEEL_STEP_SEARCH = 1000;
// Zone limits start at -1e100 until they are placed over data.
const double UNPLACED_LIMIT = -1e99;

bool isChecked(FXCheckButton* check) { return check && check->getCheck() == TRUE; }

bool leadingRowsHaveText(Table_lom2* table, int row, int columns) {
  for (int c = 0; c < columns; ++c)
    if (table->isEmpty(row, c)) return false;
  return true;
}

int countLeadingRows(Table_lom2* table, int columns) {
  if (!table || table->getNumColumns() < columns) return 0;
  int n = 0;
  while (n < table->getNumRows() && leadingRowsHaveText(table, n, columns)) ++n;
  return n;
}
}  // namespace

int Quillgrid::currentItemNumber(FXListBox* list) {
  if (!list || list->getNumItems() == 0 || list->getCurrentItem() < 0) return 0;
  return FXIntVal(list->getItemText(list->getCurrentItem()), 10);
}

int Quillgrid::getCurveFitOrderFromLabel(FXString label) { return eqn::orderFromLabel(label); }

void Quillgrid::setFitOrderLabels(int zone, FXLabel* label, int n) {
  if (!label) return;
  int maxOrder = currentItemNumber(maxFitOrder_LB);
  if (maxOrder < 1 || maxOrder > eqn::MAX_FIT_ORDER) maxOrder = eqn::MAX_FIT_ORDER;
  const int order = eqn::clampFitOrder(n, maxOrder);
  label->setText(eqn::fitOrderLabel(order));
  if (zone >= 0 && zone < eqn::MAX_ZONES) fit_order[zone] = order;
}

int Quillgrid::getZoneIndex(double* b, double x) {
  return numEquations <= 0 ? 0 : eqn::zoneIndex(b, numEquations, x);
}

bool Quillgrid::acceptPointInFittingZone(int i, int zoneOfI, int z, int* first, int overlap) {
  return eqn::acceptPointInZone(i, zoneOfI, z, first, overlap);
}

double Quillgrid::getScaledYvalue(double y) { return y * yAxisScaleFactor; }

double Quillgrid::getConvertedTemperature(double x) {
  if (!isChecked(xAxisIsTemperature_Chk)) return x;
  return eqn::convertTemperature(temperatureScale, x);
}

bool Quillgrid::checkDataSourceIsSetCorrectly() {
  if (dataSource == 5) return true;
  return dataSourceTable && (dataSourceTable == curveData_TBL || dataSourceTable == xyValues_TBL);
}

int Quillgrid::getNumberOfRowsWithData() {
  if (curveFitType == eqn::LMP_FIT_TYPE) return countLeadingRows(lmpData_TBL, 3);
  if (!checkDataSourceIsSetCorrectly()) return 0;
  return countLeadingRows(dataSourceTable, 2);
}

double Quillgrid::getLMP(double T, double C, double t) { return eqn::larsonMillerParameter(T, C, t); }

FXString Quillgrid::getFormattedNumber(int decimals, double x) {
  return eqn::formattedNumber(decimals, x, useCommaForDecimal);
}

int Quillgrid::getNumDecimals(double x) { return eqn::numDecimals(x, curveFitType, authorMode); }

FXString Quillgrid::getFormattedBoundaryValueForOutput(double x) {
  const double resolution = fitPlot ? fitPlot->getXaxisResolutionPerPixel() : 0.0;
  return eqn::boundaryText(x, curveFitType, isChecked(xAxisIsTemperature_Chk), resolution, authorMode);
}

FXString Quillgrid::getFormattedNumberFoxAxis(int axis, double x) {
  const int format = axis == 0 ? numberFormatType_x : numberFormatType_y;
  return eqn::axisNumberText(x, curveFitType, format, authorMode);
}

void Quillgrid::setUpCurveCoefficientsTable(int zone) {
  if (zone < 0 || zone >= eqn::MAX_ZONES || !coefficients_TBL[zone]) return;
  FXTable* table = coefficients_TBL[zone];
  table->setTableSize(COEFFICIENT_ROWS, COEFFICIENT_COLUMNS);
  table->setEditable(FALSE);
  table->setVisibleRows(COEFFICIENT_ROWS);
  table->setRowHeaderWidth(70);
  for (int c = 0; c < COEFFICIENT_COLUMNS; ++c) {
    table->setColumnWidth(c, 100);
    table->setColumnText(c, FXStringFormat("C%d or C%d", c, LAST_COLUMN - c));
    table->getColumnHeader()->setItemJustify(c, 0);
  }
  table->setRowText(0, FXStringFormat("C0->C%d", LAST_COLUMN));
  table->setRowText(1, FXStringFormat("C%d->C0", LAST_COLUMN));
  table->setRowText(ADJUSTED_ROW, FXStringFormat("C0->C%d", LAST_COLUMN));
  for (int r = 0; r < COEFFICIENT_ROWS; ++r)
    for (int c = 0; c < COEFFICIENT_COLUMNS; ++c) {
      table->setItemText(r, c, FXString::null);
      table->setItemJustify(r, c, 0);
    }
  // The adjusted row is kept for copying only.
  table->setRowHeight(ADJUSTED_ROW, 0);
}

void Quillgrid::clearCoefficientsTable(int zone) {
  const int firstZone = zone < 0 ? 0 : zone;
  const int lastZone = zone < 0 ? eqn::MAX_ZONES - 1 : zone;
  for (int z = firstZone; z <= lastZone && z < eqn::MAX_ZONES; ++z) {
    FXTable* table = coefficients_TBL[z];
    if (!table) continue;
    for (int r = 0; r < table->getNumRows(); ++r)
      for (int c = 0; c < table->getNumColumns(); ++c) table->setItemText(r, c, FXString::null);
  }
}

void Quillgrid::writeCoefficientCell(int zone, int row, int column, double value, int decimals) {
  FXTable* table = coefficients_TBL[zone];
  FXString text = FXStringFormat(" %.*le ", decimals, value);
  table->setItemText(row, column, text);
  // Measuring text needs the font on the display.
  if (table->id()) table->fitColumnsToContents(column);
  table->setItemText(row, column, text.trim());
}

void Quillgrid::fillCoefficientsTable(int zone, int order, double* coef) {
  const StepClock clock(fitStepTimes, "coefficient table");
  if (zone < 0 || zone >= eqn::MAX_ZONES || !coefficients_TBL[zone] || !coef) return;
  FXTable* table = coefficients_TBL[zone];
  if (table->getNumRows() < COEFFICIENT_ROWS || table->getNumColumns() < COEFFICIENT_COLUMNS) return;
  if (order > eqn::MAX_FIT_ORDER) order = eqn::MAX_FIT_ORDER;
  clearCoefficientsTable(zone);
  if (isChecked(fillEmptyCellsWithZeros_Chk))
    for (int r = 0; r < COEFFICIENT_ROWS; ++r)
      for (int c = 0; c < COEFFICIENT_COLUMNS; ++c) table->setItemText(r, c, "0.0");
  const int decimals = currentItemNumber(numOfDecimalsInCoefficients_LB);
  for (int k = 0; k <= order; ++k) writeCoefficientCell(zone, 0, k, coef[k], decimals);
  for (int k = 0; k <= order; ++k) writeCoefficientCell(zone, 1, LAST_COLUMN - k, coef[k], decimals);
}

void Quillgrid::fillAdjustedCoefficientsTables(int anchorZone, int* exponents, double* b, double coef[6][16],
                                               double s10, const bool* fitted) {
  const StepClock clock(fitStepTimes, "adjusted coefficient tables");
  double adjusted[eqn::MAX_ZONES][eqn::MAX_COEFFICIENTS];
  const int decimals = currentItemNumber(numOfDecimalsInCoefficients_LB);
  if (!eqn::adjustedCoefficients(anchorZone, numEquations, fit_order, exponents, b, coef, s10, decimals, adjusted,
                                 fitted))
    return;
  for (int j = 0; j < numEquations && j < eqn::MAX_ZONES; ++j) {
    // A zone that was not fitted has no coefficients to show.
    if (fitted && !fitted[j]) continue;
    FXTable* table = coefficients_TBL[j];
    if (!table || table->getNumRows() < COEFFICIENT_ROWS) continue;
    const int order = eqn::clampFitOrder(fit_order[j], eqn::MAX_FIT_ORDER);
    for (int k = 0; k <= order; ++k) writeCoefficientCell(j, ADJUSTED_ROW, k, adjusted[j][k], decimals);
  }
}

FXString Quillgrid::getEquation(int zone, FXString variable, bool adjusted) {
  if (zone < 0 || zone >= eqn::MAX_ZONES || !coefficients_TBL[zone]) return FXString::null;
  FXTable* table = coefficients_TBL[zone];
  const int row = adjusted ? ADJUSTED_ROW : 0;
  const int order = eqn::clampFitOrder(fit_order[zone], eqn::MAX_FIT_ORDER);
  FXString texts[eqn::MAX_COEFFICIENTS];
  for (int k = 0; k <= order && k < table->getNumColumns() && row < table->getNumRows(); ++k)
    texts[k] = table->getItemText(row, k);
  return eqn::equationText(zone, texts, order, variable, authorMode);
}

FXString Quillgrid::getVariableName() {
  const FXString cell = excel_cell_TF ? excel_cell_TF->getText() : FXString::null;
  return eqn::variableName(cell, isChecked(lmp_ZELK_formatting_Chk), curveFitType);
}

double Quillgrid::roundLimitsToWholeNumbers(double x) {
  // Whether limits are whole numbers depends on the data's extents.
  if (!plotRangeKnown) return x;
  return eqn::roundLimit(x, isChecked(forceXBoundariesToWholeNumbers_Chk), plotXmin, plotXmax);
}

bool Quillgrid::checkEqnZoneLimits(int marker, int px) {
  if (!fitPlot) return false;
  int minPx = 0, maxPx = 0;
  fitPlot->getMinMaxXPixels(&minPx, &maxPx);
  int markerPx[eqn::MAX_ZONES] = {0};
  const int numMarkers = numEquations - 1 < eqn::MAX_ZONES ? numEquations - 1 : eqn::MAX_ZONES - 1;
  for (int j = 0; j < numMarkers; ++j) markerPx[j] = fitPlot->getPixelsFromRealX(fitPlotZoneMarkers_real_x[j]);
  return eqn::zoneLimitAllowed(marker, px, minPx, maxPx, markerPx, numMarkers);
}

void Quillgrid::hideEqnFitTableRow(int row) { showEqnFitTableRow(row, false); }

void Quillgrid::showEqnFitTableRow(int row) { showEqnFitTableRow(row, true); }

void Quillgrid::showEqnFitTableRow(int row, bool show) {
  if (row < 0 || row >= 5) return;
  setShown(fitEqnTableRow_Lbl[row], show);
  // The fit-order row has no fields.
  for (int j = 0; row < 4 && j < eqn::MAX_ZONES; ++j) setShown(eqnFit_TF[row][j], show);
}

void Quillgrid::updateEquationZoneLimitsTextfields() {
  const int n = numEquations < eqn::MAX_ZONES ? numEquations : eqn::MAX_ZONES;
  for (int j = 0; j < n; ++j) {
    fitPlotZoneMarkers_real_x[j] = roundLimitsToWholeNumbers(fitPlotZoneMarkers_real_x[j]);
    // A limit never placed (no data yet) keeps its start value far below
    // any data: no limit to show.
    const bool placed = fitPlotZoneMarkers_real_x[j] > UNPLACED_LIMIT;
    if (eqnFit_TF[0][j])
      eqnFit_TF[0][j]->setText(placed ? getFormattedBoundaryValueForOutput(fitPlotZoneMarkers_real_x[j])
                                      : FXString::null);
    for (int r = 0; r < 4; ++r)
      if (eqnFit_TF[r][j]) eqnFit_TF[r][j]->setBackColor(defaultTextFieldBackColor);
  }
  // The last zone's limit is the end of the data: shown, but greyed like
  // the unused zones.
  for (int j = n - 1 < 0 ? 0 : n - 1; j < eqn::MAX_ZONES; ++j) {
    if (j >= n && eqnFit_TF[0][j]) eqnFit_TF[0][j]->setText(FXString::null);
    for (int r = 0; r < 4; ++r)
      if (eqnFit_TF[r][j]) eqnFit_TF[r][j]->setBackColor(argb(0xFFC8C8C8));
  }
}

void Quillgrid::defineMinMouseWheelStepSize() {
  if (!fitPlot) return;
  minMouseWheelStep = eqn::wheelStep(
      [this](int px) { return getFormattedBoundaryValueForOutput(fitPlot->getRealXfromPixels(px)); },
      WHEEL_STEP_PIXEL, WHEEL_STEP_SEARCH);
}
