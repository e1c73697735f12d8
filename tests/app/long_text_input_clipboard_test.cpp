// A text longer than the display can draw (about 262,000 bytes at once)
// ended the program once a text field or a table cell's editor showed it.
// Every input of the window takes at most Utilities_lom2::MAX_SHOWN_TEXT_BYTES
// bytes now; a paste of more is refused with the "Paste Error" warning, as
// a pasted table cell of that length is left out.
#include <fxkeys.h>

#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "TextField_lom2.h"
#include "TextOffer.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace {

const int LIMIT = Utilities_lom2::MAX_SHOWN_TEXT_BYTES;

FXString digits(int n) { return FXString('1', n); }

// The mouse and key events a user's hand makes, sent where the display
// sends them.
void button(FXWindow* w, FXSelector type, int x, int y, int clicks) {
  FXEvent ev;
  ev.type = type;
  ev.win_x = x;
  ev.win_y = y;
  ev.click_count = clicks;
  ev.code = LEFTBUTTON;
  ev.state = type == SEL_LEFTBUTTONRELEASE ? LEFTBUTTONMASK : 0;
  w->handle(w, FXSEL(type, 0), &ev);
}
void doubleClick(FXWindow* w, int x, int y) {
  for (int clicks = 1; clicks <= 2; ++clicks) {
    button(w, SEL_LEFTBUTTONPRESS, x, y, clicks);
    button(w, SEL_LEFTBUTTONRELEASE, x, y, clicks);
  }
}
// A key pressed while the window has the focus: it goes down the focus
// chain, as the application hands it over.
void key(Quillgrid* w, FXuint code, FXuint state = 0, const char* text = "") {
  FXEvent ev;
  ev.type = SEL_KEYPRESS;
  ev.code = code;
  ev.state = state;
  ev.text = text;
  w->handle(w, FXSEL(SEL_KEYPRESS, 0), &ev);
}

// The table's window position of a cell.
bool cellPosition(FXTable* t, int r, int c, int* x, int* y) {
  for (*y = 0; *y < t->getHeight(); ++*y)
    if (t->rowAtY(*y) == r) break;
  for (*x = 0; *x < t->getWidth(); ++*x)
    if (t->colAtX(*x) == c) break;
  *x += 4;
  *y += 4;
  return *x < t->getWidth() && *y < t->getHeight();
}

// The open cell editor of a table, if any.
FXTextField* editorOf(FXTable* t) {
  for (FXWindow* c = t->getFirst(); c; c = c->getNext())
    if (auto* f = dynamic_cast<FXTextField*>(c)) return f;
  return nullptr;
}

void collectFields(FXWindow* w, std::vector<FXTextField*>* fields) {
  if (auto* f = dynamic_cast<FXTextField*>(w)) fields->push_back(f);
  for (FXWindow* c = w->getFirst(); c; c = c->getNext()) collectFields(c, fields);
}

// The "Paste Error" warnings among the requests logged from entry from on.
size_t pasteErrors(size_t from = 0) {
  size_t n = 0;
  const std::vector<ModalSeam::Request>& log = ModalSeam::log();
  for (size_t k = from; k < log.size(); ++k)
    if (log[k].kind == ModalSeam::WARNING_BOX && log[k].caption == "Paste Error") ++n;
  return n;
}

class LongTextInput : public MainWindowFixture {
protected:
  Quillgrid* window() {
    w = make();
    w->show(PLACEMENT_SCREEN);
    offer = new qgtest::TextOffer(w);
    offer->create();
    qgtest::runFor(100);
    return w;
  }
  void TearDown() override { delete w; }
  Quillgrid* w = nullptr;
  qgtest::TextOffer* offer = nullptr;
};

}  // namespace

// As the user did it: double-click a cell of the Xy Values table or the X
// axis "Min" value cell and press Ctrl+V, or click into the Y scale
// factor and press Ctrl+V. A text that leaves the longest length is taken.
TEST_F(LongTextInput, APasteTooLongToShowIntoACellEditorOrTheScaleFactorIsRefused) {
  window();
  struct Case {
    const char* what;
    int tab;
    Table_lom2* table;  // null: the scale-factor field
  };
  const Case cases[] = {
      {"Xy Values cell", 1, w->xyValues_TBL},
      {"X axis Min", 0, w->axisDataPoints_TBL[0]},
      {"Y scale factor", 3, nullptr},
  };
  for (const Case& c : cases)
    for (int length : {300 * 1024, LIMIT, LIMIT - 1}) {
      SCOPED_TRACE(std::string(c.what) + ", " + std::to_string(length) + " bytes");
      w->tabBook->setCurrent(c.tab, TRUE);
      qgtest::runFor(50);
      FXTextField* field = w->y_axisScaleFactor;
      if (c.table) {
        c.table->setItemText(0, 0, "5");
        int x = 0, y = 0;
        ASSERT_TRUE(cellPosition(c.table, 0, 0, &x, &y));
        c.table->setFocus();
        doubleClick(c.table, x, y);
        field = editorOf(c.table);
        ASSERT_NE(field, nullptr) << "the double-click opened no editor";
      } else {
        field->setText("5");
        field->setFocus();
      }
      // The paste goes after the "5".
      field->killSelection();
      field->setCursorPos(field->getText().length());
      ASSERT_TRUE(offer->onClipboard(digits(length)));
      qgtest::ModalScript script;
      key(w, KEY_v, CONTROLMASK);
      qgtest::runFor(100);  // the editor or field is drawn
      const bool taken = length + 1 <= LIMIT;
      EXPECT_EQ(field->getText().length(), taken ? length + 1 : 1);
      EXPECT_EQ(pasteErrors(), taken ? 0u : 1u);
      EXPECT_EQ(script.count(), pasteErrors());
      if (c.table) {
        key(w, KEY_Return, 0, "\r");
        EXPECT_EQ(c.table->getItemText(0, 0).length(), taken ? length + 1 : 1);
        EXPECT_EQ(editorOf(c.table), nullptr);
      }
    }
}

// Every text field of the window, the cell editors of its value tables and
// the name field of the file dialog refuse the text, by Ctrl+V and by the
// middle button alike, and keep what they showed.
TEST_F(LongTextInput, EveryInputOfTheWindowRefusesAPasteTooLongToShow) {
  window();
  std::vector<FXTextField*> fields;
  collectFields(w, &fields);
  ASSERT_GT(fields.size(), 10u);
  std::vector<Table_lom2*> tables = {w->axisDataPoints_TBL[0], w->axisDataPoints_TBL[1], w->curveData_TBL,
                                     w->xyValues_TBL, w->lmpData_TBL};
  const FXString tooLong = digits(LIMIT + 1);
  // Pastes into a field as Ctrl+V and as the middle button do; true when
  // both were refused with the warning and left its text.
  auto refusesBoth = [&](FXTextField* f) {
    const FXString before = f->getText();
    const bool editable = f->isEditable();
    f->setEditable(TRUE);
    const size_t logged = ModalSeam::log().size();
    EXPECT_TRUE(offer->onClipboard(tooLong));
    f->handle(f, FXSEL(SEL_COMMAND, FXTextField::ID_PASTE_SEL), nullptr);
    EXPECT_TRUE(offer->asSelection(tooLong));
    f->handle(f, FXSEL(SEL_COMMAND, FXTextField::ID_PASTE_MIDDLE), nullptr);
    const bool kept = f->getText() == before;
    f->setText(before);
    f->setEditable(editable);
    return kept && pasteErrors(logged) == 2 && ModalSeam::log().size() == logged + 2;
  };
  for (FXTextField* f : fields) EXPECT_TRUE(refusesBoth(f)) << "a field of " << f->getParent()->getClassName();
  for (Table_lom2* t : tables) {
    t->setEditable(TRUE);
    t->startInput(0, 0);
    FXTextField* editor = editorOf(t);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(refusesBoth(editor)) << "the cell editor of a table of " << t->getNumColumns() << " columns";
    t->cancelInput();
  }

  // The name field of the file dialog, while it is open.
  bool dialogRefused = false;
  qgtest::ModalScript script;
  script.then([&](ModalSeam::Request& r) {
    std::vector<FXTextField*> inDialog;
    if (r.dialog) collectFields(r.dialog, &inDialog);
    dialogRefused = !inDialog.empty();
    for (FXTextField* f : inDialog) dialogRefused = refusesBoth(f) && dialogRefused;
    return 0u;
  });
  w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_OPEN_IMAGE_FILE), nullptr);
  EXPECT_TRUE(dialogRefused);
  qgtest::runFor(100);  // everything is drawn
}
