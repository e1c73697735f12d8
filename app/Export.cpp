// Export of the current tab's picture: the displayed image with its marks
// (Image tab) or the main fit plot (Curve Fitting tab), copied at full or
// half size or written to the file chosen by "Save image to file".
#include <algorithm>
#include <vector>

#include "DataPlot.h"
#include "Globals.h"
#include "ImageRules.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "Table_lom2.h"
#include "Utilities_lom2.h"
#include "fox16.h"

using namespace FX;

namespace {
const int IMAGE_TAB = 0;
const int CURVE_FITTING_TAB = 3;
}  // namespace

long Quillgrid::onCmdCopyToClipboard(FXObject*, FXSelector, void*) {
  makeHighResolutionImage(EXPORT_COPY);
  return 1;
}

long Quillgrid::onCmdCopyToClipboardHalfSize(FXObject*, FXSelector, void*) {
  makeHighResolutionImage(EXPORT_COPY_HALF_SIZE);
  return 1;
}

long Quillgrid::onCmdWritePlotFile(FXObject*, FXSelector, void*) {
  makeHighResolutionImage(EXPORT_WRITE_FILE);
  return 1;
}

FXImage* Quillgrid::makeHalfSizeImage(FXApp* app, FXImage* source) {
  if (!app || !source || !source->getData() || source->getWidth() < 2 || source->getHeight() < 2) return nullptr;
  const std::vector<FXColor> half = ImageRules::halfSizePixels(source->getData(), source->getWidth(), source->getHeight());
  const int w = source->getWidth() / 2, h = source->getHeight() / 2;
  FXColor* pixels = nullptr;
  FXMALLOC(&pixels, FXColor, w * h);
  std::copy(half.begin(), half.end(), pixels);
  FXImage* image = new FXImage(app, pixels, IMAGE_OWNED | IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, w, h);
  image->create();
  image->restore();
  return image;
}

void Quillgrid::makeHighResolutionImage(int mode) {
  const int tab = tabBook ? tabBook->getCurrent() : -1;
  FXImage* picture = nullptr;
  if (tab == CURVE_FITTING_TAB) {
    DataPlot* plot = mode == EXPORT_COPY_HALF_SIZE ? halfWidthPlot : fitPlot;
    picture = plot ? plot->getImage() : nullptr;
  } else if (tab == IMAGE_TAB) {
    picture = imageView ? imageView->getImage() : nullptr;
    if (picture && includeRotationOnImage_Chk && includeRotationOnImage_Chk->getCheck()) drawInfoToImage(picture);
  }
  // Only a picture that is on the display can be read back and copied.
  if (!picture || !picture->id()) return;

  // What was drawn on the display is what is exported. The picture's own
  // pixels are put back afterwards: the point searches, the colour pick and
  // the magnifier read them as the picture without its marks, and the
  // rubber-band line borrows the backup of the clean picture as its pixels.
  std::vector<FXColor> kept;
  FXColor* own = picture->getData();
  if (own) kept.assign(own, own + (size_t)picture->getWidth() * picture->getHeight());
  picture->restore();

  bool ok = true;
  bool written = true;
  if (tab == IMAGE_TAB && mode == EXPORT_COPY_HALF_SIZE) {
    FXImage* half = makeHalfSizeImage(getApp(), picture);
    if (half) {
      ok = Utilities_lom2::copyToClipboard(getApp(), half);
      half->destroy();
      delete half;
    }
  } else if (mode == EXPORT_WRITE_FILE) {
    written = Utilities_lom2::saveImageToFile(getApp(), picture, saveFileName);
  } else {
    ok = Utilities_lom2::copyToClipboard(getApp(), picture);
  }
  if (own && picture->getData() == own) std::copy(kept.begin(), kept.end(), own);

  if (!written)
    ModalSeam::error(this, MBOX_OK, "File error",
                     FXStringFormat("File \"%s\" could not be written, try a different name.", saveFileName.text()));
  if (!ok) ModalSeam::error(this, MBOX_OK, "Clipboard error", "Unknown error when copying plot to clipboard.");
}

FXString Quillgrid::infoPadding(int rotationAngle, const FXString& rotationText) {
  if (rotationAngle != 0) return rotationText;
  return FXString(' ', rotationText.count());
}

FXString Quillgrid::infoText(const FXString& xMin, const FXString& xMax, const FXString& yMin, const FXString& yMax,
                             const FXString& padding) {
  return FXStringFormat("x (min/max) = %s/%s; y (min/max) = %s/%s %s", xMin.text(), xMax.text(), yMin.text(),
                        yMax.text(), padding.text());
}

void Quillgrid::drawInfoToImage(FXImage* image) {
  if (!image || !image->id()) return;
  FXFont* font = getApp()->getNormalFont();
  const FXString rotationText = rotation_Lbl ? rotation_Lbl->getText() : FXString::null;
  const FXString padding = infoPadding(rotationAngle, rotationText);
  const int shift = rotationAngle == 0 ? font->getTextWidth(padding) / 2 : 0;
  auto axisText = [this](int axis, int row) -> FXString {
    Table_lom2* t = axisDataPoints_TBL[axis];
    return (t && row < t->getNumRows() && t->getNumColumns() > 0) ? t->getItemText(row, 0) : FXString::null;
  };
  const FXString text = infoText(axisText(0, 0), axisText(0, 1), axisText(1, 0), axisText(1, 1), padding);

  const int tw = font->getTextWidth(text);
  const int th = font->getTextHeight(text);
  const int x0 = image->getWidth() / 2 - tw / 2;
  FXDCWindow dc(image);
  dc.setFont(font);
  dc.setForeground(argb(0xFFFFFFFF));
  dc.fillRectangle(std::max(x0 - 5, 0), th / 4, tw + 10, th);
  const bool haveColor = pointColors && dataPointColorIndex >= 0 && dataPointColorIndex < NUM_POINT_COLORS;
  dc.setForeground(haveColor ? pointColors[dataPointColorIndex] : argb(0xFF000000));
  dc.drawText(std::max(x0 + shift, 0), th, text);
}
