// The last zone's limit is the end of the data: after a fit of data that
// reach further than the last ones, the limit field, the plot note and the
// zone's small plot show the new end, not the old one.
#include <string>
#include <vector>

#include "FitWindowFixture.h"

using namespace FX;

TEST_F(FitWindowFixture, LastZoneLimitFollowsDataThatReachFurther) {
  qgtest::ModalScript script;
  auto line = [this](int last) {
    std::vector<Row> rows;
    for (int x = 0; x <= last; ++x) rows.push_back({(double)x, 3.0 * x + 1, 0});
    typeXY(rows);
  };
  line(10);
  w->numOfEquations_LB->setCurrentItem(1, FALSE);
  w->handle(w->numOfEquations_LB, FXSEL(SEL_COMMAND, Quillgrid::ID_NUM_EQUATIONS), nullptr);
  ASSERT_EQ(w->numEquations, 2);
  ASSERT_TRUE(w->getQuillgrid());
  EXPECT_DOUBLE_EQ(w->fitPlotZoneMarkers_real_x[0], 5);
  EXPECT_DOUBLE_EQ(w->fitPlotZoneMarkers_real_x[1], 10);

  // The same data and forty more points; "Fit data" keeps the user's inner
  // limit and moves the end.
  line(50);
  EXPECT_EQ(w->handle(nullptr, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr), 1);
  EXPECT_EQ(script.count(), 0u);
  EXPECT_DOUBLE_EQ(w->fitPlotZoneMarkers_real_x[0], 5);
  EXPECT_DOUBLE_EQ(w->fitPlotZoneMarkers_real_x[1], 50);
  EXPECT_DOUBLE_EQ(FXDoubleVal(w->eqnFit_TF[0][1]->getText()), 50) << w->eqnFit_TF[0][1]->getText().text();
  const std::string note = w->addNewlinesToPlotNote(FXString::null).text();
  EXPECT_NE(note.find(w->getFormattedNumberFoxAxis(0, 50).text()), std::string::npos) << note;
}
