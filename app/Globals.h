// Constants shared by the main window's source files: file names, the
// version, recurring button texts, the name lists of list boxes and radio
// groups, and the colour and size tables behind them. All are filled by
// static initialisation before main runs and never change; where a
// settings-file key stores an index, it indexes these tables.
#ifndef QUILLGRID_GLOBALS_H
#define QUILLGRID_GLOBALS_H

#include <fx.h>

extern const FX::FXString VERSION_NUMBER;
extern const FX::FXString APP_NAME;
extern const FX::FXString INI_FILE;
extern const FX::FXString DATA_FILE_EXT_NO_DOT;
extern const FX::FXString CONVERSION_FACTORS_FILE;
extern const FX::FXString WEB_FILE_URL;
extern const FX::FXString WEB_SITE_HOST;
extern const FX::FXString WEB_SITE_URL;
extern const FX::FXString AUTO_FIND_POINT_TXT;
extern const FX::FXString AUTO_FIND_BTN_TXT;
extern const FX::FXString AUTO_FIND_ERROR_TXT;
extern const FX::FXString CLEAR_TABLE_BTN_TXT;
extern const FX::FXString RESTORE_TABLE_BTN_TXT;
extern const FX::FXString COPY_TABLE_TXT;
extern const FX::FXString ORDERED_COPY_TABLE_TIP_TEXT_TXT;
extern const FX::FXString COPY_EQNS_TXT;
extern const FX::FXString PRO_MODE_TXT;
extern const FX::FXString SELECTION_TXT;
extern const FX::FXString CURVE_POINTS_TXT;
extern const FX::FXString REAL_VALUE_TXT;

// The user's home directory, set once by main; the default directory of
// the file dialogs.
extern FX::FXString pathToExeStr_l;

// Name tables.
extern const FX::FXString CURSOR_COLOR_NAMES[4];
extern const FX::FXString COLOR_DIFF_LABELS[3];
extern const FX::FXString COLOR_DIFF_TIPTEXT[3];
extern const FX::FXString SEARCH_DIRECTION_NAMES[4];
extern const FX::FXString FIT_EQN_TABLE_ROW_NAMES[5];
extern const FX::FXString DATA_SOURCE_NAMES[3];
extern const FX::FXString FILE_TYPE_NAMES[2];
extern const FX::FXString AXIS_NAMES[2];
extern const FX::FXString CURVE_DATA_COLUMN_NAMES[5];
extern const FX::FXString LMP_DATA_COLUMN_NAMES[6];
extern const FX::FXString PLOT_POINT_SIZE_NAMES[4];
extern const FX::FXString TEMPERATURE_CONVERSION_NAMES[6];
extern const FX::FXString POINT_COLOR_NAMES[8];

// Number tables.
extern const FX::FXColor POINT_COLORS[8];
extern const FX::FXColor LMP_TEMP_COLORS[22];
extern const FX::FXint PLOT_POINT_SIZE[4];
extern const FX::FXColor BACK_GROUND_COLORS[3];
extern const FX::FXint COLOR_DIFFS[3];
extern const FX::FXint SEARCH_LENGTHS[5];
extern const FX::FXColor CURSOR_COLORS[4];

// Entry counts of the tables above.
enum {
  NUM_CURSOR_COLORS = 4,
  NUM_COLOR_DIFFS = 3,
  NUM_SEARCH_DIRECTIONS = 4,
  NUM_FIT_EQN_TABLE_ROWS = 5,
  NUM_DATA_SOURCES = 3,
  NUM_FILE_TYPES = 2,
  NUM_CURVE_DATA_COLUMNS = 5,
  NUM_LMP_DATA_COLUMNS = 6,
  NUM_PLOT_POINT_SIZES = 4,
  NUM_TEMPERATURE_CONVERSIONS = 6,
  NUM_POINT_COLORS = 8,
  NUM_LMP_TEMP_COLORS = 22,
  NUM_BACK_GROUND_COLORS = 3,
  NUM_SEARCH_LENGTHS = 5
};

#endif
