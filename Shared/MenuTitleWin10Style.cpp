#include "MenuTitleWin10Style.h"

#include "Win10StyleColors.h"

using namespace FX;

FXDEFMAP(MenuTitleWin10Style) MenuTitleWin10StyleMap[] = {
    FXMAPTYPE(SEL_ENTER, MenuTitleWin10Style::onEnter),
    FXMAPTYPE(SEL_LEAVE, MenuTitleWin10Style::onLeave),
};

FXIMPLEMENT(MenuTitleWin10Style, FXMenuTitle, MenuTitleWin10StyleMap, ARRAYNUMBER(MenuTitleWin10StyleMap))

MenuTitleWin10Style::MenuTitleWin10Style(FXComposite* p, const FXString& text, FXIcon* ic, FXPopup* pup,
                                         FXuint opts)
    : FXMenuTitle(p, text, ic, pup, opts), enterBackColor(0), enterSelBackColor(0), leaveBackColor(0) {
  updateColors();
}

MenuTitleWin10Style::~MenuTitleWin10Style() {}

void MenuTitleWin10Style::updateColors() {
  enterBackColor = Win10StyleColors::getEnterColor(getBackColor());
  enterSelBackColor = Win10StyleColors::getEnterColor(getSelBackColor());
  leaveBackColor = getParent()->getBackColor();
  setHiliteColor(enterBackColor);
  setShadowColor(enterBackColor);
}

void MenuTitleWin10Style::setTextAndBackColors(FXColor text, FXColor back) {
  setTextColor(text);
  setSelTextColor(text);
  setBackColor(back);
  setSelBackColor(back);
  updateColors();
}

void MenuTitleWin10Style::setBackColorForHighlighting(FXColor back) {
  setBackColor(back);
  setSelBackColor(back);
  updateColors();
  leaveBackColor = back;
}

long MenuTitleWin10Style::onEnter(FXObject* sender, FXSelector sel, void* ptr) {
  FXMenuTitle::onEnter(sender, sel, ptr);
  if (isEnabled()) {
    setBackColor(enterBackColor);
    setSelBackColor(enterSelBackColor);
  }
  return 1;
}

long MenuTitleWin10Style::onLeave(FXObject* sender, FXSelector sel, void* ptr) {
  FXMenuTitle::onLeave(sender, sel, ptr);
  if (isEnabled()) setBackColor(leaveBackColor);
  return 1;
}
