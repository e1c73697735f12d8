// The y scale factor (its pop-up of conversion factors and the typed
// field), "x is T" and its temperature units change what is fitted: with a
// fit shown, a change fits again, as every other fitting option does, so
// the plot, the coefficients and "Copy eqns." never belong to the factor
// or the units that were there before.
#include <fxkeys.h>

#include <cmath>
#include <functional>
#include <string>

#include "FitWindowFixture.h"
#include "TextField_lom2.h"

using namespace FX;

namespace {

class RefitOnInput : public FitWindowFixture {
protected:
  void SetUp() override {
    FitWindowFixture::SetUp();
    if (IsSkipped()) return;
    qgtest::writeFile("conversionFactors.txt", "\"in -> mm\" 25.4\r\n\"ksi -> MPa\" 6.894757\r\n");
    ASSERT_TRUE(w->readConversionFactors());
  }
  void pressFitData() { w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr); }
  // The mouse pressed and released on a widget.
  static void click(FXWindow* widget, FXuint button = LEFTBUTTON) {
    const bool left = button == LEFTBUTTON;
    FXEvent ev;
    ev.code = button;
    ev.win_x = ev.win_y = 3;
    ev.root_x = ev.root_y = 20;
    ev.moved = FALSE;
    ev.type = left ? SEL_LEFTBUTTONPRESS : SEL_RIGHTBUTTONPRESS;
    widget->handle(widget, FXSEL(ev.type, 0), &ev);
    ev.type = left ? SEL_LEFTBUTTONRELEASE : SEL_RIGHTBUTTONRELEASE;
    widget->handle(widget, FXSEL(ev.type, 0), &ev);
  }
  // Chooses the entry whose text starts with `entry` from the scale-factor
  // pop-up that a right click on the field opens.
  void chooseScaleFactor(qgtest::ModalScript& script, const char* entry) {
    bool chosen = false;
    script.then([&](ModalSeam::Request& r) -> FXuint {
      std::function<void(FXWindow*)> visit = [&](FXWindow* parent) {
        for (FXWindow* c = parent ? parent->getFirst() : nullptr; c && !chosen; c = c->getNext()) {
          FXMenuCommand* m = dynamic_cast<FXMenuCommand*>(c);
          if (m && m->getText().find(entry) == 0) {
            chosen = true;
            m->getTarget()->handle(m, FXSEL(SEL_COMMAND, m->getSelector()), nullptr);
          }
          visit(c);
        }
      };
      visit(r.popup);
      return 0;
    });
    click(w->y_axisScaleFactor, RIGHTBUTTON);
    EXPECT_TRUE(chosen) << entry;
  }
  // Keys typed into a field that has the focus.
  static void typeKey(FXTextField* field, FXuint code, const char* text) {
    FXEvent ev;
    ev.type = SEL_KEYPRESS;
    ev.code = code;
    ev.state = 0;
    ev.text = text;
    field->handle(field, FXSEL(SEL_KEYPRESS, 0), &ev);
    ev.type = SEL_KEYRELEASE;
    field->handle(field, FXSEL(SEL_KEYRELEASE, 0), &ev);
  }
  void typeScaleFactor(const char* digits) {
    FXTextField* f = w->y_axisScaleFactor;
    f->setFocus();
    f->selectAll();
    for (const char* d = digits; *d; ++d) typeKey(f, KEY_0 + (*d - '0'), std::string(1, *d).c_str());
    typeKey(f, KEY_Return, "\r");
  }
  double copiedC0() {
    const FXString eqn = w->hiddenLMPStuff_TBL->getItemText(w->hiddenTableEqnRows[0], 0);
    const FXint plus = eqn.rfind(" + ");
    return plus < 0 ? NAN : FXDoubleVal(eqn.mid(plus + 3, eqn.length()));
  }
  // The fit shown and copied is that of y = 2x^2 - 3x + 5 with x = X(x)
  // and y scaled by the factor: checks the coefficients and the copy.
  void expectFit(double c0, double c1, double c2, double tolerance) {
    EXPECT_NEAR(coefficient(0, 0), c0, tolerance);
    EXPECT_NEAR(coefficient(0, 1), c1, tolerance);
    EXPECT_NEAR(coefficient(0, 2), c2, tolerance);
    EXPECT_NEAR(copiedC0(), c0, tolerance);
    EXPECT_TRUE(w->copyEqns_Btn->isEnabled());
  }
};

TEST_F(RefitOnInput, ScaleFactorAndTemperatureChangesFitAgainWhenAFitIsShown) {
  typeQuadratic();
  setOrder(0, 2);
  w->numOfDecimalsInCoefficients_LB->setCurrentItem(w->numOfDecimalsInCoefficients_LB->getNumItems() - 1, FALSE);
  pressFitData();
  expectFit(5, -3, 2, 1e-9);
  const int series = w->plotDataCounts[0];
  ASSERT_EQ(series, 10);

  // The pop-up's "ksi -> MPa": every y times 6.894757.
  const double ksi = 6.894757;
  qgtest::ModalScript script;
  chooseScaleFactor(script, "ksi -> MPa");
  EXPECT_STREQ(w->y_axisScaleFactor->getText().text(), "6.894757e+00");
  expectFit(5 * ksi, -3 * ksi, 2 * ksi, 1e-9);
  EXPECT_NEAR(w->plotDataY[0][9], 175 * ksi, 1e-9);
  EXPECT_NEAR(FXDoubleVal(w->convertedXYValues_TBL->getItemText(9, 1)), 175 * ksi, 0.05);  // shown to 0.1

  // A factor typed into the field, ended by Return.
  typeScaleFactor("2");
  EXPECT_STREQ(w->y_axisScaleFactor->getText().text(), "2");
  expectFit(10, -6, 4, 1e-9);
  EXPECT_NEAR(w->plotDataY[0][9], 350, 1e-9);

  // "x is T" clicked: x in C becomes K (x + 273.15).
  click(w->xAxisIsTemperature_Chk);
  ASSERT_TRUE(w->xAxisIsTemperature_Chk->getCheck());
  ASSERT_EQ(w->temperatureScale_LB->getCurrentItem(), 0);  // C -> K
  const double T = 273.15;
  expectFit(2 * (2 * T * T + 3 * T + 5), 2 * (-4 * T - 3), 4, 1e-6);
  EXPECT_NEAR(w->plotDataX[0][0], 1 + T, 1e-9);

  // Its units: F -> C, c = (x - 32) 5/9, so x = 1.8 c + 32.
  w->temperatureScale_LB->setCurrentItem(2, TRUE);
  const double a = 1.8, b = 32;
  expectFit(2 * (2 * b * b - 3 * b + 5), 2 * (4 * a * b - 3 * a), 2 * 2 * a * a, 1e-6);

  // And unchecked again.
  click(w->xAxisIsTemperature_Chk);
  ASSERT_FALSE(w->xAxisIsTemperature_Chk->getCheck());
  expectFit(10, -6, 4, 1e-9);
  EXPECT_EQ(script.count(), 1u);  // the pop-up, and no box
}

// Without a fit shown the inputs only change; no run starts and no box
// asks for data.
TEST_F(RefitOnInput, ChangesWithoutAFitShownStartNoRun) {
  typeQuadratic();
  setOrder(0, 2);
  qgtest::ModalScript script;
  chooseScaleFactor(script, "in -> mm");
  typeScaleFactor("3");
  click(w->xAxisIsTemperature_Chk);
  w->temperatureScale_LB->setCurrentItem(1, TRUE);
  EXPECT_EQ(script.count(), 1u);  // the pop-up only
  EXPECT_EQ(cell(w->coefficients_TBL[0], 0, 0), "");
  EXPECT_FALSE(w->copyEqns_Btn->isEnabled());
  EXPECT_EQ(cell(w->convertedXYValues_TBL, 0, 0), "");
}

}  // namespace
