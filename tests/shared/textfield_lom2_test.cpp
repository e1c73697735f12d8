// The numeric text field: keystroke verification, decimal symbol, setText
// and reading the content as a number.
#include "TestHarness.h"

#include <fxkeys.h>

#include "TextField_lom2.h"

using namespace FX;

namespace {

// Records the verify and command messages a field sends to its target; can
// refuse every change.
class FieldTarget : public FXObject {
  FXDECLARE(FieldTarget)
public:
  enum { ID_FIELD = 1 };
  long onVerify(FXObject*, FXSelector sel, void* ptr) {
    ++verifies;
    lastId = FXSELID(sel);
    lastText = static_cast<const char*>(ptr);
    return refuse ? 1 : 0;
  }
  long onCommand(FXObject*, FXSelector sel, void* ptr) {
    ++commands;
    lastId = FXSELID(sel);
    lastText = static_cast<const char*>(ptr);
    return 1;
  }
  bool refuse = false;
  int verifies = 0;
  int commands = 0;
  FXSelector lastId = 0;
  FXString lastText;
};

FXDEFMAP(FieldTarget) FieldTargetMap[] = {
    FXMAPFUNC(SEL_VERIFY, FieldTarget::ID_FIELD, FieldTarget::onVerify),
    FXMAPFUNC(SEL_COMMAND, FieldTarget::ID_FIELD, FieldTarget::onCommand),
};
FXIMPLEMENT(FieldTarget, FXObject, FieldTargetMap, ARRAYNUMBER(FieldTargetMap))

enum Kind { REAL_POINT, REAL_COMMA, INTEGER, PLAIN, LIMITED5 };

struct VerifyCase {
  Kind kind;
  bool allowNeg;
  const char* text;
  bool accepted;
};

FXuint optionsOf(Kind k) {
  switch (k) {
    case REAL_POINT:
    case REAL_COMMA: return TEXTFIELD_REAL;
    case INTEGER: return TEXTFIELD_INTEGER;
    case LIMITED5: return TEXTFIELD_LIMITED;
    default: return 0;
  }
}

// The verify rule needs no display: the field is never created.
TEST(TextFieldVerify, TentativeTextsWhileTyping) {
  const VerifyCase cases[] = {
      // real, '.', no sign: every part of a number is optional
      {REAL_POINT, false, "12", true},
      {REAL_POINT, false, "12.", true},
      {REAL_POINT, false, ".5", true},
      {REAL_POINT, false, "1.5E-3", true},
      {REAL_POINT, false, "2e+4", true},
      {REAL_POINT, false, "", true},
      {REAL_POINT, false, ".", true},
      {REAL_POINT, false, "E", true},
      {REAL_POINT, false, "3e", true},
      {REAL_POINT, false, "  7.25 ", true},
      {REAL_POINT, false, "-1", false},
      {REAL_POINT, false, "+1", false},
      {REAL_POINT, false, "1.2.", false},
      {REAL_POINT, false, "1,5", false},
      {REAL_POINT, false, "1x", false},
      {REAL_POINT, false, "1 2", false},
      {REAL_POINT, false, "1E2E", false},
      {REAL_POINT, false, "1E2.5", false},
      // signs allowed
      {REAL_POINT, true, "-1.5", true},
      {REAL_POINT, true, "+2", true},
      {REAL_POINT, true, "-", true},
      {REAL_POINT, true, "-1E+3", true},
      {REAL_POINT, true, "1-2", false},
      {REAL_POINT, true, "--1", false},
      // decimal comma
      {REAL_COMMA, false, "1,5", true},
      {REAL_COMMA, false, "1.5", false},
      // integers
      {INTEGER, false, "42", true},
      {INTEGER, false, " 42 ", true},
      {INTEGER, false, "1.5", false},
      {INTEGER, false, "1E3", false},
      {INTEGER, false, "-7", false},
      {INTEGER, true, "-7", true},
      {INTEGER, true, "4 2", false},
      // other fields: only the column limit, counted in characters
      {PLAIN, false, "anything at all", true},
      {LIMITED5, false, "12345", true},
      {LIMITED5, false, "123456", false},
      {LIMITED5, false, "\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9", true},  // five characters, ten bytes
  };
  FXMainWindow* main = new FXMainWindow(qgtest::app(), "verify");
  for (const VerifyCase& c : cases) {
    TextField_lom2* f = new TextField_lom2(main, 5, NULL, 0, optionsOf(c.kind), c.kind == REAL_COMMA, c.allowNeg);
    const long refused = f->handle(f, FXSEL(SEL_VERIFY, 0), (void*)c.text);
    EXPECT_EQ(refused == 0, c.accepted) << "text \"" << c.text << "\" kind " << c.kind << " sign " << c.allowNeg;
    delete f;
  }
  delete main;
}

TEST(TextFieldVerify, TargetIsAskedLastAndCanRefuse) {
  FXMainWindow* main = new FXMainWindow(qgtest::app(), "verify");
  FieldTarget target;
  TextField_lom2* f = new TextField_lom2(main, 8, &target, FieldTarget::ID_FIELD, TEXTFIELD_REAL, false, false);
  EXPECT_EQ(f->handle(f, FXSEL(SEL_VERIFY, 0), (void*)"1.5"), 0);
  EXPECT_EQ(target.verifies, 1);
  EXPECT_EQ(target.lastId, (FXSelector)FieldTarget::ID_FIELD);
  EXPECT_STREQ(target.lastText.text(), "1.5");
  // A text the field refuses never reaches the target.
  EXPECT_EQ(f->handle(f, FXSEL(SEL_VERIFY, 0), (void*)"-1"), 1);
  EXPECT_EQ(target.verifies, 1);
  target.refuse = true;
  EXPECT_EQ(f->handle(f, FXSEL(SEL_VERIFY, 0), (void*)"2"), 1);
  delete main;
}

void typeText(FXWindow* w, const char* keys) {
  for (const char* k = keys; *k; ++k) {
    FXEvent ev;
    ev.type = SEL_KEYPRESS;
    ev.code = static_cast<FXuint>(static_cast<unsigned char>(*k));
    ev.state = 0;
    ev.text = FXString(k, 1);
    w->handle(w, FXSEL(SEL_KEYPRESS, 0), &ev);
  }
}

TEST(TextFieldTyping, RefusedKeystrokesLeaveTheTextAsItWas) {
  QG_REQUIRE_DISPLAY();
  FXMainWindow* main = new FXMainWindow(qgtest::app(), "typing", NULL, NULL, DECOR_ALL, 0, 0, 300, 100);
  TextField_lom2* real = new TextField_lom2(main, 12, NULL, 0, TEXTFIELD_REAL | FRAME_SUNKEN | FRAME_THICK, false, false);
  TextField_lom2* limited = new TextField_lom2(main, 5, NULL, 0, TEXTFIELD_INTEGER | TEXTFIELD_LIMITED, false);
  main->create();
  main->show(PLACEMENT_SCREEN);

  typeText(real, "-1x.5,E-3a");  // '-' (no sign allowed), 'x', ',' and 'a' are refused
  EXPECT_STREQ(real->getText().text(), "1.5E-3");
  EXPECT_DOUBLE_EQ(real->toDouble(), 0.0015);

  typeText(limited, "-123456");  // the sign is allowed here; the sixth character is not
  EXPECT_STREQ(limited->getText().text(), "-1234");
  EXPECT_EQ(limited->toInt(), -1234);
  delete main;
}

TEST(TextFieldSetText, DecimalSymbolCursorAndNotification) {
  FXMainWindow* main = new FXMainWindow(qgtest::app(), "settext");
  FieldTarget target;
  TextField_lom2* point = new TextField_lom2(main, 8, &target, FieldTarget::ID_FIELD, TEXTFIELD_REAL, false);
  TextField_lom2* comma = new TextField_lom2(main, 8, NULL, 0, TEXTFIELD_REAL, true);
  TextField_lom2* integer = new TextField_lom2(main, 8, NULL, 0, TEXTFIELD_INTEGER, false);

  point->setText("2,5");
  EXPECT_STREQ(point->getText().text(), "2.5");
  EXPECT_EQ(point->getCursorPos(), 3);
  EXPECT_EQ(point->getAnchorPos(), 3);
  EXPECT_EQ(target.commands, 0);  // no notification by default
  point->setText("7,25", true);
  EXPECT_EQ(target.commands, 1);
  EXPECT_EQ(target.lastId, (FXSelector)FieldTarget::ID_FIELD);
  EXPECT_STREQ(target.lastText.text(), "7.25");  // the target sees the converted text
  point->setText("7.25", true);                   // even an unchanged text is written and notified
  EXPECT_EQ(target.commands, 2);

  comma->setText("2.5");
  EXPECT_STREQ(comma->getText().text(), "2,5");
  EXPECT_DOUBLE_EQ(comma->toDouble(), 2.5);
  integer->setText("2,5");
  EXPECT_STREQ(integer->getText().text(), "2,5");

  integer->setValue(-12);
  EXPECT_STREQ(integer->getText().text(), "-12");
  delete main;
}

TEST(TextFieldNumbers, ReadBackByKind) {
  FXMainWindow* main = new FXMainWindow(qgtest::app(), "numbers");
  struct {
    FXuint opts;
    const char* text;
    int asInt;
    double asDouble;
  } cases[] = {
      {TEXTFIELD_INTEGER, "42", 42, 42.0},
      {TEXTFIELD_INTEGER, " 007 ", 7, 7.0},
      {TEXTFIELD_REAL, "2.5", 0, 2.5},  // toInt only for integer fields
      {TEXTFIELD_REAL, "1.5E-3", 0, 0.0015},
      {TEXTFIELD_REAL, "", 0, 0.0},
      {0, "3.5", 0, 0.0},  // neither kind: 0 whatever it shows
  };
  for (const auto& c : cases) {
    TextField_lom2* f = new TextField_lom2(main, 8, NULL, 0, c.opts, false);
    f->FXTextField::setText(c.text);
    EXPECT_EQ(f->toInt(), c.asInt) << c.text;
    EXPECT_DOUBLE_EQ(f->toDouble(), c.asDouble) << c.text;
    delete f;
  }
  // A comma typed into a field that uses the point still reads as a decimal comma.
  TextField_lom2* f = new TextField_lom2(main, 8, NULL, 0, TEXTFIELD_REAL, false);
  f->FXTextField::setText("1,25");
  EXPECT_DOUBLE_EQ(f->toDouble(), 1.25);
  delete main;
}

TEST(TextFieldSymbols, SettersAndDefaults) {
  FXMainWindow* main = new FXMainWindow(qgtest::app(), "symbols");
  TextField_lom2* f = new TextField_lom2(main, 8, NULL, 0, TEXTFIELD_REAL, 0, 0, 0, 0, 2, 2, 2, 2, true);
  EXPECT_EQ(f->getDecimalSymbol(), ',');
  EXPECT_TRUE(f->getAllowNegNum());  // signs are allowed unless refused
  f->setDecimalSymbol('x');
  EXPECT_EQ(f->getDecimalSymbol(), '.');
  f->setDecimalSymbol(',');
  EXPECT_EQ(f->getDecimalSymbol(), ',');
  f->setUseCommaForDecimal(false);
  EXPECT_EQ(f->getDecimalSymbol(), '.');
  f->assignSym(true);
  EXPECT_EQ(f->getDecimalSymbol(), ',');
  f->setAllowNegNum(false);
  EXPECT_FALSE(f->getAllowNegNum());
  EXPECT_EQ(f->handle(f, FXSEL(SEL_VERIFY, 0), (void*)"-1"), 1);
  EXPECT_STREQ(f->getClassName(), "TextField_lom2");
  delete main;
}

}  // namespace
