// The colour set handed to dialogs that recolour themselves to match the
// main window's theme. Passed by value.
#ifndef QUILLGRID_UICOLORSSTRUCT_H
#define QUILLGRID_UICOLORSSTRUCT_H

#include <fx.h>

// Theme colours handed to the dialogs of the support library. The first
// four are the background, field background, shadow and highlight colours;
// the fifth travels along with them.
struct UIColorsStruct {
  FX::FXColor backColor = 0;
  FX::FXColor fieldBackColor = 0;
  FX::FXColor shadowColor = 0;
  FX::FXColor hiliteColor = 0;
  FX::FXColor extraColor = 0;
};

#endif
