// DataPlot: data, settings, scales and drawing of the XY chart.
#include "DataPlot.h"

#include <algorithm>
#include <cmath>

#include "fox16.h"

using namespace FX;

namespace {

// X11 carries coordinates as 16-bit numbers; everything drawn is kept
// within this band so that far-away values cannot wrap around onto the
// picture.
const double kMaxCoord = 30000.0;

// A user tick step that gives more intervals than this is refused: the
// ticks would be unreadable and drawing them could take a long time.
const double kMaxUserTicks = 1000.0;

const int kPaletteSize = 10;

// Decimals that show every whole multiple of a step exactly (at most 15).
int decimalsOf(double step) {
  double scaled = step;
  for (int d = 0; d < 15; ++d, scaled *= 10)
    if (std::fabs(scaled - std::round(scaled)) <= 1e-6 * std::fabs(scaled)) return d;
  return 15;
}

// The step of ticks a plot computes from its range: the round step (1, 2 or
// 5 times a power of ten) at or above the even share of the range, so that
// each tick can be labelled with its own value; with fixed decimals never
// finer than the last shown decimal. A share that is not a positive number
// (a reversed or empty range, a plot too narrow for ticks) stays as it is.
double roundStep(double share, int decimals) {
  if (!(share > 0) || !std::isfinite(share)) return share;
  const double unit = std::pow(10.0, std::floor(std::log10(share)));
  double step = 10 * unit;
  for (double m : {1.0, 2.0, 5.0})
    if (m * unit >= share * (1 - 1e-9)) {
      step = m * unit;
      break;
    }
  if (decimals >= 0) step = std::max(step, std::pow(10.0, -decimals));
  return step;
}

bool usableStep(double step) { return step > 0 && std::isfinite(step); }

// Ticks stand on the whole multiples of a usable step: the first at or
// above lo is multiple number firstTick(lo, step). Other steps keep the
// ticks at lo + i * step (firstTick gives NaN for them).
double firstTick(double lo, double step) { return usableStep(step) ? std::ceil(lo / step - 1e-9) : NAN; }

double tickValue(double first, double step, double lo, int i) {
  return std::isnan(first) ? lo + i * step : (first + i) * step;
}

// Whether tick value v lies beyond the end hi of its axis.
bool pastEnd(double v, double hi, double step) { return usableStep(step) && v > hi + 1e-9 * step; }

// Label format for a tick step: fixed decimals, or (negative decimals)
// chosen by the step: below 0.001 (which takes in every negative step of a
// reversed range) the exponent form, else fewer decimals for larger steps.
// The labels of ticks on the multiples of a usable step (largest: the size
// of the largest tick) are always exact: the exponent form gets the digits
// they need, and fixed-point the decimals of a step finer than they show.
FXString tickFormat(int decimals, double step, double largest) {
  const bool usable = usableStep(step);
  if (decimals < 0) {
    if (step < 0.001) {
      int digits = 2;
      if (usable && largest > 0)
        digits = std::max(digits, (int)std::floor(std::log10(largest)) + decimalsOf(step));
      return FXStringFormat("%%.%dle", std::min(digits, 15));
    }
    decimals = step < 0.01 ? 4 : step < 0.1 ? 3 : step < 1 ? 2 : 0;
  }
  if (usable) decimals = std::max(decimals, decimalsOf(step));
  return FXStringFormat("%%.%df", decimals);
}

// The size of the largest tick value over [lo, hi].
double largestTick(double lo, double hi, double step) {
  if (!usableStep(step)) return 0;
  return std::max(std::fabs(firstTick(lo, step) * step), std::fabs(std::floor(hi / step + 1e-9) * step));
}

// Tick intervals for a user step over [lo, hi]: one more than fit whole
// when the steps do not reach hi. False when the step cannot be used.
bool userTickCount(double step, double lo, double hi, int* count) {
  if (!(step > 0) || !std::isfinite(step)) return false;
  const double q = (hi - lo) / step;
  if (!std::isfinite(q) || std::fabs(q) > kMaxUserTicks) return false;
  const int n = static_cast<int>(q);
  *count = hi > n * step + lo ? n + 1 : n;
  return true;
}

// Pixels from the start of an axis to a value delta units away, truncated
// toward zero. An empty range (resolution 0) puts its own value in the
// middle of the axis and any other value just beyond the matching end.
double axisOffset(double delta, double resolution, int span) {
  if (std::isnan(delta)) return delta;
  if (resolution != 0 && std::isfinite(resolution)) return std::trunc(delta / resolution);
  if (delta == 0) return span / 2;
  return delta < 0 ? -1.0 : span + 1.0;
}

// A drawing coordinate: within the band X11 can carry.
int px(double v) {
  if (std::isnan(v)) return static_cast<int>(-kMaxCoord);
  return static_cast<int>(std::max(-kMaxCoord, std::min(kMaxCoord, v)));
}

// A segment between points whose rows may lie far outside the picture:
// cut to the band of rows X11 can carry, keeping its slope.
void drawClippedSegment(FXDCWindow* dc, double x1, double y1, double x2, double y2) {
  if ((y1 < -kMaxCoord && y2 < -kMaxCoord) || (y1 > kMaxCoord && y2 > kMaxCoord)) return;
  auto cut = [](double& xa, double& ya, double xb, double yb) {
    const double edge = std::max(-kMaxCoord, std::min(kMaxCoord, ya));
    if (edge != ya) {
      // An end infinitely far away: near the picture the segment runs
      // straight up or down from the other end.
      xa = std::isinf(ya) ? xb : xa + (xb - xa) * (edge - ya) / (yb - ya);
      ya = edge;
    }
  };
  cut(x1, y1, x2, y2);
  cut(x2, y2, x1, y1);
  dc->drawLine(px(x1), px(y1), px(x2), px(y2));
}

void fillDisc(FXDCWindow* dc, int cx, int cy, int d) {
  dc->fillArc(cx - d / 2, cy - d / 2, d, d, 0, 23040);
}

void drawTextIfAny(FXDCWindow* dc, int x, int y, const FXString& s) {
  if (!s.empty()) dc->drawText(x, y, s);
}

// Replaces an int array by n copies of a value, or of the first n entries
// of another array.
void refillInts(int*& array, int n, int value, const int* values) {
  delete[] array;
  array = new int[n];
  for (int i = 0; i < n; ++i) array[i] = values ? values[i] : value;
}

}  // namespace

DataPlot::DataPlot(FXTopWindow* owner_)
    : owner(owner_),
      plotFont(nullptr),
      imageData(nullptr),
      baseColor(argb(0xFFFF0000)),
      plotImage(nullptr),
      yTitleData(nullptr),
      backgroundColor(argb(0xFFFFFFFF)),
      textColor(argb(0xFF000000)),
      lineColor(argb(0xFF000000)),
      seriesPointColors(nullptr),
      decimalComma(false),
      lineColorSet(false),
      userDx(false),
      userDy(false),
      showAxis_(true),
      autoScaleY_(false),
      outlinePoints_(false),
      noteOnTop(false),
      gridLines(false),
      canvasWidth(0),
      canvasHeight(0),
      numSeries(1),
      numPoints(nullptr),
      numZoneDelimiters(0),
      zoneMarkerSize(0),
      numXTicks(10),
      numYTicks(10),
      maxXPixel(0),
      minXPixel(0),
      plotWidth(0),
      xLabelWidth(0),
      xDecimals(2),
      yDecimals(-1),
      lineWidths(nullptr),
      pointSizes(nullptr),
      zoneDelimiterPixels(nullptr),
      dx(0),
      dy(0),
      firstXTick(0),
      firstYTick(0),
      xmin(0),
      xmax(0),
      ymin(0),
      ymax(0),
      xResolution(0),
      xData(nullptr),
      yData(nullptr),
      legends(nullptr),
      noteAlignment(TOP_LEFT),
      numPointColorSeries(0),
      numPointColors(nullptr),
      yTitleDataSize(0) {
  // The toolkit reports the normal font's size in decipoints; this
  // constructor takes points.
  FXFontDesc desc;
  app()->getNormalFont()->getFontDesc(desc);
  plotFont = new FXFont(app(), desc.face, desc.size / 10, FXFont::Normal, FXFont::Straight,
                        FONTENCODING_DEFAULT, FXFont::NonExpanded);
  if (app()->getDisplay()) plotFont->create();
  lineWidths = new int[1]{1};
  pointSizes = new int[1]{0};
  xFormat = FXStringFormat("%%.%df", 2);
}

DataPlot::~DataPlot() {
  delete plotFont;
  freeArrays();
  freePointColors();
  delete[] zoneDelimiterPixels;
  delete[] yTitleData;
  delete plotImage;
  delete[] imageData;
}

FXApp* DataPlot::app() const { return owner ? owner->getApp() : FXApp::instance(); }

// Text can be measured and drawn once the font exists on the display; a
// plot made before the display was opened creates its font late.
bool DataPlot::canMeasure() const {
  if (!plotFont->id() && app()->getDisplay()) plotFont->create();
  return plotFont->id() != 0;
}

int DataPlot::textWidth(const FXString& s) const { return canMeasure() ? plotFont->getTextWidth(s) : 0; }

int DataPlot::textHeight(const FXString& s) const { return canMeasure() ? plotFont->getTextHeight(s) : 0; }

FXString DataPlot::labelText(const FXString& format, double value) const {
  FXString s = FXStringFormat(format.text(), value);
  if (decimalComma) s.substitute('.', ',');
  return s;
}

// Black on the white and the grey background, white on any other.
FXColor DataPlot::contrastColor() const {
  return backgroundColor == argb(0xFFFFFFFF) || backgroundColor == argb(0xFFC8C8C8) ? argb(0xFF000000)
                                                                                    : argb(0xFFFFFFFF);
}

// ---------------------------------------------------------------- settings

void DataPlot::setPlotSize(int points) {
  FXFontDesc desc;
  app()->getNormalFont()->getFontDesc(desc);
  // The description holds decipoints in 16 bits.
  desc.size = static_cast<FXushort>(std::max(1, std::min(points, 6000)) * 10);
  plotFont->destroy();
  plotFont->setFontDesc(desc);
  if (app()->getDisplay()) plotFont->create();
}

void DataPlot::setPlotLineColor(FXColor color) {
  lineColor = color;
  lineColorSet = true;
}

void DataPlot::setNoteAlignemnt(DataPlot::Alignment alignment) { noteAlignment = alignment; }

void DataPlot::setBackgroundColor(FXColor color) { backgroundColor = color; }

void DataPlot::showAxis(bool show) { showAxis_ = show; }

void DataPlot::outlinePoints(bool outline) { outlinePoints_ = outline; }

void DataPlot::autoScaleY(bool autoScale) { autoScaleY_ = autoScale; }

void DataPlot::setPlotLineWidth(int width) { refillInts(lineWidths, numSeries, width, nullptr); }

void DataPlot::setPlotLineWidth(const int* widths) {
  if (widths) refillInts(lineWidths, numSeries, 0, widths);
}

void DataPlot::setPlotPointSize(int size) { refillInts(pointSizes, numSeries, size, nullptr); }

void DataPlot::setPlotPointSize(const int* sizes) {
  if (sizes) refillInts(pointSizes, numSeries, 0, sizes);
}

void DataPlot::freePointColors() {
  if (seriesPointColors) {
    for (int s = 0; s < numPointColorSeries; ++s) delete[] seriesPointColors[s];
    delete[] seriesPointColors;
  }
  delete[] numPointColors;
  seriesPointColors = nullptr;
  numPointColors = nullptr;
  numPointColorSeries = 0;
}

void DataPlot::setPlotPointColor(FXColor** colors) {
  freePointColors();
  if (!colors) return;
  numPointColorSeries = numSeries;
  seriesPointColors = new FXColor*[numSeries]();
  numPointColors = new int[numSeries]();
  for (int s = 0; s < numSeries; ++s) {
    if (!colors[s] || !numPoints) continue;
    const int n = numPoints[s];
    seriesPointColors[s] = new FXColor[n];
    std::copy(colors[s], colors[s] + n, seriesPointColors[s]);
    numPointColors[s] = n;
  }
}

void DataPlot::setLegends(const FXString* texts) {
  if (texts) {
    if (legends)
      for (int s = 0; s < numSeries; ++s) legends[s] = texts[s];
  } else {
    delete[] legends;
    legends = nullptr;
  }
}

void DataPlot::setNumZoneDelimiters(int count, int markerSize) {
  numZoneDelimiters = std::max(0, count);
  zoneMarkerSize = markerSize;
  delete[] zoneDelimiterPixels;
  zoneDelimiterPixels = numZoneDelimiters > 0 ? new int[numZoneDelimiters]() : nullptr;
}

void DataPlot::positionZoneDelimiter(int index, int pixel) {
  if (index >= 0 && index < numZoneDelimiters) zoneDelimiterPixels[index] = pixel;
}

void DataPlot::positionZoneDelimiter(int index, double x) {
  if (index >= 0 && index < numZoneDelimiters) zoneDelimiterPixels[index] = getPixelsFromRealX(x);
}

void DataPlot::setMinMax(double xmin_, double xmax_, double ymin_, double ymax_) {
  xmin = xmin_;
  xmax = xmax_;
  ymin = ymin_;
  ymax = ymax_;
  getNumXTicks();
  getNumYTicks();
}

void DataPlot::set_dx_user(double d) {
  int n;
  if (!userTickCount(d, xmin, xmax, &n)) return;
  userDx = true;
  dx = d;
  numXTicks = n;
  getNumXTicks();
}

void DataPlot::set_dy_user(double d) {
  int n;
  if (!userTickCount(d, ymin, ymax, &n)) return;
  userDy = true;
  dy = d;
  numYTicks = n;
  getNumYTicks();
}

void DataPlot::reset_dx() {
  userDx = false;
  getNumXTicks();
}

void DataPlot::reset_dy() {
  userDy = false;
  getNumYTicks();
}

void DataPlot::getNumXTicks() {
  if (!userDx) {
    // A plot too narrow for ticks has no intervals (0 or fewer); its step
    // is then infinite, negative or not a number, and no X tick is drawn.
    numXTicks = std::min(numXTicks, 10);
    dx = roundStep((xmax - xmin) / static_cast<double>(numXTicks), xDecimals);
  }
  firstXTick = firstTick(xmin, dx);
  xFormat = tickFormat(xDecimals, dx, largestTick(xmin, xmax, dx));
}

void DataPlot::getNumYTicks() {
  if (!userDy) {
    numYTicks = 10;
    dy = roundStep((ymax - ymin) / 10, yDecimals);
  }
  firstYTick = firstTick(ymin, dy);
  yFormat = tickFormat(yDecimals, dy, largestTick(ymin, ymax, dy));
}

// -------------------------------------------------------------------- data

void DataPlot::setData(FXColor background, const FXString& xTitle_, const FXString& yTitle_,
                       const FXString& note_, bool noteOnTop_, int xDecimals_, int yDecimals_,
                       bool decimalComma_, bool gridLines_, const int* numPoints_, const double* const* x,
                       int numSeries_, const double* const* y) {
  freeArrays();
  // Point colours belong to the points they were given for.
  freePointColors();
  numSeries = std::max(0, numSeries_);
  backgroundColor = background;
  xTitle = xTitle_;
  yTitle = yTitle_;
  note = note_;
  decimalComma = decimalComma_;
  xDecimals = xDecimals_;
  yDecimals = yDecimals_;
  gridLines = gridLines_;
  noteOnTop = noteOnTop_;
  allocateArrays(numPoints_);

  const FXString shownTitle = yTitle.empty() ? FXString(" ") : yTitle;
  resizeTitleData(textWidth(shownTitle), textHeight(shownTitle) * 100 / 80);

  // The ranges cover every finite value of every series.
  bool firstX = true, firstY = true;
  for (int s = 0; s < numSeries; ++s) {
    for (int k = 0; k < numPoints[s]; ++k) {
      const double xv = x[s][k], yv = y[s][k];
      xData[s][k] = xv;
      yData[s][k] = yv;
      if (std::isfinite(xv)) {
        xmin = firstX ? xv : std::min(xmin, xv);
        xmax = firstX ? xv : std::max(xmax, xv);
        firstX = false;
      }
      if (std::isfinite(yv)) {
        ymin = firstY ? yv : std::min(ymin, yv);
        ymax = firstY ? yv : std::max(ymax, yv);
        firstY = false;
      }
    }
  }
  if (firstX) xmin = xmax = 0;
  if (firstY) ymin = ymax = 0;
  getNumXTicks();
  getNumYTicks();
}

void DataPlot::setData(FXColor background, const FXString& xTitle_, const FXString& yTitle_,
                       const FXString& note_, bool noteOnTop_, int xDecimals_, int yDecimals_,
                       bool decimalComma_, bool gridLines_, int count, const double* x, int numSeries_,
                       const double* const* y) {
  const int n = std::max(0, numSeries_);
  int* counts = new int[n];
  const double** xs = new const double*[n];
  for (int s = 0; s < n; ++s) {
    counts[s] = count;
    xs[s] = x;
  }
  setData(background, xTitle_, yTitle_, note_, noteOnTop_, xDecimals_, yDecimals_, decimalComma_,
          gridLines_, counts, xs, n, y);
  delete[] xs;
  delete[] counts;
}

void DataPlot::setData(FXColor background, const FXString& xTitle_, const FXString& yTitle_,
                       const FXString& note_, int xDecimals_, int yDecimals_, bool decimalComma_,
                       bool gridLines_, int count, const double* x, const double* y) {
  const double* ys[1] = {y};
  setData(background, xTitle_, yTitle_, note_, noteOnTop, xDecimals_, yDecimals_, decimalComma_,
          gridLines_, count, x, 1, ys);
}

void DataPlot::setData(FXColor background, const FXString& xTitle_, const FXString& yTitle_,
                       int xDecimals_, int yDecimals_, bool decimalComma_, bool gridLines_, int count,
                       const double* x, const double* y) {
  setData(background, xTitle_, yTitle_, FXString(), xDecimals_, yDecimals_, decimalComma_, gridLines_,
          count, x, y);
}

void DataPlot::allocateArrays(const int* counts) {
  refillInts(lineWidths, numSeries, 1, nullptr);
  refillInts(pointSizes, numSeries, 0, nullptr);
  legends = new FXString[numSeries];
  numPoints = new int[numSeries];
  xData = new double*[numSeries];
  yData = new double*[numSeries];
  for (int s = 0; s < numSeries; ++s) {
    numPoints[s] = counts ? std::max(0, counts[s]) : 0;
    xData[s] = new double[numPoints[s]]();
    yData[s] = new double[numPoints[s]]();
  }
}

void DataPlot::allocateArrays(int count) {
  int* counts = new int[numSeries];
  std::fill(counts, counts + numSeries, count);
  allocateArrays(counts);
  delete[] counts;
}

void DataPlot::freeArrays() {
  delete[] lineWidths;
  delete[] pointSizes;
  lineWidths = nullptr;
  pointSizes = nullptr;
  if (xData) {
    for (int s = 0; s < numSeries; ++s) {
      delete[] xData[s];
      delete[] yData[s];
    }
  }
  delete[] xData;
  delete[] yData;
  delete[] legends;
  delete[] numPoints;
  xData = nullptr;
  yData = nullptr;
  legends = nullptr;
  numPoints = nullptr;
}

void DataPlot::resizeTitleData(int width, int height) {
  delete[] yTitleData;
  yTitleDataSize = std::max(1, std::max(0, width) * std::max(0, height));
  yTitleData = new FXColor[yTitleDataSize];
  std::fill(yTitleData, yTitleData + yTitleDataSize, backgroundColor);
}

// ----------------------------------------------------------------- queries

void DataPlot::getMinMaxXPixels(int* min, int* max) const {
  *min = minXPixel;
  *max = maxXPixel;
}

double DataPlot::columnOf(double x) const { return minXPixel + axisOffset(x - xmin, xResolution, plotWidth); }

int DataPlot::getPixelsFromRealX(double x) const {
  const double c = columnOf(x);
  if (std::isnan(c)) return minXPixel;
  return static_cast<int>(std::max(-1e9, std::min(1e9, c)));
}

double DataPlot::getRealXfromPixels(int p) const { return (p - minXPixel) * xResolution + xmin; }

double DataPlot::getXaxisResolutionPerPixel() const {
  return std::fabs(getRealXfromPixels(2) - getRealXfromPixels(1));
}

FXColor DataPlot::getLineColor(FXDCWindow* dc, unsigned long series) const {
  static const FXColor palette[kPaletteSize] = {
      0,                 argb(0xFFA000E6), argb(0xFF0000FF), argb(0xFF28D4FF), argb(0xFF50AA00),
      argb(0xFF00FF00),  argb(0xFFFF9632), argb(0xFF8C3C0A), argb(0xFFCD78FA), argb(0xFFFFFF00)};
  if (dc) dc->setLineStyle(LINE_SOLID);
  if (series < 2 * kPaletteSize) {
    const unsigned long slot = series % kPaletteSize;
    if (series >= kPaletteSize && dc) dc->setLineStyle(LINE_ONOFF_DASH);
    return slot == 0 ? baseColor : palette[slot];
  }
  if (dc) dc->setLineStyle(LINE_ONOFF_DASH);
  return contrastColor();
}

void DataPlot::autoScaleY() {
  if (!xData) return;
  bool first = true;
  for (int s = 0; s < numSeries; ++s) {
    for (int k = 0; k < numPoints[s]; ++k) {
      const double x = xData[s][k], y = yData[s][k];
      if (!(x >= xmin && x <= xmax) || !std::isfinite(y)) continue;
      ymin = first ? y : std::min(ymin, y);
      ymax = first ? y : std::max(ymax, y);
      first = false;
    }
  }
}

// ----------------------------------------------------------------- drawing

// A new off-screen image of the given size over a fresh buffer filled with
// the background, the display's copy made from it. Without pixels when the
// caller paints every one of them: nothing is then filled or sent.
void DataPlot::replaceImage(int width, int height, FXuint options, ImagePixels pixels) {
  delete plotImage;
  delete[] imageData;
  plotImage = nullptr;
  imageData = nullptr;
  if (width <= 0 || height <= 0 || !app()->getDisplay()) return;
  if (pixels != NO_PIXELS) {
    const size_t n = static_cast<size_t>(width) * static_cast<size_t>(height);
    imageData = new FXColor[n];
    std::fill(imageData, imageData + n, backgroundColor);
  }
  if (pixels != BACKGROUND_PAINTED) {
    plotImage = new FXImage(app(), imageData, options, width, height);
    plotImage->create();
    return;
  }
  // On a true-colour display of 8 bits a channel a colour painted there is
  // the pixel its upload would give: the background is painted on the
  // display rather than sent pixel by pixel.
  plotImage = new FXImage(app(), nullptr, options, width, height);
  plotImage->create();
  FXVisual* visual = plotImage->getVisual();
  if (visual && visual->getType() == VISUALTYPE_TRUE && visual->getDepth() >= 24) {
    FXDCWindow dc(plotImage);
    dc.setForeground(backgroundColor);
    dc.fillRectangle(0, 0, width, height);
    plotImage->setData(imageData, options);
  } else {
    plotImage->setData(imageData, options);
    plotImage->render();
  }
}

void DataPlot::copyToCanvas(FXCanvas* canvas) {
  if (!plotImage || !canvas || !canvas->id()) return;
  FXDCWindow cdc(canvas);
  cdc.drawImage(plotImage, 0, 0);
}

void DataPlot::blank(FXCanvas* canvas) {
  const int W = canvas ? canvas->getWidth() : 0;
  const int H = canvas ? canvas->getHeight() : 0;
  xResolution = plotWidth > 0 ? (xmax - xmin) / plotWidth : 0;
  // The image keeps its pixels: they are the background already.
  replaceImage(W, H, IMAGE_KEEP | IMAGE_SHMI | IMAGE_SHMP, BACKGROUND_PAINTED);
  copyToCanvas(canvas);
}

void DataPlot::drawPlot(FXCanvas* canvas) {
  const int W = canvas ? canvas->getWidth() : 0;
  const int H = canvas ? canvas->getHeight() : 0;
  canvasWidth = W;
  canvasHeight = H;
  // The image lets go of its pixels once created; the buffer stays ours.
  // A plot that can measure its texts paints every pixel of the image
  // (or blanks it), so the image is made without pixels then.
  const bool measures = canMeasure();
  replaceImage(W, H, IMAGE_SHMI | IMAGE_SHMP, measures ? NO_PIXELS : BACKGROUND_UPLOADED);
  if (!plotImage || !measures) return;

  baseColor = argb(0xFFFF0000);
  textColor = contrastColor();

  // The Y title is drawn into its own image, turned to read from bottom
  // to top. Its buffer is made again here in case the font or the
  // background changed after the data was set.
  if (yTitle.empty()) yTitle = " ";
  const int titleW = std::max(1, textWidth(yTitle));
  const int titleH = textHeight(yTitle);
  const int titleImageH = std::max(1, titleH * 100 / 80);
  resizeTitleData(titleW, titleImageH);
  FXImage* titleImage = new FXImage(app(), yTitleData, 0, titleW, titleImageH);
  titleImage->create();
  if (showAxis_) {
    {
      FXDCWindow tdc(titleImage);
      tdc.setFont(plotFont);
      tdc.setForeground(textColor);
      tdc.setBackground(backgroundColor);
      tdc.drawText(0, titleH, yTitle);
    }
    titleImage->restore();
    titleImage->rotate(90);
    titleImage->render();
  }

  if (!xData) {
    delete titleImage;
    blank(canvas);
    return;
  }

  {
    FXDCWindow dc(plotImage);
    dc.setFont(plotFont);
    dc.setForeground(backgroundColor);
    dc.fillRectangle(0, 0, W, H);

    if (autoScaleY_) {
      autoScaleY();
      // Steps and label format follow the new range; with the step of the
      // old range the ticks and their labels would run outside the frame.
      getNumYTicks();
    }

    const FXString yMaxLabel = FXStringFormat(yFormat.text(), ymax);
    int yLabelW = textWidth(yMaxLabel);
    const int tyH = textHeight(yMaxLabel);
    xLabelWidth = textWidth(FXStringFormat(xFormat.text(), xmax));

    int t, gap, a, rightMargin, titleMargin;
    if (showAxis_) {
      t = tyH;
      gap = 5;
      a = 10;
      rightMargin = 3 * xLabelWidth / 4;
      titleMargin = titleH;
    } else {
      t = gap = a = 0;
      rightMargin = 10;
      yLabelW = 0;
      titleMargin = 0;
    }
    // Zone markers stand on the bottom rows; the X title and the tick
    // labels go up by their height, so that no marker covers the title.
    const int markerRoom = showAxis_ && numZoneDelimiters > 0 ? zoneMarkerSize : 0;
    const int left = titleMargin + yLabelW + gap + 2 * a;
    const int top = tyH;
    const int plotH = H - tyH - 2 * t - gap - a - markerRoom;
    const int bottom = top + plotH;
    plotWidth = W - rightMargin - left;
    const int right = left + plotWidth;

    dc.setForeground(textColor);
    if (showAxis_) {
      dc.drawLine(left, top, right, top);
      dc.drawLine(right, top, right, bottom);
      dc.drawLine(left, bottom, right, bottom);
      dc.drawLine(left, bottom, left, top);
    }
    for (int k = 0; k < numZoneDelimiters; ++k) drawZoneMarker(&dc, zoneDelimiterPixels[k], H - zoneMarkerSize);

    numXTicks = plotWidth / std::max(1, xLabelWidth) - 1;
    getNumXTicks();

    if (showAxis_) {
      drawTextIfAny(&dc, left + plotWidth / 2 - textWidth(xTitle) / 2, H - t / 2 - markerRoom, xTitle);
      dc.drawImage(titleImage, gap, bottom - plotH / 2 - titleW / 2);
    }
    delete titleImage;

    xResolution = plotWidth > 0 ? (xmax - xmin) / plotWidth : 0;
    const double yRes = plotH > 0 ? (ymax - ymin) / plotH : 0;
    minXPixel = left;
    maxXPixel = right;

    if (showAxis_) {
      // Each tick is labelled with its own value; the ticks of a positive
      // step end at the end of the range.
      for (int i = 0; i <= numYTicks; ++i) {
        const double v = tickValue(firstYTick, dy, ymin, i);
        if (pastEnd(v, ymax, dy)) break;
        const int yi = px(bottom - axisOffset(v - ymin, yRes, plotH));
        dc.drawLine(left - gap, yi, gridLines ? right : left, yi);
        drawTextIfAny(&dc, left - gap - yLabelW - 5, yi + t / 4, labelText(yFormat, v));
      }
      for (int i = 0; numXTicks >= 1 && i <= numXTicks; ++i) {
        const double v = tickValue(firstXTick, dx, xmin, i);
        if (pastEnd(v, xmax, dx)) break;
        const int xi = px(left + axisOffset(v - xmin, xResolution, plotWidth));
        // A tick on the right edge of the frame stays below it.
        const bool fromTop = gridLines && xi < right;
        dc.drawLine(xi, fromTop ? top : bottom, xi, bottom + gap);
        const FXString label = labelText(xFormat, v);
        drawTextIfAny(&dc, xi - textWidth(label) / 2, bottom + gap + t, label);
      }
    }

    if (!noteOnTop && !note.empty()) drawNote(&dc, left, bottom, tyH, t);

    dc.setLineWidth(1);
    dc.setForeground(baseColor);
    dc.setLineStyle(LINE_SOLID);
    for (int s = 0; s < numSeries; ++s) drawSeries(&dc, s, bottom, yRes, plotH);

    dc.setForeground(baseColor);
    if (legends) {
      drawLegend(&dc, left, bottom);
      dc.setForeground(baseColor);
    }
    if (noteOnTop && !note.empty()) drawNote(&dc, left, bottom, tyH, t);
    dc.setLineStyle(LINE_SOLID);
    dc.setLineWidth(1);
  }
  copyToCanvas(canvas);
}

// One series: segments between neighbouring points whose columns both lie
// in the X range, and point discs. The foreground is a running state: a
// segment takes whatever colour the disc before it left.
void DataPlot::drawSeries(FXDCWindow* dc, int s, int bottom, double yRes, int plotH) {
  const int width = lineWidths[s];
  dc->setLineWidth(static_cast<FXuint>(std::max(0, width)));
  dc->setForeground(lineColorSet ? lineColor : baseColor);
  if (legends) dc->setForeground(getLineColor(dc, s));
  const int n = numPoints[s];
  if (n < 2) return;

  const int d = pointSizes[s];
  const FXColor* colors = s < numPointColorSeries ? seriesPointColors[s] : nullptr;
  const int numColors = colors ? numPointColors[s] : 0;
  auto inX = [this](double p) { return p >= minXPixel && p <= maxXPixel; };
  auto rowOf = [&](double y) { return bottom - axisOffset(y - ymin, yRes, plotH); };
  auto disc = [&](int k, double p, double r) {
    if (d <= 0) return;
    const bool shown = inX(p) && std::fabs(r) <= kMaxCoord;
    if (outlinePoints_) {
      dc->setForeground(textColor);
      if (shown) fillDisc(dc, px(p), px(r), d + 2);
      dc->setForeground(baseColor);
    }
    if (k < numColors) dc->setForeground(colors[k]);
    if (shown) fillDisc(dc, px(p), px(r), d);
  };

  const double* x = xData[s];
  const double* y = yData[s];
  // Points without lines between them, each disc in a colour of its own
  // (not one left by the disc before): a point drawn later at the same
  // pixel covers every pixel an earlier one drew, so only the last point
  // at each pixel is drawn. The picture is the same; dense data sends far
  // fewer requests to the display.
  if (width <= 0 && (outlinePoints_ || numColors >= n)) {
    std::vector<double> columns(n), rows(n);
    for (int k = 0; k < n; ++k) {
      columns[k] = columnOf(x[k]);
      rows[k] = rowOf(y[k]);
    }
    const std::vector<bool> last = lastPointAtEachPixel(columns, rows, d);
    for (int k = 0; k < n; ++k)
      if (last[k]) disc(k, columns[k], rows[k]);
    return;
  }
  double p2 = 0, r2 = 0;
  for (int k = 0; k + 1 < n; ++k) {
    const double p1 = columnOf(x[k]), r1 = rowOf(y[k]);
    p2 = columnOf(x[k + 1]);
    r2 = rowOf(y[k + 1]);
    if (width > 0 && inX(p1) && inX(p2) && !std::isnan(r1) && !std::isnan(r2))
      drawClippedSegment(dc, p1, r1, p2, r2);
    disc(k, p1, r1);
  }
  disc(n - 1, p2, r2);
}

// Of the points at pixel columns and rows, those drawn (within the X range
// and the rows X11 can carry) that no later drawn point shares a pixel
// with. Points whose disc of size d cannot reach the picture are all kept.
std::vector<bool> DataPlot::lastPointAtEachPixel(const std::vector<double>& columns, const std::vector<double>& rows,
                                                 int d) const {
  const int n = static_cast<int>(columns.size());
  std::vector<bool> last(n, false);
  const int margin = std::max(0, d) + 2;
  const int top = -margin;
  const int numRows = std::max(0, canvasHeight) + 2 * margin + 1;
  const int numColumns = std::max(0, maxXPixel - minXPixel + 1);
  std::vector<bool> taken(static_cast<size_t>(numRows) * static_cast<size_t>(numColumns), false);
  for (int k = n - 1; k >= 0; --k) {
    const double p = columns[k], r = rows[k];
    if (!(p >= minXPixel && p <= maxXPixel) || !(std::fabs(r) <= kMaxCoord)) continue;
    const int c = px(p) - minXPixel, row = px(r) - top;
    if (c < 0 || c >= numColumns || row < 0 || row >= numRows) {
      last[k] = true;
      continue;
    }
    const size_t pixel = static_cast<size_t>(row) * static_cast<size_t>(numColumns) + static_cast<size_t>(c);
    if (!taken[pixel]) {
      taken[pixel] = true;
      last[k] = true;
    }
  }
  return last;
}

void DataPlot::drawZoneMarker(FXDCWindow* dc, int x, int y) {
  const int s = zoneMarkerSize, h = s / 2;
  FXPoint corners[3];
  corners[0].x = static_cast<FXshort>(px(x));
  corners[0].y = static_cast<FXshort>(px(y));
  corners[1].x = static_cast<FXshort>(px(x - h));
  corners[1].y = static_cast<FXshort>(px(y + s));
  corners[2].x = static_cast<FXshort>(px(x + h));
  corners[2].y = corners[1].y;
  dc->fillPolygon(corners, 3);
  dc->drawLine(corners[0].x, corners[0].y, corners[2].x, corners[2].y);
  dc->drawLine(corners[1].x, corners[1].y, corners[2].x, corners[2].y);
  dc->drawLine(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
}

FXString DataPlot::wrapNote(const FXString& note, int maxWidth, const std::function<int(const FXString&)>& widthOf) {
  FXString out;
  const int lines = note.contains('\n') + 1;
  for (int i = 0; i < lines; ++i) {
    const FXString line = note.section('\n', i);
    FXString current;
    bool continued = false;  // current continues a broken line
    const int words = line.contains(' ') + 1;
    for (int k = 0; k < words; ++k) {
      const FXString word = line.section(' ', k);
      const bool blank = FXString(current).trim().empty();
      // A continued line starts with a word, not with the blanks between.
      const FXString longer = k == 0 || (continued && blank) ? word : current + " " + word;
      // A break needs a word before it on the line; the blanks at the
      // break are dropped, the words keep the blanks between them.
      if (k > 0 && !blank && widthOf(longer) > maxWidth) {
        out += FXString(current).trimEnd() + "\n";
        current = word;
        continued = true;
      } else {
        current = longer;
      }
    }
    out += current;
    if (i + 1 < lines) out += "\n";
  }
  return out;
}

void DataPlot::drawNote(FXDCWindow* dc, int left, int bottom, int top, int lineHeight) {
  // Wrapped to the plot's width, so that the note stays inside the plot.
  const FXString shown = wrapNote(note, std::max(1, plotWidth - 4), [this](const FXString& s) { return textWidth(s); });
  const int n = shown.contains('\n') + 1;
  const int align = noteAlignment >= TOP_LEFT && noteAlignment <= BOTTOM_CENTER ? noteAlignment : TOP_LEFT;
  const bool leftAligned = align == TOP_LEFT || align == BOTTOM_LEFT;
  int widest = 0;
  for (int i = 0; i < n; ++i) widest = std::max(widest, textWidth(shown.section('\n', i)));
  const int boxWidth = widest + 4;
  int x = left;
  if (align == TOP_RIGHT || align == BOTTOM_RIGHT)
    x = left + plotWidth - boxWidth;
  else if (!leftAligned)
    x = left + plotWidth / 2 - boxWidth / 2;
  if (x < 0) x = 10;
  // Every line stands on a box of the background from the font's ascent
  // above its baseline to its descent below, so that data drawn before
  // the note cannot hide it. A left-aligned line's box runs under its own
  // text only, from just right of the frame's left edge, which stays
  // drawn; the others are as wide as the widest line.
  const int ascent = canMeasure() ? plotFont->getFontAscent() : 0;
  const int descent = canMeasure() ? plotFont->getFontDescent() : 0;
  const int boxLeft = leftAligned ? x + 1 : x;
  int y = align <= TOP_CENTER ? top : bottom - n * lineHeight;
  for (int i = 0; i < n; ++i) {
    y += lineHeight;
    const FXString line = shown.section('\n', i);
    dc->setForeground(backgroundColor);
    if (!line.empty()) {
      int x0 = boxLeft, x1 = boxLeft + (leftAligned ? textWidth(line) + 3 : boxWidth);
      int y0 = y - ascent, y1 = y + descent;
      // The frame stays drawn: the boxes keep inside it.
      if (showAxis_) {
        x0 = std::max(x0, left + 1);
        x1 = std::min(x1, left + plotWidth);
        y0 = std::max(y0, top + 1);
        y1 = std::min(y1, bottom);
      }
      if (x1 > x0 && y1 > y0) dc->fillRectangle(x0, y0, x1 - x0, y1 - y0);
    }
    dc->setForeground(textColor);
    drawTextIfAny(dc, x, y, line);
  }
}

void DataPlot::drawLegend(FXDCWindow* dc, int left, int bottom) {
  if (!legends) return;
  int w = 0;
  for (int s = 0; s < numSeries; ++s) w = std::max(w, textWidth(legends[s]));
  const int x0 = left + 6;
  const int h = textHeight("0");
  int y = bottom - (numSeries + 1) * h + h / 2;
  for (int s = 0; s < numSeries; ++s) {
    y += h;
    dc->setForeground(getLineColor(dc, s));
    drawTextIfAny(dc, x0, y, legends[s]);
    dc->drawLine(x0 + w + 10, y - h / 2, x0 + w + 60, y - h / 2);
  }
  dc->setLineStyle(LINE_SOLID);
}
