// A tool-bar paste of more rows than the value table has: the table keeps
// what fits, and the user is told that the rest was not pasted.
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"

using namespace FX;

namespace {

// Puts text on the X clipboard the way a user's copy does: a text field
// owns the clipboard and serves it.
void offerText(FXTextField* field, const FXString& text) {
  field->setText(text);
  field->selectAll();
  field->handle(field, FXSEL(SEL_COMMAND, FXTextField::ID_COPY_SEL), nullptr);
  ASSERT_TRUE(field->hasClipboard());
}

FXString rows(int n, int columns) {
  FXString text;
  for (int r = 1; r <= n; ++r)
    text += columns == 2 ? FXStringFormat("%d\t%d\n", r, 2 * r) : FXStringFormat("%d\t%d\t800\n", 10 * r, 100 + r);
  return text;
}

}  // namespace

TEST_F(MainWindowFixture, PasteOfMoreRowsThanTheTableHasIsReported) {
  Quillgrid* w = make();
  FXTextField* source = new FXTextField(w->xyValuesTabFrame, 10);
  source->create();
  // The tool-bar paste of some text; the message boxes it showed.
  auto paste = [&](const FXString& text) {
    qgtest::ModalScript script;
    script.press(MBOX_CLICKED_OK);
    offerText(source, text);
    EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_PASTE), nullptr), 1);
    return script.requests();
  };
  auto cell = [](Table_lom2* t, int r, int c) { return std::string(t->getItemText(r, c).text()); };

  // XY values table of 100 rows, 150 rows on the clipboard.
  w->numRowsInXYTable_LB->setCurrentItem(0, FALSE);
  w->setUpXYDataTables();
  ASSERT_EQ(w->xyValues_TBL->getNumRows(), 100);
  w->tabBook->setCurrent(1, FALSE);
  std::vector<ModalSeam::Request> shown = paste(rows(150, 2));
  EXPECT_EQ(cell(w->xyValues_TBL, 99, 0), "100");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].kind, ModalSeam::WARNING_BOX);
  EXPECT_EQ(std::string(shown[0].caption.text()), "Paste Error");
  EXPECT_NE(std::string(shown[0].text.text()).find("100 rows"), std::string::npos) << shown[0].text.text();

  // Rows that fit paste without a word.
  EXPECT_TRUE(paste(rows(100, 2)).empty());
  EXPECT_EQ(cell(w->xyValues_TBL, 99, 1), "200");

  // The Larson-Miller table holds 1000 rows.
  w->tabBook->setCurrent(2, FALSE);
  shown = paste(rows(1200, 3));
  EXPECT_EQ(cell(w->lmpData_TBL, 999, 0), "10000");
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(std::string(shown[0].caption.text()), "Paste Error");
  source->releaseClipboard();
  delete w;
}

// One line of a 1 MB clipboard holds 262,144 values. With "# rows in
// table" at 10,000 the table grew by as many columns until the toolkit
// ran out of memory and ended the program; it keeps its columns now, and
// the user hears that the rest was not pasted.
TEST_F(MainWindowFixture, PasteOfOneHugeLineKeepsTheTablesColumns) {
  Quillgrid* w = make();
  FXTextField* source = new FXTextField(w->xyValuesTabFrame, 10);
  source->create();
  w->numRowsInXYTable_LB->setCurrentItem(w->numRowsInXYTable_LB->getNumItems() - 1, FALSE);
  w->setUpXYDataTables();
  ASSERT_EQ(w->xyValues_TBL->getNumRows(), 10000);
  std::string line = "1.5";
  for (int i = 1; i < 262144; ++i) line += "\t2.5";
  offerText(source, FXString(line.c_str()));
  for (int tab : {1, 2}) {
    SCOPED_TRACE(tab);
    Table_lom2* t = tab == 1 ? w->xyValues_TBL : w->lmpData_TBL;
    const int columns = t->getNumColumns();
    w->tabBook->setCurrent(tab, FALSE);
    qgtest::ModalScript script;
    EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_PASTE), nullptr), 1);
    EXPECT_EQ(t->getNumColumns(), columns);
    EXPECT_EQ(std::string(t->getItemText(0, 0).text()), "1.5");
    EXPECT_EQ(std::string(t->getItemText(0, 1).text()), "2.5");
    ASSERT_EQ(script.count(), 1u);
    EXPECT_EQ(std::string(script.last().caption.text()), "Paste Error");
  }
  source->releaseClipboard();
  delete w;
}

// Owns the clipboard with one type only; a picture, for instance.
class OneTypeOwner : public FXFrame {
  FXDECLARE(OneTypeOwner)
protected:
  OneTypeOwner() {}

public:
  explicit OneTypeOwner(FXComposite* p) : FXFrame(p) {}
  void offer(FXDragType type, const FXString& bytes) {
    offered = type;
    data = bytes;
    ASSERT_TRUE(acquireClipboard(&offered, 1));
  }
  long onClipboardRequest(FXObject*, FXSelector, void* ptr) {
    if (static_cast<FXEvent*>(ptr)->target != offered) return 0;
    setDNDData(FROM_CLIPBOARD, offered, data);
    return 1;
  }
  FXDragType offered = 0;
  FXString data;
};
FXDEFMAP(OneTypeOwner) OneTypeOwnerMap[] = {FXMAPFUNC(SEL_CLIPBOARD_REQUEST, 0, OneTypeOwner::onClipboardRequest)};
FXIMPLEMENT(OneTypeOwner, FXFrame, OneTypeOwnerMap, ARRAYNUMBER(OneTypeOwnerMap))

// The tool-bar paste on the Xy Values and Larson-Miller tabs cleared the
// table before it read the clipboard, so a clipboard without values wiped
// the table silently. It reads first now and leaves the table, its data
// source and its fit as they were when there is nothing to paste.
TEST_F(MainWindowFixture, PasteOfNothingLeavesTheTable) {
  Quillgrid* w = make();
  OneTypeOwner* owner = new OneTypeOwner(w->xyValuesTabFrame);
  owner->create();
  w->xyValues_TBL->setItemText(0, 0, "3");
  w->xyValues_TBL->setItemText(0, 1, "4");
  w->lmpData_TBL->setItemText(0, 0, "100");
  w->lmpData_TBL->setItemText(0, 1, "200");
  w->lmpData_TBL->setItemText(0, 2, "800");
  w->dataSource = 0;
  w->setDataSource();
  w->convertedXYValues_TBL->setItemText(0, 2, "5.5");  // a fit's value, which a paste clears
  struct Clipboard {
    const char* what;
    FXDragType type;
    FXString bytes;
  };
  const Clipboard clipboards[] = {
      {"no owner", 0, ""},
      {"a picture only", qgtest::app()->registerDragType("image/png"), "\x89PNG"},
      {"empty text", FXWindow::utf8Type, ""},
      {"blanks and line ends", FXWindow::utf8Type, " \t\r\n\n  \t"},
      {"empty CSV rows", FXTable::csvType, ",,\r\n,"},
  };
  for (const Clipboard& c : clipboards) {
    if (c.type) owner->offer(c.type, c.bytes);
    else if (owner->hasClipboard()) owner->releaseClipboard();
    for (int tab : {1, 2}) {
      SCOPED_TRACE(std::string(c.what) + (tab == 1 ? " on Xy Values" : " on Larson-Miller"));
      w->tabBook->setCurrent(tab, FALSE);
      qgtest::ModalScript script;
      EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_PASTE), nullptr), 1);
      EXPECT_EQ(std::string(w->xyValues_TBL->getItemText(0, 1).text()), "4");
      EXPECT_EQ(std::string(w->lmpData_TBL->getItemText(0, 2).text()), "800");
      EXPECT_EQ(w->dataSource, 0);
      EXPECT_EQ(std::string(w->convertedXYValues_TBL->getItemText(0, 2).text()), "5.5");
      EXPECT_EQ(script.count(), 0u);
    }
  }
  // Text with a value pastes as before: the table is cleared first.
  owner->offer(FXWindow::utf8Type, "7\t8");
  w->tabBook->setCurrent(1, FALSE);
  w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_PASTE), nullptr);
  EXPECT_EQ(std::string(w->xyValues_TBL->getItemText(0, 1).text()), "8");
  EXPECT_EQ(w->dataSource, 1);
  owner->releaseClipboard();
  delete w;
}
