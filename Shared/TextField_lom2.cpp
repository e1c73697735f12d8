#include "TextField_lom2.h"

#include <ctype.h>

using namespace FX;

FXDEFMAP(TextField_lom2) TextField_lom2Map[] = {
    FXMAPFUNC(SEL_VERIFY, 0, TextField_lom2::onVerify),
};

FXIMPLEMENT(TextField_lom2, TextInput_lom2, TextField_lom2Map, ARRAYNUMBER(TextField_lom2Map))

TextField_lom2::TextField_lom2(FXComposite* p, FXint ncols, FXObject* tgt, FXSelector sel, FXuint opts, FXint x,
                               FXint y, FXint w, FXint h, FXint pl, FXint pr, FXint pt, FXint pb,
                               bool useCommaForDecimal, bool allowNeg)
    : TextInput_lom2(p, ncols, tgt, sel, opts, x, y, w, h, pl, pr, pt, pb),
      decimalSymbol(useCommaForDecimal ? ',' : '.'),
      allowNegNum(allowNeg) {}

TextField_lom2::TextField_lom2(FXComposite* p, FXint ncols, FXObject* tgt, FXSelector sel, FXuint opts,
                               bool useCommaForDecimal, bool allowNeg)
    : TextField_lom2(p, ncols, tgt, sel, opts, 0, 0, 0, 0, 2, 2, 2, 2, useCommaForDecimal, allowNeg) {}

TextField_lom2::~TextField_lom2() {}

void TextField_lom2::setUseCommaForDecimal(bool useComma) { decimalSymbol = useComma ? ',' : '.'; }

void TextField_lom2::assignSym(bool useComma) { setUseCommaForDecimal(useComma); }

void TextField_lom2::setDecimalSymbol(char symbol) { decimalSymbol = (symbol == ',' || symbol == '.') ? symbol : '.'; }

namespace {

const char* skipSpaces(const char* s) {
  while (*s && isspace(static_cast<unsigned char>(*s))) ++s;
  return s;
}

const char* skipDigits(const char* s) {
  while (*s >= '0' && *s <= '9') ++s;
  return s;
}

const char* skipSign(const char* s) { return (*s == '+' || *s == '-') ? s + 1 : s; }

}  // namespace

// Every part of a number is optional, so unfinished input while typing
// ("", ".", "1E", "1E-") passes; anything that cannot grow into a number
// does not. A text too long to show is refused first, with its warning.
long TextField_lom2::onVerify(FXObject*, FXSelector, void* ptr) {
  const char* text = static_cast<const char*>(ptr);
  if (!text) text = "";
  if (refuses(this, text)) return 1;
  if ((options & TEXTFIELD_LIMITED) != 0 && FXString(text).count() > columns) return 1;
  const char* s = skipSpaces(text);
  if ((options & TEXTFIELD_INTEGER) != 0) {
    if (allowNegNum) s = skipSign(s);
    s = skipDigits(s);
    s = skipSpaces(s);
    if (*s) return 1;
  } else if ((options & TEXTFIELD_REAL) != 0) {
    if (allowNegNum) s = skipSign(s);
    s = skipDigits(s);
    if (*s == decimalSymbol) ++s;
    s = skipDigits(s);
    if (*s == 'E' || *s == 'e') {
      // The exponent's sign says nothing about the number's sign.
      s = skipDigits(skipSign(s + 1));
    }
    s = skipSpaces(s);
    if (*s) return 1;
  }
  if (target && target->handle(this, FXSEL(SEL_VERIFY, message), ptr)) return 1;
  return 0;
}

void TextField_lom2::setText(const FXString& text, bool notify) {
  killSelection();
  contents = text;
  anchor = cursor = contents.length();
  if ((options & TEXTFIELD_REAL) != 0) {
    if (decimalSymbol == ',')
      contents.substitute('.', ',');
    else
      contents.substitute(',', '.');
  }
  if (id()) layout();
  update();
  if (notify && target) target->handle(this, FXSEL(SEL_COMMAND, message), (void*)contents.text());
}

void TextField_lom2::setValue(int value) { setText(FXStringFormat("%d", value), false); }

int TextField_lom2::toInt() const {
  if ((options & TEXTFIELD_INTEGER) != 0) return FXIntVal(contents, 10);
  return 0;
}

double TextField_lom2::toDouble() const {
  if ((options & (TEXTFIELD_INTEGER | TEXTFIELD_REAL)) != 0) {
    FXString t(contents);
    t.substitute(',', '.');
    return FXDoubleVal(t);
  }
  return 0;
}
