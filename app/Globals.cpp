#include "Globals.h"

#include "fox16.h"

using namespace FX;

const FXString VERSION_NUMBER("2.81");
const FXString APP_NAME("Quillgrid");
const FXString INI_FILE(".Quillgrid.ini");
const FXString DATA_FILE_EXT_NO_DOT("qwr");
const FXString CONVERSION_FACTORS_FILE("conversionFactors.txt");
const FXString WEB_FILE_URL("/version_qwr.txt");
// The program's web site; a placeholder under the reserved example domain
// until the real one exists. The host is the host part of the address.
const FXString WEB_SITE_HOST("quillgrid.example.org");
const FXString WEB_SITE_URL("http://quillgrid.example.org");
const FXString AUTO_FIND_POINT_TXT("Auto-find");
const FXString AUTO_FIND_BTN_TXT(AUTO_FIND_POINT_TXT + " curve");
const FXString AUTO_FIND_ERROR_TXT(AUTO_FIND_POINT_TXT + " error");
const FXString CLEAR_TABLE_BTN_TXT("Clear data");
const FXString RESTORE_TABLE_BTN_TXT("Restore data");
const FXString COPY_TABLE_TXT("Copy table");
const FXString ORDERED_COPY_TABLE_TIP_TEXT_TXT("Order the data in the table by the x-value before copying.");
const FXString COPY_EQNS_TXT("Copy eqns.");
const FXString PRO_MODE_TXT("Pro mode");
const FXString SELECTION_TXT("Selection");
const FXString CURVE_POINTS_TXT("Curve points");
const FXString REAL_VALUE_TXT("Real value");

FXString pathToExeStr_l;

const FXString CURSOR_COLOR_NAMES[4] = {"Black", "White", "Black/White", "Adaptive"};
const FXString COLOR_DIFF_LABELS[3] = {"L", "M", "H"};
const FXString COLOR_DIFF_TIPTEXT[3] = {"Low color difference.", "Medium color difference.",
                                        "High color difference."};
const FXString SEARCH_DIRECTION_NAMES[4] = {"Up", "Down", "Left", "Right"};
const FXString FIT_EQN_TABLE_ROW_NAMES[5] = {"Eqn. upper limit", "R^2", "Max. % difference", "Eqn. mismatch",
                                             "Fit order"};
const FXString DATA_SOURCE_NAMES[3] = {"Image", "Xy values", "LMP"};
const FXString FILE_TYPE_NAMES[2] = {"RecentImageFiles", "RecentDataFiles"};
const FXString AXIS_NAMES[2] = {"X", "Y"};
const FXString CURVE_DATA_COLUMN_NAMES[5] = {"X-value", "Y-value", "% diff", "x px", "y px"};
const FXString LMP_DATA_COLUMN_NAMES[6] = {"Time", "Stress", "T (K or R)", "LMP", "% difference", "Point color"};
const FXString PLOT_POINT_SIZE_NAMES[4] = {"Small", "Medium", "Large", "Larger"};
const FXString TEMPERATURE_CONVERSION_NAMES[6] = {"C -> K", "F -> K", "F -> C", "K -> C", "C -> F", "K -> F"};
const FXString POINT_COLOR_NAMES[8] = {"Red", "Green", "Blue", "Black", "Yellow", "Orange", "Purple", "Turquoise"};

const FXColor POINT_COLORS[8] = {argb(0xFFFF0000), argb(0xFF00FF00), argb(0xFF0000FF), argb(0xFF000000),
                                 argb(0xFFEBEB00), argb(0xFFFF7823), argb(0xFFA046A5), argb(0xFF00A0E6)};
const FXColor LMP_TEMP_COLORS[22] = {
    argb(0xFFFF0000), argb(0xFF00FF00), argb(0xFF0000FF), argb(0xFFFF00FF), argb(0xFF00FFFF), argb(0xFF8080FF),
    argb(0xFFA3E69A), argb(0xFFFF8080), argb(0xFF008000), argb(0xFFBEA03C), argb(0xFF48AEA7), argb(0xFF947E63),
    argb(0xFFD2695F), argb(0xFFF0962D), argb(0xFFFFFF00), argb(0xFFFFB9ED), argb(0xFF8296AF), argb(0xFFBE0000),
    argb(0xFF9632FF), argb(0xFF00B0F0), argb(0xFFBEFA00), argb(0xFF800040)};
const FXint PLOT_POINT_SIZE[4] = {6, 9, 12, 15};
const FXColor BACK_GROUND_COLORS[3] = {argb(0xFFFFFFFF), argb(0xFFC8C8C8), argb(0xFF000000)};
const FXint COLOR_DIFFS[3] = {25, 50, 100};
const FXint SEARCH_LENGTHS[5] = {10, 20, 30, 50, 100};
const FXColor CURSOR_COLORS[4] = {argb(0xFF000000), argb(0xFFFFFFFF), argb(0xFF000000), argb(0xFF000000)};
