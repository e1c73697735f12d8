// How the commas of numbers in the value tables are read. The program's
// decimal symbol is the point; a comma in a number is either a decimal
// comma (3,5) or a thousands separator that groups digits (1,050,000).
// Where the text itself shows which one it is, that reading is taken;
// where it could be either, a pasted block decides for all its cells.
// Needs no display.
#ifndef QUILLGRID_NUMBERCOMMAS_H
#define QUILLGRID_NUMBERCOMMAS_H

#include <fx.h>

namespace NumberCommas {

// What the commas of one cell's text (blanks around it ignored) can be.
enum class Use {
  NoNumber,         // no number with or without commas (a header, "1,2,3a")
  NoCommas,         // a number without commas and without a decimal point
  PointDecimal,     // a number without commas whose decimal symbol is '.'
  GroupsOnly,       // the commas can only group digits: "1,050,000", "1,050.5"
  GroupsOrDecimal,  // one comma before three digits: "150,000" is 150000 or 150
  DecimalOnly       // the comma can only be a decimal comma: "3,5", "0,11019"
};
Use useOf(const FX::FXString& text);

// One number's text with its commas read: dropped where they can only
// group digits, otherwise every ',' becomes '.' (a decimal comma).
FX::FXString pointed(const FX::FXString& text);

// A pasted block of cells (split at tabs and line ends) with its commas
// read. When one cell's commas can only group digits, or when no cell
// has a decimal comma and one has a decimal point, the block groups its
// digits with commas: the commas of every cell that can be grouped digits
// are dropped. Otherwise, and in a cell that cannot be grouped digits,
// every ',' becomes '.'.
FX::FXString pointedBlock(const FX::FXString& text);

}  // namespace NumberCommas

#endif
