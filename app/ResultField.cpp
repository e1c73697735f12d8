#include "ResultField.h"

using namespace FX;

ResultField::ResultField(FXComposite* p, FXint ncols, FXObject* tgt, FXSelector sel, FXuint opts)
    : FXTextField(p, ncols, tgt, sel, opts) {}

// Writing the text lays the field out with the cursor at the end; the
// reader wants the start. While the user works in the field it is theirs.
void ResultField::layout() {
  FXTextField::layout();
  if (hasFocus()) return;
  setCursorPos(0);
  makePositionVisible(0);
}
