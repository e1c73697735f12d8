// A read-only field of the fit results (zone limits, R^2, differences,
// equations, Larson-Miller ranges). A text longer than the field shows its
// start, sign included, whenever the field is written or resized without
// the keyboard focus; the toolkit's field would show its end.
#ifndef QUILLGRID_RESULTFIELD_H
#define QUILLGRID_RESULTFIELD_H

#include <fx.h>

class ResultField : public FX::FXTextField {
public:
  ResultField(FX::FXComposite* p, FX::FXint ncols, FX::FXObject* tgt, FX::FXSelector sel, FX::FXuint opts);
  void layout() override;
};

#endif
