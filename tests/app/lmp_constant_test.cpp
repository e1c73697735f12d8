// The Larson-Miller constant C: the search for the C with the smallest
// largest difference, snapping C onto the wheel step, and the wheel over
// the C field.
#include <cmath>
#include <string>
#include <vector>

#include "FitWindowFixture.h"
#include "TextField_lom2.h"

using namespace FX;

namespace {

std::string shown(double value, int decimals) { return FXStringFormat("%.*lf", decimals, value).text(); }

TEST(LarsonMillerConstantRules, SnappingOntoTheStep) {
  const struct {
    double C;
    bool fine;
    const char* expected;
  } cases[] = {
      {23.37, false, "23.0"}, {23.37, true, "23.3"}, {7.33, true, "7.32"}, {7.33, false, "7.3"},
      {9.99, false, "9.9"},   {10.0, false, "10.0"},
      // Values already on the step stay there.
      {10.1, true, "10.1"},   {12.7, true, "12.7"},  {20.2, true, "20.2"}, {7.32, true, "7.32"},
  };
  for (const auto& c : cases) {
    int decimals = -1;
    const double snapped = Quillgrid::snappedLarsonMillerConstant(c.C, c.fine, &decimals);
    EXPECT_EQ(shown(snapped, decimals), c.expected) << c.C << (c.fine ? " fine" : " coarse");
  }
}

TEST(LarsonMillerConstantRules, WheelSteps) {
  const struct {
    double C;
    bool fine, up;
    const char* expected;
  } cases[] = {
      {10.0, true, true, "10.1"},  {9.98, true, true, "10.00"},  {100, false, true, "100.0"},
      {100, true, true, "100.0"},  {10.0, false, true, "10.5"},  {10.0, false, false, "9.5"},
      {5.0, false, false, "4.9"},  {5.0, true, false, "4.98"},   {1.05, false, false, "1.0"},
      {1.01, true, false, "1.00"},
  };
  for (const auto& c : cases) {
    int decimals = -1;
    const double stepped = Quillgrid::steppedLarsonMillerConstant(c.C, c.fine, c.up, &decimals);
    EXPECT_EQ(shown(stepped, decimals), c.expected) << c.C << (c.fine ? " fine" : " coarse") << (c.up ? " up" : " down");
  }
}

// Runs the search over a made-up largest difference m(C), recording each C
// handed to the fit.
struct FakeSearch {
  std::function<double(int, double)> m;  // call index, C -> m
  int failAt = -1;                        // call index whose fit fails
  std::vector<double> tried;
  double last = 0;
  int run(double start, double smallest) {
    return Quillgrid::searchLarsonMillerConstant(
        start, smallest,
        [this](double C, double* out) {
          const int call = (int)tried.size();
          tried.push_back(C);
          if (call == failAt) return false;
          *out = m(call, C);
          return true;
        },
        &last);
  }
};

// The last step the search walks before its step falls below the
// smallest one: 1/8 for 0.1, 1/16 for 0.05.
double lastStep(double smallest) {
  double step = 1;
  while (step / 2 >= smallest) step /= 2;
  return step;
}

TEST(LarsonMillerConstantRules, SearchSettlesOneLastStepPastTheBestC) {
  for (double smallest : {0.1, 0.05}) {
    FakeSearch s;
    s.m = [](int, double C) { return -5 * std::fabs(C - 37.3); };  // the sign does not matter
    EXPECT_EQ(s.run(23.4, smallest), Quillgrid::LMP_SEARCH_FOUND);
    EXPECT_DOUBLE_EQ(s.tried.front(), 23.4);
    EXPECT_DOUBLE_EQ(s.last, s.tried.back());
    // It stops on the worse side: one last step beyond the best C tried,
    // which lies within half that step of the minimum.
    double best = s.tried.front();
    for (double C : s.tried)
      if (std::fabs(C - 37.3) < std::fabs(best - 37.3)) best = C;
    const double step = lastStep(smallest);
    EXPECT_NEAR(std::fabs(s.last - best), step, 1e-9) << smallest;
    EXPECT_LE(std::fabs(best - 37.3), step / 2 + 1e-9) << smallest;
  }
  // A start outside [1, 100] begins at 20.
  for (double start : {150.0, 0.5, -3.0}) {
    FakeSearch s;
    s.m = [](int, double C) { return std::fabs(C - 20.6); };
    EXPECT_EQ(s.run(start, 0.1), Quillgrid::LMP_SEARCH_FOUND);
    EXPECT_DOUBLE_EQ(s.tried.front(), 20) << start;
  }
  // A difference that keeps shrinking walks C out of [1, 100] by one step.
  FakeSearch s;
  s.m = [](int, double C) { return 200 - C; };
  EXPECT_EQ(s.run(20, 0.1), Quillgrid::LMP_SEARCH_FOUND);
  EXPECT_DOUBLE_EQ(s.last, 101);
  EXPECT_EQ(s.tried.size(), 82u);
}

TEST(LarsonMillerConstantRules, SearchStopsOnAFailedFitAndAfterItsStepBound) {
  FakeSearch failing;
  failing.m = [](int, double C) { return std::fabs(C - 30); };
  failing.failAt = 2;
  EXPECT_EQ(failing.run(20, 0.1), Quillgrid::LMP_SEARCH_FIT_FAILED);
  EXPECT_EQ(failing.tried.size(), 3u);
  EXPECT_DOUBLE_EQ(failing.last, 22);

  // Worse four times running (the step falls to 1/16), then better at
  // every step: with the finest step the walk would need more than 1200
  // steps to leave [1, 100].
  auto stubborn = [](int call, double) {
    if (call == 0) return 1.0;
    return call <= 4 ? 10.0 * call : 40.0 - call * 1e-3;
  };
  FakeSearch fine;
  fine.m = stubborn;
  EXPECT_EQ(fine.run(20, 0.05), Quillgrid::LMP_SEARCH_NO_CONVERGENCE);
  EXPECT_EQ(fine.tried.size(), (size_t)Quillgrid::LMP_SEARCH_MAX_STEPS);
  FakeSearch coarse;
  coarse.m = stubborn;
  EXPECT_EQ(coarse.run(20, 0.1), Quillgrid::LMP_SEARCH_FOUND);
  EXPECT_EQ(coarse.tried.size(), 5u);
}

class LarsonMillerConstant : public FitWindowFixture {
protected:
  // ln(stress) = 7 - 0.15 x - 0.004 x^2 with x = LMP / 1000 and
  // LMP = T (C + log10 t), the times made for a known C.
  void typeSynthetic(double C) {
    std::vector<Row> rows;
    for (double T : {750.0, 850.0, 950.0})
      for (double x : {17.0, 18.5, 20.0, 21.5, 23.0}) {
        const double stress = std::exp(7 - 0.15 * x - 0.004 * x * x);
        const double time = std::pow(10.0, 1000 * x / T - C);
        rows.push_back({time, stress, T});
      }
    typeLMP(rows);
    setOrder(0, 2);
  }
  double C() { return w->lmp_C_TF->toDouble(); }
  // The fit on screen was made with the C the field shows.
  void expectFittedWithShownC() {
    const std::string text = field(w->lmp_C_TF);
    EXPECT_EQ(cell(w->hiddenLMPStuff_TBL, 0, 2), "'" + text);
    EXPECT_EQ(str(w->plotNote).rfind("C = " + text + " ", 0), 0u) << str(w->plotNote);
    const double t = FXDoubleVal(w->lmpData_TBL->getItemText(0, 0));
    const double T = FXDoubleVal(w->lmpData_TBL->getItemText(0, 2));
    EXPECT_EQ(cell(w->lmpData_TBL, 0, 3), shown(T * (std::log10(t) + C()), 0));
  }
  long wheel(int code, FXuint state = 0) {
    FXEvent ev;
    ev.type = SEL_MOUSEWHEEL;
    ev.code = code;
    ev.state = state;
    return w->handle(w->lmp_C_TF, FXSEL(SEL_MOUSEWHEEL, Quillgrid::ID_LMP_CONSTANT), &ev);
  }
  qgtest::ModalScript script;
};

TEST_F(LarsonMillerConstant, AutoFitFindsTheConstantOfTheData) {
  const double trueC = 23.4;
  typeSynthetic(trueC);
  ASSERT_TRUE(w->lmp_C_TF->isEnabled());
  ASSERT_TRUE(w->getQuillgrid());
  const double differenceAt20 = std::fabs(w->maxAbsPercentDiff);
  EXPECT_GT(differenceAt20, 1);

  EXPECT_EQ(w->handle(w->autoFitLMP_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_AUTO_FIT_LMP), nullptr), 1);
  EXPECT_EQ(script.count(), 0u);
  // Within one and a half last steps of the true C (see the search
  // rules above), and the two decimals it is written with.
  EXPECT_LE(std::fabs(C() - trueC), 1.5 * lastStep(0.1) + 0.005) << field(w->lmp_C_TF);
  EXPECT_EQ(field(w->lmp_C_TF), shown(C(), 2));
  EXPECT_LT(std::fabs(w->maxAbsPercentDiff), differenceAt20 / 10);
  expectFittedWithShownC();

  // The finer option settles closer; a start outside [1, 100] is taken
  // as 20.
  w->lmpMouseWheelStepSizeOfp1_Chk->setCheck(TRUE);
  w->lmp_C_TF->setText("150");
  w->onCmdAutoFitLMP(nullptr, 0, nullptr);
  EXPECT_LE(std::fabs(C() - trueC), 1.5 * lastStep(0.05) + 0.005) << field(w->lmp_C_TF);
  expectFittedWithShownC();
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(LarsonMillerConstant, AutoFitReportsAFailingFit) {
  typeSynthetic(23.4);
  w->lmpData_TBL->setItemText(3, 0, "0");
  w->lmp_C_TF->setText("35");
  EXPECT_EQ(w->onCmdAutoFitLMP(nullptr, 0, nullptr), 1);
  ASSERT_EQ(script.count(), 2u);
  EXPECT_EQ(str(script.requests()[0].caption), "Illegal values");
  EXPECT_EQ(str(script.last().caption), "Error");
  EXPECT_EQ(str(script.last().text), "Cannot not find the LMP value.");
  EXPECT_EQ(field(w->lmp_C_TF), "35.00");  // the last C tried

  // Only the Larson-Miller fit searches C.
  setFitType(0);
  w->lmp_C_TF->setText("35");
  EXPECT_EQ(w->onCmdAutoFitLMP(nullptr, 0, nullptr), 1);
  EXPECT_EQ(field(w->lmp_C_TF), "35");
  EXPECT_EQ(script.count(), 2u);
}

TEST_F(LarsonMillerConstant, StepOptionSnapsCAndFitsWhenItChanged) {
  typeSynthetic(23.4);
  w->lmp_C_TF->setText("23.37");
  EXPECT_EQ(w->handle(w->lmpMouseWheelStepSizeOfp1_Chk, FXSEL(SEL_COMMAND, Quillgrid::ID_LMP_STEP_SIZE), nullptr),
            1);
  EXPECT_EQ(field(w->lmp_C_TF), "23.0");
  expectFittedWithShownC();

  // Already on the finer step: nothing changes, nothing is fitted again.
  w->lmpData_TBL->setItemText(0, 4, "untouched");
  w->lmpMouseWheelStepSizeOfp1_Chk->setCheck(TRUE);
  w->onCmdLMPStepSize(w->lmpMouseWheelStepSizeOfp1_Chk, 0, nullptr);
  EXPECT_EQ(field(w->lmp_C_TF), "23.0");
  EXPECT_EQ(cell(w->lmpData_TBL, 0, 4), "untouched");

  w->lmp_C_TF->setText("7.33");
  w->onCmdLMPStepSize(w->lmpMouseWheelStepSizeOfp1_Chk, 0, nullptr);
  EXPECT_EQ(field(w->lmp_C_TF), "7.32");
  expectFittedWithShownC();
  EXPECT_EQ(script.count(), 0u);
}

TEST_F(LarsonMillerConstant, WheelStepsCAndFits) {
  typeSynthetic(23.4);
  w->lmp_C_TF->setText("10.0");
  EXPECT_EQ(wheel(120), 1);
  EXPECT_EQ(field(w->lmp_C_TF), "10.5");
  expectFittedWithShownC();
  // The message of amount 0 that follows each notch turns nothing.
  EXPECT_EQ(wheel(0), 0);
  EXPECT_EQ(field(w->lmp_C_TF), "10.5");
  EXPECT_EQ(wheel(-120, CONTROLMASK), 1);
  EXPECT_EQ(field(w->lmp_C_TF), "10.4");
  expectFittedWithShownC();
  EXPECT_EQ(wheel(-120, SHIFTMASK), 1);
  EXPECT_EQ(field(w->lmp_C_TF), "10.3");

  w->lmpMouseWheelStepSizeOfp1_Chk->setCheck(TRUE);
  w->lmp_C_TF->setText("9.98");
  EXPECT_EQ(wheel(120), 1);
  EXPECT_EQ(field(w->lmp_C_TF), "10.00");
  expectFittedWithShownC();
  w->lmp_C_TF->setText("100");
  EXPECT_EQ(wheel(120), 1);
  EXPECT_EQ(field(w->lmp_C_TF), "100.0");
  EXPECT_EQ(script.count(), 0u);

  // Another fit type disables the field, which then keeps its value.
  setFitType(0);
  ASSERT_FALSE(w->lmp_C_TF->isEnabled());
  EXPECT_EQ(wheel(120), 0);
  EXPECT_EQ(field(w->lmp_C_TF), "100.0");
}

}  // namespace
