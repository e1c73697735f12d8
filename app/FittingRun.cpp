// The fitting run: reads the rows of the data source, transforms them by
// the curve fit type, splits them into equation zones, fits one polynomial
// per zone and writes every result (differences per row, statistics,
// coefficient tables, formulas, the results table, the Larson-Miller
// summary and the series of the fit plots).
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "CurveFitting.h"
#include "EquationRules.h"
#include "ExcelEquation.h"
#include "ModalSeam.h"
#include "PipelineRules.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TextField_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
const int NUM_ZONES = eqn::MAX_ZONES;
const int NUM_COEFFICIENTS = eqn::MAX_COEFFICIENTS;
const int LMP_TYPE = PipelineRules::LMP;
const FXColor RED = argb(0xFFFF0000);
const FXColor YELLOW = argb(0xFFFFFF00);

bool isChecked(FXCheckButton* check) { return check && check->getCheck() == TRUE; }

FXString fieldText(FXTextField* field) { return field ? field->getText() : FXString::null; }

void setFieldText(FXTextField* field, const FXString& text) {
  if (field) field->setText(text);
}

// Writes a cell only where the table has it (a value table's own
// setItemText for a Table_lom2).
template <class Table>
void setCell(Table* table, int row, int column, const FXString& text) {
  if (table && row >= 0 && column >= 0 && row < table->getNumRows() && column < table->getNumColumns())
    table->setItemText(row, column, text);
}

// Keeps the value of larger magnitude.
void keepLarger(double& kept, double value) {
  if (std::fabs(value) > std::fabs(kept)) kept = value;
}

// A polynomial of a zone (coefficients in the user's x) loaded into a
// formula object, with its derivative.
struct ZonePolynomial {
  ExcelEquation value;
  ExcelEquation slope;
  int zone = -1;
  void load(int z, int order, const double* coef, const int* exponents, int decimals) {
    zone = z;
    value.getExcelEquation(order + 1, "A1", decimals, coef, exponents);
    slope.getExcelEquationDerivative(order + 1, "A1", decimals, coef, exponents);
  }
};

const char* sourceTableName(int dataSource) {
  switch (dataSource) {
    case 0: return "the image data points table";
    case 1: return "the xy values data points table";
    case 2: return "the LMP data points table";
    default: return "unknown";
  }
}

// The cells of a data row that must hold numbers, as the messages name them.
const char* dataCellsName(bool lmp) { return lmp ? "time, stress or temperature" : "x or y"; }

// The rows from `first` on (the first row with an empty data cell, where
// the data ends) that still hold a value in a data cell: none of them is
// fitted. Empty when there are none.
FXString rowsNotFittedText(Table_lom2* table, bool lmp, int first) {
  if (!table) return FXString::null;
  const int columns = std::min(lmp ? 3 : 2, table->getNumColumns());
  int count = 0;
  for (int r = first; r < table->getNumRows(); ++r)
    for (int c = 0; c < columns; ++c)
      if (!table->isEmpty(r, c)) {
        ++count;
        break;
      }
  return count ? PipelineRules::rowsAfterDataText(count, first + 1, dataCellsName(lmp)) : FXString::null;
}

// The author's form of the copied equation texts.
FXString authorForm(FXString text) {
  text.substitute("*x", "x", true);
  text.substitute("x^", "x", true);
  text.substitute("e", "E", true);
  text.substitute("Eqn", "eqn", true);
  text.substitute("adjustEd", "adjusted", true);
  return text;
}
}  // namespace

// The working data of one fitting run, filled step by step.
struct Quillgrid::FitRun {
  // Set when the run starts.
  bool lmp = false;
  FXString variable;  // empty: the formulas cannot be written
  double C = 20.0;
  FXString cText;
  int decimals = 0;

  // The data: the table row of every point (table order) and, for the
  // Larson-Miller fit, the temperatures of the points (sorted with them).
  std::vector<int> rows;
  int numPoints = 0;
  std::vector<double> temperatures;
  FXString temperatureList;

  // The zones: their limits, the zone of every sorted point and the
  // points each zone's fit takes.
  int n = 1;
  int overlap = 0;
  double b[NUM_ZONES + 1] = {0};
  int orders[NUM_ZONES] = {0};
  std::vector<int> zoneOf;
  std::vector<int> members[NUM_ZONES];
  bool fixedZone[NUM_ZONES] = {false};

  // The fits, in the user's x.
  double coef[NUM_ZONES][NUM_COEFFICIENTS] = {{0}};
  double r2[NUM_ZONES] = {0}, adjustedR2[NUM_ZONES] = {0}, chi2[NUM_ZONES] = {0};
  bool fitted[NUM_ZONES] = {false};
  // The fit's own values at the points it took (members order), and
  // whether R² is defined (the zone's y are not all equal).
  std::vector<double> fittedValues[NUM_ZONES];
  bool r2Defined[NUM_ZONES] = {false};
  int anchorZone = -1;
  int exponents[NUM_COEFFICIENTS] = {0};

  // What the results of the rows and the fitted curve found.
  double largestDiff[NUM_ZONES] = {0};
  bool positiveSlope = false, negativeSlope = false;
  double largestV = 0;
};

std::vector<int> Quillgrid::getDataPointRows(int n, int* leftOut) {
  std::vector<int> rows;
  if (leftOut) *leftOut = 0;
  const bool lmp = curveFitType == LMP_TYPE;
  Table_lom2* table = lmp ? lmpData_TBL : dataSourceTable;
  if (!table) return rows;
  const int columns = lmp ? 3 : 2;
  rows.reserve(n > 0 ? n : 0);
  for (int i = 0; i < n && i < table->getNumRows(); ++i) {
    bool numbers = true;
    for (int c = 0; c < columns && numbers; ++c) numbers = PipelineRules::isNumberText(table->cellText(i, c));
    if (numbers)
      rows.push_back(i);
    else if (leftOut)
      ++*leftOut;
  }
  return rows;
}

void Quillgrid::getPlotXYData(int n, bool* xOk, bool* yOk, bool* tOk, double* temperatures, FXString* temperatureList,
                              double* xs, double* ys, const std::vector<int>* dataPointRows) {
  *xOk = *yOk = *tOk = true;
  plotXmin = plotYmin = 1e99;
  plotXmax = plotYmax = -1e99;
  plotRangeKnown = true;
  minTemperature = 1e100;
  maxTemperature = -1;

  const double C = lmp_C_TF ? lmp_C_TF->toDouble() : 20.0;
  onCmdXaxisTemperatureUnits(nullptr, 0, nullptr);

  if (y_axisScaleFactor) {
    yAxisScaleFactor = y_axisScaleFactor->toDouble();
    if (yAxisScaleFactor < 1e-50) {
      y_axisScaleFactor->setText("1.0");
      yAxisScaleFactor = y_axisScaleFactor->toDouble();
    }
  }
  setScaleFactorTextfieldBackColor();

  FXString list = temperatureList ? *temperatureList : FXString::null;
  const bool store = xs && ys;
  const bool lmp = curveFitType == LMP_TYPE;
  if (!lmp && n > 0 && (!checkDataSourceIsSetCorrectly() || !dataSourceTable)) {
    *xOk = *yOk = false;
    return;
  }
  // Rows whose cells hold text that is not a number are no data points.
  std::vector<int> foundRows;
  if (!dataPointRows) foundRows = getDataPointRows(n, nullptr);
  const std::vector<int>& rows = dataPointRows ? *dataPointRows : foundRows;
  // The Larson-Miller parameters go in as one change of their table.
  const CellBatch_lom2 batch(lmp ? lmpData_TBL : nullptr);
  for (size_t k = 0; k < rows.size(); ++k) {
    const int i = rows[k];
    double x = 0, y = 0;
    if (lmp) {
      const double time = lmpData_TBL->toDouble(i, 0);
      const double stress = lmpData_TBL->toDouble(i, 1);
      const double T = lmpData_TBL->toDouble(i, 2);
      // A temperature of exactly 0 is accepted (LMP 0).
      if (time <= 0 || stress <= 0 || T < 0) {
        *tOk = false;
        break;
      }
      *tOk = true;
      const double lmpValue = PipelineRules::lmpValue(time, C, T);
      x = lmpValue * 0.001;
      y = std::log(stress);
      if (temperatures) temperatures[k] = T;
      const FXString t = FXStringFormat("%.0lf ", T);
      if (list.find(t) < 0) list += t;
      setCell(lmpData_TBL, i, 3, FXStringFormat("%.0lf", lmpValue));
      if (T < minTemperature) minTemperature = T;
      if (T > maxTemperature) maxTemperature = T;
    } else {
      PipelineRules::transformRow(curveFitType, getConvertedTemperature(dataSourceTable->toDouble(i, 0)),
                                  dataSourceTable->toDouble(i, 1) * yAxisScaleFactor, &x, &y, xOk, yOk);
      if (!*xOk || !*yOk) break;
    }
    if (x < plotXmin) plotXmin = x;
    if (x > plotXmax) plotXmax = x;
    if (y < plotYmin) plotYmin = y;
    if (y > plotYmax) plotYmax = y;
    if (store) {
      xs[k] = x;
      ys[k] = y;
    }
  }
  if (temperatureList) *temperatureList = list;
}

bool Quillgrid::getQuillgrid() {
  const StepClock clock(fitStepTimes, "whole run");
  FitRun run;
  if (!startFitRun(run) || !gatherFitData(run) || !splitIntoZones(run) || !fitZones(run)) return false;
  writeZoneMismatches(run);
  writeRowResults(run);
  writeZoneResults(run);
  computeFittedCurve(run);
  writeLarsonMillerSummary(run);
  writeEquationTexts(run);
  finishFitRun(run);
  warnOfEquationsLosingTheirFit(run);
  return true;
}

// Clears every result, and reads the options of the run: the variable of
// the formulas, the Larson-Miller constant and the decimals.
bool Quillgrid::startFitRun(FitRun& run) {
  const StepClock clock(fitStepTimes, "clearing and options");
  maxAbsPercentDiff = 0;
  plotNote = FXString::null;
  if (lmp_C_TF) lmp_C_TF->setBackColor(defaultTextFieldBackColor);
  clearCurveFitData();
  if (!checkDataSourceIsSetCorrectly()) return false;
  clearFitColumnsOfDataSource();

  // The spreadsheet cell that stands for x.
  if (excel_cell_TF) {
    FXString cell = excel_cell_TF->getText();
    cell.upper();
    cell.trim();
    excel_cell_TF->setText(cell);
    // Without a cell the formulas would read LN() or (1/): no name.
    if (!cell.empty() || isChecked(lmp_ZELK_formatting_Chk)) run.variable = getVariableName();
  }
  if (run.variable.empty() && excel_cell_TF) excel_cell_TF->setBackColor(RED);

  run.lmp = curveFitType == LMP_TYPE;
  run.C = run.lmp && lmp_C_TF ? lmp_C_TF->toDouble() : 20.0;
  run.cText = fieldText(lmp_C_TF);
  run.decimals = currentItemNumber(numOfDecimalsInCoefficients_LB);
  return true;
}

// The rows to fit, and series 0 of the plots: the transformed points.
bool Quillgrid::gatherFitData(FitRun& run) {
  const StepClock clock(fitStepTimes, "gathering the rows");
  const int leading = getNumberOfRowsWithData();
  int leftOut = 0;
  run.rows = getDataPointRows(leading, &leftOut);
  numRowsWithData = run.numPoints = (int)run.rows.size();
  if (numRowsWithData == 0) {
    drawFitPlots(true);
    FXString text = FXStringFormat("You have your data source as %s but there is no data in this table.",
                                   sourceTableName(dataSource));
    const FXString notFitted = rowsNotFittedText(run.lmp ? lmpData_TBL : dataSourceTable, run.lmp, leading);
    if (!notFitted.empty()) text += "\n" + notFitted;
    ModalSeam::error(this, MBOX_OK, "Missing data", text);
    return false;
  }
  tellLeftOutRows(run, leading, leftOut);

  freePlotDataArrays();
  run.temperatures.assign(run.lmp ? run.numPoints : 0, 0.0);
  allocatePlotDataArrays(2);
  bool xOk = true, yOk = true, tOk = true;
  getPlotXYData(leading, &xOk, &yOk, &tOk, run.lmp ? run.temperatures.data() : nullptr, &run.temperatureList,
                plotDataX[0], plotDataY[0], &run.rows);
  if (xOk && yOk && tOk) return true;
  freePlotDataArrays();
  FXString text;
  if (!tOk && xOk && yOk) {
    text = "Some of your time/stress/temperature values are too small, all values must be greater than 0.";
  } else {
    const char* which = !xOk && !yOk ? "x and y" : (!xOk ? "x" : "y");
    text = FXStringFormat("Some of your %s values are 0 or negative, pick a different plot type.", which);
  }
  ModalSeam::error(this, MBOX_OK, "Illegal values", text);
  return false;
}

// Rows whose cells hold text (a pasted header row) are no data, and the
// data ends at the first row with an empty data cell: the user hears how
// many rows were left out or not fitted, once for the same rows.
void Quillgrid::tellLeftOutRows(FitRun& run, int leading, int leftOut) {
  const FXString notFitted = rowsNotFittedText(run.lmp ? lmpData_TBL : dataSourceTable, run.lmp, leading);
  if (leftOut == 0 && notFitted.empty()) {
    leftOutRowsTold = FXString::null;
    return;
  }
  FXString told = FXStringFormat("%d:", run.lmp ? 2 : dataSource);
  for (int row = 0, k = 0; row < leading; ++row) {
    if (k < run.numPoints && run.rows[k] == row)
      ++k;
    else
      told += FXStringFormat("%d,", row);
  }
  told += notFitted;
  if (told == leftOutRowsTold) return;
  leftOutRowsTold = told;
  FXString text;
  if (leftOut > 0) text = PipelineRules::leftOutRowsText(leftOut, dataCellsName(run.lmp));
  if (leftOut > 0 && !notFitted.empty()) text += "\n";
  text += notFitted;
  ModalSeam::information(this, MBOX_OK, "Rows left out", text);
}

// The zone limits, the points sorted by x and split into zones, and the
// check that every zone's fit takes more points than its order. The fits
// see x as given: the least-squares fit maps x onto [-1, 1] itself, and a
// decimal scaling of x would only round every value once more.
bool Quillgrid::splitIntoZones(FitRun& run) {
  const StepClock clock(fitStepTimes, "sorting and zones");
  run.overlap = currentItemNumber(numOfOverlapPoints_LB);
  if (run.overlap < 0) run.overlap = 0;
  if (numEquations < 1) numEquations = 1;
  if (numEquations > NUM_ZONES) numEquations = NUM_ZONES;
  const int n = run.n = numEquations;
  // The limits are kept inside the data; the plot is drawn only once the
  // fit is made, so a refused run shows no fit.
  placeZoneMarkers(false, false);

  // The end margins widen the range for either sign, so the smallest and
  // the largest point always lie inside.
  PipelineRules::outerZoneLimits(plotXmin, plotXmax, &run.b[0], &run.b[n]);
  // The inner limits are the limits' own values; their fields show them
  // rounded.
  for (int j = 1; j < n; ++j) run.b[j] = fitPlotZoneMarkers_real_x[j - 1];

  const int numPoints = run.numPoints;
  double* px = plotDataX[0];
  double* py = plotDataY[0];
  if (run.lmp) {
    assignLMPcellColorIcons(run.temperatureList, run.rows);
    shell(px, py, run.temperatures.data(), plotPointColors[0], numPoints, true);
  } else {
    shell(px, py, numPoints, true);
  }
  run.zoneOf.resize(numPoints);
  for (int i = 0; i < numPoints; ++i) run.zoneOf[i] = getZoneIndex(run.b, px[i]);
  PipelineRules::pointsOfZones(run.zoneOf.data(), numPoints, n, run.overlap, run.members);
  PipelineRules::fixedInterceptZones(run.b, n, run.fixedZone);

  for (int z = 0; z < NUM_ZONES; ++z) run.orders[z] = eqn::clampFitOrder(fit_order[z], eqn::MAX_FIT_ORDER);
  for (int j = 0; j < n; ++j)
    if ((int)run.members[j].size() <= run.orders[j]) {
      freePlotDataArrays();
      ModalSeam::error(this, MBOX_OK, "Bad boundaries",
                       FXStringFormat("There are not enough points between %s and %s for a %d-order fit (Eqn. #%d) "
                                      "with %d overlap points.",
                                      getFormattedNumberFoxAxis(0, run.b[j]).text(),
                                      getFormattedNumberFoxAxis(0, run.b[j + 1]).text(), run.orders[j], j + 1,
                                      run.overlap));
      return false;
    }
  return true;
}

// One least-squares fit per zone, through the fixed y-intercept where it
// is asked for; the points take their zone's colour, and the zone where
// the smallest y lies anchors the adjusted equations.
bool Quillgrid::fitZones(FitRun& run) {
  const StepClock clock(fitStepTimes, "least-squares solves");
  const bool useIntercept = isChecked(setEqnYIntercept_Chk) && (curveFitType == 0 || curveFitType == 2);
  if (equation_Y_intercept_TF) equation_Y_intercept_TF->setBackColor(defaultTextFieldBackColor);
  FXString intercept = fieldText(equation_Y_intercept_TF);
  intercept.trim();
  for (int z = 0; z < run.n; ++z)
    if (useIntercept && run.fixedZone[z] && intercept.empty()) {
      if (equation_Y_intercept_TF) equation_Y_intercept_TF->setBackColor(RED);
      freePlotDataArrays();
      ModalSeam::error(this, MBOX_OK, "Illegal Y-intercept value", "Check your value for the Y-intercept.");
      return false;
    }

  const double* px = plotDataX[0];
  const double* py = plotDataY[0];
  double smallestY = 0;
  for (int i = 0; i < run.numPoints; ++i)
    if (std::fabs(py[i]) > smallestY) smallestY = std::fabs(py[i]);
  for (int z = 0; z < run.n; ++z) {
    std::vector<double> fx, fy;
    for (int i : run.members[z]) {
      fx.push_back(px[i]);
      fy.push_back(py[i]);
      if (!run.lmp) plotPointColors[0][i] = getPlotPointColor(static_cast<unsigned>(run.zoneOf[i]));
      if (py[i] < smallestY) {
        smallestY = py[i];
        run.anchorZone = z;
      }
    }
    CurveFitting fitting;
    const bool fixed = useIntercept && run.fixedZone[z];
    run.fittedValues[z].assign(fx.size(), 0.0);
    run.fitted[z] = fitting.leastSquares((int)fx.size(), run.orders[z], fx.data(), fy.data(), fixed,
                                         fixed ? FXDoubleVal(intercept) : 0.0, run.coef[z], &run.chi2[z], &run.r2[z],
                                         &run.adjustedR2[z], run.fittedValues[z].data());
    if (!run.fitted[z]) run.fittedValues[z].clear();
    run.r2Defined[z] = std::adjacent_find(fy.begin(), fy.end(), std::not_equal_to<double>()) != fy.end();
    // A zone that could not be fitted keeps no coefficients.
    for (int k = 0; k < NUM_COEFFICIENTS; ++k)
      if (!run.fitted[z] || k > run.orders[z]) run.coef[z][k] = 0;
  }
  for (int k = 0; k < NUM_COEFFICIENTS; ++k) run.exponents[k] = k;
  return true;
}

// The mismatch of neighbouring zones at their common limit.
void Quillgrid::writeZoneMismatches(FitRun& run) {
  const StepClock clock(fitStepTimes, "zone mismatches");
  for (int j = 0; j + 1 < run.n; ++j) {
    if (!run.fitted[j] || !run.fitted[j + 1]) continue;
    const double v = run.b[j + 1];
    ZonePolynomial p1, p2;
    p1.load(j, run.orders[j], run.coef[j], run.exponents, run.decimals);
    p2.load(j + 1, run.orders[j + 1], run.coef[j + 1], run.exponents, run.decimals);
    double y1 = p1.value.getValue(v), y2 = p2.value.getValue(v);
    if (run.lmp) {
      y1 = std::exp(y1);
      y2 = std::exp(y2);
    }
    if (y1 != 0) setFieldText(eqnFit_TF[3][j], FXStringFormat("%.4lf%%", (y1 - y2) * 100 / y1));
  }
}

// Per data row, in table order: the fitted value and the % difference
// beside the row, and the row of the results table. Cells a row gets no
// value for stay empty (they were cleared when the run started).
void Quillgrid::writeRowResults(FitRun& run) {
  const StepClock clock(fitStepTimes, "row results into cells");
  // Fitted values go into the XY table only when they are in its units.
  const bool keepFitOutOfXYTable = isChecked(xAxisIsTemperature_Chk) || std::fabs(1 - yAxisScaleFactor) > 1e-50;
  if (copyConvertedTableAll_Btn) copyConvertedTableAll_Btn->enable();
  if (copyConvertedTableXY_Btn) copyConvertedTableXY_Btn->enable();

  // The rows' results go into each table as one change, repainted once.
  const CellBatch_lom2 sourceBatch(dataSourceTable), resultsBatch(convertedXYValues_TBL), lmpBatch(lmpData_TBL);
  double smallestV = 1000000;
  run.largestV = 0;
  ZonePolynomial rowPolynomial;
  const bool xyTable = dataSourceTable == xyValues_TBL;
  const int diffColumn = xyTable ? 3 : 2;
  for (int k = 0; k < run.numPoints; ++k) {
    const int j = run.rows[k];
    double x = 0, y = 0, fit = 0, d = 0;
    bool haveDiff = false;
    // Each text is written once and put into every cell that shows it.
    FXString diffText, fitText;
    int zone;
    if (run.lmp) {
      const double time = lmpData_TBL->toDouble(j, 0);
      const double stress = lmpData_TBL->toDouble(j, 1);
      const double T = lmpData_TBL->toDouble(j, 2);
      x = (std::log10(time) + run.C) * T * 0.001;
      zone = getZoneIndex(run.b, x);
      if (rowPolynomial.zone != zone)
        rowPolynomial.load(zone, run.orders[zone], run.coef[zone], run.exponents, run.decimals);
      y = stress;
      if (run.fitted[zone]) {
        fit = std::exp(rowPolynomial.value.getValue(x));
        fitText = getFormattedNumberFoxAxis(1, fit);
        const double slope = rowPolynomial.slope.getValue(x);
        if (slope > 0) run.positiveSlope = true;
        if (slope < 0) run.negativeSlope = true;
        if (stress != 0) {
          d = (stress - fit) * 100 / stress;
          haveDiff = true;
          diffText = eqn::fixedText(1, d);
          setCell(lmpData_TBL, j, 4, diffText);
          keepLarger(run.largestDiff[zone], d);
          keepLarger(maxAbsPercentDiff, d);
        }
      }
      if (x < smallestV) {
        smallestV = x;
        setFieldText(lmpMin_TF, getFormattedBoundaryValueForOutput(std::floor(x * 1000) / 1000));
        if (lmpMin_TF) lmpMin_TF->setTipText(getFormattedBoundaryValueForOutput(x));
      }
      if (x > run.largestV) {
        run.largestV = x;
        setFieldText(lmpMax_TF, getFormattedBoundaryValueForOutput(std::ceil(x * 1000) / 1000));
        if (lmpMax_TF) lmpMax_TF->setTipText(getFormattedBoundaryValueForOutput(x));
      }
    } else {
      bool rowXOk = true, rowYOk = true;
      const double rawY = dataSourceTable->toDouble(j, 1) * yAxisScaleFactor;
      double ty = 0;
      PipelineRules::transformRow(curveFitType, getConvertedTemperature(dataSourceTable->toDouble(j, 0)), rawY, &x,
                                  &ty, &rowXOk, &rowYOk);
      y = rawY;
      zone = getZoneIndex(run.b, x);
      if (rowPolynomial.zone != zone)
        rowPolynomial.load(zone, run.orders[zone], run.coef[zone], run.exponents, run.decimals);
      if (run.fitted[zone]) {
        fit = rowPolynomial.value.getValue(x);
        if (curveFitType >= 2) fit = std::exp(fit);
        fitText = getFormattedNumberFoxAxis(1, fit);
        if (y != 0) {
          d = (y - fit) * 100 / y;
          haveDiff = true;
          keepLarger(run.largestDiff[zone], d);
          diffText = eqn::fixedText(1, d);
          setCell(dataSourceTable, j, diffColumn, diffText);
        }
        if (xyTable && !keepFitOutOfXYTable) setCell(dataSourceTable, j, 2, fitText);
      }
    }
    // The results table lists the fitted rows one after the other.
    // x as the table it came from holds it (the Larson-Miller parameter
    // as its table shows it).
    setCell(convertedXYValues_TBL, k, 0,
            run.lmp ? getFormattedBoundaryValueForOutput(x) : eqn::valueText(x, useCommaForDecimal));
    setCell(convertedXYValues_TBL, k, 1, getFormattedNumberFoxAxis(1, y));
    if (run.fitted[zone]) setCell(convertedXYValues_TBL, k, 2, fitText);
    if (haveDiff) setCell(convertedXYValues_TBL, k, 3, diffText);
  }
  if (run.lmp) fitPlotZoneMarkers_real_x[run.n - 1] = run.largestV;
}

// Per zone: R², largest difference, coefficient table and formula; a zone
// that was not fitted says so in its formula field.
void Quillgrid::writeZoneResults(FitRun& run) {
  const StepClock clock(fitStepTimes, "statistics, coefficient tables, formulas");
  for (int z = 0; z < run.n; ++z) {
    if (!run.fitted[z]) {
      setFieldText(excelEqn_TF[z], eqn::NOT_FITTED_TEXT);
      continue;
    }
    // With every y equal R² is not defined (the fit leaves -1 there).
    setFieldText(eqnFit_TF[1][z], run.r2Defined[z] ? getFormattedNumber(6, run.r2[z]) : eqn::UNDEFINED_R2_TEXT);
    setFieldText(eqnFit_TF[2][z], getFormattedNumber(1, run.largestDiff[z]));
    fillCoefficientsTable(z, run.orders[z], run.coef[z]);
    ExcelEquation polynomial;
    FXString formula =
        polynomial.getExcelEquation(run.orders[z] + 1, run.variable, run.decimals, run.coef[z], run.exponents);
    if (useCommaForDecimal) formula.substitute(".", ",", true);
    setFieldText(excelEqn_TF[z], PipelineRules::finishedFormula(curveFitType, isChecked(lmp_ZELK_formatting_Chk),
                                                                run.variable, formula));
  }
}

// Series 1, the fitted curve: evenly spaced over the data, each point from
// its zone's polynomial. A zone that was not fitted has no curve: its
// points are not a number, which the plots leave out.
void Quillgrid::computeFittedCurve(FitRun& run) {
  const StepClock clock(fitStepTimes, "fitted curve");
  const int m = plotDataCounts[1];
  double* cx = plotDataX[1];
  double* cy = plotDataY[1];
  ZonePolynomial polynomial;
  for (int k = 0; k < m; ++k) {
    cx[k] = m > 1 ? plotXmin + k * (plotXmax - plotXmin) / (m - 1) : plotXmin;
    const int zone = getZoneIndex(run.b, cx[k]);
    if (!run.fitted[zone]) {
      cy[k] = NAN;
      continue;
    }
    if (polynomial.zone != zone) polynomial.load(zone, run.orders[zone], run.coef[zone], run.exponents, run.decimals);
    cy[k] = polynomial.value.getValue(cx[k]);
    const double slope = polynomial.slope.getValue(cx[k]);
    if (slope > 0) run.positiveSlope = true;
    if (slope < 0) run.negativeSlope = true;
    if (cy[k] < plotYmin) plotYmin = cy[k];
    if (cy[k] > plotYmax) plotYmax = cy[k];
  }
}

// The Larson-Miller summary: temperature range, the copy table's cells and
// the note of the fit plots.
void Quillgrid::writeLarsonMillerSummary(FitRun& run) {
  const StepClock clock(fitStepTimes, "Larson-Miller summary");
  if (!run.lmp) return;
  const int n = run.n;
  for (int z = 0; z < n; ++z) {
    if (!run.fitted[z]) continue;
    const FXString minT = getFormattedNumber(1, minTemperature);
    const FXString maxT = getFormattedNumber(1, maxTemperature);
    setFieldText(lmpMinTemperature_TF, minT);
    setFieldText(lmpMaxTemperature_TF, maxT);
    const FXString lower = z == 0 ? getFormattedNumber(3, plotXmin) : fieldText(eqnFit_TF[0][z - 1]);
    const FXString diffText = fieldText(eqnFit_TF[2][z]);
    const FXString r2Text = fieldText(eqnFit_TF[1][z]);
    const FXString equation = fieldText(excelEqn_TF[z]);
    const FXString& cText = run.cText;
    setCell(hiddenLMPStuff_TBL, 0, 2, "'" + cText);
    setCell(hiddenLMPStuff_TBL, 0, 0, "'" + lower);
    setCell(hiddenLMPStuff_TBL, 0, 1, "'" + fieldText(eqnFit_TF[0][z]));
    setCell(hiddenLMPStuff_TBL, 0, 3, "'" + minT);
    setCell(hiddenLMPStuff_TBL, 0, 4, "'" + maxT);
    setCell(hiddenLMPStuff_TBL, z, 5, "'" + diffText + "%");
    setCell(hiddenLMPStuff_TBL, z, 6, equation);
    if (z == 0) {
      const FXString lmpLow = lmpMin_TF ? lmpMin_TF->getTipText() : FXString::null;
      const FXString lmpHigh = lmpMax_TF ? lmpMax_TF->getTipText() : FXString::null;
      if (n == 1) {
        if (authorMode)
          plotNote = FXStringFormat("C = %s     LMP = %s - %s     T = %s - %s     Max. diff. = %s%%\n\n%s",
                                    cText.text(), lmpLow.text(), lmpHigh.text(), minT.text(), maxT.text(),
                                    diffText.text(), equation.text());
        else
          plotNote = FXStringFormat("C = %s     LMP = %s - %s     T = %s - %s     Max. diff. = %s%%     R^2 = %s\n\n%s",
                                    cText.text(), lmpLow.text(), lmpHigh.text(), minT.text(), maxT.text(),
                                    diffText.text(), r2Text.text(), equation.text());
      } else {
        plotNote = FXStringFormat("C = %s     LMP = %s - %s     T = %s - %s     Max. diff. = %s%%", cText.text(),
                                  lmpLow.text(), lmpHigh.text(), minT.text(), maxT.text(),
                                  getFormattedNumber(1, maxAbsPercentDiff).text());
      }
    }
    if (n > 1) {
      const FXString from = getFormattedNumber(3, run.b[z]);
      const FXString to = getFormattedNumber(3, run.b[z + 1]);
      if (authorMode)
        plotNote += FXStringFormat("\n\n%s   %s - %s", equation.text(), from.text(), to.text());
      else
        plotNote +=
            FXStringFormat("\n\n%s   R^2 = %s   %s - %s", equation.text(), r2Text.text(), from.text(), to.text());
    }
  }
  if (run.positiveSlope && lmp_C_TF) lmp_C_TF->setBackColor(YELLOW);
}

// The coefficients adjusted so that neighbouring zones meet, and the two
// equation texts for copying: not adjusted (coefficient row 0) and
// adjusted (row 2). A zone that was not fitted is written as such.
void Quillgrid::writeEquationTexts(FitRun& run) {
  const StepClock clock(fitStepTimes, "adjusted tables, equation texts");
  const int n = run.n;
  // With every y equal no zone holds a smaller one to anchor at: the zones
  // are joined from the first.
  fillAdjustedCoefficientsTables(run.anchorZone < 0 ? 0 : run.anchorZone, run.exponents, run.b, run.coef, 1.0,
                                 run.fitted);

  const double floorMinT = std::floor(minTemperature);
  const double ceilMaxT = std::ceil(maxTemperature);
  const char* headers[2] = {"not adjusted\n", "adjusted\n"};
  const char* separator = authorMode ? "; " : "\n";
  for (int t = 0; t < 2; ++t) {
    FXString text = n > 1 ? headers[t] : "";
    for (int j = 0; j <= n; ++j) {
      // A limit below x = 1 has a negative ln and is converted too.
      const double value = PipelineRules::limitForCopy(
          curveFitType, isChecked(writeBoundaryValuesAsNumbersNotLn_Chk), roundLimitsToWholeNumbers(run.b[j]));
      text += FXStringFormat("t[%d] = %s", j, getFormattedBoundaryValueForOutput(value).text());
      text += separator;
    }
    if (run.lmp && authorMode)
      text += FXStringFormat("// %s, %s, %s, %s", run.cText.text(), FXStringFormat("%.0lf", floorMinT).text(),
                             FXStringFormat("%.0lf", ceilMaxT).text(),
                             getFormattedNumber(0, std::fabs(maxAbsPercentDiff) + 0.5).text());
    if (authorMode) text = authorForm(text);
    for (int z = 0; z < n; ++z) {
      FXString line = "\n" + getEquation(z, "x", t == 1);
      if (authorMode && t == 0) line += FXStringFormat(" // %s%%", getFormattedNumber(1, run.largestDiff[z]).text());
      // The author's form would garble the words of a zone not fitted.
      text += authorMode && run.fitted[z] ? authorForm(line) : line;
    }
    setCell(hiddenLMPStuff_TBL, hiddenTableEqnRows[t], 0, text);
  }
}

// The plots, the copy button, the slope labels, the wheel step and the
// zone markers.
void Quillgrid::finishFitRun(FitRun& run) {
  const StepClock clock(fitStepTimes, "plots, labels, wheel step, markers");
  drawFitPlots(false);
  if (copyEqns_Btn) copyEqns_Btn->enable();
  setEquationSlopeLabels(run.positiveSlope, run.negativeSlope);
  defineMinMouseWheelStepSize();
  drawZoneMarkers(false);
}

// Whether the equations as written carry their fits: each fitted zone's
// coefficients at the chosen decimals, as the tables, formulas and copied
// equations hold them, evaluated on the points the zone's fit took and
// compared with the fit's own values there (the rule of
// eqn::checkWrittenFit). High powers of an x far from 0 cancel to more
// digits than the coefficients hold. The zones whose written equations
// lose the fit are named in one warning per run, with what would help;
// the results stay as shown, as the coefficients in full give them.
void Quillgrid::warnOfEquationsLosingTheirFit(FitRun& run) {
  heldFitWarning = FXString::null;
  if (!plotDataX || !plotDataY) return;
  // The most decimals "# decimals" offers.
  int maxDecimals = run.decimals;
  if (FXListBox* list = numOfDecimalsInCoefficients_LB)
    if (list->getNumItems() > 0) maxDecimals = FXIntVal(list->getItemText(list->getNumItems() - 1), 10);
  FXString zones;
  for (int z = 0; z < run.n; ++z) {
    if (!run.fitted[z] || run.fittedValues[z].size() != run.members[z].size()) continue;
    std::vector<double> fx, fy;
    for (int i : run.members[z]) {
      fx.push_back(plotDataX[0][i]);
      fy.push_back(plotDataY[0][i]);
    }
    const eqn::WrittenFit check = eqn::checkWrittenFit((int)fx.size(), fx.data(), fy.data(),
                                                       run.fittedValues[z].data(), run.coef[z], run.orders[z],
                                                       run.decimals, maxDecimals);
    if (check.carries) continue;
    FXString help;
    if (check.decimalsThatCarry > 0) {
      help = FXStringFormat("%d decimals would carry it", check.decimalsThatCarry);
    } else {
      if (run.orders[z] > 1) help = "a lower order";
      if (run.n < NUM_ZONES) help += help.empty() ? "more equations" : " or more equations";
      help = help.empty() ? FXString("no number of decimals carries it") : help + " would help";
    }
    // R² as its field shows it; one of the size a lost fit can give in
    // exponent form.
    auto r2Text = [this, &check](double r2) {
      if (!check.r2Defined) return FXString(eqn::UNDEFINED_R2_TEXT);
      return std::fabs(r2) < 1e6 ? getFormattedNumber(6, r2) : eqn::roundedText('e', 3, r2);
    };
    zones += FXStringFormat("Eqn. #%d (%s, %s = %s): R^2 of the fit %s, of the written equation %s; %s.\n", z + 1,
                            eqn::fitOrderLabel(run.orders[z]).text(), run.lmp ? "LMP/1000" : "x",
                            zoneRangeText(z).text(), r2Text(check.fitR2).text(), r2Text(check.writtenR2).text(),
                            help.text());
  }
  if (zones.empty()) return;
  const FXString text = FXStringFormat(
      "The coefficients written with %d decimals do not give the curve that was fitted:\n\n%s\n"
      "The R^2, differences and plots shown are those of the coefficients in full; copied equations and "
      "formulas give the R^2 of the written equation.",
      run.decimals, zones.text());
  // A search that fits many times (the Larson-Miller constant) tells only
  // of the fit it ends with.
  if (holdFitWarnings)
    heldFitWarning = text;
  else
    tellEquationsLosingTheirFit(text);
}

void Quillgrid::tellEquationsLosingTheirFit(const FXString& text) {
  ModalSeam::warning(this, MBOX_OK, "Equations lose their fit", text);
}
