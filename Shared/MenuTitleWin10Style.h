// A flat menu-bar title: frame in one colour, hover colours computed from
// its back and selected back colours.
#ifndef QUILLGRID_MENUTITLEWIN10STYLE_H
#define QUILLGRID_MENUTITLEWIN10STYLE_H

#include <fx.h>

class MenuTitleWin10Style : public FX::FXMenuTitle {
  FXDECLARE(MenuTitleWin10Style)
protected:
  FX::FXColor enterBackColor;     // back colour while hovered; also the flat frame colour
  FX::FXColor enterSelBackColor;  // selected back colour while hovered
  FX::FXColor leaveBackColor;     // back colour restored when the pointer leaves

  MenuTitleWin10Style() : enterBackColor(0), enterSelBackColor(0), leaveBackColor(0) {}

private:
  MenuTitleWin10Style(const MenuTitleWin10Style&);
  MenuTitleWin10Style& operator=(const MenuTitleWin10Style&);

public:
  long onEnter(FX::FXObject*, FX::FXSelector, void*);
  long onLeave(FX::FXObject*, FX::FXSelector, void*);

public:
  // The toolkit menu title's arguments.
  MenuTitleWin10Style(FX::FXComposite* p, const FX::FXString& text, FX::FXIcon* ic = NULL,
                      FX::FXPopup* pup = NULL, FX::FXuint opts = 0);

  // Recomputes the hover colours from the current back and selected back
  // colours and takes the parent's back colour as the leave colour.
  void updateColors();
  // Text and selected text colour := text; back and selected back := back.
  void setTextAndBackColors(FX::FXColor text, FX::FXColor back);
  // Back and selected back := back, which also becomes the leave colour.
  void setBackColorForHighlighting(FX::FXColor back);

  virtual ~MenuTitleWin10Style();
};

#endif
