#include "ResultField.h"

#include "Table_lom2.h"

using namespace FX;

FXDEFMAP(ResultField) ResultFieldMap[] = {FXMAPFUNC(SEL_PAINT, 0, ResultField::onPaint)};
FXIMPLEMENT(ResultField, TextInput_lom2, ResultFieldMap, ARRAYNUMBER(ResultFieldMap))

ResultField::ResultField(FXComposite* p, FXint ncols, FXObject* tgt, FXSelector sel, FXuint opts)
    : TextInput_lom2(p, ncols, tgt, sel, opts) {}

// Writing the text lays the field out with the cursor at the end; the
// reader wants the start. While the user works in the field it is theirs.
void ResultField::layout() {
  TextInput_lom2::layout();
  if (hasFocus()) return;
  setCursorPos(0);
  makePositionVisible(0);
}

// Left by the user: the start again, where the mark belongs.
void ResultField::killFocus() {
  TextInput_lom2::killFocus();
  setCursorPos(0);
  makePositionVisible(0);
  update();
}

bool ResultField::isTextCut() const {
  return font && font->id() && font->getTextWidth(contents) > width - (border << 1) - padleft - padright;
}

// Over the right end of a text that goes on: the mark the value tables
// use for a cut number.
long ResultField::onPaint(FXObject* sender, FXSelector sel, void* ptr) {
  TextInput_lom2::onPaint(sender, sel, ptr);
  if (hasFocus() || !isTextCut()) return 1;
  const FXString mark(Table_lom2::CONTINUES);
  const FXint markWidth = font->getTextWidth(mark);
  const FXint right = width - border - padright;
  const FXint top = border + padtop;
  const FXint inner = height - (border << 1) - padtop - padbottom;
  FXDCWindow dc(this);
  dc.setForeground(getBackColor());
  dc.fillRectangle(right - markWidth - 1, border, markWidth + 1 + padright, height - (border << 1));
  dc.setFont(font);
  dc.setForeground(isEnabled() ? getTextColor() : getShadowColor());
  dc.drawText(right - markWidth, top + (inner - font->getFontHeight()) / 2 + font->getFontAscent(), mark);
  return 1;
}
