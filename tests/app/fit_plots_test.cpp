// The fit plots on a real main window: the plot-data arrays, point
// colours, the note, the data source, the slope labels, the pictures of
// the nine plots (read back pixel by pixel), repaints, the zone-marker
// grab and the "Save plot" command.
#include <cmath>
#include <cstdlib>

#include <fxkeys.h>

#include "FitWindowFixture.h"
#include "Globals.h"
#include "fox16.h"

using namespace FX;

namespace {

const FXColor GRAY = argb(0xFFC8C8C8);
const FXColor RED = argb(0xFFFF0000);
const FXColor GREEN = argb(0xFF00FF00);
const FXColor YELLOW = argb(0xFFFFFF00);

class FitPlots : public FitWindowFixture {
protected:
  // y = 2x^2 - 3x + 5 at x = 1..10, fitted at order 2.
  void fitQuadratic() {
    typeQuadratic();
    setOrder(0, 2);
    ASSERT_TRUE(w->getQuillgrid());
  }
  // The longest horizontal run of a colour in the image.
  static int longestRun(FXImage* img, FXColor c) {
    int best = 0;
    for (int y = 0; y < img->getHeight(); ++y)
      for (int x = 0, run = 0; x < img->getWidth(); ++x) {
        run = sameRGB(img->getPixel(x, y), c) ? run + 1 : 0;
        if (run > best) best = run;
      }
    return best;
  }
  static FXEvent press(int x, int y) {
    FXEvent ev;
    ev.type = SEL_LEFTBUTTONPRESS;
    ev.win_x = x;
    ev.win_y = y;
    ev.code = LEFTBUTTON;
    return ev;
  }
  qgtest::ModalScript script;
};

TEST_F(FitPlots, PointColoursAndBackgroundRadios) {
  EXPECT_EQ(w->getPlotPointColor(0), argb(0xFFFF0000));
  EXPECT_EQ(w->getPlotPointColor(21), argb(0xFF800040));
  for (int background : {0, 1, 2}) {
    w->plotBackgroundColorIndex = background;
    EXPECT_EQ(w->getPlotPointColor(22), background == 2 ? argb(0xFFFFFFFF) : argb(0xFF000000)) << background;
  }
  w->plotBackgroundColorIndex = 2;
  w->setPlotBackgroundColor();
  EXPECT_TRUE(w->plotBackground_RB[2]->getCheck() && !w->plotBackground_RB[0]->getCheck());
  w->plotBackgroundColorIndex = 7;
  w->setPlotBackgroundColor();
  EXPECT_EQ(w->plotBackgroundColorIndex, 0);
  EXPECT_TRUE(w->plotBackground_RB[0]->getCheck() && !w->plotBackground_RB[2]->getCheck());
}

TEST_F(FitPlots, PlotDataArrays) {
  w->numRowsWithData = 10;
  w->allocatePlotDataArrays(2);
  ASSERT_NE(w->plotDataX, nullptr);
  EXPECT_EQ(w->numPlotSeries, 2);
  EXPECT_EQ(w->plotDataCounts[0], 10);
  EXPECT_EQ(w->plotDataCounts[1], std::max(w->fitPlotCanvas->getWidth() / 3, 10));
  EXPECT_GT(w->plotDataCounts[1], 10);
  for (int k = 0; k < w->plotDataCounts[1]; ++k) ASSERT_EQ(w->plotDataY[1][k], 0.0);
  w->freePlotDataArrays();
  EXPECT_EQ(w->plotDataX, nullptr);
  EXPECT_EQ(w->plotDataY, nullptr);
  EXPECT_EQ(w->plotDataCounts, nullptr);
  EXPECT_EQ(w->plotPointColors, nullptr);
  EXPECT_EQ(w->numPlotSeries, 2);
  w->freePlotDataArrays();  // nothing left to free
}

TEST_F(FitPlots, NoteLinesBreaksAndOption) {
  w->numRowsWithData = 5;
  w->numEquations = 1;
  w->allocatePlotDataArrays(2);
  w->plotDataX[0][0] = 1;
  w->excelEqn_TF[0]->setText("= 1*A2^5 + 2*A2^4 + 3*A2^3");
  // The range is the limits' own values (the field shows them rounded).
  w->fitPlotZoneMarkers_real_x[0] = 10;
  w->eqnFit_TF[0][0]->setText("9.9");
  w->eqnFit_TF[1][0]->setText("0.999");
  w->eqnFit_TF[2][0]->setText("1.5");
  w->showEquationOnImage_Chk->setCheck(TRUE);
  EXPECT_EQ(str(w->addNewlinesToPlotNote("")),
            "y = 1*A2^5 + 2*A2^4\n+ 3*A2^3   1.00000 - 10.0000  R^2 = 0.999   Max. diff. = 1.5%\n");
  // 1/x limits unless they are written as numbers.
  w->curveFitType = 4;
  w->excelEqn_TF[0]->setText("f");
  EXPECT_EQ(str(w->addNewlinesToPlotNote("")), "y f   1.00000 - 1.000000e-01  R^2 = 0.999   Max. diff. = 1.5%\n");
  w->curveFitType = 5;
  w->plotNote = "C = 20";
  EXPECT_EQ(str(w->addNewlinesToPlotNote("")), "C = 20");
  w->showEquationOnImage_Chk->setCheck(FALSE);
  EXPECT_EQ(str(w->addNewlinesToPlotNote("")), "");
  w->curveFitType = 0;
  EXPECT_EQ(str(w->addNewlinesToPlotNote("")), "");
}

TEST_F(FitPlots, DataSourceRadiosAndTable) {
  w->dataSource = 1;
  w->setDataSource();
  EXPECT_EQ(w->dataSourceTable, w->xyValues_TBL);
  EXPECT_TRUE(w->dataSource_RB[1]->getCheck() && !w->dataSource_RB[0]->getCheck());
  EXPECT_TRUE(w->dataSource_RB[0]->isEnabled() && w->dataSource_RB[1]->isEnabled());
  EXPECT_FALSE(w->dataSource_RB[2]->isEnabled());

  setFitType(5);
  EXPECT_EQ(w->dataSource, 2);
  for (FXRadioButton* radio : w->dataSource_RB) EXPECT_FALSE(radio->isEnabled());
  setFitType(0);

  fitQuadratic();
  // Id 247 names no source: back to the image, and blank plots.
  w->onCmdDataSource(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_DATA_SOURCE_FIRST + 3), nullptr);
  EXPECT_EQ(w->dataSource, 0);
  EXPECT_TRUE(w->dataSource_RB[0]->getCheck());
  EXPECT_EQ(w->dataSourceTable, w->curveData_TBL);
  EXPECT_EQ(w->plotDataX, nullptr);
  FXImage* shown = grab(w->fitPlotCanvas);
  EXPECT_EQ(countInColumns(shown, 0, shown->getWidth() - 1, GRAY), shown->getWidth() * shown->getHeight());
}

TEST_F(FitPlots, SlopeLabels) {
  w->setEquationSlopeLabels(true, false);
  EXPECT_EQ(str(w->positiveSlope_Lbl->getText()), "Positive slope: Y");
  EXPECT_EQ(str(w->negativeSlope_Lbl->getText()), "Negative slope: N");
  EXPECT_EQ(w->positiveSlope_Lbl->getBackColor(), w->defaultButtonBackColor);
  EXPECT_EQ(w->negativeSlope_Lbl->getBackColor(), w->defaultButtonBackColor);
  // Larson-Miller curves should fall: a rise and a missing fall are flagged.
  w->curveFitType = 5;
  w->setEquationSlopeLabels(true, false);
  EXPECT_EQ(w->positiveSlope_Lbl->getBackColor(), YELLOW);
  EXPECT_EQ(w->negativeSlope_Lbl->getBackColor(), YELLOW);
  w->setEquationSlopeLabels(false, true);
  EXPECT_EQ(str(w->negativeSlope_Lbl->getText()), "Negative slope: Y");
  EXPECT_EQ(w->positiveSlope_Lbl->getBackColor(), w->defaultButtonBackColor);
  EXPECT_EQ(w->negativeSlope_Lbl->getBackColor(), w->defaultButtonBackColor);
  // The blank form keeps the colours.
  w->setEquationSlopeLabels(true, false);
  w->setEquationSlopeLabels();
  EXPECT_EQ(str(w->positiveSlope_Lbl->getText()), "Positive slope: ");
  EXPECT_EQ(str(w->negativeSlope_Lbl->getText()), "Negative slope: ");
  EXPECT_EQ(w->positiveSlope_Lbl->getBackColor(), YELLOW);
}

TEST_F(FitPlots, HideCoefficientTables) {
  ASSERT_NE(w->hideEqnCoefficientTables_Chk, nullptr);
  w->hideEqnCoefficientTables_Chk->setCheck(TRUE);
  EXPECT_EQ(w->onCmdHideEqnCoefficientTables(nullptr, 0, nullptr), 1);
  EXPECT_FALSE(w->eqnTabBook->shown());
  w->hideEqnCoefficientTables_Chk->setCheck(FALSE);
  w->onCmdHideEqnCoefficientTables(nullptr, 0, nullptr);
  EXPECT_TRUE(w->eqnTabBook->shown());
}

TEST_F(FitPlots, FitDrawsPointsAndCurve) {
  fitQuadratic();
  screenshot("curve_fitting_tab");
  FXImage* img = picture(w->fitPlot, "fit_plot");
  ASSERT_NE(img, nullptr);
  EXPECT_EQ(img->getWidth(), w->fitPlotCanvas->getWidth());
  EXPECT_TRUE(sameRGB(img->getPixel(1, 1), GRAY));
  // A red point disc over x = 5, none half-way to the next point; the
  // green curve between the points; nothing of either left of the plot.
  const int at5 = w->fitPlot->getPixelsFromRealX(5.0);
  const int at55 = w->fitPlot->getPixelsFromRealX(5.5);
  ASSERT_GT(at55 - at5, 15);
  EXPECT_GT(countInColumns(img, at5 - 1, at5 + 1, RED), 3);
  EXPECT_EQ(countInColumns(img, at55 - 1, at55 + 1, RED), 0);
  EXPECT_GT(countInColumns(img, at55, at55, GREEN), 0);
  int minPx = 0, maxPx = 0;
  w->fitPlot->getMinMaxXPixels(&minPx, &maxPx);
  // (the first point's disc, centred on the left edge, reaches 5 pixels out)
  EXPECT_EQ(countInColumns(img, 0, minPx - 6, RED) + countInColumns(img, 0, minPx - 6, GREEN), 0);
  // The curve is rising: its pixel over x = 9.5 stands higher than over 5.5.
  auto greenRow = [&](int column) {
    for (int y = 0; y < img->getHeight(); ++y)
      if (sameRGB(img->getPixel(column, y), GREEN)) return y;
    return -1;
  };
  EXPECT_LT(greenRow(w->fitPlot->getPixelsFromRealX(9.5)), greenRow(at55));
  // The canvas shows that picture.
  FXImage* shown = grab(w->fitPlotCanvas);
  EXPECT_EQ(countInColumns(shown, at55, at55, GREEN), countInColumns(img, at55, at55, GREEN));

  // One equation: two small plots, the first and the last quarter.
  const double expected[2][2] = {{1, 1 + 9.0 / 4}, {10 - 9.0 / 4, 10}};
  for (int i = 0; i < 2; ++i) {
    int lo = 0, hi = 0;
    w->smallPlots[i]->getMinMaxXPixels(&lo, &hi);
    EXPECT_NEAR(w->smallPlots[i]->getRealXfromPixels(lo), expected[i][0], 1e-9) << i;
    EXPECT_NEAR(w->smallPlots[i]->getRealXfromPixels(hi), expected[i][1], 1e-6) << i;
    FXImage* small = picture(w->smallPlots[i], i == 0 ? "small_plot_0" : "small_plot_1");
    ASSERT_NE(small, nullptr);
    EXPECT_GT(countInColumns(small, 0, small->getWidth() - 1, RED), 0) << i;
  }
}

TEST_F(FitPlots, HalfSizePlotHalvesThePoints) {
  w->plotPointSize = 3;  // 15 pixels
  fitQuadratic();
  EXPECT_EQ(w->halfWidthPlotCanvas->getWidth(), w->fitPlotCanvas->getWidth() / 2);
  EXPECT_EQ(w->halfWidthPlotCanvas->getHeight(), w->fitPlotCanvas->getHeight() / 2);
  FXImage* half = picture(w->halfWidthPlot, "half_plot");
  FXImage* full = picture(w->fitPlot, "full_plot_large_points");
  ASSERT_NE(half, nullptr);
  ASSERT_NE(full, nullptr);
  EXPECT_EQ(half->getWidth(), w->fitPlotCanvas->getWidth() / 2);
  // Discs of 7 and 15 pixels (the first point's disc is not covered by
  // a neighbour).
  EXPECT_NEAR(longestRun(half, RED), 7, 1);
  EXPECT_NEAR(longestRun(full, RED), 15, 1);
}

TEST_F(FitPlots, RepaintRestoresThePicture) {
  fitQuadratic();
  const int column = w->fitPlot->getPixelsFromRealX(5.5);
  const int greenBefore = countInColumns(grab(w->fitPlotCanvas), column, column, GREEN);
  ASSERT_GT(greenBefore, 0);
  // The display clears an exposed canvas; the paint copies the plot back.
  auto wipe = [this] {
    FXDCWindow dc(w->fitPlotCanvas);
    dc.setForeground(argb(0xFF0000FF));
    dc.fillRectangle(0, 0, w->fitPlotCanvas->getWidth(), w->fitPlotCanvas->getHeight());
  };
  wipe();
  EXPECT_EQ(countInColumns(grab(w->fitPlotCanvas), column, column, GREEN), 0);
  w->redrawFitPlots = false;
  EXPECT_EQ(w->handle(w->fitPlotCanvas, FXSEL(SEL_PAINT, Quillgrid::ID_FIT_PLOT), nullptr), 1);
  EXPECT_EQ(countInColumns(grab(w->fitPlotCanvas), column, column, GREEN), greenBefore);
  // A requested redraw draws everything again and clears the request.
  wipe();
  w->redrawFitPlots = true;
  w->handle(w->fitPlotCanvas, FXSEL(SEL_PAINT, Quillgrid::ID_FIT_PLOT), nullptr);
  EXPECT_FALSE(w->redrawFitPlots);
  EXPECT_EQ(countInColumns(grab(w->fitPlotCanvas), column, column, GREEN), greenBefore);
}

TEST_F(FitPlots, PressInTheMarkerStripGrabsTheNearMarker) {
  std::vector<Row> rows;
  for (int x = 0; x <= 20; ++x) rows.push_back({(double)x, 3.0 * x + 1, 0});
  typeXY(rows);
  w->numEquations = 2;
  w->fitPlotZoneMarkers_real_x[0] = 10;
  w->fitPlotZoneMarkers_real_x[1] = 20;
  ASSERT_TRUE(w->getQuillgrid());
  const int marker = w->fitPlot->getPixelsFromRealX(10.0);
  const int h = w->fitPlotCanvas->getHeight();
  FXEvent near = press(marker + 14, h - 5);
  EXPECT_EQ(w->handle(w->fitPlotCanvas, FXSEL(SEL_LEFTBUTTONPRESS, Quillgrid::ID_FIT_PLOT), &near), 1);
  EXPECT_EQ(w->draggedZoneMarker, 0);
  FXEvent away = press(marker + 20, h - 5);
  EXPECT_EQ(w->onLeftBtnPressFitPlot(w->fitPlotCanvas, 0, &away), 1);
  EXPECT_EQ(w->draggedZoneMarker, -1);
  FXEvent above = press(marker, h - 16);
  EXPECT_EQ(w->onLeftBtnPressFitPlot(w->fitPlotCanvas, 0, &above), 0);
  EXPECT_EQ(w->draggedZoneMarker, -1);
}

TEST_F(FitPlots, SavePlotAsksForTheFileAndArmsTheWriter) {
  const FXString dir = qgtest::workDirectory().c_str();
  script.cancel();
  EXPECT_EQ(w->onCmdSavePlot(nullptr, 0, nullptr), 1);
  EXPECT_FALSE(qgtest::app()->hasTimeout(w, Quillgrid::ID_WRITE_PLOT_FILE_TIMER));

  script.acceptFile(dir + "/fit.bmp", 0);
  w->directoryForUserFiles = "/";
  EXPECT_EQ(w->onCmdSavePlot(nullptr, 0, nullptr), 1);
  ASSERT_EQ(script.count(), 2u);
  EXPECT_EQ(script.last().kind, ModalSeam::DIALOG);
  EXPECT_EQ(str(script.last().caption), "Save plot");
  EXPECT_EQ(str(w->saveFileName), str(dir + "/fit.bmp"));
  EXPECT_EQ(str(w->directoryForUserFiles), str(dir));
  EXPECT_TRUE(qgtest::app()->hasTimeout(w, Quillgrid::ID_WRITE_PLOT_FILE_TIMER));
}

}  // namespace
