// The settings file and data files with real main windows: every key
// written and read back, the file's edge cases, damaged files, data files
// through the save dialog, and the settings surviving a restart.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <unistd.h>

#include "Globals.h"
#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "ShownText.h"
#include "Table_lom2.h"
#include "TestHarness.h"
#include "TextField_lom2.h"
#include "Utilities_lom2.h"
#include "fox16.h"
// after fx.h, which it needs
#include <FXPNGImage.h>

using namespace FX;

namespace {

typedef FXCheckButton* Quillgrid::*CheckMember;
typedef FXMenuCheck* Quillgrid::*MenuMember;

const CheckMember CHECKS[] = {
    &Quillgrid::autoFindPoint_Chk,
    &Quillgrid::proMode_Chk,
    &Quillgrid::autoFindAxisMaxXY_Chk,
    &Quillgrid::roundXvalueToNearestInteger_Chk,
    &Quillgrid::fullAuto_Chk,
    &Quillgrid::clearWhenDefiningNewCurveColor_Chk,
    &Quillgrid::autoOrderIncreasingWhenCopying_Chk,
    &Quillgrid::xAxisIsTemperature_Chk,
    &Quillgrid::cursorSpacing_Chk,
    &Quillgrid::fillEmptyCellsWithZeros_Chk,
    &Quillgrid::showEquationOnImage_Chk,
    &Quillgrid::setEqnYIntercept_Chk,
    &Quillgrid::lmp_ZELK_formatting_Chk,
    &Quillgrid::autoDeleteRowsWithZero_Chk,
    &Quillgrid::lmpMouseWheelStepSizeOfp1_Chk,
    &Quillgrid::adjustEquationsWhenCopying_Chk,
    &Quillgrid::writeBoundaryValuesAsNumbersNotLn_Chk,
    &Quillgrid::forceXBoundariesToWholeNumbers_Chk,
    &Quillgrid::constrainCursor_Chk,
    &Quillgrid::extendCursorAll_Chk,
};

const MenuMember MENU_CHECKS[] = {
    &Quillgrid::turnOnAutoFindAxisWithNewImage_Chk,
    &Quillgrid::resizeWindowWithNewImage,
    &Quillgrid::clearAxisDefinitionsWithNewImage,
    &Quillgrid::cornerPointsSameColorAsDataPoints,
    &Quillgrid::warnForAxisMinMaxReversed,
    &Quillgrid::warnForAxisLogScaling_Chk,
    &Quillgrid::setNumericFormatDependingOnAxisScaling,
    &Quillgrid::showLMPStuff_Chk,
    &Quillgrid::hideEqnCoefficientTables_Chk,
    &Quillgrid::includeRotationOnImage_Chk,
};

// The keys of the file in the order they must be written; a key written
// on several lines in a row stands once.
const char* KEY_ORDER[] = {
    "version", "directoryForUserFiles", "window_x", "window_y", "width", "height", "isMinimized",
    "numberFormatType_x", "numberFormatType_y", "autoFindPoint_Chk", "proMode_Chk", "autoFindAxisMaxXY_Chk",
    "roundXvalueToNearestInteger_Chk", "turnOnAutoFindAxisWithNewImage_Chk", "fullAuto_Chk",
    "magnifiedViewsOnBottom_MRB", "resizeWindowWithNewImage", "clearAxisDefinitionsWithNewImage",
    "cornerPointsSameColorAsDataPoints", "warnForAxisMinMaxReversed", "warnForAxisLogScaling_Chk",
    "setNumericFormatDependingOnAxisScaling", "clearWhenDefiningNewCurveColor_Chk",
    "autoOrderIncreasingWhenCopying_Chk", "searchDirection", "numRowsInXYTable_LB", "showLMPStuff_Chk",
    "hideEqnCoefficientTables_Chk", "xAxisIsTemperature_Chk", "temperatureScale", "y_axisScaleFactor",
    "showMagnifiedImage", "showLineOnMagnifiedImage", "showScanDirectionMagnifiedImage",
    "numOfDecimalsInCoefficients_LB", "numOfOverlapPoints_LB", "numOfEquations_LB", "maxFitOrder_LB",
    "lineThickness_TF", "plotPointSize", "dataSource", "numAutoFindPoints_LB_LB", "cursorType", "cursorColorIndex",
    "fitPlotFontSize", "dataPointColorIndex", "referencePointColorIndex", "cursorSpacing_Chk", "axisScaleType_x",
    "axisScaleType_y", "min_x_axisDataPoints_TBL", "max_x_axisDataPoints_TBL", "min_y_axisDataPoints_TBL",
    "max_y_axisDataPoints_TBL", "colorTol_TF", "includeRotationOnImage_Chk", "plotBackgroundColorIndex",
    "fitPlotZoneMarkers_real_x", "fit_order", "curveFitType", "fillEmptyCellsWithZeros_Chk",
    "showEquationOnImage_Chk", "setEqnYIntercept_Chk", "equation_Y_intercept_TF", "lmp_ZELK_formatting_Chk",
    "autoDeleteRowsWithZero_Chk", "lmpMouseWheelStepSizeOfp1_Chk", "adjustEquationsWhenCopying_Chk",
    "writeBoundaryValuesAsNumbersNotLn_Chk", "forceXBoundariesToWholeNumbers_Chk", "excel_cell_TF", "lmp_C_TF",
    "constrainCursor_Chk", "extendCursorAll_Chk", "curve_color", "xyValues", "xyValuesText", "LMPValues",
    "RecentImageFiles", "RecentDataFiles"};

std::string str(const FXString& s) { return s.text(); }

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t nl; (nl = text.find('\n', start)) != std::string::npos; start = nl + 1)
    out.push_back(text.substr(start, nl - start));
  if (start < text.size()) out.push_back(text.substr(start));
  return out;
}

std::string keyOf(const std::string& line) { return line.substr(1, line.find('>') - 1); }

std::vector<std::string> keySequence(const std::string& text) {
  std::vector<std::string> keys;
  for (const std::string& l : lines(text))
    if (keys.empty() || keys.back() != keyOf(l)) keys.push_back(keyOf(l));
  return keys;
}

// n recognised lines that change nothing of interest.
std::string filler(int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += "<cursorSpacing_Chk>0\n";
  return s;
}

// Every value of the file replaced by the given text.
std::string withValues(const std::string& text, const std::string& value) {
  std::string out;
  for (const std::string& l : lines(text)) out += l.substr(0, l.find('>') + 1) + value + "\n";
  return out;
}

std::string withoutGeometry(const std::string& text) {
  std::string out;
  for (const std::string& l : lines(text)) {
    const std::string k = keyOf(l);
    if (k != "window_x" && k != "window_y" && k != "width" && k != "height") out += l + "\n";
  }
  return out;
}

class SettingsTest : public MainWindowFixture {
protected:
  bool read(Quillgrid* w, const std::string& text, bool dataFile = false) {
    qgtest::writeFile("in.ini", text);
    return w->readIniFile("in.ini", dataFile);
  }
  static std::string cell(FXTable* t, int r, int c) { return str(t->getItemText(r, c)); }

  // Whatever a file held, the window's state stays one its widgets and
  // tables can take.
  static void expectSane(Quillgrid* w, bool searchFieldsSet = true) {
    EXPECT_TRUE(w->numberFormatType_x == 0 || w->numberFormatType_x == 1);
    EXPECT_TRUE(w->axisScaleType_y == 0 || w->axisScaleType_y == 1);
    EXPECT_TRUE(w->searchDirection >= 0 && w->searchDirection < NUM_SEARCH_DIRECTIONS);
    EXPECT_TRUE(w->temperatureScale >= 0 && w->temperatureScale < NUM_TEMPERATURE_CONVERSIONS);
    EXPECT_TRUE(w->plotPointSize >= 0 && w->plotPointSize < NUM_PLOT_POINT_SIZES);
    EXPECT_TRUE(w->dataSource >= 0 && w->dataSource < NUM_DATA_SOURCES);
    EXPECT_TRUE(w->cursorType >= 0 && w->cursorType <= 2);
    EXPECT_TRUE(w->cursorColorIndex >= 0 && w->cursorColorIndex < NUM_CURSOR_COLORS);
    EXPECT_TRUE(w->fitPlotFontSize >= 8 && w->fitPlotFontSize <= 20);
    EXPECT_TRUE(w->dataPointColorIndex >= 0 && w->dataPointColorIndex < NUM_POINT_COLORS);
    EXPECT_TRUE(w->referencePointColorIndex >= 0 && w->referencePointColorIndex < NUM_POINT_COLORS);
    EXPECT_TRUE(w->plotBackgroundColorIndex >= 0 && w->plotBackgroundColorIndex < NUM_BACK_GROUND_COLORS);
    EXPECT_TRUE(w->curveFitType >= 0 && w->curveFitType <= 5);
    EXPECT_TRUE(w->windowWidth >= 400 && w->windowWidth <= 32767);
    EXPECT_TRUE(w->windowHeight >= 400 && w->windowHeight <= 32767);
    EXPECT_TRUE(w->window_x >= -32768 && w->window_x <= 32767);
    for (int i = 0; i < 6; ++i) {
      EXPECT_TRUE(w->fit_order[i] >= 1 && w->fit_order[i] <= 15);
      EXPECT_FALSE(std::isnan(w->fitPlotZoneMarkers_real_x[i]) || std::isinf(w->fitPlotZoneMarkers_real_x[i]));
    }
    for (FXListBox* l : {w->numOfDecimalsInCoefficients_LB, w->numOfOverlapPoints_LB, w->numOfEquations_LB,
                         w->maxFitOrder_LB, w->numAutoFindPoints_LB_LB, w->numRowsInXYTable_LB})
      EXPECT_TRUE(l->getCurrentItem() >= 0 && l->getCurrentItem() < l->getNumItems());
    if (searchFieldsSet) {
      const int length = FXIntVal(w->lineThickness_TF->getText(), 10);
      EXPECT_TRUE(length >= 10 && length <= 100) << w->lineThickness_TF->getText().text();
      const int tolerance = FXIntVal(w->colorTol_TF->getText(), 10);
      EXPECT_TRUE(tolerance >= 25 && tolerance <= 100) << w->colorTol_TF->getText().text();
    }
    EXPECT_TRUE(std::isfinite(w->yAxisScaleFactor));
    EXPECT_TRUE(Table_lom2::isValidDoubleText(w->y_axisScaleFactor->getText()));
    EXPECT_TRUE(Table_lom2::isValidDoubleText(w->lmp_C_TF->getText()));
    EXPECT_TRUE(w->directoryForUserFiles == w->getDefaultDirectory() || FXStat::isDirectory(w->directoryForUserFiles));
    EXPECT_TRUE(w->xyValues_TBL->getNumRows() >= 100);
  }
};

}  // namespace

TEST_F(SettingsTest, EveryKeyIsWrittenInOrderAndReadBackIntoAFreshWindow) {
  Quillgrid* a = window();
  a->position(120, 80, 1000, 760);
  a->directoryForUserFiles = dir.path().c_str();
  a->numberFormatType_x = 0;
  a->numberFormatType_y = 0;
  for (CheckMember m : CHECKS) (a->*m)->setCheck(!(a->*m)->getCheck(), FALSE);
  for (MenuMember m : MENU_CHECKS) (a->*m)->setCheck(!(a->*m)->getCheck());
  a->magnifiedViewsOnRightSide_MRB->setCheck(FALSE);
  a->magnifiedViewsOnBottom_MRB->setCheck(TRUE);
  a->searchDirection = 3;
  a->numRowsInXYTable_LB->setCurrentItem(3, FALSE);  // "2,000"
  a->setUpXYDataTables();
  a->temperatureScale = 4;
  a->y_axisScaleFactor->setText("2.54");
  a->showMagnifiedImage = a->showLineOnMagnifiedImage = a->showScanDirectionMagnifiedImage = false;
  a->numOfDecimalsInCoefficients_LB->setCurrentItem(7, FALSE);
  a->numOfOverlapPoints_LB->setCurrentItem(5, FALSE);
  a->numOfEquations_LB->setCurrentItem(3, FALSE);
  a->maxFitOrder_LB->setCurrentItem(9, FALSE);
  a->lineThickness_TF->setText("50");
  a->plotPointSize = 3;
  a->dataSource = 1;
  a->numAutoFindPoints_LB_LB->setCurrentItem(9, FALSE);
  a->cursorType = 0;
  a->cursorColorIndex = 3;
  a->fitPlotFontSize = 14;
  a->dataPointColorIndex = 6;
  a->referencePointColorIndex = 5;
  a->axisScaleType_x = a->axisScaleType_y = 1;
  const char* axis[2][2] = {{"0.5", "1e3"}, {"10", "2000"}};
  for (int t = 0; t < 2; ++t)
    for (int r = 0; r < 2; ++r) a->axisDataPoints_TBL[t]->setItemText(r, 0, axis[t][r]);
  a->colorTol_TF->setText("100");
  a->plotBackgroundColorIndex = 2;
  const int orders[6] = {3, 5, 7, 9, 11, 15};
  for (int i = 0; i < 6; ++i) {
    a->fitPlotZoneMarkers_real_x[i] = 10.5 * (i + 1);
    a->fit_order[i] = orders[i];
  }
  a->curveFitType = 4;
  a->equation_Y_intercept_TF->setText("1.25E-3");
  a->excel_cell_TF->setText("$B$7");
  a->lmp_C_TF->setText("22.5");
  a->setCurveColorBox(FXRGB(12, 200, 99));
  a->xyValues_TBL->setItemText(0, 0, "1");
  a->xyValues_TBL->setItemText(0, 1, "2");
  a->xyValues_TBL->setItemText(1, 0, " 3 ");
  a->xyValues_TBL->setItemText(1, 1, "4.5");
  a->xyValues_TBL->setItemText(2, 0, "5");  // no y: stored as a text line
  a->xyValues_TBL->setItemText(1500, 0, "7");
  a->xyValues_TBL->setItemText(1500, 1, "8");
  const char* lmpRows[2][3] = {{"1000", "150", "811"}, {"2000", "120", "866"}};
  for (int c = 0; c < 3; ++c) {
    a->lmpData_TBL->setItemText(0, c, lmpRows[0][c]);
    a->lmpData_TBL->setItemText(3, c, lmpRows[1][c]);
  }
  a->recentFiles[0][0] = "/img/a.png";
  a->recentFiles[0][3] = "/img/b c.gif";
  a->recentFiles[1][0] = "/d/x.qwr";

  ASSERT_TRUE(a->writeSettingsFile("rt.ini"));
  const std::string text = qgtest::readFile("rt.ini");
  EXPECT_EQ(keySequence(text), std::vector<std::string>(std::begin(KEY_ORDER), std::end(KEY_ORDER)));
  EXPECT_NE(text.find("<version>2.81\n"), std::string::npos);
  EXPECT_NE(text.find("<window_x>120\n<window_y>80\n<width>1000\n<height>760\n<isMinimized>0\n"), std::string::npos);
  EXPECT_NE(text.find("<numRowsInXYTable_LB>2,000\n"), std::string::npos);
  EXPECT_NE(text.find("<fitPlotZoneMarkers_real_x>1 2.100000e+01\n"), std::string::npos);
  EXPECT_NE(text.find("<curve_color>12 200 99\n"), std::string::npos);
  // Rows after an incomplete row are kept; the incomplete row follows the
  // row lines as a text line.
  EXPECT_NE(text.find("<xyValues>0 1 2\n<xyValues>1 3 4.5\n<xyValues>1500 7 8\n<xyValuesText>2\t5\t\n"
                      "<LMPValues>0 1000 150 811\n<LMPValues>3 2000 120 866\n"),
            std::string::npos);
  EXPECT_NE(text.find("<RecentImageFiles>0 /img/a.png\n<RecentImageFiles>3 /img/b c.gif\n<RecentDataFiles>0 /d/x.qwr\n"),
            std::string::npos);

  Quillgrid* b = window();
  EXPECT_DOUBLE_EQ(b->version, FXDoubleVal(VERSION_NUMBER));  // before any file is read
  ASSERT_TRUE(b->readIniFile("rt.ini", false));
  EXPECT_EQ(b->version, 2.81);
  EXPECT_EQ(str(b->directoryForUserFiles), dir.path());
  EXPECT_EQ(b->window_x, 120);
  EXPECT_EQ(b->window_y, 80);
  EXPECT_EQ(b->windowWidth, 1000);
  EXPECT_EQ(b->windowHeight, 760);
  EXPECT_FALSE(b->isMinimized);
  EXPECT_EQ(b->numberFormatType_x, 0);
  EXPECT_EQ(b->numberFormatType_y, 0);
  for (CheckMember m : CHECKS) EXPECT_EQ((b->*m)->getCheck(), (a->*m)->getCheck()) << str((b->*m)->getText());
  for (MenuMember m : MENU_CHECKS) EXPECT_EQ((b->*m)->getCheck(), (a->*m)->getCheck()) << str((b->*m)->getText());
  EXPECT_FALSE(b->magnifiedViewsOnRightSide_MRB->getCheck());
  EXPECT_TRUE(b->magnifiedViewsOnBottom_MRB->getCheck());
  EXPECT_EQ(b->searchDirection, 3);
  EXPECT_EQ(b->numRowsInXYTable_LB->getCurrentItem(), 3);
  EXPECT_EQ(b->xyValues_TBL->getNumRows(), 2000);
  EXPECT_EQ(b->convertedXYValues_TBL->getNumRows(), 2000);
  EXPECT_EQ(b->temperatureScale, 4);
  EXPECT_EQ(str(b->y_axisScaleFactor->getText()), "2.54");
  EXPECT_DOUBLE_EQ(b->yAxisScaleFactor, 2.54);
  EXPECT_FALSE(b->showMagnifiedImage || b->showLineOnMagnifiedImage || b->showScanDirectionMagnifiedImage);
  EXPECT_FALSE(b->showMagnifiedImage_MC->getCheck() || b->showLineOnMagnifiedImage_MC->getCheck() ||
               b->showScanDirectionMagnifiedImage_MC->getCheck());
  EXPECT_EQ(b->numOfDecimalsInCoefficients_LB->getCurrentItem(), 7);
  EXPECT_EQ(b->numOfOverlapPoints_LB->getCurrentItem(), 5);
  EXPECT_EQ(b->numOfEquations_LB->getCurrentItem(), 3);
  EXPECT_EQ(b->maxFitOrder_LB->getCurrentItem(), 9);
  EXPECT_EQ(str(b->lineThickness_TF->getText()), "50");
  EXPECT_EQ(b->plotPointSize, 3);
  EXPECT_EQ(b->dataSource, 1);
  EXPECT_EQ(b->numAutoFindPoints_LB_LB->getCurrentItem(), 9);
  EXPECT_EQ(b->cursorType, 0);
  EXPECT_EQ(b->cursorColorIndex, 3);
  EXPECT_EQ(b->fitPlotFontSize, 14);
  EXPECT_EQ(b->dataPointColorIndex, 6);
  EXPECT_EQ(b->referencePointColorIndex, 5);
  EXPECT_EQ(b->axisScaleType_x, 1);
  EXPECT_EQ(b->axisScaleType_y, 1);
  for (int t = 0; t < 2; ++t)
    for (int r = 0; r < 2; ++r) EXPECT_EQ(cell(b->axisDataPoints_TBL[t], r, 0), axis[t][r]);
  EXPECT_EQ(str(b->colorTol_TF->getText()), "100");
  EXPECT_EQ(b->plotBackgroundColorIndex, 2);
  for (int i = 0; i < 6; ++i) {
    EXPECT_DOUBLE_EQ(b->fitPlotZoneMarkers_real_x[i], 10.5 * (i + 1));
    EXPECT_EQ(b->fit_order[i], orders[i]);
  }
  EXPECT_EQ(b->curveFitType, 4);
  EXPECT_EQ(str(b->equation_Y_intercept_TF->getText()), "1.25E-3");
  EXPECT_EQ(str(b->excel_cell_TF->getText()), "$B$7");
  EXPECT_EQ(str(b->lmp_C_TF->getText()), "22.5");
  EXPECT_EQ(b->curve_color->getBackColor(), FXRGB(12, 200, 99));
  EXPECT_EQ(str(b->curve_color->getText()), " 12  200   99");
  EXPECT_EQ(cell(b->xyValues_TBL, 1, 0), "3");
  EXPECT_EQ(cell(b->xyValues_TBL, 1, 1), "4.5");
  EXPECT_EQ(cell(b->xyValues_TBL, 2, 0), "5");
  EXPECT_EQ(cell(b->xyValues_TBL, 2, 1), "");
  EXPECT_EQ(cell(b->xyValues_TBL, 1500, 1), "8");
  for (int c = 0; c < 3; ++c) EXPECT_EQ(cell(b->lmpData_TBL, 3, c), lmpRows[1][c]);
  EXPECT_EQ(str(b->recentFiles[0][3]), "/img/b c.gif");
  EXPECT_EQ(str(b->recentFiles_MC[0][3]->getText()), "/img/b c.gif");
  EXPECT_EQ(str(b->recentFiles[1][0]), "/d/x.qwr");
  EXPECT_TRUE(b->clearRecentFiles_MC[0]->isEnabled() && b->clearRecentFiles_MC[1]->isEnabled());

  // Written again, the file is the same but for the window's own place.
  ASSERT_TRUE(b->writeSettingsFile("rt2.ini"));
  EXPECT_EQ(withoutGeometry(qgtest::readFile("rt2.ini")), withoutGeometry(text));
}

TEST_F(SettingsTest, EdgeCasesOfSingleLines) {
  Quillgrid* w = window();
  // A flag is on only for 1.
  read(w, "<autoFindAxisMaxXY_Chk>1\n");
  EXPECT_TRUE(w->autoFindAxisMaxXY_Chk->getCheck());
  read(w, "<autoFindAxisMaxXY_Chk>2\n");
  EXPECT_FALSE(w->autoFindAxisMaxXY_Chk->getCheck());

  read(w, "<width>399\n<height>399\n");
  EXPECT_EQ(w->windowWidth, 900);
  EXPECT_EQ(w->windowHeight, 800);
  read(w, "<width>400\n<_window_x>321\n<isMinimized>1\n");
  EXPECT_EQ(w->windowWidth, 400);
  EXPECT_EQ(w->window_x, 321);  // "<_" reads as "<"
  EXPECT_TRUE(w->isMinimized);

  for (int& o : w->fit_order) o = 3;
  read(w, "<fit_order>2 16\n<fit_order>4\n");
  EXPECT_EQ(std::vector<int>(w->fit_order, w->fit_order + 6), (std::vector<int>{3, 3, 2, 3, 2, 3}));
  read(w, "<fit_order>7 3\n");
  EXPECT_EQ(std::vector<int>(w->fit_order, w->fit_order + 6), std::vector<int>(6, 1));

  read(w, "<fitPlotZoneMarkers_real_x>6 5.0\n<fitPlotZoneMarkers_real_x>1 2.5e+01\n");
  EXPECT_EQ(w->fitPlotZoneMarkers_real_x[5], -1e100);
  EXPECT_EQ(w->fitPlotZoneMarkers_real_x[1], 25.0);

  // Files before 1.4 force the decimals list to item 4; the version read
  // stays for the next file.
  read(w, "<version>1.3\n<numOfDecimalsInCoefficients_LB>9\n");
  EXPECT_EQ(w->numOfDecimalsInCoefficients_LB->getCurrentItem(), 4);
  read(w, "<numOfDecimalsInCoefficients_LB>9\n");
  EXPECT_EQ(w->numOfDecimalsInCoefficients_LB->getCurrentItem(), 4);
  read(w, "<version>2.81\n<numOfDecimalsInCoefficients_LB>9\n");
  EXPECT_EQ(w->numOfDecimalsInCoefficients_LB->getCurrentItem(), 9);

  // A row count the list does not offer changes nothing but is recognised.
  const int rowsItem = w->numRowsInXYTable_LB->getCurrentItem();
  const int rows = w->xyValues_TBL->getNumRows();
  EXPECT_TRUE(read(w, filler(29) + "<numRowsInXYTable_LB>750\n"));
  EXPECT_EQ(w->numRowsInXYTable_LB->getCurrentItem(), rowsItem);
  EXPECT_EQ(w->xyValues_TBL->getNumRows(), rows);

  // Rows beyond the table and rows with a decimal comma are dropped.
  read(w, "<xyValues>" + std::to_string(rows) + " 1 2\n<xyValues>3 1,5 2\n<xyValues>4 1.5 2abc\n");
  EXPECT_EQ(cell(w->xyValues_TBL, 3, 0), "");
  EXPECT_EQ(cell(w->xyValues_TBL, 4, 0), "1.5");
  EXPECT_EQ(cell(w->xyValues_TBL, 4, 1), "2abc");

  read(w, "<magnifiedViewsOnBottom_MRB>1\n");
  EXPECT_TRUE(w->magnifiedViewsOnBottom_MRB->getCheck() && !w->magnifiedViewsOnRightSide_MRB->getCheck());
  read(w, "<magnifiedViewsOnRightSide_MRB>0\n");
  EXPECT_TRUE(w->magnifiedViewsOnBottom_MRB->getCheck() && !w->magnifiedViewsOnRightSide_MRB->getCheck());
  read(w, "<magnifiedViewsOnRightSide_MRB>1\n");
  EXPECT_TRUE(!w->magnifiedViewsOnBottom_MRB->getCheck() && w->magnifiedViewsOnRightSide_MRB->getCheck());

  // Out-of-range list indexes fall back to the list's own item.
  read(w, "<numOfEquations_LB>17\n<maxFitOrder_LB>-1\n<numOfOverlapPoints_LB>x\n<numAutoFindPoints_LB_LB>99\n");
  EXPECT_EQ(w->numOfEquations_LB->getCurrentItem(), 1);
  EXPECT_EQ(w->maxFitOrder_LB->getCurrentItem(), 3);
  EXPECT_EQ(w->numOfOverlapPoints_LB->getCurrentItem(), 0);  // "x" reads as item 0
  EXPECT_EQ(w->numAutoFindPoints_LB_LB->getCurrentItem(), 4);

  // Search length and colour difference: lengths the search accepts are
  // kept, others give the default.
  read(w, "<lineThickness_TF>40\n<colorTol_TF>25\n");
  EXPECT_EQ(str(w->lineThickness_TF->getText()), "40");
  EXPECT_EQ(str(w->colorTol_TF->getText()), "25");
  read(w, "<lineThickness_TF>7\n<colorTol_TF>24\n");
  EXPECT_EQ(str(w->lineThickness_TF->getText()), "30");
  EXPECT_EQ(str(w->colorTol_TF->getText()), "50");

  read(w, "<curve_color>300 -5 20\n<equation_Y_intercept_TF>  1.5e-3 \n<excel_cell_TF> $b$7 \n");
  EXPECT_EQ(w->curve_color->getBackColor(), FXRGB(44, 251, 20));
  EXPECT_EQ(str(w->curve_color->getText()), " 44  251   20");
  EXPECT_EQ(str(w->equation_Y_intercept_TF->getText()), "1.5E-3");
  EXPECT_EQ(str(w->excel_cell_TF->getText()), "$B$7");

  read(w, "<directoryForUserFiles>/no/such/directory\n");
  EXPECT_EQ(str(w->directoryForUserFiles), str(w->getDefaultDirectory()));
  read(w, "<directoryForUserFiles>" + dir.path() + "\n");
  EXPECT_EQ(str(w->directoryForUserFiles), dir.path());
}

TEST_F(SettingsTest, ThirtyRecognisedLinesAndWhatADataFileIgnores) {
  Quillgrid* w = window();
  EXPECT_FALSE(read(w, filler(29) + "<unknown>1\n\n<Width>5\n"));
  EXPECT_TRUE(read(w, filler(30)));

  // Directory and recent-file lines are settings-file lines only.
  w->recentFiles[0][0] = "/keep.png";
  const FXString home = w->directoryForUserFiles;
  const std::string other = "<RecentImageFiles>0 /other.png\n<RecentDataFiles>0 /other.qwr\n<directoryForUserFiles>" +
                            dir.path() + "\n";
  EXPECT_FALSE(read(w, filler(28) + other, true));
  EXPECT_EQ(str(w->recentFiles[0][0]), "/keep.png");
  EXPECT_TRUE(w->recentFiles[1][0].empty());
  EXPECT_EQ(w->directoryForUserFiles, home);
  EXPECT_TRUE(read(w, filler(28) + other, false));
  EXPECT_EQ(str(w->recentFiles[0][0]), "/other.png");
  EXPECT_EQ(str(w->directoryForUserFiles), dir.path());
}

TEST_F(SettingsTest, ASettingsFileOfTwentyNineLinesGivesTheFallBackDefaults) {
  qgtest::writeFile(".Quillgrid.ini", filler(26) + "<maxFitOrder_LB>9\n<fit_order>0 5\n<autoFindPoint_Chk>0\n");
  Quillgrid* w = window();
  EXPECT_EQ(w->fit_order[0], 1);
  EXPECT_TRUE(w->autoFindPoint_Chk->getCheck());
  EXPECT_EQ(w->numOfDecimalsInCoefficients_LB->getCurrentItem(), 4);

  qgtest::writeFile(".Quillgrid.ini", filler(27) + "<maxFitOrder_LB>9\n<fit_order>0 5\n<autoFindPoint_Chk>0\n");
  Quillgrid* v = window();
  EXPECT_EQ(v->fit_order[0], 5);
  EXPECT_FALSE(v->autoFindPoint_Chk->getCheck());
}

TEST_F(SettingsTest, DamagedFilesNeverLeaveTheWindowInABadState) {
  Quillgrid* w = window();
  w->autoFindAxisMaxXY_Chk->setCheck(TRUE, FALSE);
  const std::string good = str(w->settingsText());
  w->autoFindAxisMaxXY_Chk->setCheck(FALSE, FALSE);

  // Truncated in the middle of a line: what was read stays applied.
  EXPECT_TRUE(read(w, good.substr(0, good.size() * 2 / 3)));
  EXPECT_TRUE(w->autoFindAxisMaxXY_Chk->getCheck());
  w->autoFindAxisMaxXY_Chk->setCheck(FALSE, FALSE);
  EXPECT_FALSE(read(w, good.substr(0, 300)));
  EXPECT_TRUE(w->autoFindAxisMaxXY_Chk->getCheck());
  expectSane(w);

  // Binary garbage, with bytes of every value and some brackets.
  std::string garbage;
  unsigned seed = 12345;
  for (int i = 0; i < 65536; ++i) {
    seed = seed * 1103515245u + 12345u;
    garbage += static_cast<char>((seed >> 16) & 255);
  }
  EXPECT_FALSE(read(w, garbage));
  w->afterReadingDatafiles(false);
  expectSane(w);

  // Every value huge, hugely negative, empty, or not a number: every line
  // is still recognised, and the limits hold.
  for (const char* value : {"99999999999999999999", "-99999999999999999999", "", "abc", "1e999 1e999 1e999", "nan"}) {
    EXPECT_TRUE(read(w, withValues(good, value))) << value;
    w->afterReadingDatafiles(false);
    expectSane(w);
  }

  // Missing keys change nothing else.
  w->cursorType = 1;
  EXPECT_TRUE(read(w, filler(30)));
  EXPECT_EQ(w->cursorType, 1);

  // Files that cannot be read.
  EXPECT_FALSE(w->readIniFile("no-such-file.ini", false));
  EXPECT_FALSE(w->readIniFile(dir.path().c_str(), false));
  EXPECT_FALSE(read(w, ""));

  // The same damage in the settings file at start-up.
  qgtest::writeFile(".Quillgrid.ini", withValues(good, "99999999999999999999"));
  expectSane(window());
  // An unreadable file leaves the search fields to the start-up defaults.
  qgtest::writeFile(".Quillgrid.ini", garbage);
  expectSane(window(), false);
}

TEST_F(SettingsTest, DataFileSavedThroughTheDialogOpensInAnotherWindow) {
  Quillgrid* a = window();
  a->directoryForUserFiles = dir.path().c_str();
  const char* xy[3][2] = {{"1", "10"}, {"2", "20.5"}, {"3.25", "-4e2"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 2; ++c) a->xyValues_TBL->setItemText(r, c, xy[r][c]);
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < 3; ++c) a->lmpData_TBL->setItemText(r, c, FXStringVal(100 * (c + 1) + r));
  a->axisDataPoints_TBL[0]->setItemText(0, 0, "0");
  a->axisDataPoints_TBL[0]->setItemText(1, 0, "50");
  a->axisDataPoints_TBL[1]->setItemText(0, 0, "1");
  a->axisDataPoints_TBL[1]->setItemText(1, 0, "1000");
  a->recentFiles[0][0] = "/img/z.png";

  const std::string path = dir.path() + "/saved.qwr";
  qgtest::ModalScript script;
  FXString pattern, startDir;
  script.then([&](ModalSeam::Request& req) -> FXuint {
    FXFileDialog* d = dynamic_cast<FXFileDialog*>(req.dialog);
    if (!d) return 0;
    pattern = d->getPatternText(d->getCurrentPattern());
    startDir = d->getDirectory();
    d->setFilename((dir.path() + "/saved.png").c_str());  // the pattern's extension is forced
    return 1;
  });
  EXPECT_EQ(a->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_SAVE_DATA_FILE), nullptr), 1);
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(str(script.last().caption), "Save datafile");
  EXPECT_EQ(str(pattern), "Quillgrid (*.qwr)");
  EXPECT_EQ(str(startDir), dir.path());
  ASSERT_TRUE(qgtest::fileExists("saved.qwr"));
  EXPECT_EQ(str(a->saveFileName), path);
  EXPECT_EQ(str(a->recentFiles[1][0]), path);
  EXPECT_TRUE(a->clearRecentFiles_MC[1]->isEnabled());

  // Saving over the file asks first; No keeps the file and asks for a name
  // again, Yes replaces it.
  a->xyValues_TBL->setItemText(5, 0, "6");
  a->xyValues_TBL->setItemText(5, 1, "60");
  script.acceptFile(path.c_str()).press(MBOX_CLICKED_NO).cancel();
  a->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_SAVE_DATA_FILE), nullptr);
  EXPECT_EQ(str(script.requests()[2].caption), "Overwrite");
  EXPECT_EQ(qgtest::readFile("saved.qwr").find("<xyValues>5 6 60\n"), std::string::npos);
  script.acceptFile(path.c_str()).press(MBOX_CLICKED_YES);
  a->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_SAVE_DATA_FILE), nullptr);
  EXPECT_NE(qgtest::readFile("saved.qwr").find("<xyValues>5 6 60\n"), std::string::npos);
  const size_t requests = script.count();

  Quillgrid* b = window();
  b->xyValues_TBL->setItemText(7, 0, "old");
  b->lmpData_TBL->setItemText(9, 2, "old");
  b->tabBook->setCurrent(0, FALSE);
  b->openDataFile(path.c_str());
  EXPECT_EQ(script.count(), requests);  // no error box
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 2; ++c) EXPECT_EQ(cell(b->xyValues_TBL, r, c), xy[r][c]);
  EXPECT_EQ(cell(b->xyValues_TBL, 5, 1), "60");
  EXPECT_EQ(cell(b->xyValues_TBL, 7, 0), "");
  EXPECT_EQ(cell(b->lmpData_TBL, 9, 2), "");
  EXPECT_EQ(cell(b->lmpData_TBL, 0, 0), "100");
  EXPECT_EQ(cell(b->lmpData_TBL, 1, 2), "301");
  EXPECT_EQ(cell(b->axisDataPoints_TBL[0], 1, 0), "50");
  EXPECT_EQ(cell(b->axisDataPoints_TBL[1], 1, 0), "1000");
  EXPECT_EQ(str(b->recentFiles[1][0]), path);
  EXPECT_TRUE(b->recentFiles[0][0].empty());  // the file's recent lists are not taken
  // Both tables hold data: the Xy Values tab shows, and the Larson-Miller
  // tab is switched on.
  EXPECT_EQ(b->tabBook->getCurrent(), 1);
  EXPECT_TRUE(b->showLMPStuff_Chk->getCheck());
}

// A picture of a graph axes: the X axis along row 250 from column 50 to
// 350, the Y axis along column 50 from row 50 to 250, 400 x 300 pixels.
std::string writeGraphPicture(const std::string& dirPath) {
  const int width = 400, height = 300;
  std::vector<FXColor> p(width * height, FXRGB(255, 255, 255));
  for (int x = 50; x <= 350; ++x) p[250 * width + x] = FXRGB(0, 0, 0);
  for (int y = 50; y <= 250; ++y) p[y * width + 50] = FXRGB(0, 0, 0);
  FXFileStream s;
  EXPECT_TRUE(s.open("graph.png", FXStreamSave));
  fxsavePNG(s, p.data(), width, height);
  s.close();
  return dirPath + "/graph.png";
}

// Clicks image pixel (ix, iy) of the window's image view.
void clickImage(Quillgrid* w, int ix, int iy) {
  w->setCursorPosition(ix + w->extraPixels[0], iy + w->extraPixels[1]);
  FXEvent ev;
  ev.type = SEL_LEFTBUTTONPRESS;
  ev.code = LEFTBUTTON;
  w->handle(w->imageView, FXSEL(SEL_LEFTBUTTONPRESS, Quillgrid::ID_IMAGE_VIEW), &ev);
}

TEST_F(SettingsTest, ADataFileRestoresAStateThatFitsFromEveryTable) {
  qgtest::ModalScript script;
  const std::string picture = writeGraphPicture(dir.path());
  const char* axisValues[2][2] = {{"0", "300"}, {"0", "20"}};
  // Axes clicked at their ends, four curve points on the line
  // y = x / 50 - 0.4 (with X 0 to 300).
  auto pickAxesAndPoints = [&](Quillgrid* w, const char* xMax) {
    ASSERT_TRUE(w->loadImage(picture.c_str()));
    w->recalc();
    qgtest::runFor(100);
    w->getExtraPixels();
    w->autoFindPoint_Chk->setCheck(FALSE, FALSE);
    clickImage(w, 50, 250);
    clickImage(w, 350, 250);
    clickImage(w, 50, 50);
    for (int t = 0; t < 2; ++t)
      for (int r = 0; r < 2; ++r) w->axisDataPoints_TBL[t]->setItemText(r, 0, axisValues[t][r]);
    w->axisDataPoints_TBL[0]->setItemText(1, 0, xMax);
    for (int i = 0; i < 4; ++i) clickImage(w, 80 + 50 * i, 248 - 10 * i);
  };

  Quillgrid* a = window();
  pickAxesAndPoints(a, "300");
  for (int r = 0; r < 10; ++r) {
    const double x = r + 1;
    a->xyValues_TBL->setItemText(r, 0, FXStringVal(x));
    a->xyValues_TBL->setItemText(r, 1, FXStringVal(2 * x * x - 3 * x + 5));
  }
  for (int r = 0; r < 6; ++r) {
    const double time = std::pow(10.0, r % 3 + 1), T = r < 3 ? 800 : 900;
    a->lmpData_TBL->setItemText(r, 0, FXStringVal(time));
    a->lmpData_TBL->setItemText(r, 1, FXStringFormat("%.12g", std::exp(8 - 0.2 * (std::log10(time) + 20) * T / 1000)));
    a->lmpData_TBL->setItemText(r, 2, FXStringVal(T));
  }
  a->fit_order[0] = 2;
  ASSERT_TRUE(a->writeSettingsFile("fit.qwr"));

  // Points converted with other axis values take the values of the file's
  // axes when it is opened; a point picked afterwards agrees with them.
  Quillgrid* b = window();
  pickAxesAndPoints(b, "600");
  ASSERT_EQ(cell(b->curveData_TBL, 0, 0), "60.000");
  b->openDataFile((dir.path() + "/fit.qwr").c_str());
  EXPECT_EQ(cell(b->axisDataPoints_TBL[0], 1, 0), "300");
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(FXDoubleVal(b->curveData_TBL->getItemText(i, 0)), 30 + 50 * i, 1e-9) << i;
    EXPECT_NEAR(FXDoubleVal(b->curveData_TBL->getItemText(i, 1)), (2 + 10 * i) / 10.0, 1e-9) << i;
  }
  clickImage(b, 300, 204);
  EXPECT_NEAR(FXDoubleVal(b->curveData_TBL->getItemText(4, 0)), 250, 1e-9);

  // Each table fits: the curve points, the XY values and the Larson-Miller
  // rows, with one equation zone.
  b->numOfEquations_LB->setCurrentItem(0, FALSE);
  b->setNumEquations(true);
  b->fit_order[0] = 1;
  b->dataSource = 0;
  b->setDataSource();
  ASSERT_TRUE(b->getQuillgrid());
  EXPECT_NEAR(FXDoubleVal(b->coefficients_TBL[0]->getItemText(0, 1)), 1 / 50.0, 1e-9);
  b->fit_order[0] = 2;
  b->dataSource = 1;
  b->setDataSource();
  ASSERT_TRUE(b->getQuillgrid());
  EXPECT_NEAR(FXDoubleVal(b->coefficients_TBL[0]->getItemText(0, 2)), 2, 1e-6);
  b->curveFitType = 5;
  b->setCurveFitType();
  ASSERT_TRUE(b->getQuillgrid());
  EXPECT_NEAR(FXDoubleVal(b->coefficients_TBL[0]->getItemText(0, 1)), -0.2, 1e-6);
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(SettingsTest, DataFileErrorsAreReported) {
  Quillgrid* w = window();
  qgtest::ModalScript script;
  w->recentFiles[1][1] = "/d/kept.qwr";
  w->xyValues_TBL->setItemText(0, 0, "9");
  w->openDataFile("missing.qwr");
  ASSERT_EQ(script.count(), 1u);
  EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
  EXPECT_EQ(str(script.last().caption), "Error");
  EXPECT_EQ(str(script.last().text), "Unknown error reading file");
  EXPECT_EQ(str(w->recentFiles[1][0]), "/d/kept.qwr");  // the list is compacted
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 0), "9");          // and the table kept

  // Too few lines: reported, and nothing of the file is applied.
  qgtest::writeFile("short.qwr", "<xyValues>0 5 6\n<fit_order>0 4\n");
  const int order = w->fit_order[0];
  ASSERT_NE(order, 4);
  w->openDataFile("short.qwr");
  EXPECT_EQ(script.count(), 2u);
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 0), "9");
  EXPECT_EQ(cell(w->xyValues_TBL, 0, 1), "");
  EXPECT_EQ(w->fit_order[0], order);
  EXPECT_EQ(str(w->recentFiles[1][0]), "/d/kept.qwr");

  // A cancelled dialog saves nothing; a file that cannot be written is
  // reported and not offered as a recent file.
  script.cancel();
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_SAVE_DATA_FILE), nullptr), 1);
  EXPECT_EQ(script.count(), 3u);
  ASSERT_EQ(symlink("no-such-dir/x.qwr", "dangling.qwr"), 0);
  script.acceptFile((dir.path() + "/dangling.qwr").c_str());
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_SAVE_DATA_FILE), nullptr), 1);
  ASSERT_EQ(script.count(), 5u);
  EXPECT_EQ(script.last().kind, ModalSeam::ERROR_BOX);
  EXPECT_EQ(str(script.last().caption), "Error");
  EXPECT_EQ(str(w->recentFiles[1][0]), "/d/kept.qwr");
}

// A settings file with a text of about 262,000 characters in one cell
// ended the program at every start: the display refuses to draw a text
// that long (BadLength), until the user found and deleted the hidden file.
// No text that long is taken from a file now, in any cell, field or path.
TEST_F(SettingsTest, TextsTooLongToShowAreNotTakenFromAFile) {
  Quillgrid* w = window();
  const std::string huge(262000, '1');
  std::string text = str(w->settingsText());
  for (const char* key : {"directoryForUserFiles", "y_axisScaleFactor", "min_x_axisDataPoints_TBL", "max_y_axisDataPoints_TBL",
                          "equation_Y_intercept_TF", "excel_cell_TF", "lmp_C_TF"})
    text += std::string("<") + key + ">" + huge + "\n";
  text += "<xyValues>0 " + huge + " 2\n<xyValues>1 3 4\n<LMPValues>0 100 " + huge + " 800\n<RecentImageFiles>0 /" +
          huge + "\n";
  const int limit = Utilities_lom2::MAX_SHOWN_TEXT_BYTES;

  // As a data file in a running window.
  EXPECT_TRUE(read(w, text, true));
  w->afterReadingDatafiles(false);
  EXPECT_LE(qgtest::longestShownText(w), limit);
  EXPECT_EQ(cell(w->xyValues_TBL, 1, 1), "4");  // the rows around it still arrive
  expectSane(w);

  // As the settings file at start-up: the window starts and shows every
  // tab and its menus.
  qgtest::writeFile(".Quillgrid.ini", text);
  Quillgrid* started = window();
  EXPECT_LE(qgtest::longestShownText(started), limit);
  started->show(PLACEMENT_SCREEN);
  for (int tab = 0; tab < 4; ++tab) {
    started->tabBook->setCurrent(tab, FALSE);
    qgtest::runFor(30);
  }
  started->fileMenu->popup(nullptr, 10, 10);
  qgtest::runFor(30);
  started->fileMenu->popdown();
  EXPECT_TRUE(started->shown());

  // A text as long as the display can show is taken as it stands.
  const std::string longest(static_cast<size_t>(limit), '7');
  EXPECT_TRUE(read(w, filler(30) + "<min_x_axisDataPoints_TBL>" + longest + "\n"));
  EXPECT_EQ(cell(w->axisDataPoints_TBL[0], 0, 0), longest);
}

TEST_F(SettingsTest, QuittingWritesTheFileAndTheNextStartReadsIt) {
  Quillgrid* a = make();
  // Without a settings file the first run may grow the built-in size to
  // the screen's room; whatever placement it took is kept.
  ASSERT_TRUE(qgtest::runUntil([&] { return !a->placementFromDefaults; }));
  const int placedX = a->window_x, placedWidth = a->windowWidth;
  a->autoFindAxisMaxXY_Chk->setCheck(TRUE, FALSE);
  a->lmp_C_TF->setText("31");
  qgtest::DelayedMessage quit(a, FXSEL(SEL_COMMAND, Quillgrid::ID_QUIT), 20);
  EXPECT_EQ(qgtest::app()->run(), 0);
  delete a;
  ASSERT_TRUE(qgtest::fileExists(".Quillgrid.ini"));

  Quillgrid* b = make();
  EXPECT_TRUE(b->autoFindAxisMaxXY_Chk->getCheck());
  EXPECT_EQ(str(b->lmp_C_TF->getText()), "31");
  // The title-bar close deletes the window, which writes the file too.
  b->lmp_C_TF->setText("32");
  qgtest::DelayedMessage close(b, FXSEL(SEL_CLOSE, 0), 20);
  EXPECT_EQ(qgtest::app()->run(), 0);

  Quillgrid* c = window();
  EXPECT_EQ(str(c->lmp_C_TF->getText()), "32");
  EXPECT_EQ(c->window_x, placedX);  // the placement of the earlier runs
  EXPECT_EQ(c->windowWidth, placedWidth);
}

// The state of every option widget of a window and its menus, one line
// each in the order of the widget tree.
void optionStates(FXWindow* w, std::vector<std::string>& out) {
  std::string s;
  if (auto* c = dynamic_cast<FXCheckButton*>(w))
    s = "check " + str(c->getText()) + " " + std::to_string(c->getCheck());
  else if (auto* r = dynamic_cast<FXRadioButton*>(w))
    s = "radio " + str(r->getText()) + " " + std::to_string(r->getCheck()) + " " + std::to_string(r->getBackColor());
  else if (auto* m = dynamic_cast<FXMenuCheck*>(w))
    s = "menu check " + str(m->getText()) + " " + std::to_string(m->getCheck());
  else if (auto* m = dynamic_cast<FXMenuRadio*>(w))
    s = "menu radio " + str(m->getText()) + " " + std::to_string(m->getCheck());
  else if (auto* l = dynamic_cast<FXListBox*>(w))
    s = "list " + std::to_string(l->getCurrentItem());
  else if (auto* t = dynamic_cast<TextField_lom2*>(w))
    s = "number " + str(t->getText());
  if (!s.empty()) out.push_back(s + (w->isEnabled() ? "" : " disabled"));
  for (FXWindow* c = w->getFirst(); c; c = c->getNext()) optionStates(c, out);
}

std::vector<std::string> optionStates(Quillgrid* w) {
  std::vector<std::string> out;
  optionStates(w, out);
  for (FXWindow* pane : {w->fileMenu, w->savePlotMenu, w->optionsMenu, w->helpMenu}) optionStates(pane, out);
  return out;
}

// A widget's command to its target, as a click or a choice sends it.
void command(FXWindow* w, void* data) {
  if (w->getTarget()) w->getTarget()->handle(w, FXSEL(SEL_COMMAND, w->getSelector()), data);
}

TEST_F(SettingsTest, TheNextStartShowsTheOptionsOfTheLastRun) {
  qgtest::ModalScript script;
  Quillgrid* a = make();
  for (FXRadioButton* r : {a->cursorType_RB[0], a->dataPointColor_RB[5], a->referencePointColor_RB[4],
                           a->plotPointSize_RB[2], a->plotBackground_RB[2], a->searchDirection_RB[2], a->axisLog_RB[0],
                           a->numberFormatDecimal_RB[1], a->curveFitType_RB[3], a->dataSource_RB[1]}) {
    r->setCheck(TRUE);
    command(r, (void*)(FXuval)1);
  }
  const std::pair<FXListBox*, int> items[] = {
      {a->fitPlotFontSize_LB, 3}, {a->temperatureScale_LB, 2},         {a->cursorColor_LB, 2},
      {a->maxFitOrder_LB, 6},     {a->numOfOverlapPoints_LB, 3},       {a->numOfDecimalsInCoefficients_LB, 6},
      {a->numRowsInXYTable_LB, 2}, {a->numAutoFindPoints_LB_LB, 7}};
  for (const auto& item : items) {
    item.first->setCurrentItem(item.second);
    command(item.first, (void*)(FXival)item.second);
  }
  for (CheckMember m : CHECKS) {
    if (!(a->*m)->isEnabled()) continue;  // as a click would leave it
    (a->*m)->setCheck(!(a->*m)->getCheck());
    command(a->*m, (void*)(FXuval)(a->*m)->getCheck());
  }
  for (MenuMember m : MENU_CHECKS) {
    (a->*m)->setCheck(!(a->*m)->getCheck());
    command(a->*m, (void*)(FXuval)(a->*m)->getCheck());
  }
  a->y_axisScaleFactor->setText("2.5");
  a->lmp_C_TF->setText("25");
  const std::vector<std::string> before = optionStates(a);
  qgtest::DelayedMessage quit(a, FXSEL(SEL_COMMAND, Quillgrid::ID_QUIT), 20);
  EXPECT_EQ(qgtest::app()->run(), 0);
  delete a;

  const std::vector<std::string> after = optionStates(window());
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < before.size(); ++i) EXPECT_EQ(after[i], before[i]) << i;
}

TEST_F(SettingsTest, DefaultTabFollowsTheLoadedTables) {
  Quillgrid* w = window();
  w->tabBook->setCurrent(3, FALSE);
  w->setDefaultTab();
  EXPECT_EQ(w->tabBook->getCurrent(), 3);  // no data: the tab stays
  w->showLMPStuff_Chk->setCheck(FALSE);
  w->lmpData_TBL->setItemText(0, 0, "1000");
  w->setDefaultTab();
  EXPECT_EQ(w->tabBook->getCurrent(), 2);
  EXPECT_TRUE(w->showLMPStuff_Chk->getCheck());
  w->xyValues_TBL->setItemText(0, 0, "1");
  w->setDefaultTab();
  EXPECT_EQ(w->tabBook->getCurrent(), 1);
  w->lmpData_TBL->setItemText(0, 0, " ");
  w->tabBook->setCurrent(0, FALSE);
  w->setDefaultTab();
  EXPECT_EQ(w->tabBook->getCurrent(), 1);
}

TEST_F(SettingsTest, ClearingARecentListAsksFirstAndTheDirectoryResets) {
  Quillgrid* w = window();
  w->updateRecentlyUsedFileList("/img/a.png", 0);
  w->updateRecentlyUsedFileList("/d/a.qwr", 1);
  qgtest::ModalScript script;
  script.press(MBOX_CLICKED_NO).press(MBOX_CLICKED_YES);
  EXPECT_EQ(w->handle(w->clearRecentFiles_MC[0], FXSEL(SEL_COMMAND, Quillgrid::ID_CLEAR_RECENT_FILES), nullptr), 0);
  EXPECT_EQ(str(script.last().caption), "Clear image file list");
  EXPECT_EQ(str(script.last().text), "Are you sure you want to clear the image file list?");
  EXPECT_EQ(script.last().buttons, (FXuint)MBOX_YES_NO);
  EXPECT_EQ(str(w->recentFiles[0][0]), "/img/a.png");
  EXPECT_EQ(w->handle(w->clearRecentFiles_MC[1], FXSEL(SEL_COMMAND, Quillgrid::ID_CLEAR_RECENT_FILES), nullptr), 1);
  EXPECT_EQ(str(script.last().caption), "Clear data file list");
  EXPECT_TRUE(w->recentFiles[1][0].empty());
  EXPECT_FALSE(w->clearRecentFiles_MC[1]->isEnabled());
  EXPECT_EQ(str(w->recentFiles[0][0]), "/img/a.png");

  w->directoryForUserFiles = dir.path().c_str();
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_RESET_DIRECTORY), nullptr), 1);
  EXPECT_EQ(w->directoryForUserFiles, w->getDefaultDirectory());
}
