// Recolouring of whole widget trees from four theme colours, with black or
// white text chosen by the luma of each background.
#ifndef QUILLGRID_CHANGEWIDGETCOLORS_H
#define QUILLGRID_CHANGEWIDGETCOLORS_H

#include <fx.h>

#include "UIColorsStruct.h"

class ChangeWidgetColors {
public:
  ChangeWidgetColors() {}
  ~ChangeWidgetColors() {}

  // Black text on a background whose luma 0.299 R + 0.587 G + 0.114 B is
  // above 100, white text otherwise.
  static FX::FXColor getFontColor(FX::FXColor back);
  // The luma limit getFontColor uses.
  static int getRGBBlackWhiteTextCutoff();

  // Recolours w and all its descendants. Each widget is recoloured by its
  // registered class name, compared exactly: a class with a name of its
  // own keeps its colours (its children are still recoloured).
  static void changeWidgetColors(FX::FXWindow* w, FX::FXColor back, FX::FXColor fieldBack, FX::FXColor shadow,
                                 FX::FXColor hilite);
  static void changeWidgetColors(FX::FXWindow* w, UIColorsStruct colors);
};

#endif
