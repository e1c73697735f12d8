#include "Table_lom2.h"

#include "NumberCommas.h"
#include "TextInput_lom2.h"
#include "Utilities_lom2.h"

#include <FX88591Codec.h>
#include <FXTextCodec.h>
#include <FXUTF16Codec.h>
#include <fxkeys.h>

#include <string>

using namespace FX;

FXIMPLEMENT(TableItem_lom2, FXTableItem, NULL, 0)

const char* const Table_lom2::CONTINUES = "\xE2\x80\xA6";  // an ellipsis

namespace {
// The width of one line of text in a table's font.
std::function<FXint(const FXString&)> textWidthIn(const FXFont* font) {
  return [font](const FXString& t) { return font->getTextWidth(t); };
}

// Pixels a cell of this width has for its text.
FXint textRoom(const FXTable* table, FXint cellWidth) {
  return cellWidth - table->getMarginLeft() - table->getMarginRight();
}
}  // namespace

void TableItem_lom2::drawContent(const FXTable* table, FXDC& dc, FXint x, FXint y, FXint w, FXint h) const {
  FXFont* font = table->getFont();
  const FXint room = textRoom(table, w);
  // Icons and lines of text are the toolkit's; so is a text that fits.
  if (icon || !font || !font->id() || label.empty() || label.find('\n') >= 0 || font->getTextWidth(label) <= room) {
    FXTableItem::drawContent(table, dc, x, y, w, h);
    return;
  }
  const FXString shown = Table_lom2::shownText(label, room, textWidthIn(font));
  const FXint top = y + table->getMarginTop();
  const FXint height = h - table->getMarginTop() - table->getMarginBottom();
  FXint ty = top + (height - font->getFontHeight()) / 2;
  if (state & TOP)
    ty = top;
  else if (state & BOTTOM)
    ty = top + height - font->getFontHeight();
  dc.setFont(font);
  dc.setForeground(isSelected() ? table->getSelTextColor()
                                : (isEnabled() ? table->getTextColor() : table->getShadowColor()));
  dc.drawText(x + table->getMarginLeft(), ty + font->getFontAscent(), shown);
}

FXDEFMAP(Table_lom2) Table_lom2Map[] = {
    FXMAPFUNC(SEL_COMMAND, FXTable::ID_PASTE_SEL, Table_lom2::onCmdPasteSel),
    FXMAPFUNC(SEL_QUERY_TIP, 0, Table_lom2::onQueryTip),
    FXMAPFUNC(SEL_KEYPRESS, 0, Table_lom2::onKeyPress),
};

FXIMPLEMENT(Table_lom2, FXTable, Table_lom2Map, ARRAYNUMBER(Table_lom2Map))

Table_lom2::Table_lom2(FXComposite* p, FXObject* tgt, FXSelector sel, FXuint opts, FXint x, FXint y, FXint w,
                       FXint h, FXint pl, FXint pr, FXint pt, FXint pb, bool useComma, bool allowResizing)
    : FXTable(p, tgt, sel, opts, x, y, w, h, pl, pr, pt, pb),
      useCommaForDecimal(useComma),
      sizeError(false),
      allowResizingOfRows(allowResizing),
      decimalSymbol('.') {
  setUseCommaForDecimal(useComma);
  setBackColor(p->getBackColor());
}

Table_lom2::~Table_lom2() {}

// While a cell is being typed in, its editor takes Return and Enter for
// itself and the table's target never hears of them, although it hears of
// every other key the editor leaves alone (Tab, for one). The target gets
// the first look at these two as well; what it leaves goes on as before.
long Table_lom2::onKeyPress(FXObject* sender, FXSelector sel, void* ptr) {
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  if (editor && ev && (ev->code == KEY_Return || ev->code == KEY_KP_Enter) && isEnabled() && target &&
      target->tryHandle(this, FXSEL(SEL_KEYPRESS, message), ptr))
    return 1;
  return FXTable::onKeyPress(sender, sel, ptr);
}

FXTableItem* Table_lom2::createItem(const FXString& text, FXIcon* icon, void* ptr) {
  return new TableItem_lom2(text, icon, ptr);
}

// Made as the toolkit makes its own editor: one column, Return ends the
// typing, the cell's justification, the table's margins, font and colours,
// and the cell's text selected. Cells of other kinds of item keep theirs.
FXWindow* Table_lom2::getControlForItem(FXint r, FXint c) {
  FXTableItem* item = makeItemAt(r, c);
  const FXMetaClass* kind = item->getMetaClass();
  if (kind != FXMETACLASS(TableItem_lom2) && kind != FXMETACLASS(FXTableItem)) return FXTable::getControlForItem(r, c);
  TextInput_lom2* field = new TextInput_lom2(this, 1, this, ID_ACCEPT_INPUT, TEXTFIELD_ENTER_ONLY, 0, 0, 0, 0,
                                             marginleft, marginright, margintop, marginbottom);
  if (id()) field->create();
  const FXuint cell = item->getJustify();
  FXuint justify = 0;
  if (cell & FXTableItem::LEFT) justify |= JUSTIFY_LEFT;
  if (cell & FXTableItem::RIGHT) justify |= JUSTIFY_RIGHT;
  if (cell & FXTableItem::TOP) justify |= JUSTIFY_TOP;
  if (cell & FXTableItem::BOTTOM) justify |= JUSTIFY_BOTTOM;
  field->setJustify(justify);
  field->setFont(getFont());
  field->setBackColor(getBackColor());
  field->setTextColor(getTextColor());
  field->setSelBackColor(getSelBackColor());
  field->setSelTextColor(getSelTextColor());
  field->setText(item->getText());
  field->selectAll();
  return field;
}

void Table_lom2::setUseCommaForDecimal(bool useComma) {
  useCommaForDecimal = useComma;
  decimalSymbol = useComma ? ',' : '.';
}

// Makes the item of an empty cell. The toolkit's own writer leaves a new
// item unselected even inside the selection; here it shows as selected.
FXTableItem* Table_lom2::makeItemAt(FXint row, FXint col) {
  FXTableItem* item = cells[row * ncols + col];
  if (!item) {
    item = createItem(FXString::null, NULL, NULL);
    cells[row * ncols + col] = item;
    if (isItemSelected(row, col)) item->setSelected(TRUE);
  }
  return item;
}

void Table_lom2::setItemText(FXint row, FXint col, const FXString& text, bool notify) {
  if (row < 0 || row >= nrows || col < 0 || col >= ncols) {
    fxerror("%s::setItemText: index out of range.\n", getClassName());
  }
  FXTableItem* item = makeItemAt(row, col);
  if (notify && target) {
    FXTableRange range;
    range.fm.row = startRow(row, col);
    range.fm.col = startCol(row, col);
    range.to.row = endRow(row, col);
    range.to.col = endCol(row, col);
    target->handle(this, FXSEL(SEL_REPLACED, message), (void*)&range);
  }
  // The text is copied once more only when it holds the other decimal symbol.
  const FXchar other = useCommaForDecimal ? '.' : ',';
  if (text.find(other) < 0) {
    item->setText(text);
  } else if (useCommaForDecimal) {
    FXString copy(text);
    copy.substitute(other, decimalSymbol);
    item->setText(copy);
  } else {
    item->setText(NumberCommas::pointed(text));
  }
  if (cellBatches > 0)
    batchWrote = true;
  else
    updateItem(row, col);
}

void Table_lom2::beginCellBatch() { ++cellBatches; }

void Table_lom2::endCellBatch() {
  if (cellBatches == 0 || --cellBatches > 0) return;
  if (batchWrote) update();
  batchWrote = false;
}

// The span walks compare item objects: cells that share one item form one
// span. An index outside the table is reported and handed back unchanged.
void Table_lom2::walkSpan(FXint& row, FXint& col, FXint dr, FXint dc) const {
  if (row < 0 || row >= nrows || col < 0 || col >= ncols) return;
  FXTableItem* item = cells[row * ncols + col];
  if (!item) return;
  for (;;) {
    const FXint r = row + dr;
    const FXint c = col + dc;
    if (r < 0 || r >= nrows || c < 0 || c >= ncols || cells[r * ncols + c] != item) return;
    row = r;
    col = c;
  }
}

FXint Table_lom2::spanRow(FXint row, FXint col, FXint dr) const {
  walkSpan(row, col, dr, 0);
  if (!(0 <= row && row < nrows)) fxassert("0 <= row && row < nrows", __FILE__, __LINE__);
  return row;
}

FXint Table_lom2::spanCol(FXint row, FXint col, FXint dc) const {
  walkSpan(row, col, 0, dc);
  if (!(0 <= col && col < ncols)) fxassert("0 <= col && col < ncols", __FILE__, __LINE__);
  return col;
}

FXint Table_lom2::startRow(FXint row, FXint col) const { return spanRow(row, col, -1); }
FXint Table_lom2::endRow(FXint row, FXint col) const { return spanRow(row, col, 1); }
FXint Table_lom2::startCol(FXint row, FXint col) const { return spanCol(row, col, -1); }
FXint Table_lom2::endCol(FXint row, FXint col) const { return spanCol(row, col, 1); }

const FXString& Table_lom2::cellText(FXint row, FXint col) const {
  static const FXString empty;
  if (row < 0 || row >= nrows || col < 0 || col >= ncols) {
    fxerror("%s::getItemText: index out of range.\n", getClassName());
  }
  const FXTableItem* item = cells[row * ncols + col];
  if (!item) return empty;
  if (const TableItem_lom2* own = dynamic_cast<const TableItem_lom2*>(item)) return own->textRef();
  cellTextCopy = item->getText();
  return cellTextCopy;
}

int Table_lom2::toInt(FXint row, FXint col) const { return FXIntVal(getItemText(row, col), 10); }

// The fitting run reads every cell of its rows: the text is copied only
// when it holds a comma to read.
double Table_lom2::toDouble(FXint row, FXint col) const {
  const FXString& text = cellText(row, col);
  if (text.find(',') < 0) return FXDoubleVal(text);
  return FXDoubleVal(NumberCommas::pointed(text));
}

bool Table_lom2::isEmpty(FXint row, FXint col) const {
  const FXString& text = cellText(row, col);
  if (text.empty()) return true;
  // A first character that is printable and no blank ends the question
  // without trimming a copy.
  const unsigned char first = static_cast<unsigned char>(text[0]);
  if (first > ' ' && first < 0x7F) return false;
  return FXString(text).trim().empty();
}

bool Table_lom2::isValidInteger(FXint row, FXint col) const { return isValidIntegerText(getItemText(row, col)); }

bool Table_lom2::isValidDouble(FXint row, FXint col) const { return isValidDoubleText(getItemText(row, col)); }

bool Table_lom2::isValidIntegerText(const FXString& text) {
  FXString s(text);
  s.trim();
  for (FXint i = 0; i < s.length(); ++i)
    if (s[i] < '0' || s[i] > '9') return false;
  return true;
}

// A loose check: it does not ask where a sign stands when there is no
// exponent and allows one ',' beside one '.', so 1-2 and 1,234.5 pass.
bool Table_lom2::isValidDoubleText(const FXString& text) {
  FXString s(text);
  s.trim();
  s.substitute('e', 'E');
  if (s.empty()) return true;
  if (s.contains('.') > 1 || s.contains(',') > 1 || s.contains('E') > 1) return false;
  const FXint n = s.length();
  if (s[n - 1] == '+' || s[n - 1] == '-') return false;
  const FXint signs = s.contains('+') + s.contains('-');
  const FXint e = s.find('E');
  if (e >= 0) {
    if (signs > 2 || e == 0 || e == n - 1) return false;
    const FXString exponent = s.mid(e + 1, n - e - 1);
    if (exponent.contains('.') || exponent.contains(',')) return false;
    const bool leadingSign = s[0] == '+' || s[0] == '-';
    const bool exponentSign = s[e + 1] == '+' || s[e + 1] == '-';
    if (signs == 1 && !leadingSign && !exponentSign) return false;
    if (signs == 2 && !(leadingSign && exponentSign)) return false;
  } else if (signs > 1) {
    return false;
  }
  for (FXint i = 0; i < n; ++i) {
    const char ch = s[i];
    if (!((ch >= '0' && ch <= '9') || ch == '+' || ch == ',' || ch == '-' || ch == '.' || ch == 'E')) return false;
  }
  return true;
}

int Table_lom2::checkPasteSize(FXint* rows, FXint* cols) {
  sizeError = false;
  if (!rows || !cols || *rows < 0 || *cols < 0) {
    sizeError = true;
    return 1;
  }
  const bool tooManyRows = *rows > nrows;
  const bool tooManyCols = *cols > ncols;
  if (tooManyRows || tooManyCols) sizeError = true;
  if (tooManyRows && !allowResizingOfRows) *rows = nrows;
  if (allowResizingOfRows && tooManyRows && !tooManyCols) {
    FXString* headers = new FXString[ncols > 0 ? ncols : 1];
    for (FXint c = 0; c < ncols; ++c) headers[c] = getColumnText(c);
    const FXint missing = *rows - nrows;
    for (FXint i = 0; i < missing; ++i) insertRows(current.row >= 0 ? current.row : nrows, 1, TRUE);
    for (FXint c = 0; c < ncols; ++c) setColumnText(c, headers[c]);
    delete[] headers;
    sizeError = false;
  }
  if (tooManyCols) *cols = ncols;
  return 0;
}

void Table_lom2::replaceDecimalOnPaste(FXint r0, FXint r1, FXint c0, FXint c1) {
  if (!useCommaForDecimal) return;
  for (FXint r = r0; r <= r1; ++r) {
    for (FXint c = c0; c <= c1; ++c) {
      FXString t = getItemText(r, c);
      t.substitute('.', ',');
      setItemText(r, c, t);
    }
  }
}

FXString Table_lom2::pasteTextOf(const FXString& bytes, PasteType type) {
  FXString text;
  switch (type) {
    case PASTE_UTF16: {
      FXUTF16LECodec codec;
      text = codec.mb2utf(bytes);
      break;
    }
    case PASTE_8BIT: {
      FX88591Codec codec;
      text = codec.mb2utf(bytes);
      break;
    }
    default:
      text = bytes;
      break;
  }
  if (type != PASTE_CSV) {
    text = NumberCommas::pointedBlock(text);
    text.substitute("\r\n", "\n");
  }
  text.substitute('\r', '\n');
  return text;
}

bool Table_lom2::readClipboardText(FXString& text) {
  static const char* const TRACES[] = {"Paste UTF8\n", "Paste UTF16\n", "Paste ASCII\n", "Paste CSV\n"};
  const FXDragType types[] = {utf8Type, utf16Type, stringType, csvType};
  for (int t = PASTE_UTF8; t <= PASTE_CSV; ++t) {
    FXString bytes;
    if (!getDNDData(FROM_CLIPBOARD, types[t], bytes)) continue;
    fxtrace(100, "%s", TRACES[t]);
    text = pasteTextOf(bytes, static_cast<PasteType>(t));
    return !text.empty();
  }
  return false;
}

bool Table_lom2::holdsValues(const FXString& text) {
  for (FXint i = 0; i < text.length(); ++i) {
    const char c = text[i];
    if (c != ' ' && c != '\t' && c != ',' && c != '\n' && c != '\r') return true;
  }
  return false;
}

bool Table_lom2::dropLongCells(FXString& text, FXint maxBytes) {
  std::string kept;
  bool dropped = false;
  FXint start = 0;
  const FXint n = text.length();
  for (FXint i = 0; i <= n; ++i) {
    if (i < n && text[i] != '\t' && text[i] != ',' && text[i] != '\n') continue;
    if (i - start > maxBytes) {
      if (!dropped) kept.assign(text.text(), static_cast<size_t>(start));
      dropped = true;
    } else if (dropped) {
      kept.append(text.text() + start, static_cast<size_t>(i - start));
    }
    if (dropped && i < n) kept.push_back(text[i]);
    start = i + 1;
  }
  if (dropped) text = FXString(kept.data(), static_cast<FXint>(kept.size()));
  return dropped;
}

void Table_lom2::pasteText(const FXString& pasted) {
  if (!isAnythingSelected()) return;
  const FXint r0 = getSelStartRow();
  const FXint c0 = getSelStartColumn();
  FXString text(pasted);
  const bool longCells = dropLongCells(text, Utilities_lom2::MAX_SHOWN_TEXT_BYTES);

  FXint rows = 0;
  FXint cols = 0;
  countText(rows, cols, text, "\t,\n", "\n");
  if (checkPasteSize(&rows, &cols) != 0) return;
  if (longCells) sizeError = true;
  if (rows <= 0 || cols <= 0) return;
  const FXint r1 = r0 + rows - 1;
  const FXint c1 = c0 + cols - 1;
  fxtrace(100, "range.fm.row=%d range.to.row=%d range.fm.col=%d range.to.col=%d\n", r0, r1, c0, c1);
  // The toolkit adds the rows and columns that pass the table's end.
  overlayText(r0, r1, c0, c1, text, "\t,", "\n", TRUE);
  selectRange(r0, r1, c0, c1, TRUE);
  replaceDecimalOnPaste(r0, r1, c0, c1);
}

// The paste command: the clipboard's text written from the selection's
// top-left cell and selected.
long Table_lom2::onCmdPasteSel(FXObject*, FXSelector, void*) {
  if (!isEditable()) {
    getApp()->beep();
    return 1;
  }
  if (!isAnythingSelected()) return 1;
  FXString text;
  if (readClipboardText(text)) pasteText(text);
  return 1;
}

bool Table_lom2::setItemTipText(FXint row, FXint col, const FXString& tip) {
  if (row < 0 || row >= nrows || col < 0 || col >= ncols) {
    fxerror("%s::setItemTipText: index out of range.\n", getClassName());
  }
  TableItem_lom2* item = dynamic_cast<TableItem_lom2*>(makeItemAt(row, col));
  if (!item) return false;
  item->setTipText(tip);
  return true;
}

FXString Table_lom2::getItemTipText(FXint row, FXint col) const {
  if (row < 0 || row >= nrows || col < 0 || col >= ncols) {
    fxerror("%s::getItemTipText: index out of range.\n", getClassName());
  }
  const TableItem_lom2* item = dynamic_cast<const TableItem_lom2*>(cells[row * ncols + col]);
  return item ? item->getTipText() : FXString::null;
}

FXString Table_lom2::shownText(const FXString& text, FXint room, const std::function<FXint(const FXString&)>& width) {
  if (width(text) <= room) return text;
  const FXString mark(CONTINUES);
  if (width(mark) > room) return FXString::null;
  // The longest start, cut between characters, that leaves room for the mark.
  FXint kept = 0;
  for (FXint end = 1; end < text.length(); ++end) {
    if ((text[end] & 0xC0) == 0x80) continue;  // inside a character
    if (width(text.left(end) + mark) > room) break;
    kept = end;
  }
  return text.left(kept) + mark;
}

bool Table_lom2::isItemTextCut(FXint row, FXint col) const {
  if (row < 0 || row >= nrows || col < 0 || col >= ncols || !font || !font->id()) return false;
  const FXTableItem* item = cells[row * ncols + col];
  if (!item || item->getIcon()) return false;
  const FXString text = item->getText();
  // The grid line between cells takes one pixel of the column.
  return !text.empty() && text.find('\n') < 0 && font->getTextWidth(text) > textRoom(this, getColumnWidth(col) - 1);
}

// FOX 1.6 tables have no cell tips: answer the tool tip's query with the
// tip of the cell under the pointer, if it has one, else as any window.
// A cell that shows only the start of its text has that text as its tip.
long Table_lom2::onQueryTip(FXObject* sender, FXSelector sel, void* ptr) {
  FXint x = 0;
  FXint y = 0;
  FXuint buttons = 0;
  if (sender && getCursorPosition(x, y, buttons) && 0 <= x && x < width && 0 <= y && y < height) {
    const FXint r = rowAtY(y);
    const FXint c = colAtX(x);
    if (0 <= r && r < nrows && 0 <= c && c < ncols) {
      FXString tip = getItemTipText(r, c);
      if (tip.empty() && isItemTextCut(r, c)) tip = getItemText(r, c);
      if (!tip.empty()) {
        sender->handle(this, FXSEL(SEL_COMMAND, ID_SETSTRINGVALUE), (void*)&tip);
        return 1;
      }
    }
  }
  return FXTable::onQueryTip(sender, sel, ptr);
}
