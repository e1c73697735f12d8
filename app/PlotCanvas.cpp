#include "PlotCanvas.h"

#include "DataPlot.h"

using namespace FX;

FXDEFMAP(PlotCanvas) PlotCanvasMap[] = {
    FXMAPFUNC(SEL_PAINT, 0, PlotCanvas::onPaint),
};

FXIMPLEMENT(PlotCanvas, FXCanvas, PlotCanvasMap, ARRAYNUMBER(PlotCanvasMap))

PlotCanvas::PlotCanvas(FXComposite* p, DataPlot* plot, FXuint opts) : FXCanvas(p, nullptr, 0, opts), plot(plot) {}

long PlotCanvas::onPaint(FXObject*, FXSelector, void* ptr) {
  FXEvent* event = static_cast<FXEvent*>(ptr);
  FXDCWindow dc(this, event);
  FXImage* picture = plot ? plot->getImage() : nullptr;
  if (picture && picture->id() && picture->getWidth() == getWidth() && picture->getHeight() == getHeight()) {
    dc.drawImage(picture, 0, 0);
  } else {
    dc.setForeground(getBackColor());
    dc.fillRectangle(0, 0, getWidth(), getHeight());
  }
  return 1;
}
