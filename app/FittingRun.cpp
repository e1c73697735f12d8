// The fitting run: reads the rows of the data source, transforms them by
// the curve fit type, splits them into equation zones, fits one polynomial
// per zone and writes every result (differences per row, statistics,
// coefficient tables, formulas, the results table, the Larson-Miller
// summary and the series of the fit plots).
#include <cmath>
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

double fieldNumber(FXTextField* field) { return field ? FXDoubleVal(field->getText()) : 0.0; }

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

// A polynomial of a zone (coefficients in unscaled x) loaded into a
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
}  // namespace

void Quillgrid::getPlotXYData(int n, bool* xOk, bool* yOk, bool* tOk, double* temperatures, FXString* temperatureList,
                              double* xs, double* ys) {
  *xOk = *yOk = *tOk = true;
  plotXmin = plotYmin = 1e99;
  plotXmax = plotYmax = -1e99;
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
  for (int i = 0; i < n; ++i) {
    double x = 0, y = 0;
    if (curveFitType == LMP_TYPE) {
      if (!lmpData_TBL || i >= lmpData_TBL->getNumRows()) break;
      const double time = lmpData_TBL->toDouble(i, 0);
      const double stress = lmpData_TBL->toDouble(i, 1);
      const double T = lmpData_TBL->toDouble(i, 2);
      // A temperature of exactly 0 is accepted (LMP 0).
      if (time <= 0 || stress <= 0 || T < 0) {
        *tOk = false;
        break;
      }
      *tOk = true;
      const double lmp = PipelineRules::lmpValue(time, C, T);
      x = lmp * 0.001;
      y = std::log(stress);
      if (temperatures) temperatures[i] = T;
      const FXString t = FXStringFormat("%.0lf ", T);
      if (list.find(t) < 0) list += t;
      setCell(lmpData_TBL, i, 3, FXStringFormat("%.0lf", lmp));
      if (T < minTemperature) minTemperature = T;
      if (T > maxTemperature) maxTemperature = T;
    } else {
      if (!checkDataSourceIsSetCorrectly() || !dataSourceTable) {
        *xOk = *yOk = false;
        return;
      }
      if (i >= dataSourceTable->getNumRows()) break;
      PipelineRules::transformRow(curveFitType, getConvertedTemperature(dataSourceTable->toDouble(i, 0)),
                                  dataSourceTable->toDouble(i, 1) * yAxisScaleFactor, &x, &y, xOk, yOk);
      if (!*xOk || !*yOk) break;
    }
    if (x < plotXmin) plotXmin = x;
    if (x > plotXmax) plotXmax = x;
    if (y < plotYmin) plotYmin = y;
    if (y > plotYmax) plotYmax = y;
    if (store) {
      xs[i] = x;
      ys[i] = y;
    }
  }
  if (temperatureList) *temperatureList = list;
}

bool Quillgrid::getQuillgrid() {
  // 1. Start from cleared results.
  maxAbsPercentDiff = 0;
  plotNote = FXString::null;
  if (lmp_C_TF) lmp_C_TF->setBackColor(defaultTextFieldBackColor);
  clearCurveFitData();
  if (!checkDataSourceIsSetCorrectly()) return false;

  // 2. The spreadsheet cell that stands for x.
  FXString variable;
  if (excel_cell_TF) {
    FXString cell = excel_cell_TF->getText();
    cell.upper();
    cell.trim();
    excel_cell_TF->setText(cell);
    // Without a cell the formulas would read LN() or (1/): no name.
    if (!cell.empty() || isChecked(lmp_ZELK_formatting_Chk)) variable = getVariableName();
  }
  if (variable.empty() && excel_cell_TF) excel_cell_TF->setBackColor(RED);

  // 3. The Larson-Miller constant and the decimals of the formulas.
  const bool lmp = curveFitType == LMP_TYPE;
  const double C = lmp && lmp_C_TF ? lmp_C_TF->toDouble() : 20.0;
  const FXString cText = fieldText(lmp_C_TF);
  const int decimals = currentItemNumber(numOfDecimalsInCoefficients_LB);

  // 4. Rows to fit.
  numRowsWithData = getNumberOfRowsWithData();
  if (numRowsWithData == 0) {
    drawFitPlots(true);
    ModalSeam::error(this, MBOX_OK, "Missing data",
                     FXStringFormat("You have your data source as %s but there is no data in this table.",
                                    sourceTableName(dataSource)));
    return false;
  }
  const int numPoints = numRowsWithData;

  // 5. Series 0: the transformed data points.
  freePlotDataArrays();
  std::vector<double> temperatures(lmp ? numPoints : 0, 0.0);
  allocatePlotDataArrays(2);
  bool xOk = true, yOk = true, tOk = true;
  FXString temperatureList;
  getPlotXYData(numPoints, &xOk, &yOk, &tOk, lmp ? temperatures.data() : nullptr, &temperatureList, plotDataX[0],
                plotDataY[0]);
  if (!xOk || !yOk || !tOk) {
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

  // 6. The fits see x scaled to order 1; coefficients are scaled back.
  const double s10 = PipelineRules::xScaleFactor(curveFitType, plotXmax);

  // 7. Overlap and zone limits.
  int overlap = currentItemNumber(numOfOverlapPoints_LB);
  if (overlap < 0) overlap = 0;
  if (numEquations < 1) numEquations = 1;
  if (numEquations > NUM_ZONES) numEquations = NUM_ZONES;
  const int n = numEquations;
  drawZoneMarkers(false);

  // 8. Boundaries. The end margins widen the range for either sign, so
  // the smallest and the largest point always lie inside.
  double b[NUM_ZONES + 1];
  PipelineRules::outerZoneLimits(plotXmin, plotXmax, &b[0], &b[n]);
  for (int j = 1; j < n; ++j) b[j] = fieldNumber(eqnFit_TF[0][j - 1]);

  // 9. Sort series 0 by x.
  double* px = plotDataX[0];
  double* py = plotDataY[0];
  if (lmp) {
    assignLMPcellColorIcons(temperatureList);
    shell(px, py, temperatures.data(), plotPointColors[0], numPoints, true);
  } else {
    shell(px, py, numPoints, true);
  }

  // 10. Zones of the sorted points.
  std::vector<double> scaledX(numPoints);
  std::vector<int> zoneOf(numPoints);
  int counts[NUM_ZONES] = {0};
  int first[NUM_ZONES] = {0};
  int previousZone = -1;
  for (int i = 0; i < numPoints; ++i) {
    scaledX[i] = px[i] * s10;
    zoneOf[i] = getZoneIndex(b, px[i]);
    ++counts[zoneOf[i]];
    if (zoneOf[i] != previousZone) first[zoneOf[i]] = i;
    previousZone = zoneOf[i];
  }

  // 11. Zones that may take a fixed intercept.
  bool fixedZone[NUM_ZONES];
  PipelineRules::fixedInterceptZones(b, n, fixedZone);

  // 12. Every zone needs more points than its order.
  int orders[NUM_ZONES];
  for (int z = 0; z < NUM_ZONES; ++z) orders[z] = eqn::clampFitOrder(fit_order[z], eqn::MAX_FIT_ORDER);
  int budgets[NUM_ZONES];
  PipelineRules::pointBudgets(counts, n, overlap, numPoints, budgets);
  for (int j = 0; j < n; ++j)
    if (budgets[j] <= orders[j]) {
      freePlotDataArrays();
      ModalSeam::error(this, MBOX_OK, "Bad boundaries",
                       FXStringFormat("There are not enough points between %s and %s for a %d-order fit (Eqn. #%d) "
                                      "with %d overlap points.",
                                      getFormattedNumberFoxAxis(0, b[j]).text(),
                                      getFormattedNumberFoxAxis(0, b[j + 1]).text(), orders[j], j + 1, overlap));
      return false;
    }

  // 13. One fit per zone.
  double coef[NUM_ZONES][NUM_COEFFICIENTS] = {{0}};
  double unscaled[NUM_ZONES][NUM_COEFFICIENTS] = {{0}};
  double r2[NUM_ZONES] = {0}, adjustedR2[NUM_ZONES] = {0}, chi2[NUM_ZONES] = {0};
  bool fitted[NUM_ZONES] = {false};
  double smallestY = 0;
  for (int i = 0; i < numPoints; ++i)
    if (std::fabs(py[i]) > smallestY) smallestY = std::fabs(py[i]);
  int anchorZone = -1;
  const bool useIntercept = isChecked(setEqnYIntercept_Chk) && (curveFitType == 0 || curveFitType == 2);
  if (equation_Y_intercept_TF) equation_Y_intercept_TF->setBackColor(defaultTextFieldBackColor);
  for (int z = 0; z < n; ++z) {
    std::vector<double> fx, fy;
    for (int i = 0; i < numPoints; ++i) {
      if (!acceptPointInFittingZone(i, zoneOf[i], z, first, overlap)) continue;
      fx.push_back(scaledX[i]);
      fy.push_back(py[i]);
      if (!lmp) plotPointColors[0][i] = getPlotPointColor(static_cast<unsigned>(zoneOf[i]));
      if (py[i] < smallestY) {
        smallestY = py[i];
        anchorZone = z;
      }
    }
    CurveFitting fitting;
    if (useIntercept && fixedZone[z]) {
      FXString intercept = fieldText(equation_Y_intercept_TF);
      intercept.trim();
      if (intercept.empty()) {
        if (equation_Y_intercept_TF) equation_Y_intercept_TF->setBackColor(RED);
        freePlotDataArrays();
        ModalSeam::error(this, MBOX_OK, "Illegal Y-intercept value", "Check your value for the Y-intercept.");
        return false;
      }
      fitted[z] = fitting.leastSquares((int)fx.size(), orders[z], fx.data(), fy.data(), FXDoubleVal(intercept),
                                       coef[z], &chi2[z], &r2[z], &adjustedR2[z]);
    } else {
      fitted[z] = fitting.leastSquares((int)fx.size(), orders[z], fx.data(), fy.data(), coef[z], &chi2[z], &r2[z],
                                       &adjustedR2[z]);
    }
    // A zone that could not be fitted keeps no coefficients.
    for (int k = 0; k < NUM_COEFFICIENTS; ++k) {
      if (!fitted[z] || k > orders[z]) coef[z][k] = 0;
      unscaled[z][k] = coef[z][k] * std::pow(s10, k);
    }
  }
  int exponents[NUM_COEFFICIENTS];
  for (int k = 0; k < NUM_COEFFICIENTS; ++k) exponents[k] = k;

  // 14. Mismatch of neighbouring zones at their common limit.
  double largestDiff[NUM_ZONES] = {0};
  for (int j = 0; j + 1 < n; ++j) {
    if (!fitted[j] || !fitted[j + 1]) continue;
    const double v = fieldNumber(eqnFit_TF[0][j]);
    ZonePolynomial p1, p2;
    p1.load(j, orders[j], unscaled[j], exponents, decimals);
    p2.load(j + 1, orders[j + 1], unscaled[j + 1], exponents, decimals);
    double y1 = p1.value.getValue(v), y2 = p2.value.getValue(v);
    if (lmp) {
      y1 = std::exp(y1);
      y2 = std::exp(y2);
    }
    if (y1 != 0) setFieldText(eqnFit_TF[3][j], FXStringFormat("%.4lf%%", (y1 - y2) * 100 / y1));
  }

  // 15. Fitted values go into the XY table only when they are in its units.
  const bool keepFitOutOfXYTable =
      isChecked(xAxisIsTemperature_Chk) || std::fabs(1 - yAxisScaleFactor) > 1e-50;
  if (copyConvertedTableAll_Btn) copyConvertedTableAll_Btn->enable();
  if (copyConvertedTableXY_Btn) copyConvertedTableXY_Btn->enable();

  // 16. Per source row, in table order: fit, difference, results table.
  bool positiveSlope = false, negativeSlope = false;
  double smallestV = 1000000, largestV = 0;
  ZonePolynomial rowPolynomial;
  const bool xyTable = dataSourceTable == xyValues_TBL;
  const int diffColumn = xyTable ? 3 : 2;
  for (int j = 0; j < numPoints; ++j) {
    double x = 0, y = 0, fit = 0, d = 0;
    bool haveDiff = false;
    int zone;
    if (lmp) {
      const double time = lmpData_TBL->toDouble(j, 0);
      const double stress = lmpData_TBL->toDouble(j, 1);
      const double T = lmpData_TBL->toDouble(j, 2);
      x = (std::log10(time) + C) * T * 0.001;
      zone = getZoneIndex(b, x);
      if (rowPolynomial.zone != zone) rowPolynomial.load(zone, orders[zone], unscaled[zone], exponents, decimals);
      y = stress;
      if (fitted[zone]) {
        fit = std::exp(rowPolynomial.value.getValue(x));
        const double slope = rowPolynomial.slope.getValue(x);
        if (slope > 0) positiveSlope = true;
        if (slope < 0) negativeSlope = true;
        if (stress != 0) {
          d = (stress - fit) * 100 / stress;
          haveDiff = true;
          setCell(lmpData_TBL, j, 4, FXStringFormat("%.*lf", 1, d));
          keepLarger(largestDiff[zone], d);
          keepLarger(maxAbsPercentDiff, d);
        }
      }
      if (x < smallestV) {
        smallestV = x;
        setFieldText(lmpMin_TF, getFormattedBoundaryValueForOutput(std::floor(x * 1000) / 1000));
        if (lmpMin_TF) lmpMin_TF->setTipText(getFormattedBoundaryValueForOutput(x));
      }
      if (x > largestV) {
        largestV = x;
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
      zone = getZoneIndex(b, x);
      if (rowPolynomial.zone != zone) rowPolynomial.load(zone, orders[zone], unscaled[zone], exponents, decimals);
      if (fitted[zone]) {
        fit = rowPolynomial.value.getValue(x);
        if (curveFitType >= 2) fit = std::exp(fit);
        if (y != 0) {
          d = (y - fit) * 100 / y;
          haveDiff = true;
          keepLarger(largestDiff[zone], d);
          setCell(dataSourceTable, j, diffColumn, FXStringFormat("%.*lf", 1, d));
        }
        if (xyTable && !keepFitOutOfXYTable) setCell(dataSourceTable, j, 2, getFormattedNumberFoxAxis(1, fit));
      }
    }
    setCell(convertedXYValues_TBL, j, 0, getFormattedBoundaryValueForOutput(x));
    setCell(convertedXYValues_TBL, j, 1, getFormattedNumberFoxAxis(1, y));
    if (fitted[zone]) setCell(convertedXYValues_TBL, j, 2, getFormattedNumberFoxAxis(1, fit));
    if (haveDiff) setCell(convertedXYValues_TBL, j, 3, FXStringFormat("%.*lf", 1, d));
  }

  // 17. The fitted curve's x positions, evenly over the data.
  if (lmp) fitPlotZoneMarkers_real_x[n - 1] = largestV;
  const int m = plotDataCounts[1];
  double* cx = plotDataX[1];
  double* cy = plotDataY[1];
  std::vector<int> curveZone(m);
  for (int k = 0; k < m; ++k) {
    cx[k] = m > 1 ? plotXmin + k * (plotXmax - plotXmin) / (m - 1) : plotXmin;
    curveZone[k] = getZoneIndex(b, cx[k]);
  }

  // 18. Per zone: statistics, coefficients, formula, fitted curve.
  for (int z = 0; z < n; ++z) {
    if (!fitted[z]) {
      setFieldText(excelEqn_TF[z], "error - not fitted");
      continue;
    }
    setFieldText(eqnFit_TF[1][z], getFormattedNumber(6, r2[z]));
    setFieldText(eqnFit_TF[2][z], getFormattedNumber(1, largestDiff[z]));
    fillCoefficientsTable(z, orders[z], unscaled[z]);

    ZonePolynomial polynomial;
    FXString formula = polynomial.value.getExcelEquation(orders[z] + 1, variable, decimals, unscaled[z], exponents);
    polynomial.slope.getExcelEquationDerivative(orders[z] + 1, variable, decimals, unscaled[z], exponents);
    if (useCommaForDecimal) formula.substitute(".", ",", true);
    setFieldText(excelEqn_TF[z],
                 PipelineRules::finishedFormula(curveFitType, isChecked(lmp_ZELK_formatting_Chk), variable, formula));

    for (int k = 0; k < m; ++k) {
      if (curveZone[k] != z) continue;
      cy[k] = polynomial.value.getValue(cx[k]);
      const double slope = polynomial.slope.getValue(cx[k]);
      if (slope > 0) positiveSlope = true;
      if (slope < 0) negativeSlope = true;
      if (cy[k] < plotYmin) plotYmin = cy[k];
      if (cy[k] > plotYmax) plotYmax = cy[k];
    }

    if (lmp) {
      const FXString minT = getFormattedNumber(1, minTemperature);
      const FXString maxT = getFormattedNumber(1, maxTemperature);
      setFieldText(lmpMinTemperature_TF, minT);
      setFieldText(lmpMaxTemperature_TF, maxT);
      const FXString lower = z == 0 ? getFormattedNumber(3, plotXmin) : fieldText(eqnFit_TF[0][z - 1]);
      const FXString diffText = fieldText(eqnFit_TF[2][z]);
      const FXString r2Text = fieldText(eqnFit_TF[1][z]);
      const FXString equation = fieldText(excelEqn_TF[z]);
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
            plotNote = FXStringFormat(
                "C = %s     LMP = %s - %s     T = %s - %s     Max. diff. = %s%%     R^2 = %s\n\n%s", cText.text(),
                lmpLow.text(), lmpHigh.text(), minT.text(), maxT.text(), diffText.text(), r2Text.text(),
                equation.text());
        } else {
          plotNote = FXStringFormat("C = %s     LMP = %s - %s     T = %s - %s     Max. diff. = %s%%", cText.text(),
                                    lmpLow.text(), lmpHigh.text(), minT.text(), maxT.text(),
                                    getFormattedNumber(1, maxAbsPercentDiff).text());
        }
      }
      if (n > 1) {
        const FXString from = getFormattedNumber(3, b[z]);
        const FXString to = getFormattedNumber(3, b[z + 1]);
        if (authorMode)
          plotNote += FXStringFormat("\n\n%s   %s - %s", equation.text(), from.text(), to.text());
        else
          plotNote += FXStringFormat("\n\n%s   R^2 = %s   %s - %s", equation.text(), r2Text.text(), from.text(),
                                     to.text());
      }
      if (positiveSlope && lmp_C_TF) lmp_C_TF->setBackColor(YELLOW);
    }
  }

  // 19. Whole-degree temperature range for the copied equations.
  const double floorMinT = std::floor(minTemperature);
  const double ceilMaxT = std::ceil(maxTemperature);

  // 20. Coefficients adjusted so that neighbouring zones meet.
  fillAdjustedCoefficientsTables(anchorZone, exponents, b, coef, s10);

  // 21. The equation texts for copying: not adjusted and adjusted.
  FXString texts[2];
  const char* headers[2] = {"not adjusted\n", "adjusted\n"};
  const char* separator = authorMode ? "; " : "\n";
  for (int t = 0; t < 2; ++t) {
    if (n > 1) texts[t] = headers[t];
    for (int j = 0; j <= n; ++j) {
      // A limit below x = 1 has a negative ln and is converted too.
      const double value = PipelineRules::limitForCopy(
          curveFitType, isChecked(writeBoundaryValuesAsNumbersNotLn_Chk), roundLimitsToWholeNumbers(b[j]));
      texts[t] += FXStringFormat("t[%d] = %s", j, getFormattedBoundaryValueForOutput(value).text());
      texts[t] += separator;
    }
    if (lmp && authorMode)
      texts[t] += FXStringFormat("// %s, %s, %s, %s", cText.text(), FXStringFormat("%.0lf", floorMinT).text(),
                                 FXStringFormat("%.0lf", ceilMaxT).text(),
                                 getFormattedNumber(0, std::fabs(maxAbsPercentDiff) + 0.5).text());
    for (int z = 0; z < n; ++z) {
      texts[t] += "\n";
      texts[t] += getEquation(z, "x", t == 1);
      if (authorMode && t == 0)
        texts[t] += FXStringFormat(" // %s%%", getFormattedNumber(1, largestDiff[z]).text());
    }
    if (authorMode) {
      texts[t].substitute("*x", "x", true);
      texts[t].substitute("x^", "x", true);
      texts[t].substitute("e", "E", true);
      texts[t].substitute("Eqn", "eqn", true);
      texts[t].substitute("adjustEd", "adjusted", true);
    }
    setCell(hiddenLMPStuff_TBL, hiddenTableEqnRows[t], 0, texts[t]);
  }

  // 22. Plots, copy button, slope labels, wheel step, markers.
  drawFitPlots(false);
  if (copyEqns_Btn) copyEqns_Btn->enable();
  setEquationSlopeLabels(positiveSlope, negativeSlope);
  defineMinMouseWheelStepSize();
  drawZoneMarkers(false);
  return true;
}
