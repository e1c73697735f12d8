#include "TextFit.h"

using namespace FX;

namespace textfit {

namespace {
bool measurable(const FXFont* font) { return font && font->id() != 0; }

// Tables with more rows than this have their row labels measured at the
// first and the last row only.
const int ROWS_MEASURED_ONE_BY_ONE = 10;
}  // namespace

int headerNeeds(FXHeader* header, const FXString& text) {
  if (!header || !measurable(header->getFont())) return 0;
  return header->getFont()->getTextWidth(text) + header->getPadLeft() + header->getPadRight() +
         (header->getBorderWidth() << 1);
}

int cellNeeds(FXTable* table, const FXString& text) {
  if (!table || !measurable(table->getFont())) return 0;
  // The cell's margins and the grid line between cells.
  return table->getFont()->getTextWidth(text) + table->getMarginLeft() + table->getMarginRight() + 1;
}

void widenColumn(FXTable* table, int c, int needed) {
  if (!table || c < 0 || c >= table->getNumColumns()) return;
  const int grow = needed - table->getColumnWidth(c);
  if (grow <= 0) return;
  table->setColumnWidth(c, needed);
  if (table->getLayoutHints() & LAYOUT_FIX_WIDTH) table->setWidth(table->getWidth() + grow);
}

void widenRowHeader(FXTable* table, int needed) {
  if (!table) return;
  const int grow = needed - table->getRowHeaderWidth();
  if (grow <= 0) return;
  table->setRowHeaderWidth(needed);
  if (table->getLayoutHints() & LAYOUT_FIX_WIDTH) table->setWidth(table->getWidth() + grow);
}

void fitHeaders(FXTable* table) {
  if (!table) return;
  FXHeader* columns = table->getColumnHeader();
  for (int c = 0; c < table->getNumColumns(); ++c)
    if (table->getColumnWidth(c) > 0) widenColumn(table, c, headerNeeds(columns, table->getColumnText(c)));
  const int n = table->getNumRows();
  int widest = 0;
  auto measure = [&](int r) {
    const int w = headerNeeds(table->getRowHeader(), table->getRowText(r));
    if (w > widest) widest = w;
  };
  if (n <= ROWS_MEASURED_ONE_BY_ONE) {
    for (int r = 0; r < n; ++r) measure(r);
  } else {
    measure(0);
    measure(n - 1);
  }
  if (table->getRowHeaderWidth() > 0) widenRowHeader(table, widest);
}

void fitColumnToText(FXTable* table, int c, const FXString& sample) { widenColumn(table, c, cellNeeds(table, sample)); }

}  // namespace textfit
