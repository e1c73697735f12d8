// The text format of the settings file and of data files, kept apart from
// the widgets: one "<key>value" line per entry, ended by a line feed, no
// header, comments, quoting or escaping. These functions split and build
// such lines, read the values of the compound entries and replace a file
// on disk without ever leaving it half written.
#ifndef QUILLGRID_SETTINGSRULES_H
#define QUILLGRID_SETTINGSRULES_H

#include <fx.h>

namespace ini {

// One line split at its first '>': the key is the text before it with '>'
// appended and every "<_" turned into "<"; the value is everything after
// it (it may hold '>' itself). A line without '>' is all key, empty value.
// A value longer than the longest text the display can show
// (Utilities_lom2::MAX_SHOWN_TEXT_BYTES) reads as empty: no entry holds
// such a text, and a cell or field showing it would end the program.
// Table-text lines are the exception: they hold several cells, and
// tableText bounds each of them.
struct Line {
  FX::FXString key;
  FX::FXString value;
};
Line splitLine(const FX::FXString& line);

// A decimal integer as the toolkit reads it (leading blanks skipped,
// reading stops at the first character that is not part of the number,
// 0 when there is none); values beyond the int range give INT_MIN/INT_MAX.
int toInt(const FX::FXString& value);
// True only for the integer 1.
bool toFlag(const FX::FXString& value);
// A decimal real as the toolkit reads it (0 when there is none).
double toReal(const FX::FXString& value);
// The value when lo <= value <= hi, else the fallback.
int inRangeOr(int value, int lo, int hi, int fallback);
// The stored window width or height: below 400, or beyond what an X
// window can be, the fallback.
int windowSize(int value, int fallback);
// A stored window position: outside the coordinates an X window can
// have, the fallback.
int windowPosition(int value, int fallback);

// A value as it may stand on one line: line feeds and carriage returns
// become blanks.
FX::FXString oneLine(const FX::FXString& value);

// "<key>value\n" (the value put on one line) and "<key>%d\n".
FX::FXString line(const char* key, const FX::FXString& value);
FX::FXString line(const char* key, int value);
// "<fitPlotZoneMarkers_real_x>%d %le\n" (with more decimals than %le's
// six where the limit needs them to read back exactly),
// "<fit_order>%d %d\n", "<curve_color>%d %d %d\n".
FX::FXString zoneMarkerLine(int index, double x);
FX::FXString fitOrderLine(int index, int order);
FX::FXString curveColorLine(FX::FXColor color);
// "<key>%d" followed by " %s" for each of the n cells, "\n" at the end.
FX::FXString tableRowLine(const char* key, int row, const FX::FXString* cells, int n);

// The keys of the lines that carry table rows the line above cannot.
extern const char* const XY_VALUES_TEXT_KEY;   // "xyValuesText"
extern const char* const LMP_VALUES_TEXT_KEY;  // "LMPValuesText"
// Whether the line above brings the row back exactly as tableRow reads
// it, which is how every version of the program has read these lines:
// each cell one word, the numbers scanned, the value short enough, and
// no comma (the value tables take a comma read so for a decimal point).
bool tableRowLineKeeps(int row, const FX::FXString* cells, int n);
// "<key>%d" followed by a tab and each of the n cells, with a backslash,
// tab, line feed and carriage return in a cell written as \\, \t, \n
// and \r, and "\n" at the end: any texts, empty ones too. Versions that
// know only the line above pass over these lines.
FX::FXString tableTextLine(const char* key, int row, const FX::FXString* cells, int n);
// "<tag>%d %s\n"; empty when the path is empty or cannot stand on one line.
FX::FXString recentFileLine(const FX::FXString& tag, int index, const FX::FXString& path);

// The value of a zone-marker line, scanned as "%d %lf": true when both
// numbers are read, the index is 0..5 and the real is finite.
bool zoneMarker(const FX::FXString& value, int& index, double& x);

// The value of a fit-order line, scanned as "%d %d" with a number that is
// not read taken as 0.
enum FitOrderEffect {
  FIT_ORDER_ALL_ONES,  // index outside 0..5: every zone gets order 1
  FIT_ORDER_SET        // zone index gets order (2 when outside 1..15)
};
FitOrderEffect fitOrder(const FX::FXString& value, int& index, int& order);

// The value of a curve-colour line, scanned as "%d %d %d": true when
// three numbers are read; each channel keeps its lowest eight bits.
bool curveColor(const FX::FXString& value, FX::FXColor& color);

// The value of a table-row line: the row index and n numbers, scanned as
// "%d" and n times "%lf". True when all n + 1 are read; cells then holds
// words 2 .. n + 1 of the value (blank-separated), as written.
bool tableRow(const FX::FXString& value, int n, int& row, FX::FXString* cells);

// The value of a table-text line: the row index before the first tab,
// then n cells, each after a tab, escapes undone; cells missing at the
// end are empty, cells beyond n ignored. False when the index is not a
// whole decimal number or a cell is longer than the display can show.
bool tableText(const FX::FXString& value, int n, int& row, FX::FXString* cells);

// The value of a recent-file line: trimmed, the index is the integer
// before the first blank, the path all text after it. True when the
// index is 0..9 and the path is not empty.
bool recentFile(const FX::FXString& value, int& index, FX::FXString& path);

// The search-length button of a length (10, 20, 30, 50, 100 give 0..4;
// anything else 2) and the colour-difference button of a tolerance (25,
// 50, 100 give 0..2; anything else 1).
int searchLengthButton(int length);
int colorDiffButton(int tolerance);

// The number text of a numeric field as read from a file: trimmed; true
// when it is a finite decimal number.
bool numberText(const FX::FXString& value, FX::FXString& text);

// Replaces the file at path by text. The text goes to a new file in the
// same directory first, which then takes the file's place, so a failed
// write leaves the previous file as it was. A new file gets 0666 reduced
// by the file-creation mask, an existing one keeps its permissions, a
// symbolic link keeps pointing at the file it names, and a file that may
// not be written is left alone. False when nothing was replaced, with
// errno saying why.
// Temporary files of the same target left by a save that was killed
// mid-write (unchanged for a minute or more) are removed first.
bool replaceFile(const FX::FXString& path, const FX::FXString& text);

// The name pattern of replaceFile's temporary files: "." + the target's
// name + "." + six letters or digits, in the target's directory.
bool isTemporaryFileOf(const FX::FXString& entryName, const FX::FXString& targetName);

}  // namespace ini

#endif
