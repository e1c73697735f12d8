// No cell or result field shows part of a number as if it were the whole:
// a number too wide for its cell is drawn from its start, sign included,
// with a mark that it goes on (the whole number is the cell's tool tip),
// and the fields of the fit results show their text from its start. Read
// back from the display.
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "FitWindowFixture.h"
#include "Table_lom2.h"

using namespace FX;

namespace {

// Stands in for the tool-tip window: takes the text a window answers with.
class TipTaker : public FXObject {
  FXDECLARE(TipTaker)
public:
  long onSetString(FXObject*, FXSelector, void* ptr) {
    text = *static_cast<FXString*>(ptr);
    return 1;
  }
  FXString text;
};
FXDEFMAP(TipTaker) TipTakerMap[] = {FXMAPFUNC(SEL_COMMAND, FXWindow::ID_SETSTRINGVALUE, TipTaker::onSetString)};
FXIMPLEMENT(TipTaker, FXObject, TipTakerMap, ARRAYNUMBER(TipTakerMap))

// The ink drawn in a rectangle of a window: pixels far from the colour
// most of the rectangle has.
struct Ink {
  int x0 = -1, x1 = -1;  // first and last column holding ink
  std::vector<std::pair<int, int>> rows;  // per column: highest and lowest inked row, or (-1, -1)

  // Rows spanned by the ink of the columns from..to (0 when none).
  int height(int from, int to) const {
    int top = 1 << 30, bottom = -1;
    for (int x = from; x <= to && x < (int)rows.size(); ++x)
      if (x >= 0 && rows[x].first >= 0) {
        top = std::min(top, rows[x].first);
        bottom = std::max(bottom, rows[x].second);
      }
    return bottom < 0 ? 0 : bottom - top + 1;
  }
  // The first and the last few columns of ink are only one or two rows
  // high: a minus sign at the start and the dots of the mark at the end,
  // not digits cut in half.
  int startHeight() const { return height(x0, x0 + 2); }
  int endHeight() const { return height(x1 - 2, x1); }
};

Ink inkIn(FXWindow* win, int x, int y, int w, int h) {
  FXImage img(qgtest::app(), nullptr, IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, w, h);
  img.create();
  {
    FXDCWindow dc(&img);
    dc.drawArea(win, x, y, w, h, 0, 0);
  }
  img.restore();
  std::map<FXColor, int> counts;
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) ++counts[img.getPixel(i, j)];
  const FXColor back =
      std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.second < b.second; })->first;
  auto luma = [](FXColor c) { return (FXREDVAL(c) * 3 + FXGREENVAL(c) * 6 + FXBLUEVAL(c)) / 10; };
  Ink ink;
  ink.rows.assign(w, {-1, -1});
  for (int i = 0; i < w; ++i)
    for (int j = 0; j < h; ++j)
      if (std::abs(luma(img.getPixel(i, j)) - luma(back)) > 80) {
        if (ink.rows[i].first < 0) ink.rows[i].first = j;
        ink.rows[i].second = j;
        if (ink.x0 < 0) ink.x0 = i;
        ink.x1 = i;
      }
  return ink;
}

class CutNumbers : public FitWindowFixture {
protected:
  void pressFitData() { w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr); }
  // The window rectangle of cell (r, c), inside its grid lines.
  static bool cellRect(FXTable* t, int r, int c, int* x, int* y, int* cw, int* ch) {
    int x0 = -1, x1 = -1, y0 = -1, y1 = -1;
    for (int i = 0; i < t->getWidth(); ++i)
      if (t->colAtX(i) == c) {
        if (x0 < 0) x0 = i;
        x1 = i;
      }
    for (int j = 0; j < t->getHeight(); ++j)
      if (t->rowAtY(j) == r) {
        if (y0 < 0) y0 = j;
        y1 = j;
      }
    if (x0 < 0 || y0 < 0) return false;
    *x = x0 + 1;
    *y = y0 + 1;
    *cw = x1 - x0 - 1;
    *ch = y1 - y0 - 1;
    return *cw > 10 && *ch > 5;
  }
  // The tool tip the table gives with the pointer at (x, y) in it.
  static std::string tipOver(Table_lom2* t, int x, int y) {
    t->setCursorPosition(x + 3, y + 3);
    qgtest::runFor(30);
    TipTaker tip;
    t->handle(&tip, FXSEL(SEL_QUERY_TIP, 0), nullptr);
    return tip.text.text();
  }
};

TEST_F(CutNumbers, ValueTablesShowTheStartAndSignOfANumberTooWideForItsCell) {
  // Wider than any value column: 24 digits after the sign.
  const char* number = "-6.86012091412345678901234567";
  struct Case {
    const char* name;
    Table_lom2* table;
    int tab;
    int row, column;
    bool onScreen;  // the Image tab's tables may lie below the screen's edge
  };
  const Case cases[] = {
      {"curve points", w->curveData_TBL, 0, 0, 0, false},
      {"current position", w->currentPosition_TBL, 0, 1, 0, false},
      {"X axis", w->axisDataPoints_TBL[0], 0, 1, 0, false},
      {"Y axis", w->axisDataPoints_TBL[1], 0, 0, 0, false},
      {"xy values", w->xyValues_TBL, 1, 2, 0, true},
      {"results", w->convertedXYValues_TBL, 1, 0, 3, true},
      {"Larson-Miller", w->lmpData_TBL, 2, 0, 1, true},
  };
  w->showLMPStuff(true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    showTab(c.tab);
    c.table->setItemText(c.row, c.column, number);
    // A number that fits is the toolkit's own, as before.
    c.table->setItemText(c.row + 1 < c.table->getNumRows() ? c.row + 1 : c.row - 1, c.column, "-1.5");
    settle(100);
    int x, y, cw, ch;
    ASSERT_TRUE(cellRect(c.table, c.row, c.column, &x, &y, &cw, &ch));
    EXPECT_TRUE(c.table->isItemTextCut(c.row, c.column));
    EXPECT_EQ(dynamic_cast<TableItem_lom2*>(c.table->getItem(c.row, c.column)) != nullptr, true)
        << "the table's own items draw a cut text";
    if (!c.onScreen) continue;
    EXPECT_EQ(tipOver(c.table, x, y), number);
    const Ink ink = inkIn(c.table, x, y, cw, ch);
    ASSERT_GE(ink.x0, 0);
    EXPECT_LE(ink.x0, c.table->getMarginLeft() + 2) << "the start of the text is at the cell's left";
    EXPECT_LE(ink.startHeight(), 2) << "a minus sign first";
    EXPECT_LE(ink.endHeight(), 2) << "the mark last";
  }
}

// A fixed intercept far from the data makes R^2 a large negative number,
// wider than its field: it shows its start and the mark that it goes on.
// The coefficients have 20 decimals.
TEST_F(CutNumbers, ResultFieldsShowTheirTextFromItsStart) {
  typeXY({{1, 101, 0}, {2, 102, 0}, {3, 103, 0}, {4, 104, 0}, {5, 105, 0}, {6, 106, 0}});
  setOrder(0, 1);
  w->numOfDecimalsInCoefficients_LB->setCurrentItem(w->numOfDecimalsInCoefficients_LB->getNumItems() - 1, FALSE);
  w->setEqnYIntercept_Chk->setCheck(TRUE);
  w->enableDisableInterceptInput();
  w->equation_Y_intercept_TF->setText("1000000000");
  qgtest::ModalScript script;
  pressFitData();
  settle(100);
  {
    FXTextField* f = w->eqnFit_TF[1][0];  // R^2
    const std::string text = f->getText().text();
    ASSERT_EQ(text[0], '-');
    ASSERT_GT(f->getFont()->getTextWidth(f->getText()), f->getWidth()) << text << ": the field is wide enough";
    const int border = f->getBorderWidth();
    const Ink ink = inkIn(f, border, border, f->getWidth() - 2 * border, f->getHeight() - 2 * border);
    ASSERT_GE(ink.x0, 0);
    EXPECT_LE(ink.x0, f->getPadLeft() + 2) << text;
    EXPECT_LE(ink.startHeight(), 2) << text << ": a minus sign first";
    EXPECT_LE(ink.endHeight(), 2) << text << ": the mark last";
  }
  // The coefficient tables fit their columns to the numbers: each shows whole.
  FXTable* coefficients = w->coefficients_TBL[0];
  for (int r = 0; r < 2; ++r)
    for (int c = 0; c < coefficients->getNumColumns(); ++c) {
      const FXString text = coefficients->getItemText(r, c);
      if (text.empty()) continue;
      EXPECT_LE(coefficients->getFont()->getTextWidth(text) + coefficients->getMarginLeft() +
                    coefficients->getMarginRight(),
                coefficients->getColumnWidth(c))
          << text.text();
    }
}

}  // namespace
