// The image view of the Image tab. FOX 1.6's image view keeps pointer
// motion to itself, with or without a button held; the picking, the readouts, the
// magnifier and the rubber-band line need every motion, so this view also
// hands each one to its target.
//
// The view asks its parent for the size of its picture (without one, for
// the size it was made with); it fills whatever room it is given, shows the
// picture at its top left corner and scrolls a picture larger than itself.
#ifndef QUILLGRID_POINTERIMAGEVIEW_H
#define QUILLGRID_POINTERIMAGEVIEW_H

#include <fx.h>

class PointerImageView : public FX::FXImageView {
  FXDECLARE(PointerImageView)

protected:
  PointerImageView() {}

public:
  PointerImageView(FX::FXComposite* p, FX::FXImage* img = nullptr, FX::FXObject* tgt = nullptr,
                   FX::FXSelector sel = 0, FX::FXuint opts = 0, FX::FXint x = 0, FX::FXint y = 0,
                   FX::FXint w = 0, FX::FXint h = 0);
  long onMotion(FX::FXObject* sender, FX::FXSelector sel, void* ptr);
  FX::FXint getDefaultWidth() override;
  FX::FXint getDefaultHeight() override;

private:
  FX::FXint emptyWidth = 0;
  FX::FXint emptyHeight = 0;
};

#endif
