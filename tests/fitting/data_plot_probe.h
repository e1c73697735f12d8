// Test access to the plot's state, shared by the plot tests.
#ifndef QUILLGRID_DATA_PLOT_PROBE_H
#define QUILLGRID_DATA_PLOT_PROBE_H

#include "DataPlot.h"

class PlotProbe : public DataPlot {
public:
  using DataPlot::DataPlot;
  using DataPlot::backgroundColor;
  using DataPlot::baseColor;
  using DataPlot::dx;
  using DataPlot::dy;
  using DataPlot::legends;
  using DataPlot::lineWidths;
  using DataPlot::noteOnTop;
  using DataPlot::note;
  using DataPlot::numPoints;
  using DataPlot::numSeries;
  using DataPlot::numXTicks;
  using DataPlot::numYTicks;
  using DataPlot::plotFont;
  using DataPlot::plotWidth;
  using DataPlot::pointSizes;
  using DataPlot::seriesPointColors;
  using DataPlot::textColor;
  using DataPlot::xData;
  using DataPlot::xFormat;
  using DataPlot::xmax;
  using DataPlot::xmin;
  using DataPlot::xResolution;
  using DataPlot::yData;
  using DataPlot::yFormat;
  using DataPlot::ymax;
  using DataPlot::ymin;
  using DataPlot::zoneDelimiterPixels;
};

#endif
