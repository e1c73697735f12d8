#include "WrapFrame.h"

#include <algorithm>
#include <vector>

using namespace FX;

namespace {
// Frames that stack their children top to bottom, each as wide as the
// frame when it fills the width.
bool isVerticalPacker(FXWindow* w) { return dynamic_cast<FXVerticalFrame*>(w) || dynamic_cast<FXGroupBox*>(w); }

bool fillsWidth(FXWindow* w) { return (w->getLayoutHints() & LAYOUT_FILL_X) != 0; }

int widthHint(FXWindow* w) { return (w->getLayoutHints() & LAYOUT_FIX_WIDTH) ? w->getWidth() : w->getDefaultWidth(); }
int heightHint(FXWindow* w) {
  return (w->getLayoutHints() & LAYOUT_FIX_HEIGHT) ? w->getHeight() : w->getDefaultHeight();
}

// Padding and border on the left and right of a frame's children.
int sideExtra(FXPacker* p) { return p->getPadLeft() + p->getPadRight() + 2 * p->getBorderWidth(); }

// Set while stackExtra measures: wrapping frames then give the height of
// their lines in the width they have, which cancels out of the difference,
// instead of asking which width they will get (which may be what is being
// measured).
int measuringStackExtra = 0;

// A vertical frame's height beyond its children's (padding, border, spacing
// and a group box's title).
int stackExtra(FXPacker* p) {
  ++measuringStackExtra;
  int children = 0;
  for (FXWindow* c = p->getFirst(); c; c = c->getNext())
    if (c->shown()) children += heightHint(c);
  const int extra = p->getDefaultHeight() - children;
  --measuringStackExtra;
  return extra;
}

bool wrapsInParent(FXWindow* c) { return !(c->getLayoutHints() & LAYOUT_FIX_WIDTH) && wrapping::canWrap(c); }
}  // namespace

namespace wrapping {

bool canWrap(FXWindow* w) {
  if (dynamic_cast<WrapFrame*>(w)) return true;
  if (!isVerticalPacker(w)) return false;
  for (FXWindow* c = w->getFirst(); c; c = c->getNext())
    if (c->shown() && fillsWidth(c) && wrapsInParent(c)) return true;
  return false;
}

int minimumWidth(FXWindow* w) {
  if (WrapFrame* f = dynamic_cast<WrapFrame*>(w)) return f->getMinimumWidth();
  if (!canWrap(w)) return w->getDefaultWidth();
  FXPacker* p = static_cast<FXPacker*>(w);
  int widest = 0, widestDefault = 0;
  for (FXWindow* c = p->getFirst(); c; c = c->getNext()) {
    if (!c->shown()) continue;
    widest = std::max(widest, fillsWidth(c) && wrapsInParent(c) ? minimumWidth(c) : widthHint(c));
    widestDefault = std::max(widestDefault, widthHint(c));
  }
  // A group box whose title is wider than its children needs the title's
  // width whatever they do.
  const int titled = p->getDefaultWidth() > widestDefault + sideExtra(p) ? p->getDefaultWidth() : 0;
  return std::min(std::max(widest + sideExtra(p), titled), p->getDefaultWidth());
}

int heightForWidth(FXWindow* w, int width) {
  if (WrapFrame* f = dynamic_cast<WrapFrame*>(w)) return f->getHeightForWidth(width);
  if (!isVerticalPacker(w) || !canWrap(w)) return w->getDefaultHeight();
  FXPacker* p = static_cast<FXPacker*>(w);
  const int inner = width - sideExtra(p);
  int h = stackExtra(p);
  for (FXWindow* c = p->getFirst(); c; c = c->getNext()) {
    if (!c->shown()) continue;
    if (c->getLayoutHints() & LAYOUT_FIX_HEIGHT)
      h += c->getHeight();
    else if (fillsWidth(c) && wrapsInParent(c))
      h += heightForWidth(c, inner);
    else
      h += c->getDefaultHeight();
  }
  return h;
}

int expectedWidth(FXWindow* w) {
  FXWindow* p = w->getParent();
  if (p && fillsWidth(w) && isVerticalPacker(p)) return expectedWidth(p) - sideExtra(static_cast<FXPacker*>(p));
  FXScrollWindow* s = dynamic_cast<FXScrollWindow*>(p);
  if (s && s->contentWindow() == w) return s->getContentWidth();
  return w->getWidth() > 1 ? w->getWidth() : w->getDefaultWidth();
}

}  // namespace wrapping

WrapFrame::WrapFrame(FXComposite* p, FXuint opts, FXint pl, FXint pr, FXint pt, FXint pb, FXint hs, FXint vs)
    : FXPacker(p, opts, 0, 0, 0, 0, pl, pr, pt, pb, hs, vs) {}

void WrapFrame::recalc() {
  knownDefaultWidth = knownMinimumWidth = -1;
  numKnownHeights = 0;
  FXPacker::recalc();
}

FXint WrapFrame::getDefaultWidth() {
  if (knownDefaultWidth >= 0) return knownDefaultWidth;
  int w = 0, n = 0;
  for (FXWindow* c = getFirst(); c; c = c->getNext())
    if (c->shown()) {
      w += widthHint(c);
      ++n;
    }
  if (n > 1) w += (n - 1) * hspacing;
  return knownDefaultWidth = w + sideExtra(this);
}

FXint WrapFrame::getMinimumWidth() {
  if (knownMinimumWidth >= 0) return knownMinimumWidth;
  int widest = 0;
  for (FXWindow* c = getFirst(); c; c = c->getNext())
    if (c->shown()) widest = std::max(widest, wrapsInParent(c) ? wrapping::minimumWidth(c) : widthHint(c));
  return knownMinimumWidth = widest + sideExtra(this);
}

FXint WrapFrame::getHeightForWidth(FXint width) {
  for (int k = 0; k < numKnownHeights; ++k)
    if (knownWidths[k] == width) return knownHeights[k];
  const int h = arrange(width - sideExtra(this), nullptr) + padtop + padbottom + 2 * border;
  const int k = numKnownHeights < KNOWN_HEIGHTS ? numKnownHeights++ : width % KNOWN_HEIGHTS;
  knownWidths[k] = width;
  knownHeights[k] = h;
  return h;
}

FXint WrapFrame::getDefaultHeight() {
  if (measuringStackExtra) return getHeightForWidth(width > 1 ? width : getDefaultWidth());
  return getHeightForWidth(wrapping::expectedWidth(this));
}

FXint WrapFrame::arrange(FXint width, Place* places) {
  int x = 0, y = 0, lineH = 0, n = 0, lineFirst = 0;
  bool lineEmpty = true;
  // Children that fill the height take their line's; centred ones stand in
  // its middle.
  const auto finishLine = [&]() {
    if (!places) return;
    for (int k = lineFirst; k < n; ++k) {
      const FXuint hints = places[k].child->getLayoutHints();
      if (hints & LAYOUT_FILL_Y)
        places[k].h = lineH;
      else if (hints & LAYOUT_CENTER_Y)
        places[k].y += (lineH - places[k].h) / 2;
    }
  };
  for (FXWindow* c = getFirst(); c; c = c->getNext()) {
    if (!c->shown()) continue;
    const int natural = widthHint(c);
    const bool wraps = wrapsInParent(c);
    const int narrowest = wraps ? wrapping::minimumWidth(c) : natural;
    const auto heightAt = [&](int cw) {
      if (c->getLayoutHints() & LAYOUT_FIX_HEIGHT) return c->getHeight();
      return wraps ? wrapping::heightForWidth(c, cw) : c->getDefaultHeight();
    };
    // On a line of its own a child is as wide as it likes, within the
    // frame when it can wrap.
    const int ownWidth = wraps ? std::max(narrowest, std::min(natural, width)) : natural;
    int cw = ownWidth, ch = 0;
    bool newLine = false;
    if (lineEmpty) {
      ch = heightAt(cw);
    } else {
      const int room = width - x - hspacing;
      if (natural <= room) {
        cw = natural;
        ch = heightAt(cw);
      } else {
        const int ownH = heightAt(ownWidth);
        newLine = true;
        ch = ownH;
        // The rest of the line, when that costs less height than a line
        // of its own.
        if (wraps && narrowest <= room) {
          const int besideH = heightAt(room);
          if (std::max(lineH, besideH) <= lineH + vspacing + ownH) {
            newLine = false;
            cw = room;
            ch = besideH;
          }
        }
      }
    }
    if (newLine) {
      finishLine();
      y += lineH + vspacing;
      x = 0;
      lineH = 0;
      lineFirst = n;
      lineEmpty = true;
    }
    const int cx = lineEmpty ? 0 : x + hspacing;
    if (places) places[n] = Place{c, cx, y, cw, ch};
    ++n;
    x = cx + cw;
    lineH = std::max(lineH, ch);
    lineEmpty = false;
  }
  finishLine();
  return n ? y + lineH : 0;
}

void WrapFrame::layout() {
  std::vector<Place> places(numChildren());
  const int n = numChildren();
  arrange(width - sideExtra(this), places.data());
  int k = 0;
  for (FXWindow* c = getFirst(); c && k < n; c = c->getNext()) {
    if (!c->shown()) continue;
    const Place& p = places[k++];
    c->position(border + padleft + p.x, border + padtop + p.y, p.w, p.h);
  }
  flags &= ~FLAG_DIRTY;
}
