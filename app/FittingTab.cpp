// The Curve Fitting tab: its widget tree, the handlers of the fit
// controls, the reaction to switching tabs, and the rules that enable and
// show the controls of each curve fit type.
#include <cmath>

#include <fxkeys.h>

#include "DataPlot.h"
#include "FittedScrollWindow.h"
#include "Globals.h"
#include "MenuButtonWin10Style.h"
#include "MenuTitleWin10Style.h"
#include "PlotCanvas.h"
#include "Quillgrid.h"
#include "ResultField.h"
#include "Table_lom2.h"
#include "TextField_lom2.h"
#include "TextInput_lom2.h"
#include "WrapFrame.h"
#include "fox16.h"

using namespace FX;

namespace {
const FXuint FIELD_OPTS = FRAME_SUNKEN | FRAME_THICK | JUSTIFY_CENTER_X;
const FXuint READ_ONLY_FIELD_OPTS = FIELD_OPTS | TEXTFIELD_READONLY;
const FXColor FIT_TAB_GREEN = argb(0xFFC8FFC8);
const FXColor HIGHLIGHT_YELLOW = argb(0xFFFFFF00);
const int NUM_ZONES = 6;
const int NUM_SMALL_PLOTS = 7;
const int NUM_CURVE_FIT_TYPES = 6;
const int LMP_TYPE = 5;
const int LMP_DATA_SOURCE = 2;
// Columns of the zone-limit fields: room for "-1.000000e+100".
const int ZONE_LIMIT_COLUMNS = 14;
// Columns of the y scale factor: room for a factor such as "2.540000e+00".
const int SCALE_FACTOR_COLUMNS = 14;
// Pixels per click on the arrows of the fitting controls' scroll bar.
const int CONTROLS_LINE_STEP = 64;
// The fit plot's height that the fitting controls leave it at least.
const int LEAST_PLOT_HEIGHT = 120;

// The radios of the fit types, in their order on the screen, with the
// fit type each stands for.
const struct {
  const char* text;
  int type;
} CURVE_FIT_TYPE_RADIOS[NUM_CURVE_FIT_TYPES] = {{"x vs y", 0},         {"x vs ln(y)", 2},   {"ln(x) vs y", 1},
                                                {"ln(x) vs ln(y)", 3}, {"1/x vs ln(y)", 4}, {"LMP", 5}};
const int OVERLAP_POINTS[] = {0, 2, 4, 8, 10, 15, 20, 30, 50, 75, 100, 200};
const char* PASTE_TIPS[3] = {"Paste image from clipboard", "Paste values into the xy values table",
                             "Paste values into the LMP table"};
const char* PLOT_BACKGROUND_NAMES[3] = {"White", "Gray", "Black"};

FXGroupBox* groove(FXComposite* parent, const FXString& title, FXuint extra = 0) {
  return new FXGroupBox(parent, title, GROUPBOX_TITLE_LEFT | FRAME_GROOVE | extra);
}

// A list of the numbers first..last written "   %d   ", all visible.
FXListBox* numberList(FXComposite* parent, FXObject* target, FXSelector id, int first, int last) {
  FXListBox* list = new FXListBox(parent, target, id, FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL);
  for (int v = first; v <= last; ++v) list->appendItem(FXStringFormat("   %d   ", v));
  list->setNumVisible(last - first + 1);
  return list;
}

void setEnabled(FXWindow* w, bool enabled) {
  if (!w) return;
  if (enabled)
    w->enable();
  else
    w->disable();
}

}  // namespace

void Quillgrid::setShown(FXWindow* w, bool shown) {
  if (!w) return;
  if (shown)
    w->show();
  else
    w->hide();
  w->recalc();
}

namespace {
FXTextField* tipField(FXComposite* parent, int columns, const FXString& tip) {
  FXTextField* field = new ResultField(parent, columns, nullptr, 0, READ_ONLY_FIELD_OPTS);
  field->setTipText(tip);
  return field;
}
}  // namespace

void Quillgrid::setUpFittingTab() {
  FXComposite* tab = curveFittingTabFrame;
  if (!tab) return;

  // 1. The plots; the destructor deletes them.
  if (!fitPlot) fitPlot = new DataPlot(this);
  if (!halfWidthPlot) halfWidthPlot = new DataPlot(this);
  for (DataPlot*& plot : smallPlots)
    if (!plot) plot = new DataPlot(this);

  // 2. Plots and controls on the left, small plots on the right.
  FXHorizontalFrame* outer = new FXHorizontalFrame(tab, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, DEFAULT_SPACING,
                                                   DEFAULT_SPACING, DEFAULT_SPACING, DEFAULT_SPACING, 4, 4);
  FXHorizontalFrame* plotSide = new FXHorizontalFrame(outer, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
  FXVerticalFrame* plotColumn =
      new FXVerticalFrame(plotSide, LAYOUT_FILL_X | LAYOUT_FILL_Y, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);
  fitPlotCanvas = new FXCanvas(plotColumn, this, ID_FIT_PLOT, FRAME_THICK | LAYOUT_FILL_X | LAYOUT_FILL_Y);
  halfWidthPlotCanvas = new FXCanvas(plotColumn, this, ID_FIT_PLOT,
                                     FRAME_THICK | LAYOUT_FILL_X | LAYOUT_FILL_Y | LAYOUT_FIX_WIDTH, 0, 0, 400, 0);
  halfWidthPlotCanvas->hide();

  // The controls under the plot: the window asks for the width of all of
  // them side by side; where it is narrower the groups go on in further
  // lines, and only a view narrower than the widest group scrolls sideways.
  // On a screen too low for the plot and all of them, they scroll up and
  // down and leave the plot its least height.
  FittedScrollWindow* controlsScroll = new FittedScrollWindow(plotColumn, LAYOUT_FILL_X, CONTROLS_LINE_STEP);
  controlsScroll->keepRoomForSiblings(LEAST_PLOT_HEIGHT);
  fittingControlsScroll = controlsScroll;
  controlsScroll->setBackColor(plotColumn->getBackColor());
  FXVerticalFrame* controlsHolder = new FXVerticalFrame(controlsScroll, LAYOUT_FILL_X, 0, 0, 0, 0, 0, 0, 0, 0);
  FXVerticalFrame* controls = new FXVerticalFrame(controlsHolder, LAYOUT_FILL_X, 0, 0, 0, 0, 4, 4, 4, 4, 4, 4);

  // The fitting grid and the fit options: the option rows beside the grid,
  // or under it where the width runs out.
  FXGroupBox* fittingControls = groove(controls, "Fitting controls", LAYOUT_FILL_X);
  WrapFrame* fittingRow = new WrapFrame(fittingControls, LAYOUT_FILL_X, 0, 0, DEFAULT_SPACING, DEFAULT_SPACING, 4, 4);
  FXMatrix* grid = new FXMatrix(fittingRow, 6, MATRIX_BY_ROWS | PACK_UNIFORM_WIDTH, 0, 0, 0, 0, 0, 0, 0, 0);
  new FXLabel(grid, " ");
  for (int r = 0; r < NUM_FIT_EQN_TABLE_ROWS; ++r) fitEqnTableRow_Lbl[r] = new FXLabel(grid, FIT_EQN_TABLE_ROW_NAMES[r]);
  for (int z = 0; z < NUM_ZONES; ++z) {
    new FXLabel(grid, FXStringFormat("Eqn. #%d", z + 1), nullptr, LABEL_NORMAL | JUSTIFY_CENTER_X);
    eqnFit_TF[0][z] = new ResultField(grid, ZONE_LIMIT_COLUMNS, this, ID_ZONE_LIMIT_FIRST + z, READ_ONLY_FIELD_OPTS);
    eqnFit_TF[1][z] = tipField(grid, 12, "R^2 and adjusted R^2 values for the the least squares curve fit");
    eqnFit_TF[2][z] = tipField(grid, 12, "maximum error between the data points and the fit");
    eqnFit_TF[3][z] = tipField(grid, 12, "error between the 2 equations");
    FXHorizontalFrame* orderFrame = new FXHorizontalFrame(grid, 0, 0, 0, 0, 0, 0, 0, 0, 0);
    increaseFitOrder_Btn[z] = new FXArrowButton(orderFrame, this, ID_INCREASE_FIT_ORDER,
                                                FRAME_RAISED | FRAME_THICK | ARROW_UP | LAYOUT_FIX_WIDTH |
                                                    LAYOUT_FIX_HEIGHT,
                                                0, 0, 20, 20);
    increaseFitOrder_Btn[z]->setTipText("Increase the fit order");
    decreaseFitOrder_Btn[z] = new FXArrowButton(orderFrame, this, ID_DECREASE_FIT_ORDER,
                                                FRAME_RAISED | FRAME_THICK | ARROW_DOWN | LAYOUT_FIX_WIDTH |
                                                    LAYOUT_FIX_HEIGHT,
                                                0, 0, 20, 20);
    decreaseFitOrder_Btn[z]->setTipText("Decrease the fit order");
    fitOrder_Lbl[z] = new FXLabel(orderFrame, "1st order");
  }

  // Row two under row one, or beside it where that saves height.
  WrapFrame* optionRows = new WrapFrame(fittingRow, 0, 0, 0, 0, 0, 0, 0);
  FXHorizontalFrame* rowOne = new FXHorizontalFrame(optionRows, 0, 0, 0, 0, 0, DEFAULT_SPACING, DEFAULT_SPACING,
                                                    DEFAULT_SPACING, DEFAULT_SPACING, 4, 4);
  FXMatrix* typeMatrix = new FXMatrix(groove(rowOne, "Curve fit type"), 2, MATRIX_BY_COLUMNS);
  if (!curveFitType_RB) curveFitType_RB = new FXRadioButton*[NUM_CURVE_FIT_TYPES];
  for (const auto& radio : CURVE_FIT_TYPE_RADIOS)
    curveFitType_RB[radio.type] = new FXRadioButton(typeMatrix, radio.text, this, ID_CURVE_FIT_TYPE);

  FXGroupBox* interceptGroup = groove(rowOne, "Y-Intercept", LAYOUT_FILL_Y);
  setEqnYIntercept_Chk = new FXCheckButton(interceptGroup, "Set", this, ID_SET_Y_INTERCEPT);
  setEqnYIntercept_Chk->setTipText("Set the y-intercept of the equation.");
  equation_Y_intercept_TF = new TextInput_lom2(interceptGroup, 7, this, ID_Y_INTERCEPT_FIELD, FIELD_OPTS);

  FXMatrix* sourceMatrix = new FXMatrix(groove(rowOne, "Data source"), 3, MATRIX_BY_ROWS);
  for (int k = 0; k < NUM_DATA_SOURCES; ++k)
    dataSource_RB[k] = new FXRadioButton(sourceMatrix, DATA_SOURCE_NAMES[k], this, ID_DATA_SOURCE_FIRST + k);

  lmpConstant_GB = groove(rowOne, "LMP constant", LAYOUT_FILL_Y);
  FXHorizontalFrame* cLine = new FXHorizontalFrame(lmpConstant_GB, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  new FXLabel(cLine, "C =");
  lmp_C_TF = new TextField_lom2(cLine, 7, this, ID_LMP_CONSTANT, FIELD_OPTS | TEXTFIELD_REAL, useCommaForDecimal);
  lmp_C_TF->setText("20");
  lmp_C_TF->setTipText("If this cell is yellow it means the slope of the curve is positive somewhere.");
  autoFitLMP_Btn = new FXButton(cLine, "Auto-fit", nullptr, this, ID_AUTO_FIT_LMP);
  lmpMouseWheelStepSizeOfp1_Chk = new FXCheckButton(lmpConstant_GB, "0.1/0.02 step", this, ID_LMP_STEP_SIZE);
  lmpMouseWheelStepSizeOfp1_Chk->setTipText(
      "if checked the mousewheel step size is changed from 0.5 to 0.1 above 10 or from 0.1 to 0.02 below 10\n"
      "you can also hold down the CTRL key to accomplish this");

  WrapFrame* rowTwo = new WrapFrame(optionRows, 0, 4, 4, 4, 4, 4, 4);
  FXVerticalFrame* buttons = new FXVerticalFrame(rowTwo, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  fitData_Btn = new FXButton(buttons, "    Fit data    ", nullptr, this, ID_FIT_DATA, BUTTON_NORMAL | LAYOUT_FILL_X);
  fitData_Btn->setTipText("Fit the data to a polynominal");
  fitData_Btn->setBackColor(FIT_TAB_GREEN);
  copyEqns_Btn = new FXButton(buttons, COPY_EQNS_TXT, nullptr, this, ID_COPY_EQUATIONS, BUTTON_NORMAL | LAYOUT_FILL_X);

  numOfEquations_LB = numberList(groove(rowTwo, "# equations"), this, ID_NUM_EQUATIONS, 1, 6);
  numOfEquations_LB->setCurrentItem(1);
  maxFitOrder_LB = numberList(groove(rowTwo, "Max fit order"), this, ID_MAX_FIT_ORDER, 1, 15);
  maxFitOrder_LB->setCurrentItem(3);
  numOfOverlapPoints_LB = new FXListBox(groove(rowTwo, "# overlap pts"), this, ID_OVERLAP_POINTS,
                                        FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL);
  for (int points : OVERLAP_POINTS) numOfOverlapPoints_LB->appendItem(FXStringFormat("%7d", points));
  numOfOverlapPoints_LB->setNumVisible(numOfOverlapPoints_LB->getNumItems());
  numOfOverlapPoints_LB->setCurrentItem(1);
  FXVerticalFrame* slopes = new FXVerticalFrame(rowTwo);
  positiveSlope_Lbl = new FXLabel(slopes, "Positive slope: N");
  negativeSlope_Lbl = new FXLabel(slopes, "Negative slope: N");
  setEquationSlopeLabels();

  // Equation output options and plot options.
  WrapFrame* options = new WrapFrame(controls, LAYOUT_FILL_X, 4, 4, 4, 4, 4, 4);
  excel_cell_TF = new TextInput_lom2(groove(options, "Excel cell for 'x'"), 9, this, ID_EXCEL_CELL, FIELD_OPTS);
  excel_cell_TF->setTipText("Excel reference cell where the x variable\nwill be in the spreadsheet");

  FXVerticalFrame* formatChecks = new FXVerticalFrame(options);
  lmp_ZELK_formatting_Chk = new FXCheckButton(formatChecks, "Simple eqn format", this, ID_SIMPLE_EQN_FORMAT);
  lmp_ZELK_formatting_Chk->setTipText("Use the \"simple\" format for the equation");
  fillEmptyCellsWithZeros_Chk = new FXCheckButton(formatChecks, "Fill unused coeff. with 0.0", this, ID_FIT_DATA);
  showEquationOnImage_Chk = new FXCheckButton(formatChecks, "Display eqn(s) on plot", this, ID_FIT_DATA);

  FXVerticalFrame* limitChecks = new FXVerticalFrame(options);
  adjustEquationsWhenCopying_Chk = new FXCheckButton(limitChecks, "Adjust eqns when copying");
  adjustEquationsWhenCopying_Chk->setTipText("Adjust the equations so the mismatchs are 0");
  writeBoundaryValuesAsNumbersNotLn_Chk =
      new FXCheckButton(limitChecks, "Eqn. limits as x not ln(x)", this, ID_FIT_DATA);
  writeBoundaryValuesAsNumbersNotLn_Chk->setTipText(FXStringFormat(
      "Have the \"%s\" return the x values a the x-value not as ln(x) when appropiate", COPY_EQNS_TXT.text()));
  forceXBoundariesToWholeNumbers_Chk = new FXCheckButton(limitChecks, "Eqn. limits as integers", this, ID_FIT_DATA);
  forceXBoundariesToWholeNumbers_Chk->setTipText(
      FXStringFormat("Force the equation limits to be whole numbers when you min x is larger than %.0lf and you "
                     "max x is larger than %.0lf",
                     1.0, 100.0));

  FXMatrix* backgroundMatrix = new FXMatrix(groove(options, "Plot background", LAYOUT_FILL_Y), 2, MATRIX_BY_COLUMNS);
  for (int k = 0; k < NUM_BACK_GROUND_COLORS; ++k)
    plotBackground_RB[k] = new FXRadioButton(backgroundMatrix, PLOT_BACKGROUND_NAMES[k], this, ID_PLOT_BACKGROUND_COLOR);

  FXMatrix* sizeMatrix = new FXMatrix(groove(options, "Point size", LAYOUT_FILL_Y), 2, MATRIX_BY_COLUMNS);
  if (!plotPointSize_RB) plotPointSize_RB = new FXRadioButton*[NUM_PLOT_POINT_SIZES];
  for (int k = 0; k < NUM_PLOT_POINT_SIZES; ++k)
    plotPointSize_RB[k] = new FXRadioButton(sizeMatrix, PLOT_POINT_SIZE_NAMES[k], this, ID_PLOT_POINT_SIZE);

  fitPlotFontSize_LB = numberList(groove(options, "Font size"), this, ID_FONT_SIZE, 8, 20);
  numOfDecimalsInCoefficients_LB = numberList(groove(options, "# decimals"), this, ID_NUM_DECIMALS, 2, 20);

  // The temperature conversion and the y-scaling, one under the other
  // where the line is short.
  WrapFrame* scaling = new WrapFrame(groove(options, "Axis scaling", LAYOUT_FILL_X), LAYOUT_FILL_X, 0, 0, 0, 0,
                                     DEFAULT_SPACING, DEFAULT_SPACING);
  FXHorizontalFrame* temperature = new FXHorizontalFrame(scaling, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  xAxisIsTemperature_Chk = new FXCheckButton(temperature, "x is T", this, ID_X_IS_TEMPERATURE);
  xAxisIsTemperature_Chk->setTipText(
      "Check this if your x-values are temperatures AND you want to convert\n"
      "them from Celsius or Fahrenheit to Kelvin before fitting.\n"
      "The equation will then require Kelvin as the input value.");
  temperatureScale_LB =
      new FXListBox(temperature, this, ID_TEMPERATURE_UNITS, FRAME_SUNKEN | FRAME_THICK | LISTBOX_NORMAL);
  for (const FXString& name : TEMPERATURE_CONVERSION_NAMES) temperatureScale_LB->appendItem(name);
  temperatureScale_LB->setNumVisible(NUM_TEMPERATURE_CONVERSIONS);
  FXHorizontalFrame* yScaling = new FXHorizontalFrame(scaling, 0, 0, 0, 0, 0, 0, 0, 0, 0);
  new FXLabel(yScaling, "y-scaling");
  y_axisScaleFactor =
      new TextField_lom2(yScaling, SCALE_FACTOR_COLUMNS, this, ID_Y_SCALE_FIELD, FIELD_OPTS | TEXTFIELD_REAL,
                         useCommaForDecimal);
  y_axisScaleFactor->setText("1.0");
  y_axisScaleFactor->setTipText("Factor to multiply the y-values. Useful for changing units.");

  // The source of "Copy eqns.": never shown.
  hiddenLMPStuff_TBL = new FXTable(options, nullptr, 0, LAYOUT_FIX_WIDTH | TABLE_ROW_RENUMBER, 0, 0, 400, 0);
  hiddenLMPStuff_TBL->setTableSize(9, 7);
  hiddenLMPStuff_TBL->setEditable(FALSE);
  const char* hiddenHeaders[7] = {"Min LMP", "Max LMP", "C", "Min TK", "Max TK", "Max % error", "Eqn"};
  for (int c = 0; c < 7; ++c) hiddenLMPStuff_TBL->setColumnText(c, hiddenHeaders[c]);
  hiddenLMPStuff_TBL->setRowHeaderWidth(20);
  hiddenLMPStuff_TBL->hide();
  hiddenTableEqnRows[0] = 1;
  hiddenTableEqnRows[1] = 2;

  // The small plots around the zone boundaries.
  FXHorizontalFrame* smallSide = new FXHorizontalFrame(outer, LAYOUT_FILL_Y, 0, 0, 0, 0, 0, 0, 0, 0);
  FXScrollWindow* smallScroll =
      new FXScrollWindow(smallSide, VSCROLLER_ALWAYS | HSCROLLING_OFF | SCROLLERS_DONT_TRACK | LAYOUT_FILL_Y);
  smallScroll->setBackColor(plotColumn->getBackColor());
  // One column, which the scroll bar runs through: with more zones the
  // plots do not take room from the fitting controls beside them.
  FXMatrix* smallMatrix = new FXMatrix(smallScroll, 1, MATRIX_BY_COLUMNS, 0, 0, 0, 0, 0, 0, 0, 0);
  for (int i = 0; i < NUM_SMALL_PLOTS; ++i) {
    smallPlotFrame[i] = new FXVerticalFrame(smallMatrix, FRAME_NORMAL | LAYOUT_FIX_WIDTH | LAYOUT_FIX_HEIGHT, 0, 0,
                                            200, 200, 0, 0, 0, 0);
    smallPlotCanvas[i] = new PlotCanvas(smallPlotFrame[i], smallPlots[i], LAYOUT_FILL_X | LAYOUT_FILL_Y);
  }

  // 3. One page per equation with its formula and coefficient table.
  eqnTabBook = new FXTabBook(tab, this, ID_TABS, FRAME_THICK | LAYOUT_FILL_X);
  for (int z = 0; z < NUM_ZONES; ++z) {
    eqnTab[z] = new FXTabItem(eqnTabBook, FXStringFormat("Equation #%d", z + 1));
    FXVerticalFrame* page = new FXVerticalFrame(eqnTabBook, LAYOUT_FILL_X | LAYOUT_FILL_Y);
    FXHorizontalFrame* line =
        new FXHorizontalFrame(page, LAYOUT_FILL_X, 0, 0, 0, 0, DEFAULT_SPACING, DEFAULT_SPACING, DEFAULT_SPACING,
                              DEFAULT_SPACING, 10, 10);
    excelEqn_TF[z] = new ResultField(line, 50, this, ID_EXCEL_EQUATION_FIRST + z, READ_ONLY_FIELD_OPTS);
    FXHorizontalFrame* tableFrame = new FXHorizontalFrame(line, LAYOUT_FILL_X);
    coefficients_TBL[z] = new FXTable(tableFrame, nullptr, 0, LAYOUT_FILL_X);
    setUpCurveCoefficientsTable(z);
  }
}

long Quillgrid::onCmdTabs(FXObject* sender, FXSelector, void*) {
  const int current = tabBook ? tabBook->getCurrent() : -1;
  if (current >= 0 && current <= 2 && paste_TB) {
    paste_TB->setTarget(this);
    paste_TB->setSelector(ID_PASTE);
    paste_TB->setTipText(PASTE_TIPS[current]);
  }
  if (current == 0) {
    setEnabled(includeRotationOnImage_Chk, true);
    setEnabled(savePlotMenuTitle, image != nullptr);
  } else if (current == 1 || current == 2) {
    setEnabled(savePlotMenuTitle, false);
    Table_lom2* table = current == 1 ? xyValues_TBL : lmpData_TBL;
    if (table && table->getNumRows() > 0 && table->getNumColumns() > 0) {
      table->setCurrentItem(0, 0, FALSE);
      table->selectRange(0, 0, 0, 0, FALSE);
    }
  } else if (current == 3) {
    setEnabled(savePlotMenuTitle, true);
    setEnabled(includeRotationOnImage_Chk, false);
    // Limits never placed (all six at their start value, or all but the
    // last, which a Larson-Miller fit writes) get their defaults.
    int unset = 0;
    for (double limit : fitPlotZoneMarkers_real_x)
      if (limit <= -1e100) ++unset;
    drawZoneMarkers(unset >= 5);
    setNumEquations(getNumberOfRowsWithData() < 1);
    redrawFitPlots = true;
    if (sender && sender == eqnTabBook)
      for (FXTextField* field : excelEqn_TF)
        if (field) field->killSelection();
  }
  const int currentEquation = eqnTabBook ? eqnTabBook->getCurrent() : -1;
  for (int z = 0; z < NUM_ZONES; ++z)
    if (eqnTab[z]) eqnTab[z]->setBackColor(z == currentEquation ? FIT_TAB_GREEN : defaultTabColor);
  return 1;
}

void Quillgrid::stepFitOrder(FXObject* sender, FXArrowButton* const* buttons, int delta) {
  const int z = indexOfSender(sender, buttons, NUM_ZONES);
  if (z < 0 || !fitOrder_Lbl[z]) return;
  setFitOrderLabels(z, fitOrder_Lbl[z], getCurveFitOrderFromLabel(fitOrder_Lbl[z]->getText()) + delta);
  getQuillgrid();
}

long Quillgrid::onCmdIncreaseFitOrder(FXObject* sender, FXSelector, void*) {
  stepFitOrder(sender, increaseFitOrder_Btn, 1);
  return 1;
}

long Quillgrid::onCmdDecreaseFitOrder(FXObject* sender, FXSelector, void*) {
  stepFitOrder(sender, decreaseFitOrder_Btn, -1);
  return 1;
}

long Quillgrid::onCmdZELKformat(FXObject*, FXSelector, void*) {
  setZELKformat();
  getQuillgrid();
  return 1;
}

long Quillgrid::onCmdPlotData(FXObject*, FXSelector, void*) {
  getQuillgrid();
  return 1;
}

long Quillgrid::onCmdCurveFitType(FXObject* sender, FXSelector, void*) {
  const int type = indexOfSender(sender, curveFitType_RB, NUM_CURVE_FIT_TYPES);
  curveFitType = type < 0 ? 0 : type;
  setCurveFitType();
  getQuillgrid();
  return 1;
}

long Quillgrid::onCmdPlotBackgroundColor(FXObject* sender, FXSelector, void*) {
  const int index = indexOfSender(sender, plotBackground_RB, NUM_BACK_GROUND_COLORS);
  plotBackgroundColorIndex = index < 0 ? 0 : index;
  setPlotBackgroundColor();
  getQuillgrid();
  return 1;
}

long Quillgrid::onCmdNumEquations(FXObject* sender, FXSelector, void*) {
  setNumEquations(true);
  if (sender) drawZoneMarkers(true);
  getQuillgrid();
  return 1;
}

long Quillgrid::onCmdNumberOfDecimalsInCoefficients(FXObject*, FXSelector, void*) {
  getQuillgrid();
  return 1;
}

long Quillgrid::onCmdPlotPointSize(FXObject* sender, FXSelector, void*) {
  const int index = indexOfSender(sender, plotPointSize_RB, NUM_PLOT_POINT_SIZES);
  plotPointSize = index < 0 ? 1 : index;
  setPointSize();
  getQuillgrid();
  return 1;
}

long Quillgrid::onCmdOverlapPoints(FXObject*, FXSelector, void*) {
  getQuillgrid();
  return 1;
}

long Quillgrid::onCmdMaxFitOrder(FXObject*, FXSelector, void*) {
  const int maxOrder = currentItemNumber(maxFitOrder_LB);
  bool lowered = false;
  for (int z = 0; z < NUM_ZONES; ++z)
    if (fit_order[z] > maxOrder) {
      fit_order[z] = maxOrder;
      setFitOrderLabels(z, fitOrder_Lbl[z], maxOrder);
      lowered = true;
    }
  if (lowered) getQuillgrid();
  return 1;
}

long Quillgrid::onCmdSetIntercept(FXObject*, FXSelector, void*) {
  enableDisableInterceptInput();
  getQuillgrid();
  return 1;
}

long Quillgrid::reFitOnEnter(void* ptr) {
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  if (!ev || (ev->code != KEY_Return && ev->code != KEY_KP_Enter)) return 0;
  getQuillgrid();
  return 1;
}

long Quillgrid::onKeyPressIntercept(FXObject*, FXSelector, void* ptr) { return reFitOnEnter(ptr); }

long Quillgrid::onKeyDownReFit(FXObject*, FXSelector, void* ptr) { return reFitOnEnter(ptr); }

// A shown fit enables "Copy eqns."; every cleared or refused run disables it.
void Quillgrid::reFitWhenFitShown() {
  if (copyEqns_Btn && copyEqns_Btn->isEnabled()) getQuillgrid();
}

long Quillgrid::onCmdShowHideLMPStuff(FXObject*, FXSelector, void*) {
  showLMPStuff(showLMPStuff_Chk && showLMPStuff_Chk->getCheck() == TRUE);
  return 1;
}

long Quillgrid::onCmdYaxisScaleFactor(FXObject*, FXSelector sel, void*) {
  const int k = FXSELID(sel) - ID_Y_SCALE_FACTOR_FIRST;
  if (k < 0 || k >= numConversionFactors || !conversionFactors || !y_axisScaleFactor) return 0;
  y_axisScaleFactor->setText(FXStringFormat("%.*le", 6, conversionFactors[k].factor));
  setScaleFactorTextfieldBackColor();
  if (popUpPane) popUpPane->handle(this, FXSEL(SEL_UNGRABBED, 0), nullptr);
  setXYValuesTableHeaders();
  reFitWhenFitShown();
  return 1;
}

// A factor typed into the field, ended by Return or by leaving the field.
long Quillgrid::onCmdYaxisScaleFactorField(FXObject*, FXSelector, void*) {
  setScaleFactorTextfieldBackColor();
  setXYValuesTableHeaders();
  reFitWhenFitShown();
  return 1;
}

long Quillgrid::onUpdImage(FXObject* sender, FXSelector, void*) {
  if (!sender) return 0;
  const bool hasImage = imageView && imageView->getImage();
  sender->handle(this, FXSEL(SEL_COMMAND, hasImage ? FXWindow::ID_ENABLE : FXWindow::ID_DISABLE), nullptr);
  return 1;
}

void Quillgrid::setEquationSlopeLabels(bool positive, bool negative) {
  setEquationSlopeLabels(false, positive, negative);
}

void Quillgrid::enableDisableInterceptInput() {
  if (!equation_Y_intercept_TF) return;
  const bool on = setEqnYIntercept_Chk && setEqnYIntercept_Chk->getCheck() == TRUE && setEqnYIntercept_Chk->isEnabled();
  setEnabled(equation_Y_intercept_TF, on);
}

void Quillgrid::setScaleFactorTextfieldBackColor() {
  if (!y_axisScaleFactor) return;
  const bool scaled = std::fabs(y_axisScaleFactor->toDouble() - 1.0) > 1e-50;
  y_axisScaleFactor->setBackColor(scaled ? HIGHLIGHT_YELLOW : defaultTextFieldBackColor);
}

int Quillgrid::getLastRowWithData() {
  if (!curveData_TBL || curveData_TBL->getNumColumns() < 1) return -1;
  for (int r = 0; r < curveData_TBL->getNumRows(); ++r)
    if (curveData_TBL->isEmpty(r, 0)) return r - 1;
  // Every row holds data: the last row is the last one with data.
  return curveData_TBL->getNumRows() - 1;
}

void Quillgrid::setCurveFitType() {
  if (!curveFitType_RB) return;
  if (curveFitType < 0 || curveFitType >= NUM_CURVE_FIT_TYPES) curveFitType = 0;
  for (int k = 0; k < NUM_CURVE_FIT_TYPES; ++k)
    if (curveFitType_RB[k]) curveFitType_RB[k]->setCheck(k == curveFitType);
  FXRadioButton* lmpRadio = curveFitType_RB[LMP_TYPE];
  const bool lmp = curveFitType == LMP_TYPE;
  setEnabled(lmp_C_TF, lmp);
  setEnabled(autoFitLMP_Btn, lmp);
  setEnabled(lmpMouseWheelStepSizeOfp1_Chk, lmp);
  if (lmpRadio) lmpRadio->setBackColor(lmp ? HIGHLIGHT_YELLOW : defaultButtonBackColor);
  setEnabled(xAxisIsTemperature_Chk, !lmp);
  setEnabled(temperatureScale_LB, !lmp);
  setEnabled(y_axisScaleFactor, !lmp);
  if (lmp) {
    dataSource = LMP_DATA_SOURCE;
  } else if (dataSource == LMP_DATA_SOURCE) {
    dataSource = 1;
    setDataSource();
    if (getNumberOfRowsWithData() == 0) dataSource = 0;
  }
  // Only the types that keep x untransformed can fix the intercept.
  setEnabled(setEqnYIntercept_Chk, curveFitType == 0 || curveFitType == 2);
  setDataSource();
  setZELKformat();
  enableDisableInterceptInput();
}

void Quillgrid::showLMPStuff(bool show) {
  setShown(lmpConstant_GB, show);
  setShown(lmpTab, show);
  FXRadioButton* lmpRadio = curveFitType_RB ? curveFitType_RB[LMP_TYPE] : nullptr;
  setShown(lmpRadio, show);
  if (!show && curveFitType == LMP_TYPE) {
    curveFitType = 0;
    setCurveFitType();
  }
}
