// The longest text a window shows: in the cells of its tables, its text
// fields, labels and menu entries, and those of every widget below it.
// Header only, free of GoogleTest: the fuzz targets use it too.
#ifndef QUILLGRID_SHOWNTEXT_H
#define QUILLGRID_SHOWNTEXT_H

#include <fx.h>

#include <algorithm>

#include "Quillgrid.h"

namespace qgtest {

inline int longestShownText(FX::FXWindow* w) {
  int longest = 0;
  if (auto* t = dynamic_cast<FX::FXTable*>(w)) {
    for (int r = 0; r < t->getNumRows(); ++r)
      for (int c = 0; c < t->getNumColumns(); ++c) longest = std::max(longest, t->getItemText(r, c).length());
  } else if (auto* f = dynamic_cast<FX::FXTextField*>(w)) {
    longest = f->getText().length();
  } else if (auto* m = dynamic_cast<FX::FXMenuCaption*>(w)) {
    longest = m->getText().length();
  } else if (auto* l = dynamic_cast<FX::FXLabel*>(w)) {
    longest = l->getText().length();
  }
  for (FX::FXWindow* c = w->getFirst(); c; c = c->getNext()) longest = std::max(longest, longestShownText(c));
  return longest;
}

// The main window with its menu panes, which are not its children.
inline int longestShownText(Quillgrid* w) {
  int longest = longestShownText(static_cast<FX::FXWindow*>(w));
  for (FX::FXWindow* pane : {w->fileMenu, w->savePlotMenu, w->optionsMenu, w->helpMenu})
    if (pane) longest = std::max(longest, longestShownText(pane));
  return longest;
}

}  // namespace qgtest

#endif
