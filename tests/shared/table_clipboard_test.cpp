// Pasting into the value table through the X clipboard. A small owner
// window offers exactly one clipboard type, so each test shows which type
// the table takes and how it reads it.
#include "TestHarness.h"

#include <fxkeys.h>

#include <string>

#include "Table_lom2.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace {

// Owns the clipboard with one type and answers requests for it only.
class ClipboardOwner : public FXFrame {
  FXDECLARE(ClipboardOwner)
protected:
  ClipboardOwner() {}

public:
  ClipboardOwner(FXComposite* p) : FXFrame(p) {}
  void offer(FXDragType type, const FXString& bytes) {
    offered = type;
    data = bytes;
    requests.clear();
    ASSERT_TRUE(acquireClipboard(&offered, 1));
  }
  long onClipboardRequest(FXObject*, FXSelector, void* ptr) {
    FXEvent* ev = static_cast<FXEvent*>(ptr);
    requests.push_back(ev->target);
    if (ev->target != offered) return 0;
    setDNDData(FROM_CLIPBOARD, offered, data);
    return 1;
  }
  FXDragType offered = 0;
  FXString data;
  std::vector<FXDragType> requests;
};
FXDEFMAP(ClipboardOwner) ClipboardOwnerMap[] = {
    FXMAPFUNC(SEL_CLIPBOARD_REQUEST, 0, ClipboardOwner::onClipboardRequest),
};
FXIMPLEMENT(ClipboardOwner, FXFrame, ClipboardOwnerMap, ARRAYNUMBER(ClipboardOwnerMap))

class TablePaste : public ::testing::Test {
protected:
  void SetUp() override {
    QG_REQUIRE_DISPLAY();
    main = new FXMainWindow(qgtest::app(), "paste", NULL, NULL, DECOR_ALL, 0, 0, 500, 400);
    owner = new ClipboardOwner(main);
  }
  void TearDown() override {
    if (owner && owner->hasClipboard()) owner->releaseClipboard();
    delete main;
  }
  Table_lom2* makeTable(int rows, int cols, FXuint opts = 0, bool comma = false, bool resize = false) {
    Table_lom2* t = new Table_lom2(main, NULL, 0, opts, 0, 0, 0, 0, 2, 2, 2, 2, comma, resize);
    t->setTableSize(rows, cols);
    return t;
  }
  // Creates the windows (registering the clipboard types) and shows them.
  void show() {
    main->create();
    main->show(PLACEMENT_SCREEN);
  }
  static void paste(Table_lom2* t) { t->handle(nullptr, FXSEL(SEL_COMMAND, FXTable::ID_PASTE_SEL), nullptr); }
  static std::string cell(Table_lom2* t, int r, int c) { return t->getItemText(r, c).text(); }
  FXMainWindow* main = nullptr;
  ClipboardOwner* owner = nullptr;
};

FXString utf16le(const char* ascii) {
  FXString out;
  for (const char* p = ascii; *p; ++p) {
    out.append(*p);
    out.append('\0');
  }
  return out;
}

TEST_F(TablePaste, EachClipboardTypeAloneIsReadInItsEncoding) {
  Table_lom2* t = makeTable(5, 3);
  show();
  struct Case {
    FXDragType type;
    FXString bytes;
    const char* trace;
    std::vector<std::vector<std::string>> cells;  // expected block from (0,0)
    int rows, cols;
  };
  // UTF-16: "\xe9" (e acute) then tab, "2,5", CR LF.
  FXString sixteen = utf16le("x\t2,5\r\n");
  sixteen[0] = '\xe9';
  const std::vector<Case> cases = {
      {FXWindow::utf8Type, "1\t2\r\n3,5\t4\r\n", "Paste UTF8\n", {{"1", "2"}, {"3.5", "4"}}, 2, 2},
      {FXWindow::utf16Type, sixteen, "Paste UTF16\n", {{"\xc3\xa9", "2.5"}}, 1, 2},
      {FXWindow::stringType, "\xe9\t7,5", "Paste ASCII\n", {{"\xc3\xa9", "7.5"}}, 1, 2},
      // CSV keeps its commas as cell separators; CR LF leaves an empty row.
      {FXTable::csvType, "1,5\r\n2,6\r\n", "Paste CSV\n", {{"1", "5"}, {"", ""}, {"2", "6"}, {"", ""}}, 4, 2},
  };
  for (const Case& c : cases) {
    t->clearItems();
    t->setTableSize(5, 3);
    t->selectRange(0, 0, 0, 0);
    owner->offer(c.type, c.bytes);
    fxTraceLevel = 101;
    testing::internal::CaptureStderr();
    paste(t);
    const std::string trace = testing::internal::GetCapturedStderr();
    fxTraceLevel = 0;
    SCOPED_TRACE(c.trace);
    EXPECT_NE(trace.find(c.trace), std::string::npos) << trace;
    EXPECT_NE(trace.find(FXStringFormat("range.fm.row=0 range.to.row=%d range.fm.col=0 range.to.col=%d\n", c.rows - 1,
                                        c.cols - 1)
                             .text()),
              std::string::npos)
        << trace;
    for (int r = 0; r < (int)c.cells.size(); ++r)
      for (int col = 0; col < (int)c.cells[r].size(); ++col) EXPECT_EQ(cell(t, r, col), c.cells[r][col]) << r << "," << col;
    // The block is selected, and nothing beyond it was written.
    EXPECT_EQ(t->getSelStartRow(), 0);
    EXPECT_EQ(t->getSelEndRow(), c.rows - 1);
    EXPECT_EQ(t->getSelEndColumn(), c.cols - 1);
    EXPECT_EQ(cell(t, 0, 2), "");
    EXPECT_EQ(t->getNumRows(), 5);
    // The types were asked for in order, up to the one offered.
    const std::vector<FXDragType> order = {FXWindow::utf8Type, FXWindow::utf16Type, FXWindow::stringType,
                                           FXTable::csvType};
    ASSERT_FALSE(owner->requests.empty());
    EXPECT_EQ(owner->requests.back(), c.type);
    for (size_t i = 0; i < owner->requests.size(); ++i) EXPECT_EQ(owner->requests[i], order[i]) << i;
  }
}

TEST_F(TablePaste, TracesStaySilentUnlessTracingIsOn) {
  Table_lom2* t = makeTable(2, 2);
  show();
  t->selectRange(0, 0, 0, 0);
  owner->offer(FXWindow::utf8Type, "1");
  fxTraceLevel = 0;
  testing::internal::CaptureStderr();
  paste(t);
  const std::string trace = testing::internal::GetCapturedStderr();
  EXPECT_EQ(trace.find("Paste"), std::string::npos) << trace;
  EXPECT_EQ(cell(t, 0, 0), "1");
}

TEST_F(TablePaste, CommaIsADecimalInTextAndASeparatorInCsv) {
  Table_lom2* t = makeTable(2, 3);
  show();
  t->selectRange(0, 0, 1, 1);  // the block starts at the selection's first cell
  owner->offer(FXWindow::utf8Type, "1,5");
  paste(t);
  EXPECT_EQ(cell(t, 0, 1), "1.5");
  EXPECT_EQ(cell(t, 0, 2), "");

  t->selectRange(1, 1, 0, 0);
  owner->offer(FXTable::csvType, "1,5");
  paste(t);
  EXPECT_EQ(cell(t, 1, 0), "1");
  EXPECT_EQ(cell(t, 1, 1), "5");
}

TEST_F(TablePaste, OtherTypesAndEmptyTextPasteNothing) {
  Table_lom2* t = makeTable(2, 2);
  show();
  t->selectRange(0, 0, 0, 0);
  owner->offer(FXWindow::textType, "9");  // text/plain is not one of the table's types
  paste(t);
  EXPECT_EQ(cell(t, 0, 0), "");
  EXPECT_EQ(owner->requests.size(), 4u);
  owner->offer(FXWindow::utf8Type, "");
  paste(t);
  EXPECT_EQ(cell(t, 0, 0), "");
  EXPECT_EQ(t->getNumRows(), 2);
}

TEST_F(TablePaste, TooManyRowsWithoutResizingAreCutToTheTablesRowCount) {
  Table_lom2* t = makeTable(3, 2);
  show();
  const char* five = "1\ta\n2\tb\n3\tc\n4\td\n5\te\n";

  t->selectRange(0, 0, 0, 0);
  owner->offer(FXWindow::utf8Type, five);
  paste(t);
  EXPECT_EQ(t->getNumRows(), 3);
  EXPECT_EQ(cell(t, 2, 0), "3");
  EXPECT_EQ(cell(t, 2, 1), "c");
  EXPECT_TRUE(t->getSizeError());

  // From row 1 the same three rows are taken and the table grows by one.
  t->clearItems();
  t->setTableSize(3, 2);
  t->selectRange(1, 1, 0, 0);
  paste(t);
  EXPECT_EQ(t->getNumRows(), 4);
  EXPECT_EQ(cell(t, 0, 0), "");
  EXPECT_EQ(cell(t, 1, 0), "1");
  EXPECT_EQ(cell(t, 3, 0), "3");
  EXPECT_EQ(cell(t, 3, 1), "c");
  EXPECT_EQ(t->getSelEndRow(), 3);
}

// Too many columns are cut like rows: the table's column count is taken
// from the starting column, and the table grows at its end by the columns
// that pass it, with or without row resizing.
TEST_F(TablePaste, TooManyColumnsAreCutToTheTablesColumnCount) {
  for (bool resize : {false, true}) {
    SCOPED_TRACE(resize ? "resizing" : "no resizing");
    Table_lom2* t = makeTable(2, 2, 0, false, resize);
    show();
    t->selectRange(1, 1, 1, 1);
    owner->offer(FXWindow::utf8Type, "1\t2\t3\n4\t5\t6");
    paste(t);
    EXPECT_TRUE(t->getSizeError());
    EXPECT_EQ(t->getNumColumns(), 3);
    EXPECT_EQ(t->getNumRows(), 3);
    EXPECT_EQ(cell(t, 1, 1), "1");
    EXPECT_EQ(cell(t, 1, 2), "2");
    EXPECT_EQ(cell(t, 2, 2), "5");
    EXPECT_EQ(cell(t, 0, 1), "");
    EXPECT_EQ(t->getSelEndColumn(), 2);
    delete t;
  }
}

// One line of a 1 MB clipboard: 262,144 values. The table keeps its four
// columns instead of growing by a quarter of a million.
TEST_F(TablePaste, OneLongLineKeepsTheTablesColumns) {
  Table_lom2* t = makeTable(500, 4);
  show();
  std::string line = "7";
  for (int i = 1; i < 262144; ++i) line += "\t7";
  t->selectRange(0, 0, 0, 0);
  owner->offer(FXWindow::utf8Type, FXString(line.c_str()));
  paste(t);
  EXPECT_TRUE(t->getSizeError());
  EXPECT_EQ(t->getNumColumns(), 4);
  EXPECT_EQ(t->getNumRows(), 500);
  EXPECT_EQ(cell(t, 0, 3), "7");
  EXPECT_EQ(t->getSelEndColumn(), 3);
}

// A cell longer than the display can draw would end the program when it is
// shown: it is left out, the size error tells of it, and the other cells
// of its row and block are pasted.
TEST_F(TablePaste, CellsTooLongToShowAreLeftOut) {
  Table_lom2* t = makeTable(3, 3);
  show();
  const std::string longest(Utilities_lom2::MAX_SHOWN_TEXT_BYTES, '5');
  const std::string tooLong(Utilities_lom2::MAX_SHOWN_TEXT_BYTES + 1, '6');
  t->selectRange(0, 0, 0, 0);
  owner->offer(FXWindow::utf8Type, FXString(("1\t" + tooLong + "\t3\n" + longest + "\t4").c_str()));
  paste(t);
  EXPECT_TRUE(t->getSizeError());
  EXPECT_EQ(cell(t, 0, 0), "1");
  EXPECT_EQ(cell(t, 0, 1), "");
  EXPECT_EQ(cell(t, 0, 2), "3");
  EXPECT_EQ(cell(t, 1, 0), longest);
  EXPECT_EQ(cell(t, 1, 1), "4");
  // A text of cells that all fit raises no error.
  t->selectRange(2, 2, 0, 0);
  owner->offer(FXWindow::utf8Type, "8\t9");
  paste(t);
  EXPECT_FALSE(t->getSizeError());
  EXPECT_EQ(cell(t, 2, 1), "9");
}

TEST_F(TablePaste, TooManyRowsWithResizingInsertRowsAtTheCurrentRow) {
  Table_lom2* t = makeTable(3, 3, 0, false, true);
  t->setColumnText(0, "x");
  t->setColumnText(2, "note");
  t->setItemText(1, 2, "keep");
  show();
  t->setCurrentItem(1, 2);
  t->selectRange(0, 0, 0, 0);
  owner->offer(FXWindow::utf8Type, "1\n2\n3\n4\n5");
  paste(t);
  EXPECT_EQ(t->getNumRows(), 5);
  for (int r = 0; r < 5; ++r) EXPECT_EQ(cell(t, r, 0), std::to_string(r + 1));
  EXPECT_EQ(cell(t, 3, 2), "keep");  // two rows went in above it
  EXPECT_EQ(cell(t, 1, 2), "");
  EXPECT_STREQ(t->getColumnText(0).text(), "x");
  EXPECT_STREQ(t->getColumnText(2).text(), "note");
  EXPECT_FALSE(t->getSizeError());
}

TEST_F(TablePaste, ReadOnlyTableDoesNotReadTheClipboard) {
  Table_lom2* t = makeTable(2, 2, TABLE_READONLY);
  show();
  t->selectRange(0, 0, 0, 0);
  owner->offer(FXWindow::utf8Type, "1\t2");
  EXPECT_EQ(t->handle(nullptr, FXSEL(SEL_COMMAND, FXTable::ID_PASTE_SEL), nullptr), 1);
  EXPECT_TRUE(owner->requests.empty());
  EXPECT_EQ(t->getItem(0, 0), nullptr);
  EXPECT_EQ(t->getItem(0, 1), nullptr);
}

TEST_F(TablePaste, NothingSelectedPastesNothing) {
  Table_lom2* t = makeTable(2, 2);
  show();
  owner->offer(FXWindow::utf8Type, "1\t2");
  EXPECT_EQ(t->handle(nullptr, FXSEL(SEL_COMMAND, FXTable::ID_PASTE_SEL), nullptr), 1);
  EXPECT_TRUE(owner->requests.empty());
  EXPECT_EQ(t->getItem(0, 0), nullptr);
}

TEST_F(TablePaste, CommaModeShowsThePastedDecimalsWithAComma) {
  Table_lom2* t = makeTable(2, 2, 0, true);
  show();
  t->selectRange(0, 0, 0, 0);
  owner->offer(FXWindow::utf8Type, "1.5\t2,5");
  paste(t);
  EXPECT_EQ(cell(t, 0, 0), "1,5");
  EXPECT_EQ(cell(t, 0, 1), "2,5");
}

TEST_F(TablePaste, ControlVPastesThroughTheTablesOwnHandler) {
  Table_lom2* t = makeTable(2, 2);
  show();
  t->selectRange(0, 0, 0, 0);
  owner->offer(FXWindow::utf16Type, utf16le("4,5"));  // only this table's paste reads UTF-16 first
  FXEvent ev;
  ev.type = SEL_KEYPRESS;
  ev.code = KEY_v;
  ev.state = CONTROLMASK;
  ev.text = "v";
  t->handle(t, FXSEL(SEL_KEYPRESS, 0), &ev);
  EXPECT_EQ(cell(t, 0, 0), "4.5");
}

}  // namespace
