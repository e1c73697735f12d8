// The value table: cell writing with the decimal symbol, typed reads,
// number checks, spans, the paste-size check and cell tool tips.
#include <vector>

#include "TestHarness.h"

#include "Table_lom2.h"

using namespace FX;

namespace {

// Records SEL_REPLACED: the range and what the cell held at that moment.
class TableTarget : public FXObject {
  FXDECLARE(TableTarget)
public:
  enum { ID_TABLE = 7 };
  long onReplaced(FXObject* sender, FXSelector, void* ptr) {
    ++replaced;
    range = *static_cast<FXTableRange*>(ptr);
    textThen = static_cast<FXTable*>(sender)->getItemText(range.fm.row, range.fm.col);
    return 1;
  }
  long onInserted(FXObject*, FXSelector, void*) {
    ++inserted;
    return 1;
  }
  int replaced = 0;
  int inserted = 0;
  FXTableRange range;
  FXString textThen;
};

FXDEFMAP(TableTarget) TableTargetMap[] = {
    FXMAPFUNC(SEL_REPLACED, TableTarget::ID_TABLE, TableTarget::onReplaced),
    FXMAPFUNC(SEL_INSERTED, TableTarget::ID_TABLE, TableTarget::onInserted),
};
FXIMPLEMENT(TableTarget, FXObject, TableTargetMap, ARRAYNUMBER(TableTargetMap))

// Tables that are never created need no display.
class TableTest : public ::testing::Test {
protected:
  void SetUp() override { main = new FXMainWindow(qgtest::app(), "table", NULL, NULL, DECOR_ALL, 0, 0, 400, 300); }
  void TearDown() override { delete main; }
  Table_lom2* makeTable(int rows, int cols, bool comma = false, bool resize = false, FXObject* tgt = NULL) {
    Table_lom2* t = new Table_lom2(main, tgt, TableTarget::ID_TABLE, 0, 0, 0, 0, 0, 2, 2, 2, 2, comma, resize);
    t->setTableSize(rows, cols);
    return t;
  }
  FXMainWindow* main = nullptr;
};

TEST(TableNumberChecks, RealNumbers) {
  const struct {
    const char* text;
    bool valid;
  } cases[] = {
      {"", true},          {"   ", true},       {"12", true},        {"-1.5E-3", true},   {"1e5", true},
      {"1,234.5", true},   {" 2.5 ", true},     {"+1E+2", true},     {"1-2", true},       {"1E-2", true},
      {"-5", true},        {"1.2.3", false},    {"5-", false},       {"E5", false},       {"5E", false},
      {"1E2.5", false},    {"1E+2+3", false},   {"12a", false},      {"1,2,3", false},    {"1E2E3", false},
      {"--1", false},      {"1E--2", false},    {"+-1", false},      {"1 2", false},      {"1e2,5", false},
      {"-1E2-", false},
  };
  for (const auto& c : cases) EXPECT_EQ(Table_lom2::isValidDoubleText(c.text), c.valid) << '"' << c.text << '"';
}

TEST(TableNumberChecks, Integers) {
  const struct {
    const char* text;
    bool valid;
  } cases[] = {{"", true}, {"007", true}, {" 12 ", true}, {"-7", false}, {"+7", false}, {"1.0", false}, {"1 2", false}};
  for (const auto& c : cases) EXPECT_EQ(Table_lom2::isValidIntegerText(c.text), c.valid) << '"' << c.text << '"';
}

TEST_F(TableTest, CellChecksAndTypedReads) {
  Table_lom2* t = makeTable(1, 1);
  const struct {
    const char* text;
    int asInt;
    double asDouble;
    bool empty;
    bool validInt;
    bool validDouble;
  } cases[] = {
      {"007", 7, 7.0, false, true, true},
      {" 12 ", 12, 12.0, false, true, true},
      {"3.9", 3, 3.9, false, false, true},
      {"2,5", 2, 2.5, false, false, true},  // a comma reads as the decimal symbol
      {"-1.5E-3", -1, -0.0015, false, false, true},
      {"1,234.5", 1, 1234.5, false, false, true},  // a comma before the point groups digits
      {"1,050,000", 1, 1050000.0, false, false, false},
      {"12a", 12, 12.0, false, false, false},
      {"x", 0, 0.0, false, false, false},
      {" \t ", 0, 0.0, true, true, true},
  };
  // A cell without an item reads as empty.
  EXPECT_TRUE(t->isEmpty(0, 0));
  EXPECT_TRUE(t->isValidDouble(0, 0));
  EXPECT_EQ(t->toInt(0, 0), 0);
  for (const auto& c : cases) {
    t->FXTable::setItemText(0, 0, c.text);  // the raw text, without the decimal-symbol change
    EXPECT_EQ(t->toInt(0, 0), c.asInt) << c.text;
    EXPECT_DOUBLE_EQ(t->toDouble(0, 0), c.asDouble) << c.text;
    EXPECT_EQ(t->isEmpty(0, 0), c.empty) << c.text;
    EXPECT_EQ(t->isValidInteger(0, 0), c.validInt) << c.text;
    EXPECT_EQ(t->isValidDouble(0, 0), c.validDouble) << c.text;
  }
}

// The run reads its cells without copies: the text, number and emptiness
// of a cell are what the copy of getItemText gives, for the table's own
// items, an item made elsewhere and a cell without an item.
TEST_F(TableTest, CellReadsWithoutCopiesGiveWhatTheCopyGives) {
  Table_lom2* t = makeTable(2, 2);
  const char* const texts[] = {"", " ", "\t\n", "12", " 12", "\xC2\xA0 ", "\xA0", "\x01", "\x7F", "-3,25e1",
                               "1,2", "x", " \t7.5"};
  for (const char* text : texts) {
    t->FXTable::setItemText(0, 0, text);
    t->setItem(0, 1, new FXTableItem(text));
    for (int c = 0; c < 2; ++c) {
      const FXString copy = t->getItemText(0, c);
      FXString dotted(copy);
      dotted.substitute(',', '.');
      EXPECT_STREQ(t->cellText(0, c).text(), copy.text()) << text;
      EXPECT_EQ(t->toDouble(0, c), FXDoubleVal(dotted)) << text;
      EXPECT_EQ(t->isEmpty(0, c), FXString(copy).trim().empty()) << text;
    }
  }
  EXPECT_STREQ(t->cellText(1, 1).text(), "");
  EXPECT_TRUE(t->isEmpty(1, 1));
  EXPECT_EQ(t->toDouble(1, 1), 0.0);
}

TEST_F(TableTest, SetItemTextWritesTheTablesDecimalSymbol) {
  main->setBackColor(FXRGB(10, 20, 30));
  Table_lom2* point = makeTable(2, 2);
  EXPECT_EQ(point->getBackColor(), FXRGB(10, 20, 30));  // takes its parent's background
  Table_lom2* comma = makeTable(2, 2, true);
  point->setItemText(0, 0, "3,5");
  EXPECT_STREQ(point->getItemText(0, 0).text(), "3.5");
  comma->setItemText(0, 0, "3.5");
  EXPECT_STREQ(comma->getItemText(0, 0).text(), "3,5");
  EXPECT_DOUBLE_EQ(comma->toDouble(0, 0), 3.5);
  comma->setUseCommaForDecimal(false);
  comma->setItemText(1, 1, "1,25");
  EXPECT_STREQ(comma->getItemText(1, 1).text(), "1.25");
  // Commas that can only group digits are dropped.
  point->setItemText(1, 0, "1,050,000");
  EXPECT_STREQ(point->getItemText(1, 0).text(), "1050000");
  EXPECT_STREQ(point->getClassName(), "Table_lom2");
}

TEST_F(TableTest, NewItemInsideTheSelectionShowsSelected) {
  Table_lom2* t = makeTable(3, 3);
  t->selectRange(0, 1, 0, 1);
  ASSERT_EQ(t->getItem(0, 1), nullptr);
  t->setItemText(0, 1, "in");
  t->setItemText(2, 2, "out");
  ASSERT_NE(t->getItem(0, 1), nullptr);
  EXPECT_TRUE(t->getItem(0, 1)->isSelected());
  EXPECT_FALSE(t->getItem(2, 2)->isSelected());
}

TEST_F(TableTest, NotifyReportsTheCellsSpanBeforeTheTextChanges) {
  TableTarget target;
  Table_lom2* t = makeTable(4, 4, false, false, &target);
  t->setItemText(1, 2, "old");
  t->setItemText(1, 2, "quiet");
  EXPECT_EQ(target.replaced, 0);  // no notification by default
  t->setItemText(1, 2, "new", true);
  EXPECT_EQ(target.replaced, 1);
  EXPECT_STREQ(target.textThen.text(), "quiet");
  EXPECT_EQ(target.range.fm.row, 1);
  EXPECT_EQ(target.range.to.row, 1);
  EXPECT_EQ(target.range.fm.col, 2);
  EXPECT_EQ(target.range.to.col, 2);
  EXPECT_STREQ(t->getItemText(1, 2).text(), "new");

  // One item spread over rows 1-2 and columns 0-1 is one span.
  FXTableItem* shared = new TableItem_lom2("span");
  for (int r = 1; r <= 2; ++r)
    for (int c = 0; c <= 1; ++c) t->setItem(r, c, shared);
  EXPECT_EQ(t->startRow(2, 1), 1);
  EXPECT_EQ(t->endRow(1, 0), 2);
  EXPECT_EQ(t->startCol(2, 1), 0);
  EXPECT_EQ(t->endCol(1, 0), 1);
  EXPECT_EQ(t->startRow(3, 3), 3);  // no item: its own span
  EXPECT_EQ(t->endCol(3, 3), 3);
  // A cell outside the table is reported, not fatal, and handed back.
  testing::internal::CaptureStderr();
  EXPECT_EQ(t->startRow(9, 0), 9);
  EXPECT_EQ(t->endCol(0, -2), -2);
  const std::string report = testing::internal::GetCapturedStderr();
  EXPECT_NE(report.find("FXASSERT(0 <= row && row < nrows) failed"), std::string::npos) << report;
  EXPECT_NE(report.find("FXASSERT(0 <= col && col < ncols) failed"), std::string::npos) << report;
  t->setItemText(2, 1, "whole", true);
  EXPECT_EQ(target.range.fm.row, 1);
  EXPECT_EQ(target.range.to.row, 2);
  EXPECT_EQ(target.range.fm.col, 0);
  EXPECT_EQ(target.range.to.col, 1);
  EXPECT_STREQ(t->getItemText(1, 0).text(), "whole");
}

TEST_F(TableTest, SetItemTextOutsideTheTableIsFatal) {
  Table_lom2* t = makeTable(2, 3);
  EXPECT_DEATH(t->setItemText(2, 0, "x"), "Table_lom2::setItemText: index out of range");
  EXPECT_DEATH(t->setItemText(0, 3, "x"), "Table_lom2::setItemText: index out of range");
  EXPECT_DEATH(t->setItemText(-1, 0, "x"), "Table_lom2::setItemText: index out of range");
  EXPECT_DEATH(t->setItemText(0, -1, "x"), "Table_lom2::setItemText: index out of range");
}

struct PasteSizeCase {
  int tableRows, tableCols;
  bool resize;
  int rows, cols;
  int refuse;
  int rowsAfter, colsAfter;  // the counts handed back
  bool sizeError;
  int tableRowsAfter;
};

TEST_F(TableTest, PasteSizeCheck) {
  const PasteSizeCase cases[] = {
      {5, 3, false, 2, 2, 0, 2, 2, false, 5},    // fits
      {5, 3, false, 5, 3, 0, 5, 3, false, 5},    // exactly
      {5, 3, false, 8, 2, 0, 5, 2, true, 5},     // too many rows: cut to the table's rows
      {5, 3, false, 2, 4, 0, 2, 3, true, 5},     // too many columns: cut to the table's columns, never refused
      {5, 3, false, 9, 9, 0, 5, 3, true, 5},     // both cut
      {5, 3, false, -1, 2, 1, -1, 2, true, 5},   // negative counts refuse
      {5, 3, false, 2, -1, 1, 2, -1, true, 5},
      {5, 3, true, 8, 2, 0, 8, 2, false, 8},     // rows added until the block fits
      {5, 3, true, 8, 4, 0, 8, 3, true, 5},      // too many columns too: nothing added, columns cut
      {5, 3, true, 3, 2, 0, 3, 2, false, 5},
  };
  for (const PasteSizeCase& c : cases) {
    Table_lom2* t = makeTable(c.tableRows, c.tableCols, false, c.resize);
    EXPECT_EQ(t->getAllowResizingOfRows(), c.resize);
    FXint rows = c.rows;
    FXint cols = c.cols;
    EXPECT_EQ(t->checkPasteSize(&rows, &cols), c.refuse) << c.rows << "x" << c.cols;
    EXPECT_EQ(rows, c.rowsAfter) << c.rows << "x" << c.cols;
    EXPECT_EQ(cols, c.colsAfter) << c.rows << "x" << c.cols;
    EXPECT_EQ(t->getSizeError(), c.sizeError) << c.rows << "x" << c.cols;
    EXPECT_EQ(t->getNumRows(), c.tableRowsAfter) << c.rows << "x" << c.cols;
    EXPECT_EQ(t->getNumColumns(), c.tableCols) << c.rows << "x" << c.cols;
    t->resetSizeError();
    EXPECT_FALSE(t->getSizeError());
    delete t;
  }
}

TEST_F(TableTest, AddedRowsGoInAtTheCurrentRowAndKeepTheHeaders) {
  TableTarget target;
  Table_lom2* t = makeTable(3, 2, false, true, &target);
  t->setColumnText(0, "x");
  t->setColumnText(1, "y");
  for (int r = 0; r < 3; ++r) t->setItemText(r, 0, FXStringVal(r));
  t->setCurrentItem(1, 0);
  FXint rows = 5;
  FXint cols = 2;
  EXPECT_EQ(t->checkPasteSize(&rows, &cols), 0);
  EXPECT_EQ(t->getNumRows(), 5);
  EXPECT_EQ(target.inserted, 2);  // one row at a time, notified
  EXPECT_STREQ(t->getItemText(0, 0).text(), "0");
  EXPECT_STREQ(t->getItemText(1, 0).text(), "");
  EXPECT_STREQ(t->getItemText(2, 0).text(), "");
  EXPECT_STREQ(t->getItemText(3, 0).text(), "1");
  EXPECT_STREQ(t->getItemText(4, 0).text(), "2");
  EXPECT_STREQ(t->getColumnText(0).text(), "x");
  EXPECT_STREQ(t->getColumnText(1).text(), "y");

  // Without a current row the rows are added at the end.
  Table_lom2* u = makeTable(2, 1, false, true);
  u->setItemText(1, 0, "last");
  rows = 4;
  cols = 1;
  EXPECT_EQ(u->checkPasteSize(&rows, &cols), 0);
  EXPECT_EQ(u->getNumRows(), 4);
  EXPECT_STREQ(u->getItemText(1, 0).text(), "last");
}

TEST_F(TableTest, ReplaceDecimalOnPasteOnlyInCommaMode) {
  Table_lom2* comma = makeTable(2, 3, true);
  Table_lom2* point = makeTable(2, 3);
  for (Table_lom2* t : {comma, point})
    for (int c = 0; c < 3; ++c) t->FXTable::setItemText(0, c, "1.5");
  comma->replaceDecimalOnPaste(0, 0, 0, 1);
  point->replaceDecimalOnPaste(0, 0, 0, 1);
  EXPECT_STREQ(comma->getItemText(0, 0).text(), "1,5");
  EXPECT_STREQ(comma->getItemText(0, 1).text(), "1,5");
  EXPECT_STREQ(comma->getItemText(0, 2).text(), "1.5");  // outside the block
  EXPECT_STREQ(point->getItemText(0, 0).text(), "1.5");
}

TEST_F(TableTest, TipTextBelongsToTheCellAndMovesWithItsRow) {
  Table_lom2* t = makeTable(3, 2);
  EXPECT_STREQ(t->getItemTipText(0, 0).text(), "");
  EXPECT_TRUE(t->setItemTipText(0, 0, "exp( 2 )"));  // makes the item of an empty cell
  EXPECT_STREQ(t->getItemTipText(0, 0).text(), "exp( 2 )");
  EXPECT_STREQ(t->getItemText(0, 0).text(), "");
  t->setItemText(0, 0, "7.389056e+00");  // writing the text keeps the tip
  EXPECT_STREQ(t->getItemTipText(0, 0).text(), "exp( 2 )");
  t->insertRows(0, 1);
  EXPECT_STREQ(t->getItemTipText(0, 0).text(), "");
  EXPECT_STREQ(t->getItemTipText(1, 0).text(), "exp( 2 )");
  EXPECT_STREQ(t->getItemText(1, 0).text(), "7.389056e+00");
  // Items the table makes itself (here through the toolkit's writer) hold tips too.
  t->FXTable::setItemText(2, 1, "a");
  EXPECT_TRUE(t->setItemTipText(2, 1, "b"));
  EXPECT_STREQ(t->getItemTipText(2, 1).text(), "b");
  // An item made elsewhere cannot.
  t->setItem(3, 1, new FXTableItem("plain"));
  EXPECT_FALSE(t->setItemTipText(3, 1, "lost"));
  EXPECT_STREQ(t->getItemTipText(3, 1).text(), "");
}

// Stands in for the tool-tip window: takes the text a window answers with.
class TipReceiver : public FXObject {
  FXDECLARE(TipReceiver)
public:
  long onSetString(FXObject*, FXSelector, void* ptr) {
    ++answers;
    text = *static_cast<FXString*>(ptr);
    return 1;
  }
  int answers = 0;
  FXString text;
};
FXDEFMAP(TipReceiver) TipReceiverMap[] = {
    FXMAPFUNC(SEL_COMMAND, FXWindow::ID_SETSTRINGVALUE, TipReceiver::onSetString),
};
FXIMPLEMENT(TipReceiver, FXObject, TipReceiverMap, ARRAYNUMBER(TipReceiverMap))

// Moves the pointer over cell (r, c) of a shown table.
bool pointAtCell(Table_lom2* t, int r, int c) {
  for (int y = 0; y < t->getHeight(); y += 2)
    for (int x = 0; x < t->getWidth(); x += 2)
      if (t->rowAtY(y) == r && t->colAtX(x) == c) {
        t->setCursorPosition(x + 1, y + 1);
        qgtest::runFor(20);
        return true;
      }
  return false;
}

TEST_F(TableTest, ToolTipQueryAnswersWithTheTipOfTheCellUnderThePointer) {
  QG_REQUIRE_DISPLAY();
  Table_lom2* t = makeTable(3, 2);
  t->setLayoutHints(LAYOUT_FILL_X | LAYOUT_FILL_Y);
  t->setItemTipText(1, 1, "tip of 1,1");
  main->create();
  main->show(PLACEMENT_SCREEN);
  qgtest::runFor(50);

  TipReceiver tip;
  ASSERT_TRUE(pointAtCell(t, 1, 1));
  EXPECT_EQ(t->handle(&tip, FXSEL(SEL_QUERY_TIP, 0), nullptr), 1);
  EXPECT_EQ(tip.answers, 1);
  EXPECT_STREQ(tip.text.text(), "tip of 1,1");

  // A cell without a tip shows none.
  ASSERT_TRUE(pointAtCell(t, 0, 0));
  t->handle(&tip, FXSEL(SEL_QUERY_TIP, 0), nullptr);
  EXPECT_EQ(tip.answers, 1);
}

// Cells written in a batch are shown as cells written one by one: the
// batch's end repaints the table, also after the table showed empty cells.
TEST_F(TableTest, CellsWrittenInABatchShowAsCellsWrittenOneByOne) {
  QG_REQUIRE_DISPLAY();
  Table_lom2* t = makeTable(6, 3);
  t->setLayoutHints(LAYOUT_FILL_X | LAYOUT_FILL_Y);
  main->create();
  main->show(PLACEMENT_SCREEN);
  qgtest::runFor(50);
  auto write = [t] {
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 3; ++c) t->setItemText(r, c, FXStringFormat("%d.%d5", r, c));
  };
  auto shown = [t] {
    qgtest::runFor(50);
    FXImage img(qgtest::app(), nullptr, IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, t->getWidth(), t->getHeight());
    img.create();
    {
      FXDCWindow dc(&img);
      dc.drawArea(t, 0, 0, t->getWidth(), t->getHeight(), 0, 0);
    }
    img.restore();
    return std::vector<FXColor>(img.getData(), img.getData() + t->getWidth() * t->getHeight());
  };
  const std::vector<FXColor> empty = shown();
  write();
  const std::vector<FXColor> oneByOne = shown();
  ASSERT_NE(oneByOne, empty);
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 3; ++c) t->setItemText(r, c, FXString::null);
  ASSERT_EQ(shown(), empty);
  {
    const CellBatch_lom2 batch(t);
    {
      const CellBatch_lom2 inner(t);
      write();
    }
    // The outer batch is still open: nothing is repainted yet.
    EXPECT_EQ(shown(), empty);
  }
  EXPECT_EQ(shown(), oneByOne);
  EXPECT_STREQ(t->getItemText(5, 2).text(), "5.25");
}

}  // namespace

// A text too wide for its cell shows its start and a mark that it goes on.
TEST(TableShownText, StartOfATooWideTextAndTheMark) {
  // One pixel per character.
  const auto width = [](const FXString& t) { return t.count(); };
  const std::string mark = Table_lom2::CONTINUES;
  const struct {
    const char* text;
    int room;
    std::string shown;
  } cases[] = {
      {"-6.860120914", 12, "-6.860120914"}, {"-6.860120914", 11, "-6.8601209" + mark},
      {"1.154782e+00", 8, "1.15478" + mark}, {"0.0063542755", 10, "0.0063542" + mark},
      {"-1", 1, mark},                      {"-1", 0, ""},
      {"\xC3\xA9\xC3\xA9\xC3\xA9", 2, "\xC3\xA9" + mark},  // cut between characters
      {"", 0, ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(std::string(Table_lom2::shownText(c.text, c.room, width).text()), c.shown) << c.text << " " << c.room;
}
