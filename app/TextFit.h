// Widths that let the texts of a table show whole in the fonts the
// program runs with: a column as wide as its header text or a sample of
// the numbers it holds, a row header as wide as its widest row label. The
// widths the tables are made with are kept as the least; nothing is
// narrowed. Before the fonts exist on the display nothing is measured.
#ifndef QUILLGRID_TEXTFIT_H
#define QUILLGRID_TEXTFIT_H

#include <fx.h>

namespace textfit {

// The widest number the program writes into a table cell as a rule: six
// decimals in scientific notation, negative, with a two-digit exponent.
const char* const NUMBER_SAMPLE = "-8.888888e+88";

// Pixels the header needs to show text whole; 0 before its font exists.
int headerNeeds(FX::FXHeader* header, const FX::FXString& text);
// Pixels a column of the table needs to show a cell text whole; 0 before
// the table's font exists.
int cellNeeds(FX::FXTable* table, const FX::FXString& text);

// Widens column c, or the row header, to at least `needed` pixels; a
// table of fixed width grows by as much as the column did.
void widenColumn(FX::FXTable* table, int c, int needed);
void widenRowHeader(FX::FXTable* table, int needed);

// Every shown column as wide as its header text, and the row header as
// wide as its widest row label (with many rows, the first and the last,
// which holds the most digits). Columns of width 0 stay hidden.
void fitHeaders(FX::FXTable* table);

// Column c as wide as a cell holding `sample` needs.
void fitColumnToText(FX::FXTable* table, int c, const FX::FXString& sample);

}  // namespace textfit

#endif
