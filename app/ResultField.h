// A read-only field of the fit results (zone limits, R^2, differences,
// equations, Larson-Miller ranges). A text longer than the field shows its
// start, sign included, and ends in a mark that it goes on, whenever the
// field does not have the keyboard focus; the toolkit's field would show
// the text's end as if it were the whole.
#ifndef QUILLGRID_RESULTFIELD_H
#define QUILLGRID_RESULTFIELD_H

#include <fx.h>

#include "TextInput_lom2.h"

class ResultField : public TextInput_lom2 {
  FXDECLARE(ResultField)
protected:
  ResultField() {}

public:
  ResultField(FX::FXComposite* p, FX::FXint ncols, FX::FXObject* tgt, FX::FXSelector sel, FX::FXuint opts);
  void layout() override;
  void killFocus() override;
  long onPaint(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  // The text is wider than the field shows.
  bool isTextCut() const;
};

#endif
