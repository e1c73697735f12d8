// The settings and data-file reader of the main window on any file: every
// line applied, then the widgets brought in line, as at start-up (settings)
// or after "Open data file" (data). Whatever the file held, the window
// keeps a state its widgets can show.
#include <cmath>

#include "FuzzSupport.h"
#include "Globals.h"
#include "ModalSeam.h"
#include "Quillgrid.h"
#include "ShownText.h"
#include "Table_lom2.h"
#include "Utilities_lom2.h"

using namespace FX;

namespace {

Quillgrid* window() {
  static Quillgrid* w = nullptr;
  if (!w) {
    // Every message box is answered at once, as a user pressing OK.
    ModalSeam::setResponder([](ModalSeam::Request&) -> FXuint { return MBOX_CLICKED_OK; });
    // Made in the empty work directory: no settings file of the caller's
    // is read.
    char caller[4096];
    if (!getcwd(caller, sizeof caller) || chdir(fuzz::workDirectory().c_str()) != 0) abort();
    w = new Quillgrid(fuzz::app(true));
    if (fuzz::haveDisplay()) w->create();
    if (chdir(caller) != 0) abort();
  }
  return w;
}

// The settings of a fresh window, read before each input so that one
// input's state does not carry over into the next.
const FXString& freshSettings() {
  static const FXString text = window()->settingsText();
  return text;
}

void checkState(Quillgrid* w) {
  const int longest = qgtest::longestShownText(w);
  FUZZ_CHECK(longest <= Utilities_lom2::MAX_SHOWN_TEXT_BYTES, "a text of %d bytes is shown", longest);
  for (FXListBox* l : {w->numOfDecimalsInCoefficients_LB, w->numOfOverlapPoints_LB, w->numOfEquations_LB,
                       w->maxFitOrder_LB, w->numAutoFindPoints_LB_LB, w->numRowsInXYTable_LB})
    FUZZ_CHECK(l->getCurrentItem() >= 0 && l->getCurrentItem() < l->getNumItems(), "list item %d", l->getCurrentItem());
  for (int i = 0; i < 6; ++i) {
    FUZZ_CHECK(w->fit_order[i] >= 1 && w->fit_order[i] <= 15, "fit order %d", w->fit_order[i]);
    FUZZ_CHECK(std::isfinite(w->fitPlotZoneMarkers_real_x[i]), "zone marker %g", w->fitPlotZoneMarkers_real_x[i]);
  }
  FUZZ_CHECK(w->windowWidth >= 400 && w->windowWidth <= 32767, "width %d", w->windowWidth);
  FUZZ_CHECK(w->windowHeight >= 400 && w->windowHeight <= 32767, "height %d", w->windowHeight);
  FUZZ_CHECK(std::isfinite(w->yAxisScaleFactor), "scale factor %g", w->yAxisScaleFactor);
  FUZZ_CHECK(w->dataSource >= 0 && w->dataSource < NUM_DATA_SOURCES, "data source %d", w->dataSource);
  FUZZ_CHECK(w->curveFitType >= 0 && w->curveFitType <= 5, "fit type %d", w->curveFitType);
  FUZZ_CHECK(w->xyValues_TBL->getNumRows() >= 100, "%d XY rows", w->xyValues_TBL->getNumRows());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  Quillgrid* w = window();
  const bool dataFile = data[0] & 1;
  const std::string fresh = fuzz::writeInput("fresh.ini", reinterpret_cast<const uint8_t*>(freshSettings().text()),
                                             freshSettings().length());
  w->readIniFile(fresh.c_str(), false);
  w->onCmdClearXYValuesTable(nullptr, 0, nullptr);
  w->onCmdClearLMPTable(nullptr, 0, nullptr);

  const std::string path = fuzz::writeInput(dataFile ? "input.qwr" : ".Quillgrid.ini", data + 1, size - 1);
  if (dataFile) {
    // "Open data file": the file is checked, then the tables cleared and
    // the file applied; a refused file is reported (the box answered OK).
    w->openDataFile(path.c_str());
  } else {
    // The settings file at start-up.
    w->readIniFile(path.c_str(), false);
    w->afterReadingDatafiles(true);
  }
  checkState(w);
  // What the reading asked of the event loop (timers, repaints) runs as
  // it would before the user's next action.
  if (fuzz::haveDisplay()) fuzz::app()->runWhileEvents();
  return 0;
}
