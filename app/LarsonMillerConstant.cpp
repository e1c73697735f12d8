// The Larson-Miller constant C on the Curve Fitting tab: the search for
// the C that gives the smallest largest percentage difference ("Auto-fit"),
// snapping C onto the wheel step ("0.1/0.02 step") and the mouse wheel
// over the C field.
#include <cmath>

#include "ModalSeam.h"
#include "Quillgrid.h"
#include "TextField_lom2.h"

using namespace FX;

namespace {
const int LMP_TYPE = 5;
const double MIN_C = 1.0;
const double MAX_C = 100.0;
const double START_C = 20.0;

bool isChecked(FXCheckButton* check) { return check && check->getCheck() == TRUE; }

// The wheel step of C and its decimals: fine steps of 0.1 from 10 up and
// 0.02 below, coarse ones of 0.5 and 0.1. `ten` is where the larger step
// begins.
double constantStep(double C, bool fine, double ten, int* decimals) {
  const bool large = C > ten;
  *decimals = fine && !large ? 2 : 1;
  if (fine) return large ? 0.1 : 0.02;
  return large ? 0.5 : 0.1;
}
}  // namespace

double Quillgrid::snappedLarsonMillerConstant(double C, bool fine, int* decimals) {
  const double step = constantStep(C, fine, 9.9999, decimals);
  // A C already on the step stays there: 10.1 / 0.1 is 100.99999999999999
  // in binary, which plain truncation would take down to 10.0.
  const double q = C / step;
  return std::trunc(q + (q >= 0 ? 1e-9 : -1e-9)) * step + 0.001;
}

double Quillgrid::steppedLarsonMillerConstant(double C, bool fine, bool up, int* decimals) {
  const double step = constantStep(C, fine, 9.99999, decimals);
  C += up ? step : -step;
  if (C < MIN_C) C = MIN_C;
  if (C > MAX_C) C = MAX_C;
  return C;
}

int Quillgrid::searchLarsonMillerConstant(double start, double smallestStep,
                                          const std::function<bool(double, double*)>& fit, double* lastFitted) {
  double C = start >= MIN_C && start <= MAX_C ? start : START_C;
  double step = 1.0, direction = 1.0, previous = 1000000.0;
  *lastFitted = C;
  // Each turn at least halves the step, so a search that keeps improving
  // in one direction is what the bound on the steps stops.
  for (int count = 0;;) {
    *lastFitted = C;
    double m = 0;
    if (!fit(C, &m)) return LMP_SEARCH_FIT_FAILED;
    if (std::fabs(m) > std::fabs(previous)) {
      direction = -direction;
      step /= 2;
    }
    if (step < smallestStep || C < MIN_C || C > MAX_C) return LMP_SEARCH_FOUND;
    C += direction * step;
    if (++count >= LMP_SEARCH_MAX_STEPS) return LMP_SEARCH_NO_CONVERGENCE;
    previous = m;
  }
}

void Quillgrid::showLarsonMillerConstant(double C, int decimals) {
  if (!lmp_C_TF) return;
  lmp_C_TF->setText(FXStringFormat("%.*lf", decimals, C));
  lmp_C_TF->recalc();
}

long Quillgrid::onCmdAutoFitLMP(FXObject*, FXSelector, void*) {
  // The button is there for the Larson-Miller fit only; any other fit
  // does not read C.
  if (!lmp_C_TF || curveFitType != LMP_TYPE) return 1;
  getApp()->beginWaitCursor();
  const double smallestStep = isChecked(lmpMouseWheelStepSizeOfp1_Chk) ? 0.05 : 0.1;
  // The fit reads C from its field, so each C takes effect as written,
  // with two decimals.
  double last = 0;
  // Only the fit the search ends with tells whether its equations lose
  // their fit.
  holdFitWarnings = true;
  heldFitWarning = FXString::null;
  const int result = searchLarsonMillerConstant(
      lmp_C_TF->toDouble(), smallestStep,
      [this](double C, double* m) {
        showLarsonMillerConstant(C, 2);
        if (!getQuillgrid()) return false;
        *m = maxAbsPercentDiff;
        return true;
      },
      &last);
  getApp()->endWaitCursor();
  holdFitWarnings = false;
  if (result == LMP_SEARCH_FOUND) {
    // The results on screen are those of the last fit, made with this C.
    showLarsonMillerConstant(last, 2);
    if (!heldFitWarning.empty()) tellEquationsLosingTheirFit(heldFitWarning);
  } else {
    ModalSeam::error(this, MBOX_OK, "Error", "Cannot not find the LMP value.");
  }
  return 1;
}

long Quillgrid::onCmdLMPStepSize(FXObject*, FXSelector, void*) {
  if (!lmp_C_TF) return 1;
  const double C = lmp_C_TF->toDouble();
  int decimals = 1;
  const double snapped = snappedLarsonMillerConstant(C, isChecked(lmpMouseWheelStepSizeOfp1_Chk), &decimals);
  showLarsonMillerConstant(snapped, decimals);
  // Fit again only when the C in force has changed.
  if (std::fabs(lmp_C_TF->toDouble() - C) > 1e-9) getQuillgrid();
  return 1;
}

long Quillgrid::onMouseLMP(FXObject*, FXSelector, void* ptr) {
  const FXEvent* ev = static_cast<const FXEvent*>(ptr);
  // A disabled field (any fit but Larson-Miller) keeps its value. The
  // toolkit follows each notch with a message of amount 0 (the wheel
  // button's release), which turns nothing.
  if (!ev || ev->code == 0 || !lmp_C_TF || !lmp_C_TF->isEnabled()) return 0;
  const bool fine = (ev->state & (SHIFTMASK | CONTROLMASK)) != 0 || isChecked(lmpMouseWheelStepSizeOfp1_Chk);
  int decimals = 1;
  const double C = steppedLarsonMillerConstant(lmp_C_TF->toDouble(), fine, ev->code >= 1, &decimals);
  showLarsonMillerConstant(C, decimals);
  getQuillgrid();
  return 1;
}
