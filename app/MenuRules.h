// Rules behind the File menu's recent-file lists and the conversion-factors
// file, kept apart from the widgets.
#ifndef QUILLGRID_MENURULES_H
#define QUILLGRID_MENURULES_H

#include <fx.h>

#include "Quillgrid.h"

enum { NUM_RECENT_FILES = 10, MAX_CONVERSION_FACTORS = 100 };

// Puts path at the top of the list: an entry equal to it moves up, the
// entries above it move down one place; otherwise everything moves down and
// the last entry is dropped. An empty path only closes the gaps, keeping
// the order of the remaining entries.
void updateRecentList(FX::FXString list[NUM_RECENT_FILES], const FX::FXString& path);

bool recentListHasEntries(const FX::FXString list[NUM_RECENT_FILES]);

// Reads one line of the conversion-factors file: the name between the first
// two double quotes, the factor after the second. False when the line has
// fewer than two quotes, or a name longer than a menu can show
// (Utilities_lom2::MAX_SHOWN_TEXT_BYTES).
bool parseConversionFactorLine(const FX::FXString& line, ConversionFactor& entry);

// Fills out (room for numLines entries) from the file's lines and returns
// the number of entries taken: reading stops at a line of two characters or
// fewer; a line is taken when its factor is finite and exceeds 1e-50 and it
// is one of the first 100 lines.
int parseConversionFactors(const FX::FXString* lines, int numLines, ConversionFactor* out);

// Reads the conversion-factors file at path into a new array (array new,
// the caller's to delete; null when the file holds no entry) and returns
// the number of entries, or -1 when the file cannot be read or is empty.
int readConversionFactorsFile(const FX::FXString& path, ConversionFactor*& factors);

#endif
