// The program's value table: FXTable with cell text written through a
// decimal-symbol normalising setItemText, typed cell reads, number checks,
// per-cell tool tips and a paste that reads the clipboard in several
// encodings.
#ifndef QUILLGRID_TABLE_LOM2_H
#define QUILLGRID_TABLE_LOM2_H

#include <fx.h>

#include <functional>

// A table item that also carries the cell's tool-tip text, so the tip
// moves with the item when rows or columns are inserted or removed. A
// text too wide for its cell is drawn from its start, with a mark that it
// goes on, instead of being cut at both ends; a number keeps its sign.
class TableItem_lom2 : public FX::FXTableItem {
  FXDECLARE(TableItem_lom2)
protected:
  FX::FXString tip;
  TableItem_lom2() {}
  virtual void drawContent(const FX::FXTable* table, FX::FXDC& dc, FX::FXint x, FX::FXint y, FX::FXint w,
                           FX::FXint h) const;

public:
  TableItem_lom2(const FX::FXString& text, FX::FXIcon* ic = NULL, void* ptr = NULL) : FX::FXTableItem(text, ic, ptr) {}
  void setTipText(const FX::FXString& text) { tip = text; }
  // The text without a copy.
  const FX::FXString& textRef() const { return label; }
  const FX::FXString& getTipText() const { return tip; }
};

class Table_lom2 : public FX::FXTable {
  FXDECLARE(Table_lom2)
protected:
  bool useCommaForDecimal;   // cells show ',' as the decimal symbol
  bool sizeError;            // the last paste-size check found a block larger than the table
  bool allowResizingOfRows;  // a paste with more rows than the table may add rows
  char decimalSymbol;        // ',' in comma mode, else '.'
  int cellBatches = 0;       // open CellBatch_lom2 objects of this table
  bool batchWrote = false;   // a cell was written in the open batch

  Table_lom2() : useCommaForDecimal(false), sizeError(false), allowResizingOfRows(false), decimalSymbol('.') {}

  // Every item the table makes can hold a tool tip.
  virtual FX::FXTableItem* createItem(const FX::FXString& text, FX::FXIcon* icon, void* ptr);
  // The editor of a text cell is the program's text input
  // (TextInput_lom2), which takes no text too long to show.
  virtual FX::FXWindow* getControlForItem(FX::FXint r, FX::FXint c);

private:
  Table_lom2(const Table_lom2&);
  Table_lom2& operator=(const Table_lom2&);
  FX::FXTableItem* makeItemAt(FX::FXint row, FX::FXint col);
  void walkSpan(FX::FXint& row, FX::FXint& col, FX::FXint dr, FX::FXint dc) const;
  FX::FXint spanRow(FX::FXint row, FX::FXint col, FX::FXint dr) const;
  FX::FXint spanCol(FX::FXint row, FX::FXint col, FX::FXint dc) const;
  mutable FX::FXString cellTextCopy;  // cellText of an item made elsewhere

public:
  long onCmdPasteSel(FX::FXObject*, FX::FXSelector, void*);
  long onQueryTip(FX::FXObject*, FX::FXSelector, void*);
  long onKeyPress(FX::FXObject*, FX::FXSelector, void*);

public:
  Table_lom2(FX::FXComposite* p, FX::FXObject* tgt, FX::FXSelector sel, FX::FXuint opts, FX::FXint x, FX::FXint y,
             FX::FXint w, FX::FXint h, FX::FXint pl, FX::FXint pr, FX::FXint pt, FX::FXint pb,
             bool useCommaForDecimal = false, bool allowResizingOfRows = false);

  void setUseCommaForDecimal(bool useComma);
  bool getAllowResizingOfRows() const { return allowResizingOfRows; }

  // Writes a cell, making its item when it has none. The text's decimal
  // symbols become the table's one ('.' -> ',' in comma mode; otherwise
  // commas that can only group digits are dropped and others become '.').
  // With notify the target gets SEL_REPLACED first. An index outside the
  // table is a fatal error.
  void setItemText(FX::FXint row, FX::FXint col, const FX::FXString& text, bool notify = false);
  // Between these two, written cells are not marked for repainting one by
  // one: the end marks the whole table once (see CellBatch_lom2).
  void beginCellBatch();
  void endCellBatch();

  // First and last row or column of the span that holds the cell.
  FX::FXint startRow(FX::FXint row, FX::FXint col) const;
  FX::FXint startCol(FX::FXint row, FX::FXint col) const;
  FX::FXint endRow(FX::FXint row, FX::FXint col) const;
  FX::FXint endCol(FX::FXint row, FX::FXint col) const;

  // The cell's text, as getItemText gives it, without a copy where the
  // item is the table's own; valid until the cell is written again.
  const FX::FXString& cellText(FX::FXint row, FX::FXint col) const;

  // The cell read as a number (reading stops at the first character that
  // is not part of the number; 0 if none). toDouble drops commas that can
  // only group digits and reads any other ',' as the decimal symbol.
  int toInt(FX::FXint row, FX::FXint col) const;
  double toDouble(FX::FXint row, FX::FXint col) const;
  // The cell is empty or blank.
  bool isEmpty(FX::FXint row, FX::FXint col) const;
  // Digits only (or empty).
  bool isValidInteger(FX::FXint row, FX::FXint col) const;
  // A number with optional sign, decimal symbol and exponent (or empty).
  bool isValidDouble(FX::FXint row, FX::FXint col) const;
  static bool isValidIntegerText(const FX::FXString& text);
  static bool isValidDoubleText(const FX::FXString& text);

  // Checks a pasted block of rows x cols against the table; 1 refuses the
  // paste. Too many rows are cut to the table's row count or, when rows
  // may be added, make the table insert rows at the current row. Too many
  // columns are cut to the table's column count: one line of a large
  // clipboard must not grow the table by hundreds of thousands of columns.
  int checkPasteSize(FX::FXint* rows, FX::FXint* cols);
  bool getSizeError() const { return sizeError; }
  void resetSizeError() { sizeError = false; }
  // In comma mode rewrites the cells of the block with ','.
  void replaceDecimalOnPaste(FX::FXint r0, FX::FXint r1, FX::FXint c0, FX::FXint c1);

  // The clipboard types the paste reads, in the order it asks for them.
  enum PasteType { PASTE_UTF8, PASTE_UTF16, PASTE_8BIT, PASTE_CSV };
  // The clipboard's bytes of one type as the text the paste writes: UTF-16
  // little endian and 8-bit (ISO-8859-1) converted to UTF-8; outside CSV
  // the commas of the block's numbers are read (NumberCommas::pointedBlock:
  // thousands separators dropped, decimal commas made '.'); line ends
  // become "\n".
  static FX::FXString pasteTextOf(const FX::FXString& bytes, PasteType type);
  // The clipboard's text in the first of those types it offers. False when
  // it offers none or the text is empty.
  bool readClipboardText(FX::FXString& text);
  // Pastes a text read by readClipboardText into the block that starts at
  // the selection's top-left cell, and selects the block. Cells split at
  // tabs and commas, rows at line feeds. Rows and columns beyond the
  // table's counts are cut to them, and a cell longer than the display can
  // draw is left out; either sets the size error. Nothing selected:
  // nothing happens.
  void pasteText(const FX::FXString& text);
  // True when a pasted text holds at least one value: something other than
  // blanks and cell and row separators.
  static bool holdsValues(const FX::FXString& text);
  // Empties every cell of a pasted text that is longer than maxBytes
  // bytes; true when one was emptied.
  static bool dropLongCells(FX::FXString& text, FX::FXint maxBytes);

  // Tool tip of a cell; an empty tip shows none. Setting a tip makes the
  // cell's item when it has none; it returns false only for an item that
  // was not made by this table (one put in with setItem).
  bool setItemTipText(FX::FXint row, FX::FXint col, const FX::FXString& tip);
  FX::FXString getItemTipText(FX::FXint row, FX::FXint col) const;

  // What a cell `room` pixels wide shows of a one-line text, `width`
  // measuring a text: the whole text when it fits, else as much of its
  // start as fits before CONTINUES (nothing more when not even that fits).
  static const char* const CONTINUES;
  static FX::FXString shownText(const FX::FXString& text, FX::FXint room,
                                const std::function<FX::FXint(const FX::FXString&)>& width);
  // The cell shows only the start of its text (its tool tip, when it has
  // none of its own, is then the whole text).
  bool isItemTextCut(FX::FXint row, FX::FXint col) const;

  virtual ~Table_lom2();
};

// Many cells of a table written as one change: while it lives the table's
// setItemText marks no cell for repainting, and when it ends the table is
// repainted once if a cell was written. Tens of thousands of results go in
// without a repaint request each.
class CellBatch_lom2 {
public:
  explicit CellBatch_lom2(Table_lom2* table) : table(table) {
    if (table) table->beginCellBatch();
  }
  ~CellBatch_lom2() {
    if (table) table->endCellBatch();
  }
  CellBatch_lom2(const CellBatch_lom2&) = delete;
  CellBatch_lom2& operator=(const CellBatch_lom2&) = delete;

private:
  Table_lom2* table;
};

#endif
