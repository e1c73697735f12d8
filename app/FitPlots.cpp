// The fit plots of the Curve Fitting tab: the plot-data arrays handed to
// the nine plots, point colours, the note with the equations, drawing all
// plots after a fit or as blanks, the data source, the coefficient tables'
// show/hide option, the slope labels, the grab of a zone marker and the
// "Save plot" command.
#include <cmath>

#include "DataPlot.h"
#include "Globals.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "Utilities_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
const int NUM_ZONES = 6;
const int NUM_SMALL_PLOTS = 7;
const int LMP_TYPE = 5;
const int LMP_DATA_SOURCE = 2;
const int BLACK_BACKGROUND = 2;
// Pixels of the strip under the fit plot where the zone markers stand,
// and how far from a marker a press still grabs it.
const int MARKER_STRIP = 15;
const int MARKER_GRAB_DISTANCE = 14;
const long long WRITE_PLOT_FILE_DELAY_NS = 500000;

bool isChecked(FXCheckButton* check) { return check && check->getCheck() == TRUE; }

FXString fieldText(FXTextField* field) { return field ? field->getText() : FXString::null; }

void setEnabled(FXWindow* w, bool enabled) {
  if (!w) return;
  if (enabled)
    w->enable();
  else
    w->disable();
}
}  // namespace

// ---- plot-data arrays

void Quillgrid::allocatePlotDataArrays(int n) {
  freePlotDataArrays();
  if (n < 0) n = 0;
  numPlotSeries = n;
  const int canvasThird = fitPlotCanvas ? fitPlotCanvas->getWidth() / 3 : 0;
  const int rows = numRowsWithData < 0 ? 0 : numRowsWithData;
  plotDataCounts = new int[n];
  plotDataX = new double*[n];
  plotDataY = new double*[n];
  plotPointColors = new FXColor*[n];
  for (int s = 0; s < n; ++s) {
    // Series 0 holds the data points; every later one a fitted curve,
    // drawn with at least a point per three pixels.
    const int count = s == 0 ? rows : (canvasThird > rows ? canvasThird : rows);
    plotDataCounts[s] = count;
    plotDataX[s] = new double[count]();
    plotDataY[s] = new double[count]();
    plotPointColors[s] = new FXColor[count];
    for (int k = 0; k < count; ++k) plotPointColors[s][k] = FXRGB(0, 0, 0);
  }
}

void Quillgrid::freePlotDataArrays() {
  if (!plotDataX) return;
  for (int s = 0; s < numPlotSeries; ++s) {
    delete[] plotDataX[s];
    if (plotDataY) delete[] plotDataY[s];
    if (plotPointColors) delete[] plotPointColors[s];
  }
  delete[] plotDataX;
  delete[] plotDataY;
  delete[] plotPointColors;
  delete[] plotDataCounts;
  plotDataX = nullptr;
  plotDataY = nullptr;
  plotPointColors = nullptr;
  plotDataCounts = nullptr;
}

FXColor Quillgrid::getPlotPointColor(unsigned index) {
  if (index < NUM_LMP_TEMP_COLORS) return LMP_TEMP_COLORS[index];
  return plotBackgroundColorIndex == BLACK_BACKGROUND ? argb(0xFFFFFFFF) : argb(0xFF000000);
}

void Quillgrid::setPlotBackgroundColor() {
  if (plotBackgroundColorIndex < 0 || plotBackgroundColorIndex >= NUM_BACK_GROUND_COLORS) plotBackgroundColorIndex = 0;
  for (int k = 0; k < NUM_BACK_GROUND_COLORS; ++k)
    if (plotBackground_RB[k]) plotBackground_RB[k]->setCheck(k == plotBackgroundColorIndex);
}

// ---- note

FXString Quillgrid::zoneRangeText(int z) {
  if (z < 0 || z >= NUM_ZONES) return FXString::null;
  // The limits' own values, not their rounded field texts.
  double lo = z == 0 ? (plotDataX && plotDataX[0] && numRowsWithData > 0 ? plotDataX[0][0] : plotXmin)
                     : fitPlotZoneMarkers_real_x[z - 1];
  double hi = fitPlotZoneMarkers_real_x[z];
  if (curveFitType == 1 || curveFitType == 3) {
    lo = std::exp(lo);
    hi = std::exp(hi);
  } else if (curveFitType == 4 && !isChecked(writeBoundaryValuesAsNumbersNotLn_Chk)) {
    lo = 1.0 / lo;
    hi = 1.0 / hi;
  }
  return getFormattedNumberFoxAxis(0, lo) + " - " + getFormattedNumberFoxAxis(0, hi);
}

FXString Quillgrid::addNewlinesToPlotNote(FXString note) {
  const FXString token = FXStringFormat("%s^", getVariableName().text());
  if (curveFitType == LMP_TYPE) {
    note = plotNote;
  } else if (numRowsWithData > 1 && numEquations > 0 && plotDataX && plotDataX[0]) {
    const int n = numEquations < NUM_ZONES ? numEquations : NUM_ZONES;
    for (int z = 0; z < n; ++z) {
      const FXString range = zoneRangeText(z);
      const FXString formula = fieldText(excelEqn_TF[z]);
      if (authorMode)
        note += FXStringFormat("y %s   %s  Max. diff. = %s%%\n", formula.text(), range.text(),
                               fieldText(eqnFit_TF[2][z]).text());
      else
        note += FXStringFormat("y %s   %s  R^2 = %s   Max. diff. = %s%%\n", formula.text(), range.text(),
                               fieldText(eqnFit_TF[1][z]).text(), fieldText(eqnFit_TF[2][z]).text());
    }
  }
  // Long formulas break after their 4th, 8th and 12th powers.
  for (int k = 4; k <= 12; k += 4) {
    const FXString power = FXStringFormat("%s%d", token.text(), k);
    note.substitute(power + " ", power + "\n", true);
  }
  if (!isChecked(showEquationOnImage_Chk)) note = FXString::null;
  return note;
}

// ---- drawing

void Quillgrid::sizeHalfWidthPlot() {
  if (!fitPlotCanvas || !halfWidthPlotCanvas) return;
  const int w = fitPlotCanvas->getWidth() / 2;
  const int h = fitPlotCanvas->getHeight() / 2;
  if (w > 0 && h > 0 && (halfWidthPlotCanvas->getWidth() != w || halfWidthPlotCanvas->getHeight() != h))
    halfWidthPlotCanvas->resize(w, h);
}

void Quillgrid::drawFitPlots(bool blank) {
  sizeHalfWidthPlot();
  if (isStartingUp || !fitPlotCanvas || !halfWidthPlotCanvas || !fitPlot || !halfWidthPlot) return;
  const int backgroundIndex =
      plotBackgroundColorIndex >= 0 && plotBackgroundColorIndex < NUM_BACK_GROUND_COLORS ? plotBackgroundColorIndex : 0;
  const FXColor background = BACK_GROUND_COLORS[backgroundIndex];

  if (!blank && plotDataX && plotDataY && plotDataCounts && numPlotSeries >= 2 && plotDataCounts[0] > 0) {
    FXString xTitle = "x", yTitle = "y";
    FXColor lineColor = argb(0xFF00FF00);
    if (curveFitType == LMP_TYPE) {
      xTitle = "LMP/1000";
      yTitle = "ln(Stress)";
      lineColor = backgroundIndex == BLACK_BACKGROUND ? argb(0xFFFFFFFF) : argb(0xFF000000);
    }
    const FXString note = addNewlinesToPlotNote(FXString::null);
    const int widths[2] = {0, 1};
    const int sizeIndex = plotPointSize >= 0 && plotPointSize < NUM_PLOT_POINT_SIZES ? plotPointSize : 1;
    const int s = PLOT_POINT_SIZE[sizeIndex];
    const int fullSizes[2] = {s, 0};
    const int halfSizes[2] = {s / 2, 0};
    const int counts[2] = {plotDataCounts[0], plotDataCounts[1]};

    DataPlot* plots[2] = {fitPlot, halfWidthPlot};
    FXCanvas* canvases[2] = {fitPlotCanvas, halfWidthPlotCanvas};
    for (int p = 0; p < 2; ++p) {
      DataPlot* plot = plots[p];
      plot->setData(background, xTitle, yTitle, note, true, -1, -1, useCommaForDecimal, false, counts, plotDataX, 2,
                    plotDataY);
      plot->setLegends(nullptr);
      plot->setMinMax(plotXmin, plotXmax, plotYmin, plotYmax);
      plot->setPlotLineWidth(widths);
      plot->setPlotPointSize(p == 0 ? fullSizes : halfSizes);
      plot->setPlotLineColor(lineColor);
      plot->outlinePoints(true);
      plot->setPlotPointColor(plotPointColors);
      // Every fit type places its note itself: the Larson-Miller summary
      // bottom left, the equations top left.
      plot->setNoteAlignemnt(curveFitType == LMP_TYPE ? DataPlot::BOTTOM_LEFT : DataPlot::TOP_LEFT);
      sizeHalfWidthPlot();
      const StepClock clock(fitStepTimes, p == 0 ? "fit plot" : "half-width plot");
      plot->drawPlot(canvases[p]);
    }

    // Small plot i shows the neighbourhood of boundary i: a quarter of
    // each adjacent zone.
    const int n = numEquations < 1 ? 1 : (numEquations > NUM_ZONES ? NUM_ZONES : numEquations);
    double v[NUM_SMALL_PLOTS];
    v[0] = plotXmin;
    for (int j = 1; j <= n; ++j) v[j] = fitPlotZoneMarkers_real_x[j - 1];
    for (int i = 0; i <= n; ++i) {
      DataPlot* plot = smallPlots[i];
      if (!plot || !smallPlotCanvas[i]) continue;
      plot->setData(background, FXString::null, FXString::null, FXStringFormat("#%d", i), true, -1, -1,
                    useCommaForDecimal, false, counts, plotDataX, 2, plotDataY);
      plot->setLegends(nullptr);
      double lo, hi;
      if (i == 0) {
        lo = v[0];
        hi = v[0] + (v[1] - v[0]) / 4;
      } else if (i == n) {
        lo = v[i] - (v[i] - v[i - 1]) / 4;
        hi = v[i];
      } else {
        lo = v[i] - (v[i] - v[i - 1]) / 4;
        hi = v[i] + (v[i + 1] - v[i]) / 4;
      }
      plot->setMinMax(lo, hi, plotYmin, plotYmax);
      plot->autoScaleY(true);
      plot->setPlotLineWidth(widths);
      plot->setPlotPointSize(fullSizes);
      plot->setPlotLineColor(lineColor);
      plot->outlinePoints(true);
      plot->setPlotPointColor(plotPointColors);
      plot->showAxis(false);
      plot->setNoteAlignemnt(DataPlot::TOP_CENTER);
      const StepClock clock(fitStepTimes, "small plot");
      plot->drawPlot(smallPlotCanvas[i]);
    }
    return;
  }

  const StepClock clock(fitStepTimes, "blank plots");
  freePlotDataArrays();
  fitPlot->setBackgroundColor(background);
  fitPlot->blank(fitPlotCanvas);
  halfWidthPlot->setBackgroundColor(background);
  halfWidthPlot->blank(halfWidthPlotCanvas);
  for (int i = 0; i < NUM_SMALL_PLOTS; ++i) {
    if (!smallPlots[i] || !smallPlotCanvas[i]) continue;
    smallPlots[i]->setBackgroundColor(background);
    smallPlots[i]->blank(smallPlotCanvas[i]);
  }
}

DataPlot* Quillgrid::plotOfCanvas(FXObject* canvas) {
  if (!canvas) return nullptr;
  if (canvas == fitPlotCanvas) return fitPlot;
  if (canvas == halfWidthPlotCanvas) return halfWidthPlot;
  return nullptr;
}

long Quillgrid::onCmdRedrawFitPlots(FXObject* sender, FXSelector, void*) {
  if (redrawFitPlots) {
    drawFitPlots(false);
    redrawFitPlots = false;
    return 1;
  }
  // An exposed canvas is cleared by the display: copy the plot's last
  // picture back, or draw again when the canvas has changed size.
  DataPlot* plot = plotOfCanvas(sender);
  FXCanvas* canvas = static_cast<FXCanvas*>(sender);
  if (!plot || !canvas->id()) return 1;
  FXImage* picture = plot->getImage();
  if (picture && picture->id() && picture->getWidth() == canvas->getWidth() &&
      picture->getHeight() == canvas->getHeight()) {
    FXDCWindow dc(canvas);
    dc.drawImage(picture, 0, 0);
  } else {
    drawFitPlots(false);
    drawZoneMarkers(false);
  }
  return 1;
}

long Quillgrid::onCmdFitPlotImageResize(FXObject*, FXSelector, void*) {
  drawZoneMarkers(false);
  redrawFitPlots = true;
  return 1;
}

// ---- data source, coefficient tables, slope labels

void Quillgrid::setDataSource() {
  if (dataSource < 0 || dataSource >= NUM_DATA_SOURCES) dataSource = 0;
  if (curveFitType == LMP_TYPE) dataSource = LMP_DATA_SOURCE;
  for (int k = 0; k < NUM_DATA_SOURCES; ++k)
    if (dataSource_RB[k]) {
      dataSource_RB[k]->setCheck(k == dataSource);
      // Larson-Miller data come only from their own table, and only the
      // Larson-Miller fit reads that table.
      setEnabled(dataSource_RB[k], curveFitType != LMP_TYPE && k != LMP_DATA_SOURCE);
    }
  dataSourceTable = dataSource == 1 ? xyValues_TBL : curveData_TBL;
  setXYValuesTableHeaders();
}

long Quillgrid::onCmdDataSource(FXObject*, FXSelector sel, void*) {
  dataSource = FXSELID(sel) - ID_DATA_SOURCE_FIRST;
  setDataSource();
  drawFitPlots(true);
  return 1;
}

void Quillgrid::showHideEqnCoefficientTables() {
  if (!eqnTabBook) return;
  if (hideEqnCoefficientTables_Chk && hideEqnCoefficientTables_Chk->getCheck())
    eqnTabBook->hide();
  else
    eqnTabBook->show();
  if (eqnTabBook->getParent()) eqnTabBook->getParent()->recalc();
}

long Quillgrid::onCmdHideEqnCoefficientTables(FXObject*, FXSelector, void*) {
  showHideEqnCoefficientTables();
  return 1;
}

void Quillgrid::setEquationSlopeLabels() { setEquationSlopeLabels(true, false, false); }

void Quillgrid::setEquationSlopeLabels(bool blank, bool positive, bool negative) {
  if (!positiveSlope_Lbl || !negativeSlope_Lbl) return;
  if (blank) {
    positiveSlope_Lbl->setText("Positive slope: ");
    negativeSlope_Lbl->setText("Negative slope: ");
    return;
  }
  positiveSlope_Lbl->setText(positive ? "Positive slope: Y" : "Positive slope: N");
  negativeSlope_Lbl->setText(negative ? "Negative slope: Y" : "Negative slope: N");
  // A Larson-Miller curve should fall everywhere: a rise, or no fall at
  // all, is flagged.
  const bool lmp = curveFitType == LMP_TYPE;
  const FXColor yellow = argb(0xFFFFFF00);
  positiveSlope_Lbl->setBackColor(lmp && positive ? yellow : defaultButtonBackColor);
  negativeSlope_Lbl->setBackColor(lmp && !negative ? yellow : defaultButtonBackColor);
}

// ---- zone marker grab and saving

long Quillgrid::onLeftBtnPressFitPlot(FXObject*, FXSelector, void* ptr) {
  draggedZoneMarker = -1;
  if (!fitPlotCanvas || !fitPlot) return 0;
  // The markers stand in pixels of the fit plot's canvas; the press is
  // read in the same coordinates (the event's, else the pointer's).
  FXint x = 0, y = 0;
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  if (ev) {
    x = ev->win_x;
    y = ev->win_y;
  } else {
    FXuint buttons = 0;
    fitPlotCanvas->getCursorPosition(x, y, buttons);
  }
  if (y < fitPlotCanvas->getHeight() - MARKER_STRIP) return 0;
  // Before the first drawing the plot has no pixel scale.
  if (fitPlot->getXaxisResolutionPerPixel() > 0) {
    for (int i = 0; i < numEquations - 1 && i < NUM_ZONES; ++i) {
      const int px = fitPlot->getPixelsFromRealX(fitPlotZoneMarkers_real_x[i]);
      if (std::abs(px - x) <= MARKER_GRAB_DISTANCE) {
        draggedZoneMarker = i;
        break;
      }
    }
  }
  return 1;
}

long Quillgrid::onCmdSavePlot(FXObject*, FXSelector, void*) {
  if (!Utilities_lom2::saveFile(this, "Save plot", "Bitmap (*.bmp)", "curveFit.bmp", directoryForUserFiles,
                                &saveFileName))
    return 1;
  directoryForUserFiles = FXPath::directory(saveFileName);
  // Let the closed dialog leave the screen before the plot is read back.
  getApp()->flush();
  getApp()->runWhileEvents();
  getApp()->flush();
  getApp()->addTimeout(this, ID_WRITE_PLOT_FILE_TIMER, nsToMs(WRITE_PLOT_FILE_DELAY_NS));
  return 1;
}
