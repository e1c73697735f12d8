// The equation-zone limits: their defaults, their validation, the
// triangular markers under the main fit plot, the zone count, and moving
// a limit by dragging its marker or by turning the mouse wheel over its
// field in the fitting grid.
#include <cmath>
#include <vector>

#include "DataPlot.h"
#include "Quillgrid.h"

using namespace FX;

namespace {
const int NUM_ZONES = 6;
const int NUM_SMALL_PLOTS = 7;

int clampedZoneCount(int n) { return n < 1 ? 1 : (n > NUM_ZONES ? NUM_ZONES : n); }
}  // namespace

void Quillgrid::evenZoneLimits(double xmin, double xmax, int n, double* limits) {
  n = clampedZoneCount(n);
  for (int j = 0; j < n; ++j) limits[j] = xmin + (xmax - xmin) / n * (j + 1);
  // The last zone ends exactly at the end of the data.
  limits[n - 1] = xmax;
}

int Quillgrid::zoneLimitWheelStep(int minStep, bool shift, bool control) {
  if (shift && control) return minStep * 27;
  if (shift || control) return minStep * 3;
  return minStep;
}

void Quillgrid::setDefaultZoneMarkers() {
  const int n = getNumberOfRowsWithData();
  if (n <= 1) return;
  // Reading the rows sets the extents of the transformed data; data the
  // fit type cannot take leave them (and the limits) as they were, the fit
  // itself reports the bad values.
  const double saved[4] = {plotXmin, plotXmax, plotYmin, plotYmax};
  const bool savedKnown = plotRangeKnown;
  std::vector<double> xs(n), ys(n);
  bool xOk = true, yOk = true, tOk = true;
  getPlotXYData(n, &xOk, &yOk, &tOk, nullptr, nullptr, xs.data(), ys.data());
  if (!xOk || !yOk || !tOk || plotXmin > plotXmax) {
    plotXmin = saved[0];
    plotXmax = saved[1];
    plotYmin = saved[2];
    plotYmax = saved[3];
    plotRangeKnown = savedKnown;
    return;
  }
  if (fitPlot) fitPlot->setMinMax(plotXmin, plotXmax, plotYmin, plotYmax);
  evenZoneLimits(plotXmin, plotXmax, clampedZoneCount(numEquations), fitPlotZoneMarkers_real_x);
}

void Quillgrid::drawZoneMarkers(bool reset) { placeZoneMarkers(reset, true); }

void Quillgrid::placeZoneMarkers(bool reset, bool draw) {
  const int n = clampedZoneCount(numEquations);
  if (fitPlot) {
    if (reset) {
      setDefaultZoneMarkers();
    } else if (plotRangeKnown) {
      // A limit left outside the data (the data changed, or the limits
      // were never placed) puts all of them back to their defaults. With
      // whole-number limits the end of the data is rounded first, so a
      // last limit of 250.4 stays as 250. The last limit is the end of
      // the data: when the data now reach further it follows them too.
      // Limits just read from a file wait for the data's extents, which
      // the next fit reads.
      const double top = roundLimitsToWholeNumbers(plotXmax);
      if (fitPlotZoneMarkers_real_x[n - 1] >= plotXmin) fitPlotZoneMarkers_real_x[n - 1] = top;
      for (int j = 0; j < n; ++j)
        if (!(fitPlotZoneMarkers_real_x[j] >= plotXmin && fitPlotZoneMarkers_real_x[j] <= top)) {
          setDefaultZoneMarkers();
          break;
        }
    }
    if (fitPlotCanvas && fitPlotCanvas->getWidth() / n > 0) {
      // The last zone's limit is the end of the data and has no marker.
      fitPlot->setNumZoneDelimiters(n - 1, ZONE_MARKER_SIZE);
      int placed[NUM_ZONES] = {0};
      for (int j = 0; j < n - 1; ++j) {
        placed[j] = fitPlot->getPixelsFromRealX(fitPlotZoneMarkers_real_x[j]);
        fitPlot->positionZoneDelimiter(j, placed[j]);
      }
      // Without plot data the plots were blanked on purpose (no fit, or a
      // refused one): drawing would bring an old fit back.
      if (draw && plotDataX && plotDataY) {
        fitPlot->drawPlot(fitPlotCanvas);
        // The pixel scale is fixed by the drawing; when the range changed
        // since the last one, the markers move to their new pixels.
        bool moved = false;
        for (int j = 0; j < n - 1; ++j) {
          const int px = fitPlot->getPixelsFromRealX(fitPlotZoneMarkers_real_x[j]);
          if (px != placed[j]) {
            fitPlot->positionZoneDelimiter(j, px);
            moved = true;
          }
        }
        if (moved) fitPlot->drawPlot(fitPlotCanvas);
      }
    }
  }
  updateEquationZoneLimitsTextfields();
}

void Quillgrid::setNumEquations(bool reset) {
  numEquations = numOfEquations_LB ? numOfEquations_LB->getCurrentItem() + 1 : 1;
  if (numEquations > NUM_ZONES || numEquations < 1) numEquations = 1;
  if (numOfOverlapPoints_LB) {
    if (numEquations >= 2)
      numOfOverlapPoints_LB->enable();
    else
      numOfOverlapPoints_LB->disable();
  }
  // One small plot per zone boundary, the two ends included.
  for (int i = 0; i < NUM_SMALL_PLOTS; ++i) setShown(smallPlotFrame[i], i <= numEquations);
  if (fitPlotCanvas) fitPlotCanvas->recalc();
  if (halfWidthPlotCanvas) halfWidthPlotCanvas->recalc();
  drawZoneMarkers(reset);
}

long Quillgrid::onFitPlotMotion(FXObject* sender, FXSelector, void* ptr) {
  if (draggedZoneMarker < 0 || draggedZoneMarker >= clampedZoneCount(numEquations) - 1) return 0;
  if (!fitPlot || !fitPlotCanvas || (sender && sender != fitPlotCanvas)) return 0;
  // The same coordinates as the grab: the fit plot canvas's own.
  FXint x = 0, y = 0;
  if (const FXEvent* ev = static_cast<const FXEvent*>(ptr)) {
    x = ev->win_x;
  } else {
    FXuint buttons = 0;
    fitPlotCanvas->getCursorPosition(x, y, buttons);
  }
  if (!checkEqnZoneLimits(draggedZoneMarker, x)) return 0;
  fitPlotZoneMarkers_real_x[draggedZoneMarker] = roundLimitsToWholeNumbers(fitPlot->getRealXfromPixels(x));
  // The fit follows when the button is let go.
  drawZoneMarkers(false);
  return 1;
}

long Quillgrid::onLeftBtnReleaseFitPlot(FXObject*, FXSelector, void*) {
  const bool dragged = draggedZoneMarker >= 0;
  draggedZoneMarker = -1;
  // Only the end of a marker drag fits again; a click elsewhere on the
  // plot changes nothing.
  if (dragged) getQuillgrid();
  return 1;
}

long Quillgrid::onMouseEqnZones(FXObject*, FXSelector sel, void* ptr) {
  const int k = FXSELID(sel) - ID_ZONE_LIMIT_FIRST;
  // The last zone's limit is the end of the data; unused zones have none.
  if (k < 0 || k >= clampedZoneCount(numEquations) - 1) return 0;
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  // The toolkit follows each notch with a message of amount 0 (the wheel
  // button's release), which turns nothing. Before the first drawing the
  // plot has no pixel scale.
  if (!ev || ev->code == 0 || !fitPlot || fitPlot->getXaxisResolutionPerPixel() <= 0) return 0;
  const int step =
      zoneLimitWheelStep(minMouseWheelStep, (ev->state & SHIFTMASK) != 0, (ev->state & CONTROLMASK) != 0);
  int p = fitPlot->getPixelsFromRealX(fitPlotZoneMarkers_real_x[k]);
  // A notch away from the user moves the limit to the right.
  p += ev->code > 0 ? step : -step;
  if (!checkEqnZoneLimits(k, p)) return 0;
  fitPlotZoneMarkers_real_x[k] = fitPlot->getRealXfromPixels(p);
  drawZoneMarkers(false);
  getQuillgrid();
  return 1;
}
