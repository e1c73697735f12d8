// Accuracy of the whole fitting run on certified regression data.
//
// For each certified set of the shared test data the values are put into
// the XY values table as the text they are published in, one equation of
// the certified order is fitted with "x vs y" through the "Fit data"
// button, and the coefficients are read back from the zone's coefficient
// table with "# decimals" at 20. Prints the smallest coefficient LRE (log
// relative error, capped at 15) of each set, and the smallest of all.
//
// Needs a display: run it under xvfb-run. It works in a temporary
// directory, so the settings file the window writes goes nowhere.
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "ModalSeam.h"
#include "Quillgrid.h"
#include "ReferenceData.h"
#include "Table_lom2.h"

using namespace FX;

namespace {

const char* const SETS[] = {"Norris", "Pontius", "Wampler1", "Wampler2"};

// The cells of NAME.csv as text (the header line left out).
bool readCells(const std::string& path, std::vector<std::string>& xs, std::vector<std::string>& ys) {
  std::ifstream in(path);
  std::string line;
  if (!std::getline(in, line)) return false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t comma = line.find(',');
    if (comma == std::string::npos) continue;
    xs.push_back(line.substr(0, comma));
    ys.push_back(line.substr(comma + 1));
  }
  return !xs.empty();
}

void selectItemWithNumber(FXListBox* list, int number) {
  for (int i = 0; i < list->getNumItems(); ++i)
    if (FXIntVal(list->getItemText(i), 10) == number) list->setCurrentItem(i, FALSE);
}

// Fits one set through the window; returns its smallest LRE, or -1 when
// the run made no fit.
double fitThroughTheWindow(Quillgrid* w, const std::string& base, const char* name) {
  refdata::DataSet set;
  std::vector<std::string> xs, ys;
  if (!refdata::load(base, set) || !readCells(base + ".csv", xs, ys)) {
    std::printf("%-10s missing (%s)\n", name, base.c_str());
    return -1;
  }
  w->onCmdClearXYValuesTable(nullptr, 0, nullptr);
  for (size_t i = 0; i < xs.size(); ++i) {
    w->xyValues_TBL->setItemText((int)i, 0, xs[i].c_str());
    w->xyValues_TBL->setItemText((int)i, 1, ys[i].c_str());
  }
  w->curveFitType = 0;
  w->setCurveFitType();
  w->dataSource = 1;
  w->setDataSource();
  w->numOfEquations_LB->setCurrentItem(0, FALSE);
  w->setNumEquations(true);
  selectItemWithNumber(w->maxFitOrder_LB, 15);
  selectItemWithNumber(w->numOfDecimalsInCoefficients_LB, 20);
  w->setFitOrderLabels(0, w->fitOrder_Lbl[0], set.order());

  ModalSeam::clearLog();
  w->handle(w->fitData_Btn, FXSEL(SEL_COMMAND, Quillgrid::ID_FIT_DATA), nullptr);
  for (const ModalSeam::Request& r : ModalSeam::log())
    std::printf("%-10s message \"%s\": %s\n", name, r.caption.text(), r.text.text());

  std::vector<double> coef;
  for (int k = 0; k <= set.order(); ++k) {
    const FXString text = w->coefficients_TBL[0]->getItemText(0, k);
    if (text.empty()) {
      std::printf("%-10s order %d  not fitted\n", name, set.order());
      return -1;
    }
    coef.push_back(std::strtod(text.text(), nullptr));
  }
  const double smallest = refdata::smallestLre(coef, set.certified);
  std::printf("%-10s order %d  points %3zu  smallest coefficient LRE %5.2f  (C0 as shown: %s)\n", name,
              set.order(), set.x.size(), smallest, w->coefficients_TBL[0]->getItemText(0, 0).text());
  return smallest;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string nist = std::string(QG_TESTDATA_DIR) + "/nist/";
  if (access((nist + "README.md").c_str(), R_OK) != 0) {
    std::printf("No certified data at %s: nothing to measure.\n", nist.c_str());
    return 0;
  }
  char dir[] = "/tmp/quillgrid-bench-XXXXXX";
  if (!mkdtemp(dir) || chdir(dir) != 0) {
    std::printf("Cannot make a working directory.\n");
    return 1;
  }
  // Every message box is answered at once and logged.
  ModalSeam::setResponder([](ModalSeam::Request&) -> FXuint { return MBOX_CLICKED_OK; });

  FXApp app("Quillgrid", "VORN");
  app.init(argc, argv);
  Quillgrid* w = new Quillgrid(&app);
  app.create();

  std::printf("Whole fitting run (table in, \"Fit data\", coefficient table read back at 20 decimals)\n");
  double smallest = 15;
  bool all = true;
  for (const char* name : SETS) {
    const double lre = fitThroughTheWindow(w, nist + name, name);
    if (lre < 0) all = false;
    else if (lre < smallest) smallest = lre;
  }
  if (all)
    std::printf("Smallest coefficient LRE over all sets: %.2f\n", smallest);
  else
    std::printf("Smallest coefficient LRE over the fitted sets: %.2f (some sets were not fitted)\n", smallest);

  delete w;
  ModalSeam::setResponder(ModalSeam::Responder());
  if (chdir("/") == 0) {
    const std::string cleanup = std::string("rm -rf '") + dir + "'";
    if (system(cleanup.c_str()) != 0) std::printf("could not remove %s\n", dir);
  }
  return 0;
}
