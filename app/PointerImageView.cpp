#include "PointerImageView.h"

using namespace FX;

FXDEFMAP(PointerImageView) PointerImageViewMap[] = {
    FXMAPFUNC(SEL_MOTION, 0, PointerImageView::onMotion),
};

FXIMPLEMENT(PointerImageView, FXImageView, PointerImageViewMap, ARRAYNUMBER(PointerImageViewMap))

PointerImageView::PointerImageView(FXComposite* p, FXImage* img, FXObject* tgt, FXSelector sel, FXuint opts,
                                   FXint x, FXint y, FXint w, FXint h)
    : FXImageView(p, img, tgt, sel, opts, x, y, w, h), emptyWidth(w), emptyHeight(h) {}

FXint PointerImageView::getDefaultWidth() { return image ? image->getWidth() : emptyWidth; }

FXint PointerImageView::getDefaultHeight() { return image ? image->getHeight() : emptyHeight; }

long PointerImageView::onMotion(FXObject* sender, FXSelector sel, void* ptr) {
  const long handled = FXImageView::onMotion(sender, sel, ptr);
  if (isEnabled() && target && target->tryHandle(this, FXSEL(SEL_MOTION, message), ptr)) return 1;
  return handled;
}
