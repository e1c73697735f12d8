#include "FittedScrollWindow.h"

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
