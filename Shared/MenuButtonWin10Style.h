// A flat tool-bar button: its 3-D frame is drawn in one colour and its
// background changes to the hover colour while the pointer is over it.
#ifndef QUILLGRID_MENUBUTTONWIN10STYLE_H
#define QUILLGRID_MENUBUTTONWIN10STYLE_H

#include <fx.h>

class MenuButtonWin10Style : public FX::FXButton {
  FXDECLARE(MenuButtonWin10Style)
protected:
  MenuButtonWin10Style() {}

private:
  MenuButtonWin10Style(const MenuButtonWin10Style&);
  MenuButtonWin10Style& operator=(const MenuButtonWin10Style&);

public:
  long onEnter(FX::FXObject*, FX::FXSelector, void*);
  long onLeave(FX::FXObject*, FX::FXSelector, void*);

public:
  // The toolkit button's arguments.
  MenuButtonWin10Style(FX::FXComposite* p, const FX::FXString& text, FX::FXIcon* ic = NULL,
                       FX::FXObject* tgt = NULL, FX::FXSelector sel = 0, FX::FXuint opts = FX::BUTTON_NORMAL,
                       FX::FXint x = 0, FX::FXint y = 0, FX::FXint w = 0, FX::FXint h = 0,
                       FX::FXint pl = FX::DEFAULT_PAD, FX::FXint pr = FX::DEFAULT_PAD,
                       FX::FXint pt = FX::DEFAULT_PAD, FX::FXint pb = FX::DEFAULT_PAD);
  virtual ~MenuButtonWin10Style();
};

#endif
