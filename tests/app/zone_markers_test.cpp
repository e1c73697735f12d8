// The equation-zone limits: defaults, the markers under the fit plot, the
// zone count, dragging a marker, the mouse wheel over a limit field and
// the validation of limits against the data.
#include <cmath>
#include <string>

#include "FitWindowFixture.h"
#include "TextField_lom2.h"

using namespace FX;

namespace {

TEST(ZoneLimitRules, EvenLimitsEndAtTheDataEnd) {
  const struct {
    int n;
    double xmin, xmax;
    double expected[6];
  } cases[] = {
      {1, 0, 10, {10}},
      {2, 0, 10, {5, 10}},
      {3, -3, 0.3, {-1.9, -0.8, 0.3}},
      {5, 1, 251, {51, 101, 151, 201, 251}},
      {6, 0, 0.7, {0.7 / 6, 0.7 / 3, 0.35, 0.7 * 4 / 6, 0.7 * 5 / 6, 0.7}},
  };
  for (const auto& c : cases) {
    double limits[6] = {-1, -1, -1, -1, -1, -1};
    Quillgrid::evenZoneLimits(c.xmin, c.xmax, c.n, limits);
    for (int j = 0; j < c.n; ++j) EXPECT_NEAR(limits[j], c.expected[j], 1e-12) << c.n << " " << j;
    EXPECT_EQ(limits[c.n - 1], c.xmax) << c.n;  // exactly the end, not an ulp beyond it
    if (c.n < 6) {
      EXPECT_EQ(limits[c.n], -1) << c.n;
    }
  }
}

TEST(ZoneLimitRules, WheelStepGrowsWithShiftAndControl) {
  EXPECT_EQ(Quillgrid::zoneLimitWheelStep(4, false, false), 4);
  EXPECT_EQ(Quillgrid::zoneLimitWheelStep(4, true, false), 12);
  EXPECT_EQ(Quillgrid::zoneLimitWheelStep(4, false, true), 12);
  EXPECT_EQ(Quillgrid::zoneLimitWheelStep(4, true, true), 108);
}

class ZoneMarkers : public FitWindowFixture {
protected:
  // y = 3x + 1 at x = 0, 0.5, .. xmax in the XY values table.
  void typeLine(double xmax) {
    std::vector<Row> rows;
    for (int i = 0; i <= (int)(xmax * 2); ++i) rows.push_back({i * 0.5, 1.5 * i + 1, 0});
    typeXY(rows);
  }
  // Chooses n zones in the list as the user does, which places the
  // default limits and fits.
  void chooseZones(int n) {
    w->numOfEquations_LB->setCurrentItem(n - 1, FALSE);
    w->onCmdNumEquations(w->numOfEquations_LB, 0, nullptr);
  }
  static FXEvent mouse(FXSelector type, int x, int y, FXuint state = 0, int code = 0) {
    FXEvent ev;
    ev.type = type;
    ev.win_x = x;
    ev.win_y = y;
    ev.state = state;
    ev.code = code;
    return ev;
  }
  long press(int x) {
    FXEvent ev = mouse(SEL_LEFTBUTTONPRESS, x, w->fitPlotCanvas->getHeight() - 5, 0, LEFTBUTTON);
    return w->handle(w->fitPlotCanvas, FXSEL(SEL_LEFTBUTTONPRESS, Quillgrid::ID_FIT_PLOT), &ev);
  }
  long moveTo(int x) {
    FXEvent ev = mouse(SEL_MOTION, x, w->fitPlotCanvas->getHeight() - 5, LEFTBUTTONMASK);
    return w->handle(w->fitPlotCanvas, FXSEL(SEL_MOTION, Quillgrid::ID_FIT_PLOT), &ev);
  }
  long release() {
    FXEvent ev = mouse(SEL_LEFTBUTTONRELEASE, 0, 0, 0, LEFTBUTTON);
    return w->handle(w->fitPlotCanvas, FXSEL(SEL_LEFTBUTTONRELEASE, Quillgrid::ID_FIT_PLOT), &ev);
  }
  long wheel(int zone, int code, FXuint state = 0) {
    FXEvent ev = mouse(SEL_MOUSEWHEEL, 5, 5, state, code);
    return w->handle(w->eqnFit_TF[0][zone], FXSEL(SEL_MOUSEWHEEL, Quillgrid::ID_ZONE_LIMIT_FIRST + zone), &ev);
  }
  int pixelOf(int zone) { return w->fitPlot->getPixelsFromRealX(w->fitPlotZoneMarkers_real_x[zone]); }
  double limit(int zone) { return w->fitPlotZoneMarkers_real_x[zone]; }
  // How far the lower limit of zone 1 in the copy text of the last fit
  // lies from the limit the field shows (the copy text may be written
  // with fewer decimals, two at least here).
  double fittedBoundaryOffset() {
    const std::string text = cell(w->hiddenLMPStuff_TBL, w->hiddenTableEqnRows[0], 0);
    const size_t at = text.find("t[1] = ");
    if (at == std::string::npos) return 1e9;
    return std::fabs(FXDoubleVal(text.substr(at + 7, text.find('\n', at) - at - 7).c_str()) -
                     FXDoubleVal(w->eqnFit_TF[0][0]->getText()));
  }
  // Whether a marker triangle stands at column x of the fit plot's
  // picture: its tip in the bottom strip, the strip's background beside it.
  bool markerAt(FXImage* img, int x) {
    const int h = img->getHeight();
    const FXColor background = img->getPixel(1, h - 2);
    return !sameRGB(img->getPixel(x, h - 3), background) && !sameRGB(img->getPixel(x, h - 12), background) &&
           sameRGB(img->getPixel(x + 10, h - 12), background) && sameRGB(img->getPixel(x - 10, h - 12), background);
  }
  qgtest::ModalScript script;
};

TEST_F(ZoneMarkers, DefaultMarkersForTwoToSixZones) {
  typeLine(10);
  for (int n = 2; n <= 6; ++n) {
    chooseZones(n);
    EXPECT_EQ(w->numEquations, n);
    ASSERT_EQ(script.count(), 0u) << n << " " << script.last().text.text();
    FXImage* img = picture(w->fitPlot, FXStringFormat("zone_markers_%d", n).text());
    ASSERT_NE(img, nullptr);
    for (int j = 0; j < n; ++j) {
      EXPECT_NEAR(limit(j), 10.0 * (j + 1) / n, 1e-12) << n << " " << j;
      EXPECT_EQ(field(w->eqnFit_TF[0][j]), str(w->getFormattedBoundaryValueForOutput(limit(j)))) << n << " " << j;
      // The fit used the shown limits.
      if (j == 1) {
        EXPECT_LT(fittedBoundaryOffset(), 0.006) << n;
      }
      if (j < n - 1) {
        EXPECT_TRUE(markerAt(img, pixelOf(j))) << n << " " << j;
      }
    }
    // No marker at the end of the data, nor half-way between two markers.
    int minPx = 0, maxPx = 0;
    w->fitPlot->getMinMaxXPixels(&minPx, &maxPx);
    EXPECT_FALSE(markerAt(img, maxPx)) << n;
    EXPECT_FALSE(markerAt(img, (pixelOf(0) + w->fitPlot->getPixelsFromRealX(0.0)) / 2)) << n;
    for (int j = n; j < 6; ++j) EXPECT_EQ(field(w->eqnFit_TF[0][j]), "") << n << " " << j;
    EXPECT_TRUE(w->numOfOverlapPoints_LB->isEnabled());
    for (int i = 0; i < 7; ++i) EXPECT_EQ(w->smallPlotFrame[i]->shown() != 0, i <= n) << n << " " << i;
  }

  // One equation: no marker, no overlap, two small plots; the first
  // limit field takes no wheel.
  chooseZones(1);
  EXPECT_EQ(w->numEquations, 1);
  EXPECT_DOUBLE_EQ(limit(0), 10);
  EXPECT_FALSE(w->numOfOverlapPoints_LB->isEnabled());
  EXPECT_TRUE(w->smallPlotFrame[1]->shown());
  EXPECT_FALSE(w->smallPlotFrame[2]->shown());
  FXImage* img = picture(w->fitPlot, "zone_markers_1");
  EXPECT_FALSE(markerAt(img, w->fitPlot->getPixelsFromRealX(5.0)));
  EXPECT_EQ(wheel(0, 120), 0);
  EXPECT_DOUBLE_EQ(limit(0), 10);
}

TEST_F(ZoneMarkers, DragMovesALimitAndFitsOnRelease) {
  typeLine(20);
  chooseZones(3);
  int minPx = 0, maxPx = 0;
  w->fitPlot->getMinMaxXPixels(&minPx, &maxPx);
  const int p0 = pixelOf(0), p1 = pixelOf(1);
  ASSERT_GT(p1 - p0, 60);

  // Motion without a grabbed marker is left to the canvas.
  EXPECT_EQ(moveTo(p0 + 20), 0);
  EXPECT_EQ(press(p0 + 3), 1);
  ASSERT_EQ(w->draggedZoneMarker, 0);

  // Closer than 15 pixels to the neighbour or to the plot's start: refused.
  const double before = limit(0);
  EXPECT_EQ(moveTo(p1 - 14), 0);
  EXPECT_EQ(moveTo(minPx + 14), 0);
  EXPECT_DOUBLE_EQ(limit(0), before);
  EXPECT_EQ(moveTo(minPx + 15), 1);
  EXPECT_DOUBLE_EQ(limit(0), w->fitPlot->getRealXfromPixels(minPx + 15));
  EXPECT_EQ(moveTo(p1 - 15), 1);
  const double moved = w->fitPlot->getRealXfromPixels(p1 - 15);
  EXPECT_DOUBLE_EQ(limit(0), moved);
  EXPECT_EQ(field(w->eqnFit_TF[0][0]), str(w->getFormattedBoundaryValueForOutput(moved)));
  EXPECT_TRUE(markerAt(picture(w->fitPlot, "zone_marker_dragged"), p1 - 15));
  // The fit waits for the release.
  EXPECT_GT(fittedBoundaryOffset(), 0.5);
  EXPECT_EQ(release(), 1);
  screenshot("zone_marker_dragged_tab");
  EXPECT_EQ(w->draggedZoneMarker, -1);
  EXPECT_LT(fittedBoundaryOffset(), 0.006);
  EXPECT_NEAR(limit(0), moved, 1e-12);
  EXPECT_EQ(script.count(), 0u);

  // The last marker keeps 15 pixels from the plot's end.
  EXPECT_EQ(press(pixelOf(1)), 1);
  ASSERT_EQ(w->draggedZoneMarker, 1);
  EXPECT_EQ(moveTo(maxPx - 14), 0);
  EXPECT_EQ(moveTo(maxPx - 15), 1);
  EXPECT_EQ(release(), 1);
}

TEST_F(ZoneMarkers, ReleaseWithoutAGrabDoesNotFit) {
  // Nothing to fit: a click on the empty plot asks nothing.
  EXPECT_EQ(press(50), 1);
  EXPECT_EQ(release(), 1);
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(ZoneMarkers, WheelStepsALimitWithAndWithoutModifiers) {
  typeLine(30);
  chooseZones(3);
  const int step = w->minMouseWheelStep;
  ASSERT_GE(step, 1);
  const struct {
    int code;
    FXuint state;
    int pixels;
  } moves[] = {
      {120, 0, step},
      {-120, 0, -step},
      {120, CONTROLMASK, 3 * step},
      {-120, SHIFTMASK, -3 * step},
      {120, SHIFTMASK | CONTROLMASK, 27 * step},
  };
  for (const auto& m : moves) {
    const int p = pixelOf(0);
    const double expected = w->fitPlot->getRealXfromPixels(p + m.pixels);
    EXPECT_EQ(wheel(0, m.code, m.state), 1) << m.pixels;
    EXPECT_NEAR(limit(0), expected, 1e-9) << m.pixels;
    // Fitted with the new limit at once.
    EXPECT_LT(fittedBoundaryOffset(), 0.006) << m.pixels;
  }
  // The message of amount 0 that follows each notch moves nothing.
  const double now = limit(0);
  EXPECT_EQ(wheel(0, 0), 0);
  EXPECT_DOUBLE_EQ(limit(0), now);
  // The last zone's limit and the unused zones take no wheel.
  EXPECT_EQ(wheel(2, 120), 0);
  EXPECT_EQ(wheel(4, 120), 0);

  // A step that would bring a marker within 15 pixels of its neighbour
  // is refused.
  const int gap = pixelOf(1) - pixelOf(0);
  w->fitPlotZoneMarkers_real_x[0] = w->fitPlot->getRealXfromPixels(pixelOf(1) - 15 - step + 1);
  const double held = limit(0);
  EXPECT_EQ(wheel(0, 120), 0);
  EXPECT_DOUBLE_EQ(limit(0), held);
  EXPECT_GT(gap, 15);
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(ZoneMarkers, LimitsOutsideTheDataGoBackToTheDefaults) {
  typeLine(10);
  chooseZones(3);
  for (double outside : {-0.5, 10.5}) {
    w->fitPlotZoneMarkers_real_x[0] = 2;
    w->fitPlotZoneMarkers_real_x[1] = outside;
    w->drawZoneMarkers(false);
    EXPECT_NEAR(limit(0), 10.0 / 3, 1e-12) << outside;
    EXPECT_NEAR(limit(1), 20.0 / 3, 1e-12) << outside;
    EXPECT_DOUBLE_EQ(limit(2), 10) << outside;
  }
  // Limits inside the data stay where the user put them; a last limit
  // beyond the data is brought back to its end.
  w->fitPlotZoneMarkers_real_x[0] = 2;
  w->fitPlotZoneMarkers_real_x[1] = 9;
  w->fitPlotZoneMarkers_real_x[2] = 12;
  w->drawZoneMarkers(false);
  EXPECT_DOUBLE_EQ(limit(0), 2);
  EXPECT_DOUBLE_EQ(limit(1), 9);
  EXPECT_DOUBLE_EQ(limit(2), 10);
  // A reset always places the defaults.
  w->drawZoneMarkers(true);
  EXPECT_NEAR(limit(0), 10.0 / 3, 1e-12);
}

TEST_F(ZoneMarkers, WholeNumberLimitsKeepUserMarkersAtARoundedEnd) {
  std::vector<Row> rows;
  for (int i = 0; i < 20; ++i) rows.push_back({1 + i * 13.0, 2.0 * i + 1, 0});
  rows.push_back({250.4, 42, 0});
  typeXY(rows);
  w->forceXBoundariesToWholeNumbers_Chk->setCheck(TRUE);
  chooseZones(2);
  ASSERT_EQ(script.count(), 0u);
  EXPECT_DOUBLE_EQ(w->plotXmax, 250.4);
  EXPECT_DOUBLE_EQ(limit(0), 126);  // 1 + 249.4 / 2, rounded
  w->fitPlotZoneMarkers_real_x[0] = 100;
  w->fitPlotZoneMarkers_real_x[1] = 250.4;
  w->drawZoneMarkers(false);
  EXPECT_DOUBLE_EQ(limit(0), 100);
  EXPECT_DOUBLE_EQ(limit(1), 250);
}

TEST_F(ZoneMarkers, OpeningTheTabPlacesLimitsNeverPlaced) {
  typeLine(10);
  chooseZones(2);
  for (double& x : w->fitPlotZoneMarkers_real_x) x = -1e100;
  w->onCmdTabs(w->tabBook, 0, nullptr);
  EXPECT_DOUBLE_EQ(limit(0), 5);
  EXPECT_DOUBLE_EQ(limit(1), 10);
  EXPECT_EQ(field(w->eqnFit_TF[0][0]), str(w->getFormattedBoundaryValueForOutput(5)));
}

}  // namespace
