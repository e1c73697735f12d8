// The table's paste on any clipboard bytes: the conversion of each
// clipboard type and the writing of the block into a table of some size,
// from some cell, with or without comma mode and added rows.
#include "FuzzSupport.h"
#include "Table_lom2.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace {
FXMainWindow* parent() {
  static FXMainWindow* window = new FXMainWindow(fuzz::app(), "paste", nullptr, nullptr, DECOR_ALL, 0, 0, 400, 300);
  return window;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 4) return 0;
  // Four bytes of set-up: table size, starting cell, mode and type.
  const int rows = 1 + data[0] % 40;
  const int cols = 1 + data[1] % 8;
  const int r0 = data[2] % rows;
  const int c0 = (data[2] / 64) % cols;
  const bool comma = data[3] & 1;
  const bool resize = data[3] & 2;
  const auto type = static_cast<Table_lom2::PasteType>((data[3] >> 2) & 3);
  const FXString bytes(reinterpret_cast<const char*>(data + 4), static_cast<FXint>(size - 4));

  Table_lom2* t = new Table_lom2(parent(), nullptr, 0, 0, 0, 0, 0, 0, 2, 2, 2, 2, comma, resize);
  t->setTableSize(rows, cols);
  t->setCurrentItem(r0, c0);
  t->selectRange(r0, r0, c0, c0);
  const FXString text = Table_lom2::pasteTextOf(bytes, type);
  if (!text.empty()) t->pasteText(text);

  // Columns are cut to the table's count from the starting column, rows
  // too unless rows may be added (then up to the block's rows).
  FUZZ_CHECK(t->getNumColumns() <= c0 + cols, "%d columns from %d at column %d", t->getNumColumns(), cols, c0);
  FUZZ_CHECK(t->getNumColumns() >= cols, "%d columns from %d", t->getNumColumns(), cols);
  if (!resize) FUZZ_CHECK(t->getNumRows() <= r0 + rows, "%d rows from %d at row %d", t->getNumRows(), rows, r0);
  for (int r = 0; r < t->getNumRows(); ++r)
    for (int c = 0; c < t->getNumColumns(); ++c) {
      const FXString cell = t->getItemText(r, c);
      FUZZ_CHECK(cell.length() <= Utilities_lom2::MAX_SHOWN_TEXT_BYTES, "cell (%d, %d) of %d bytes", r, c,
                 cell.length());
      FUZZ_CHECK(cell.find(comma ? '.' : ',') < 0 || type == Table_lom2::PASTE_CSV || !comma, "decimal symbol");
    }
  delete t;
  return 0;
}
