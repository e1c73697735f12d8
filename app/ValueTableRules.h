// Rules of the value tables that need no display: the row count chosen for
// the XY tables, the column headers by data source and temperature units,
// the distinct-temperature list behind the Larson-Miller point colours and
// the keys of the Larson-Miller table.
#ifndef QUILLGRID_VALUETABLERULES_H
#define QUILLGRID_VALUETABLERULES_H

#include <fx.h>

#include <vector>

class Table_lom2;

// Every cell of the row is empty or blank.
bool rowIsEmpty(const Table_lom2* t, int row);
// Rows first..last (clamped to the table) with a cell that is not blank.
int rowsWithText(const Table_lom2* t, int first, int last);

// Rows of the XY tables for a list item such as "1,000": the thousands
// separators are dropped and the rest read as a decimal number; fewer
// than 100 (or no number at all) gives 100.
int xyTableRowCount(const FX::FXString& itemText);

// " (T, K)", " (T, C)" or " (T, F)" from the last character of a
// temperature conversion ("C -> K" ...) when x is a temperature and a
// conversion is chosen; empty otherwise.
FX::FXString temperatureUnitSuffix(bool xIsTemperature, bool haveConversion, const FX::FXString& conversion);

// Column headers of the converted XY values table for a data source (0
// image, 1 XY values, 2 Larson-Miller). The y header tells whether a y
// scale factor other than 1 is applied. An unknown source gives none.
std::vector<FX::FXString> convertedXYHeaders(int dataSource, const FX::FXString& unitSuffix, double yScaleFactor);

// The distinct temperatures of a fit, written as "%.0lf " each (every one
// followed by one blank): as many words as there are blanks, read as
// numbers and sorted ascending.
std::vector<double> sortedTemperatures(const FX::FXString& list);

// Index of the first sorted temperature within 1 of t (|s - t| < 1), or -1.
int matchingTemperature(const std::vector<double>& sorted, double t);

// A Larson-Miller row goes when its time or its stress is below 1e-6
// (empty and non-numeric cells read 0).
bool isZeroTimeOrStressRow(double time, double stress);

// What a key pressed in the Larson-Miller table does.
enum class LMPKeyAction {
  PassOn,              // the table handles it (typing, copying, plain paste)
  Swallow,             // typing into the computed columns is refused
  PasteAndDropZeros    // paste, then remove the rows with zero time or stress
};
LMPKeyAction lmpTableKeyAction(FX::FXuint code, FX::FXuint state, FX::FXint currentColumn, bool deleteZeroRowsAfterPaste);

#endif
