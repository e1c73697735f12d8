#include "FittedScrollWindow.h"

#include <algorithm>
#include <climits>

#include "WrapFrame.h"

using namespace FX;

FittedScrollWindow::FittedScrollWindow(FXComposite* p, FXuint opts, int lineStep) : FXScrollWindow(p, opts) {
  horizontalScrollBar()->setLine(lineStep);
  verticalScrollBar()->setLine(lineStep);
}

FXint FittedScrollWindow::getDefaultWidth() {
  FXWindow* content = contentWindow();
  FXint w = content ? content->getDefaultWidth() : 0;
  if (!(options & VSCROLLER_NEVER)) w += verticalScrollBar()->getDefaultWidth();
  return w;
}

bool FittedScrollWindow::contentWraps() {
  FXWindow* content = contentWindow();
  return content && content->shown() && wrapping::canWrap(content);
}

int FittedScrollWindow::viewWidthIn(int width, int height) {
  // Wrapping content grows downwards; it leaves room for a vertical scroll
  // bar only when it is taller than the window even so.
  if (!(options & VSCROLLER_NEVER) &&
      ((options & VSCROLLER_ALWAYS) || wrapping::heightForWidth(contentWindow(), width) > height))
    width -= verticalScrollBar()->getDefaultWidth();
  return width;
}

int FittedScrollWindow::contentWidthIn(int width, int height) {
  return std::max(viewWidthIn(width, height), wrapping::minimumWidth(contentWindow()));
}

FXint FittedScrollWindow::getContentWidth() {
  if (!contentWraps()) return FXScrollWindow::getContentWidth();
  return contentWidthIn(width, height);
}

FXint FittedScrollWindow::getContentHeight() {
  if (!contentWraps()) return FXScrollWindow::getContentHeight();
  return wrapping::heightForWidth(contentWindow(), getContentWidth());
}

FXint FittedScrollWindow::getDefaultHeight() {
  if (!contentWraps()) return FXScrollWindow::getDefaultHeight();
  // As high as the content's lines in the width the window gets, and the
  // sideways scroll bar when even that is too narrow; within the room its
  // siblings leave it.
  const int w = wrapping::expectedWidth(this);
  const int most = heightLeftBySiblings();
  const int view = viewWidthIn(w, most);
  const int cw = contentWidthIn(w, most);
  int h = wrapping::heightForWidth(contentWindow(), cw);
  if (!(options & HSCROLLER_NEVER) && ((options & HSCROLLER_ALWAYS) || cw > view))
    h += horizontalScrollBar()->getDefaultHeight();
  return std::min(h, most);
}

int FittedScrollWindow::heightLeftBySiblings() {
  FXPacker* frame = dynamic_cast<FXVerticalFrame*>(getParent());
  if (roomForSiblings < 0 || !frame || frame->getHeight() <= 1) return INT_MAX;
  int shown = 0;
  for (FXWindow* c = frame->getFirst(); c; c = c->getNext())
    if (c->shown()) ++shown;
  const int inner = frame->getHeight() - frame->getPadTop() - frame->getPadBottom() - 2 * frame->getBorderWidth() -
                    (shown - 1) * frame->getVSpacing();
  // Never less than a scroll bar and a line of the content.
  return std::max(inner - roomForSiblings, 4 * horizontalScrollBar()->getDefaultHeight());
}
