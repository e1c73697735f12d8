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
