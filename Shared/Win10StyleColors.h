// The hover colour of the flat tool-bar buttons and menu titles.
#ifndef QUILLGRID_WIN10STYLECOLORS_H
#define QUILLGRID_WIN10STYLECOLORS_H

#include <fx.h>

class Win10StyleColors {
public:
  // The colour a flat widget takes while the pointer is over it: a lighter
  // shade of c, or a darker one when c has a channel above 216 (a very
  // light background). Always opaque.
  static FX::FXColor getEnterColor(FX::FXColor c);
};

#endif
