// Typing the axis values as a user does: each key goes to the main window,
// as the application hands it over, and on down its focus chain to the
// table and the cell editor, so the editor gets its say before the main
// window's key handler does.
#include <fxkeys.h>

#include <string>

#include "MainWindowFixture.h"
#include "Table_lom2.h"

using namespace FX;

namespace {
long typeKey(Quillgrid* w, FXuint code, const char* text = "", FXuint state = 0) {
  FXEvent ev;
  ev.type = SEL_KEYPRESS;
  ev.code = code;
  ev.state = state;
  ev.text = text;
  return w->handle(w, FXSEL(SEL_KEYPRESS, 0), &ev);
}
std::string cell(Table_lom2* t, int row) { return t->getItemText(row, 0).text(); }
// The end of the window's focus chain: the widget the next key goes to.
FXWindow* keyWidget(FXWindow* w) {
  while (w->getFocus()) w = w->getFocus();
  return w;
}
}  // namespace

TEST_F(MainWindowFixture, ReturnAfterTypingAnAxisValueKeepsItAndMovesOn) {
  Quillgrid* w = make();
  w->show(PLACEMENT_SCREEN);
  qgtest::runFor(100);
  Table_lom2* X = w->axisDataPoints_TBL[0];
  Table_lom2* Y = w->axisDataPoints_TBL[1];
  X->setFocus();
  X->setCurrentItem(0, 0);

  // Return and keypad Enter end the typing in a cell and go on, as Tab does.
  typeKey(w, KEY_7, "7");
  typeKey(w, KEY_Return, "\r");
  EXPECT_EQ(cell(X, 0), "7");
  EXPECT_EQ(X->getCurrentRow(), 1);
  typeKey(w, KEY_9, "9");
  typeKey(w, KEY_KP_Enter, "\r");
  EXPECT_EQ(cell(X, 1), "9");
  EXPECT_EQ(keyWidget(w), Y);
  EXPECT_EQ(Y->getCurrentRow(), 0);
  typeKey(w, KEY_2, "2");
  typeKey(w, KEY_Tab, "\t");
  typeKey(w, KEY_5, "5");
  typeKey(w, KEY_Return, "\r");
  EXPECT_EQ(cell(Y, 0), "2");
  EXPECT_EQ(cell(Y, 1), "5");
  EXPECT_EQ(keyWidget(w), X) << "from Y max the next cell is X min";
  EXPECT_EQ(X->getCurrentRow(), 0);
  EXPECT_EQ(cell(X, 0), "7");
  delete w;
}
