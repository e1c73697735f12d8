// The fit plots after "Fit data": a zone without a fit draws no curve; the
// note stands where a fresh start puts it, whatever fit came before; and
// the note stays readable over the data.
#include <cmath>
#include <vector>

#include "FitWindowFixture.h"
#include "Globals.h"
#include "fox16.h"

using namespace FX;

namespace {

const FXColor GREEN = argb(0xFF00FF00);
const FXColor BLACK = argb(0xFF000000);

class FitPlotPictures : public FitWindowFixture {
protected:
  void pressFitData() { w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr); }
  // The pixels of the main fit plot's last picture.
  std::vector<FXColor> pixels(const char* name) {
    FXImage* img = picture(w->fitPlot, name);
    std::vector<FXColor> p;
    if (!img) return p;
    width = img->getWidth();
    height = img->getHeight();
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) p.push_back(img->getPixel(x, y));
    return p;
  }
  FXColor background() const { return BACK_GROUND_COLORS[w->plotBackgroundColorIndex]; }
  int width = 0, height = 0;
  qgtest::ModalScript script;
};

// Zone 1 holds three points at one x: its second-order fit cannot be made.
TEST_F(FitPlotPictures, ZoneWithoutAFitDrawsNoCurve) {
  std::vector<Row> rows;
  for (double x : {1.0, 2.0, 3.0, 4.0, 5.0, 5.0, 5.0, 7.0, 8.0, 9.0, 10.0}) rows.push_back({x, x * x + 3, 0});
  typeXY(rows);
  w->numEquations = 3;
  const double limits[] = {4.5, 6, 10};
  for (int j = 0; j < 3; ++j) w->fitPlotZoneMarkers_real_x[j] = limits[j];
  for (int z = 0; z < 3; ++z) setOrder(z, 2);
  w->numOfOverlapPoints_LB->setCurrentItem(0, FALSE);
  ASSERT_EQ(w->currentItemNumber(w->numOfOverlapPoints_LB), 0);
  pressFitData();
  ASSERT_EQ(field(w->excelEqn_TF[1]), "error - not fitted");
  ASSERT_NE(field(w->excelEqn_TF[0]), "error - not fitted");

  FXImage* img = picture(w->fitPlot, "unfitted_zone");
  ASSERT_NE(img, nullptr);
  const int from = w->fitPlot->getPixelsFromRealX(4.5), to = w->fitPlot->getPixelsFromRealX(6.0);
  // The fitted zones have their curves; the zone between has none, in any
  // row of the picture, beside its points at x = 5.
  const FXColor curve = GREEN;
  const int points = w->fitPlot->getPixelsFromRealX(5.0), disc = PLOT_POINT_SIZE[w->plotPointSize] + 2;
  EXPECT_GT(countInColumns(img, w->fitPlot->getPixelsFromRealX(1.5), from - 2, curve), 0);
  EXPECT_GT(countInColumns(img, to + 2, w->fitPlot->getPixelsFromRealX(9.5), curve), 0);
  EXPECT_EQ(countInColumns(img, from + 2, points - disc, curve), 0);
  EXPECT_EQ(countInColumns(img, points + disc, to - 2, curve), 0);
}

// An x-vs-y fit draws the same picture before and after a Larson-Miller
// fit, whose summary stands bottom left.
TEST_F(FitPlotPictures, NotesStandAsAfterAFreshStartAfterALarsonMillerFit) {
  w->showEquationOnImage_Chk->setCheck(TRUE);
  typeQuadratic();
  setOrder(0, 2);
  pressFitData();
  const std::vector<FXColor> before = pixels("note_before_lmp");
  ASSERT_FALSE(before.empty());

  std::vector<Row> rows;
  for (double T : {800.0, 900.0})
    for (double t : {10.0, 100.0, 1000.0}) rows.push_back({t, std::exp(8 - 0.2 * (std::log10(t) + 20) * T / 1000), T});
  typeLMP(rows);
  setOrder(0, 1);
  pressFitData();
  ASSERT_FALSE(field(w->excelEqn_TF[0]).empty());

  setFitType(0);
  typeQuadratic();
  setOrder(0, 2);
  pressFitData();
  const std::vector<FXColor> after = pixels("note_after_lmp");
  ASSERT_EQ(after.size(), before.size());
  int differing = 0;
  for (size_t i = 0; i < after.size(); ++i) differing += after[i] != before[i];
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(script.count(), 0u);
}

// Points and the fitted curve run through the top left, where the note of
// the equation stands: every pixel of its glyphs stands among the text's
// own pixels and the plot's grey or white background only, never beside
// a coloured point or the curve.
TEST_F(FitPlotPictures, NoteStaysReadableOverTheData) {
  std::vector<Row> rows;
  for (int i = 0; i <= 200; ++i) {
    const double x = 0.05 * i;
    rows.push_back({x, (10 - x) * (10 - x) + 0.5 * std::sin(7 * x), 0});
  }
  typeXY(rows);
  setOrder(0, 4);
  w->showEquationOnImage_Chk->setCheck(TRUE);
  pressFitData();
  const std::vector<FXColor> shown = pixels("note_over_data");
  w->showEquationOnImage_Chk->setCheck(FALSE);
  pressFitData();
  const std::vector<FXColor> hidden = pixels("data_without_note");
  ASSERT_EQ(shown.size(), hidden.size());
  ASSERT_FALSE(shown.empty());

  const FXColor back = background();
  auto at = [&](const std::vector<FXColor>& p, int x, int y) { return p[(size_t)y * width + x]; };
  int glyphs = 0, besideData = 0;
  for (int y = 1; y + 1 < height; ++y)
    for (int x = 1; x + 1 < width; ++x) {
      // A glyph pixel: drawn by the note, where the data left another colour.
      if (!sameRGB(at(shown, x, y), BLACK) || sameRGB(at(hidden, x, y), BLACK)) continue;
      ++glyphs;
      const FXColor around[4] = {at(shown, x - 1, y), at(shown, x + 1, y), at(shown, x, y - 1), at(shown, x, y + 1)};
      // The text is black on the background, smoothed with greys between;
      // points and the curve are coloured.
      for (FXColor c : around) besideData += FXREDVAL(c) != FXGREENVAL(c) || FXGREENVAL(c) != FXBLUEVAL(c);
    }
  EXPECT_GT(glyphs, 100);
  EXPECT_EQ(besideData, 0);
  // The data under the note were there to hide it.
  int dataUnderNote = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      dataUnderNote += sameRGB(at(shown, x, y), back) && !sameRGB(at(hidden, x, y), back);
  EXPECT_GT(dataUnderNote, 0);
}

}  // namespace
