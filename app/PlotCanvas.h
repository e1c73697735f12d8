// The canvas of a small fit plot. It has no target of its own, so it
// repaints itself: whatever covered it (a menu, a message box, a file
// dialog) is replaced by the plot's last picture, or by the canvas colour
// while no picture of its size exists.
#ifndef QUILLGRID_PLOTCANVAS_H
#define QUILLGRID_PLOTCANVAS_H

#include <fx.h>

class DataPlot;

class PlotCanvas : public FX::FXCanvas {
  FXDECLARE(PlotCanvas)

protected:
  PlotCanvas() {}

public:
  PlotCanvas(FX::FXComposite* p, DataPlot* plot, FX::FXuint opts = 0);
  long onPaint(FX::FXObject* sender, FX::FXSelector sel, void* ptr);

private:
  DataPlot* plot = nullptr;
};

#endif
