// The main window's message map: first matching entry wins, so an earlier
// range shadows a later entry of the same type and id (the XY values
// table's copy command, for one, is taken by onCmdCopyTable).
#include "Quillgrid.h"

using namespace FX;

// clang-format off
FXDEFMAP(Quillgrid) QuillgridMap[] = {
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_ABOUT, Quillgrid::onCmdAbout),  // 0
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_OPEN_WEB_SITE, Quillgrid::onCmdOpenWebSite),  // 1
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_CHECK_FOR_UPDATES, Quillgrid::onCmdCheckForUpdates),  // 2
    FXMAPFUNCS(SEL_COMMAND, Quillgrid::ID_OPEN_DATA_FILE, Quillgrid::ID_OPEN_IMAGE_FILE, Quillgrid::onCmdOpen),  // 3
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SAVE_DATA_FILE, Quillgrid::onCmdSaveDatafile),  // 4
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_RESET_DIRECTORY, Quillgrid::onCmdResetDirectory),  // 5
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_UNDO_LAST_POINT, Quillgrid::onCmdDeleteLastPoint),  // 6
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_PASTE, Quillgrid::onCmdPaste),  // 7
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_AXIS_SCALE, Quillgrid::onCmdSetAxisScale),  // 8
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_RECAL_DATA, Quillgrid::onCmdRecalData),  // 9
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_AUTO_ORDER_ON_COPY, Quillgrid::onCmdAutoOrderOnCopy),  // 10
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_ORDER_CURVE_POINTS_BY_DIFF, Quillgrid::onCmdOrderCurvePointsByDiff),  // 11
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_AUTO_FIND_CURVE, Quillgrid::onCmdAutoFindCurve),  // 12
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_CLEAR_CURVE_POINTS, Quillgrid::onCmdClearCurvePointsTable),  // 13
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_RESET_IMAGE, Quillgrid::onCmdResetImage),  // 14
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_RESET_ALL, Quillgrid::onCmdResetAll),  // 15
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_DATA_POINT_COLOR, Quillgrid::onCmdDataPointColor),  // 16
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_REFERENCE_POINT_COLOR, Quillgrid::onCmdReferencePointColor),  // 17
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SAME_POINT_COLORS, Quillgrid::onCmdMakePointsSameColor),  // 18
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_NUMBER_FORMAT_TYPE, Quillgrid::onCmdNumberFormatType),  // 19
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_RESTORE_TABLE, Quillgrid::onCmdRestoreTable),  // 20
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_NUMBER_FORMAT, Quillgrid::onCmdNumberFormat),  // 21
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_AXIS_DATA_TYPE, Quillgrid::onCmdAxisDataType),  // 22
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_ARRHENIUS, Quillgrid::onCmdArrheniusPlot),  // 23
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_ROUND_X_VALUE, Quillgrid::onCmdRoundXvalue),  // 24
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_NUM_AUTO_FIND_POINTS, Quillgrid::onCmdNumPointsListBox),  // 25
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_AUTO_FIND_POINT, Quillgrid::onCmdCheckOptions),  // 26
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SIMPLE_EQN_FORMAT, Quillgrid::onCmdZELKformat),  // 27
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_CONSTRAIN_CURSOR, Quillgrid::onCmdConstrainCursor),  // 28
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SEARCH_DIRECTION, Quillgrid::onCmdSearchDirection),  // 29
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SEARCH_LOCATION, Quillgrid::onCmdSearchLocation),  // 30
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SWITCH_AXES, Quillgrid::onCmdSwitchXYRealValues),  // 31
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_COLOR_DIFF, Quillgrid::onCmdColorDiff),  // 32
    FXMAPFUNC(SEL_LEFTBUTTONRELEASE, Quillgrid::ID_CURVE_COLOR, Quillgrid::onCmdLeftClickColor),  // 33
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SHOW_MAGNIFIED_IMAGE, Quillgrid::onCmdShowMagnifiedImage),  // 34
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_MAGNIFIED_VIEWS_RIGHT, Quillgrid::onCmdPositionMagnifiedViews),  // 35
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_MAGNIFIED_VIEWS_BOTTOM, Quillgrid::onCmdPositionMagnifiedViews),  // 36
    FXMAPFUNC(SEL_LEFTBUTTONPRESS, Quillgrid::ID_MAGNIFIED_VIEW, Quillgrid::onClickMagnifiedImageView),  // 37
    FXMAPFUNCS(SEL_COMMAND, Quillgrid::ID_COPY_CURVE_TABLE, Quillgrid::ID_COPY_XY_VALUES_TABLE, Quillgrid::onCmdCopyTable),  // 38
    FXMAPFUNCS(SEL_COMMAND, Quillgrid::ID_SELECT_POINT_TYPE_FIRST, Quillgrid::ID_SELECT_POINT_TYPE_FIRST + 4, Quillgrid::onCmdAxisDataTypePopUp),  // 39
    FXMAPFUNCS(SEL_COMMAND, Quillgrid::ID_ROTATE_CW_COARSE, Quillgrid::ID_ROTATE_CCW_FINE, Quillgrid::onCmdRotateImage),  // 40
    FXMAPFUNCS(SEL_COMMAND, Quillgrid::ID_ROTATE_90_CW, Quillgrid::ID_ROTATE_90_CCW, Quillgrid::onCmdRotateImage90),  // 41
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_ROTATE_180, Quillgrid::onCmdRotateImage180),  // 42
    FXMAPFUNCS(SEL_COMMAND, Quillgrid::ID_DATA_SOURCE_FIRST, Quillgrid::ID_DATA_SOURCE_FIRST + 3, Quillgrid::onCmdDataSource),  // 43
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_OPEN_RECENT_FILE, Quillgrid::onCmdOpenRecentFile),  // 44
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_CLEAR_RECENT_FILES, Quillgrid::onCmdClearRecentProjectList),  // 45
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_TABS, Quillgrid::onCmdTabs),  // 46
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_UNHIGHLIGHT_POINTS, Quillgrid::onCmdUnHighlightPoints),  // 47
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_DELETE_LAST_POINT, Quillgrid::onCmdDeleteLastPoint),  // 48
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_COPY_IMAGE_DATA_TO_XY, Quillgrid::onCmdCopyImageDataToXYValuesTable),  // 49
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_APPEND_IMAGE_DATA_TO_XY, Quillgrid::onCmdAppendImageDataToXYValuesTable),  // 50
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_COPY_CONVERTED_TABLE, Quillgrid::onCmdCopyTable),  // 51
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_NUMERIC_FORMAT_FOLLOWS_SCALE, Quillgrid::onCmdNumericFormatMatchesAxisScaling),  // 52
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_INCREASE_FIT_ORDER, Quillgrid::onCmdIncreaseFitOrder),  // 53
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_DECREASE_FIT_ORDER, Quillgrid::onCmdDecreaseFitOrder),  // 54
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_FIT_DATA, Quillgrid::onCmdPlotData),  // 55
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_CURVE_FIT_TYPE, Quillgrid::onCmdCurveFitType),  // 56
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_ORDER_CURVE_POINTS, Quillgrid::onCmdOrderCurveDataPoints),  // 57
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_NUM_DECIMALS, Quillgrid::onCmdNumberOfDecimalsInCoefficients),  // 58
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_NUM_EQUATIONS, Quillgrid::onCmdNumEquations),  // 59
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_DRAW_LINE, Quillgrid::onCmdDrawLine),  // 60
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_PLOT_BACKGROUND_COLOR, Quillgrid::onCmdPlotBackgroundColor),  // 61
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_COPY_EQUATIONS, Quillgrid::onCmdCopyHiddenEquationStuff),  // 62
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_PLOT_POINT_SIZE, Quillgrid::onCmdPlotPointSize),  // 63
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SEARCH_LENGTH, Quillgrid::onCmdSearchLengths),  // 64
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_FONT_SIZE, Quillgrid::onCmdFontSize),  // 65
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SHOW_LMP_TAB, Quillgrid::onCmdShowHideLMPStuff),  // 66
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_HIDE_EQN_COEFFICIENT_TABLES, Quillgrid::onCmdHideEqnCoefficientTables),  // 67
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_MAX_FIT_ORDER, Quillgrid::onCmdMaxFitOrder),  // 68
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_OVERLAP_POINTS, Quillgrid::onCmdOverlapPoints),  // 69
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_X_IS_TEMPERATURE, Quillgrid::onCmdXaxisIsTemperature),  // 70
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_TEMPERATURE_UNITS, Quillgrid::onCmdXaxisTemperatureUnits),  // 71
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SET_Y_INTERCEPT, Quillgrid::onCmdSetIntercept),  // 72
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_XY_TABLE_ROWS, Quillgrid::onCmdNumRowsInXYTables),  // 73
    FXMAPFUNC(SEL_KEYPRESS, Quillgrid::ID_Y_INTERCEPT_FIELD, Quillgrid::onKeyPressIntercept),  // 74
    FXMAPFUNC(SEL_RIGHTBUTTONRELEASE, Quillgrid::ID_Y_SCALE_FIELD, Quillgrid::onCmdYaxisScaleFactorRightButton),  // 75
    FXMAPFUNCS(SEL_COMMAND, Quillgrid::ID_Y_SCALE_FACTOR_FIRST, Quillgrid::ID_Y_SCALE_FACTOR_FIRST + 100, Quillgrid::onCmdYaxisScaleFactor),  // 76
    FXMAPFUNCS(SEL_RIGHTBUTTONRELEASE, Quillgrid::ID_EXCEL_EQUATION_FIRST, Quillgrid::ID_EXCEL_EQUATION_FIRST + 6, Quillgrid::onCmdExcelEqnRightButton),  // 77
    FXMAPFUNCS(SEL_COMMAND, Quillgrid::ID_EXCEL_EQUATION_FIRST, Quillgrid::ID_EXCEL_EQUATION_FIRST + 6, Quillgrid::onCmdCopyExcelEqn),  // 78
    FXMAPFUNC(SEL_KEYPRESS, Quillgrid::ID_EXCEL_CELL, Quillgrid::onKeyDownReFit),  // 79
    FXMAPFUNC(SEL_KEYPRESS, Quillgrid::ID_LMP_CONSTANT, Quillgrid::onKeyDownReFit),  // 80
    FXMAPFUNC(SEL_MOTION, Quillgrid::ID_IMAGE_VIEW, Quillgrid::onCmdImageMotion),  // 81
    FXMAPFUNC(SEL_KEYPRESS, Quillgrid::ID_IMAGE_VIEW, Quillgrid::onImageKeyPress),  // 82
    FXMAPFUNC(SEL_KEYRELEASE, Quillgrid::ID_IMAGE_VIEW, Quillgrid::onImageKeyRelease),  // 83
    FXMAPFUNC(SEL_LEFTBUTTONPRESS, Quillgrid::ID_IMAGE_VIEW, Quillgrid::onLeftMouseClick),  // 84
    FXMAPFUNC(SEL_RIGHTBUTTONRELEASE, Quillgrid::ID_IMAGE_VIEW, Quillgrid::onCmdRightButtonOnImage),  // 85
    FXMAPFUNC(SEL_PAINT, Quillgrid::ID_FIT_PLOT, Quillgrid::onCmdRedrawFitPlots),  // 86
    FXMAPFUNC(SEL_CONFIGURE, Quillgrid::ID_FIT_PLOT, Quillgrid::onCmdFitPlotImageResize),  // 87
    FXMAPFUNC(SEL_MOTION, Quillgrid::ID_FIT_PLOT, Quillgrid::onFitPlotMotion),  // 88
    FXMAPFUNC(SEL_LEFTBUTTONPRESS, Quillgrid::ID_FIT_PLOT, Quillgrid::onLeftBtnPressFitPlot),  // 89
    FXMAPFUNC(SEL_LEFTBUTTONRELEASE, Quillgrid::ID_FIT_PLOT, Quillgrid::onLeftBtnReleaseFitPlot),  // 90
    FXMAPFUNCS(SEL_MOUSEWHEEL, Quillgrid::ID_ZONE_LIMIT_FIRST, Quillgrid::ID_ZONE_LIMIT_FIRST + 6, Quillgrid::onMouseEqnZones),  // 91
    FXMAPFUNC(SEL_KEYPRESS, Quillgrid::ID_CURVE_POINTS_TABLE, Quillgrid::onDataPointsTableKeyPress),  // 92
    FXMAPFUNC(SEL_LEFTBUTTONRELEASE, Quillgrid::ID_CURVE_POINTS_TABLE, Quillgrid::onCmdHighlightSelectedPoints),  // 93
    FXMAPFUNC(SEL_RIGHTBUTTONRELEASE, Quillgrid::ID_CURVE_POINTS_TABLE, Quillgrid::onCmdImageTableRightButton),  // 94
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_LMP_TABLE, Quillgrid::onCmdLMPDataPointsTable),  // 95
    FXMAPFUNC(SEL_KEYPRESS, Quillgrid::ID_LMP_TABLE, Quillgrid::onLMPDataPointsTableKeyPress),  // 96
    FXMAPFUNC(SEL_RIGHTBUTTONRELEASE, Quillgrid::ID_LMP_TABLE, Quillgrid::onCmdLMPTableRightButton),  // 97
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_CLEAR_LMP_TABLE, Quillgrid::onCmdClearLMPTable),  // 98
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_COPY_LMP_TABLE, Quillgrid::onCmdCopyLMPTable),  // 99
    FXMAPFUNC(SEL_MOUSEWHEEL, Quillgrid::ID_LMP_CONSTANT, Quillgrid::onMouseLMP),  // 100
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_DELETE_LMP_ROWS, Quillgrid::onCmdDeleteLMPRows),  // 101
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_DELETE_ZERO_LMP_ROWS, Quillgrid::onCmdDelete0StressFromLMP),  // 102
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_DELETE_EMPTY_LMP_ROWS, Quillgrid::onCmdDeleteEmptyRowsFromLMP),  // 103
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_LMP_STEP_SIZE, Quillgrid::onCmdLMPStepSize),  // 104
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_AUTO_FIT_LMP, Quillgrid::onCmdAutoFitLMP),  // 105
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_CLEAR_XY_VALUES_TABLE, Quillgrid::onCmdClearXYValuesTable),  // 106
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_COPY_XY_VALUES_TABLE, Quillgrid::onCmdCopyXYValuesTable),  // 107
    FXMAPFUNC(SEL_KEYPRESS, Quillgrid::ID_XY_VALUES_TABLE, Quillgrid::onXYValuesTableKeyPress),  // 108
    FXMAPFUNC(SEL_RIGHTBUTTONRELEASE, Quillgrid::ID_XY_VALUES_TABLE, Quillgrid::onCmdXYvaluesTableRightButton),  // 109
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_ORDER_XY_VALUES, Quillgrid::onCmdOrderXYValuesPoints),  // 110
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_ORDER_XY_VALUES_BY_DIFF, Quillgrid::onCmdOrderXYvaluesPointsByDiff),  // 111
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_DELETE_XY_ROWS, Quillgrid::onCmdDeleteRows),  // 112
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_CURSOR_TYPE, Quillgrid::onCmdCursorType),  // 113
    FXMAPFUNC(SEL_SELECTED, Quillgrid::ID_AXIS_MINMAX_TABLE, Quillgrid::onAxisMinMaxTableKeyPress),  // 114
    FXMAPFUNC(SEL_KEYPRESS, Quillgrid::ID_AXIS_MINMAX_TABLE, Quillgrid::onAxisMinMaxTableKeyPress),  // 115
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_HIGHLIGHT_POINTS, Quillgrid::onCmdHighlightSelectedPoints),  // 116
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_DELETE_CURVE_ROWS, Quillgrid::onCmdDeleteRows),  // 117
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_PRO_MODE, Quillgrid::onCmdProMode),  // 118
    FXMAPFUNC(SEL_TIMEOUT, Quillgrid::ID_WRITE_PLOT_FILE_TIMER, Quillgrid::onCmdWritePlotFile),  // 119
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_COPY_PLOT_TO_CLIPBOARD, Quillgrid::onCmdCopyToClipboard),  // 120
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_COPY_PLOT_TO_CLIPBOARD_HALF, Quillgrid::onCmdCopyToClipboardHalfSize),  // 121
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_SAVE_PLOT, Quillgrid::onCmdSavePlot),  // 122
    FXMAPFUNC(SEL_TIMEOUT, Quillgrid::ID_IMAGE_VIEW_TOP_TIMER, Quillgrid::onCmdImageViewTopTimer),  // 123
    FXMAPFUNC(SEL_TIMEOUT, Quillgrid::ID_WINDOW_POSITION_TIMER, Quillgrid::onCmdMainWindowPosition),  // 124
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_QUIT, Quillgrid::onCmdQuit),  // 125
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_EXTEND_CURSOR, Quillgrid::onCmdExtendCursor),  // 126
    FXMAPFUNC(SEL_REPLACED, Quillgrid::ID_AXIS_MINMAX_TABLE, Quillgrid::onAxisTableValueEntered),  // 127
    FXMAPFUNC(SEL_COMMAND, Quillgrid::ID_Y_SCALE_FIELD, Quillgrid::onCmdYaxisScaleFactorField),  // 128
};
// clang-format on

FXIMPLEMENT(Quillgrid, FXMainWindow, QuillgridMap, ARRAYNUMBER(QuillgridMap))

unsigned Quillgrid::messageMapSize() { return ARRAYNUMBER(QuillgridMap); }
