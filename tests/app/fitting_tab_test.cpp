// The Curve Fitting tab of a real main window: its widget tree, the fit
// controls' handlers, the fit-type and Larson-Miller visibility rules, the
// tab switch, and the coefficient tables and zone-limit fields.
#include <fxkeys.h>

#include <string>
#include <vector>

#include "DataPlot.h"
#include "Globals.h"
#include "MainWindowFixture.h"
#include "MenuButtonWin10Style.h"
#include "MenuTitleWin10Style.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "TextField_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
class FittingTabTest : public MainWindowFixture {
protected:
  void TearDown() override { delete w; }
  Quillgrid* window() {
    w = make();
    return w;
  }
  // A value table under the fitting tab, its first `filled` rows holding
  // text in the first `columns` columns.
  Table_lom2* table(int rows, int cols, int filled, int columns) {
    Table_lom2* t = new Table_lom2(w->curveFittingTabFrame, nullptr, 0, 0, 0, 0, 0, 0, 2, 2, 2, 2);
    t->create();
    t->setTableSize(rows, cols);
    for (int r = 0; r < filled; ++r)
      for (int c = 0; c < columns; ++c) t->setItemText(r, c, FXStringFormat("%d", r + c + 1));
    return t;
  }
  static std::vector<std::string> items(FXListBox* list) {
    std::vector<std::string> out;
    for (int i = 0; i < list->getNumItems(); ++i) out.push_back(list->getItemText(i).text());
    return out;
  }
  static FXEvent key(FXuint code, const char* text) {
    FXEvent ev;
    ev.type = SEL_KEYPRESS;
    ev.code = code;
    ev.state = 0;
    ev.text = text;
    return ev;
  }
  Quillgrid* w = nullptr;
};
}  // namespace

TEST_F(FittingTabTest, WidgetTreeTextsIdsAndStartValues) {
  window();
  // Nine plots, each made once.
  ASSERT_NE(w->fitPlot, nullptr);
  ASSERT_NE(w->halfWidthPlot, nullptr);
  for (DataPlot* p : w->smallPlots) ASSERT_NE(p, nullptr);
  EXPECT_EQ(w->fitPlotCanvas->getSelector(), (FXSelector)Quillgrid::ID_FIT_PLOT);
  EXPECT_EQ(w->halfWidthPlotCanvas->getSelector(), (FXSelector)Quillgrid::ID_FIT_PLOT);
  EXPECT_FALSE(w->halfWidthPlotCanvas->shown());

  const char* rows[] = {"Eqn. upper limit", "R^2", "Max. % difference", "Eqn. mismatch", "Fit order"};
  for (int r = 0; r < 5; ++r) EXPECT_STREQ(w->fitEqnTableRow_Lbl[r]->getText().text(), rows[r]);
  for (int z = 0; z < 6; ++z) {
    EXPECT_EQ(w->eqnFit_TF[0][z]->getSelector(), (FXSelector)(248 + z));
    EXPECT_EQ(w->eqnFit_TF[0][z]->getNumColumns(), 14);
    EXPECT_TRUE(w->eqnFit_TF[0][z]->isEditable() == FALSE);
    EXPECT_EQ(w->eqnFit_TF[1][z]->getNumColumns(), 12);
    EXPECT_EQ(w->eqnFit_TF[3][z]->getTarget(), nullptr);
    EXPECT_STREQ(w->fitOrder_Lbl[z]->getText().text(), "1st order");
    EXPECT_EQ(w->increaseFitOrder_Btn[z]->getSelector(), (FXSelector)Quillgrid::ID_INCREASE_FIT_ORDER);
    EXPECT_EQ(w->decreaseFitOrder_Btn[z]->getSelector(), (FXSelector)Quillgrid::ID_DECREASE_FIT_ORDER);
    EXPECT_EQ(w->excelEqn_TF[z]->getSelector(), (FXSelector)(282 + z));
    EXPECT_EQ(w->excelEqn_TF[z]->getNumColumns(), 50);
    EXPECT_STREQ(w->eqnTab[z]->getText().text(), FXStringFormat("Equation #%d", z + 1).text());
  }
  EXPECT_STREQ(w->eqnFit_TF[1][0]->getTipText().text(),
               "R^2 and adjusted R^2 values for the the least squares curve fit");
  EXPECT_STREQ(w->increaseFitOrder_Btn[0]->getTipText().text(), "Increase the fit order");

  // The fit-type radios stand in another order than their types.
  const char* types[] = {"x vs y", "ln(x) vs y", "x vs ln(y)", "ln(x) vs ln(y)", "1/x vs ln(y)", "LMP"};
  for (int t = 0; t < 6; ++t) EXPECT_STREQ(w->curveFitType_RB[t]->getText().text(), types[t]);
  EXPECT_EQ(w->curveFitType_RB[2]->getPrev(), w->curveFitType_RB[0]);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(w->dataSource_RB[k]->getSelector(), (FXSelector)(244 + k));
  EXPECT_STREQ(w->dataSource_RB[1]->getText().text(), "Xy values");

  EXPECT_STREQ(w->lmp_C_TF->getText().text(), "20");
  EXPECT_EQ(w->lmp_C_TF->getSelector(), (FXSelector)Quillgrid::ID_LMP_CONSTANT);
  EXPECT_STREQ(w->y_axisScaleFactor->getText().text(), "1.0");
  EXPECT_EQ(w->y_axisScaleFactor->getNumColumns(), 14);
  EXPECT_STREQ(w->copyEqns_Btn->getText().text(), "Copy eqns.");
  EXPECT_STREQ(w->fitData_Btn->getText().text(), "    Fit data    ");
  EXPECT_EQ(w->fitData_Btn->getBackColor(), FXRGB(0xC8, 0xFF, 0xC8));
  EXPECT_STREQ(w->writeBoundaryValuesAsNumbersNotLn_Chk->getTipText().text(),
               "Have the \"Copy eqns.\" return the x values a the x-value not as ln(x) when appropiate");
  EXPECT_STREQ(w->forceXBoundariesToWholeNumbers_Chk->getTipText().text(),
               "Force the equation limits to be whole numbers when you min x is larger than 1 and you max x is "
               "larger than 100");
  EXPECT_EQ(w->adjustEquationsWhenCopying_Chk->getTarget(), nullptr);
  EXPECT_EQ(w->fillEmptyCellsWithZeros_Chk->getSelector(), (FXSelector)Quillgrid::ID_FIT_DATA);
  EXPECT_STREQ(w->plotPointSize_RB[3]->getText().text(), "Larger");
  EXPECT_STREQ(w->plotBackground_RB[2]->getText().text(), "Black");

  // Lists: contents, all visible, start items.
  EXPECT_EQ(items(w->numOfEquations_LB),
            (std::vector<std::string>{"   1   ", "   2   ", "   3   ", "   4   ", "   5   ", "   6   "}));
  EXPECT_EQ(w->numOfEquations_LB->getCurrentItem(), 1);
  EXPECT_EQ(w->numOfEquations_LB->getNumVisible(), 6);
  EXPECT_EQ(w->maxFitOrder_LB->getNumItems(), 15);
  EXPECT_STREQ(w->maxFitOrder_LB->getItemText(14).text(), "   15   ");
  EXPECT_EQ(w->maxFitOrder_LB->getCurrentItem(), 3);
  EXPECT_EQ(items(w->numOfOverlapPoints_LB),
            (std::vector<std::string>{"      0", "      2", "      4", "      8", "     10", "     15", "     20",
                                      "     30", "     50", "     75", "    100", "    200"}));
  EXPECT_EQ(w->numOfOverlapPoints_LB->getCurrentItem(), 1);
  EXPECT_EQ(w->fitPlotFontSize_LB->getNumItems(), 13);
  EXPECT_STREQ(w->fitPlotFontSize_LB->getItemText(0).text(), "   8   ");
  EXPECT_EQ(w->numOfDecimalsInCoefficients_LB->getNumItems(), 19);
  EXPECT_STREQ(w->numOfDecimalsInCoefficients_LB->getItemText(18).text(), "   20   ");
  EXPECT_EQ(items(w->temperatureScale_LB),
            (std::vector<std::string>{"C -> K", "F -> K", "F -> C", "K -> C", "C -> F", "K -> F"}));

  // The defaults now reach the tab's widgets (no settings file here).
  EXPECT_TRUE(w->showEquationOnImage_Chk->getCheck() == TRUE);
  EXPECT_STREQ(w->excel_cell_TF->getText().text(), "A2");
  EXPECT_EQ(w->numOfDecimalsInCoefficients_LB->getCurrentItem(), 4);

  // The hidden copy table.
  EXPECT_FALSE(w->hiddenLMPStuff_TBL->shown());
  EXPECT_EQ(w->hiddenLMPStuff_TBL->getNumRows(), 9);
  EXPECT_EQ(w->hiddenLMPStuff_TBL->getNumColumns(), 7);
  EXPECT_STREQ(w->hiddenLMPStuff_TBL->getColumnText(5).text(), "Max % error");
  EXPECT_EQ(w->hiddenTableEqnRows[0], 1);
  EXPECT_EQ(w->hiddenTableEqnRows[1], 2);

  // The coefficient tables.
  FXTable* t = w->coefficients_TBL[0];
  EXPECT_EQ(t->getNumRows(), 3);
  EXPECT_EQ(t->getNumColumns(), 16);
  EXPECT_STREQ(t->getColumnText(0).text(), "C0 or C15");
  EXPECT_STREQ(t->getColumnText(15).text(), "C15 or C0");
  EXPECT_STREQ(t->getRowText(0).text(), "C0->C15");
  EXPECT_STREQ(t->getRowText(1).text(), "C15->C0");
  EXPECT_EQ(t->getRowHeight(2), 0);
  EXPECT_EQ(t->getColumnWidth(3), 100);
  EXPECT_FALSE(t->isEditable());
  EXPECT_EQ(t->getItem(1, 7)->getJustify(), 0u);

  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(w->smallPlotFrame[i]->getWidth(), 200);
    EXPECT_EQ(w->smallPlotCanvas[i]->getParent(), w->smallPlotFrame[i]);
  }
}

TEST_F(FittingTabTest, LarsonMillerTypeForcesItsSourceAndDisablesInputs) {
  window();
  w->curveFitType = 5;
  w->setCurveFitType();
  EXPECT_EQ(w->dataSource, 2);
  EXPECT_TRUE(w->lmp_C_TF->isEnabled() && w->autoFitLMP_Btn->isEnabled() &&
              w->lmpMouseWheelStepSizeOfp1_Chk->isEnabled());
  EXPECT_FALSE(w->xAxisIsTemperature_Chk->isEnabled());
  EXPECT_FALSE(w->temperatureScale_LB->isEnabled());
  EXPECT_FALSE(w->y_axisScaleFactor->isEnabled());
  EXPECT_EQ(w->curveFitType_RB[5]->getBackColor(), FXRGB(255, 255, 0));
  for (int t = 0; t < 6; ++t) EXPECT_EQ(w->curveFitType_RB[t]->getCheck() == TRUE, t == 5) << t;

  // Leaving it with an empty XY values table falls back to the image.
  w->onCmdCurveFitType(w->curveFitType_RB[3], 0, nullptr);
  EXPECT_EQ(w->curveFitType, 3);
  EXPECT_EQ(w->dataSource, 0);
  EXPECT_FALSE(w->lmp_C_TF->isEnabled());
  EXPECT_TRUE(w->xAxisIsTemperature_Chk->isEnabled() && w->y_axisScaleFactor->isEnabled());
  EXPECT_EQ(w->curveFitType_RB[5]->getBackColor(), w->defaultButtonBackColor);

  // With data in the XY values table it goes back to that table.
  w->xyValues_TBL = table(10, 4, 3, 2);
  w->dataSourceTable = w->xyValues_TBL;
  w->curveFitType = 5;
  w->setCurveFitType();
  w->curveFitType = 0;
  w->setCurveFitType();
  EXPECT_EQ(w->dataSource, 1);

  // An unknown type becomes "x vs y".
  w->curveFitType = 9;
  w->setCurveFitType();
  EXPECT_EQ(w->curveFitType, 0);
  EXPECT_TRUE(w->curveFitType_RB[0]->getCheck() == TRUE);
}

TEST_F(FittingTabTest, InterceptOnlyForUntransformedX) {
  window();
  w->setEqnYIntercept_Chk->setCheck(TRUE);
  for (int type = 0; type < 6; ++type) {
    w->curveFitType = type;
    w->setCurveFitType();
    const bool allowed = type == 0 || type == 2;
    EXPECT_EQ(w->setEqnYIntercept_Chk->isEnabled() == TRUE, allowed) << type;
    EXPECT_EQ(w->equation_Y_intercept_TF->isEnabled() == TRUE, allowed) << type;
  }
  w->curveFitType = 0;
  w->setCurveFitType();
  w->setEqnYIntercept_Chk->setCheck(FALSE);
  w->onCmdSetIntercept(w->setEqnYIntercept_Chk, 0, nullptr);
  EXPECT_FALSE(w->equation_Y_intercept_TF->isEnabled());
}

TEST_F(FittingTabTest, HidingLarsonMillerControlsLeavesTheLmpType) {
  window();
  w->curveFitType = 5;
  w->setCurveFitType();
  w->showLMPStuff_Chk->setCheck(FALSE);
  w->onCmdShowHideLMPStuff(w->showLMPStuff_Chk, 0, nullptr);
  EXPECT_FALSE(w->lmpConstant_GB->shown());
  EXPECT_FALSE(w->lmpTab->shown());
  EXPECT_FALSE(w->curveFitType_RB[5]->shown());
  EXPECT_EQ(w->curveFitType, 0);
  EXPECT_TRUE(w->curveFitType_RB[0]->getCheck() == TRUE);

  w->showLMPStuff_Chk->setCheck(TRUE);
  w->onCmdShowHideLMPStuff(w->showLMPStuff_Chk, 0, nullptr);
  EXPECT_TRUE(w->lmpConstant_GB->shown() && w->lmpTab->shown() && w->curveFitType_RB[5]->shown());
  EXPECT_EQ(w->curveFitType, 0);
}

TEST_F(FittingTabTest, FitOrderButtonsAndMaximum) {
  window();  // the largest order starts at 4
  for (int i = 0; i < 5; ++i) w->onCmdIncreaseFitOrder(w->increaseFitOrder_Btn[2], 0, nullptr);
  EXPECT_STREQ(w->fitOrder_Lbl[2]->getText().text(), "4th order");
  EXPECT_EQ(w->fit_order[2], 4);
  w->onCmdDecreaseFitOrder(w->decreaseFitOrder_Btn[2], 0, nullptr);
  EXPECT_STREQ(w->fitOrder_Lbl[2]->getText().text(), "3rd order");
  w->onCmdDecreaseFitOrder(w->decreaseFitOrder_Btn[0], 0, nullptr);
  EXPECT_STREQ(w->fitOrder_Lbl[0]->getText().text(), "1st order");
  EXPECT_EQ(w->fit_order[0], 1);
  // A sender that is not one of the buttons changes nothing.
  EXPECT_EQ(w->onCmdIncreaseFitOrder(w->decreaseFitOrder_Btn[1], 0, nullptr), 1);
  EXPECT_EQ(w->fit_order[1], 1);

  w->setFitOrderLabels(4, w->fitOrder_Lbl[4], 9);
  EXPECT_STREQ(w->fitOrder_Lbl[4]->getText().text(), "4th order");
  w->setFitOrderLabels(4, w->fitOrder_Lbl[4], 0);
  EXPECT_EQ(w->fit_order[4], 1);
  w->maxFitOrder_LB->setCurrentItem(14);
  w->setFitOrderLabels(5, w->fitOrder_Lbl[5], 13);
  EXPECT_STREQ(w->fitOrder_Lbl[5]->getText().text(), "13th order");
  w->setFitOrderLabels(5, nullptr, 2);
  EXPECT_EQ(w->fit_order[5], 13);

  // Lowering the largest order lowers the zones above it only.
  w->maxFitOrder_LB->setCurrentItem(1);
  w->onCmdMaxFitOrder(w->maxFitOrder_LB, 0, nullptr);
  EXPECT_EQ(w->fit_order[2], 2);
  EXPECT_STREQ(w->fitOrder_Lbl[2]->getText().text(), "2nd order");
  EXPECT_EQ(w->fit_order[5], 2);
  EXPECT_EQ(w->fit_order[0], 1);
  w->maxFitOrder_LB->setCurrentItem(14);
  w->onCmdMaxFitOrder(w->maxFitOrder_LB, 0, nullptr);
  EXPECT_EQ(w->fit_order[2], 2);
}

TEST_F(FittingTabTest, OnlyEnterIsTakenFromTheRefitFields) {
  window();
  FXEvent ret = key(KEY_Return, "\r"), enter = key(KEY_KP_Enter, "\r"), letter = key(KEY_b, "b");
  EXPECT_EQ(w->onKeyPressIntercept(w->equation_Y_intercept_TF, 0, &ret), 1);
  EXPECT_EQ(w->onKeyPressIntercept(w->equation_Y_intercept_TF, 0, &enter), 1);
  EXPECT_EQ(w->onKeyPressIntercept(w->equation_Y_intercept_TF, 0, &letter), 0);
  EXPECT_EQ(w->onKeyDownReFit(w->excel_cell_TF, 0, &enter), 1);
  EXPECT_EQ(w->onKeyDownReFit(w->lmp_C_TF, 0, &letter), 0);
  // Delivered to the field itself, the letter is typed.
  w->excel_cell_TF->setText("A");
  w->excel_cell_TF->setCursorPos(1);
  w->excel_cell_TF->handle(w, FXSEL(SEL_KEYPRESS, 0), &letter);
  EXPECT_STREQ(w->excel_cell_TF->getText().text(), "Ab");
}

TEST_F(FittingTabTest, ScaleFactorFromTheConversionList) {
  window();
  delete[] w->conversionFactors;
  w->conversionFactors = new ConversionFactor[2];
  w->conversionFactors[0].factor = 2.54;
  w->conversionFactors[1].factor = 1.0;
  w->numConversionFactors = 2;
  const FXColor normal = argb(0xFFFFFFFE);
  w->defaultTextFieldBackColor = normal;
  EXPECT_EQ(w->onCmdYaxisScaleFactor(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_Y_SCALE_FACTOR_FIRST), nullptr), 1);
  EXPECT_STREQ(w->y_axisScaleFactor->getText().text(), "2.540000e+00");
  EXPECT_EQ(w->y_axisScaleFactor->getBackColor(), FXRGB(255, 255, 0));
  EXPECT_EQ(w->onCmdYaxisScaleFactor(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_Y_SCALE_FACTOR_FIRST + 1), nullptr), 1);
  EXPECT_STREQ(w->y_axisScaleFactor->getText().text(), "1.000000e+00");
  EXPECT_EQ(w->y_axisScaleFactor->getBackColor(), normal);
  EXPECT_EQ(w->onCmdYaxisScaleFactor(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_Y_SCALE_FACTOR_FIRST + 2), nullptr), 0);
  EXPECT_STREQ(w->y_axisScaleFactor->getText().text(), "1.000000e+00");
}

TEST_F(FittingTabTest, SwitchingTabs) {
  window();
  w->tabBook->setCurrent(1);
  w->xyValues_TBL = table(5, 4, 0, 0);
  w->onCmdTabs(w->tabBook, 0, nullptr);
  EXPECT_STREQ(w->paste_TB->getTipText().text(), "Paste values into the xy values table");
  EXPECT_EQ(w->paste_TB->getSelector(), (FXSelector)Quillgrid::ID_PASTE);
  EXPECT_FALSE(w->savePlotMenuTitle->isEnabled());
  EXPECT_TRUE(w->xyValues_TBL->isItemSelected(0, 0));

  w->tabBook->setCurrent(0);
  w->onCmdTabs(w->tabBook, 0, nullptr);
  EXPECT_STREQ(w->paste_TB->getTipText().text(), "Paste image from clipboard");
  EXPECT_FALSE(w->savePlotMenuTitle->isEnabled());  // no image loaded
  EXPECT_TRUE(w->includeRotationOnImage_Chk->isEnabled());

  w->tabBook->setCurrent(3);
  w->redrawFitPlots = false;
  w->onCmdTabs(w->tabBook, 0, nullptr);
  EXPECT_TRUE(w->savePlotMenuTitle->isEnabled());
  EXPECT_FALSE(w->includeRotationOnImage_Chk->isEnabled());
  EXPECT_TRUE(w->redrawFitPlots);
  EXPECT_EQ(w->eqnTab[0]->getBackColor(), FXRGB(0xC8, 0xFF, 0xC8));
  EXPECT_EQ(w->eqnTab[1]->getBackColor(), w->defaultTabColor);

  w->excelEqn_TF[2]->setText("= 1.0E+00*A2");
  w->excelEqn_TF[2]->selectAll();
  w->eqnTabBook->setCurrent(2);
  w->onCmdTabs(w->eqnTabBook, 0, nullptr);
  EXPECT_EQ(w->eqnTab[2]->getBackColor(), FXRGB(0xC8, 0xFF, 0xC8));
  EXPECT_EQ(w->eqnTab[0]->getBackColor(), w->defaultTabColor);
  EXPECT_FALSE(w->excelEqn_TF[2]->killSelection());  // nothing left selected
}

TEST_F(FittingTabTest, RowsWithDataAndImageDependentWidgets) {
  window();
  w->curveData_TBL = table(8, 5, 5, 1);
  EXPECT_EQ(w->getLastRowWithData(), 4);
  w->curveData_TBL = table(8, 5, 0, 0);
  EXPECT_EQ(w->getLastRowWithData(), -1);
  w->curveData_TBL = table(3, 5, 3, 1);
  EXPECT_EQ(w->getLastRowWithData(), 2);  // a full table: its last row

  // Leading rows with both x and y; Larson-Miller rows need three columns.
  w->curveData_TBL = table(8, 5, 3, 2);
  w->curveData_TBL->setItemText(5, 0, "1");
  w->curveData_TBL->setItemText(5, 1, "1");
  w->dataSourceTable = w->curveData_TBL;
  EXPECT_EQ(w->getNumberOfRowsWithData(), 3);
  w->dataSourceTable = table(4, 4, 4, 2);  // neither of the two source tables
  EXPECT_EQ(w->getNumberOfRowsWithData(), 0);
  w->lmpData_TBL = table(6, 6, 2, 3);
  w->lmpData_TBL->setItemText(2, 0, "5");
  w->curveFitType = 5;
  EXPECT_EQ(w->getNumberOfRowsWithData(), 2);

  FXButton* b = new FXButton(w->curveFittingTabFrame, "needs an image");
  b->create();
  EXPECT_EQ(w->onUpdImage(b, FXSEL(SEL_UPDATE, 0), nullptr), 1);
  EXPECT_FALSE(b->isEnabled());
}

TEST_F(FittingTabTest, CoefficientTablesAndEquations) {
  window();
  double coef[16] = {3.0, -0.2, 1.5};
  w->fit_order[0] = 2;
  w->numOfDecimalsInCoefficients_LB->setCurrentItem(0);  // 2 decimals
  w->fillCoefficientsTable(0, 2, coef);
  FXTable* t = w->coefficients_TBL[0];
  EXPECT_STREQ(t->getItemText(0, 0).text(), "3.00e+00");
  EXPECT_STREQ(t->getItemText(0, 1).text(), "-2.00e-01");
  EXPECT_STREQ(t->getItemText(1, 15).text(), "3.00e+00");
  EXPECT_STREQ(t->getItemText(1, 13).text(), "1.50e+00");
  EXPECT_STREQ(t->getItemText(0, 3).text(), "");
  EXPECT_GT(t->getColumnWidth(0), 0);
  EXPECT_STREQ(w->getEquation(0, "x", false).text(), "eqns[0] = 1.50e+00*x^2 - 2.00e-01*x + 3.00e+00");

  // Filled with zeros: C3..C15 of row 0 and columns 0..12 of row 1.
  w->fillEmptyCellsWithZeros_Chk->setCheck(TRUE);
  w->fillCoefficientsTable(0, 2, coef);
  for (int c = 3; c < 16; ++c) EXPECT_STREQ(t->getItemText(0, c).text(), "0.0") << c;
  for (int c = 0; c < 13; ++c) EXPECT_STREQ(t->getItemText(1, c).text(), "0.0") << c;
  EXPECT_STREQ(t->getItemText(1, 14).text(), "-2.00e-01");

  // Anchor -1 leaves the adjusted rows as they were.
  w->numEquations = 2;
  w->fit_order[1] = 1;
  double zones[6][16] = {{0.0, 1.0}, {10.0, 1.0}};
  double b[3] = {0.0, 2.0, 4.0};
  int exponents[16] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
  w->clearCoefficientsTable(-1);
  w->fillAdjustedCoefficientsTables(-1, exponents, b, zones, 1.0);
  EXPECT_STREQ(w->coefficients_TBL[1]->getItemText(2, 0).text(), "");
  w->fillAdjustedCoefficientsTables(0, exponents, b, zones, 1.0);
  EXPECT_STREQ(w->coefficients_TBL[0]->getItemText(2, 1).text(), "1.00e+00");
  EXPECT_STREQ(w->coefficients_TBL[1]->getItemText(2, 0).text(), "0.00e+00");  // 10 + (2 - 12)
  EXPECT_STREQ(w->getEquation(1, "x", true).text(), "eqns[1] = 1.00e+00*x + 0.00e+00");
}

TEST_F(FittingTabTest, ZoneLimitFieldsAndMarkerSpacing) {
  window();
  w->defaultTextFieldBackColor = FXRGB(250, 250, 250);
  w->numEquations = 2;
  w->fitPlotZoneMarkers_real_x[0] = 5.0;
  w->fitPlotZoneMarkers_real_x[1] = 10.0;
  w->eqnFit_TF[0][3]->setText("stale");
  w->updateEquationZoneLimitsTextfields();
  EXPECT_STREQ(w->eqnFit_TF[0][0]->getText().text(), "5.0000");
  EXPECT_STREQ(w->eqnFit_TF[0][1]->getText().text(), "10.0000");
  EXPECT_STREQ(w->eqnFit_TF[0][3]->getText().text(), "");
  EXPECT_EQ(w->eqnFit_TF[2][0]->getBackColor(), FXRGB(250, 250, 250));
  for (int z = 1; z < 6; ++z) EXPECT_EQ(w->eqnFit_TF[3][z]->getBackColor(), FXRGB(0xC8, 0xC8, 0xC8)) << z;

  // A drawn plot gives the pixels of the marker rule.
  const double x[2] = {0.0, 100.0}, y[2] = {0.0, 1.0};
  w->fitPlot->setData(argb(0xFFFFFFFF), "x", "y", 0, 0, false, false, 2, x, y);
  w->fitPlot->setMinMax(0.0, 100.0, 0.0, 1.0);
  w->fitPlot->drawPlot(w->fitPlotCanvas);
  int minPx = 0, maxPx = 0;
  w->fitPlot->getMinMaxXPixels(&minPx, &maxPx);
  ASSERT_GT(maxPx - minPx, 60);
  EXPECT_FALSE(w->checkEqnZoneLimits(0, minPx + 14));
  EXPECT_TRUE(w->checkEqnZoneLimits(0, minPx + 15));
  EXPECT_FALSE(w->checkEqnZoneLimits(1, minPx + 30));  // only one marker with two zones

  w->defineMinMouseWheelStepSize();
  EXPECT_GE(w->minMouseWheelStep, 2);
  const FXString t0 = w->getFormattedBoundaryValueForOutput(w->fitPlot->getRealXfromPixels(100));
  EXPECT_NE(w->getFormattedBoundaryValueForOutput(w->fitPlot->getRealXfromPixels(100 + w->minMouseWheelStep)), t0);
  EXPECT_NE(w->getFormattedBoundaryValueForOutput(w->fitPlot->getRealXfromPixels(100 - w->minMouseWheelStep)), t0);

  w->hideEqnFitTableRow(2);
  EXPECT_FALSE(w->fitEqnTableRow_Lbl[2]->shown());
  EXPECT_FALSE(w->eqnFit_TF[2][5]->shown());
  w->showEqnFitTableRow(2);
  EXPECT_TRUE(w->eqnFit_TF[2][5]->shown());
  w->hideEqnFitTableRow(4);  // the fit-order row has a label only
  EXPECT_FALSE(w->fitEqnTableRow_Lbl[4]->shown());
}
