// Handlers and operations of features that are not built yet. Each does
// nothing: a command handler reports the message as handled, an event
// handler leaves the event to the widget's own handling. They move to the
// file of their area as the features are built.
#include "Quillgrid.h"
#include "Table_lom2.h"

using namespace FX;

long Quillgrid::onFitPlotMotion(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onLeftBtnReleaseFitPlot(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onMouseEqnZones(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onMouseLMP(FXObject*, FXSelector, void*) { return 0; }
long Quillgrid::onCmdLMPStepSize(FXObject*, FXSelector, void*) { return 1; }
long Quillgrid::onCmdAutoFitLMP(FXObject*, FXSelector, void*) { return 1; }

void Quillgrid::setNumEquations(bool) {}

// Interim form until the zone markers are built: keeps the zone limits
// inside the data (evenly spaced when one leaves it or on reset) and
// refreshes the limit fields, which the fitting run reads. No markers are
// drawn on the plot.
void Quillgrid::drawZoneMarkers(bool reset) {
  const int n = numEquations < 1 ? 1 : (numEquations > 6 ? 6 : numEquations);
  const double top = roundLimitsToWholeNumbers(plotXmax);
  if (fitPlotZoneMarkers_real_x[n - 1] > top) fitPlotZoneMarkers_real_x[n - 1] = top;
  bool outside = reset;
  for (int j = 0; j < n; ++j)
    if (fitPlotZoneMarkers_real_x[j] < plotXmin || fitPlotZoneMarkers_real_x[j] > top) outside = true;
  if (outside)
    for (int j = 0; j < n; ++j) fitPlotZoneMarkers_real_x[j] = plotXmin + (plotXmax - plotXmin) / n * (j + 1);
  updateEquationZoneLimitsTextfields();
}
