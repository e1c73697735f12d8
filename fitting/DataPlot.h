// DataPlot: the program's own XY chart.
//
// A plain object (not a widget) that holds one or more data series with
// their styles, axis titles, a note, tick settings and equation-zone
// markers. It renders them into an off-screen image and copies that image
// onto a canvas. Settings only store; nothing is drawn until drawPlot.
//
// Usual cycle per redraw: setData (which resets the series styles), then
// styles, point colours, legends, zone markers and ranges (setMinMax),
// then drawPlot, which fixes the plot area and the X resolution. Only after
// a drawing do the pixel conversions give positions on the current image.
#ifndef QUILLGRID_DATAPLOT_H
#define QUILLGRID_DATAPLOT_H

#include <fx.h>

#include <functional>
#include <vector>

class DataPlot {
public:
  // Where the note stands.
  enum Alignment {
    TOP_LEFT = 0,
    TOP_RIGHT = 1,
    TOP_CENTER = 2,
    BOTTOM_LEFT = 3,
    BOTTOM_RIGHT = 4,
    BOTTOM_CENTER = 5
  };

  explicit DataPlot(FX::FXTopWindow* owner);
  virtual ~DataPlot();
  DataPlot(const DataPlot&) = delete;
  DataPlot& operator=(const DataPlot&) = delete;

  // Settings.
  void setPlotSize(int points);
  void setPlotLineColor(FX::FXColor color);
  void setNoteAlignemnt(DataPlot::Alignment alignment);
  void setBackgroundColor(FX::FXColor color);
  void showAxis(bool show);
  void outlinePoints(bool outline);
  void autoScaleY(bool autoScale);
  void setPlotLineWidth(int width);
  void setPlotLineWidth(const int* widths);
  void setPlotPointSize(int size);
  void setPlotPointSize(const int* sizes);
  void setPlotPointColor(FX::FXColor** colors);
  void setLegends(const FX::FXString* texts);
  void setNumZoneDelimiters(int count, int markerSize);
  void positionZoneDelimiter(int index, int pixel);
  void positionZoneDelimiter(int index, double x);
  void setMinMax(double xmin, double xmax, double ymin, double ymax);
  void set_dx_user(double d);
  void set_dy_user(double d);
  void reset_dx();
  void reset_dy();

  // Data: one X and one Y array per series.
  void setData(FX::FXColor background, const FX::FXString& xTitle, const FX::FXString& yTitle,
               const FX::FXString& note, bool noteOnTop, int xDecimals, int yDecimals,
               bool decimalComma, bool gridLines, const int* numPoints, const double* const* x,
               int numSeries, const double* const* y);
  // Every series has count points and shares the X values of x.
  void setData(FX::FXColor background, const FX::FXString& xTitle, const FX::FXString& yTitle,
               const FX::FXString& note, bool noteOnTop, int xDecimals, int yDecimals,
               bool decimalComma, bool gridLines, int count, const double* x, int numSeries,
               const double* const* y);
  // One series with a note; the note keeps its present placement (on top or not).
  void setData(FX::FXColor background, const FX::FXString& xTitle, const FX::FXString& yTitle,
               const FX::FXString& note, int xDecimals, int yDecimals, bool decimalComma,
               bool gridLines, int count, const double* x, const double* y);
  // One series without a note.
  void setData(FX::FXColor background, const FX::FXString& xTitle, const FX::FXString& yTitle,
               int xDecimals, int yDecimals, bool decimalComma, bool gridLines, int count,
               const double* x, const double* y);
  void allocateArrays(const int* numPoints);
  void allocateArrays(int count);
  void freeArrays();

  // Queries.
  FX::FXImage* getImage() const { return plotImage; }
  void getMinMaxXPixels(int* min, int* max) const;
  int getPixelsFromRealX(double x) const;
  double getRealXfromPixels(int p) const;
  double getXaxisResolutionPerPixel() const;
  FX::FXColor getLineColor(FX::FXDCWindow* dc, unsigned long series) const;

  // Tick intervals, steps and label formats from the ranges.
  void getNumXTicks();
  void getNumYTicks();
  // Fits the Y range to the points that lie in the X range.
  void autoScaleY();

  // Drawing.
  void drawPlot(FX::FXCanvas* canvas);
  void blank(FX::FXCanvas* canvas);
  void drawZoneMarker(FX::FXDCWindow* dc, int x, int y);
  void drawNote(FX::FXDCWindow* dc, int left, int bottom, int top, int lineHeight);
  // The note's lines, each broken at blanks where it is wider than maxWidth
  // (as widthOf measures), so that a note stays within the plot; a word
  // wider than maxWidth stays whole on a line of its own.
  static FX::FXString wrapNote(const FX::FXString& note, int maxWidth,
                               const std::function<int(const FX::FXString&)>& widthOf);
  void drawLegend(FX::FXDCWindow* dc, int left, int bottom);

protected:
  FX::FXTopWindow* owner;
  FX::FXFont* plotFont;
  FX::FXColor* imageData;
  FX::FXColor baseColor;
  FX::FXImage* plotImage;
  FX::FXColor* yTitleData;
  FX::FXColor backgroundColor;
  FX::FXColor textColor;
  FX::FXColor lineColor;
  FX::FXColor** seriesPointColors;
  bool decimalComma;
  bool lineColorSet;
  bool userDx, userDy;
  bool showAxis_;
  bool autoScaleY_;
  bool outlinePoints_;
  bool noteOnTop;
  bool gridLines;
  int canvasWidth, canvasHeight;
  int numSeries;
  int* numPoints;
  int numZoneDelimiters;
  int zoneMarkerSize;
  int numXTicks, numYTicks;
  int maxXPixel, minXPixel;
  int plotWidth;
  int xLabelWidth;
  int xDecimals, yDecimals;
  int* lineWidths;
  int* pointSizes;
  int* zoneDelimiterPixels;
  double dx, dy;
  // The first tick is multiple number firstXTick of dx (firstYTick of dy);
  // NaN when the step is not positive and the ticks start at the minimum.
  double firstXTick, firstYTick;
  double xmin, xmax, ymin, ymax;
  double xResolution;
  double** xData;
  double** yData;
  FX::FXString xTitle, yTitle, note;
  FX::FXString xFormat, yFormat;
  FX::FXString* legends;
  DataPlot::Alignment noteAlignment;

  // Bookkeeping that keeps the arrays above consistent.
  int numPointColorSeries;   // series the point-colour arrays were made for
  int* numPointColors;       // colours held per series
  int yTitleDataSize;        // pixels in yTitleData

private:
  FX::FXApp* app() const;
  bool canMeasure() const;
  int textWidth(const FX::FXString& s) const;
  int textHeight(const FX::FXString& s) const;
  FX::FXString labelText(const FX::FXString& format, double value) const;
  FX::FXColor contrastColor() const;
  void freePointColors();
  void resizeTitleData(int width, int height);
  // The pixels a new plot image starts with: none, or the background,
  // uploaded to the display or painted there.
  enum ImagePixels { NO_PIXELS, BACKGROUND_UPLOADED, BACKGROUND_PAINTED };
  void replaceImage(int width, int height, FX::FXuint options, ImagePixels pixels);
  void copyToCanvas(FX::FXCanvas* canvas);
  double columnOf(double x) const;
  void drawSeries(FX::FXDCWindow* dc, int s, int bottom, double yRes, int plotH);
  std::vector<bool> lastPointAtEachPixel(const std::vector<double>& columns, const std::vector<double>& rows,
                                         int d) const;
};

#endif
