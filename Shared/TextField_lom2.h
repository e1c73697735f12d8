// A text field for number input. With TEXTFIELD_INTEGER or TEXTFIELD_REAL
// it refuses, keystroke by keystroke, every change that would not leave a
// valid (possibly unfinished) number; a sign can be refused altogether and
// the decimal symbol is ',' or '.'. Like every input of the program it
// takes no text too long to show (TextInput_lom2).
#ifndef QUILLGRID_TEXTFIELD_LOM2_H
#define QUILLGRID_TEXTFIELD_LOM2_H

#include <fx.h>

#include "TextInput_lom2.h"

class TextField_lom2 : public TextInput_lom2 {
  FXDECLARE(TextField_lom2)
protected:
  char decimalSymbol;  // ',' or '.'
  bool allowNegNum;    // a leading '+' or '-' is accepted

  TextField_lom2() : decimalSymbol('.'), allowNegNum(true) {}

private:
  TextField_lom2(const TextField_lom2&);
  TextField_lom2& operator=(const TextField_lom2&);

public:
  // Answers the field's own SEL_VERIFY: 1 refuses the proposed text
  // (ptr, a const FXchar*), 0 accepts it.
  long onVerify(FX::FXObject*, FX::FXSelector, void*);

public:
  TextField_lom2(FX::FXComposite* p, FX::FXint ncols, FX::FXObject* tgt, FX::FXSelector sel, FX::FXuint opts,
                 FX::FXint x, FX::FXint y, FX::FXint w, FX::FXint h, FX::FXint pl, FX::FXint pr, FX::FXint pt,
                 FX::FXint pb, bool useCommaForDecimal, bool allowNegNum = true);
  // As above with position and size 0 and all four pads 2.
  TextField_lom2(FX::FXComposite* p, FX::FXint ncols, FX::FXObject* tgt, FX::FXSelector sel, FX::FXuint opts,
                 bool useCommaForDecimal, bool allowNegNum = true);

  void setUseCommaForDecimal(bool useComma);
  void assignSym(bool useComma);
  // ',' or '.'; any other character selects '.'.
  void setDecimalSymbol(char symbol);
  char getDecimalSymbol() const { return decimalSymbol; }
  void setAllowNegNum(bool allow) { allowNegNum = allow; }
  bool getAllowNegNum() const { return allowNegNum; }

  // Replaces the content (even when equal), kills the selection, puts the
  // cursor at the end and, in a real-number field, turns the other
  // decimal symbol into this field's one. With notify, the target gets
  // SEL_COMMAND.
  void setText(const FX::FXString& text, bool notify = false);
  void setValue(int value);

  // The content as a number: toInt only for integer fields, toDouble for
  // integer and real fields (either decimal symbol); 0 otherwise.
  int toInt() const;
  double toDouble() const;

  virtual ~TextField_lom2();
};

#endif
