// Offers a text as another program does: a small window owns the X
// clipboard or the primary selection (what the middle button pastes) with
// the UTF-8 and 8-bit text types and serves them on request.
#ifndef QUILLGRID_TESTS_TEXTOFFER_H
#define QUILLGRID_TESTS_TEXTOFFER_H

#include <fx.h>

namespace qgtest {

class TextOffer : public FX::FXFrame {
  FXDECLARE(TextOffer)
protected:
  TextOffer() {}

public:
  explicit TextOffer(FX::FXComposite* p);
  ~TextOffer();
  // Owns the clipboard, or the primary selection, with this text; the
  // window must have been created. False when the display refused.
  bool onClipboard(const FX::FXString& text);
  bool asSelection(const FX::FXString& text);
  long onRequest(FX::FXObject*, FX::FXSelector, void*);

private:
  FX::FXString text_;
};

}  // namespace qgtest

#endif
