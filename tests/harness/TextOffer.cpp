#include "TextOffer.h"

using namespace FX;

namespace qgtest {

FXDEFMAP(TextOffer) TextOfferMap[] = {
    FXMAPFUNC(SEL_CLIPBOARD_REQUEST, 0, TextOffer::onRequest),
    FXMAPFUNC(SEL_SELECTION_REQUEST, 0, TextOffer::onRequest),
};
FXIMPLEMENT(TextOffer, FXFrame, TextOfferMap, ARRAYNUMBER(TextOfferMap))

namespace {
FXDragType textTypes[2];
FXDragType* types() {
  textTypes[0] = FXWindow::utf8Type;
  textTypes[1] = FXWindow::stringType;
  return textTypes;
}
}  // namespace

TextOffer::TextOffer(FXComposite* p) : FXFrame(p) {}

TextOffer::~TextOffer() {
  if (hasClipboard()) releaseClipboard();
  if (hasSelection()) releaseSelection();
}

bool TextOffer::onClipboard(const FXString& text) {
  text_ = text;
  return acquireClipboard(types(), 2) != 0;
}

bool TextOffer::asSelection(const FXString& text) {
  text_ = text;
  return acquireSelection(types(), 2) != 0;
}

long TextOffer::onRequest(FXObject*, FXSelector sel, void* ptr) {
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  if (ev->target != utf8Type && ev->target != stringType) return 0;
  setDNDData(FXSELTYPE(sel) == SEL_CLIPBOARD_REQUEST ? FROM_CLIPBOARD : FROM_SELECTION, ev->target, text_);
  return 1;
}

}  // namespace qgtest
