#include "MenuButtonWin10Style.h"

#include "Win10StyleColors.h"

using namespace FX;

FXDEFMAP(MenuButtonWin10Style) MenuButtonWin10StyleMap[] = {
    FXMAPTYPE(SEL_ENTER, MenuButtonWin10Style::onEnter),
    FXMAPTYPE(SEL_LEAVE, MenuButtonWin10Style::onLeave),
};

FXIMPLEMENT(MenuButtonWin10Style, FXButton, MenuButtonWin10StyleMap, ARRAYNUMBER(MenuButtonWin10StyleMap))

MenuButtonWin10Style::MenuButtonWin10Style(FXComposite* p, const FXString& text, FXIcon* ic, FXObject* tgt,
                                           FXSelector sel, FXuint opts, FXint x, FXint y, FXint w, FXint h,
                                           FXint pl, FXint pr, FXint pt, FXint pb)
    : FXButton(p, text, ic, tgt, sel, opts, x, y, w, h, pl, pr, pt, pb) {
  // A frame in one colour looks flat.
  const FXColor frame = Win10StyleColors::getEnterColor(getBackColor());
  setHiliteColor(frame);
  setShadowColor(frame);
}

MenuButtonWin10Style::~MenuButtonWin10Style() {}

long MenuButtonWin10Style::onEnter(FXObject* sender, FXSelector sel, void* ptr) {
  FXButton::onEnter(sender, sel, ptr);
  if (isEnabled()) setBackColor(Win10StyleColors::getEnterColor(getBackColor()));
  return 1;
}

long MenuButtonWin10Style::onLeave(FXObject* sender, FXSelector sel, void* ptr) {
  FXButton::onLeave(sender, sel, ptr);
  if (isEnabled()) setBackColor(getParent()->getBackColor());
  return 1;
}
