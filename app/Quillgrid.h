// The main window: owns every widget, image, table and plot of the program
// and routes every message of its widgets through QuillgridMap.
#ifndef QUILLGRID_QUILLGRID_H
#define QUILLGRID_QUILLGRID_H

#include <new>  // before FXArray.h, which needs placement new

#include <fx.h>
#include <FXArray.h>

#include <ctime>
#include <functional>
#include <vector>

#include "ImageDecode.h"
#include "ImageRules.h"
#include "StepClock.h"

class DataPlot;
class MenuButtonWin10Style;
class MenuTitleWin10Style;
class PixelUpload;
class Table_lom2;
class TextField_lom2;

// One entry of the conversion-factors list (the Y scale factors offered
// on the Curve Fitting tab).
struct ConversionFactor {
  FX::FXString name{"unknown"};
  double factor = 1.0;
};

class Quillgrid : public FX::FXMainWindow {
  FXDECLARE(Quillgrid)

protected:
  Quillgrid() {}

public:
  // Message ids, consecutive after the toolkit main window's own ids. Only
  // their order and the ranges matter; the spare ids keep the later ones
  // at their numbers.
  enum {
    ID_ABOUT = FX::FXMainWindow::ID_LAST,  // 60
    ID_OPEN_DATA_FILE,  // 61
    ID_OPEN_IMAGE_FILE,  // 62
    ID_PASTE,  // 63
    ID_DELETE_LAST_POINT,  // 64
    ID_ROTATE_180,  // 65
    ID_ROTATE_CW_COARSE,  // 66
    ID_ROTATE_CW_FINE,  // 67
    ID_ROTATE_CCW_COARSE,  // 68
    ID_ROTATE_CCW_FINE,  // 69
    ID_ROTATE_90_CW,  // 70
    ID_ROTATE_90_CCW,  // 71
    ID_IMAGE_VIEW,  // 72
    ID_AXIS_MINMAX_TABLE,  // 73
    ID_AXIS_SCALE,  // 74
    ID_RECAL_DATA,  // 75
    ID_AUTO_FIND_CURVE,  // 76
    ID_CLEAR_CURVE_POINTS,  // 77
    ID_RESET_ALL,  // 78
    ID_OPEN_RECENT_FILE,  // 79
    ID_UNDO_LAST_POINT,  // 80
    ID_CLEAR_RECENT_FILES,  // 81
    ID_RESTORE_TABLE,  // 82
    ID_SPARE_83,  // 83
    ID_AXIS_DATA_TYPE,  // 84
    ID_SPARE_85,  // 85
    ID_SPARE_86,  // 86
    ID_RESET_IMAGE,  // 87
    ID_CURSOR_TYPE,  // 88
    ID_DATA_POINT_COLOR,  // 89
    ID_REFERENCE_POINT_COLOR,  // 90
    ID_DRAW_LINE,  // 91
    ID_CONSTRAIN_CURSOR,  // 92
    ID_AUTO_FIND_POINT,  // 93
    ID_SIMPLE_EQN_FORMAT,  // 94
    ID_EXCEL_CELL,  // 95
    ID_DELETE_LMP_ROWS,  // 96
    ID_PLOT_BACKGROUND_COLOR,  // 97
    ID_COPY_EQUATIONS,  // 98
    ID_DELETE_ZERO_LMP_ROWS,  // 99
    ID_DELETE_EMPTY_LMP_ROWS,  // 100
    ID_SHOW_MAGNIFIED_IMAGE,  // 101
    ID_MAGNIFIED_VIEWS_RIGHT,  // 102
    ID_MAGNIFIED_VIEWS_BOTTOM,  // 103
    ID_PLOT_POINT_SIZE,  // 104
    ID_SEARCH_LENGTH,  // 105
    ID_CURVE_COLOR,  // 106
    ID_AUTO_ORDER_ON_COPY,  // 107
    ID_FONT_SIZE,  // 108
    ID_SHOW_LMP_TAB,  // 109
    ID_XY_VALUES_TABLE,  // 110
    ID_CONVERTED_XY_TABLE,  // 111
    ID_CLEAR_XY_VALUES_TABLE,  // 112
    ID_ORDER_XY_VALUES,  // 113
    ID_SAVE_DATA_FILE,  // 114
    ID_MAX_FIT_ORDER,  // 115
    ID_OVERLAP_POINTS,  // 116
    ID_COPY_IMAGE_DATA_TO_XY,  // 117
    ID_APPEND_IMAGE_DATA_TO_XY,  // 118
    ID_RESET_DIRECTORY,  // 119
    ID_TEMPERATURE_UNITS,  // 120
    ID_X_IS_TEMPERATURE,  // 121
    ID_Y_SCALE_FIELD,  // 122
    ID_ORDER_CURVE_POINTS_BY_DIFF,  // 123
    ID_ORDER_XY_VALUES_BY_DIFF,  // 124
    ID_HIDE_EQN_COEFFICIENT_TABLES,  // 125
    ID_LMP_STEP_SIZE,  // 126
    ID_WINDOW_POSITION_TIMER,  // 127
    ID_SEARCH_DIRECTION,  // 128
    ID_SWITCH_AXES,  // 129
    ID_COLOR_DIFF,  // 130
    ID_Y_INTERCEPT_FIELD,  // 131
    ID_SET_Y_INTERCEPT,  // 132
    ID_CHECK_FOR_UPDATES,  // 133
    ID_MAGNIFIED_VIEW,  // 134
    ID_AUTO_FIT_LMP,  // 135
    ID_SAME_POINT_COLORS,  // 136
    ID_PRO_MODE,  // 137
    ID_NUMERIC_FORMAT_FOLLOWS_SCALE,  // 138
    ID_SEARCH_LOCATION,  // 139
    ID_ARRHENIUS,  // 140
    ID_ROUND_X_VALUE,  // 141
    ID_XY_TABLE_ROWS,  // 142
    ID_Y_SCALE_FACTOR_FIRST,  // 143 .. 243
    ID_Y_SCALE_FACTOR_LAST = ID_Y_SCALE_FACTOR_FIRST + 100,
    ID_DATA_SOURCE_FIRST,  // 244 .. 247
    ID_DATA_SOURCE_LAST = ID_DATA_SOURCE_FIRST + 3,
    ID_ZONE_LIMIT_FIRST,  // 248 .. 254
    ID_ZONE_LIMIT_LAST = ID_ZONE_LIMIT_FIRST + 6,
    ID_COPY_CURVE_TABLE,  // 255
    ID_COPY_CURVE_X,  // 256
    ID_COPY_CURVE_Y,  // 257
    ID_COPY_XY_VALUES_TABLE,  // 258
    ID_NUMBER_FORMAT,  // 259
    ID_DELETE_CURVE_ROWS,  // 260
    ID_DELETE_XY_ROWS,  // 261
    ID_FIT_PLOT,  // 262
    ID_INCREASE_FIT_ORDER,  // 263
    ID_DECREASE_FIT_ORDER,  // 264
    ID_FIT_DATA,  // 265
    ID_CURVE_FIT_TYPE,  // 266
    ID_ORDER_CURVE_POINTS,  // 267
    ID_HIGHLIGHT_POINTS,  // 268
    ID_UNHIGHLIGHT_POINTS,  // 269
    ID_NUM_DECIMALS,  // 270
    ID_TABS,  // 271
    ID_CURRENT_POSITION_TABLE,  // 272
    ID_CURVE_POINTS_TABLE,  // 273
    ID_OPEN_WEB_SITE,  // 274
    ID_NUM_AUTO_FIND_POINTS,  // 275
    ID_NUMBER_FORMAT_TYPE,  // 276
    ID_IMAGE_VIEW_TOP_TIMER,  // 277
    ID_SPARE_278,  // 278
    ID_SPARE_279,  // 279
    ID_NUM_EQUATIONS,  // 280
    ID_COPY_CONVERTED_TABLE,  // 281
    ID_EXCEL_EQUATION_FIRST,  // 282 .. 288
    ID_EXCEL_EQUATION_LAST = ID_EXCEL_EQUATION_FIRST + 6,
    ID_LMP_TABLE,  // 289
    ID_CLEAR_LMP_TABLE,  // 290
    ID_COPY_LMP_TABLE,  // 291
    ID_LMP_CONSTANT,  // 292
    ID_WRITE_PLOT_FILE_TIMER,  // 293
    ID_COPY_PLOT_TO_CLIPBOARD,  // 294
    ID_COPY_PLOT_TO_CLIPBOARD_HALF,  // 295
    ID_SAVE_PLOT,  // 296
    ID_SELECT_POINT_TYPE_FIRST,  // 297 .. 301
    ID_SELECT_POINT_TYPE_LAST = ID_SELECT_POINT_TYPE_FIRST + 4,
    ID_SPARE_302,  // 302
    ID_QUIT,  // 303
    ID_EXTEND_CURSOR,  // 304
    ID_LAST
  };

  explicit Quillgrid(FX::FXApp* app);
  virtual ~Quillgrid();
  virtual void create();
  // The title bar's close (and the end of the session): the settings are
  // written first; when they cannot be, the user may stay.
  virtual FX::FXbool close(FX::FXbool notify = FALSE);

  // The title bar text: "<application> v<version> - <name>", an empty
  // name shown as "untitled".
  static FX::FXString getBasicTitle(FX::FXString name);

  // Number of entries of the message map.
  static unsigned messageMapSize();

  // Message handlers, in the order of the message map.
  long onCmdAbout(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdOpenWebSite(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCheckForUpdates(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdOpen(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdSaveDatafile(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdResetDirectory(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdDeleteLastPoint(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdPaste(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdSetAxisScale(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdRecalData(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdAutoOrderOnCopy(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdOrderCurvePointsByDiff(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdAutoFindCurve(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdClearCurvePointsTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdResetImage(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdResetAll(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdDataPointColor(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdReferencePointColor(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdMakePointsSameColor(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdNumberFormatType(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdRestoreTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdNumberFormat(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdAxisDataType(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdArrheniusPlot(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdRoundXvalue(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdNumPointsListBox(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCheckOptions(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdZELKformat(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdConstrainCursor(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  // "Extend" checked or unchecked: unchecked, the cross-hair goes.
  long onCmdExtendCursor(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  // A value typed into an axis table: its log-scale mark follows it.
  long onAxisTableValueEntered(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdSearchDirection(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdSearchLocation(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdSwitchXYRealValues(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdColorDiff(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdLeftClickColor(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdShowMagnifiedImage(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdPositionMagnifiedViews(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onClickMagnifiedImageView(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCopyTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdAxisDataTypePopUp(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdRotateImage(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdRotateImage90(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdRotateImage180(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdDataSource(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdOpenRecentFile(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdClearRecentProjectList(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdTabs(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdUnHighlightPoints(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCopyImageDataToXYValuesTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdAppendImageDataToXYValuesTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdNumericFormatMatchesAxisScaling(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdIncreaseFitOrder(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdDecreaseFitOrder(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdPlotData(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCurveFitType(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdOrderCurveDataPoints(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdNumberOfDecimalsInCoefficients(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdNumEquations(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdDrawLine(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdPlotBackgroundColor(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCopyHiddenEquationStuff(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdPlotPointSize(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdSearchLengths(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdFontSize(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdShowHideLMPStuff(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdHideEqnCoefficientTables(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdMaxFitOrder(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdOverlapPoints(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdXaxisIsTemperature(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdXaxisTemperatureUnits(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdSetIntercept(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdNumRowsInXYTables(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onKeyPressIntercept(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdYaxisScaleFactorRightButton(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdYaxisScaleFactor(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdYaxisScaleFactorField(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdExcelEqnRightButton(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCopyExcelEqn(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onKeyDownReFit(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdImageMotion(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onImageKeyPress(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onImageKeyRelease(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onLeftMouseClick(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdRightButtonOnImage(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdRedrawFitPlots(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdFitPlotImageResize(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onFitPlotMotion(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onLeftBtnPressFitPlot(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onLeftBtnReleaseFitPlot(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onMouseEqnZones(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onDataPointsTableKeyPress(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdHighlightSelectedPoints(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdImageTableRightButton(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdLMPDataPointsTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onLMPDataPointsTableKeyPress(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdLMPTableRightButton(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdClearLMPTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCopyLMPTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onMouseLMP(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdDeleteLMPRows(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdDelete0StressFromLMP(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdDeleteEmptyRowsFromLMP(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdLMPStepSize(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdAutoFitLMP(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdClearXYValuesTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCopyXYValuesTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onXYValuesTableKeyPress(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdXYvaluesTableRightButton(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdOrderXYValuesPoints(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdOrderXYvaluesPointsByDiff(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdDeleteRows(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCursorType(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onAxisMinMaxTableKeyPress(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdProMode(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdWritePlotFile(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCopyToClipboard(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdCopyToClipboardHalfSize(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdSavePlot(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdImageViewTopTimer(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdMainWindowPosition(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  long onCmdQuit(FX::FXObject* sender, FX::FXSelector sel, void* ptr);

  // Writes the settings file as the window is about to go away. When that
  // fails an error box says so and asks: leave without them, or stay (and
  // save a data file elsewhere at once). True when the window may go.
  bool writeSettingsBeforeLeaving();
  // The settings were written (or given up by the user) on leaving: the
  // destructor leaves the file alone.
  bool settingsWrittenOnLeaving = false;

  // ---- start-up, defaults and placement
  void setDefaults();
  FX::FXString getDefaultDirectory();

  // ---- set-up operations of the tabs, menus and tool bar
  void setUpXYValuesTab();
  void setUpLMPTab();
  void setUpFittingTab();
  // The scroll window of the Curve Fitting tab's controls.
  FX::FXScrollWindow* fittingControlsScroll = nullptr;
  void setUpMainMenu();
  void setUpToolBar();

  // ---- operations of the areas, called from the constructor and the destructor
  bool readConversionFactors();
  void drawFitPlots(bool blank);
  void clearCurveDataTable(int numRows);
  void defineFileExt();
  void updateRecentlyUsedFileList(FX::FXString fileName, int fileType);
  void clearRecentlyUsedList(int fileType);
  void disableButtons();
  void enableDisableDrawLineBtn();
  void makeCursors();
  void setDefaultForSearchLength();
  void setDefaultForColorDiff();
  void resetDrawLine();
  void setDefaultColorTextfieldFrame();
  bool readIniFile(const FX::FXString& fileName, bool isDataFile);
  void writeIniFile(const FX::FXString& fileName);
  void setUpXYDataTables();
  void afterReadingDatafiles(bool startingUp);
  void freePlotDataArrays();
  void cleanUpPopUpPane();
  void cleanUpPopUpPaneExcelEqn();
  void free_originalPixelArray();
  void deallocateLMPcellColorIcons();
  void deletePlots();

  // ---- sorting: Shell sorts of a key array, carrying companion arrays
  // along; ascending or descending (a descending sort is an ascending sort
  // of the negated keys). Null companions are skipped.
  static void shell(double* keys, double* a, double* b, unsigned* colors, int n, bool ascending);
  static void shell(double* keys, double* a, double* b, int n, bool ascending);
  static void shell(double* keys, double* a, int n, bool ascending);
  static void shell(double* keys, int* index, int n, bool ascending);

  // ---- frame skeleton
  FX::FXToolBarShell* toolBarShell = nullptr;
  FX::FXDockSite* topDockSite = nullptr;
  FX::FXToolBar* toolBar = nullptr;
  FX::FXMenuBar* menuBar = nullptr;
  FX::FXVerticalFrame* mainFrame = nullptr;
  FX::FXTabBook* tabBook = nullptr;
  FX::FXTabItem* imageTab = nullptr;
  FX::FXTabItem* xyValuesTab = nullptr;
  FX::FXTabItem* lmpTab = nullptr;
  FX::FXTabItem* curveFittingTab = nullptr;
  FX::FXHorizontalFrame* imageTabFrame = nullptr;
  FX::FXVerticalFrame* xyValuesTabFrame = nullptr;
  FX::FXVerticalFrame* lmpTabFrame = nullptr;
  FX::FXVerticalFrame* curveFittingTabFrame = nullptr;
  FX::FXColor defaultTabColor = 0;

  // ---- menus and menu checks
  FX::FXMenuPane* fileMenu = nullptr;
  FX::FXMenuPane* savePlotMenu = nullptr;
  FX::FXMenuPane* optionsMenu = nullptr;
  FX::FXMenuPane* helpMenu = nullptr;
  MenuTitleWin10Style* savePlotMenuTitle = nullptr;
  FX::FXString recentFiles[2][10];
  FX::FXMenuCommand* recentFiles_MC[2][10] = {};
  FX::FXMenuCommand* clearRecentFiles_MC[2] = {nullptr, nullptr};
  FX::FXMenuCheck* includeRotationOnImage_Chk = nullptr;
  FX::FXMenuCheck* resizeWindowWithNewImage = nullptr;
  FX::FXMenuCheck* clearAxisDefinitionsWithNewImage = nullptr;
  FX::FXMenuCheck* turnOnAutoFindAxisWithNewImage_Chk = nullptr;
  FX::FXMenuCheck* cornerPointsSameColorAsDataPoints = nullptr;
  FX::FXMenuCheck* warnForAxisMinMaxReversed = nullptr;
  FX::FXMenuCheck* warnForAxisLogScaling_Chk = nullptr;
  FX::FXMenuCheck* showLMPStuff_Chk = nullptr;
  FX::FXMenuCheck* hideEqnCoefficientTables_Chk = nullptr;
  FX::FXMenuCheck* showMagnifiedImage_MC = nullptr;
  FX::FXMenuCheck* showLineOnMagnifiedImage_MC = nullptr;
  FX::FXMenuCheck* showScanDirectionMagnifiedImage_MC = nullptr;
  FX::FXMenuCheck* setNumericFormatDependingOnAxisScaling = nullptr;
  FX::FXMenuRadio* magnifiedViewsOnRightSide_MRB = nullptr;
  FX::FXMenuRadio* magnifiedViewsOnBottom_MRB = nullptr;

  // ---- tool bar
  MenuButtonWin10Style* paste_TB = nullptr;
  MenuButtonWin10Style* undo_TB = nullptr;
  MenuButtonWin10Style* rotateCcw_TB = nullptr;
  MenuButtonWin10Style* rotateCcwFine_TB = nullptr;
  MenuButtonWin10Style* rotateCw_TB = nullptr;
  MenuButtonWin10Style* rotateCwFine_TB = nullptr;
  MenuButtonWin10Style* rotate90Ccw_TB = nullptr;
  MenuButtonWin10Style* rotate90Cw_TB = nullptr;
  MenuButtonWin10Style* rotate180_TB = nullptr;
  FX::FXLabel* rotation_Lbl = nullptr;

  // ---- icons, in the order they are made
  FX::FXGIFIcon* fileOpenIcon = nullptr;
  FX::FXGIFIcon* pasteIcon = nullptr;
  FX::FXGIFIcon* helpIcon = nullptr;
  FX::FXGIFIcon* undoIcon = nullptr;
  FX::FXGIFIcon* ccwRotateIcon = nullptr;
  FX::FXGIFIcon* cwRotateIcon = nullptr;
  FX::FXGIFIcon* ccwRotateBlueIcon = nullptr;
  FX::FXGIFIcon* cwRotateBlueIcon = nullptr;
  FX::FXGIFIcon* ccwRotateDarkBlueIcon = nullptr;
  FX::FXGIFIcon* cwRotateDarkBlueIcon = nullptr;
  FX::FXGIFIcon* saveIcon = nullptr;
  FX::FXGIFIcon* deleteIcon = nullptr;
  FX::FXGIFIcon* copyIcon = nullptr;
  FX::FXGIFIcon* orderIncreasingIcon = nullptr;
  FX::FXGIFIcon* orderDecreasingIcon = nullptr;
  FX::FXGIFIcon* transparentIcon = nullptr;
  FX::FXGIFIcon* appIcon = nullptr;

  // ---- cursors
  FX::FXCursor* cursors[4] = {nullptr, nullptr, nullptr, nullptr};
  FX::FXCursor* arrowCursor = nullptr;
  FX::FXCursor* pickColorCursor = nullptr;

  // ---- image and pixel buffers
  FX::FXImage* image = nullptr;
  // The decoded pixels kept as they came from the file; never created on
  // the display. Its pixel buffer is cleanPixels, which outlives it.
  FX::FXImage* cleanImage = nullptr;
  ImageDecode::DecodedPixels cleanPixels;
  FX::FXImage* lineImage = nullptr;
  FX::FXColor* lineBackupPixels = nullptr;
  FX::FXColor* magnifiedPixels[3] = {nullptr, nullptr, nullptr};
  FX::FXImage* magnifiedImage[3] = {nullptr, nullptr, nullptr};
  int imageWidth = 0;
  int imageHeight = 0;
  int redrawCounter = 0;

  // ---- widgets of the tabs
  FX::FXImageView* imageView = nullptr;
  FX::FXTextField* curve_color = nullptr;
  FX::FXTextField* selectionColor_TF = nullptr;
  FX::FXTextField* excel_cell_TF = nullptr;
  FX::FXCheckButton* showEquationOnImage_Chk = nullptr;
  FX::FXCheckButton* autoFindPoint_Chk = nullptr;
  FX::FXListBox* numAutoFindPoints_LB_LB = nullptr;
  FX::FXListBox* numOfDecimalsInCoefficients_LB = nullptr;
  FX::FXListBox* numRowsInXYTable_LB = nullptr;
  Table_lom2* xyValues_TBL = nullptr;

  // Radio-button and colour arrays (array new, freed by the destructor).
  FX::FXRadioButton** curveFitType_RB = nullptr;
  FX::FXColor* pointColors = nullptr;
  FX::FXRadioButton** dataPointColor_RB = nullptr;
  FX::FXRadioButton** referencePointColor_RB = nullptr;
  FX::FXRadioButton** plotPointSize_RB = nullptr;

  // ---- plots
  DataPlot* fitPlot = nullptr;
  DataPlot* halfWidthPlot = nullptr;
  DataPlot* smallPlots[7] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};

  // ---- files and names
  FX::FXString imageFileName;
  FX::FXString imageFilePatterns;
  FX::FXString directoryForUserFiles;
  ConversionFactor* conversionFactors = nullptr;
  int numConversionFactors = 0;

  // ---- state
  bool isStartingUp = true;
  bool tableMoveDown = true;
  bool useCommaForDecimal = false;
  bool authorMode = false;
  bool isMinimized = false;
  bool lineDrawn = false;
  bool restoringTable = false;
  bool cursorLocked = false;
  bool pointsHighlighted = false;
  bool dragMode = false;
  bool logScalingWarned = false;
  bool minMaxWarned = false;
  bool redrawFitPlots = true;
  bool pickColorMode = false;
  bool showMagnifiedImage = true;
  bool showLineOnMagnifiedImage = true;
  bool showScanDirectionMagnifiedImage = true;
  int fitPlotFontSize = 10;
  int minMouseWheelStep = 1;
  int dragSpacing = 10;
  int adaptiveCursorIndex = -1;
  int draggedZoneMarker = -1;
  int dragRow = -1;
  int rotationCentre[2] = {-1, -1};
  int magnifierPoint[2] = {-1, -1};
  int lastMagnifierPoint[2] = {-1, -1};
  int numLMPcellColorIcons = 0;
  int numPlotSeries = 0;
  double fitPlotZoneMarkers_real_x[6] = {-1e100, -1e100, -1e100, -1e100, -1e100, -1e100};
  FX::FXLabel* fitOrder_Lbl[6] = {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};
  double yAxisScaleFactor = 1.0;
  double lastCursorDrawClock = 0.0;
  int cursorType = 2;
  int cursorColorIndex = 0;
  int plotPointSize = 1;
  int referencePointColorIndex = 1;
  int dataPointColorIndex = 1;
  int plotBackgroundColorIndex = 1;
  int searchDirection = 0;
  int searchLocation = 0;
  int window_x = 150;
  int window_y = 100;
  int windowWidth = 1100;
  int windowHeight = 850;
  int curveFitType = 0;
  FX::FXColor savedCurveColor = 0;
  int fit_order[6] = {1, 1, 1, 1, 1, 1};
  int axisScaleType_x = 0;
  int axisScaleType_y = 0;
  int numberFormatType_x = 1;
  int numberFormatType_y = 1;
  int imageViewTop = 0;

  // ---- Image tab: widgets and operations
  void setUpPlotImageUI(FX::FXHorizontalFrame* frame);
  // One per frame of the tab, in their order on the screen.
  void setUpImageViewFrame(FX::FXHorizontalFrame* frame);
  void setUpMagnifiedViewsFrame(FX::FXHorizontalFrame* frame);
  void setUpImageBottomFrame(FX::FXHorizontalFrame* frame);
  void setUpControlColumn(FX::FXHorizontalFrame* frame);
  void setUpPointTypeFrame(FX::FXComposite* row);
  void setUpActionMatrix(FX::FXComposite* row);
  void setUpPointSearchGroup(FX::FXComposite* parent);
  void setUpSearchColorGroup(FX::FXComposite* parent);
  void setUpCursorGroup(FX::FXComposite* parent);
  void setUpAxisDefinitionsGroup(FX::FXComposite* parent);
  void setUpCurvePointsGroup(FX::FXComposite* parent);
  void setUpCurvePointButtons(FX::FXComposite* parent);
  // Once the fonts exist, widens table columns and row headers so that
  // their texts show whole (TextFit.h).
  void fitImageTabTablesToTheirTexts();
  void fitValueTablesToTheirTexts();
  // The scroll window of the Image tab's column of controls.
  FX::FXScrollWindow* controlColumnScroll = nullptr;
  void getPlotRGBColors();
  void setFocusToImageView();
  void defineColorDiff();
  void setCurveColorBox(FX::FXColor color);
  void getExtraPixels();
  void setUpProMode();
  // A colour tolerance the point search accepts (25..100, bounds included).
  static bool colorDiffAccepted(int tolerance);
  // The search direction chosen by a press at the fractions e (of the
  // width) and f (of the height) of the scan-direction view, cut into a
  // 3 x 3 grid: 0 Up, 1 Down, 2 Left, 3 Right; -1 for the centre and the
  // corner cells, which change nothing.
  static int scanDirectionForPress(double e, double f);

  FX::FXVerticalFrame* imageFrame = nullptr;
  FX::FXHorizontalFrame* imageBottomFrame = nullptr;
  FX::FXVerticalFrame* magnifiedViewsFrame = nullptr;
  FX::FXHorizontalFrame* magnifiedViewFrame[3] = {nullptr, nullptr, nullptr};
  FX::FXImageView* magnifiedImageView[3] = {nullptr, nullptr, nullptr};
  FX::FXVerticalFrame* magnifiedViewColumn[2] = {nullptr, nullptr};
  FX::FXVerticalFrame* controlsFrame = nullptr;
  FX::FXGroupBox* pointSearch_GB = nullptr;
  FX::FXHorizontalFrame* curvePointsFrame = nullptr;
  FX::FXVerticalFrame* curvePointButtonsFrame = nullptr;
  Table_lom2* curveData_TBL = nullptr;
  Table_lom2* curveDataBackup_TBL = nullptr;
  Table_lom2* axisDataPoints_TBL[2] = {nullptr, nullptr};
  Table_lom2* currentPosition_TBL = nullptr;
  FX::FXTextField* colorTol_TF = nullptr;
  FX::FXTextField* lineThickness_TF = nullptr;
  FX::FXTextField* clipboardClearer_TF = nullptr;
  FX::FXTextField* axisAngle_TF[2] = {nullptr, nullptr};
  FX::FXRadioButton* axisDataType_RB[5] = {nullptr, nullptr, nullptr, nullptr, nullptr};
  FX::FXRadioButton* searchDirection_RB[4] = {nullptr, nullptr, nullptr, nullptr};
  FX::FXRadioButton* searchLocation_RB[3] = {nullptr, nullptr, nullptr};
  FX::FXRadioButton* cursorType_RB[3] = {nullptr, nullptr, nullptr};
  FX::FXRadioButton* axisLinear_RB[2] = {nullptr, nullptr};
  FX::FXRadioButton* axisLog_RB[2] = {nullptr, nullptr};
  FX::FXRadioButton* numberFormatDecimal_RB[2] = {nullptr, nullptr};
  FX::FXRadioButton* numberFormatScientific_RB[2] = {nullptr, nullptr};
  FX::FXCheckButton* proMode_Chk = nullptr;
  FX::FXCheckButton* fullAuto_Chk = nullptr;
  FX::FXCheckButton* clearWhenDefiningNewCurveColor_Chk = nullptr;
  FX::FXCheckButton* constrainCursor_Chk = nullptr;
  FX::FXCheckButton* extendCursorAll_Chk = nullptr;
  FX::FXCheckButton* cursorSpacing_Chk = nullptr;
  FX::FXCheckButton* autoFindAxisMaxXY_Chk = nullptr;
  FX::FXCheckButton* roundXvalueToNearestInteger_Chk = nullptr;
  FX::FXCheckButton* arrhenius_Chk = nullptr;
  FX::FXCheckButton* autoOrderIncreasingWhenCopying_Chk = nullptr;
  FX::FXListBox* cursorColor_LB = nullptr;
  FX::FXButton* autoFindCurve_Btn = nullptr;
  FX::FXButton* resetAll_Btn = nullptr;
  FX::FXButton* copyTable_Btn = nullptr;
  FX::FXButton* clearData_Btn = nullptr;
  FX::FXButton* drawLine_Btn = nullptr;
  FX::FXButton* restoreData_Btn = nullptr;
  FX::FXButton* resetImage_Btn = nullptr;
  FX::FXButton* searchLength_Btn[5] = {nullptr, nullptr, nullptr, nullptr, nullptr};
  FX::FXButton* colorDiff_Btn[3] = {nullptr, nullptr, nullptr};
  FX::FXButton* switchAxes_Btn = nullptr;
  FX::FXButton* orderPoints_Btn = nullptr;
  FX::FXButton* copyCurveTable_Btn = nullptr;
  FX::FXButton* copyX_Btn = nullptr;
  FX::FXButton* copyY_Btn = nullptr;
  FX::FXButton* recalData_Btn = nullptr;
  FX::FXColor defaultButtonBackColor = 0;
  FX::FXColor defaultTextFieldBackColor = 0;
  int extraPixels[2] = {0, 0};
  int curveRGB[3] = {0, 0, 0};
  int colorTol = 50;
  bool drawLineMode = false;
  int lineClickCount = 0;
  int lineX[2] = {-1, -1};
  int lineY[2] = {-1, -1};

  // ---- magnified views and cursors
  void setShowMagnifiedImage();
  void setPositionMagnifiedViews();
  void updateScanDirectionImage();
  // (x, y) is a main-window position, as the pointer gives it and as the
  // axis and curve-points tables store points; the views centre on the
  // image pixel (x, y) - extraPixels.
  void updateMagnifiedImage(int x, int y);
  void setCursorType();
  void setCursorColor(double r, double g, double b);
  // Fills the 60 x 60 pixels of the scan-direction view for a direction
  // (0 Up, 1 Down, 2 Left, 3 Right) with the arrow in the given colour.
  static void scanDirectionPixels(int direction, FX::FXColor arrow, FX::FXColor* pixels);
  // Fills the 31 x 31 pixels of an image-view cursor: shape 0 solid,
  // 1 solid-hollow, anything else outline; blackWhite alternates black and
  // white pixels in place of the colour. Unset pixels are 0 (transparent).
  static void cursorShapePixels(int shape, bool wide, FX::FXColor color, bool blackWhite, FX::FXColor* pixels);
  // The cross-and-square cursor shown while the curve colour is picked.
  static void pickColorCursorShapePixels(FX::FXColor color, FX::FXColor* pixels);
  // Releases a resource from the display, deletes it and clears the pointer.
  template <class Resource>
  static void releaseAndDelete(Resource*& resource) {
    if (resource) {
      resource->destroy();
      delete resource;
      resource = nullptr;
    }
  }

  enum { CURSOR_SIZE = 31, CURSOR_HOT_SPOT = 15, MAGNIFIED_SIZE = 60, MAGNIFIED_VIEW_SIZE = 180 };
  FX::FXColor cursorPixels[4][CURSOR_SIZE * CURSOR_SIZE] = {};
  FX::FXColor pickColorCursorPixels[CURSOR_SIZE * CURSOR_SIZE] = {};
  FX::FXColor dataPointColor = 0;
  FX::FXColor referencePointColor = 0;

  // ---- equations, coefficient tables and number formats
  int getCurveFitOrderFromLabel(FX::FXString label);
  void setFitOrderLabels(int zone, FX::FXLabel* label, int n);
  int getZoneIndex(double* b, double x);
  bool acceptPointInFittingZone(int i, int zoneOfI, int z, int* first, int overlap);
  double getScaledYvalue(double y);
  double getConvertedTemperature(double x);
  bool checkDataSourceIsSetCorrectly();
  int getNumberOfRowsWithData();
  double getLMP(double T, double C, double t);
  FX::FXString getFormattedNumber(int decimals, double x);
  int getNumDecimals(double x);
  FX::FXString getFormattedBoundaryValueForOutput(double x);
  FX::FXString getFormattedNumberFoxAxis(int axis, double x);
  void setUpCurveCoefficientsTable(int zone);
  void clearCoefficientsTable(int zone);
  void fillCoefficientsTable(int zone, int order, double* coef);
  // Zones not fitted (fitted[j] false; null: all were) are left out.
  void fillAdjustedCoefficientsTables(int anchorZone, int* exponents, double* b, double coef[6][16], double s10,
                                      const bool* fitted = nullptr);
  FX::FXString getEquation(int zone, FX::FXString variable, bool adjusted);
  FX::FXString getVariableName();
  double roundLimitsToWholeNumbers(double x);
  bool checkEqnZoneLimits(int marker, int px);
  void hideEqnFitTableRow(int row);
  void showEqnFitTableRow(int row);
  void showEqnFitTableRow(int row, bool show);
  void updateEquationZoneLimitsTextfields();
  void defineMinMouseWheelStepSize();
  // The number in the text of a list box's current item (0 without one).
  static int currentItemNumber(FX::FXListBox* list);
  // Writes " <text> " into a coefficient cell, fits the column to it and
  // leaves the trimmed text, so columns are sized for the padded text.
  void writeCoefficientCell(int zone, int row, int column, double value, int decimals);

  // Fitting state shared with the fitting pipeline.
  int numEquations = 1;
  int dataSource = 0;
  Table_lom2* dataSourceTable = nullptr;
  int temperatureScale = 0;
  double plotXmin = 0.0;
  double plotXmax = 0.0;
  double plotYmin = 0.0;
  double plotYmax = 0.0;
  // Whether the extents above are those of data read since the zone
  // limits were last taken from a file; until then the limits are not
  // checked against them.
  bool plotRangeKnown = false;

  // ---- Curve Fitting tab: widgets and operations
  FX::FXCanvas* fitPlotCanvas = nullptr;
  FX::FXCanvas* halfWidthPlotCanvas = nullptr;
  FX::FXLabel* fitEqnTableRow_Lbl[5] = {};
  FX::FXTextField* eqnFit_TF[4][6] = {};
  FX::FXArrowButton* increaseFitOrder_Btn[6] = {};
  FX::FXArrowButton* decreaseFitOrder_Btn[6] = {};
  FX::FXCheckButton* setEqnYIntercept_Chk = nullptr;
  FX::FXTextField* equation_Y_intercept_TF = nullptr;
  FX::FXRadioButton* dataSource_RB[3] = {nullptr, nullptr, nullptr};
  FX::FXGroupBox* lmpConstant_GB = nullptr;
  TextField_lom2* lmp_C_TF = nullptr;
  FX::FXButton* autoFitLMP_Btn = nullptr;
  FX::FXCheckButton* lmpMouseWheelStepSizeOfp1_Chk = nullptr;
  FX::FXButton* fitData_Btn = nullptr;
  FX::FXButton* copyEqns_Btn = nullptr;
  FX::FXListBox* numOfEquations_LB = nullptr;
  FX::FXListBox* maxFitOrder_LB = nullptr;
  FX::FXListBox* numOfOverlapPoints_LB = nullptr;
  FX::FXLabel* positiveSlope_Lbl = nullptr;
  FX::FXLabel* negativeSlope_Lbl = nullptr;
  FX::FXCheckButton* lmp_ZELK_formatting_Chk = nullptr;
  FX::FXCheckButton* fillEmptyCellsWithZeros_Chk = nullptr;
  FX::FXCheckButton* adjustEquationsWhenCopying_Chk = nullptr;
  FX::FXCheckButton* writeBoundaryValuesAsNumbersNotLn_Chk = nullptr;
  FX::FXCheckButton* forceXBoundariesToWholeNumbers_Chk = nullptr;
  FX::FXRadioButton* plotBackground_RB[3] = {nullptr, nullptr, nullptr};
  FX::FXListBox* fitPlotFontSize_LB = nullptr;
  FX::FXCheckButton* xAxisIsTemperature_Chk = nullptr;
  FX::FXListBox* temperatureScale_LB = nullptr;
  TextField_lom2* y_axisScaleFactor = nullptr;
  FX::FXTable* hiddenLMPStuff_TBL = nullptr;
  int hiddenTableEqnRows[2] = {1, 2};
  FX::FXVerticalFrame* smallPlotFrame[7] = {};
  FX::FXCanvas* smallPlotCanvas[7] = {};
  FX::FXTabBook* eqnTabBook = nullptr;
  FX::FXTabItem* eqnTab[6] = {};
  FX::FXTextField* excelEqn_TF[6] = {};
  FX::FXTable* coefficients_TBL[6] = {};

  void setCurveFitType();
  void showLMPStuff(bool show);
  void setEquationSlopeLabels(bool positive, bool negative);
  void enableDisableInterceptInput();
  void setScaleFactorTextfieldBackColor();
  int getLastRowWithData();
  // Shows or hides a widget and asks for a new layout.
  static void setShown(FX::FXWindow* w, bool shown);
  // Enables a widget that needs an image, disables it otherwise.
  long onUpdImage(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  // Index of a sender in an array of widgets, -1 when it is not there.
  template <class Widget>
  static int indexOfSender(FX::FXObject* sender, Widget* const* widgets, int count) {
    for (int i = 0; i < count; ++i)
      if (widgets && widgets[i] && static_cast<FX::FXObject*>(widgets[i]) == sender) return i;
    return -1;
  }
  // One fit-order step up or down for the zone whose button sent it.
  void stepFitOrder(FX::FXObject* sender, FX::FXArrowButton* const* buttons, int delta);
  // Return or keypad Enter re-runs the fit; other keys go to the field.
  long reFitOnEnter(void* ptr);
  // Runs the fit again when one is shown (an input it depends on changed).
  void reFitWhenFitShown();

  // ---- value tables: curve points, XY values, Larson-Miller
  void setUpLMPDataTable(int numRows);
  void insertRowsInLMPTable(int numRows);
  void clearConvertedXYValuesTable();
  void setXYValuesTableHeaders();
  void clearHiddenLMPStuffTable();
  void clearLMPErrorFromTable();
  void clearCurveFitData();
  void assignLMPcellColorIcons(FX::FXString temperatures);
  // The same for the points of series 0 taken from the given table rows
  // (point k from row rows[k]); rows not listed get no icon.
  void assignLMPcellColorIcons(FX::FXString temperatures, const std::vector<int>& rows);
  // Called directly (no message id): by "Clear data" and by "Reset all".
  long onCmdClearTable(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  // Every bulk removal of curve points keeps them for "Restore data": a
  // table holding any text is copied into the backup (replacing the one
  // kept before) and "Restore data" is enabled; an empty table leaves the
  // backup as it was. True when the table was copied.
  bool backUpCurvePoints();

  // ---- picked points kept through a cancelled colour pick, a new picture,
  // "Reset all", the quarter and half turns and the XY table choices
  // What a colour pick that cleared the curve-points table found: the cells
  // of the table and of its backup, the column headers and whether each
  // button that follows the table was enabled. A cancelled pick gives it
  // back; a new picture, a turn or "Reset all" drops it.
  struct CurveTableKeep {
    bool held = false;
    int rows = 0, cols = 0, backupRows = 0, backupCols = 0;
    std::vector<FX::FXString> cells, backupCells, headers;
    std::vector<bool> enabled;
    FX::FXString autoFindRows[2];
  };
  CurveTableKeep pickColorKeep;
  void keepCurveTableForPick();
  // Puts back what the pick kept, when the table is still as the pick left
  // it (empty); false when nothing was given back.
  bool giveBackCurveTableOfPick();
  // Curve points stand in the table, or "Restore data" would bring some back.
  bool curvePointsAtStake() const;
  // With curve points at stake these ask first; true to go on.
  bool mayOpenAnotherPicture();
  bool mayResetAll();
  // The backup of the points of a picture no longer shown is emptied, so
  // that "Restore data" cannot put them on another picture.
  void forgetCurvePointBackup();
  // resetAfterNewImage for a quarter or half turn: the points stay
  // recoverable with "Restore data".
  void resetAfterTurn();
  // Blanks the clipboard only while it holds a copy of this program's.
  void clearOwnClipboardCopy();
  // Rows first..last of the XY values table that hold a non-blank cell.
  int xyRowsWithData(int first, int last) const;
  // Ctrl+V in the XY values table: the table's paste at its selection,
  // which then becomes the data source as with the tool-bar paste.
  long pasteIntoXYValuesTable();

  Table_lom2* convertedXYValues_TBL = nullptr;
  Table_lom2* lmpData_TBL = nullptr;
  FX::FXButton* copyXYTable_Btn = nullptr;
  FX::FXButton* copyImageDataToXY_Btn = nullptr;
  FX::FXButton* appendImageDataToXY_Btn = nullptr;
  FX::FXButton* copyConvertedTableAll_Btn = nullptr;
  FX::FXButton* copyConvertedTableXY_Btn = nullptr;
  FX::FXCheckButton* autoDeleteRowsWithZero_Chk = nullptr;
  FX::FXTextField* lmpMin_TF = nullptr;
  FX::FXTextField* lmpMax_TF = nullptr;
  FX::FXTextField* lmpMinTemperature_TF = nullptr;
  FX::FXTextField* lmpMaxTemperature_TF = nullptr;
  // Colour icons of the Larson-Miller rows (column 5), owned here, not by
  // the table; numLMPcellColorIcons counts them.
  FX::FXIcon** lmpCellColorIcons = nullptr;

  // Members of automatic finding and the fitting run that the table
  // operations use.
  FX::FXString lastAutoFindRows[2];
  int numRowsWithData = 0;
  FX::FXColor** plotPointColors = nullptr;

  // ---- control-panel state and the working image
  void setNumberFormatType();
  void setDataPointColor();
  void setReferencePointColor();
  void setRoundCheckBoxColor();
  void setTemperatureConversion();
  // Only the radio of point type t (0..4; above 4 the "Data" radio) is
  // checked and enabled.
  void setAxisDataType(int t);
  void enableButtons();
  void setDataPointTableStipple();
  // The row of the curve-points table that takes the next point.
  int getCurveDataRow();
  void appendRows(int n = 10);
  void setBackColorForDrawDataPointsWithCursorDrag(FX::FXWindow* w);
  void checkRedrawCounter();

  // Loads a picture by its extension; false (after an error box) when it
  // cannot be loaded, and then no picture is loaded at all.
  bool loadImage(FX::FXString path);
  void resetAfterNewImage();
  // Marks (x, y), a main-window position, on the target image and logs
  // every pixel it changes so that resetImage can erase it.
  void plotPointOnImage(int x, int y, FX::FXColor color, int thickness, int length, bool highlight,
                        FX::FXImage* target);
  void redrawCornerPoints(FX::FXImage* target);
  void resetImage(bool force, FX::FXImage* target);
  void resetImageAndDrawPoints();
  void redrawTablePoints(FX::FXImage* target);
  void drawLineOnImage(FX::FXImage* target);
  // (x, y) in image pixels; -1 for none.
  void drawExtendedCursor(int x, int y);
  // Puts the clean pixels back on the working image under the extended
  // cross-hair's last drawing (only where it drew while nothing else has
  // drawn since, else everywhere); false, with nothing done, when the
  // display cannot take them from the upload.
  bool cleanUnderExtendedCursor(const FX::FXColor* clean);
  // Fine rotation by angle thousandths of a degree about rotationCentre.
  void rotateImage(int angle, FX::FXImage* target);
  void allocate_originalPixelArray(int w, int h);
  int getRestoreIndex(int x, int y);
  void updateRotationLabel();
  void zeroAllRotations();
  void resetRotationAngle();
  void resetSelectedAxisPointsAfterARotation();
  void drawAlignmentLines(FX::FXDCWindow* dc);
  // The clean picture as it is shown now: the finely rotated copy while a
  // fine rotation is in force, else originalPixelArray.
  const FX::FXColor* cleanShownPixels() const;

  // Point type being defined and the next click step (0..4, above 4 data
  // points); image-dependent buttons enabled.
  int axisDataType = 0;
  int nextAxisDataType = 0;
  bool buttonsEnabled = false;
  // Pixel copies of the picture (imageWidth x imageHeight each) and the
  // redraw log of the pixels changed by marks.
  FX::FXColor* originalPixelArray = nullptr;
  FX::FXColor* imagePixelArray = nullptr;
  FX::FXColor* rotatedPixelArray = nullptr;
  int* redrawIndexes = nullptr;
  int* redrawX = nullptr;
  int* redrawY = nullptr;
  int redrawCapacity = 0;
  // Uploads a loaded or fine-rotated picture to the display through a
  // shared-memory segment, kept for the next picture of the same size and
  // let go of when a picture does not load and when the window goes.
  PixelUpload* pixelUpload = nullptr;
  // Counts the drawings on the working image: every operation that draws
  // on image or puts pixels on it adds one, so that the extended cross-hair
  // can tell whether the image still holds what it left there.
  unsigned long imageDrawings = 0;
  // What the extended cross-hair last left on the working image, with the
  // image, the clean pixels and the drawing count it was left at: the next
  // cross-hair puts back only those areas while all of them still hold.
  struct ExtendedCursorTrace {
    const FX::FXImage* image = nullptr;
    FX::FXID id = 0;
    const FX::FXColor* clean = nullptr;
    int width = 0, height = 0;
    unsigned long drawings = 0;
    ImageRules::CrossHairTrace trace;
  } extendedCursorTrace;
  // Fine rotation in thousandths of a degree (positive: clockwise) and the
  // coarse rotation in degrees.
  int rotationAngle = 0;
  int rotation90 = 0;

  // ---- axes and point picking
  // Axis definition: the two reference tables, the scales and the
  // conversion of a main-window position into real values.
  bool areBothAxisDefined();
  bool getRealValues(int row, bool showErrors, int px, int py, double* x, double* y);
  bool getRealValues(int row);
  bool checkAxisLogScalingDefinitions();
  bool checkAxisMinMaxDefinitions();
  void checkAxisMinMaxForLog(int axis);
  void setAxisScale();
  void clearAxisDefinitions();
  // Empties the pixel cells of the axis reference points and keeps their
  // typed real values.
  void clearAxisReferencePixels();
  void clearAxisRealValesTableTipText(int axis);
  void resetSelections();
  double getXYAxisCurrentAngle(int axis);
  void realValuesToPixels(double x, double y, int* px, int* py);
  FX::FXObject* getTable(FX::FXObject* sender);
  void moveMinMaxTableCell(int fromAxis, int toAxis, int row);
  // The pointer position in main-window coordinates, the convention of the
  // axis and curve-points tables and of updateMagnifiedImage. With the
  // picture scrolled inside the image view it is the position the pointer
  // would have over the same pixel of the unscrolled picture.
  void pointerPosition(int* x, int* y);
  // Moves the pointer to a position of that convention.
  void setPointerPosition(int x, int y);

  // Point picking: clicks, pointer motion and keys on the image.
  void handleClickedPoint(int x, int y, double yd, bool* traceRequested);
  void addDataPoint(int row, int x, int y, double yd);
  // Writes a point's pixel position into a curve-points row: x whole, y
  // with four decimals (a snapped or traced point keeps its run's exact
  // middle).
  void writePixelPosition(int row, int x, double yd);
  void restoreFirstPointAfterAutoFindAxisFails();
  // The colour of the image pixel under main-window position (x, y);
  // false when the position is not over the image.
  bool imagePixelAt(int x, int y, FX::FXColor* color);
  // The selection swatch in a colour, its text in a contrasting one.
  void setSelectionSwatch(FX::FXColor color);
  // The image view's cursor as the cursor settings choose it.
  void setNormalImageCursor();
  // The index of the last curve-points row in use (column 3 filled),
  // counting from the top to the first unused row; -1 for none.
  int lastUsedCurveRow();
  // The axis search from the origin click, in image pixels of a W x H
  // picture: matches(x, y) tells whether a pixel has the axis colour (false
  // outside the picture) and lineBeside() whether the other axis' line runs
  // beside the origin. The X search gives the far end e of the X axis on
  // the origin's row, the Y search the far end f on its column: each the
  // last pixel of its axis line. Result -1
  // when found, else the failure number (0..2 for X, 3..5 for Y).
  static int findXAxisEnd(int x, int y, int W, const std::function<bool(int, int)>& matches,
                          const std::function<bool()>& lineBeside, int* e);
  static int findYAxisEnd(int x, int y, int H, const std::function<bool(int, int)>& matches,
                          const std::function<bool()>& lineBeside, int* f);
  // Runs the axis search after an origin click at main-window (x, y);
  // false after a failure, which has been reported and undone.
  bool autoFindAxisEnds(int x, int y, double yd);
  // Reports failure n of the axis search and undoes it.
  void autoFindAxisFailed(int failure, int savedSearchDirection);

  FX::FXColor axisColor = 0;
  int firstClick[2] = {-1, -1};
  double firstClickValue = 0.0;
  // Copies the displayed picture, marks included, into lineBackupPixels at
  // the first click of a user line.
  void copyShownPixelsForLine();
  // Size of the picture copied into lineBackupPixels.
  int lineBackupWidth = 0;
  int lineBackupHeight = 0;

  // ---- fit plots and the fitting run
  // Plot-data arrays handed to the plots (array new, one array per series;
  // series 0 the data points, series 1 the fitted curve). plotPointColors
  // and numPlotSeries are declared with the value tables.
  int* plotDataCounts = nullptr;
  double** plotDataX = nullptr;
  double** plotDataY = nullptr;
  // Note of the fit plots; the Larson-Miller summary of the last fit.
  FX::FXString plotNote;
  // Larson-Miller results of the last fit.
  double maxAbsPercentDiff = 0.0;
  double minTemperature = 1e100;
  double maxTemperature = -1.0;
  // File chosen in the last "Save plot" dialog; written by the export timer.
  FX::FXString saveFileName;

  void allocatePlotDataArrays(int n);
  void sizeHalfWidthPlot();
  FX::FXString addNewlinesToPlotNote(FX::FXString note);
  void showHideEqnCoefficientTables();
  // Reads rows 0..n-1 of the data source, transformed by the fit type;
  // temperatures, xs and ys may be null (xs and ys are filled only when
  // both are given).
  void getPlotXYData(int n, bool* xOk, bool* yOk, bool* tOk, double* temperatures, FX::FXString* temperatureList,
                     double* xs, double* ys, const std::vector<int>* dataPointRows = nullptr);
  // The rows among 0..n-1 of the data source that are data points: those
  // whose x and y cells (time, stress and temperature for the
  // Larson-Miller fit) hold numbers. getPlotXYData reads these rows only,
  // storing their points one after the other (a caller that has them
  // already hands them in as dataPointRows). leftOut, when given, gets
  // the number of rows left out.
  std::vector<int> getDataPointRows(int n, int* leftOut);

  // The steps of the fitting run getQuillgrid, in order, on the working
  // data of one run. A step that refuses the run returns false.
  struct FitRun;
  bool startFitRun(FitRun& run);
  bool gatherFitData(FitRun& run);
  void tellLeftOutRows(FitRun& run, int leading, int leftOut);
  bool splitIntoZones(FitRun& run);
  bool fitZones(FitRun& run);
  void writeZoneMismatches(FitRun& run);
  void writeRowResults(FitRun& run);
  void writeZoneResults(FitRun& run);
  void computeFittedCurve(FitRun& run);
  void writeLarsonMillerSummary(FitRun& run);
  void writeEquationTexts(FitRun& run);
  void finishFitRun(FitRun& run);
  // Hears the time of each step of a fitting run and of each plot drawn.
  StepClock::Listener fitStepTimes;
  // Warns, once per run, of zones whose equations as written do not carry
  // their fit; while holdFitWarnings is set the warning is kept in
  // heldFitWarning (empty when the last run's equations carry their fits)
  // instead of being shown.
  void warnOfEquationsLosingTheirFit(FitRun& run);
  void tellEquationsLosingTheirFit(const FX::FXString& text);
  bool holdFitWarnings = false;
  FX::FXString heldFitWarning;
  // The x range of zone z as the plot note writes it: from its lower to
  // its upper limit (the first point for zone 0), in the user's x.
  FX::FXString zoneRangeText(int z);
  // Clears what earlier runs wrote into the data source's own columns
  // (fitted y, % difference, Larson-Miller parameter), so that a run
  // leaves only its own results there.
  void clearFitColumnsOfDataSource();
  // Empties the Larson-Miller parameter, % difference and colour icon of
  // the Larson-Miller rows first..last.
  void clearLMPFitResultsOfRows(int first, int last);
  // What the last notice of rows left out of the fit was about; it is
  // not repeated while the same rows are left out.
  FX::FXString leftOutRowsTold;
  // The plot that draws on a canvas of the fit plots (null for another).
  DataPlot* plotOfCanvas(FX::FXObject* canvas);


  // ---- ordering, copying, pop-up menus and export
  // Reorders the rows above the first row with an empty cell in columns
  // 0 .. testedColumns - 1 by the number in keyColumn (its magnitude when
  // absolute), moving whole rows; the target is not notified.
  static void orderPoints(FX::FXTable* table, int keyColumn, int testedColumns, bool absolute, bool ascending);
  void allowOrdering();
  void finishedOrdering();
  // The curve-points headers tell by which column the rows are ordered: a
  // down arrow after that column's name (column 0 by x, column 2 by the
  // size of the difference, -1 for none).
  void markOrderedColumn(int column);
  // Leaves a single blank on the clipboard.
  void clearClipBoard();
  void setCopyButtonsText();
  // Selects and copies the block from cell (0, 0) to the last row and the
  // last column that hold a non-blank cell anywhere in the table.
  void copyUsedBlock(Table_lom2* table);

  // The current pop-up pane of the spreadsheet-formula fields.
  FX::FXMenuPane* popUpPaneExcelEqn = nullptr;
  // Deletes the pane of the member given and makes a new one there.
  FX::FXMenuPane* newPopUpPane(FX::FXMenuPane*& pane);
  // Creates the pane and runs it at the pointer of the event (at the
  // pointer's current position without one) until it closes.
  void runPopUpPane(FX::FXMenuPane* pane, const FX::FXEvent* ev);
  // The rows of the scale-factor pop-up: the longest run of consecutive
  // named entries among the first n.
  static int conversionFactorRows(const ConversionFactor* factors, int n);

  // Picture export: 0 copy at full size, 1 copy at half size, 2 write
  // the file saveFileName.
  enum { EXPORT_COPY = 0, EXPORT_COPY_HALF_SIZE = 1, EXPORT_WRITE_FILE = 2 };
  void makeHighResolutionImage(int mode);
  void drawInfoToImage(FX::FXImage* image);
  // What pads the information text: blanks as many as the rotation
  // label's characters when there is no fine rotation, else that text.
  static FX::FXString infoPadding(int rotationAngle, const FX::FXString& rotationText);
  static FX::FXString infoText(const FX::FXString& xMin, const FX::FXString& xMax, const FX::FXString& yMin,
                               const FX::FXString& yMax, const FX::FXString& padding);
  // A half-size copy of a picture, created on the display with its pixels
  // read back; the caller deletes it. Null without a picture of at least
  // 2 x 2 pixels.
  static FX::FXImage* makeHalfSizeImage(FX::FXApp* app, FX::FXImage* source);

  // ---- automatic curve and axis finding
  // Each channel of c within colorTol of curveRGB (strictly).
  bool colorsMatch(FX::FXColor c);
  // The scanner over the working image in the current search direction,
  // location and length; positions are main-window positions. See
  // AutoFindRules::midPixel.
  bool get_mid_px(int a, int b, int* px, int* py, double* yd);
  void defineLowHigh(int m, int L, int* lo, int* hi);
  void fullAuto();
  void checkLineWidth();
  void setAutoFindCurveBtn();
  void setSearchLocation();
  void resetSearchLocation();
  // The tracer between the last two picked points (the handler's work
  // once an image and the search settings are known).
  void traceBetweenLastTwoPoints();
  // Cells of a curve-points row, each followed by "|".
  FX::FXString curveRowText(int row);
  int searchLength = 30;

  // ---- settings and data files
  // Applies one line of a settings or data file; true when its key is one
  // the files hold (in a data file the directory and recent-file lines
  // are not).
  bool assignVariablesFromIni(FX::FXString key, FX::FXString value, bool isDataFile);
  // Reads the data file and checks it first; only a good file clears both
  // value tables, is applied, and has the curve points converted again
  // with the axis values it brought. A bad one is reported and changes
  // nothing.
  void openDataFile(FX::FXString path);
  // The lines of a settings or data file; false when it cannot be read or
  // has none.
  static bool readIniLines(const FX::FXString& fileName, FX::FXArray<FX::FXString>& lines);
  // True when enough of the lines are recognised for the file to count as
  // read (the test readIniFile applies after applying them).
  static bool enoughRecognisedLines(const FX::FXArray<FX::FXString>& lines, bool isDataFile);
  // Applies the lines in their order; true when enough were recognised.
  bool applyIniLines(const FX::FXArray<FX::FXString>& lines, bool isDataFile);
  // Shows the tab that holds loaded data.
  void setDefaultTab();
  // Every line of the settings file, in their order.
  FX::FXString settingsText();
  // Writes settingsText() to the path, replacing the file only once the
  // whole text is written; false when nothing was written.
  bool writeSettingsFile(const FX::FXString& path);

  // The version of the last file read (that of this program before any).
  double version = 2.81;

  // ---- editing curve points
  // Deletes the selected rows of the curve-points table when row (the
  // current cell's row) holds anything, then selects cell (row, col) or the
  // row above it, as the last arrow key decides; rehighlight marks the new
  // selection on the image.
  void deletePointsInImageTable(int row, int col, bool rehighlight);
  // Marks the point of a curve-points row as highlighted, after redrawing
  // the image with its plain marks when resetFirst is set.
  void highlightPoint(bool resetFirst, int row);
  // Redraws the image with its plain marks; clearSelection also clears the
  // curve-points table's selection.
  void unHighlightPoints(bool clearSelection);
  // Makes (row, col) the current and only selected cell of the curve-points
  // table and scrolls it into view.
  void selectCurveTableCell(int row, int col);
  // The row selected after deleting row: the row that moved into its place
  // after a Down key, the row above (not below 0) after an Up key.
  static int rowAfterDeletion(int row, bool moveDown);
  // How many of the points now in the table (each named by its pixel
  // cells) the backup does not hold: what "Restore data" would lose.
  static int pointsNotKept(const std::vector<FX::FXString>& now, const std::vector<FX::FXString>& kept);
  // What a key does in the curve-points table with the current cell in
  // column col.
  enum CurveTableKey { CURVE_KEY_PASS, CURVE_KEY_RESELECT, CURVE_KEY_UP, CURVE_KEY_DOWN, CURVE_KEY_DELETE };
  static CurveTableKey curveTableKeyAction(FX::FXuint code, int col);
  // Runs the image's right-button menu at the root position (x, y) until it
  // closes (through the modal seam, so that tests can look at the pane).
  void runImagePopUp(FX::FXMenuPane* pane, int x, int y);

  // ---- zone markers and the Larson-Miller constant
  // Zone limits spread evenly over the transformed data, and the fit
  // plot's range set to that data; nothing changes with fewer than two
  // rows or with data the fit type cannot take.
  void setDefaultZoneMarkers();
  // Writes the Larson-Miller constant C with the decimals into its field.
  void showLarsonMillerConstant(double C, int decimals);

  // Height and base width of a zone marker under the fit plot.
  enum { ZONE_MARKER_SIZE = 15 };
  // Upper limits of n zones (1..6) spread evenly over [xmin, xmax]; the
  // last is xmax itself.
  static void evenZoneLimits(double xmin, double xmax, int n, double* limits);
  // Pixels one wheel notch moves a zone limit: the smallest step, 3 times
  // that with Shift or Control, 27 times with both.
  static int zoneLimitWheelStep(int minStep, bool shift, bool control);

  // C truncated toward zero onto the wheel step (fine: 0.1 above 10,
  // else 0.02; coarse: 0.5 above 10, else 0.1), with the decimals it is
  // shown with.
  static double snappedLarsonMillerConstant(double C, bool fine, int* decimals);
  // C one wheel notch up or down, kept within [1, 100], with the
  // decimals it is shown with.
  static double steppedLarsonMillerConstant(double C, bool fine, bool up, int* decimals);
  // The search for the C with the smallest largest difference: from
  // start (20 when outside [1, 100]) C walks by 1 while the difference
  // shrinks and turns round with half the step whenever it grows, until
  // the step is below smallestStep or C leaves [1, 100]. fit(C, &m) fits
  // with C and gives the largest difference m; false when the fit fails.
  // lastFitted is the last C handed to fit.
  enum { LMP_SEARCH_FOUND = 0, LMP_SEARCH_FIT_FAILED = 1, LMP_SEARCH_NO_CONVERGENCE = 2 };
  enum { LMP_SEARCH_MAX_STEPS = 1000 };
  static int searchLarsonMillerConstant(double start, double smallestStep,
                                        const std::function<bool(double, double*)>& fit, double* lastFitted);

  // ---- operations and members that several areas use
  void setEquationSlopeLabels();
  void setEquationSlopeLabels(bool blank, bool positive, bool negative);
  void resetOrdering();
  void setDataSource();
  void setXaxisTemperatureBackColor();
  void addDataToXYValuesTable(int startRow);
  FX::FXColor getPlotPointColor(unsigned index);
  bool getQuillgrid();
  void setZELKformat();
  void setPointSize();
  void setFitPlotFontSize();
  void myCustomSettings();
  void setPlotBackgroundColor();
  void setNumEquations(bool reset);
  void drawZoneMarkers(bool reset);
  // drawZoneMarkers without drawing when `draw` is false: the limits are
  // kept inside the data and the markers and limit fields placed.
  void placeZoneMarkers(bool reset, bool draw);
  // The current pop-up pane of the tables and the Y scale-factor field.
  FX::FXMenuPane* popUpPane = nullptr;
  void setSearchLengthButtonColor(int k);
  void setColorDiffButtonColor(int k);
  void setAutoFindButtons();
  void setSearchDirection();
  void updateDrawLineBtn();
  void autoSizeWindow();
  // The window height that shows the Image tab's column of controls whole.
  int controlColumnWindowHeight();
  // No settings file was read at start: the first placement may grow the
  // built-in window size to what the screen has room for.
  bool placementFromDefaults = false;
  // Start-up timer rounds spent waiting for the window to show (a window
  // manager frames it first) before it is placed.
  int placementWaits = 0;
  // Rows first..last of the curve-points table brought into view, in the
  // table and in the column of controls.
  void showCurveTableRows(int first, int last);
  void resetAxis();
  // Start directory of the next open dialog (settings and data files).
  FX::FXString openDialogDirectory;
};

#endif
