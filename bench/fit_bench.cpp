// Accuracy and speed of the least-squares fit.
//
// Prints the smallest coefficient LRE (log relative error, capped at 15)
// of the fit of each certified data set: the NIST sets of the shared test
// data and the harder sets made by bench/data/make_reference.py. Then times
// a fit of order 15 on 100,000 points.
//
// With a display it then times the re-fit that one press of a fit-order
// arrow runs on 10,000 rows of the XY values table (the main window on its
// Curve Fitting tab, through the arrow's own handler, with the repaint
// that follows), against its floor: one least-squares solve of order 15
// on the same rows. Run it under xvfb-run for that part.
#include <stdlib.h>
#include <unistd.h>

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "CurveFitting.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "ReferenceData.h"
#include "Table_lom2.h"

using namespace FX;

namespace {

std::string directoryOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

bool report(const std::string& base, const char* name) {
  refdata::DataSet set;
  if (!refdata::load(base, set)) {
    std::printf("%-14s missing (%s)\n", name, base.c_str());
    return false;
  }
  CurveFitting fit;
  std::vector<double> coef(set.certified.size());
  double chi2 = 0, r2 = 0, adjusted = 0;
  const bool ok = fit.leastSquares((int)set.x.size(), set.order(), set.x.data(), set.y.data(),
                                   coef.data(), &chi2, &r2, &adjusted);
  if (!ok) {
    std::printf("%-14s order %2d  not fitted\n", name, set.order());
    return false;
  }
  std::printf("%-14s order %2d  points %4zu  smallest coefficient LRE %5.2f  R2 %.15f\n", name,
              set.order(), set.x.size(), refdata::smallestLre(coef, set.certified), r2);
  return true;
}

double nowMs() {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

// Runs the event loop for a while, so that the window is laid out and
// shown as a user sees it.
void runEventsFor(FXApp& app, int ms) {
  const double end = nowMs() + ms;
  while (nowMs() < end) {
    app.runWhileEvents();
    usleep(1000);
  }
}

void selectItemWithNumber(FXListBox* list, int number) {
  for (int i = 0; i < list->getNumItems(); ++i)
    if (FXIntVal(list->getItemText(i), 10) == number) list->setCurrentItem(i, FALSE);
}

bool displayAvailable() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  XCloseDisplay(display);
  return true;
}

// 10,000 rows typed into the XY values table (a smooth curve with noise),
// one equation, the largest order 15, fitted once at order 14.
void prepareRefit(FXApp& app, Quillgrid* w, std::vector<double>& x, std::vector<double>& y) {
  const int rows = 10000;
  // The last choice of "# rows in table" is 10,000.
  w->numRowsInXYTable_LB->setCurrentItem(w->numRowsInXYTable_LB->getNumItems() - 1, FALSE);
  w->onCmdNumRowsInXYTables(nullptr, 0, nullptr);
  unsigned state = 987u;
  x.resize(rows);
  y.resize(rows);
  for (int i = 0; i < rows; ++i) {
    state = state * 1664525u + 1013904223u;
    const double xi = 1 + 999.0 * i / (rows - 1);
    const double yi = 100.0 * std::sin(xi / 80.0) + 0.001 * xi * xi + 200 + ((state >> 8) * (1.0 / (1 << 24)) - 0.5);
    const FXString xt = FXStringFormat("%.6g", xi), yt = FXStringFormat("%.6g", yi);
    w->xyValues_TBL->setItemText(i, 0, xt);
    w->xyValues_TBL->setItemText(i, 1, yt);
    x[i] = FXDoubleVal(xt);
    y[i] = FXDoubleVal(yt);
  }
  w->curveFitType = 0;
  w->setCurveFitType();
  w->dataSource = 1;
  w->setDataSource();
  w->tabBook->setCurrent(3, FALSE);
  w->onCmdTabs(w->tabBook, 0, nullptr);
  runEventsFor(app, 500);
  w->numOfEquations_LB->setCurrentItem(0, FALSE);
  w->setNumEquations(true);
  selectItemWithNumber(w->maxFitOrder_LB, 15);
  w->onCmdMaxFitOrder(nullptr, 0, nullptr);
  w->setFitOrderLabels(0, w->fitOrder_Lbl[0], 14);
  app.runWhileEvents();
  w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr);
  runEventsFor(app, 200);
}

// The re-fit of one order-arrow press against one order-15 solve.
void timeRefit(int argc, char** argv) {
  char dir[] = "/tmp/quillgrid-fit-bench-XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) {
    std::printf("Cannot make a working directory.\n");
    return;
  }
  ModalSeam::setResponder([](ModalSeam::Request&) -> FXuint { return MBOX_CLICKED_OK; });
  FXApp app("Quillgrid", "VORN");
  app.init(argc, argv);
  Quillgrid* w = new Quillgrid(&app);
  app.create();
  app.runWhileEvents();

  std::vector<double> x, y;
  prepareRefit(app, w, x, y);
  ModalSeam::clearLog();

  // Up to 15 and down to 14 in turn, each press through its handler and
  // the repaint it leaves; the floor is the solve at order 15.
  const int presses = 12;
  std::vector<double> refits, solves, repaints;
  // Each step's time per press, summed over its calls in the press.
  std::vector<std::string> order;
  std::map<std::string, std::vector<double>> steps;
  std::map<std::string, int> calls;
  w->fitStepTimes = [&](const char* step, double ms) {
    std::vector<double>& v = steps[step];
    if (v.empty()) order.push_back(step);
    if ((int)v.size() <= (int)refits.size()) v.resize(refits.size() + 1, 0.0);
    v[refits.size()] += ms;
    ++calls[step];
  };
  std::vector<double> coef(16);
  CurveFitting fit;
  double chi2 = 0, r2 = 0, adjusted = 0;
  for (int k = 0; k < presses; ++k) {
    const bool up = k % 2 == 0;
    double start = nowMs();
    if (up)
      w->handle(w->increaseFitOrder_Btn[0], FXSEL(SEL_COMMAND, Quillgrid::ID_INCREASE_FIT_ORDER), nullptr);
    else
      w->handle(w->decreaseFitOrder_Btn[0], FXSEL(SEL_COMMAND, Quillgrid::ID_DECREASE_FIT_ORDER), nullptr);
    const double handled = nowMs();
    app.repaint();
    app.flush(TRUE);
    repaints.push_back(nowMs() - handled);
    refits.push_back(nowMs() - start);
    start = nowMs();
    fit.leastSquares((int)x.size(), 15, x.data(), y.data(), coef.data(), &chi2, &r2, &adjusted);
    solves.push_back(nowMs() - start);
  }
  w->fitStepTimes = nullptr;
  std::printf("\nWhere the time of a re-fit goes (median ms per press; steps nest)\n");
  for (const std::string& step : order) {
    std::vector<double> v = steps[step];
    v.resize(presses, 0.0);
    std::printf("  %-44s %8.2f ms  (%d calls a press)\n", step.c_str(), median(v), calls[step] / presses);
  }
  std::printf("  %-44s %8.2f ms\n", "repaint and display sync after the handler", median(repaints));
  const bool fitted = !w->coefficients_TBL[0]->getItemText(0, 14).empty();
  const double refit = median(refits), solve = median(solves);
  std::printf("\nRe-fit of %zu rows by an order arrow (14 <-> 15), median of %d presses: %.1f ms%s\n", x.size(),
              presses, refit, fitted ? "" : "  (NOT fitted)");
  // The boxes the presses showed (answered at once), such as the warning
  // that the equations as written at 6 decimals do not carry an order-15
  // fit of x up to 1000.
  std::map<std::string, int> boxes;
  for (const ModalSeam::Request& r : ModalSeam::log()) ++boxes[r.caption.text()];
  for (const auto& b : boxes) std::printf("  box \"%s\" shown %d times\n", b.first.c_str(), b.second);
  std::printf("Floor: one order-15 solve of the same rows, median: %.2f ms\n", solve);
  std::printf("Re-fit / floor: %.1fx\n", refit / solve);

  delete w;
  ModalSeam::setResponder(ModalSeam::Responder());
  if (chdir("/") == 0) {
    const std::string cleanup = std::string("rm -rf '") + dir + "'";
    if (system(cleanup.c_str()) != 0) std::printf("could not remove %s\n", dir);
  }
}

}  // namespace

int main(int argc, char** argv) {
  setvbuf(stdout, nullptr, _IOLBF, 0);
  std::printf("Certified data sets\n");
  const std::string nist = std::string(QG_TESTDATA_DIR) + "/nist/";
  for (const char* name : {"Norris", "Pontius", "Wampler1", "Wampler2"}) report(nist + name, name);
  const std::string harder = directoryOf(__FILE__) + "/data/";
  for (const char* name : {"FilipLike", "NoisyWampler", "Order15"}) report(harder + name, name);

  // Order 15 on 100,000 points: a smooth curve with noise on x in [0, 1000).
  const int count = 100000, order = 15;
  std::vector<double> x(count), y(count), coef(order + 1);
  unsigned state = 12345u;
  for (int i = 0; i < count; ++i) {
    state = state * 1664525u + 1013904223u;
    x[i] = 1000.0 * i / count;
    y[i] = 100.0 * std::sin(x[i] / 80.0) + 0.001 * x[i] * x[i] + (state >> 8) * (1.0 / (1 << 24)) - 0.5;
  }
  CurveFitting fit;
  double chi2 = 0, r2 = 0, adjusted = 0;
  const int runs = 5;
  double best = 1e30;
  bool ok = true;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    ok = fit.leastSquares(count, order, x.data(), y.data(), coef.data(), &chi2, &r2, &adjusted) && ok;
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (ms < best) best = ms;
  }
  std::printf("\nOrder %d on %d points: %s, best of %d runs %.1f ms, R2 %.12f\n", order, count,
              ok ? "fitted" : "NOT fitted", runs, best, r2);

  if (displayAvailable())
    timeRefit(argc, argv);
  else
    std::printf("\nNo display: the re-fit by an order arrow is not timed (run under xvfb-run).\n");
  return 0;
}
