#include "FittedScrollWindow.h"

#include <algorithm>

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

int FittedScrollWindow::contentWidthIn(int width) {
  FXWindow* content = contentWindow();
  // Wrapping content is given no vertical scroll bar to make room for:
  // it grows downwards instead.
  if (!(options & VSCROLLER_NEVER) && (options & VSCROLLER_ALWAYS)) width -= verticalScrollBar()->getDefaultWidth();
  return std::max(width, wrapping::minimumWidth(content));
}

FXint FittedScrollWindow::getContentWidth() {
  if (!contentWraps()) return FXScrollWindow::getContentWidth();
  return contentWidthIn(width);
}

FXint FittedScrollWindow::getContentHeight() {
  if (!contentWraps()) return FXScrollWindow::getContentHeight();
  return wrapping::heightForWidth(contentWindow(), getContentWidth());
}

FXint FittedScrollWindow::getDefaultHeight() {
  if (!contentWraps()) return FXScrollWindow::getDefaultHeight();
  // As high as the content's lines in the width the window gets, and the
  // sideways scroll bar when even that is too narrow.
  const int w = wrapping::expectedWidth(this);
  const int cw = contentWidthIn(w);
  int h = wrapping::heightForWidth(contentWindow(), cw);
  if (!(options & HSCROLLER_NEVER) && ((options & HSCROLLER_ALWAYS) || cw > w))
    h += horizontalScrollBar()->getDefaultHeight();
  return h;
}
