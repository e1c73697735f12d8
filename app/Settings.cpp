// The settings file: one table of entries drives both the writer and the
// reader, so every key is written and read under the same name, in the
// file's order, with the same widget or member behind it.
#include <string>
#include <unordered_map>
#include <vector>

#include "Globals.h"
#include "MenuRules.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "SettingsRules.h"
#include "Table_lom2.h"
#include "TextField_lom2.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace {

// A file of fewer recognised lines than this is taken as not read.
const int MIN_RECOGNISED_LINES = 30;
// Files written before this version chose the number of decimals badly.
const double FIRST_VERSION_WITH_DECIMALS_CHOICE = 1.4;

enum Kind {
  CHECK,       // check button: 1 or 0, set without notifying
  MENU_CHECK,  // menu check: 1 or 0
  INT,         // int member, out-of-range values give the fallback
  LIST,        // index of the current item of a list box
  SPECIAL      // the entries below, one by one
};

enum Special {
  NONE,
  VERSION,
  DIRECTORY,
  WINDOW_X,
  WINDOW_Y,
  WIDTH,
  HEIGHT,
  IS_MINIMIZED,
  MAGNIFIED_RIGHT,
  MAGNIFIED_BOTTOM,
  XY_TABLE_ROWS,
  Y_SCALE_FACTOR,
  SHOW_MAGNIFIED,
  SHOW_LINE_MAGNIFIED,
  SHOW_SCAN_DIRECTION,
  DECIMALS,
  SEARCH_LENGTH,
  AUTO_FIND_POINTS,
  AXIS_CELL,
  COLOR_TOLERANCE,
  ZONE_MARKERS,
  FIT_ORDERS,
  INTERCEPT,
  EXCEL_CELL,
  LMP_CONSTANT,
  CURVE_COLOR,
  XY_VALUES,
  XY_VALUES_TEXT,
  LMP_VALUES,
  LMP_VALUES_TEXT,
  RECENT_FILES
};

struct Entry {
  const char* key;
  Kind kind;
  Special special;
  FXCheckButton* Quillgrid::*check;
  FXMenuCheck* Quillgrid::*menu;
  int Quillgrid::*integer;
  FXListBox* Quillgrid::*list;
  // INT: accepted range and fallback; LIST: fallback item (-1: no change);
  // AXIS_CELL: axis and row; RECENT_FILES: list type.
  int a, b, fallback;
};

Entry check(const char* key, FXCheckButton* Quillgrid::*m) { return {key, CHECK, NONE, m, nullptr, nullptr, nullptr, 0, 0, 0}; }
Entry menu(const char* key, FXMenuCheck* Quillgrid::*m) { return {key, MENU_CHECK, NONE, nullptr, m, nullptr, nullptr, 0, 0, 0}; }
Entry integer(const char* key, int Quillgrid::*m, int lo, int hi, int fallback) {
  return {key, INT, NONE, nullptr, nullptr, m, nullptr, lo, hi, fallback};
}
Entry list(const char* key, FXListBox* Quillgrid::*m, int fallback) {
  return {key, LIST, NONE, nullptr, nullptr, nullptr, m, 0, 0, fallback};
}
Entry special(const char* key, Special s, int a = 0, int b = 0) {
  return {key, SPECIAL, s, nullptr, nullptr, nullptr, nullptr, a, b, 0};
}

// Every entry, in the order of the file.
const std::vector<Entry>& entries() {
  typedef Quillgrid Q;
  static const std::vector<Entry> table = {
      special("version", VERSION),
      special("directoryForUserFiles", DIRECTORY),
      special("window_x", WINDOW_X),
      special("window_y", WINDOW_Y),
      special("width", WIDTH),
      special("height", HEIGHT),
      special("isMinimized", IS_MINIMIZED),
      integer("numberFormatType_x", &Q::numberFormatType_x, 0, 1, 1),
      integer("numberFormatType_y", &Q::numberFormatType_y, 0, 1, 1),
      check("autoFindPoint_Chk", &Q::autoFindPoint_Chk),
      check("proMode_Chk", &Q::proMode_Chk),
      check("autoFindAxisMaxXY_Chk", &Q::autoFindAxisMaxXY_Chk),
      check("roundXvalueToNearestInteger_Chk", &Q::roundXvalueToNearestInteger_Chk),
      menu("turnOnAutoFindAxisWithNewImage_Chk", &Q::turnOnAutoFindAxisWithNewImage_Chk),
      check("fullAuto_Chk", &Q::fullAuto_Chk),
      special("magnifiedViewsOnRightSide_MRB", MAGNIFIED_RIGHT),
      special("magnifiedViewsOnBottom_MRB", MAGNIFIED_BOTTOM),
      menu("resizeWindowWithNewImage", &Q::resizeWindowWithNewImage),
      menu("clearAxisDefinitionsWithNewImage", &Q::clearAxisDefinitionsWithNewImage),
      menu("cornerPointsSameColorAsDataPoints", &Q::cornerPointsSameColorAsDataPoints),
      menu("warnForAxisMinMaxReversed", &Q::warnForAxisMinMaxReversed),
      menu("warnForAxisLogScaling_Chk", &Q::warnForAxisLogScaling_Chk),
      menu("setNumericFormatDependingOnAxisScaling", &Q::setNumericFormatDependingOnAxisScaling),
      check("clearWhenDefiningNewCurveColor_Chk", &Q::clearWhenDefiningNewCurveColor_Chk),
      check("autoOrderIncreasingWhenCopying_Chk", &Q::autoOrderIncreasingWhenCopying_Chk),
      integer("searchDirection", &Q::searchDirection, 0, NUM_SEARCH_DIRECTIONS - 1, 0),
      special("numRowsInXYTable_LB", XY_TABLE_ROWS),
      menu("showLMPStuff_Chk", &Q::showLMPStuff_Chk),
      menu("hideEqnCoefficientTables_Chk", &Q::hideEqnCoefficientTables_Chk),
      check("xAxisIsTemperature_Chk", &Q::xAxisIsTemperature_Chk),
      integer("temperatureScale", &Q::temperatureScale, 0, NUM_TEMPERATURE_CONVERSIONS - 1, 0),
      special("y_axisScaleFactor", Y_SCALE_FACTOR),
      special("showMagnifiedImage", SHOW_MAGNIFIED),
      special("showLineOnMagnifiedImage", SHOW_LINE_MAGNIFIED),
      special("showScanDirectionMagnifiedImage", SHOW_SCAN_DIRECTION),
      special("numOfDecimalsInCoefficients_LB", DECIMALS),
      list("numOfOverlapPoints_LB", &Q::numOfOverlapPoints_LB, 1),
      list("numOfEquations_LB", &Q::numOfEquations_LB, 1),
      list("maxFitOrder_LB", &Q::maxFitOrder_LB, 3),
      special("lineThickness_TF", SEARCH_LENGTH),
      integer("plotPointSize", &Q::plotPointSize, 0, NUM_PLOT_POINT_SIZES - 1, 1),
      integer("dataSource", &Q::dataSource, 0, NUM_DATA_SOURCES - 1, 0),
      special("numAutoFindPoints_LB_LB", AUTO_FIND_POINTS),
      integer("cursorType", &Q::cursorType, 0, 2, 2),
      integer("cursorColorIndex", &Q::cursorColorIndex, 0, NUM_CURSOR_COLORS - 1, 0),
      integer("fitPlotFontSize", &Q::fitPlotFontSize, 8, 20, 10),
      integer("dataPointColorIndex", &Q::dataPointColorIndex, 0, NUM_POINT_COLORS - 1, 1),
      integer("referencePointColorIndex", &Q::referencePointColorIndex, 0, NUM_POINT_COLORS - 1, 1),
      check("cursorSpacing_Chk", &Q::cursorSpacing_Chk),
      integer("axisScaleType_x", &Q::axisScaleType_x, 0, 1, 0),
      integer("axisScaleType_y", &Q::axisScaleType_y, 0, 1, 0),
      special("min_x_axisDataPoints_TBL", AXIS_CELL, 0, 0),
      special("max_x_axisDataPoints_TBL", AXIS_CELL, 0, 1),
      special("min_y_axisDataPoints_TBL", AXIS_CELL, 1, 0),
      special("max_y_axisDataPoints_TBL", AXIS_CELL, 1, 1),
      special("colorTol_TF", COLOR_TOLERANCE),
      menu("includeRotationOnImage_Chk", &Q::includeRotationOnImage_Chk),
      integer("plotBackgroundColorIndex", &Q::plotBackgroundColorIndex, 0, NUM_BACK_GROUND_COLORS - 1, 1),
      special("fitPlotZoneMarkers_real_x", ZONE_MARKERS),
      special("fit_order", FIT_ORDERS),
      integer("curveFitType", &Q::curveFitType, 0, 5, 0),
      check("fillEmptyCellsWithZeros_Chk", &Q::fillEmptyCellsWithZeros_Chk),
      check("showEquationOnImage_Chk", &Q::showEquationOnImage_Chk),
      check("setEqnYIntercept_Chk", &Q::setEqnYIntercept_Chk),
      special("equation_Y_intercept_TF", INTERCEPT),
      check("lmp_ZELK_formatting_Chk", &Q::lmp_ZELK_formatting_Chk),
      check("autoDeleteRowsWithZero_Chk", &Q::autoDeleteRowsWithZero_Chk),
      check("lmpMouseWheelStepSizeOfp1_Chk", &Q::lmpMouseWheelStepSizeOfp1_Chk),
      check("adjustEquationsWhenCopying_Chk", &Q::adjustEquationsWhenCopying_Chk),
      check("writeBoundaryValuesAsNumbersNotLn_Chk", &Q::writeBoundaryValuesAsNumbersNotLn_Chk),
      check("forceXBoundariesToWholeNumbers_Chk", &Q::forceXBoundariesToWholeNumbers_Chk),
      special("excel_cell_TF", EXCEL_CELL),
      special("lmp_C_TF", LMP_CONSTANT),
      check("constrainCursor_Chk", &Q::constrainCursor_Chk),
      check("extendCursorAll_Chk", &Q::extendCursorAll_Chk),
      special("curve_color", CURVE_COLOR),
      special("xyValues", XY_VALUES),
      special(ini::XY_VALUES_TEXT_KEY, XY_VALUES_TEXT),
      special("LMPValues", LMP_VALUES),
      special(ini::LMP_VALUES_TEXT_KEY, LMP_VALUES_TEXT),
      special(FILE_TYPE_NAMES[0].text(), RECENT_FILES, 0),
      special(FILE_TYPE_NAMES[1].text(), RECENT_FILES, 1),
  };
  return table;
}

// The entry of a key as it stands in a file ("<name>"), null for none.
const Entry* findEntry(const FXString& key) {
  static const std::unordered_map<std::string, const Entry*> byKey = [] {
    std::unordered_map<std::string, const Entry*> m;
    for (const Entry& e : entries()) m["<" + std::string(e.key) + ">"] = &e;
    return m;
  }();
  const auto it = byKey.find(key.text());
  return it == byKey.end() ? nullptr : it->second;
}

// The entry a line of that key applies, null when the line is not
// recognised: a data file's directory and recent-file lines are not.
const Entry* recognisedEntry(const FXString& key, bool isDataFile) {
  const Entry* e = findEntry(key);
  if (e && isDataFile && e->kind == SPECIAL && (e->special == DIRECTORY || e->special == RECENT_FILES)) return nullptr;
  return e;
}

int flag(bool on) { return on ? 1 : 0; }

bool checked(FXCheckButton* c) { return c && c->getCheck() == TRUE; }
bool checked(FXMenuCheck* c) { return c && c->getCheck() == TRUE; }
bool checked(FXMenuRadio* c) { return c && c->getCheck() == TRUE; }

int currentItem(FXListBox* list) { return list ? list->getCurrentItem() : 0; }

void selectItem(FXListBox* list, int item) {
  if (list && item >= 0 && item < list->getNumItems()) list->setCurrentItem(item, FALSE);
}

FXString trimmed(FXString s) { return s.trim(); }

FXString cellText(FXTable* table, int row, int column) {
  if (!table || row < 0 || column < 0 || row >= table->getNumRows() || column >= table->getNumColumns()) return FXString::null;
  return trimmed(table->getItemText(row, column));
}

// The rows of a table that hold text in any of their first n cells, one
// line each: the row line that every version reads where it brings the
// cells back as they are, and after all of those the text lines of the
// other rows (header rows, text cells, empty cells, numbers with blanks).
FXString tableLines(const char* key, const char* textKey, Table_lom2* table, int n) {
  FXString rows, texts;
  if (!table || table->getNumColumns() < n) return rows;
  FXString cells[4];
  for (int row = 0; row < table->getNumRows(); ++row) {
    bool any = false;
    for (int c = 0; c < n; ++c) {
      cells[c] = cellText(table, row, c);
      any = any || !cells[c].empty();
    }
    if (!any) continue;
    if (ini::tableRowLineKeeps(row, cells, n))
      rows += ini::tableRowLine(key, row, cells, n);
    else
      texts += ini::tableTextLine(textKey, row, cells, n);
  }
  return rows + texts;
}

// A row line applied to a table: the cells written as they stand in the
// file, when the row is inside the table.
void applyTableRow(Table_lom2* table, const FXString& value, int n) {
  int row = -1;
  FXString cells[4];
  if (!table || !ini::tableRow(value, n, row, cells)) return;
  if (row < 0 || row >= table->getNumRows() || table->getNumColumns() < n) return;
  for (int c = 0; c < n; ++c) table->setItemText(row, c, trimmed(cells[c]));
}

// A text line applied to a table: the cells exactly as the line holds
// them (the toolkit's own set-text, which leaves a comma a comma).
void applyTableText(Table_lom2* table, const FXString& value, int n) {
  int row = -1;
  FXString cells[4];
  if (!table || !ini::tableText(value, n, row, cells)) return;
  if (row < 0 || row >= table->getNumRows() || table->getNumColumns() < n) return;
  for (int c = 0; c < n; ++c) table->FXTable::setItemText(row, c, cells[c]);
}

}  // namespace

FXString Quillgrid::settingsText() {
  FXString s;
  for (const Entry& e : entries()) {
    switch (e.kind) {
      case CHECK:
        if (this->*e.check) s += ini::line(e.key, flag(checked(this->*e.check)));
        continue;
      case MENU_CHECK:
        if (this->*e.menu) s += ini::line(e.key, flag(checked(this->*e.menu)));
        continue;
      case INT:
        s += ini::line(e.key, this->*e.integer);
        continue;
      case LIST:
        if (this->*e.list) s += ini::line(e.key, currentItem(this->*e.list));
        continue;
      case SPECIAL:
        break;
    }
    switch (e.special) {
      case VERSION:
        s += ini::line(e.key, VERSION_NUMBER);
        break;
      case DIRECTORY:
        s += ini::line(e.key, directoryForUserFiles);
        break;
      case WINDOW_X:
        s += ini::line(e.key, getX());
        break;
      case WINDOW_Y:
        s += ini::line(e.key, getY());
        break;
      case WIDTH:
        s += ini::line(e.key, getWidth());
        break;
      case HEIGHT:
        s += ini::line(e.key, getHeight());
        break;
      case IS_MINIMIZED:
        s += ini::line(e.key, flag(FXTopWindow::isMinimized()));
        break;
      case MAGNIFIED_RIGHT:
        // One line names the side that is chosen; none when neither is.
        if (checked(magnifiedViewsOnRightSide_MRB))
          s += ini::line("magnifiedViewsOnRightSide_MRB", 1);
        else if (checked(magnifiedViewsOnBottom_MRB))
          s += ini::line("magnifiedViewsOnBottom_MRB", 1);
        break;
      case MAGNIFIED_BOTTOM:
        break;
      case XY_TABLE_ROWS:
        if (numRowsInXYTable_LB && numRowsInXYTable_LB->getNumItems() > 0)
          s += ini::line(e.key, numRowsInXYTable_LB->getItemText(numRowsInXYTable_LB->getCurrentItem()));
        break;
      case Y_SCALE_FACTOR:
        if (y_axisScaleFactor) s += ini::line(e.key, y_axisScaleFactor->getText());
        break;
      case SHOW_MAGNIFIED:
        s += ini::line(e.key, flag(showMagnifiedImage));
        break;
      case SHOW_LINE_MAGNIFIED:
        s += ini::line(e.key, flag(showLineOnMagnifiedImage));
        break;
      case SHOW_SCAN_DIRECTION:
        s += ini::line(e.key, flag(showScanDirectionMagnifiedImage));
        break;
      case DECIMALS:
        if (numOfDecimalsInCoefficients_LB) s += ini::line(e.key, currentItem(numOfDecimalsInCoefficients_LB));
        break;
      case SEARCH_LENGTH:
        if (lineThickness_TF) s += ini::line(e.key, ini::toInt(lineThickness_TF->getText()));
        break;
      case AUTO_FIND_POINTS:
        if (numAutoFindPoints_LB_LB) s += ini::line(e.key, currentItem(numAutoFindPoints_LB_LB));
        break;
      case AXIS_CELL:
        if (axisDataPoints_TBL[e.a]) s += ini::line(e.key, cellText(axisDataPoints_TBL[e.a], e.b, 0));
        break;
      case COLOR_TOLERANCE:
        if (colorTol_TF) s += ini::line(e.key, ini::toInt(colorTol_TF->getText()));
        break;
      case ZONE_MARKERS:
        for (int i = 0; i < 6; ++i) s += ini::zoneMarkerLine(i, fitPlotZoneMarkers_real_x[i]);
        break;
      case FIT_ORDERS:
        for (int i = 0; i < 6; ++i) s += ini::fitOrderLine(i, fit_order[i]);
        break;
      case INTERCEPT:
        if (equation_Y_intercept_TF) s += ini::line(e.key, equation_Y_intercept_TF->getText());
        break;
      case EXCEL_CELL:
        if (excel_cell_TF) s += ini::line(e.key, excel_cell_TF->getText());
        break;
      case LMP_CONSTANT:
        if (lmp_C_TF) s += ini::line(e.key, lmp_C_TF->getText());
        break;
      case CURVE_COLOR:
        if (curve_color) s += ini::curveColorLine(curve_color->getBackColor());
        break;
      case XY_VALUES:
        s += tableLines(e.key, ini::XY_VALUES_TEXT_KEY, xyValues_TBL, 2);
        break;
      case LMP_VALUES:
        s += tableLines(e.key, ini::LMP_VALUES_TEXT_KEY, lmpData_TBL, 3);
        break;
      case XY_VALUES_TEXT:
      case LMP_VALUES_TEXT:
        // Written with the row lines of their table.
        break;
      case RECENT_FILES:
        for (int i = 0; i < NUM_RECENT_FILES; ++i) s += ini::recentFileLine(FILE_TYPE_NAMES[e.a], i, recentFiles[e.a][i]);
        break;
      case NONE:
        break;
    }
  }
  return s;
}

bool Quillgrid::writeSettingsFile(const FXString& path) { return ini::replaceFile(path, settingsText()); }

void Quillgrid::writeIniFile(const FXString& fileName) { writeSettingsFile(fileName); }

bool Quillgrid::readIniFile(const FXString& fileName, bool isDataFile) {
  FXArray<FXString> lines;
  if (!readIniLines(fileName, lines)) return false;
  return applyIniLines(lines, isDataFile);
}

bool Quillgrid::readIniLines(const FXString& fileName, FXArray<FXString>& lines) {
  return Utilities_lom2::readFile(fileName, &lines) && lines.no() > 0;
}

bool Quillgrid::enoughRecognisedLines(const FXArray<FXString>& lines, bool isDataFile) {
  int recognised = 0;
  for (FXint i = 0; i < lines.no() && recognised < MIN_RECOGNISED_LINES; ++i)
    if (recognisedEntry(ini::splitLine(lines[i]).key, isDataFile)) ++recognised;
  return recognised >= MIN_RECOGNISED_LINES;
}

bool Quillgrid::applyIniLines(const FXArray<FXString>& lines, bool isDataFile) {
  int recognised = 0;
  for (FXint i = 0; i < lines.no(); ++i) {
    const ini::Line line = ini::splitLine(lines[i]);
    if (assignVariablesFromIni(line.key, line.value, isDataFile)) ++recognised;
  }
  if (recognised < MIN_RECOGNISED_LINES) return false;
  enableDisableInterceptInput();
  return true;
}

bool Quillgrid::assignVariablesFromIni(FXString key, FXString value, bool isDataFile) {
  const Entry* found = recognisedEntry(key, isDataFile);
  if (!found) return false;
  const Entry& e = *found;
  switch (e.kind) {
    case CHECK:
      if (this->*e.check) (this->*e.check)->setCheck(ini::toFlag(value), FALSE);
      return true;
    case MENU_CHECK:
      if (this->*e.menu) (this->*e.menu)->setCheck(ini::toFlag(value));
      return true;
    case INT:
      this->*e.integer = ini::inRangeOr(ini::toInt(value), e.a, e.b, e.fallback);
      return true;
    case LIST: {
      FXListBox* box = this->*e.list;
      if (!box) return true;
      const int item = ini::toInt(value);
      selectItem(box, item >= 0 && item < box->getNumItems() ? item : e.fallback);
      return true;
    }
    case SPECIAL:
      break;
  }

  switch (e.special) {
    case VERSION:
      version = ini::toReal(value);
      return true;
    case DIRECTORY:
      directoryForUserFiles = value;
      if (!FXStat::isDirectory(directoryForUserFiles)) directoryForUserFiles = getDefaultDirectory();
      return true;
    case WINDOW_X:
      window_x = ini::windowPosition(ini::toInt(value), 150);
      return true;
    case WINDOW_Y:
      window_y = ini::windowPosition(ini::toInt(value), 100);
      return true;
    case WIDTH:
      windowWidth = ini::windowSize(ini::toInt(value), 900);
      return true;
    case HEIGHT:
      windowHeight = ini::windowSize(ini::toInt(value), 800);
      return true;
    case IS_MINIMIZED:
      isMinimized = ini::toFlag(value);
      return true;
    case MAGNIFIED_RIGHT:
    case MAGNIFIED_BOTTOM: {
      const bool on = ini::toFlag(value);
      FXMenuRadio* named = e.special == MAGNIFIED_RIGHT ? magnifiedViewsOnRightSide_MRB : magnifiedViewsOnBottom_MRB;
      FXMenuRadio* other = e.special == MAGNIFIED_RIGHT ? magnifiedViewsOnBottom_MRB : magnifiedViewsOnRightSide_MRB;
      if (named) named->setCheck(on);
      if (other) other->setCheck(!on);
      return true;
    }
    case XY_TABLE_ROWS:
      if (numRowsInXYTable_LB)
        for (int i = 0; i < numRowsInXYTable_LB->getNumItems(); ++i)
          if (numRowsInXYTable_LB->getItemText(i) == value) {
            numRowsInXYTable_LB->setCurrentItem(i, FALSE);
            setUpXYDataTables();
            break;
          }
      return true;
    case Y_SCALE_FACTOR: {
      // A text the field could not have been given by typing is left out.
      FXString text;
      if (y_axisScaleFactor && ini::numberText(value, text)) {
        y_axisScaleFactor->setText(text);
        yAxisScaleFactor = y_axisScaleFactor->toDouble();
      }
      return true;
    }
    case SHOW_MAGNIFIED:
      showMagnifiedImage = ini::toFlag(value);
      if (showMagnifiedImage_MC) showMagnifiedImage_MC->setCheck(showMagnifiedImage);
      return true;
    case SHOW_LINE_MAGNIFIED:
      showLineOnMagnifiedImage = ini::toFlag(value);
      if (showLineOnMagnifiedImage_MC) showLineOnMagnifiedImage_MC->setCheck(showLineOnMagnifiedImage);
      return true;
    case SHOW_SCAN_DIRECTION:
      showScanDirectionMagnifiedImage = ini::toFlag(value);
      if (showScanDirectionMagnifiedImage_MC) showScanDirectionMagnifiedImage_MC->setCheck(showScanDirectionMagnifiedImage);
      return true;
    case DECIMALS:
      if (numOfDecimalsInCoefficients_LB) {
        selectItem(numOfDecimalsInCoefficients_LB, ini::toInt(value));
        if (version < FIRST_VERSION_WITH_DECIMALS_CHOICE) selectItem(numOfDecimalsInCoefficients_LB, 4);
      }
      return true;
    case SEARCH_LENGTH: {
      // A length the search does not accept gives the default length.
      const int length = ini::toInt(value);
      const bool accepted = length >= SEARCH_LENGTHS[0] && length <= SEARCH_LENGTHS[NUM_SEARCH_LENGTHS - 1];
      const int button = accepted ? ini::searchLengthButton(length) : 2;
      if (lineThickness_TF) lineThickness_TF->setText(FXStringVal(accepted ? length : SEARCH_LENGTHS[2]));
      setSearchLengthButtonColor(button);
      return true;
    }
    case AUTO_FIND_POINTS: {
      const int item = ini::toInt(value);
      if (numAutoFindPoints_LB_LB && item >= 0 && item < numAutoFindPoints_LB_LB->getNumItems()) {
        numAutoFindPoints_LB_LB->setCurrentItem(item, FALSE);
        setFocusToImageView();
      }
      return true;
    }
    case AXIS_CELL: {
      Table_lom2* table = axisDataPoints_TBL[e.a];
      if (table && e.b < table->getNumRows() && table->getNumColumns() > 0) table->setItemText(e.b, 0, value);
      return true;
    }
    case COLOR_TOLERANCE: {
      const int tolerance = ini::toInt(value);
      const bool accepted = colorDiffAccepted(tolerance);
      const int button = accepted ? ini::colorDiffButton(tolerance) : 1;
      if (colorTol_TF) colorTol_TF->setText(FXStringVal(accepted ? tolerance : COLOR_DIFFS[1]));
      setColorDiffButtonColor(button);
      return true;
    }
    case ZONE_MARKERS: {
      int i = 0;
      double x = 0.0;
      if (ini::zoneMarker(value, i, x)) {
        fitPlotZoneMarkers_real_x[i] = x;
        // The extents of earlier data say nothing about these limits.
        plotRangeKnown = false;
      }
      return true;
    }
    case FIT_ORDERS: {
      int i = 0, order = 1;
      if (ini::fitOrder(value, i, order) == ini::FIT_ORDER_ALL_ONES)
        for (int& o : fit_order) o = 1;
      else
        fit_order[i] = order;
      return true;
    }
    case INTERCEPT:
    case EXCEL_CELL: {
      FXTextField* field = e.special == INTERCEPT ? equation_Y_intercept_TF : excel_cell_TF;
      FXString text(value);
      if (field) field->setText(text.upper().trim());
      return true;
    }
    case LMP_CONSTANT: {
      FXString text;
      if (lmp_C_TF && ini::numberText(value, text)) lmp_C_TF->setText(text);
      return true;
    }
    case CURVE_COLOR: {
      FXColor color = 0;
      if (curve_color && ini::curveColor(value, color)) setCurveColorBox(color);
      return true;
    }
    case XY_VALUES:
      applyTableRow(xyValues_TBL, value, 2);
      return true;
    case LMP_VALUES:
      applyTableRow(lmpData_TBL, value, 3);
      return true;
    case XY_VALUES_TEXT:
      applyTableText(xyValues_TBL, value, 2);
      return true;
    case LMP_VALUES_TEXT:
      applyTableText(lmpData_TBL, value, 3);
      return true;
    case RECENT_FILES: {
      int i = 0;
      FXString path;
      if (ini::recentFile(value, i, path)) {
        recentFiles[e.a][i] = path;
        if (recentFiles_MC[e.a][i]) recentFiles_MC[e.a][i]->setText(path);
        if (clearRecentFiles_MC[e.a]) clearRecentFiles_MC[e.a]->enable();
      }
      return true;
    }
    case NONE:
      break;
  }
  return false;
}

void Quillgrid::afterReadingDatafiles(bool startingUp) {
  myCustomSettings();

  if (plotPointSize > 3) plotPointSize = 1;
  setPointSize();
  setAxisScale();

  if (startingUp) {
    getExtraPixels();
    nextAxisDataType = 0;
  }

  getPlotRGBColors();
  setCursorType();
  setDataPointColor();
  setReferencePointColor();
  setNumberFormatType();
  setPlotBackgroundColor();
  setCopyButtonsText();
  setFitPlotFontSize();
  setRoundCheckBoxColor();

  axisDataType = 0;
  setAxisDataType(0);
  setDataPointTableStipple();

  setShowMagnifiedImage();
  setPositionMagnifiedViews();
  setCurveFitType();
  setDataSource();
  setNumEquations(false);

  for (int i = 0; i < 6; ++i) setFitOrderLabels(i, fitOrder_Lbl[i], fit_order[i]);

  setZELKformat();
  checkAxisMinMaxForLog(0);
  checkAxisMinMaxForLog(1);
  zeroAllRotations();

  setDefaultTab();
  showLMPStuff(checked(showLMPStuff_Chk));

  setXaxisTemperatureBackColor();
  setTemperatureConversion();
  setScaleFactorTextfieldBackColor();
  setXYValuesTableHeaders();
  showHideEqnCoefficientTables();
  setSearchDirection();
  setSearchLocation();
  setAutoFindButtons();
  setUpProMode();
}

void Quillgrid::setDefaultTab() {
  const bool lmpData = !cellText(lmpData_TBL, 0, 0).empty();
  const bool xyData = !cellText(xyValues_TBL, 0, 0).empty();
  if (lmpData) {
    if (showLMPStuff_Chk) showLMPStuff_Chk->setCheck(TRUE);
    if (!xyData) {
      tabBook->setCurrent(2, FALSE);
      return;
    }
  }
  if (xyData) tabBook->setCurrent(1, FALSE);
}

long Quillgrid::onCmdResetDirectory(FXObject*, FXSelector, void*) {
  directoryForUserFiles = getDefaultDirectory();
  return 1;
}

long Quillgrid::onCmdClearRecentProjectList(FXObject* sender, FXSelector, void*) {
  const int type = sender && sender == clearRecentFiles_MC[0] ? 0 : 1;
  const char* word = type == 0 ? "image" : "data";
  const FXuint answer =
      ModalSeam::question(this, MBOX_YES_NO, FXStringFormat("Clear %s file list", word),
                          FXStringFormat("Are you sure you want to clear the %s file list?", word));
  if (answer != MBOX_CLICKED_YES) return 0;
  clearRecentlyUsedList(type);
  return 1;
}
